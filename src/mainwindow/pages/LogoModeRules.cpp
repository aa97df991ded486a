#include "LogoModeRules.h"

#include "mainwindow/tables/LogoTables.h"

using namespace LogoTables;

namespace LogoModeRules {

std::optional<TModeView> ModeView(uint16_t mode)
{
    switch (mode) {
    case ModeAssign: return TModeView{_Normal, false, false, true, false, false, false};
    case ModeRecordLogo: return TModeView{_EnregistrementLogoFixe, true, true, true, true, false, false};
    case ModeRecordAnimatedLogo: return TModeView{_EnregistrementLogoAnimee, true, true, true, true, false, false};
    case ModeRecordFrame: return TModeView{_EnregistrementFrame, false, false, false, true, true, false};
    case ModeEraseLogoAndFrame: return TModeView{_EraseLogo, false, true, false, true, false, true};
    case ModeEraseFrame: return TModeView{_EraseFrame, false, false, false, true, true, false};
    default: return std::nullopt;
    }
}

bool IsCaptureMode(uint16_t mode)
{
    return mode == ModeRecordLogo || mode == ModeRecordAnimatedLogo;
}

TEditedLogo EditedLogo(uint16_t commonPicture, bool commonEnabled, uint16_t inputPicture)
{
    if (commonEnabled && commonPicture != 0)
        return {true, commonPicture};
    return {false, inputPicture};
}

TVisibility DecideVisibility(const TPlacement &p)
{
    if (IsCaptureMode(p.Mode))
        return {true, true, false};
    if (p.Mode != ModeAssign)
        return {};
    const bool commonIsLogo = p.CommonEnabled && (p.CommonPicture == 1 || p.CommonPicture == 2);
    const bool commonIsFrame = p.CommonEnabled && p.CommonPicture == FrameMemory;
    const bool inputIsLogo = p.InputEnabled && (p.InputPicture == 1 || p.InputPicture == 2);
    const bool inputIsFrame = p.InputEnabled && p.InputPicture == FrameMemory;
    const bool logoPlaced = commonIsLogo || (inputIsLogo && !commonIsFrame);
    const bool frameActive = commonIsFrame || (inputIsFrame && (p.CommonPicture == 0 || !p.CommonEnabled));
    return {logoPlaced, logoPlaced || frameActive, logoPlaced || frameActive};
}

} // namespace LogoModeRules

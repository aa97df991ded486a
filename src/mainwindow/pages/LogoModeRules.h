#pragma once
// What the logos page shows in each mode, and which logo it edits: plain
// decisions from the device's values, applied by TLogoSection.
#include "controls/CadrageDoubleLogo.h"

#include <cstdint>
#include <optional>

namespace LogoModeRules {

// The controls a PMODE report sets.
struct TModeView
{
    TmodeUtilLogoFrame PreviewMode;
    bool CaptureControls;    // size fields, size link, luma key and cut-out colour
    bool Grid;               // the memory grid
    bool ClearGridSelection;
    bool Store;
    bool StoreEnabled;
    bool FrameRow;           // the grid's "Frame" row (masked otherwise)
};
// Nothing for "Transfert" (the page stays as it was) and unknown modes.
std::optional<TModeView> ModeView(uint16_t mode);
bool IsCaptureMode(uint16_t mode);

// In the assign mode: the common logo when it is on and holds a memory,
// otherwise the picture of the input on screen.
struct TEditedLogo
{
    bool Common;
    uint16_t Memory; // 0: none
};
TEditedLogo EditedLogo(uint16_t commonPicture, bool commonEnabled, uint16_t inputPicture);

// What decides the preview's and fields' visibility: the mode, the common
// picture and the picture of the input the operator selected (ICHN).
struct TPlacement
{
    uint16_t Mode = 0;
    uint16_t CommonPicture = 0;
    bool CommonEnabled = false;
    uint16_t InputPicture = 0;
    bool InputEnabled = false;
};
struct TVisibility
{
    bool Preview = false;
    bool Position = false;
    bool Transparency = false;
    bool operator==(const TVisibility &o) const
    {
        return Preview == o.Preview && Position == o.Position && Transparency == o.Transparency;
    }
};
TVisibility DecideVisibility(const TPlacement &placement);

} // namespace LogoModeRules

#include "LogoSection.h"

#include "LogoModeRules.h"
#include "LogoPreviewMath.h"
#include "PageModels.h"
#include "controls/CadrageDoubleLogo.h"
#include "controls/EditUpDown.h"
#include "controls/SmartItems.h"
#include "dialogs/OperatorPrompt.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/LogoLoaderLink.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/InputTables.h"
#include "mainwindow/tables/LogoTables.h"
#include "variables/MorlixVariables_d.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

using namespace LogoTables;
using VariableBinding::TIndexWrite;

namespace {

QString OnOffText(bool on)
{
    return on ? QStringLiteral("ON") : QStringLiteral("OFF");
}

void ShowOnOff(QPushButton *button, bool on)
{
    button->setChecked(on);
    button->setText(OnOffText(on));
}

} // namespace

TLogoSection::TLogoSection(const TMainContext &context, const TPlaces &places, QObject *parent)
    : QObject(parent), m_context(context), m_loader(places.Loader)
{
    BuildPage(places.LogoPage);
    BuildStrip(places.Strip, *places.Inputs);
    BuildCommonRow(places.Client, places.CommonArea);
    BindOperatorActions();
    BindPreviewEvents();
    BindReports();
    if (TPageModels *models = context.Models) {
        models->CommonUpdate.AddRule(TCommonStage::Logos, [this](const TCommonState &) { ApplyVisibility(); });
        for (int varNumber : {PMODE, OPICTURE, OPICTURE_ENABLE, ICHN, IPICTURE, IPICTURE_ENABLE})
            models->CommonUpdate.AddTrigger(varNumber);
    }
}

QString TLogoSection::EraseQuestion()
{
    return QStringLiteral("Are you sure you want to erase this memory ?");
}

// ------------------------------------------------------------ operator actions

void TLogoSection::BindOperatorActions()
{
    TComDriverMorlix &driver = m_context.Driver;
    VariableBinding::OnItemChosen(m_mode, [this](int item) { ChooseMode(item); });
    connect(m_left, &TEditUpDown::OnUserChange, this,
            [this](TEditUpDown *, int32_t value, TEditUpDown::TUDBtnType) { EditPosition(Horizontal, value); });
    connect(m_top, &TEditUpDown::OnUserChange, this,
            [this](TEditUpDown *, int32_t value, TEditUpDown::TUDBtnType) { EditPosition(Vertical, value); });
    connect(m_width, &TEditUpDown::OnUserChange, this,
            [this](TEditUpDown *, int32_t value, TEditUpDown::TUDBtnType) { EditSize(Horizontal, value); });
    connect(m_height, &TEditUpDown::OnUserChange, this,
            [this](TEditUpDown *, int32_t value, TEditUpDown::TUDBtnType) { EditSize(Vertical, value); });
    connect(m_transparency, &TEditUpDown::OnUserChange, this,
            [this](TEditUpDown *, int32_t value, TEditUpDown::TUDBtnType) { EditTransparency(value); });
    connect(m_sizeLink, &QPushButton::clicked, this, &TLogoSection::ToggleSizeLink);
    connect(m_grid, &QTableWidget::cellClicked, this, [this](int row, int) { ChooseMemory(row + 1); });
    connect(m_store, &QPushButton::clicked, this, &TLogoSection::Store);
    VariableBinding::BindSmartItems(m_context, m_lumaType, PCAPTURE_LUMAKEY_TYPE, LumaKeyTypes);
    VariableBinding::BindEditUpDown(m_context, m_lumaLevel, PCAPTURE_LUMAKEY_LEVEL);
    VariableBinding::BindEditUpDown(m_context, m_backColor, PCAPTURE_BACK_COLOR);

    for (int input = 1; input <= InputTables::InputCount; ++input) {
        const uint16_t n = uint16_t(input);
        TSmartItems *selector = m_pictures[size_t(input)];
        VariableBinding::OnItemChosen(selector, [selector, &driver, n](int item) {
            if (const auto memory = VariableBinding::ChosenValue(selector, Pictures, item))
                VariableBinding::SendElements(driver, IPCHAN, n, TIndexWrite::WhenDiffers, {{IPICTURE, *memory}});
        });
        connect(m_enables[size_t(input)], &QPushButton::clicked, this, [this, &driver, n] {
            const uint16_t toggled = uint16_t((InputCopy(IPICTURE_ENABLE, n) % 128) ^ 1);
            VariableBinding::SendElements(driver, IPCHAN, n, TIndexWrite::WhenDiffers, {{IPICTURE_ENABLE, toggled}});
        });
    }
    VariableBinding::BindSmartItems(m_context, m_commonPicture, OPICTURE, Pictures);
    VariableBinding::BindToggle(m_context, m_commonEnable, OPICTURE_ENABLE);
}

void TLogoSection::ChooseMode(int item)
{
    const auto mode = VariableBinding::ChosenValue(m_mode, Modes, item);
    if (mode == ModeTransfer)
        OpenLoader();
    else if (mode)
        m_context.Driver.SendVar(PMODE, *mode);
}

void TLogoSection::OpenLoader()
{
    const int transferItem = Modes.PositionOf(ModeTransfer);
    m_mode->SetItemIndex(transferItem);
    m_loader->Open([this, transferItem] {
        // A report that chose another mode meanwhile has the last word.
        if (m_mode->ItemIndex() != transferItem)
            return;
        m_context.Driver.SendVar(PMODE, ModeAssign);
        VariableBinding::ShowReportedValue(m_mode, Modes, m_rememberedMode);
    });
}

void TLogoSection::ChooseMemory(int memory)
{
    if (memory < 1 || memory > MemoryCount)
        return;
    m_context.Driver.SendVar(PCAPTURE_INDEX, uint16_t(memory));
    const int item = Modes.PositionOf(m_context.Driver.GetVar(PMODE));
    m_store->setText(m_mode->GetItemCaption(item) + QLatin1Char('\n') + MemoryName(memory));
    m_store->setEnabled(true);
}

void TLogoSection::Store()
{
    const uint16_t mode = m_context.Driver.GetVar(PMODE);
    const bool erases = mode == ModeEraseLogoAndFrame || mode == ModeEraseFrame;
    if (erases && !TOperatorPrompt::ConfirmYesNo(m_store, EraseQuestion()))
        return;
    m_context.Driver.SendVar(PEXECUTE, 1);
    m_store->setEnabled(false);
    m_grid->clearSelection();
}

void TLogoSection::ToggleSizeLink()
{
    m_linked = !m_linked;
    const TComDriver &driver = m_context.Driver;
    if (m_linked && driver.GetVar(PCAPTURE_HEIGHT) != 0)
        m_ratio = double(driver.GetVar(PCAPTURE_WIDTH)) / double(driver.GetVar(PCAPTURE_HEIGHT));
    m_sizeLink->setChecked(m_linked);
}

bool TLogoSection::SendInRange(int varNumber, int64_t value)
{
    TComDriverMorlix &driver = m_context.Driver;
    if (!VariableBinding::AcceptsEntry(driver, varNumber, value))
        return false;
    driver.SendVar(varNumber, uint16_t(value));
    return true;
}

bool TLogoSection::SendToActiveInput(int varNumber, int64_t value)
{
    TComDriverMorlix &driver = m_context.Driver;
    if (!VariableBinding::AcceptsEntry(driver, varNumber, value))
        return false;
    VariableBinding::SendElements(driver, IPCHAN, driver.GetVar(ICH), TIndexWrite::WhenDiffers,
                                  {{varNumber, uint16_t(value)}});
    return true;
}

void TLogoSection::EditPosition(TAxis axis, int32_t value)
{
    const TComDriver &driver = m_context.Driver;
    const uint16_t mode = driver.GetVar(PMODE);
    bool sent = false;
    if (LogoModeRules::IsCaptureMode(mode))
        sent = SendInRange(axis == Horizontal ? PCAPTURE_LEFT : PCAPTURE_TOP, value);
    else if (mode == ModeAssign && driver.GetVar(OPICTURE_ENABLE) != 0)
        sent = SendInRange(axis == Horizontal ? OPICTURE_LEFT : OPICTURE_TOP, value);
    else if (mode == ModeAssign)
        sent = SendToActiveInput(axis == Horizontal ? IPICTURE_LEFT : IPICTURE_TOP, value);
    if (!sent)
        RefreshPreview();
}

void TLogoSection::EditSize(TAxis axis, int32_t value)
{
    const int edited = axis == Horizontal ? PCAPTURE_WIDTH : PCAPTURE_HEIGHT;
    if (!SendInRange(edited, value)) {
        RefreshPreview();
        return;
    }
    if (!m_linked)
        return;
    const auto partner = axis == Horizontal ? LogoPreviewMath::LinkedHeight(value, m_ratio)
                                            : LogoPreviewMath::LinkedWidth(value, m_ratio);
    if (partner)
        SendInRange(axis == Horizontal ? PCAPTURE_HEIGHT : PCAPTURE_WIDTH, *partner);
}

void TLogoSection::EditTransparency(int32_t value)
{
    const bool sent = m_context.Driver.GetVar(OPICTURE_ENABLE) != 0
                          ? SendInRange(OPICTURE_TRANSPARENCY, value)
                          : SendToActiveInput(IPICTURE_TRANSPARENCY, value);
    if (!sent)
        ShowTransparency();
}

// ------------------------------------------------------------ preview drags

void TLogoSection::BindPreviewEvents()
{
    TCadrageDoubleLogo *preview = m_preview;
    preview->SetOnFLHPCAPChange([this, preview](QObject *, TCadrageDoubleLogoCode) {
        DragCapture(PCAPTURE_LEFT, preview->LHPCAP(), OHSIZE);
    });
    preview->SetOnFLVPCAPChange([this, preview](QObject *, TCadrageDoubleLogoCode) {
        DragCapture(PCAPTURE_TOP, preview->LVPCAP(), OVSIZE);
    });
    preview->SetOnFLHSCAPChange([this, preview](QObject *, TCadrageDoubleLogoCode) {
        DragCapture(PCAPTURE_WIDTH, preview->LHSCAP(), OHSIZE);
    });
    preview->SetOnFLVSCAPChange([this, preview](QObject *, TCadrageDoubleLogoCode) {
        DragCapture(PCAPTURE_HEIGHT, preview->LVSCAP(), OVSIZE);
    });
    preview->SetOnFLHPOS1xChange([this](QObject *, TCadrageDoubleLogoCode) { DragLogo(Horizontal); });
    preview->SetOnFLVPOS1xChange([this](QObject *, TCadrageDoubleLogoCode) { DragLogo(Vertical); });
}

// A value the device will not be sent is answered at once with the device's
// own, so the preview lets its next waiting value out.
void TLogoSection::DragCapture(int varNumber, uint32_t scale, int outputVar)
{
    const auto pixels = LogoPreviewMath::FromScale(scale, m_context.Driver.GetVar(outputVar));
    if (!pixels || !SendInRange(varNumber, *pixels))
        RefreshPreview();
}

void TLogoSection::DragLogo(TAxis axis)
{
    const TComDriver &driver = m_context.Driver;
    const bool horizontal = axis == Horizontal;
    const int64_t output = driver.GetVar(horizontal ? OHSIZE : OVSIZE);
    const int64_t picture = driver.GetVar(horizontal ? PSTATUS_WIDTH : PSTATUS_HEIGHT);
    const uint32_t scale = horizontal ? m_preview->LHPOS1x() : m_preview->LVPOS1x();
    const auto edge = output > 0 ? LogoPreviewMath::TravelFromScale(scale, output, picture) : std::nullopt;
    bool sent = false;
    if (edge && CommonLogoEdited())
        sent = SendInRange(horizontal ? OPICTURE_LEFT : OPICTURE_TOP, *edge);
    else if (edge)
        sent = SendToActiveInput(horizontal ? IPICTURE_LEFT : IPICTURE_TOP, *edge);
    if (!sent)
        RefreshPreview();
}

// ------------------------------------------------------------ reports

void TLogoSection::BindReports()
{
    TMorlixVariables &changes = m_context.Changes;
    changes.onPMODEChange([this] { ShowMode(); });
    changes.onPVALIDChange([this] { ShowMemories(); });
    for (int varNumber : {IPICTURE, IPICTURE_ENABLE, IPICTURE_LEFT, IPICTURE_TOP})
        changes.OnChange(varNumber, [this] {
            ShowInputPicture(m_context.Models->Inputs.CurrentIndex());
            RefreshPreview();
        });
    for (int varNumber : {IPICTURE_TRANSPARENCY, OPICTURE_TRANSPARENCY})
        changes.OnChange(varNumber, [this] { ShowTransparency(); });
    changes.onOPICTUREChange([this] {
        ShowCommonPicture();
        RefreshPreview();
    });
    changes.onOPICTURE_ENABLEChange([this] {
        ShowCommonPicture();
        ShowTransparency();
        RefreshPreview();
    });
    changes.onICHChange([this] {
        ShowTransparency();
        RefreshPreview();
    });
    for (int varNumber : {OPICTURE_LEFT, OPICTURE_TOP, PCAPTURE_LEFT, PCAPTURE_TOP, PCAPTURE_WIDTH, PCAPTURE_HEIGHT,
                          PSTATUS_WIDTH, PSTATUS_HEIGHT, OFORMAT})
        changes.OnChange(varNumber, [this] { RefreshPreview(); });
    changes.onPSTATUS_INDEXChange([this] {
        AnswerSizeRequest();
        RefreshPreview();
    });
    // The preview takes the output's proportions once the device says them.
    changes.onOHSIZEChange([this] {
        m_preview->SetOHSIZx(m_context.Driver.GetVar(OHSIZE));
        RefreshPreview();
    });
    changes.onOVSIZEChange([this] {
        m_preview->SetOVSIZx(m_context.Driver.GetVar(OVSIZE));
        RefreshPreview();
    });
    ShowMode();
    ShowMemories();
    ShowTransparency();
}

uint16_t TLogoSection::InputCopy(int varNumber, int input) const
{
    return m_context.Models ? m_context.Models->Inputs.Value(varNumber, input) : 0;
}

bool TLogoSection::CommonLogoEdited() const
{
    const TComDriver &driver = m_context.Driver;
    return LogoModeRules::EditedLogo(driver.GetVar(OPICTURE), driver.GetVar(OPICTURE_ENABLE) != 0, 0).Common;
}

void TLogoSection::ShowMode()
{
    const uint16_t mode = m_context.Driver.GetVar(PMODE);
    VariableBinding::ShowReportedValue(m_mode, Modes, mode);
    if (mode != ModeTransfer)
        m_rememberedMode = mode;
    if (const auto view = LogoModeRules::ModeView(mode)) {
        m_store->setText(m_mode->GetItemCaption(Modes.PositionOf(mode)));
        m_preview->SetLMODE(view->PreviewMode);
        for (QWidget *control : m_captureControls)
            control->setVisible(view->CaptureControls);
        m_grid->setVisible(view->Grid);
        if (view->ClearGridSelection)
            m_grid->clearSelection();
        m_grid->setRowHidden(FrameMemory - 1, !view->FrameRow);
        m_store->setVisible(view->Store);
        m_store->setEnabled(view->StoreEnabled);
    }
    RefreshPreview();
}

void TLogoSection::ShowMemories()
{
    const uint16_t valid = m_context.Driver.GetVar(PVALID);
    for (int memory = 1; memory <= MemoryCount; ++memory) {
        m_grid->item(memory - 1, 1)->setText(BitIsSet(valid, memory) ? QStringLiteral("Ok") : EmptyText());
        for (TSmartItems *selector : m_pictures)
            if (selector)
                selector->SetItemCaption(memory, MemoryCaption(memory, valid));
        m_commonPicture->SetItemCaption(memory, MemoryCaption(memory, valid));
    }
    for (int input = 1; input <= InputTables::InputCount; ++input)
        ShowInputPicture(input);
    ShowCommonPicture();
}

void TLogoSection::ShowInputPicture(int input)
{
    if (input < 1 || input > InputTables::InputCount)
        return;
    VariableBinding::ShowReportedValue(m_pictures[size_t(input)], Pictures, InputCopy(IPICTURE, input));
    ShowOnOff(m_enables[size_t(input)], InputCopy(IPICTURE_ENABLE, input) != 0);
}

void TLogoSection::ShowCommonPicture()
{
    const TComDriver &driver = m_context.Driver;
    VariableBinding::ShowReportedValue(m_commonPicture, Pictures, driver.GetVar(OPICTURE));
    ShowOnOff(m_commonEnable, driver.GetVar(OPICTURE_ENABLE) != 0);
}

void TLogoSection::ShowTransparency()
{
    const TComDriver &driver = m_context.Driver;
    m_transparency->SetPosition(driver.GetVar(OPICTURE_ENABLE) != 0
                                    ? driver.GetVar(OPICTURE_TRANSPARENCY)
                                    : InputCopy(IPICTURE_TRANSPARENCY, driver.GetVar(ICH)));
}

void TLogoSection::RefreshPreview()
{
    const uint16_t mode = m_context.Driver.GetVar(PMODE);
    if (LogoModeRules::IsCaptureMode(mode))
        RefreshCapture();
    else if (mode == ModeAssign)
        RefreshAssign();
}

void TLogoSection::RefreshCapture()
{
    const TComDriver &driver = m_context.Driver;
    const int64_t width = driver.GetVar(OHSIZE);
    const int64_t height = driver.GetVar(OVSIZE);
    const uint16_t left = driver.GetVar(PCAPTURE_LEFT), top = driver.GetVar(PCAPTURE_TOP);
    const uint16_t captureWidth = driver.GetVar(PCAPTURE_WIDTH), captureHeight = driver.GetVar(PCAPTURE_HEIGHT);
    if (width > 0) {
        m_preview->SetLHPCAP(*LogoPreviewMath::ToScale(left, width));
        m_preview->SetLHSCAP(*LogoPreviewMath::ToScale(captureWidth, width));
    }
    if (height > 0) {
        m_preview->SetLVPCAP(*LogoPreviewMath::ToScale(top, height));
        m_preview->SetLVSCAP(*LogoPreviewMath::ToScale(captureHeight, height));
    }
    m_preview->SetPIXELSIZ1(0);
    m_preview->SetLINESIZ1(0);
    m_left->SetPosition(left);
    m_top->SetPosition(top);
    m_width->SetPosition(captureWidth);
    m_height->SetPosition(captureHeight);
}

void TLogoSection::RefreshAssign()
{
    const TComDriver &driver = m_context.Driver;
    const int input = driver.GetVar(ICH);
    const LogoModeRules::TEditedLogo logo = LogoModeRules::EditedLogo(
        driver.GetVar(OPICTURE), driver.GetVar(OPICTURE_ENABLE) != 0, InputCopy(IPICTURE, input));
    m_mode->SetItemCaption(Modes.PositionOf(ModeAssign), logo.Common
                                                             ? QStringLiteral("Assign Output")
                                                             : QStringLiteral("Assign Input %1").arg(input));
    RequestPictureSize(logo.Memory);

    const int64_t width = driver.GetVar(OHSIZE), height = driver.GetVar(OVSIZE);
    const int64_t pictureWidth = driver.GetVar(PSTATUS_WIDTH), pictureHeight = driver.GetVar(PSTATUS_HEIGHT);
    const uint16_t left = logo.Common ? driver.GetVar(OPICTURE_LEFT) : InputCopy(IPICTURE_LEFT, input);
    const uint16_t top = logo.Common ? driver.GetVar(OPICTURE_TOP) : InputCopy(IPICTURE_TOP, input);
    if (const auto position = LogoPreviewMath::TravelToScale(left, width, pictureWidth)) {
        m_preview->SetLHSIZ1x(*LogoPreviewMath::ToScale(pictureWidth, width));
        m_preview->SetLHPOS1x(*position);
    }
    if (const auto position = LogoPreviewMath::TravelToScale(top, height, pictureHeight)) {
        m_preview->SetLVSIZ1x(*LogoPreviewMath::ToScale(pictureHeight, height));
        m_preview->SetLVPOS1x(*position);
    }
    // A stored picture larger than the output says so on the preview.
    const bool sizeKnown = logo.Memory >= 1 && driver.GetVar(PSTATUS_INDEX) == logo.Memory;
    m_preview->SetPIXELSIZ1(sizeKnown ? uint16_t(pictureWidth) : 0);
    m_preview->SetLINESIZ1(sizeKnown ? uint16_t(pictureHeight) : 0);
    m_left->SetPosition(left);
    m_top->SetPosition(top);
}

void TLogoSection::RequestPictureSize(uint16_t memory)
{
    // Only a memory that exists, once, until the device has answered: an
    // input without a picture, or an answer for another memory, would
    // otherwise make the request and the report call each other for ever.
    if (memory < 1 || memory > MemoryCount || m_sizeAsked != 0 || memory == m_sizeRefused)
        return;
    TComDriverMorlix &driver = m_context.Driver;
    if (driver.GetVar(PSTATUS_INDEX) == memory)
        return;
    m_sizeAsked = memory;
    driver.SendVar(PSTATUS_INDEX, memory);
}

void TLogoSection::AnswerSizeRequest()
{
    const uint16_t answered = m_context.Driver.GetVar(PSTATUS_INDEX);
    m_sizeRefused = m_sizeAsked != 0 && answered != m_sizeAsked ? m_sizeAsked : 0;
    m_sizeAsked = 0;
}

void TLogoSection::ApplyVisibility()
{
    const TComDriver &driver = m_context.Driver;
    const int selected = driver.GetVar(ICHN);
    LogoModeRules::TPlacement placement;
    placement.Mode = driver.GetVar(PMODE);
    placement.CommonPicture = driver.GetVar(OPICTURE);
    placement.CommonEnabled = driver.GetVar(OPICTURE_ENABLE) != 0;
    placement.InputPicture = InputCopy(IPICTURE, selected);
    placement.InputEnabled = InputCopy(IPICTURE_ENABLE, selected) != 0;
    const LogoModeRules::TVisibility visible = LogoModeRules::DecideVisibility(placement);
    m_preview->setVisible(visible.Preview);
    m_positionGroup->setVisible(visible.Position);
    m_transparencyLabel->setVisible(visible.Transparency);
    m_transparency->setVisible(visible.Transparency);
}

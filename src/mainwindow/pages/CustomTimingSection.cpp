#include "CustomTimingSection.h"

#include "CustomTimingTexts.h"
#include "OutputSection.h"
#include "controls/EditUpDown.h"
#include "controls/SmartItems.h"
#include "controls/SpinField.h"
#include "dialogs/OperatorPrompt.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/FastTimer.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/CustomTimingTables.h"
#include "mainwindow/tables/OutputTables.h"
#include "variables/MorlixVariables_d.h"

#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

using namespace CustomTimingTables;
using VariableBinding::NewSmartItems;

namespace {

constexpr int PanelLeft = 12;
constexpr int PanelTop = 68;
constexpr int PanelWidth = 450;
constexpr int ButtonHeight = 20;
constexpr int AreaTop = 48;
constexpr int RowHeight = 24;
constexpr int ColumnWidth = 222;
constexpr int LabelWidth = 96;
constexpr int FieldWidth = 112;

const QString CollapsedGlyph = QStringLiteral("\u25BC  Custom timing");
const QString ExpandedGlyph = QStringLiteral("\u25B2");

struct TFullRow
{
    int VarNumber;
    const char *Label;
    const char *Suffix;
    int Column;
    int Row;
    bool Hidden; // the second field of an interlaced timing
};

const TFullRow FullRows[] = {
    {OCFULL_HSYNC, "H.sync time", " Pixels", 0, 0, false},
    {OCFULL_HBACKPORCH, "H.back porch", " Pixels", 0, 1, false},
    {OCFULL_HFRONTPORCH, "H.front porch", " Pixels", 0, 2, false},
    {OCFULL_HUTIL, "Active Pixels", " Pixels", 0, 3, false},
    {OCFULL_VSYNC, "V.sync time", " Lines", 1, 0, false},
    {OCFULL_VBACKPORCH0, "V.back porch", " Lines", 1, 1, false},
    {OCFULL_VFRONTPORCH0, "V.front porch", " Lines", 1, 2, false},
    {OCFULL_VUTIL0, "Active Lines", " Lines", 1, 3, false},
    {OCFULL_VBACKPORCH1, "V.back porch", " Lines", 1, 6, true},
    {OCFULL_VFRONTPORCH1, "V.front porch", " Lines", 1, 7, true},
    {OCFULL_VUTIL1, "Active Lines", " Lines", 1, 8, true},
};

QLabel *MakeLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QRect Cell(int column, int row, int x, int width)
{
    return {column * ColumnWidth + x, row * RowHeight, width, RowHeight - 2};
}

} // namespace

TCustomTimingSection::TCustomTimingSection(const TMainContext &context, const THosts &hosts, QObject *parent)
    : QObject(parent), m_context(context), m_output(hosts.Output), m_fastTimer(hosts.FastTimer),
      m_stored(context.Driver)
{
    BuildSelector(hosts.OutputPage);
    BuildPanel(hosts.OutputPage);
    BindHandlers();
}

void TCustomTimingSection::BuildSelector(QWidget *page)
{
    m_setting = NewSmartItems(page, "SmartItems_OCSETTINGNUMBER", QStringLiteral("Custom setting"), SettingItems,
                             TSmartItems::_ComboBox, {12, 222, 440, 52});
}

void TCustomTimingSection::BuildPanel(QWidget *page)
{
    auto *panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("Panel_CustomTiming"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    panel->setGeometry(PanelLeft, PanelTop, PanelWidth, ButtonHeight);
    m_panel = panel;

    m_title = MakeLabel(panel, QString(), {6, 2, PanelWidth - 12, 18});
    m_title->setObjectName(QStringLiteral("Label_CustomTitle"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);

    m_advanced = new QPushButton(Modes.PlainCaptionAt(0), panel);
    m_advanced->setObjectName(QStringLiteral("SpeedButton_OCADVANCED"));
    m_advanced->setCheckable(true);
    m_advanced->setGeometry(4, 20, 108, 24);
    m_save = new QPushButton(QStringLiteral("Save"), panel);
    m_save->setObjectName(QStringLiteral("Button_CustomSave"));
    m_save->setGeometry(116, 20, 64, 24);
    m_saveTo = new QPushButton(QStringLiteral("Save To"), panel);
    m_saveTo->setObjectName(QStringLiteral("Button_CustomSaveTo"));
    m_saveTo->setGeometry(184, 20, 72, 24);
    m_rename = new QPushButton(QStringLiteral("Rename"), panel);
    m_rename->setObjectName(QStringLiteral("Button_CustomRename"));
    m_rename->setGeometry(260, 20, 72, 24);
    m_rename->hide();
    m_saveToMenu = new QMenu(panel);
    for (int setting = 0; setting < SettingCount; ++setting)
        m_saveToMenu->addAction(SettingItems.CaptionAt(setting))->setData(setting);

    m_fullArea = new QWidget(panel);
    m_fullArea->setGeometry(2, AreaTop, PanelWidth - 4, 6 * RowHeight + 52);
    BuildFullFields(m_fullArea);
    m_cvtArea = new QWidget(panel);
    m_cvtArea->setGeometry(m_fullArea->geometry());
    BuildCvtFields(m_cvtArea);

    m_showHide = new QPushButton(CollapsedGlyph, page);
    m_showHide->setObjectName(QStringLiteral("Button_CustomShowHide"));
    m_showHide->setEnabled(false);
    PlaceShowHideButton();
}

void TCustomTimingSection::BuildFullFields(QWidget *area)
{
    const TComDriverMorlix &driver = m_context.Driver;
    for (const TFullRow &row : FullRows) {
        QLabel *label = MakeLabel(area, QLatin1String(row.Label), Cell(row.Column, row.Row, 2, LabelWidth));
        auto *field = new TSpinField(area);
        field->setObjectName(QStringLiteral("SpinEdit_") + QLatin1String(VarTable[row.VarNumber].Name));
        field->setSuffix(QLatin1String(row.Suffix));
        field->setGeometry(Cell(row.Column, row.Row, LabelWidth + 2, FieldWidth));
        field->Show(driver.GetVar(row.VarNumber));
        label->setVisible(!row.Hidden);
        field->setVisible(!row.Hidden);
        m_fullFields[row.VarNumber] = {label, field};
    }
    m_fullFields[OCFULL_HTOTAL] = {MakeLabel(area, QStringLiteral("H.Total:"), Cell(0, 4, 2, LabelWidth)), nullptr};
    m_hTotal = MakeLabel(area, QString(), Cell(0, 4, LabelWidth + 4, FieldWidth));
    m_hTotal->setObjectName(QStringLiteral("Label_OCFULL_HTOTAL"));
    m_fullFields[OCFULL_VTOTAL] = {MakeLabel(area, QStringLiteral("V.Total:"), Cell(1, 4, 2, LabelWidth)), nullptr};
    m_vTotal = MakeLabel(area, QString(), Cell(1, 4, LabelWidth + 4, FieldWidth));
    m_vTotal->setObjectName(QStringLiteral("Label_OCFULL_VTOTAL"));

    QLabel *rateLabel = MakeLabel(area, QStringLiteral("Rate"), Cell(0, 5, 2, LabelWidth));
    auto *rate = new TSpinField(area);
    rate->setObjectName(QStringLiteral("SpinEdit_OCFULL_RATE"));
    rate->setGeometry(Cell(0, 5, LabelWidth + 2, 70));
    m_fullFields[OCFULL_RATE] = {rateLabel, rate};
    m_rateText = MakeLabel(area, QString(), Cell(0, 5, LabelWidth + 78, ColumnWidth - LabelWidth - 80));
    m_rateText->setObjectName(QStringLiteral("Label_OCFULL_RATE"));
    // The rate in hertz stands for the field beside it.
    m_rateText->installEventFilter(this);

    m_fullScan = NewSmartItems(area, "SmartItems_OCFULL_SCANTYPE", QStringLiteral("Scan type"), FullScanTypes,
                              TSmartItems::_ComboBox, {ColumnWidth, 5 * RowHeight + 2, ColumnWidth - 4, 52});
}

void TCustomTimingSection::BuildCvtFields(QWidget *area)
{
    const struct
    {
        int VarNumber;
        const char *Label;
        const char *Suffix;
    } rows[] = {{OCCVT_HUTIL, "Active Pixels", "Px"}, {OCCVT_VUTIL, "Active Lines", "Li"}, {OCCVT_RATE, "Rate", "Hz"}};
    for (int i = 0; i < 3; ++i) {
        MakeLabel(area, QLatin1String(rows[i].Label), Cell(0, i, 2, LabelWidth));
        auto *field = new TEditUpDown(area);
        field->setObjectName(QStringLiteral("EditUpDown_") + QLatin1String(VarTable[rows[i].VarNumber].Name));
        field->SetAffichageSuffix(QLatin1String(rows[i].Suffix));
        field->setGeometry(Cell(0, i, LabelWidth + 2, FieldWidth));
        m_cvtFields[rows[i].VarNumber] = field;
    }
    const TComDriverMorlix &driver = m_context.Driver;
    for (int varNumber : {OCCVT_HUTIL, OCCVT_VUTIL}) {
        // The same number as the device's.
        m_cvtFields[varNumber]->SetAffichageMin(driver.GetVarMin(varNumber));
        m_cvtFields[varNumber]->SetAffichageMax(driver.GetVarMax(varNumber));
    }
    TEditUpDown *rate = m_cvtFields[OCCVT_RATE];
    rate->SetAffichageMin(driver.GetVarMin(OCCVT_RATE) / 100.0);
    rate->SetAffichageMax(driver.GetVarMax(OCCVT_RATE) / 100.0);
    rate->SetArronditOrFloat(TEditUpDown::_Float);

    m_reducedBlank = new QCheckBox(QStringLiteral("Reduced Blank"), area);
    m_reducedBlank->setObjectName(QStringLiteral("CheckBox_OCCVT_REDUCED_BLANKINGS"));
    m_reducedBlank->setGeometry(Cell(0, 3, 2, ColumnWidth - 4));
    m_cvtScan = NewSmartItems(area, "SmartItems_OCCVT_SCANTYPE", QStringLiteral("Scan type"), CvtScanTypes,
                             TSmartItems::_RadioButton, {ColumnWidth, 0, ColumnWidth - 4, 112});
}

void TCustomTimingSection::BindHandlers()
{
    const TMainContext &context = m_context;
    TComDriverMorlix &driver = context.Driver;

    VariableBinding::OnItemChosen(m_setting, [this](int item) { ChooseSetting(item); });
    connect(m_showHide, &QPushButton::clicked, this, [this] { ToggleShown(); });
    connect(m_advanced, &QPushButton::clicked, this, [this, &driver] {
        ShowMode(); // the pressed state follows the device
        driver.SendVar(OCADVANCED, driver.GetVar(OCADVANCED) == 0 ? 1 : 0);
    });
    connect(m_save, &QPushButton::clicked, this, [this] { Save(); });
    connect(m_saveTo, &QPushButton::clicked, this, [this] { m_saveToMenu->popup(QCursor::pos()); });
    connect(m_saveToMenu, &QMenu::triggered, this, [this](QAction *action) { SaveTo(action->data().toInt()); });
    connect(m_rename, &QPushButton::clicked, this, [this, &driver] { Rename(driver.GetVar(OCSETTINGNUMBER)); });
    for (const auto &[varNumber, row] : m_fullFields)
        if (row.Field)
            connect(row.Field, &TSpinField::Entered, this,
                    [this, varNumber = varNumber](int value) { EnterFullField(varNumber, value); });
    VariableBinding::BindSmartItems(context, m_fullScan, OCFULL_SCANTYPE, FullScanTypes);
    for (const auto &[varNumber, field] : m_cvtFields)
        VariableBinding::BindEditUpDown(context, field, varNumber);
    // The item's position is the scan type.
    VariableBinding::BindSmartItems(context, m_cvtScan, OCCVT_SCANTYPE, CvtScanTypes);
    connect(m_reducedBlank, &QCheckBox::clicked, this, [this, &driver] {
        {
            const QSignalBlocker block(m_reducedBlank);
            m_reducedBlank->setChecked(driver.GetVar(OCCVT_REDUCED_BLANKINGS) != 0);
        }
        driver.SendVar(OCCVT_REDUCED_BLANKINGS, driver.GetVar(OCCVT_REDUCED_BLANKINGS) ^ 1);
    });

    if (m_output) {
        connect(m_output, &TOutputSection::CustomFormatRenameRequested, this, &TCustomTimingSection::Rename);
        // A new format on the output folds the panel away, without loading.
        connect(m_output, &TOutputSection::FormatShown, this, [this] { SetExpanded(false); });
    }

    VariableBinding::OnReport(context, OCSETTINGNUMBER, [this] {
        ShowFullTiming();
        ShowSetting();
    });
    VariableBinding::OnReport(context, OCNAME, [this] { ReceiveName(); });
    VariableBinding::OnReport(context, OCADVANCED, [this] { ShowMode(); });
    for (int varNumber = OCFULL_HSYNC; varNumber <= OCFULL_SCANTYPE; ++varNumber)
        context.Changes.OnChange(varNumber, [this] { ShowFullTiming(); });
    VariableBinding::OnReport(context, OCCVT_REDUCED_BLANKINGS, [this, &driver] {
        const QSignalBlocker block(m_reducedBlank);
        m_reducedBlank->setChecked(driver.GetVar(OCCVT_REDUCED_BLANKINGS) != 0);
    });
}

TSpinField *TCustomTimingSection::FullField(int varNumber) const
{
    const auto found = m_fullFields.find(varNumber);
    return found == m_fullFields.end() ? nullptr : found->second.Field;
}

QLabel *TCustomTimingSection::FullFieldLabel(int varNumber) const
{
    const auto found = m_fullFields.find(varNumber);
    return found == m_fullFields.end() ? nullptr : found->second.Label;
}

TEditUpDown *TCustomTimingSection::CvtField(int varNumber) const
{
    const auto found = m_cvtFields.find(varNumber);
    return found == m_cvtFields.end() ? nullptr : found->second;
}

void TCustomTimingSection::ChooseSetting(int item)
{
    const std::optional<uint16_t> setting = VariableBinding::ChosenValue(m_setting, SettingItems, item);
    if (!setting)
        return;
    m_context.Driver.SendVar(OCSETTINGNUMBER, *setting);
    m_showHide->setEnabled(true);
    // Unfolding loads the setting, also when the panel is already open.
    m_expanded = false;
    SetExpanded(true);
}

void TCustomTimingSection::ToggleShown()
{
    SetExpanded(!m_expanded);
}

void TCustomTimingSection::SetExpanded(bool expanded)
{
    if (expanded == m_expanded && !m_animating)
        return;
    m_expanded = expanded;
    m_showHide->setText(expanded ? ExpandedGlyph : CollapsedGlyph);
    if (expanded) {
        TComDriverMorlix &driver = m_context.Driver;
        driver.SendVar(OCCTRL, Load);
        driver.SendVar(OCEXECUTE, 1);
    }
    m_panel->raise();
    m_showHide->raise();
    m_animating = true;
    if (m_fastTimer)
        m_fastTimer->SetNeeded(this, true);
}

void TCustomTimingSection::AnimationStep()
{
    if (!m_animating)
        return;
    std::optional<int> height;
    if (m_expanded) {
        const int targetBottom = m_output ? m_output->RateSelector()->geometry().bottom() + 1
                                          : m_panel->y() + m_panel->height();
        if (const std::optional<int> bottom = CustomTimingTexts::FoldStep(m_panel->y() + m_panel->height(),
                                                                          targetBottom, true))
            height = *bottom - m_panel->y();
    } else {
        height = CustomTimingTexts::FoldStep(m_panel->height(), m_showHide->height(), false);
    }
    if (height) {
        m_panel->resize(m_panel->width(), *height);
    } else {
        m_animating = false;
        if (m_fastTimer)
            m_fastTimer->SetNeeded(this, false);
    }
    PlaceShowHideButton();
}

void TCustomTimingSection::PlaceShowHideButton()
{
    m_showHide->setGeometry(m_panel->x(), m_panel->y() + m_panel->height() - ButtonHeight, m_panel->width(),
                            ButtonHeight);
}

void TCustomTimingSection::Save()
{
    TComDriverMorlix &driver = m_context.Driver;
    driver.SendVar(OCCTRL, CustomTimingTables::Save);
    if (TOperatorPrompt::ConfirmOkCancel(m_panel, QStringLiteral("Confirm")))
        driver.SendVar(OCEXECUTE, 1);
}

void TCustomTimingSection::SaveTo(int setting)
{
    if (setting < 0 || setting >= SettingCount)
        return;
    if (!TOperatorPrompt::ConfirmOkCancel(m_panel, QStringLiteral("Confirm")))
        return;
    TComDriverMorlix &driver = m_context.Driver;
    driver.SendVar(OCSETTINGNUMBER, uint16_t(setting));
    driver.SendVar(OCCTRL, CustomTimingTables::Save);
    driver.SendVar(OCEXECUTE, 1);
}

void TCustomTimingSection::Rename(int setting)
{
    if (setting < 0 || setting >= SettingCount)
        return;
    const QString current = m_names.Name(setting);
    TCustomNameValidator validator;
    const std::optional<QString> answer = TOperatorPrompt::Instance().AskText(
        m_panel->window(), QStringLiteral("Rename"), SettingCaption(setting), current, &validator);
    if (!answer || *answer == current)
        return;
    if (!TCustomNames::Acceptable(*answer)) {
        TOperatorPrompt::Inform(m_panel->window(),
                                QStringLiteral("A custom name holds at most %1 characters, without line ends.")
                                    .arg(TCustomNames::MaxLength),
                                TOperatorPrompt::Warning);
        return;
    }
    TComDriverMorlix &driver = m_context.Driver;
    for (const VariableBinding::TElementWrite &write :
         m_names.RenameWrites(setting, *answer, driver.GetVar(OCSETTINGNUMBER)))
        driver.SendVar(write.VarNumber, write.Value);
}

void TCustomTimingSection::EnterFullField(int varNumber, int value)
{
    TComDriverMorlix &driver = m_context.Driver;
    if (VariableBinding::AcceptsEntry(driver, varNumber, value))
        driver.SendVar(varNumber, uint16_t(value));
    else if (TSpinField *field = FullField(varNumber))
        field->Show(driver.GetVar(varNumber));
}

void TCustomTimingSection::ShowFullTiming()
{
    const TComDriverMorlix &driver = m_context.Driver;
    m_hTotal->setText(CustomTimingTexts::PixelsText(driver.GetVar(OCFULL_HTOTAL)));
    m_vTotal->setText(CustomTimingTexts::LinesText(driver.GetVar(OCFULL_VTOTAL)));
    for (const auto &[varNumber, row] : m_fullFields)
        if (row.Field)
            row.Field->Show(driver.GetVar(varNumber));
    m_rateText->setText(CustomTimingTexts::RateText(driver.GetVar(OCFULL_RATE)));
    VariableBinding::ShowReportedValue(m_fullScan, FullScanTypes, driver.GetVar(OCFULL_SCANTYPE));
}

void TCustomTimingSection::ShowSetting()
{
    VariableBinding::ShowReportedValue(m_setting, SettingItems, m_context.Driver.GetVar(OCSETTINGNUMBER));
    ShowTitle();
}

void TCustomTimingSection::ShowTitle()
{
    const int setting = m_context.Driver.GetVar(OCSETTINGNUMBER);
    m_title->setText(PlainText(SettingItems.At(setting).Caption) + m_names.Name(setting));
}

void TCustomTimingSection::ShowMode()
{
    const uint16_t mode = m_context.Driver.GetVar(OCADVANCED);
    {
        const QSignalBlocker block(m_advanced);
        m_advanced->setChecked(mode != 0);
    }
    m_advanced->setText(Modes.PlainCaptionOf(mode ? FullMode : 0));
    const bool full = mode == FullMode;
    m_fullArea->setVisible(full);
    m_cvtArea->setVisible(!full);
    if (full) {
        for (const auto &[varNumber, row] : m_fullFields)
            if (row.Field)
                row.Field->setEnabled(true);
        m_fullScan->setEnabled(true);
    }
}

void TCustomTimingSection::ReceiveName()
{
    const TComDriverMorlix &driver = m_context.Driver;
    // A refused report leaves the cache as it was: file nothing for it.
    if (!m_stored.LastStored(OCNAME))
        return;
    const int setting = driver.GetVar(OCSETTINGNUMBER);
    m_names.Store(setting, driver.GetVar(OCNAMEINDEX), driver.GetVar(OCNAME));
    ShowName(setting);
}

void TCustomTimingSection::ShowName(int setting)
{
    const QString name = m_names.Name(setting);
    const QString menuName = MenuText(name);
    if (m_output) {
        const int item = OutputTables::FormatItems.PositionOf(uint16_t(OutputTables::FirstCustomFormat + setting));
        m_output->FormatSelector()->SetItemCaption(item, MenuText(FormatItemCaption(setting)) + menuName);
    }
    m_setting->SetItemCaption(setting, MenuText(SettingCaption(setting)) + menuName);
    m_saveToMenu->actions().at(setting)->setText(MenuText(SettingCaption(setting)) + menuName);
    ShowTitle();
}

bool TCustomTimingSection::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_rateText && event->type() == QEvent::MouseButtonPress) {
        FullField(OCFULL_RATE)->setFocus(Qt::MouseFocusReason);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

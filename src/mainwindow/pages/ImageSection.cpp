#include "ImageSection.h"

#include "PageModels.h"
#include "controls/SmartItems.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/ImageTables.h"
#include "variables/MorlixVariables_d.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <vector>

using ImageConversions::TUnit;

namespace {

struct TRowSpec
{
    const char *Caption;
    int VarNumber;
    const char *Name; // of the bar, the field and the label
    TUnit Unit;
    bool TakesEntry;
};

// In TImageSection::TRow order.
const TRowSpec RowSpecs[] = {
    {"Brightness", BRIGHTNESS, "Brightness", TUnit::Percent, true},
    {"Contrast", CONTRAST, "Contrast", TUnit::Percent, true},
    {"Color", COLOR, "Color", TUnit::Percent, true},
    {"Hue", HUE, "Hue", TUnit::Percent, true},
    {"Red level", RLV, "RedLevel", TUnit::Percent, true},
    {"Green level", GLV, "GreenLevel", TUnit::Percent, true},
    {"Blue level", BLV, "BlueLevel", TUnit::Percent, true},
    {"Sharpness", SHARPNESS, "Sharpness", TUnit::Percent, true},
    {"Coring", RCORING, "RCORING", TUnit::Percent, true},
    {"Gamma", GAMMA, "Gamma", TUnit::Tenths, false},
    {"Flicker filter", FLICK, "Flick", TUnit::Steps, true},
    {"Clock", RHTOTAL, "Clock", TUnit::Plain, true},
    {"Phase", PHASE, "Phase", TUnit::Plain, false},
    {"H.Phase", REFHPH, "REFHPH", TUnit::Microseconds, true},
    {"S.C. Phase", REFSCP, "REFSCP", TUnit::Degrees, true},
    {"V. OffSet", REFVPH, "REFVPH", TUnit::Lines, true},
};
static_assert(sizeof(RowSpecs) / sizeof(RowSpecs[0]) == TImageSection::RowCount, "one spec per row");

const TRowSpec &SpecOf(TImageSection::TRow row)
{
    return RowSpecs[row];
}

// The page is TMainPage's 657 x 455. The picture rows fill the left column
// down to the zoom's "Blanking Adjust" fields; the selectors, the buttons
// and the "Genlock" group flow down the right column above the pedestal.
constexpr QRect PositionSizePlace(8, 330, 310, 118);
constexpr QRect PedestalPlace(330, 412, 319, 36);
constexpr int Margin = 8;
constexpr int LeftWidth = 314;
constexpr int RightLeft = 330;
constexpr int RightWidth = 319;
constexpr int Spacing = 8;
constexpr int GroupTitle = 22;
constexpr int RowPitch = 26;
constexpr int LabelWidth = 84;
constexpr int FieldWidth = 78;
constexpr int FieldHeight = 22;
constexpr int BarHeight = 18;
constexpr int SelectorHeight = 52;
constexpr int ButtonHeight = 28;

void PlaceRow(QLabel *label, QScrollBar *bar, QLineEdit *field, int top, int width)
{
    const int barLeft = Margin + LabelWidth + 2;
    const int fieldLeft = width - Margin - FieldWidth;
    label->setGeometry(Margin, top, LabelWidth, FieldHeight);
    bar->setGeometry(barLeft, top + (FieldHeight - BarHeight) / 2, fieldLeft - 6 - barLeft, BarHeight);
    field->setGeometry(fieldLeft, top, FieldWidth, FieldHeight);
}

TSmartItems *NewSelector(QWidget *page, const char *name, const char *caption, const TItemTable &table)
{
    auto *selector = new TSmartItems(page);
    selector->setObjectName(QLatin1String(name));
    selector->SetCaption(QLatin1String(caption));
    selector->SetStyleType(TSmartItems::_ComboBox);
    VariableBinding::ApplyEntries(selector, table);
    return selector;
}

} // namespace

TImageSection::TImageSection(const TMainContext &context, QWidget *imagePage, QObject *parent)
    : QObject(parent), m_context(context)
{
    m_pictureGroup = new QGroupBox(QStringLiteral("Picture"), imagePage);
    m_pictureGroup->setObjectName(QStringLiteral("GroupBox_Picture"));
    m_referenceGroup = new QGroupBox(QStringLiteral("Genlock"), imagePage);
    m_referenceGroup->setObjectName(QStringLiteral("GroupBox_Genlock"));
    m_referenceGroup->resize(RightWidth, GroupTitle + (RowCount - FirstReferenceRow) * RowPitch + 4);
    m_phaseRange = {context.Driver.GetVarMin(REFHPH), context.Driver.GetVarMax(REFHPH), 0, 0};
    BuildRows();
    BuildSelectors(imagePage);
    BuildButtons(imagePage);
    m_shown.fill(true);

    TCommonUpdate &update = context.Models->CommonUpdate;
    update.AddRule(TCommonStage::Image, [this](const TCommonState &s) { ApplyImageRules(s); });
    update.AddRule(TCommonStage::Output, [this](const TCommonState &s) { ApplyOutputRules(s); });
    update.AddRule(TCommonStage::Reference, [this](const TCommonState &s) { ApplyReferenceRules(s); });
    update.AddRule(TCommonStage::Pulldown, [this](const TCommonState &s) { ApplyPulldownRules(s); });
    // The page starts as the update would leave it for what is known now.
    const TCommonState state = ComputeCommonState(context.Driver, context.Models->Inputs);
    ApplyImageRules(state);
    ApplyOutputRules(state);
    ApplyReferenceRules(state);
    ApplyPulldownRules(state);

    for (int row = 0; row < RowCount; ++row)
        BindRow(TRow(row));
    VariableBinding::OnReport(context, RHTOTALMAXI, [this] { ShowClockMaximum(); });
}

int TImageSection::VariableOf(TRow row)
{
    return SpecOf(row).VarNumber;
}

TUnit TImageSection::UnitOf(TRow row)
{
    return SpecOf(row).Unit;
}

QRect TImageSection::LeftForPositionSize()
{
    return PositionSizePlace;
}

QRect TImageSection::LeftForPedestal()
{
    return PedestalPlace;
}

void TImageSection::BuildRows()
{
    const TComDriver &driver = m_context.Driver;
    for (int index = 0; index < RowCount; ++index) {
        const TRow row = TRow(index);
        const TRowSpec &spec = SpecOf(row);
        const QString name = QLatin1String(spec.Name);
        QWidget *group = row < FirstReferenceRow ? m_pictureGroup : m_referenceGroup;
        TRowWidgets &widgets = m_rows[size_t(row)];
        widgets.Label = new QLabel(QLatin1String(spec.Caption), group);
        widgets.Label->setObjectName(QStringLiteral("Label_") + name);
        widgets.Bar = new QScrollBar(Qt::Horizontal, group);
        widgets.Bar->setObjectName(QStringLiteral("ScrollBar_") + name);
        widgets.Field = new QLineEdit(group);
        widgets.Field->setObjectName(QStringLiteral("Edit_") + name);
        widgets.Field->setAlignment(Qt::AlignRight);
        if (!spec.TakesEntry) {
            // Shown only: it looks it and takes no focus.
            widgets.Field->setReadOnly(true);
            widgets.Field->setFocusPolicy(Qt::NoFocus);
            QPalette palette = widgets.Field->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            widgets.Field->setPalette(palette);
        }
        widgets.Label->setBuddy(widgets.Field);
        if (row >= FirstReferenceRow)
            PlaceRow(widgets.Label, widgets.Bar, widgets.Field,
                     GroupTitle + (row - FirstReferenceRow) * RowPitch, RightWidth);
        // The clock bar runs from the least clock to the most the device
        // allows (RHTOTALMAXI, reported); the H. phase bar takes the range
        // the common update gives it.
        if (row == Clock)
            VariableBinding::SetSliderRange(widgets.Bar, driver.GetVarMin(RHTOTAL), driver.GetVarMax(RHTOTALMAXI));
        else if (row != HPhase)
            VariableBinding::ApplyRange(widgets.Bar, driver, spec.VarNumber);
    }
}

void TImageSection::BuildSelectors(QWidget *page)
{
    m_aspect = NewSelector(page, "SmartItems_IASP", "Input aspect ratio", ImageTables::InputAspects);
    m_pulldown22 = NewSelector(page, "SmartItems_RAUTO_PULLDOWN_2_2", "2:2 Pulldown", ImageTables::Pulldowns);
    m_pulldown32 = NewSelector(page, "SmartItems_RAUTO_PULLDOWN_3_2", "3:2 Pulldown", ImageTables::Pulldowns);
    VariableBinding::BindSmartItems(m_context, m_aspect, IASP, ImageTables::InputAspects);
    VariableBinding::BindSmartItems(m_context, m_pulldown22, RAUTO_PULLDOWN_2_2, ImageTables::Pulldowns);
    VariableBinding::BindSmartItems(m_context, m_pulldown32, RAUTO_PULLDOWN_3_2, ImageTables::Pulldowns);
}

void TImageSection::BuildButtons(QWidget *page)
{
    TComDriverMorlix &driver = m_context.Driver;
    m_autoCentering = new QPushButton(QStringLiteral("Auto Centering"), page);
    m_autoCentering->setObjectName(QStringLiteral("SpeedButton_AUTOCAD"));
    connect(m_autoCentering, &QPushButton::clicked, this, [&driver] { driver.SendVar(AUTOCAD, 1); });
    m_preset = new QPushButton(QStringLiteral("Preset"), page);
    m_preset->setObjectName(QStringLiteral("SpeedButton_IMAGERESET"));
    connect(m_preset, &QPushButton::clicked, this, [&driver] { driver.SendVar(IMAGERESET, 1); });
}

void TImageSection::BindRow(TRow row)
{
    const TRowSpec &spec = SpecOf(row);
    const TRowWidgets &widgets = m_rows[size_t(row)];
    VariableBinding::SendOperatorMoves(m_context.Driver, widgets.Bar, spec.VarNumber,
                                       VariableBinding::TSliderEnds::ShowDevice);
    if (spec.TakesEntry)
        VariableBinding::BindTextEntry(
            widgets.Field, [this, row](const QString &text) { return Enter(row, text); },
            [this, row] { ShowRow(row); });
    VariableBinding::OnReport(m_context, spec.VarNumber, [this, row] { ShowRow(row); });
}

ImageConversions::TScale TImageSection::ScaleOf(TRow row) const
{
    const TRowSpec &spec = SpecOf(row);
    const QScrollBar *bar = Bar(row);
    switch (spec.Unit) {
    case TUnit::Microseconds:
        return ImageConversions::PhaseScale(m_phaseRange);
    case TUnit::Plain:
        return ImageConversions::ScaleOf(spec.Unit, bar->minimum(), bar->maximum());
    default:
        return ImageConversions::ScaleOf(spec.Unit, m_context.Driver.GetVarMin(spec.VarNumber),
                                         m_context.Driver.GetVarMax(spec.VarNumber));
    }
}

bool TImageSection::Enter(TRow row, const QString &text)
{
    const int varNumber = SpecOf(row).VarNumber;
    TComDriverMorlix &driver = m_context.Driver;
    const std::optional<int> value = ImageConversions::EntryValue(SpecOf(row).Unit, ScaleOf(row), text);
    if (!value || !VariableBinding::AcceptsEntry(driver, varNumber, *value))
        return false;
    driver.SendVar(varNumber, uint16_t(*value));
    return true;
}

void TImageSection::ShowRow(TRow row)
{
    const TRowWidgets &widgets = m_rows[size_t(row)];
    const int value = m_context.Driver.GetVar(SpecOf(row).VarNumber);
    {
        const QSignalBlocker block(widgets.Bar);
        widgets.Bar->setValue(value);
    }
    widgets.Field->setText(ImageConversions::DisplayText(SpecOf(row).Unit, ScaleOf(row), value));
}

void TImageSection::ShowClockMaximum()
{
    QScrollBar *bar = Bar(Clock);
    const int maximum = m_context.Driver.GetVar(RHTOTALMAXI);
    if (maximum <= bar->minimum())
        return;
    VariableBinding::SetSliderRange(bar, bar->minimum(), maximum);
    ShowRow(Clock);
}

bool TImageSection::RowShown(TRow row) const
{
    return m_shown[size_t(row)];
}

void TImageSection::SetRowShown(TRow row, bool shown)
{
    m_shown[size_t(row)] = shown;
    const TRowWidgets &widgets = m_rows[size_t(row)];
    for (QWidget *widget : {static_cast<QWidget *>(widgets.Label), static_cast<QWidget *>(widgets.Bar),
                            static_cast<QWidget *>(widgets.Field)})
        widget->setVisible(shown);
}

void TImageSection::ApplyImageRules(const TCommonState &state)
{
    const TCommonRules &rules = state.Rules;
    m_autoCentering->setVisible(rules.AutoCentering);
    for (TRow row : {Clock, Phase})
        SetRowShown(row, rules.ClockPhase);
    for (TRow row : {Brightness, Contrast, Color})
        SetRowShown(row, rules.BrightnessContrastColor);
    for (TRow row : {RedLevel, GreenLevel, BlueLevel})
        SetRowShown(row, rules.ColorLevels);
    for (TRow row : {HPhase, SubCarrierPhase, VerticalOffset})
        SetRowShown(row, rules.GenlockPhases);
    m_referenceGroup->setVisible(rules.GenlockPhases);
    SetRowShown(Hue, rules.Hue);
}

void TImageSection::ApplyOutputRules(const TCommonState &state)
{
    SetRowShown(Flicker, state.Rules.FlickerFilter);
}

void TImageSection::ApplyReferenceRules(const TCommonState &state)
{
    const TPhaseRange &range = state.Rules.HPhase;
    if (range == m_phaseRange)
        return;
    m_phaseRange = range;
    VariableBinding::SetSliderRange(Bar(HPhase), range.ScrollMin, range.ScrollMax);
    // New display limits give the same device value another text.
    ShowRow(HPhase);
}

void TImageSection::ApplyPulldownRules(const TCommonState &state)
{
    m_pulldown22->setVisible(state.Rules.Pulldown22);
    m_pulldown32->setVisible(state.Rules.Pulldown32);
    Arrange();
}

void TImageSection::Arrange()
{
    // The picture rows shown close up from the top of their group.
    std::vector<TRow> shown;
    for (int row = 0; row < FirstReferenceRow; ++row)
        if (m_shown[size_t(row)])
            shown.push_back(TRow(row));
    const int room = PositionSizePlace.top() - Spacing - Margin - GroupTitle - 6;
    const int pitch = shown.empty() ? RowPitch : std::min(RowPitch, room / int(shown.size()));
    int top = GroupTitle;
    for (TRow row : shown) {
        const TRowWidgets &widgets = m_rows[size_t(row)];
        PlaceRow(widgets.Label, widgets.Bar, widgets.Field, top, LeftWidth);
        top += pitch;
    }
    m_pictureGroup->setGeometry(Margin, Margin / 2, LeftWidth, top + 4);

    // The right column: each line's shown widgets side by side, lines with
    // none shown left out.
    struct TLine
    {
        std::vector<QWidget *> Widgets;
        int Slots;
        int Height;
    };
    const TLine lines[] = {
        {{m_aspect}, 1, SelectorHeight},
        {{m_pulldown22, m_pulldown32}, 2, SelectorHeight},
        {{m_autoCentering, m_preset}, 2, ButtonHeight},
        {{m_referenceGroup}, 1, m_referenceGroup->height()},
    };
    int lineTop = Margin;
    for (const TLine &line : lines) {
        const int slotWidth = (RightWidth - (line.Slots - 1) * Spacing) / line.Slots;
        int slot = 0;
        for (QWidget *widget : line.Widgets) {
            if (!widget->isVisibleTo(widget->parentWidget()))
                continue;
            widget->setGeometry(RightLeft + slot * (slotWidth + Spacing), lineTop, slotWidth, line.Height);
            ++slot;
        }
        if (slot > 0)
            lineTop += line.Height + Spacing;
    }
}

#include "OutputSection.h"

#include "CommonUpdate.h"
#include "PageModels.h"
#include "controls/SmartItems.h"
#include "dialogs/Unit_Pattern_Config.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/OutputTables.h"
#include "variables/MorlixVariables_d.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

using namespace OutputTables;

namespace {

TSmartItems *MakeSelector(QWidget *parent, const char *name, const QString &caption, const TItemTable &table,
                          TSmartItems::TType style, const QRect &geometry)
{
    auto *selector = new TSmartItems(parent);
    selector->setObjectName(QLatin1String(name));
    selector->SetCaption(caption);
    selector->SetStyleType(style);
    VariableBinding::ApplyEntries(selector, table);
    selector->setGeometry(geometry);
    return selector;
}

} // namespace

TOutputSection::TOutputSection(const TMainContext &context, const THosts &hosts, QObject *parent)
    : QObject(parent), m_context(context), m_outputPageShown(hosts.OutputPageShown)
{
    BuildOutputPage(hosts.OutputPage);
    BuildPageStrip(hosts.PageStrip);
    BuildImagePage(hosts.ImagePage);
    BuildZoomPage(hosts.ZoomPage);
    m_patternWindow = new TForm_Pattern_Config(context, hosts.Window);
    BindHandlers();
    if (context.Models)
        context.Models->CommonUpdate.AddRule(TCommonStage::Output,
                                             [this](const TCommonState &state) { ApplyCommonRules(state); });
}

void TOutputSection::BuildOutputPage(QWidget *page)
{
    m_format = MakeSelector(page, "SmartItems_OFORMAT", QStringLiteral("Output format"), FormatItems,
                            TSmartItems::_ComboBox, {12, 12, 330, 52});
    QStringList hints;
    for (int item = 0; item < FormatItems.Count(); ++item) {
        hints << FormatItemHint(item);
        if (IsCustomFormat(FormatItems.At(item).Value)) {
            QFont font = m_format->ItemFont(item);
            font.setUnderline(true);
            m_format->SetItemFont(item, font);
        }
    }
    m_format->SetItemHints(hints);

    m_rate = MakeSelector(page, "SmartItems_ORATE", QStringLiteral("Output rate"), RateItems,
                          TSmartItems::_ComboBox, {12, 72, 330, 52});
    m_analogType = MakeSelector(page, "SmartItems_OSIGTYPEANALOG", QStringLiteral("Analog Type"), AnalogTypes,
                                TSmartItems::_RadioButton, {12, 134, 160, 120});
    m_digitalType = MakeSelector(page, "SmartItems_OSIGTYPEDIGITAL", QStringLiteral("DVI Type"), DigitalTypes,
                                 TSmartItems::_RadioButton, {182, 134, 160, 96});
    m_pattern = MakeSelector(page, "SmartItems_OPATTERN", QStringLiteral("Test pattern"), Patterns,
                             TSmartItems::_RadioButton, {360, 12, 170, 242});
}

void TOutputSection::BuildPageStrip(QWidget *strip)
{
    m_black = new QPushButton(QStringLiteral("Black"), strip);
    m_black->setObjectName(QStringLiteral("SpeedButton_OBLACK"));
    m_black->setGeometry(8, 36, 100, 28);
}

void TOutputSection::BuildImagePage(QWidget *page)
{
    m_pedestalLabel = new QLabel(QStringLiteral("NTSC output:"), page);
    m_pedestalLabel->setObjectName(QStringLiteral("Label_ONTSCPEDESTAL"));
    m_pedestalLabel->setGeometry(330, 418, 90, 24);
    m_pedestal = new QPushButton(PedestalCaptions.PlainCaptionAt(0), page);
    m_pedestal->setObjectName(QStringLiteral("SpeedButton_ONTSCPEDESTAL"));
    m_pedestal->setGeometry(420, 416, 225, 28);
}

void TOutputSection::BuildZoomPage(QWidget *page)
{
    m_aspect = MakeSelector(page, "SmartItems_OASP", QStringLiteral("Output aspect ratio"), Aspects,
                            TSmartItems::_RadioButton, {470, 262, 175, 92});
    m_overScan = MakeSelector(page, "SmartItems_OVER", QStringLiteral("Under/over"), OverScans,
                              TSmartItems::_RadioButton, {470, 358, 175, 66});
    m_centering = new QCheckBox(QStringLiteral("Centering Pattern"), page);
    m_centering->setObjectName(QStringLiteral("CheckBox_Centering"));
    m_centering->setGeometry(474, 428, 170, 22);
}

void TOutputSection::BindHandlers()
{
    const TMainContext &context = m_context;
    VariableBinding::OnItemChosen(m_format, [this](int item) { ChooseFormat(item); });
    connect(m_format, &TSmartItems::OnSmartItemsClickChange, this,
            [this](TSmartItems *, Qt::MouseButton button, bool userEvent, int item, const QString &) {
                const std::optional<uint16_t> format = FormatItems.ValueAt(item);
                if (userEvent && button == Qt::RightButton && format && IsCustomFormat(*format))
                    emit CustomFormatRenameRequested(CustomIndexOf(*format));
            });
    VariableBinding::OnItemChosen(m_rate, [this](int item) { ChooseRate(item); });
    VariableBinding::BindSmartItems(context, m_analogType, OSIGTYPEANALOG, AnalogTypes);
    VariableBinding::BindSmartItems(context, m_digitalType, OSIGTYPEDIGITAL, DigitalTypes);
    VariableBinding::BindSmartItems(context, m_pattern, OPATTERN, Patterns);
    VariableBinding::BindSmartItems(context, m_aspect, OASP, Aspects);
    VariableBinding::BindSmartItems(context, m_overScan, OVER, OverScans);
    VariableBinding::BindToggle(context, m_black, OBLACK);
    VariableBinding::BindToggle(context, m_pedestal, ONTSCPEDESTAL);
    // The box follows the device: a click only asks for the other state.
    connect(m_centering, &QCheckBox::clicked, this, [this] { ToggleCentering(); });

    VariableBinding::OnReport(context, OFORMAT, [this] {
        ShowFormat();
        ApplyRateTable();
        ApplySignalTypes();
    });
    VariableBinding::OnReport(context, ORATE, [this] {
        ShowRate();
        ApplyRateTable();
    });
    VariableBinding::OnReport(context, REFREQUEST, [this] {
        ShowFormat();
        ShowRate();
    });
    VariableBinding::OnReport(context, OPATTERN, [this] { ShowPattern(); });
    VariableBinding::OnReport(context, ONTSCPEDESTAL, [this] { ShowPedestal(); });
}

void TOutputSection::ChooseFormat(int item)
{
    TComDriverMorlix &driver = m_context.Driver;
    const std::optional<uint16_t> format = VariableBinding::ChosenValue(m_format, FormatItems, item);
    if (!format)
        return;
    if (*format == GenlockItemValue) {
        driver.SendVar(REFREQUEST, GenlockReference);
        return;
    }
    // A format runs on the internal or a frame lock reference, never on genlock H and V.
    if (driver.GetVar(REFREQUEST) == GenlockReference)
        driver.SendVar(REFREQUEST, 0);
    driver.SendVar(OFORMAT, *format);
}

void TOutputSection::ChooseRate(int item)
{
    TComDriverMorlix &driver = m_context.Driver;
    const std::optional<uint16_t> value = VariableBinding::ChosenValue(m_rate, RateItems, item);
    if (!value)
        return;
    if (IsReferenceRateItem(item)) {
        driver.SendVar(REFREQUEST, *value);
        return;
    }
    // A rate is the internal reference's: the request goes first, even when
    // the device already runs on it.
    driver.SendVar(REFREQUEST, 0);
    driver.SendVar(ORATE, *value);
}

void TOutputSection::ToggleCentering()
{
    TComDriverMorlix &driver = m_context.Driver;
    {
        const QSignalBlocker block(m_centering);
        m_centering->setChecked(driver.GetVar(OPATTERN) == CenteringPattern);
    }
    driver.SendVar(OPATTERN, driver.GetVar(OPATTERN) == CenteringPattern ? 0 : CenteringPattern);
}

void TOutputSection::ShowFormat()
{
    const TComDriverMorlix &driver = m_context.Driver;
    if (driver.GetVar(REFREQUEST) == GenlockReference)
        VariableBinding::ShowReportedValue(m_format, FormatItems, GenlockItemValue);
    else
        VariableBinding::ShowReportedValue(m_format, FormatItems, driver.GetVar(OFORMAT));
    emit FormatShown();
}

void TOutputSection::ShowRate()
{
    const TComDriverMorlix &driver = m_context.Driver;
    const int referenceItem = RateItemOfReference(driver.GetVar(REFREQUEST));
    if (referenceItem >= 0)
        VariableBinding::ShowReportedItem(m_rate, referenceItem);
    else
        VariableBinding::ShowReportedValue(m_rate, RateItems, driver.GetVar(ORATE));
}

void TOutputSection::ApplyRateTable()
{
    const uint16_t format = m_context.Driver.GetVar(OFORMAT);
    for (int rate = 0; rate < RateCount; ++rate)
        m_rate->SetItemVisible(rate, RateOffered(format, uint16_t(rate)));
    // The frame lock items stay offered whatever the format.
    ShowRate();
}

void TOutputSection::ApplySignalTypes()
{
    const uint16_t format = m_context.Driver.GetVar(OFORMAT);
    const auto apply = [format](TSmartItems *selector, const TItemTable &table, auto offered) {
        bool any = false;
        for (int item = 0; item < table.Count(); ++item) {
            const bool visible = offered(format, table.At(item).Value);
            selector->SetItemVisible(item, visible);
            any = any || visible;
        }
        selector->setVisible(any);
    };
    apply(m_analogType, AnalogTypes, AnalogTypeOffered);
    apply(m_digitalType, DigitalTypes, DigitalTypeOffered);
    // Hiding an item may have hidden the one shown: show the device's value again.
    VariableBinding::ShowReportedValue(m_analogType, AnalogTypes, m_context.Driver.GetVar(OSIGTYPEANALOG));
    VariableBinding::ShowReportedValue(m_digitalType, DigitalTypes, m_context.Driver.GetVar(OSIGTYPEDIGITAL));
}

void TOutputSection::ShowPattern()
{
    const uint16_t pattern = m_context.Driver.GetVar(OPATTERN);
    {
        const QSignalBlocker block(m_centering);
        m_centering->setChecked(pattern == CenteringPattern);
    }
    if (m_patternWindow)
        m_patternWindow->ShowPanelsFor(pattern);
    ApplyPatternWindowRule();
}

void TOutputSection::ShowPedestal()
{
    const uint16_t value = m_context.Driver.GetVar(ONTSCPEDESTAL);
    m_pedestal->setText(PedestalCaptions.PlainCaptionAt(value ? 1 : 0));
}

void TOutputSection::ApplyPatternWindowRule()
{
    if (!m_patternWindow)
        return;
    const bool shown = PatternHasSettings(m_context.Driver.GetVar(OPATTERN)) && m_outputPageShown && m_outputPageShown();
    if (shown)
        m_patternWindow->ShowQuietly();
    else
        m_patternWindow->close();
}

void TOutputSection::ApplyCommonRules(const TCommonState &state)
{
    const TCommonRules &rules = state.Rules;
    m_pedestal->setVisible(rules.NtscPedestal);
    m_pedestalLabel->setVisible(rules.NtscPedestal);
    m_pattern->SetItemVisible(Patterns.PositionOf(CenteringPattern), rules.CenteringPattern);
    m_centering->setVisible(rules.CenteringPattern);
    m_pattern->SetItemVisible(Patterns.PositionOf(BurstPattern), rules.BurstPattern);
    m_rate->SetAllEnabled(rules.AllRatesEnabled);
    m_overScan->setVisible(rules.UnderOver);
    // A pattern item hidden while it is on shows as the device reports it.
    VariableBinding::ShowReportedValue(m_pattern, Patterns, m_context.Driver.GetVar(OPATTERN));
}

#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/EditUpDown.h"
#include "controls/SlidingCaption.h"
#include "controls/SmartItems.h"
#include "controls/Unit_GestionSlide.h"
#include "dialogs/Unit_Pattern_Config.h"
#include "helper_pagerig.h"
#include "mainwindow/MainPages.h"
#include "mainwindow/pages/OutputSection.h"
#include "mainwindow/tables/OutputTables.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace OutputTables;

namespace {

// The output section on bare pages, wired as the main window wires it.
struct OutputRig : PageRig
{
    OutputRig()
    {
        TOutputSection::THosts hosts{&outputPage, &imagePage, &zoomPage, &strip, &window,
                                     [this] { return outputPageShown; }};
        section = std::make_unique<TOutputSection>(context, hosts);
        models.CommonUpdate.ConnectTriggers();
    }
    // The operator choosing an item with a mouse button.
    void Click(TSmartItems *selector, int item, Qt::MouseButton button = Qt::LeftButton)
    {
        emit selector->OnSmartItemsClickChange(selector, button, true, item, selector->GetItemCaption(item));
    }
    static QList<int> VisibleItems(TSmartItems *selector)
    {
        QList<int> items;
        const QList<QAction *> actions = selector->PutMenuPopupMenu()->actions();
        for (int i = 0; i < actions.size(); ++i)
            if (actions[i]->isVisible())
                items << i;
        return items;
    }
    static bool ItemVisible(TSmartItems *selector, const TItemTable &table, uint16_t value)
    {
        return selector->PutMenuPopupMenu()->actions().at(table.PositionOf(value))->isVisible();
    }

    QWidget outputPage, imagePage, zoomPage, strip;
    bool outputPageShown = true;
    std::unique_ptr<TOutputSection> section;
};

QByteArray Lines(const QStringList &lines)
{
    return (lines.join("\r\n") + "\r\n").toLatin1();
}

} // namespace

// The output page: its selectors' writes, what each format offers, the
// controls it owns on other pages, the pattern window and the common update's
// decisions.
class OutputPageTest : public QObject
{
    Q_OBJECT
private slots:
    void everySelectorTableCoversItsVariable_data()
    {
        QTest::addColumn<const TItemTable *>("table");
        QTest::addColumn<int>("varNumber");
        QTest::newRow("format") << &FormatItems << int(OFORMAT);
        QTest::newRow("analog type") << &AnalogTypes << int(OSIGTYPEANALOG);
        QTest::newRow("dvi type") << &DigitalTypes << int(OSIGTYPEDIGITAL);
        QTest::newRow("pattern") << &Patterns << int(OPATTERN);
        QTest::newRow("aspect") << &Aspects << int(OASP);
        QTest::newRow("under/over") << &OverScans << int(OVER);
        QTest::newRow("pedestal") << &PedestalCaptions << int(ONTSCPEDESTAL);
    }
    void everySelectorTableCoversItsVariable()
    {
        QFETCH(const TItemTable *, table);
        QFETCH(int, varNumber);
        const TVarDescriptor &row = VarTable[varNumber];
        for (int value = row.Min; value <= row.Max; ++value) {
            const int position = table->PositionOf(uint16_t(value));
            QVERIFY2(position >= 0, qPrintable(QString::number(value)));
            QCOMPARE(*table->ValueAt(position), uint16_t(value));
            QVERIFY(!table->CaptionAt(position).isEmpty());
        }
    }

    void formatItemsMapToTheirFormatAndBack()
    {
        QCOMPARE(FormatItems.Count(), 36);
        QCOMPARE(FormatItems.CaptionAt(0), QString("Genlock"));
        QCOMPARE(FormatItems.At(0).Value, GenlockItemValue);
        for (int format = 0; format < FormatCount; ++format) {
            const int item = FormatNames.At(format).Value;
            QCOMPARE(*FormatItems.ValueAt(item), uint16_t(format));
            QCOMPARE(FormatItems.PositionOf(uint16_t(format)), item);
            QCOMPARE(FormatItems.CaptionAt(item), FormatNames.CaptionAt(format));
            QVERIFY(Format(uint16_t(format)));
            // No format offers the "Custom" rate.
            QVERIFY(!RateOffered(uint16_t(format), 0));
        }
        QCOMPARE(Format(FormatCount), nullptr);
        QCOMPARE(FormatItemHint(FormatItems.PositionOf(6)), QString("HDTV 1080i SMPTE274M"));
        QCOMPARE(FormatItemHint(FormatItems.PositionOf(34)), QString("Select: Left Click, Rename: Right Click"));
        // The rate items: ORATE 0 to 10, then the frame lock references 1 to 5.
        QCOMPARE(RateItems.Count(), 16);
        for (int item = 0; item < RateItems.Count(); ++item)
            QCOMPARE(int(*RateItems.ValueAt(item)), item < FirstReferenceRateItem ? item : item - 10);
        QCOMPARE(RateItemOfReference(0), -1);
        QCOMPARE(RateItemOfReference(5), 15);
        QCOMPARE(RateItemOfReference(6), -1);
        QVERIFY(BitIsSet(0x8004, 2) && BitIsSet(0x8004, 15));
        QVERIFY(!BitIsSet(0x8004, 3) && !BitIsSet(0xFFFF, 40) && !BitIsSet(0xFFFF, -1));
    }

    void choicesWriteTheReferenceSequences_data()
    {
        QTest::addColumn<QString>("reported");
        QTest::addColumn<int>("selector"); // 0 format, 1 rate
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("wire");
        const int pal = FormatItems.PositionOf(0);
        QTest::newRow("genlock") << "XR0" << 0 << 0 << QStringList{"6XR"};
        QTest::newRow("format under genlock") << "XR6" << 0 << pal << QStringList{"0XR", "0OF"};
        QTest::newRow("format under frame lock") << "XR2" << 0 << pal << QStringList{"0OF"};
        QTest::newRow("custom 8") << "XR0" << 0 << 35 << QStringList{"34OF"};
        QTest::newRow("60 Hz on the internal reference") << "XR0" << 1 << 8 << QStringList{"0XR", "8OR"};
        QTest::newRow("60 Hz under frame lock") << "XR3" << 1 << 8 << QStringList{"0XR", "8OR"};
        QTest::newRow("frame lock input 3") << "XR0" << 1 << 13 << QStringList{"3XR"};
        QTest::newRow("frame lock genlock") << "XR0" << 1 << 15 << QStringList{"5XR"};
        QTest::newRow("format outside the table") << "XR6" << 0 << 36 << QStringList{};
        QTest::newRow("rate outside the table") << "XR0" << 1 << 16 << QStringList{};
    }
    void choicesWriteTheReferenceSequences()
    {
        QFETCH(QString, reported);
        QFETCH(int, selector);
        QFETCH(int, item);
        QFETCH(QStringList, wire);
        TScriptedPrompt prompt;
        OutputRig rig;
        rig.Reply(Lines({reported}));
        rig.Click(selector == 0 ? rig.section->FormatSelector() : rig.section->RateSelector(), item);
        QCOMPARE(rig.sent.sent, wire);
        // A position outside the table warns and sends nothing.
        QCOMPARE(prompt.Texts().size(), wire.isEmpty() ? 1 : 0);
    }

    void secondaryClickOnACustomFormatAsksToRenameIt()
    {
        OutputRig rig;
        QSignalSpy renames(rig.section.get(), &TOutputSection::CustomFormatRenameRequested);
        rig.Click(rig.section->FormatSelector(), FormatItems.PositionOf(29), Qt::RightButton);
        rig.Click(rig.section->FormatSelector(), FormatItems.PositionOf(5), Qt::RightButton);
        QVERIFY(rig.sent.sent.isEmpty());
        QCOMPARE(renames.size(), 1);
        QCOMPARE(renames.at(0).at(0).toInt(), 2);
    }

    void formatAndRateShowTheReference()
    {
        OutputRig rig;
        TSmartItems *format = rig.section->FormatSelector();
        TSmartItems *rate = rig.section->RateSelector();
        rig.Reply("OF6\r\nOR6\r\nXR0\r\n");
        QCOMPARE(format->ListField()->Text(), QString("HDTV 1080i SMPTE274M"));
        QCOMPARE(rate->ListField()->Text(), QString("50 Hz"));
        QVERIFY(rate->AllEnabled());
        rig.Reply("XR3\r\n");
        QCOMPARE(rate->ListField()->Text(), QString("Follow / Frame Lock : Input 3"));
        rig.Reply("XR6\r\n");
        QCOMPARE(format->ListField()->Text(), QString("Genlock"));
        QVERIFY(!rate->AllEnabled());
        rig.Reply("XR0\r\nOF30\r\n");
        QCOMPARE(format->ListField()->Text(), QString("Computer Custom 4:"));
        QVERIFY(!rate->AllEnabled());
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void formatOffersItsRatesAndSignalTypes_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QList<int>>("rateItems");
        QTest::addColumn<QList<int>>("analog");
        QTest::addColumn<QList<int>>("dvi");
        const QList<int> locks{11, 12, 13, 14, 15};
        QTest::newRow("PAL") << 0 << QList<int>{6} + locks << QList<int>{0, 1, 3} << QList<int>{};
        QTest::newRow("1080p") << 7 << QList<int>{1, 2, 3, 4, 5} + locks << QList<int>{0, 1, 3} << QList<int>{2, 1};
        QTest::newRow("VGA") << 9 << QList<int>{6, 8, 9, 10} + locks << QList<int>{0, 1, 2} << QList<int>{0, 1};
        QTest::newRow("1920 x 1080 B") << 23 << QList<int>{6, 8} + locks << QList<int>{0, 1, 2, 3}
                                       << QList<int>{0, 1};
        QTest::newRow("custom 1") << 27 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10} + locks << QList<int>{0, 1, 2}
                                  << QList<int>{0, 1};
    }
    void formatOffersItsRatesAndSignalTypes()
    {
        QFETCH(int, format);
        QFETCH(QList<int>, rateItems);
        QFETCH(QList<int>, analog);
        QFETCH(QList<int>, dvi);
        OutputRig rig;
        rig.Reply(Lines({QString("OF%1").arg(format)}));
        QCOMPARE(OutputRig::VisibleItems(rig.section->RateSelector()), rateItems);
        QList<int> analogValues, dviValues;
        for (int item : OutputRig::VisibleItems(rig.section->AnalogTypeSelector()))
            analogValues << *AnalogTypes.ValueAt(item);
        for (int item : OutputRig::VisibleItems(rig.section->DigitalTypeSelector()))
            dviValues << *DigitalTypes.ValueAt(item);
        QCOMPARE(analogValues, analog);
        QCOMPARE(dviValues, dvi);
        // A selector with nothing to offer goes as a whole.
        QCOMPARE(rig.section->DigitalTypeSelector()->isVisibleTo(&rig.outputPage), !dvi.isEmpty());
    }

    void controlsOnOtherPagesWriteAndFollow()
    {
        OutputRig rig;
        rig.Reply("OB0\r\nOp1\r\nOP6\r\nRA0\r\nRO0\r\n");
        QCOMPARE(rig.section->PedestalButton()->text(), QString("NTSC PEDESTAL: Active"));
        QVERIFY(rig.section->PedestalButton()->isChecked());
        QVERIFY(rig.section->CenteringBox()->isChecked());
        rig.section->BlackButton()->click();
        rig.section->PedestalButton()->click();
        rig.section->CenteringBox()->click();
        rig.Click(rig.section->AspectSelector(), Aspects.PositionOf(2));
        rig.Click(rig.section->OverScanSelector(), OverScans.PositionOf(1));
        QCOMPARE(rig.sent.sent, (QStringList{"1OB", "0Op", "0OP", "2RA", "1RO"}));
        // Nothing changes before the device says so.
        QVERIFY(!rig.section->BlackButton()->isChecked());
        QVERIFY(rig.section->CenteringBox()->isChecked());
        rig.sent.sent.clear();
        rig.Reply("OB1\r\nOp0\r\nOP3\r\n");
        QVERIFY(rig.section->BlackButton()->isChecked());
        QCOMPARE(rig.section->PedestalButton()->text(), QString("NTSC PEDESTAL: Inactive"));
        QVERIFY(!rig.section->CenteringBox()->isChecked());
        rig.section->CenteringBox()->click();
        QCOMPARE(rig.sent.sent, QStringList{"6OP"});
    }

    void reportsAndRangesPutNothingOnTheWire()
    {
        OutputRig rig;
        // Every variable the section and the pattern window show, reported twice.
        const QByteArray reports = "OF7\r\nOR3\r\nXR2\r\nXA2\r\nXF7\r\nOZ1\r\nOX2\r\nOP8\r\nOB1\r\nOp1\r\nRA1\r\nRO1\r\n"
                                   "Ow256\r\nOv300\r\nOr10\r\nOg20\r\nOb30\r\nXR6\r\nOF27\r\n";
        rig.Reply(reports);
        rig.Reply(reports);
        QScrollBar *bar = rig.section->PatternWindow()->Bar(OPATTERN_CROSSHATCH_H);
        QCOMPARE(bar->value(), 256);
        bar->setRange(300, 400); // clamps the position: still nobody's choice
        rig.section->PatternWindow()->Field(OPATTERN_COLOR_R)->SetMax(5);
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void patternWindowFollowsThePatternAndThePage()
    {
        OutputRig rig;
        TForm_Pattern_Config *window = rig.section->PatternWindow();
        rig.outputPageShown = false;
        rig.Reply("OP7\r\n");
        QVERIFY(!window->isVisible());
        rig.outputPageShown = true;
        rig.section->ApplyPatternWindowRule(); // the slide to the output page ends
        QVERIFY(window->isVisible());
        QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(window->CrossHatchPanel()->isVisibleTo(window));
        QVERIFY(!window->ColourPanel()->isVisibleTo(window));
        QVERIFY(!window->ColourButton()->isVisibleTo(window));
        rig.Reply("OP8\r\n");
        QVERIFY(window->isVisible());
        QVERIFY(!window->CrossHatchPanel()->isVisibleTo(window));
        QVERIFY(window->ColourPanel()->isVisibleTo(window));
        QVERIFY(window->ColourButton()->isVisibleTo(window));
        rig.outputPageShown = false;
        rig.section->ApplyPatternWindowRule();
        QVERIFY(!window->isVisible());
        rig.outputPageShown = true;
        rig.section->ApplyPatternWindowRule();
        QVERIFY(window->isVisible());
        rig.Reply("OP0\r\n");
        QVERIFY(!window->isVisible());
    }

    void colourChooserWritesRedGreenBlue_data()
    {
        QTest::addColumn<QColor>("chosen");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("pure red") << QColor(Qt::red) << QStringList{"255Or", "0Og", "0Ob"};
        QTest::newRow("mixed") << QColor(1, 2, 3) << QStringList{"1Or", "2Og", "3Ob"};
        QTest::newRow("cancelled") << QColor() << QStringList{};
    }
    void colourChooserWritesRedGreenBlue()
    {
        QFETCH(QColor, chosen);
        QFETCH(QStringList, wire);
        OutputRig rig;
        rig.Reply("OP8\r\n");
        TForm_Pattern_Config *window = rig.section->PatternWindow();
        window->SetColourChooser([chosen](QWidget *) { return chosen; });
        window->ColourButton()->click();
        QCOMPARE(rig.sent.sent, wire);
    }

    void patternRowsWriteTheirVariable()
    {
        OutputRig rig;
        rig.Reply("Ow16\r\nOv1200\r\nOg100\r\n");
        TForm_Pattern_Config *window = rig.section->PatternWindow();
        // The cross-hatch field shows the device range on 0..2048: 16 shows 0.
        QCOMPARE(window->Field(OPATTERN_CROSSHATCH_H)->text(), QString("0"));
        QCOMPARE(window->Field(OPATTERN_CROSSHATCH_V)->text(), QString("1200"));
        window->Bar(OPATTERN_COLOR_G)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        emit window->Field(OPATTERN_CROSSHATCH_V)->OnUserChange(window->Field(OPATTERN_CROSSHATCH_V), 600,
                                                                TEditUpDown::btPrev);
        emit window->Field(OPATTERN_CROSSHATCH_V)->OnUserChange(window->Field(OPATTERN_CROSSHATCH_V), 8,
                                                                TEditUpDown::btPrev);
        QCOMPARE(rig.sent.sent, (QStringList{"101Og", "600Ov"}));
    }

    void commonUpdateDecidesTheOutputControls()
    {
        OutputRig rig;
        // NTSC running: pedestal shown, interlaced so no centering, no burst.
        rig.Reply("OF1\r\nXF1\r\n");
        QVERIFY(rig.section->PedestalButton()->isVisibleTo(&rig.imagePage));
        QVERIFY(rig.section->PedestalLabel()->isVisibleTo(&rig.imagePage));
        QVERIFY(!rig.section->CenteringBox()->isVisibleTo(&rig.zoomPage));
        TSmartItems *pattern = rig.section->PatternSelector();
        QVERIFY(!OutputRig::ItemVisible(pattern, Patterns, CenteringPattern));
        QVERIFY(!OutputRig::ItemVisible(pattern, Patterns, BurstPattern));
        QVERIFY(rig.section->OverScanSelector()->isVisibleTo(&rig.zoomPage));
        // A computer format on a computer input: centering and burst, no under/over.
        rig.Reply("Ip1\r\nIN16\r\nIC1\r\nOF12\r\nXF12\r\n");
        QVERIFY(!rig.section->PedestalButton()->isVisibleTo(&rig.imagePage));
        QVERIFY(rig.section->CenteringBox()->isVisibleTo(&rig.zoomPage));
        QVERIFY(OutputRig::ItemVisible(pattern, Patterns, CenteringPattern));
        QVERIFY(OutputRig::ItemVisible(pattern, Patterns, BurstPattern));
        QVERIFY(!rig.section->OverScanSelector()->isVisibleTo(&rig.zoomPage));
        QVERIFY(rig.sent.sent.isEmpty());
    }

    void commonRulesFromTheState_data()
    {
        QTest::addColumn<QString>("replies");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<bool>("expected");
        // The active input 1 unless the replies say otherwise.
        const QString input1 = "IC1 Ip1 ";
        QTest::newRow("hue on NTSC") << input1 + "IN3" << "hue" << true;
        QTest::newRow("no hue on PAL") << input1 + "IN4" << "hue" << false;
        QTest::newRow("clock on computer SoG") << input1 + "IT5" << "clock" << true;
        QTest::newRow("no clock on composite") << input1 + "IT0" << "clock" << false;
        QTest::newRow("levels on DVI computer") << input1 + "IT10" << "levels" << true;
        QTest::newRow("no picture on audio only") << input1 + "IT13" << "brightness" << false;
        QTest::newRow("auto centering on HV/C") << input1 + "IT6" << "autocentering" << true;
        QTest::newRow("genlock phases") << "XR6 XA6" << "phases" << true;
        QTest::newRow("no phases while only requested") << "XA0 XR6" << "phases" << false;
        QTest::newRow("flicker on 1080i") << "XF6" << "flicker" << true;
        QTest::newRow("no flicker on 720p") << "XF4" << "flicker" << false;
        QTest::newRow("centering on custom progressive") << "XF30 Fs0" << "centering" << true;
        QTest::newRow("no centering on custom interlaced") << "XF30 Fs1" << "centering" << false;
        QTest::newRow("no burst on PAL") << "XF0" << "burst" << false;
        QTest::newRow("no rates on custom") << "OF27" << "rates" << false;
        QTest::newRow("rates on 1080p") << "OF7 XR2" << "rates" << true;
        QTest::newRow("under/over on a computer format by a video input") << input1 + "IN13 XF12" << "underover"
                                                                          << true;
        QTest::newRow("no under/over on computer in and out") << input1 + "IN20 XF12" << "underover" << false;
        QTest::newRow("2:2 on PAL video") << input1 + "IT0 IN4 IR5000" << "pulldown22" << true;
        QTest::newRow("no 2:2 at 59.94") << input1 + "IT0 IN3 IR5994" << "pulldown22" << false;
        QTest::newRow("3:2 at 59.94") << input1 + "IT0 IN3 IR5994" << "pulldown32" << true;
        QTest::newRow("no 3:2 at 50") << input1 + "IT0 IN4 IR5000" << "pulldown32" << false;
        QTest::newRow("no pulldown on progressive") << input1 + "IT4 IN11 IR6000" << "pulldown32" << false;
        QTest::newRow("no pulldown on DVI") << input1 + "IT9 IN7 IR5994" << "pulldown32" << false;
        QTest::newRow("embedded output on 1080i") << "OF6" << "embedded" << true;
        QTest::newRow("no embedded output on VGA") << "OF9" << "embedded" << false;
        QTest::newRow("S/PDIF rate for analog audio") << input1 + "IA2" << "spdif" << true;
        QTest::newRow("no S/PDIF rate for S/PDIF in") << input1 + "IA5" << "spdif" << false;
        QTest::newRow("audio page with a source") << input1 + "IA6" << "audio" << true;
        QTest::newRow("no audio page without") << input1 + "IA0" << "audio" << false;
        QTest::newRow("blanking on analog computer") << input1 + "IT6 IN18" << "blanking" << true;
        QTest::newRow("no blanking on DVI computer") << input1 + "IT10 IN18" << "blanking" << false;
        QTest::newRow("no blanking on video") << input1 + "IT6 IN13" << "blanking" << false;
        QTest::newRow("input 2 unused") << "Ip2 IU0" << "input2" << false;
        QTest::newRow("input 2 used") << "Ip2 IU1" << "input2" << true;
        QTest::newRow("sync load of input 3 on RGBS") << "Ip3 IT2" << "syncload3" << true;
        QTest::newRow("sync load header from input 5 alone") << "Ip5 IT6" << "syncloadheader" << false;
    }
    void commonRulesFromTheState()
    {
        QFETCH(QString, replies);
        QFETCH(QString, rule);
        QFETCH(bool, expected);
        OutputRig rig;
        rig.Reply(Lines(replies.split(' ')));
        const TCommonRules &r = rig.models.CommonUpdate.LastState().Rules;
        const QHash<QString, bool> decided{
            {"hue", r.Hue},
            {"clock", r.ClockPhase},
            {"levels", r.ColorLevels},
            {"brightness", r.BrightnessContrastColor},
            {"autocentering", r.AutoCentering},
            {"phases", r.GenlockPhases},
            {"flicker", r.FlickerFilter},
            {"centering", r.CenteringPattern},
            {"burst", r.BurstPattern},
            {"rates", r.AllRatesEnabled},
            {"underover", r.UnderOver},
            {"pulldown22", r.Pulldown22},
            {"pulldown32", r.Pulldown32},
            {"embedded", r.EmbeddedOutput},
            {"spdif", r.SpdifRate},
            {"audio", r.AudioPage && r.AudioReference},
            {"blanking", r.BlankingAdjust},
            {"input2", r.InputEnabled[2]},
            {"syncload3", r.SyncLoad[3] && r.SyncLoadHeader},
            {"syncloadheader", r.SyncLoadHeader},
        };
        QVERIFY(decided.contains(rule));
        QCOMPARE(decided.value(rule), expected);
    }

    void phaseRangeFollowsTheReference_data()
    {
        QTest::addColumn<QString>("replies");
        QTest::addColumn<QList<int>>("range");
        QTest::newRow("genlocked SD") << "XF1 XA6" << QList<int>{32676, 32860, -340, 340};
        QTest::newRow("genlocked HD") << "XF8 XA6" << QList<int>{32514, 33022, -343, 343};
        QTest::newRow("genlocked computer") << "XF9 XA6" << QList<int>{0, 65535, -18681, 18679};
        QTest::newRow("free running") << "XF1 XA0" << QList<int>{0, 65535, -18681, 18679};
        // REFSTATUS comes after the request: the rows it governs follow it.
        QTest::newRow("status after the request") << "XF4 XR6 XA6" << QList<int>{32514, 33022, -343, 343};
    }
    void phaseRangeFollowsTheReference()
    {
        QFETCH(QString, replies);
        QFETCH(QList<int>, range);
        OutputRig rig;
        rig.Reply(Lines(replies.split(' ')));
        const TPhaseRange &phase = rig.models.CommonUpdate.LastState().Rules.HPhase;
        QCOMPARE((QList<int>{phase.ScrollMin, phase.ScrollMax, phase.DisplayMin, phase.DisplayMax}), range);
    }

    void patternWindowOpensWithTheOutputPageInTheMainWindow()
    {
        TScriptedPrompt prompt;
        QTemporaryDir dir;
        TForm_Main window(TestWindowOptions(dir));
        window.Initialise();
        window.show();
        TForm_Pattern_Config *patterns = window.Output()->PatternWindow();
        Report(window.Driver(), "OP7\r\n");
        QVERIFY(!patterns->isVisible());
        window.GestionSlide1()->SetItemIndex(PageOutput);
        QTRY_VERIFY(patterns->isVisible());
        window.GestionSlide1()->SetItemIndex(PageInput);
        QTRY_VERIFY(!patterns->isVisible());
    }
};

MORLIX_TEST(OutputPageTest)
#include "tst_outputpage.moc"

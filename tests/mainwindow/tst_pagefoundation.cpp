#include "ScriptedPrompt.h"
#include "TestRegistry.h"
#include "controls/EditUpDown.h"
#include "controls/SlidingCaption.h"
#include "controls/SmartItems.h"
#include "helper_pagerig.h"
#include "mainwindow/VariableBinding.h"
#include "mainwindow/tables/ImageTables.h"
#include "mainwindow/tables/InputTables.h"
#include "mainwindow/tables/OutputTables.h"

#include <QMenu>
#include <QScrollBar>
#include <QtTest>

namespace {

const TItemEntry ThreeEntries[] = {{"Zero", 0}, {"Two", 2}, {"Five", 5}};
const TItemTable Three(ThreeEntries);

} // namespace

// The pieces the pages stand on: the copies filed under a status index, the
// constant tables, the common update's step, the messages of handlers and
// the bindings that write only on the operator's actions.
class PageFoundationTest : public QObject
{
    Q_OBJECT
private slots:
    void everyTableValueHasOnePositionAndBack_data()
    {
        QTest::addColumn<const TItemTable *>("table");
        QTest::addColumn<int>("count");
        QTest::newRow("types") << &InputTables::Types << 14;
        QTest::newRow("standards") << &InputTables::BroadcastStandards << 16;
        QTest::newRow("sync loads") << &InputTables::SyncLoads << 2;
        QTest::newRow("uses") << &InputTables::Uses << 2;
        QTest::newRow("audio sources") << &InputTables::AudioSources << 7;
        QTest::newRow("detected formats") << &InputTables::DetectedFormats << 34;
        QTest::newRow("sync types") << &InputTables::SyncTypes << 4;
        QTest::newRow("h polarity") << &InputTables::HPolarities << 2;
        QTest::newRow("v polarity") << &InputTables::VPolarities << 2;
        QTest::newRow("hdcp") << &InputTables::HdcpWords << 2;
        QTest::newRow("references") << &OutputTables::ReferenceCaptions << 8;
        QTest::newRow("input aspects") << &ImageTables::InputAspects << 4;
        QTest::newRow("pulldowns") << &ImageTables::Pulldowns << 2;
    }
    void everyTableValueHasOnePositionAndBack()
    {
        QFETCH(const TItemTable *, table);
        QFETCH(int, count);
        QCOMPARE(table->Count(), count);
        QSet<uint16_t> values;
        for (int position = 0; position < table->Count(); ++position) {
            const uint16_t value = *table->ValueAt(position);
            QVERIFY2(!values.contains(value), qPrintable(QString::number(value)));
            values.insert(value);
            QCOMPARE(table->PositionOf(value), position);
            QVERIFY(!table->CaptionAt(position).isEmpty());
        }
        // Every value 0..count-1 is someone's: the tables cover their variable.
        for (int value = 0; value < count; ++value)
            QVERIFY(values.contains(uint16_t(value)));
        QCOMPARE(table->ValueAt(count), std::nullopt);
        QCOMPARE(table->ValueAt(-1), std::nullopt);
        QCOMPARE(table->PositionOf(uint16_t(count + 100)), -1);
    }

    void outputFormatNamesCoverEveryItemOnce()
    {
        QSet<uint16_t> items;
        for (const TItemEntry &entry : OutputTables::FormatNames)
            items.insert(entry.Value);
        QCOMPARE(OutputTables::FormatNames.Count(), 35);
        QCOMPARE(items.size(), 35);
        QCOMPARE(*std::min_element(items.begin(), items.end()), 1);
        QCOMPARE(*std::max_element(items.begin(), items.end()), 35);
    }

    void captionsShowDoubledAmpersandsOnce()
    {
        QCOMPARE(InputTables::Types.CaptionAt(7), QString("Computer Black && White"));
        QCOMPARE(InputTables::Types.PlainCaptionAt(7), QString("Computer Black & White"));
        QCOMPARE(InputTables::SyncTypes.PlainCaptionOf(0), QString("H & V Sync."));
        QCOMPARE(MenuText("R&D"), QString("R&&D"));
    }

    void frameRateClass_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("rate");
        const std::pair<int, int> cases[] = {
            {0, 2397},     {2398, 2397}, {2399, 2400}, {2449, 2400}, {2450, 2500}, {2748, 2500},
            {2749, 2997},  {2998, 2997}, {2999, 3000}, {3999, 3000}, {4000, 5000}, {5000, 5000},
            {5496, 5000},  {5497, 5994}, {5996, 5994}, {5997, 6000}, {6599, 6000}, {6600, 7200},
            {7349, 7200},  {7350, 7500}, {7999, 7500}, {8000, 8500}, {9249, 8500}, {9250, 10000},
            {65535, 10000}};
        for (const auto &[field, rate] : cases)
            QTest::newRow(qPrintable(QString::number(field))) << field << rate;
    }
    void frameRateClass()
    {
        QFETCH(int, field);
        QFETCH(int, rate);
        QCOMPARE(int(InputTables::FrameRateClass(uint16_t(field))), rate);
    }

    void availabilityPerInput_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<QList<int>>("audio");
        const QList<int> analog{0, 1, 2, 3, 4, 5, 6, 7};
        const QList<int> plainAudio{0, 1, 2, 3, 4, 5};
        QTest::newRow("1") << 1 << analog << plainAudio;
        QTest::newRow("2") << 2 << analog + QList<int>{8, 9, 10, 11} << plainAudio;
        QTest::newRow("3") << 3 << QList<int>{12} << plainAudio + QList<int>{6};
        QTest::newRow("4") << 4 << analog << plainAudio;
        QTest::newRow("5") << 5 << QList<int>{} << plainAudio;
    }
    void availabilityPerInput()
    {
        QFETCH(int, input);
        QFETCH(QList<int>, types);
        QFETCH(QList<int>, audio);
        QList<int> offered;
        for (int type = 0; type <= 13; ++type)
            if (InputTables::TypeAvailable(input, uint16_t(type)))
                offered << type;
        QCOMPARE(offered, types);
        offered.clear();
        for (int source = 0; source <= 6; ++source)
            if (InputTables::AudioSourceAvailable(input, uint16_t(source)))
                offered << source;
        QCOMPARE(offered, audio);
    }

    void arrayReportIsFiledUnderItsStatusIndexOnly()
    {
        PageRig rig;
        rig.Reply("Ip3\r\nIT2\r\n");
        TStatusIndexedCopies &inputs = rig.models.Inputs;
        QCOMPARE(inputs.Value(ITYPE, 3), uint16_t(2));
        QVERIFY(inputs.Reported(ITYPE, 3));
        for (int other : {0, 1, 2, 4, 5}) {
            QCOMPARE(inputs.Value(ITYPE, other), uint16_t(0));
            QVERIFY(!inputs.Reported(ITYPE, other));
        }
        QVERIFY(!inputs.Reported(ILOAD, 3));
        // The other status indexes keep their own copies.
        QVERIFY(!rig.models.Audios.Holds(ITYPE));
        QVERIFY(rig.models.Audios.Holds(ALEVEL));
        QVERIFY(rig.models.ZoomSlots.Holds(ZMHPOS));
        rig.Reply("Zs4\r\nZH1234\r\n");
        QCOMPARE(rig.models.ZoomSlots.Value(ZMHPOS, 4), uint16_t(1234));
        QVERIFY(!rig.models.ZoomSlots.Reported(ZMHPOS, 0));
    }

    void refusedReplyIsNotFiled()
    {
        PageRig rig;
        rig.Reply("Ip2\r\nIT5\r\n");
        int announced = 0;
        rig.changes.onITYPEChange([&] { ++announced; });
        // 99 is outside ITYPE's range: the driver keeps 5 and still announces it.
        rig.Reply("Ip4\r\nIT99\r\n");
        QCOMPARE(announced, 1);
        QVERIFY(!rig.models.Inputs.Reported(ITYPE, 4));
        QCOMPARE(rig.models.Inputs.Value(ITYPE, 4), uint16_t(0));
        QCOMPARE(rig.models.Inputs.Value(ITYPE, 2), uint16_t(5));
    }

    void pageHandlersReadTheCopyTheReportFiled()
    {
        PageRig rig;
        uint16_t seen = 0;
        rig.changes.onIAMAPChange([&] { seen = rig.models.Inputs.Value(IAMAP, rig.models.Inputs.CurrentIndex()); });
        rig.Reply("Ip1\r\nIA4\r\n");
        QCOMPARE(seen, uint16_t(4));
    }

    void commonUpdateRunsRulesInStageOrderOnItsTriggers()
    {
        PageRig rig;
        QStringList order;
        TCommonUpdate &update = rig.models.CommonUpdate;
        update.AddRule(TCommonStage::Audio, [&](const TCommonState &) { order << "audio"; });
        update.AddRule(TCommonStage::Image, [&](const TCommonState &) { order << "image"; });
        update.AddRule(TCommonStage::Audio, [&](const TCommonState &) { order << "audio 2"; });
        update.ConnectTriggers();
        rig.Reply("XA6\r\n");
        QCOMPARE(order, (QStringList{"image", "audio", "audio 2"}));
        order.clear();
        for (const QByteArray line : {"XF4", "IR5994", "IC2"}) {
            rig.Reply(line + "\r\n");
            QCOMPARE(order.size(), 3);
            order.clear();
        }
        rig.Reply("RX100\r\n"); // not read by any rule
        QVERIFY(order.isEmpty());
    }

    void commonStateComesFromTheActiveInputsCopies()
    {
        PageRig rig;
        rig.Reply("Ip2\r\nIT6\r\nIN16\r\nIA3\r\nIU1\r\nIp1\r\nIT0\r\nIC2\r\nIR5994\r\nOF4\r\nXF5\r\nXA6\r\nXR6\r\n");
        const TCommonState state = ComputeCommonState(rig.driver, rig.models.Inputs);
        QCOMPARE(state.ActiveInput, uint16_t(2));
        QCOMPARE(state.InputType, uint16_t(6));
        QCOMPARE(state.InputFormat, uint16_t(16));
        QCOMPARE(state.AudioSource, uint16_t(3));
        QCOMPARE(state.FrameRateClass, uint16_t(5994));
        QCOMPARE(state.OutputFormat, uint16_t(4));
        QCOMPARE(state.ReferenceFormat, uint16_t(5));
        QCOMPARE(state.ReferenceStatus, uint16_t(6));
        QCOMPARE(state.ReferenceRequest, uint16_t(6));
        QCOMPARE(state.Inputs[2].Used, uint16_t(1));
        QCOMPARE(state.Inputs[1].Type, uint16_t(0));
    }

    void handlerMessagesWaitUntilTheHandlerReturns()
    {
        TScriptedPrompt prompt;
        PageRig rig;
        bool shownInside = false;
        rig.changes.onOFORMATChange([&] {
            rig.models.Messages.Post("one");
            rig.models.Messages.Post("one");
            rig.models.Messages.Post("two");
            shownInside = !prompt.asked.isEmpty();
        });
        rig.Reply("OF3\r\n");
        QVERIFY(!shownInside);
        QCOMPARE(rig.models.Messages.Pending(), 2);
        QTRY_COMPARE(prompt.Texts(), (QStringList{"one", "two"}));
    }

    void elementWritesSendTheIndexFirst_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("reported");
        QTest::addColumn<QStringList>("wire");
        QTest::newRow("always, same index") << int(VariableBinding::TIndexWrite::Always) << QByteArray("IP2\r\n")
                                            << QStringList{"2IP", "1IT", "6Is"};
        QTest::newRow("differs, same index") << int(VariableBinding::TIndexWrite::WhenDiffers)
                                             << QByteArray("IP2\r\n") << QStringList{"1IT", "6Is"};
        QTest::newRow("differs, other index") << int(VariableBinding::TIndexWrite::WhenDiffers)
                                              << QByteArray("IP3\r\n") << QStringList{"2IP", "1IT", "6Is"};
    }
    void elementWritesSendTheIndexFirst()
    {
        QFETCH(int, mode);
        QFETCH(QByteArray, reported);
        QFETCH(QStringList, wire);
        PageRig rig;
        rig.Reply(reported);
        VariableBinding::SendElements(rig.driver, IPCHAN, 2, VariableBinding::TIndexWrite(mode),
                                      {{ITYPE, 1}, {ISDSTDMODE, 6}});
        QCOMPARE(rig.sent.sent, wire);
    }

    void selectorBindingWritesOnlyPlainOperatorChoices()
    {
        TScriptedPrompt prompt;
        PageRig rig;
        TSmartItems selector;
        selector.SetStyleType(TSmartItems::_ComboBox);
        VariableBinding::ApplyEntries(&selector, Three);
        selector.SetSubItems(0, {"a", "b"});
        VariableBinding::BindSmartItems(rig.context, &selector, STDBYTIME, Three);
        rig.Reply("wt5\r\nwt2\r\n");
        QCOMPARE(selector.ListField()->Text(), QString("Two"));
        QVERIFY(rig.sent.sent.isEmpty());

        // The program choosing, a secondary button and an item opening its
        // sub-items write nothing.
        emit selector.OnSmartItemsClickChange(&selector, Qt::LeftButton, false, 2, "Five");
        emit selector.OnSmartItemsClickChange(&selector, Qt::RightButton, true, 2, "Five");
        emit selector.OnSmartItemsClickChange(&selector, Qt::MiddleButton, true, 0, "Zero");
        QVERIFY(rig.sent.sent.isEmpty());
        emit selector.OnSmartItemsClickChange(&selector, Qt::LeftButton, true, 2, "Five");
        emit selector.OnSmartItemsClickChange(&selector, Qt::LeftButton, true, 7, "?");
        // Outside the table: a warning, and nothing guessed goes out.
        QCOMPARE(rig.sent.sent, (QStringList{"5wt"}));
        QCOMPARE(prompt.Texts(), QStringList{VariableBinding::OutOfTableMessage()});
    }

    void reportedValueShowsEvenWhenItsItemIsHidden()
    {
        TSmartItems selector;
        selector.SetStyleType(TSmartItems::_ComboBox);
        VariableBinding::ApplyEntries(&selector, Three);
        selector.SetItemVisible(0, false);
        VariableBinding::ShowReportedValue(&selector, Three, 0);
        QCOMPARE(selector.ListField()->Text(), QString("Zero"));
        QVERIFY(!selector.PutMenuPopupMenu()->actions().at(0)->isVisible());
        VariableBinding::ShowReportedValue(&selector, Three, 9);
        QCOMPARE(selector.ListField()->Text(), QString());
    }

    void numericEntryOutsideTheVariableRangeSendsNothing()
    {
        PageRig rig;
        TEditUpDown field;
        VariableBinding::BindEditUpDown(rig.context, &field, GAMMA); // 5..40
        rig.Reply("RG12\r\n");
        QCOMPARE(field.Position(), 12);
        field.SetMin(0); // a display range wider than the device's
        emit field.OnUserChange(&field, 3, TEditUpDown::btPrev);
        QVERIFY(rig.sent.sent.isEmpty());
        QCOMPARE(field.Position(), 12);
        emit field.OnUserChange(&field, 20, TEditUpDown::btNext);
        QCOMPARE(rig.sent.sent, QStringList{"20RG"});
        QCOMPARE(field.Position(), 12); // until the device reports it
    }

    void sliderSendsOnlyOnTheOperatorsActions()
    {
        PageRig rig;
        QScrollBar slider(Qt::Horizontal);
        VariableBinding::BindSlider(rig.context, &slider, LCDBRIGHTNESS);
        rig.Reply("YB3\r\n");
        slider.setRange(5, 8); // clamps the value: still the program's doing
        slider.setValue(6);
        QVERIFY(rig.sent.sent.isEmpty());
        slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(rig.sent.sent, QStringList{"7YB"});
    }
};

MORLIX_TEST(PageFoundationTest)
#include "tst_pagefoundation.moc"

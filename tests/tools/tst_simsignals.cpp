#include "SimDevice.h"
#include "SimFrontPanel.h"
#include "SimReports.h"
#include "SimOptions.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QtTest>

// The simulated inputs: sources the front panel puts on them, what the device
// measures of the active one, and the delayed, refusable input switch.
class SimSignalsTest : public QObject
{
    Q_OBJECT
private slots:
    void activeInputSourceIsMeasuredAndReported()
    {
        SimDevice device;
        SimFrontPanel panel(device);
        Reports reports(device);
        panel.Handle("signal 1 16");
        QCOMPARE(reports.Lines, (QByteArrayList{"Ip1", "IN16", "IL315", "IR5994", "RM1000", "RD800"}));
        reports.Lines.clear();
        panel.Handle("signal 1 17");
        QCOMPARE(reports.Lines,
                 (QByteArrayList{"Ip1", "IN17", "IH1", "IV1", "IL379", "IR6032", "RM1320", "RD1056"}));
        reports.Lines.clear();
        // Another input is not measured until it is the active one.
        panel.Handle("signal 2 4 hdcp");
        QVERIFY(reports.Lines.isEmpty());
        panel.Handle("set ICH 2");
        QVERIFY(reports.Lines.contains("IN4"));
        QVERIFY(reports.Lines.contains("IR5000"));
        QVERIFY(reports.Lines.contains("Ih1"));
        QCOMPARE(device.State().Value(INAME, 2), uint16_t(4));
        QCOMPARE(device.State().Value(INAME, 1), uint16_t(17));
        reports.Lines.clear();
        panel.Handle("signal 2 none");
        QVERIFY(reports.Lines.contains("IN0"));
        QVERIFY(reports.Lines.contains("IR0"));
        QVERIFY(reports.Lines.contains("Ih0"));
    }

    void everyFormatHasFittingFrequencies()
    {
        for (int format = 3; format <= SimSignals::LastFormat; ++format) {
            const SimSignals::TMeasure m = SimSignals::MeasureOf(format);
            QVERIFY(m.LineFrequency >= 150 && m.LineFrequency <= 1000);
            QVERIFY(m.FieldFrequency >= 2397 && m.FieldFrequency <= 7500);
            QVERIFY(m.Sync <= VarTable[ISYNC].Max);
        }
        QCOMPARE(SimSignals::MeasureOf(0).FieldFrequency, uint16_t(0));
    }

    void badSignalCommandsSayWhy_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("no format") << "signal 1";
        QTest::newRow("input 6") << "signal 6 16";
        QTest::newRow("format 34") << "signal 1 34";
        QTest::newRow("word") << "signal 1 vga";
        QTest::newRow("extra") << "signal 1 16 loud";
    }
    void badSignalCommandsSayWhy()
    {
        QFETCH(QString, line);
        SimDevice device;
        SimFrontPanel panel(device);
        Reports reports(device);
        QVERIFY(panel.Handle(line).startsWith("usage: signal") || panel.Handle(line).startsWith("signal:"));
        QVERIFY(reports.Lines.isEmpty());
    }

    void inputSwitchTakesItsDelay()
    {
        SimDevice device;
        device.Signals().SetSwitchDelay(30);
        Reports reports(device);
        device.Write(ICHN, -1, 3);
        QCOMPARE(reports.Lines, QByteArrayList{"Ic3"});
        QTRY_COMPARE_WITH_TIMEOUT(reports.Lines, (QByteArrayList{"Ic3", "IC3"}), 2000);
    }

    void unusedInputIsRefused()
    {
        SimDevice device;
        device.State().Store(IUSED, 2, 0);
        Reports reports(device);
        device.Write(ICHN, -1, 2);
        QCOMPARE(reports.Lines, (QByteArrayList{"Ic2", "Ic1", "IC1"}));
        QCOMPARE(device.State().Value(ICH), uint16_t(1));
    }

    void optionsTakeSignalsAndTheSwitchDelay()
    {
        SimOptions options;
        QString error;
        QVERIFY(SimOptions::Parse({"sim", "--tcp", "0", "--signal", "1:16", "--signal", "2:4:hdcp", "--switch-ms", "50"},
                                  options, &error));
        QCOMPARE(options.Signals, (QStringList{"1:16", "2:4:hdcp"}));
        QCOMPARE(options.SwitchMs, 50);
        QVERIFY(!SimOptions::Parse({"sim", "--tcp", "0", "--signal", "1:34"}, options, &error));
        QVERIFY(error.contains("--signal"));
    }
};

MORLIX_TEST(SimSignalsTest)
#include "tst_simsignals.moc"

#include "SimDevice.h"
#include "SimFrontPanel.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QtTest>

// The output follows a format, rate or reference change as the device does,
// and the front panel can lose the reference.
class SimOutputTest : public QObject
{
    Q_OBJECT
private slots:
    void outputFollowsTheWrite_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("write");
        QTest::addColumn<QByteArrayList>("reports");
        QTest::newRow("1080i") << QStringList{} << "set OFORMAT 6"
                               << QByteArrayList{"OF6", "XF6", "XT6000", "OW1920", "OH1080", "XL1"};
        QTest::newRow("rate") << QStringList{"set OFORMAT 7"} << "set ORATE 1"
                              << QByteArrayList{"OR1", "XF7", "XT2397", "OW1920", "OH1080", "XL1"};
        QTest::newRow("genlock runs the source's format")
            << QStringList{"set OFORMAT 12", "ref genlock 1 5994"} << "set REFREQUEST 6"
            << QByteArrayList{"XR6", "XA6", "XF1", "XT5994", "OW720", "OH480", "XL1"};
        QTest::newRow("frame lock keeps the format")
            << QStringList{"set OFORMAT 12"} << "set REFREQUEST 2"
            << QByteArrayList{"XR2", "XA2", "XF12", "XT6000", "OW1024", "OH768", "XL1"};
        QTest::newRow("custom takes its timing's size")
            << QStringList{"set OCFULL_HUTIL 1600", "set OCFULL_VUTIL0 900"} << "set OFORMAT 34"
            << QByteArrayList{"OF34", "XF34", "XT6000", "OW1600", "OH900", "XL1"};
        QTest::newRow("unlocked") << QStringList{"ref unlock"} << "set OFORMAT 0"
                                  << QByteArrayList{"OF0", "XF0", "XT6000", "OW720", "OH576", "XL0"};
    }
    void outputFollowsTheWrite()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, write);
        QFETCH(QByteArrayList, reports);
        SimDevice device;
        SimFrontPanel panel(device);
        for (const QString &line : setup)
            panel.Handle(line);
        QByteArrayList sent;
        connect(&device, &SimDevice::Report, [&](const QByteArray &line) { sent << line; });
        panel.Handle(write);
        QCOMPARE(sent, reports);
    }

    void frontPanelLosesAndRegainsTheReference()
    {
        SimDevice device;
        SimFrontPanel panel(device);
        QByteArrayList sent;
        connect(&device, &SimDevice::Report, [&](const QByteArray &line) { sent << line; });
        QCOMPARE(panel.Handle("ref unlock"), QString("reference unlocked"));
        QCOMPARE(panel.Handle("ref lock"), QString("reference locked"));
        QCOMPARE(sent, (QByteArrayList{"XL0", "XL1"}));
        sent.clear();
        // A new genlock source is followed at once under genlock H and V only.
        panel.Handle("ref genlock 3");
        QVERIFY(sent.isEmpty());
        panel.Handle("set REFREQUEST 6");
        sent.clear();
        panel.Handle("ref genlock 4 5000");
        QVERIFY(sent.contains("XF4"));
        QVERIFY(sent.contains("OW1280"));
        QVERIFY(panel.Handle("ref genlock 99").startsWith("usage: ref genlock"));
        QVERIFY(panel.Handle("ref sideways").startsWith("usage: ref lock"));
        QVERIFY(SimFrontPanel::HelpText().contains("ref lock|unlock"));
    }

    void outputFormatsReachTheCustomTimings()
    {
        SimDevice device;
        SimFrontPanel panel(device);
        panel.Handle("set OFORMAT 34");
        QCOMPARE(device.State().Value(OFORMAT), uint16_t(34));
        QCOMPARE(device.State().Value(REFFORMAT), uint16_t(34));
        QCOMPARE(int(VarTable[OFORMAT].Max), 34);
        QCOMPARE(int(VarTable[REFFORMAT].Max), 34);
    }
};

MORLIX_TEST(SimOutputTest)
#include "tst_simoutput.moc"

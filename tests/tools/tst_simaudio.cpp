#include "SimDevice.h"
#include "SimFrontPanel.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QtTest>

// The audio reference follows the request unless S/PDIF is asked for and
// missing; the front panel plugs the S/PDIF input; the levels are kept per
// source and a reset brings the table's values back.
class SimAudioTest : public QObject
{
    Q_OBJECT
private slots:
    void referenceStatusFollowsTheSpdifInput_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QByteArrayList>("reports");
        QTest::newRow("follow without S/PDIF") << QStringList{} << "set AREF_REQUEST 1"
                                               << QByteArrayList{"AF1", "Af2"};
        QTest::newRow("follow with S/PDIF") << QStringList{"spdif on"} << "set AREF_REQUEST 1"
                                            << QByteArrayList{"AF1", "Af1"};
        QTest::newRow("internal needs no S/PDIF") << QStringList{} << "set AREF_REQUEST 0"
                                                  << QByteArrayList{"AF0", "Af0"};
        QTest::newRow("plugging while following") << QStringList{"set AREF_REQUEST 1"} << "spdif on"
                                                  << QByteArrayList{"Af1"};
        QTest::newRow("unplugging while following") << QStringList{"spdif on", "set AREF_REQUEST 1"}
                                                    << "spdif off" << QByteArrayList{"Af2"};
        QTest::newRow("unplugging while internal") << QStringList{"spdif on"} << "spdif off"
                                                   << QByteArrayList{"Af0"};
    }
    void referenceStatusFollowsTheSpdifInput()
    {
        QFETCH(QStringList, setup);
        QFETCH(QString, line);
        QFETCH(QByteArrayList, reports);
        SimDevice device;
        SimFrontPanel panel(device);
        for (const QString &step : setup)
            panel.Handle(step);
        QByteArrayList sent;
        connect(&device, &SimDevice::Report, [&](const QByteArray &report) { sent << report; });
        panel.Handle(line);
        QCOMPARE(sent, reports);
    }

    void frontPanelRefusesOtherWords()
    {
        SimDevice device;
        SimFrontPanel panel(device);
        QVERIFY(panel.Handle(QStringLiteral("spdif maybe")).startsWith(QLatin1String("usage")));
        QVERIFY(!device.Audio().SpdifPlugged());
    }

    void levelsAreKeptPerSourceAndResetToTheTable()
    {
        SimDevice device;
        SimFrontPanel panel(device);
        for (const char *line : {"set APCHAN 2", "set ALEVEL 40", "set ABALANCE 10", "set APCHAN 5",
                                 "set ALEVEL 0", "set AMASTERVOLUME 0"})
            panel.Handle(QLatin1String(line));
        const SimDeviceState &state = device.State();
        QCOMPARE(state.Value(ALEVEL, 2), uint16_t(40));
        QCOMPARE(state.Value(ALEVEL_STATUS, 2), uint16_t(140));
        QCOMPARE(state.Value(ABALANCE, 2), uint16_t(10));
        QCOMPARE(state.Value(ALEVEL_STATUS, 5), uint16_t(78));
        QCOMPARE(state.Value(AMASTERVOLUME_STATUS), uint16_t(78));

        QByteArrayList sent;
        connect(&device, &SimDevice::Report, [&](const QByteArray &report) { sent << report; });
        device.Operations().SetStepInterval(0);
        panel.Handle(QStringLiteral("set AUDIORESET 1"));
        QTRY_VERIFY(sent.contains("Ar0"));
        QCOMPARE(state.Value(ALEVEL, 2), VarTable[ALEVEL].Default);
        QCOMPARE(state.Value(ALEVEL_STATUS, 2), VarTable[ALEVEL_STATUS].Default);
        QCOMPARE(state.Value(ABALANCE, 2), VarTable[ABALANCE].Default);
        QCOMPARE(state.Value(AMASTERVOLUME_STATUS), VarTable[AMASTERVOLUME_STATUS].Default);
        // Each source's level goes out under its own status index.
        QVERIFY(sent.indexOf("Ap2") >= 0 && sent.indexOf("AL29", sent.indexOf("Ap2")) > 0);
    }
};

MORLIX_TEST(SimAudioTest)
#include "tst_simaudio.moc"

#include "SimDevice.h"
#include "SimFrontPanel.h"
#include "SimOptions.h"
#include "SimStateFile.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The operator's ways to shape the device: front-panel commands, --set and
// the state file.
class SimFrontPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void commands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QByteArrayList>("reports");
        QTest::newRow("set") << "set HPOS 100" << "HPOS=100" << QByteArrayList{"RX100"};
        QTest::newRow("set clamps") << "set GAMMA 1" << "GAMMA=5" << QByteArrayList{"RG5"};
        QTest::newRow("set element") << "set ILOAD[3] 1" << "ILOAD[3]=1"
                                     << QByteArrayList{"IP3", "Ip3", "IZ1", "IP1", "Ip1", "IX0", "Ix0", "Zi0",
                                                       "Zs0", "AP0", "Ap0", "na0", "nb0"};
        QTest::newRow("get") << "get VERV" << "VERV=32" << QByteArrayList{};
        QTest::newRow("get element") << "get LANIPPORT[1]" << "LANIPPORT[1]=10500" << QByteArrayList{};
        QTest::newRow("unknown name") << "set NOPE 1" << "no variable named NOPE" << QByteArrayList{};
        QTest::newRow("element of a scalar") << "set HPOS[1] 1" << "HPOS is not an array" << QByteArrayList{};
        QTest::newRow("element out of the array") << "get ILOAD[6]" << "ILOAD has elements 0 to 5"
                                                  << QByteArrayList{};
        QTest::newRow("value too large") << "set HPOS 70000" << "not a value from 0 to 65535: 70000"
                                         << QByteArrayList{};
        QTest::newRow("missing value") << "set HPOS" << "usage: set NAME VALUE" << QByteArrayList{};
        QTest::newRow("unknown command") << "reboot" << "unknown command: reboot (type help)" << QByteArrayList{};
        QTest::newRow("blank line") << "   " << "" << QByteArrayList{};
    }

    void commands()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QByteArrayList, reports);
        SimDevice device;
        SimFrontPanel panel(device);
        QByteArrayList sent;
        connect(&device, &SimDevice::Report, [&](const QByteArray &line) { sent << line; });
        QCOMPARE(panel.Handle(command), answer);
        QCOMPARE(sent, reports);
    }

    void controlCommandsSignal()
    {
        SimDevice device;
        SimFrontPanel panel(device);
        QSignalSpy disconnects(&panel, &SimFrontPanel::DisconnectRequested);
        QSignalSpy quits(&panel, &SimFrontPanel::QuitRequested);
        panel.Handle("disconnect");
        panel.Handle("QUIT");
        QCOMPARE(disconnects.count(), 1);
        QCOMPARE(quits.count(), 1);
        QSignalSpy faults(&panel, &SimFrontPanel::FaultsSwitched);
        QCOMPARE(panel.Handle("faults off"), QStringLiteral("faults off"));
        QCOMPARE(panel.Handle("Faults ON"), QStringLiteral("faults on"));
        QCOMPARE(panel.Handle("faults"), QStringLiteral("usage: faults on|off"));
        QCOMPARE(faults.count(), 2);
        QCOMPARE(faults[0][0].toBool(), false);
        QCOMPARE(faults[1][0].toBool(), true);
        QTemporaryDir dir;
        const QString file = dir.filePath("dump.txt");
        QCOMPARE(panel.Handle("dump " + file), "written to " + file);
        SimDeviceState loaded;
        QString error;
        QVERIFY2(SimStateFile::Load(file, loaded, &error), qPrintable(error));
        QVERIFY(loaded == device.State());
        QVERIFY(panel.Handle("dump /nonexistent-folder/dump.txt").startsWith("cannot write"));
        QCOMPARE(panel.Handle("dump").count('\n') + 1, SimStateFile::Lines(device.State()).size());
    }

    void stateFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("device.txt");
        SimDeviceState state;
        state.Store(HPOS, 0, 5);
        state.Store(ZMVPOS, 8, 4321);
        QString error;
        QVERIFY2(SimStateFile::Save(path, state, &error), qPrintable(error));
        SimDeviceState loaded;
        QVERIFY2(SimStateFile::Load(path, loaded, &error), qPrintable(error));
        QVERIFY(loaded == state);
    }

    void stateFileNamesTheBadLine()
    {
        SimDeviceState state;
        QString error;
        QVERIFY(!SimStateFile::ApplyLines(state, {"HPOS=5", "", "HPOS=x"}, &error));
        QVERIFY2(error.startsWith("line 3:"), qPrintable(error));
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("valid");
        QTest::newRow("tcp") << QStringList{"--tcp", "10500"} << true;
        QTest::newRow("every transport") << QStringList{"--tcp", "1", "--udp", "2", "--pty", "/tmp/x", "--serial", "/dev/ttyS0"}
                                         << true;
        QTest::newRow("faults") << QStringList{"--udp", "1", "--latency", "5", "--baud", "9600", "--silent",
                                               "--drop-every", "3", "--noise-every", "2", "--close-after", "9"}
                                << true;
        QTest::newRow("set") << QStringList{"--tcp", "1", "--set", "VERV=33", "--set", "ILOAD[3]=1"} << true;
        QTest::newRow("no transport") << QStringList{"--log"} << false;
        QTest::newRow("port too large") << QStringList{"--tcp", "70000"} << false;
        QTest::newRow("negative latency") << QStringList{"--tcp", "1", "--latency", "-1"} << false;
        QTest::newRow("bad bind") << QStringList{"--tcp", "1", "--bind", "localhost:3"} << false;
        QTest::newRow("bad set") << QStringList{"--tcp", "1", "--set", "VERV"} << false;
        QTest::newRow("unknown option") << QStringList{"--tcp", "1", "--fast"} << false;
        QTest::newRow("stray argument") << QStringList{"--tcp", "1", "extra"} << false;
    }

    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, valid);
        SimOptions options;
        QString error;
        QCOMPARE(SimOptions::Parse(QStringList{"morlix-sim"} + arguments, options, &error), valid);
        QCOMPARE(error.isEmpty(), valid);
    }

    void optionsCarryTheirValues()
    {
        SimOptions options;
        QString error;
        QVERIFY(SimOptions::Parse({"morlix-sim", "--tcp", "0", "--baud", "9600", "--drop-every", "4", "--set",
                                   "VERV=33"},
                                  options, &error));
        QCOMPARE(options.TcpPort.value_or(99), quint16(0));
        QCOMPARE(options.Line.Baud, 9600);
        QCOMPARE(options.Line.Faults.DropEvery, 4);
        QCOMPARE(options.Assignments, QStringList{"VERV=33"});
        QCOMPARE(options.BindAddress, QString("127.0.0.1"));
    }
};

MORLIX_TEST(SimFrontPanelTest)
#include "tst_simfrontpanel.moc"

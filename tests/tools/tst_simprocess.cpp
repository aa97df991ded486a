#include "SimClient.h"
#include "SimProcess.h"
#include "TestRegistry.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int Timeout = 10000;
} // namespace

// The program as an operator runs it: the front panel on standard input, the
// state file, the exit paths.
class SimProcessTest : public QObject
{
    Q_OBJECT
private slots:
    void portInUseGivesOneLineAndExitCode1()
    {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::LocalHost, 0));
        QProcess process;
        process.start(SimulatorPath(), {"--tcp", QString::number(occupant.serverPort())});
        QVERIFY(process.waitForFinished(Timeout));
        QCOMPARE(process.exitCode(), 1);
        const QByteArray error = process.readAllStandardError();
        QCOMPARE(error.count('\n'), 1);
        QVERIFY2(error.startsWith("morlix-sim: cannot listen on TCP"), error.constData());
    }

    void frontPanelChangeReachesClientAndStateIsSaved()
    {
        QTemporaryDir dir;
        const QString state = dir.filePath("state.txt");
        QProcess process;
        process.start(SimulatorPath(), {"--tcp", "0", "--state", state, "--set", "VERV=33"});
        QVERIFY(process.waitForStarted(Timeout));
        const quint16 port = ListeningPort(process);
        QVERIFY(port != 0);

        SimClient client(port);
        QVERIFY(client.WaitConnected());
        client.Send("xV");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("xV33\r\n"), Timeout);
        process.write("set HPOS 100\n");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("xV33\r\nRX100\r\n"), Timeout);
        process.write("quit\n");
        QVERIFY(process.waitForFinished(Timeout));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);

        QFile saved(state);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray contents = saved.readAll();
        QVERIFY(contents.contains("\nHPOS=100\r\n"));
        QVERIFY(contents.contains("\nVERV=33\r\n"));
    }

    void devicesOwnMemoriesSurviveAKill_data()
    {
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<QByteArray>("savedLine");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("EDID") << QByteArray("16EM0ER1ES") << QByteArray("\nEDIDFMT=16\r\n") << QByteArray("EM")
                              << QByteArray("EM16\r\n");
        QTest::newRow("LAN") << QByteArray("1na10nw0na1ns") << QByteArray("\nLANIP4[1]=10\r\n")
                             << QByteArray("1nanw") << QByteArray("nw10\r\n");
    }
    void devicesOwnMemoriesSurviveAKill()
    {
        QFETCH(QByteArray, commands);
        QFETCH(QByteArray, savedLine);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, answer);
        QTemporaryDir dir;
        const QString state = dir.filePath("state.txt");
        const QStringList arguments{"--tcp", "0", "--state", state, "--op-step", "1"};
        QProcess process;
        process.start(SimulatorPath(), arguments);
        QVERIFY(process.waitForStarted(Timeout));
        {
            SimClient client(ListeningPort(process));
            QVERIFY(client.WaitConnected());
            client.Send(commands);
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(state), Timeout);
            QFile saved(state);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY(saved.readAll().contains(savedLine));
        }
        // No chance to save at exit: what was stored must already be there.
        process.kill();
        QVERIFY(process.waitForFinished(Timeout));

        process.start(SimulatorPath(), arguments);
        QVERIFY(process.waitForStarted(Timeout));
        SimClient client(ListeningPort(process));
        QVERIFY(client.WaitConnected());
        client.Send(request);
        QTRY_VERIFY_WITH_TIMEOUT(client.Received.endsWith(answer), Timeout);
        process.kill();
        QVERIFY(process.waitForFinished(Timeout));
    }

    void terminationExitsCleanly()
    {
        QTemporaryDir dir;
        const QString state = dir.filePath("state.txt");
        QProcess process;
        process.start(SimulatorPath(), {"--tcp", "0", "--state", state});
        QVERIFY(process.waitForStarted(Timeout));
        QVERIFY(ListeningPort(process) != 0);
        process.terminate();
        QVERIFY(process.waitForFinished(Timeout));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(QFile::exists(state));
    }
};

MORLIX_TEST(SimProcessTest)
#include "tst_simprocess.moc"

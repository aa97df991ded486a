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

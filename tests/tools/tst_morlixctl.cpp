#include "ReservedTcpPort.h"
#include "SimProcess.h"
#include "TestRegistry.h"

#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int Timeout = 10000;

// A device on loopback that gives the type reply, and answers the request
// for GAMMA with the replies it is given.
class GammaDevice : public QObject
{
public:
    explicit GammaDevice(QByteArray gammaReplies) : m_gammaReplies(std::move(gammaReplies))
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *client = m_server.nextPendingConnection();
            connect(client, &QTcpSocket::readyRead, this, [this, client] {
                const QByteArray data = client->readAll();
                if (data.contains('?'))
                    client->write("DEV67\r\n");
                if (data.contains("RG"))
                    client->write(m_gammaReplies);
            });
        });
    }
    QString Link() const { return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort()); }

private:
    QTcpServer m_server;
    QByteArray m_gammaReplies;
};

// The dump as a map of NAME[i] to VALUE.
QMap<QByteArray, QByteArray> DumpEntries(const QByteArray &dump)
{
    QMap<QByteArray, QByteArray> entries;
    for (QByteArray line : dump.split('\n')) {
        line = line.trimmed();
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            entries.insert(line.left(equals), line.mid(equals + 1));
    }
    return entries;
}
} // namespace

// morlixctl run as a script runs it, against the simulator on a free port.
class MorlixctlTest : public QObject
{
    Q_OBJECT
private slots:
    void getReadsScalarsAndArrayElements()
    {
        SimProcess sim;
        QVERIFY(sim.Start({"--set", "HPOS=100", "--set", "ILOAD[3]=1", "--set", "ZMHPOS[4]=777"}));
        const CtlResult result = RunCtl({"--tcp", sim.Link(), "get", "hpos", "ILOAD[3]", "72", "ZMHPOS[4]", "ZMHPOS"});
        QCOMPARE(result.Err, QByteArray());
        QCOMPARE(result.ExitCode, 0);
        // Without an element, an array reads the element its index selects now.
        QCOMPARE(result.Out, QByteArray("HPOS=100\nILOAD[3]=1\nVPOS=1024\nZMHPOS[4]=777\nZMHPOS[4]=777\n"));
    }

    // A value the driver refused is never the answer: the client waits for one
    // it stored, and without one gives up with the value it was sent.
    void getPrintsOnlyWhatTheDriverStored_data()
    {
        QTest::addColumn<QByteArray>("replies");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("error");
        QTest::newRow("out of range, then valid") << QByteArray("RG2000\r\nRG20\r\n") << 0 << QByteArray("GAMMA=20\n") << "";
        QTest::newRow("out of range only") << QByteArray("RG2000\r\n") << 1 << QByteArray()
                                           << "no valid report of GAMMA from %1 within 300 ms: it came as 2000, outside 5..40";
    }

    void getPrintsOnlyWhatTheDriverStored()
    {
        QFETCH(QByteArray, replies);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(QString, error);
        GammaDevice device(replies);
        const CtlResult result = RunCtl({"--tcp", device.Link(), "--timeout", "300", "get", "GAMMA"}, Timeout, true);
        QCOMPARE(result.ExitCode, exitCode);
        QCOMPARE(result.Out, out);
        if (error.isEmpty())
            QCOMPARE(result.Err, QByteArray());
        else
            QVERIFY2(QString::fromLocal8Bit(result.Err).contains(error.arg(device.Link())), result.Err.constData());
    }

    void setReportsWhatTheDeviceKept()
    {
        SimProcess sim;
        QVERIFY(sim.Start());
        CtlResult result = RunCtl({"--tcp", sim.Link(), "set", "HPOS=300", "zmhpos[4]=1234", "LANIPPORT[2]=9000"});
        QCOMPARE(result.Err, QByteArray());
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(result.Out, QByteArray("HPOS=300\nZMHPOS[4]=1234\nLANIPPORT[2]=9000\n"));

        // The element went where it was aimed, not to the element selected before.
        result = RunCtl({"--tcp", sim.Link(), "get", "ZMHPOS[0]", "ZMHPOS[4]", "LANIPPORT[2]", "HPOS"});
        QCOMPARE(result.Out, QByteArray("ZMHPOS[0]=5000\nZMHPOS[4]=1234\nLANIPPORT[2]=9000\nHPOS=300\n"));
    }

    void dumpThenRestoreMakesTwoDevicesEqual()
    {
        SimProcess source;
        QVERIFY(source.Start({"--set", "HPOS=100", "--set", "ILOAD[3]=1", "--set", "ZMHPOS[4]=777",
                              "--set", "LANIPPORT[2]=9000", "--set", "VERV=33"}));
        // Through the link, so that the index's status copy follows as on a device.
        QCOMPARE(RunCtl({"--tcp", source.Link(), "set", "ZMINDEX=4"}).Out, QByteArray("ZMINDEX=4\n"));
        SimProcess target;
        QVERIFY(target.Start());
        QTemporaryDir dir;
        const QString file = dir.filePath("dump.txt");

        CtlResult result = RunCtl({"--tcp", source.Link(), "dump", "--output", file});
        QCOMPARE(result.Err, QByteArray());
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(result.Out, QByteArray());
        const CtlResult sourceDump = RunCtl({"--tcp", source.Link(), "dump"});
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().replace("\r\n", "\n"), sourceDump.Out);

        result = RunCtl({"--tcp", target.Link(), "restore", file});
        QCOMPARE(result.Err, QByteArray());
        QCOMPARE(result.ExitCode, 0);
        QVERIFY2(result.Out.contains("ZMHPOS[4]=777\n"), result.Out.constData());

        QMap<QByteArray, QByteArray> expected = DumpEntries(sourceDump.Out);
        QMap<QByteArray, QByteArray> restored = DumpEntries(RunCtl({"--tcp", target.Link(), "dump"}).Out);
        QCOMPARE(restored.size(), 355);
        // The version is the device's own: a restore never writes it.
        QCOMPARE(expected.take("VERV"), QByteArray("33"));
        QCOMPARE(restored.take("VERV"), QByteArray("32"));
        for (auto entry = expected.cbegin(); entry != expected.cend(); ++entry)
            QCOMPARE(entry.key() + '=' + restored.value(entry.key()), entry.key() + '=' + entry.value());

        // A device that already holds every setting is left alone.
        result = RunCtl({"--tcp", target.Link(), "restore", file});
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(result.Out, QByteArray());
    }

    void watchSeesFrontPanelChange_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QRegularExpression>("line");
        QTest::newRow("decoded") << QStringList{}
                                 << QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d HPOS=1\\d\\d$",
                                                       QRegularExpression::MultilineOption);
        QTest::newRow("raw") << QStringList{"--raw"}
                             << QRegularExpression("^RX1\\d\\d\\r$", QRegularExpression::MultilineOption);
    }

    void watchSeesFrontPanelChange()
    {
        QFETCH(QStringList, options);
        QFETCH(QRegularExpression, line);
        SimProcess sim;
        QVERIFY(sim.Start());
        QProcess watch;
        watch.start(CtlPath(), QStringList{"--tcp", sim.Link(), "watch"} + options);
        QVERIFY(watch.waitForStarted(Timeout));
        // The watch prints nothing before the first change, so the panel keeps
        // changing until one of the changes shows.
        QByteArray output;
        for (int step = 0; step < 100 && !line.match(QString::fromLatin1(output)).hasMatch(); ++step) {
            sim.Process.write(QStringLiteral("set HPOS %1\n").arg(100 + step).toLatin1());
            sim.Process.waitForBytesWritten(100);
            watch.waitForReadyRead(100);
            output += watch.readAllStandardOutput();
        }
        QVERIFY2(line.match(QString::fromLatin1(output)).hasMatch(), (output + watch.readAllStandardError()).constData());
        watch.terminate();
        QVERIFY(watch.waitForFinished(Timeout));
        QCOMPARE(watch.readAllStandardError(), QByteArray());
    }

    void rawPrintsWhatComesBack()
    {
        SimProcess sim;
        QVERIFY(sim.Start({"--set", "HPOS=100"}));
        const CtlResult result = RunCtl({"--tcp", sim.Link(), "--timeout", "300", "raw", "RX"});
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(result.Out, QByteArray("RX100\r\n"));
    }

    void varsListsTheTable()
    {
        const CtlResult result = RunCtl({"vars"});
        QCOMPARE(result.ExitCode, 0);
        const QList<QByteArray> lines = result.Out.split('\n');
        QCOMPARE(lines.size(), 220); // 219 lines and the end of the last
        QCOMPARE(lines[7], QByteArray("7\tDEV\t?\tDEV\t67\t67\t67"));
        QCOMPARE(lines[45], QByteArray("45\tILOAD\tIZ\tIZ\t0\t1\t0\t6\tIPCHAN\tIPCHANSTATUS"));
    }

    void convertWritesTheProcessedBitmap()
    {
        QTemporaryDir dir;
        QImage picture(8, 4, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QVERIFY(picture.save(dir.filePath("in.bmp")));
        const CtlResult result = RunCtl({"convert", dir.filePath("in.bmp"), dir.filePath("out.bmp")});
        QCOMPARE(result.Err, QByteArray());
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(QImage(dir.filePath("out.bmp")).size(), QSize(8, 4));
    }

    void errorIsOneLineWithItsExitCode_data()
    {
        QTest::addColumn<QStringList>("simOptions"); // empty: nobody listening
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        // Usage errors go to a port where nobody listens: had the client tried
        // to connect, it would have ended with 1.
        QTest::newRow("unknown command") << QStringList{} << QStringList{"frobnicate"} << 2
                                         << "unknown command frobnicate";
        QTest::newRow("unknown option") << QStringList{} << QStringList{"--fast", "vars"} << 2 << "--fast";
        QTest::newRow("bad timeout") << QStringList{} << QStringList{"--timeout", "soon", "vars"} << 2
                                     << "--timeout takes milliseconds, not soon";
        QTest::newRow("unknown variable") << QStringList{} << QStringList{"get", "HPOS", "NOPE"} << 2
                                          << "no variable named NOPE";
        QTest::newRow("out of range") << QStringList{} << QStringList{"set", "VPOS=1", "HPOS=5000"} << 2
                                      << "HPOS: 5000 is outside 0..2048";
        QTest::newRow("unsigned range") << QStringList{} << QStringList{"set", "REFVPH=32762"} << 2
                                        << "REFVPH: 32762 is outside 32763..32773";
        QTest::newRow("bad value") << QStringList{} << QStringList{"set", "HPOS=abc"} << 2
                                   << "not a value from 0 to 65535: abc";
        QTest::newRow("element the device cannot select") << QStringList{} << QStringList{"get", "ILOAD[0]"} << 2
                                                          << "ILOAD: element 0 is outside 1..5";
        QTest::newRow("element of a scalar") << QStringList{} << QStringList{"get", "HPOS[1]"} << 2
                                             << "HPOS is not an array";
        QTest::newRow("missing dump file") << QStringList{} << QStringList{"restore", "/nonexistent/dump.txt"} << 2
                                           << "cannot read /nonexistent/dump.txt";
        QTest::newRow("unreadable picture") << QStringList{} << QStringList{"convert", "/nonexistent.gif", "out.bmp"}
                                            << 1 << "Invalid picture";
        QTest::newRow("nobody listening") << QStringList{} << QStringList{"get", "HPOS"} << 1
                                          << "no reply from 127.0.0.1:%1 within 300 ms";
        QTest::newRow("silent device") << QStringList{"--silent"} << QStringList{"set", "HPOS=1"} << 1
                                       << "no reply from 127.0.0.1:%1 within 300 ms";
    }

    void errorIsOneLineWithItsExitCode()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        SimProcess sim;
        TReservedTcpPort closed;
        quint16 port = closed.Port();
        if (!simOptions.isEmpty()) {
            QVERIFY(sim.Start(simOptions));
            port = sim.Port;
        }
        const QStringList link{"--tcp", QStringLiteral("127.0.0.1:%1").arg(port), "--timeout", "300"};
        const bool optionsFirst = arguments.first().startsWith("--");
        const CtlResult result = RunCtl(optionsFirst ? arguments : link + arguments);
        QCOMPARE(result.ExitCode, exitCode);
        QCOMPARE(result.Out, QByteArray());
        QCOMPARE(result.Err.count('\n'), 1);
        if (error.contains("%1"))
            error = error.arg(port);
        QVERIFY2(QString::fromLocal8Bit(result.Err).contains(error), result.Err.constData());
    }

    void badDumpFileChangesNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("dump.txt");
        QFile bad(file);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("HPOS=100\r\nILOAD=1\r\n");
        bad.close();
        SimProcess sim;
        QVERIFY(sim.Start());
        const CtlResult result = RunCtl({"--tcp", sim.Link(), "restore", file});
        QCOMPARE(result.ExitCode, 2);
        QVERIFY2(result.Err.contains(":2: ILOAD needs an element"), result.Err.constData());
        QCOMPARE(RunCtl({"--tcp", sim.Link(), "get", "HPOS"}).Out, QByteArray("HPOS=1024\n"));
    }
};

MORLIX_TEST(MorlixctlTest)
#include "tst_morlixctl.moc"

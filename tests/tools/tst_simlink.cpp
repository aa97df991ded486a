#include "PtyEndpoint.h"
#include "SimClient.h"
#include "SimDevice.h"
#include "SimFaults.h"
#include "SimLink.h"
#include "SimMirror.h"
#include "TcpEndpoint.h"
#include "TestRegistry.h"
#include "UdpEndpoint.h"

#include <QTemporaryDir>
#include <QUdpSocket>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int Timeout = 5000;

// The simulator on an ephemeral TCP port.
struct TcpSimulator
{
    explicit TcpSimulator(const SimLineSettings &settings = {})
        : Link(std::make_unique<TcpEndpoint>(QHostAddress::LocalHost, 0), Device, settings)
    {
        QString error;
        Opened = Link.Endpoint().Open(&error);
    }
    quint16 Port() { return static_cast<TcpEndpoint &>(Link.Endpoint()).Port(); }

    SimDevice Device;
    SimLink Link;
    bool Opened = false;
};
} // namespace

class SimLinkTest : public QObject
{
    Q_OBJECT
private slots:
    void findsDeviceAndResendsEverything()
    {
        TcpSimulator sim;
        QVERIFY(sim.Opened);
        sim.Device.Write(ZMHPOS, 4, 777);
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("?");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("DEV67\r\n"), Timeout);
        client.Received.clear();
        client.Send("1#");
        QTRY_VERIFY_WITH_TIMEOUT(client.Received.endsWith("\r\n#0\r\n"), Timeout);
        QVERIFY(client.Received.startsWith("#1\r\n"));
        SimMirror mirror;
        for (const QByteArray &line : client.Received.split('\n'))
            mirror.Apply(line.chopped(line.endsWith('\r') ? 1 : 0));
        QCOMPARE(mirror.Value(ZMHPOS, 4), uint16_t(777));
        QCOMPARE(mirror.Value(DIESE), uint16_t(0));
    }

    void splitChunksAndNoiseAreUnderstood()
    {
        TcpSimulator sim;
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        for (const QByteArray chunk : {"10", "24R", "X", "~%z", "R", "Y3IP1", "IZ"})
            client.Send(chunk);
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("RX1024\r\nRY1024\r\nIP3\r\nIp3\r\nIp3\r\nIZ1\r\n"),
                                  Timeout);
    }

    void frontPanelChangeReachesClient()
    {
        TcpSimulator sim;
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("?"); // the answer shows the simulator has taken the client
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("DEV67\r\n"), Timeout);
        sim.Device.Write(BRIGHTNESS, -1, 5);
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("DEV67\r\nRT5\r\n"), Timeout);
    }

    void newClientReplacesOld()
    {
        TcpSimulator sim;
        SimClient first(sim.Port());
        QVERIFY(first.WaitConnected());
        first.Send("RX");
        QTRY_COMPARE_WITH_TIMEOUT(first.Received, QByteArray("RX1024\r\n"), Timeout);
        first.Send("10"); // half a command the new client must not inherit

        SimClient second(sim.Port());
        QVERIFY(second.WaitConnected());
        QTRY_COMPARE_WITH_TIMEOUT(first.Socket.state(), QAbstractSocket::UnconnectedState, Timeout);
        second.Send("RY");
        QTRY_COMPARE_WITH_TIMEOUT(second.Received, QByteArray("RY1024\r\n"), Timeout);
    }

    void faultsShapeTheReports_data()
    {
        QTest::addColumn<int>("dropEvery");
        QTest::addColumn<int>("noiseEvery");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray noise = SimFaults::Garbage();
        QTest::newRow("none") << 0 << 0 << QByteArray("DEV67\r\nRX1024\r\nRY1024\r\nRW2048\r\n");
        QTest::newRow("drop every 3rd") << 3 << 0 << QByteArray("DEV67\r\nRX1024\r\nRW2048\r\n");
        QTest::newRow("noise every 2nd") << 0 << 2 << "DEV67\r\n" + noise + "RX1024\r\nRY1024\r\n" + noise + "RW2048\r\n";
        QTest::newRow("both") << 3 << 2 << "DEV67\r\n" + noise + "RX1024\r\n" + noise + "RW2048\r\n";
    }

    void faultsShapeTheReports()
    {
        QFETCH(int, dropEvery);
        QFETCH(int, noiseEvery);
        QFETCH(QByteArray, expected);
        SimLineSettings settings;
        settings.Faults.DropEvery = dropEvery;
        settings.Faults.NoiseEvery = noiseEvery;
        TcpSimulator sim(settings);
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("?RXRYRW");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, expected, Timeout);
    }

    // The front panel's "faults off" ends a run with faults on a clean line:
    // no drop, no noise, no close and no latency (a minute here).
    void faultsCanBeSwitchedOffAndOn()
    {
        SimLineSettings settings;
        settings.Faults.DropEvery = 2;
        settings.Faults.NoiseEvery = 1;
        settings.Faults.CloseAfter = 3;
        settings.LatencyMs = 60000;
        TcpSimulator sim(settings);
        sim.Link.SetFaultsEnabled(false);
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("?RXRYRW");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("DEV67\r\nRX1024\r\nRY1024\r\nRW2048\r\n"), Timeout);
        QCOMPARE(client.Socket.state(), QAbstractSocket::ConnectedState);
    }

    void closesAfterNReports()
    {
        SimLineSettings settings;
        settings.Faults.CloseAfter = 2;
        TcpSimulator sim(settings);
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("?RXRY");
        QTRY_COMPARE_WITH_TIMEOUT(client.Socket.state(), QAbstractSocket::UnconnectedState, Timeout);
        QCOMPARE(client.Received, QByteArray("DEV67\r\nRX1024\r\n"));

        // The next connection gets its own N reports.
        SimClient again(sim.Port());
        QVERIFY(again.WaitConnected());
        again.Send("?");
        QTRY_COMPARE_WITH_TIMEOUT(again.Received, QByteArray("DEV67\r\n"), Timeout);
    }

    void slowLineDeliversEverythingInOrder()
    {
        SimLineSettings settings;
        settings.LatencyMs = 5;
        settings.Baud = 115200;
        TcpSimulator sim(settings);
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("?RX3IP");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray("DEV67\r\nRX1024\r\nIP3\r\nIp3\r\n"), Timeout);
    }

    void udpAnswersTheSender()
    {
        SimDevice device;
        SimLink link(std::make_unique<UdpEndpoint>(QHostAddress::LocalHost, 0), device, {});
        QString error;
        QVERIFY2(link.Endpoint().Open(&error), qPrintable(error));
        const quint16 port = quint16(link.Endpoint().Description().section(QLatin1Char(':'), -1).toUInt());
        QUdpSocket application;
        QVERIFY(application.bind(QHostAddress::LocalHost, 0));
        QByteArray received;
        connect(&application, &QUdpSocket::readyRead, [&] {
            while (application.hasPendingDatagrams()) {
                QByteArray datagram(int(application.pendingDatagramSize()), '\0');
                application.readDatagram(datagram.data(), datagram.size());
                received += datagram;
            }
        });
        application.writeDatagram("?", QHostAddress::LocalHost, port);
        QTRY_COMPARE_WITH_TIMEOUT(received, QByteArray("DEV67\r\n"), Timeout);
    }

    void ptyAnswersThroughItsLink()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ttyMorlix");
        SimDevice device;
        QString error;
        {
            SimLink link(std::make_unique<PtyEndpoint>(path), device, {});
            QVERIFY2(link.Endpoint().Open(&error), qPrintable(error));
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            QVERIFY(fd >= 0);
            QVERIFY(::write(fd, "?", 1) == 1);
            QByteArray received;
            QTRY_VERIFY_WITH_TIMEOUT(
                [&] {
                    char buffer[64];
                    const ssize_t count = ::read(fd, buffer, sizeof buffer);
                    if (count > 0)
                        received.append(buffer, int(count));
                    return received == "DEV67\r\n";
                }(),
                Timeout);
            ::close(fd);
        }
        // The link goes with the simulator.
        QVERIFY(!QFileInfo(path).isSymLink());
    }

    void ptyRefusesToReplaceARealFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("notalink");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        PtyEndpoint endpoint(path);
        QString error;
        QVERIFY(!endpoint.Open(&error));
        QVERIFY(error.contains(path));
        QVERIFY(QFileInfo(path).isFile());
    }
};

MORLIX_TEST(SimLinkTest)
#include "tst_simlink.moc"

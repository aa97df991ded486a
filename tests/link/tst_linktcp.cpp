#include "ReservedTcpPort.h"
#include "TestRegistry.h"
#include "helper_peers.h"
#include "link/ComDriverMorlix.h"

#include <QSignalSpy>
#include <QtTest>

// Poll and reconnect delays short enough to run the real watch in tests.
constexpr int PollMs = 20;
constexpr int ReconnectMs = 60;
// For tests that look at every byte sent: the watch's one query goes out
// with the connection, and no tick adds another.
constexpr int NeverMs = 3600 * 1000;

class LinkTcpTest : public QObject
{
    Q_OBJECT
private slots:
    void findsTheDeviceAndMirrorsItsReplies()
    {
        TcpDevicePeer device;
        device.onData = [&](const QByteArray &data) {
            if (data.contains("1#"))
                device.send("RX1024\r\nRY512\r\n#0\r\n");
            else if (data.contains("?"))
                device.send("DEV67\r\n");
        };
        TComDriverMorlix link(PollMs, ReconnectMs);
        QSignalSpy connectedChanges(&link, &TComDriver::OnConnectedChange);
        openTowards(link, device.port());
        QTRY_VERIFY_WITH_TIMEOUT(link.Connected(), 5000);
        QCOMPARE(connectedChanges.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(1024), 5000);
        QCOMPARE(link.GetVar(VPOS), uint16_t(512));
        QVERIFY(device.received.contains("1#"));

        device.received.clear();
        link.SendVar(HPOS, 512);
        QTRY_COMPARE_WITH_TIMEOUT(device.received, QByteArray("512RX"), 5000);
        QCOMPARE(link.GetVar(HPOS), uint16_t(1024)); // no local echo
    }

    // The query goes out with the connection and the type reply finds the
    // device: a poll timer that never fires changes nothing.
    void deviceIsFoundWithoutWaitingForATick()
    {
        TcpDevicePeer device;
        device.onData = [&](const QByteArray &data) {
            if (data.contains("?"))
                device.send("DEV67\r\n");
        };
        TComDriverMorlix link(NeverMs, NeverMs);
        openTowards(link, device.port());
        QTRY_VERIFY_WITH_TIMEOUT(link.Connected(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(device.received, QByteArray("?1#"), 5000);
    }

    void refusedConnectionIsRetried()
    {
        TReservedTcpPort port;
        TComDriverMorlix link(PollMs, ReconnectMs);
        openTowards(link, port.Port());
        // On loopback the refusal is decided by the time the attempt starts.
        QVERIFY(!link.Opened());
        QTcpServer late;
        QVERIFY(port.ListenWith(late));
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened(), 5000);
    }

    void deviceHangingUpIsReconnected()
    {
        TcpDevicePeer device;
        TComDriverMorlix link(PollMs, ReconnectMs);
        openTowards(link, device.port());
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened(), 5000);
        device.hangUp();
        QTRY_COMPARE_WITH_TIMEOUT(device.connections, 2, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened(), 5000);
    }

    // What changed while the connection was down reaches the mirror: the
    // device found again resends everything, and in between it is shown as
    // not connected.
    void reconnectedDeviceResendsEverything()
    {
        TcpDevicePeer device;
        QByteArray hpos = "RX1024";
        device.onData = [&](const QByteArray &data) {
            if (data.contains("1#"))
                device.send("#1\r\n" + hpos + "\r\n#0\r\n");
            else if (data.contains("?"))
                device.send("DEV67\r\n");
        };
        TComDriverMorlix link(PollMs, ReconnectMs);
        openTowards(link, device.port());
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(1024), 5000);
        QSignalSpy connectedChanges(&link, &TComDriver::OnConnectedChange);

        hpos = "RX900"; // changed on the device while nobody listens
        device.hangUp();
        QTRY_COMPARE_WITH_TIMEOUT(connectedChanges.count(), 1, 5000);
        QVERIFY(!link.Connected());
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(900), 5000);
        QCOMPARE(device.connections, 2);
        QVERIFY(link.Connected());
    }

    // A retry pending for a TCP link must not fire once the link is UDP.
    void changingTheLinkTypeCancelsAPendingRetry()
    {
        TReservedTcpPort port;
        TComDriverMorlix link(PollMs, ReconnectMs);
        openTowards(link, port.Port());
        link.SetIPLocalPort(freeUdpPort());
        link.SetConType(ctUDP);
        QVERIFY(link.Opened());
        QTcpServer late;
        QVERIFY(port.ListenWith(late));
        QTest::qWait(5 * ReconnectMs);
        QVERIFY(!late.hasPendingConnections());
    }

    void changingTheRemotePortReconnectsThere()
    {
        TcpDevicePeer first, second;
        TComDriverMorlix link(NeverMs, ReconnectMs);
        openTowards(link, first.port());
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened(), 5000);
        link.SetIPRemotePort(second.port());
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened() && second.connections == 1, 5000);
        link.SendText("1RX");
        QTRY_COMPARE_WITH_TIMEOUT(second.received, QByteArray("?1RX"), 5000);
    }

    void longTextIsSentWhole()
    {
        TcpDevicePeer device;
        TComDriverMorlix link(NeverMs, ReconnectMs);
        openTowards(link, device.port());
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened(), 5000);
        const QString text(3 * TComDriver::TransferBufferSize + 5, QChar('A'));
        link.SendText(text);
        QTRY_COMPARE_WITH_TIMEOUT(device.received, "?" + text.toLatin1(), 5000);
    }

    void closeDoesNotReconnect()
    {
        TcpDevicePeer device;
        TComDriverMorlix link(PollMs, ReconnectMs);
        openTowards(link, device.port());
        QTRY_VERIFY_WITH_TIMEOUT(link.Opened(), 5000);
        link.Close();
        QVERIFY(!link.Opened());
        QTest::qWait(5 * ReconnectMs);
        QCOMPARE(device.connections, 1);
    }

private:
    static void openTowards(TComDriver &link, quint16 port)
    {
        link.SetIPRemoteAddress("127.0.0.1");
        link.SetIPRemotePort(port);
        link.SetConType(ctTCP);
        QVERIFY(link.Open());
    }
};

MORLIX_TEST(LinkTcpTest)
#include "tst_linktcp.moc"

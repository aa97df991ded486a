#include "TestRegistry.h"
#include "helper_peers.h"
#include "link/ComDriverMorlix.h"

#include <QSignalSpy>
#include <QtTest>

// Poll and reconnect delays short enough to run the real watch in tests.
constexpr int PollMs = 20;
constexpr int ReconnectMs = 60;

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
        link.SetIPRemoteAddress("127.0.0.1");
        link.SetIPRemotePort(device.port());
        link.SetConType(ctTCP);
        QVERIFY(link.Open());

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
};

MORLIX_TEST(LinkTcpTest)
#include "tst_linktcp.moc"

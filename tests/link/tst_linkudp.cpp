#include "TestRegistry.h"
#include "helper_peers.h"
#include "link/ComDriverMorlix.h"

#include <QtTest>

class LinkUdpTest : public QObject
{
    Q_OBJECT

    static void openTowards(TComDriver &link, int remotePort)
    {
        link.SetIPLocalPort(freeUdpPort());
        link.SetIPRemoteAddress("127.0.0.1");
        link.SetIPRemotePort(remotePort);
        link.SetConType(ctUDP);
        QVERIFY(link.Open());
    }

private slots:
    void writesAreOneDatagramEach()
    {
        UdpDevicePeer device;
        const int never = 3600 * 1000;
        TComDriverMorlix link(never, never);
        openTowards(link, device.port());
        link.SendVar(HPOS, 1024);
        // The device query went out when the link opened.
        QTRY_COMPARE_WITH_TIMEOUT(device.received, QByteArray("?1024RX"), 5000);
    }

    void onlyTheDeviceIsHeard_data()
    {
        QTest::addColumn<QString>("strangerAddress");
        QTest::newRow("other port, same address") << "127.0.0.1";
        QTest::newRow("other address") << "127.0.0.2";
    }

    void onlyTheDeviceIsHeard()
    {
        QFETCH(QString, strangerAddress);
        UdpDevicePeer device;
        QUdpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress(strangerAddress), 0));
        TComDriverMorlix link;
        openTowards(link, device.port());

        stranger.writeDatagram("RX5\r\n", QHostAddress::LocalHost, quint16(link.IPLocalPort()));
        device.sendTo(link.IPLocalPort(), "RY6\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(VPOS), uint16_t(6), 5000);
        QCOMPARE(link.GetVar(HPOS), uint16_t(0));
    }

    void changingTheRemotePortReopensTowardsTheNewOne()
    {
        UdpDevicePeer oldDevice, newDevice;
        TComDriverMorlix link;
        openTowards(link, oldDevice.port());
        int changes = 0;
        connect(&link, &TComDriver::OnIPRemotePortChange, this, [&] { ++changes; });

        link.SetIPRemotePort(newDevice.port());
        QCOMPARE(changes, 1);
        QVERIFY(link.Opened());
        oldDevice.sendTo(link.IPLocalPort(), "RX5\r\n");
        newDevice.sendTo(link.IPLocalPort(), "RY6\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(VPOS), uint16_t(6), 5000);
        QCOMPARE(link.GetVar(HPOS), uint16_t(0));
    }

    void changingTheLocalPortRebinds()
    {
        UdpDevicePeer device;
        TComDriverMorlix link;
        openTowards(link, device.port());
        const int newPort = freeUdpPort();
        link.SetIPLocalPort(newPort);
        QVERIFY(link.Opened());
        device.sendTo(newPort, "RX5\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(5), 5000);
    }

    void busyLocalPortFailsToOpen()
    {
        QUdpSocket occupant;
        QVERIFY(occupant.bind(QHostAddress::AnyIPv4, 0, QUdpSocket::DontShareAddress));
        TComDriverMorlix link;
        link.SetIPLocalPort(occupant.localPort());
        link.SetConType(ctUDP);
        QVERIFY(!link.Open());
        QVERIFY(!link.Opened());
        link.SendVar(HPOS, 1); // nothing to send through, nothing raised
    }
};

MORLIX_TEST(LinkUdpTest)
#include "tst_linkudp.moc"

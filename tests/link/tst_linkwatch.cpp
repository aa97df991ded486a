#include "TestRegistry.h"
#include "helper_peers.h"
#include "link/ComDriverMorlix.h"

#include <QtTest>

// The device watch, stepped tick by tick over a real UDP link. The timer's own
// interval is far beyond the test, so only PollTick advances the watch.
class WatchRig : public QObject
{
public:
    static constexpr int NeverMs = 3600 * 1000;

    UdpDevicePeer device;
    TComDriverMorlix link{NeverMs, NeverMs};
    QStringList sent;
    int connectedChanges = 0;
    int replies = 0;

    WatchRig()
    {
        connect(&link, &TComDriver::OnSentString, this, [this] { sent << link.SentString(); });
        connect(&link, &TComDriver::OnConnectedChange, this, [this] { ++connectedChanges; });
        connect(&link, &TComDriver::OnRecString, this, [this] { ++replies; });
        link.SetIPLocalPort(freeUdpPort());
        link.SetIPRemoteAddress("127.0.0.1");
        link.SetIPRemotePort(device.port());
        link.SetConType(ctUDP);
    }
    // Sends one reply line and waits until the driver has taken it.
    bool reply(const QByteArray &line)
    {
        const int before = replies;
        device.sendTo(link.IPLocalPort(), line + "\r\n");
        return QTest::qWaitFor([&] { return replies > before; }, 5000);
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            link.PollTick();
    }
    // The device answers the query that went out when the link opened, and
    // is found by that answer alone.
    bool connectDevice()
    {
        return reply("DEV67") && link.Connected();
    }
};

class LinkWatchTest : public QObject
{
    Q_OBJECT
private slots:
    void absentDeviceIsQueriedAtOpenThenOncePerFourTicks()
    {
        WatchRig rig;
        QVERIFY(rig.link.Open());
        QCOMPARE(rig.sent, QStringList{"?"});
        rig.ticks(8);
        QCOMPARE(rig.sent, (QStringList{"?", "?", "?"}));
        QVERIFY(!rig.link.Connected());
        QCOMPARE(rig.connectedChanges, 0);
    }

    void foundDeviceIsAskedForEverythingUntilTheResendEnds()
    {
        WatchRig rig;
        QVERIFY(rig.link.Open());
        // No tick between the type reply and the request for everything.
        QVERIFY(rig.connectDevice());
        QCOMPARE(rig.sent, (QStringList{"?", "1#"}));
        QCOMPARE(rig.connectedChanges, 1);

        QVERIFY(rig.reply("#1"));
        rig.ticks(3); // waiting for the end of the resend
        QCOMPARE(rig.sent.size(), 2);
        QVERIFY(rig.reply("#0"));
        rig.ticks(2); // resend over, then the watch starts again
        QCOMPARE(rig.sent, (QStringList{"?", "1#", "?"}));
    }

    void wrongTypeCodeIsNeverTakenForTheDevice_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("another type") << QByteArray("DEV68");
        QTest::newRow("nothing") << QByteArray("DEV0");
        QTest::newRow("67 in the low byte only") << QByteArray("DEV323");
    }

    void wrongTypeCodeIsNeverTakenForTheDevice()
    {
        QFETCH(QByteArray, reply);
        WatchRig rig;
        QVERIFY(rig.link.Open());
        QVERIFY(rig.reply(reply));
        rig.ticks(4);
        QVERIFY(!rig.link.Connected());
        QCOMPARE(rig.connectedChanges, 0);
        QVERIFY(!rig.sent.contains("1#"));
    }

    void silentDeviceIsLostAfterThreeQueries()
    {
        WatchRig rig;
        rig.link.SetQueryAllVarsOnConnect(false);
        QVERIFY(rig.link.Open());
        QVERIFY(rig.connectDevice());
        rig.sent.clear();

        rig.ticks(3);
        QCOMPARE(rig.sent, (QStringList{"?", "?", "?"}));
        QVERIFY(rig.link.Connected());
        rig.ticks(1);
        QCOMPARE(rig.sent, (QStringList{"?", "?", "?", "0?"}));
        QVERIFY(!rig.link.Connected());
        QCOMPARE(rig.connectedChanges, 2);
    }

    void answeringDeviceStaysConnected()
    {
        WatchRig rig;
        rig.link.SetQueryAllVarsOnConnect(false);
        QVERIFY(rig.link.Open());
        QVERIFY(rig.connectDevice());
        for (int cycle = 0; cycle < 3; ++cycle) {
            rig.ticks(1);
            QVERIFY(rig.reply("DEV67"));
            rig.ticks(3);
        }
        QVERIFY(rig.link.Connected());
        QCOMPARE(rig.connectedChanges, 1);
        QVERIFY(!rig.sent.contains("0?"));
    }

    void forcedConnectionSendsNoQuery()
    {
        WatchRig rig;
        rig.link.SetForceConnection(true);
        QVERIFY(rig.link.Open());
        QVERIFY(rig.link.Connected());
        rig.ticks(8);
        QVERIFY(rig.sent.isEmpty());
        QCOMPARE(rig.connectedChanges, 0);
    }

    void closedLinkIsNotWatched()
    {
        WatchRig rig;
        rig.ticks(8);
        QVERIFY(rig.sent.isEmpty());
    }

    void rawModeQueriesNothingButForgetsTheDevice()
    {
        WatchRig rig;
        rig.link.SetQueryAllVarsOnConnect(false);
        QVERIFY(rig.link.Open());
        QVERIFY(rig.connectDevice());
        QCOMPARE(rig.link.GetVar(DEV), uint16_t(67));
        rig.sent.clear();
        rig.link.SetConMode(cmRAW);
        rig.ticks(1);
        QVERIFY(rig.sent.isEmpty());
        QCOMPARE(rig.link.GetVar(DEV), uint16_t(0));
    }
};

MORLIX_TEST(LinkWatchTest)
#include "tst_linkwatch.moc"

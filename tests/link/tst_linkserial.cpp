#include "TestRegistry.h"
#include "helper_pty.h"
#include "link/ComDriverMorlix.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

class LinkSerialTest : public QObject
{
    Q_OBJECT

    static constexpr int NeverMs = 3600 * 1000;
    static constexpr int ReopenMs = 20;

    static void openOn(const PtyPair &line, TComDriver &link)
    {
        QVERIFY(line.isValid());
        link.SetPort(line.slavePath());
        link.SetConType(ctRS232);
        QVERIFY(link.Open());
        QVERIFY(link.Opened());
    }

private slots:
    void repliesAndWritesOverTheLine()
    {
        PtyPair line;
        TComDriverMorlix link(NeverMs, NeverMs);
        openOn(line, link);

        line.write("RX10");
        line.write("24\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(1024), 5000);
        link.SendVar(VPOS, 5);
        // The device query went out when the port opened.
        QTRY_COMPARE_WITH_TIMEOUT(line.received(), QByteArray("?5RY"), 5000);
    }

    void speedChangeReopensTheLine()
    {
        PtyPair line;
        TComDriverMorlix link(NeverMs, NeverMs);
        openOn(line, link);
        // Written just before the speed changes, as a transfer's last record.
        link.SendText(":00000001FF\r\n");
        link.SetBaudRate(115200);
        QVERIFY(link.Opened());
        // Each opening of the port asks for the device.
        QTRY_COMPARE_WITH_TIMEOUT(line.received(), QByteArray("?:00000001FF\r\n?"), 5000);
        QCOMPARE(link.BaudRate(), 115200u);
        line.write("RX7\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(7), 5000);
    }

    // A lost port is opened again by its name, which now leads to another
    // terminal; closing the link ends the waiting for good.
    void lostPortIsOpenedAgainUntilTheOperatorCloses_data()
    {
        QTest::addColumn<bool>("closedByOperator");
        QTest::newRow("comes back") << false;
        QTest::newRow("closed by the operator") << true;
    }

    void lostPortIsOpenedAgainUntilTheOperatorCloses()
    {
        QFETCH(bool, closedByOperator);
        QTemporaryDir dir;
        const QString path = dir.filePath("ttyMorlix");
        auto first = std::make_unique<PtyPair>();
        QVERIFY(QFile::link(first->slavePath(), path));
        TComDriverMorlix link(NeverMs, NeverMs);
        link.SetSerialReopenIntervalMs(ReopenMs);
        QSignalSpy connectedChanges(&link, &TComDriver::OnConnectedChange);
        link.SetPort(path);
        link.SetConType(ctRS232);
        QVERIFY(link.Open());
        QTRY_COMPARE_WITH_TIMEOUT(first->received(), QByteArray("?"), 5000);
        first->write("DEV67\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(link.Connected(), 5000);

        first->hangUp();
        QTRY_VERIFY_WITH_TIMEOUT(!link.Opened() && link.AwaitingSerialPort(), 5000);
        QVERIFY(!link.Connected());
        QCOMPARE(connectedChanges.count(), 2);
        if (closedByOperator)
            link.Close();

        PtyPair second;
        QVERIFY(QFile::remove(path) && QFile::link(second.slavePath(), path));
        if (closedByOperator) {
            QTest::qWait(5 * ReopenMs);
            QVERIFY(!link.Opened());
            QVERIFY(!link.AwaitingSerialPort());
            QCOMPARE(second.received(), QByteArray());
            return;
        }
        // Back: the watch asks at once and finds the device by its answer.
        QTRY_COMPARE_WITH_TIMEOUT(second.received(), QByteArray("?"), 5000);
        QVERIFY(!link.AwaitingSerialPort());
        second.write("DEV67\r\n");
        QTRY_VERIFY_WITH_TIMEOUT(link.Connected(), 5000);
        QCOMPARE(connectedChanges.count(), 3);
    }

    void emptyPortOpensNothing()
    {
        TComDriverMorlix link;
        link.SetConType(ctRS232);
        QVERIFY(link.Open());
        QVERIFY(!link.Opened());
    }

    void missingPortFailsQuietly()
    {
        TComDriverMorlix link;
        link.SetPort("/dev/no-such-port");
        link.SetConType(ctRS232);
        QVERIFY(!link.Open());
        QVERIFY(!link.Opened());
    }
};

MORLIX_TEST(LinkSerialTest)
#include "tst_linkserial.moc"

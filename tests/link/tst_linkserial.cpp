#include "TestRegistry.h"
#include "helper_pty.h"
#include "link/ComDriverMorlix.h"

#include <QtTest>

class LinkSerialTest : public QObject
{
    Q_OBJECT

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
        TComDriverMorlix link;
        openOn(line, link);

        line.write("RX10");
        line.write("24\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(1024), 5000);
        link.SendVar(VPOS, 5);
        QTRY_COMPARE_WITH_TIMEOUT(line.received(), QByteArray("5RY"), 5000);
    }

    void speedChangeReopensTheLine()
    {
        PtyPair line;
        TComDriverMorlix link;
        openOn(line, link);
        link.SetBaudRate(115200);
        QVERIFY(link.Opened());
        QCOMPARE(link.BaudRate(), 115200u);
        line.write("RX7\r\n");
        QTRY_COMPARE_WITH_TIMEOUT(link.GetVar(HPOS), uint16_t(7), 5000);
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

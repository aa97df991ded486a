#include "TestRegistry.h"
#include "helper_eventlog.h"
#include "link/ComDriverMorlix.h"

#include <QtTest>

// The reply parser, fed directly through the receive path (no transport).
class LinkParseTest : public QObject
{
    Q_OBJECT
private slots:
    void replies_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("var");
        QTest::addColumn<int>("cached");

        QTest::newRow("one line") << QByteArrayList{"RX1024\r\n"} << replyEvents("RX1024", HPOS, 1024)
                                  << int(HPOS) << 1024;
        QTest::newRow("split chunks") << QByteArrayList{"RX10", "24\r", "\n"}
                                      << replyEvents("RX1024", HPOS, 1024) << int(HPOS) << 1024;
        QTest::newRow("two lines in one chunk")
            << QByteArrayList{"RX1024\r\nRY512\r\n"}
            << replyEvents("RX1024", HPOS, 1024) + replyEvents("RY512", VPOS, 512) << int(VPOS) << 512;
        QTest::newRow("leading zeros") << QByteArrayList{"RX01024\r\n"}
                                       << replyEvents("RX01024", HPOS, 1024) << int(HPOS) << 1024;
        QTest::newRow("space before value") << QByteArrayList{"RX 1024\r\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("trailing space") << QByteArrayList{"RX1024 \r\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("lower case mnemonic") << QByteArrayList{"rx1024\r\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("no value") << QByteArrayList{"RX\r\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("empty line") << QByteArrayList{"\r\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("unknown mnemonic") << QByteArrayList{"QQ12\r\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("LF alone ends nothing") << QByteArrayList{"RX1024\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("beyond 16 bits is dropped")
            << QByteArrayList{"RX65536\r\n"} << QStringList() << int(HPOS) << 0;
        QTest::newRow("out of range still reports")
            << QByteArrayList{"RG2000\r\n"} << replyEvents("RG2000", GAMMA, 2000) << int(GAMMA) << 0;
        QTest::newRow("same value twice")
            << QByteArrayList{"RX7\r\n", "RX7\r\n"}
            << replyEvents("RX7", HPOS, 7) + replyEvents("RX7", HPOS, 7, false) << int(HPOS) << 7;
        QTest::newRow("shared mnemonic goes to the first")
            << QByteArrayList{"NULL5\r\n"} << replyEvents("NULL5", AMX, 5) << int(AMX) << 5;
        QTest::newRow("noise before a line is trimmed")
            << QByteArrayList{"xxxxxxxxxxxxxxx", "\r\nRX3\r\n"}
            << replyEvents("RX3", HPOS, 3) << int(HPOS) << 3;
        QTest::newRow("line end split across chunks")
            << QByteArrayList{"RX12\r", "\nRY4\r\n"}
            << replyEvents("RX12", HPOS, 12) + replyEvents("RY4", VPOS, 4) << int(VPOS) << 4;
    }

    void replies()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QStringList, events);
        QFETCH(int, var);
        QFETCH(int, cached);
        TComDriverMorlix link;
        EventLog log(link);
        for (const QByteArray &chunk : chunks)
            link.ReceiveChunk(chunk);
        QCOMPARE(log.events, events);
        QCOMPARE(int(link.GetVar(var)), cached);
    }

    void unfinishedTextKeepsItsLastTenCharacters()
    {
        TComDriverMorlix link;
        link.ReceiveChunk("abcdefghijklmno");
        link.SetConMode(cmRAW);
        QCOMPARE(link.TakeReceivedText(), QString("fghijklmno"));
    }

    void arrayReplyFollowsTheLatestIndex()
    {
        TComDriverMorlix link;
        QCOMPARE(link.GetVar(ILOAD), uint16_t(0)); // IPCHAN 0 selects element 0
        link.ReceiveChunk("IP3\r\nIZ1\r\n");
        QCOMPARE(link.GetVarElement(ILOAD, 3), uint16_t(1));
        QCOMPARE(link.GetVarElement(ILOAD, 2), uint16_t(0));
    }

    void freshDriverHoldsZeroesAndRefusesUnknownNumbers()
    {
        TComDriverMorlix link;
        for (int n = 0; n < VarTableSize; ++n)
            QCOMPARE(link.GetVar(n), uint16_t(0));
        QVERIFY_THROWS_EXCEPTION(TMorlixError, link.GetVar(VarTableSize));
        QVERIFY_THROWS_EXCEPTION(TMorlixError, link.SendVar(-1, 0));
    }

    // A handler that runs a nested parse (a modal window pumping events)
    // must neither lose nor repeat a line.
    void nestedParseFromAHandler()
    {
        TComDriverMorlix link;
        EventLog log(link);
        bool nested = false;
        connect(&link, &TComDriver::OnVarReceived, this, [&](int n) {
            if (n == HPOS && !nested) {
                nested = true;
                link.ReceiveChunk("RY2\r\n");
            }
        });
        link.ReceiveChunk("RX1\r\nRG9\r\n");
        // Lines keep their arrival order; only the outer line's last event
        // waits for the nested parse.
        const QStringList outer = replyEvents("RX1", HPOS, 1);
        QCOMPARE(log.events, outer.mid(0, 3) + replyEvents("RG9", GAMMA, 9) + replyEvents("RY2", VPOS, 2)
                                 + outer.mid(3));
    }

    void rawModeKeepsChunksForTheReader()
    {
        TComDriverMorlix link;
        EventLog log(link);
        link.SetConMode(cmRAW);
        link.ReceiveChunk("RX10\r\n");
        link.ReceiveChunk(":00");
        QCOMPARE(log.events, (QStringList{"rec ", "rec "}));
        QCOMPARE(link.GetVar(HPOS), uint16_t(0));
        QCOMPARE(link.TakeReceivedText(), QString("RX10\r\n:00"));
        QCOMPARE(link.TakeReceivedText(), QString());

        // Left over when the mode returns: parsed with the next chunk.
        link.ReceiveChunk("RX2");
        link.SetConMode(cmVAR);
        QCOMPARE(link.TakeReceivedText(), QString()); // not in raw mode: untouched
        link.ReceiveChunk("0\r\n");
        QCOMPARE(link.GetVar(HPOS), uint16_t(20));
    }

    void installedHandlerReplacesTheSignal()
    {
        TComDriverMorlix link;
        EventLog log(link);
        int handled = 0;
        QVERIFY(!link.SetRecStringHandler([&] { ++handled; }));
        link.ReceiveChunk("RX5\r\n");
        QCOMPARE(handled, 1);
        QCOMPARE(log.events, replyEvents("RX5", HPOS, 5).mid(1));
        const TComDriver::TRecStringHandler mine = link.SetRecStringHandler({});
        QVERIFY(bool(mine));
        link.ReceiveChunk("RX6\r\n");
        QCOMPARE(handled, 1);
        QCOMPARE(log.events.count("rec RX6"), 1);
    }

    void writesGoOutOnlyInVarMode()
    {
        TComDriverMorlix link;
        int sent = 0;
        connect(&link, &TComDriver::OnSentString, this, [&] { ++sent; });
        link.SendVar(HPOS, 1024); // closed link: lost, but remembered
        QCOMPARE(link.SentString(), QString("1024RX"));
        QCOMPARE(sent, 1);
        link.SetConMode(cmRAW);
        link.SendVar(HPOS, 7);
        QCOMPARE(link.SentString(), QString("1024RX"));
        QCOMPARE(sent, 1);
    }
};

MORLIX_TEST(LinkParseTest)
#include "tst_linkparse.moc"

#include "SimCommandParser.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QtTest>

// The application's commands arrive without terminators, in chunks that cut
// anywhere; the parser must find every command and nothing else.
class SimCommandParserTest : public QObject
{
    Q_OBJECT
private slots:
    void sendMnemonicsArePrefixFreeAndStartWithoutDigit()
    {
        // The parser ends a command at the first complete mnemonic and reads
        // leading digits as the value; both rely on this.
        for (const TVarDescriptor &a : VarTable) {
            QVERIFY2(!(a.SendMnemonic[0] >= '0' && a.SendMnemonic[0] <= '9'), a.Name);
            for (const TVarDescriptor &b : VarTable)
                if (&a != &b)
                    QVERIFY2(!QByteArray(b.SendMnemonic).startsWith(a.SendMnemonic), a.Name);
        }
    }

    void parses_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QByteArrayList>("commands");
        QTest::newRow("request") << QByteArrayList{"RX"} << QByteArrayList{"RX"};
        QTest::newRow("write") << QByteArrayList{"1024RX"} << QByteArrayList{"1024RX"};
        QTest::newRow("device query") << QByteArrayList{"?"} << QByteArrayList{"?"};
        QTest::newRow("device lost") << QByteArrayList{"0?"} << QByteArrayList{"0?"};
        QTest::newRow("resend") << QByteArrayList{"1#"} << QByteArrayList{"1#"};
        QTest::newRow("several in one chunk") << QByteArrayList{"3IP1IZRX?"}
                                              << QByteArrayList{"3IP", "1IZ", "RX", "?"};
        QTest::newRow("value split") << QByteArrayList{"10", "24R", "X"} << QByteArrayList{"1024RX"};
        QTest::newRow("mnemonic split") << QByteArrayList{"5X", ",1", "3"} << QByteArrayList{"5X,13"};
        QTest::newRow("one byte at a time") << QByteArrayList{"7", "A", "L", "A", "P"}
                                            << QByteArrayList{"7AL", "AP"};
        QTest::newRow("case sensitive") << QByteArrayList{"3Ip3IP"} << QByteArrayList{"3Ip", "3IP"};
        QTest::newRow("leading zeros") << QByteArrayList{"007RT"} << QByteArrayList{"7RT"};
        QTest::newRow("line ends between commands") << QByteArrayList{"1024RX\r\n", "RY\r\n"}
                                                    << QByteArrayList{"1024RX", "RY"};
        QTest::newRow("line end abandons a half command") << QByteArrayList{"12R\r\nRY"} << QByteArrayList{"RY"};
        QTest::newRow("noise before a command") << QByteArrayList{"~%zRX"} << QByteArrayList{"RX"};
        QTest::newRow("noise between value and mnemonic drops the value") << QByteArrayList{"12~RX"}
                                                                          << QByteArrayList{"RX"};
        QTest::newRow("command inside a false start") << QByteArrayList{"X1RX"} << QByteArrayList{"1RX"};
        QTest::newRow("noise split across chunks") << QByteArrayList{"Z", "q", "5RY"} << QByteArrayList{"5RY"};
        QTest::newRow("8-bit and NUL bytes") << QByteArrayList{QByteArray("\xff\x00RW", 4)} << QByteArrayList{"RW"};
        QTest::newRow("endless digits stay bounded") << QByteArrayList{"99999999999999999999RX"}
                                                     << QByteArrayList{"1000000RX"};
        QTest::newRow("unfinished command waits") << QByteArrayList{"1024R"} << QByteArrayList{};
    }

    void parses()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QByteArrayList, commands);
        SimCommandParser parser;
        QByteArrayList parsed;
        for (const QByteArray &chunk : chunks)
            for (const SimCommand &command : parser.Feed(chunk))
                parsed << command.Text();
        QCOMPARE(parsed, commands);
    }

    void resetForgetsHalfACommand()
    {
        // Without the reset, "12R" + "Y" would write 12 to VPOS.
        SimCommandParser parser;
        QVERIFY(parser.Feed("12R").isEmpty());
        parser.Reset();
        QVERIFY(parser.Feed("Y").isEmpty());
        QCOMPARE(parser.Feed("S").value(0), (SimCommand{STORE, false, 0}));
    }
};

MORLIX_TEST(SimCommandParserTest)
#include "tst_simcommandparser.moc"

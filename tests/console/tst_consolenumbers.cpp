#include "TestRegistry.h"
#include "console/ConsoleNumbers.h"
#include "console/ConsoleReply.h"
#include "console/ConsoleSending.h"

#include <QtTest>

using namespace ConsoleNumbers;

class ConsoleNumbersTest : public QObject
{
    Q_OBJECT
private slots:
    void formsOfAValue_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("hexadecimal");
        QTest::newRow("0") << 0u << "0" << "0" << "0";
        QTest::newRow("1") << 1u << "1" << "1" << "1";
        QTest::newRow("3") << 3u << "3" << "011" << "3";
        QTest::newRow("7") << 7u << "7" << "0111" << "7";
        QTest::newRow("8") << 8u << "8" << "1000" << "8";
        QTest::newRow("255") << 255u << "255" << "011111111" << "FF";
        QTest::newRow("1024") << 1024u << "1024" << "10000000000" << "400";
        QTest::newRow("65535") << 65535u << "65535" << "01111111111111111" << "FFFF";
        QTest::newRow("largest") << 0xFFFFFFFFu << "4294967295" << "0" + QString(32, '1') << "FFFFFFFF";
    }
    void formsOfAValue()
    {
        QFETCH(quint32, value);
        QFETCH(QString, decimal);
        QFETCH(QString, binary);
        QFETCH(QString, hexadecimal);
        QCOMPARE(RowsFor(value), (TRows{decimal, binary, hexadecimal}));
    }

    void calculatorEdits_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("binary");
        QTest::addColumn<QString>("hexadecimal");
        QTest::newRow("decimal") << int(DecimalRow) << "255" << "255" << "011111111" << "FF";
        QTest::newRow("one leading zero dropped") << int(DecimalRow) << "0065535" << "065535" << "01111111111111111"
                                                  << "FFFF";
        QTest::newRow("lone zero kept") << int(DecimalRow) << "0" << "0" << "0" << "0";
        QTest::newRow("binary") << int(BinaryRow) << "011" << "3" << "11" << "3";
        QTest::newRow("binary other digits are 0") << int(BinaryRow) << "1a2b1" << "17" << "10001" << "11";
        QTest::newRow("hexadecimal") << int(HexadecimalRow) << "400" << "1024" << "10000000000" << "400";
        QTest::newRow("lower case hexadecimal") << int(HexadecimalRow) << "ff" << "255" << "011111111" << "ff";
        QTest::newRow("decimal not a number") << int(DecimalRow) << "12x" << "12x" << "0" << "0";
        QTest::newRow("hexadecimal not a number") << int(HexadecimalRow) << "G1" << "0" << "0" << "G1";
        QTest::newRow("empty") << int(DecimalRow) << "" << "" << "0" << "0";
        QTest::newRow("decimal overflow") << int(DecimalRow) << "4294967296" << "4294967296" << OverflowText()
                                          << OverflowText();
        QTest::newRow("binary overflow") << int(BinaryRow) << "1" + QString(32, '0') << OverflowText()
                                         << "1" + QString(32, '0') << OverflowText();
        QTest::newRow("hexadecimal overflow") << int(HexadecimalRow) << "100000000" << OverflowText()
                                              << OverflowText() << "100000000";
        QTest::newRow("long entry of zeros") << int(BinaryRow) << QString(200, '0') << "0" << QString(199, '0')
                                             << "0";
    }
    void calculatorEdits()
    {
        QFETCH(int, row);
        QFETCH(QString, entry);
        QFETCH(QString, decimal);
        QFETCH(QString, binary);
        QFETCH(QString, hexadecimal);
        QCOMPARE(Edit(TRow(row), entry), (TRows{decimal, binary, hexadecimal}));
    }

    void replySplit_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("mnemonic");
        QTest::addColumn<qint64>("value"); // -1: not logged
        QTest::newRow("reply") << "RX1024" << "RX" << qint64(1024);
        QTest::newRow("punctuation") << "DDBG65535" << "DDBG" << qint64(65535);
        QTest::newRow("signs") << "+15" << "+" << qint64(15);
        QTest::newRow("digits anywhere") << "X,13" << "X," << qint64(13);
        QTest::newRow("no digits") << "DEV" << "DEV" << qint64(0);
        QTest::newRow("spaces, control and 8-bit dropped") << QString::fromLatin1("R X\t\xe9" "12") << "RX" << qint64(12);
        QTest::newRow("32 bits") << "IW4294967295" << "IW" << qint64(4294967295);
        QTest::newRow("beyond 32 bits") << "IW4294967296" << "IW" << qint64(-1);
        QTest::newRow("many digits") << "A" + QString(100, '9') << "A" << qint64(-1);
    }
    void replySplit()
    {
        QFETCH(QString, line);
        QFETCH(QString, mnemonic);
        QFETCH(qint64, value);
        const TConsoleReply reply = TConsoleReply::Split(line);
        QCOMPARE(reply.Mnemonic, mnemonic);
        QCOMPARE(reply.Value.has_value(), value >= 0);
        if (reply.Value)
            QCOMPARE(qint64(*reply.Value), value);
    }

    void sendModes()
    {
        using namespace ConsoleSending;
        QCOMPARE(ModeFor(false, false), Line);
        QCOMPARE(ModeFor(false, true), LineWithCR);
        QCOMPARE(ModeFor(true, false), Direct);
        QCOMPARE(ModeFor(true, true), DirectWithCR);

        QCOMPARE(TextForLine(Line, "RX"), std::optional<QString>("RX"));
        QCOMPARE(TextForLine(LineWithCR, "RX"), std::optional<QString>("RX\r"));
        QCOMPARE(TextForLine(Line, ""), std::nullopt);
        QCOMPARE(TextForLine(LineWithCR, "\b"), std::nullopt);
        QCOMPARE(TextForLine(Direct, "RX"), std::nullopt);

        QCOMPARE(TextForKey(Direct, "R"), QString("R"));
        QCOMPARE(TextForKey(Direct, "\r"), QString());
        QCOMPARE(TextForKey(DirectWithCR, "\r"), QString("\r"));
        QCOMPARE(TextForKey(Line, "R"), QString());

        QCOMPARE(TypedCharacters("1R\r\nX"), QStringList({"1", "R", "\n", "X"}));
    }
};

MORLIX_TEST(ConsoleNumbersTest)
#include "tst_consolenumbers.moc"

#include "TestRegistry.h"
#include "transfer/IntelHex.h"
#include "transfer/PictureBlock.h"
#include "transfer/RunLength.h"
#include "transfer/TransferRecords.h"

#include <QtTest>

using namespace IntelHex;

Q_DECLARE_METATYPE(THexRecord)

namespace {
THexRecord Record(uint8_t type, uint16_t address, const QByteArray &data = {})
{
    return THexRecord{type, address, data};
}
} // namespace

// The record syntax, the short replies and the channel coding, byte for byte.
class IntelHexTest : public QObject
{
    Q_OBJECT
private slots:
    void encode_data()
    {
        QTest::addColumn<THexRecord>("record");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("destination flags 42 number 3")
            << Record(rtParameter, 1, QByteArray::fromHex("4203")) << QByteArray(":020001024203B6\r\n");
        QTest::newRow("end") << Record(rtEnd, 0) << QByteArray(":00000001FF\r\n");
        QTest::newRow("abandon") << Record(rtAbandon, 0) << QByteArray(":00000004FC\r\n");
        QTest::newRow("repeat 1001") << Record(rtRepeat, 1001) << QByteArray(":0003E90311\r\n");
        QTest::newRow("geometry 1920 x 1080")
            << Record(rtParameter, 2, QByteArray::fromHex("07800438")) << QByteArray(":040002020780043835\r\n");
        QTest::newRow("upper-case digits")
            << Record(rtData, 0xABCD, QByteArray::fromHex("ff")) << QByteArray(":01ABCD00FF88\r\n");
    }
    void encode()
    {
        QFETCH(THexRecord, record);
        QFETCH(QByteArray, line);
        QCOMPARE(Encode(record), line);
        // Every encoded line parses back to the same record.
        QCOMPARE(Parse(line.mid(1, line.size() - 3)), std::optional<THexRecord>(record));
    }

    void takeReply_data()
    {
        QTest::addColumn<QByteArray>("buffer");
        QTest::addColumn<int>("found");
        QTest::addColumn<THexRecord>("reply");
        QTest::addColumn<QByteArray>("left");
        QTest::newRow("accepted") << QByteArray(".1\r") << int(fReply) << Record(rtAccepted, 0) << QByteArray();
        QTest::newRow("refused") << QByteArray(".0\r\n") << int(fReply) << Record(rtRefused, 0) << QByteArray("\n");
        QTest::newRow("short reply first, record stays")
            << QByteArray(":00000001FF\r.1\r") << int(fReply) << Record(rtAccepted, 0)
            << QByteArray(":00000001FF\r");
        QTest::newRow("record clears the buffer")
            << QByteArray("xx:010001056495\rtail") << int(fReply) << Record(rtEraseProgress, 1, "d") << QByteArray();
        QTest::newRow("lower-case digits") << QByteArray(":020001024203b6\r") << int(fReply)
                                           << Record(rtParameter, 1, QByteArray::fromHex("4203")) << QByteArray();
        QTest::newRow("wrong checksum is dropped")
            << QByteArray(":020001024203B7\r") << int(fDropped) << THexRecord() << QByteArray();
        QTest::newRow("length disagrees with data")
            << QByteArray(":030001024203B5\r") << int(fDropped) << THexRecord() << QByteArray();
        QTest::newRow("too short") << QByteArray(":0000FF\r") << int(fDropped) << THexRecord() << QByteArray();
        QTest::newRow("no CR yet") << QByteArray(":020001024203B6") << int(fNothing) << THexRecord()
                                   << QByteArray(":020001024203B6");
        QTest::newRow("half a short reply") << QByteArray(".1") << int(fNothing) << THexRecord() << QByteArray(".1");
        QTest::newRow("digit other than 0 or 1") << QByteArray(".2\r") << int(fNothing) << THexRecord()
                                                 << QByteArray(".2\r");
        QTest::newRow("odd digit count") << QByteArray(":0000001FF\r") << int(fNothing) << THexRecord()
                                         << QByteArray(":0000001FF\r");
    }
    void takeReply()
    {
        QFETCH(QByteArray, buffer);
        QFETCH(int, found);
        QFETCH(THexRecord, reply);
        QFETCH(QByteArray, left);
        THexRecord taken;
        QCOMPARE(int(TakeReply(buffer, taken)), found);
        if (found == fReply)
            QCOMPARE(taken, reply);
        QCOMPARE(buffer, left);
    }

    void shortRepliesAsSent()
    {
        QCOMPARE(ShortReply(true), QByteArray(".1\r\r\n"));
        QCOMPARE(ShortReply(false), QByteArray(".0\r\r\n"));
    }

    void runLength_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<QByteArray>("pairs");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("one run") << QByteArray(32, 'A') << QByteArray::fromHex("2041");
        QTest::newRow("greedy from the left") << QByteArray("AAB") << QByteArray::fromHex("02410142");
        QTest::newRow("no neighbours alike") << QByteArray("ABC") << QByteArray::fromHex("014101420143");
        QTest::newRow("run longer than a byte") << QByteArray(300, 'x') << QByteArray::fromHex("ff782d78");
    }
    void runLength()
    {
        QFETCH(QByteArray, raw);
        QFETCH(QByteArray, pairs);
        QCOMPARE(RunLength::Encode(raw), pairs);
        QCOMPARE(RunLength::Decode(pairs, 1000), raw);
    }

    void runLengthDecodeStaysWithinTheBlock()
    {
        QCOMPARE(RunLength::Decode(QByteArray::fromHex("ff41ff42"), 32), QByteArray(32, 'A'));
        QCOMPARE(RunLength::Decode(QByteArray::fromHex("0241ff"), 32), QByteArray("AA"));
    }

    void channelRecords_data()
    {
        QTest::addColumn<QList<QRgb>>("pixels");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QByteArray>("line");
        const QList<QRgb> flatRed(32, qRgb(0x7F, 1, 2));
        QTest::newRow("32 equal reds: coded, code 0011")
            << flatRed << ChannelCode::Red << Encode(rtData, 0x0011, QByteArray::fromHex("207f"));
        QTest::newRow("flat blue completes the block: 51")
            << flatRed << ChannelCode::Blue << Encode(rtData, 51, QByteArray::fromHex("2002"));
        const QList<QRgb> distinct{qRgb(1, 9, 3), qRgb(2, 9, 3), qRgb(3, 9, 4)};
        QTest::newRow("no equal neighbours: raw, code 1")
            << distinct << ChannelCode::Red << Encode(rtData, 1, QByteArray::fromHex("010203"));
        QTest::newRow("coded green: code 18") << distinct << ChannelCode::Green
                                             << Encode(rtData, 18, QByteArray::fromHex("0309"));
        // "\3\3\4" codes to four bytes: longer, so it goes raw.
        QTest::newRow("raw blue: code 35") << distinct << ChannelCode::Blue
                                            << Encode(rtData, 35, QByteArray::fromHex("030304"));
        // Coding to the same length is no gain either.
        const QList<QRgb> pairsOfTwo{qRgb(5, 0, 0), qRgb(5, 0, 0)};
        QTest::newRow("equal length goes raw") << pairsOfTwo << ChannelCode::Red
                                                << Encode(rtData, 1, QByteArray::fromHex("0505"));
    }
    void channelRecords()
    {
        QFETCH(QList<QRgb>, pixels);
        QFETCH(int, channel);
        QFETCH(QByteArray, line);
        TPictureBlock block;
        for (QRgb pixel : pixels)
            block.Colors[size_t(block.Count++)] = pixel;
        QCOMPARE(ChannelRecord(block, channel), line);
    }

    void assemblerRebuildsWhatWasSent()
    {
        TPictureBlock sent;
        for (int i = 0; i < 20; ++i)
            sent.Colors[size_t(sent.Count++)] = qRgb(i < 10 ? 200 : i, 7, 255 - i);
        TBlockAssembler assembler;
        for (int channel : {ChannelCode::Red, ChannelCode::Green}) {
            const QByteArray line = ChannelRecord(sent, channel);
            QVERIFY(!assembler.Add(*Parse(line.mid(1, line.size() - 3))));
        }
        const QByteArray blue = ChannelRecord(sent, ChannelCode::Blue);
        QVERIFY(assembler.Add(*Parse(blue.mid(1, blue.size() - 3))));
        QCOMPARE(assembler.Block(), sent);
    }

    void assemblerKeepsShortChannelsShort()
    {
        TBlockAssembler assembler;
        assembler.Add(Record(rtData, 1, "abcd"));
        assembler.Add(Record(rtData, 2, "ab"));
        QVERIFY(assembler.Add(Record(rtData, 35, QByteArray(40, 'z'))));
        QCOMPARE(assembler.Block().Count, 2);
        QVERIFY(!assembler.Add(Record(rtData, 0x24, "x"))); // channel 4 does not exist
    }

    void parameterRecordsReadBack()
    {
        using namespace TransferRecords;
        const auto parsed = [](const QByteArray &line) { return *Parse(line.mid(1, line.size() - 3)); };
        const TGeometry geometry = *GeometryOf(parsed(GeometryRecord({1920, 1080})));
        QCOMPARE(int(geometry.Width), 1920);
        QCOMPARE(int(geometry.FrameHeight), 1080);
        const TAnimation animation = *AnimationOf(parsed(AnimationRecord({12, 700})));
        QCOMPARE(int(animation.FrameCount), 12);
        QCOMPARE(int(animation.DelayMs), 700);
        const TDestination destination = *DestinationOf(parsed(DestinationRecord({0x42, 3})));
        QCOMPARE(int(destination.Flags), 0x42);
        QVERIFY(!GeometryOf(Record(rtParameter, pmGeometry, "ab")));
        QVERIFY(!GeometryOf(parsed(AnimationRecord({1, 1}))));
    }
};

MORLIX_TEST(IntelHexTest)
#include "tst_intelhex.moc"

#include "EventLoopWait.h"
#include "ScriptedDevice.h"
#include "TestRegistry.h"
#include "link/ComDriverMorlix.h"
#include "transfer/LogoFrameProcess.h"
#include "transfer/ThreadFrameRaw.h"
#include "transfer/ThreadFrameReceive.h"
#include "transfer/TransferMode.h"
#include "transfer/TransferRecords.h"

#include <QtTest>

using namespace IntelHex;
using namespace TransferRecords;

namespace {
constexpr int Patience = 10000;    // for what must happen
constexpr int LongTimeoutMs = 60000; // a timeout no test should reach
constexpr int ShortTimeoutMs = 100; // a timeout a test waits out on purpose

QByteArray Line(const QByteArray &encoded)
{
    return encoded.chopped(2);
}

// A link to a scripted device, a picture and a thread of either kind wired
// the way the loader window wires them.
struct TransferRig
{
    ScriptedDevice Device;
    TComDriverMorlix Link{3600 * 1000, 3600 * 1000};
    TLogoFrameProcess Picture;

    bool Connect()
    {
        Link.SetIPRemoteAddress("127.0.0.1");
        Link.SetIPRemotePort(Device.Port());
        Link.SetConType(ctTCP);
        Link.Open();
        return QTest::qWaitFor([&] { return Link.Opened(); }, Patience);
    }

    void SetPicture(const QImage &image)
    {
        Picture.SetBmpLoad(image);
        Picture.ApplyLumaKey();
    }

    void Wire(TThreadFrame &thread, uint8_t flags)
    {
        thread.SetDriver(&Link);
        thread.SetPicture(&Picture);
        thread.SetSettleDelayMs(0);
        thread.SetTransferModeCallback(TransferModeRequest(Link));
        thread.SetFlags(flags);
        thread.SetDestination(3);
    }

    bool LinkGivenBack()
    {
        return Link.ConMode() == cmVAR && Link.BaudRate() == 9600 && !Link.SetRecStringHandler({});
    }
};

QImage Filled(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(color);
    return image;
}

void UseTimeouts(TThreadFrameRaw &sender, int transfert, int erase = LongTimeoutMs)
{
    sender.SetTimeoutTransfert(transfert);
    sender.SetTimeoutErase(erase);
    sender.SetTimeoutWriteRepeat(LongTimeoutMs);
}

} // namespace

// The sender and the receiver against a device the test scripts record by
// record.
class ThreadFrameTest : public QObject
{
    Q_OBJECT
private slots:
    void flatPictureGoesAsBlocksAndRepeats()
    {
        TransferRig rig;
        QVERIFY(rig.Connect());
        rig.SetPicture(Filled(40, 1000, qRgb(10, 20, 30))); // 1250 blocks of 32
        TThreadFrameRaw sender;
        rig.Wire(sender, 2);
        UseTimeouts(sender, LongTimeoutMs);
        QList<int> progress;
        sender.SetWriteProgressCallback([&](int percent) { progress << percent; });
        QVERIFY(sender.Start());
        QVERIFY(WaitWithEvents([&] { return sender.Finished(); }, Patience));

        QVERIFY(sender.Succeeded());
        QVERIFY(rig.Device.ModeRequested);
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Types(),
                                  (QList<int>{rtParameter, rtParameter, rtParameter, rtParameter, rtData, rtData,
                                              rtData, rtRepeat, rtData, rtData, rtData, rtRepeat, rtEnd}),
                                  Patience);
        const QList<QByteArray> &lines = rig.Device.Lines;
        QCOMPARE(lines[0], Line(DestinationRecord({2 + 64, 3})));
        QCOMPARE(lines[1], Line(GeometryRecord({40, 1000})));
        QCOMPARE(lines[2], Line(AnimationRecord({1, 0})));
        QCOMPARE(lines[3], Line(CommandRecord(pmErase)));
        QCOMPARE(lines[4], Line(Encode(rtData, 0x11, QByteArray::fromHex("200a"))));
        QCOMPARE(lines[6], Line(Encode(rtData, 0x33, QByteArray::fromHex("201e"))));
        QCOMPARE(lines[7], Line(RepeatRecord(1001)));
        QCOMPARE(lines[11], Line(RepeatRecord(247)));
        QCOMPARE(progress.last(), 100);
        QCOMPARE(sender.EraseProgress(), 100);
        QCOMPARE(sender.Status(), QString());
        QVERIFY(rig.LinkGivenBack());
    }

    void interlacedTransferRepeatsTheHeadersForItsSecondPass()
    {
        TransferRig rig;
        QVERIFY(rig.Connect());
        rig.SetPicture(Filled(4, 3, qRgb(1, 2, 3)));
        TThreadFrameRaw sender;
        rig.Wire(sender, 2 + 32);
        UseTimeouts(sender, LongTimeoutMs);
        QVERIFY(sender.Start());
        QVERIFY(WaitWithEvents([&] { return sender.Finished(); }, Patience));
        QVERIFY(sender.Succeeded());
        QCOMPARE(rig.Device.Count(Line(DestinationRecord({34, 3}))), 1);
        QCOMPARE(rig.Device.Count(Line(DestinationRecord({34 + 64, 3}))), 1);
        QCOMPARE(rig.Device.Count(Line(CommandRecord(pmErase))), 2);
        // Rows 0 and 2 in one block, then row 1.
        QCOMPARE(rig.Device.Count(Line(Encode(rtData, 0x11, QByteArray::fromHex("0801")))), 1);
        QCOMPARE(rig.Device.Count(Line(Encode(rtData, 0x11, QByteArray::fromHex("0401")))), 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("refused");
        QTest::addColumn<QByteArray>("resent");
        QTest::addColumn<int>("timesSent");
        QTest::addColumn<bool>("succeeds");
        const QByteArray red = Line(Encode(rtData, 1, QByteArray::fromHex("010203")));
        QTest::newRow("destination header is sent again")
            << Line(DestinationRecord({66, 3})) << Line(DestinationRecord({66, 3})) << 2 << true;
        QTest::newRow("red channel is sent again") << red << red << 2 << true;
        QTest::newRow("geometry header is not, and the wait runs out")
            << Line(GeometryRecord({3, 1})) << Line(GeometryRecord({3, 1})) << 1 << false;
    }
    void refusals()
    {
        QFETCH(QByteArray, refused);
        QFETCH(QByteArray, resent);
        QFETCH(int, timesSent);
        QFETCH(bool, succeeds);
        TransferRig rig;
        QVERIFY(rig.Connect());
        QImage image(3, 1, QImage::Format_RGB888);
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, 0, qRgb(x + 1, x + 4, x + 7));
        rig.SetPicture(image);
        bool refusedOnce = false;
        rig.Device.Answer = [&](const QByteArray &line, int) {
            if (line == refused && !refusedOnce) {
                refusedOnce = true;
                return QByteArray(".0\r");
            }
            return QByteArray(".1\r");
        };
        TThreadFrameRaw sender;
        rig.Wire(sender, 2);
        UseTimeouts(sender, succeeds ? LongTimeoutMs : ShortTimeoutMs);
        QVERIFY(sender.Start());
        QVERIFY(WaitWithEvents([&] { return sender.Finished(); }, Patience));
        QCOMPARE(rig.Device.Count(resent), timesSent);
        QCOMPARE(sender.Succeeded(), succeeds);
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Types().last(), int(succeeds ? rtEnd : rtAbandon), Patience);
        QCOMPARE(sender.Status(), succeeds ? QString() : TThreadFrameRaw::NoAnswerStatus());
        QVERIFY(rig.LinkGivenBack());
    }

    void corruptAcknowledgementIsNoAcknowledgement()
    {
        TransferRig rig;
        QVERIFY(rig.Connect());
        rig.SetPicture(Filled(2, 2, qRgb(9, 9, 9)));
        // A ".1" wrapped as a record of type 14 with a wrong checksum.
        rig.Device.Answer = [](const QByteArray &, int) { return QByteArray(":00000014ED\r"); };
        TThreadFrameRaw sender;
        rig.Wire(sender, 2);
        UseTimeouts(sender, ShortTimeoutMs);
        QVERIFY(sender.Start());
        QVERIFY(WaitWithEvents([&] { return sender.Finished(); }, Patience));
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Types(), (QList<int>{rtParameter, rtAbandon}), Patience);
        QVERIFY(!sender.Succeeded());
    }

    void eraseProgressPushesTheEraseLimitOut_data()
    {
        QTest::addColumn<bool>("reportsProgress");
        QTest::newRow("silent erase runs out") << false;
        QTest::newRow("reported erase goes on") << true;
    }
    void eraseProgressPushesTheEraseLimitOut()
    {
        QFETCH(bool, reportsProgress);
        TransferRig rig;
        QVERIFY(rig.Connect());
        rig.SetPicture(Filled(2, 2, qRgb(9, 9, 9)));
        // The erase takes twice the erase limit; progress comes at a quarter of it.
        const int eraseLimitMs = 400;
        QTimer progress;
        int remaining = 100;
        QObject::connect(&progress, &QTimer::timeout, [&] {
            remaining -= 12;
            if (remaining > 0 && reportsProgress)
                rig.Device.Send(EraseProgressRecord(uint8_t(remaining)).chopped(1));
            if (remaining <= 0) {
                progress.stop();
                rig.Device.Send(".1\r");
            }
        });
        rig.Device.Answer = [&](const QByteArray &line, int) {
            if (line == Line(CommandRecord(pmErase))) {
                progress.start(eraseLimitMs / 4);
                return QByteArray();
            }
            return QByteArray(".1\r");
        };
        TThreadFrameRaw sender;
        rig.Wire(sender, 2);
        UseTimeouts(sender, LongTimeoutMs, eraseLimitMs);
        QList<int> erased;
        sender.SetEraseProgressCallback([&](int percent) { erased << percent; });
        QVERIFY(sender.Start());
        QVERIFY(WaitWithEvents([&] { return sender.Finished(); }, Patience));
        QCOMPARE(sender.Succeeded(), reportsProgress);
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Types().last(), int(reportsProgress ? rtEnd : rtAbandon), Patience);
        QCOMPARE(erased.first(), 0);
        if (reportsProgress) {
            QCOMPARE(erased[1], 12);
            QCOMPARE(erased.last(), 100);
        }
    }

    void operatorAbortsTheSender()
    {
        TransferRig rig;
        QVERIFY(rig.Connect());
        rig.SetPicture(Filled(2, 2, qRgb(9, 9, 9)));
        rig.Device.Answer = [](const QByteArray &line, int) {
            return line == Line(CommandRecord(pmErase)) ? QByteArray() : QByteArray(".1\r");
        };
        TThreadFrameRaw sender;
        rig.Wire(sender, 2);
        UseTimeouts(sender, LongTimeoutMs);
        QVERIFY(sender.Start());
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Lines.size(), 4, Patience);
        sender.Abort();
        QVERIFY(WaitWithEvents([&] { return sender.Finished(); }, Patience));
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Types().last(), int(rtAbandon), Patience);
        QCOMPARE(sender.Status(), QString("Transfer aborted by user."));
        QVERIFY(rig.LinkGivenBack());
    }

    void destroyingARunningThreadGivesTheLinkBack()
    {
        TransferRig rig;
        QVERIFY(rig.Connect());
        {
            TThreadFrameReceive receiver;
            rig.Device.Answer = [](const QByteArray &, int) { return QByteArray(); };
            rig.Wire(receiver, 2);
            QVERIFY(receiver.Start());
            QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Lines.size(), 1, Patience);
        }
        QVERIFY(rig.LinkGivenBack());
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Lines.last(), QByteArray(".0\r"), Patience);
    }

    void startWithoutALinkFails()
    {
        TThreadFrameRaw sender;
        QVERIFY(!sender.Start());
        QVERIFY(sender.Finished());
        QVERIFY(!sender.Running());
        QCOMPARE(sender.Status(), QString("Failure."));
    }

    void receiverRefusesTheStoredGeometry_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("status");
        QTest::newRow("nothing stored") << 0 << 0 << "No Logo or Frame Stored";
        QTest::newRow("more than any memory holds") << 65535 << 65535 << "Failure.";
    }
    void receiverRefusesTheStoredGeometry()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, status);
        TransferRig rig;
        QVERIFY(rig.Connect());
        rig.Device.Answer = [&](const QByteArray &line, int) {
            if (line == Line(CommandRecord(pmSendStored)))
                return DestinationRecord({2, 3}).chopped(1);
            if (line == ".1\r")
                return GeometryRecord({uint16_t(width), uint16_t(height)}).chopped(1);
            return line.startsWith(':') ? QByteArray(".1\r") : QByteArray();
        };
        TThreadFrameReceive receiver;
        rig.Wire(receiver, 2 + 32);
        QVERIFY(receiver.Start());
        QVERIFY(WaitWithEvents([&] { return receiver.Finished(); }, Patience));
        QCOMPARE(receiver.Status(), status);
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Lines.last(), QByteArray(".0\r"), Patience);
        QCOMPARE(rig.Device.Lines.first(), Line(DestinationRecord({34, 3})));
        QVERIFY(!receiver.Succeeded());
        QVERIFY(rig.Picture.BmpProcessed().isNull());
        QVERIFY(rig.LinkGivenBack());
    }

    void operatorAbortsTheReceiver()
    {
        TransferRig rig;
        QVERIFY(rig.Connect());
        rig.Device.Answer = [](const QByteArray &, int) { return QByteArray(); };
        TThreadFrameReceive receiver;
        rig.Wire(receiver, 2);
        QVERIFY(receiver.Start());
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Lines.size(), 1, Patience);
        receiver.Abort();
        QVERIFY(WaitWithEvents([&] { return receiver.Finished(); }, Patience));
        QTRY_COMPARE_WITH_TIMEOUT(rig.Device.Lines.last(), QByteArray(".0\r"), Patience);
        QCOMPARE(receiver.Status(), QString("Transfer aborted by user."));
        QVERIFY(rig.LinkGivenBack());
    }
};

MORLIX_TEST(ThreadFrameTest)
#include "tst_threadframe.moc"

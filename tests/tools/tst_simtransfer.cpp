#include "SimClient.h"
#include "TcpSimulator.h"
#include "TestRegistry.h"
#include "TransferClient.h"
#include "variables/VariableTable.h"

#include <QtTest>

using namespace TransferRecords;

namespace {
constexpr uint8_t Still = 2;
constexpr uint8_t Frame = 1;
constexpr uint8_t Animated = 3;
} // namespace

// Pictures sent into the simulated device's memories and read back out,
// through the application's own threads and link.
class SimTransferTest : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("frames");
        QTest::newRow("still logo") << MixedPicture(70, 21) << int(Still) << 1 << 1;
        QTest::newRow("still logo interlaced, odd height") << MixedPicture(45, 13) << Still + 32 << 4 << 1;
        QTest::newRow("frame, flat, interlaced") << MixedPicture(300, 2) << Frame + 32 << 1 << 1;
        QTest::newRow("animation of odd frames, interlaced") << MixedPicture(20, 15) << Animated + 32 << 5 << 3;
        QTest::newRow("animation of even frames") << MixedPicture(33, 16) << int(Animated) << 5 << 4;
    }
    void roundTrip()
    {
        QFETCH(QImage, picture);
        QFETCH(int, flags);
        QFETCH(int, number);
        QFETCH(int, frames);
        TcpSimulator sim;
        QVERIFY(sim.Opened);
        TransferClient client;
        QVERIFY(client.ConnectTcp(sim.Port()));
        QVERIFY(client.Upload(picture, uint8_t(flags), uint8_t(number), uint8_t(frames)));
        const QImage back = client.Download(uint8_t(flags), uint8_t(number));
        QCOMPARE(back, picture);
        QCOMPARE(int(client.Receiver.FrameCount()), frames);
        QCOMPARE(client.Receiver.FrameDelay(), frames > 1 ? 70 : 0);
    }

    void storedLogoIsReportedInPValid()
    {
        TcpSimulator sim;
        TransferClient client;
        QVERIFY(client.ConnectTcp(sim.Port()));
        QVERIFY(client.Upload(MixedPicture(8, 8), Still, 2));
        // The report reaches the link back in variable mode.
        QVERIFY(WaitWithEvents([&] { return client.Link.GetVar(PVALID) == 1 + 4; }, TransferClient::Patience));
        QCOMPARE(sim.Device.State().Value(PVALID), uint16_t(1 + 4));
    }

    // Bit 1 is logo 1, bit 2 logo 2, bit 3 the frame; the other memories
    // have none. An erase empties the memory even when the transfer is then
    // abandoned.
    void pValidFollowsLogosOneAndTwoAndTheFrame()
    {
        TcpSimulator sim;
        TransferClient client;
        QVERIFY(client.ConnectTcp(sim.Port()));
        const auto reported = [&](uint16_t valid) {
            return WaitWithEvents([&] { return client.Link.GetVar(PVALID) == valid; }, TransferClient::Patience);
        };
        QVERIFY(client.Upload(MixedPicture(8, 8), Frame, 1));
        QVERIFY(reported(1 + 8));
        QVERIFY(client.Upload(MixedPicture(8, 8), Still, 1));
        QVERIFY(reported(1 + 2 + 8));
        QVERIFY(client.Upload(MixedPicture(8, 8), Still, 3));
        QVERIFY(client.Upload(MixedPicture(8, 4), Animated, 5, 2));
        QTest::qWait(100);
        QCOMPARE(client.Link.GetVar(PVALID), uint16_t(1 + 2 + 8));


        // A second line to the same device, silent after the erase command.
        SimLink silentLine(std::make_unique<TcpEndpoint>(QHostAddress::LocalHost, 0), sim.Device,
                           TcpSimulator::Settings({0, 4, 0}));
        QString error;
        QVERIFY(silentLine.Endpoint().Open(&error));
        TransferClient second;
        second.Sender.SetTimeoutTransfert(100);
        QVERIFY(second.ConnectTcp(static_cast<TcpEndpoint &>(silentLine.Endpoint()).Port()));
        QVERIFY(!second.Upload(MixedPicture(8, 8), Frame, 1));
        QVERIFY(reported(1 + 2));
    }

    void emptyMemoryReadsBackAsNothingStored()
    {
        TcpSimulator sim;
        TransferClient client;
        QVERIFY(client.ConnectTcp(sim.Port()));
        QVERIFY(client.Download(Frame, 1).isNull());
        QCOMPARE(client.Receiver.Status(), QString("No Logo or Frame Stored"));
    }

    void refusedRedChannelIsSentAgain()
    {
        // Record 5 is the first red channel.
        TcpSimulator sim({5, 0, 0});
        TransferClient client;
        QVERIFY(client.ConnectTcp(sim.Port()));
        const QImage picture = MixedPicture(30, 1);
        QVERIFY(client.Upload(picture, Still, 1));
        QCOMPARE(client.Download(Still, 1), picture);
    }

    void silentDeviceIsAbandonedAndLeavesTransferMode()
    {
        TcpSimulator sim({0, 3, 0}); // silent from the erase command on
        TransferClient client;
        client.Sender.SetTimeoutErase(50);
        QVERIFY(client.ConnectTcp(sim.Port()));
        QVERIFY(!client.Upload(MixedPicture(8, 8), Still, 1));
        QCOMPARE(client.Sender.Status(), TThreadFrameRaw::NoAnswerStatus());
        // The abandon record put the device back in variable mode, empty.
        QVERIFY(client.Download(Still, 1).isNull());
        QCOMPARE(client.Receiver.Status(), QString("No Logo or Frame Stored"));
    }

    void eraseReportsProgress()
    {
        TcpSimulator sim({0, 0, 250});
        TransferClient client;
        client.Sender.SetTimeoutErase(TransferClient::Patience);
        QList<int> erased;
        client.Sender.SetEraseProgressCallback([&](int percent) { erased << percent; });
        QVERIFY(client.ConnectTcp(sim.Port()));
        QVERIFY(client.Upload(MixedPicture(8, 8), Still, 3));
        QCOMPARE(erased, (QList<int>{0, 20, 40, 60, 80, 100}));
    }

    void malformedRecordsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("wrong checksum") << QByteArray(":020001024203B7\r\n");
        QTest::newRow("length disagrees with data") << QByteArray(":030001024203B5\r\n");
        QTest::newRow("half a byte") << QByteArray(":020001024203B\r\n");
    }
    void malformedRecordsAreRefused()
    {
        QFETCH(QByteArray, record);
        TcpSimulator sim;
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("6PM");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray(".1\r"), TransferClient::Patience);
        client.Send(record);
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray(".1\r.0\r"), TransferClient::Patience);
    }

    // On a busy line the command that enters transfer mode, the line that
    // leaves it and the next command can all arrive in one chunk.
    void oneChunkAcrossBothModes()
    {
        TcpSimulator sim;
        SimClient client(sim.Port());
        QVERIFY(client.WaitConnected());
        client.Send("6PM.0\r\nRX");
        QTRY_COMPARE_WITH_TIMEOUT(client.Received, QByteArray(".1\rRX1024\r\n"), TransferClient::Patience);
    }
};

MORLIX_TEST(SimTransferTest)
#include "tst_simtransfer.moc"

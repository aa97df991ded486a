#include "SimDevice.h"
#include "TcpSimulator.h"
#include "TestRegistry.h"
#include "TransferClient.h"
#include "variables/VariableTable.h"

#include <QtTest>

namespace {

struct Reports
{
    explicit Reports(SimDevice &device)
    {
        QObject::connect(&device, &SimDevice::Report, &device, [this](const QByteArray &line) { Lines << line; });
    }
    QByteArrayList Lines;
};

constexpr uint8_t Still = 2;

// Runs PEXECUTE in the given mode and waits for the operation to end.
void Execute(SimDevice &device, uint16_t mode)
{
    device.Operations().SetStepInterval(1);
    device.Write(PMODE, -1, mode);
    device.Write(PEXECUTE, -1, 1);
    QTRY_VERIFY_WITH_TIMEOUT(!device.Operations().IsRunning(), 5000);
}

} // namespace

// The simulated device records, erases and measures pictures on the logos
// page's commands.
class SimCaptureTest : public QObject
{
    Q_OBJECT
private slots:
    void recordThenEraseFollowInPValid_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("validAfter");
        // Logo 1 and the frame hold pictures before each case (1 + 2 + 8).
        QTest::newRow("record logo 2") << 1 << 2 << 1 + 2 + 4 + 8;
        QTest::newRow("record frame ignores the index") << 3 << 1 << 1 + 2 + 8;
        QTest::newRow("erase logo 1") << 4 << 1 << 1 + 8;
        QTest::newRow("erase the frame row") << 4 << 3 << 1 + 2;
        QTest::newRow("erase frame") << 5 << 2 << 1 + 2;
    }
    void recordThenEraseFollowInPValid()
    {
        QFETCH(int, mode);
        QFETCH(int, index);
        QFETCH(int, validAfter);
        SimDevice device;
        device.Write(PCAPTURE_WIDTH, -1, 40);
        device.Write(PCAPTURE_HEIGHT, -1, 30);
        device.Write(PCAPTURE_INDEX, -1, 1);
        Execute(device, 1);
        Execute(device, 3);
        QCOMPARE(device.State().Value(PVALID), uint16_t(1 + 2 + 8));

        Reports reports(device);
        device.Write(PCAPTURE_INDEX, -1, uint32_t(index));
        Execute(device, uint16_t(mode));
        QCOMPARE(device.State().Value(PVALID), uint16_t(validAfter));
        QVERIFY(reports.Lines.contains("PV" + QByteArray::number(validAfter)));
    }

    void statusIndexReportsThatMemorysSize()
    {
        SimDevice device;
        device.Write(PCAPTURE_WIDTH, -1, 64);
        device.Write(PCAPTURE_HEIGHT, -1, 48);
        device.Write(PCAPTURE_INDEX, -1, 2);
        Execute(device, 1);
        Reports reports(device);
        device.Write(PSTATUS_INDEX, -1, 2);
        QCOMPARE(reports.Lines, (QByteArrayList{"Pi2", "Pw64", "Ph48"}));
        reports.Lines.clear();
        device.Write(PSTATUS_INDEX, -1, 1);
        QCOMPARE(reports.Lines, (QByteArrayList{"Pi1", "Pw0", "Ph0"}));
    }

    void rectangleTooLargeForALogoRecordsNothing()
    {
        SimDevice device;
        device.Write(PCAPTURE_WIDTH, -1, 2048);
        device.Write(PCAPTURE_HEIGHT, -1, 1200);
        device.Write(PCAPTURE_INDEX, -1, 1);
        Execute(device, 1);
        QCOMPARE(device.State().Value(PVALID), uint16_t(1));
    }

    void capturedLogoDownloadsAtItsSize()
    {
        TcpSimulator sim;
        QVERIFY(sim.Opened);
        sim.Device.Operations().SetStepInterval(1);
        TransferClient client;
        QVERIFY(client.ConnectTcp(sim.Port()));
        TComDriverMorlix &link = client.Link;
        link.SendVar(PMODE, 1);
        link.SendVar(PCAPTURE_WIDTH, 72);
        link.SendVar(PCAPTURE_HEIGHT, 40);
        link.SendVar(PCAPTURE_INDEX, 2);
        link.SendVar(PEXECUTE, 1);
        QVERIFY(WaitWithEvents([&] { return link.GetVar(PVALID) == 1 + 4; }, TransferClient::Patience));
        const QImage back = client.Download(Still, 2);
        QCOMPARE(back.size(), QSize(72, 40));
    }
};

MORLIX_TEST(SimCaptureTest)
#include "tst_simcapture.moc"

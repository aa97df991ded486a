#include "SimCommandParser.h"
#include "SimDevice.h"
#include "SimMirror.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
// Collects the device's reports in order.
struct ReportLog
{
    explicit ReportLog(SimDevice &device)
    {
        QObject::connect(&device, &SimDevice::Report, [this](const QByteArray &line) { Lines << line; });
    }
    QByteArrayList Take()
    {
        QByteArrayList taken;
        taken.swap(Lines);
        return taken;
    }
    QByteArrayList Lines;
};

void Send(SimDevice &device, const QByteArray &text)
{
    SimCommandParser parser;
    for (const SimCommand &command : parser.Feed(text))
        device.Execute(command);
}

// Every selectable element of every answering variable, compared with what
// a receiver of the reports holds.
void CompareMirror(const SimDevice &device, const SimMirror &mirror)
{
    for (int n = 0; n < VarTableSize; ++n) {
        if (n == AMX || n == XCR)
            continue;
        for (int e = 0; e < SimDeviceState::ElementCount(n); ++e) {
            const int index = VarTable[n].IndexVar;
            if (index != NoVar && (e < VarTable[index].Min || e > VarTable[index].Max))
                continue;
            const uint16_t expected = device.State().Value(n, e);
            // RHTOTAL's default lies below its range, so no receiver stores it.
            if (n == RHTOTAL && expected < VarTable[n].Min)
                continue;
            QVERIFY2(mirror.Value(n, e) == expected,
                     qPrintable(QStringLiteral("%1[%2]: %3, device %4").arg(VarTable[n].Name).arg(e)
                                    .arg(mirror.Value(n, e)).arg(expected)));
        }
    }
}
} // namespace

class SimDeviceTest : public QObject
{
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<QByteArrayList>("reports");
        QTest::newRow("type code") << QByteArray("?") << QByteArrayList{"DEV67"};
        QTest::newRow("device lost is silent") << QByteArray("0?") << QByteArrayList{};
        QTest::newRow("request") << QByteArray("RX") << QByteArrayList{"RX1024"};
        QTest::newRow("write") << QByteArray("100RX") << QByteArrayList{"RX100"};
        QTest::newRow("clamped above") << QByteArray("5000RX") << QByteArrayList{"RX2048"};
        QTest::newRow("clamped below") << QByteArray("1RG") << QByteArrayList{"RG5"};
        QTest::newRow("beyond 16 bits") << QByteArray("99999999RM") << QByteArrayList{"RM65535"};
        QTest::newRow("unsigned range above") << QByteArray("40000XV") << QByteArrayList{"XV32773"};
        QTest::newRow("unsigned range below") << QByteArray("0XV") << QByteArrayList{"XV32763"};
        QTest::newRow("default outside range reported") << QByteArray("RD") << QByteArrayList{"RD0"};
        QTest::newRow("write into that range") << QByteArray("0RD") << QByteArrayList{"RD200"};
        QTest::newRow("array request") << QByteArray("IZ") << QByteArrayList{"Ip1", "IZ0"};
        QTest::newRow("setting index and its status copy") << QByteArray("3IP") << QByteArrayList{"IP3", "Ip3"};
        QTest::newRow("array write") << QByteArray("3IP1IZ")
                                     << QByteArrayList{"IP3", "Ip3", "Ip3", "IZ1"};
        QTest::newRow("index beyond the status copy's reach") << QByteArray("4IXIW")
                                                              << QByteArrayList{"IX4", "IW0"};
        QTest::newRow("format name index") << QByteArray("5FI") << QByteArrayList{"FI5", "Fi5"};
        QTest::newRow("new input") << QByteArray("3Ic") << QByteArrayList{"Ic3", "IC3"};
        QTest::newRow("standby") << QByteArray("2wS") << QByteArrayList{"wS2", "ws1"};
        QTest::newRow("reference") << QByteArray("4XR")
                                   << QByteArrayList{"XR4", "XA4", "XF0", "XT6000", "OW720", "OH576", "XL1"};
        QTest::newRow("audio reference internal") << QByteArray("0AF") << QByteArrayList{"AF0", "Af0"};
        QTest::newRow("audio reference without S/PDIF") << QByteArray("1AF") << QByteArrayList{"AF1", "Af2"};
        QTest::newRow("master volume floor") << QByteArray("0AV") << QByteArrayList{"AV0", "Av78"};
        QTest::newRow("master volume unity") << QByteArray("29AV") << QByteArrayList{"AV29", "Av128"};
        QTest::newRow("channel level top") << QByteArray("2AP47AL")
                                           << QByteArrayList{"AP2", "Ap2", "Ap2", "AL47", "Ap2", "Al148"};
        QTest::newRow("AMX tags have no reply") << QByteArray("5AMAM7X,13X,13") << QByteArrayList{};
        QTest::newRow("resend flag 0") << QByteArray("0#") << QByteArrayList{"#0"};
        QTest::newRow("one-shot written 0") << QByteArray("0YS") << QByteArrayList{"YS0"};
    }

    void answers()
    {
        QFETCH(QByteArray, commands);
        QFETCH(QByteArrayList, reports);
        SimDevice device;
        ReportLog log(device);
        Send(device, commands);
        QCOMPARE(log.Lines, reports);
    }

    void fullResendLeavesReceiverEqualToDevice()
    {
        SimDevice device;
        SimDeviceState &state = device.State();
        state.Store(ILOAD, 3, 1);
        state.Store(INAME, 5, 17);
        state.Store(IFORMATLIST, 4, 200);
        state.Store(ZMHPOS, 8, 1234);
        state.Store(ALEVEL, 6, 40);
        state.Store(LANIPPORT, 2, 2000);
        state.Store(IPCHAN, 0, 2);
        state.Store(IPCHANSTATUS, 0, 2);
        state.Store(ZMINDEX, 0, 7);
        state.Store(HPOS, 0, 99);
        ReportLog log(device);
        Send(device, "1#");

        QCOMPARE(log.Lines.first(), QByteArray("#1"));
        QCOMPARE(log.Lines.last(), QByteArray("#0"));
        QCOMPARE(log.Lines.count("#1") + log.Lines.count("#0"), 2);
        SimMirror mirror;
        for (const QByteArray &line : log.Lines)
            QVERIFY2(mirror.Apply(line), line.constData());
        CompareMirror(device, mirror);
        // The indexes end where they were, so later array writes land right.
        QCOMPARE(mirror.Value(IPCHAN), uint16_t(2));
        QCOMPARE(mirror.Value(ZMINDEX), uint16_t(7));
        QCOMPARE(mirror.Value(IPCHANSTATUS), uint16_t(2));
    }

    void fullResendPutsIndexReportsBeforeEachElement()
    {
        SimDevice device;
        ReportLog log(device);
        Send(device, "1#");
        const int first = int(log.Lines.indexOf("IZ0"));
        QVERIFY(first >= 2);
        QCOMPARE(log.Lines.mid(first - 2, 3), (QByteArrayList{"IP1", "Ip1", "IZ0"}));
        // Input element 0 is never selected, so it is never sent.
        QVERIFY(!log.Lines.contains("IP0"));
        // IFORMATLIST elements 3 and 4 have no status index to go with them.
        const int fourth = int(log.Lines.indexOf("IX4"));
        QCOMPARE(log.Lines.mid(fourth, 2), (QByteArrayList{"IX4", "IW0"}));
        QVERIFY(!log.Lines.contains("NULL0"));
    }

    void frontPanelElementReachesReceiverUnderItsOwnIndex()
    {
        SimDevice device;
        ReportLog log(device);
        SimMirror mirror;
        Send(device, "1#");
        for (const QByteArray &line : log.Take())
            mirror.Apply(line);

        device.Write(ILOAD, 3, 1);
        device.Write(HPOS, -1, 10);
        for (const QByteArray &line : log.Lines)
            mirror.Apply(line);
        QCOMPARE(device.State().Value(ILOAD, 3), uint16_t(1));
        QCOMPARE(device.State().Value(IPCHAN), uint16_t(1));
        CompareMirror(device, mirror);
    }

    void oneShotReportsProgressAndEnds_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArrayList>("reports");
        QTest::newRow("short") << QByteArray("1Ia") << QByteArrayList{"Ia1", "Ia0"};
        QTest::newRow("long") << QByteArray("1ES")
                              << QByteArrayList{"ES1", "CK4", "CP0", "CK4", "CP25", "CK4", "CP50", "CK4",
                                                "CP75",  "CK4", "CP100", "CK0", "CP0", "ES0"};
    }

    void oneShotReportsProgressAndEnds()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArrayList, reports);
        SimDevice device;
        device.Operations().SetStepInterval(1);
        ReportLog log(device);
        Send(device, command);
        QTRY_COMPARE_WITH_TIMEOUT(log.Lines, reports, 5000);
    }

    void oneShotsQueueOneAfterTheOther()
    {
        SimDevice device;
        device.Operations().SetStepInterval(1);
        ReportLog log(device);
        Send(device, "1Ia1RK");
        QTRY_COMPARE_WITH_TIMEOUT(log.Lines, (QByteArrayList{"Ia1", "Ia0", "RK1", "RK0"}), 5000);
    }

    void storesAskToSave_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("varNumber");
        QTest::newRow("settings") << QByteArray("1YS") << int(STORE);
        QTest::newRow("EDID") << QByteArray("1ES") << int(EDIDSTORE);
        QTest::newRow("LAN") << QByteArray("1ns") << int(LANSTORE);
    }
    void storesAskToSave()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, varNumber);
        SimDevice device;
        device.Operations().SetStepInterval(1);
        QSignalSpy saved(&device, &SimDevice::StoreRequested);
        Send(device, command);
        QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 1, 5000);
        QCOMPARE(device.State().Value(varNumber), uint16_t(0));
    }

    void lanWritesLandInTheSelectedSlot()
    {
        // The dialog's write sequence: the selector, then the bytes of its slot.
        SimDevice device;
        ReportLog log(device);
        Send(device, "1na10nw2na254nz0na8000np");
        QCOMPARE(device.State().Value(LANIP4, 1), uint16_t(10));
        QCOMPARE(device.State().Value(LANIP1, 2), uint16_t(254));
        QCOMPARE(device.State().Value(LANIPPORT, 0), uint16_t(8000));
        QCOMPARE(device.State().Value(LANIP4, 0), VarTable[LANIP4].Default);
        // Each value is reported behind its slot's status index.
        QCOMPARE(log.Lines.mid(0, 4), (QByteArrayList{"na1", "nb1", "nb1", "nw10"}));
    }

    void factoryResetRestoresAndReportsDefaults()
    {
        SimDevice device;
        device.Operations().SetStepInterval(1);
        Send(device, "5RX3IP1IZ20AV");
        ReportLog log(device);
        SimMirror mirror;
        Send(device, "1YR");
        QTRY_COMPARE_WITH_TIMEOUT(log.Lines.value(log.Lines.size() - 1), QByteArray("YR0"), 5000);
        QCOMPARE(device.State(), SimDeviceState());
        // A receiver that had the changes sees every default come back.
        Send(device, "");
        for (const QByteArray &line : log.Lines)
            mirror.Apply(line);
        CompareMirror(device, mirror);
    }

    void resetsTouchOnlyTheirGroup_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("resetVar");
        QTest::addColumn<int>("keptVar");
        QTest::newRow("image") << QByteArray("1RR") << int(BRIGHTNESS) << int(HPOS);
        QTest::newRow("audio") << QByteArray("1Ar") << int(AMASTERVOLUME) << int(BRIGHTNESS);
        QTest::newRow("lan") << QByteArray("1nr") << int(LANNETMASK) << int(AMASTERVOLUME);
    }

    void resetsTouchOnlyTheirGroup()
    {
        QFETCH(QByteArray, command);
        QFETCH(int, resetVar);
        QFETCH(int, keptVar);
        SimDevice device;
        device.Operations().SetStepInterval(1);
        device.State().Store(resetVar, 0, 3);
        device.State().Store(keptVar, 0, 3);
        Send(device, command);
        QTRY_VERIFY_WITH_TIMEOUT(!device.Operations().IsRunning(), 5000);
        QCOMPARE(device.State().Value(resetVar), VarTable[resetVar].Default);
        QCOMPARE(device.State().Value(keptVar), uint16_t(3));
    }
};

MORLIX_TEST(SimDeviceTest)
#include "tst_simdevice.moc"

#include "SimDevice.h"
#include "SimProcess.h"
#include "TestRegistry.h"
#include "link/ComDriverMorlix.h"
#include "link/ResendProgress.h"
#include "variables/VariableAddress.h"
#include "variables/VariableTable.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The application's driver against the simulator: found by its type code,
// full resend, a mirror equal to the device's own state, and a serial line
// that goes away and comes back.
class DriverSimTest : public QObject
{
    Q_OBJECT
private slots:
    void fullResendMirrorsTheDevice()
    {
        SimProcess sim;
        QVERIFY(sim.Start({"--set", "HPOS=100", "--set", "ILOAD[3]=1", "--set", "ZMHPOS[8]=777",
                           "--set", "LANIPPORT[2]=9000", "--set", "GAMMA=20", "--set", "REFVPH=32770",
                           "--set", "IFORMATLIST[4]=200"}));

        TComDriverMorlix driver(20, 200);
        bool resendStarted = false;
        bool resendDone = false;
        connect(&driver, &TComDriver::OnBeforeVarChange, this, [&](int varNumber, quint16 value) {
            if (varNumber == DIESE && value == 1)
                resendStarted = true;
            else if (varNumber == DIESE && resendStarted)
                resendDone = true;
        });
        driver.SetIPRemoteAddress("127.0.0.1");
        driver.SetIPRemotePort(sim.Port);
        driver.SetConType(ctTCP);
        QVERIFY(driver.Open());
        // The watch goes on querying the device type, and each query clears
        // the cached DEV until the answer is back: stop it between a query and
        // the next, so that the mirror holds still.
        QTRY_VERIFY_WITH_TIMEOUT(driver.Connected() && resendDone && driver.GetVar(DEV) == 67, 10000);
        driver.Close();

        sim.Process.write("dump\n");
        QByteArray dump;
        QTRY_VERIFY_WITH_TIMEOUT((dump += sim.Process.readAllStandardOutput()).contains("LANPROTOCOL="), 10000);
        QTRY_VERIFY_WITH_TIMEOUT((dump += sim.Process.readAllStandardOutput()).endsWith('\n'), 10000);

        int compared = 0;
        for (const QByteArray &line : dump.split('\n')) {
            TVariableAssignment entry;
            if (!VariableAddress::ParseAssignment(QString::fromLatin1(line), entry, nullptr))
                continue;
            const int n = entry.Address.VarNumber;
            const int element = std::max(entry.Address.Element, 0);
            // The device never reports the elements no index can select.
            if (element < VariableAddress::FirstUsedElement(n) || element > VariableAddress::LastUsedElement(n))
                continue;
            QCOMPARE(QStringLiteral("%1=%2").arg(VariableAddress::TargetName(n, element)).arg(driver.GetVarElement(n, element)),
                     QString::fromLatin1(line.trimmed()));
            ++compared;
        }
        QCOMPARE(compared, 355);
        QCOMPARE(driver.GetVarElement(ZMHPOS, 8), uint16_t(777));
        QCOMPARE(driver.GetVar(REFVPH), uint16_t(32770));
    }

    // The resend's progress is counted against what a resend carries: it must
    // end at the end of the bar, not short of it or past it.
    void resendCarriesTheReportsTheProgressExpects()
    {
        SimDevice device;
        int reports = 0;
        connect(&device, &SimDevice::Report, this, [&](const QByteArray &line) {
            if (!line.startsWith('#'))
                ++reports;
        });
        SimCommand resend;
        resend.VarNumber = DIESE;
        resend.HasValue = true;
        resend.Value = 1;
        device.Execute(resend);
        QCOMPARE(reports, TResendProgress::ExpectedReports());
    }

    // The simulator restarted on the same pseudo-terminal path stands for a
    // USB adapter unplugged and plugged back in.
    void serialDeviceThatComesBackIsFoundAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("ttyMorlix");
        auto sim = std::make_unique<SimProcess>();
        QVERIFY(sim->Start({"--pty", path}));
        // The simulator tells its TCP port first; the terminal may follow.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 10000);

        TComDriverMorlix driver(20, 200);
        driver.SetSerialReopenIntervalMs(50);
        driver.SetQueryAllVarsOnConnect(false);
        int connectedChanges = 0;
        connect(&driver, &TComDriver::OnConnectedChange, this, [&] { ++connectedChanges; });
        driver.SetPort(path);
        driver.SetConType(ctRS232);
        QVERIFY(driver.Open());
        QTRY_VERIFY_WITH_TIMEOUT(driver.Connected(), 10000);

        sim.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!driver.Connected() && driver.AwaitingSerialPort(), 10000);
        sim = std::make_unique<SimProcess>();
        QVERIFY(sim->Start({"--pty", path}));
        QTRY_VERIFY_WITH_TIMEOUT(driver.Connected(), 10000);
        QVERIFY(driver.Opened());
        QCOMPARE(connectedChanges, 3);
    }
};

MORLIX_TEST(DriverSimTest)
#include "tst_driversim.moc"

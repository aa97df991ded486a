#include "SimProcess.h"
#include "TestRegistry.h"
#include "link/ComDriverMorlix.h"
#include "variables/VariableAddress.h"
#include "variables/VariableTable.h"

#include <QtTest>

// The application's driver against the simulator over TCP: found by its
// type code, full resend, and a mirror equal to the device's own state.
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
};

MORLIX_TEST(DriverSimTest)
#include "tst_driversim.moc"

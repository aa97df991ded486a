#include "../tools/RegisterSession.h"
#include "../tools/SimProcess.h"
#include "TestRegistry.h"
#include "console/ConsoleLogModel.h"
#include "console/Unit_Debug2007.h"
#include "link/ComDriverMorlix.h"

#include <QTemporaryDir>
#include <QtTest>

// A technician reading and writing registers of the simulated device from
// the console, over TCP.
class ConsoleRegistersTest : public QObject
{
    Q_OBJECT
private slots:
    void readWriteAndMasksThroughTheConsole()
    {
        SimProcess sim;
        QVERIFY(sim.Start());
        // No device watch (not even the query that goes with the opening):
        // the log holds only what the console asked for.
        TComDriverMorlix driver(600000, 600000);
        driver.SetForceConnection(true);
        driver.SetIPRemoteAddress("127.0.0.1");
        driver.SetIPRemotePort(sim.Port);
        driver.SetConType(ctTCP);
        driver.Open();
        QTRY_VERIFY_WITH_TIMEOUT(driver.Opened(), 10000);

        QTemporaryDir dir;
        TConsoleOptions options;
        options.FilePath = dir.filePath("Debug2007.ini");
        TForm_Debug2007 console(nullptr, options);
        console.SetDriver(&driver);
        const TConsoleLogModel &log = *console.Log();
        QStringList expected;
        for (const TRegisterStep &step : RegisterSession()) {
            console.AppendAndSend(QString::fromLatin1(step.Command));
            for (const QByteArray &reply : step.Replies)
                expected << QString::fromLatin1(reply);
            QTRY_COMPARE_WITH_TIMEOUT(log.LoggedRows(), int(expected.size()), 10000);
        }
        QStringList logged;
        for (int row = 0; row < log.LoggedRows(); ++row)
            logged << log.Text(row, TConsoleLogModel::ReceivedColumn);
        QCOMPARE(logged, expected);
        QCOMPARE(log.Text(log.LoggedRows() - 1, TConsoleLogModel::BinaryColumn), QStringLiteral("01100"));
        driver.Close();
    }
};

MORLIX_TEST(ConsoleRegistersTest)
#include "tst_consoleregisters.moc"

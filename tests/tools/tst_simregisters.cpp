#include "RegisterSession.h"
#include "SimCommandParser.h"
#include "SimDevice.h"
#include "SimProcess.h"
#include "SimStateFile.h"
#include "SimStorm.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
// The device's reports to the commands, in order.
QByteArrayList ReportsTo(SimDevice &device, const QByteArray &commands)
{
    QByteArrayList reports;
    const QMetaObject::Connection collecting =
        QObject::connect(&device, &SimDevice::Report, [&](const QByteArray &line) { reports << line; });
    SimCommandParser parser;
    for (const SimCommand &command : parser.Feed(commands))
        device.Execute(command);
    QObject::disconnect(collecting);
    return reports;
}
} // namespace

// The register file behind the service console's ADDRDBG and DATADBG.
class SimRegistersTest : public QObject
{
    Q_OBJECT
private slots:
    void readWriteAndMasks()
    {
        SimDevice device;
        for (const TRegisterStep &step : RegisterSession())
            QCOMPARE(ReportsTo(device, step.Command), step.Replies);
        const QList<QPair<QByteArray, QByteArrayList>> steps{
            {"@", {"ADBG4660"}},
            {"99999>", {"DDBG65535"}},
            {"0@", {"ADBG0", "DDBG0"}},
            {"4660@>", {"ADBG4660", "DDBG65535", "DDBG65535"}},
        };
        for (const auto &[commands, reports] : steps)
            QCOMPARE(ReportsTo(device, commands), reports);
        QCOMPARE(device.State().Registers().Read(4660), uint16_t(65535));
        QCOMPARE(device.State().Registers().Read(0), uint16_t(0));
    }

    void stateFileKeepsTheRegisters()
    {
        SimDevice device;
        ReportsTo(device, "65535@7>2@9>");
        const QStringList lines = SimStateFile::Lines(device.State());
        QCOMPARE(lines.mid(lines.size() - 2), QStringList({"REGISTER[2]=9", "REGISTER[65535]=7"}));

        SimDeviceState restored;
        QString error;
        QVERIFY2(SimStateFile::ApplyLines(restored, lines, &error), qPrintable(error));
        QVERIFY(restored == device.State());
        QCOMPARE(restored.Value(DATADBG), uint16_t(9));

        for (const char *bad : {"REGISTER[65536]=1", "REGISTER[1]=65536", "REGISTER[x]=1", "REGISTER[1]"}) {
            SimDeviceState state;
            QVERIFY2(!SimStateFile::ApplyLines(state, {"HPOS=5", QString::fromLatin1(bad)}, &error), bad);
            QVERIFY(error.startsWith("line 2:"));
        }
    }

    void registersOutliveTheSimulator()
    {
        QTemporaryDir dir;
        const QString state = dir.filePath("state.txt");
        {
            SimProcess sim;
            QVERIFY(sim.Start({"--state", state, "--set", "ADDRDBG=300"}));
            sim.Process.write("set DATADBG 4242\n");
        }
        SimProcess again;
        QVERIFY(again.Start({"--state", state}));
        again.Process.write("get DATADBG\n");
        QByteArray answer;
        QTRY_VERIFY_WITH_TIMEOUT((answer += again.Process.readAllStandardOutput()).contains("DATADBG=4242"), 10000);
    }

    void stormReportsTheScalarsAtItsRate()
    {
        SimDevice device;
        QByteArrayList reports;
        QObject::connect(&device, &SimDevice::Report, [&](const QByteArray &line) { reports << line; });
        SimStorm storm(device, 1000);
        storm.CatchUp(10);
        QCOMPARE(reports.size(), 10);
        // The resend marker and the type code are not part of it.
        QCOMPARE(reports.first(), QByteArray("ADBG0"));
        storm.CatchUp(20000);
        // After a stall it does not try to make up for all of it at once.
        QCOMPARE(storm.Sent(), 20000L);
        QCOMPARE(reports.size(), 1010);
        for (const QByteArray &line : reports) {
            QVERIFY2(!line.startsWith("DEV") && !line.startsWith('#') && !line.startsWith('$'), line.constData());
            QVERIFY2(!line.startsWith("IZ") && !line.startsWith("ZW"), line.constData()); // no arrays
        }
    }
};

MORLIX_TEST(SimRegistersTest)
#include "tst_simregisters.moc"

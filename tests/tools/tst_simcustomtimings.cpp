#include "SimCommandParser.h"
#include "SimDevice.h"
#include "SimStateFile.h"
#include "TestRegistry.h"
#include "variables/VariableTable.h"

#include <QtTest>

namespace {

struct CustomDevice
{
    CustomDevice()
    {
        QObject::connect(&device, &SimDevice::Report, [this](const QByteArray &line) { lines << line; });
    }
    QByteArrayList Send(const QByteArray &text)
    {
        lines.clear();
        for (const SimCommand &command : parser.Feed(text))
            device.Execute(command);
        return lines;
    }
    SimDevice device;
    SimCommandParser parser;
    QByteArrayList lines;
};

} // namespace

// The simulator's custom output timings: memories, loading and saving,
// names, totals, the full resend and the state file.
class SimCustomTimingsTest : public QObject
{
    Q_OBJECT
private slots:
    void loadReportsTheTimingThenTheName()
    {
        CustomDevice sim;
        sim.Send("2FP0FI65FN1FI66FN2FI0FN");
        const QByteArrayList lines = sim.Send("0FC1FX");
        QCOMPARE(lines.first(), QByteArray("FC0"));
        QCOMPARE(lines.at(1), QByteArray("FX1"));
        QVERIFY(lines.contains("FJ136"));
        QVERIFY(lines.contains("Fh1344"));
        QVERIFY(lines.contains("FT806"));
        const QByteArrayList tail = lines.mid(lines.size() - 10);
        QCOMPARE(tail, (QByteArrayList{"FI0", "Fi0", "FN65", "FI1", "Fi1", "FN66", "FI2", "Fi2", "FN0", "FX0"}));
        // Another memory has no name.
        sim.Send("3FP");
        QCOMPARE(sim.Send("1FX").mid(sim.lines.size() - 4), (QByteArrayList{"FI0", "Fi0", "FN0", "FX0"}));
    }

    void saveKeepsTheWorkingCopyInTheSelectedMemory()
    {
        CustomDevice sim;
        const SimDeviceState &state = sim.device.State();
        sim.Send("1FP200FJ1FA1Fs");
        sim.Send("1FC1FX");
        // Save To memory 5: the working copy goes there too, memory 1 is unchanged by it.
        sim.Send("300FJ4FP1FC1FX");
        sim.Send("136FJ0FA0Fs");
        sim.Send("1FP0FC1FX");
        QCOMPARE(state.Value(OCFULL_HSYNC), uint16_t(200));
        QCOMPARE(state.Value(OCADVANCED), uint16_t(1));
        QCOMPARE(state.Value(OCFULL_SCANTYPE), uint16_t(1));
        sim.Send("4FP1FX");
        QCOMPARE(state.Value(OCFULL_HSYNC), uint16_t(300));
        // Erase: the defaults and no name, loaded at once.
        sim.Send("0FI65FN");
        QCOMPARE(sim.Send("2FC1FX").contains("FJ136"), true);
        QCOMPARE(state.Value(OCFULL_HSYNC), uint16_t(136));
        QCOMPARE(state.CustomMemories().Memory(4).Name[0], uint8_t(0));
    }

    void totalsFollowTheFields()
    {
        CustomDevice sim;
        QCOMPARE(sim.Send("200FJ"), (QByteArrayList{"FJ200", "Fh1408", "FT806"}));
        // Interlaced: both fields' lines.
        sim.Send("540FU540Fu20Fb2Ff");
        QCOMPARE(sim.Send("1Fs"), (QByteArrayList{"Fs1", "Fh1408", QByteArray("FT") + QByteArray::number(6 + 29 + 3 + 540 + 6 + 20 + 2 + 540)}));
    }

    void fullResendSendsEveryName()
    {
        CustomDevice sim;
        sim.Send("6FP0FI90FN1FI0FN3FP");
        const QByteArrayList lines = sim.Send("1#");
        const qsizetype named = lines.indexOf("FP6");
        QVERIFY(named > 0);
        QCOMPARE(lines.mid(named + 1, 6), (QByteArrayList{"FI0", "Fi0", "FN90", "FI1", "Fi1", "FN0"}));
        QCOMPARE(lines.count("FP3"), 3); // in table order, for its own name, and again after the names
        QVERIFY(lines.lastIndexOf("FP3") > named);
        QCOMPARE(lines.last(), QByteArray("#0"));
    }

    void memoriesAreKeptInTheStateFile()
    {
        CustomDevice sim;
        sim.Send("7FP0FI88FN1FI89FN2FI0FN1024FJ1FC1FX");
        const QStringList lines = SimStateFile::Lines(sim.device.State());
        QVERIFY(lines.contains("OCMEMORY[7].OCFULL_HSYNC=1024"));
        QVERIFY(lines.contains("OCMEMORY[7].OCNAME[1]=89"));
        SimDeviceState restored;
        QString error;
        QVERIFY2(SimStateFile::ApplyLines(restored, lines, &error), qPrintable(error));
        QVERIFY(restored == sim.device.State());

        const QStringList bad[] = {{"OCMEMORY[8].OCFULL_HSYNC=1"}, {"OCMEMORY[0].HPOS=1"},
                                   {"OCMEMORY[0].OCNAME[12]=65"}, {"OCMEMORY[0].OCNAME=65"}, {"OCMEMORY[x]=1"}};
        for (const QStringList &line : bad) {
            SimDeviceState state;
            QVERIFY2(!SimStateFile::ApplyLines(state, line, &error), qPrintable(line.first()));
            QVERIFY(error.startsWith("line 1: "));
        }
    }
};

MORLIX_TEST(SimCustomTimingsTest)
#include "tst_simcustomtimings.moc"

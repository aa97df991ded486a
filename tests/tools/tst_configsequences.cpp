#include "SimProcess.h"
#include "TestRegistry.h"
#include "config/ConfigTotalFile.h"
#include "config/KeyValueFile.h"
#include "config/Unit_ConfigTotal.h"
#include "link/ComDriverMorlix.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
constexpr int Timeout = 20000;

// The commands the simulator received, in order, from its --log lines
// ("HH:MM:SS.mmm tcp <- 1Zi").
QStringList ReceivedCommands(QProcess &sim)
{
    // The simulator's output is read by the event loop: let it run until
    // nothing more comes.
    QByteArray log;
    for (QByteArray more = "-"; !more.isEmpty(); log += more) {
        QTest::qWait(100);
        more = sim.readAllStandardError();
    }
    QStringList commands;
    for (const QByteArray &line : log.split('\n')) {
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.size() == 4 && words[2] == "<-")
            commands << QString::fromLatin1(words[3]);
    }
    return commands;
}

QByteArray Get(const SimProcess &sim, const QStringList &targets)
{
    return RunCtl(QStringList{"--tcp", sim.Link(), "get"} + targets).Out;
}

// A device whose presets all differ from the table defaults.
QStringList NumberedPresets()
{
    QStringList options;
    for (int slot = 1; slot <= 8; ++slot)
        options << "--set" << QStringLiteral("ZMHPOS[%1]=%2").arg(slot).arg(100 + slot) << "--set"
                << QStringLiteral("ZMVSIZE[%1]=%2").arg(slot).arg(900 + slot);
    return options << "--set" << "ZMSCALE[4]=1";
}

// The application's driver on a simulator, connected.
struct TLinkedEngine
{
    explicit TLinkedEngine(quint16 port) : Driver(20, 200), Engine(Driver)
    {
        Driver.SetIPRemoteAddress("127.0.0.1");
        Driver.SetIPRemotePort(port);
        Driver.SetConType(ctTCP);
        Driver.SetQueryAllVarsOnConnect(false);
        Engine.SetMessageHandler([this](const QString &text) { Messages << text; });
        QObject::connect(&Engine, &TConfigTotal::Finished, [this](TConfigOutcome outcome) { Outcome = outcome; });
    }
    bool Open()
    {
        if (!Driver.Open())
            return false;
        QDeadlineTimer deadline(Timeout);
        while (!Driver.Connected() && !deadline.hasExpired())
            QTest::qWait(10);
        Driver.SetForceConnection(true);
        return Driver.Connected();
    }
    TComDriverMorlix Driver;
    TConfigTotal Engine;
    QStringList Messages;
    std::optional<TConfigOutcome> Outcome;
};

TZoomSlots ReportedDefaults()
{
    TZoomSlots zoom;
    for (int slot = 0; slot < ZoomSlots::SlotCount; ++slot)
        for (int varNumber : ZoomSlots::Variables)
            zoom.Set(varNumber, slot, VarTable[varNumber].Default);
    return zoom;
}
} // namespace

// The total configuration sequences against the simulator, as morlixctl and
// the engine run them, with a short tick.
class ConfigSequencesTest : public QObject
{
    Q_OBJECT
private slots:
    void fileWrittenThenReadBackSetsThePresetsInWireOrder()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("carry.mlx");
        {
            SimProcess source;
            QVERIFY(source.Start(NumberedPresets()));
            const CtlResult saved = RunCtl({"--tcp", source.Link(), "config", "save", file, "--caption", "1=Wide",
                                            "--caption", "2=Été", "--caption", "3=a=b"});
            QCOMPARE(saved.Err, QByteArray());
            QCOMPARE(saved.ExitCode, 0);
        }
        const ConfigTotalFile::TContent content = ConfigTotalFile::Load(file);
        QVERIFY(content.Ok);

        SimProcess target;
        QVERIFY(target.Start({"--log", "--set", "ZMHPOS[0]=4321", "--set", "ZMINDEX=3"}));
        const CtlResult loaded = RunCtl({"--tcp", target.Link(), "config", "load", file, "--tick", "10"}, Timeout);
        QCOMPARE(loaded.Err, QByteArray());
        QCOMPARE(loaded.ExitCode, 0);
        QVERIFY(loaded.Out.startsWith("CAPTION 1=Wide\nCAPTION 2=" + QString("Été").toLocal8Bit()
                                      + "\nCAPTION 3=a=b\nCAPTION 4=\n"));

        // Eight groups of ZMINDEX and five values, then ZMINDEX 0 and the
        // zoom in use as the device had it.
        QStringList expected;
        for (int slot = 1; slot <= 8; ++slot) {
            expected << QStringLiteral("%1Zi").arg(slot);
            for (int varNumber : ZoomSlots::Variables)
                expected << QStringLiteral("%1%2").arg(content.Slots.Value(varNumber, slot)).arg(VarTable[varNumber].SendMnemonic);
        }
        expected << "0Zi" << "0Zp" << "4321ZH" << "5000ZV" << "1000ZW" << "1000ZS";
        const QStringList commands = ReceivedCommands(target.Process);
        QCOMPARE(commands.mid(commands.indexOf("1Zi")), expected);

        QCOMPARE(Get(target, {"ZMINDEX"}), QByteArray("ZMINDEX=0\n"));
        QCOMPARE(Get(target, {"ZMHPOS[0]", "ZMHPOS[1]", "ZMHPOS[8]", "ZMVSIZE[5]", "ZMSCALE[4]"}),
                 QByteArray("ZMHPOS[0]=4321\nZMHPOS[1]=101\nZMHPOS[8]=108\nZMVSIZE[5]=905\nZMSCALE[4]=1\n"));
    }

    void unconfirmedIndexStartsAgainAfterTwentyOneTicksAndAbortStopsAllWrites()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("defaults.mlx");
        QCOMPARE(ConfigTotalFile::Save(file, ConfigTotalFile::Build(ReportedDefaults(), {})), QString());
        SimProcess sim;
        QVERIFY(sim.Start({"--log", "--ignore", "ZMINDEX"}));
        TLinkedEngine linked(sim.Port);
        QVERIFY(linked.Open());
        QVector<int> stepTwoTicks;
        connect(&linked.Engine, &TConfigTotal::Progress, this, [&](int step, int, int tick, int) {
            if (step == 2)
                stepTwoTicks << tick;
        });
        linked.Engine.SetTickInterval(5);
        QVERIFY(linked.Engine.StartFileRead(file, ReportedDefaults()));
        QTRY_VERIFY_WITH_TIMEOUT(stepTwoTicks.size() >= 3, Timeout);
        linked.Engine.Abort();
        QCOMPARE(linked.Outcome, std::optional(TConfigOutcome::Aborted));
        // Step 2 at tick 2, then 21 unconfirmed ticks at step 3 each time.
        QCOMPARE(stepTwoTicks.mid(0, 3), (QVector<int>{2, 24, 46}));
        QStringList commands = ReceivedCommands(sim.Process);
        commands.removeAll("?");
        QCOMPARE(commands, (QStringList{"1Zi", "1Zi", "1Zi"}));
        QVERIFY(linked.Messages.isEmpty());
    }

    void sequencesRefuseWithoutDeviceOrReport()
    {
        TComDriverMorlix driver(20, 200);
        TConfigTotal engine(driver);
        QStringList messages;
        engine.SetMessageHandler([&](const QString &text) { messages << text; });
        QVERIFY(!engine.StartPresetStore(5, ReportedDefaults()));
        QVERIFY(!engine.StartFileRead("x.mlx", ReportedDefaults()));
        QCOMPARE(messages, (QStringList{"Device not connected", "Device not connected"}));
        QCOMPARE(engine.Running(), TConfigSequence::None);

        SimProcess sim;
        QVERIFY(sim.Start());
        TLinkedEngine linked(sim.Port);
        QVERIFY(linked.Open());
        TZoomSlots partial = ReportedDefaults();
        partial.Set(ZMVPOS, 6, 0, false);
        QVERIFY(!linked.Engine.StartPresetRecall(6, partial));
        QVERIFY(linked.Messages.value(0).contains("preset 6"));
        QVERIFY(linked.Engine.StartPresetRecall(5, partial));
        linked.Engine.Abort();
    }

    void ctlPresetAndConfigExitCodes()
    {
        SimProcess sim;
        QVERIFY(sim.Start({"--log", "--set", "ZMHPOS[0]=1111", "--set", "ZMVSIZE[0]=2222"}));
        CtlResult result = RunCtl({"--tcp", sim.Link(), "preset", "store", "5", "--tick", "10"}, Timeout);
        QCOMPARE(result.Err, QByteArray());
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(Get(sim, {"ZMHPOS[5]", "ZMVSIZE[5]", "ZMHPOS[4]"}),
                 QByteArray("ZMHPOS[5]=1111\nZMVSIZE[5]=2222\nZMHPOS[4]=5000\n"));
        RunCtl({"--tcp", sim.Link(), "set", "ZMHPOS[0]=7", "ZMHPOS[6]=66"});
        result = RunCtl({"--tcp", sim.Link(), "preset", "recall", "6", "--tick", "10"}, Timeout);
        QCOMPARE(result.ExitCode, 0);
        QCOMPARE(Get(sim, {"ZMHPOS[0]", "ZMINDEX"}), QByteArray("ZMHPOS[0]=66\nZMINDEX=0\n"));

        // POSMEMORYRESET: presets back to the defaults, the zoom in use kept.
        RunCtl({"--tcp", sim.Link(), "set", "POSMEMORYRESET=1"});
        QTRY_COMPARE_WITH_TIMEOUT(Get(sim, {"ZMHPOS[5]", "ZMVSIZE[5]", "ZMHPOS[0]"}),
                                  QByteArray("ZMHPOS[5]=5000\nZMVSIZE[5]=1000\nZMHPOS[0]=66\n"), Timeout);

        QTemporaryDir dir;
        const QString damaged = dir.filePath("damaged.mlx");
        QStringList lines = ConfigTotalFile::Build(ReportedDefaults(), {});
        lines[4] = "ZMHPOS0=5001";
        QVERIFY(KeyValueFile::Write(damaged, lines));
        ReceivedCommands(sim.Process);
        const struct
        {
            QStringList Arguments;
            int ExitCode;
            QByteArray Error;
        } cases[] = {
            {{"config", "load", damaged}, 1, "morlixctl: Invalid ini file: File not compatible\n"},
            {{"config", "load", dir.filePath("none.mlx")}, 1,
             "morlixctl: " + dir.filePath("none.mlx").toLocal8Bit() + " does not exist\n"},
            {{"preset", "store", "9"}, 2, "morlixctl: usage: preset store|recall N [--tick MS] (N from 1 to 8)\n"},
            {{"config", "save", dir.filePath("c.mlx"), "--caption", "9=x"}, 2,
             "morlixctl: --caption takes N=TEXT with N from 1 to 8; usage: config save FILE.mlx [--caption "
             "N=TEXT]... | config load FILE.mlx [--tick MS]\n"},
        };
        for (const auto &c : cases) {
            result = RunCtl(QStringList{"--tcp", sim.Link()} + c.Arguments);
            QCOMPARE(result.ExitCode, c.ExitCode);
            QCOMPARE(result.Err, c.Error);
        }
        // None of the refused commands reached the device.
        QCOMPARE(ReceivedCommands(sim.Process), QStringList());
    }
};

MORLIX_TEST(ConfigSequencesTest)
#include "tst_configsequences.moc"

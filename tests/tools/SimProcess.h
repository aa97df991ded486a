#pragma once
// The simulator and the client as the processes an operator runs.
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtCore/qtestsupport_core.h>

inline QString SimulatorPath()
{
    return QStringLiteral(MORLIX_BINARY_DIR "/tools/morlix-sim/morlix-sim");
}

// The first line the simulator prints ("listening on ..."), waiting up to
// about ten seconds for it; empty when none came.
inline QString ListeningLine(QProcess &process)
{
    QByteArray output;
    for (int i = 0; i < 100 && !output.contains('\n'); ++i) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
    }
    const qsizetype end = output.indexOf('\n');
    return end < 0 ? QString() : QString::fromLocal8Bit(output.left(end));
}

// The port the simulator reports on its first line of output, 0 if none.
inline quint16 ListeningPort(QProcess &process)
{
    static const QRegularExpression pattern(QStringLiteral("listening on tcp [0-9.]+:(\\d+)"));
    return quint16(pattern.match(ListeningLine(process)).captured(1).toUInt());
}

inline QString CtlPath()
{
    return QStringLiteral(MORLIX_BINARY_DIR "/tools/morlixctl/morlixctl");
}

struct CtlResult
{
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

// Runs the client to its end; with servingEvents, this thread's event loop
// runs meanwhile, for a device the test plays itself.
inline CtlResult RunCtl(const QStringList &arguments, int timeoutMs = 10000, bool servingEvents = false)
{
    QProcess process;
    process.start(CtlPath(), arguments);
    CtlResult result;
    const bool finished =
        servingEvents ? QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, timeoutMs)
                      : process.waitForFinished(timeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(timeoutMs);
        return result;
    }
    result.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.Out = process.readAllStandardOutput();
    result.Err = process.readAllStandardError();
    return result;
}

// A simulator on a port the system chooses, stopped with the object.
class SimProcess
{
public:
    bool Start(const QStringList &options = {})
    {
        Process.start(SimulatorPath(), QStringList{"--tcp", "0"} + options);
        if (!Process.waitForStarted(5000))
            return false;
        Port = ListeningPort(Process);
        return Port != 0;
    }

    ~SimProcess()
    {
        if (Process.state() == QProcess::NotRunning)
            return;
        Process.write("quit\n");
        if (!Process.waitForFinished(5000))
            Process.kill();
    }

    // The client's link option for this simulator.
    QString Link() const { return QStringLiteral("127.0.0.1:%1").arg(Port); }

    QProcess Process;
    quint16 Port = 0;
};

#include "SimOptions.h"
#include "SimFrontPanel.h"
#include "SimCustomMemories.h"
#include "variables/VariableAddress.h"
#include "variables/VariableTable.h"

#include <QCommandLineParser>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

struct OptionSet
{
    QCommandLineOption Tcp{"tcp", "Listen for one TCP client at a time on PORT.", "PORT"};
    QCommandLineOption Udp{"udp", "Answer UDP datagrams on PORT.", "PORT"};
    QCommandLineOption Bind{"bind", "Address to listen on (default 127.0.0.1).", "ADDR", "127.0.0.1"};
    QCommandLineOption Pty{"pty", "Create a pseudo-terminal with a symbolic link at PATH.", "PATH"};
    QCommandLineOption Serial{"serial", "Use the serial DEVICE.", "DEVICE"};
    QCommandLineOption Latency{"latency", "Delay every report by MS milliseconds.", "MS"};
    QCommandLineOption Baud{"baud", "Pace both directions at N/10 bytes per second.", "N"};
    QCommandLineOption Silent{"silent", "Answer nothing."};
    QCommandLineOption DropEvery{"drop-every", "Drop every Nth report.", "N"};
    QCommandLineOption NoiseEvery{"noise-every", "Send a garbage line before every Nth report.", "N"};
    QCommandLineOption CloseAfter{"close-after", "Close the connection after N reports.", "N"};
    QCommandLineOption State{"state", "Load the state from FILE; save it on STORE, EDIDSTORE, LANSTORE and at exit.", "FILE"};
    QCommandLineOption Set{"set", "Start with NAME=VALUE (NAME[i]=VALUE for an element, OCMEMORY[m].NAME=VALUE for a custom memory); repeatable.", "NAME=VALUE"};
    QCommandLineOption Log{"log", "Print every command and report, and every TCP client that connects or leaves, on standard error."};
    QCommandLineOption OperationStep{"op-step", "Duration of one step of a one-shot operation (default 200).", "MS"};
    QCommandLineOption NackEvery{"nack-every", "Refuse every Nth transfer record with \".0\".", "N"};
    QCommandLineOption NoAckAfter{"no-ack-after", "Answer no transfer record after the Nth.", "N"};
    QCommandLineOption EraseMs{"erase-ms", "Make an erase take MS milliseconds, with progress reports.", "MS"};
    QCommandLineOption Storm{"storm", "Report N lines a second, the scalar variables round and round.", "N"};
    QCommandLineOption SwitchMs{"switch-ms", "Time an input switch takes, ICHN to ICH (default 300).", "MS"};
    QCommandLineOption Signal{"signal",
                              "Start with a source on input N of detected format FORMAT (0 to 33); "
                              "N:FORMAT:hdcp for an HDCP source; repeatable.",
                              "N:FORMAT"};
    QCommandLineOption Ignore{"ignore", "Leave writes of variable VAR unanswered and unapplied; repeatable.", "VAR"};

    void AddTo(QCommandLineParser &parser) const
    {
        parser.addOptions({Tcp, Udp, Bind, Pty, Serial, Latency, Baud, Silent, DropEvery, NoiseEvery, CloseAfter,
                           State, Set, Log, OperationStep, NackEvery, NoAckAfter, EraseMs, SwitchMs, Signal, Storm,
                           Ignore});
    }
};

bool ReadNumber(const QCommandLineParser &parser, const QCommandLineOption &option, int maximum, int &out,
                QString *error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    if (!ok || value < 0 || value > maximum) {
        if (error)
            *error = QStringLiteral("--%1 needs a number from 0 to %2, not %3")
                         .arg(option.names().first())
                         .arg(maximum)
                         .arg(parser.value(option));
        return false;
    }
    out = value;
    return true;
}

bool ReadPort(const QCommandLineParser &parser, const QCommandLineOption &option, std::optional<quint16> &out,
              QString *error)
{
    int port = -1;
    if (!ReadNumber(parser, option, 65535, port, error))
        return false;
    if (port >= 0)
        out = quint16(port);
    return true;
}

} // namespace

QString SimOptions::HelpText()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Morlix video scaler: speaks the device's text protocol."));
    OptionSet().AddTo(parser);
    parser.addHelpOption();
    return parser.helpText() + QStringLiteral("\nFront panel, one command a line on standard input:\n")
           + SimFrontPanel::HelpText();
}

bool SimOptions::Parse(const QStringList &arguments, SimOptions &out, QString *error)
{
    QCommandLineParser parser;
    const OptionSet options;
    options.AddTo(parser);
    if (!parser.parse(arguments)) {
        if (error)
            *error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        if (error)
            *error = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }
    const int large = 1000000000;
    SimFaultSettings &faults = out.Line.Faults;
    if (!ReadPort(parser, options.Tcp, out.TcpPort, error) || !ReadPort(parser, options.Udp, out.UdpPort, error)
        || !ReadNumber(parser, options.Latency, large, out.Line.LatencyMs, error)
        || !ReadNumber(parser, options.Baud, large, out.Line.Baud, error)
        || !ReadNumber(parser, options.DropEvery, large, faults.DropEvery, error)
        || !ReadNumber(parser, options.NoiseEvery, large, faults.NoiseEvery, error)
        || !ReadNumber(parser, options.CloseAfter, large, faults.CloseAfter, error)
        || !ReadNumber(parser, options.OperationStep, large, out.OperationStepMs, error)
        || !ReadNumber(parser, options.NackEvery, large, out.Line.Transfer.NackEvery, error)
        || !ReadNumber(parser, options.NoAckAfter, large, out.Line.Transfer.NoAckAfter, error)
        || !ReadNumber(parser, options.EraseMs, large, out.Line.Transfer.EraseMs, error)
        || !ReadNumber(parser, options.SwitchMs, large, out.SwitchMs, error)
        || !ReadNumber(parser, options.Storm, 100000, out.StormLinesPerSecond, error))
        return false;
    faults.Silent = parser.isSet(options.Silent);
    out.BindAddress = parser.value(options.Bind);
    if (QHostAddress(out.BindAddress).isNull()) {
        if (error)
            *error = QStringLiteral("--bind needs an IP address, not %1").arg(out.BindAddress);
        return false;
    }
    out.PtyPath = parser.value(options.Pty);
    out.SerialDevice = parser.value(options.Serial);
    out.StateFile = parser.value(options.State);
    out.Log = parser.isSet(options.Log);
    out.Assignments = parser.values(options.Set);
    for (const QString &assignment : out.Assignments) {
        TVariableAssignment parsed;
        QString reason;
        SimCustomMemories memories;
        if (SimCustomMemories::IsMemoryLine(assignment) ? !memories.ApplyLine(assignment, &reason)
                                                        : !VariableAddress::ParseAssignment(assignment, parsed, &reason)) {
            if (error)
                *error = QStringLiteral("--set %1").arg(reason);
            return false;
        }
    }
    static const QRegularExpression signal(QStringLiteral("^[1-5]:([0-9]|[12][0-9]|3[0-3])(:hdcp)?$"));
    for (const QString &source : parser.values(options.Signal)) {
        if (!signal.match(source).hasMatch()) {
            if (error)
                *error = QStringLiteral("--signal needs N:FORMAT (input 1 to 5, format 0 to 33), not %1").arg(source);
            return false;
        }
        out.Signals << source;
    }
    for (const QString &name : parser.values(options.Ignore)) {
        const int varNumber = VariableAddress::VarNumberOf(name);
        if (varNumber == NoVar) {
            if (error)
                *error = QStringLiteral("--ignore needs a variable name or number, not %1").arg(name);
            return false;
        }
        out.IgnoredWrites.insert(varNumber);
    }
    if (!out.HasTransport()) {
        if (error)
            *error = QStringLiteral("no transport: give --tcp, --udp, --pty or --serial");
        return false;
    }
    return true;
}

// morlix-sim: a simulated Morlix on TCP, UDP, a pseudo-terminal or a serial
// line, with a front panel on standard input.
#include "ConsoleInput.h"
#include "PtyEndpoint.h"
#include "QuitSignalWatcher.h"
#include "SerialEndpoint.h"
#include "SimDevice.h"
#include "SimFrontPanel.h"
#include "SimLink.h"
#include "SimLog.h"
#include "SimOptions.h"
#include "SimStateFile.h"
#include "SimStorm.h"
#include "TcpEndpoint.h"
#include "UdpEndpoint.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHostAddress>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int DefaultSerialBaud = 9600;

void PrintLine(FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stream);
}

std::vector<std::unique_ptr<SimEndpoint>> MakeEndpoints(const SimOptions &options)
{
    std::vector<std::unique_ptr<SimEndpoint>> endpoints;
    const QHostAddress address(options.BindAddress);
    if (options.TcpPort)
        endpoints.push_back(std::make_unique<TcpEndpoint>(address, *options.TcpPort));
    if (options.UdpPort)
        endpoints.push_back(std::make_unique<UdpEndpoint>(address, *options.UdpPort));
    if (!options.PtyPath.isEmpty())
        endpoints.push_back(std::make_unique<PtyEndpoint>(options.PtyPath));
    if (!options.SerialDevice.isEmpty())
        endpoints.push_back(std::make_unique<SerialEndpoint>(
            options.SerialDevice, options.Line.Baud > 0 ? options.Line.Baud : DefaultSerialBaud));
    return endpoints;
}

bool PrepareState(const SimOptions &options, SimDeviceState &state, QString *error)
{
    // A state file that does not exist yet is created by the first save.
    if (!options.StateFile.isEmpty() && QFileInfo::exists(options.StateFile)
        && !SimStateFile::Load(options.StateFile, state, error))
        return false;
    return SimStateFile::ApplyLines(state, options.Assignments, error);
}

void SaveState(const SimOptions &options, const SimDeviceState &state)
{
    QString error;
    if (!options.StateFile.isEmpty() && !SimStateFile::Save(options.StateFile, state, &error))
        PrintLine(stderr, QStringLiteral("morlix-sim: cannot save %1: %2").arg(options.StateFile, error));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Watch the signals before anything announces that the simulator is up.
    QuitSignalWatcher quitSignals;
    QObject::connect(&quitSignals, &QuitSignalWatcher::QuitRequested, &app, &QCoreApplication::quit);
    const QStringList arguments = app.arguments();
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        PrintLine(stdout, SimOptions::HelpText());
        return 0;
    }
    SimOptions options;
    QString error;
    if (!SimOptions::Parse(arguments, options, &error)) {
        PrintLine(stderr, QStringLiteral("morlix-sim: %1").arg(error));
        return 2;
    }
    SimLog::SetEnabled(options.Log);

    SimDevice device;
    device.Operations().SetStepInterval(options.OperationStepMs);
    device.Signals().SetSwitchDelay(options.SwitchMs);
    device.SetIgnoredWrites(options.IgnoredWrites);
    if (!PrepareState(options, device.State(), &error)) {
        PrintLine(stderr, QStringLiteral("morlix-sim: %1").arg(error));
        return 1;
    }
    for (const QString &source : options.Signals)
        device.Signals().Command(source.split(QLatin1Char(':')));

    std::vector<std::unique_ptr<SimLink>> links;
    for (std::unique_ptr<SimEndpoint> &endpoint : MakeEndpoints(options)) {
        if (!endpoint->Open(&error)) {
            PrintLine(stderr, QStringLiteral("morlix-sim: %1").arg(error));
            return 1;
        }
        PrintLine(stdout, QStringLiteral("morlix-sim: listening on %1").arg(endpoint->Description()));
        links.push_back(std::make_unique<SimLink>(std::move(endpoint), device, options.Line));
    }

    SimFrontPanel frontPanel(device);
    ConsoleInput console(0);
    QObject::connect(&console, &ConsoleInput::LineRead, &frontPanel, [&frontPanel](const QString &line) {
        const QString answer = frontPanel.Handle(line);
        if (!answer.isEmpty())
            PrintLine(stdout, answer);
    });
    QObject::connect(&frontPanel, &SimFrontPanel::DisconnectRequested, [&links] {
        for (auto &link : links)
            link->Endpoint().DropClient();
    });
    QObject::connect(&frontPanel, &SimFrontPanel::FaultsSwitched, [&links](bool enabled) {
        for (auto &link : links)
            link->SetFaultsEnabled(enabled);
    });
    QObject::connect(&frontPanel, &SimFrontPanel::QuitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    QObject::connect(&device, &SimDevice::StoreRequested, [&] { SaveState(options, device.State()); });

    SimStorm storm(device, options.StormLinesPerSecond);
    storm.Start();

    const int status = app.exec();
    SaveState(options, device.State());
    return status;
}

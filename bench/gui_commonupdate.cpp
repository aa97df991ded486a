// The common update over a full resend: the simulator's device model (in
// process, with the demo's running inputs and output) reports every
// variable, and the whole main window, every page built, takes the reports
// one line at a time as the link delivers them.
//
// Prints, per resend: the reports that ran the update, the update's CPU
// time over them, the window's CPU time for the whole resend and both as a
// share of the resend's wire time at 9600 baud. The update is timed by
// running it once more after each report that ran it, on the same state.
//
//     QT_QPA_PLATFORM=offscreen build-test/bench/gui_commonupdate [resends]
#include "SimDevice.h"
#include "helper_benchwindow.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/Unit_Main.h"
#include "mainwindow/pages/PageModels.h"
#include "variables/VariableTable.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The resend's lines as the simulator sends them.
QByteArrayList FullResend()
{
    SimDevice device;
    const std::pair<int, int> demo[] = {{OFORMAT, 6}, {ORATE, 6}, {REFREQUEST, 2}, {OPATTERN, 0}, {ICHN, 1}};
    for (const auto &[varNumber, value] : demo)
        device.Write(varNumber, -1, uint32_t(value));
    for (const auto &[input, type, format] : {std::tuple{1, 6, 16}, {2, 8, 30}, {3, 12, 13}}) {
        device.Write(ITYPE, input, uint32_t(type));
        device.Write(INAME, input, uint32_t(format));
        device.Write(IUSED, input, 1);
    }
    QByteArrayList lines;
    QObject::connect(&device, &SimDevice::Report, [&](const QByteArray &line) { lines << line + "\r\n"; });
    device.Write(DIESE, -1, 1);
    return lines;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int resends = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const QByteArrayList lines = FullResend();
    qint64 bytes = 0;
    for (const QByteArray &line : lines)
        bytes += line.size();
    // 8 data bits, a start and a stop bit per byte.
    const double wireSeconds = double(bytes) * 10.0 / 9600.0;

    QTemporaryDir dir;
    TForm_Main window(BenchWindowOptions(dir));
    window.Initialise();
    window.show();
    TComDriverMorlix &driver = window.Driver();
    TCommonUpdate &update = window.Models().CommonUpdate;

    double updateCpu = 0;
    double resendCpu = 0;
    int runs = 0;
    for (int round = 0; round < resends; ++round) {
        for (const QByteArray &line : lines) {
            const int before = update.RunCount();
            const double start = CpuSeconds();
            driver.ReceiveChunk(line);
            resendCpu += CpuSeconds() - start;
            if (update.RunCount() == before)
                continue;
            runs += update.RunCount() - before;
            const double again = CpuSeconds();
            update.Run();
            updateCpu += CpuSeconds() - again;
        }
        QApplication::processEvents();
    }
    const double perUpdate = updateCpu / resends;
    const double perResend = resendCpu / resends;
    std::printf("full resend: %d lines, %lld bytes, %.2f s on the wire at 9600 baud\n", int(lines.size()),
                bytes, wireSeconds);
    std::printf("common update: %d runs per resend, %.2f ms CPU per resend (%.3f %% of the wire time), %.1f us a run\n",
                runs / resends, perUpdate * 1e3, 100.0 * perUpdate / wireSeconds, 1e6 * updateCpu / std::max(runs, 1));
    std::printf("whole window: %.2f ms CPU per resend (%.3f %% of the wire time), average of %d resends\n",
                perResend * 1e3, 100.0 * perResend / wireSeconds, resends);
    // The budget: the resend may cost the window at most 1 % of its wire time.
    return perResend < wireSeconds / 100.0 ? 0 : 1;
}

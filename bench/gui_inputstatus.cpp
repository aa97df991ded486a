// The status page while the active input's signal changes ten times a second
// (a cable being plugged in and out, a source cycling its formats): the
// simulator switches the signal of input 1 between VGA and SVGA for the given
// number of seconds (default 60) while the whole main window runs here.
//
// Prints the window process's CPU time over the run and whether the status
// page shows the simulator's last measurement once the reports have arrived
// (a report shown late or lost would leave an older format or frequency).
//
//     QT_QPA_PLATFORM=offscreen build-test/bench/gui_inputstatus [seconds]
#include "SimProcess.h"
#include "helper_benchwindow.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/ConnectionChoice.h"
#include "mainwindow/ConnectionOverlay.h"
#include "mainwindow/Unit_Main.h"
#include "mainwindow/pages/InputSection.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Waits in the event loop, as the program does between reports.
void RunEventsFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 60;
    SimProcess sim;
    if (!sim.Start({"--signal", "1:16", "--set", "ITYPE[1]=6"})) {
        std::fprintf(stderr, "gui_inputstatus: the simulator did not start\n");
        return 1;
    }
    QTemporaryDir dir;
    TForm_Main window(BenchWindowOptions(dir));
    window.Initialise();
    window.show();
    TConnectionChoice choice;
    choice.Type = ctTCP;
    choice.RemoteAddress = "127.0.0.1";
    choice.RemotePort = sim.Port;
    choice.LocalPort = 0;
    window.ApplyConnection(choice);
    QElapsedTimer waited;
    waited.start();
    while (window.Overlay()->isVisible() && waited.elapsed() < 20000)
        RunEventsFor(50);
    if (window.Overlay()->isVisible()) {
        std::fprintf(stderr, "gui_inputstatus: no mirror from the simulator\n");
        return 1;
    }

    const double cpuBefore = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    int changes = 0;
    for (; clock.elapsed() < seconds * 1000LL; ++changes) {
        sim.Process.write(changes % 2 == 0 ? "signal 1 17\n" : "signal 1 16\n");
        const qint64 next = (changes + 1) * 100LL;
        RunEventsFor(int(std::max<qint64>(0, next - clock.elapsed())));
    }
    const double cpu = CpuSeconds() - cpuBefore;
    const double wall = clock.elapsed() / 1000.0;
    RunEventsFor(500);

    // The last change put format (changes - 1) % 2 == 0 ? SVGA : VGA on input 1.
    const bool svga = (changes - 1) % 2 == 0;
    QTableWidget *grid = window.InputSection()->StatusGrid();
    const QString expected[] = {svga ? "800  x 600 ( SVGA )" : "640  x 480 ( VGA )",
                                svga ? "H & V Sync. ( H + , V + ) " : "H & V Sync. ( H - , V - ) ",
                                svga ? "37.9KHz" : "31.5KHz", svga ? "60.32Hz" : "59.94Hz"};
    int late = 0;
    for (int row = 1; row <= 4; ++row)
        if (grid->item(row, 1)->text() != expected[row - 1]) {
            ++late;
            std::printf("row %d shows \"%s\", the device holds \"%s\"\n", row,
                        qPrintable(grid->item(row, 1)->text()), qPrintable(expected[row - 1]));
        }
    std::printf("signal changes: %d in %.1f s\n", changes, wall);
    std::printf("window process CPU: %.2f s (%.1f %% of one core)\n", cpu, 100.0 * cpu / wall);
    std::printf("status rows behind the device at the end: %d\n", late);
    return late == 0 ? 0 : 1;
}

// The application under a reply storm: morlix-sim reports 1000 lines a
// second (--storm) for a minute while the service console is shown and logs
// them. Every five seconds the process's CPU use over the last five seconds,
// its resident memory, the heap its allocations hold and the console's log
// rows are printed; the counters give the first and the last sample.
//
// MORLIX_STORM_SECONDS and MORLIX_STORM_RATE change the length (60) and the
// rate (1000); MORLIX_STORM_HIDDEN=1 leaves the console hidden (it still
// logs), to tell its share from the main window's. Run with QT_QPA_PLATFORM=offscreen on a machine without a
// display.
#include "SimProcess.h"
#include "console/ConsoleLogModel.h"
#include "console/Unit_Debug2007.h"
#include "link/ComDriverMorlix.h"
#include "mainwindow/ProgramStart.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

constexpr int SampleMs = 5000;

int Setting(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ResidentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

// What the program's allocations hold now, apart from what the allocator
// keeps in reserve: growth here is data kept, not fragmentation.
double HeapInUseMegabytes()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

void ConsoleReplyStorm(benchmark::State &state)
{
    const int seconds = Setting("MORLIX_STORM_SECONDS", 60);
    const int rate = Setting("MORLIX_STORM_RATE", 1000);
    for (auto _ : state) {
        SimProcess sim;
        if (!sim.Start({"--storm", QString::number(rate)})) {
            state.SkipWithError("the simulator did not start");
            return;
        }
        QTemporaryDir dir;
        TMainWindowOptions options;
        options.SettingsPath = dir.filePath(QStringLiteral("Morlix.ini"));
        options.SerialPorts = QStringList();
        const std::unique_ptr<TForm_Main> window =
            StartProgram(options, QStringLiteral("tcp://127.0.0.1:%1").arg(sim.Port));
        if (Setting("MORLIX_STORM_HIDDEN", 0) == 0) {
            window->ArmConsoleKey();
            window->ConsoleKeyPressed();
        }
        const TConsoleLogModel &log = *window->ServiceConsole()->Log();

        struct TSample
        {
            double Cpu;
            double Megabytes;
            double HeapMegabytes;
        };
        QVector<TSample> samples;
        double lastCpu = CpuSeconds();
        QElapsedTimer clock;
        clock.start();
        qint64 lastMs = 0;
        QEventLoop loop;
        QTimer sampler;
        sampler.setInterval(SampleMs);
        QObject::connect(&sampler, &QTimer::timeout, &loop, [&] {
            const double cpu = CpuSeconds();
            const qint64 now = clock.elapsed();
            const TSample sample{100.0 * (cpu - lastCpu) / (double(now - lastMs) / 1000.0), ResidentMegabytes(),
                                 HeapInUseMegabytes()};
            samples << sample;
            std::fprintf(stderr, "%4llds  cpu %5.1f %%  rss %7.1f MB  heap in use %7.2f MB  log rows %7d\n",
                         (long long)((now + 500) / 1000), sample.Cpu, sample.Megabytes, sample.HeapMegabytes,
                         log.LoggedRows());
            lastCpu = cpu;
            lastMs = now;
            if (now + SampleMs / 2 >= qint64(seconds) * 1000)
                loop.quit();
        });
        sampler.start();
        loop.exec();

        if (samples.size() < 2) {
            state.SkipWithError("too short to compare");
            return;
        }
        state.counters["rows_logged"] = log.LoggedRows();
        state.counters["cpu_first_pct"] = samples.first().Cpu;
        state.counters["cpu_last_pct"] = samples.last().Cpu;
        state.counters["rss_first_MB"] = samples.first().Megabytes;
        state.counters["rss_last_MB"] = samples.last().Megabytes;
        state.counters["heap_first_MB"] = samples.first().HeapMegabytes;
        state.counters["heap_last_MB"] = samples.last().HeapMegabytes;
    }
}

} // namespace

BENCHMARK(ConsoleReplyStorm)->Iterations(1)->Unit(benchmark::kSecond);

// The main of every benchmark: the code under test needs a Qt application
// object (event loop, sockets, image plugins).
#include <benchmark/benchmark.h>
#ifdef MORLIX_BENCH_WIDGETS
#include <QApplication>
using TBenchApplication = QApplication;
#else
#include <QCoreApplication>
using TBenchApplication = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    // Benchmarks of windows need the widget application.
    TBenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

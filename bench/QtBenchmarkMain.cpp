// The main of every benchmark: the code under test needs a Qt application
// object (event loop, sockets, image plugins).
#include <benchmark/benchmark.h>

#ifdef MORLIX_BENCH_GUI
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QCoreApplication>
using BenchApplication = QCoreApplication;
#endif

int main(int argc, char **argv)
{
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

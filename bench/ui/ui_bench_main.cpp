// Runs the window benchmarks inside one application object, headless, with recording stand-ins for
// the platform services.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "TestServices.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kxtest::TestServices services;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

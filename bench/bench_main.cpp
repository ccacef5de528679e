// Runs the benchmarks with recording stand-ins for the platform services.
#include <benchmark/benchmark.h>

#include "TestServices.h"

int main(int argc, char** argv) {
    kxtest::TestServices services;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

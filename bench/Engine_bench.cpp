// Cost of solving one loadcase of a 20-span beam with 50 loads, at 20 and at 200 intervals.
#include <benchmark/benchmark.h>

#include <random>

#include "../tests/engine/BeamBuilder.h"

namespace {

using namespace kx;

// 20 spans of 2.5 to 6 m with both cantilevers, shear deflection on, and 50 loads in loadcase 1:
// 25 point loads and 25 trapezoids each running over one to three supports, all factored.
void CommitBenchBeam() {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<float> span(2500, 6000), unit(0, 1);
    std::vector<double> spans;
    double length = 1500;
    for (int i = 0; i < 20; ++i) {
        spans.push_back(span(random));
        length += spans.back();
    }
    length += 1200;
    test::BeamBuilder b;
    b.LHCantilever(1500).Spans(spans).RHCantilever(1200).Section(210000, 1e8, 8e7).ShearDeflection();
    for (int i = 0; i < 25; ++i) {
        b.Point(1, static_cast<float>(unit(random) * length), 1000 + 9000 * unit(random), 1.4f);
        const float start = static_cast<float>(unit(random) * (length - 16000));
        b.Distributed(1, start, 1 + 9 * unit(random), 1 + 9 * unit(random), 3000 + 12000 * unit(random),
                      1.6f);
    }
    b.Commit();
}

void BM_SolveLoadcase(benchmark::State& state) {
    CommitBenchBeam();
    const int intervals = static_cast<int>(state.range(0));
    for (auto _ : state) {
        test::SolveLoadcase(1, intervals, intervals != kDeflectionIntervals);
        benchmark::DoNotOptimize(Eng.BendingMoment[1][1]);
    }
}
BENCHMARK(BM_SolveLoadcase)->Arg(20)->Arg(200)->Unit(benchmark::kMicrosecond);

// The deflections of that loadcase from its 20-interval solve: shear deflection, unit-load diagrams
// and the integration.
void BM_Deflections(benchmark::State& state) {
    CommitBenchBeam();
    test::SolveLoadcase(1);
    for (auto _ : state) {
        test::FindDeflections(1);
        benchmark::DoNotOptimize(Eng.SpanDeflection[1][11]);
    }
}
BENCHMARK(BM_Deflections)->Unit(benchmark::kMicrosecond);

} // namespace

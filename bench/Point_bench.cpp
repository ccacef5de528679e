// Cost of one results-at-a-point calculation: 20 spans with both cantilevers, five loadcases of 50
// point and trapezoidal loads each, at a point that needs nearly the finest resolution (0.3713 of
// a span: 577 of 1554 intervals), the copy and restore of the engine state included.
#include <benchmark/benchmark.h>

#include <random>

#include "../tests/engine/BeamBuilder.h"
#include "engine/AnalyseBeam.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "window/Point.h"

namespace {

using namespace kx;

constexpr int kSpans = 20;
constexpr double kLHCantilever = 1500, kSpan = 5000, kRHCantilever = 1200;

void CommitPointBeam() {
    std::mt19937 random(1554u);
    std::uniform_real_distribution<float> unit(0, 1);
    const double length = kLHCantilever + kSpans * kSpan + kRHCantilever;
    test::BeamBuilder b;
    b.LHCantilever(kLHCantilever)
        .EqualSpans(kSpans, kSpan)
        .RHCantilever(kRHCantilever)
        .Section(210000, 1e8, 8e7)
        .ShearDeflection();
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        for (int i = 0; i < 25; ++i) {
            const float cover = static_cast<float>(0.05 + 0.2 * unit(random)) * static_cast<float>(length);
            const float at = unit(random) * static_cast<float>(length - cover);
            b.Point(lc, at + cover / 2, 1000 + 9000 * unit(random), 1.5f);
            b.Distributed(lc, at, 1 + 9 * unit(random), 1 + 9 * unit(random), cover, 1.4f);
        }
    }
    b.Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = 1;
    Model.SpanData[1][mfY] = 100;
}

void BM_ResultsAtAPoint(benchmark::State& state) {
    ScopedScriptedDialogs dialogs;
    CommitPointBeam();
    NullAnalysisHost host;
    AnalyseBeam(host);
    // 0.3713 of span 7 from its LH support, in metres.
    const double x = kLHCantilever + 6 * kSpan + 0.3713 * kSpan;
    const std::string typed = std::to_string(x / 1000);
    for (auto _ : state) {
        if (!CalcPointResults(typed)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(PointResults.PointMoment[0]);
    }
    if (!dialogs->messages().empty()) state.SkipWithError(dialogs->messages().front().c_str());
    const PointMember m = LocatePoint(1, Model.PointPosition);
    state.counters["q"] = NearestFraction(m.f).q;
    state.counters["p"] = NearestFraction(m.f).p;
}
BENCHMARK(BM_ResultsAtAPoint)->Unit(benchmark::kMillisecond);

} // namespace

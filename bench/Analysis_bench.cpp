// Cost of a whole analysis without a window: 5, 10, 20 and 25 spans with both cantilevers, shear
// deflection, and 50 point and trapezoidal loads in each of five loadcases. The listings are
// written when first read; the second benchmark reads every one of them after each analysis.
#include <benchmark/benchmark.h>

#include <random>

#include "../tests/engine/BeamBuilder.h"
#include "engine/AnalyseBeam.h"
#include "engine/ResultText.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "window/ResultsSummary.h"

namespace {

using namespace kx;

void CommitAnalysisBeam(int spanCount) {
    std::mt19937 random(5975u + static_cast<unsigned>(spanCount));
    std::uniform_real_distribution<float> unit(0, 1);
    std::vector<double> spans;
    double length = 1500 + 1200;
    for (int i = 0; i < spanCount; ++i) {
        spans.push_back(2500 + 3500 * unit(random));
        length += spans.back();
    }
    test::BeamBuilder b;
    b.LHCantilever(1500).Spans(spans).RHCantilever(1200).Section(210000, 1e8, 8e7).ShearDeflection();
    // The same 25 point loads and 25 trapezoids in every loadcase, each loadcase with its own factors.
    struct Load {
        float at, P, w1, w2, cover;
    };
    std::vector<Load> loads;
    for (int i = 0; i < 25; ++i) {
        const float cover = static_cast<float>(0.1 + 0.3 * unit(random)) * static_cast<float>(length);
        loads.push_back({unit(random) * static_cast<float>(length - cover), 1000 + 9000 * unit(random),
                         1 + 9 * unit(random), 1 + 9 * unit(random), cover});
    }
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        for (const Load& l : loads) {
            b.Point(lc, l.at + l.cover / 2, l.P, 1.0f + 0.1f * static_cast<float>(lc));
            b.Distributed(lc, l.at, l.w1, l.w2, l.cover, 1.6f - 0.1f * static_cast<float>(lc));
        }
    }
    b.Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = 1;
}

void BM_AnalyseBeam(benchmark::State& state) {
    ScopedScriptedDialogs dialogs;
    CommitAnalysisBeam(static_cast<int>(state.range(0)));
    NullAnalysisHost host;
    for (auto _ : state) {
        AnalyseBeam(host);
        benchmark::DoNotOptimize(Eng.SupportReaction[5][1]);
    }
    if (!dialogs->messages().empty()) state.SkipWithError(dialogs->messages().front().c_str());
    state.counters["intervals"] = Model.StoredSpanIntervals;
}
BENCHMARK(BM_AnalyseBeam)->Arg(5)->Arg(10)->Arg(20)->Arg(25)->Unit(benchmark::kMicrosecond);

// The analysis, then every result list and the loads listings, as a user who reads them all. Out
// of line, so that an instruction count can be limited to it.
[[gnu::noinline]] void AnalyseAndReadTexts(AnalysisHost& host) {
    AnalyseBeam(host);
    std::size_t lines = ResultsListContent().lines.size() + EnvelopeListContent().lines.size();
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        lines += CaseResultsListContent(lc).lines.size();
    benchmark::DoNotOptimize(lines);
    benchmark::DoNotOptimize(Txt.LoadListLines[1]);
    benchmark::DoNotOptimize(Txt.PointLoadListLines[1]);
}

void BM_AnalyseBeamAndReadTexts(benchmark::State& state) {
    ScopedScriptedDialogs dialogs;
    CommitAnalysisBeam(static_cast<int>(state.range(0)));
    NullAnalysisHost host;
    for (auto _ : state)
        AnalyseAndReadTexts(host);
    if (!dialogs->messages().empty()) state.SkipWithError(dialogs->messages().front().c_str());
}
BENCHMARK(BM_AnalyseBeamAndReadTexts)->Arg(25)->Unit(benchmark::kMicrosecond);

// The analysis and what the main window shows after it: the results list and one loadcase's list.
void BM_AnalyseBeamAndShowLists(benchmark::State& state) {
    ScopedScriptedDialogs dialogs;
    CommitAnalysisBeam(static_cast<int>(state.range(0)));
    NullAnalysisHost host;
    for (auto _ : state) {
        AnalyseBeam(host);
        std::size_t lines =
            ResultsListContent().lines.size() + CaseResultsListContent(kMaxLoadcases).lines.size();
        benchmark::DoNotOptimize(lines);
    }
    if (!dialogs->messages().empty()) state.SkipWithError(dialogs->messages().front().c_str());
}
BENCHMARK(BM_AnalyseBeamAndShowLists)->Arg(25)->Unit(benchmark::kMicrosecond);

} // namespace

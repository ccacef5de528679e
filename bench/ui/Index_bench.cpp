// Cost of refilling the main window's two result lists for the largest job: 20 spans, both
// cantilevers, five loadcases, a steel section checked with restraints at intervals in every span.
#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>

#include "TempDir.h"
#include "engine/BeamBuilder.h"
#include "engine/ResultText.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "window/DrawingState.h"
#include "window/ui/Index.h"

namespace {

using namespace kx;

// "127 x 76 UB 13" checked to BS 5975 on every member, each span restrained at its quarter points.
void SetCheckedSteelSection() {
    SharedModel& m = Model;
    m.SteelSectionFlag = 1;
    m.MemberType = "HRS";
    m.SectionShape = "Beam";
    m.SectionFamilyCode = "UB";
    m.SectionDescription = "127 x 76 UB 13";
    m.SectionPropLines[0] = "1";
    m.SectionPropLines[1] = " 127 x 76 UB 13";
    m.FlangeThickness = 7.6f;
    m.WebThickness = 4;
    for (int r = 0; r <= kRHCantRow; ++r) {
        m.SpanData[r][mfY] = 63.5f;
        m.SpanData[r][mfShearArea] = 508;
        m.SpanData[r][mfRy] = 18.369f;
        m.SpanData[r][mfDT] = 16.711f;
        m.SpanData[r][mfSteelDepth] = 127;
        m.EffLength[r][0] = m.EffLengthMemberLength[r] = m.SpanData[r][mfL];
        m.EffLengthText[r] = "1.0L";
    }
    m.AnySpanIntervals = 1;
    for (int s = 1; s <= m.SpanCount[0]; ++s) {
        m.SpanOptInt[s] = 1;
        m.EffLength[s][kIntervalCountField] = 4;
        for (int i = 1; i <= 4; ++i) {
            m.EffLength[s][i] = m.SpanData[s][mfL] / 4;
            m.RestraintPos[s][i] = 50;
        }
        m.EffLengthText[s] = "3 support(s)";
    }
}

void AnalyseLargestJob() {
    test::BeamBuilder b;
    b.LHCantilever(1000).EqualSpans(20, 3000).RHCantilever(1000);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        b.Udl(lc, 0, 2.0f + static_cast<float>(lc), 62000);
        for (int i = 0; i < 8; ++i)
            b.Point(lc, 500.0f + 7700.0f * static_cast<float>(i) + 300.0f * static_cast<float>(lc), 5000);
    }
    b.Commit();
    SetCheckedSteelSection();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = -1;
    NullAnalysisHost host;
    AnalyseBeam(host);
}

// The loadcase whose texts are the longest.
int LongestLoadcase(TIndexFrm& w) {
    int best = 1;
    std::size_t most = 0;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        Drawing.ShownCase = lc;
        w.ShowCaseResults();
        if (static_cast<std::size_t>(w.List_CaseResults->count()) > most)
            most = static_cast<std::size_t>(w.List_CaseResults->count()), best = lc;
    }
    return best;
}

void RefillLists(benchmark::State& state, bool envelope) {
    TempDir dir;
    const std::string savedStartDir = StartDir;
    StartDir = dir.dir();
    AnalyseLargestJob();
    if (Model.AnalysedFlag != 1) {
        state.SkipWithError("the job was not analysed");
        return;
    }
    TIndexFrm w;
    w.show();
    QApplication::processEvents();
    const int lc = LongestLoadcase(w);
    for (auto _ : state) {
        w.FillResultsList();
        if (envelope) {
            w.ShowEnvelopeResults();
        } else {
            Drawing.ShownCase = lc;
            w.ShowCaseResults();
        }
        QApplication::processEvents(); // the lists laid out and painted
    }
    state.counters["results_lines"] = w.List_Results->count();
    state.counters["case_lines"] = w.List_CaseResults->count();
    StartDir = savedStartDir;
}

void BM_RefillResultsAndLoadcaseLists(benchmark::State& state) { RefillLists(state, false); }
void BM_RefillResultsAndEnvelopeLists(benchmark::State& state) { RefillLists(state, true); }
BENCHMARK(BM_RefillResultsAndLoadcaseLists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefillResultsAndEnvelopeLists)->Unit(benchmark::kMillisecond);

} // namespace

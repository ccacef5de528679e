// Cost of the main window's "All" picture without a window: the sketch and the diagrams of five
// loadcases of a 20-span beam with both cantilevers at 200 intervals, on a canvas that only counts.
#include <benchmark/benchmark.h>

#include <random>

#include "../tests/engine/BeamBuilder.h"
#include "engine/AnalyseBeam.h"
#include "foundation/Units.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "window/BeamSketch.h"
#include "window/DrawingState.h"
#include "window/ScreenDiagrams.h"

namespace {

using namespace kx;

// Counts the drawing calls, so that the figure is the cost of laying the picture out.
class CountingCanvas : public Canvas {
public:
    void SetPenColor(Color) override {}
    void SetPenWidth(int) override {}
    void SetBrushColor(Color) override {}
    void SetBrushStyle(BrushStyle) override {}
    void SetFontName(const std::string&) override {}
    void SetFontSize(int) override {}
    void SetFontPixelHeight(int) override {}
    void SetFontColor(Color) override {}
    void SetFontBold(bool) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override { lines += 1; }
    void TextOut(int, int, const std::string&) override { ++texts; }
    void FillRect(const Rect&) override {}
    int TextWidth(const std::string& t) override { return static_cast<int>(t.size()) * 6; }
    int TextHeight(const std::string&) override { return 14; }
    long lines = 0, texts = 0;
};

// 20 spans of 2.5 to 6 m with cantilevers of 1.5 and 1.2 m; in each of five loadcases 25 point
// loads and 25 trapezoids, analysed at 200 intervals per member.
void AnalyseTwentySpans() {
    std::mt19937 random(5975u);
    std::uniform_real_distribution<float> unit(0, 1);
    std::vector<double> spans;
    double length = 1500 + 1200;
    for (int i = 0; i < 20; ++i) {
        spans.push_back(2500 + 3500 * unit(random));
        length += spans.back();
    }
    test::BeamBuilder b;
    b.LHCantilever(1500).Spans(spans).RHCantilever(1200);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int i = 0; i < 25; ++i) {
            const float cover = (0.05f + 0.2f * unit(random)) * static_cast<float>(length);
            const float at = unit(random) * (static_cast<float>(length) - cover);
            b.Point(lc, at + cover / 2, 1000 + 9000 * unit(random), 1.2f);
            b.Distributed(lc, at, 1 + 9 * unit(random), 1 + 9 * unit(random), cover, 1.4f);
        }
    b.Commit();
    SetDefaultUnits(Model);
    Model.AnySpanIntervals = 1; // the finest resolution, whatever the spans
    NullAnalysisHost host;
    AnalyseBeam(host);
}

void BM_DrawAllLoadcases(benchmark::State& state) {
    ScopedScriptedDialogs dialogs;
    AnalyseTwentySpans();
    const DrawingFrame frame{1278, 980, 300};
    CountingCanvas c;
    for (auto _ : state) {
        Model.ShownCaseMode = 1;
        DrawLoads(c, frame);
        DrawBeam(c, frame);
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            Drawing.ShownCase = lc;
            DrawDiagrams(c, frame);
        }
        Drawing.ShownCase = 0;
    }
    if (Model.StoredSpanIntervals != 200 || Model.AnalysedFlag != 1)
        state.SkipWithError("not analysed at 200");
    state.counters["lines"] = static_cast<double>(c.lines) / static_cast<double>(state.iterations());
    state.counters["texts"] = static_cast<double>(c.texts) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DrawAllLoadcases)->Unit(benchmark::kMillisecond);

} // namespace

// Cost of the main window's "All" picture without a window: the sketch and the diagrams of five
// loadcases of a 20-span beam with both cantilevers at 200 intervals, on a canvas that only counts.
#include <benchmark/benchmark.h>

#include "DrawingBenchJob.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "window/BeamAndLoadSketch.h"
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
    void TextOutPath(int, int, const std::string&) override { ++texts; }
    void FillRect(const Rect&) override {}
    int TextWidth(const std::string& t) override { return static_cast<int>(t.size()) * 6; }
    int TextHeight(const std::string&) override { return 14; }
    long lines = 0, texts = 0;
};

void BM_DrawAllLoadcases(benchmark::State& state) {
    ScopedScriptedDialogs dialogs;
    bench::AnalyseTwentySpans();
    const DrawingFrame frame = bench::kDrawingFrame;
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

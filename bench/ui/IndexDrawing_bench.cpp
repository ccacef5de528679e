// Cost of the main window's "All" picture drawn for real: the sketch and the diagrams of five
// loadcases of a 20-span beam with both cantilevers at 200 intervals on a 1278 x 980 Qt canvas.
#include <QImage>
#include <benchmark/benchmark.h>

#include "../DrawingBenchJob.h"
#include "platform/Dialogs.h"
#include "platform/QtCanvas.h"
#include "window/BeamAndLoadSketch.h"
#include "window/ScreenDiagrams.h"

namespace {

using namespace kx;

void BM_DrawAllLoadcasesOnQtCanvas(benchmark::State& state) {
    ScopedScriptedDialogs dialogs;
    bench::AnalyseTwentySpans();
    if (Model.StoredSpanIntervals != 200 || Model.AnalysedFlag != 1) {
        state.SkipWithError("not analysed at 200");
        return;
    }
    const DrawingFrame f = bench::kDrawingFrame;
    QImage picture = MakeScreenImage(f.W, f.H);
    QtCanvas c(&picture);
    for (auto _ : state) {
        // As the window redraws "All": black over the picture, loads, beam, each loadcase's diagrams.
        c.SetBrushColor(colors::Black);
        c.FillRect({0, 0, f.W, f.H});
        Model.ShownCaseMode = 1;
        DrawLoads(c, f);
        DrawBeam(c, f);
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            Drawing.ShownCase = lc;
            DrawDiagrams(c, f);
        }
        Drawing.ShownCase = 0;
        c.End();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_DrawAllLoadcasesOnQtCanvas)->Unit(benchmark::kMillisecond);

} // namespace

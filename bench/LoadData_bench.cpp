// Cost of one Apply tick on a full load form without a window: the 50 rows read, checked and
// stacked, and the picture of 50 overlapping distributed loads recorded.
#include <benchmark/benchmark.h>

#include <string>

#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "input/LoadData.h"
#include "platform/Canvas.h"

namespace {

using namespace kx;

// Spans of 3 m and 4 m; 50 distributed loads of 1.5 m, each starting 0.1 m after the last, all
// applied in loadcase 1, so that every load overlaps a dozen others.
void FullLoadForm(LoadFormControls& f) {
    ResetProgramState();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = 1;
    for (int r : {1, 2}) {
        Model.SpanData[r][mfExists] = 1.0f;
        Model.SpanData[r][mfL] = r == 1 ? 3000.0f : 4000.0f;
    }
    Model.SpanCount[0] = 2;
    Model.SupportType[0] = Model.SupportType[1] = Model.SupportType[25] = supFixed;
    Model.BeamLength = 7000;
    LoadDataVars.WorkLoadcase = 1;
    LoadDataVars.WorkRowsShown = 50;
    for (int n = 1; n <= kLoadRows; ++n) {
        LoadRowControls& r = f.Rows[n];
        r.Panel = r.OptionUDL = r.Check = true;
        r.Edit_Dist = {std::to_string(0.1 * (n - 1)), true};
        r.Edit_Cover = {"1.5", true};
        r.Edit_UDLS = {std::to_string(1 + n % 7), true};
        r.Edit_UDLF = {std::to_string(2 + n % 5), true};
        r.Edit_LF = {n % 2 ? "1.4" : "", true};
    }
}

void BM_ApplyTickOnFiftyLoads(benchmark::State& state) {
    LoadFormControls f;
    FullLoadForm(f);
    RecordingCanvas canvas;
    LoadFormPicture pic{canvas, 743, 145};
    for (auto _ : state) {
        canvas.items.clear();
        ApplyClicked(f, 1, pic);
        benchmark::DoNotOptimize(canvas.items.data());
    }
    state.counters["lines"] = static_cast<double>(canvas.lines().size());
    state.counters["stacked"] = Work.UDLStack[1][25][usW1Sum];
    ResetProgramState();
}
BENCHMARK(BM_ApplyTickOnFiftyLoads)->Unit(benchmark::kMicrosecond);

} // namespace

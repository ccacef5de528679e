// The job of the drawing benchmarks: the largest picture the main window draws.
#pragma once

#include <random>
#include <vector>

#include "../tests/engine/BeamBuilder.h"
#include "engine/AnalyseBeam.h"
#include "foundation/Units.h"
#include "window/DrawingState.h"

namespace kx::bench {

// A 1278 x 980 window, whose case list is 380 high.
inline constexpr DrawingFrame kDrawingFrame{1278, 980, 380};

// 20 spans of 2.5 to 6 m with cantilevers of 1.5 and 1.2 m; in each of five loadcases 25 point
// loads and 25 trapezoids, analysed at 200 intervals per member.
inline void AnalyseTwentySpans() {
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

} // namespace kx::bench

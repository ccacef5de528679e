// Clamped pixel rounding and the beam's column mapping shared by the sketch and the diagrams.
#include "window/DrawingScale.h"

#include <algorithm>

#include "foundation/Func_FloatToInt.h"
#include "foundation/SharedModel.h"

namespace kx {

namespace {
constexpr double kFarPx = 30000.0;
}

int Px(double v) { return FloatToInt(std::clamp(v, -kFarPx, kFarPx)); }

int BeamColumn(const DrawingFrame& f, double d) {
    return kBeamLeftPx + Px(d * DrawingLengthPx(f) / Model.BeamLength);
}

} // namespace kx

// Pixel positions on the main window's picture: rounding that cannot throw on a far-off value, and
// the mapping of a distance along the beam to a pixel column.
#pragma once

#include "window/DrawingState.h"

namespace kx {

// Left end of the beam on the picture; the beam ends 75 px short of the window's right edge.
inline constexpr int kBeamLeftPx = 150;
inline constexpr int kBeamRightMarginPx = 75;

// v rounded to the nearest pixel, ties to even. A value beyond 30000 px (a load far off the beam,
// a scale over a vanishing maximum) is held there first, so that a redraw never stops half done.
int Px(double v);

// Drawing length of the beam: from x = 150 to x = W - 75.
inline int DrawingLengthPx(const DrawingFrame& f) { return f.W - kBeamLeftPx - kBeamRightMarginPx; }

// Pixel column of distance d (mm from the LH end of the beam): 150 + R(d x Lpx / BeamLength).
int BeamColumn(const DrawingFrame& f, double d);

} // namespace kx

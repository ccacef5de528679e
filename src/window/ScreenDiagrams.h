// The shear, moment and deflection diagrams of the loadcase shown, with their labels, maxima and
// support reactions.
#pragma once

#include "platform/Canvas.h"
#include "window/DrawingState.h"

namespace kx {

// Draws the diagrams of Drawing.ShownCase (1 when it is 0) and updates the largest and smallest
// reaction of each support.
void DrawDiagrams(Canvas& c, const DrawingFrame& f);

} // namespace kx

// The beam and its loads drawn in the main window: supports, member lengths, the load profile
// with its arrows and labels.
#pragma once

#include "platform/Canvas.h"
#include "window/DrawingState.h"

namespace kx {

// The loads of the loadcase shown (all loaded loadcases for "All") above the beam line.
void DrawLoads(Canvas& c, const DrawingFrame& f);

// The beam line, its supports and member lengths; copies the member lengths into
// Drawing.DrawnMemberLength.
void DrawBeam(Canvas& c, const DrawingFrame& f);

} // namespace kx

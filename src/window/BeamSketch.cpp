// The beam and load sketch of the main window.
#include "window/BeamSketch.h"

namespace kx {

// Not drawn yet: the sketch comes with the drawing work.
void DrawLoads(Canvas&, const DrawingFrame&) {}
void DrawBeam(Canvas&, const DrawingFrame&) {}

} // namespace kx

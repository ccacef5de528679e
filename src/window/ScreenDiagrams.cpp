// The screen diagrams of the main window.
#include "window/ScreenDiagrams.h"

namespace kx {

// Not drawn yet: the diagrams come with the drawing work.
void DrawDiagrams(Canvas&, const DrawingFrame&) {}

} // namespace kx

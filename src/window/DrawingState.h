// What the main window's drawings read and leave behind: the loadcase shown, the layout, and the
// member lengths last drawn.
#pragma once

#include "foundation/SharedModel.h"
#include "platform/Arr.h"

namespace kx {

struct DrawingState {
    // Member lengths (mm) copied from SpanData by every DrawBeam that finds a beam: row 0 the LH
    // cantilever, 1..25 the spans, 26 the RH cantilever. Printed diagrams and the beam file read it.
    Arr<float, 0, 26> DrawnMemberLength;
    // The loadcase shown in the main window, 0 = all loadcases.
    int32 ShownCase = 0;
    // 0 for the Default and Diagrams layouts, 1 for the Results layout.
    int32 DiagramMode = 0;
    bool operator==(const DrawingState&) const = default;
};

extern DrawingState Drawing;

// The main window's picture as the drawings see it: its outer width and height, and the height of
// the case results list along its bottom edge (pixels).
struct DrawingFrame {
    int W = 0, H = 0, h = 0;
};

} // namespace kx

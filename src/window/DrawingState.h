// What the main window's drawings leave behind for later readers: the member lengths last drawn.
#pragma once

#include "platform/Arr.h"

namespace kx {

struct DrawingState {
    // Member lengths (mm) copied from SpanData by every DrawBeam that finds a beam: row 0 the LH
    // cantilever, 1..25 the spans, 26 the RH cantilever. Printed diagrams and the beam file read it.
    Arr<float, 0, 26> DrawnMemberLength;
};

extern DrawingState Drawing;

} // namespace kx

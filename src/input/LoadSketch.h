// The sketches of the load form and the span form: the committed beam in the input windows'
// drawing manner, with the loads of one loadcase, or with the restraint marks and the span marked.
#pragma once

#include <string>

#include "input/FormSketch.h"

namespace kx {

class Canvas;

// The total-length caption under a sketch: its text, whether it shows, and its top measured from
// the picture's top.
struct LengthCaption {
    std::string Caption;
    bool Visible = false;
    int Top = 0;
    bool operator==(const LengthCaption&) const = default;
};

// The loadcase a number names, held to 1..5 so that it always indexes the tables.
int LoadcaseIn(int lc);

// The fixed rectangle (0, 0, 800, 200) grey; the length caption hidden.
void ClearBeamImage(Canvas& c, LengthCaption& lbl_Length);
// The applied loads of loadcase lc (held to 1..5) over the picture: the distributed loads' summed
// outline, the self-weight strip, the point-load arrows and the labels. Nothing without a beam.
void DrawLoadFormLoads(Canvas& c, int W, int H, int lc);
// The committed beam with its supports and lengths; the length caption placed under it.
// Nothing at all without a beam.
void DrawLoadFormBeam(Canvas& c, int W, int H, LengthCaption& lbl_Length);

// The span form's picture grey over (0, 0, 800, 200); the length caption hidden.
void ClearSpanSketch(Canvas& c, LengthCaption& lbl_Length);
// The committed beam with the restraint marks of the working effective lengths.
void DrawSpanSketch(Canvas& c, int W, int H, LengthCaption& lbl_Length);
// Two yellow lines along span currentSpan (nothing for a span outside 1..25).
void HighlightCurrentSpan(Canvas& c, int W, int H, int currentSpan);

} // namespace kx

// The schematic beam of the input windows: one drawing manner (beam line, support symbols, length
// labels, total length) with each window's own measures, and the beam form's sketch drawn with it.
#pragma once

#include <string>

#include "foundation/SharedModel.h"
#include "platform/Arr.h"

namespace kx {

class Canvas;
struct BeamFormControls;

// The picture of an input window (the beam form's or the load form's) that a sketch is drawn on,
// at its own size.
struct LoadFormPicture {
    Canvas& canvas;
    int W = 0, H = 0;
};

// One window's measures of the drawing manner.
struct SketchColumn {
    int baselineBelowHalf; // Y = H div 2 + this
    int beamLineStartX;    // the beam line runs from here to W - 27
    int standardBelow;     // the standard of a coupler starts at Y + this
    int code5Top;          // the standard of a "Mid" coupler ends at Y - this
    int labelBelow;        // length labels at y = Y + this
    bool totalOnPicture;   // the total length drawn in black on the picture, else given as a caption
    bool lhcLabelAtZero;   // the LH cantilever labelled even when its number reads "0.00"
};
inline constexpr SketchColumn kBeamFormSketch{-10, 25, 35, 25, 12, true, false};
inline constexpr SketchColumn kSpanFormSketch{-2, 27, 40, 40, 5, false, true};
inline constexpr SketchColumn kLoadFormBeam{25, 27, 40, 40, 5, false, true};

// The beam to draw: member lengths in mm (0 the LH cantilever, 1..25 the spans, 26 the RH
// cantilever), which cantilevers exist, the span count, the support codes, the total length.
struct SketchMembers {
    Arr<float, 0, 26> L;
    bool LHC = false, RHC = false;
    int SpanCount = 0;
    Arr<TSupportCode, 0, 25> Codes;
    double Total = 0;
};

// Where a drawing put things, for what a window adds to it.
struct SketchLayout {
    int W = 0, H = 0, Y = 0;
    float s = 0;             // pixels per mm
    Arr<float, 0, 25> P;     // member ends from the LH end, mm: P[0] the LH support
    std::string TotalText;   // "Length = ..." when shown
    bool TotalShown = false; // the total is more than 1 mm
    int x(double d) const;   // the pixel column of a position d mm from the LH end
};

// A pixel coordinate from a real one: rounded as FloatToInt rounds, held well inside the integer
// range (a huge or undefined value stays drawable instead of failing).
int SketchPixel(double v);

// The drawing manner: the beam line, the support symbols, the length labels and the total
// length, as the window's column measures them. Draws nothing over the background; returns the
// layout with the total-length text.
SketchLayout DrawSketchBeam(Canvas& c, const SketchColumn& col, const SketchMembers& beam, int W, int H,
                            const TUnitSettings& units);

// The beam form's working beam from its spans grid, ticks and working supports.
SketchMembers BeamFormSketchMembers(const BeamFormControls& f);

// Computes WorkBeamLength from the spans grid and, when it is not 0, draws the working beam over
// a grey picture; returns WorkBeamLength.
float DrawBeamSketch(LoadFormPicture& pic, const BeamFormControls& f);
// The whole picture grey.
void ClearBeamSketch(Canvas& c, int W, int H);
// The beam form picture's design rectangle (0, 0, 753, 73) grey, as its drawing and reset fill it.
void FillBeamSketchBackground(Canvas& c);

} // namespace kx

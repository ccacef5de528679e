// The schematic beam of the input windows and the beam form's sketch.
#include "input/FormSketch.h"

#include <algorithm>
#include <cmath>

#include "foundation/Func_FloatToInt.h"
#include "foundation/SigFig.h"
#include "input/BeamFormControls.h"
#include "platform/Canvas.h"
#include "window/DrawingVocabulary.h"

namespace kx {

namespace {

// Far beyond any picture, yet with room for the offsets added to a position.
constexpr double kPixelLimit = 1e9;

// The screen's symbols with the column's standards, the triangle's corner visited twice.
SupportStyle supportStyle(const SketchColumn& col) {
    SupportStyle s = kScreenSupports;
    s.triangleCornerTwice = true;
    s.standardBottom = col.standardBelow;
    s.midCouplerTop = -col.code5Top;
    return s;
}

std::string lengthNumber(double mm, const TUnitSettings& u) { return SigFig3Dec3(mm / u.UnitFactorLength); }

} // namespace

int SketchPixel(double v) {
    if (std::isnan(v)) return 0;
    return FloatToInt(std::clamp(v, -kPixelLimit, kPixelLimit));
}

int SketchLayout::x(double d) const { return SketchPixel(d * s) + 25; }

SketchLayout DrawSketchBeam(Canvas& c, const SketchColumn& col, const SketchMembers& beam, int W, int H,
                            const TUnitSettings& units) {
    SketchLayout g;
    g.W = W;
    g.H = H;
    g.Y = H / 2 + col.baselineBelowHalf;
    g.s = static_cast<float>((W - 50) / beam.Total);
    g.P = SupportPositions(beam.L[kLHCantRow], beam.SpanCount, [&beam](int k) { return beam.L[k]; });
    const int Y = g.Y;

    SetPen(c, colors::White, 4);
    DrawLine(c, col.beamLineStartX, Y, W - 27, Y);

    const int n = std::clamp(beam.SpanCount, 0, kMaxSpans);
    const SupportStyle symbols = supportStyle(col);
    DrawSupportSymbol(c, symbols, beam.Codes[0], SupportEnd::Left, {g.x(g.P[0]), static_cast<double>(Y)});
    for (int k = 1; k <= n - 1; ++k)
        DrawSupportSymbol(c, symbols, beam.Codes[k], SupportEnd::Interior,
                          {g.x(g.P[k]), static_cast<double>(Y)});
    DrawSupportSymbol(c, symbols, beam.Codes[25], SupportEnd::Right, {g.x(g.P[25]), static_cast<double>(Y)});

    // The labels stand on the pictures' grey whatever brush the canvas was left with: a white box
    // would hide their white text.
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(colors::Gray);
    c.SetFontColor(colors::White);
    const int labelY = Y + col.labelBelow;
    const std::string unit = " " + units.UnitTextLength;
    if (beam.LHC) {
        const std::string number = lengthNumber(beam.L[0], units);
        if (col.lhcLabelAtZero || number != "0.00") c.TextOut(g.x(g.P[0]) / 2 - 22, labelY, number + unit);
    }
    for (int i = 1; i <= n; ++i) {
        const std::string number = lengthNumber(beam.L[i], units);
        if (number == "0.00") continue;
        const double middle = static_cast<double>(g.P[i]) - static_cast<double>(beam.L[i]) / 2;
        c.TextOut(SketchPixel(middle * g.s) + 25 - 22, labelY, number + unit);
    }
    if (beam.RHC) {
        const std::string number = lengthNumber(beam.L[26], units);
        const double middle = static_cast<double>(g.P[25]) + static_cast<double>(beam.L[26]) / 2;
        if (number != "0.00") c.TextOut(SketchPixel(middle * g.s + 25) - 12, labelY, number + unit);
    }

    g.TotalShown = beam.Total > 1.0;
    if (g.TotalShown) {
        g.TotalText = "Length = " + lengthNumber(beam.Total, units) + unit;
        if (col.totalOnPicture) {
            c.SetFontColor(colors::Black);
            c.TextOut(((W - 25) + 25) / 2 - 40, Y + 27, g.TotalText);
        }
    }
    return g;
}

SketchMembers BeamFormSketchMembers(const BeamFormControls& f) {
    SketchMembers m;
    const int c = f.Check_LHC ? 1 : 0;
    const int n = std::clamp(Work.WorkSpanCount, 0, kMaxSpans);
    if (f.Check_LHC) {
        m.L[kLHCantRow] = SpanGridLength(f, 1);
        m.LHC = m.L[kLHCantRow] != 0;
    }
    for (int i = 1; i <= n; ++i)
        m.L[i] = SpanGridLength(f, i + c);
    if (f.Check_RHC) {
        m.L[kRHCantRow] = SpanGridLength(f, n + c + 1);
        m.RHC = m.L[kRHCantRow] != 0;
    }
    float total = m.L[kLHCantRow] + m.L[kRHCantRow];
    for (int i = 1; i <= n; ++i)
        total += m.L[i];
    m.Total = total;
    m.SpanCount = n;
    m.Codes = Work.WorkSupportType;
    return m;
}

float DrawBeamSketch(LoadFormPicture& pic, const BeamFormControls& f) {
    const SketchMembers beam = BeamFormSketchMembers(f);
    Work.WorkBeamLength = static_cast<float>(beam.Total);
    if (Work.WorkBeamLength == 0) return 0; // the picture keeps what it shows
    FillBeamSketchBackground(pic.canvas);
    DrawSketchBeam(pic.canvas, kBeamFormSketch, beam, pic.W, pic.H, Model);
    return Work.WorkBeamLength;
}

void ClearBeamSketch(Canvas& c, int W, int H) {
    c.SetBrushStyle(BrushStyle::Solid);
    c.SetBrushColor(colors::Gray);
    c.FillRect({0, 0, W, H});
}

void FillBeamSketchBackground(Canvas& c) { ClearBeamSketch(c, 753, 73); }

} // namespace kx

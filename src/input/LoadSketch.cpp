// The load form's and the span form's sketches.
#include "input/LoadSketch.h"

#include <algorithm>
#include <cmath>

#include "foundation/Func_FloatToInt.h"
#include "foundation/SigFig.h"
#include "input/FormSketch.h"
#include "platform/Canvas.h"
#include "window/DrawingVocabulary.h"

namespace kx {

namespace {

// A load typed a million kilometres out, or a rate beyond all reason, stays drawable.
int pixel(double v) { return SketchPixel(v); }

// Arrows stand on the load baseline and hang under the beam for an upward load.
constexpr ArrowStyle kArrows{-2, -15, -50, 5, 15, 45, 5};

// The factor text that follows a value whose load factor is not 1.0.
std::string factorSuffix(float lf) { return lf != 1.0f ? " x " + SigFig3Dec3(lf) : std::string(); }

// The beam a sketch of the committed model draws.
SketchMembers committedMembers() {
    const SharedModel& m = Model;
    SketchMembers b;
    for (int r = 0; r <= kRHCantRow; ++r)
        b.L[r] = m.SpanData[r][mfL];
    b.LHC = m.SpanData[kLHCantRow][mfExists] == 1.0f;
    b.RHC = m.SpanData[kRHCantRow][mfExists] == 1.0f;
    b.SpanCount = m.SpanCount[0];
    b.Codes = m.SupportType;
    b.Total = m.BeamLength;
    return b;
}

// The total-length caption shown when the drawing has a total to show, hidden otherwise.
void showLengthCaption(const SketchLayout& g, LengthCaption& lbl) {
    lbl.Visible = g.TotalShown;
    if (g.TotalShown) lbl.Caption = g.TotalText;
}

} // namespace

void DrawLoadFormBeam(Canvas& c, int W, int H, LengthCaption& lbl_Length) {
    if (!(Model.BeamLength > 0)) return;
    const SketchLayout g = DrawSketchBeam(c, kLoadFormBeam, committedMembers(), W, H, Model);
    showLengthCaption(g, lbl_Length);
    if (g.TotalShown) lbl_Length.Top = g.Y + 22;
}

void DrawSpanSketch(Canvas& c, int W, int H, LengthCaption& lbl_Length) {
    if (!(Model.BeamLength > 0)) return;
    const SketchLayout g = DrawSketchBeam(c, kSpanFormSketch, committedMembers(), W, H, Model);
    SetPen(c, colors::Red, 3);
    const int spans = std::clamp(Model.SpanCount[0], 0, kMaxSpans);
    for (int k = 1; k <= spans; ++k) {
        const TEffLengthRec& e = Work.EffLengthWork[k];
        const int n = std::clamp(pixel(e[kIntervalCountField]), 0, 10);
        // Rounded one by one, so the last mark falls on or next to the support.
        int x = g.x(g.P[k - 1]);
        for (int j = 1; j <= n; ++j) {
            x += pixel(static_cast<double>(e[j]) * g.s);
            DrawLine(c, x, g.Y + 7, x, g.Y - 7);
        }
    }
    showLengthCaption(g, lbl_Length);
}

void HighlightCurrentSpan(Canvas& c, int W, int H, int currentSpan) {
    if (!(Model.BeamLength > 0) || currentSpan < 1 || currentSpan > kMaxSpans) return;
    SketchLayout g;
    g.s = static_cast<float>((W - 50) / Model.BeamLength);
    const SketchMembers b = committedMembers();
    g.P = SupportPositions(b.L[kLHCantRow], b.SpanCount, [&b](int k) { return b.L[k]; });
    const int Y = H / 2 - 2;
    const int a = g.x(g.P[currentSpan - 1]), e = g.x(g.P[currentSpan]);
    SetPen(c, colors::Yellow, 1);
    DrawLine(c, a, Y - 3, e, Y - 3);
    DrawLine(c, a, Y + 3, e, Y + 3);
}

void ClearBeamImage(Canvas& c, LengthCaption& lbl_Length) {
    ClearBeamSketch(c, 800, 200); // the picture's fixed rectangle, whatever its size
    lbl_Length.Visible = false;
}

void ClearSpanSketch(Canvas& c, LengthCaption& lbl_Length) { ClearBeamImage(c, lbl_Length); }

int LoadcaseIn(int lc) { return std::clamp(lc, 1, kMaxLoadcases); }

void DrawLoadFormLoads(Canvas& c, int W, int H, int lc) {
    const double L = Model.BeamLength;
    if (!(L > 0)) return;
    lc = LoadcaseIn(lc);
    const int XL = 25, XR = W - 26, Yb = H / 2 + 24;
    const double span = XR - XL;
    auto x = [&](double d) { return pixel(span * d / L + XL); };

    // The rates and their sums held as singles, as the load form holds its loads.
    AppliedLoads loads;
    GatherAppliedLoads(Work.WorkLoads, Work.ApplyFlags[lc], loads);
    const LoadProfile<float> w = SumLoadProfile<float>(loads.pieces, L, 1);
    const float g = 32.0f / ProfilePeak(w);
    auto y = [&](int i) { return Yb - 1 - pixel(static_cast<double>(w[static_cast<std::size_t>(i)]) * g); };

    if (Work.ApplyFlags[lc][kSelfWeightRecord] == 1.0f)
        DrawSelfWeightStrip(c, kScreenStrip, XL, XR, {XL, Yb - 1.0},
                            [&](int i) { return pixel(i * (span / 100) + XL); });

    // The outline's columns are rounded before they move by XL, its markers' after.
    const double step = span / kProfileStations;
    DrawLoadOutline(c, kFormOutline,
                    {[&](int i) { return pixel(i * step) + XL; }, y,
                     [&](int i) { return pixel(i * step + XL); }, Yb - 1});

    SetPen(c, colors::Yellow, 2);
    c.SetFontColor(colors::Yellow);
    for (const PointLoad& p : loads.points) {
        const int xp = x(p.dist);
        DrawPointLoadArrow(c, kArrows, p.P, {xp, static_cast<double>(Yb)});
        c.TextOut(xp - 12, 19,
                  SigFig3Dec3(static_cast<double>(p.P) / Model.UnitFactorForce) + factorSuffix(p.LF));
    }

    const auto& stack = Work.UDLStack[lc];
    const double udl = Model.UnitFactorUDL;
    c.SetFontColor(colors::Red);
    for (const TUDLStackRec& s : stack)
        if (s[usW1] != 0) c.TextOut(x(s[usX1]) + 3, 36, SigFig4Dec3(s[usW1] / udl) + factorSuffix(s[usLF1]));
    for (const TUDLStackRec& s : stack) {
        if (s[usW2] == 0 || s[usW2] == s[usW1]) continue;
        const bool factored = s[usLF2] != 1.0f;
        c.TextOut(x(s[usX2]) - (factored ? 66 : 32), 36, SigFig4Dec3(s[usW2] / udl) + factorSuffix(s[usLF2]));
    }
    c.SetFontColor(colors::White);
    for (const TUDLStackRec& s : stack)
        if (s[usW1Sum] != 0 && s[usW1Sum] != s[usW1])
            c.TextOut(x(s[usX1]) - 12, 3, "(" + SigFig3Dec3(s[usW1Sum] / udl) + ")");
    for (const TUDLStackRec& s : stack)
        if (s[usW2Sum] != 0 && s[usW2Sum] != s[usW2])
            c.TextOut(x(s[usX2]) - 12, 3, "(" + SigFig3Dec3(s[usW2Sum] / udl) + ")");
}

} // namespace kx

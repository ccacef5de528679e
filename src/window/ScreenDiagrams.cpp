// The screen diagrams of the main window.
#include "window/ScreenDiagrams.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "engine/EngineState.h"
#include "engine/Extremes.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "window/DrawingScale.h"
#include "window/DrawingVocabulary.h"

namespace kx {

namespace {

constexpr int kTitlePoints = 9;
constexpr int kLabelPoints = 8;
constexpr int kMaximaX = 8;
// Labels stand this far left of the column of the point they describe.
constexpr int kLabelShift = 20;

// Curve colour of each loadcase.
Color CaseColour(int lc) {
    static const std::array<Color, kMaxLoadcases> colour{colors::Yellow, colors::Red, colors::Aqua,
                                                         colors::Lime, colors::Blue};
    if (lc < 1 || lc > kMaxLoadcases) throw RangeError();
    return colour[static_cast<std::size_t>(lc - 1)];
}

// Pixels per unit that make `largest` stand `px` high; 0 over a zero maximum, so that curves lie
// on their baselines rather than the division failing.
double ScaleFor(double px, float largest) { return largest > 0 ? px / largest : 0; }

// A vertex count held as a real in a polyline's element 0, within the polyline's capacity.
int VertexCount(float stored, int capacity) {
    if (!(stored > 0)) return 0;
    return stored >= static_cast<float>(capacity) ? capacity : Px(stored);
}

// One band: its baseline, pixels per internal unit, the unit of its texts, and whether it is drawn
// the other way up (the moment band with MomentDiagramSign -1).
struct Band {
    int base = 0;
    double scale = 0;
    float factor = 1;
    std::string unit;
    bool mirrored = false;

    std::string Text(double v) const { return SigFig3Dec3(v * factor) + " " + unit; }
    double Shown(double v) const { return v * factor; }
    // A value label at column x: above its curve point when the curve rises there, else below.
    void Label(Canvas& c, int x, double v) const {
        const int y0 = base - Px((mirrored ? -v : v) * scale);
        const bool positive = v > 0;
        c.SetFontColor(positive ? colors::Yellow : colors::Aqua);
        c.TextOut(x - kLabelShift, positive != mirrored ? y0 - 25 : y0 + 10, Text(v));
    }
};

void Title(Canvas& c, int y, const char* text) {
    c.SetFontSize(kTitlePoints);
    c.SetFontColor(colors::White);
    c.TextOut(kMaximaX, y, text);
    c.SetFontSize(kLabelPoints);
}

void Caption(Canvas& c, int y, Color colour, const std::string& text) {
    if (text.empty()) return;
    c.SetFontColor(colour);
    c.TextOut(kMaximaX, y, text);
}

// Of the moments either side of a support, the one of the larger magnitude (on equal magnitudes
// the larger value).
float SupportMoment(float a, float b) {
    const float hi = std::max(a, b), lo = std::min(a, b);
    return std::fabs(lo) > std::fabs(hi) ? lo : hi;
}

// Where the labels of loadcase lc start: a LH cantilever's length counts only when the loadcase
// has the cantilever.
double FirstSupport(int lc) { return Eng.LHCantileverActive[lc] == 1 ? Eng.CantileverLength[lc][0] : 0.0; }

void DrawCurves(Canvas& c, const DrawingFrame& f, int lc, const Band& shear, const Band& moment,
                const Band& deflection) {
    const int Lpx = DrawingLengthPx(f);
    auto column = [&](float fraction) { return kBeamLeftPx + Px(Lpx * static_cast<double>(fraction)); };
    SetPen(c, CaseColour(lc), 1);

    const auto& V = Eng.ShearPolyline[lc];
    c.MoveTo(kBeamLeftPx, shear.base);
    for (int i = 1, n = VertexCount(V[0].x, kMaxShearVertices); i <= n; ++i)
        c.LineTo(column(V[i].x), shear.base - Px(V[i].y * shear.scale));

    const auto& M = Eng.MomentPolyline[lc];
    const double sign = moment.mirrored ? -1.0 : 1.0;
    c.MoveTo(kBeamLeftPx, moment.base);
    for (int i = 1, n = VertexCount(M[0].x, kMaxMomentVertices); i <= n; ++i)
        c.LineTo(column(M[i].x), moment.base - Px(sign * M[i].y * moment.scale));

    // The stored third value is minus the deflection, so adding it puts a sag below the baseline.
    const auto& D = Eng.DeflectionPolyline[lc];
    c.MoveTo(kBeamLeftPx, deflection.base + Px(D[1][2] * deflection.scale));
    for (int i = 2, n = VertexCount(D[0][0], kMaxDeflectionVertices); i <= n; ++i)
        c.LineTo(column(D[i][1]), deflection.base + Px(D[i][2] * deflection.scale));

    SetPen(c, colors::White, 2);
    for (int y : {shear.base, moment.base, deflection.base})
        DrawLine(c, kBeamLeftPx, y, f.W - kBeamRightMarginPx, y);
}

void ShearLabels(Canvas& c, const DrawingFrame& f, int lc, int mode, int d, const Band& b) {
    const auto& E = Eng.ShearExtremes;
    if (mode == -1) {
        double p = FirstSupport(lc);
        if (Eng.LHCantileverActive[lc] == 1 && std::fabs(b.Shown(E[lc][kLHCantRow][2])) > 0.001)
            b.Label(c, BeamColumn(f, p), E[lc][kLHCantRow][2]);
        for (int s = 1; s <= Model.SpanCount[lc]; ++s) {
            b.Label(c, BeamColumn(f, p), E[lc][s][1]);
            p += Eng.LoadcaseSpanLength[lc][s];
            b.Label(c, BeamColumn(f, p), E[lc][s][2]);
        }
        if (Eng.RHCantileverActive[lc] == 1 && std::fabs(b.Shown(E[lc][kRHCantRow][1])) > 0.001)
            b.Label(c, BeamColumn(f, p), E[lc][kRHCantRow][1]);
    }
    Caption(c, b.base - d - 30, colors::Yellow, "Max +ve Shear");
    Caption(c, b.base + d, colors::Aqua, "Max -ve Shear");
    if (mode == 0) return;
    const TExtremesRec& all = E[mode == 1 ? 0 : lc][kBeamRow];
    if (std::fabs(all[3]) > 1e-5f) Caption(c, b.base - d - 15, colors::Yellow, b.Text(all[3]));
    if (std::fabs(all[4]) > 1e-5f) Caption(c, b.base + d + 15, colors::Aqua, b.Text(all[4]));
}

void MomentLabels(Canvas& c, const DrawingFrame& f, int lc, int mode, int d, const Band& b) {
    const auto& E = Eng.MomentExtremes;
    Title(c, b.base - 5, "MOMENT");
    if (mode == -1) {
        double p = FirstSupport(lc);
        const float left = SupportMoment(E[lc][kLHCantRow][2], E[lc][1][0]);
        if (std::fabs(left) > 0.001f) b.Label(c, BeamColumn(f, p), left);
        for (int s = 1; s <= Model.SpanCount[lc]; ++s) {
            const double L = Eng.LoadcaseSpanLength[lc][s];
            if (std::fabs(b.Shown(E[lc][s][1])) > 0.001) b.Label(c, BeamColumn(f, p + L / 2), E[lc][s][1]);
            p += L;
            const float end = SupportMoment(E[lc][s][2], E[lc][s + 1][0]);
            if (std::fabs(end) > 0.001f) b.Label(c, BeamColumn(f, p), end);
        }
    }
    std::string largest, smallest;
    if (mode != 0) {
        const TExtremesRec& all = E[mode == 1 ? 0 : lc][kBeamRow];
        largest = b.Text(all[3]);
        smallest = b.Text(all[4]);
    }
    // Drawn the other way up, the positive maxima stand below the baseline.
    const int above = b.base - d - 30, below = b.base + d;
    const int plus = b.mirrored ? below : above, minus = b.mirrored ? above : below;
    Caption(c, plus, colors::Yellow, "Max +ve Mom");
    Caption(c, plus + 15, colors::Yellow, largest);
    Caption(c, minus, colors::Aqua, "Max -ve Mom");
    Caption(c, minus + 15, colors::Aqua, smallest);
}

void DeflectionLabels(Canvas& c, const DrawingFrame& f, int lc, int mode, int d, const Band& b) {
    const auto& E = Eng.DeflectionExtremes;
    Title(c, b.base - 5, "DEFLECTION");
    if (mode == -1) {
        if (Eng.LHCantileverActive[lc] == 1 && std::fabs(b.Shown(E[lc][kLHCantRow][1])) > 0.001)
            b.Label(c, 130 + kLabelShift, E[lc][kLHCantRow][1]);
        double p = FirstSupport(lc);
        for (int s = 1; s <= Model.SpanCount[lc]; ++s) {
            const double L = Eng.LoadcaseSpanLength[lc][s];
            b.Label(c, BeamColumn(f, p + L / 2), E[lc][s][1]);
            p += L;
        }
        if (Eng.RHCantileverActive[lc] == 1 && std::fabs(b.Shown(E[lc][kRHCantRow][1])) > 0.001)
            b.Label(c, f.W - 95 + kLabelShift, E[lc][kRHCantRow][1]);
    }
    if (mode == 0) return;
    const TExtremesRec& all = E[mode == 1 ? 0 : lc][kBeamRow];
    if (all[3] > 0) {
        Caption(c, b.base - d - 30, colors::Yellow, "Max +ve Deflection");
        Caption(c, b.base - d - 15, colors::Yellow, b.Text(all[3]));
    }
    if (all[4] < 0) {
        Caption(c, b.base + d, colors::Aqua, "Max -ve Deflection");
        Caption(c, b.base + d + 15, colors::Aqua, b.Text(all[4]));
    }
}

std::string ReactionText(double r) {
    return SigFig4Dec3(r * Model.UnitFactorShear) + " " + Model.UnitTextShear.str();
}

void Reactions(Canvas& c, const DrawingFrame& f, int lc, int mode) {
    const int supports = Model.SpanCount[0] + 1;
    const auto at = SupportPositions(Model.SpanData, Model.SpanData[kLHCantRow][mfL], Model.SpanCount[0]);
    Arr<int, 1, kMaxSupports> column;
    for (int k = 1; k <= supports; ++k)
        column[k] = BeamColumn(f, at[k - 1]);
    if (mode == -1) {
        for (int k = 1; k <= supports; ++k) {
            const double r = Eng.SupportReaction[lc][k];
            c.SetFontColor(r < 0 ? colors::Red : colors::Yellow);
            c.TextOut(column[k] - kLabelShift, 125, ReactionText(r));
        }
        c.SetFontColor(colors::White);
        c.TextOut(5, 115, "Reactions");
    }
    EnvelopeSupportReactions();
    if (mode != 1) return;
    for (int k = 1; k <= supports; ++k) {
        if (Eng.SupportWorkValues[k] > -1e-5f) {
            c.SetFontColor(colors::Yellow);
            c.TextOut(column[k] - kLabelShift, 115, ReactionText(Eng.SupportWorkValues[k]));
        }
        if (Eng.MinSupportReaction[k] < 0) {
            c.SetFontColor(colors::Red);
            c.TextOut(column[k] - 25, 130, ReactionText(Eng.MinSupportReaction[k]));
        }
    }
    c.SetFontColor(colors::White);
    c.TextOut(6, 107, "Maximum");
    c.TextOut(6, 123, "Reactions");
}

} // namespace

void DrawDiagrams(Canvas& c, const DrawingFrame& f) {
    if (Eng.DeflectionExtremes[0][kBeamRow][xMagnitude] == 0) return;

    // A list taller than the window leaves no height for the curves: they then lie flat.
    const double S = std::max(f.H - 200 - f.h, 0);
    int B = std::max(f.H - 50 - f.h, 350);
    if (Drawing.DiagramMode == 1) B = 650;
    Band shear{Px(0.21 * B + 100), ScaleFor(0.09 * S, Eng.ShearExtremes[0][kBeamRow][xMagnitude]),
               Model.UnitFactorShear, Model.UnitTextShear.str()};
    Band moment{Px(0.43 * B + 100), ScaleFor(0.09 * S, Eng.MomentExtremes[0][kBeamRow][xMagnitude]),
                Model.UnitFactorMoment, Model.UnitTextMoment.str(), Model.MomentDiagramSign == -1};
    Band deflection{Px(0.63 * B + 100), ScaleFor(0.1 * S, Eng.DeflectionExtremes[0][kBeamRow][xMagnitude]),
                    Model.UnitFactorDeflection, Model.UnitTextDeflection.str()};
    const int d = Px(f.H / 40.0);

    Title(c, shear.base - 5, "SHEAR");
    if (Drawing.ShownCase == 0) Drawing.ShownCase = 1;
    const int lc = Drawing.ShownCase;
    const int mode = Model.ShownCaseMode;
    DrawCurves(c, f, lc, shear, moment, deflection);
    Title(c, 80, "LOADS");

    ShearLabels(c, f, lc, mode, d, shear);
    MomentLabels(c, f, lc, mode, d, moment);
    DeflectionLabels(c, f, lc, mode, d, deflection);
    Reactions(c, f, lc, mode);
}

} // namespace kx

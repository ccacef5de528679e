// The beam and load sketch of the main window.
#include "window/BeamAndLoadSketch.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "window/DrawingScale.h"
#include "window/DrawingVocabulary.h"

namespace kx {

namespace {

// The beam line's centre; load outlines stand on its upper edge.
constexpr int kBeamY = 96;
constexpr int kLoadBaseY = 94;
// The height of the largest distributed-load rate.
constexpr double kLoadHeightPx = 40.0;
constexpr int kDrawnRecords = 50; // record 51, the self-weight, is drawn as the comb

// Arrows stand on the beam line's upper edge and hang under its lower edge.
constexpr ArrowStyle kArrows{
    .tipDown = -3, .barbDown = -16, .tailDown = -51, .tipUp = 4, .barbUp = 14, .tailUp = 44, .barbHalf = 5};

// The symbol of support code `code` at column X; `scaled` is the support's distance x the drawing
// scale, from which the fixed-end hatches take their outer ends before rounding.
void DrawSupport(Canvas& c, int32 code, SupportEnd end, int X, double scaled) {
    const int hatchEnd = kBeamLeftPx + Px(end == SupportEnd::Left ? scaled - 10 : scaled + 10);
    DrawSupportSymbol(c, kScreenSupports, code, end, {X, kBeamY, 1, 1, hatchEnd});
}

std::string LengthText(float L) { return SigFig3Dec3(static_cast<double>(L) / Model.UnitFactorLength); }

void LengthLabel(Canvas& c, int x, const std::string& number) {
    c.TextOut(x, 101, number + " " + Model.UnitTextLength.str());
}

std::string Factored(const std::string& value, float LF) {
    return Model.FactoredLoadsFlag == 1 ? value + " x " + SigFig3Dec3(LF) : value;
}

// Rate labels of the shown loadcase's distributed loads and the summed rates where loads overlap.
void DrawRateLabels(Canvas& c, const DrawingFrame& f, int lc) {
    const double udl = Model.UnitFactorUDL;
    for (int rec = 1; rec <= kDrawnRecords; ++rec) {
        const TUDLStackRec& s = Model.UDLStackTable[lc][rec];
        const int x1 = BeamColumn(f, s[usX1]), x2 = BeamColumn(f, s[usX2]);
        c.SetFontColor(colors::Red);
        if (s[usW1] != 0) c.TextOut(x1 + 3, 32, Factored(SigFig3Dec3(s[usW1] / udl), s[usLF1]));
        if (s[usW2] != 0 && s[usW2] != s[usW1])
            c.TextOut(x2 - (Model.FactoredLoadsFlag == 1 ? 66 : 36), 32,
                      Factored(SigFig3Dec3(s[usW2] / udl), s[usLF2]));
        c.SetFontColor(colors::White);
        if (s[usW1Sum] != 0 && s[usW1Sum] != s[usW1])
            c.TextOut(x1 - 12, 3, "(" + SigFig3Dec3(s[usW1Sum] / udl) + ")");
        if (s[usW2Sum] != 0 && s[usW2Sum] != s[usW2])
            c.TextOut(x2 - 12, 3, "(" + SigFig3Dec3(s[usW2Sum] / udl) + ")");
    }
}

} // namespace

void DrawLoads(Canvas& c, const DrawingFrame& f) {
    const double BL = Model.BeamLength;
    if (BL == 0) return;
    if (Model.ShownCaseMode == 1) Drawing.ShownCase = 0;
    const int shown = Drawing.ShownCase;
    const int first = shown == 0 ? 1 : shown, last = shown == 0 ? kMaxLoadcases : shown;
    const int Lpx = DrawingLengthPx(f);

    // Every applied point load of the loadcases shown (with "All" up to 250), and one vertical scale
    // over every loaded loadcase, so that switching loadcases keeps it.
    std::vector<PointLoad> points;
    std::array<LoadProfile<double>, kMaxLoadcases + 1> profiles{};
    double largest = 1e-6;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        AppliedLoads loads;
        GatherAppliedLoads(Model.LoadTable[lc], loads);
        if (lc >= first && lc <= last) points.insert(points.end(), loads.points.begin(), loads.points.end());
        if (Model.CaseHasLoads[lc] == 0) continue;
        profiles[static_cast<std::size_t>(lc)] = SumLoadProfile<double>(loads.pieces, BL, 1);
        largest = std::max(largest, ProfilePeak(profiles[static_cast<std::size_t>(lc)]));
    }
    const double scale = kLoadHeightPx / largest;

    auto column = [&](int j) { return kBeamLeftPx + Px(static_cast<double>(j) * Lpx / kProfileStations); };
    for (int lc = first; lc <= last; ++lc) {
        if (Model.CaseHasLoads[lc] == 0) continue;
        const LoadProfile<double>& p = profiles[static_cast<std::size_t>(lc)];
        auto height = [&](int j) { return kLoadBaseY - Px(p[static_cast<std::size_t>(j)] * scale); };
        DrawLoadOutline(c, kScreenOutline, {column, height, {}, kLoadBaseY});
    }

    const int right = f.W - kBeamRightMarginPx;
    for (int lc = first; lc <= last; ++lc)
        if (Model.LoadTable[lc][kSelfWeightRecord][lfApplied] == 1.0f)
            DrawSelfWeightStrip(c, kScreenStrip, kBeamLeftPx, right, {kBeamLeftPx, kLoadBaseY},
                                [&](int k) { return Px(static_cast<double>(k) * Lpx / 100 + kBeamLeftPx); });

    SetPen(c, colors::Yellow, 2);
    for (const PointLoad& l : points)
        DrawPointLoadArrow(c, kArrows, l.P,
                           {Px(Lpx * static_cast<double>(l.dist) / BL + kBeamLeftPx), kBeamY});

    if (shown == 0) return; // "All": the labels of several loadcases would stand on one another
    c.SetFontColor(colors::Yellow);
    for (const PointLoad& l : points) {
        const int x = Px(Lpx * static_cast<double>(l.dist) / BL + kBeamLeftPx);
        c.TextOut(x - 12, 20, Factored(SigFig3Dec3(l.P / Model.UnitFactorForce), l.LF));
    }
    DrawRateLabels(c, f, shown);
}

void DrawBeam(Canvas& c, const DrawingFrame& f) {
    const double BL = Model.BeamLength;
    if (BL == 0) return;
    for (int r = kLHCantRow; r <= kRHCantRow; ++r)
        Drawing.DrawnMemberLength[r] = Model.SpanData[r][mfL];
    const int spans = Model.SpanCount[0];
    const auto pos = SupportPositions(Model.SpanData, Model.SpanData[kLHCantRow][mfL], spans);
    const double s = DrawingLengthPx(f) / BL;

    SetPen(c, colors::White, 4);
    DrawLine(c, 152, kBeamY, f.W - 77, kBeamY);

    DrawSupport(c, Model.SupportType[0], SupportEnd::Left, BeamColumn(f, pos[0]), pos[0] * s);
    for (int k = 1; k <= spans - 1; ++k)
        DrawSupport(c, Model.SupportType[k], SupportEnd::Interior, BeamColumn(f, pos[k]), pos[k] * s);
    DrawSupport(c, Model.SupportType[kRHEndSupport], SupportEnd::Right, BeamColumn(f, pos[kRHEndSupport]),
                pos[kRHEndSupport] * s);

    c.SetFontColor(colors::White);
    const TMemberRow& lh = Model.SpanData[kLHCantRow];
    if (lh[mfExists] == 1.0f) LengthLabel(c, kBeamLeftPx + Px(pos[0] * s / 2) - 22, LengthText(lh[mfL]));
    for (int k = 1; k <= spans; ++k) {
        const float L = Model.SpanData[k][mfL];
        const std::string text = LengthText(L);
        if (text != "0.00") LengthLabel(c, kBeamLeftPx + Px((pos[k] - L / 2.0) * s) - 22, text);
    }
    const TMemberRow& rh = Model.SpanData[kRHCantRow];
    if (rh[mfExists] == 1.0f) {
        const std::string text = LengthText(rh[mfL]);
        if (text != "0.00")
            LengthLabel(c, Px((rh[mfL] / 2.0 + pos[kRHEndSupport]) * s + kBeamLeftPx) - 12, text);
    }
}

} // namespace kx

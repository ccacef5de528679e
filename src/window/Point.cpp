// Results at a point: the checks, the re-solve of each loadcase on a copy of the engine state, the
// values, their maxima and texts.
#include "window/Point.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <type_traits>

#include "engine/AnalyseBeam.h"
#include "engine/AnalysedJob.h"
#include "engine/CantileverStatics.h"
#include "engine/EngineState.h"
#include "engine/LoadDistribution.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/LineCount.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "platform/Dialogs.h"
#include "platform/NumberInput.h"
#include "platform/Printer.h"
#include "platform/StateRegistry.h"
#include "window/Print.h"
#include "window/Pro_PrintHeader.h"

namespace kx {

TPointResults PointResults;
KX_REGISTER_STATE(PointResults);

void ForgetPointResults() { PointResults = TPointResults{}; }

namespace {

// A distance that is not wholly a number ("2,5", "3 m") reads as 0, so that the check of a zero
// distance asks for it again rather than a point being solved at its leading digits.
constexpr NumberPolicy kDistanceNumbers = NumberPolicy::ZeroWhenNotANumber;

constexpr int kFirstQ = 3;
constexpr int kLastQ = 2000;

// The engine state and the model field the engine's steps write, saved on entry and put back on
// every way out, so that the analysis' reactions, extremes, load pieces and stores, which the
// diagrams, printouts and beam file read, survive the re-solves. Only the no-loads flags stay as
// the re-solves leave them, so that "No loads on beam" still comes once per analysis.
class EngineStateKeeper {
public:
    static_assert(std::is_trivially_copyable_v<EngineState>);

    EngineStateKeeper()
        : saved_(std::make_unique_for_overwrite<std::byte[]>(sizeof(EngineState))),
          totalAppliedLoad_(Model.TotalAppliedLoad) {
        std::memcpy(saved_.get(), static_cast<const void*>(&Eng), sizeof(EngineState));
    }
    ~EngineStateKeeper() {
        const auto noLoadsReported = Eng.NoLoadsReported;
        std::memcpy(static_cast<void*>(&Eng), saved_.get(), sizeof(EngineState));
        Eng.NoLoadsReported = noLoadsReported;
        Model.TotalAppliedLoad = totalAppliedLoad_;
    }
    EngineStateKeeper(const EngineStateKeeper&) = delete;
    EngineStateKeeper& operator=(const EngineStateKeeper&) = delete;

private:
    std::unique_ptr<std::byte[]> saved_;
    Arr<float, 1, 5> totalAppliedLoad_;
};

enum class DistanceCheck { Accepted, Refused };

bool Exists(int row) { return Model.SpanData[row][mfExists] == 1.0f; }

// The four checks of a typed distance x (mm), in their order, on the committed geometry.
DistanceCheck CheckDistance(float x) {
    if (x > Model.BeamLength) {
        dlg().Message("Value exceeds length of beam");
        return DistanceCheck::Refused;
    }
    if (x == 0) {
        dlg().Message("Please enter point measured from LH end of beam");
        return DistanceCheck::Refused;
    }
    if (x < 0) {
        dlg().Message("Please use positive value");
        return DistanceCheck::Refused;
    }
    const double xd = x;
    const auto& rows = Model.SpanData;
    // Support positions; a cantilever that does not exist takes no length, as in the loads.
    Arr<double, 0, kMaxSpans> pos;
    pos[0] = Exists(kLHCantRow) ? rows[kLHCantRow][mfL] : 0.0;
    for (int k = 1; k <= kMaxSpans; ++k)
        pos[k] = pos[k - 1] + rows[k][mfL];
    bool nearSupport = false;
    if (Exists(kLHCantRow)) {
        const double L0 = rows[kLHCantRow][mfL];
        nearSupport = pos[0] - L0 / 1000 < xd && xd <= pos[0];
    }
    for (int k = 1; k <= Model.SpanCount[0] && !nearSupport; ++k) {
        const double t = static_cast<double>(rows[k][mfL]) / 1000;
        nearSupport = (pos[k - 1] < xd && xd < pos[k - 1] + t) || (pos[k] - t < xd && xd <= pos[k]);
    }
    if (!nearSupport && Exists(kRHCantRow)) {
        const double L26 = rows[kRHCantRow][mfL];
        nearSupport = pos[kMaxSpans] < xd && xd < pos[kMaxSpans] + L26 / 1000;
    }
    if (nearSupport) {
        dlg().Message("Cannot analyse point nearer then 1/1000 span of a support");
        return DistanceCheck::Refused;
    }
    return DistanceCheck::Accepted;
}

// Solves loadcase lc again at q intervals per member, with its load factors, as the analysis'
// final pass does.
void Resolve(int lc, int q) {
    Eng.CurrentCase = lc;
    Eng.NumSpanIntervals = q;
    Eng.BeamE = Model.SpanData[1][mfE];
    Eng.BeamIxx = Model.SpanData[1][mfIxx];
    ResetLoadcaseWork(); // also empties the span shear and moment rows
    DistributeLoads();
    Eng.ApplyLoadFactors = 1;
    FillSpanLoadTables();
    Eng.ApplyLoadFactors = 0;
    CantileverForces();
    Eng.LHCantileverMoment = Eng.CantileverMoment[1][1];
    Eng.RHCantileverMoment = -1.0 * Eng.CantileverMoment[2][1];
    for (int s = 1; s <= Model.SpanCount[lc]; ++s)
        Eng.SpanStiffness[s] = Eng.BeamIxx / Eng.LoadcaseSpanLength[lc][s] * Eng.BeamE;
    SolveContinuousSpans(PieceShears::Skip);
}

// The stored deflection at the fraction p/q of a member, between its twentieth points. at(j) is
// the stored value at twentieth point j counted from the member's left end.
template <typename At> float InterpolatedDeflection(const PointFraction& fr, At at) {
    const double t = 20.0 * fr.p / fr.q;
    const int k = static_cast<int>(t);
    const double r = t - k;
    const double d0 = at(k + 1);
    if (k >= kDeflectionIntervals || r == 0) return static_cast<float>(d0);
    const double d1 = at(k + 2);
    return static_cast<float>(d0 + (d1 - d0) * r);
}

// The four values of loadcase lc at x; all 0 when no member of the loadcase holds x.
void CalcLoadcaseAt(int lc, float x) {
    auto& R = PointResults;
    R.PointShear[lc] = R.PointMoment[lc] = R.PointStress[lc] = R.PointDeflection[lc] = 0;
    const PointMember m = LocatePoint(lc, x);
    if (m.row < 0) return;
    const PointFraction fr = NearestFraction(m.f);
    if (fr.q == 0) return;

    Resolve(lc, fr.q);
    // The stored deflections of the analysis, which the re-solve does not touch.
    const auto& stored = Eng.StoredDeflection[lc];
    const auto& storedCant = Eng.StoredCantDeflection[lc];
    if (m.row == kLHCantRow) {
        // Solved and stored from its support outward; f runs from its free end.
        const int i = fr.q - fr.p + 1;
        R.PointShear[lc] = -Eng.CantileverShear[1][i];
        R.PointMoment[lc] = Eng.CantileverMoment[1][i];
        R.PointDeflection[lc] =
            InterpolatedDeflection(fr, [&](int j) { return storedCant[1][kDeflectionPoints + 1 - j]; });
    } else if (m.row == kRHCantRow) {
        R.PointShear[lc] = Eng.CantileverShear[2][fr.p + 1];
        R.PointMoment[lc] = Eng.CantileverMoment[2][fr.p + 1];
        R.PointDeflection[lc] = InterpolatedDeflection(fr, [&](int j) { return storedCant[2][j]; });
    } else {
        R.PointShear[lc] = static_cast<float>(Eng.ShearForce[m.row][fr.p + 1]);
        R.PointMoment[lc] = static_cast<float>(Eng.BendingMoment[m.row][fr.p + 1]);
        R.PointDeflection[lc] = InterpolatedDeflection(fr, [&](int j) { return stored[m.row][j]; });
    }
    const double Ixx = Model.SpanData[1][mfIxx];
    R.PointStress[lc] =
        Ixx == 0 ? 0.0f
                 : static_cast<float>(R.PointMoment[lc] * static_cast<double>(Model.SpanData[1][mfY]) / Ixx);
}

void CalcMaxima() {
    auto& R = PointResults;
    for (auto* values : {&R.PointShear, &R.PointMoment, &R.PointStress, &R.PointDeflection}) {
        auto& v = *values;
        v[0] = 0;
        for (int lc = 1; lc <= Model.LoadcaseCount; ++lc)
            if (std::fabs(v[lc]) > std::fabs(v[0])) v[0] = v[lc];
    }
}

std::string ValueText(float value, float factor) { return SigFig4Dec3(static_cast<double>(value) * factor); }

// Writes the result list into PointLines.
void BuildPointLines(float x) {
    auto& R = PointResults;
    auto& lines = R.PointLines;
    for (int i = 1; i <= lines.high; ++i)
        lines[i].clear();
    int n = 0;
    auto add = [&](std::string text) { lines[++n] = std::move(text); };
    auto addValues = [&](int slot) {
        const char *shear = nullptr, *moment = nullptr, *stress = nullptr;
        if (Model.FactoredLoadsFlag == -1) {
            shear = "    Shear = ", moment = "    Moment = ", stress = "    Stress = ";
        } else if (Model.FactoredLoadsFlag == 1) {
            shear = "    Factored Shear = ", moment = "   Factored Moment = ",
            stress = "   Factored Elastic Stress = ";
        }
        if (shear) {
            add(shear + ValueText(R.PointShear[slot], Model.UnitFactorShear) + " " +
                Model.UnitTextShear.str());
            add(moment + ValueText(R.PointMoment[slot], Model.UnitFactorMoment) + " " +
                Model.UnitTextMoment.str());
            const std::string v = ValueText(R.PointStress[slot], Model.UnitFactorStress);
            if (v != "0.000" && v != "#####") add(stress + v + " " + Model.UnitTextStress.str());
        }
        if (R.PointDeflection[slot] != 0)
            add("    Deflection = " + ValueText(R.PointDeflection[slot], Model.UnitFactorDeflection) + " " +
                Model.UnitTextDeflection.str());
    };

    add("  RESULTS AT POINT ");
    add("    Distance along beam = " + SigFig3(static_cast<double>(x) / Model.UnitFactorLength) + " " +
        Model.UnitTextLength.str());
    add("");
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        add(" LOADCASE " + std::to_string(lc));
        addValues(lc);
        add("");
    }
    add(" MAXIMA ");
    addValues(0);
    // The count names the line after the last one written, which the list shows empty.
    SetLineCount(lines, n + 1);
}

std::string UnitCaption(const Str10& unit) {
    std::string caption = " ";
    caption += unit.str();
    caption.resize(std::min<std::size_t>(caption.size(), 11));
    return caption;
}

} // namespace

PointFraction NearestFraction(float f) {
    PointFraction best;
    // Rounding may put the tip of a cantilever a hair beyond 1; no fraction is nearer than q/q there.
    if (!(f >= 0.0f && f <= 2.0f)) return best;
    float bestError = 1.0f;
    // For each q only the p beside f * q can come nearest: the error grows steadily away from them
    // (neighbouring fractions lie 1/q apart, far more than the rounding of single precision), so
    // this finds what trying every p would, with the same ties.
    for (int q = kFirstQ; q <= kLastQ; ++q) {
        const int c = static_cast<int>(std::floor(static_cast<double>(f) * q));
        const int from = std::max(1, c - 1), to = std::min(q, c + 2);
        for (int p = from; p <= to; ++p) {
            const float pq = static_cast<float>(p) / static_cast<float>(q);
            const float e = std::fabs(f - pq);
            if (e < bestError) {
                bestError = e;
                best = {q, p};
            }
        }
    }
    return best;
}

PointMember LocatePoint(int lc, float x) {
    const int n = Model.SpanCount[lc];
    const bool lh = Eng.LHCantileverActive[lc] == 1, rh = Eng.RHCantileverActive[lc] == 1;
    const double xd = x;
    Arr<double, 0, kMaxSpans> a;
    a[0] = lh ? Eng.CantileverLength[lc][0] : 0.0;
    for (int s = 1; s <= kMaxSpans; ++s)
        a[s] = a[s - 1] + Eng.LoadcaseSpanLength[lc][s];
    if (lh && xd < a[0]) return {kLHCantRow, static_cast<float>(xd / a[0])};
    for (int s = 1; s <= n; ++s)
        if (xd < a[s]) return {s, static_cast<float>((xd - a[s - 1]) / Eng.LoadcaseSpanLength[lc][s])};
    // The RH cantilever starts at the loadcase's last support, wherever a released support left it.
    if (rh && xd > a[n]) return {kRHCantRow, static_cast<float>((xd - a[n]) / Eng.CantileverLength[lc][1])};
    return {};
}

bool CalcPointResults(std::string_view distanceText) {
    if (Model.BeamLength == 0) return false;
    // A number too large for a double, or beyond what a single holds, is held as the infinity of
    // its sign: beyond the beam, or short of its left end, whatever the unit.
    const int beyond = BeyondDoubleRange(distanceText);
    const double typed = beyond != 0 ? beyond * HUGE_VAL
                                     : ReadNumber(distanceText, kDistanceNumbers) *
                                           static_cast<double>(Model.UnitFactorLength);
    constexpr float kBeyond = std::numeric_limits<float>::infinity();
    const float x =
        std::fabs(typed) <= FLT_MAX ? static_cast<float>(typed) : (typed > 0 ? kBeyond : -kBeyond);
    Model.PointPosition = x;
    // Nothing is solved for a beam that was never analysed as it stands.
    if (!BeamResultsAvailable() || Model.LoadcaseCount < 1) {
        dlg().Message(kAnalyseBeamFirst);
        return false;
    }
    if (CheckDistance(x) == DistanceCheck::Refused) return false;

    {
        EngineStateKeeper keeper;
        for (int lc = 1; lc <= Model.LoadcaseCount; ++lc)
            CalcLoadcaseAt(lc, x);
    }
    CalcMaxima();
    BuildPointLines(x);
    return true;
}

PointGrid PointGridContent(bool withValues) {
    PointGrid g;
    g[0] = {" Loadcase", " Shear ", " Moment ", " Stress ", " Deflection "};
    g[1] = {"", UnitCaption(Model.UnitTextShear), UnitCaption(Model.UnitTextMoment),
            UnitCaption(Model.UnitTextStress), UnitCaption(Model.UnitTextDeflection)};
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        g[static_cast<std::size_t>(lc + 1)][0] = "  " + std::to_string(lc) + " ";
    g[7][0] = " Maxima";
    if (!withValues) return g;

    const auto& R = PointResults;
    auto fill = [&](std::size_t row, int slot) {
        g[row][1] = ValueText(R.PointShear[slot], Model.UnitFactorShear);
        g[row][2] = ValueText(R.PointMoment[slot], Model.UnitFactorMoment);
        g[row][3] = ValueText(R.PointStress[slot], Model.UnitFactorStress);
        g[row][4] = ValueText(R.PointDeflection[slot], Model.UnitFactorDeflection);
    };
    for (int lc = 1; lc <= std::min(Model.LoadcaseCount, kMaxLoadcases); ++lc)
        fill(static_cast<std::size_t>(lc + 1), lc);
    fill(7, 0);
    return g;
}

std::vector<std::string> PointListContent() {
    // Values found on results that no longer stand are neither shown nor printed.
    if (!ResultsStand()) return {};
    const auto& lines = PointResults.PointLines;
    const double count = ReadNumber(lines[0], NumberPolicy::LeadingNumber);
    const int n = count >= 1 ? static_cast<int>(std::min<double>(count, lines.high)) : 0;
    std::vector<std::string> out;
    for (int i = 1; i <= n; ++i)
        out.push_back(lines[i]);
    return out;
}

void PointFormShow(PointControls& c) {
    c.Grid_RaP = PointGridContent(false);
    c.Label_Unit = Model.UnitTextLength.str();
    c.Edit_Dist = PointDistanceText();
    c.List_Results = PointListContent();
}

void PointCalculate(PointControls& c) {
    if (!CalcPointResults(c.Edit_Dist)) return;
    c.Grid_RaP = PointGridContent(true);
    c.List_Results = PointListContent();
}

bool PrintPointResults(Printer& p) {
    const std::vector<std::string> lines = PointListContent();
    if (lines.empty()) return false;
    constexpr int kFirstRow = 14;
    return RunPrintJob(p, [&] {
        const PrintPageGrid grid = PageGrid(p);
        PrintHeader(p);
        Canvas& c = p.canvas();
        c.SetFontName("Courier");
        c.SetFontSize(10);
        int row = kFirstRow;
        for (const std::string& line : lines)
            c.TextOut(grid.PrintMarginX, grid.PrintLineY[row++], line);
    });
}

std::string PointDistanceText() {
    if (Model.UnitFactorLength == 0) return " ";
    const std::string text = SigFig3(static_cast<double>(Model.PointPosition) / Model.UnitFactorLength);
    return text == "0.0" ? " " : text;
}

} // namespace kx

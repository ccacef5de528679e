// The diagram pages of the printed report.
#include "window/PrintDiagrams.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/SharedModel.h"
#include "foundation/SigFig.h"
#include "window/DrawingState.h"
#include "window/DrawingVocabulary.h"
#include "window/Pro_PrintHeader.h"

namespace kx {

namespace {

// Page positions in millimetres from the top left of the page.
constexpr double kX0 = 25, kX1 = 190;
constexpr double kBeamY = 75, kShearY = 125, kMomentY = 175, kDeflectionY = 230;

// Point-load arrows come down onto the beam, or up to it from below for an upward load.
constexpr ArrowStyle kArrows{
    .tipDown = -1, .barbDown = -3, .tailDown = -10, .tipUp = 1, .barbUp = 3, .tailUp = 10, .barbHalf = 1};

struct Loads : AppliedLoads {
    bool selfWeight = false;
};

// Adds the applied loads of a loadcase: each point load once when merge is set (equal ones drawn
// as one), and whether the self-weight is applied.
void GatherLoads(Loads& loads, int lc, bool merge) {
    AppliedLoads own;
    GatherAppliedLoads(Model.LoadTable[lc], own);
    loads.pieces.insert(loads.pieces.end(), own.pieces.begin(), own.pieces.end());
    for (const PointLoad& load : own.points)
        if (!merge || std::find(loads.points.begin(), loads.points.end(), load) == loads.points.end())
            loads.points.push_back(load);
    if (Model.LoadTable[lc][kSelfWeightRecord][lfApplied] == 1.0f) loads.selfWeight = true;
}

// Vertical scales, pixels per N, N mm and mm, shared by every page of a printout.
struct Scales {
    double shear = 0, moment = 0, deflection = 0;
};

Scales BandScales(double S, double M, double D, float dpmmY) {
    const double f = DiagramShrinkFactor(Model.SpanCount[0]);
    auto scale = [&](double mm, float governing) {
        return governing == 0 ? 0.0 : mm * static_cast<double>(dpmmY) / governing * f;
    };
    return {scale(S, Eng.ShearExtremes[0][kBeamRow][xMagnitude]),
            scale(M, Eng.MomentExtremes[0][kBeamRow][xMagnitude]),
            scale(D, Eng.DeflectionExtremes[0][kBeamRow][xMagnitude])};
}

class DiagramPage {
public:
    DiagramPage(Printer& p, bool envelope)
        : p_(p), envelope_(envelope), dx_(PrintDotsPerMmX(p)), dy_(PrintDotsPerMmY(p)), x0_(X(kX0)),
          x1_(X(kX1)), hs_(static_cast<double>(x1_ - x0_) / Model.BeamLength),
          scales_(envelope ? BandScales(15, 20, 20, dy_) : BandScales(14, 18, 18, dy_)) {}

    void Draw(int lc) {
        Frame(envelope_ ? "  Envelope Diagrams " : " LOADCASE " + std::to_string(lc));
        c().SetPenWidth(9);
        DrawLine(c(), x0_, Y(kBeamY), x1_, Y(kBeamY));
        Positions(envelope_ ? Eng.CantileverLength[0][0] : Model.SpanData[kLHCantRow][mfL]);
        Supports();
        Loads loads;
        if (envelope_) {
            for (int k = 1; k <= Model.LoadcaseCount; ++k)
                GatherLoads(loads, k, false);
        } else {
            GatherLoads(loads, lc, true);
        }
        LoadsBand(loads, lc);
        if (envelope_) {
            for (int k = 1; k <= Model.LoadcaseCount; ++k)
                Curves(k);
        } else {
            Curves(lc);
            ValueLabels(lc);
        }
        Finish(envelope_ ? 0 : lc);
    }

private:
    Canvas& c() { return p_.canvas(); }
    int X(double mm) const { return FloatToInt(mm * static_cast<double>(dx_)); }
    int Y(double mm) const { return FloatToInt(mm * static_cast<double>(dy_)); }
    // The column of a point s mm from the LH end of the beam.
    int BeamX(double s) const { return x0_ + FloatToInt(s * hs_); }
    void Text(int x, int y, const std::string& text) { c().TextOut(x, y, text); }
    void Text(int size, int x, int y, const std::string& text) {
        c().SetFontSize(size);
        Text(x, y, text);
        c().SetFontSize(8);
    }
    void Frame(const std::string& title) {
        PrintHeader(p_);
        c().SetFontName("Arial");
        c().SetFontSize(12);
        Text(X(15), Y(40), title);
        c().SetFontSize(8);
    }

    // Supports 0 (LH end) to SpanCount[0] (RH end), in mm from the LH end of the beam.
    void Positions(double lhLength) {
        pos_ = SupportPositions(lhLength, Model.SpanCount[0],
                                [](int k) { return Drawing.DrawnMemberLength[k]; });
    }

    void Symbol(int code, int x, SupportEnd end) {
        DrawSupportSymbol(c(), kPrintedSupports, code, end, {x, kBeamY, dx_, dy_});
    }

    void Supports() {
        const int n = Model.SpanCount[0];
        if (envelope_) {
            // Every support but a fixed end is drawn as a plain one: the loadcases may differ.
            const int lhCode = Model.SupportType[0];
            if (lhCode == supFixed || lhCode == supFixedEnd) Symbol(lhCode, BeamX(pos_[0]), SupportEnd::Left);
            for (int k = 1; k <= n; ++k) {
                const bool fixedEnd = k == n && Model.SupportType[kRHEndSupport] == supFixedEnd;
                Symbol(fixedEnd ? supFixedEnd : supFixed, BeamX(pos_[k]),
                       fixedEnd ? SupportEnd::Right : SupportEnd::Interior);
            }
            return;
        }
        for (int k = 0; k <= n; ++k) {
            const SupportEnd end = k == 0   ? SupportEnd::Left
                                   : k == n ? SupportEnd::Right
                                            : SupportEnd::Interior;
            const int code =
                end == SupportEnd::Right ? Model.SupportType[kRHEndSupport] : Model.SupportType[k];
            Symbol(code, BeamX(pos_[k]), end);
        }
    }

    void LoadsBand(const Loads& loads, int lc) {
        const double L = Model.BeamLength;
        const int yBeam = Y(kBeamY);

        // The distributed loads summed at 1001 points along the beam, from the LH end on.
        const LoadProfile<double> profile = SumLoadProfile<double>(loads.pieces, L, 0);
        const double scale = 8 * static_cast<double>(dy_) / ProfilePeak(profile);
        auto sx = [&](int i) { return BeamX(i * L / kProfileStations); };
        auto sy = [&](int i) { return yBeam - FloatToInt(profile[static_cast<std::size_t>(i)] * scale); };

        DrawLoadOutline(c(), kPrintedOutline, {sx, sy, {}, yBeam});

        const bool factored = Model.FactoredLoadsFlag == 1;
        if (!envelope_) {
            for (int r = 1; r <= 50; ++r) {
                const TUDLStackRec& u = Model.UDLStackTable[lc][r];
                auto rate = [&](float w, float lf) {
                    return SigFig4Dec3(w / Model.UnitFactorUDL) + (factored ? " x " + SigFig3Dec3(lf) : "");
                };
                auto sum = [&](float w) { return "(" + SigFig4Dec3(w / Model.UnitFactorUDL) + ")"; };
                if (u[usW1] != 0) Text(BeamX(u[usX1]) + X(0.5), Y(kBeamY - 12), rate(u[usW1], u[usLF1]));
                if (u[usW2] != 0 && u[usW2] != u[usW1])
                    Text(BeamX(u[usX2]) - X(factored ? 16 : 8), Y(kBeamY - 12), rate(u[usW2], u[usLF2]));
                if (u[usW1Sum] != 0 && u[usW1Sum] != u[usW1])
                    Text(BeamX(u[usX1]) - X(5), Y(kBeamY - 22), sum(u[usW1Sum]));
                if (u[usW2Sum] != 0 && u[usW2Sum] != u[usW2])
                    Text(BeamX(u[usX2]) - X(5), Y(kBeamY - 22), sum(u[usW2Sum]));
            }
        }

        if (loads.selfWeight)
            DrawSelfWeightStrip(c(), kPrintedStrip, x0_, x1_, {x0_, kBeamY, dx_, dy_},
                                [&](int k) { return x0_ + FloatToInt(k * (x1_ - x0_) / 100.0); });

        MemberLengths();
        Reactions(lc);

        for (const PointLoad& load : loads.points) {
            const int x = BeamX(load.dist);
            c().SetPenWidth(3);
            DrawPointLoadArrow(c(), kArrows, load.P, {x, kBeamY, dx_, dy_});
            if (envelope_) continue;
            Text(x - X(5), Y(kBeamY - 18),
                 SigFig4Dec3(load.P / Model.UnitFactorForce) + " " + Model.UnitTextForce);
            if (factored) Text(x - X(5), Y(kBeamY - 15), "x " + SigFig3Dec3(load.LF));
        }
        Text(10, X(95), Y(kBeamY + 15), envelope_ ? "ALL APPLIED LOADS" : "APPLIED LOADS");
    }

    void MemberLengths() {
        const int y = Y(kBeamY + 2.5);
        auto text = [](double L) { return SigFig3Dec3(L / Model.UnitFactorLength); };
        const auto& len = Drawing.DrawnMemberLength;
        if (Model.SpanData[kLHCantRow][mfExists] == 1.0f) Text(BeamX(pos_[0] / 2) - X(6), y, text(len[0]));
        const int n = Model.SpanCount[0];
        for (int k = 1; k <= n; ++k) {
            const std::string t = text(len[k]);
            if (t != "0.00") Text(BeamX(pos_[k] - len[k] / 2.0) - X(6), y, t);
        }
        if (Model.SpanData[kRHCantRow][mfExists] == 1.0f) {
            const std::string t = text(len[kRHCantRow]);
            if (t != "0.00") Text(BeamX(pos_[n] + len[kRHCantRow] / 2.0) - X(4), y, t);
        }
    }

    void Reactions(int lc) {
        const std::string unit = " " + Model.UnitTextShear.str();
        auto text = [&](double v) { return SigFig3Dec3(v * Model.UnitFactorShear) + unit; };
        for (int k = 1; k <= Model.SpanCount[0] + 1; ++k) {
            const int x = BeamX(pos_[k - 1]);
            if (!envelope_) {
                Text(x - X(5), Y(kBeamY + 6), text(Eng.SupportReaction[lc][k]));
                continue;
            }
            if (Eng.SupportWorkValues[k] > -0.0001f)
                Text(x - X(5), Y(kBeamY + 6), text(Eng.SupportWorkValues[k]));
            if (Eng.MinSupportReaction[k] < 0)
                Text(x - X(6), Y(kBeamY + 10), text(Eng.MinSupportReaction[k]));
        }
    }

    int FracX(float fraction) const { return x0_ + FloatToInt((x1_ - x0_) * static_cast<double>(fraction)); }

    void Curves(int lc) {
        c().SetPenWidth(3);
        const int yS = Y(kShearY), yM = Y(kMomentY), yD = Y(kDeflectionY);
        const auto& shear = Eng.ShearPolyline[lc];
        c().MoveTo(x0_, yS);
        for (int i = 1, n = FloatToInt(shear[0].x); i <= n; ++i)
            c().LineTo(FracX(shear[i].x), yS - FloatToInt(shear[i].y * scales_.shear));
        const auto& moment = Eng.MomentPolyline[lc];
        const double sign = Model.MomentDiagramSign;
        c().MoveTo(x0_, yM);
        for (int i = 1, n = FloatToInt(moment[0].x); i <= n; ++i)
            c().LineTo(FracX(moment[i].x), yM - FloatToInt(moment[i].y * scales_.moment * sign));
        // The deflection polyline holds minus the deflection.
        const auto& deflection = Eng.DeflectionPolyline[lc];
        c().MoveTo(x0_, yD);
        for (int i = 1, n = FloatToInt(deflection[0][0]); i <= n; ++i)
            c().LineTo(FracX(deflection[i][1]), yD + FloatToInt(deflection[i][2] * scales_.deflection));
    }

    // A value label left of a plotted point: its top edge above the point when the point stands
    // above the baseline, below it otherwise.
    void Label(int x, int base, int point, double above, double below, const std::string& text) {
        Text(x, point < base ? point - Y(above) : point + Y(below), text);
    }

    void ValueLabels(int lc) {
        const int n = Model.SpanCount[lc];
        const bool lh = Eng.LHCantileverActive[lc] == 1, rh = Eng.RHCantileverActive[lc] == 1;
        const double lhLength = lh ? Eng.CantileverLength[lc][0] : 0.0;
        std::vector<double> ends{lhLength};
        for (int s = 1; s <= n; ++s)
            ends.push_back(ends.back() + Eng.LoadcaseSpanLength[lc][s]);
        auto start = [&](int s) { return ends[static_cast<std::size_t>(s - 1)]; };
        auto end = [&](int s) { return ends[static_cast<std::size_t>(s)]; };
        auto shown = [](double v) { return std::fabs(v) > 0.001; };

        const auto& V = Eng.ShearExtremes[lc];
        const double fV = Model.UnitFactorShear;
        const int yS = Y(kShearY);
        auto shear = [&](int x, float v) {
            Label(x, yS, yS - FloatToInt(v * scales_.shear), 5, 3, SigFig4Dec3(v * fV));
        };
        for (int s = 1; s <= n; ++s) {
            shear(BeamX(start(s)) + (s == 1 ? X(1) : -X(5)), V[s][1]);
            shear(BeamX(end(s)) - X(4), V[s][2]);
        }
        if (lh && shown(V[0][2] * fV)) shear(BeamX(lhLength) - X(5), V[0][2]);
        if (rh && shown(V[26][1] * fV)) shear(BeamX(end(n)) - X(5), V[26][1]);

        const auto& M = Eng.MomentExtremes[lc];
        const double fM = Model.UnitFactorMoment, sign = Model.MomentDiagramSign;
        const int yM = Y(kMomentY);
        auto moment = [&](int x, float v) {
            if (!shown(v * fM)) return;
            Label(x, yM, yM - FloatToInt(v * scales_.moment * sign), 5, 3, SigFig4Dec3(v * fM));
        };
        for (int s = 1; s <= n; ++s) {
            moment(BeamX((start(s) + end(s)) / 2) - X(4), M[s][1]);
            moment(BeamX(end(s)) - X(4), M[s][2]);
        }
        if (lh) moment(BeamX(lhLength) - X(4), M[0][2]);

        const auto& D = Eng.DeflectionExtremes[lc];
        const double fD = Model.UnitFactorDeflection;
        const int yD = Y(kDeflectionY);
        auto deflection = [&](int x, float v, double above, double below) {
            Label(x, yD, yD - FloatToInt(v * scales_.deflection), above, below, SigFig3Dec3(v * fD));
        };
        if (lh && shown(D[0][1] * fD)) deflection(x0_ + X(1), D[0][1], 5, 3);
        for (int s = 1; s <= n; ++s)
            deflection(BeamX((start(s) + end(s)) / 2) - X(4), D[s][1], 4, 2);
        if (rh && shown(D[26][1] * fD)) deflection(x1_ - X(4), D[26][1], 5, 3);
    }

    // Baselines, the three scale bars with their values, the band titles and units.
    void Finish(int slot) {
        const int yS = Y(kShearY), yM = Y(kMomentY), yD = Y(kDeflectionY);
        c().SetPenWidth(2);
        for (int y : {yS, yM, yD})
            DrawLine(c(), x0_, y, x1_, y);
        c().SetPenWidth(1);
        auto bar = [&](int base, const TExtremesRec& rec, double scale, double sign, double factor,
                       bool zero) {
            const int yTop = base - FloatToInt(rec[3] * scale * sign);
            const int yBottom = base - FloatToInt(rec[4] * scale * sign);
            DrawLine(c(), x0_, yTop, x0_, yBottom);
            for (int y : {yTop, yBottom, base})
                DrawLine(c(), x0_ - X(3), y, x0_, y);
            Text(x0_ - X(10), yTop - Y(3), SigFig3Dec3(rec[3] * factor));
            Text(x0_ - X(10), yBottom - Y(3), SigFig3Dec3(rec[4] * factor));
            if (zero) Text(x0_ - X(10), base - Y(3), "0.0");
        };
        bar(yS, Eng.ShearExtremes[slot][kBeamRow], scales_.shear, 1, Model.UnitFactorShear, true);
        bar(yM, Eng.MomentExtremes[slot][kBeamRow], scales_.moment, Model.MomentDiagramSign,
            Model.UnitFactorMoment, true);
        // The deflection bar names its values as the deflections are usually spoken of: sag positive.
        bar(yD, Eng.DeflectionExtremes[slot][kBeamRow], scales_.deflection, 1, -Model.UnitFactorDeflection,
            false);

        auto units = [](const Str10& unit) { return ("(Units = " + unit.str() + ")").substr(0, 20); };
        Text(10, X(100), Y(kShearY + 20), envelope_ ? "SHEAR ENVELOPE" : "SHEAR");
        Text(X(98), Y(kShearY + 24), units(Model.UnitTextShear));
        Text(10, X(99), Y(kMomentY + 22.5), envelope_ ? "MOMENT ENVELOPE" : "MOMENT");
        Text(X(100), Y(kMomentY + 26.5), units(Model.UnitTextMoment));
        Text(10, X(98), Y(kDeflectionY + 23.5), envelope_ ? "DEFLECTION ENVELOPE" : "DEFLECTION");
        Text(X(100), Y(kDeflectionY + 27.5), units(Model.UnitTextDeflection));
    }

    Printer& p_;
    bool envelope_;
    float dx_, dy_;
    int x0_, x1_;
    double hs_;
    Scales scales_;
    Arr<double, 0, kRHEndSupport> pos_;
};

bool NothingToDraw() { return Model.BeamLength == 0 || Eng.DeflectionExtremes[0][kBeamRow][xMagnitude] == 0; }

} // namespace

double DiagramShrinkFactor(int spans) { return std::max(1 - 0.05 * spans, 0.05); }

bool PrintsCaseDiagrams() { return !NothingToDraw() && Model.LoadcaseCount >= 1; }

bool PrintsEnvelopeDiagrams() { return !NothingToDraw(); }

void PrintCaseDiagrams(Printer& p) {
    if (!PrintsCaseDiagrams()) return;
    DiagramPage page(p, false);
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        if (lc > 1) p.NewPage();
        page.Draw(lc);
    }
}

void PrintEnvelopeDiagrams(Printer& p) {
    if (!PrintsEnvelopeDiagrams()) return;
    DiagramPage(p, true).Draw(0);
}

} // namespace kx

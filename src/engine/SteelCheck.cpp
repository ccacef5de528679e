// The BS 5975 steel member check: permissible moments per member and restraint interval,
// permissible shear, deflection ratios, and the loadcase's check text.
#include "engine/SteelCheck.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/EngineState.h"
#include "engine/MemberCheckText.h"
#include "engine/Pro_Table_A1.h"
#include "engine/ResultText.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/SigFig.h"
#include "platform/Dialogs.h"

namespace kx {

namespace {

constexpr int kMaxRestraints = 9;              // intervals 1..9 given, the 10th is the remainder
constexpr int kIntervalPoints = kResultPoints; // a span restrained at intervals is solved at 200
// Tubes and boxes take one permissible bending stress whatever their slenderness, N/mm^2.
constexpr double kHollowBendingStress = 180.0;
// Table A1 gives bending strengths up to this slenderness Le/ry.
constexpr float kTableA1SlendernessLimit = 300.0f;
// Permissible average shear stresses, N/mm^2: tubes and boxes, and every other shape.
constexpr double kHollowShearStress = 125.0;
constexpr double kOtherShapeShearStress = 110.0;

// The bending capacity worked out for one member or restraint interval.
struct Bending {
    float slenderness = 0; // Le / ry
    double pbc = 0;        // N/mm^2
    double Mp = 0;         // N mm
    double M = 0;          // governing moment, N mm
};

struct SpanIntervals {
    int count = 0; // n + 1: the given intervals and the remainder
    Arr<Bending, 1, kMaxRestraints + 1> interval;
};

class SteelCheck {
    using Writer = TextWriter<TResultLine, kSteelCheckLines>;

public:
    SteelCheck()
        : lc_(Eng.CurrentCase), shape_(Model.SectionShape.str()),
          hollow_(shape_ == "Tube" || shape_ == "Box"),
          slendernessShown_(shape_ == "Beam" || shape_ == "RSJ" || shape_ == "RSC"),
          Ixx_(Model.SpanData[1][mfIxx]), y_(Model.SpanData[1][mfY]) {}

    void Run() {
        TextTable<kSteelCheckLines>& t = Txt.SteelCheckLines[lc_];
        ClearTextLines(t);
        TextWriter w(t);
        w.Put(" ");
        w.Put("CODE CHECK TO BS 5975");
        if (!MomentRatios()) return;
        ShearRatios();
        WriteText(w);
    }

private:
    // Permissible bending of member row `row` over an effective length Le; false after the stop.
    bool Permissible(int row, double Le, Bending& b) {
        const float ry = Model.SpanData[row][mfRy];
        Model.SlendernessRatio = static_cast<float>(CheckRatio(Le, ry));
        Model.DepthThicknessRatio = Model.SpanData[row][mfDT];
        b.slenderness = Model.SlendernessRatio;
        if (hollow_) {
            b.pbc = kHollowBendingStress;
        } else {
            // No radius of gyration makes it unbounded; damaged section data may make it no number.
            if (!(Model.SlendernessRatio < kTableA1SlendernessLimit)) {
                dlg().Message(" Le/r exceeds max value for table A1");
                Model.CheckAbortFlag = 1;
                return false;
            }
            Pro_Table_A1();
            b.pbc = Model.Pbc;
        }
        b.Mp = b.pbc * Ixx_ / y_;
        if (!std::isfinite(b.Mp)) b.Mp = 0; // no extreme-fibre distance: nothing is permissible
        return true;
    }

    void TakeMomentRatio(float ratio) {
        float& caseRatio = Eng.CheckResults[lc_][kBeamRow][0];
        if (ratio > caseRatio) caseRatio = ratio;
    }

    static double Governing(const TExtremesTable& table, int lc, int row) {
        return table[lc][row][xMagnitude];
    }

    bool MomentRatios() {
        auto& results = Eng.CheckResults[lc_];
        for (int row = 0; row <= kBeamRow; ++row)
            for (int f = 0; f <= 10; ++f)
                results[row][f] = 0;

        if (Eng.LHCantileverActive[lc_] == 1) {
            if (!Permissible(0, Model.EffLength[0][0], member_[0])) return false;
            member_[0].M = Governing(Eng.MomentExtremes, lc_, 0);
            results[kBeamRow][0] = static_cast<float>(CheckRatio(member_[0].M, member_[0].Mp));
        }
        for (int i = 1; i <= Model.SpanCount[0]; ++i) {
            if (Model.SpanOptInt[i] == 1) {
                if (!IntervalRatios(i)) return false;
                continue;
            }
            if (!Permissible(i, Model.EffLength[i][0], member_[i])) return false;
            member_[i].M = Governing(Eng.MomentExtremes, lc_, i);
            results[i][0] = static_cast<float>(CheckRatio(member_[i].M, member_[i].Mp));
            TakeMomentRatio(results[i][0]);
        }
        if (Eng.RHCantileverActive[lc_] == 1) {
            if (!Permissible(kRHCantRow, Model.EffLength[kRHCantRow][0], member_[kRHCantRow])) return false;
            member_[kRHCantRow].M = Governing(Eng.MomentExtremes, lc_, kRHCantRow);
            results[kRHCantRow][0] =
                static_cast<float>(CheckRatio(member_[kRHCantRow].M, member_[kRHCantRow].Mp));
            TakeMomentRatio(results[kRHCantRow][0]);
        }
        return true;
    }

    // Largest |moment| of span i over points a..b of its 200-interval solve.
    static double IntervalMoment(int i, int a, int b) {
        a = std::max(a, 1);
        b = std::min(b, kIntervalPoints);
        double m = 0;
        for (int j = a; j <= b; ++j)
            m = std::max(m, std::fabs(Eng.BendingMoment[i][j]));
        return m;
    }

    // n, the restraint intervals given, held to what the check can handle.
    static int IntervalCount(float stored) {
        if (!(stored > 0)) return 0;
        if (stored >= kMaxRestraints) return kMaxRestraints;
        return FloatToInt(stored);
    }

    bool IntervalRatios(int i) {
        const TEffLengthRec& eff = Model.EffLength[i];
        const auto& pos = Model.RestraintPos[i];
        const int n = IntervalCount(eff[kIntervalCountField]);
        SpanIntervals& s = intervals_[i];
        s.count = n + 1;
        int a = 1;
        int posSum = 0;
        double lengthSum = 0;
        for (int k = 1; k <= n + 1; ++k) {
            double Le;
            int from, to;
            if (k <= n) {
                Le = eff[k];
                if (k > 1) a += pos[k - 1];
                from = a;
                to = a + pos[k];
                posSum += pos[k];
                lengthSum += eff[k];
            } else {
                Le = Model.SpanData[i][mfL] - lengthSum;
                from = posSum + 1;
                to = kIntervalPoints;
            }
            Bending& b = s.interval[k];
            if (!Permissible(i, Le, b)) return false;
            b.M = IntervalMoment(i, from, to);
            const float ratio = static_cast<float>(CheckRatio(b.M, b.Mp));
            Eng.CheckResults[lc_][i][k] = ratio;
            TakeMomentRatio(ratio);
        }
        return true;
    }

    double Vp(int row) const {
        const double stress = hollow_ ? kHollowShearStress : kOtherShapeShearStress;
        return stress * Model.SpanData[row][mfShearArea];
    }

    void ShearRatios() {
        auto& ratios = Eng.ShearRatios[lc_];
        for (int row = 0; row <= kBeamRow; ++row)
            ratios[row] = 0;
        auto take = [&](int row, bool store) {
            const float r = static_cast<float>(CheckRatio(Governing(Eng.ShearExtremes, lc_, row), Vp(row)));
            if (store) ratios[row] = r;
            if (r > ratios[kBeamRow]) ratios[kBeamRow] = r;
        };
        if (Eng.LHCantileverActive[lc_] == 1) take(0, false);
        for (int i = 1; i <= Model.SpanCount[0]; ++i)
            take(i, true);
        if (Eng.RHCantileverActive[lc_] == 1) take(kRHCantRow, true);
    }

    void WriteText(Writer& w) {
        const bool momentFails = Eng.CheckResults[lc_][kBeamRow][0] > 1.0f;
        const bool shearFails = Eng.ShearRatios[lc_][kBeamRow] > 1.0f;
        const std::string blanks(20, ' ');
        w.Put(blanks + (momentFails || shearFails ? " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR"
                                                  : " BEAM COMPLIES FOR BENDING AND SHEAR"));
        if (momentFails) --Eng.CaseCheckFailures[lc_];
        if (shearFails) --Eng.CaseCheckFailures[lc_];
        w.Put(" CODE CHECK DATA");

        const auto& label = Txt.MemberLabel[lc_];
        const int spans = Model.SpanCount[lc_];
        if (Eng.LHCantileverActive[lc_] == 1) {
            w.Put(" " + label[0]);
            ShearLines(w, 0);
            BendingLines(w, 0, false);
            const double d = Governing(Eng.DeflectionExtremes, lc_, 0);
            const double L = Eng.CantileverLength[lc_][0];
            w.Put("  Deflection/span ratio = 1/" + SigFig3Dec3(std::fabs(CheckRatio(L, d))) +
                  DeflectionFlag(DeflectionMember::LHCantilever, d, L));
            w.Put("");
        }
        for (int i = 1; i <= spans; ++i) {
            w.Put(" SPAN " + label[i]);
            ShearLines(w, i);
            if (Model.SpanOptInt[i] == 1) {
                w.Put("");
                IntervalGroups(w, i);
                w.Put("");
            } else {
                if (slendernessShown_) {
                    w.Put("  Span Length = " + SigFig3(Model.SpanData[i][mfL] / Model.UnitFactorLength) +
                          Model.UnitTextLength);
                    w.Put("  Le \"factor\" = " + Model.EffLengthText[i]);
                    w.Put("  Le = " + SigFig3(Model.EffLength[i][0] / Model.UnitFactorLength) +
                          Model.UnitTextLength);
                }
                BendingLines(w, i, false);
            }
            const double d = Governing(Eng.DeflectionExtremes, lc_, i);
            const double L = Eng.LoadcaseSpanLength[lc_][i];
            w.Put(DeflectionLine("  Deflection =  ", d));
            w.Put("  Deflection/span ratio = 1/" + SigFig3(CheckRatio(L, d)) +
                  DeflectionFlag(DeflectionMember::Span, d, L));
            w.Put("");
        }
        if (Eng.RHCantileverActive[lc_] == 1) {
            w.Put(" " + label[spans + 1]);
            ShearLines(w, kRHCantRow);
            BendingLines(w, kRHCantRow, true);
            const double d = Governing(Eng.DeflectionExtremes, lc_, kRHCantRow);
            const double L = Eng.CantileverLength[lc_][1];
            w.Put(DeflectionLine("  Deflection =  ", d));
            w.Put("  Deflection/span ratio = 1/" + SigFig3(CheckRatio(L, d)) +
                  DeflectionFlag(DeflectionMember::RHCantilever, d, L));
            w.Put("");
        }
        w.WriteCount();
    }

    void ShearLines(Writer& w, int row) {
        const double V = Governing(Eng.ShearExtremes, lc_, row);
        w.Put(MaxShearLine(V));
        w.Put(ShearRatioLine(V, Vp(row)));
        Eng.ShearRatios[lc_][row] = static_cast<float>(CheckRatio(V, Vp(row)));
    }

    std::string PbcValueLine(const char* lead, double pbc) const {
        return lead + SigFig3(pbc * Model.UnitFactorStress) + " " + Model.UnitTextStress;
    }

    // Slenderness, pbc and moment lines of a member checked as a whole.
    void BendingLines(Writer& w, int row, bool rhCantilever) {
        const Bending& b = member_[row];
        if (slendernessShown_) w.Put("  Le/ry = " + SigFig3(b.slenderness));
        w.Put("  Permissible compressive bending stress ");
        w.Put(PbcValueLine("  = ", b.pbc));
        w.Put(MaxMomentLine(b.M, rhCantilever));
        w.Put(MomentRatioLine(b.M, b.Mp));
        Eng.CheckResults[lc_][row][0] = static_cast<float>(CheckRatio(b.M, b.Mp));
    }

    void IntervalGroups(Writer& w, int i) {
        const SpanIntervals& s = intervals_[i];
        for (int k = 1; k <= s.count; ++k) {
            const Bending& b = s.interval[k];
            if (slendernessShown_) {
                w.Put("  Span " + std::to_string(i) + "  " + "Int " + std::to_string(k));
                w.Put("    Le/ry = " + SigFig3(b.slenderness));
            }
            w.Put("    Permissible compressive bending stress ");
            w.Put(PbcValueLine("    = ", b.pbc));
            w.Put("    Max Bending Moment = " + SigFig4(b.M * Model.UnitFactorMoment) + " " +
                  Model.UnitTextMoment);
            w.Put("    Bending Moment = " + SigFig3(CheckRatio(b.M, b.Mp)) + " x permissible" +
                  MomentVerdict(b.M, b.Mp));
            Eng.CheckResults[lc_][i][k] = static_cast<float>(CheckRatio(b.M, b.Mp));
            w.Put("");
        }
    }

    const int lc_;
    const std::string shape_;
    const bool hollow_;
    const bool slendernessShown_;
    const double Ixx_, y_;
    Arr<Bending, 0, 26> member_;
    Arr<SpanIntervals, 1, 25> intervals_;
};

} // namespace

void SteelCodeCheck() { SteelCheck().Run(); }

} // namespace kx

// Guarded ratios and the member lines shared by the member checks.
#include "engine/MemberCheckText.h"

#include <cmath>
#include <limits>

#include "engine/EngineState.h"
#include "foundation/SigFig.h"
#include "foundation/SigFigBands.h"

namespace kx {

namespace {

// Deflection over member length above which a member's deflection is flagged high.
constexpr double kCantileverDeflectionLimit = 1.0 / 180;
constexpr double kSpanDeflectionLimit = 1.0 / 360;

} // namespace

double CheckRatio(double a, double b) {
    if (b == 0) {
        if (a == 0) return 0;
        return a > 0 ? std::numeric_limits<double>::infinity() : -std::numeric_limits<double>::infinity();
    }
    return a / b;
}

std::string RatioText3(double ratio) {
    if (std::isinf(ratio) || std::isnan(ratio)) return "#####";
    return FormatFixed(ratio, 3);
}

std::string MaxShearLine(double V) {
    return "  Max Shear = " + SigFig4Dec3(V * Model.UnitFactorShear) + " " + Model.UnitTextShear;
}

std::string ShearRatioLine(double V, double Vp) {
    return "  Shear = " + RatioText3(CheckRatio(V, Vp)) + " x permissible" +
           (V < Vp ? "                 SHEAR OK" : "                 SHEAR TOO HIGH");
}

std::string MaxMomentLine(double M, bool rhCantilever) {
    return (rhCantilever ? "  Max bending Moment = " : "  Max Bending Moment = ") +
           SigFig4Dec3(M * Model.UnitFactorMoment) + " " + Model.UnitTextMoment;
}

std::string MomentVerdict(double M, double Mp) {
    return M < Mp ? "        BENDING MOMENT OK " : "        BENDING MOMENT TOO HIGH";
}

std::string MomentRatioLine(double M, double Mp) {
    return "  Bending Moment = " + SigFig3Dec3(CheckRatio(M, Mp)) + " x permissible" + MomentVerdict(M, Mp);
}

std::string DeflectionLine(const char* caption, double d) {
    return caption + SigFig3Dec3(d * Model.UnitFactorDeflection) + " " + Model.UnitTextDeflection;
}

std::string DeflectionFlag(DeflectionMember member, double d, double length) {
    const double share = CheckRatio(std::fabs(d), std::fabs(length));
    switch (member) {
    case DeflectionMember::LHCantilever:
        return share > kCantileverDeflectionLimit ? "               LHC DEFLECTION HIGH" : " ";
    case DeflectionMember::Span:
        return share > kSpanDeflectionLimit ? "               SPAN DEFLECTION HIGH" : " ";
    case DeflectionMember::RHCantilever:
        return share > kCantileverDeflectionLimit ? "               RHC DEFLECTION HIGH" : " ";
    }
    return " ";
}

void WriteMemberBlock(TextWriter<TResultLine, kCheckLines>& w, int lc, const MemberBlock& m,
                      const MemberBlockStyle& style) {
    const double V = Eng.ShearExtremes[lc][m.row][xMagnitude];
    const double M = Eng.MomentExtremes[lc][m.row][xMagnitude];
    const double d = Eng.DeflectionExtremes[lc][m.row][xMagnitude];
    w.Put(m.head);
    if (style.shear) {
        w.Put(MaxShearLine(V));
        w.Put(ShearRatioLine(V, m.Vp));
        Eng.ShearRatios[lc][m.row] = static_cast<float>(CheckRatio(V, m.Vp));
    }
    w.Put(MaxMomentLine(M, m.kind == DeflectionMember::RHCantilever));
    w.Put(MomentRatioLine(M, m.Mp));
    Eng.CheckResults[lc][m.row][0] = static_cast<float>(CheckRatio(M, m.Mp));
    if (style.deflection) {
        const double ratio = CheckRatio(m.length, d);
        std::string ratioText;
        switch (m.kind) {
        case DeflectionMember::LHCantilever:
            if (style.lhDeflectionValue) w.Put(DeflectionLine("  Deflection =  ", d));
            ratioText =
                style.lhRatioThreeDecimals ? SigFig3Dec3(std::fabs(ratio)) : SigFig3(std::fabs(ratio));
            break;
        case DeflectionMember::Span:
            w.Put(DeflectionLine("  Deflection =  ", d));
            ratioText = SigFig3(ratio);
            break;
        case DeflectionMember::RHCantilever:
            w.Put(DeflectionLine("  deflection =  ", d));
            ratioText = SigFig3(ratio);
            break;
        }
        w.Put("  deflection/span ratio = 1/" + ratioText + DeflectionFlag(m.kind, d, m.length));
    }
    w.Put("");
}

} // namespace kx

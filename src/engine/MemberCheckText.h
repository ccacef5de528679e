// What the steel, timber and capacity checks share: guarded ratios, the member lines they all
// print, and the block of one member.
#pragma once

#include <string>

#include "engine/ResultText.h"

namespace kx {

// a / b for a check ratio or a span/deflection ratio: 0 / 0 is 0, and anything else over 0 is
// infinite (it fails every check and shows as "#####").
double CheckRatio(double a, double b);

// Ratio with three decimals ("%1.3f"); "#####" when infinite.
std::string RatioText3(double ratio);

// The member lines that every check prints. V, M, d: the member's governing shear, moment and
// deflection (N, N mm, mm); Vp, Mp its permissible values.
std::string MaxShearLine(double V);
std::string ShearRatioLine(double V, double Vp);
// rhCantilever: the RH cantilever's line reads "Max bending Moment".
std::string MaxMomentLine(double M, bool rhCantilever);
std::string MomentRatioLine(double M, double Mp);
std::string MomentVerdict(double M, double Mp);
// caption: "  Deflection =  " or "  deflection =  ".
std::string DeflectionLine(const char* caption, double d);

// The flag after a deflection ratio: the member's deflection over its length against the limit.
enum class DeflectionMember { LHCantilever, Span, RHCantilever };
std::string DeflectionFlag(DeflectionMember member, double d, double length);

// One member's block of the timber and capacity check texts, followed by an empty line. Writes the
// member's shear ratio to Eng.ShearRatios and its moment ratio to field 0 of Eng.CheckResults.
struct MemberBlock {
    int row; // member row: 0 LH cantilever, 1..25 spans, 26 RH cantilever
    DeflectionMember kind;
    std::string head; // the block's first line
    double length;    // the length the deflection is compared with, mm
    double Vp, Mp;    // permissible shear N and moment N mm
};
struct MemberBlockStyle {
    bool shear = true;                 // shear lines; scaffold members are checked for moment only
    bool deflection = true;            // deflection lines
    bool lhDeflectionValue = false;    // the LH cantilever shows its deflection value too
    bool lhRatioThreeDecimals = false; // the LH cantilever's span/deflection ratio by SigFig3Dec3
};
void WriteMemberBlock(TextWriter<TResultLine, kCheckLines>& w, int lc, const MemberBlock& m,
                      const MemberBlockStyle& style);

} // namespace kx

// The timber member check: governing shear and moment against the section's permissible values.
#include "engine/TimberCheck.h"

#include <string>

#include "engine/EngineState.h"
#include "engine/MemberCheckText.h"
#include "engine/ResultText.h"

namespace kx {

void TimberCodeCheck() {
    const int lc = Eng.CurrentCase;
    const double Vp = Model.TimberPermShearSaved, Mp = Model.TimberPermMomentSaved;
    TextTable<kCheckLines>& t = Txt.TimberCheckLines[lc];
    for (int row = 1; row <= kBeamRow; ++row)
        Eng.ShearRatios[lc][row] = 0;
    ClearTextLines(t);
    TextWriter w(t);
    w.Put("CODE CHECK TO BS 5975");

    float& caseShear = Eng.ShearRatios[lc][kBeamRow];
    float& caseMoment = Eng.CheckResults[lc][kBeamRow][0];
    caseShear = static_cast<float>(CheckRatio(Eng.ShearExtremes[lc][kBeamRow][xMagnitude], Vp));
    caseMoment = static_cast<float>(CheckRatio(Eng.MomentExtremes[lc][kBeamRow][xMagnitude], Mp));
    const bool shearFails = caseShear > 1.0f;
    const bool momentFails = caseMoment > 1.0f;
    const std::string blanks(20, ' ');
    w.Put(blanks + (shearFails || momentFails ? " BEAM DOES NOT COMPLY FOR BENDING AND SHEAR"
                                              : " BEAM COMPLIES FOR BENDING AND SHEAR"));
    // A section narrower than half its depth is adequate only if it cannot twist.
    const bool narrow = CheckRatio(Model.TimberWidthSaved, Model.TimberDepthSaved) < 0.5;
    w.Put(!shearFails && !momentFails && narrow ? blanks + " Assuming adequate torsional restraint" : "");
    if (momentFails) --Eng.CaseCheckFailures[lc];
    if (shearFails) --Eng.CaseCheckFailures[lc];
    w.Put(" CODE CHECK DATA");

    MemberBlockStyle style;
    style.lhRatioThreeDecimals = true;
    const auto& label = Txt.MemberLabel[lc];
    const int spans = Model.SpanCount[lc];
    if (Eng.LHCantileverActive[lc] == 1)
        WriteMemberBlock(
            w, lc, {0, DeflectionMember::LHCantilever, " " + label[0], Eng.CantileverLength[lc][0], Vp, Mp},
            style);
    for (int i = 1; i <= spans; ++i)
        WriteMemberBlock(
            w, lc, {i, DeflectionMember::Span, " SPAN " + label[i], Eng.LoadcaseSpanLength[lc][i], Vp, Mp},
            style);
    if (Eng.RHCantileverActive[lc] == 1)
        WriteMemberBlock(w, lc,
                         {kRHCantRow, DeflectionMember::RHCantilever, " " + label[spans + 1],
                          Eng.CantileverLength[lc][1], Vp, Mp},
                         style);
    w.WriteCount();
}

} // namespace kx

// Capacity check of the user's sections and scaffold members, and the double-coupler warning.
#include "engine/CapacityCheck.h"

#include <cmath>
#include <limits>
#include <string>

#include "engine/EngineState.h"
#include "engine/MemberCheckText.h"
#include "engine/ResultText.h"
#include "foundation/SigFig.h"
#include "platform/Dialogs.h"

namespace kx {

namespace {

constexpr float kCouplerMomentLimit = 400000.0f; // N mm

// A permissible value the check can judge by is a positive finite number. Any other (none given,
// below 0, infinite or no number) fails whatever the load, and shows as "#####" and "TOO HIGH".
bool Judgeable(double permissible) { return permissible > 0 && std::isfinite(permissible); }
double Judged(double permissible) { return Judgeable(permissible) ? permissible : 0; }

// The loadcase's verdict on one quantity: fails unless the load is within a judgeable permissible
// value. The ratio, which the results summary reads, is then above 1 too.
bool Exceeds(double load, double permissible, float& ratio) {
    const bool judged = Judgeable(permissible) && !std::isnan(load);
    ratio =
        static_cast<float>(judged ? CheckRatio(load, permissible) : std::numeric_limits<double>::infinity());
    return !judged || load > permissible;
}

bool IsDoubleCoupler(TSupportCode code) { return code == supCouplerTop || code == supCouplerMid; }

// The beam's supports are slot 0 (LH end), 1..n-1 (interior) and kRHEndSupport.
bool HasDoubleCoupler() {
    const int n = Model.SpanCount[0];
    if (IsDoubleCoupler(Model.SupportType[0]) || IsDoubleCoupler(Model.SupportType[kRHEndSupport]))
        return true;
    for (int s = 1; s <= n - 1 && s < kRHEndSupport; ++s)
        if (IsDoubleCoupler(Model.SupportType[s])) return true;
    return false;
}

} // namespace

void BeamCapacityCheck() {
    const int lc = Eng.CurrentCase;
    const bool kxf = Model.MemberType == "KXF";
    TextTable<kCheckLines>& t = Txt.KxCheckLines[lc];
    for (int row = 1; row <= kBeamRow; ++row)
        Eng.ShearRatios[lc][row] = 0;
    ClearTextLines(t);
    TextWriter w(t);
    w.Put(" BEAM CAPACITY CHECK for LOADCASE " + std::to_string(lc));
    w.Put("");

    const auto& span1 = Model.SpanData[1];
    if (kxf) {
        const double V = Eng.ShearExtremes[lc][kBeamRow][xMagnitude];
        const bool fails = Exceeds(V, span1[mfPermShear], Eng.ShearRatios[lc][kBeamRow]);
        if (fails) --Eng.CaseCheckFailures[lc];
        w.Put(fails ? "      SHEAR EXCEEDS PERMISSIBLE" : "      SHEAR OK");
    }
    const double M = Eng.MomentExtremes[lc][kBeamRow][xMagnitude];
    const bool momentFails = Exceeds(M, span1[mfPermMoment], Eng.CheckResults[lc][kBeamRow][0]);
    if (momentFails) --Eng.CaseCheckFailures[lc];
    w.Put(momentFails ? "      BENDING MOMENT EXCEEDS PERMISSIBLE" : "      BENDING MOMENT OK");
    w.Put("");
    w.Put(" CAPACITY CHECK DATA");
    w.Put("");

    MemberBlockStyle style;
    style.shear = kxf;
    style.deflection = kxf;
    style.lhDeflectionValue = true;
    auto block = [&](int row, DeflectionMember kind, const std::string& head, double length) {
        const auto& data = Model.SpanData[row];
        WriteMemberBlock(
            w, lc, {row, kind, head, length, Judged(data[mfPermShear]), Judged(data[mfPermMoment])}, style);
    };
    const auto& label = Txt.MemberLabel[lc];
    const int spans = Model.SpanCount[lc];
    if (Eng.LHCantileverActive[lc] == 1)
        block(0, DeflectionMember::LHCantilever, " " + label[0], Eng.CantileverLength[lc][0]);
    // A span's deflection/span ratio takes the length of the span as the loadcase has it, the member
    // whose deflection it is: where a forkhead lifted off, spans i and i + 1 of the committed beam
    // are one span of the loadcase, and the committed length of span i would belong to another.
    for (int i = 1; i <= spans; ++i)
        block(i, DeflectionMember::Span, " SPAN " + label[i], Eng.LoadcaseSpanLength[lc][i]);
    if (Eng.RHCantileverActive[lc] == 1)
        block(kRHCantRow, DeflectionMember::RHCantilever, " " + label[spans + 1],
              Eng.CantileverLength[lc][1]);

    if (HasDoubleCoupler()) {
        w.Put("");
        w.Put(" DOUBLE COUPLER CONNECTIONS");
        w.Put("  Max moment applied to double coupler");
        w.Put("  for loadcase " + std::to_string(lc) + " = " +
              SigFig3(Eng.CouplerMomentMax[lc] * Model.UnitFactorMoment) + " " + Model.UnitTextMoment);
    }
    w.WriteCount();
}

void DoubleCouplerWarning() {
    std::string text = "Moment on double coupler exceeds 0.4 kN for\r";
    int count = 0;
    const int supports = Model.SpanCount[0] + 1;
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc)
        for (int s = 1; s <= supports; ++s) {
            // Support s joins member row s - 1 on its left with row s on its right; the last
            // support's right member is the RH cantilever.
            const int right = s == supports ? kRHCantRow : s;
            const auto& moments = Eng.MomentExtremes[lc];
            const double carried = std::fabs(static_cast<double>(moments[right][0]) - moments[s - 1][2]);
            if (carried > kCouplerMomentLimit) {
                ++count;
                text += "Loadcase " + std::to_string(lc) + " Support " + std::to_string(s) + "\r";
            }
        }
    if (count > 0) dlg().Message(text);
}

} // namespace kx

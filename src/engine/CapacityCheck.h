// The capacity check of beams whose section carries its own permissible shear and moment (the
// user's sections and scaffold members), and the warning on moments carried by double couplers.
#pragma once

namespace kx {

// Checks loadcase Eng.CurrentCase: "KXF" members in shear and moment with their deflection
// reported, "Scaffold" members in moment only, against SpanData fields 12 and 13. Writes
// Txt.KxCheckLines[lc] with the double-coupler section when the beam has a double coupler, and the
// fail state. Never stops the analysis.
void BeamCapacityCheck();

// After all loadcases: one message listing every loadcase and support where the moment carried
// across the support exceeds 400000 N mm; nothing when there is none.
void DoubleCouplerWarning();

} // namespace kx

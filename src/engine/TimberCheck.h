// The BS 5975 check of a timber beam for one loadcase.
#pragma once

namespace kx {

// Checks loadcase Eng.CurrentCase against the committed timber section's permissible shear and
// moment (Model.TimberPermShearSaved, TimberPermMomentSaved), reports deflection against
// span/360 and cantilever/180, and writes Txt.TimberCheckLines[lc] and the fail state. Never stops
// the analysis.
void TimberCodeCheck();

} // namespace kx

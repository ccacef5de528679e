// The BS 5975 code check of a steel beam for one loadcase.
#pragma once

namespace kx {

// Checks every member of loadcase Eng.CurrentCase: bending against pbc (table A1, or 180 N/mm^2
// for hollow sections) per member or restraint interval, shear on the shear area, deflection
// against span/360 and cantilever/180 as text. Writes Txt.SteelCheckLines[lc] and the fail state
// (Eng.CheckResults, Eng.ShearRatios, Eng.CaseCheckFailures). A slenderness beyond the table shows
// " Le/r exceeds max value for table A1", sets Model.CheckAbortFlag to 1 and returns at once.
void SteelCodeCheck();

} // namespace kx

// Table A1: the permissible compressive bending stress of a steel beam from l/ry and D/T.
#pragma once

namespace kx {

// Reads Model.SlendernessRatio (l/ry) and Model.DepthThicknessRatio (D/T), writes Model.Pbc
// (N/mm^2) by bilinear interpolation in the table, at most 180. Inputs outside the table are held
// to its edges (l/ry at most 300, D/T within 5..50), so the look-up never leaves the table.
void Pro_Table_A1();

} // namespace kx

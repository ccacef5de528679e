// Unequal angle table, L series: writes "UnEqL.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_UnEqL();

} // namespace kx

// Unequal angle table, RSA series: writes "UnEqRSA.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_UnEqRSA();

} // namespace kx

// Equal angle table, RSA series: writes "EqRSA.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_EqRSA();

} // namespace kx

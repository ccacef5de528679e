// Equal angle table, L series: writes "EqL.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_EqL();

} // namespace kx

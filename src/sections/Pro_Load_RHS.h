// Rectangular hollow section table: writes "RHS.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_RHS();

} // namespace kx

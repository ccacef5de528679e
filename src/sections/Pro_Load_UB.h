// Universal beam table: writes "UB.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_UB();

} // namespace kx

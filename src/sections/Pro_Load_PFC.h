// Parallel-flange channel table: writes "PFC.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_PFC();

} // namespace kx

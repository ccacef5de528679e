// Rolled steel channel table: writes "RSC.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_RSC();

} // namespace kx

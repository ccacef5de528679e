// Joist table: writes "RSJ.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_RSJ();

} // namespace kx

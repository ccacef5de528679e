// Circular hollow section table: writes "CHS.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_CHS();

} // namespace kx

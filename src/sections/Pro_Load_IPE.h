// IPE beam table: writes "IPE.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_IPE();

} // namespace kx

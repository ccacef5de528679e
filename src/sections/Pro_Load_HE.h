// HE beam table: writes "HE.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_HE();

} // namespace kx

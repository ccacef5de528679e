// C channel table (depths in whole inches): writes "C.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_C();

} // namespace kx

// Universal column table: writes "UC.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_UC();

} // namespace kx

// Scaffold member table: writes "Scaf.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_Scaffold();

} // namespace kx

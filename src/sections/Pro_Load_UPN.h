// Sloping-flange channel table (U sections): writes "UPN.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_UPN();

} // namespace kx

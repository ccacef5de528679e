// Wide-flange column table: writes "WsCol.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_WsCol();

} // namespace kx

// Wide-flange beam table: writes "WsBeam.sct" into the start-up directory.
#pragma once

namespace kx {

void Pro_Load_WsBeam();

} // namespace kx

// Wide-flange beam table: writes "WsBeam.sct" into the start-up directory.
#pragma once

#include <string>
#include <vector>

namespace kx {

void Pro_Load_WsBeam();

// The designations whose base dimensions are estimates (no published figures were found).
std::vector<std::string> WsBeamEstimatedDesignations();

} // namespace kx

// Wide-flange column table: writes "WsCol.sct" into the start-up directory.
#pragma once

#include <string>
#include <vector>

namespace kx {

void Pro_Load_WsCol();

// The designations whose base dimensions are estimates (no published figures were found).
std::vector<std::string> WsColEstimatedDesignations();

} // namespace kx

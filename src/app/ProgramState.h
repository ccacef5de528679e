// The one reset of everything the program holds between user actions: the committed model, the
// working copies, the engine's work state and results, the result texts, the drawings' state and
// every window module's own state. Start-up and every test start from it.
#pragma once

namespace kx {

// Returns every piece of program state to its start-up value. The start-up directory and the
// installed platform services are not program state and stay as they are.
void ResetProgramState();

} // namespace kx

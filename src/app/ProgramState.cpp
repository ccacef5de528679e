// The program-state reset: every state its module registered, back to a blank instance.
#include "app/ProgramState.h"

#include "platform/StateRegistry.h"

namespace kx {

void ResetProgramState() {
    for (const RegisteredState& s : StateRegistry())
        s.reset();
}

} // namespace kx

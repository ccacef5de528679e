// The one instance of the engine's work state.
#include "engine/EngineState.h"
#include "platform/StateRegistry.h"

namespace kx {

EngineState Eng;
KX_REGISTER_STATE(Eng);

} // namespace kx

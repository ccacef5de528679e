// The one instance of the engine's work state.
#include "engine/EngineState.h"

namespace kx {

EngineState Eng;

} // namespace kx

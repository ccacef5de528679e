// The one instance of the main window's drawing state.
#include "window/DrawingState.h"
#include "platform/StateRegistry.h"

namespace kx {

DrawingState Drawing;
KX_REGISTER_STATE(Drawing);

} // namespace kx

// The one instance of the main window's drawing state.
#include "window/DrawingState.h"

namespace kx {

DrawingState Drawing;

} // namespace kx

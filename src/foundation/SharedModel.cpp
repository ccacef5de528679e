// The one instance of the committed model and of the working copies.
#include "foundation/SharedModel.h"

namespace kx {

SharedModel Model;
WorkingCopies Work;

} // namespace kx

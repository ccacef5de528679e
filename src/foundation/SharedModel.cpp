// The one instance of the committed model and of the working copies.
#include "foundation/SharedModel.h"
#include "platform/StateRegistry.h"

namespace kx {

SharedModel Model;
KX_REGISTER_STATE(Model);
WorkingCopies Work;
KX_REGISTER_STATE(Work);

} // namespace kx

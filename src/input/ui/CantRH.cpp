// The effective length of the right-hand cantilever.
#include "input/ui/CantRH.h"

namespace kx {

TCantRHFrm::TCantRHFrm(QWidget* parent) : TCantileverFrm(RHCantSide(), "CantRHFrm", parent) {}

} // namespace kx

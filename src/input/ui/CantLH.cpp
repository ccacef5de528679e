// The effective length of the left-hand cantilever.
#include "input/ui/CantLH.h"

namespace kx {

TCantLHFrm::TCantLHFrm(QWidget* parent) : TCantileverFrm(LHCantSide(), "CantLHFrm", parent) {}

} // namespace kx

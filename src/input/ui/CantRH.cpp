// The effective length of the right-hand cantilever.
#include "input/ui/CantRH.h"

#include "foundation/ui/Windows.h"

namespace kx {

TCantRHFrm::TCantRHFrm(QWidget* parent) : QWidget(parent) { InitForm(this, "CantRHFrm", "RH Cantilever"); }

} // namespace kx

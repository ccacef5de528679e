// The effective length of the left-hand cantilever.
#include "input/ui/CantLH.h"

#include "foundation/ui/Windows.h"

namespace kx {

TCantLHFrm::TCantLHFrm(QWidget* parent) : QWidget(parent) { InitForm(this, "CantLHFrm", "LH Cantilever"); }

} // namespace kx

// Timber member capacities.
#include "calculators/ui/Timber.h"

#include "foundation/ui/Windows.h"

namespace kx {

TTimberFrm::TTimberFrm(QWidget* parent) : QMainWindow(parent) { InitForm(this, "TimberFrm", "Timber"); }

} // namespace kx

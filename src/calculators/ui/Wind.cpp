// Wind loading on scaffolds.
#include "calculators/ui/Wind.h"

#include "foundation/ui/Windows.h"

namespace kx {

TWindFrm::TWindFrm(QWidget* parent) : QMainWindow(parent) { InitForm(this, "WindFrm", "Wind Loading"); }

} // namespace kx

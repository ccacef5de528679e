// Steel member capacities.
#include "calculators/ui/KX_Cap.h"

#include "foundation/ui/Windows.h"

namespace kx {

TKX_CapFrm::TKX_CapFrm(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "KX_CapFrm", "Steel Member Capacities to BS 5975");
}

} // namespace kx

// The load input window.
#include "input/ui/LoadData.h"

#include "foundation/ui/Windows.h"

namespace kx {

TLoadDataFrm::TLoadDataFrm(QWidget* parent) : QWidget(parent) { InitForm(this, "LoadDataFrm", "Load Data"); }

} // namespace kx

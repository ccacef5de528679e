// The timber load-duration dialog.
#include "calculators/ui/Duration.h"

#include "foundation/ui/Windows.h"

namespace kx {

TDurationFrm::TDurationFrm(QWidget* parent) : QDialog(parent) {
    InitForm(this, "DurationFrm", "DurationFrm");
}

} // namespace kx

// The note on the double-coupler model.
#include "input/ui/Couplers.h"

#include "foundation/ui/Windows.h"

namespace kx {

TCouplersFrm::TCouplersFrm(QWidget* parent) : QDialog(parent) {
    InitForm(this, "CouplersFrm", "Explanation");
}

} // namespace kx

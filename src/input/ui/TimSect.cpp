// The timber section window.
#include "input/ui/TimSect.h"

#include "foundation/ui/Windows.h"

namespace kx {

TTimSectFrm::TTimSectFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "TimSectFrm", "Timber Section Properties");
}

} // namespace kx

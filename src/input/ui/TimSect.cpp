// The timber section window.
#include "input/ui/TimSect.h"

#include "foundation/ui/Windows.h"

namespace kx {

TTimSectFrm::TTimSectFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "TimSectFrm", "Timber Section Properties");
}

// Called by the beam form; the timber section window fills them with its own controls, which it
// does not have yet.
void TTimSectFrm::TimSectRestoreFromCommitted() {}
void TTimSectFrm::TimSectShowStoredOptions() {}
void TTimSectFrm::SetTimberSizeLabels(const std::string&, const std::string&) {}
void TTimSectFrm::TimSectShowCurrentOptions() {}

} // namespace kx

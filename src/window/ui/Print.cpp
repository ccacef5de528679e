// The print options window.
#include "window/ui/Print.h"

#include "foundation/ui/Windows.h"

namespace kx {

TPrintFrm::TPrintFrm(QWidget* parent) : QWidget(parent) { InitForm(this, "PrintFrm", "Print Options"); }

} // namespace kx

// The main analysis window.
#include "window/ui/Index.h"

#include "foundation/ui/Windows.h"

namespace kx {

TIndexFrm::TIndexFrm(QWidget* parent) : QMainWindow(parent) { InitForm(this, "IndexFrm", "KX-Flexor"); }

} // namespace kx

// Results at a point.
#include "window/ui/Point.h"

#include "foundation/ui/Windows.h"

namespace kx {

TPointFrm::TPointFrm(QWidget* parent) : QDialog(parent) { InitForm(this, "PointFrm", "Results at point."); }

} // namespace kx

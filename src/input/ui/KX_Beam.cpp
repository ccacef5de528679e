// The beam and section input window.
#include "input/ui/KX_Beam.h"

#include "foundation/ui/Windows.h"

namespace kx {

TKX_BeamFrm::TKX_BeamFrm(QWidget* parent) : QMainWindow(parent) { InitForm(this, "KX_BeamFrm", "Beam Data"); }

} // namespace kx

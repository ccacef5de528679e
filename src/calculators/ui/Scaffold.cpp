// The axial capacity of a scaffold tube strut.
#include "calculators/ui/Scaffold.h"

#include "foundation/ui/Windows.h"

namespace kx {

TScaffoldFrm::TScaffoldFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "ScaffoldFrm", "Scaffold Tube Axial Capacity");
}

} // namespace kx

// The editor of the user's own section table.
#include "input/ui/KX_Grid.h"

#include "foundation/ui/Windows.h"

namespace kx {

TKX_GridFrm::TKX_GridFrm(QWidget* parent) : QWidget(parent) { InitForm(this, "KX_GridFrm", "Section Data"); }

} // namespace kx

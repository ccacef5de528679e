// The page header texts.
#include "window/ui/SetHeader.h"

#include "foundation/ui/Windows.h"

namespace kx {

TSetHeaderFrm::TSetHeaderFrm(QWidget* parent) : QDialog(parent) {
    InitForm(this, "SetHeaderFrm", "Set Header");
}

} // namespace kx

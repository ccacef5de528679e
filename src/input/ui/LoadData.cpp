// The load input window.
#include "input/ui/LoadData.h"

#include "foundation/ui/Windows.h"

namespace kx {

TLoadDataFrm::TLoadDataFrm(QWidget* parent) : QWidget(parent) { InitForm(this, "LoadDataFrm", "Load Data"); }

// The beam commit's calls. The load window fills them with its Edit_LF, its Frame_SWt with
// Check_Swt and its beam drawing; until it has them there is nothing to set.
void TLoadDataFrm::SetSelfWeightFactorText(const std::string&) {}
void TLoadDataFrm::ShowSelfWeightFrame(bool) {}
void TLoadDataFrm::DrawLoadFormBeam() {}

} // namespace kx

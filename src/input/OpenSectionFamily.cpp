// The loaders of the section families, called by the beam form's restore.
#include "input/KX_Beam.h"

namespace kx {

// The section choice puts each family's frames, options, caption and list here; until then a
// restore leaves the section controls as they are.
void OpenSectionFamily(BeamFormControls&, const std::string&) {}

} // namespace kx

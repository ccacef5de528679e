// The loaders of the section families, called by the beam form's restore.
#include "input/KX_Beam.h"
#include "input/SectionChoice.h"

namespace kx {

// The timber family's controls come back with the committed timber choice, not from a loader. A
// list file that cannot be read leaves the list empty: the committed section is restored all the
// same.
void OpenSectionFamily(BeamFormControls& f, const std::string& code) {
    const SectionFamilyRow* family = SectionFamilyByCode(code);
    if (family && family->Kind != FamilyKind::Timber) ApplySectionLoader(f, SectionLoaderFor(*family), false);
    // The section about to be restored is the committed one, which the family may not have given.
    RefuseCodeCheckForSectionHeld(f, Model.SectionShape.str(), Model.MemberType.str());
}

} // namespace kx

// File New and File Open across the input windows.
#include "input/ui/InputForms.h"

#include "app/Forms.h"
#include "input/ui/KX_Beam.h"

namespace kx {

// Each input window adds its New steps here as it is built, in the order the main window
// documents: load form, beam form, timber section form, effective-length forms.
void ResetAllInputForms() {
    Forms.KX_BeamFrm->ResetBeamForm();
    Forms.KX_BeamFrm->ClearBeamSketch();
}

// Each input window adds its restore here as it is built: beam form (which also sets the timber
// section form), loads, LH cantilever, spans, RH cantilever.
void RestoreAllInputForms() { Forms.KX_BeamFrm->RestoreBeamForm(); }

} // namespace kx

// File New and File Open across the input windows.
#include "input/ui/InputForms.h"

#include "app/Forms.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "window/ui/SetHeader.h"

namespace kx {

// Each input window adds its New steps here as it is built, in the order the main window
// documents: load form, beam form, timber section form, effective-length forms, header form.
void ResetAllInputForms() {
    if (Forms.LoadDataFrm) Forms.LoadDataFrm->ResetForNewBeam();
    if (Forms.KX_BeamFrm) {
        Forms.KX_BeamFrm->ResetBeamForm();
        Forms.KX_BeamFrm->ClearBeamSketch();
    }
    if (Forms.SetHeaderFrm) Forms.SetHeaderFrm->ClearJobTexts();
}

// Each input window adds its restore here as it is built: beam form (which also sets the timber
// section form), loads, LH cantilever, spans, RH cantilever.
void RestoreAllInputForms() {
    if (Forms.KX_BeamFrm) Forms.KX_BeamFrm->RestoreBeamForm();
    if (Forms.LoadDataFrm) Forms.LoadDataFrm->RestoreCommittedLoads();
}

} // namespace kx

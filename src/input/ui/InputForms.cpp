// File New and File Open across the input windows.
#include "input/ui/InputForms.h"

#include "app/Forms.h"
#include "input/Rescale.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
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
    if (Forms.TimSectFrm) Forms.TimSectFrm->SelectFirstGrade();
    if (Forms.CantLHFrm) Forms.CantLHFrm->CantLHClear();
    if (Forms.SpanFrm) Forms.SpanFrm->SpanClear();
    if (Forms.CantRHFrm) Forms.CantRHFrm->CantRHClear();
    // The windows' texts are new: none is one the last change of units wrote.
    ForgetRescaledTexts();
    if (Forms.SetHeaderFrm) Forms.SetHeaderFrm->ClearJobTexts();
}

// Each input window adds its restore here as it is built: beam form (which also sets the timber
// section form), loads, LH cantilever, spans, RH cantilever.
void RestoreAllInputForms() {
    if (Forms.KX_BeamFrm) Forms.KX_BeamFrm->RestoreBeamForm();
    if (Forms.LoadDataFrm) Forms.LoadDataFrm->RestoreCommittedLoads();
    if (Forms.CantLHFrm) Forms.CantLHFrm->CantLHRestoreFromCommitted();
    if (Forms.SpanFrm) Forms.SpanFrm->SpanRestoreFromCommitted();
    if (Forms.CantRHFrm) Forms.CantRHFrm->CantRHRestoreFromCommitted();
}

} // namespace kx

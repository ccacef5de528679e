// Creation, order and lookup of the program's windows.
#include "app/Forms.h"

#include <QWidget>

#include "calculators/ui/Duration.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Timber.h"
#include "calculators/ui/Wind.h"
#include "foundation/Preferences.h"
#include "foundation/ui/About.h"
#include "foundation/ui/Info.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Unit1.h"
#include "foundation/ui/Windows.h"
#include "input/Span.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/Couplers.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/RescaleForms.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "platform/Guard.h"
#include "window/ui/Index.h"
#include "window/ui/Point.h"
#include "window/ui/Print.h"
#include "window/ui/SetHeader.h"

namespace kx {

FormRegistry Forms;

namespace {

std::vector<QWidget*> created;

template <class T> void create(T*& slot) {
    slot = new T();
    created.push_back(slot);
}

// Hands each window the others it opens or reports to: windows reach each other only through
// what is handed over here.
void LinkForms() {
    FormRegistry& f = Forms;
    f.Form1->Link = {f.IndexFrm, f.PreferencesFrm, f.KX_CapFrm, f.TimberFrm, f.ScaffoldFrm, f.WindFrm};
    f.IndexFrm->Link = {f.Form1,
                        f.KX_BeamFrm,
                        f.LoadDataFrm,
                        f.SetHeaderFrm,
                        f.PrintFrm,
                        f.PointFrm,
                        f.KX_CapFrm,
                        f.TimberFrm,
                        f.ScaffoldFrm,
                        f.WindFrm,
                        f.PreferencesFrm,
                        f.InfoFrm,
                        f.AboutBox,
                        &ResetAllInputForms,
                        &RestoreAllInputForms,
                        &AskForEffectiveLength,
                        [loads = f.LoadDataFrm] { loads->ShowFactorsReset(); }};
    f.KX_BeamFrm->Link = {f.IndexFrm, f.LoadDataFrm, f.TimSectFrm, f.CouplersFrm, f.KX_GridFrm};
    f.KX_GridFrm->Link = {f.KX_BeamFrm};
    f.TimSectFrm->Link = {f.KX_BeamFrm};
    f.LoadDataFrm->Link = {f.IndexFrm, f.KX_BeamFrm, f.CantLHFrm, f.SpanFrm};
    const EffLengthLinks wizard{f.IndexFrm, f.LoadDataFrm, f.CantLHFrm, f.SpanFrm, f.CantRHFrm};
    f.CantLHFrm->Link = wizard;
    f.SpanFrm->Link = wizard;
    f.CantRHFrm->Link = wizard;
    f.SetHeaderFrm->Link = {f.PrintFrm};
    f.KX_CapFrm->Link = {f.Form1};
    f.TimberFrm->Link = {f.Form1, f.SetHeaderFrm, f.DurationFrm};
    f.WindFrm->Link = {f.Form1, f.SetHeaderFrm};
    InstallInputFormsRescale(
        {f.KX_BeamFrm, f.LoadDataFrm, f.KX_GridFrm, f.CantLHFrm, f.SpanFrm, f.CantRHFrm});
    InstallFactoredLoadsChanged([loads = f.LoadDataFrm] { loads->FactoredLoadsChanged(); });
    // Whichever window changed the job, the main window shows results only while they stand.
    InstallAfterEachAction([main = f.IndexFrm] { main->FollowResults(); });
}

} // namespace

void CreateForms() {
    if (!created.empty()) return;
    // The steps of start-up that set program state run here, once each window exists; making a
    // window changes nothing.
    create(Forms.Form1);
    Forms.Form1->FormCreate(); // the start-up directory and the version texts
    create(Forms.KX_BeamFrm);
    create(Forms.PreferencesFrm);
    Forms.PreferencesFrm->ReadSettingsFile(); // the units, or the defaults when it cannot be read
    create(Forms.KX_GridFrm);
    create(Forms.IndexFrm);
    create(Forms.InfoFrm);
    create(Forms.LoadDataFrm);
    create(Forms.AboutBox);
    create(Forms.ScaffoldFrm);
    create(Forms.WindFrm);
    create(Forms.CouplersFrm);
    create(Forms.DurationFrm);
    create(Forms.TimberFrm);
    Forms.TimberFrm->FormCreate(); // the calculator's first choices
    create(Forms.KX_CapFrm);
    create(Forms.CantLHFrm);
    create(Forms.CantRHFrm);
    create(Forms.SpanFrm);
    create(Forms.PrintFrm);
    create(Forms.PointFrm);
    create(Forms.TimSectFrm);
    create(Forms.SetHeaderFrm);
    LinkForms();
}

void DestroyForms() {
    if (!created.empty()) UninstallInputFormsRescale();
    InstallFactoredLoadsChanged({});
    InstallAfterEachAction({});
    while (!created.empty()) {
        delete created.back();
        created.pop_back();
    }
    Forms = FormRegistry{};
}

std::vector<QWidget*> FormsInCreationOrder() { return created; }

// Each input window adds its New steps here as it is built, in the order the main window
// documents: load form, beam form, timber section form, effective-length forms, header form.
void ResetAllInputForms() {
    // As the main window does with the beam and load forms: a form left open on the job that was
    // would commit its values into the next one.
    for (QWidget* w :
         std::initializer_list<QWidget*>{Forms.TimSectFrm, Forms.CantLHFrm, Forms.SpanFrm, Forms.CantRHFrm})
        if (w) w->hide();
    if (Forms.LoadDataFrm) Forms.LoadDataFrm->ResetForNewBeam();
    if (Forms.KX_BeamFrm) {
        Forms.KX_BeamFrm->ResetBeamForm();
        Forms.KX_BeamFrm->ClearBeamSketch();
    }
    if (Forms.TimSectFrm) Forms.TimSectFrm->SelectFirstGrade();
    if (Forms.CantLHFrm) Forms.CantLHFrm->CantLHClear();
    if (Forms.SpanFrm) Forms.SpanFrm->SpanClear();
    if (Forms.CantRHFrm) Forms.CantRHFrm->CantRHClear();
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

void AskForEffectiveLength(int row) {
    if (row == kLHCantRow) {
        ShowForm(Forms.CantLHFrm);
    } else if (row == kRHCantRow) {
        ShowForm(Forms.CantRHFrm);
    } else if (TSpanFrm* span = Forms.SpanFrm) {
        // The form opens at the span it asks about; showing it again reads the span afresh.
        SpanVars.CurrentSpan = row;
        span->hide();
        ShowForm(span);
        span->DrawSpanSketch();
        span->HighlightCurrentSpan();
    }
}

void CloseStartScreen() {
    if (Forms.Form1) Forms.Form1->close();
}

template <class T> QWidget* Widget(T* form) { return form; }
template QWidget* Widget(TForm1*);
template QWidget* Widget(TKX_BeamFrm*);
template QWidget* Widget(TPreferencesFrm*);
template QWidget* Widget(TKX_GridFrm*);
template QWidget* Widget(TIndexFrm*);
template QWidget* Widget(TInfoFrm*);
template QWidget* Widget(TLoadDataFrm*);
template QWidget* Widget(TAboutBox*);
template QWidget* Widget(TScaffoldFrm*);
template QWidget* Widget(TWindFrm*);
template QWidget* Widget(TCouplersFrm*);
template QWidget* Widget(TDurationFrm*);
template QWidget* Widget(TTimberFrm*);
template QWidget* Widget(TKX_CapFrm*);
template QWidget* Widget(TCantLHFrm*);
template QWidget* Widget(TCantRHFrm*);
template QWidget* Widget(TSpanFrm*);
template QWidget* Widget(TPrintFrm*);
template QWidget* Widget(TPointFrm*);
template QWidget* Widget(TTimSectFrm*);
template QWidget* Widget(TSetHeaderFrm*);

} // namespace kx

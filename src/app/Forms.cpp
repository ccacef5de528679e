// Creation, order and lookup of the program's windows.
#include "app/Forms.h"

#include <QWidget>

#include "calculators/ui/Duration.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Timber.h"
#include "calculators/ui/Wind.h"
#include "foundation/ui/About.h"
#include "foundation/ui/Info.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Unit1.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/Couplers.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
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
}

void DestroyForms() {
    while (!created.empty()) {
        delete created.back();
        created.pop_back();
    }
    Forms = FormRegistry{};
}

std::vector<QWidget*> FormsInCreationOrder() { return created; }

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

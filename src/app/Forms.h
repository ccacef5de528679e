// The program's windows: created once at start-up, hidden, in a fixed order, and reached by name.
// This is the one place that knows every window.
#pragma once

#include <vector>

class QWidget;

namespace kx {

class TForm1;
class TKX_BeamFrm;
class TPreferencesFrm;
class TKX_GridFrm;
class TIndexFrm;
class TInfoFrm;
class TLoadDataFrm;
class TAboutBox;
class TScaffoldFrm;
class TWindFrm;
class TCouplersFrm;
class TDurationFrm;
class TTimberFrm;
class TKX_CapFrm;
class TCantLHFrm;
class TCantRHFrm;
class TSpanFrm;
class TPrintFrm;
class TPointFrm;
class TTimSectFrm;
class TSetHeaderFrm;

// Each window lives from CreateForms to DestroyForms; windows are shown and hidden, never
// destroyed and made again. Members are declared in the order of creation.
struct FormRegistry {
    TForm1* Form1 = nullptr; // the start screen, the main window
    TKX_BeamFrm* KX_BeamFrm = nullptr;
    TPreferencesFrm* PreferencesFrm = nullptr; // its creation reads the units settings file
    TKX_GridFrm* KX_GridFrm = nullptr;
    TIndexFrm* IndexFrm = nullptr;
    TInfoFrm* InfoFrm = nullptr;
    TLoadDataFrm* LoadDataFrm = nullptr;
    TAboutBox* AboutBox = nullptr;
    TScaffoldFrm* ScaffoldFrm = nullptr;
    TWindFrm* WindFrm = nullptr;
    TCouplersFrm* CouplersFrm = nullptr;
    TDurationFrm* DurationFrm = nullptr;
    TTimberFrm* TimberFrm = nullptr;
    TKX_CapFrm* KX_CapFrm = nullptr;
    TCantLHFrm* CantLHFrm = nullptr;
    TCantRHFrm* CantRHFrm = nullptr;
    TSpanFrm* SpanFrm = nullptr;
    TPrintFrm* PrintFrm = nullptr;
    TPointFrm* PointFrm = nullptr;
    TTimSectFrm* TimSectFrm = nullptr;
    TSetHeaderFrm* SetHeaderFrm = nullptr;
};
extern FormRegistry Forms;

// Creates the 21 windows, hidden, the start screen first.
void CreateForms();
// Destroys them, last created first, and clears the registry.
void DestroyForms();
// The windows in the order of their creation (empty before CreateForms).
std::vector<QWidget*> FormsInCreationOrder();

// A registered window as a plain widget, for callers that only show, hide or place it.
template <class T> QWidget* Widget(T* form);

// What every window's "Exit" does: closes the start screen, which ends the program.
void CloseStartScreen();

// What File New and File Open do to the input windows together, in the order the windows are to
// see it; the main window calls these. Clears the input windows for a new beam.
void ResetAllInputForms();
// Rebuilds the input windows' working copies from the committed model that Open has read.
void RestoreAllInputForms();
// Shows the effective-length form that asks for member row (0 LH cantilever, a span, 26 RH
// cantilever), the span form at that span, as the wizard shows it.
void AskForEffectiveLength(int row);

} // namespace kx

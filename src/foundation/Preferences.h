// What the preferences window does with the user's choices of units: show, OK, Cancel and Reset,
// and the hook through which the input windows convert their values to new units.
#pragma once

#include <array>
#include <functional>

#include "foundation/SharedModel.h"
#include "foundation/Units.h"

namespace kx {

// The factors in which the input windows' texts are expressed: taken each time the preferences
// window is shown, and again after every change of units has been carried to the input windows.
struct TOldUnitFactors {
    float Length = 0, Force = 0, UDL = 0, Shear = 0, Moment = 0, Deflection = 0, Stress = 0, SectE = 0,
          SectI = 0, SectZ = 0, SectArea = 0, SectLength = 0;
    bool operator==(const TOldUnitFactors&) const = default;
};
extern TOldUnitFactors OldUnitFactors;

// The 12 factors of u.
TOldUnitFactors UnitFactorsOf(const TUnitSettings& u);
// Copies the current factors of the model into OldUnitFactors.
void SnapshotUnitFactors();

// Converts the values shown in the input windows from OldUnitFactors to the model's current
// factors and rebuilds their unit captions. The input windows install the conversion when they
// are built; until one is installed there are no values to convert and this does nothing.
void RescaleBeamForms();
void InstallRescaleBeamForms(std::function<void()> rescale);

// Tells the load form that OK or Cancel changed the factored-loads setting; installed by the
// windows as the rescale is, and until then nothing is told.
void InstallFactoredLoadsChanged(std::function<void()> changed);

// The state of the window's controls.
struct PreferenceChoices {
    // Per group of UnitOptionGroups(): the index of the ticked button, -1 when none is.
    std::array<int, kUnitGroupCount> option{};
    bool sxxIsPlastic = true;          // Option_SPlastic, else Option_ZPlastic
    bool bmNumericallyCorrect = false; // Option_BMNC, else Option_BMUK
    bool Check_Factor = false;         // factored loads enabled
    bool Check_SetDefault = false;     // save as default
};

// The controls as the window is built, before any settings are read.
PreferenceChoices DesignTimeChoices();

// The controls showing u: each group ticks the button whose text equals the unit text exactly;
// a group, pair or box that u does not match keeps its state in shown.
PreferenceChoices ChoicesForUnits(const TUnitSettings& u, PreferenceChoices shown);

// Assigns what the controls say to u (every group with a ticked button, the labels, the sign,
// the factored-loads flag, and the fixed warping unit).
void ApplyChoices(const PreferenceChoices& c, TUnitSettings& u);

// The window is shown: snapshot of the factors, and the settings Cancel may go back to.
void PreferencesShow();

// The job's units were replaced while the window may stand open (File New reads them again, File
// Open takes the file's): they become its new starting point, as at a showing, so that the input
// windows, which now show the new job in these units, are converted from them, Cancel keeps them,
// and an OK with the choices shown again changes nothing.
void PreferencesUnitsReplaced();

// OK: assigns the choices to the model, converts the input windows once the main window has been
// shown, takes a new snapshot, then writes the settings file when asked. A failed write throws
// IoError with the settings applied; the window stays open, and a second OK converts nothing
// twice.
void PreferencesOK(const PreferenceChoices& c);

// Cancel: the settings as they were when the window was shown. Only an OK whose save failed can
// have changed them; its conversion of the input windows is then undone too.
void PreferencesCancel();

// Reset to default values: the controls showing the settings file's values, or the built-in
// defaults. Nothing is assigned or converted until OK.
PreferenceChoices PreferencesReset(const PreferenceChoices& shown);

} // namespace kx

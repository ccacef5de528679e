// The preferences window's logic: snapshot, OK, Cancel, Reset and the rescale hook.
#include "foundation/Preferences.h"
#include "foundation/JobRules.h"
#include "platform/StateRegistry.h"

#include <utility>

namespace kx {

TOldUnitFactors OldUnitFactors;
KX_REGISTER_STATE(OldUnitFactors);

namespace {

std::function<void()> rescaleHook;
std::function<void()> factoredLoadsHook;

// What Cancel returns to, and whether an OK of this showing has changed the settings.
struct ShowingState {
    TUnitSettings shownSettings;
    bool appliedSinceShow = false;
    bool operator==(const ShowingState&) const = default;
};
ShowingState Showing;
KX_REGISTER_STATE(Showing);

void rescaleIfFormsShown() {
    if (Model.BeamFormShown == 1) RescaleBeamForms();
    SnapshotUnitFactors();
}

// The load form follows a change of the factored-loads setting at once, shown or not.
void tellFactoredLoads(int32 before) {
    if (Model.FactoredLoadsFlag == before) return;
    FactoredLoadsSettingChanged(Model);
    if (factoredLoadsHook) factoredLoadsHook();
}

} // namespace

TOldUnitFactors UnitFactorsOf(const TUnitSettings& m) {
    return {m.UnitFactorLength, m.UnitFactorForce,      m.UnitFactorUDL,      m.UnitFactorShear,
            m.UnitFactorMoment, m.UnitFactorDeflection, m.UnitFactorStress,   m.UnitFactorSectE,
            m.UnitFactorSectI,  m.UnitFactorSectZ,      m.UnitFactorSectArea, m.UnitFactorSectLength};
}

void SnapshotUnitFactors() { OldUnitFactors = UnitFactorsOf(Model); }

void RescaleBeamForms() {
    if (rescaleHook) rescaleHook();
}

void InstallRescaleBeamForms(std::function<void()> rescale) { rescaleHook = std::move(rescale); }

void InstallFactoredLoadsChanged(std::function<void()> changed) { factoredLoadsHook = std::move(changed); }

PreferenceChoices DesignTimeChoices() {
    // The buttons are built showing the built-in units, no weight unit and an inverted diagram.
    TUnitSettings u;
    SetDefaultUnits(u);
    u.UnitTextWeight = "";
    u.MomentDiagramSign = -1;
    PreferenceChoices c;
    c.option.fill(-1);
    return ChoicesForUnits(u, c);
}

PreferenceChoices ChoicesForUnits(const TUnitSettings& u, PreferenceChoices shown) {
    const auto& groups = UnitOptionGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto& options = groups[g].options;
        for (std::size_t i = 0; i < options.size(); ++i)
            if (UnitText(u, groups[g].kind) == options[i].text) shown.option[g] = static_cast<int>(i);
    }
    if (u.ModulusLabelPlasticXX == "Sxx") shown.sxxIsPlastic = true;
    if (u.ModulusLabelPlasticXX == "Zxx") shown.sxxIsPlastic = false;
    if (u.MomentDiagramSign == 1) shown.bmNumericallyCorrect = true;
    if (u.MomentDiagramSign == -1) shown.bmNumericallyCorrect = false;
    if (u.FactoredLoadsFlag == 1) shown.Check_Factor = true;
    if (u.FactoredLoadsFlag == -1) shown.Check_Factor = false;
    return shown;
}

void ApplyChoices(const PreferenceChoices& c, TUnitSettings& u) {
    const auto& groups = UnitOptionGroups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const int i = c.option[g];
        if (i < 0 || i >= static_cast<int>(groups[g].options.size())) continue;
        const UnitOption& o = groups[g].options[static_cast<std::size_t>(i)];
        UnitText(u, groups[g].kind) = o.text;
        UnitFactor(u, groups[g].kind) = o.factor;
    }
    SetModulusLabels(u, c.sxxIsPlastic);
    u.MomentDiagramSign = c.bmNumericallyCorrect ? 1 : -1;
    u.FactoredLoadsFlag = c.Check_Factor ? 1 : -1;
    u.UnitTextWarping = kWarpingText;
    u.UnitFactorWarping = kWarpingFactor;
}

void PreferencesShow() {
    SnapshotUnitFactors();
    Showing.shownSettings = Model;
    Showing.appliedSinceShow = false;
}

void PreferencesUnitsReplaced() { PreferencesShow(); }

void PreferencesOK(const PreferenceChoices& c) {
    const int32 factored = Model.FactoredLoadsFlag;
    ApplyChoices(c, Model);
    Showing.appliedSinceShow = true;
    // The input windows follow the new units before the file is written, so a failed write
    // cannot leave their values meaning something else.
    rescaleIfFormsShown();
    tellFactoredLoads(factored);
    if (c.Check_SetDefault) WriteUnitFile(Model);
}

void PreferencesCancel() {
    if (!Showing.appliedSinceShow) return;
    const int32 factored = Model.FactoredLoadsFlag;
    static_cast<TUnitSettings&>(Model) = Showing.shownSettings;
    Showing.appliedSinceShow = false;
    rescaleIfFormsShown();
    tellFactoredLoads(factored);
}

PreferenceChoices PreferencesReset(const PreferenceChoices& shown) {
    TUnitSettings u = Model;
    ReadUnitFile(u);
    return ChoicesForUnits(u, shown);
}

} // namespace kx

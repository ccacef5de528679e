// How the preferences' buttons follow the unit settings, and what OK makes of the buttons.
#include "foundation/Preferences.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "StartDirTest.h"
#include "app/ProgramState.h"
#include "platform/Errors.h"

using namespace kx;

namespace {

std::size_t groupOf(TUnitKind kind) {
    for (std::size_t g = 0; g < UnitOptionGroups().size(); ++g)
        if (UnitOptionGroups()[g].kind == kind) return g;
    throw std::logic_error("no group");
}

// The unit text of the button ticked for a kind, "" when none is.
std::string ticked(const PreferenceChoices& c, TUnitKind kind) {
    const int i = c.option[groupOf(kind)];
    return i < 0 ? "" : UnitOptionGroups()[groupOf(kind)].options.at(static_cast<std::size_t>(i)).text;
}

} // namespace

TEST(PreferenceChoicesTest, ButtonsFollowTheSettingsAndWhatMatchesNothingKeepsItsState) {
    const PreferenceChoices design = DesignTimeChoices();
    EXPECT_EQ(ticked(design, TUnitKind::Length), "m");
    EXPECT_EQ(ticked(design, TUnitKind::SectZ), "cm^3");
    EXPECT_EQ(ticked(design, TUnitKind::Weight), "");
    EXPECT_TRUE(design.sxxIsPlastic);
    EXPECT_FALSE(design.bmNumericallyCorrect) << "inverted at design time";

    TUnitSettings u;
    SetDefaultUnits(u);
    u.UnitTextLength = "ft";
    u.UnitTextForce = "KIPS"; // case matters: matches no button
    u.ModulusLabelPlasticXX = "Zxx";
    u.MomentDiagramSign = 0;
    u.FactoredLoadsFlag = 1;
    const PreferenceChoices c = ChoicesForUnits(u, design);
    EXPECT_EQ(ticked(c, TUnitKind::Length), "ft");
    EXPECT_EQ(ticked(c, TUnitKind::Force), "kN");
    EXPECT_EQ(ticked(c, TUnitKind::Weight), "kg/m");
    EXPECT_FALSE(c.sxxIsPlastic);
    EXPECT_FALSE(c.bmNumericallyCorrect) << "a sign of 0 ticks neither";
    EXPECT_TRUE(c.Check_Factor);
    u.FactoredLoadsFlag = 0;
    EXPECT_TRUE(ChoicesForUnits(u, c).Check_Factor) << "a flag of 0 leaves the box as it was";
}

TEST(PreferenceChoicesTest, OkAssignsEveryTickedButtonTheLabelsSignFlagAndTheFixedWarpingUnit) {
    PreferenceChoices c = DesignTimeChoices();
    for (std::size_t g = 0; g < c.option.size(); ++g)
        c.option[g] = static_cast<int>(UnitOptionGroups()[g].options.size()) - 1;
    c.sxxIsPlastic = false;
    c.bmNumericallyCorrect = c.Check_Factor = true;
    TUnitSettings u;
    ApplyChoices(c, u);
    EXPECT_EQ(u.UnitTextLength, "ft");
    EXPECT_EQ(u.UnitFactorLength, 304.8f);
    EXPECT_EQ(u.UnitTextUDL, "Kips/ft");
    EXPECT_EQ(u.UnitFactorWeight, 0.005275f);
    EXPECT_EQ(u.UnitTextWarping, "dm^6");
    EXPECT_EQ(u.UnitFactorWarping, 1e-12f);
    EXPECT_EQ(u.ModulusLabelPlasticXX, "Zxx");
    EXPECT_EQ(u.MomentDiagramSign, 1);
    EXPECT_EQ(u.FactoredLoadsFlag, 1);

    c.option.fill(-1); // no button ticked: the kinds keep their units
    c.Check_Factor = c.bmNumericallyCorrect = false;
    ApplyChoices(c, u);
    EXPECT_EQ(u.UnitTextLength, "ft");
    EXPECT_EQ(u.FactoredLoadsFlag, -1);
    EXPECT_EQ(u.MomentDiagramSign, -1);
}

namespace {

struct KindUnit {
    TUnitKind kind;
    const char* text;
    float factor;
};

// The built-in units and units that differ from them in every kind (warping, fixed, aside): the
// values typed from the options' table.
// clang-format off
const KindUnit kBuiltIn[] = {
    {TUnitKind::Length, "m", 1000.0f}, {TUnitKind::Force, "kN", 1000.0f}, {TUnitKind::UDL, "kN/m", 1.0f},
    {TUnitKind::Shear, "kN", 0.001f}, {TUnitKind::Moment, "kN-m", 1e-6f}, {TUnitKind::Deflection, "mm", 1.0f},
    {TUnitKind::Stress, "N/mm^2", 1.0f}, {TUnitKind::SectE, "N/mm^2", 1.0f}, {TUnitKind::SectI, "cm^4", 10000.0f},
    {TUnitKind::SectZ, "cm^3", 1000.0f}, {TUnitKind::SectArea, "cm^2", 100.0f}, {TUnitKind::SectLength, "mm", 1.0f},
    {TUnitKind::Weight, "kg/m", 0.00785f}, {TUnitKind::Warping, "dm^6", 1e-12f}};
const KindUnit kImperial[] = {
    {TUnitKind::Length, "ft", 304.8f}, {TUnitKind::Force, "Kips", 4448.22f}, {TUnitKind::UDL, "Kips/ft", 14.593903f},
    {TUnitKind::Shear, "Kips", 0.000224809f}, {TUnitKind::Moment, "lbf-ft", 0.000737562f},
    {TUnitKind::Deflection, "in", 0.03937008f}, {TUnitKind::Stress, "lbf/in^2", 145.03767f},
    {TUnitKind::SectE, "lbf/in^2", 0.00689476f}, {TUnitKind::SectI, "in^4", 416231.44f},
    {TUnitKind::SectZ, "in^3", 16387.064f}, {TUnitKind::SectArea, "in^2", 645.16f}, {TUnitKind::SectLength, "in", 25.4f},
    {TUnitKind::Weight, "lb/ft", 0.005275f}, {TUnitKind::Warping, "dm^6", 1e-12f}};
// clang-format on

TUnitSettings settings(const KindUnit (&units)[kUnitKindCount], bool sxxPlastic, int32 sign, int32 factored) {
    TUnitSettings u;
    for (const KindUnit& k : units) {
        UnitText(u, k.kind) = k.text;
        UnitFactor(u, k.kind) = k.factor;
    }
    u.ModulusLabelPlasticXX = sxxPlastic ? "Sxx" : "Zxx";
    u.ModulusLabelElasticXX = sxxPlastic ? "Zxx" : "Sxx";
    u.ModulusLabelPlasticYY = sxxPlastic ? "Syy" : "Zyy";
    u.ModulusLabelElasticYY = sxxPlastic ? "Zyy" : "Syy";
    u.MomentDiagramSign = sign;
    u.FactoredLoadsFlag = factored;
    return u;
}
TUnitSettings builtIn() { return settings(kBuiltIn, true, 1, -1); }
TUnitSettings imperial() { return settings(kImperial, false, -1, 1); }

// Each field of u against the units, labels, sign and flag chosen.
void expectFields(const TUnitSettings& u, const KindUnit (&units)[kUnitKindCount], bool sxxPlastic,
                  int32 sign, int32 factored) {
    for (const KindUnit& k : units) {
        EXPECT_EQ(UnitText(u, k.kind), k.text) << k.text;
        EXPECT_EQ(UnitFactor(u, k.kind), k.factor) << k.text;
    }
    const std::vector<std::string> labels = {u.ModulusLabelPlasticXX.str(), u.ModulusLabelElasticXX.str(),
                                             u.ModulusLabelPlasticYY.str(), u.ModulusLabelElasticYY.str()};
    const std::vector<std::string> sxx = {"Sxx", "Zxx", "Syy", "Zyy"}, zxx = {"Zxx", "Sxx", "Zyy", "Syy"};
    EXPECT_EQ(labels, sxxPlastic ? sxx : zxx);
    EXPECT_EQ(u.MomentDiagramSign, sign);
    EXPECT_EQ(u.FactoredLoadsFlag, factored);
}

class PreferencesTest : public StartDirTest {};

} // namespace

TEST(PreferenceChoicesTest, EveryFieldGoesThroughTheButtonsBothWaysBetweenSettingsThatDifferInEveryField) {
    PreferenceChoices c = ChoicesForUnits(builtIn(), DesignTimeChoices());
    // Index of the button per group, in the groups' order: the built-in ones, then the last of each.
    const std::array<int, kUnitGroupCount> builtInButtons = {2, 1, 1, 1, 2, 0, 0, 0, 1, 1, 1, 0, 0};
    EXPECT_EQ(c.option, builtInButtons);
    c = ChoicesForUnits(imperial(), c);
    const std::array<int, kUnitGroupCount> imperialButtons = {4, 4, 5, 4, 4, 3, 1, 1, 2, 2, 2, 2, 1};
    EXPECT_EQ(c.option, imperialButtons);
    EXPECT_FALSE(c.sxxIsPlastic);
    EXPECT_FALSE(c.bmNumericallyCorrect);
    EXPECT_TRUE(c.Check_Factor);

    TUnitSettings u = builtIn();
    ApplyChoices(c, u);
    expectFields(u, kImperial, false, -1, 1);
    ApplyChoices(ChoicesForUnits(builtIn(), c), u);
    expectFields(u, kBuiltIn, true, 1, -1);

    // The factors of the input windows, one for each of the twelve kinds they show.
    const TOldUnitFactors f = UnitFactorsOf(imperial());
    const std::vector<float> factors = {f.Length, f.Force, f.UDL,   f.Shear, f.Moment,   f.Deflection,
                                        f.Stress, f.SectE, f.SectI, f.SectZ, f.SectArea, f.SectLength};
    EXPECT_EQ(factors,
              (std::vector<float>{304.8f, 4448.22f, 14.593903f, 0.000224809f, 0.000737562f, 0.03937008f,
                                  145.03767f, 0.00689476f, 416231.44f, 16387.064f, 645.16f, 25.4f}));

    // Changed and changed back before OK: the choices OK assigns are those shown at first.
    PreferenceChoices shown = ChoicesForUnits(builtIn(), DesignTimeChoices());
    PreferenceChoices edited = shown;
    edited.option[0] = 4;
    edited.Check_Factor = edited.bmNumericallyCorrect = !shown.Check_Factor;
    edited.sxxIsPlastic = false;
    edited.option[0] = shown.option[0];
    edited.Check_Factor = shown.Check_Factor;
    edited.bmNumericallyCorrect = shown.bmNumericallyCorrect;
    edited.sxxIsPlastic = true;
    u = builtIn();
    ApplyChoices(edited, u);
    EXPECT_EQ(u, builtIn());
}

TEST_F(PreferencesTest, OkCancelAndResetCarryEveryFieldAndTheProgramResetForgetsTheShowing) {
    static_cast<TUnitSettings&>(Model) = builtIn();
    PreferencesShow();
    EXPECT_EQ(OldUnitFactors, UnitFactorsOf(builtIn()));

    // An OK whose save fails keeps the settings it applied; Cancel then goes back in every field.
    const std::string startDir = StartDir;
    StartDir = dir_.path("removed");
    PreferenceChoices save = ChoicesForUnits(imperial(), DesignTimeChoices());
    save.Check_SetDefault = true;
    EXPECT_THROW(PreferencesOK(save), IoError);
    expectFields(Model, kImperial, false, -1, 1);
    EXPECT_EQ(OldUnitFactors, UnitFactorsOf(imperial()));
    EXPECT_TRUE(Model.FactoredLoadsUnasked) << "factored loads turned on: the question is owed";
    PreferencesCancel();
    expectFields(Model, kBuiltIn, true, 1, -1);
    EXPECT_EQ(OldUnitFactors, UnitFactorsOf(builtIn()));
    EXPECT_FALSE(Model.FactoredLoadsUnasked);

    // Saved: the file holds every field, and Reset shows them all from a window showing others.
    StartDir = startDir;
    PreferencesShow();
    PreferencesOK(save);
    TUnitSettings read;
    ASSERT_TRUE(ReadUnitFile(read));
    expectFields(read, kImperial, false, -1, 1);
    static_cast<TUnitSettings&>(Model) = builtIn();
    const PreferenceChoices reset = PreferencesReset(ChoicesForUnits(builtIn(), DesignTimeChoices()));
    EXPECT_EQ(reset.option, save.option);
    EXPECT_FALSE(reset.sxxIsPlastic || reset.bmNumericallyCorrect);
    EXPECT_TRUE(reset.Check_Factor);
    expectFields(Model, kBuiltIn, true, 1, -1); // nothing assigned before OK

    // The program reset: the factors back to 0, and a Cancel with nothing applied since a showing.
    PreferencesShow();
    EXPECT_THROW(
        {
            StartDir = dir_.path("removed");
            PreferencesOK(save);
        },
        IoError);
    StartDir = startDir;
    ResetProgramState();
    EXPECT_EQ(OldUnitFactors, TOldUnitFactors{});
    static_cast<TUnitSettings&>(Model) = imperial();
    PreferencesCancel();
    expectFields(Model, kImperial, false, -1, 1);
}

// What OK, Cancel and Reset of the preferences do to the units and to the values of the input windows.
#include "foundation/Preferences.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "StartDirTest.h"
#include "platform/BinaryIO.h"
#include "platform/Errors.h"
#include "platform/Files.h"

using namespace kx;

namespace {

std::size_t groupOf(TUnitKind kind) {
    const auto& groups = UnitOptionGroups();
    for (std::size_t g = 0; g < groups.size(); ++g)
        if (groups[g].kind == kind) return g;
    throw std::logic_error("no group");
}

int optionOf(TUnitKind kind, const std::string& text) {
    const auto& options = UnitOptionGroups()[groupOf(kind)].options;
    for (std::size_t i = 0; i < options.size(); ++i)
        if (text == options[i].text) return static_cast<int>(i);
    return -1;
}

int& lengthButton(PreferenceChoices& c) { return c.option[groupOf(TUnitKind::Length)]; }

// The input windows stand in as one span length held as text in the length unit, converted as the
// rescale converts it.
class PreferencesLogic : public StartDirTest {
protected:
    void SetUp() override {
        StartDirTest::SetUp();
        ReadUnitFile(Model); // the defaults: lengths in m
        Model.BeamFormShown = 1;
        InstallRescaleBeamForms([this] {
            spanLength = spanLength * OldUnitFactors.Length / Model.UnitFactorLength;
            ++conversions;
        });
    }
    void TearDown() override {
        InstallRescaleBeamForms(nullptr);
        StartDirTest::TearDown();
    }

    // The controls showing the settings in use, with another length unit ticked.
    static PreferenceChoices withLength(const char* text, bool save = false) {
        PreferenceChoices c = ChoicesForUnits(Model, DesignTimeChoices());
        lengthButton(c) = optionOf(TUnitKind::Length, text);
        c.saveAsDefault = save;
        return c;
    }

    double spanLength = 6; // m
    int conversions = 0;
};

} // namespace

TEST(PreferenceChoicesTest, ButtonsFollowTheSettingsAndWhatMatchesNothingKeepsItsState) {
    const PreferenceChoices design = DesignTimeChoices();
    EXPECT_EQ(design.option[groupOf(TUnitKind::Stress)], optionOf(TUnitKind::Stress, "N/mm^2"));
    EXPECT_EQ(design.option[groupOf(TUnitKind::SectZ)], optionOf(TUnitKind::SectZ, "cm^3"));
    EXPECT_EQ(design.option[groupOf(TUnitKind::Weight)], -1);
    EXPECT_TRUE(design.sxxIsPlastic);
    EXPECT_FALSE(design.bmNumericallyCorrect) << "inverted at design time";

    TUnitSettings u;
    SetDefaultUnits(u);
    u.UnitTextLength = "ft";
    u.UnitTextForce = "KN"; // case matters: matches no button
    u.ModulusLabelPlasticXX = "Zxx";
    u.MomentDiagramSign = 0;
    u.FactoredLoadsFlag = 1;
    PreferenceChoices c = ChoicesForUnits(u, design);
    EXPECT_EQ(lengthButton(c), optionOf(TUnitKind::Length, "ft"));
    EXPECT_EQ(c.option[groupOf(TUnitKind::Force)], optionOf(TUnitKind::Force, "kN"));
    EXPECT_EQ(c.option[groupOf(TUnitKind::Weight)], optionOf(TUnitKind::Weight, "kg/m"));
    EXPECT_FALSE(c.sxxIsPlastic);
    EXPECT_FALSE(c.bmNumericallyCorrect) << "a sign of 0 ticks neither";
    EXPECT_TRUE(c.factoredLoads);
    u.FactoredLoadsFlag = 0;
    EXPECT_TRUE(ChoicesForUnits(u, c).factoredLoads) << "a flag of 0 leaves the box as it was";
}

TEST(PreferenceChoicesTest, OkAssignsEveryTickedButtonTheLabelsSignFlagAndTheFixedWarpingUnit) {
    PreferenceChoices c = DesignTimeChoices();
    for (std::size_t g = 0; g < c.option.size(); ++g)
        c.option[g] = static_cast<int>(UnitOptionGroups()[g].options.size()) - 1;
    c.sxxIsPlastic = false;
    c.bmNumericallyCorrect = true;
    c.factoredLoads = true;
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
    c.factoredLoads = c.bmNumericallyCorrect = false;
    ApplyChoices(c, u);
    EXPECT_EQ(u.UnitTextLength, "ft");
    EXPECT_EQ(u.FactoredLoadsFlag, -1);
    EXPECT_EQ(u.MomentDiagramSign, -1);
}

TEST_F(PreferencesLogic, OkConvertsTheInputWindowsOnlyOnceTheMainWindowHasBeenShown) {
    Model.BeamFormShown = -1;
    PreferencesShow();
    PreferencesOK(withLength("cm"));
    EXPECT_EQ(Model.UnitTextLength, "cm");
    EXPECT_EQ(conversions, 0);
    EXPECT_EQ(OldUnitFactors.Length, 10.0f) << "the snapshot follows the new units";

    Model.BeamFormShown = 1;
    WriteUnitFile(Model);
    const auto file = ReadWholeFile(dir_.path("Kxf_Unit.dim"));
    PreferencesShow();
    PreferencesOK(withLength("m"));
    spanLength = 6; // m
    PreferencesShow();
    PreferencesOK(withLength("mm"));
    EXPECT_DOUBLE_EQ(spanLength, 6000);
    PreferencesShow();
    PreferencesOK(withLength("ft"));
    EXPECT_NEAR(spanLength, 6000 / 304.8, 1e-6 * 19.7) << "factors are singles";
    EXPECT_EQ(conversions, 3);
    EXPECT_EQ(ReadWholeFile(dir_.path("Kxf_Unit.dim")), file) << "OK without save leaves the file";
}

TEST_F(PreferencesLogic, AFailedSaveConvertsOnceAndCancelGoesBackToTheShownUnitsAndValues) {
    StartDir = dir_.path("missing");
    PreferencesShow();
    EXPECT_THROW(PreferencesOK(withLength("mm", true)), IoError);
    EXPECT_EQ(Model.UnitTextLength, "mm");
    EXPECT_DOUBLE_EQ(spanLength, 6000) << "values keep their meaning";
    EXPECT_THROW(PreferencesOK(withLength("mm", true)), IoError);
    EXPECT_DOUBLE_EQ(spanLength, 6000) << "a second OK converts nothing twice";
    PreferencesCancel();
    EXPECT_EQ(Model.UnitTextLength, "m");
    EXPECT_EQ(Model.FactoredLoadsFlag, 0);
    EXPECT_DOUBLE_EQ(spanLength, 6);
    const int done = conversions;
    PreferencesShow();
    PreferencesCancel();
    EXPECT_EQ(conversions, done) << "a plain Cancel converts nothing";

    std::filesystem::create_directory(StartDir);
    PreferencesShow();
    PreferencesOK(withLength("mm", true));
    EXPECT_DOUBLE_EQ(spanLength, 6000);
    TUnitSettings saved;
    ASSERT_TRUE(ReadUnitSettings(JoinPath(StartDir, "Kxf_Unit.dim"), saved));
    EXPECT_EQ(saved, static_cast<const TUnitSettings&>(Model));
    EXPECT_EQ(Model.FileTag, "Junk");
}

TEST_F(PreferencesLogic, ResetShowsTheSavedUnitsOrTheDefaultsButChangesNothingBeforeOk) {
    PreferenceChoices shown = withLength("cm");
    shown.factoredLoads = true;
    PreferenceChoices reset = PreferencesReset(shown); // no file: the defaults, the box as it was
    EXPECT_EQ(lengthButton(reset), optionOf(TUnitKind::Length, "m"));
    EXPECT_TRUE(reset.factoredLoads);

    TUnitSettings file = Model;
    file.UnitTextLength = "in";
    file.UnitFactorLength = 25.4f;
    file.FactoredLoadsFlag = 1;
    WriteUnitFile(file);
    const TUnitSettings before = Model;
    PreferencesShow();
    shown = ChoicesForUnits(Model, DesignTimeChoices());
    reset = PreferencesReset(shown);
    EXPECT_EQ(lengthButton(reset), optionOf(TUnitKind::Length, "in"));
    EXPECT_TRUE(reset.factoredLoads);
    EXPECT_EQ(static_cast<const TUnitSettings&>(Model), before);
    PreferencesCancel();
    EXPECT_EQ(static_cast<const TUnitSettings&>(Model), before);
    EXPECT_EQ(conversions, 0);

    PreferencesShow();
    PreferencesOK(PreferencesReset(shown));
    EXPECT_EQ(Model.UnitTextLength, "in");
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_NEAR(spanLength, 6000 / 25.4, 1e-6 * 236);
}

#include "foundation/Preferences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "StartDirTest.h"
#include "platform/BinaryIO.h"
#include "platform/Errors.h"
#include "platform/Files.h"

using namespace kx;

namespace {

int groupOf(TUnitKind kind) {
    const auto& groups = UnitOptionGroups();
    for (std::size_t g = 0; g < groups.size(); ++g)
        if (groups[g].kind == kind) return static_cast<int>(g);
    return -1;
}

int optionOf(TUnitKind kind, const std::string& text) {
    const auto& options = UnitOptionGroups()[static_cast<std::size_t>(groupOf(kind))].options;
    for (std::size_t i = 0; i < options.size(); ++i)
        if (text == options[i].text) return static_cast<int>(i);
    return -1;
}

// The choices showing the built-in defaults, with the length unit changed.
PreferenceChoices defaultsWithLength(const std::string& lengthText) {
    TUnitSettings u;
    SetDefaultUnits(u);
    PreferenceChoices c = DesignTimeChoices();
    c = ChoicesForUnits(u, c);
    c.option[static_cast<std::size_t>(groupOf(TUnitKind::Length))] = optionOf(TUnitKind::Length, lengthText);
    return c;
}

// Stands in for an input window: one span length held as text in the length unit, converted
// as the rescale converts it.
struct FakeInputWindow {
    double spanLength = 0;
    int conversions = 0;
    void install() {
        InstallRescaleBeamForms([this] {
            spanLength = spanLength * OldUnitFactors.Length / Model.UnitFactorLength;
            ++conversions;
        });
    }
};

class PreferencesLogic : public StartDirTest {
protected:
    void SetUp() override {
        StartDirTest::SetUp();
        ReadUnitFile(Model); // the defaults: lengths in m
        window_.install();
    }
    void TearDown() override {
        InstallRescaleBeamForms(nullptr);
        StartDirTest::TearDown();
    }

    FakeInputWindow window_;
};

} // namespace

TEST(PreferenceChoicesTest, ButtonsFollowTheSettingsAndGroupsThatMatchNothingKeepTheirState) {
    const PreferenceChoices design = DesignTimeChoices();
    EXPECT_EQ(design.option[static_cast<std::size_t>(groupOf(TUnitKind::Length))], optionOf(TUnitKind::Length, "m"));
    EXPECT_EQ(design.option[static_cast<std::size_t>(groupOf(TUnitKind::Stress))],
              optionOf(TUnitKind::Stress, "N/mm^2"));
    EXPECT_EQ(design.option[static_cast<std::size_t>(groupOf(TUnitKind::SectZ))], optionOf(TUnitKind::SectZ, "cm^3"));
    EXPECT_EQ(design.option[static_cast<std::size_t>(groupOf(TUnitKind::Weight))], -1);
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
    EXPECT_EQ(c.option[static_cast<std::size_t>(groupOf(TUnitKind::Length))], optionOf(TUnitKind::Length, "ft"));
    EXPECT_EQ(c.option[static_cast<std::size_t>(groupOf(TUnitKind::Force))], optionOf(TUnitKind::Force, "kN"));
    EXPECT_EQ(c.option[static_cast<std::size_t>(groupOf(TUnitKind::Weight))], optionOf(TUnitKind::Weight, "kg/m"));
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
    EXPECT_EQ(u.UnitFactorUDL, 14.593903f);
    EXPECT_EQ(u.UnitTextDeflection, "in");
    EXPECT_EQ(u.UnitTextWeight, "lb/ft");
    EXPECT_EQ(u.UnitFactorWeight, 0.005275f);
    EXPECT_EQ(u.UnitTextWarping, "dm^6");
    EXPECT_EQ(u.UnitFactorWarping, 1e-12f);
    EXPECT_EQ(u.ModulusLabelPlasticXX, "Zxx");
    EXPECT_EQ(u.ModulusLabelPlasticYY, "Zyy");
    EXPECT_EQ(u.ModulusLabelElasticXX, "Sxx");
    EXPECT_EQ(u.ModulusLabelElasticYY, "Syy");
    EXPECT_EQ(u.MomentDiagramSign, 1);
    EXPECT_EQ(u.FactoredLoadsFlag, 1);

    c.option.fill(-1); // no button ticked: the kinds keep their units
    c.factoredLoads = false;
    c.bmNumericallyCorrect = false;
    ApplyChoices(c, u);
    EXPECT_EQ(u.UnitTextLength, "ft");
    EXPECT_EQ(u.FactoredLoadsFlag, -1);
    EXPECT_EQ(u.MomentDiagramSign, -1);
}

TEST_F(PreferencesLogic, BeforeTheMainWindowIsShownOkChangesUnitsWithoutConverting) {
    Model.BeamFormShown = -1;
    window_.spanLength = 6;
    PreferencesShow();
    PreferencesOK(defaultsWithLength("mm"));
    EXPECT_EQ(Model.UnitTextLength, "mm");
    EXPECT_EQ(window_.conversions, 0);
    EXPECT_EQ(OldUnitFactors.Length, 1.0f) << "the snapshot follows the new units";
    EXPECT_FALSE(std::filesystem::exists(dir_.path("Kxf_Unit.dim"))) << "not saved unless asked";
}

TEST_F(PreferencesLogic, OkConvertsTheInputWindowsFromTheUnitsTheyHold) {
    Model.BeamFormShown = 1;
    window_.spanLength = 6; // m
    PreferencesShow();
    PreferencesOK(defaultsWithLength("mm"));
    EXPECT_DOUBLE_EQ(window_.spanLength, 6000);
    PreferencesShow();
    PreferencesOK(defaultsWithLength("ft"));
    EXPECT_NEAR(window_.spanLength, 6000 / 304.8, 1e-6 * 19.7) << "factors are singles";
    EXPECT_EQ(window_.conversions, 2);
}

TEST_F(PreferencesLogic, AFailedSaveKeepsTheNewUnitsConvertedOnceAndASecondOkConvertsNothingTwice) {
    Model.BeamFormShown = 1;
    window_.spanLength = 6;
    StartDir = dir_.path("missing");
    PreferencesShow();
    PreferenceChoices c = defaultsWithLength("mm");
    c.saveAsDefault = true;
    EXPECT_THROW(PreferencesOK(c), IoError);
    EXPECT_EQ(Model.UnitTextLength, "mm");
    EXPECT_DOUBLE_EQ(window_.spanLength, 6000) << "values keep their meaning";
    EXPECT_THROW(PreferencesOK(c), IoError);
    EXPECT_DOUBLE_EQ(window_.spanLength, 6000);

    std::filesystem::create_directory(StartDir);
    PreferencesOK(c);
    EXPECT_DOUBLE_EQ(window_.spanLength, 6000);
    TUnitSettings saved;
    ASSERT_TRUE(ReadUnitSettings(JoinPath(StartDir, "Kxf_Unit.dim"), saved));
    EXPECT_EQ(saved, static_cast<const TUnitSettings&>(Model));
    EXPECT_EQ(Model.FileTag, "Junk");
}

TEST_F(PreferencesLogic, CancelAfterAFailedSaveGoesBackToTheShownUnitsAndValues) {
    Model.BeamFormShown = 1;
    window_.spanLength = 6;
    const TUnitSettings shown = Model;
    StartDir = dir_.path("missing");
    PreferencesShow();
    PreferenceChoices c = defaultsWithLength("mm");
    c.saveAsDefault = true;
    EXPECT_THROW(PreferencesOK(c), IoError);
    PreferencesCancel();
    EXPECT_EQ(static_cast<const TUnitSettings&>(Model), shown);
    EXPECT_DOUBLE_EQ(window_.spanLength, 6);

    const int conversions = window_.conversions;
    PreferencesShow();
    PreferencesCancel();
    EXPECT_EQ(window_.conversions, conversions) << "a plain Cancel converts nothing";
}

TEST_F(PreferencesLogic, ResetShowsTheSavedUnitsButChangesNothingBeforeOk) {
    TUnitSettings file;
    SetDefaultUnits(file);
    file.UnitTextLength = "in";
    file.UnitFactorLength = 25.4f;
    file.FactoredLoadsFlag = 1;
    WriteUnitFile(file);
    Model.BeamFormShown = 1;
    window_.spanLength = 6;
    const TUnitSettings before = Model;

    PreferencesShow();
    PreferenceChoices shown = ChoicesForUnits(Model, DesignTimeChoices());
    PreferenceChoices reset = PreferencesReset(shown);
    EXPECT_EQ(reset.option[static_cast<std::size_t>(groupOf(TUnitKind::Length))], optionOf(TUnitKind::Length, "in"));
    EXPECT_TRUE(reset.factoredLoads);
    EXPECT_EQ(static_cast<const TUnitSettings&>(Model), before);
    PreferencesCancel();
    EXPECT_EQ(static_cast<const TUnitSettings&>(Model), before);
    EXPECT_EQ(window_.conversions, 0);

    PreferencesShow();
    PreferencesOK(PreferencesReset(shown));
    EXPECT_EQ(Model.UnitTextLength, "in");
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_NEAR(window_.spanLength, 6000 / 25.4, 1e-6 * 236);
}

TEST_F(PreferencesLogic, ResetWithoutAFileShowsTheDefaultsAndKeepsTheFactoredBox) {
    Model.FactoredLoadsFlag = 0;
    PreferenceChoices shown = DesignTimeChoices();
    shown.option[static_cast<std::size_t>(groupOf(TUnitKind::Length))] = optionOf(TUnitKind::Length, "cm");
    shown.factoredLoads = true;
    PreferencesShow();
    PreferenceChoices reset = PreferencesReset(shown);
    EXPECT_EQ(reset.option[static_cast<std::size_t>(groupOf(TUnitKind::Length))], optionOf(TUnitKind::Length, "m"));
    EXPECT_EQ(reset.option[static_cast<std::size_t>(groupOf(TUnitKind::Weight))], optionOf(TUnitKind::Weight, "kg/m"));
    EXPECT_TRUE(reset.factoredLoads);
    EXPECT_TRUE(reset.bmNumericallyCorrect);
}

TEST_F(PreferencesLogic, OkWithoutSaveLeavesTheSettingsFileAsItWas) {
    TUnitSettings file;
    SetDefaultUnits(file);
    file.FactoredLoadsFlag = -1;
    WriteUnitFile(file);
    const auto before = ReadWholeFile(dir_.path("Kxf_Unit.dim"));
    PreferencesShow();
    PreferencesOK(defaultsWithLength("ft"));
    EXPECT_EQ(ReadWholeFile(dir_.path("Kxf_Unit.dim")), before);
}

// How the preferences' buttons follow the unit settings, and what OK makes of the buttons.
#include "foundation/Preferences.h"

#include <gtest/gtest.h>

#include <string>

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

// The job's rules on load factors, factored loads and the steel self-weight, each loadcase and row
// of the tables reached.
#include "foundation/JobRules.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/ProgramState.h"
#include "platform/Dialogs.h"

using namespace kx;

namespace {

class JobRulesTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    ScopedScriptedDialogs dialogs_;
};

} // namespace

TEST_F(JobRulesTest, SteelShapesAreTheSixOfTheTablesOutsideTheScaffoldFamily) {
    // clang-format off
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"Beam", "UB", true}, {"RSJ", "RSJ", true}, {"RSC", "PFC", true}, {"RSA", "UA", true}, {"Box", "RHS", true},
        {"Tube", "CHS", true}, {"Tube", "Scaffold", false}, {"Timber", "Timber", false}, {"User", "User", false},
        {"beam", "UB", false}, {"", "", false}};
    // clang-format on
    for (const auto& [shape, family, steel] : cases) {
        EXPECT_EQ(SteelSection(shape, family), steel) << shape << " " << family;
        Model.SectionShape = shape;
        Model.SectionFamilyCode = family;
        EXPECT_EQ(SelfWeightSection(), steel) << shape << " " << family;
    }
    EXPECT_TRUE(SteelSectionShape("Tube")) << "the shape alone, whatever its family";
}

TEST_F(JobRulesTest, TheSelfWeightIsTakenOffInLoadcase5WithoutSteelAndOtherFlagsStay) {
    const auto setFlags = [] {
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            Work.ApplyFlags[lc][kSelfWeightRecord] = 1;
            Model.LoadTable[lc][kSelfWeightRecord][lfApplied] = 1;
        }
        Work.ApplyFlags[2][kSelfWeightRecord] = 0; // neither applied nor taken off: stays
        Work.WorkLoads[kSelfWeightRecord][lfApplied] = 1;
        Work.ApplyFlags[5][50] = 1; // another load keeps its tick
        Model.LoadTable[5][50][lfApplied] = 1;
    };
    // The working copy only.
    Model.SectionShape = "Timber";
    setFlags();
    UnapplyWorkingSelfWeightWithoutSteel();
    EXPECT_EQ(Work.ApplyFlags[5][kSelfWeightRecord], -1.0f);
    EXPECT_EQ(Work.ApplyFlags[1][kSelfWeightRecord], -1.0f);
    EXPECT_EQ(Work.ApplyFlags[2][kSelfWeightRecord], 0.0f);
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfApplied], -1.0f);
    EXPECT_EQ(Model.LoadTable[5][kSelfWeightRecord][lfApplied], 1.0f) << "nothing committed changes";

    // Both.
    Model.SectionShape = "Tube";
    Model.SectionFamilyCode = "Scaffold";
    setFlags();
    UnapplySelfWeightWithoutSteel();
    for (int lc : {1, 3, 5}) {
        EXPECT_EQ(Work.ApplyFlags[lc][kSelfWeightRecord], -1.0f) << lc;
        EXPECT_EQ(Model.LoadTable[lc][kSelfWeightRecord][lfApplied], -1.0f) << lc;
    }
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfApplied], -1.0f);
    EXPECT_EQ(Work.ApplyFlags[5][50], 1.0f);
    EXPECT_EQ(Model.LoadTable[5][50][lfApplied], 1.0f);

    // Steel keeps its self-weight.
    Model.SectionFamilyCode = "CHS";
    setFlags();
    UnapplySelfWeightWithoutSteel();
    EXPECT_EQ(Work.ApplyFlags[5][kSelfWeightRecord], 1.0f);
    EXPECT_EQ(Model.LoadTable[5][kSelfWeightRecord][lfApplied], 1.0f);
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfApplied], 1.0f);
}

TEST_F(JobRulesTest, AFactorOtherThanOneCountsOnAnAppliedLoadOfAnyLoadcaseAndResetsEverywhere) {
    EXPECT_FALSE(AppliedFactorOtherThanOne(Model));
    Model.LoadTable[5][kSelfWeightRecord][lfLF] = 1.4f;
    EXPECT_FALSE(AppliedFactorOtherThanOne(Model)) << "not applied";
    Model.LoadTable[5][kSelfWeightRecord][lfApplied] = 1;
    EXPECT_TRUE(AppliedFactorOtherThanOne(Model)) << "loadcase 5, the self-weight row";
    Model.LoadTable[5][kSelfWeightRecord][lfLF] = 1.0f;
    Model.LoadTable[5][kSelfWeightRecord - 1][lfApplied] = 1; // factor 0
    EXPECT_TRUE(AppliedFactorOtherThanOne(Model));

    for (int lc : {1, 5})
        for (int r : {1, 50, kSelfWeightRecord})
            Model.LoadTable[lc][r][lfLF] = 1.6f;
    ResetLoadFactors(Model);
    for (int lc : {1, 5})
        for (int r : {1, 50, kSelfWeightRecord})
            EXPECT_EQ(Model.LoadTable[lc][r][lfLF], 1.0f) << lc << " " << r;
    EXPECT_FALSE(AppliedFactorOtherThanOne(Model));
}

TEST_F(JobRulesTest, TheFactoredLoadsQuestionIsOwedOnlyWithTheCheckAndFactoredLoadsOnAndAnswered) {
    Model.FactoredLoadsFlag = 1;
    FactoredLoadsSettingChanged(Model);
    EXPECT_TRUE(Model.FactoredLoadsUnasked);
    Model.SteelSectionFlag = 1;
    EXPECT_TRUE(FactoredLoadsQuestionOwed(Model));
    for (int32 check : {0, -1}) {
        Model.SteelSectionFlag = check;
        EXPECT_FALSE(FactoredLoadsQuestionOwed(Model)) << "check " << check;
    }
    Model.SteelSectionFlag = 1;
    Model.FactoredLoadsFlag = -1;
    EXPECT_FALSE(FactoredLoadsQuestionOwed(Model));
    FactoredLoadsSettingChanged(Model);
    EXPECT_FALSE(Model.FactoredLoadsUnasked) << "turned off: nothing owed";

    // Yes: factored loads stay, the factors too, and nothing more is said.
    Model.FactoredLoadsFlag = 1;
    FactoredLoadsSettingChanged(Model);
    Model.LoadTable[5][kSelfWeightRecord][lfLF] = 1.4f;
    Work.WorkLoads[kSelfWeightRecord][lfLF] = 1.4f;
    dialogs_->confirmAnswers = {true};
    EXPECT_TRUE(AskFactoredLoads(Model, Work));
    EXPECT_FALSE(Model.FactoredLoadsUnasked);
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_EQ(Model.LoadTable[5][kSelfWeightRecord][lfLF], 1.4f);
    ASSERT_EQ(dialogs_->shown.size(), 1u);
    EXPECT_EQ(dialogs_->shown[0].kind, "confirm");
    EXPECT_EQ(dialogs_->shown[0].text, "Do you wish to show factored loads for permissible stress design!");
    EXPECT_EQ(dialogs_->shown[0].caption, "Confirm");

    // No: off, every factor 1.0 in the committed table and the working list, and the message.
    Model.FactoredLoadsUnasked = true;
    dialogs_->clear();
    dialogs_->confirmAnswers = {false};
    EXPECT_FALSE(AskFactoredLoads(Model, Work));
    EXPECT_FALSE(Model.FactoredLoadsUnasked);
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    EXPECT_EQ(Model.LoadTable[5][kSelfWeightRecord][lfLF], 1.0f);
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.0f);
    EXPECT_EQ(Work.WorkLoads[1][lfLF], 1.0f) << "the first row too, from 0";
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"All load factors have been reset to 1.0"});
}

TEST_F(JobRulesTest, TurningFactoredLoadsOffLeavesNoQuestionOwedAndEveryFactorOne) {
    // Owed (turned on, the check chosen), then turned off by the load form: nothing is owed, so
    // that a job opened later with factored loads on is not asked about a setting it never had.
    Model.FactoredLoadsFlag = 1;
    Model.SteelSectionFlag = 1;
    FactoredLoadsSettingChanged(Model);
    ASSERT_TRUE(FactoredLoadsQuestionOwed(Model));
    Model.LoadTable[5][50][lfLF] = 1.6f;
    Work.WorkLoads[50][lfLF] = 1.6f;
    TurnFactoredLoadsOff(Model, Work);
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    EXPECT_FALSE(Model.FactoredLoadsUnasked);
    Model.FactoredLoadsFlag = 1;
    EXPECT_FALSE(FactoredLoadsQuestionOwed(Model));
    EXPECT_EQ(Model.LoadTable[5][50][lfLF], 1.0f);
    EXPECT_EQ(Work.WorkLoads[50][lfLF], 1.0f);
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"All load factors have been reset to 1.0"});
}

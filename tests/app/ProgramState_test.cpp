// The one program-state reset: every state a test or a user action can leave behind returns to its
// start-up value, and the start-up directory stays.
#include "app/ProgramState.h"

#include <gtest/gtest.h>

#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/Preferences.h"
#include "foundation/SharedModel.h"
#include "platform/Files.h"
#include "window/DrawingState.h"

using namespace kx;

TEST(ProgramState, ResetReturnsEveryStateToItsStartValueAndKeepsTheStartDirectory) {
    const std::string startDir = StartDir;
    StartDir = "/somewhere";
    Model.SpanData[27][19] = 1.0f;
    Model.LoadTable[5][51][7] = 3.0f;
    Model.UnitTextLength = "m";
    Model.BeamFileName = "job.kxf";
    Work.ApplyFlags[5][51] = 1.0f;
    Work.WorkSectionPropLines[50] = "z";
    Eng.CurrentCase = 3;
    Eng.SupportWorkValues[26] = 5.0f;
    Txt.CaseListing[5][1000] = "line";
    Txt.MemberLabel[5][26] = "RHC";
    Drawing.DrawnMemberLength[26] = 1000.0f;
    Drawing.ShownCase = 2;
    OldUnitFactors.Length = 1000.0f;

    ResetProgramState();

    EXPECT_EQ(Model.SpanData[27][19], 0.0f);
    EXPECT_EQ(Model.LoadTable[5][51][7], 0.0f);
    EXPECT_TRUE(Model.UnitTextLength.empty());
    EXPECT_TRUE(Model.BeamFileName.empty());
    EXPECT_EQ(Work.ApplyFlags[5][51], 0.0f);
    EXPECT_TRUE(Work.WorkSectionPropLines[50].empty());
    EXPECT_EQ(Eng.CurrentCase, 0);
    EXPECT_EQ(Eng.SupportWorkValues[26], 0.0f);
    EXPECT_TRUE(Txt.CaseListing[5][1000].empty());
    EXPECT_TRUE(Txt.MemberLabel[5][26].empty());
    EXPECT_EQ(Drawing.DrawnMemberLength[26], 0.0f);
    EXPECT_EQ(Drawing.ShownCase, 0);
    EXPECT_EQ(OldUnitFactors, TOldUnitFactors{});
    EXPECT_EQ(StartDir, "/somewhere");
    StartDir = startDir;
}

TEST(ProgramState, CancelAfterResetDoesNotBringBackSettingsOfAnEarlierShowing) {
    ResetProgramState();
    Model.UnitTextLength = "m";
    Model.UnitFactorLength = 1000.0f;
    PreferencesShow();                  // Cancel would go back to metres...
    PreferencesOK(DesignTimeChoices()); // ...once an OK has changed the settings
    ResetProgramState();
    Model.UnitTextLength = "mm";
    Model.UnitFactorLength = 1.0f;
    PreferencesCancel(); // nothing was shown since the reset: nothing to go back to
    EXPECT_EQ(Model.UnitTextLength.str(), "mm");
    EXPECT_EQ(Model.UnitFactorLength, 1.0f);
}

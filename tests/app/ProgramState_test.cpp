// The one program-state reset: every state a test or a user action can leave behind returns to its
// start-up value, and the start-up directory stays.
#include "app/ProgramState.h"

#include <gtest/gtest.h>

#include "calculators/KX_Cap.h"
#include "calculators/Timber.h"
#include "calculators/Wind.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/Preferences.h"
#include "foundation/SharedModel.h"
#include "input/KX_Beam.h"
#include "input/LoadData.h"
#include "input/Rescale.h"
#include "input/SectionChoice.h"
#include "input/Span.h"
#include "input/TimSect.h"
#include "platform/Files.h"
#include "platform/StateRegistry.h"
#include "window/DrawingState.h"
#include "window/Point.h"

#include <set>

using namespace kx;

TEST(ProgramState, ResetReturnsEveryRegisteredStateToItsBlankAndKeepsTheStartDirectory) {
    const std::string startDir = StartDir;
    StartDir = "/somewhere";
    Model.SpanData[27][19] = 1.0f;
    Model.LoadTable[5][51][7] = 3.0f;
    Model.UnitTextLength = "m";
    Work.ApplyFlags[5][51] = 1.0f;
    Eng.SupportWorkValues[26] = 5.0f;
    Txt.MemberLabel[5][26] = "RHC";
    Drawing.ShownCase = 2;
    OldUnitFactors.Length = 1000.0f;
    LoadDataVars.WorkLoadcase = 4;
    SpanVars.CurrentSpan = 3;
    WindState.Area[7].Description = "x";
    KX_Cap::Cap.CapGroup = "UB";
    Timber::Calc.b = 50;
    PreferencesShow();
    PreferencesOK(DesignTimeChoices());

    std::set<std::string> names, dirty;
    for (const RegisteredState& r : StateRegistry()) {
        names.insert(r.name);
        if (!r.isBlank()) dirty.insert(r.name);
    }
    for (const char* n : {"Model", "Work", "Eng", "Txt", "Drawing", "OldUnitFactors", "LoadDataVars",
                          "SpanVars", "WindState", "Cap", "Calc", "Showing"})
        EXPECT_TRUE(dirty.count(n)) << n << " is registered and was changed";
    EXPECT_TRUE(names.count("PointResults") && names.count("BeamFormVars") &&
                names.count("SectionChoiceVars") && names.count("TimSectVars"));

    ResetProgramState();
    for (const RegisteredState& r : StateRegistry())
        EXPECT_TRUE(r.isBlank()) << r.name;
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

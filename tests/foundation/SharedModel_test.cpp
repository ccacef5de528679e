// The shared model: the arrays' bounds, the text capacities and the reset to the start state.
#include "app/ProgramState.h"
#include "foundation/SharedModel.h"

#include <gtest/gtest.h>

using namespace kx;

TEST(SharedModel, BoundsAreThoseOfTheModelAndResetRestoresTheStartState) {
    ResetProgramState();
    Model.SpanData[27][19] = 1.0f;
    Model.SupportType[25] = supForkhead;
    Model.LoadTable[5][51][7] = 3.0f;
    Model.UDLStackTable[5][50][7] = 1.0f;
    Model.RestraintPos[26][10] = 4;
    Model.TimberResultLinesSaved[50] = "x";
    Model.SectionTextLines[41] = "y";
    Model.UnitTextLength = "metres-long-text";
    Work.ApplyFlags[5][51] = 1.0f;
    Work.WorkSectionPropLines[50] = "z";
    EXPECT_EQ(Model.UnitTextLength.str(), "metres-lon") << "string[10]";
    EXPECT_THROW(Model.SpanData[28], RangeError);
    EXPECT_THROW(Model.SpanData[0][20], RangeError);
    EXPECT_THROW(Model.SupportType[26], RangeError);
    EXPECT_THROW(Model.LoadTable[0], RangeError);
    EXPECT_THROW(Model.LoadTable[1][52], RangeError);
    EXPECT_THROW(Model.LoadTable[1][0], RangeError);
    EXPECT_THROW(Model.RestraintPos[0][0], RangeError);
    EXPECT_THROW(Model.SpanCount[6], RangeError);
    EXPECT_THROW(Model.CapCheckSettings[5], RangeError);
    EXPECT_THROW(Model.EffLength[27], RangeError);

    ResetProgramState();
    EXPECT_EQ(Model.SpanData[27][19], 0.0f);
    EXPECT_EQ(Model.SupportType[25], 0);
    EXPECT_EQ(Model.LoadTable[5][51][7], 0.0f);
    EXPECT_EQ(Model.RestraintPos[26][10], 0);
    EXPECT_TRUE(Model.TimberResultLinesSaved[50].empty());
    EXPECT_TRUE(Model.UnitTextLength.empty());
    EXPECT_EQ(Work.ApplyFlags[5][51], 0.0f);
    EXPECT_TRUE(Work.WorkSectionPropLines[50].empty());
}

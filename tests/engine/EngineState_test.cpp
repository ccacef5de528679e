// Engine work state: capacity for 25 spans and range errors outside it.
#include "engine/EngineState.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/BeamBuilder.h"
#include "platform/Dialogs.h"

using namespace kx;
using namespace kx::test;

namespace {

class EngineStateTest : public ::testing::Test {
protected:
    ScopedScriptedDialogs dialogs;
};

TEST_F(EngineStateTest, TwentyFiveSpansWithBothCantileversRunThroughEveryStep) {
    BeamBuilder b;
    b.LHCantilever(1200).EqualSpans(25, 3000).RHCantilever(900).Section(210000, 1e8, 8e7).ShearDeflection();
    b.Udl(1, 0, 2, 1200 + 25 * 3000 + 900).Distributed(1, 500, 0, 6, 8000);
    for (int s = 0; s < 25; ++s)
        b.Point(1, static_cast<float>(1200 + 3000 * s + 1100), 1000 + 10.0f * static_cast<float>(s));
    b.Commit();
    // 20 intervals with the deflections, 200 factored as the final pass, 2000 as results at a point
    // may ask for.
    for (int intervals : {20, 200, 2000}) {
        SolveLoadcase(1, intervals, intervals == 200);
        EXPECT_NEAR(ReactionSum(1), Model.TotalAppliedLoad[1], 1e-6 * Model.TotalAppliedLoad[1]) << intervals;
        if (intervals != 20) continue;
        FindDeflections(1);
        EXPECT_NE(Eng.SupportRotation[26], 0.0);
        EXPECT_TRUE(std::isfinite(Eng.CantDeflectionStore[21]));
        EXPECT_LT(Eng.SpanDeflection[25][11], 0.0);
        EXPECT_EQ(Eng.SpanDeflection[25][21], 0.0);
    }
}

TEST_F(EngineStateTest, IndexesOutsideTheTablesAreRangeErrors) {
    // The steps stop at the tables' bounds instead of running past them.
    BeamBuilder().Spans({4000}).Udl(1, 0, 10, 4000).Commit();
    Eng.CurrentCase = 6;
    EXPECT_THROW(ResetLoadcaseWork(), RangeError);
    EXPECT_THROW(DistributeLoads(), RangeError);
    Eng.CurrentCase = 0;
    EXPECT_THROW(FillSpanLoadTables(), RangeError);

    SolveLoadcase(1);
    Eng.NumSpanIntervals = kMaxPoints;
    EXPECT_THROW(CalcSpanShearMoment(), RangeError);
    EXPECT_THROW(CantileverForces(), RangeError);
    Eng.NumSpanIntervals = 0;
    EXPECT_THROW(FindSpanMomentExtremes(), RangeError);

    Model.SpanCount[1] = 26;
    Eng.NumSpanIntervals = 20;
    EXPECT_THROW(DistributeLoads(), RangeError);
    EXPECT_THROW(AssembleStiffness(), RangeError);
}

} // namespace

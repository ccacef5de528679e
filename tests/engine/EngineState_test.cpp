// Engine work state: the steps stop with a range error at the bounds of their tables.
#include "engine/EngineState.h"

#include <gtest/gtest.h>

#include "engine/BeamBuilder.h"
#include "platform/Dialogs.h"

using namespace kx;
using namespace kx::test;

namespace {

TEST(EngineState, IndexesOutsideTheTablesAreRangeErrors) {
    ScopedScriptedDialogs dialogs;
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

// Engine work state: capacity for 25 spans, range errors outside it, and reset.
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
    b.Udl(1, 0, 2, 1200 + 25 * 3000 + 900);
    for (int s = 0; s < 25; ++s)
        b.Point(1, static_cast<float>(1200 + 3000 * s + 1100), 1000 + 10.0f * s);
    b.Distributed(1, 500, 0, 6, 8000).Commit();

    SolveLoadcase(1);
    FindDeflections(1);
    EXPECT_NEAR(ReactionSum(1), Model.TotalAppliedLoad[1], 1e-6 * Model.TotalAppliedLoad[1]);
    EXPECT_NE(Eng.SupportRotation[26], 0.0);
    EXPECT_TRUE(std::isfinite(Eng.CantDeflectionStore[21]));
    EXPECT_LT(Eng.SpanDeflection[25][11], 0.0);
    EXPECT_EQ(Eng.SpanDeflection[25][21], 0.0);

    SolveLoadcase(1, 200, true);
    EXPECT_NEAR(ReactionSum(1), Model.TotalAppliedLoad[1], 1e-6 * Model.TotalAppliedLoad[1]);
    // 2000 intervals, as results at a point may ask for.
    SolveLoadcase(1, 2000);
    EXPECT_NEAR(ReactionSum(1), Model.TotalAppliedLoad[1], 1e-6 * Model.TotalAppliedLoad[1]);
}

TEST_F(EngineStateTest, IndexesOutsideTheTablesAreRangeErrors) {
    BeamBuilder().Spans({4000}).Udl(1, 0, 10, 4000).Commit();
    EXPECT_THROW(Eng.ShearForce[26], RangeError);
    EXPECT_THROW(Eng.BendingMoment[0][kMaxPoints + 1], RangeError);
    EXPECT_THROW(Eng.SpanLoadPieces[1][26], RangeError);
    EXPECT_THROW(Eng.PieceShear[1][kMaxPieces + 1], RangeError);
    EXPECT_THROW(Eng.SupportPointLoad[1][27], RangeError);
    EXPECT_THROW(Eng.UnitMomentStore[26], RangeError);

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

TEST_F(EngineStateTest, ResetClearsEverything) {
    BeamBuilder().LHCantilever(1000).Spans({4000}).Point(1, 0, 1000).Udl(1, 1000, 10, 4000).Commit();
    SolveLoadcase(1);
    FindDeflections(1);
    EXPECT_NE(Eng.BendingMoment[1][11], 0.0);
    Eng = EngineState{};
    EXPECT_EQ(Eng.BendingMoment[1][11], 0.0);
    EXPECT_EQ(Eng.CantileverMoment[1][1], 0.0f);
    EXPECT_EQ(Eng.SpanPieceCount[1], 0);
    EXPECT_EQ(Eng.LHLoadPieces[1][1].W1, 0.0);
    EXPECT_EQ(Eng.CantDeflectionPoints[21], 0.0);
    EXPECT_EQ(Eng.BeamE, 0.0);
    EXPECT_EQ(Eng.CurrentCase, 0);
}

} // namespace

// Load distribution: pieces per member, loads on supports, totals, factors and the no-loads message.
#include "engine/LoadDistribution.h"

#include <gtest/gtest.h>

#include "engine/BeamBuilder.h"
#include "platform/Dialogs.h"

using namespace kx;
using namespace kx::test;

namespace {

class LoadDistributionTest : public ::testing::Test {
protected:
    ScopedScriptedDialogs dialogs;
};

void Distribute(int lc) {
    Eng.CurrentCase = lc;
    ResetLoadcaseWork();
    DistributeLoads();
}

void ExpectPiece(const TLoadPiece& p, double type, double start, double w1, double w2, double cover) {
    EXPECT_EQ(p.PieceType, type);
    EXPECT_NEAR(p.Start, start, 1e-3);
    EXPECT_NEAR(p.W1, w1, 1e-5);
    EXPECT_NEAR(p.W2, w2, 1e-5);
    EXPECT_NEAR(p.Cover, cover, 1e-3);
    EXPECT_EQ(p.Applied, 1.0);
}

TEST_F(LoadDistributionTest, PointLoadsWithinTheToleranceOfASupportGoWhollyToIt) {
    // Beam length 10000: tolerance 1 mm either side, both bounds included.
    BeamBuilder()
        .Spans({5000, 5000})
        .Point(1, 5000, 1000)
        .Point(1, 5001, 100)
        .Point(1, 4999, 10)
        .Point(1, 5002, 2000)
        .Point(1, 0, 7, 1.5f)
        .Commit();
    Distribute(1);
    EXPECT_FLOAT_EQ(Eng.SupportPointLoad[1][2], 1110);
    EXPECT_FLOAT_EQ(Eng.SupportPointLoad[1][1], 10.5f) << "factored even in the unfactored pass";
    EXPECT_EQ(Eng.SpanPieceCount[1], 0);
    ASSERT_EQ(Eng.SpanPieceCount[2], 1);
    ExpectPiece(Eng.SpanLoadPieces[1][2][1], ptPoint, 2, 2000, 0, 0);
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[1], 3120.5f);
}

TEST_F(LoadDistributionTest, APointLoadNearASupportIsCountedExactlyOnce) {
    // Support positions are tested in single precision: here 999.468628 lies on the rounded lower
    // bound of support 2 while the span test in double precision would also place it in span 1.
    BeamBuilder().Spans({1000.12799f, 3418.99902f, 2174.23608f}).Point(1, 999.468628f, 1000).Commit();
    SolveLoadcase(1);
    EXPECT_FLOAT_EQ(Eng.SupportPointLoad[1][2], 1000);
    EXPECT_EQ(Eng.SpanPieceCount[1], 0);
    EXPECT_NEAR(ReactionSum(1), Model.TotalAppliedLoad[1], 1e-6 * 1000);

    // And here the single-precision support lies below the double-precision one, so that a load just
    // outside the support's tolerance would fall between the two tests and be lost.
    BeamBuilder()
        .Spans({6539.51807f, 8011.86523f, 8157.8291f, 1680.82898f, 1312.27295f})
        .Point(1, 24392.6113f, 1000)
        .Commit();
    SolveLoadcase(1);
    EXPECT_EQ(Eng.SupportPointLoad[1][5], 0.0f);
    EXPECT_EQ(Eng.SpanPieceCount[5], 1);
    EXPECT_NEAR(ReactionSum(1), Model.TotalAppliedLoad[1], 1e-6 * 1000);
}

TEST_F(LoadDistributionTest, LoadsAtCantileverTipsAndSpanEnds) {
    BeamBuilder()
        .LHCantilever(2000)
        .Spans({6000})
        .RHCantilever(1500)
        .Point(1, 0, 100)    // LH tip
        .Point(1, 2000, 200) // LH support
        .Point(1, 8000, 300) // RH support
        .Point(1, 9500, 400) // RH tip
        .Commit();
    Distribute(1);
    ASSERT_EQ(Eng.CantPieceCount[1], 1);
    ExpectPiece(Eng.LHLoadPieces[1][1], ptPoint, 2000, 100, 0, 0);
    ASSERT_EQ(Eng.CantPieceCount[2], 1);
    ExpectPiece(Eng.RHLoadPieces[1][1], ptPoint, 1500, 400, 0, 0);
    EXPECT_EQ(Eng.SpanPieceCount[1], 0);
    EXPECT_FLOAT_EQ(Eng.SupportPointLoad[1][1], 200);
    EXPECT_FLOAT_EQ(Eng.SupportPointLoad[1][2], 300);
}

TEST_F(LoadDistributionTest, AUniformLoadIsCutAtEverySupportItCrosses) {
    BeamBuilder().LHCantilever(2000).Spans({3000, 3000}).RHCantilever(1500).Udl(1, 1000, 5, 8000).Commit();
    Distribute(1);
    ASSERT_EQ(Eng.CantPieceCount[1], 1);
    ExpectPiece(Eng.LHLoadPieces[1][1], ptUniform, 0, 5, 5, 1000); // measured from the LH support
    ASSERT_EQ(Eng.SpanPieceCount[1], 1);
    ExpectPiece(Eng.SpanLoadPieces[1][1][1], ptUniform, 0, 5, 5, 3000);
    ASSERT_EQ(Eng.SpanPieceCount[2], 1);
    ExpectPiece(Eng.SpanLoadPieces[1][2][1], ptUniform, 0, 5, 5, 3000);
    ASSERT_EQ(Eng.CantPieceCount[2], 1);
    ExpectPiece(Eng.RHLoadPieces[1][1], ptUniform, 0, 5, 5, 1000);
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[1], 40000);
}

TEST_F(LoadDistributionTest, ATrapezoidAcrossTwoSpansSplitsIntoUniformAndTriangle) {
    const double L = 5000;
    BeamBuilder().Spans({L, L}).Distributed(1, 0, 0, 12, 2 * L).Commit();
    SolveLoadcase(1, 200);
    ASSERT_EQ(Eng.SpanPieceCount[1], 1);
    ExpectPiece(Eng.SpanLoadPieces[1][1][1], ptRising, 0, 0, 6, L);
    ASSERT_EQ(Eng.SpanPieceCount[2], 2);
    ExpectPiece(Eng.SpanLoadPieces[1][2][1], ptUniform, 0, 6, 6, L);
    ExpectPiece(Eng.SpanLoadPieces[1][2][2], ptRising, 0, 0, 6, L);

    // The load is uniform 6 N/mm plus a part antisymmetric about the middle support, which adds no
    // moment there: -6 L^2 / 8. Reactions from statics of each span with that moment.
    const double MB = -6 * L * L / 8;
    EXPECT_NEAR(Eng.BendingMoment[1][201], MB, 1e-6 * -MB);
    EXPECT_NEAR(Eng.ShearForce[1][1], 15000.0 / 3 + MB / L, 1e-6 * 60000);
    EXPECT_NEAR(-Eng.ShearForce[2][201], 15000.0 + 10000.0 + MB / L, 1e-6 * 60000);
    EXPECT_NEAR(ReactionSum(1), 60000, 1e-6 * 60000);
}

TEST_F(LoadDistributionTest, AFallingLoadInsideASpanGivesAUniformPartAndANegativeTriangle) {
    BeamBuilder().Spans({6000}).Distributed(1, 1000, 20, 10, 3000).Commit();
    Distribute(1);
    ASSERT_EQ(Eng.SpanPieceCount[1], 2);
    ExpectPiece(Eng.SpanLoadPieces[1][1][1], ptUniform, 1000, 20, 20, 3000);
    ExpectPiece(Eng.SpanLoadPieces[1][1][2], ptRising, 1000, 0, -10, 3000);
}

TEST_F(LoadDistributionTest, TheLHCantileverIsMeasuredFromItsSupport) {
    // Rising from 0 at the tip to 8 at the support: falling outward from the support.
    const double Lc = 2000, W = 8000;
    BeamBuilder().LHCantilever(Lc).Spans({5000}).Distributed(1, 0, 0, 8, Lc).Commit();
    SolveLoadcase(1);
    ASSERT_EQ(Eng.CantPieceCount[1], 1);
    ExpectPiece(Eng.LHLoadPieces[1][1], ptFalling, 0, 8, 0, Lc);
    EXPECT_NEAR(Eng.CantileverMoment[1][1], -W * Lc / 3, 1e-6 * W * Lc);
}

TEST_F(LoadDistributionTest, ALoadcaseWithoutPiecesIsReportedOncePerAnalysis) {
    BeamBuilder().Spans({4000, 4000}).Point(1, 4000, 5000).Point(2, 8000, 100).Commit();
    Distribute(1);
    FillSpanLoadTables();
    FillSpanLoadTables();
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{"Loadcase 1\rNo loads on beam"});
    EXPECT_EQ(Eng.NoLoadsReported[1], 1);
    EXPECT_FLOAT_EQ(Eng.SupportPointLoad[1][2], 5000) << "the support still carries it";
    Distribute(2);
    FillSpanLoadTables();
    EXPECT_EQ(dialogs->messages().size(), 2u);
    EXPECT_EQ(dialogs->messages().back(), "Loadcase 2\rNo loads on beam");
}

TEST_F(LoadDistributionTest, ZeroAndUnappliedLoadsAndTheLoadFactors) {
    BeamBuilder()
        .Spans({4000, 4000})
        .Point(1, 1000, 0)                      // no piece
        .Point(1, 2000, 1000, 1.5f)             // factored 1500
        .Distributed(1, 5000, 2, 4, 2000, 1.2f) // 6000 x 1.2
        .Point(2, 3000, 500, 2)
        .Commit();
    Model.LoadTable[1][5] = Model.LoadTable[1][2];
    Model.LoadTable[1][5][lfApplied] = -1.0f; // not applied: counts nowhere
    Model.LoadTable[1][6] = Model.LoadTable[1][2];
    Model.LoadTable[1][6][lfDist] = 4000;
    Model.LoadTable[1][6][lfApplied] = -1.0f;

    Distribute(1);
    EXPECT_EQ(Eng.SpanPieceCount[1], 1);
    EXPECT_EQ(Eng.SpanPieceCount[2], 2);
    EXPECT_EQ(Eng.SupportPointLoad[1][2], 0.0f);
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[1], 1500 + 7200);
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[2], 1000) << "every loadcase, factored";

    FillSpanLoadTables();
    EXPECT_FLOAT_EQ(Eng.SpanPieceLoad[1][1], 1000);
    EXPECT_FLOAT_EQ(Eng.SpanPieceLoad[2][1], 2 * 2000);        // uniform part
    EXPECT_FLOAT_EQ(Eng.SpanPieceLoad[2][2], 2.0f * 2000 / 2); // triangle 0 -> 2
    Eng.ApplyLoadFactors = 1;
    FillSpanLoadTables();
    EXPECT_FLOAT_EQ(Eng.SpanPieceLoad[1][1], 1500);
    EXPECT_FLOAT_EQ(Eng.SpanPieceLoad[2][1], 4000 * 1.2f);
    EXPECT_FLOAT_EQ(Eng.SpanPieceLoad[2][2], 2000 * 1.2f);
    EXPECT_FLOAT_EQ(Eng.SpanPieceType[2][2], 3.0f);
    EXPECT_FLOAT_EQ(Eng.SpanPieceStart[2][2], 1000);
    EXPECT_FLOAT_EQ(Eng.SpanPieceCover[2][2], 2000);
}

} // namespace

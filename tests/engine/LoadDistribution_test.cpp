// Load distribution: pieces per member, loads on supports, totals and load factors.
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

struct Piece {
    double type, start, w1, w2, cover;
};

// The applied pieces of member `row` of loadcase 1 (0: LH cantilever, 26: RH cantilever).
void ExpectPieces(int row, const std::vector<Piece>& expected) {
    const bool cant = row == 0 || row == 26;
    const int count = cant ? Eng.CantPieceCount[row == 0 ? 1 : 2] : Eng.SpanPieceCount[row];
    ASSERT_EQ(count, static_cast<int>(expected.size())) << "member " << row;
    for (int i = 1; i <= count; ++i) {
        const TLoadPiece& p = row == 0    ? Eng.LHLoadPieces[1][i]
                              : row == 26 ? Eng.RHLoadPieces[1][i]
                                          : Eng.SpanLoadPieces[1][row][i];
        const Piece& e = expected[static_cast<std::size_t>(i - 1)];
        SCOPED_TRACE(testing::Message() << "member " << row << " piece " << i);
        EXPECT_EQ(p.PieceType, e.type);
        EXPECT_NEAR(p.Start, e.start, 1e-3);
        EXPECT_NEAR(p.W1, e.w1, 1e-5);
        EXPECT_NEAR(p.W2, e.w2, 1e-5);
        EXPECT_NEAR(p.Cover, e.cover, 1e-3);
        EXPECT_EQ(p.Applied, 1.0);
    }
}

TEST_F(LoadDistributionTest, PointLoadsAtSupportsTipsAndSpanEnds) {
    // Beam length 10000: a support takes the loads within 1 mm either side, both bounds included,
    // with their load factors even in the unfactored pass. A load not applied counts nowhere.
    BeamBuilder b = BeamBuilder().Spans({5000, 5000}).Point(1, 5000, 1000).Point(1, 5001, 100);
    b.Point(1, 4999, 10).Point(1, 5002, 2000).Point(1, 0, 7, 1.5f).Point(1, 3000, 50).Commit();
    Model.LoadTable[1][6][lfApplied] = -1.0f;
    Distribute(1);
    EXPECT_EQ(Values(Eng.SupportPointLoad[1], 1, 3), (std::vector<double>{10.5, 1110, 0}));
    ExpectPieces(1, {});
    ExpectPieces(2, {{ptPoint, 2, 2000, 0, 0}});
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[1], 3120.5f);

    // Loads at the tips (100, 400) and on the supports (200, 300) of a cantilevered span.
    b = BeamBuilder().LHCantilever(2000).Spans({6000}).RHCantilever(1500).Point(1, 0, 100);
    b.Point(1, 2000, 200).Point(1, 8000, 300).Point(1, 9500, 400).Commit();
    Distribute(1);
    ExpectPieces(0, {{ptPoint, 2000, 100, 0, 0}});
    ExpectPieces(1, {});
    ExpectPieces(26, {{ptPoint, 1500, 400, 0, 0}});
    EXPECT_EQ(Values(Eng.SupportPointLoad[1], 1, 2), (std::vector<double>{200, 300}));
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
    BeamBuilder b = BeamBuilder().Spans({6539.51807f, 8011.86523f, 8157.8291f, 1680.82898f, 1312.27295f});
    b.Point(1, 24392.6113f, 1000).Commit();
    SolveLoadcase(1);
    EXPECT_EQ(Eng.SupportPointLoad[1][5], 0.0f);
    EXPECT_EQ(Eng.SpanPieceCount[5], 1);
    EXPECT_NEAR(ReactionSum(1), Model.TotalAppliedLoad[1], 1e-6 * 1000);
}

TEST_F(LoadDistributionTest, ATrapezoidAcrossTwoSpansSplitsIntoUniformAndTriangle) {
    const double L = 5000;
    BeamBuilder().Spans({L, L}).Distributed(1, 0, 0, 12, 2 * L).Commit();
    SolveLoadcase(1, 200);
    ExpectPieces(1, {{ptRising, 0, 0, 6, L}});
    ExpectPieces(2, {{ptUniform, 0, 6, 6, L}, {ptRising, 0, 0, 6, L}});
    // The load is uniform 6 N/mm plus a part antisymmetric about the middle support, which adds no
    // moment there: -6 L^2 / 8. Reactions from statics of each span with that moment.
    const double MB = -6 * L * L / 8;
    EXPECT_NEAR(Eng.BendingMoment[1][201], MB, 1e-6 * -MB);
    EXPECT_NEAR(Eng.ShearForce[1][1], 15000.0 / 3 + MB / L, 1e-6 * 60000);
    EXPECT_NEAR(-Eng.ShearForce[2][201], 15000.0 + 10000.0 + MB / L, 1e-6 * 60000);
    EXPECT_NEAR(ReactionSum(1), 60000, 1e-6 * 60000);
}

} // namespace

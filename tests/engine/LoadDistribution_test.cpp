// Load distribution: point loads onto supports or members, and distributed loads cut at the supports.
#include "engine/LoadDistribution.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "engine/AnalyseBeam.h"
#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

class LoadDistributionTest : public AnalysisTest {
protected:
    static void Distribute(int lc) {
        Eng.CurrentCase = lc;
        ResetLoadcaseWork();
        DistributeLoads();
    }
    // The one piece of a member: a point load P at `start` from the member's support.
    static void ExpectOnePoint(const TLoadPieceList& pieces, int count, double start, double P) {
        ASSERT_EQ(count, 1);
        EXPECT_EQ(std::vector<double>({pieces[1].PieceType, pieces[1].Start, pieces[1].W1}),
                  std::vector<double>({ptPoint, start, P}));
    }
};

TEST_F(LoadDistributionTest, PointLoadsGoToTheSupportsTheyStandOnOrElseToOneMember) {
    // Beam length 10000: a support takes the loads within 1 mm either side, both bounds included,
    // with their load factors even in the unfactored pass. A load not applied counts nowhere.
    BeamBuilder b = BeamBuilder().Spans({5000, 5000}).Point(1, 5000, 1000).Point(1, 5001, 100);
    b.Point(1, 4999, 10).Point(1, 5002, 2000).Point(1, 0, 7, 1.5f).Point(1, 3000, 50).Commit();
    Model.LoadTable[1][6][lfApplied] = -1.0f;
    Distribute(1);
    EXPECT_EQ(Values(Eng.SupportPointLoad[1], 1, 3), (std::vector<double>{10.5, 1110, 0}));
    EXPECT_EQ(Eng.SpanPieceCount[1], 0);
    ExpectOnePoint(Eng.SpanLoadPieces[1][2], Eng.SpanPieceCount[2], 2, 2000);
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[1], 3120.5f);

    // Loads at the tips (100, 400) and on the supports (200, 300) of a cantilevered span.
    b = BeamBuilder().LHCantilever(2000).Spans({6000}).RHCantilever(1500).Point(1, 0, 100);
    b.Point(1, 2000, 200).Point(1, 8000, 300).Point(1, 9500, 400).Commit();
    Distribute(1);
    ExpectOnePoint(Eng.LHLoadPieces[1], Eng.CantPieceCount[1], 2000, 100);
    EXPECT_EQ(Eng.SpanPieceCount[1], 0);
    ExpectOnePoint(Eng.RHLoadPieces[1], Eng.CantPieceCount[2], 1500, 400);
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

TEST_F(LoadDistributionTest, LoadsAcrossTheMiddleSupportOfTwoSpansKeepTheirPlaceAndRates) {
    const double L = 5000;
    const struct {
        BeamBuilder beam;
        double MB, RA, total; // moment over the middle support, LH reaction, whole load
    } cases[] = {
        // 0 -> 12 N/mm over both spans: uniform 6 N/mm plus a part antisymmetric about the middle
        // support, which adds no moment there: -6 L^2 / 8. RA from statics of span 1 with it.
        {BeamBuilder().Spans({L, L}).Distributed(1, 0, 0, 12, 2 * L), -6 * L * L / 8, 15000.0 / 3 - 6 * L / 8,
         60000},
        // 10 N/mm over the inner halves: symmetric, so each span is propped at the middle support:
        // w / (2 L^2) times the integral of x (L^2 - x^2) over L/2..L = 9 w L^2 / 128.
        {BeamBuilder().Spans({L, L}).Udl(1, 2500, 10, L), -9 * 10 * L * L / 128, 6250 - 9 * 10 * L / 128,
         50000},
    };
    for (const auto& c : cases) {
        c.beam.Commit();
        SolveLoadcase(1, 200);
        EXPECT_NEAR(Eng.BendingMoment[1][201], c.MB, 1e-6 * -c.MB) << &c - cases;
        EXPECT_NEAR(Eng.ShearForce[1][1], c.RA, 1e-6 * c.total) << &c - cases;
        EXPECT_NEAR(ReactionSum(1), c.total, 1e-6 * c.total) << &c - cases;
    }
}

TEST_F(LoadDistributionTest, EveryPieceOfACutVaryingLoadIsHeldInSingles) {
    // 2 -> 5 N/mm from 300.3 mm over 3700 mm across a support at 2000.7 mm: each part is a uniform
    // piece and a rising triangle, and each cut length (2000.7 - 300.3, 4000.3 - 2000.7) is not a
    // single until it is rounded to one.
    const float a = 300.3f, c = 3700.0f, span = 2000.7f;
    BeamBuilder().Spans({span, 3000}).Distributed(1, a, 2, 5, c).Commit();
    Distribute(1);
    const double cuts[] = {static_cast<double>(span) - a, static_cast<double>(a) + c - span};
    for (int s : {1, 2}) {
        ASSERT_EQ(Eng.SpanPieceCount[s], 2) << "span " << s;
        for (int q = 1; q <= 2; ++q) {
            const TLoadPiece& p = Eng.SpanLoadPieces[1][s][q];
            for (double v : {p.PieceType, p.Start, p.W1, p.W2, p.Cover, p.LF, p.Applied})
                EXPECT_EQ(v, static_cast<double>(static_cast<float>(v))) << "span " << s << " piece " << q;
            EXPECT_EQ(p.Cover, static_cast<double>(static_cast<float>(cuts[s - 1]))) << "span " << s;
        }
        EXPECT_NE(cuts[s - 1], static_cast<double>(static_cast<float>(cuts[s - 1])));
    }
}

// A varying load whose rates are neither 0 nor equal is a uniform part and a triangle, whatever its
// rates; a finish or start rate of exactly 1 N/mm is no special case. Simply supported 6000, full cover.
TEST_F(LoadDistributionTest, ATrapezoidalLoadIsAUniformPartAndATriangle) {
    const struct {
        float w1, w2;
        double RA, RB, Mmid; // N, N, N mm
    } cases[] = {
        // 3 -> 1 N/mm: 1 N/mm uniform (6000 N at 3000) and 2 -> 0 (6000 N at L/3 = 2000 from A):
        // RB = (6000 x 3000 + 6000 x 2000) / 6000 = 5000, RA = 12000 - 5000 = 7000.
        // Midspan: the load w(x) = 3 - x/3000 on 0..3000 has the moment about x = 3000 of the
        // integral of 9000 - 4x + x^2/3000 = 27e6 - 18e6 + 3e6 = 12e6; M = 7000 x 3000 - 12e6 = 9.000e6.
        {3, 1, 7000, 5000, 9e6},
        // 1 -> 3 N/mm, the mirror: RA = 5000, RB = 7000, the same 9.000e6 at midspan.
        {1, 3, 5000, 7000, 9e6},
    };
    for (const auto& c : cases) {
        BeamBuilder().Spans({6000}).Distributed(1, 0, c.w1, c.w2, 6000).Commit();
        SolveLoadcase(1);
        SCOPED_TRACE(testing::Message() << c.w1 << " -> " << c.w2);
        EXPECT_NEAR(Eng.ShearForce[1][1], c.RA, 1e-6 * 12000);
        EXPECT_NEAR(-Eng.ShearForce[1][21], c.RB, 1e-6 * 12000);
        EXPECT_NEAR(Eng.BendingMoment[1][11], c.Mmid, 1e-6 * c.Mmid);
    }
}

} // namespace

// The applied load of a loadcase adds the applied records up to the last one asked for: all 51 for
// TotalAppliedLoad, the first 25 for CaseAppliedLoad.
TEST_F(LoadDistributionTest, AppliedLoadsAddTheAppliedRecordsUpToTheLastOneAsked) {
    BeamBuilder().Spans({5000, 5000}).Commit();
    // Record, kind, P or W1, W2, cover, applied; every load factor 2. What each adds, and by size:
    const std::tuple<int, float, float, float, float, float> records[] = {
        {1, 1, 1, 0, 0, 1},          // 2
        {2, -1, 1, 3, 2, 1},         // (1 + 3) x 2 / 2 x 2 = 8
        {24, 1, 100, 0, 0, -1},      // not applied
        {25, -1, -5, 1, 10, 1},      // -40; by size 60
        {26, 1, 1000, 0, 0, 1},      // 2000
        {40, 0, 7, 0, 0, 1},         // neither kind
        {50, 1, -10000, 0, 0, 1},    // -20000; by size 20000
        {51, -1, 0.5, 0.5, 1000, 1}, // the self-weight: 1000
    };
    for (const auto& [r, kind, w1, w2, cover, applied] : records) {
        TLoadRec& rec = Model.LoadTable[2][r];
        rec[lfKind] = kind;
        rec[lfW1] = w1; // also P
        rec[lfW2] = w2;
        rec[lfCover] = cover;
        rec[lfApplied] = applied;
        rec[lfLF] = 2;
    }
    const std::tuple<int, LoadSum, double> sums[] = {
        {1, LoadSum::Signed, 2},
        {25, LoadSum::Signed, 2 + 8 - 40},
        {kSelfWeightRecord, LoadSum::Signed, 2 + 8 - 40 + 2000 - 20000 + 1000},
        {kSelfWeightRecord, LoadSum::Sizes, 2 + 8 + 60 + 2000 + 20000 + 1000},
    };
    for (const auto& [last, sum, total] : sums)
        EXPECT_EQ(AppliedLoad(2, last, sum), total) << last;
    CalcTotalAppliedLoads();
    EXPECT_EQ(Model.CaseAppliedLoad[2], 2 + 8 - 40);
    Distribute(2);
    EXPECT_EQ(Model.TotalAppliedLoad[2], 2 + 8 - 40 + 2000 - 20000 + 1000);
    EXPECT_EQ(AppliedLoadMagnitude(2), 2 + 8 + 60 + 2000 + 20000 + 1000);
}

// Loads whose sums pass the largest single: the support load, the applied total and a piece's
// load are infinite, as a single holds them, never an undefined conversion.
TEST_F(LoadDistributionTest, SumsBeyondASingleAreInfinite) {
    const float inf = std::numeric_limits<float>::infinity();
    BeamBuilder().Spans({5000, 5000}).Point(1, 5000, 3e38f, 1.6f).Udl(1, 0, 1e35f, 10000).Commit();
    Distribute(1);
    EXPECT_EQ(Eng.SupportPointLoad[1][2], inf); // 3e38 x 1.6
    EXPECT_EQ(Eng.UnfactoredSupportPointLoad[1][2], 3e38f);
    EXPECT_EQ(Model.TotalAppliedLoad[1], inf); // 4.8e38 + 1e39
    Eng.ApplyLoadFactors = 1;
    FillSpanLoadTables();
    EXPECT_EQ(Eng.SpanPieceLoad[1][1], inf); // 1e35 N/mm over 5000 mm
    BeamBuilder().Spans({5000, 5000}).Point(1, 5000, -3e38f, 1.6f).Commit();
    Distribute(1);
    EXPECT_EQ(Eng.SupportPointLoad[1][2], -inf);
}

// A forkhead beam re-solved after a release distributes its loads afresh: the unfactored load
// standing on a support counts at that support's new place only, never again at its old number.
// Spans 2000/4000/4000, 10 N/mm on span 2, 5000 N on support 3. Three moments (M1 = M4 = 0):
// 12000 M2 + 4000 M3 = -w 4000^3 / 4 and 4000 M2 + 16000 M3 = the same give M2 = -10.909e6
// and M3 = -7.273e6 N mm; R1 = M2 / 2000 = -5455 N lifts more than R4 = M3 / 4000 = -1818 N
// and goes. Spans 4000/4000 are left, span 1 loaded: support 4 lifts by w L / 16 = 2500 N
// (the 5000 N stand on support 3, not 4) and goes. The 4000 span left between supports 2 and
// 3 carries w L / 2 = 20000 N to each, and support 3 its 5000 N too.
TEST_F(LoadDistributionTest, ALoadOnASupportCountsOnceWhereItStandsAfterAForkheadIsReleased) {
    Analyse(BeamBuilder()
                .Spans({2000, 4000, 4000})
                .AllSupports(supForkhead)
                .Udl(1, 2000, 10, 4000)
                .Point(1, 6000, 5000));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Values(Eng.ReleasedSupport[1], 1, 4), (std::vector<double>{-1, 0, 0, -1}));
    EXPECT_EQ(Model.SpanCount[1], 1);
    const double reactions[] = {0, 20000, 25000, 0};
    for (int k = 1; k <= 4; ++k)
        EXPECT_NEAR(Eng.SupportReaction[1][k], reactions[k - 1], 25000 * 1e-6) << k;
}

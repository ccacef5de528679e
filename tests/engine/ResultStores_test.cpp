// Result stores and polylines: room for the largest beam the model holds at the finest resolution.
#include "engine/ResultStores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

class ResultStoresTest : public AnalysisTest {};

TEST_F(ResultStoresTest, LargestBeamTheModelHoldsFitsEveryTable) {
    // 25 spans and both cantilevers at the finest resolution, with shear deflection.
    BeamBuilder beam = BeamBuilder().LHCantilever(1000).EqualSpans(25, 2000).RHCantilever(1000);
    beam.Section(210000, 1e8, 8e7).ShearDeflection();
    for (int lc = 1; lc <= 5; ++lc)
        beam.Udl(lc, 0, static_cast<float>(lc), 52000).Point(lc, 26000, 1000, 1.5f);
    Commit(beam);
    Model.AnySpanIntervals = 1;
    AnalyseBeam(host);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Eng.ShearPolyline[5][0].x, 3 * 201 + 25 * 3 * 201 + 2 * 201 + 1);
    EXPECT_EQ(Eng.MomentPolyline[5][0].x, 27 * 201 + 1);
    EXPECT_EQ(Eng.DeflectionPolyline[5][0][0], 27 * 21);
    EXPECT_NEAR(StoredReactionSum(5), 5 * 52000 + 1500, 1e-4 * 5 * 52000);
    EXPECT_EQ(Txt.CaseListing[5][0].str(), "679");
    EXPECT_EQ(Txt.CaseSupportLines[5][0].str(), "61");
    EXPECT_EQ(Model.AnalysedFlag, 1);
}

TEST_F(ResultStoresTest, EveryPolylineRunsFromTheLHEndToTheRHTipThroughEveryMembersPoints) {
    // Cantilevers of 1 m either side of a 4 m span (6 m in all, 200 intervals a member) under
    // 2 N/mm throughout. Each cantilever's root carries w Lc = 2000 N and -w Lc^2 / 2 = -1e6 N mm.
    Analyse(BeamBuilder().LHCantilever(1000).Spans({4000}).RHCantilever(1000).Udl(1, 0, 2, 6000));
    ASSERT_EQ(Eng.NumSpanIntervals, 200);
    const auto& shear = Eng.ShearPolyline[1];
    const auto& moment = Eng.MomentPolyline[1];
    const auto& deflection = Eng.DeflectionPolyline[1];
    // Three vertices a point on the cantilever and the span, two on the RH cantilever, one to close.
    ASSERT_EQ(shear[0].x, 3 * 201 + 3 * 201 + 2 * 201 + 1);
    ASSERT_EQ(moment[0].x, 3 * 201 + 1);
    ASSERT_EQ(deflection[0][0], 3 * 21);
    // Positions never go back along the beam, from its LH end (0) to the RH tip (1).
    auto runsAlong = [](auto x, int count) {
        for (int k = 2; k <= count; ++k)
            if (x(k) < x(k - 1)) return k;
        return x(1) == 0 && x(count) == 1.0f ? 0 : -1;
    };
    EXPECT_EQ(runsAlong([&](int k) { return shear[k].x; }, 1609), 0);
    EXPECT_EQ(runsAlong([&](int k) { return moment[k].x; }, 604), 0);
    EXPECT_EQ(runsAlong([&](int k) { return deflection[k][1]; }, 63), 0);

    const float lhSupport = static_cast<float>(1000.0 / 6000), rhSupport = static_cast<float>(5000.0 / 6000);
    const struct {
        const char* what;
        float x, y, expectedX, expectedY;
    } vertices[] = {
        {"moment at the LH tip", moment[1].x, moment[1].y, 0, 0},
        {"moment at the LH support", moment[201].x, moment[201].y, lhSupport, -1e6f},
        {"moment at the span's LH end", moment[202].x, moment[202].y, lhSupport, -1e6f},
        {"moment at the RH support", moment[403].x, moment[403].y, rhSupport, -1e6f},
        {"moment at the RH tip", moment[603].x, moment[603].y, 1, 0},
        {"moment closing", moment[604].x, moment[604].y, 1, 0},
        {"shear on the RH support", shear[1207].x, shear[1207].y, rhSupport, 2000},
        {"shear at the RH tip", shear[1608].x, shear[1608].y, 1, 0},
        {"deflection at the LH support", deflection[21][1], 0, lhSupport, 0},
        {"deflection at the RH support", deflection[43][1], deflection[43][2], rhSupport, 0},
    };
    for (const auto& v : vertices) {
        SCOPED_TRACE(v.what);
        EXPECT_FLOAT_EQ(v.x, v.expectedX);
        EXPECT_NEAR(v.y, v.expectedY, 1e-6 * 1e6);
    }
    // The span's sagging middle: w L^2 / 8 less the cantilevers' 1e6 = 3e6 N mm.
    EXPECT_NEAR(moment[302].y, 3e6, 1);
    EXPECT_FLOAT_EQ(moment[302].x, 0.5f);

    // Without a LH cantilever the shear line starts on the LH end support at its reaction wL/2 =
    // 4000 N, then three vertices a point on the span, one to close.
    Analyse(BeamBuilder().Spans({4000}).Udl(1, 0, 2, 4000));
    ASSERT_EQ(Eng.NumSpanIntervals, 200);
    ASSERT_EQ(shear[0].x, 1 + 3 * 201 + 1);
    EXPECT_EQ(std::vector<float>({shear[1].x, shear[2].x, shear[605].x, shear[605].y}),
              std::vector<float>({0, 0, 1, 0}));
    EXPECT_NEAR(shear[1].y, 4000, 1e-3);
    EXPECT_NEAR(shear[604].y, -4000, 1e-3);
    // Each point's step rises halfway from the point before: the shear falls w h = 2 x 20 = 40 N a
    // point (h = 4000 / 200), so the step at point 3 (x = 40, its riser at 30) starts from point 2's 3960 N
    // and the last one from point 200's 4000 - 40 x 199 = -3960 N.
    EXPECT_NEAR(shear[8].y, 3960, 1e-3);
    EXPECT_NEAR(shear[9].y, 3920, 1e-3);
    EXPECT_NEAR(shear[602].y, -3960, 1e-3);
    EXPECT_FLOAT_EQ(shear[8].x, 30.0f / 4000);
}

TEST_F(ResultStoresTest, ALoadcaseOverEverySpanStoresTheLastOneWhereLoadcaseOneLostASupport) {
    // Four 4 m forkhead spans. Loadcase 1 loads spans 1 and 4 only (10 N/mm), which lifts the
    // middle support: three spans are left. Loadcase 2 loads all four: a four-span continuous beam
    // under w = 10 N/mm, L = 4000 mm (wL = 40000 N, EI = 2.1e13 N mm^2). Its span 4, the mirror
    // of span 1, carries 17/28 wL = 24285.71 N at its LH end and -11/28 wL = -15714.29 N at its
    // RH end, a hogging moment of -3/28 wL^2 = -17142857 N mm over support 4, and sags at mid-span
    // by 5wL^4/384EI - (3/28)wL^4/16EI = (5/384 - 3/448) x 2.56e15 / 2.1e13 = 0.77098 mm.
    Analyse(BeamBuilder()
                .EqualSpans(4, 4000)
                .AllSupports(supForkhead)
                .Udl(1, 0, 10, 4000)
                .Udl(1, 12000, 10, 4000)
                .Udl(2, 0, 10, 16000));
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_EQ(Model.SpanCount[1], 3);
    ASSERT_EQ(Model.SpanCount[2], 4);
    const int last = Model.StoredSpanIntervals + 1;
    const double wL = 40000, sag = (5.0 / 384 - 3.0 / 448) * 2.56e15 / 2.1e13;
    const auto& shear = Eng.StoredShear[2][4];
    const auto& moment = Eng.StoredMoment[2][4];
    EXPECT_NEAR(shear[1], 17.0 / 28 * wL, Tol(wL, 1e-5));
    EXPECT_NEAR(shear[last], -11.0 / 28 * wL, Tol(wL, 1e-5));
    EXPECT_NEAR(moment[1], -3.0 / 28 * wL * 4000, Tol(wL * 4000, 1e-5));
    EXPECT_NEAR(moment[last], 0, Tol(wL * 4000, 1e-5));
    EXPECT_NEAR(Eng.StoredDeflection[2][4][11], -sag, Tol(sag, 1e-4));
}

// 1 N at the tip of a 10 mm RH cantilever past a 1000 mm span: the root carries -P Lc = -10 N mm,
// the largest moment of the job, so the band is drawn to 10 N mm and 1 N mm stands a tenth of its
// height. The line closes on the baseline at the tip, exactly.
TEST_F(ResultStoresTest, ATinyRHCantileverMomentClosesExactlyOnTheBaseline) {
    Analyse(BeamBuilder().Spans({1000}).RHCantilever(10).Point(1, 1010, 1));
    const auto& moment = Eng.MomentPolyline[1];
    const int n = Eng.NumSpanIntervals + 1;
    ASSERT_EQ(moment[0].x, 2 * n + 1);
    EXPECT_NEAR(moment[n + 1].y, -10, 1e-4); // the cantilever's root
    EXPECT_NEAR(moment[2 * n].y, 0, 1e-4);   // its tip
    EXPECT_EQ((std::array{moment[2 * n + 1].x, moment[2 * n + 1].y}), (std::array{1.0f, 0.0f}));
}

// Cantilevers loaded unlike each other: 2 N/mm over the 1000 mm LH cantilever and the 4000 mm span,
// 1000 N at the tip of the 1500 mm RH cantilever (6500 mm in all; EI = 210000 x 1e8 = 2.1e13 N mm^2).
// Each cantilever's vertices carry its own shears, moments and deflections.
TEST_F(ResultStoresTest, EachCantileversLinesCarryItsOwnResults) {
    Analyse(BeamBuilder()
                .LHCantilever(1000)
                .Spans({4000})
                .RHCantilever(1500)
                .Udl(1, 0, 2, 5000)
                .Point(1, 6500, 1000));
    const int N = Eng.NumSpanIntervals;
    const auto& shear = Eng.ShearPolyline[1];
    const auto& moment = Eng.MomentPolyline[1];
    const auto& deflection = Eng.DeflectionPolyline[1];
    ASSERT_EQ(shear[0].x, 3 * (N + 1) + 3 * (N + 1) + 2 * (N + 1) + 1);
    ASSERT_EQ(moment[0].x, 3 * (N + 1) + 1);
    ASSERT_EQ(deflection[0][0], 3 * 21);
    // Read from the LH tip, the LH cantilever's shear falls from 0 by w x to -w Lc = -2000 N at its
    // root. Point p, x = (p - 1) / N x 1000 mm from the tip, ends its step at vertex 3p: (x / 6500,
    // -2 x); its riser, vertex 3p - 1, stands halfway from the point before at the same shear.
    double worstX = 0, worstV = 0;
    for (int p = 1; p <= N + 1; ++p) {
        const double x = (p - 1.0) / N * 1000;
        worstX = std::max(worstX, std::fabs(shear[3 * p].x - x / 6500));
        worstV = std::max(worstV, std::fabs(shear[3 * p].y + 2 * x));
        worstV = std::max(worstV, std::fabs(shear[3 * p - 1].y + 2 * x));
    }
    EXPECT_LT(worstX, 1e-6);
    EXPECT_LT(worstV, 1e-3);

    // The deflections (stored negated; up positive) from the span's end rotations under w and the
    // cantilevers' root moments MA = -w Lc^2 / 2 = -1e6 and MB = -P LcR = -1.5e6 N mm (L = 4000):
    // - EI thetaA = w L^3 / 24 + MA L / 3 + MB L / 6 = 5.3333e9 - 1.3333e9 - 1e9 = 3e9;
    // - EI thetaB = w L^3 / 24 + MA L / 6 + MB L / 3 = 5.3333e9 - 0.6667e9 - 2e9 = 2.6667e9;
    // - LH tip: thetaA x 1000 - w Lc^4 / 8EI = 0.142857 - 0.011905 = 0.130952 mm;
    // - LH middle, a = 500 from the root: thetaA a - w a^2 (6 Lc^2 - 4 Lc a + a^2) / 24EI
    //   = 0.071429 - 0.004216 = 0.067212 mm;
    // - RH middle, a = 750 from the root: thetaB a - P a^2 (3 LcR - a) / 6EI
    //   = 0.095238 - 0.016741 = 0.078497 mm;
    // - RH tip: thetaB x 1500 - P LcR^3 / 3EI = 0.190476 - 0.053571 = 0.136905 mm.
    const int rhShear = 6 * (N + 1), rhMoment = 2 * (N + 1);
    const struct {
        const char* what;
        float x, y, expectedX, expectedY, tolerance;
    } rows[] = {
        // clang-format off
        {"shear at the LH tip", shear[3].x, shear[3].y, 0, 0, 1e-3f},
        {"shear at the LH middle", shear[3 * (N / 2 + 1)].x, shear[3 * (N / 2 + 1)].y, 500.0f / 6500, -1000, 1e-3f},
        {"shear at the LH root", shear[3 * (N + 1)].x, shear[3 * (N + 1)].y, 1000.0f / 6500, -2000, 1e-3f},
        {"shear at the RH root", shear[rhShear + 2].x, shear[rhShear + 2].y, 5000.0f / 6500, 1000, 1e-3f},
        {"shear at the RH tip", shear[rhShear + 2 * (N + 1)].x, shear[rhShear + 2 * (N + 1)].y, 1, 1000, 1e-3f},
        {"shear closing", shear[rhShear + 2 * (N + 1) + 1].x, shear[rhShear + 2 * (N + 1) + 1].y, 1, 0, 0},
        // -w x^2 / 2 on the LH cantilever, -P (LcR - s) on the RH one.
        {"moment at the LH tip", moment[1].x, moment[1].y, 0, 0, 1e-3f},
        {"moment at the LH middle", moment[N / 2 + 1].x, moment[N / 2 + 1].y, 500.0f / 6500, -250000, 1e-2f},
        {"moment at the LH root", moment[N + 1].x, moment[N + 1].y, 1000.0f / 6500, -1e6f, 1e-2f},
        {"moment at the RH root", moment[rhMoment + 1].x, moment[rhMoment + 1].y, 5000.0f / 6500, -1.5e6f, 1e-2f},
        {"moment at the RH middle", moment[rhMoment + N / 2 + 1].x, moment[rhMoment + N / 2 + 1].y,
         5750.0f / 6500, -750000, 1e-2f},
        {"moment at the RH tip", moment[3 * (N + 1)].x, moment[3 * (N + 1)].y, 1, 0, 1e-3f},
        {"deflection at the LH tip", deflection[1][1], deflection[1][2], 0, -0.130952f, 2e-6f},
        {"deflection at the LH middle", deflection[11][1], deflection[11][2], 500.0f / 6500, -0.067212f, 2e-6f},
        {"deflection at the LH root", deflection[21][1], deflection[21][2], 1000.0f / 6500, 0, 1e-9f},
        {"deflection at the RH root", deflection[43][1], deflection[43][2], 5000.0f / 6500, 0, 1e-9f},
        {"deflection at the RH middle", deflection[53][1], deflection[53][2], 5750.0f / 6500, -0.078497f, 2e-6f},
        {"deflection at the RH tip", deflection[63][1], deflection[63][2], 1, -0.136905f, 2e-6f},
        // clang-format on
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_FLOAT_EQ(r.x, r.expectedX);
        EXPECT_NEAR(r.y, r.expectedY, r.tolerance);
    }
}

} // namespace

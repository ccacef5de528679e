// Result stores: what is kept of a loadcase and the whole-beam diagram polylines.
#include "engine/ResultStores.h"

#include <gtest/gtest.h>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kEI = 210000.0 * 1e8;

class ResultStoresTest : public AnalysisTest {};

int Count(const auto& polyline) { return static_cast<int>(polyline[0].x); }

TEST_F(ResultStoresTest, BeamWithoutCantileversDrawsFromItsLHSupportToItsRHEnd) {
    // Two spans of 5000: half the beam each, so 200 intervals.
    const double w = 10, L = 5000;
    Analyse(BeamBuilder().Spans({L, L}).Udl(1, 0, w, 2 * L));
    ASSERT_EQ(Eng.NumSpanIntervals, 200);
    const auto& shear = Eng.ShearPolyline[1];
    const auto& moment = Eng.MomentPolyline[1];

    // Three points per result point and one at each end; the step of point 2 stands half-way
    // between points 1 and 2.
    EXPECT_EQ(Count(shear), 1 + 2 * 3 * 201 + 1);
    const float V1 = static_cast<float>(Eng.ShearForce[1][1]), V2 = static_cast<float>(Eng.ShearForce[1][2]);
    EXPECT_NEAR(V1, 3.0 / 8 * w * L, 1e-6 * w * L);
    const std::pair<int, TPolyPoint> points[] = {{1, {0, V1}},        {4, {0, V1}},       {5, {0.00125f, V1}},
                                                 {6, {0.00125f, V2}}, {7, {0.0025f, V2}}, {1208, {1, 0}}};
    for (const auto& [i, point] : points)
        EXPECT_EQ(shear[i], point) << i;

    EXPECT_EQ(Count(moment), 402);
    EXPECT_EQ(moment[1].x, 0);
    EXPECT_NEAR(moment[1].y, 0, 1e-3);
    EXPECT_FLOAT_EQ(moment[201].x, 0.5f);
    EXPECT_NEAR(moment[201].y, -w * L * L / 8, 1e-6 * w * L * L);
    EXPECT_FLOAT_EQ(moment[402].x, 1);

    // Deflections at the twentieths, drawn as minus the (downward-negative) deflection: mid-span
    // sags wL^4/192EI under the hogging wL^2/8 at its inner end.
    EXPECT_EQ(Eng.DeflectionPolyline[1][0][0], 42);
    EXPECT_FLOAT_EQ(Eng.DeflectionPolyline[1][11][1], 0.25f);
    EXPECT_NEAR(Eng.DeflectionPolyline[1][11][2], w * L * L * L * L / (192 * kEI), 1e-5 * 1.55);
}

TEST_F(ResultStoresTest, LHCantileverIsStoredFromItsSupportAndDrawnFromItsFreeEnd) {
    // A point load on the tip of a 2000 cantilever before a 4000 span.
    const double P = 1000, Lc = 2000, L = 4000;
    Analyse(BeamBuilder().LHCantilever(Lc).Spans({L}).Point(1, 0, static_cast<float>(P)));
    const int N = Eng.NumSpanIntervals;
    ASSERT_EQ(N, 200);
    EXPECT_FLOAT_EQ(Eng.StoredCantShear[1][1][1], P);
    EXPECT_FLOAT_EQ(Eng.StoredCantMoment[1][1][1], -P * Lc);
    // Drawn from the free end, shear as the beam reads it.
    EXPECT_EQ(Eng.ShearPolyline[1][1], (TPolyPoint{0, 0}));
    EXPECT_EQ(Eng.ShearPolyline[1][2], (TPolyPoint{0, static_cast<float>(-P)}));
    EXPECT_EQ(Eng.MomentPolyline[1][N + 1],
              (TPolyPoint{static_cast<float>(Lc / (Lc + L)), static_cast<float>(-P * Lc)}));

    EXPECT_NEAR(Eng.SupportReaction[1][1], 1.5 * P, 1e-6 * P);
    EXPECT_NEAR(Eng.SupportReaction[1][2], -0.5 * P, 1e-6 * P);
    // Tip: its own bending plus the support's rotation under the root moment.
    const double tip = P * Lc * Lc * Lc / (3 * kEI) + P * Lc * L / (3 * kEI) * Lc;
    EXPECT_NEAR(Eng.StoredCantDeflection[1][1][21], -tip, 1e-4 * tip);
    EXPECT_NEAR(Eng.DeflectionPolyline[1][1][2], tip, 1e-4 * tip);
}

} // namespace

// Result stores: what is kept of a loadcase, the reactions in the committed numbering and the
// whole-beam diagram polylines.
#include "engine/ResultStores.h"

#include <gtest/gtest.h>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kEI = 210000.0 * 1e8;

class ResultStoresTest : public AnalysisTest {};

int Count(const auto& polyline) { return static_cast<int>(polyline[0].x); }

TEST_F(ResultStoresTest, BeamWithoutCantileversDrawsFromItsLHSupport) {
    // Two spans of 5000: half the beam each, so 200 intervals.
    const double w = 10, L = 5000;
    Analyse(BeamBuilder().Spans({L, L}).Udl(1, 0, w, 2 * L));
    ASSERT_EQ(Eng.NumSpanIntervals, 200);
    const auto& shear = Eng.ShearPolyline[1];
    const auto& moment = Eng.MomentPolyline[1];

    EXPECT_EQ(Count(shear), 1 + 2 * 3 * 201 + 1);
    const float V1 = static_cast<float>(Eng.ShearForce[1][1]);
    EXPECT_NEAR(V1, 3.0 / 8 * w * L, 1e-6 * w * L);
    EXPECT_EQ(shear[1], (TPolyPoint{0, V1}));
    EXPECT_EQ(shear[4], (TPolyPoint{0, V1}));
    // The step of point 2 stands half-way between points 1 and 2.
    const float V2 = static_cast<float>(Eng.ShearForce[1][2]);
    EXPECT_EQ(shear[5], (TPolyPoint{0.00125f, V1}));
    EXPECT_EQ(shear[6], (TPolyPoint{0.00125f, V2}));
    EXPECT_EQ(shear[7], (TPolyPoint{0.0025f, V2}));
    EXPECT_EQ(shear[1208], (TPolyPoint{1, 0}));

    EXPECT_EQ(Count(moment), 402);
    EXPECT_FLOAT_EQ(moment[1].x, 0);
    EXPECT_NEAR(moment[1].y, 0, 1e-3);
    EXPECT_FLOAT_EQ(moment[201].x, 0.5f);
    EXPECT_NEAR(moment[201].y, -w * L * L / 8, 1e-6 * w * L * L);
    EXPECT_FLOAT_EQ(moment[402].x, 1);

    const auto& deflection = Eng.DeflectionPolyline[1];
    EXPECT_EQ(deflection[0][0], 42);
    EXPECT_EQ(deflection[11][0], 0);
    EXPECT_FLOAT_EQ(deflection[11][1], 0.25f);
    EXPECT_FLOAT_EQ(deflection[11][2], -static_cast<float>(Eng.SpanDeflection[1][11]));
    EXPECT_GT(deflection[11][2], 0); // drawn as minus the (downward) deflection

    // The stores keep the spans at the result points and the deflections at the twentieths.
    EXPECT_FLOAT_EQ(Eng.StoredShear[1][2][201], static_cast<float>(Eng.ShearForce[2][201]));
    EXPECT_FLOAT_EQ(Eng.StoredDeflection[1][1][11], static_cast<float>(Eng.SpanDeflection[1][11]));
}

TEST_F(ResultStoresTest, MomentDiagramReturnsToZeroOnlyAtARHEndThatTakesMoment) {
    for (int32 code : {supFixed, supFixedEnd, supCouplerTop, supCouplerMid}) {
        Analyse(BeamBuilder().Spans({5000, 5000}).Support(3, code, 1e10f).Udl(1, 0, 10, 10000));
        const auto& moment = Eng.MomentPolyline[1];
        const bool takesMoment = code != supFixed;
        EXPECT_EQ(Count(moment), takesMoment ? 403 : 402) << code;
        if (takesMoment) {
            EXPECT_EQ(moment[403], (TPolyPoint{1, 0})) << code;
            EXPECT_LT(moment[402].y, -1e6f) << code; // the end moment itself
        }
    }
}

TEST_F(ResultStoresTest, LHCantileverIsStoredFromItsSupportAndDrawnFromItsFreeEnd) {
    // A point load on the tip of a 2000 cantilever before a 4000 span.
    const double P = 1000, Lc = 2000, L = 4000;
    Analyse(BeamBuilder().LHCantilever(Lc).Spans({L}).Point(1, 0, static_cast<float>(P)));
    const int N = Eng.NumSpanIntervals;
    ASSERT_EQ(N, 200);

    EXPECT_FLOAT_EQ(Eng.StoredCantShear[1][1][1], P);
    EXPECT_FLOAT_EQ(Eng.StoredCantMoment[1][1][1], -P * Lc);
    EXPECT_FLOAT_EQ(Eng.StoredCantMoment[1][1][N + 1], 0);
    // Work rows turned round: free end first, shear as the beam reads it.
    EXPECT_FLOAT_EQ(Eng.CantileverShear[1][1], -P);
    EXPECT_FLOAT_EQ(Eng.CantileverMoment[1][1], 0);
    EXPECT_FLOAT_EQ(Eng.CantileverMoment[1][N + 1], -P * Lc);

    const auto& shear = Eng.ShearPolyline[1];
    EXPECT_EQ(shear[1], (TPolyPoint{0, 0}));
    EXPECT_EQ(shear[2], (TPolyPoint{0, static_cast<float>(-P)}));
    EXPECT_EQ(Eng.MomentPolyline[1][N + 1],
              (TPolyPoint{static_cast<float>(Lc / (Lc + L)), static_cast<float>(-P * Lc)}));

    EXPECT_NEAR(Eng.SupportReaction[1][1], 1.5 * P, 1e-6 * P);
    EXPECT_NEAR(Eng.SupportReaction[1][2], -0.5 * P, 1e-6 * P);
    // Tip: its own bending plus the support's rotation under the root moment.
    const double tip = P * Lc * Lc * Lc / (3 * kEI) + P * Lc * L / (3 * kEI) * Lc;
    EXPECT_NEAR(Eng.StoredCantDeflection[1][1][21], -tip, 1e-4 * tip);
    EXPECT_NEAR(Eng.CantDeflectionPoints[1], -tip, 1e-4 * tip);
    EXPECT_NEAR(Eng.DeflectionPolyline[1][1][2], tip, 1e-4 * tip);
}

TEST_F(ResultStoresTest, ReactionsStandInTheCommittedNumbering) {
    // A loadcase of three spans left of a four-span beam whose support 3 was released.
    const double w = 10, L = 4000;
    Commit(BeamBuilder().EqualSpans(3, L).Udl(1, 0, w, 3 * L));
    SolveLoadcase(1);
    Model.SpanCount[0] = 4;
    Eng.ReleasedSupport[1][3] = -1;
    Model.StoredSpanIntervals = 20;
    StoreLoadcaseResults();
    const double expected[] = {0.4 * w * L, 1.1 * w * L, 0, 1.1 * w * L, 0.4 * w * L};
    for (int k = 1; k <= 5; ++k)
        EXPECT_NEAR(Eng.SupportReaction[1][k], expected[k - 1], 1e-6 * w * L) << k;

    // A load standing on a support is that support's, with its load factor.
    Analyse(BeamBuilder().Spans({L, L}).Udl(1, 0, w, 2 * L).Point(1, 4000, 1000, 1.5f));
    EXPECT_NEAR(Eng.SupportReaction[1][2], 1.25 * w * L + 1500, 1e-6 * w * L);
}

} // namespace

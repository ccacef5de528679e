// Cantilever statics against hand statics and the cantilever deflection formula.
#include "engine/CantileverStatics.h"

#include <gtest/gtest.h>

#include "engine/BeamBuilder.h"
#include "platform/Dialogs.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kEI = 210000 * 1e8;
constexpr double kRel = 1e-6;

class CantileverStaticsTest : public ::testing::Test {
protected:
    ScopedScriptedDialogs dialogs;
};

TEST_F(CantileverStaticsTest, PointLoadsGiveStaticShearMomentAndOwnDeflection) {
    const double Lc = 2000, W = 5000;
    BeamBuilder().LHCantilever(Lc).Spans({6000}).RHCantilever(Lc).Point(1, 0, W).Point(1, 10000, W).Commit();
    SolveLoadcase(1);
    // Own bending W x^2 (3 Lc - x) / (6 EI) at the tenth points, where Simpson's rule is exact;
    // between them the unit-load diagram kinks inside a Simpson panel: the rule's own value.
    const double tip = W * Lc * Lc * Lc / (3 * kEI);
    EXPECT_NEAR(tip, 0.63492, 1e-5);
    for (int p = 1; p <= 21; ++p) {
        const double x = (p - 1) * Lc / 20;
        const double own =
            p % 2 == 1 ? W * x * x * (3 * Lc - x) / (6 * kEI)
                       : Simpson20([&](double u) { return u <= x ? W * (Lc - u) * (x - u) : 0.0; }, Lc) / kEI;
        for (int e = 1; e <= 2; ++e) {
            EXPECT_NEAR(Eng.CantileverShear[e][p], W, Tol(W, kRel)) << e << " " << p;
            EXPECT_NEAR(Eng.CantileverMoment[e][p], -W * (Lc - x), Tol(W * Lc, kRel)) << e << " " << p;
            // The LH deflection comes out downward-negative, the RH one with the opposite sign.
            EXPECT_NEAR(Eng.CantBendingDeflection[e][p], e == 1 ? -own : own, Tol(tip, kRel))
                << e << " " << p;
        }
    }
    // The root moments, -1e7, are what the solver applies at the end supports.
    EXPECT_NEAR(Eng.LHCantileverMoment, -1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.RHCantileverMoment, 1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][1], -1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][21], -1e7, Tol(W * Lc, kRel));
}

TEST_F(CantileverStaticsTest, DistributedLoadsActAtTheirCentroids) {
    // RH cantilever of 3000 under 4 N/mm, 0 -> 8 rising outward and 8 -> 0 falling outward:
    // 12000 N each, standing Lc/2, 2Lc/3 and Lc/3 out from the support.
    const double Lc = 3000, W = 12000, arm[] = {Lc / 2, 2 * Lc / 3, Lc / 3};
    BeamBuilder b = BeamBuilder().Spans({8000}).RHCantilever(Lc).Udl(1, 8000, 4, Lc);
    b.Distributed(2, 8000, 0, 8, Lc).Distributed(3, 8000, 8, 0, Lc).Commit();
    for (int lc = 1; lc <= 3; ++lc) {
        SolveLoadcase(lc, 200);
        EXPECT_NEAR(Eng.CantileverShear[2][1], W, Tol(W, kRel)) << lc;
        EXPECT_NEAR(Eng.CantileverMoment[2][1], -W * arm[lc - 1], Tol(W * Lc, kRel)) << lc;
        EXPECT_NEAR(Eng.CantileverMoment[2][201], 0, Tol(W * Lc, kRel)) << lc;
    }
}

} // namespace

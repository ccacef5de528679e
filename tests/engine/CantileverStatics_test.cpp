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

TEST_F(CantileverStaticsTest, TipLoadsGiveStaticShearMomentAndOwnDeflection) {
    // 5000 N at the tips of 2000 cantilevers both sides of a 6000 span: root moments -1e7, which the
    // solver applies at the end supports; own tip deflection W Lc^3 / 3EI = 0.63492.
    const double Lc = 2000, W = 5000, tip = W * Lc * Lc * Lc / (3 * kEI);
    BeamBuilder b = BeamBuilder().LHCantilever(Lc).Spans({6000}).RHCantilever(Lc).Point(1, 0, W);
    b.Point(1, 10000, W).Distributed(2, 0, 0, 8, Lc).Udl(2, 9000, 5, 1000).Commit();
    SolveLoadcase(1);
    EXPECT_NEAR(tip, 0.63492, 1e-5);
    for (int e = 1; e <= 2; ++e) {
        for (int p = 1; p <= 21; ++p) {
            EXPECT_NEAR(Eng.CantileverShear[e][p], W, Tol(W, kRel)) << e << " " << p;
            EXPECT_NEAR(Eng.CantileverMoment[e][p], -W * Lc * (21 - p) / 20, Tol(W * Lc, kRel))
                << e << " " << p;
        }
        // The LH deflection comes out downward-negative, the RH one with the opposite sign.
        EXPECT_NEAR(Eng.CantBendingDeflection[e][21], e == 1 ? -tip : tip, Tol(tip, kRel)) << e;
    }
    EXPECT_NEAR(Eng.LHCantileverMoment, -1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.RHCantileverMoment, 1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][1], -1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][21], -1e7, Tol(W * Lc, kRel));

    // Measured outward from the support: 0 -> 8 N/mm rising towards the LH support is 8000 N at
    // Lc/3, 5 N/mm over the outer half of the RH cantilever 5000 N at 3Lc/4.
    SolveLoadcase(2);
    EXPECT_NEAR(Eng.CantileverMoment[1][1], -8000 * Lc / 3, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.CantileverMoment[2][1], -5000 * 0.75 * Lc, Tol(W * Lc, kRel));
}

} // namespace

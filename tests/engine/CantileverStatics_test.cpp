// Cantilever statics against hand statics and the cantilever deflection formula.
#include "engine/CantileverStatics.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    BeamBuilder().LHCantilever(Lc).Spans({6000}).RHCantilever(Lc).Point(1, 0, W).Point(1, 10000, W).Commit();
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
}

TEST_F(CantileverStaticsTest, DistributedLoadsGiveStaticShearAndMomentAtEveryPoint) {
    // Loads given outward from the support (s0..s1, rate w0 at s0 to w1 at s1, N/mm): full-length
    // falling and rising triangles, a uniform load on the outer half, a part-length trapezoid.
    struct Load {
        int lc, e;
        double s0, s1, w0, w1;
    };
    const double Lc = 2000, L = 6000;
    const Load loads[] = {{2, 1, 0, Lc, 8, 0},
                          {2, 2, 1000, Lc, 5, 5},
                          {3, 1, 0, Lc, 0, 8},
                          {3, 2, 500, 1500, 2, 6},
                          {3, 2, 0, Lc, 6, 0}};
    BeamBuilder b = BeamBuilder().LHCantilever(Lc).Spans({L}).RHCantilever(Lc);
    for (const Load& l : loads) {
        const float cover = static_cast<float>(l.s1 - l.s0), w0 = static_cast<float>(l.w0),
                    w1 = static_cast<float>(l.w1);
        if (l.e == 1)
            b.Distributed(l.lc, static_cast<float>(Lc - l.s1), w1, w0, cover);
        else
            b.Distributed(l.lc, static_cast<float>(Lc + L + l.s0), w0, w1, cover);
    }
    b.Commit();
    for (int lc : {2, 3}) {
        SolveLoadcase(lc);
        for (int e = 1; e <= 2; ++e)
            for (int p = 1; p <= 21; ++p) {
                // Statics of the load outward of x; Simpson's rule is exact for these integrands.
                const double x = (p - 1) * Lc / 20;
                double V = 0, M = 0;
                for (const Load& l : loads) {
                    const double lo = std::max(x, l.s0), hi = l.s1;
                    if (l.lc != lc || l.e != e || hi <= lo) continue;
                    auto w = [&](double s) { return l.w0 + (l.w1 - l.w0) * (s - l.s0) / (l.s1 - l.s0); };
                    const double mid = (lo + hi) / 2, h = (hi - lo) / 6;
                    V += h * (w(lo) + 4 * w(mid) + w(hi));
                    M -= h * (w(lo) * (lo - x) + 4 * w(mid) * (mid - x) + w(hi) * (hi - x));
                }
                EXPECT_NEAR(Eng.CantileverShear[e][p], V, Tol(8000, kRel)) << lc << " " << e << " " << p;
                EXPECT_NEAR(Eng.CantileverMoment[e][p], M, Tol(8000 * Lc, kRel))
                    << lc << " " << e << " " << p;
            }
    }
}

} // namespace

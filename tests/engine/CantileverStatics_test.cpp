// Cantilever statics of distributed loads against hand statics at every point.
#include "engine/CantileverStatics.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

class CantileverStaticsTest : public AnalysisTest {};

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
                EXPECT_NEAR(Eng.CantileverShear[e][p], V, Tol(8000, 1e-6)) << lc << " " << e << " " << p;
                EXPECT_NEAR(Eng.CantileverMoment[e][p], M, Tol(8000 * Lc, 1e-6))
                    << lc << " " << e << " " << p;
                // Every load hogs: the root moment is each cantilever's smallest, 0 its largest.
                if (p == 1) {
                    EXPECT_NEAR(Eng.StoredCantEndA[lc][e - 1], M, Tol(8000 * Lc, 1e-6)) << lc << " " << e;
                    EXPECT_EQ(Eng.StoredCantEndB[lc][e - 1], 0.0f) << lc << " " << e;
                }
            }
    }
}

TEST_F(CantileverStaticsTest, UpliftGivesEachCantileverItsLargestMoment) {
    // Lc = 2000 mm, x from the support. LH: uplift 3 kN at x = 1500: M = +3000 * 1500 = +4.5e6 at
    // the root, falling to 0 at 1500. RH: 4 N/mm over the whole length and an uplift of 6 kN at
    // x = 1500: M(x) = -2 (2000 - x)^2 + 6000 (1500 - x) inward of 1500, -2 (2000 - x)^2 outward;
    // dM/dx = 0 at x = 500, M = -4.5e6 + 6e6 = +1.5e6 (largest); root -8e6 + 9e6 = +1e6;
    // x = 1500: -2 * 500^2 = -5e5 (smallest).
    struct Row {
        int e;
        double smallest, largest;
    };
    const Row rows[] = {{1, 0, 4.5e6}, {2, -5e5, 1.5e6}};
    const double Lc = 2000, L = 6000;
    BeamBuilder()
        .LHCantilever(Lc)
        .Spans({L})
        .RHCantilever(Lc)
        .Point(2, 500, -3000)
        .Udl(2, static_cast<float>(Lc + L), 4, static_cast<float>(Lc))
        .Point(2, static_cast<float>(Lc + L + 1500), -6000)
        .Commit();
    SolveLoadcase(2);
    for (const Row& r : rows) {
        EXPECT_NEAR(Eng.StoredCantEndA[2][r.e - 1], r.smallest, 2) << r.e;
        EXPECT_NEAR(Eng.StoredCantEndB[2][r.e - 1], r.largest, 2) << r.e;
    }
}

} // namespace

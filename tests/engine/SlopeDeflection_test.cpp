// Slope-deflection solver against closed-form beam formulae.
#include "engine/SlopeDeflection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;
using ::testing::DoubleNear;
using ::testing::Pointwise;

namespace {

constexpr double kEI = 210000 * 1e8;
constexpr double kRel = 1e-6;
using Curve = std::function<double(double)>;

class SlopeDeflectionTest : public AnalysisTest {};

// Moment and shear of span s at every point of the last solve against M(x) and V(x).
void ExpectDiagrams(int s, double L, const Curve& M, const Curve& V, double tolM, double tolV) {
    const int N = Eng.NumSpanIntervals;
    for (int p = 1; p <= N + 1; ++p) {
        EXPECT_NEAR(Eng.BendingMoment[s][p], M((p - 1) * L / N), tolM) << "span " << s << " point " << p;
        EXPECT_NEAR(Eng.ShearForce[s][p], V((p - 1) * L / N), tolV) << "span " << s << " point " << p;
    }
}

TEST_F(SlopeDeflectionTest, TwoEqualSpansUnderUniformLoad) {
    // -wL^2/8 over the middle support, 9wL^2/128 at 3L/8 (point 76).
    const double L = 5000, w = 10, support = -w * L * L / 8, sagging = 9 * w * L * L / 128;
    BeamBuilder().Spans({L, L}).Udl(1, 0, w, 2 * L).Commit();
    SolveLoadcase(1, 200);
    EXPECT_NEAR(Eng.BendingMoment[1][201], support, Tol(support, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][76], sagging, Tol(sagging, kRel));
    const Curve M1 = [&](double x) { return support * x / L + w * x * (L - x) / 2; };
    const Curve M2 = [&](double x) { return support * (1 - x / L) + w * x * (L - x) / 2; };
    ExpectDiagrams(
        1, L, M1, [&](double x) { return 3 * w * L / 8 - w * x; }, Tol(sagging, kRel), Tol(w * L, kRel));
    ExpectDiagrams(
        2, L, M2, [&](double x) { return 5 * w * L / 8 - w * x; }, Tol(sagging, kRel), Tol(w * L, kRel));
    EXPECT_THAT(Values(Eng.SpanMaxMoment[1], 1, 2),
                Pointwise(DoubleNear(Tol(sagging, kRel)), {sagging, sagging}));
    EXPECT_THAT(Values(Eng.SpanMinMoment[1], 1, 2),
                Pointwise(DoubleNear(Tol(support, kRel)), {support, support}));
}

TEST_F(SlopeDeflectionTest, FixedEndsAndDoubleCouplers) {
    const double L = 6000, w = 10, m = w * L * L, W = 30000, Lc = 2000, h = 2000, mc = w * Lc * Lc;
    // Fixed-end moments of 15 N/mm over 1000..3000: w x (L - x)^2 / L^2 and w x^2 (L - x) / L^2
    // integrated over the load.
    auto F = [&](double x) { return L * L * x * x / 2 - 2 * L * x * x * x / 3 + x * x * x * x / 4; };
    auto G = [&](double x) { return L * x * x * x / 3 - x * x * x * x / 4; };
    const double ul = -15 / (L * L) * (F(3000) - F(1000)), ur = -15 / (L * L) * (G(3000) - G(1000));
    const double pl = -W * 2000 * 4000 * 4000 / (L * L), pr = -W * 2000 * 2000 * 4000 / (L * L);
    const float top = static_cast<float>(kEI / h);
    const double top1 = -mc / 12 * 3 * Lc / (2 * h + 3 * Lc), mid2 = -mc / 12 * 6 * Lc / (2 * h + 6 * Lc);
    auto fixed = [&] { return BeamBuilder().Spans({L}).AllSupports(supFixedEnd); };
    auto couplers = [&](int32 code, float k) {
        return BeamBuilder().Spans({Lc}).Support(1, code, k).Support(2, code, k).Udl(1, 0, w, Lc);
    };
    const struct {
        BeamBuilder beam;
        int midPoint;
        double left, mid, right; // moments at points 1, midPoint and 201
    } cases[] = {
        // Simple span: wL^2/8 at midspan. Propped cantilever: -wL^2/8 at the fixed end, 9wL^2/128 at
        // 5L/8 from it (point 126).
        {BeamBuilder().Spans({L}).Udl(1, 0, w, L), 101, 0, m / 8, 0},
        {BeamBuilder().Spans({L}).Support(1, supFixedEnd).Udl(1, 0, w, L), 126, -m / 8, 9 * m / 128, 0},
        // Fixed-fixed: the end moments are the fixed-end moments, midspan adds the simple-beam moment
        // (W L/8 for the triangles; W x 1000 for the point at 2000 and for the part-span load). The
        // trapezoid 20 -> 10 is 10 N/mm uniform plus a falling triangle of W.
        {fixed().Udl(1, 0, w, L), 101, -m / 12, m / 24, -m / 12},
        {fixed().Point(1, 3000, W), 101, -W * L / 8, W * L / 8, -W * L / 8},
        {fixed().Point(1, 2000, W), 101, pl, W * 1000 + (pl + pr) / 2, pr},
        {fixed().Udl(1, 1000, 15, 2000), 101, ul, W * 1000 + (ul + ur) / 2, ur},
        {fixed().Distributed(1, 0, 0, 10, L), 101, -W * L / 15, W * L / 24, -W * L / 10},
        {fixed().Distributed(1, 0, 10, 0, L), 101, -W * L / 10, W * L / 24, -W * L / 15},
        {fixed().Distributed(1, 0, 20, 10, L), 101, -m / 12 - W * L / 10, m / 24 + W * L / 24,
         -m / 12 - W * L / 15},
        // Double couplers on a span of 2000 with lift height h 2000: "Top" adds the spring EI/h of
        // one standard below, "Mid" of two; end moments -wL^2/12 times 3L/(2h + 3L) or 6L/(2h + 6L).
        {couplers(supCouplerTop, top), 101, top1, mc / 8 + top1, top1},
        {couplers(supCouplerMid, 2 * top), 101, mid2, mc / 8 + mid2, mid2},
        // The same spring 6 EI / h over the middle support of two spans, span 1 loaded: the joint
        // takes w L^2 / 8 x (3k + 6k) / (6k + 6k) with k = EI / L.
        {BeamBuilder().Spans({Lc, Lc}).Support(2, supCouplerMid, 2 * top).Udl(1, 0, w, Lc), 101, 0,
         mc / 8 - 3 * mc / 64, -3 * mc / 32},
    };
    for (const auto& c : cases) {
        c.beam.Commit();
        SolveLoadcase(1, 200);
        const std::pair<int, double> points[] = {{1, c.left}, {c.midPoint, c.mid}, {201, c.right}};
        for (auto [p, e] : points)
            EXPECT_NEAR(Eng.BendingMoment[1][p], e, Tol(e == 0 ? c.mid : e, kRel)) << &c - cases << " " << p;
    }
    // The falling triangle fixed at both ends: RA = 2W/3 + (WL/10 - WL/15) / L = 0.7 W, less the
    // 0.75 W on the first half: -0.05 W at midspan.
    fixed().Distributed(1, 0, 10, 0, L).Commit();
    SolveLoadcase(1, 200);
    EXPECT_NEAR(Eng.ShearForce[1][101], -0.05 * W, Tol(W, kRel));
}

TEST_F(SlopeDeflectionTest, ManyEqualSpansMatchTheThreeMomentSolution) {
    // Three-moment equation for equal spans under uniform load: M[i-1] + 4 M[i] + M[i+1] = -wL^2/2
    // with M[0] = M[n] = 0, solved in closed form with r = -2 + sqrt(3).
    const double L = 4000, w = 10;
    for (int n : {20, 25}) {
        BeamBuilder().EqualSpans(n, L).Udl(1, 0, w, static_cast<float>(n * L)).Commit();
        SolveLoadcase(1);
        const long double r = -2.0L + std::sqrt(3.0L), m0 = static_cast<long double>(w) * L * L / 12;
        for (int i = 1; i < n; ++i) {
            const double e =
                static_cast<double>(-m0 * (1 - (std::pow(r, i) + std::pow(r, n - i)) / (1 + std::pow(r, n))));
            EXPECT_NEAR(Eng.BendingMoment[i][21], e, Tol(e, 1e-9)) << n << " spans, support " << i;
            EXPECT_NEAR(Eng.BendingMoment[i + 1][1], e, Tol(e, 1e-9)) << n << " spans, support " << i;
        }
    }
}

} // namespace

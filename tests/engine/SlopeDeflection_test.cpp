// Slope-deflection solver against closed-form beam formulae.
#include "engine/SlopeDeflection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/BeamBuilder.h"
#include "platform/Dialogs.h"

using namespace kx;
using namespace kx::test;
using ::testing::DoubleNear;
using ::testing::Pointwise;

namespace {

constexpr double kEI = 210000 * 1e8;
constexpr double kRel = 1e-6;
using Curve = std::function<double(double)>;

class SlopeDeflectionTest : public ::testing::Test {
protected:
    ScopedScriptedDialogs dialogs;
};

// Moment and shear of span s at every point of the last solve against M(x) and V(x).
void ExpectDiagrams(int s, double L, const Curve& M, const Curve& V, double tolM, double tolV) {
    const int N = Eng.NumSpanIntervals;
    for (int p = 1; p <= N + 1; ++p) {
        EXPECT_NEAR(Eng.BendingMoment[s][p], M((p - 1) * L / N), tolM) << "span " << s << " point " << p;
        EXPECT_NEAR(Eng.ShearForce[s][p], V((p - 1) * L / N), tolV) << "span " << s << " point " << p;
    }
}

TEST_F(SlopeDeflectionTest, OneSpanUnderUniformLoadIsASimpleBeam) {
    // End shears +-30000, 4.5e7 at midspan, rotations -+wL^3/24EI, fixed-end moments wL^2/12.
    const double L = 6000, w = 10, theta = w * L * L * L / (24 * kEI);
    BeamBuilder().Spans({L}).Udl(1, 0, w, L).Commit();
    SolveLoadcase(1, 200);
    EXPECT_NEAR(Eng.FixedEndMomentLeft[1], w * L * L / 12, Tol(3e7, kRel));
    EXPECT_NEAR(Eng.FixedEndMomentRight[1], w * L * L / 12, Tol(3e7, kRel));
    EXPECT_THAT(Values(Eng.SupportRotation, 1, 2), Pointwise(DoubleNear(Tol(theta, kRel)), {-theta, theta}));
    EXPECT_NEAR(Eng.ShearForce[1][1], 30000, Tol(30000, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][201], -30000, Tol(30000, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][101], 4.5e7, Tol(4.5e7, kRel));
    const Curve M = [&](double x) { return w * x * (L - x) / 2; },
                V = [&](double x) { return w * (L / 2 - x); };
    ExpectDiagrams(1, L, M, V, Tol(4.5e7, kRel), Tol(30000, kRel));
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], 4.5e7, Tol(4.5e7, kRel));
    EXPECT_LE(Eng.SpanMinMoment[1][1], 0.0f);
    EXPECT_NEAR(Eng.SpanMinMoment[1][1], 0, Tol(4.5e7, kRel));
}

TEST_F(SlopeDeflectionTest, TwoEqualSpansUnderUniformLoad) {
    // Loadcase 1 over both spans: -wL^2/8 over the middle support, 9wL^2/128 at 3L/8 (point 76).
    // Loadcase 2 on span 1 only: -wL^2/16, and span 2 only hogs.
    const double L = 5000, w = 10, support = -w * L * L / 8, sagging = 9 * w * L * L / 128;
    BeamBuilder().Spans({L, L}).Udl(1, 0, w, 2 * L).Udl(2, 0, w, L).Commit();
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
    SolveLoadcase(2);
    EXPECT_NEAR(Eng.BendingMoment[2][1], support / 2, Tol(support, kRel));
    EXPECT_EQ(Eng.SpanMaxMoment[2][2], 0.0f);
    EXPECT_NEAR(Eng.SpanMinMoment[2][2], support / 2, Tol(support, kRel));
}

TEST_F(SlopeDeflectionTest, EachPieceKindGivesItsFixedEndMomentsAndSimpleBeamDiagrams) {
    const double L = 6000, W = 30000, a = 1000, c = 2000, w = W / c;
    // Part-span uniform load: fixed-end moments by integrating w x (L - x)^2 / L^2 and
    // w x^2 (L - x) / L^2; reactions by statics.
    auto F = [&](double x) { return L * L * x * x / 2 - 2 * L * x * x * x / 3 + x * x * x * x / 4; };
    auto G = [&](double x) { return L * x * x * x / 3 - x * x * x * x / 4; };
    const double RA = W * (L - a - c / 2) / L, RB = W - RA;
    const struct {
        double type, start, cover, femLeft, femRight;
        bool exact; // nothing to round: every value exact
        Curve M, V;
    } pieces[] = {
        // clang-format off
        // Triangle over the whole span rising to the right (WL/15, WL/10), then falling.
        {ptRising, 0, L, W * L / 15, W * L / 10, false,
         [&](double x) { return W * x / 3 - W * x * x * x / (3 * L * L); },
         [&](double x) { return W / 3 - W * x * x / (L * L); }},
        {ptFalling, 0, L, W * L / 10, W * L / 15, false,
         [&](double x) { return W * (L - x) / 3 - W * std::pow(L - x, 3) / (3 * L * L); },
         [&](double x) { return -(W / 3 - W * (L - x) * (L - x) / (L * L)); }},
        {ptUniform, a, c, w / (L * L) * (F(a + c) - F(a)), w / (L * L) * (G(a + c) - G(a)), false,
         [&](double x) { return x <= a ? RA * x : x >= a + c ? RB * (L - x) : RA * x - w * (x - a) * (x - a) / 2; },
         [&](double x) { return x <= a ? RA : x >= a + c ? -RB : RA - w * (x - a); }},
        // Point loads: W a b^2 / L^2 and W a^2 b / L^2. At a point the shear is that of its left
        // side; at the very start of the span all of the load goes to the left support.
        {ptPoint, 2000, 0, W * 2000 * 4000 * 4000 / (L * L), W * 2000 * 2000 * 4000 / (L * L), false,
         [&](double x) { return x <= 2000 ? W * 2 / 3 * x : W / 3 * (L - x); },
         [&](double x) { return x < 2000 ? W * 2 / 3 : -W / 3; }},
        {ptPoint, 3000, 0, W * L / 8, W * L / 8, false,
         [&](double x) { return W / 2 * std::min(x, L - x); },
         [&](double x) { return x <= 3000 ? W / 2 : -W / 2; }},
        {ptPoint, 0, 0, 0, 0, true, [](double) { return 0.0; }, [&](double x) { return x == 0 ? W : 0.0; }},
        // clang-format on
    };
    for (const auto& piece : pieces) {
        // One piece on span 1, its simply supported diagrams (the end moments are left at 0).
        BeamBuilder().Spans({L}).Commit();
        Eng.CurrentCase = 1;
        Eng.NumSpanIntervals = 200;
        ResetLoadcaseWork();
        Eng.SpanPieceCount[1] = 1;
        Eng.SpanPieceType[1][1] = static_cast<float>(piece.type);
        Eng.SpanPieceLoad[1][1] = static_cast<float>(W);
        Eng.SpanPieceStart[1][1] = static_cast<float>(piece.start);
        Eng.SpanPieceCover[1][1] = static_cast<float>(piece.cover);
        CalcFixedEndMoments();
        CalcSpanShearMoment();
        SCOPED_TRACE(testing::Message() << "type " << piece.type << " at " << piece.start);
        EXPECT_NEAR(Eng.FixedEndMomentLeft[1], piece.femLeft, Tol(W * L, kRel));
        EXPECT_NEAR(Eng.FixedEndMomentRight[1], piece.femRight, Tol(W * L, kRel));
        ExpectDiagrams(1, L, piece.M, piece.V, piece.exact ? 0 : Tol(W * L, kRel),
                       piece.exact ? 0 : Tol(W, kRel));
    }
}

TEST_F(SlopeDeflectionTest, FixedEnds) {
    const double L = 6000, w = 10, W = 12000, free = w * L * L * L / (24 * kEI);
    // Propped cantilever: -wL^2/8 at the fixed end, 9wL^2/128 at 5L/8 from it (point 126).
    BeamBuilder().Spans({L}).Support(1, supFixedEnd).Udl(1, 0, w, L).Commit();
    SolveLoadcase(1, 200);
    const double sagging = 9 * w * L * L / 128;
    EXPECT_NEAR(Eng.BendingMoment[1][1], -w * L * L / 8, Tol(w * L * L / 8, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][126], sagging, Tol(sagging, kRel));
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], sagging, Tol(sagging, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][1], 5 * w * L / 8, Tol(w * L, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][201], -3 * w * L / 8, Tol(w * L, kRel));
    EXPECT_LT(std::abs(Eng.SupportRotation[1]), 1e-12 * free);

    // Fixed-fixed: -wL^2/12 at the ends and wL^2/24 at midspan; a central point load -WL/8, WL/8.
    BeamBuilder().Spans({L}).AllSupports(supFixedEnd).Udl(1, 0, w, L).Point(2, 3000, W).Commit();
    const double scale[] = {w * L * L, W * L};
    for (int lc : {1, 2}) {
        SolveLoadcase(lc, 200);
        const double e = -scale[lc - 1] / (lc == 1 ? 12 : 8), m = scale[lc - 1] / (lc == 1 ? 24 : 8);
        EXPECT_NEAR(Eng.BendingMoment[1][1], e, Tol(scale[lc - 1], kRel)) << lc;
        EXPECT_NEAR(Eng.BendingMoment[1][101], m, Tol(scale[lc - 1], kRel)) << lc;
        EXPECT_NEAR(Eng.BendingMoment[1][201], e, Tol(scale[lc - 1], kRel)) << lc;
        EXPECT_THAT(Values(Eng.SupportRotation, 1, 2), Pointwise(DoubleNear(1e-12 * free), {0.0, 0.0})) << lc;
    }
}

TEST_F(SlopeDeflectionTest, DoubleCouplersRestrainTheEndsThroughTheirSprings) {
    const double L = 2000, h = 2000, w = 10, fem = w * L * L / 12;
    const float top = static_cast<float>(kEI / h);
    // "Top" adds the spring of one standard below, "Mid" of two; the end moment is the fixed-end
    // moment times 3L / (2h + 3L) or 6L / (2h + 6L).
    for (int standards : {1, 2}) {
        const int code = standards == 1 ? supCouplerTop : supCouplerMid;
        const float spring = static_cast<float>(standards) * top;
        BeamBuilder().Spans({L}).Support(1, code, spring).Support(2, code, spring).Udl(1, 0, w, L).Commit();
        SolveLoadcase(1);
        const double e = -fem * 3 * standards * L / (2 * h + 3 * standards * L);
        EXPECT_NEAR(Eng.BendingMoment[1][1], e, Tol(e, kRel)) << code;
        EXPECT_NEAR(Eng.BendingMoment[1][21], e, Tol(e, kRel)) << code;
    }
    // An interior coupler between two spans, load on the first span only: the rotation there is
    // F / (4k + 2K), with F = wL^2/12, k = EI/L and K the spring; the moment jumps by 3K x rotation.
    const double Ls = 4000, k = kEI / Ls, K = top, F = w * Ls * Ls / 12, rotation = F / (4 * k + 2 * K);
    BeamBuilder().Spans({Ls, Ls}).Support(2, supCouplerMid, top).Udl(1, 0, w, Ls).Commit();
    SolveLoadcase(1);
    EXPECT_NEAR(Eng.SupportRotation[2], rotation, Tol(rotation, kRel));
    const double left = -1.5 * F + 3 * k * rotation, right = -3 * k * rotation;
    EXPECT_NEAR(Eng.BendingMoment[1][21], left, Tol(left, kRel));
    EXPECT_NEAR(Eng.BendingMoment[2][1], right, Tol(right, kRel));
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

// Slope-deflection solver against closed-form beam formulae.
#include "engine/SlopeDeflection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/BeamBuilder.h"
#include "platform/Dialogs.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kE = 210000, kIxx = 1e8, kEI = kE * kIxx;
constexpr double kRel = 1e-6;

class SlopeDeflectionTest : public ::testing::Test {
protected:
    ScopedScriptedDialogs dialogs;
};

// Sets one load piece on span 1 of a committed one-span beam and computes its fixed-end moments
// and its simply supported shear and moment (the end moments are left at 0).
void SolveOnePiece(double L, double type, double W, double a, double c, int intervals) {
    BeamBuilder().Spans({L}).Commit();
    Eng.CurrentCase = 1;
    Eng.NumSpanIntervals = intervals;
    ResetLoadcaseWork();
    Eng.SpanPieceCount[1] = 1;
    Eng.SpanPieceType[1][1] = static_cast<float>(type);
    Eng.SpanPieceLoad[1][1] = static_cast<float>(W);
    Eng.SpanPieceStart[1][1] = static_cast<float>(a);
    Eng.SpanPieceCover[1][1] = static_cast<float>(c);
    CalcFixedEndMoments();
    CalcSpanShearMoment();
}

TEST_F(SlopeDeflectionTest, OneSpanUnderUniformLoadIsASimpleBeam) {
    const double L = 6000, w = 10, W = w * L;
    BeamBuilder().Spans({L}).Udl(1, 0, w, L).Commit();
    SolveLoadcase(1, 200);

    EXPECT_NEAR(Eng.FixedEndMomentLeft[1], W * L / 12, Tol(W * L / 12, kRel));
    EXPECT_NEAR(Eng.FixedEndMomentRight[1], W * L / 12, Tol(W * L / 12, kRel));
    const double theta = w * L * L * L / (24 * kEI);
    EXPECT_NEAR(Eng.SupportRotation[1], -theta, Tol(theta, kRel));
    EXPECT_NEAR(Eng.SupportRotation[2], theta, Tol(theta, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][1], 30000, Tol(30000, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][201], -30000, Tol(30000, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][101], 4.5e7, Tol(4.5e7, kRel));
    for (int p = 1; p <= 201; ++p) {
        const double x = (p - 1) * L / 200;
        EXPECT_NEAR(Eng.BendingMoment[1][p], w * x * (L - x) / 2, Tol(4.5e7, kRel)) << p;
        EXPECT_NEAR(Eng.ShearForce[1][p], w * (L / 2 - x), Tol(30000, kRel)) << p;
    }
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], 4.5e7, Tol(4.5e7, kRel));
    EXPECT_NEAR(Eng.SpanMinMoment[1][1], 0, Tol(4.5e7, kRel));
    EXPECT_LE(Eng.SpanMinMoment[1][1], 0.0f);
}

TEST_F(SlopeDeflectionTest, CentralPointLoadTakesTheShearOfItsLeftSideAtItsPoint) {
    const double L = 6000, W = 10000;
    BeamBuilder().Spans({L}).Point(1, 3000, W).Commit();
    SolveLoadcase(1);

    const double theta = W * L * L / (16 * kEI);
    EXPECT_NEAR(Eng.SupportRotation[1], -theta, Tol(theta, kRel));
    EXPECT_NEAR(Eng.SupportRotation[2], theta, Tol(theta, kRel));
    EXPECT_NEAR(Eng.EndMomentLeft[1], 0, Tol(W * L / 4, kRel));
    EXPECT_NEAR(Eng.EndMomentRight[1], 0, Tol(W * L / 4, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][11], W * L / 4, Tol(W * L / 4, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][1], W / 2, Tol(W, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][11], W / 2, Tol(W, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][12], -W / 2, Tol(W, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][21], -W / 2, Tol(W, kRel));
    EXPECT_FLOAT_EQ(Eng.PieceShear[1][1][11], W / 2);
    EXPECT_FLOAT_EQ(Eng.PieceShear[1][1][12], -W / 2);
}

TEST_F(SlopeDeflectionTest, TwoEqualSpansUnderUniformLoad) {
    const double L = 5000, w = 10;
    BeamBuilder().Spans({L, L}).Udl(1, 0, w, 2 * L).Commit();
    SolveLoadcase(1, 200);

    const double support = -w * L * L / 8;
    EXPECT_NEAR(Eng.BendingMoment[1][201], support, Tol(support, kRel));
    EXPECT_NEAR(Eng.BendingMoment[2][1], support, Tol(support, kRel));
    const double sagging = 9 * w * L * L / 128; // at 3L/8 = point 76
    EXPECT_NEAR(Eng.BendingMoment[1][76], sagging, Tol(sagging, kRel));
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], sagging, Tol(sagging, kRel));
    EXPECT_NEAR(Eng.SpanMaxMoment[1][2], sagging, Tol(sagging, kRel));
    EXPECT_NEAR(Eng.SpanMinMoment[1][1], support, Tol(support, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][1], 3 * w * L / 8, Tol(w * L, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][201], -5 * w * L / 8, Tol(w * L, kRel));
    EXPECT_NEAR(Eng.ShearForce[2][1], 5 * w * L / 8, Tol(w * L, kRel));
}

TEST_F(SlopeDeflectionTest, AnUnloadedSpanThatOnlyHogsHasLargestMomentZero) {
    const double L = 4000, w = 10;
    BeamBuilder().Spans({L, L}).Udl(1, 0, w, L).Commit();
    SolveLoadcase(1);
    const double support = -w * L * L / 16;
    EXPECT_NEAR(Eng.BendingMoment[2][1], support, Tol(support, kRel));
    EXPECT_EQ(Eng.SpanMaxMoment[1][2], 0.0f);
    EXPECT_NEAR(Eng.SpanMinMoment[1][2], support, Tol(support, kRel));
}

TEST_F(SlopeDeflectionTest, EachPieceKindGivesItsFixedEndMomentsAndSimpleBeamDiagrams) {
    const double L = 6000, W = 30000;
    const int N = 200;
    auto xAt = [&](int p) { return (p - 1) * L / N; };

    // Triangle over the whole span, rising to the right: FEM WL/15 and WL/10.
    SolveOnePiece(L, ptRising, W, 0, L, N);
    EXPECT_NEAR(Eng.FixedEndMomentLeft[1], W * L / 15, Tol(W * L, kRel));
    EXPECT_NEAR(Eng.FixedEndMomentRight[1], W * L / 10, Tol(W * L, kRel));
    for (int p = 1; p <= N + 1; ++p) {
        const double x = xAt(p);
        EXPECT_NEAR(Eng.BendingMoment[1][p], W * x / 3 - W * x * x * x / (3 * L * L), Tol(W * L, kRel)) << p;
        EXPECT_NEAR(Eng.ShearForce[1][p], W / 3 - W * x * x / (L * L), Tol(W, kRel)) << p;
    }

    // The same triangle falling: the mirror image.
    SolveOnePiece(L, ptFalling, W, 0, L, N);
    EXPECT_NEAR(Eng.FixedEndMomentLeft[1], W * L / 10, Tol(W * L, kRel));
    EXPECT_NEAR(Eng.FixedEndMomentRight[1], W * L / 15, Tol(W * L, kRel));
    for (int p = 1; p <= N + 1; ++p) {
        const double u = L - xAt(p);
        EXPECT_NEAR(Eng.BendingMoment[1][p], W * u / 3 - W * u * u * u / (3 * L * L), Tol(W * L, kRel)) << p;
        EXPECT_NEAR(Eng.ShearForce[1][p], -(W / 3 - W * u * u / (L * L)), Tol(W, kRel)) << p;
    }

    // Part-span uniform load: fixed-end moments by integrating w x (L - x)^2 / L^2 and w x^2 (L - x) / L^2.
    const double a = 1000, c = 2000, w = W / c;
    SolveOnePiece(L, ptUniform, W, a, c, N);
    auto F = [&](double x) { return L * L * x * x / 2 - 2 * L * x * x * x / 3 + x * x * x * x / 4; };
    auto G = [&](double x) { return L * x * x * x / 3 - x * x * x * x / 4; };
    EXPECT_NEAR(Eng.FixedEndMomentLeft[1], w / (L * L) * (F(a + c) - F(a)), Tol(W * L, kRel));
    EXPECT_NEAR(Eng.FixedEndMomentRight[1], w / (L * L) * (G(a + c) - G(a)), Tol(W * L, kRel));
    const double RA = W * (L - a - c / 2) / L, RB = W - RA;
    for (int p = 1; p <= N + 1; ++p) {
        const double x = xAt(p);
        const double M = x <= a ? RA * x : x >= a + c ? RB * (L - x) : RA * x - w * (x - a) * (x - a) / 2;
        const double V = x <= a ? RA : x >= a + c ? -RB : RA - w * (x - a);
        EXPECT_NEAR(Eng.BendingMoment[1][p], M, Tol(W * L, kRel)) << p;
        EXPECT_NEAR(Eng.ShearForce[1][p], V, Tol(W, kRel)) << p;
    }

    // Point load: W a b^2 / L^2 and W a^2 b / L^2.
    SolveOnePiece(L, ptPoint, W, 2000, 0, N);
    EXPECT_NEAR(Eng.FixedEndMomentLeft[1], W * 2000 * 4000 * 4000 / (L * L), Tol(W * L, kRel));
    EXPECT_NEAR(Eng.FixedEndMomentRight[1], W * 2000 * 2000 * 4000 / (L * L), Tol(W * L, kRel));

    // A point load at the very start of a span: all of it goes to the left support.
    SolveOnePiece(L, ptPoint, W, 0, 0, N);
    EXPECT_EQ(Eng.ShearForce[1][1], W);
    for (int p = 2; p <= N + 1; ++p)
        EXPECT_EQ(Eng.ShearForce[1][p], 0.0) << p;
    for (int p = 1; p <= N + 1; ++p)
        EXPECT_EQ(Eng.BendingMoment[1][p], 0.0) << p;
}

TEST_F(SlopeDeflectionTest, FixedEnds) {
    const double L = 6000, w = 10, W = 12000;
    BeamBuilder().Spans({L}).Support(1, supFixedEnd).Udl(1, 0, w, L).Commit();
    SolveLoadcase(1, 200);
    // Propped cantilever: -wL^2/8 at the fixed end, 9wL^2/128 at 5L/8 from it (point 126).
    const double fixedEnd = -w * L * L / 8, sagging = 9 * w * L * L / 128;
    EXPECT_NEAR(Eng.BendingMoment[1][1], fixedEnd, Tol(fixedEnd, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][126], sagging, Tol(sagging, kRel));
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], sagging, Tol(sagging, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][1], 5 * w * L / 8, Tol(w * L, kRel));
    EXPECT_NEAR(Eng.ShearForce[1][201], -3 * w * L / 8, Tol(w * L, kRel));
    const double freeRotation = w * L * L * L / (24 * kEI);
    EXPECT_LT(std::abs(Eng.SupportRotation[1]), 1e-12 * freeRotation);

    BeamBuilder()
        .Spans({L})
        .Support(1, supFixedEnd)
        .Support(2, supFixedEnd)
        .Udl(1, 0, w, L)
        .Point(2, 3000, W)
        .Commit();
    SolveLoadcase(1, 200);
    EXPECT_NEAR(Eng.BendingMoment[1][1], -w * L * L / 12, Tol(w * L * L, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][201], -w * L * L / 12, Tol(w * L * L, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][101], w * L * L / 24, Tol(w * L * L, kRel));
    EXPECT_LT(std::abs(Eng.SupportRotation[1]), 1e-12 * freeRotation);
    EXPECT_LT(std::abs(Eng.SupportRotation[2]), 1e-12 * freeRotation);
    SolveLoadcase(2, 200);
    EXPECT_NEAR(Eng.BendingMoment[1][1], -W * L / 8, Tol(W * L, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][201], -W * L / 8, Tol(W * L, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][101], W * L / 8, Tol(W * L, kRel));
}

TEST_F(SlopeDeflectionTest, DoubleCouplersRestrainTheEndsThroughTheirSprings) {
    const double L = 2000, h = 2000, w = 10;
    const float top = static_cast<float>(210000 * kIxx / h);
    const double fem = w * L * L / 12;

    // "Top" adds the spring of one standard below, "Mid" of two; the end moment is the fixed-end
    // moment times 3L / (2h + 3L) or 6L / (2h + 6L).
    for (int code : {supCouplerTop, supCouplerMid}) {
        const int standards = code == supCouplerTop ? 1 : 2;
        const float spring = static_cast<float>(standards) * top;
        BeamBuilder().Spans({L}).Support(1, code, spring).Support(2, code, spring).Udl(1, 0, w, L).Commit();
        SolveLoadcase(1);
        const double expected = -fem * 3 * standards * L / (2 * h + 3 * standards * L);
        EXPECT_NEAR(Eng.BendingMoment[1][1], expected, Tol(expected, kRel)) << code;
        EXPECT_NEAR(Eng.BendingMoment[1][21], expected, Tol(expected, kRel)) << code;
    }

    // An interior coupler between two spans, load on the first span only: the rotation there is
    // F / (4k + 2K), with F = wL^2/12, k = EI/L and K the spring; the moment jumps by 3K x rotation.
    const double Ls = 4000, k = kEI / Ls, K = top, F = w * Ls * Ls / 12;
    BeamBuilder().Spans({Ls, Ls}).Support(2, supCouplerMid, top).Udl(1, 0, w, Ls).Commit();
    SolveLoadcase(1);
    const double rotation = F / (4 * k + 2 * K);
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
        const long double r = -2.0L + std::sqrt(3.0L);
        const long double m0 = static_cast<long double>(w) * L * L / 12;
        for (int i = 1; i < n; ++i) {
            const long double Mi = -m0 * (1 - (std::pow(r, i) + std::pow(r, n - i)) / (1 + std::pow(r, n)));
            const double expected = static_cast<double>(Mi);
            EXPECT_NEAR(Eng.BendingMoment[i][21], expected, Tol(expected, 1e-9))
                << n << " spans, support " << i;
            EXPECT_NEAR(Eng.BendingMoment[i + 1][1], expected, Tol(expected, 1e-9))
                << n << " spans, support " << i;
        }
    }
}

} // namespace

// Unit-load and shear deflections against beam deflection formulae.
#include "engine/Deflection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/BeamBuilder.h"
#include "platform/Dialogs.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kEI = 210000 * 1e8;
constexpr double kRel = 1e-5;

class DeflectionTest : public ::testing::Test {
protected:
    ScopedScriptedDialogs dialogs;
};

// Upward deflection of a simply supported span at x under a hogging moment m applied at x = 0.
double EndMomentDeflection(double m, double L, double x) {
    return m * x * (L - x) * (2 * L - x) / (6 * kEI * L);
}

// Downward deflection (negative) of a simply supported span under a uniform load w.
double UniformLoadDeflection(double w, double L, double x) {
    return -w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * kEI);
}

// Moment of a unit load at a on a simply supported span, at x.
double UnitMoment(double L, double a, double x) {
    const double RA = (L - a) / L;
    return x <= a ? RA * x : (L - x) * (1 - RA);
}

TEST_F(DeflectionTest, SimpleSpanUnderUniformLoad) {
    const double L = 6000, w = 10;
    BeamBuilder().Spans({L}).Udl(1, 0, w, L).Commit();
    SolveLoadcase(1);
    FindDeflections(1);

    const double midspan = 5 * w * L * L * L * L / (384 * kEI);
    EXPECT_NEAR(midspan, 8.0357, 1e-4);
    EXPECT_NEAR(Eng.SpanDeflection[1][11], -midspan, Tol(midspan, kRel));
    EXPECT_EQ(Eng.SpanDeflection[1][1], 0.0);
    EXPECT_EQ(Eng.SpanDeflection[1][21], 0.0);
    for (int q = 1; q <= 21; ++q) {
        const double x = (q - 1) * L / 20;
        // Simpson's rule is exact where the unit load's kink falls on a panel boundary (tenth points).
        const double expected =
            q % 2 == 1
                ? UniformLoadDeflection(w, L, x)
                : -Simpson20([&](double u) { return w * u * (L - u) / 2 * UnitMoment(L, x, u); }, L) / kEI;
        EXPECT_NEAR(Eng.SpanDeflection[1][q], expected, Tol(midspan, kRel)) << q;
    }
    EXPECT_NEAR(Eng.SpanMaxDeflection[1][1], midspan, Tol(midspan, kRel));
}

TEST_F(DeflectionTest, LoadOnOneOfTwoSpansLiftsTheOther) {
    const double L = 4000, w = 10, m = w * L * L / 16;
    BeamBuilder().Spans({L, L}).Udl(1, 0, w, L).Commit();
    SolveLoadcase(1);
    FindDeflections(1);

    const double scale = 5 * w * L * L * L * L / (384 * kEI);
    for (int q = 1; q <= 21; q += 2) {
        const double x = (q - 1) * L / 20;
        const double loaded = UniformLoadDeflection(w, L, x) + EndMomentDeflection(m, L, L - x);
        EXPECT_NEAR(Eng.SpanDeflection[1][q], loaded, Tol(scale, kRel)) << q;
        EXPECT_NEAR(Eng.SpanDeflection[2][q], EndMomentDeflection(m, L, x), Tol(scale, kRel)) << q;
    }
    EXPECT_GT(Eng.SpanDeflection[2][9], 0.0);
    EXPECT_GT(Eng.SpanMaxDeflection[1][1], 0.0);
    EXPECT_LT(Eng.SpanMaxDeflection[1][2], 0.0);
}

// A 6000 span with a 2000 cantilever on the LH or RH side carrying 5000 N at its tip, solved with
// its deflections; gives the cantilever's deflections from its support outward.
const Arr<double, 1, 22>& SolveTipLoadedCantilever(bool left, BeamBuilder b) {
    if (left)
        b.LHCantilever(2000).Spans({6000}).Point(1, 0, 5000);
    else
        b.Spans({6000}).RHCantilever(2000).Point(1, 8000, 5000);
    b.Commit();
    SolveLoadcase(1);
    FindDeflections(1);
    return left ? Eng.CantDeflectionPoints : Eng.CantDeflectionStore;
}

TEST_F(DeflectionTest, CantileverTipsAddTheRotationOfTheirSupport) {
    // 5000 N at the tip of a 2000 cantilever beside a 6000 span: own bending W Lc^3 / 3EI = 0.63492
    // plus the support rotation (W Lc) L / 3EI times Lc = 1.90476, both downward.
    const double Lc = 2000, L = 6000, W = 5000;
    const double theta = W * Lc * L / (3 * kEI);
    for (bool left : {true, false}) {
        const auto& tip = SolveTipLoadedCantilever(left, BeamBuilder());
        EXPECT_NEAR(tip[21], -2.5397, 1e-4);
        EXPECT_EQ(tip[1], 0.0);
        for (int q = 1; q <= 21; q += 2) {
            const double x = (q - 1) * Lc / 20;
            const double expected = -(W * x * x * (3 * Lc - x) / (6 * kEI) + theta * x);
            EXPECT_NEAR(tip[q], expected, Tol(2.5397, kRel)) << left << " " << q;
            // The span rises under the hogging moment at its cantilever end.
            const double xs = (q - 1) * L / 20;
            EXPECT_NEAR(Eng.SpanDeflection[1][q], EndMomentDeflection(W * Lc, L, left ? xs : L - xs),
                        Tol(2.5397, kRel))
                << left << " " << q;
        }
    }
}

TEST_F(DeflectionTest, TheLHCantileverAngleIsHeldBelowARightAngle) {
    const double Lc = 1000;
    BeamBuilder().LHCantilever(Lc).Spans({4000}).RHCantilever(Lc).Commit();
    Eng.CurrentCase = 1;
    Eng.SupportRotation[1] = -2.0; // atan(0) - theta = 2.0 rad
    Eng.SupportRotation[2] = 0.5;
    IntegrateDeflection();
    for (int q = 2; q <= 21; ++q) {
        const double x = (q - 1) * Lc / 20;
        EXPECT_DOUBLE_EQ(Eng.CantDeflectionPoints[q], std::tan(1.5707) * x) << q;
        EXPECT_DOUBLE_EQ(Eng.CantDeflectionStore[q], std::tan(0.5) * x) << q;
    }
}

TEST_F(DeflectionTest, ShearDeflectionOfACentralPointLoad) {
    const double L = 6000, W = 10000, GA = 8e7;
    BeamBuilder().Spans({L}).Section(210000, 1e8, GA).ShearDeflection().Point(1, 3000, W).Commit();
    SolveLoadcase(1);
    FindDeflections(1);

    // Shear deflection W x / (2 GA) rising to W L / (4 GA) at midspan, 0 at both supports.
    for (int q = 1; q <= 21; ++q) {
        const double x = (q - 1) * L / 20;
        const double expected = -W / 2 * std::min(x, L - x) / GA;
        EXPECT_NEAR(Eng.ShearDeflection[1][q], expected, Tol(W * L / (4 * GA), kRel)) << q;
    }
    const double bending = W * L * L * L / (48 * kEI);
    const double shear = W * L / (4 * GA);
    EXPECT_NEAR(Eng.SpanDeflection[1][11], -(bending + shear), Tol(bending, kRel));
    EXPECT_NEAR(Eng.SpanMaxDeflection[1][1], bending, Tol(bending, kRel)) << "bending only";
}

TEST_F(DeflectionTest, ShearDeflectionOfATipLoadedCantilever) {
    // The cantilever shears by W Lc / GA; the root moment's shear W Lc / L in the span tilts the
    // support by W Lc / (GA L), which carries the tip down by a further W Lc^2 / (GA L).
    const double Lc = 2000, L = 6000, W = 5000, GA = 8e7;
    const double shearTip = -W * Lc / GA * (1 + Lc / L);
    for (bool left : {true, false}) {
        BeamBuilder b;
        b.Section(210000, 1e8, GA).ShearDeflection();
        const auto& tip = SolveTipLoadedCantilever(left, b);
        EXPECT_NEAR(Eng.CantShearDeflection[left ? 1 : 2][21], shearTip, Tol(shearTip, kRel)) << left;
        EXPECT_NEAR(tip[21], -2.5396825 + shearTip, Tol(2.54, kRel)) << left;
    }
}

TEST_F(DeflectionTest, ShearDeflectionIsNotAddedOnAForkheadBeam) {
    const double L = 4000, W = 8000;
    auto midspanDeflection = [&](bool shear) {
        BeamBuilder()
            .Spans({L, L})
            .AllSupports(supForkhead)
            .Section(210000, 1e8, 8e7)
            .ShearDeflection(shear)
            .Point(1, 2000, W)
            .Point(1, 6000, W)
            .Commit();
        SolveLoadcase(1);
        FindDeflections(1);
        return Eng.SpanDeflection[1][11];
    };
    const double without = midspanDeflection(false);
    EXPECT_LT(without, 0.0);
    EXPECT_EQ(midspanDeflection(true), without);
}

TEST_F(DeflectionTest, ASpanWithMoreThanFiftyTwoPiecesKeepsEveryPieceShear) {
    // 30 trapezoids inside one span give 60 pieces; by superposition their shear and bending
    // deflections are the sums of those of each load alone.
    const double L = 8000, GA = 8e7;
    auto beam = [&](int only) {
        BeamBuilder b;
        b.Spans({L, 3000}).Section(210000, 1e8, GA).ShearDeflection();
        for (int i = 0; i < 30; ++i)
            if (only < 0 || only == i)
                b.Distributed(1, static_cast<float>(100 + 200 * i), 1, 2 + 0.1f * i, 1500);
        b.Commit();
        SolveLoadcase(1);
        FindDeflections(1);
    };
    TwentiethRow<double> shear, total;
    for (int i = 0; i < 30; ++i) {
        beam(i);
        for (int q = 1; q <= 21; ++q) {
            shear[q] += Eng.ShearDeflection[1][q];
            total[q] += Eng.SpanDeflection[1][q];
        }
    }
    beam(-1);
    EXPECT_EQ(Eng.SpanPieceCount[1], 60);
    for (int q = 1; q <= 21; ++q) {
        EXPECT_NEAR(Eng.ShearDeflection[1][q], shear[q], Tol(shear[11], 1e-5)) << q;
        EXPECT_NEAR(Eng.SpanDeflection[1][q], total[q], Tol(total[11], 1e-6)) << q;
    }
    EXPECT_LT(shear[11], 0.0);
}

} // namespace

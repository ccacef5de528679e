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
    BeamBuilder b = BeamBuilder().LHCantilever(Lc).Spans({6000}).RHCantilever(Lc).Point(1, 0, W);
    b.Point(1, 10000, W).Point(2, 750, 1000).Commit();
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
    for (int e = 0; e <= 1; ++e) {
        EXPECT_NEAR(Eng.StoredCantEndA[1][e], -W * Lc, Tol(W * Lc, kRel));
        EXPECT_EQ(Eng.StoredCantEndB[1][e], 0.0f);
    }
    // The root moments, -1e7, are what the solver applies at the end supports.
    EXPECT_NEAR(Eng.LHCantileverMoment, -1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.RHCantileverMoment, 1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][1], -1e7, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][21], -1e7, Tol(W * Lc, kRel));

    // 1000 N standing 1250 mm out from the LH support, between two twentieth points 100 mm apart,
    // acts only inward of itself.
    SolveLoadcase(2);
    for (int p = 1; p <= 21; ++p) {
        const double x = (p - 1) * 100.0;
        EXPECT_EQ(Eng.CantileverShear[1][p], x <= 1250 ? 1000 : 0.0) << p;
        EXPECT_NEAR(Eng.CantileverMoment[1][p], x <= 1250 ? -1000 * (1250 - x) : 0.0, Tol(W * Lc, kRel)) << p;
    }
}

TEST_F(CantileverStaticsTest, DistributedLoadsGiveTheirStaticShearAndMoment) {
    // RH cantilever from 8000 to 11000; loadcases: uniform, rising outward (2w x / Lc, peak at the
    // tip), falling outward (peak at the support). Shear and moment at x outward of the support.
    const double Lc = 3000, w = 4;
    BeamBuilder b = BeamBuilder().Spans({8000}).RHCantilever(Lc).Udl(1, 8000, w, Lc);
    b.Distributed(2, 8000, 0, 2 * w, Lc).Distributed(3, 8000, 2 * w, 0, Lc).Commit();
    const struct {
        double (*V)(double, double, double), (*M)(double, double, double);
    } cases[] = {
        {[](double x, double L, double q) { return q * (L - x); },
         [](double x, double L, double q) { return -q * (L - x) * (L - x) / 2; }},
        {[](double x, double L, double q) { return q * (L * L - x * x) / L; },
         [](double x, double L, double q) { return -q * (L - x) * (L - x) * (2 * L + x) / (3 * L); }},
        {[](double x, double L, double q) { return q * (L - x) * (L - x) / L; },
         [](double x, double L, double q) { return -q * (L - x) * (L - x) * (L - x) / (3 * L); }},
    };
    for (int lc = 1; lc <= 3; ++lc) {
        SolveLoadcase(lc, 200);
        for (int p = 1; p <= 201; ++p) {
            const double x = (p - 1) * Lc / 200;
            EXPECT_NEAR(Eng.CantileverShear[2][p], cases[lc - 1].V(x, Lc, w), Tol(w * Lc, kRel))
                << lc << " " << p;
            EXPECT_NEAR(Eng.CantileverMoment[2][p], cases[lc - 1].M(x, Lc, w), Tol(w * Lc * Lc, kRel))
                << lc << " " << p;
        }
    }
}

} // namespace

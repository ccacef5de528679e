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

TEST_F(CantileverStaticsTest, TipLoadGivesFullShearAndALinearHoggingMoment) {
    const double Lc = 2000, W = 5000;
    BeamBuilder().LHCantilever(Lc).Spans({6000}).RHCantilever(Lc).Point(1, 0, W).Point(1, 10000, W).Commit();
    SolveLoadcase(1);
    for (int e = 1; e <= 2; ++e) {
        for (int p = 1; p <= 21; ++p) {
            const double x = (p - 1) * Lc / 20;
            EXPECT_NEAR(Eng.CantileverShear[e][p], W, Tol(W, kRel)) << e << " " << p;
            EXPECT_NEAR(Eng.CantileverMoment[e][p], -W * (Lc - x), Tol(W * Lc, kRel)) << e << " " << p;
        }
        EXPECT_EQ(Eng.StoredCantEndB[1][e - 1], 0.0f);
        EXPECT_NEAR(Eng.StoredCantEndA[1][e - 1], -W * Lc, Tol(W * Lc, kRel));
    }
    // The root moments are what the solver applies at the end supports.
    EXPECT_NEAR(Eng.LHCantileverMoment, -W * Lc, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.RHCantileverMoment, W * Lc, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][1], -W * Lc, Tol(W * Lc, kRel));
    EXPECT_NEAR(Eng.BendingMoment[1][21], -W * Lc, Tol(W * Lc, kRel));
}

TEST_F(CantileverStaticsTest, DistributedLoadsGiveTheirStaticRootMoments) {
    const double Lc = 3000, w = 4, W = w * Lc;
    // RH cantilever from 8000 to 11000; loadcases: uniform, rising outward (peak at the tip),
    // falling outward (peak at the support).
    BeamBuilder()
        .Spans({8000})
        .RHCantilever(Lc)
        .Udl(1, 8000, w, Lc)
        .Distributed(2, 8000, 0, 2 * w, Lc)
        .Distributed(3, 8000, 2 * w, 0, Lc)
        .Commit();
    const double rootMoment[] = {-W * Lc / 2, -2 * W * Lc / 3, -W * Lc / 3};
    for (int lc = 1; lc <= 3; ++lc) {
        SolveLoadcase(lc, 200);
        EXPECT_NEAR(Eng.CantileverShear[2][1], W, Tol(W, kRel)) << lc;
        EXPECT_NEAR(Eng.CantileverMoment[2][1], rootMoment[lc - 1], Tol(W * Lc, kRel)) << lc;
        EXPECT_NEAR(Eng.CantileverShear[2][201], 0, Tol(W, kRel)) << lc;
        EXPECT_NEAR(Eng.CantileverMoment[2][201], 0, Tol(W * Lc, kRel)) << lc;
    }
    // Uniform: shear w (Lc - x), moment -w (Lc - x)^2 / 2 at every point.
    SolveLoadcase(1, 200);
    for (int p = 1; p <= 201; ++p) {
        const double r = Lc - (p - 1) * Lc / 200;
        EXPECT_NEAR(Eng.CantileverShear[2][p], w * r, Tol(W, kRel)) << p;
        EXPECT_NEAR(Eng.CantileverMoment[2][p], -w * r * r / 2, Tol(W * Lc, kRel)) << p;
    }
    // Rising outward (intensity 2w x / Lc): the load outward of x is w (Lc^2 - x^2) / Lc.
    SolveLoadcase(2, 200);
    for (int p = 1; p <= 201; ++p) {
        const double x = (p - 1) * Lc / 200;
        EXPECT_NEAR(Eng.CantileverShear[2][p], w * (Lc * Lc - x * x) / Lc, Tol(W, kRel)) << p;
    }
}

TEST_F(CantileverStaticsTest, APieceBetweenTwoPointsActsOnlyInwardOfIt) {
    const double Lc = 2000, W = 1000;
    // 1/20 points every 100 mm; the load stands 1250 mm out from the LH support.
    BeamBuilder().LHCantilever(Lc).Spans({4000}).Point(1, Lc - 1250, W).Commit();
    SolveLoadcase(1);
    for (int p = 1; p <= 21; ++p) {
        const double x = (p - 1) * 100.0;
        const bool inward = x <= 1250;
        EXPECT_EQ(Eng.CantileverShear[1][p], inward ? W : 0.0) << p;
        EXPECT_NEAR(Eng.CantileverMoment[1][p], inward ? -W * (1250 - x) : 0.0, Tol(W * Lc, kRel)) << p;
    }
}

TEST_F(CantileverStaticsTest, WithoutCantileversNothingIsWritten) {
    BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000).Commit();
    SolveLoadcase(1);
    for (int e = 1; e <= 2; ++e) {
        for (int p = 1; p <= 21; ++p) {
            EXPECT_EQ(Eng.CantileverShear[e][p], 0.0f);
            EXPECT_EQ(Eng.CantileverMoment[e][p], 0.0f);
            EXPECT_EQ(Eng.CantBendingDeflection[e][p], 0.0);
        }
        EXPECT_EQ(Eng.StoredCantEndA[1][e - 1], 0.0f);
        EXPECT_EQ(Eng.StoredCantEndB[1][e - 1], 0.0f);
    }
    EXPECT_EQ(Eng.LHCantileverMoment, 0.0);
    EXPECT_EQ(Eng.RHCantileverMoment, 0.0);
}

TEST_F(CantileverStaticsTest, OwnBendingDeflectionOfATipLoadedCantilever) {
    // W x^2 (3 Lc - x) / (6 EI) at the tenth points, where Simpson's rule is exact; between them
    // the unit-load diagram kinks inside a Simpson panel, so there it is the rule's own value.
    const double Lc = 2000, W = 5000;
    BeamBuilder().LHCantilever(Lc).Spans({6000}).RHCantilever(Lc).Point(1, 0, W).Point(1, 10000, W).Commit();
    SolveLoadcase(1);
    const double tip = W * Lc * Lc * Lc / (3 * kEI);
    EXPECT_NEAR(tip, 0.63492, 1e-5);
    for (int q = 1; q <= 21; ++q) {
        const double x = (q - 1) * Lc / 20;
        const double own =
            q % 2 == 1 ? W * x * x * (3 * Lc - x) / (6 * kEI)
                       : Simpson20([&](double u) { return u <= x ? W * (Lc - u) * (x - u) : 0.0; }, Lc) / kEI;
        // The LH deflection comes out downward-negative, the RH one with the opposite sign.
        EXPECT_NEAR(Eng.CantBendingDeflection[1][q], -own, Tol(tip, kRel)) << q;
        EXPECT_NEAR(Eng.CantBendingDeflection[2][q], own, Tol(tip, kRel)) << q;
    }
}

} // namespace

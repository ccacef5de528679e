// Unit-load and shear deflections against beam deflection formulae.
#include "engine/Deflection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kEI = 210000 * 1e8;
constexpr double kRel = 1e-5;

class DeflectionTest : public AnalysisTest {
protected:
    static void Solve(const BeamBuilder& beam) {
        beam.Commit();
        SolveLoadcase(1);
        FindDeflections(1);
    }
    // The user switches shear deflection off, the shear stiffness still given, and the beam is
    // analysed again: the shear deflection of the last pass is still held, and must not be added.
    static void SwitchShearDeflectionOffAndSolveAgain() {
        Model.SpanData[kFlagsRow][kShearDeflectionField] = -1.0f;
        SolveLoadcase(1);
        FindDeflections(1);
    }
};

TEST_F(DeflectionTest, SimpleSpanUnderUniformLoad) {
    const double L = 6000, w = 10;
    Solve(BeamBuilder().Spans({L}).Udl(1, 0, w, L));
    const double midspan = 5 * w * L * L * L * L / (384 * kEI);
    EXPECT_NEAR(midspan, 8.0357, 1e-4);
    EXPECT_NEAR(Eng.SpanMaxDeflection[1][1], midspan, Tol(midspan, kRel));
    for (int q = 1; q <= 21; ++q) {
        const double x = (q - 1) * L / 20;
        // Simpson's rule is exact where the unit load's kink falls on a panel boundary (tenth
        // points); between them it is the rule's own value.
        auto unitMoment = [&](double u) { return u <= x ? u * (L - x) / L : (L - u) * x / L; };
        const double expected =
            q % 2 == 1 ? -w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * kEI)
                       : -Simpson20([&](double u) { return w * u * (L - u) / 2 * unitMoment(u); }, L) / kEI;
        EXPECT_NEAR(Eng.SpanDeflection[1][q], expected, Tol(midspan, kRel)) << q;
    }
}

TEST_F(DeflectionTest, CantileverTipsAddTheRotationOfTheirSupport) {
    // 5000 N at the tip of a 2000 cantilever beside a 6000 span: own bending W Lc^3 / 3EI = 0.63492
    // plus the support rotation (W Lc) L / 3EI times Lc = 1.90476, both downward.
    const double Lc = 2000, L = 6000, W = 5000, theta = W * Lc * L / (3 * kEI);
    for (bool left : {true, false}) {
        Solve(left ? BeamBuilder().LHCantilever(Lc).Spans({L}).Point(1, 0, W)
                   : BeamBuilder().Spans({L}).RHCantilever(Lc).Point(1, 8000, W));
        const auto& tip = left ? Eng.CantDeflectionPoints : Eng.CantDeflectionStore;
        EXPECT_NEAR(tip[21], -2.5397, 1e-4) << left;
        for (int q = 1; q <= 21; q += 2) {
            const double x = (q - 1) * Lc / 20, xs = (q - 1) * L / 20;
            EXPECT_NEAR(tip[q], -(W * x * x * (3 * Lc - x) / (6 * kEI) + theta * x), Tol(2.5397, kRel))
                << left << " " << q;
            // The span rises under the hogging moment W Lc at its cantilever end (a from that end).
            const double a = left ? xs : L - xs, rise = W * Lc * a * (L - a) * (2 * L - a) / (6 * kEI * L);
            EXPECT_NEAR(Eng.SpanDeflection[1][q], rise, Tol(2.5397, kRel)) << left << " " << q;
        }
    }
}

TEST_F(DeflectionTest, ShearDeflectionOfACantileverAddsTheTiltOfItsSupport) {
    // W at the tip of Lc beside a span L, by virtual work: the cantilever's own shear W under a unit
    // shear, plus the span's shear W Lc / L under the unit load's x / L: W x (1 + Lc / L) / GA down.
    const double Lc = 2000, L = 6000, W = 5000, GA = 8e7, theta = W * Lc * L / (3 * kEI);
    const double bending = W * Lc * Lc * Lc / (3 * kEI) + theta * Lc, shear = W * Lc * (1 + Lc / L) / GA;
    EXPECT_NEAR(shear, 0.16667, 1e-5);
    for (bool left : {true, false}) {
        BeamBuilder b = BeamBuilder().Section(210000, 1e8, GA).ShearDeflection();
        Solve(left ? b.LHCantilever(Lc).Spans({L}).Point(1, 0, W)
                   : b.Spans({L}).RHCantilever(Lc).Point(1, 8000, W));
        for (int q = 1; q <= 21; ++q) {
            const double x = (q - 1) * Lc / 20;
            EXPECT_NEAR(Eng.CantShearDeflection[left ? 1 : 2][q], -W * x * (1 + Lc / L) / GA,
                        Tol(shear, kRel))
                << left << " " << q;
        }
        const auto& tip = left ? Eng.CantDeflectionPoints : Eng.CantDeflectionStore;
        EXPECT_NEAR(tip[21], -(bending + shear), Tol(bending, kRel)) << left;
        SwitchShearDeflectionOffAndSolveAgain();
        EXPECT_NEAR(tip[21], -bending, Tol(bending, kRel)) << left << " switched off";
    }
}

TEST_F(DeflectionTest, ShearDeflectionOfAUniformAndACentralPointLoad) {
    // Both pieces' shears add. W alone gives W s / (2 GA), s from the nearer support. Under w the
    // rule's ten steps an interval, on a shear falling w h / 10 a step, give w s (L - s - h / 10) / (2 GA)
    // (h = L / 20) in place of w s (L - s) / (2 GA); all 0 at both supports.
    const double L = 6000, W = 10000, w = 2, GA = 8e7, h = L / 20;
    Solve(BeamBuilder()
              .Spans({L})
              .Section(210000, 1e8, GA)
              .ShearDeflection()
              .Udl(1, 0, w, L)
              .Point(1, 3000, W));
    const double shear = (W * L / 2 + w * L / 2 * (L / 2 - h / 10)) / (2 * GA);
    for (int q = 1; q <= 21; ++q) {
        const double s = std::min((q - 1) * h, L - (q - 1) * h);
        EXPECT_NEAR(Eng.ShearDeflection[1][q], -(W * s + w * s * (L - s - h / 10)) / (2 * GA),
                    Tol(shear, kRel))
            << q;
    }
    const double bending = W * L * L * L / (48 * kEI) + 5 * w * L * L * L * L / (384 * kEI);
    EXPECT_NEAR(Eng.SpanDeflection[1][11], -(bending + shear), Tol(bending, kRel));
    EXPECT_NEAR(Eng.SpanMaxDeflection[1][1], bending, Tol(bending, kRel)) << "bending only";
    SwitchShearDeflectionOffAndSolveAgain();
    EXPECT_NEAR(Eng.SpanDeflection[1][11], -bending, Tol(bending, kRel)) << "switched off";
}

TEST_F(DeflectionTest, ASpanWithMoreThanFiftyTwoPiecesKeepsEveryPieceShear) {
    // 30 trapezoids 1 -> 2 N/mm over one span give 60 pieces, and the deflections of one 30 -> 60.
    auto solve = [](int copies, float w1) {
        BeamBuilder b = BeamBuilder().Spans({8000, 3000}).Section(210000, 1e8, 8e7).ShearDeflection();
        for (int i = 0; i < copies; ++i)
            b.Distributed(1, 1000, w1, 2 * w1, 6000);
        Solve(b);
    };
    solve(1, 30);
    const auto shear = Eng.ShearDeflection[1];
    const auto total = Eng.SpanDeflection[1];
    solve(30, 1);
    EXPECT_EQ(Eng.SpanPieceCount[1], 60);
    EXPECT_LT(shear[11], 0.0);
    for (int q = 1; q <= 21; ++q) {
        EXPECT_NEAR(Eng.ShearDeflection[1][q], shear[q], Tol(shear[11], 1e-5)) << q;
        EXPECT_NEAR(Eng.SpanDeflection[1][q], total[q], Tol(total[11], 1e-6)) << q;
    }
}

TEST_F(DeflectionTest, AbsentCantileversWhoseLengthsTheJobKeepsGetNoDeflection) {
    // A job may hold the length of a cantilever that is switched off (a beam file does); with shear
    // deflection on, neither end may show a deflection, whichever end it is. The span itself:
    // 5wL^4/384EI = 1.5873 mm plus the shear w s (L - s - h/10) / 2GA at s = L/2 (h = L/20) =
    // 10 x 2000 x 1980 / 1.6e8 = 0.2475 mm, down.
    const double L = 4000, w = 10, GA = 8e7;
    const double middle = 5 * w * L * L * L * L / (384 * kEI) + w * 2000 * (2000 - L / 200) / (2 * GA);
    EXPECT_NEAR(middle, 1.8348, 1e-4);
    for (int row : {kLHCantRow, kRHCantRow}) {
        Commit(BeamBuilder().Spans({L}).Section(210000, 1e8, GA).ShearDeflection().Udl(1, 0, w, L));
        Model.SpanData[row][mfL] = 1000;
        AnalyseBeam(host);
        ASSERT_EQ(Model.AnalysedFlag, 1) << row;
        EXPECT_NEAR(Eng.StoredDeflection[1][1][11], -middle, Tol(middle, kRel)) << row;
        for (int end = 1; end <= 2; ++end)
            for (int q = 1; q <= 21; ++q)
                EXPECT_EQ(Eng.StoredCantDeflection[1][end][q], 0.0f) << row << " " << end << " " << q;
    }
}

TEST_F(DeflectionTest, AOneMillimetreCantileverStillDeflects) {
    // 6300 N at the tip of a 1 mm cantilever beside a 1000 span, EI = 210000 x 1e4 = 2.1e9:
    // own bending W Lc^3 / 3EI plus the support rotation W Lc L / 3EI times Lc, both downward:
    // W Lc^2 (Lc + L) / 3EI = 6300 x 1 x 1001 / 6.3e9 = 1.0010e-3 mm.
    const double Lc = 1, L = 1000, W = 6300, EI = 210000 * 1e4, theta = W * Lc * L / (3 * EI);
    const double tipDeflection = W * Lc * Lc * (Lc + L) / (3 * EI);
    EXPECT_NEAR(tipDeflection, 1.0010e-3, 1e-7);
    for (bool left : {true, false}) {
        BeamBuilder b = BeamBuilder().Section(210000, 1e4);
        Solve(left ? b.LHCantilever(Lc).Spans({L}).Point(1, 0, W)
                   : b.Spans({L}).RHCantilever(Lc).Point(1, 1001, W));
        const auto& tip = left ? Eng.CantDeflectionPoints : Eng.CantDeflectionStore;
        EXPECT_NEAR(tip[21], -tipDeflection, Tol(tipDeflection, kRel)) << left;
        for (int q = 1; q <= 21; q += 4) {
            const double x = (q - 1) * Lc / 20;
            EXPECT_NEAR(tip[q], -(W * x * x * (3 * Lc - x) / (6 * EI) + theta * x), Tol(tipDeflection, kRel))
                << left << " " << q;
        }
    }
}

TEST_F(DeflectionTest, ShearDeflectionTakesTheShearStiffnessOfTheFirstSpansRow) {
    // The beam form shows and the analysis checks the GA of the first span's row; a beam file may
    // hold other figures in the other members' rows. A central 10000 N on a 6000 span:
    // W/2 x L/2 / GA = 5000 x 3000 / 8e7 = 0.1875 mm of shear deflection at midspan, whatever the
    // other rows hold; two spans, the second unloaded, keep the same figure at the middle of the first.
    const double GA = 8e7, W = 10000, shear = W / 2 * 3000 / GA;
    EXPECT_NEAR(shear, 0.1875, 1e-12);
    for (int spans : {1, 2}) {
        BeamBuilder()
            .EqualSpans(spans, 6000)
            .Section(210000, 1e8, GA)
            .ShearDeflection()
            .Point(1, 3000, W)
            .Commit();
        for (int row = 0; row <= kRHCantRow; ++row)
            if (row != 1) Model.SpanData[row][mfGA] = static_cast<float>(GA / 4);
        SolveLoadcase(1);
        FindDeflections(1);
        EXPECT_NEAR(Eng.ShearDeflection[1][11], -shear, Tol(shear, kRel)) << spans;
        EXPECT_NEAR(Eng.ShearDeflection[1][6], -shear / 2, Tol(shear, kRel)) << spans;
    }
}

TEST_F(DeflectionTest, TheLHCantileversTiltIsHeldJustBelowARightAngle) {
    // An unloaded 1000 cantilever beside a 6000 span, EI = 210000 x 1e4 = 2.1e9, W at midspan: the
    // end supports turn by W L^2 / 16EI, lifting both cantilevers, each tip at tan(theta) x.
    // W = 2000: theta = 2000 x 3.6e7 / 3.36e10 = 2.142857 rad, past the LH bound 1.5707:
    // tan(1.5707) = 10381.327, the LH point at x = 1000 q / 20 rises 10381.327 x; the RH end has no
    // bound: tan(2.142857) = -1.553085. W = 1400: theta = 1.5, below it: tan(1.5) = 14.101420.
    const double Lc = 1000, L = 6000, EI = 210000 * 1e4;
    struct Row {
        double W, lhSlope, rhSlope;
    };
    for (const Row& row : {Row{2000, 10381.327, -1.553085}, Row{1400, 14.101420, 14.101420}}) {
        EXPECT_NEAR(row.W * L * L / (16 * EI), row.W == 2000 ? 2.142857 : 1.5, 1e-6);
        for (bool left : {true, false}) {
            BeamBuilder b = BeamBuilder().Section(210000, 1e4);
            Solve(left ? b.LHCantilever(Lc).Spans({L}).Point(1, Lc + L / 2, row.W)
                       : b.Spans({L}).RHCantilever(Lc).Point(1, L / 2, row.W));
            const auto& tip = left ? Eng.CantDeflectionPoints : Eng.CantDeflectionStore;
            const double slope = left ? row.lhSlope : row.rhSlope;
            EXPECT_EQ(tip[1], 0.0) << row.W << " " << left;
            for (int q = 2; q <= 21; ++q) {
                const double x = (q - 1) * Lc / 20;
                EXPECT_NEAR(tip[q], slope * x, Tol(slope * x, kRel)) << row.W << " " << left << " " << q;
            }
        }
    }
}

TEST_F(DeflectionTest, LoadsStandingOnTheSupportsLeaveBothCantileversExactlyStraight) {
    // A 1000 cantilever at each end; loadcase 1 holds only point loads standing on the supports,
    // which go straight into them: every moment is 0, so every deflection is exactly 0, as the beam
    // file stores it, with or without shear deflection. Loadcase 2 (10 N/mm on span 1) bends the
    // beam, so that the analysis has something else to hold.
    const double W = 5000, GA = 8e7;
    struct Row {
        std::vector<double> spans;
        bool shear;
    };
    for (const Row& row : {Row{{6000}, false}, Row{{6000, 4000}, true}}) {
        BeamBuilder b =
            BeamBuilder().LHCantilever(1000).Spans(row.spans).RHCantilever(1000).Udl(2, 1000, 10, 6000);
        double x = 1000;
        b.Point(1, static_cast<float>(x), static_cast<float>(W));
        for (double L : row.spans)
            b.Point(1, static_cast<float>(x += L), static_cast<float>(W));
        if (row.shear) b.Section(210000, 1e8, static_cast<float>(GA)).ShearDeflection();
        Analyse(b);
        const int n = static_cast<int>(row.spans.size());
        ASSERT_EQ(Model.AnalysedFlag, 1) << n;
        // Each support carries the W standing on it: (n + 1) W in all.
        EXPECT_NEAR(StoredReactionSum(1), (n + 1) * W, 1e-6) << n;
        for (int end = 1; end <= 2; ++end)
            for (int q = 1; q <= kCantDeflectionPoints; ++q)
                EXPECT_EQ(Eng.StoredCantDeflection[1][end][q], 0.0f) << n << " " << end << " " << q;
        for (int s = 1; s <= n; ++s)
            for (int q = 1; q <= 21; ++q)
                EXPECT_EQ(Eng.StoredDeflection[1][s][q], 0.0f) << n << " " << s << " " << q;
    }
}

} // namespace

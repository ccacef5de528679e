// Extremes of members, loadcases and the envelope; coupler moments; twentieth-point values.
#include "engine/Extremes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kEI = 210000.0 * 1e8;

class ExtremesTest : public AnalysisTest {
protected:
    // A committed one-span loadcase whose moments and deflections a test sets by hand.
    void HandSpan() {
        Commit(BeamBuilder().Spans({2000}));
        Eng.CurrentCase = 1;
        Eng.NumSpanIntervals = 20;
    }
};

TEST_F(ExtremesTest, SimpleSpanUnderACentralPointLoad) {
    const double P = 10000, L = 6000;
    Analyse(BeamBuilder().Spans({L}).Point(1, 3000, static_cast<float>(P)));
    const auto& M = Eng.MomentExtremes[1][1];
    EXPECT_NEAR(M[0], 0, 1e-3);
    EXPECT_NEAR(M[2], 0, 1e-3);
    EXPECT_NEAR(M[1], P * L / 4, 1e-6 * P * L);
    EXPECT_FLOAT_EQ(M[3], M[1]);
    EXPECT_FLOAT_EQ(M[4], 0);
    EXPECT_FLOAT_EQ(M[5], M[1]);
    const auto& V = Eng.ShearExtremes[1][1];
    EXPECT_NEAR(V[1], P / 2, 1e-6 * P);
    EXPECT_NEAR(V[2], -P / 2, 1e-6 * P);
    EXPECT_NEAR(V[5], P / 2, 1e-6 * P);
    const double sag = P * L * L * L / (48 * kEI);
    const auto& D = Eng.DeflectionExtremes[1][1];
    EXPECT_NEAR(D[1], -sag, 1e-6 * sag);
    EXPECT_FLOAT_EQ(D[3], 0);
    EXPECT_FLOAT_EQ(D[4], D[1]);
    EXPECT_FLOAT_EQ(D[5], -D[1]);
    // The whole beam is that one span.
    for (int f = 3; f <= 5; ++f) {
        EXPECT_FLOAT_EQ(Eng.MomentExtremes[1][27][f], M[f]);
        EXPECT_FLOAT_EQ(Eng.ShearExtremes[1][27][f], V[f]);
        EXPECT_FLOAT_EQ(Eng.DeflectionExtremes[1][27][f], D[f]);
    }
    EXPECT_FLOAT_EQ(Eng.DeflectionExtremes[1][27][1], D[1]);
}

TEST_F(ExtremesTest, UnloadedSpanHasNoPeakOfItsOwn) {
    const double w = 10, L = 4000;
    Analyse(BeamBuilder().Spans({L, L}).Udl(1, 0, w, L));
    const auto& M = Eng.MomentExtremes[1][2];
    EXPECT_FLOAT_EQ(M[1], 0);
    EXPECT_NEAR(M[0], -w * L * L / 16, 1e-6 * w * L * L);
    EXPECT_FLOAT_EQ(M[3], 0);
    EXPECT_FLOAT_EQ(M[4], M[0]);
    EXPECT_FLOAT_EQ(M[5], -M[0]);
}

TEST_F(ExtremesTest, SpanPeakIsTheExtremeFurthestFromTheMeanOfItsEnds) {
    HandSpan();
    auto governing = [](std::initializer_list<std::pair<int, double>> points, double first, double last) {
        for (int p = 1; p <= 21; ++p)
            Eng.BendingMoment[1][p] = first + (last - first) * (p - 1) / 20;
        for (auto [p, m] : points)
            Eng.BendingMoment[1][p] = m;
        MemberMomentExtremes();
        return Eng.MomentExtremes[1][1][1];
    };
    EXPECT_FLOAT_EQ(governing({{5, 10}, {15, -10}}, 0, 0), -10); // equally far: the smallest
    EXPECT_FLOAT_EQ(governing({{5, 10}, {15, -5}}, 0, 0), 10);
    EXPECT_FLOAT_EQ(governing({{5, 3}, {15, 1}}, 4, 8), 1);
    EXPECT_FLOAT_EQ(governing({}, 2, 4), 0); // its extremes are its ends
}

TEST_F(ExtremesTest, DeflectionOfLargestMagnitudeKeepsItsSign) {
    HandSpan();
    auto set = [](double lo, double hi) {
        for (int p = 1; p <= 21; ++p)
            Eng.SpanDeflection[1][p] = 0;
        Eng.SpanDeflection[1][5] = lo;
        Eng.SpanDeflection[1][15] = hi;
        MemberDeflectionExtremes();
        return Eng.DeflectionExtremes[1][1];
    };
    const TExtremesRec a = set(-5, 2);
    EXPECT_FLOAT_EQ(a[1], -5);
    EXPECT_FLOAT_EQ(a[3], 2);
    EXPECT_FLOAT_EQ(a[4], -5);
    EXPECT_FLOAT_EQ(a[5], 5);
    EXPECT_FLOAT_EQ(set(-2, 2)[1], 2);
}

TEST_F(ExtremesTest, EnvelopeIsTheExtremeOverTheLoadcasesTheLowerOneNamedOnATie) {
    // Loadcase 3 repeats loadcase 1 exactly; loadcase 2 differs.
    auto loads = [](BeamBuilder& b, int lc) { b.Udl(lc, 0, 10, 11500).Point(lc, 6000, 5000); };
    BeamBuilder beam = BeamBuilder().LHCantilever(1000).Spans({4000, 5000}).RHCantilever(1500);
    loads(beam, 1);
    beam.Point(2, 500, 20000).Udl(2, 5000, 30, 5000).Point(2, 11500, 3000);
    loads(beam, 3);
    Analyse(beam);
    ASSERT_EQ(Model.LoadcaseCount, 3);

    for (auto* table : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes}) {
        for (int m = 0; m <= 27; ++m) {
            float largest = 0, smallest = 0, magnitude = 0;
            for (int lc = 1; lc <= 3; ++lc) {
                largest = std::max(largest, (*table)[lc][m][3]);
                smallest = std::min(smallest, (*table)[lc][m][4]);
                magnitude = std::max(magnitude, (*table)[lc][m][5]);
            }
            EXPECT_EQ((*table)[0][m][3], largest) << m;
            EXPECT_EQ((*table)[0][m][4], smallest) << m;
            EXPECT_EQ((*table)[0][m][5], magnitude) << m;
        }
    }
    for (int m = 0; m <= 27; ++m) {
        float up = 0, down = 0;
        for (int lc = 1; lc <= 3; ++lc) {
            up = std::max(up, Eng.DeflectionExtremes[lc][m][1]);
            down = std::min(down, Eng.DeflectionExtremes[lc][m][1]);
        }
        EXPECT_EQ(Eng.DeflectionExtremes[0][m][1], -down > up ? down : up) << m;
    }

    int namedTwo = 0;
    for (int m : {0, 1, 2, 26}) {
        for (int j = 1; j <= 21; ++j) {
            float V = 0, Mmax = 0, Mmin = 0;
            int vCase = 0, maxCase = 0, minCase = 0;
            for (int lc = 1; lc <= 3; ++lc) {
                const float v = Eng.EnvelopeIntervalValues[lc][m][j][0];
                const float mo = Eng.EnvelopeTable[lc][m][j][0];
                if (lc == 1 || v > V) V = v, vCase = lc;
                if (lc == 1 || mo > Mmax) Mmax = mo, maxCase = lc;
                if (lc == 1 || mo < Mmin) Mmin = mo, minCase = lc;
            }
            const auto& s = Eng.EnvelopeIntervalValues[0][m][j];
            const auto& e = Eng.EnvelopeTable[0][m][j];
            EXPECT_EQ(s[0], V);
            EXPECT_EQ(s[1], vCase);
            EXPECT_EQ(e[0], Mmax);
            EXPECT_EQ(e[1], Mmin);
            EXPECT_EQ(e[2], maxCase);
            EXPECT_EQ(e[3], minCase);
            EXPECT_NE(s[1], 3.0f);
            namedTwo += s[1] == 2.0f;
        }
    }
    EXPECT_GT(namedTwo, 0);
}

TEST_F(ExtremesTest, OneLoadcaseIsItsOwnEnvelope) {
    Analyse(BeamBuilder().LHCantilever(1000).Spans({4000, 3000}).Udl(1, 0, 10, 8000));
    for (int m = 0; m <= 27; ++m)
        for (int f = 3; f <= 5; ++f)
            EXPECT_EQ(Eng.MomentExtremes[0][m][f], Eng.MomentExtremes[1][m][f]);
    for (int m : {0, 1, 2})
        for (int j = 1; j <= 21; ++j) {
            EXPECT_EQ(Eng.EnvelopeIntervalValues[0][m][j][1], 1.0f);
            EXPECT_EQ(Eng.EnvelopeTable[0][m][j][2], 1.0f);
            EXPECT_EQ(Eng.EnvelopeTable[0][m][j][3], 1.0f);
        }
    // No RH cantilever: its row stays empty.
    EXPECT_EQ(Eng.EnvelopeIntervalValues[0][26][21][1], 0.0f);
}

TEST_F(ExtremesTest, CouplerMomentIsTheJumpOfMomentAcrossASupport) {
    // A span fixed at both ends: each end takes w L^2 / 12 from a member without moment.
    const double w = 10, L = 6000;
    Analyse(BeamBuilder().Spans({L}).AllSupports(supFixedEnd).Udl(1, 0, w, L));
    EXPECT_NEAR(Eng.CouplerMomentMax[1], w * L * L / 12, 1e-5 * w * L * L);
    // A continuous beam on plain supports has none.
    Analyse(BeamBuilder().LHCantilever(1000).Spans({4000, 4000}).Udl(1, 0, w, 9000));
    EXPECT_NEAR(Eng.CouplerMomentMax[1], 0, 1e-3);
}

TEST_F(ExtremesTest, IntervalValuesAtTheTwentiethPoints) {
    const double w = 10, Lc = 1000, L = 6000;
    Analyse(BeamBuilder().LHCantilever(Lc).Spans({L}).Udl(1, 0, w, Lc + L));
    ASSERT_EQ(Eng.ResultIntervalStep, 10);
    const double R = w * (Lc + L) * (L - Lc) / 2 / L; // RH reaction: moments about the LH support
    for (int j = 1; j <= 21; ++j) {
        const double x = (j - 1) * L / 20;
        const double V = w * (L - x) - R; // from the right
        const double M = R * (L - x) - w * (L - x) * (L - x) / 2;
        EXPECT_NEAR(Eng.EnvelopeIntervalValues[1][1][j][0], std::fabs(V), 1e-5 * w * L) << j;
        EXPECT_NEAR(Eng.EnvelopeTable[1][1][j][0], M, 1e-5 * w * L * L) << j;
        EXPECT_EQ(Eng.EnvelopeTable[1][1][j][1], Eng.EnvelopeTable[1][1][j][0]);
        // The LH cantilever from its free end.
        const double xc = (j - 1) * Lc / 20;
        EXPECT_NEAR(Eng.EnvelopeIntervalValues[1][0][j][0], w * xc, 1e-5 * w * Lc) << j;
        EXPECT_NEAR(Eng.EnvelopeTable[1][0][j][0], -w * xc * xc / 2, 1e-5 * w * Lc * Lc) << j;
    }
}

} // namespace

// Extremes of members, loadcases and the envelope; twentieth-point values.
#include "engine/Extremes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;
using ::testing::DoubleNear;
using ::testing::Pointwise;

namespace {

constexpr double kEI = 210000.0 * 1e8;

class ExtremesTest : public AnalysisTest {};

TEST_F(ExtremesTest, MemberExtremesOfASolvedSpan) {
    // Fields: 0 LH end, 1 peak, 2 RH end, 3 largest, 4 smallest, 5 largest magnitude; row 27 the
    // whole beam, here that one span under a central point load.
    const double P = 10000, L = 6000, sag = -P * L * L * L / (48 * kEI);
    Analyse(BeamBuilder().Spans({L}).Point(1, 3000, static_cast<float>(P)));
    const auto &M = Eng.MomentExtremes[1][1], &V = Eng.ShearExtremes[1][1], &D = Eng.DeflectionExtremes[1][1];
    EXPECT_NEAR(M[1], P * L / 4, 1e-6 * P * L);
    EXPECT_NEAR(M[0], 0, 1e-3);
    EXPECT_NEAR(M[2], 0, 1e-3);
    EXPECT_EQ(Values(M, 3, 5), (std::vector<double>{M[1], 0, M[1]}));
    EXPECT_THAT(Values(V, 1, 2), Pointwise(DoubleNear(1e-6 * P), {P / 2, -P / 2}));
    EXPECT_NEAR(V[5], P / 2, 1e-6 * P);
    EXPECT_NEAR(D[1], sag, -1e-6 * sag);
    EXPECT_EQ(Values(D, 3, 5), (std::vector<double>{0, D[1], -D[1]}));
    for (const TExtremesTable* t : {&Eng.MomentExtremes, &Eng.ShearExtremes, &Eng.DeflectionExtremes})
        EXPECT_EQ(Values((*t)[1][27], 3, 5), Values((*t)[1][1], 3, 5));
    EXPECT_EQ(Eng.DeflectionExtremes[1][27][1], D[1]);
}

TEST_F(ExtremesTest, PeaksAreTheExtremesFurthestFromTheEnds) {
    Commit(BeamBuilder().Spans({2000}));
    Eng.CurrentCase = 1;
    Eng.NumSpanIntervals = 20;
    // Moment: the extreme furthest from the mean of the span's ends, the smallest when equally far.
    auto moment = [](std::initializer_list<std::pair<int, double>> points, double first, double last) {
        for (int p = 1; p <= 21; ++p)
            Eng.BendingMoment[1][p] = first + (last - first) * (p - 1) / 20;
        for (auto [p, m] : points)
            Eng.BendingMoment[1][p] = m;
        MemberMomentExtremes();
        return Eng.MomentExtremes[1][1][1];
    };
    EXPECT_FLOAT_EQ(moment({{5, 10}, {15, -10}}, 0, 0), -10);
    EXPECT_FLOAT_EQ(moment({{5, 10}, {15, -5}}, 0, 0), 10);
    EXPECT_FLOAT_EQ(moment({{5, 3}, {15, 1}}, 4, 8), 1);
    EXPECT_FLOAT_EQ(moment({}, 2, 4), 0); // its extremes are its ends

    // Deflection: the largest magnitude with its sign, upward when equally large.
    auto deflection = [](double lo, double hi) {
        for (int p = 1; p <= 21; ++p)
            Eng.SpanDeflection[1][p] = p == 5 ? lo : p == 15 ? hi : 0;
        MemberDeflectionExtremes();
        return Eng.DeflectionExtremes[1][1];
    };
    const TExtremesRec d = deflection(-5, 2);
    EXPECT_EQ(std::vector<float>({d[1], d[3], d[4], d[5]}), std::vector<float>({-5, 2, -5, 5}));
    EXPECT_FLOAT_EQ(deflection(-2, 2)[1], 2);
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
            float largest = 0, smallest = 0, magnitude = 0, up = 0, down = 0;
            for (int lc = 1; lc <= 3; ++lc) {
                largest = std::max(largest, (*table)[lc][m][3]);
                smallest = std::min(smallest, (*table)[lc][m][4]);
                magnitude = std::max(magnitude, (*table)[lc][m][5]);
                up = std::max(up, (*table)[lc][m][1]);
                down = std::min(down, (*table)[lc][m][1]);
            }
            EXPECT_EQ((*table)[0][m][3], largest) << m;
            EXPECT_EQ((*table)[0][m][4], smallest) << m;
            EXPECT_EQ((*table)[0][m][5], magnitude) << m;
            const bool deflection = table == &Eng.DeflectionExtremes; // signed extreme: the larger one
            EXPECT_EQ(deflection ? (*table)[0][m][1] : 0, deflection ? (-down > up ? down : up) : 0) << m;
        }
    }
    // Twentieth-point values: the largest shear and the largest and smallest moment, each with the
    // first loadcase that reaches it.
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
            EXPECT_EQ(std::vector<float>({s[0], s[1]}), std::vector<float>({V, static_cast<float>(vCase)}));
            EXPECT_EQ(
                std::vector<float>({e[0], e[1], e[2], e[3]}),
                std::vector<float>({Mmax, Mmin, static_cast<float>(maxCase), static_cast<float>(minCase)}));
            EXPECT_NE(s[1], 3.0f);
            namedTwo += s[1] == 2.0f;
        }
    }
    EXPECT_GT(namedTwo, 0);
}

TEST_F(ExtremesTest, IntervalValuesAtTheTwentiethPoints) {
    const double w = 10, Lc = 1000, L = 6000;
    Analyse(BeamBuilder().LHCantilever(Lc).Spans({L}).Udl(1, 0, w, Lc + L));
    ASSERT_EQ(Eng.ResultIntervalStep, 10);
    const double R = w * (Lc + L) * (L - Lc) / 2 / L; // RH reaction: moments about the LH support
    for (int j = 1; j <= 21; ++j) {
        const double x = (j - 1) * L / 20, xc = (j - 1) * Lc / 20;
        EXPECT_NEAR(Eng.EnvelopeIntervalValues[1][1][j][0], std::fabs(w * (L - x) - R), 1e-5 * w * L) << j;
        EXPECT_NEAR(Eng.EnvelopeTable[1][1][j][0], R * (L - x) - w * (L - x) * (L - x) / 2, 1e-5 * w * L * L)
            << j;
        EXPECT_EQ(Eng.EnvelopeTable[1][1][j][1], Eng.EnvelopeTable[1][1][j][0]);
        // The LH cantilever from its free end.
        EXPECT_NEAR(Eng.EnvelopeIntervalValues[1][0][j][0], w * xc, 1e-5 * w * Lc) << j;
        EXPECT_NEAR(Eng.EnvelopeTable[1][0][j][0], -w * xc * xc / 2, 1e-5 * w * Lc * Lc) << j;
    }
}

} // namespace

// The envelope of the loadcases' extremes and the twentieth-point values it is built from.
#include "engine/Extremes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/AnalysisFixture.h"

using namespace kx;
using namespace kx::test;

namespace {

class ExtremesTest : public AnalysisTest {};

TEST_F(ExtremesTest, EnvelopeIsTheExtremeOverTheLoadcasesTheLowerOneNamedOnATie) {
    // Loadcase 3 repeats loadcase 1 exactly; loadcase 2 differs.
    auto loads = [](BeamBuilder& b, int lc) { b.Udl(lc, 0, 10, 11500).Point(lc, 6000, 5000); };
    BeamBuilder beam = BeamBuilder().LHCantilever(1000).Spans({4000, 5000}).RHCantilever(1500);
    loads(beam, 1);
    beam.Point(2, 500, 20000).Udl(2, 5000, 30, 5000).Point(2, 11500, 3000);
    loads(beam, 3);
    Analyse(beam);
    ASSERT_EQ(Model.LoadcaseCount, 3);

    // Fields: 1 peak, 3 largest, 4 smallest, 5 largest magnitude; rows 0..26 members, 27 the beam.
    for (auto* table : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes}) {
        const bool deflection = table == &Eng.DeflectionExtremes; // signed peak: the larger one
        for (int m = 0; m <= 27; ++m) {
            float largest = 0, smallest = 0, magnitude = 0, up = 0, down = 0;
            for (int lc = 1; lc <= 3; ++lc) {
                const TExtremesRec& r = (*table)[lc][m];
                largest = std::max(largest, r[3]), smallest = std::min(smallest, r[4]);
                magnitude = std::max(magnitude, r[5]);
                up = std::max(up, r[1]), down = std::min(down, r[1]);
            }
            const TExtremesRec& e = (*table)[0][m];
            EXPECT_EQ(
                std::vector<float>({e[3], e[4], e[5], deflection ? e[1] : 0}),
                std::vector<float>({largest, smallest, magnitude, deflection ? (-down > up ? down : up) : 0}))
                << m;
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
                const float v = Eng.EnvelopeIntervalValues[lc][m][j][0], mo = Eng.EnvelopeTable[lc][m][j][0];
                if (lc == 1 || v > V) V = v, vCase = lc;
                if (lc == 1 || mo > Mmax) Mmax = mo, maxCase = lc;
                if (lc == 1 || mo < Mmin) Mmin = mo, minCase = lc;
            }
            const auto& s = Eng.EnvelopeIntervalValues[0][m][j];
            const auto& e = Eng.EnvelopeTable[0][m][j];
            EXPECT_EQ(std::vector<float>({s[0], s[1], e[0], e[1], e[2], e[3]}),
                      std::vector<float>({V, static_cast<float>(vCase), Mmax, Mmin,
                                          static_cast<float>(maxCase), static_cast<float>(minCase)}))
                << m << " " << j;
            EXPECT_NE(s[1], 3.0f);
            namedTwo += s[1] == 2.0f;
        }
    }
    EXPECT_GT(namedTwo, 0);
    // The LH cantilever's values from its free end in loadcase 1: shear w x, moment -w x^2 / 2.
    for (int j = 1; j <= 21; ++j) {
        const double x = (j - 1) * 50.0;
        EXPECT_NEAR(Eng.EnvelopeIntervalValues[1][0][j][0], 10 * x, 1e-5 * 1e4) << j;
        EXPECT_NEAR(Eng.EnvelopeTable[1][0][j][0], -5 * x * x, 1e-5 * 5e6) << j;
    }
}

TEST_F(ExtremesTest, EnvelopesAreBuiltAfreshOverWhatAnEarlierJobLeft) {
    // Opening a file rebuilds the envelopes over those of the job shown before: they must come out
    // as the analysis left them, not as the larger of the two.
    Analyse(BeamBuilder()
                .LHCantilever(1000)
                .Spans({4000, 5000})
                .RHCantilever(1500)
                .Udl(1, 0, 2, 11500)
                .Point(2, 6000, 3000));
    const auto fresh = std::make_unique<EngineState>(Eng);
    for (auto* table : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes})
        for (auto& row : (*table)[0])
            row.fill(9e9f);
    for (auto& row : Eng.EnvelopeIntervalValues[0])
        for (auto& point : row)
            point.fill(9e9f);
    for (auto& row : Eng.EnvelopeTable[0])
        for (auto& point : row)
            point.fill(-9e9f);
    EnvelopeShearExtremes();
    EnvelopeMomentExtremes();
    EnvelopeDeflectionExtremes();
    BuildEnvelopeTable();
    EXPECT_TRUE(Eng.ShearExtremes[0] == fresh->ShearExtremes[0]);
    EXPECT_TRUE(Eng.MomentExtremes[0] == fresh->MomentExtremes[0]);
    EXPECT_TRUE(Eng.DeflectionExtremes[0] == fresh->DeflectionExtremes[0]);
    EXPECT_TRUE(Eng.EnvelopeIntervalValues[0] == fresh->EnvelopeIntervalValues[0]);
    EXPECT_TRUE(Eng.EnvelopeTable[0] == fresh->EnvelopeTable[0]);
    // The figures themselves: the largest shear is loadcase 1's at the RH cantilever's root,
    // w Lc = 3000 N, the deepest hogging -w Lc^2 / 2 = -2.25e6 N mm there.
    EXPECT_NEAR(Eng.ShearExtremes[0][26][3], 3000, 0.01);
    EXPECT_NEAR(Eng.MomentExtremes[0][26][4], -2.25e6, 1);
}

TEST_F(ExtremesTest, TheEnvelopeTableHoldsEverySpanWhateverSpanCountTheLoadcasesKeep) {
    // A job saved before any analysis keeps span count 1 for every loadcase, the committed beam's
    // being 3, and opening it rebuilds the envelope table: it must hold every span of the beam.
    Analyse(BeamBuilder().EqualSpans(3, 4000).Udl(1, 0, 10, 12000));
    ASSERT_EQ(Model.LoadcaseCount, 1);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        Model.SpanCount[lc] = 1;
    BuildEnvelopeTable();
    // Three equal spans under w = 10 N/mm, L = 4000 (wL = 40000 N, wL^2 = 1.6e8 N mm): supports 2
    // and 3 carry -0.1 wL^2, so the outer spans' middles wL^2/8 - 0.05 wL^2 = 1.2e7 N mm and the
    // middle span's wL^2/8 - 0.1 wL^2 = 4e6 N mm; end shears 0.4 wL = 16000 N at the outer ends,
    // 0.6 wL = 24000 N at the inner supports, 0.5 wL = 20000 N on the middle span.
    const struct {
        int span;
        double middle, lhShear, rhShear;
    } rows[] = {{1, 1.2e7, 16000, 24000}, {2, 4e6, 20000, 20000}, {3, 1.2e7, 24000, 16000}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.span);
        const auto& middle = Eng.EnvelopeTable[0][r.span][11];
        EXPECT_NEAR(middle[0], r.middle, 1e-5 * 1.2e7);
        EXPECT_EQ(std::vector<float>({middle[0], middle[2], middle[3]}),
                  std::vector<float>({middle[1], 1, 1}));
        const auto& lhEnd = Eng.EnvelopeIntervalValues[0][r.span][1];
        const auto& rhEnd = Eng.EnvelopeIntervalValues[0][r.span][21];
        EXPECT_NEAR(lhEnd[0], r.lhShear, 0.1);
        EXPECT_NEAR(rhEnd[0], r.rhShear, 0.1);
        EXPECT_EQ(std::vector<float>({lhEnd[1], rhEnd[1]}), std::vector<float>({1, 1}));
    }
}

} // namespace

TEST_F(ExtremesTest, SupportReactionRangeAndSummaryComeFromTheAnalysisWithoutADrawing) {
    // Two 4 m spans, 10 kN/m on span 1 in loadcase 1; 20 kN at the middle of span 2 in loadcase 2.
    // Loadcase 1 by three moments: M2 = -wL^2/16 = -10 kN m, so R1 = 17.5, R2 = 25, R3 = -2.5 kN.
    // Loadcase 2 mirrors a central point load: R1 = -1.875, R2 = 13.75, R3 = 8.125 kN.
    Analyse(BeamBuilder().Spans({4000, 4000}).Udl(1, 0, 10, 4000).Point(2, 6000, 20000));
    const float largest[] = {17500, 25000, 8125};
    const float smallest[] = {-1875, 0, -2500};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_NEAR(Eng.SupportWorkValues[k], largest[k - 1], 0.01) << "support " << k;
        EXPECT_NEAR(Eng.MinSupportReaction[k], smallest[k - 1], 0.01) << "support " << k;
    }
    EnvelopeSupportReactions(); // as each drawing of the diagrams does again
    EXPECT_NEAR(Eng.SupportWorkValues[2], 25000, 0.01);
    EXPECT_NEAR(Eng.MinSupportReaction[3], -2500, 0.01);
    EXPECT_EQ(Txt.MaximaLines[5].str(), " Max positive support reaction = 25.00 kN");
}

TEST_F(ExtremesTest, TheFifthLoadcaseEntersEveryEnvelopeUpToTheRHCantilever) {
    // Loadcases 1 to 4 carry 10 N/mm over the whole beam, loadcase 5 twice that: the beam being
    // linear, loadcase 5 governs everywhere. Its RH cantilever root: w Lc = 30 kN, -w Lc^2 / 2 =
    // -22.5 kN m.
    BeamBuilder beam = BeamBuilder().Spans({4000, 5000}).RHCantilever(1500);
    for (int lc = 1; lc <= 4; ++lc)
        beam.Udl(lc, 0, 10, 10500);
    beam.Udl(5, 0, 20, 10500);
    Analyse(beam);
    ASSERT_EQ(Model.LoadcaseCount, 5);
    EXPECT_NEAR(Eng.ShearExtremes[0][26][5], 30000, 0.05);
    EXPECT_NEAR(Eng.MomentExtremes[0][26][4], -22.5e6, 50);
    for (auto* table : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes})
        for (int m : {1, 2, 26, 27}) {
            const TExtremesRec &e = (*table)[0][m], &five = (*table)[5][m];
            EXPECT_EQ(std::vector<float>({e[3], e[4], e[5]}), std::vector<float>({five[3], five[4], five[5]}))
                << m;
            EXPECT_NEAR(five[5], 2 * (*table)[1][m][5], 1e-5 * five[5]) << m;
        }
    for (int m : {1, 2, 26})
        for (int j = 1; j <= 21; ++j) {
            // Where loadcase 5 goes beyond loadcase 1 (not where both are 0), it is named.
            const float V1 = Eng.EnvelopeIntervalValues[1][m][j][0],
                        V5 = Eng.EnvelopeIntervalValues[5][m][j][0];
            const float M1 = Eng.EnvelopeTable[1][m][j][0], M5 = Eng.EnvelopeTable[5][m][j][0];
            const auto& e = Eng.EnvelopeTable[0][m][j];
            EXPECT_EQ(Eng.EnvelopeIntervalValues[0][m][j][1], V5 > V1 ? 5.0f : 1.0f) << m << " " << j;
            EXPECT_EQ(e[2], M5 > M1 ? 5.0f : 1.0f) << m << " " << j;
            EXPECT_EQ(e[3], M5 < M1 ? 5.0f : 1.0f) << m << " " << j;
        }
    EXPECT_EQ(Eng.EnvelopeIntervalValues[0][26][1][1], 5.0f) << "the RH cantilever's root";
    EXPECT_EQ(Eng.EnvelopeTable[0][26][1][3], 5.0f);
}

TEST_F(ExtremesTest, TheMomentCarriedAtTheLastSupportIsTheRHCantileversRootAgainstTheLastSpan) {
    // Two spans: support 1 joins the LH cantilever (row 0) to span 1, support 2 span 1 to span 2,
    // support 3 span 2 to the RH cantilever (row 26). Row 3 is no member of this beam.
    Model.SpanCount[0] = 2;
    Eng.CurrentCase = 5;
    auto& m = Eng.MomentExtremes[5];
    m[0][2] = -100000;
    m[1][0] = -150000; // 50000 carried at support 1
    m[1][2] = -300000;
    m[2][0] = -320000; // 20000 at support 2
    m[2][2] = -250000;
    m[26][0] = -400000; // 150000 at support 3
    m[3][0] = 900000;
    MaxCouplerMoment();
    EXPECT_FLOAT_EQ(Eng.CouplerMomentMax[5], 150000);
    m[26][0] = -250000; // nothing carried at the RH end: the LH end's 50000 governs
    MaxCouplerMoment();
    EXPECT_FLOAT_EQ(Eng.CouplerMomentMax[5], 50000);
}

TEST_F(ExtremesTest, TheMomentCarriedAtTheLastSupportCountsWhereLoadcaseOneLostASpan) {
    // Three spans; loadcase 1 lost one over a lifted support, loadcase 2 has all three. In
    // loadcase 2 only support 4 carries a moment: 450000 N mm at the end of span 3 against 0 at
    // the RH cantilever's root.
    Commit(BeamBuilder().EqualSpans(3, 2000));
    Model.SpanCount[1] = 2;
    Eng.CurrentCase = 2;
    Eng.MomentExtremes[2][3][2] = -450000;
    MaxCouplerMoment();
    EXPECT_FLOAT_EQ(Eng.CouplerMomentMax[2], 450000);
}

TEST_F(ExtremesTest, SupportReactionRangeReachesTheLastSupportWhenLoadcaseOneReleasedOne) {
    // Four 4 m forkhead spans, w = 10 N/mm on spans 1 and 4 in loadcase 1 only: the middle support
    // lifts and goes, so loadcase 1 keeps 3 spans (4000/8000/4000). Three moments: 2M(4000 + 8000) +
    // 8000 M = -w 4000^3 / 4, M = -5e6 N mm = -wL^2/32 over supports 2 and 4; R1 = R5 = wL/2 + M/L =
    // 20000 - 1250 = 18750 N, R2 = R4 = 21250 N. Loadcase 2: 20 kN on the middle support, which
    // stands on it: R3 = 20000 and every other support -0, so the smallest of each stays 0.
    Analyse(BeamBuilder()
                .EqualSpans(4, 4000)
                .AllSupports(supForkhead)
                .Udl(1, 0, 10, 4000)
                .Udl(1, 12000, 10, 4000)
                .Point(2, 8000, 20000));
    ASSERT_EQ(Model.LoadcaseCount, 2);
    ASSERT_EQ(Model.SpanCount[1], 3);
    const double largest[] = {18750, 21250, 20000, 21250, 18750};
    for (int pass = 1; pass <= 2; ++pass) {
        for (int k = 1; k <= 5; ++k) {
            EXPECT_NEAR(Eng.SupportWorkValues[k], largest[k - 1], 0.01)
                << "support " << k << " pass " << pass;
            EXPECT_NEAR(Eng.MinSupportReaction[k], 0, 0.01) << "support " << k << " pass " << pass;
        }
        EnvelopeSupportReactions(); // as each drawing of the diagrams does again
    }
}

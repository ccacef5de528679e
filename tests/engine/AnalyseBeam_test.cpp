// The analysis driver against closed forms, equilibrium and the window steps it asks for.
#include "engine/AnalyseBeam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "engine/AnalysisFixture.h"
#include "platform/Errors.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kE = 210000, kIxx = 1e8, kEI = kE * kIxx;
constexpr double kRel = 1e-6;

class AnalyseBeamTest : public AnalysisTest {};

bool Contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

bool AllZero(const auto& table) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&table);
    return std::all_of(bytes, bytes + sizeof table, [](unsigned char b) { return b == 0; });
}

TEST_F(AnalyseBeamTest, UpliftingRHForkheadIsReleasedAndItsSpanBecomesTheRHCantilever) {
    const double w = 10, L = 4000;
    Analyse(BeamBuilder().Spans({L, L}).AllSupports(supForkhead).Udl(1, 0, w, L));

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Eng.ReleasedSupport[1][3], -1);
    EXPECT_EQ(Eng.ReleasedSupport[1][1] + Eng.ReleasedSupport[1][2], 0);
    EXPECT_EQ(Model.SpanCount[1], 1);
    EXPECT_EQ(Eng.RHCantileverActive[1], 1);
    EXPECT_DOUBLE_EQ(Eng.CantileverLength[1][1], L);
    EXPECT_NEAR(Eng.SupportReaction[1][1], w * L / 2, Tol(w * L / 2, kRel));
    EXPECT_NEAR(Eng.SupportReaction[1][2], w * L / 2, Tol(w * L / 2, kRel));
    EXPECT_EQ(Eng.SupportReaction[1][3], 0.0);
    EXPECT_NEAR(Eng.MomentExtremes[1][1][1], w * L * L / 8, Tol(2e7, kRel));
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], 2.0e7, Tol(2e7, kRel));
    // The unloaded cantilever turns with the span's end: its tip rises by theta L.
    const double tip = w * L * L * L / (24 * kEI) * L;
    EXPECT_NEAR(tip, 5.0794, 1e-4);
    EXPECT_NEAR(Eng.StoredCantDeflection[1][2][21], tip, Tol(tip, 1e-4));
    EXPECT_NEAR(Eng.DeflectionExtremes[1][26][1], tip, Tol(tip, 1e-4));
    EXPECT_EQ(Model.AnalysedFlag, 1);
}

TEST_F(AnalyseBeamTest, BothEndForkheadsOfShortEndSpansAreReleased) {
    // Spans 2000/6000/2000 loaded in the middle: both end supports pull down.
    Analyse(BeamBuilder().Spans({2000, 6000, 2000}).AllSupports(supForkhead).Udl(1, 2000, 10, 6000));

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Eng.ReleasedSupport[1][1], -1);
    EXPECT_EQ(Eng.ReleasedSupport[1][4], -1);
    EXPECT_EQ(Model.SpanCount[1], 1);
    EXPECT_DOUBLE_EQ(Eng.LoadcaseSpanLength[1][1], 6000);
    EXPECT_DOUBLE_EQ(Eng.CantileverLength[1][0], 2000);
    EXPECT_DOUBLE_EQ(Eng.CantileverLength[1][1], 2000);
    const double expected[] = {0, 30000, 30000, 0};
    for (int k = 1; k <= 4; ++k)
        EXPECT_NEAR(Eng.SupportReaction[1][k], expected[k - 1], Tol(30000, kRel)) << k;
    EXPECT_EQ(Txt.MemberLabel[1][0], "1");
    EXPECT_EQ(Txt.MemberLabel[1][1], "2");
    EXPECT_EQ(Txt.MemberLabel[1][2], "3 ");
}

TEST_F(AnalyseBeamTest, UpliftingInteriorForkheadMergesTheSpansBesideIt) {
    // Four spans of 4000 loaded on the end spans: the middle support lifts (-3/14 wL) and goes; the
    // spans 4000/8000/4000 left then hog by wL^2/32 over the inner supports.
    const double w = 10, L = 4000;
    Analyse(BeamBuilder().EqualSpans(4, L).AllSupports(supForkhead).Udl(1, 0, w, L).Udl(1, 12000, w, L));

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Eng.ReleasedSupport[1][3], -1);
    EXPECT_EQ(Model.SpanCount[1], 3);
    EXPECT_DOUBLE_EQ(Eng.LoadcaseSpanLength[1][2], 2 * L);
    const double end = w * L / 2 - w * L / 32, inner = w * L / 2 + w * L / 32;
    const double expected[] = {end, inner, 0, inner, end};
    for (int k = 1; k <= 5; ++k)
        EXPECT_NEAR(Eng.SupportReaction[1][k], expected[k - 1], Tol(inner, kRel)) << k;
    EXPECT_EQ(Txt.MemberLabel[1][1], "1");
    EXPECT_EQ(Txt.MemberLabel[1][2], "2 3");
    EXPECT_EQ(Txt.MemberLabel[1][3], "4");
    // Supports in the committed numbering, the released one at 0.
    EXPECT_EQ(Txt.CaseSupportLines[1][4].str(), "  1             18.750");
    EXPECT_EQ(Txt.CaseSupportLines[1][6].str(), "  3              0.000");
    EXPECT_EQ(Txt.CaseSupportLines[1][8].str(), "  5             18.750");
    // The span summary and the span data name the merged member by both its spans.
    EXPECT_EQ(Txt.CaseSupportLines[1][14].str().substr(0, 8), "  2 3   ");
    EXPECT_EQ(Txt.CaseSupportLines[1][0].str(), "17");
    EXPECT_EQ(Txt.CaseListing[1][28].str(), " Span 2 3");
    EXPECT_EQ(Txt.CaseListing[1][0].str(), "78");
}

TEST_F(AnalyseBeamTest, LoadStandingOnTheMiddleSupportGoesStraightIntoIt) {
    const double P = 10000;
    Analyse(BeamBuilder().Spans({4000, 4000}).Point(1, 4000, static_cast<float>(P)));

    EXPECT_EQ(Messages(), std::vector<std::string>{"Loadcase 1\rNo loads on beam"});
    EXPECT_DOUBLE_EQ(Eng.SupportReaction[1][1], 0);
    EXPECT_DOUBLE_EQ(Eng.SupportReaction[1][2], P);
    EXPECT_DOUBLE_EQ(Eng.SupportReaction[1][3], 0);
    // Every loadcase without load pieces: no summary and no lists.
    EXPECT_FALSE(Contains(host.calls, "FillResultsList"));
    EXPECT_EQ(Model.AnalysedFlag, 1);
}

TEST_F(AnalyseBeamTest, ResultResolutionFollowsTheLongestSpansShareOfTheBeam) {
    struct Case {
        int spans;
        double length;
        int intervals, step;
    };
    const Case cases[] = {{2, 5000, 200, 10}, {3, 3000, 80, 4}, {10, 1000, 40, 2}, {11, 1000, 20, 1}};
    for (const Case& c : cases) {
        Analyse(
            BeamBuilder().EqualSpans(c.spans, c.length).Udl(1, 0, 5, static_cast<float>(c.spans * c.length)));
        EXPECT_EQ(Model.StoredSpanIntervals, c.intervals) << c.spans;
        EXPECT_EQ(Eng.NumSpanIntervals, c.intervals) << c.spans;
        EXPECT_EQ(Eng.ResultIntervalStep, c.step) << c.spans;
        // The stores hold the RH end of the last span at point intervals + 1, and nothing beyond.
        EXPECT_LT(Eng.StoredShear[1][c.spans][c.intervals + 1], -1.0f) << c.spans;
        if (c.intervals < 200) {
            EXPECT_EQ(Eng.StoredShear[1][c.spans][c.intervals + 2], 0.0f) << c.spans;
        }
    }
    // Any span restrained at intervals keeps the finest resolution.
    BeamBuilder many = BeamBuilder().EqualSpans(11, 1000).Udl(1, 0, 5, 11000);
    Commit(many);
    Model.AnySpanIntervals = 1;
    AnalyseBeam(host);
    EXPECT_EQ(Model.StoredSpanIntervals, 200);
    EXPECT_EQ(Eng.ResultIntervalStep, 10);
}

TEST_F(AnalyseBeamTest, ResolutionIsTheSameForEveryLoadcaseOfAForkheadBeam) {
    // The 6000 span is 0.6 of the beam: 200 intervals, even in a loadcase whose releases leave
    // fewer spans than the beam has.
    Analyse(BeamBuilder().Spans({2000, 2000, 6000}).AllSupports(supForkhead).Udl(1, 4000, 10, 6000));
    EXPECT_LT(Model.SpanCount[1], 3);
    EXPECT_EQ(Model.StoredSpanIntervals, 200);
    EXPECT_EQ(Eng.ResultIntervalStep, 10);
    // Loadcase 1 ends as a simple 6000 span: its stored shear at its last point is -30000.
    EXPECT_NEAR(Eng.StoredShear[1][Model.SpanCount[1]][201], -30000, Tol(30000, kRel));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AnalyseBeamTest, LoadcaseCountIsTheHighestLoadcaseWithAUserLoad) {
    BeamBuilder beam = BeamBuilder().Spans({5000, 5000}).Udl(3, 0, 10, 10000);
    Commit(beam);
    // The self-weight alone does not make a loadcase count.
    Model.LoadTable[5][kSelfWeightRecord] = TLoadRec{};
    Model.LoadTable[5][kSelfWeightRecord][lfKind] = -1;
    Model.LoadTable[5][kSelfWeightRecord][lfW1] = Model.LoadTable[5][kSelfWeightRecord][lfW2] = 1;
    Model.LoadTable[5][kSelfWeightRecord][lfCover] = 10000;
    Model.LoadTable[5][kSelfWeightRecord][lfApplied] = 1;
    AnalyseBeam(host);

    EXPECT_EQ(Model.LoadcaseCount, 3);
    for (int lc : {1, 2}) {
        EXPECT_EQ(Txt.CaseListing[lc][0], "2");
        EXPECT_EQ(Txt.CaseListing[lc][1].str(), "LOADCASE" + std::to_string(lc));
        EXPECT_EQ(Txt.CaseListing[lc][2], "No Loads Applied");
        EXPECT_TRUE(AllZero(Eng.StoredShear[lc]));
    }
    EXPECT_NE(Txt.CaseListing[3][0], "2");
    EXPECT_NEAR(Eng.SupportReaction[3][2], 1.25 * 10 * 5000, Tol(62500, kRel));
    EXPECT_TRUE(Contains(host.calls, "SetCaseSelection All 0"));
    EXPECT_TRUE(Contains(host.calls, "ShowEnvelopeResults"));
    EXPECT_EQ(host.calls.back(), "EnableCaseSelector 3");
    EXPECT_TRUE(Contains(host.calls, "SetShownCase 3"));
    EXPECT_FALSE(Contains(host.calls, "SetShownCase 1"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AnalyseBeamTest, LargestBeamTheModelHoldsFitsEveryTable) {
    // 25 spans and both cantilevers at the finest resolution, with shear deflection.
    BeamBuilder beam = BeamBuilder().LHCantilever(1000).EqualSpans(25, 2000).RHCantilever(1000);
    beam.Section(210000, 1e8, 8e7).ShearDeflection();
    for (int lc = 1; lc <= 5; ++lc)
        beam.Udl(lc, 0, static_cast<float>(lc), 52000).Point(lc, 26000, 1000, 1.5f);
    Commit(beam);
    Model.AnySpanIntervals = 1;
    AnalyseBeam(host);

    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Model.StoredSpanIntervals, 200);
    EXPECT_EQ(Eng.ShearPolyline[5][0].x, 3 * 201 + 25 * 3 * 201 + 2 * 201 + 1);
    EXPECT_EQ(Eng.MomentPolyline[5][0].x, 27 * 201 + 1);
    EXPECT_EQ(Eng.DeflectionPolyline[5][0][0], 27 * 21);
    EXPECT_NEAR(StoredReactionSum(5), 5 * 52000 + 1500, 1e-4 * 5 * 52000);
    EXPECT_EQ(Txt.CaseListing[5][0].str(), "679");
    EXPECT_EQ(Txt.CaseSupportLines[5][0].str(), "61");
    EXPECT_EQ(Model.AnalysedFlag, 1);
}

TEST_F(AnalyseBeamTest, NoLoadsAnywhereStillFinishesTheAnalysis) {
    Analyse(BeamBuilder().Spans({5000}));
    EXPECT_EQ(Model.LoadcaseCount, 1);
    EXPECT_EQ(Txt.CaseListing[1][0], "2");
    EXPECT_TRUE(Messages().empty());
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[1], 1e-12f);
    EXPECT_EQ(Model.AnalysedFlag, 1);
    EXPECT_TRUE(Contains(host.calls, "DrawDiagrams"));
}

// Random beams: spans, cantilevers, support kinds, point and trapezoidal loads, load factors.
TEST_F(AnalyseBeamTest, RandomBeamsCarryTheirLoadsToTheSupports) {
    std::mt19937 random(5975);
    auto uniform = [&](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    int checkedCases = 0;
    for (int trial = 0; trial < 40; ++trial) {
        BeamBuilder beam;
        const int n = pick(1, 20);
        std::vector<double> spans;
        for (int i = 0; i < n; ++i)
            spans.push_back(std::round(uniform(1000, 8000)));
        const double lh = pick(0, 1) ? std::round(uniform(500, 3000)) : 0;
        const double rh = pick(0, 1) ? std::round(uniform(500, 3000)) : 0;
        beam.LHCantilever(lh).Spans(spans).RHCantilever(rh);
        const int supportKind = pick(0, 3);
        const float spring = 210000.0f * 1e8f / 2000;
        if (supportKind == 1) beam.Support(1, supFixedEnd).Support(n + 1, supFixedEnd);
        if (supportKind == 2)
            beam.Support(1, supCouplerTop, spring).Support(n + 1, supCouplerMid, 2 * spring);
        if (supportKind == 2 && n > 1) beam.Support(2, supCouplerMid, 2 * spring);
        if (supportKind == 3) {
            beam.AllSupports(supForkhead);
            if (pick(0, 1)) beam.Support(n + 1, supFixedEnd);
        }
        if (pick(0, 1)) beam.Section(210000, 1e8, 8e7).ShearDeflection();

        std::vector<double> supports{lh};
        for (double L : spans)
            supports.push_back(supports.back() + L);
        const double length = supports.back() + rh;
        const int loads = pick(1, 50);
        for (int i = 0; i < loads; ++i) {
            const int lc = pick(1, 5);
            const float LF = static_cast<float>(pick(0, 1) ? 1.0 : uniform(1.0, 1.6));
            if (pick(0, 1)) {
                // Now and then exactly on a support.
                const double a =
                    pick(0, 4) == 0 ? supports[static_cast<std::size_t>(pick(0, n))] : uniform(0, length);
                beam.Point(lc, static_cast<float>(a), static_cast<float>(uniform(500, 20000)), LF);
            } else {
                const double a = uniform(0, length - 100);
                const double c = uniform(100, length - a);
                beam.Distributed(lc, static_cast<float>(a), static_cast<float>(uniform(0, 20)),
                                 static_cast<float>(uniform(0, 20)), static_cast<float>(c), LF);
            }
        }
        dialogs->clear();
        Analyse(beam);

        bool unstable = false;
        for (const std::string& m : Messages()) {
            if (m.find("Beam is unstable") != std::string::npos) {
                unstable = true;
                continue;
            }
            // Couplers at the ends or the first interior support carry moment: the warning lists them.
            if (m.starts_with("Moment on double coupler exceeds 0.4 kN for\r")) continue;
            EXPECT_NE(m.find("No loads on beam"), std::string::npos) << "trial " << trial << ": " << m;
        }
        for (int lc = 1; lc <= Model.LoadcaseCount && !unstable; ++lc) {
            double applied = 0;
            for (int r = 1; r <= kSelfWeightRecord; ++r) {
                const TLoadRec& rec = Model.LoadTable[lc][r];
                if (rec[lfApplied] != 1.0f) continue;
                applied += rec[lfKind] == 1.0f ? rec[lfP] * rec[lfLF]
                                               : (rec[lfW1] + rec[lfW2]) / 2.0 * rec[lfCover] * rec[lfLF];
            }
            if (applied == 0) continue;
            const double ratio = applied / StoredReactionSum(lc);
            EXPECT_GE(ratio, 0.9995) << "trial " << trial << " loadcase " << lc;
            EXPECT_LE(ratio, 1.0005) << "trial " << trial << " loadcase " << lc;
            ++checkedCases;
        }
    }
    EXPECT_GT(checkedCases, 80);
}

TEST_F(AnalyseBeamTest, FixedEndOfAForkheadBeamHoldsDown) {
    // Span 2 loaded: the fixed LH end of the unloaded span 1 pulls down, but it is not a forkhead.
    const double w = 10, L = 4000;
    Analyse(BeamBuilder().Spans({L, L}).AllSupports(supForkhead).Support(1, supFixedEnd).Udl(1, 4000, w, L));

    EXPECT_TRUE(AllZero(Eng.ReleasedSupport));
    EXPECT_EQ(Model.SpanCount[1], 2);
    EXPECT_EQ(Eng.LHCantileverActive[1], 0);
    // Fixed-pinned span 1 and pinned-pinned span 2 meet at a hogging moment of w L^2 / 14.
    const double M = w * L * L / 14;
    EXPECT_NEAR(Eng.SupportReaction[1][1], -1.5 * M / L, Tol(M / L, 1e-5));
    EXPECT_NEAR(StoredReactionSum(1), w * L, Tol(w * L, 1e-6));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AnalyseBeamTest, UpliftIsJudgedWithoutLoadFactorsOnBothSides) {
    // Span 1 loaded pulls the RH end up by w L / 16 = 100 N; 80 N stand on it with a factor 1.5.
    // Unfactored the support lifts (-20 N) and goes; the 80 N then hang on the cantilever's tip.
    const double w = 0.4, L = 4000, P = 80, LF = 1.5;
    Analyse(BeamBuilder()
                .Spans({L, L})
                .AllSupports(supForkhead)
                .Udl(1, 0, static_cast<float>(w), static_cast<float>(L))
                .Point(1, 8000, static_cast<float>(P), static_cast<float>(LF)));

    EXPECT_EQ(Eng.ReleasedSupport[1][3], -1);
    EXPECT_EQ(Eng.RHCantileverActive[1], 1);
    const double tipLoad = P * LF;
    EXPECT_NEAR(Eng.SupportReaction[1][1], w * L / 2 - tipLoad, 1e-6 * w * L);
    EXPECT_NEAR(Eng.SupportReaction[1][2], w * L / 2 + 2 * tipLoad, 1e-6 * w * L);
    EXPECT_EQ(Eng.SupportReaction[1][3], 0.0);
    EXPECT_NEAR(Eng.StoredCantMoment[1][2][1], -tipLoad * L, 1e-6 * tipLoad * L);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AnalyseBeamTest, SpanExtremesComeFromTheFactoredDiagramsOnly) {
    // A load factor below 1 makes the unfactored first solve the larger one.
    const double w = 10, L = 4000;
    Analyse(BeamBuilder().Spans({L, L}).Udl(1, 0, static_cast<float>(w), static_cast<float>(2 * L), 0.5f));
    const double sagging = 0.5 * 9 * w * L * L / 128, hogging = -0.5 * w * L * L / 8;
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], sagging, Tol(sagging, 1e-4));
    EXPECT_NEAR(Eng.SpanMinMoment[1][1], hogging, Tol(hogging, 1e-6));
}

TEST_F(AnalyseBeamTest, EarlierResultsDoNotSurviveInLoadcasesNotReached) {
    BeamBuilder two = BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000).Udl(2, 0, 5, 5000);
    Commit(two);
    Model.SteelSectionFlag = 1;
    AnalyseBeam(host);
    ASSERT_FALSE(AllZero(Eng.StoredShear[2]));
    ASSERT_FALSE(Txt.SteelCheckLines[2][0].empty());

    BeamBuilder one = BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000);
    Commit(one);
    Model.SteelSectionFlag = 1;
    AnalyseBeam(host);
    EXPECT_EQ(Model.LoadcaseCount, 1);
    EXPECT_TRUE(AllZero(Eng.StoredShear[2]));
    EXPECT_TRUE(AllZero(Eng.StoredMoment[2]));
    EXPECT_TRUE(AllZero(Eng.StoredDeflection[2]));
    EXPECT_TRUE(AllZero(Eng.ShearPolyline[2]));
    EXPECT_TRUE(AllZero(Eng.EnvelopeIntervalValues[2]));
    EXPECT_TRUE(AllZero(Eng.EnvelopeTable[2]));
    EXPECT_TRUE(AllZero(Eng.SupportReaction[2]));
    EXPECT_TRUE(Txt.SteelCheckLines[2][0].empty());
    EXPECT_FALSE(Txt.SteelCheckLines[1][0].empty());
}

TEST_F(AnalyseBeamTest, UnstableBeamStopsTheAnalysisWithItsMessage) {
    // Forkheads with a LH cantilever: a load on the cantilever's tip lifts the supports beyond it
    // one after the other until one is left.
    Analyse(BeamBuilder()
                .LHCantilever(2000)
                .Spans({4000, 4000})
                .AllSupports(supForkhead)
                .Udl(1, 2000, 10, 8000)
                .Point(2, 0, 1000)
                .Udl(3, 0, 10, 10000));

    EXPECT_EQ(Messages(), std::vector<std::string>{"  ERROR         \r\rLoadcase 2   Beam is unstable"});
    EXPECT_EQ(Model.AnalysedFlag, 0);
    EXPECT_FALSE(AllZero(Eng.StoredShear[1]));
    EXPECT_TRUE(AllZero(Eng.StoredShear[2]));
    EXPECT_TRUE(AllZero(Eng.StoredCantShear[2]));
    EXPECT_TRUE(AllZero(Eng.StoredShear[3]));
    EXPECT_EQ(host.calls.back(), "FillImageBlack");
    EXPECT_FALSE(Contains(host.calls, "DrawDiagrams"));
}

TEST_F(AnalyseBeamTest, RefusesMembersAndSectionsTheSolverCannotUse) {
    struct Case {
        void (*spoil)();
        const char* message;
    };
    const Case cases[] = {
        {[] { Model.SpanData[2][mfL] = 0; },
         " ERROR  \r Length of span 2 must be greater than 0\r Beam not analysed"},
        {[] { Model.SpanData[1][mfL] = -5; },
         " ERROR  \r Length of span 1 must be greater than 0\r Beam not analysed"},
        {[] { Model.SpanData[kLHCantRow][mfL] = 0; },
         " ERROR  \r Length of LH cantilever must be greater than 0\r Beam not analysed"},
        {[] { Model.SpanData[kRHCantRow][mfL] = std::nanf(""); },
         " ERROR  \r Length of RH cantilever must be greater than 0\r Beam not analysed"},
        {[] { Model.SpanData[1][mfE] = 0; }, " ERROR  \r E must be greater than 0\r Beam not analysed"},
        {[] { Model.SpanData[1][mfIxx] = -1e8f; },
         " ERROR  \r Ixx must be greater than 0\r Beam not analysed"},
        {[] { Model.SpanData[1][mfGA] = 0; },
         " ERROR  \r GA must be greater than 0 for shear deflection\r Beam not analysed"},
        {[] { Model.SpanCount[0] = 0; }, " ERROR  \r Number of spans must be 1 to 25\r Beam not analysed"},
        {[] { Model.SpanCount[0] = 26; }, " ERROR  \r Number of spans must be 1 to 25\r Beam not analysed"},
        {[] { Model.BeamLength = -1; }, " ERROR  \r Beam length must be greater than 0\r Beam not analysed"},
    };
    for (const Case& c : cases) {
        Analyse(BeamBuilder()
                    .LHCantilever(1000)
                    .Spans({4000, 4000})
                    .RHCantilever(1000)
                    .Section(210000, 1e8, 8e7)
                    .ShearDeflection()
                    .Udl(1, 0, 10, 10000));
        ASSERT_EQ(Model.AnalysedFlag, 1);
        const float shear = Eng.StoredShear[1][1][1];
        const std::string listing = Txt.CaseListing[1][0].str();
        dialogs->clear();
        host.calls.clear();
        Model.AnalysedFlag = 7;
        c.spoil();
        AnalyseBeam(host);
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message});
        EXPECT_TRUE(host.calls.empty()) << c.message;
        EXPECT_EQ(Model.AnalysedFlag, 7);
        EXPECT_EQ(Eng.StoredShear[1][1][1], shear);
        EXPECT_EQ(Txt.CaseListing[1][0].str(), listing);
    }
}

TEST_F(AnalyseBeamTest, WithoutABeamNothingHappens) {
    Analyse(BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000));
    host.calls.clear();
    Model.BeamLength = 0;
    Model.CheckAbortFlag = 1;
    Model.AnalysedFlag = 7;
    AnalyseBeam(host);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Model.CheckAbortFlag, 0);
    EXPECT_EQ(Model.AnalysedFlag, 7);
}

// Notes which texts exist when the results list is filled and when the analysis ends.
class TextOrderHost : public RecordingHost {
public:
    void FillResultsList() override {
        RecordingHost::FillResultsList();
        summaryBeforeList = LineCount(Txt.SummaryLines) > 0;
        envelopeBeforeList = LineCount(Txt.EnvelopeLines) > 0;
        loadsListedBeforeList = LineCount(Txt.LoadListLines) > 0;
    }
    void EnableCaseSelector(int maxCase) override {
        RecordingHost::EnableCaseSelector(maxCase);
        loadsListedAtEnd = LineCount(Txt.LoadListLines) > 0;
        messagesAtEnd = dynamic_cast<ScriptedDialogs&>(dlg()).messages().size();
    }
    bool summaryBeforeList = false, envelopeBeforeList = false, loadsListedBeforeList = false;
    bool loadsListedAtEnd = false;
    std::size_t messagesAtEnd = 0;
};

TEST_F(AnalyseBeamTest, TheWindowSeesItsStepsInOrderUnderTheHourglass) {
    // A coupler at the first interior support; only span 1 is loaded, so the coupler takes moment.
    Commit(BeamBuilder().Spans({5000, 5000}).Support(2, supCouplerTop, 1e10f).Udl(1, 0, 10, 5000));
    TextOrderHost order;
    AnalyseBeam(order);

    const std::vector<std::string> expected = {"EmptyResultLists",
                                               "ShowCaseSelector",
                                               "FillImageBlack",
                                               "EnableFileMenus",
                                               "ResetImageRect",
                                               "FillImageBlack",
                                               "SetCaseSelection 1 1",
                                               "SetShownCase 1",
                                               "DrawLoads",
                                               "DrawBeam",
                                               "DrawDiagrams",
                                               "ShowCaseResults",
                                               "FillResultsList",
                                               "EnableCaseSelector 1"};
    EXPECT_EQ(order.calls, expected);
    EXPECT_TRUE(order.withoutHourglass.empty());
    EXPECT_EQ(BusyCursor::depth(), 0);
    EXPECT_EQ(Model.ShownCaseMode, 0);
    EXPECT_EQ(Eng.CurrentCase, 2);
    // The envelope text and the summary come before the list is filled, the loads listing after
    // it, and the coupler warning last.
    EXPECT_TRUE(order.summaryBeforeList);
    EXPECT_TRUE(order.envelopeBeforeList);
    EXPECT_FALSE(order.loadsListedBeforeList);
    EXPECT_TRUE(order.loadsListedAtEnd);
    EXPECT_EQ(order.messagesAtEnd, 1u);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "Moment on double coupler exceeds 0.4 kN for\rLoadcase 1 Support 2\r");

    // A coupler at another interior support alone gives no warning; forkheads give no envelope.
    dialogs->clear();
    Analyse(BeamBuilder().EqualSpans(3, 4000).Support(3, supCouplerMid, 1e10f).Udl(1, 0, 10, 4000));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Txt.KxCheckLines[1][0], "");
    EXPECT_EQ(Txt.EnvelopeLines[0], "79");
    Analyse(BeamBuilder().EqualSpans(3, 4000).AllSupports(supForkhead).Udl(1, 0, 10, 12000));
    EXPECT_EQ(Txt.EnvelopeLines[0], "0");
    EXPECT_GT(LineCount(Txt.SummaryLines), 0);
}

TEST_F(AnalyseBeamTest, SteelCheckStopEndsTheAnalysisAfterItsLoadcase) {
    BeamBuilder beam = BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000).Udl(2, 0, 5, 5000);
    Commit(beam);
    Model.SteelSectionFlag = 1;
    Model.SectionShape = "Beam";
    Model.SpanData[1][mfRy] = 10;
    Model.EffLength[1][0] = 5000; // Le/ry 500: beyond the table
    AnalyseBeam(host);

    EXPECT_EQ(Messages(), std::vector<std::string>{" Le/r exceeds max value for table A1"});
    EXPECT_EQ(Model.AnalysedFlag, 0);
    EXPECT_EQ(Model.CheckAbortFlag, 1);
    EXPECT_FALSE(AllZero(Eng.StoredShear[1]));
    EXPECT_NE(Txt.CaseSupportLines[1][0], "0");
    EXPECT_EQ(Txt.CaseListing[1][0], "2"); // the span data is not written
    EXPECT_TRUE(AllZero(Eng.StoredShear[2]));
    EXPECT_FALSE(Contains(host.calls, "DrawDiagrams"));
    EXPECT_EQ(BusyCursor::depth(), 0);
}

TEST_F(AnalyseBeamTest, ALoadcasePassThatFailsLeavesNothingStored) {
    // Loadcase 2 holds an applied record whose kind is no whole number the listing can read.
    BeamBuilder beam = BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000).Udl(2, 0, 5, 5000);
    Commit(beam);
    Model.LoadTable[2][2][lfKind] = 3e9f;
    Model.LoadTable[2][2][lfApplied] = 1.0f;
    Model.MemberType = "Timber";
    EXPECT_THROW(AnalyseBeam(host), ConvertError);

    EXPECT_EQ(Model.AnalysedFlag, 0);
    EXPECT_FALSE(AllZero(Eng.StoredShear[1]));
    EXPECT_TRUE(AllZero(Eng.StoredShear[2]));
    EXPECT_TRUE(AllZero(Eng.SupportReaction[2]));
    EXPECT_TRUE(AllZero(Eng.MomentPolyline[2]));
    EXPECT_TRUE(AllZero(Eng.MomentExtremes[2]));
    EXPECT_TRUE(Txt.CaseSupportLines[2][0].empty());
    EXPECT_EQ(BusyCursor::depth(), 0);
}

TEST_F(AnalyseBeamTest, ShearDeflectionChangesOnlyTheDeflections) {
    auto beam = [](bool shear) {
        return BeamBuilder()
            .LHCantilever(1500)
            .Spans({5000, 3000})
            .RHCantilever(1000)
            .Section(210000, 1e8, 2e7)
            .ShearDeflection(shear)
            .Udl(1, 0, 10, 10500)
            .Point(1, 6000, 20000);
    };
    Analyse(beam(false));
    const auto shear = Eng.StoredShear[1];
    const auto reactions = Eng.SupportReaction[1];
    const auto deflection = Eng.StoredDeflection[1];
    Analyse(beam(true));
    EXPECT_EQ(Eng.StoredShear[1], shear);
    EXPECT_EQ(Eng.SupportReaction[1], reactions);
    EXPECT_NE(Eng.StoredDeflection[1], deflection);
    EXPECT_LT(Eng.StoredDeflection[1][1][11], deflection[1][11]); // more sag mid-span
    EXPECT_EQ(Txt.CaseListing[1][3], "              (deflection values include shear deflection)");
}

TEST_F(AnalyseBeamTest, EquilibriumMismatchIsReportedPerLoadcase) {
    Commit(BeamBuilder().Spans({5000}));
    Model.LoadcaseCount = 3;
    Model.TotalAppliedLoad[1] = 1100;
    Eng.SupportReaction[1][1] = 600;
    Eng.SupportReaction[1][2] = 400;
    Model.TotalAppliedLoad[2] = 1000.4f;
    Eng.SupportReaction[2][2] = 1000;
    Model.TotalAppliedLoad[3] = 0;
    CheckEquilibrium();
    EXPECT_EQ(Messages(),
              std::vector<std::string>{" ERROR  \r Loadcase  1\r Total applied load / Total support "
                                       "reactions = 1.10"});
    EXPECT_FLOAT_EQ(Eng.SupportReactionSum[1], 1000);
    EXPECT_FLOAT_EQ(Model.TotalAppliedLoad[3], 1e-12f);
    EXPECT_FLOAT_EQ(Eng.SupportReactionSum[3], 1e-12f);
}

TEST_F(AnalyseBeamTest, CaseAppliedLoadCountsTheFirst25Records) {
    BeamBuilder beam = BeamBuilder().Spans({50000});
    for (int i = 0; i < 26; ++i)
        beam.Point(2, 1000.0f + i, 100, 1.5f);
    beam.Distributed(2, 0, 2, 4, 1000, 2);
    Commit(beam);
    // Record 26 is a point load and record 27 the distributed one: neither counts.
    Model.LoadTable[1][1] = Model.LoadTable[2][27];
    CalcTotalAppliedLoads();
    EXPECT_DOUBLE_EQ(Model.CaseAppliedLoad[2], 25 * 150.0);
    EXPECT_DOUBLE_EQ(Model.CaseAppliedLoad[1], 3 * 1000 * 2.0);
    EXPECT_DOUBLE_EQ(Model.CaseAppliedLoad[3], 0);
}

} // namespace

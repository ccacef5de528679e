// The analysis driver against closed forms, equilibrium and the window steps it asks for.
#include "engine/AnalyseBeam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

#include "engine/AnalysisFixture.h"
#include "engine/RandomBeams.h"
#include "platform/Errors.h"
#include "window/ResultListings.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr double kEI = 210000 * 1e8;
constexpr double kRel = 1e-6;

class AnalyseBeamTest : public AnalysisTest {
protected:
    // The equilibrium check run with the reaction set to each value: silent where no ratio is
    // given, else its error with that ratio.
    void ExpectEquilibriumCheck(double& reaction,
                                std::initializer_list<std::pair<double, std::string>> cases) {
        for (const auto& [value, ratio] : cases) {
            dialogs->clear();
            reaction = value;
            CheckEquilibrium();
            EXPECT_EQ(Messages(), ratio.empty()
                                      ? std::vector<std::string>{}
                                      : std::vector<std::string>{" ERROR  \r Loadcase  1\r Total applied "
                                                                 "load / Total support reactions = " +
                                                                 ratio})
                << value;
        }
    }
};

bool AllZero(const auto& table) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&table);
    return std::all_of(bytes, bytes + sizeof table, [](unsigned char b) { return b == 0; });
}

TEST_F(AnalyseBeamTest, UpliftingForkheadsAreReleased) {
    const double w = 10, L = 4000, M = w * L * L / 14, end = w * L / 2 - w * L / 32,
                 in = w * L / 2 + w * L / 32;
    // The tie case below, left on supports 1, 4 and 6 (spans L1 and L2, tip moments Mt, w over the
    // last 1000 of L1): the three-moment equation gives the moment over support 4, statics the rest.
    const double L1 = 11000, L2 = 10000, Mt = -1.5e7;
    auto F = [&](double x) { return L1 * L1 * x * x / 2 - x * x * x * x / 4; };
    const double M4 = (-w / L1 * (F(11000) - F(10000)) - Mt * (L1 + L2)) / (2 * (L1 + L2));
    const double R1 = 15000 + (M4 - Mt + 10000 * 500) / L1, R6 = 15000 + (M4 - Mt) / L2;
    const struct {
        BeamBuilder beam;
        std::vector<int> released; // supports marked -1 in ReleasedSupport, and nothing else marked
        int spans;
        std::string label2; // member row 2 as the listing names it
        std::vector<double> reactions;
        double tol;
    } cases[] = {
        // clang-format off
        // Spans 2000/6000/2000 loaded in the middle: both end supports pull down.
        {BeamBuilder().Spans({2000, 6000, 2000}).AllSupports(supForkhead).Udl(1, 2000, w, 6000),
         {1, 4}, 1, "3 ", {0, 30000, 30000, 0}, Tol(30000, kRel)},
        // Four spans loaded on the end spans: the middle support lifts (-3/14 wL) and goes; the spans
        // 4000/8000/4000 left then hog by wL^2/32 over the inner supports.
        {BeamBuilder().EqualSpans(4, L).AllSupports(supForkhead).Udl(1, 0, w, L).Udl(1, 12000, w, L),
         {3}, 3, "2 3", {end, in, 0, in, end}, Tol(in, kRel)},
        // A fixed LH end pulls down under a load on span 2 but is no forkhead: fixed-pinned span 1 and
        // pinned-pinned span 2 meet at a hogging moment M = w L^2 / 14.
        {BeamBuilder().Spans({L, L}).AllSupports(supForkhead).Support(1, supFixedEnd).Udl(1, 4000, w, L),
         {}, 2, "2", {-1.5 * M / L, w * L / 2 + 2.5 * M / L, w * L / 2 - M / L}, Tol(M / L, 1e-5)},
        // Span 1 under 0.4 N/mm lifts the RH end by w L / 16 = 100 N while 80 N stand on it with a
        // factor 1.5: unfactored the support lifts (-20 N) and goes; the 120 N then hang on the tip.
        {BeamBuilder().Spans({L, L}).AllSupports(supForkhead).Udl(1, 0, 0.4f, L).Point(1, 8000, 80, 1.5f),
         {3}, 1, "2 ", {800 - 120, 800 + 240, 0}, 1e-6 * 1600},
        // 150 N standing on it hold it down: R3 = -100 + 150 = 50, R1 = 800 - 100, R2 = 800 + 200.
        {BeamBuilder().Spans({L, L}).AllSupports(supForkhead).Udl(1, 0, 0.4f, L).Point(1, 8000, 150),
         {}, 2, "2", {700, 1000, 50}, 1e-6 * 1600},
        // Symmetric, 15000 N on 1000 tips, w on the short middle span: supports 2 and 5 lift equally;
        // the first goes, then 3, then 5 (had 5 gone first, 4 and then 2 would have followed).
        {BeamBuilder().LHCantilever(1000).Spans({5000, 5000, 1000, 5000, 5000}).RHCantilever(1000)
             .AllSupports(supForkhead).Point(1, 0, 15000).Point(1, 23000, 15000).Udl(1, 11000, w, 1000),
         {2, 3, 5}, 2, "4 5", {R1, 0, 0, 40000 - R1 - R6, 0, R6}, Tol(R1, kRel)},
        // The same held down by 4000 N on the tip of a 1000 RH cantilever: over the middle support
        // -w L^2 / 16 + 4e6 / 4 = -9e6, so the RH end carries 4000 + (-9e6 + 4e6) / L = 2750.
        {BeamBuilder().Spans({L, L}).RHCantilever(1000).AllSupports(supForkhead).Udl(1, 0, w, L)
             .Point(1, 9000, 4000), {}, 2, "2", {17750, 23500, 2750}, Tol(23500, kRel)},
        // Held down by 2 N/mm over the whole 1000 RH cantilever, whose shear falls off outward: its
        // full root shear qc = 2000 decides. Over support 2 -9.1 L^2/16 + q c^2/8 = -8.85e6, over 3
        // -q c^2/2 = -1e6; R3 = 2000 + (-8.85e6 + 1e6)/L = 37.5 (the shear one step out, 1900, would
        // lift it), R1 = 9.1 L/2 - 8.85e6/L = 15987.5, R2 = 36400 + 2000 - R1 - R3 = 22375.
        {BeamBuilder().Spans({L, L}).RHCantilever(1000).AllSupports(supForkhead).Udl(1, 0, 9.1f, L)
             .Udl(1, 8000, 2, 1000), {}, 2, "2", {15987.5, 22375, 37.5}, Tol(22375, kRel)},
        // The mirror at the LH end: 2 N/mm over the whole 1000 LH cantilever, 9.1 N/mm on span 2. Over
        // support 1 -q c^2/2 = -1e6, over support 2 -9.1 L^2/16 + q c^2/8 = -8.85e6 (three moments);
        // span 1 carries (-8.85e6 + 1e6)/L = -1962.5 at support 1, which the root shear qc = 2000
        // holds down: R1 = 37.5. R3 = 9.1 L/2 - 8.85e6/L = 15987.5, R2 = 38400 - R1 - R3 = 22375.
        {BeamBuilder().LHCantilever(1000).Spans({L, L}).AllSupports(supForkhead).Udl(1, 0, 2, 1000)
             .Udl(1, 5000, 9.1f, L), {}, 2, "2", {37.5, 22375, 15987.5}, Tol(22375, kRel)},
        // Span 1 alone loaded: the RH support lifts and span 2 becomes the RH cantilever.
        {BeamBuilder().Spans({L, L}).AllSupports(supForkhead).Udl(1, 0, w, L),
         {3}, 1, "2 ", {w * L / 2, w * L / 2, 0}, Tol(w * L / 2, kRel)},
        // clang-format on
    };
    for (const auto& c : cases) {
        Analyse(c.beam);
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        EXPECT_TRUE(Messages().empty());
        std::vector<int> released;
        for (int k = 1; k <= kMaxSupports; ++k)
            if (Eng.ReleasedSupport[1][k] != 0) released.push_back(Eng.ReleasedSupport[1][k] == -1 ? k : -k);
        EXPECT_EQ(released, c.released);
        EXPECT_EQ(Model.SpanCount[1], c.spans);
        EXPECT_EQ(Txt.MemberLabel[1][2], c.label2);
        for (std::size_t k = 0; k < c.reactions.size(); ++k)
            EXPECT_NEAR(Eng.SupportReaction[1][static_cast<int>(k) + 1], c.reactions[k], c.tol) << k + 1;
        EXPECT_EQ(Model.AnalysedFlag, 1);
    }
    EXPECT_EQ(Eng.RHCantileverActive[1], 1);
    EXPECT_DOUBLE_EQ(Eng.CantileverLength[1][1], L);
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], 2e7, Tol(2e7, kRel));
    // The unloaded cantilever turns with the span's end: its tip rises by theta L.
    const double tip = w * L * L * L / (24 * kEI) * L;
    EXPECT_NEAR(tip, 5.0794, 1e-4);
    EXPECT_NEAR(Eng.StoredCantDeflection[1][2][21], tip, Tol(tip, 1e-4));
    EXPECT_NEAR(Eng.DeflectionExtremes[1][26][1], tip, Tol(tip, 1e-4));
}

TEST_F(AnalyseBeamTest, LoadStandingOnTheMiddleSupportGoesStraightIntoIt) {
    // On forkheads: the end supports carry nothing, which is no uplift, so neither goes.
    Analyse(BeamBuilder().Spans({4000, 4000}).AllSupports(supForkhead).Point(1, 4000, 10000));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Loadcase 1\rNo loads on beam"});
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(Eng.SupportReaction[1][k], k == 2 ? 10000 : 0) << k;
        EXPECT_EQ(Eng.ReleasedSupport[1][k], 0) << k;
    }
    EXPECT_EQ(host.lists, 0); // no loadcase with pieces: no lists
    EXPECT_EQ(Model.AnalysedFlag, 1);
    // The equilibrium check is silent within 0.9995..1.0005 of the applied load and speaks beyond.
    ExpectEquilibriumCheck(Eng.SupportReaction[1][2],
                           {{10004, ""}, {9996, ""}, {10006, "0.999"}, {9994, "1.00"}});
}

// Loads that cancel are in equilibrium with reactions that cancel: no error, whatever rounding
// leaves of the totals. Reactions by statics; a mismatch beyond 0.05 % of the loads still speaks.
TEST_F(AnalyseBeamTest, LoadsThatCancelAreInEquilibrium) {
    const double MB = -(4e6 * (9e6 - 640000) - 1.5e6 * (9e6 - 90000)) / 3000 / 14000;
    const struct {
        BeamBuilder beam;
        std::vector<double> reactions;
    } cases[] = {
        // Simply supported 3000: +5000 at 2200, -5000 at 1200.
        {BeamBuilder().Spans({3000}).Point(1, 2200, 5000).Point(1, 1200, -5000), {-5000.0 / 3, 5000.0 / 3}},
        // Two equal spans, +2 N/mm on one and -2 N/mm on the other: antisymmetric, so no moment
        // over the middle support and each span carries its own load.
        {BeamBuilder().EqualSpans(2, 4000).Udl(1, 0, 2, 4000).Udl(1, 4000, -2, 4000), {4000, 0, -4000}},
        // Spans 3000 and 4000, +5000 at 800 and -5000 at 300 (factor 1): three moments give
        // M_B = -(5000 x 800 x (3000^2 - 800^2) - 5000 x 300 x (3000^2 - 300^2)) / 3000 / 14000.
        {BeamBuilder().Spans({3000, 4000}).Point(1, 800, 5000).Point(1, 300, -5000),
         {-2500.0 / 3 + MB / 3000, 2500.0 / 3 - MB / 3000 - MB / 4000, MB / 4000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        dialogs->clear();
        Analyse(c.beam);
        EXPECT_EQ(Messages(), std::vector<std::string>{});
        for (std::size_t k = 0; k < c.reactions.size(); ++k)
            EXPECT_NEAR(Eng.SupportReaction[1][static_cast<int>(k) + 1], c.reactions[k], 1e-3) << k + 1;
    }
    // The last beam's reactions 4.5 N out (within 0.05 % of its 10000 N of loads) and 5.5 N out.
    const double r1 = Eng.SupportReaction[1][1];
    ExpectEquilibriumCheck(Eng.SupportReaction[1][1], {{r1 + 4.5, ""}, {r1 + 5.5, "0.00"}});
}

TEST_F(AnalyseBeamTest, ResultResolutionFollowsTheLongestSpansShareOfTheBeam) {
    const struct {
        int spans;
        double length;
        int intervals, step;
    } cases[] = {{2, 5000, 200, 10}, {3, 3000, 80, 4}, {10, 1000, 40, 2}, {11, 1000, 20, 1}};
    for (const auto& c : cases) {
        Analyse(
            BeamBuilder().EqualSpans(c.spans, c.length).Udl(1, 0, 5, static_cast<float>(c.spans * c.length)));
        EXPECT_EQ(Model.StoredSpanIntervals, c.intervals) << c.spans;
        EXPECT_EQ(Eng.NumSpanIntervals, c.intervals) << c.spans;
        EXPECT_EQ(Eng.ResultIntervalStep, c.step) << c.spans;
        // The stores hold the RH end of the last span at point intervals + 1, and nothing beyond.
        EXPECT_LT(Eng.StoredShear[1][c.spans][c.intervals + 1], -1.0f) << c.spans;
        EXPECT_EQ(c.intervals < 200 ? Eng.StoredShear[1][c.spans][c.intervals + 2] : 0.0f, 0.0f) << c.spans;
    }
    // The committed spans decide, the same for every loadcase: the 6000 span is 0.6 of the beam,
    // even in a loadcase whose releases leave it a simple span (last stored shear -30000).
    Analyse(BeamBuilder().Spans({2000, 2000, 6000}).AllSupports(supForkhead).Udl(1, 4000, 10, 6000));
    EXPECT_LT(Model.SpanCount[1], 3);
    EXPECT_EQ(Model.StoredSpanIntervals, 200);
    EXPECT_EQ(Eng.ResultIntervalStep, 10);
    EXPECT_NEAR(Eng.StoredShear[1][Model.SpanCount[1]][201], -30000, Tol(30000, kRel));
}

TEST_F(AnalyseBeamTest, ResultResolutionOnEachSideOfEveryBandBoundary) {
    // Longest span / beam length, the longest span last: 0.5 and above 200, from 0.4 100, from 0.2
    // 80, from 0.1 40, below 20. A ratio held in single precision on a boundary is not below it.
    const struct {
        std::vector<double> spans;
        int intervals, step;
    } cases[] = {
        {{2505, 2505, 4990}, 100, 5}, // 0.499
        {{3000, 3000, 4000}, 100, 5}, // 0.4
        {{3005, 3005, 3990}, 80, 4},  // 0.399
        {{2000, 2000, 2000, 2000, 2000}, 80, 4},
        {{5, 1999, 1999, 1999, 1999, 1999}, 40, 2},                     // 0.1999
        {{5, 999, 999, 999, 999, 999, 999, 999, 999, 999, 999}, 20, 1}, // 0.0999
    };
    for (const auto& c : cases) {
        double length = 0;
        for (double L : c.spans)
            length += L;
        SCOPED_TRACE(c.spans.back() / length);
        Analyse(BeamBuilder().Spans(c.spans).Udl(1, 0, 5, static_cast<float>(length)));
        EXPECT_EQ(Model.StoredSpanIntervals, c.intervals);
        EXPECT_EQ(Eng.ResultIntervalStep, c.step);
    }
    // A span restrained at intervals asks for the finest whatever the spans' shares.
    Commit(BeamBuilder().EqualSpans(11, 1000).Udl(1, 0, 5, 11000));
    Model.AnySpanIntervals = 1;
    AnalyseBeam(host);
    EXPECT_EQ(Model.StoredSpanIntervals, 200);
    EXPECT_EQ(Eng.ResultIntervalStep, 10);
}

TEST_F(AnalyseBeamTest, EveryLoadcaseUpToTheFifthIsSolvedOnItsOwnLoads) {
    // A 5 m span: loadcase 1 1000 N at 1 m, 2 2000 N at 2.5 m, 3 nothing, 4 1 N/mm throughout,
    // 5 3000 N at 4 m with a factor 1.5. Reactions P b / L and P a / L; loadcase 5 has the
    // largest moment and RH reaction of all.
    Analyse(BeamBuilder()
                .Spans({5000})
                .Point(1, 1000, 1000)
                .Point(2, 2500, 2000)
                .Udl(4, 0, 1, 5000)
                .Point(5, 4000, 3000, 1.5f));
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_EQ(Model.LoadcaseCount, 5);
    EXPECT_EQ(host.offered, 5);
    EXPECT_TRUE(Messages().empty());
    const double reactions[][2] = {{800, 200}, {1000, 1000}, {0, 0}, {2500, 2500}, {900, 3600}};
    const double maxMoment[] = {800000, 2.5e6, 0, 3.125e6, 3.6e6}; // P a b / L; w L^2 / 8
    for (int lc = 1; lc <= 5; ++lc) {
        SCOPED_TRACE(lc);
        EXPECT_NEAR(Eng.SupportReaction[lc][1], reactions[lc - 1][0], 1e-6 * 5000);
        EXPECT_NEAR(Eng.SupportReaction[lc][2], reactions[lc - 1][1], 1e-6 * 5000);
        EXPECT_NEAR(Eng.SpanMaxMoment[lc][1], maxMoment[lc - 1], 1e-5 * 3.6e6);
        EXPECT_NEAR(Eng.SupportReactionSum[lc], reactions[lc - 1][0] + reactions[lc - 1][1], 1e-3);
        EXPECT_NEAR(Model.CaseAppliedLoad[lc], reactions[lc - 1][0] + reactions[lc - 1][1], 1e-9);
    }
    EXPECT_NEAR(Eng.MomentExtremes[0][1][3], 3.6e6, 1e-5 * 3.6e6);
    EXPECT_NEAR(Eng.SupportWorkValues[1], 2500, 1e-3);
    EXPECT_NEAR(Eng.SupportWorkValues[2], 3600, 1e-3);
}

TEST_F(AnalyseBeamTest, EveryLoadcaseStartsFromEveryMemberOfTheJobNotFromTheLastAnalysis) {
    // First four forkhead spans whose middle support lifts in loadcase 5 (spans 4000, 8000, 4000
    // left there); then, over the work state that analysis left, a beam differing in every member:
    // cantilevers of 700 and 900, spans of 3100, 4200, 5300 and 2400.
    Analyse(BeamBuilder()
                .EqualSpans(4, 4000)
                .AllSupports(supForkhead)
                .Udl(5, 0, 10, 4000)
                .Udl(5, 12000, 10, 4000));
    ASSERT_EQ(Model.SpanCount[5], 3);
    ASSERT_EQ(Eng.ReleasedSupport[5][3], -1);
    const auto left = std::make_unique<EngineState>(Eng);
    const Arr<int32, 0, 5> spansLeft = Model.SpanCount;
    Commit(BeamBuilder()
               .LHCantilever(700)
               .Spans({3100, 4200, 5300, 2400})
               .RHCantilever(900)
               .Udl(5, 0, 2, 16600));
    Eng = *left;
    for (int lc = 1; lc <= 5; ++lc)
        Model.SpanCount[lc] = spansLeft[lc];
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    for (int lc = 0; lc <= 5; ++lc) {
        SCOPED_TRACE(lc);
        EXPECT_EQ(Model.SpanCount[lc], 4);
        EXPECT_EQ(Values(Eng.LoadcaseSpanLength[lc], 1, 5), (std::vector<double>{3100, 4200, 5300, 2400, 0}));
        EXPECT_EQ(Values(Eng.CantileverLength[lc], 0, 1), (std::vector<double>{700, 900}));
        EXPECT_EQ(std::vector<int>({Eng.LHCantileverActive[lc], Eng.RHCantileverActive[lc]}),
                  std::vector<int>({1, 1}));
        if (lc > 0) {
            EXPECT_EQ(Values(Eng.ReleasedSupport[lc], 1, 5), std::vector<double>(5, 0));
        }
    }
    // Loadcase 5 over the whole of it: 2 x 16600 = 33200 N; each cantilever's shear runs from 0 at
    // its tip to its whole load, 2 x 700 and 2 x 900, at its support.
    EXPECT_NEAR(StoredReactionSum(5), 33200, Tol(33200, kRel));
    EXPECT_NEAR(Eng.ShearExtremes[5][0][3] - Eng.ShearExtremes[5][0][4], 1400, Tol(1400, 1e-3));
    EXPECT_NEAR(Eng.ShearExtremes[5][26][3] - Eng.ShearExtremes[5][26][4], 1800, Tol(1800, 1e-3));
}

TEST_F(AnalyseBeamTest, TheBeamsStiffnessIsSpanOnes) {
    // Member rows that differ, as a beam file may hold them: span 1 has E 210000 and Ixx 1e8, every
    // other row half of each. A 4 m span under 10 N/mm sags 5wL^4/384EI = 5 x 10 x 4000^4 / (384
    // x 2.1e13) = 1.5873 mm at mid-span with span 1's EI (four times that with the others').
    Commit(BeamBuilder().Spans({4000}).Udl(1, 0, 10, 4000));
    for (int row = 0; row <= kRHCantRow; ++row)
        if (row != 1) {
            Model.SpanData[row][mfE] = 105000;
            Model.SpanData[row][mfIxx] = 5e7f;
        }
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    const double sag = 5.0 * 10 * std::pow(4000.0, 4) / (384 * kEI);
    EXPECT_NEAR(Eng.StoredDeflection[1][1][11], -sag, Tol(sag, 1e-4));
}

TEST_F(AnalyseBeamTest, TheSelfWeightRecordLoadsEveryMemberWithItsFactor) {
    // Cantilevers of 1 m either side of a 4 m span; the self-weight record, the last of the table,
    // 0.5 N/mm over all 6 m at a factor 1.2 (3600 N, shared equally by the symmetry), and 1000 N
    // at 1 m into the span (750 and 250 N).
    Commit(BeamBuilder().LHCantilever(1000).Spans({4000}).RHCantilever(1000).Point(1, 2000, 1000));
    TLoadRec& self = Model.LoadTable[1][kSelfWeightRecord];
    self[lfKind] = -1;
    self[lfDist] = 0;
    self[lfW1] = self[lfW2] = 0.5f;
    self[lfCover] = 6000;
    self[lfLF] = 1.2f;
    self[lfApplied] = 1;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_NEAR(Eng.SupportReaction[1][1], 1800 + 750, 1e-3);
    EXPECT_NEAR(Eng.SupportReaction[1][2], 1800 + 250, 1e-3);
    EXPECT_NEAR(Model.TotalAppliedLoad[1], 4600, 1e-3);
    // Each cantilever's root: w x 1.2 x Lc = 600 N and -0.6 x 1000^2 / 2 = -3e5 N mm.
    EXPECT_NEAR(Eng.MomentExtremes[1][0][4], -3e5, 0.5);
    EXPECT_NEAR(Eng.MomentExtremes[1][26][4], -3e5, 0.5);
    EXPECT_NEAR(Eng.ShearExtremes[1][26][5], 600, 1e-3);
}

TEST_F(AnalyseBeamTest, LoadcaseCountIsTheHighestLoadcaseWithAUserLoad) {
    // First a job loaded in loadcases 1 and 2: an empty loadcase of the next one is never solved,
    // so nothing it shows may be left from this one.
    Analyse(BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000).Udl(2, 0, 5, 10000));
    ASSERT_FALSE(AllZero(Eng.ShearPolyline[1]) || AllZero(Eng.MomentPolyline[2]));
    const auto earlier = std::make_unique<EngineState>(Eng);
    Commit(BeamBuilder().Spans({5000, 5000}).Udl(3, 0, 10, 10000));
    Model.LoadTable[5][kSelfWeightRecord] = Model.LoadTable[3][1]; // a self-weight alone does not count
    Eng = *earlier; // the engine keeps what the earlier analysis left, as in the program
    AnalyseBeam(host);
    EXPECT_EQ(Model.LoadcaseCount, 3);
    for (int lc : {1, 2}) {
        SCOPED_TRACE(lc);
        EXPECT_EQ(Txt.CaseListing[lc][0], "2");
        EXPECT_EQ(Txt.CaseListing[lc][1].str(), "LOADCASE" + std::to_string(lc));
        EXPECT_EQ(Txt.CaseListing[lc][2], "No Loads Applied");
        EXPECT_TRUE(AllZero(Eng.StoredShear[lc]));
        EXPECT_TRUE(AllZero(Eng.ShearPolyline[lc]) && AllZero(Eng.MomentPolyline[lc]) &&
                    AllZero(Eng.DeflectionPolyline[lc]));
        EXPECT_TRUE(AllZero(Eng.SupportReaction[lc]) && AllZero(Eng.MomentExtremes[lc]));
    }
    EXPECT_NEAR(Eng.SupportReaction[3][2], 1.25 * 10 * 5000, Tol(62500, kRel));
    EXPECT_EQ(host.offered, 3);
    EXPECT_EQ(host.withoutHourglass, 0);
    EXPECT_TRUE(Messages().empty());
    // No loads anywhere: still one loadcase, and the analysis finishes.
    Analyse(BeamBuilder().Spans({5000}));
    EXPECT_EQ(std::vector<int>({Model.LoadcaseCount, Model.AnalysedFlag}), std::vector<int>({1, 1}));
}

// Seeded random beams: spans, cantilevers, support kinds, point and trapezoidal loads, load factors.
TEST_F(AnalyseBeamTest, RandomBeamsCarryTheirLoadsToTheSupports) {
    std::mt19937 random(5975);
    int checkedCases = 0;
    for (int trial = 0; trial < 40; ++trial) {
        const BeamBuilder beam = RandomBeam(random);
        dialogs->clear();
        Analyse(beam);

        bool unstable = false;
        for (const std::string& m : Messages()) {
            // Couplers at the ends or the first interior support carry moment: the warning lists them.
            unstable = unstable || m.find("Beam is unstable") != std::string::npos;
            EXPECT_TRUE(m.find("Beam is unstable") != std::string::npos ||
                        m.find("No loads on beam") != std::string::npos ||
                        m.starts_with("Moment on double coupler exceeds 0.4 kN for\r"))
                << "trial " << trial << ": " << m;
        }
        for (int lc = 1; lc <= Model.LoadcaseCount && !unstable; ++lc) {
            double applied = 0;
            for (const TLoadRec& rec : Model.LoadTable[lc])
                if (rec[lfApplied] == 1.0f)
                    applied +=
                        rec[lfLF] *
                        (rec[lfKind] == 1.0f ? rec[lfP] : (rec[lfW1] + rec[lfW2]) / 2.0 * rec[lfCover]);
            if (applied == 0) continue;
            const double ratio = applied / StoredReactionSum(lc);
            EXPECT_TRUE(ratio >= 0.9995 && ratio <= 1.0005)
                << "trial " << trial << " loadcase " << lc << ": " << ratio;
            ++checkedCases;
        }
    }
    EXPECT_GT(checkedCases, 80);
}

TEST_F(AnalyseBeamTest, SpanExtremesComeFromTheFactoredDiagramsOnly) {
    // A load factor below 1 makes the unfactored first solve the larger one.
    const double w = 10, L = 4000, sagging = 0.5 * 9 * w * L * L / 128, hogging = -0.5 * w * L * L / 8;
    Analyse(BeamBuilder().Spans({L, L}).Udl(1, 0, 10, 8000, 0.5f));
    EXPECT_NEAR(Eng.SpanMaxMoment[1][1], sagging, Tol(sagging, 1e-4));
    EXPECT_NEAR(Eng.SpanMinMoment[1][1], hogging, Tol(hogging, 1e-6));
}

TEST_F(AnalyseBeamTest, LoadcasesNotReachedKeepNoResults) {
    const BeamBuilder one = BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000).Udl(2, 0, 5, 5000);
    const struct {
        BeamBuilder beam;
        void (*spoil)();
        std::vector<std::string> messages;
        bool throws;
        int32 analysed, checkAbort;
    } cases[] = {
        // clang-format off
        // One loadcase fewer than the beam before.
        {BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000), [] {}, {}, false, 1, 0},
        // Loadcase 2 becomes unstable: a load on the LH tip lifts the forkheads beyond it one by one.
        {BeamBuilder().LHCantilever(2000).Spans({4000, 4000}).AllSupports(supForkhead)
             .Udl(1, 2000, 10, 8000).Point(2, 0, 1000).Udl(3, 0, 10, 10000),
         [] {}, {"  ERROR         \r\rLoadcase 2   Beam is unstable"}, false, 0, 0},
        // The steel check of loadcase 1 stops at Le/ry 500, beyond the table.
        {one, [] { Model.SteelSectionFlag = 1; Model.SectionShape = "Beam";
                   Model.SpanData[1][mfRy] = 10; Model.EffLength[1][0] = 5000; },
         {" Le/r exceeds max value for table A1"}, false, 0, 1},
        // Loadcase 2 holds an applied record whose kind is no whole number the listing can read.
        {one, [] { Model.LoadTable[2][2][lfKind] = 3e9f; Model.LoadTable[2][2][lfApplied] = 1.0f;
                   Model.MemberType = "Timber"; },
         {}, true, 0, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        // Results of an earlier beam in loadcases 1..3.
        Commit(BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000).Udl(2, 0, 5, 5000).Udl(3, 0, 5, 5000));
        Model.SteelSectionFlag = 1;
        AnalyseBeam(host);
        ASSERT_FALSE(AllZero(Eng.StoredShear[2]));
        ASSERT_FALSE(Txt.SteelCheckLines[2][0].empty());
        dialogs->clear();
        host = RecordingHost{};
        const auto earlier = std::make_unique<EngineState>(Eng);
        Commit(c.beam);
        c.spoil();
        Eng = *earlier; // the engine keeps what the earlier analysis left, as in the program
        if (c.throws)
            EXPECT_THROW(AnalyseBeam(host), ConvertError);
        else
            AnalyseBeam(host);
        SCOPED_TRACE(testing::PrintToString(c.messages));
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Model.AnalysedFlag, c.analysed);
        EXPECT_EQ(Model.CheckAbortFlag, c.checkAbort);
        EXPECT_EQ(host.diagrams > 0, c.analysed == 1);
        EXPECT_EQ(BusyCursor::depth(), 0);
        EXPECT_FALSE(AllZero(Eng.StoredShear[1]));
        for (int lc : {2, 3}) {
            EXPECT_TRUE(AllZero(Eng.StoredShear[lc]) && AllZero(Eng.StoredMoment[lc]) &&
                        AllZero(Eng.StoredDeflection[lc]) && AllZero(Eng.StoredCantShear[lc]))
                << lc;
            EXPECT_TRUE(AllZero(Eng.ShearPolyline[lc]) && AllZero(Eng.MomentPolyline[lc]) &&
                        AllZero(Eng.EnvelopeIntervalValues[lc]) && AllZero(Eng.EnvelopeTable[lc]))
                << lc;
            EXPECT_TRUE(AllZero(Eng.SupportReaction[lc]) && AllZero(Eng.MomentExtremes[lc])) << lc;
            EXPECT_TRUE(Txt.SteelCheckLines[lc][0].empty() && Txt.CaseSupportLines[lc][0].empty()) << lc;
        }
        // Loadcase 3 is never listed: its two lines are empty, none of the earlier job's listing.
        EXPECT_EQ(Txt.CaseListing[3][0].str(), "2");
        int earlierLines = 0;
        for (int i = 1; i <= kClearedListingLines; ++i)
            earlierLines += !Txt.CaseListing[3][i].str().empty();
        EXPECT_EQ(earlierLines, 0);
    }
}

// The count line and first line of each listing and member-check table of loadcase lc, and its
// largest-stress line.
std::vector<std::string> CaseTexts(int lc) {
    std::vector<std::string> out;
    auto add = [&out](auto& table) {
        out.push_back(table[0].str());
        out.push_back(table[1].str());
    };
    add(Txt.CaseLoadLines[lc]);
    add(Txt.CaseSupportLines[lc]);
    add(Txt.CaseListing[lc]);
    add(Txt.SteelCheckLines[lc]);
    add(Txt.TimberCheckLines[lc]);
    add(Txt.KxCheckLines[lc]);
    out.push_back(Txt.CaseMaxStressLines[lc].str());
    return out;
}

// Which of the result stores of loadcase lc that its pass writes before its listing hold nothing.
std::vector<bool> StoresEmpty(int lc) {
    const EngineState& e = Eng;
    return {AllZero(e.StoredShear[lc]),       AllZero(e.StoredMoment[lc]),
            AllZero(e.StoredDeflection[lc]),  AllZero(e.StoredCantShear[lc]),
            AllZero(e.StoredCantMoment[lc]),  AllZero(e.StoredCantDeflection[lc]),
            AllZero(e.SupportReaction[lc]),   AllZero(e.ShearPolyline[lc]),
            AllZero(e.MomentPolyline[lc]),    AllZero(e.DeflectionPolyline[lc]),
            AllZero(e.ShearExtremes[lc]),     AllZero(e.MomentExtremes[lc]),
            AllZero(e.DeflectionExtremes[lc])};
}

// The program's listings, failing once they have written the whole listing of one loadcase, as
// any later step of that loadcase's pass may; they keep what that loadcase held then.
class ListingsFailingAfterCase : public ResultListings {
public:
    explicit ListingsFailingAfterCase(int lc) : lc_(lc) {}
    void CaseResultsText() override {
        ResultListings::CaseResultsText();
        if (Eng.CurrentCase != lc_) return;
        texts = CaseTexts(lc_);
        storesEmpty = StoresEmpty(lc_);
        throw RangeError();
    }
    std::vector<std::string> texts;
    std::vector<bool> storesEmpty;

private:
    int lc_;
};

TEST_F(AnalyseBeamTest, ALoadcaseWhosePassFailsKeepsNoneOfItsResults) {
    // Loadcase 2 of three fails: at its loads listing, on a load kind that is no whole number, or
    // after its whole listing and member check are written. None of its results, listing, member
    // check or largest-stress line is left to be shown, printed or saved, as none of loadcase 3's,
    // never reached, is. Loadcase 1 keeps its own. The beam has both cantilevers, and a user
    // section, or a timber one also checked as steel, so that every store and check is written.
    AnalysisListings& installed = Listings();
    struct Reinstall {
        AnalysisListings& listings;
        ~Reinstall() { InstallAnalysisListings(&listings); }
    } reinstall{installed};
    const struct {
        const char* memberType;
        bool steel;
        std::vector<int> checkTables; // of CaseTexts: 6 steel, 8 timber, 10 user section
    } sections[] = {{"KXF", false, {10}}, {"Timber", true, {6, 8}}};
    for (const auto& section : sections)
        for (bool afterListing : {false, true}) {
            SCOPED_TRACE(std::string(section.memberType) +
                         (afterListing ? ", after the listing" : ", at the loads listing"));
            Commit(BeamBuilder()
                       .LHCantilever(1000)
                       .Spans({5000})
                       .RHCantilever(1000)
                       .Udl(1, 0, 10, 7000)
                       .Udl(2, 0, 5, 7000)
                       .Udl(3, 0, 5, 7000));
            Model.MemberType = section.memberType;
            Model.TimberPermShearSaved = 20000;
            Model.TimberPermMomentSaved = 5e7f;
            if (section.steel) {
                Model.SteelSectionFlag = 1;
                Model.SectionShape = "Box";
            }
            for (int row = 0; row <= kRHCantRow; ++row) {
                Model.SpanData[row][mfY] = 100;
                Model.SpanData[row][mfPermShear] = 20000;
                Model.SpanData[row][mfPermMoment] = 5e7f;
                Model.SpanData[row][mfShearArea] = 1000;
                Model.SpanData[row][mfRy] = 50;
                Model.EffLength[row][0] = 1000;
            }
            ListingsFailingAfterCase failing(2);
            if (afterListing) {
                InstallAnalysisListings(&failing);
            } else {
                Model.LoadTable[2][2][lfKind] = 3e9f;
                Model.LoadTable[2][2][lfApplied] = 1.0f;
            }
            EXPECT_THROW(AnalyseBeam(host), std::runtime_error);
            InstallAnalysisListings(&installed);

            const std::vector<std::string> after = CaseTexts(2), never = CaseTexts(3);
            if (afterListing) {
                // What the failing pass had written: every store, the listing's three tables,
                // its member checks and its largest-stress line.
                EXPECT_EQ(failing.storesEmpty, std::vector<bool>(13, false));
                ASSERT_EQ(failing.texts.size(), 13u);
                std::vector<int> written = {0, 2, 4, 12};
                written.insert(written.end(), section.checkTables.begin(), section.checkTables.end());
                for (int k : written)
                    EXPECT_NE(failing.texts[k].find_first_not_of(' '), std::string::npos) << k;
                EXPECT_EQ(failing.texts[1], "LOADCASE 2");
            }
            EXPECT_EQ(StoresEmpty(2), std::vector<bool>(13, true));
            EXPECT_EQ(StoresEmpty(1), std::vector<bool>(13, false));
            // Loadcase 3's listing count is set before any loadcase runs; its largest-stress line
            // is empty where loadcase 2's is one blank: neither shows anything.
            for (int k = 0; k < 12; ++k)
                if (k != 4) {
                    EXPECT_EQ(after[k], never[k]) << k;
                }
            EXPECT_EQ(after[4] + after[5], "");
            EXPECT_EQ(after[12].find_first_not_of(' '), std::string::npos);
            EXPECT_EQ(never[12].find_first_not_of(' '), std::string::npos);
            EXPECT_EQ(Txt.CaseLoadLines[1][1].str(), "LOADCASE 1");
            EXPECT_NE(Txt.CaseMaxStressLines[1].str().find(" stress for loadcase 1 = "), std::string::npos);
        }
}

TEST_F(AnalyseBeamTest, RefusesMembersAndSectionsTheSolverCannotUse) {
    const struct {
        void (*spoil)();
        std::string message; // empty: no beam, nothing to say
    } cases[] = {
        {[] { Model.SpanData[2][mfL] = 0; }, "Length of span 2 must be greater than 0"},
        {[] { Model.SpanData[kLHCantRow][mfL] = 0; }, "Length of LH cantilever must be greater than 0"},
        {[] { Model.SpanData[kRHCantRow][mfL] = std::nanf(""); },
         "Length of RH cantilever must be greater than 0"},
        {[] { Model.SpanData[1][mfE] = 0; }, "E must be greater than 0"},
        {[] { Model.SpanData[1][mfIxx] = -1e8f; }, "Ixx must be greater than 0"},
        {[] { Model.SpanData[1][mfGA] = 0; }, "GA must be greater than 0 for shear deflection"},
        {[] { Model.SpanCount[0] = 26; }, "Number of spans must be 1 to 25"},
        {[] { Model.BeamLength = 0; }, ""},
    };
    BeamBuilder beam = BeamBuilder().LHCantilever(1000).Spans({4000, 4000}).RHCantilever(1000);
    beam.Section(210000, 1e8, 8e7).ShearDeflection().Udl(1, 0, 10, 10000);
    for (const auto& c : cases) {
        Analyse(beam);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        const float shear = Eng.StoredShear[1][1][1];
        const std::string listing = Txt.CaseListing[1][0].str();
        dialogs->clear();
        host = RecordingHost{};
        Model.AnalysedFlag = 7;
        Model.CheckAbortFlag = 1;
        c.spoil();
        AnalyseBeam(host);
        EXPECT_EQ(Messages(), c.message.empty() ? std::vector<std::string>{}
                                                : std::vector<std::string>{" ERROR  \r " + c.message +
                                                                           "\r Beam not analysed"});
        EXPECT_EQ(host.calls, 0) << c.message;
        EXPECT_EQ(Model.AnalysedFlag, 7);
        EXPECT_EQ(Model.CheckAbortFlag, 0);
        EXPECT_EQ(Eng.StoredShear[1][1][1], shear);
        EXPECT_EQ(Txt.CaseListing[1][0].str(), listing);
    }
}

} // namespace

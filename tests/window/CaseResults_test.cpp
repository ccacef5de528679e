// The loadcase listing: column rules, the load, support and span-data texts, and member labels
// merged over released supports.
#include "window/CaseResults.h"

#include <gtest/gtest.h>

#include <tuple>

#include "ListingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

class CaseResultsTest : public ListingTest {};

TEST(ColumnRules, DecimalsFollowTheDigitsOfTheLargestValue) {
    // Largest value, decimals by rule 4 and by rule 5.
    // clang-format off
    const std::tuple<double, int, int> decimals[] = {{0, 3, 3}, {9.999, 3, 3}, {10, 2, 3}, {99.9, 2, 3}, {100, 1, 2},
        {999.9, 1, 2}, {1000, 0, 1}, {9999.9, 0, 1}, {10000, 0, 0}, {1e30, 0, 0}};
    // clang-format on
    for (auto [largest, rule4, rule5] : decimals) {
        EXPECT_EQ(DecimalsRule4(largest), rule4) << largest;
        EXPECT_EQ(DecimalsRule5(largest), rule5) << largest;
    }
    // Texts that reach past their column are appended as they are.
    ListingLine line(std::string(30, 'x'));
    AppendUnitHeading(line, "kN", 10);
    AppendAligned(line, "3.5", 10, Align::Point);
    EXPECT_EQ(line.str(), std::string(30, 'x') + "(kN)3.5");
}

TEST_F(CaseResultsTest, LoadLinesListDistributedLoadsThenPointLoads) {
    Commit(BeamBuilder()
               .Spans({5000, 5000})
               .Point(1, 2500, 20000, 1.5f)
               .Udl(1, 0, 10, 10000)
               .Distributed(1, 5000, 0, 5, 5000, 1.2f));
    TLoadRec& selfWeight = Model.LoadTable[1][kSelfWeightRecord];
    selfWeight[lfKind] = -1;
    selfWeight[lfW1] = selfWeight[lfW2] = 0.5f;
    selfWeight[lfCover] = 10000;
    selfWeight[lfLF] = selfWeight[lfApplied] = 1;
    AnalyseBeam(host);
    ExpectLines(Txt.CaseLoadLines[1], "CaseResults", "load-lines");
}

// A committed two-span beam with both cantilevers whose loadcase 1 results are set by hand.
void SetHandResults() {
    Model.SpanCount[0] = Model.SpanCount[1] = 2;
    Eng.CurrentCase = 1;
    Eng.NumSpanIntervals = 20;
    Eng.ResultIntervalStep = 1;
    Eng.LHCantileverActive[1] = Eng.RHCantileverActive[1] = 1;
    Eng.CantileverLength[1][0] = 1500;
    Eng.CantileverLength[1][1] = 1000;
    Eng.LoadcaseSpanLength[1][1] = 5000;
    Eng.LoadcaseSpanLength[1][2] = 4000;
    Eng.StoredCantEndA[1][0] = -1.5e6f;
    Eng.StoredCantEndA[1][1] = -3e6f;
    Eng.SupportReaction[1][1] = 12345.6;
    Eng.SupportReaction[1][2] = 54321;
    Eng.SupportReaction[1][3] = -250;
    // Members LHC, 1, 2 and RHC: largest shear and deflection.
    const float shear[] = {1500, 23456, 34567.8f, 2000}, deflection[] = {1.25f, -12.5f, -3.75f, 2.5f};
    for (int i = 0; i < 4; ++i) {
        const int row = i < 3 ? i : kRHCantRow;
        Model.SpanData[row][mfExists] = 1;
        Eng.ShearExtremes[1][row][5] = shear[i];
        Eng.DeflectionExtremes[1][row][1] = deflection[i];
    }
    Eng.SpanMaxMoment[1][1] = 2.5e7f;
    Eng.SpanMaxMoment[1][2] = 3.25e7f;
    Eng.SpanMinMoment[1][1] = -1.5e6f;
    Eng.SpanMinMoment[1][2] = -4.5e7f;
    Eng.SpanMaxDeflection[1][1] = 12.5;
    Eng.SpanMaxDeflection[1][2] = 3.75;
    for (int p = 1; p <= 21; ++p) {
        Eng.ShearForce[1][p] = 1000.0 * (11 - p);
        Eng.BendingMoment[1][p] = 1e6 * p;
        Eng.SpanDeflection[1][p] = -0.5 * p;
    }
}

TEST_F(CaseResultsTest, SupportLinesSpanSummaryAndSpanDataStandInTheirColumns) {
    const std::pair<int32, const char*> headings[] = {
        {-1, " Support       Reaction"}, {1, " Support   Factored Reaction"}, {0, ""}};
    for (auto [factored, heading] : headings) {
        Commit(BeamBuilder().Spans({5000, 4000}), factored);
        SetHandResults();
        BuildCaseResultsText();
        EXPECT_EQ(Txt.CaseSupportLines[1][2], heading);
        ExpectLines(Txt.CaseSupportLines[1], "CaseResults", "support-lines");
        ExpectLines(Txt.CaseLoadLines[1], "CaseResults", "no-loads");
        ExpectLines(Txt.CaseListing[1], "CaseResults", "span-data");
    }
}

TEST_F(CaseResultsTest, MemberLabelsFollowTheSpansLeftInTheLoadcase) {
    auto labels = [](int spans, bool lhc, bool rhc, std::vector<int> released, int32 slot1 = supForkhead) {
        Eng.ReleasedSupport[1].fill(0);
        Model.SpanCount[0] = spans;
        Model.SupportType[1] = slot1;
        Model.SpanData[kLHCantRow][mfExists] = lhc ? 1.0f : 0.0f;
        Model.SpanData[kRHCantRow][mfExists] = rhc ? 1.0f : 0.0f;
        for (int position : released)
            Eng.ReleasedSupport[1][position + 1] = -1;
        Eng.CurrentCase = 1;
        BuildMemberLabels();
        std::vector<std::string> out;
        for (int s = 0; s <= spans + 1 - static_cast<int>(released.size()); ++s)
            out.push_back(Txt.MemberLabel[1][s]);
        return out;
    };
    using V = std::vector<std::string>;
    // Without forkheads the labels are the span numbers, whatever was released.
    EXPECT_EQ(labels(3, true, true, {2}, supFixed), (V{"LHC", "1", "2", "3"}));
    EXPECT_EQ(labels(3, false, false, {}), (V{"", "1", "2", "3", ""}));
    // LH end released: span 1 became the LH cantilever.
    EXPECT_EQ(labels(3, false, false, {0}), (V{"1", "2", "3", ""}));
    EXPECT_EQ(labels(3, true, false, {0}), (V{"LHC 1", "2", "3", ""}));
    EXPECT_EQ(labels(4, false, false, {0, 1}), (V{"1 2", "3", "4", ""}));
    // Interior support released: the spans beside it merge; the RH cantilever moves down a slot.
    EXPECT_EQ(labels(4, false, true, {2}), (V{"", "1", "2 3", "4", "RHC"}));
    EXPECT_EQ(labels(5, false, false, {2, 3}), (V{"", "1", "2 3 4", "5", ""}));
    // RH end released: the last span joins the (empty) RH cantilever label.
    EXPECT_EQ(labels(4, false, false, {4}), (V{"", "1", "2", "3", "4 "}));
    EXPECT_EQ(labels(4, false, true, {4}), (V{"", "1", "2", "3", "4 RHC"}));

    // In the listing: four spans of 4000 on forkheads loaded on the end spans lift the middle
    // support, so the span summary (after supports 1 to 5 and span 1) and the span data (after the
    // block of span 1) name spans 2 and 3 together.
    Commit(BeamBuilder()
               .EqualSpans(4, 4000)
               .AllSupports(supForkhead)
               .Udl(1, 0, 10, 4000)
               .Udl(1, 12000, 10, 4000));
    AnalyseBeam(host);
    ASSERT_EQ(Eng.ReleasedSupport[1][3], -1);
    EXPECT_EQ(Txt.CaseSupportLines[1][14].str().substr(0, 8), "  2 3   ");
    EXPECT_EQ(Txt.CaseListing[1][28].str(), " Span 2 3");
}

} // namespace

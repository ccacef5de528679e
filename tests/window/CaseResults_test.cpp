// The loadcase listing: column rules, the load, support and span-data texts, member labels merged
// over released supports, the member-check dispatch and the largest-stress lines.
#include "window/CaseResults.h"

#include <gtest/gtest.h>

#include "engine/AnalysisFixture.h"
#include "engine/EngineState.h"
#include "foundation/SharedModel.h"
#include "window/ResultText.h"

using namespace kx;
using namespace kx::test;

namespace {

class CaseResultsTest : public AnalysisTest {};

template <int Hi> std::vector<std::string> Lines(const Arr<TResultLine, 0, Hi>& table, int from, int to) {
    std::vector<std::string> out;
    for (int i = from; i <= to; ++i)
        out.push_back(table[i].str());
    return out;
}

TEST(ColumnRules, HeadingsDecimalsAlignmentAndRowNumbers) {
    std::string line;
    AppendUnitHeading(line, "m", 10);
    EXPECT_EQ(line, "         (m)");
    AppendUnitHeading(line, "kN/m", 24);
    EXPECT_EQ(line, "         (m)         (kN/m)");
    line = std::string(30, 'x');
    AppendUnitHeading(line, "kN", 10); // too long already: appended as it is
    EXPECT_EQ(line, std::string(30, 'x') + "(kN)");

    EXPECT_EQ(DecimalsRule4(0), 3);
    EXPECT_EQ(DecimalsRule4(9.999), 3);
    EXPECT_EQ(DecimalsRule4(10), 2);
    EXPECT_EQ(DecimalsRule4(999.9), 1);
    EXPECT_EQ(DecimalsRule4(1000), 0);
    EXPECT_EQ(DecimalsRule5(99.9), 3);
    EXPECT_EQ(DecimalsRule5(100), 2);
    EXPECT_EQ(DecimalsRule5(1000), 1);
    EXPECT_EQ(DecimalsRule5(9999.9), 1);
    EXPECT_EQ(DecimalsRule5(10000), 0);
    EXPECT_EQ(DecimalsRule5(1e30), 0);

    line = "abc";
    AppendAligned(line, "1.50", 10, Align::Point);
    EXPECT_EQ(line, "abc     1.50");
    line.clear();
    AppendAligned(line, "12", 10, Align::Point);
    EXPECT_EQ(line, "       12"); // ends one before the column
    line.clear();
    AppendAligned(line, "12", 10, Align::Digit);
    EXPECT_EQ(line, "        12"); // its last digit on the column
    line = std::string(12, 'x');
    AppendAligned(line, "3.5", 10, Align::Point);
    EXPECT_EQ(line, std::string(12, 'x') + "3.5");

    EXPECT_EQ(ColumnValue(3.14159, 2), " 3.14");
    EXPECT_EQ(Model.DecimalPlaces, 2);
    EXPECT_EQ(RowNumberText(7), "  7");
    EXPECT_EQ(RowNumberText(12), " 12");
}

TEST_F(CaseResultsTest, LoadLinesListDistributedLoadsThenPointLoads) {
    BeamBuilder beam = BeamBuilder()
                           .Spans({5000, 5000})
                           .Point(1, 2500, 20000, 1.5f)
                           .Udl(1, 0, 10, 10000)
                           .Distributed(1, 5000, 0, 5, 5000, 1.2f);
    Commit(beam);
    TLoadRec& selfWeight = Model.LoadTable[1][kSelfWeightRecord];
    selfWeight[lfKind] = -1;
    selfWeight[lfW1] = selfWeight[lfW2] = 0.5f;
    selfWeight[lfCover] = 10000;
    selfWeight[lfLF] = 1;
    selfWeight[lfApplied] = 1;
    AnalyseBeam(host);

    const std::vector<std::string> expected = {
        "LOADCASE 1",
        "",
        "",
        "APPLIED LOADS ",
        " UDL",
        " No    Distance     Start UDL     Finish UDL      Cover  Load Factor",
        "         (m)         (kN/m)        (kN/m)          (m)",
        "  2     0.000        10.00         10.00         10.00      1.000",
        "  3     5.000         0.00          5.00          5.00      1.20",
        " S/Wt   0.000         0.50          0.50         10.00      1.000",
        "",
        " Point Loads",
        " No     Load       Distance    Load Factor",
        "        (kN)           (m)",
        "  1    20.00          2.500         1.50",
        "",
        ""};
    EXPECT_EQ(Txt.CaseLoadLines[1][0].str(), "18");
    EXPECT_EQ(Lines(Txt.CaseLoadLines[1], 1, 17), expected);
}

// A committed two-span beam with a LH cantilever whose loadcase 1 results are set by hand.
void SetHandResults() {
    Model.SpanCount[0] = Model.SpanCount[1] = 2;
    Model.SpanData[kLHCantRow][mfExists] = 1;
    Model.SpanData[1][mfExists] = Model.SpanData[2][mfExists] = 1;
    Eng.CurrentCase = 1;
    Eng.NumSpanIntervals = 20;
    Eng.ResultIntervalStep = 1;
    Eng.LHCantileverActive[1] = 1;
    Eng.CantileverLength[1][0] = 1500;
    Eng.LoadcaseSpanLength[1][1] = 5000;
    Eng.LoadcaseSpanLength[1][2] = 4000;
    Eng.SupportReaction[1][1] = 12345.6;
    Eng.SupportReaction[1][2] = 54321;
    Eng.SupportReaction[1][3] = -250;
    Eng.ShearExtremes[1][0][5] = 1500;
    Eng.ShearExtremes[1][1][5] = 23456;
    Eng.ShearExtremes[1][2][5] = 34567.8f;
    Eng.StoredCantEndA[1][0] = -1.5e6f;
    Eng.SpanMaxMoment[1][1] = 2.5e7f;
    Eng.SpanMaxMoment[1][2] = 3.25e7f;
    Eng.SpanMinMoment[1][1] = -1.5e6f;
    Eng.SpanMinMoment[1][2] = -4.5e7f;
    Eng.DeflectionExtremes[1][0][1] = 1.25f;
    Eng.DeflectionExtremes[1][1][1] = -12.5f;
    Eng.DeflectionExtremes[1][2][1] = -3.75f;
    Eng.SpanMaxDeflection[1][1] = 12.5;
    Eng.SpanMaxDeflection[1][2] = 3.75;
    for (int p = 1; p <= 21; ++p) {
        Eng.ShearForce[1][p] = 1000.0 * (11 - p);
        Eng.BendingMoment[1][p] = 1e6 * p;
        Eng.SpanDeflection[1][p] = -0.5 * p;
    }
}

TEST_F(CaseResultsTest, SupportLinesAndSpanSummaryStandInTheirColumns) {
    for (int32 factored : {-1, 1, 0}) {
        Commit(BeamBuilder().Spans({5000, 4000}), factored);
        SetHandResults();
        BuildCaseResultsText();

        const std::string heading = factored == -1  ? " Support       Reaction"
                                    : factored == 1 ? " Support   Factored Reaction"
                                                    : "";
        const std::vector<std::string> expected = {
            "SUPPORTS",
            heading,
            " No             (kN)",
            "  1             12.346",
            "  2             54.321",
            "  3             -0.250",
            "",
            "SPAN SUMMARY",
            " Span     Max Shear    Max +ve Mom    Max -ve Mom    Max Deflection",
            " No          (kN)         (kN-m)        (kN-m)         (mm)",
            " LHC         1.500         0.000        -1.500         1.250",
            "  1         23.456        25.000        -1.500        12.500",
            "  2         34.568        32.500       -45.000         3.750",
            ""};
        EXPECT_EQ(Txt.CaseSupportLines[1][0].str(), "15") << factored;
        EXPECT_EQ(Lines(Txt.CaseSupportLines[1], 1, 14), expected) << factored;
        // No load applied: all the headings and nothing else.
        EXPECT_EQ(Txt.CaseLoadLines[1][0].str(), "14");
        EXPECT_EQ(Lines(Txt.CaseLoadLines[1], 8, 13),
                  (std::vector<std::string>{"", " Point Loads", " No     Load       Distance    Load Factor",
                                            "        (kN)           (m)", "", ""}));
    }
}

TEST_F(CaseResultsTest, SpanDataGivesEveryMemberAtItsTwentiethPoints) {
    Commit(BeamBuilder().Spans({5000, 4000}));
    SetHandResults();
    BuildCaseResultsText();

    const auto& t = Txt.CaseListing[1];
    EXPECT_EQ(t[0].str(), "78");
    EXPECT_EQ(t[1].str(), "");
    EXPECT_EQ(t[2].str(), "SPAN DATA at 1/20th SPAN INTERVALS");
    EXPECT_EQ(t[3].str(), "LHC");
    EXPECT_EQ(t[26].str(), " 21          1.500         0.000         0.000         0.000");
    EXPECT_EQ(t[27].str(), " ");
    const std::vector<std::string> head = {" Span 1",
                                           " Span     Distance       Shear         Moment      Deflection",
                                           " Interval     (m)          (kN)         (kN-m)         (mm)",
                                           "  1          0.000        10.000         1.000        -0.50"};
    EXPECT_EQ(Lines(t, 28, 31), head);
    EXPECT_EQ(t[41].str(), " 11          2.500         0.000        11.000        -5.50");
    EXPECT_EQ(t[51].str(), " 21          5.000       -10.000        21.000       -10.50");
    EXPECT_EQ(t[52].str(), " ");
    EXPECT_EQ(t[53].str(), " Span 2");
    EXPECT_EQ(t[77].str(), " ");
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
    Commit(BeamBuilder().Spans({1000}));
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
}

TEST_F(CaseResultsTest, MemberCheckFollowsTheSectionGroup) {
    // Which check texts the listing had written, each naming span 1 by its member label.
    auto checksRun = [] {
        auto names = [](const auto& table, int from, const char* line1, const char* check) {
            if (table[from].str() != line1) return std::string();
            for (int i = from; i <= LineCount(table); ++i)
                if (table[i] == " SPAN 1") return std::string(check);
            return std::string(check) + " without the member label";
        };
        std::vector<std::string> ran;
        for (const std::string& check :
             {names(Txt.KxCheckLines[1], 1, " BEAM CAPACITY CHECK for LOADCASE 1", "capacity"),
              names(Txt.TimberCheckLines[1], 1, "CODE CHECK TO BS 5975", "timber"),
              names(Txt.SteelCheckLines[1], 2, "CODE CHECK TO BS 5975", "steel")})
            if (!check.empty()) ran.push_back(check);
        return ran;
    };
    struct Case {
        const char* group;
        int32 steel;
        std::vector<std::string> expected;
    };
    const Case cases[] = {{"KXF", 0, {"capacity"}},
                          {"Scaffold", 0, {"capacity"}},
                          {"Timber", 0, {"timber"}},
                          {"HRS", 1, {"steel"}},
                          {"HRS", -1, {}},
                          {"kxf", 0, {}},
                          {"Timber", 1, {"timber", "steel"}}};
    for (const Case& c : cases) {
        Txt = ResultTextTables{};
        Commit(BeamBuilder().Spans({5000, 4000}));
        SetHandResults();
        Model.MemberType = c.group;
        Model.SteelSectionFlag = c.steel;
        BuildCaseResultsText();
        EXPECT_EQ(checksRun(), c.expected) << c.group;
        EXPECT_EQ(Txt.CaseListing[1][0].str(), "78");
    }

    // A steel check beyond its table stops the listing before the span data.
    ClearResultText();
    Commit(BeamBuilder().Spans({5000, 4000}));
    SetHandResults();
    Txt.CaseListing[1][0] = "2";
    Model.SteelSectionFlag = 1;
    Model.SectionShape = "Beam";
    for (int row = 0; row <= kRHCantRow; ++row)
        Model.SpanData[row][mfRy] = 10;
    Model.EffLength[kLHCantRow][0] = 3000; // Le/ry 300
    BuildCaseResultsText();
    EXPECT_EQ(Model.CheckAbortFlag, 1);
    EXPECT_EQ(Messages(), std::vector<std::string>{" Le/r exceeds max value for table A1"});
    EXPECT_EQ(Txt.CaseSupportLines[1][0].str(), "15");
    EXPECT_EQ(Txt.CaseListing[1][0].str(), "2");
    EXPECT_TRUE(Txt.CaseListing[1][3].empty());
}

TEST_F(CaseResultsTest, LargestStressLinesFollowTheLoadFactors) {
    Commit(BeamBuilder().Spans({5000, 4000}).RHCantilever(1000).Udl(2, 0, 1, 1000, 1.0f));
    Eng.CurrentCase = 1;
    Eng.RHCantileverActive[1] = 1;
    Model.LoadcaseCount = 2;
    for (int row : {1, 2, kRHCantRow}) {
        Model.SpanData[row][mfY] = 100;
        Model.SpanData[row][mfIxx] = 1e8;
    }
    Eng.MomentExtremes[1][1][5] = 2e7f; // 20 N/mm^2
    Eng.MomentExtremes[1][2][5] = 1e7f;
    Eng.MomentExtremes[1][kRHCantRow][5] = 3e7f;
    Model.SpanData[kRHCantRow][mfY] = 0; // no extreme fibre: left out
    BuildMaxStressText();
    EXPECT_EQ(Txt.CaseMaxStressLines[1].str(), " Max stress for loadcase 1 = 20.00 N/mm^2");
    EXPECT_EQ(Txt.MaxStressLine.str(), " Max stress = 20.00 N/mm^2");
    EXPECT_FLOAT_EQ(Txt.MaxStressValue, 20);
    EXPECT_FLOAT_EQ(Txt.FactoredLoadCount, 0);

    // A factored load in any loadcase changes the wording; a smaller case keeps the running largest.
    Model.LoadTable[4][7][lfApplied] = 1;
    Model.LoadTable[4][7][lfLF] = 1.5f;
    Eng.CurrentCase = 2;
    Eng.MomentExtremes[2][1][5] = 1.23456e7f;
    BuildMaxStressText();
    EXPECT_FLOAT_EQ(Txt.FactoredLoadCount, 1);
    EXPECT_EQ(Txt.CaseMaxStressLines[2].str(), " Max factored elastic stress for loadcase 2 = 12.35 N/mm^2");
    EXPECT_EQ(Txt.MaxStressLine.str(), " Max factored elastic stress = 20.00 N/mm^2");

    // A loadcase without stress leaves its line as it was.
    Txt.CaseMaxStressLines[3] = " ";
    Eng.CurrentCase = 3;
    BuildMaxStressText();
    EXPECT_EQ(Txt.CaseMaxStressLines[3].str(), " ");

    // The summary line holds 50 characters.
    Model.UnitTextStress = "abcdefghij";
    Txt.MaxStressValue = 1.5e8f;
    BuildMaxStressText();
    EXPECT_EQ(Txt.MaxStressLine.str(),
              std::string(" Max factored elastic stress = 150000000 abcdefghij").substr(0, 50));
}

} // namespace

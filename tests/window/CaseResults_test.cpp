// The loadcase listing: column rules, the load, support and span-data texts, and member labels
// merged over released supports.
#include "window/CaseResults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "ListingTestSupport.h"
#include "window/LoadsListing.h"
#include "window/ResultsSummary.h"

using namespace kx;
using namespace kx::test;

namespace {

class CaseResultsTest : public ListingTest {};

TEST(ColumnRules, DecimalsFollowTheLargestValueAndTextsStandAtTheirColumnOneBlankClear) {
    // Largest value, decimals by rule 4 and by rule 5.
    // clang-format off
    const std::tuple<double, int, int> decimals[] = {{0, 3, 3}, {9.999, 3, 3}, {10, 2, 3}, {99.9, 2, 3}, {100, 1, 2},
        {999.9, 1, 2}, {1000, 0, 1}, {9999.9, 0, 1}, {10000, 0, 0}, {1e30, 0, 0}};
    // clang-format on
    for (auto [largest, rule4, rule5] : decimals) {
        EXPECT_EQ(DecimalsRule4(largest), rule4) << largest;
        EXPECT_EQ(DecimalsRule5(largest), rule5) << largest;
    }
    // Values by their point or last digit; "(unit)" opens width / 2 before its column, the width
    // counting the brackets; a text that just fits keeps one blank, one past its column is appended.
    const std::string past(30, 'x');
    const std::tuple<std::string, std::string, int, int, std::string> columns[] = {
        {"  1", "12.50", 10, 1, "  1    12.50"}, // the point at 10
        {"  1", "2500", 10, 1, "  1  2500"},     // no point: ends at 9
        {"  1", "2500", 10, 0, "  1   2500"},    // the last digit at 10
        {"  1", "12345.5", 10, 1, "  1 12345.5"},
        {"  1", "123456", 10, 0, "  1 123456"},
        {past, "3.5", 10, 1, past + "3.5"},
        {"", "m", 10, -1, "         (m)"},
        {"   (m)", "kN/m", 13, -1, "   (m)    (kN/m)"},
        {"   (m)", "kN/m", 10, -1, "   (m) (kN/m)"},
        {past, "kN", 10, -1, past + "(kN)"}};
    for (const auto& [before, text, c, align, expected] : columns) {
        ListingLine line(before);
        if (align < 0)
            AppendUnitHeading(line, text, c);
        else
            AppendAligned(line, text, c, align ? Align::Point : Align::Digit);
        EXPECT_EQ(line.str(), expected) << text << " at " << c;
    }
}

// A column writes its usual values straight into the line: the line must read as if the
// value's FormatDecimalPlaces text had been placed by AppendAligned, whatever the value, its sign,
// the decimals, the column and how far the line already reaches (up to past the column).
TEST(ColumnRules, ValuesPutInPlaceReadAsTheirTextsPlacedAtTheColumn) {
    std::mt19937 random(5975);
    std::uniform_real_distribution<double> unit(0, 1);
    const double shapes[] = {0,     0.0004,  -0.0004,    0.00051, 2.5,  -2.5,
                             0.125, -0.0005, 99999.9996, 1e5,     -1e5, 100000.5};
    for (int i = 0; i < 60000; ++i) {
        double v = i < 12 * 8 ? shapes[i % 12] : std::pow(10.0, -5 + 11 * unit(random));
        if (i >= 12 * 8 && i % 2) v = -v;
        const int decimals = i % 4, c = std::vector<int>{5, 9, 10, 15, 23, 29, 57, 70, 120}[(i / 4) % 9];
        const Align align = i % 3 ? Align::Point : Align::Digit;
        const ListingLine before(std::string(static_cast<std::size_t>((i * 7) % (c + 4)), 'x'));
        ListingLine put = before, placed = before;
        Model.DecimalPlaces = -1;
        Column{c, align, decimals}.Put(put, v);
        EXPECT_EQ(Model.DecimalPlaces, -1); // placing a value leaves the shared model alone
        AppendAligned(placed, FormatDecimalPlaces(v, decimals), c, align);
        ASSERT_EQ(put.str(), placed.str()) << std::setprecision(17) << v << " " << decimals << " at " << c;
    }
}

// Listing lines reach their tables by the padded store; a ListingLine that lost what it needs would
// give the same texts by the slower one, so only this says which is used.
TEST(ColumnRules, ListingLinesAreStoredPadded) {
    EXPECT_TRUE(PaddedText<ListingLine>);
    EXPECT_GE(ListingLine::readable, static_cast<std::size_t>(TLoadListLine::capacity));
}

// Once a table is built, DecimalPlaces holds the decimals of the last column it formatted, and
// reading the tables, which puts their lines, leaves it so. Two spans of 5 m under 100 kN/m on a
// slender section, 20 kN at 2.5 m: distances and lengths show 3 decimals, shears and moments of a
// few hundred 2, the load 2, deflections of some 1600 mm 0 (rule 4) or 1 (rule 5).
TEST_F(CaseResultsTest, DecimalPlacesHoldTheLastColumnOfEachBuild) {
    Commit(
        BeamBuilder().Spans({5000, 5000}).Section(210000, 1e6f).Udl(1, 0, 100, 10000).Point(1, 2500, 20000));
    AnalyseBeam(host);
    ASSERT_TRUE(dialogs->messages().empty());
    const std::tuple<const char*, void (*)(), int> builds[] = {
        {"loadcase listing: the last span's deflections", [] { BuildCaseResultsText(); }, 0},
        {"loadcase listing stopped by the member check: the span summary's deflections",
         [] {
             Model.CheckAbortFlag = 1;
             BuildCaseResultsText();
             Model.CheckAbortFlag = 0;
         },
         1},
        {"envelope: the last span's negative moments", [] { BuildEnvelopeText(); }, 2},
        {"summary: the member lengths", [] { BuildResultsSummary(); }, 3},
        {"loads listing: the point loads' distances", [] { BuildLoadsListing(); }, 3},
    };
    for (const auto& [name, build, decimals] : builds) {
        Model.DecimalPlaces = -1;
        Eng.CurrentCase = 1;
        build();
        EXPECT_EQ(Model.DecimalPlaces, decimals) << name;
        std::size_t read = Txt.CaseLoadLines[1][1].view().size() + Txt.CaseSupportLines[1][1].view().size() +
                           Txt.CaseListing[1][1].view().size() + Txt.EnvelopeLines[1].view().size() +
                           Txt.SummaryLines[1].view().size() + Txt.LoadListLines[1].view().size() +
                           Txt.PointLoadListLines[1].view().size();
        EXPECT_GT(read, 0u);
        EXPECT_EQ(Model.DecimalPlaces, decimals) << name << ", once read";
    }
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

// Each column of the loads part takes its decimals from its largest figure, here always that of
// the first record; the second's figures alone would give 3 decimals. Rule 4: 10 m, 45 kN/m and
// 10 m give 2, 120 kN/m and 150 kN give 1.
TEST_F(CaseResultsTest, LoadColumnsTakeTheirDecimalsFromTheFirstRecordToo) {
    Commit(BeamBuilder()
               .Spans({10000, 10000})
               .Distributed(1, 10000, 120, 45, 10000)
               .Distributed(1, 1000, 2, 3, 1000)
               .Point(2, 12000, 150000)
               .Point(2, 500, 2000));
    AnalyseBeam(host);
    ASSERT_TRUE(dialogs->messages().empty());
    const std::tuple<int, int, const char*> rows[] = {
        {1, 8, "  1    10.00        120.0          45.00         10.00      1.000"},
        {1, 9, "  2     1.00          2.0           3.00          1.00      1.000"},
        {2, 12, "  1   150.0          12.00          1.000"},
        {2, 13, "  2     2.0           0.50          1.000"}};
    for (const auto& [lc, line, text] : rows)
        EXPECT_EQ(Txt.CaseLoadLines[lc][line].str(), text) << "loadcase " << lc << " line " << line;
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

// A member's column takes its decimals from its largest figure also when that stands at the
// member's first point: the shear and the hogging moment at the LH support of an end span, the
// deflection at the tip of the LH cantilever. The points after the first alone would give 3
// decimals (below 10 kN, 21 kNm and 10 mm); 123.456 kN and -500 kNm give 2 by rule 5, 25 mm 2
// by rule 4.
TEST_F(CaseResultsTest, SpanDataDecimalsCountTheFirstPointOfEachMember) {
    Commit(BeamBuilder().Spans({5000, 4000}));
    SetHandResults();
    Eng.ShearForce[1][1] = 123456;
    Eng.BendingMoment[1][1] = -5e8;
    for (int p = 0; p < kDeflectionPoints; ++p)
        Eng.CantDeflectionPoints[Eng.CantDeflectionPoints.low + p] = p == 0 ? 25.0f : 0.4 * p;
    BuildCaseResultsText();
    auto block = [](const char* title) {
        int at = 1;
        while (at < 1000 && Txt.CaseListing[1][at] != title)
            ++at;
        return at;
    };
    const int lhc = block("LHC"), span = block(" Span 1");
    // Points at 15, 29, 43 and 57; a twentieth of 5000 mm is 0.250 m, of 1500 mm 0.075 m.
    const std::tuple<int, const char*> rows[] = {
        {span + 3, "  1          0.000       123.46       -500.00         -0.50"},
        {span + 4, "  2          0.250         9.00          2.00         -1.00"},
        {lhc + 3, "  1          0.000         0.000         0.000        25.00"},
        {lhc + 4, "  2          0.075         0.000         0.000         0.40"}};
    for (const auto& [line, text] : rows)
        EXPECT_EQ(Txt.CaseListing[1][line].str(), text) << line - span;
}

// Distances are kept from one span data to the next: each listing still shows its own span's
// midpoint, in its own length unit, whatever was listed before it.
TEST_F(CaseResultsTest, SpanDataDistancesFollowTheSpanAndItsUnitWhateverWasListedBefore) {
    // The span, the length unit in mm, and the start of row 11: the midpoint, its point at 15.
    const std::tuple<double, float, std::string> cases[] = {
        {5000, 1000, " 11          2.500"}, {4000, 1000, " 11          2.000"},
        {5000, 1, " 11       2500 "},       {5000, 1000, " 11          2.500"},
        {5200, 1000, " 11          2.600"}, {5200, 25.4f, " 11        102.4 "}};
    for (const auto& [span, unit, row] : cases) {
        Commit(BeamBuilder().Spans({5000, 4000}));
        SetHandResults();
        Eng.LoadcaseSpanLength[1][1] = span;
        Model.UnitFactorLength = unit;
        BuildCaseResultsText();
        int title = 1;
        while (title < 1000 && Txt.CaseListing[1][title] != " Span 1")
            ++title;
        EXPECT_EQ(Txt.CaseListing[1][title + 13].str().substr(0, row.size()), row)
            << span << " mm in units of " << unit << " mm";
    }
}

TEST_F(CaseResultsTest, MemberLabelsFollowTheSpansLeftInTheLoadcase) {
    using V = std::vector<std::string>;
    // Spans, cantilevers LH and RH, the support positions released, the labels; without forkheads
    // the labels are the span numbers whatever was released.
    const std::tuple<int, bool, bool, std::vector<int>, V> cases[] = {
        {3, true, true, {2}, {"LHC", "1", "2", "3"}}, // not on forkheads
        {3, false, false, {}, {"", "1", "2", "3", ""}},
        // LH end released: span 1 became the LH cantilever.
        {3, false, false, {0}, {"1", "2", "3", ""}},
        {3, true, false, {0}, {"LHC 1", "2", "3", ""}},
        {4, false, false, {0, 1}, {"1 2", "3", "4", ""}},
        // Interior support released: the spans beside it merge; the RH cantilever moves down a slot.
        {4, false, true, {2}, {"", "1", "2 3", "4", "RHC"}},
        {5, false, false, {2, 3}, {"", "1", "2 3 4", "5", ""}},
        {4, true, false, {1}, {"LHC", "1 2", "3", "4", ""}}, // the second support: spans 1 and 2
        // RH end released: the last span joins the (empty) RH cantilever label.
        {4, false, false, {4}, {"", "1", "2", "3", "4 "}},
        {4, false, true, {4}, {"", "1", "2", "3", "4 RHC"}}};
    bool first = true;
    for (const auto& [spans, lhc, rhc, released, labels] : cases) {
        Eng.ReleasedSupport[1].fill(0);
        Model.SpanCount[0] = spans;
        Model.SupportType[1] = first ? supFixed : supForkhead;
        first = false;
        Model.SpanData[kLHCantRow][mfExists] = lhc ? 1.0f : 0.0f;
        Model.SpanData[kRHCantRow][mfExists] = rhc ? 1.0f : 0.0f;
        for (int position : released)
            Eng.ReleasedSupport[1][position + 1] = -1;
        Eng.CurrentCase = 1;
        BuildMemberLabels();
        V got;
        for (int s = 0; s < static_cast<int>(labels.size()); ++s)
            got.push_back(Txt.MemberLabel[1][s]);
        EXPECT_EQ(got, labels) << spans << " spans, released " << testing::PrintToString(released);
    }
    // The most spans a beam has, on forkheads: the labels reach the RH cantilever's slot 26 and no
    // further, with nothing released or with the RH end released (span 25 joins the RH label).
    for (const int rhEnd : {0, -1}) {
        Eng.ReleasedSupport[1].fill(0);
        Eng.ReleasedSupport[1][kMaxSpans + 1] = rhEnd;
        Model.SpanCount[0] = kMaxSpans;
        Model.SupportType[1] = supForkhead;
        Model.SpanData[kLHCantRow][mfExists] = 0.0f;
        Model.SpanData[kRHCantRow][mfExists] = 1.0f;
        ASSERT_NO_THROW(BuildMemberLabels()) << rhEnd;
        EXPECT_EQ(Txt.MemberLabel[1][1], "1");
        EXPECT_EQ(Txt.MemberLabel[1][24], "24");
        EXPECT_EQ(Txt.MemberLabel[1][25], rhEnd == 0 ? "25" : "25 RHC") << rhEnd;
    }

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

// The last support and the RH cantilever decide the decimals of their columns. A 4 m span on pins
// with a 1 m RH cantilever, 10 kN at mid-span and 100 kN at the tip: moments about the LH support
// give R2 = (10 x 2 + 100 x 5) / 4 = 130 kN, R1 = 110 - 130 = -20 kN; the span's shear -20 then
// -30 kN, the cantilever's 100 kN. Three figures before the point: two decimals (20 and 30 alone
// would take three); points in columns 19 and 15.
TEST_F(CaseResultsTest, TheLastSupportAndTheRHCantileverSetTheirColumnsDecimals) {
    Commit(BeamBuilder().Spans({4000}).RHCantilever(1000).Point(1, 2000, 10000).Point(1, 5000, 100000));
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    TextTable<100>& lines = Txt.CaseSupportLines[1];
    EXPECT_EQ(lines[4].str(), "  1            -20.00");
    EXPECT_EQ(lines[5].str(), "  2            130.00");
    EXPECT_EQ(lines[7].str(), "SPAN SUMMARY");
    // The largest magnitude, 100 kN, has three figures before the point: two after it, and nothing
    // more before the next column.
    EXPECT_EQ(lines[10].str().substr(0, 20), "  1         30.00   ");
    EXPECT_EQ(lines[11].str().substr(0, 20), " RHC       100.00   ");
}

// The largest stress of loadcase 5 over its members, the RH cantilever last among them, M y / Ixx
// with y = 100 mm and Ixx = 1e8 mm^4: moments of 1e7, 2e7, 1.5e7 and 3e7 N-mm give 10, 20, 15 and
// 30 N/mm^2. A cantilever that is not active in the loadcase counts for nothing, whatever its row
// holds.
TEST_F(CaseResultsTest, TheLargestStressOfTheLastLoadcaseReachesItsRHCantilever) {
    for (const bool rhActive : {true, false}) {
        SCOPED_TRACE(rhActive ? "RH cantilever active" : "RH cantilever off, its moment still held");
        ResetProgramState();
        SetDefaultUnits(Model);
        Model.SpanCount[5] = 2;
        Eng.CurrentCase = 5;
        const int rows[] = {kLHCantRow, 1, 2, kRHCantRow};
        const float moments[] = {1e7f, 2e7f, 1.5e7f, 3e7f};
        for (int i = 0; i < 4; ++i) {
            Model.SpanData[rows[i]][mfY] = 100;
            Model.SpanData[rows[i]][mfIxx] = 1e8f;
            Eng.MomentExtremes[5][rows[i]][xMagnitude] = moments[i];
        }
        Eng.LHCantileverActive[5] = 1;
        Eng.RHCantileverActive[5] = rhActive ? 1 : 0;
        BuildMaxStressText();
        const std::string stress = rhActive ? "30.00 N/mm^2" : "20.00 N/mm^2";
        EXPECT_EQ(Txt.CaseMaxStressLines[5].str(), " Max stress for loadcase 5 = " + stress);
        EXPECT_EQ(Txt.MaxStressLine.str(), " Max stress = " + stress);
    }
}

// Every listing built again over tables full of other text reads as when built on empty ones, to
// the last line its count covers: the closing blank lines of the load lines (two after the point
// loads), of the support lines without an RH cantilever, of the envelope and of both loads
// listings are put, not left to whatever stood there.
TEST_F(CaseResultsTest, ListingsBuiltAgainOverOtherTextPutEveryLineTheirCountCovers) {
    Commit(BeamBuilder().Spans({5000, 5000}).Udl(1, 0, 10, 10000).Point(1, 2500, 20000));
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    Eng.CurrentCase = 1;
    auto lines = [](auto& table) {
        std::vector<std::string> out;
        const int count = std::stoi(table[0].str()); // lines 1..count - 1
        for (int i = 0; i < count; ++i)
            out.push_back(table[i].str());
        return out;
    };
    auto all = [&] {
        return std::vector<std::vector<std::string>>{
            lines(Txt.CaseLoadLines[1]),  lines(Txt.CaseSupportLines[1]), lines(Txt.CaseListing[1]),
            lines(Txt.EnvelopeLines),     lines(Txt.SummaryLines),        lines(Txt.LoadListLines),
            lines(Txt.PointLoadListLines)};
    };
    const auto built = all();
    // The closing blank lines: two after the point loads, one after the supports, the envelope and
    // the distributed loads, two after the point loads of the listing.
    for (auto [t, blanks] : {std::pair{0, 2}, {1, 1}, {3, 1}, {5, 1}, {6, 2}}) {
        const auto& table = built[static_cast<std::size_t>(t)];
        ASSERT_GT(table.size(), 5u) << "table " << t;
        for (int k = 1; k <= blanks + 1; ++k)
            EXPECT_EQ(table[table.size() - static_cast<std::size_t>(k)].empty(), k <= blanks)
                << "table " << t << ", line " << table.size() - static_cast<std::size_t>(k);
    }
    auto scribble = [](auto& table) {
        using Line = std::remove_cvref_t<decltype(table[0])>;
        table.fill(Line("#"));
    };
    scribble(Txt.CaseLoadLines[1]);
    scribble(Txt.CaseSupportLines[1]);
    scribble(Txt.CaseListing[1]);
    scribble(Txt.EnvelopeLines);
    scribble(Txt.SummaryLines);
    scribble(Txt.LoadListLines);
    scribble(Txt.PointLoadListLines);
    BuildCaseResultsText();
    BuildEnvelopeText();
    BuildResultsSummary();
    BuildLoadsListing();
    const auto again = all();
    for (std::size_t t = 0; t < built.size(); ++t)
        EXPECT_EQ(again[t], built[t]) << "table " << t;
}

} // namespace

// The summary's texts say "factored" when any applied load of the job has a factor other than 1,
// in whichever loadcase it stands: the first and the last one alone. A 4 m span on pins, 12 kN at
// mid-span in two loadcases, one of them times 1.5: 18 kN gives R = 9 kN, M = PL/4 = 18 kN-m,
// M y / I = 18e6 x 100 / 1e8 = 18 N/mm^2; the deflection stays that of the unfactored 12 kN,
// PL^3/48EI = 12000 x 4000^3 / (48 x 210000 x 1e8) = 0.762 mm. With no factor at all: 6 kN,
// 12 kN-m, 0.762 mm, 12 N/mm^2, and the plain texts.
TEST_F(CaseResultsTest, TheSummarySaysFactoredForAFactorInTheFirstOrTheLastLoadcaseAlone) {
    struct Row {
        int factoredCase, plainCase;
        float LF;
        std::vector<std::string> maxima; // lines 2 to 6
    };
    const std::vector<std::string> factored{
        " Max factored shear = 9.000 kN", " Max factored bending moment = 18.00 kN-m",
        " Max deflection = 0.762 mm", " Max positive factored support reaction = 9.000 kN",
        " Max factored elastic stress = 18.00 N/mm^2"};
    const Row rows[] = {
        {1, 2, 1.5f, factored},
        {kMaxLoadcases, 1, 1.5f, factored},
        {kMaxLoadcases,
         1,
         1.0f,
         {" Max shear = 6.000 kN", " Max bending moment = 12.00 kN-m", " Max deflection = 0.762 mm",
          " Max positive support reaction = 6.000 kN", " Max stress = 12.00 N/mm^2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("factor " + std::to_string(row.LF) + " in loadcase " + std::to_string(row.factoredCase));
        Commit(BeamBuilder()
                   .Spans({4000})
                   .Point(row.plainCase, 2000, 12000)
                   .Point(row.factoredCase, 2000, 12000, row.LF));
        for (int r = 0; r <= kRHCantRow; ++r)
            Model.SpanData[r][mfY] = 100;
        AnalyseBeam(host);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        std::vector<std::string> maxima;
        for (int k = 2; k <= 6; ++k)
            maxima.push_back(Txt.MaximaLines[k].str());
        EXPECT_EQ(maxima, row.maxima);
    }
}

// Each load row shows its own factor, whether it rises or falls from the row before, in the
// loadcase listing (distributed loads, then point loads, one run of rows) and in the loads
// listing's two parts. 0.5 then 2.0 and 1.0 then 4.0 differ in their top bytes alone, by one.
TEST_F(CaseResultsTest, EveryLoadRowShowsItsOwnFactorInTheLoadcaseAndTheLoadsListings) {
    // Three figures: three decimals up to 1, two above.
    const std::vector<std::pair<float, std::string>> factors = {
        {1.0f, "1.000"}, {1.2f, "1.20"},  {1.35f, "1.35"}, {1.5f, "1.50"},  {1.6f, "1.60"}, {0.9f, "0.900"},
        {1.4f, "1.40"},  {0.5f, "0.500"}, {2.0f, "2.00"},  {1.0f, "1.000"}, {4.0f, "4.00"}};
    BeamBuilder beam;
    beam.Spans({5000, 5000});
    for (std::size_t i = 0; i < factors.size(); ++i) // records 1..11
        beam.Udl(1, 0, 1, 10000, factors[i].first);
    for (std::size_t i = 0; i < factors.size(); ++i) // records 12..22
        beam.Point(1, 500.0f * static_cast<float>(i + 1), 1000, factors[i].first);
    Commit(beam, 1);
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    auto token = [](const auto& line, std::size_t k) {
        std::istringstream in(line.str());
        std::string t;
        for (std::size_t i = 0; i <= k; ++i)
            in >> t;
        return t;
    };
    const int n = static_cast<int>(factors.size());
    for (int i = 0; i < n; ++i) {
        const std::string& text = factors[static_cast<std::size_t>(i)].second; // record i + 1 and 12 + i
        // Loadcase listing: distributed rows from line 8, the point rows 4 lines after them; the
        // factor is a row's last figure (the sixth of a distributed row, the fourth of a point row).
        EXPECT_EQ(token(Txt.CaseLoadLines[1][8 + i], 5), text) << "loadcase listing, UDL " << i + 1;
        EXPECT_EQ(token(Txt.CaseLoadLines[1][8 + n + 4 + i], 3), text) << "loadcase listing, point " << i + 1;
        // Loads listing: rows from line 5 in both parts, then the loadcases applying the load.
        EXPECT_EQ(token(Txt.LoadListLines[5 + i], 5), text) << "loads listing, UDL " << i + 1;
        EXPECT_EQ(token(Txt.PointLoadListLines[5 + i], 3), text) << "loads listing, point " << i + 1;
    }
}

// Each cantilever's block lists its own shears, moments and deflections. LH cantilever 2 m with 10
// kN at its tip, listed from the tip: V = -10 kN, M = -10 x kN-m (0, -10, -20 at 0, 1 and 2 m). RH
// cantilever 1 m with 30 kN at its tip, listed from its support: V = 30 kN, M = -30 (1 - x) kN-m.
// The spans (4 + 4 m, EI = 2.1e13 N mm^2) carry the root moments: three moments, -20 + 4 M2 - 30 =
// 0, M2 = 12.5 kN-m; support 1 turns L(2 M1 + M2) / 6EI = 4000 x -27.5e6 / 1.26e14 = -8.730e-4,
// support 3 L(M2 + 2 M3) / 6EI = -1.508e-3. Tips: 2000 x 8.730e-4 + Pa^3/3EI (10000 x 2000^3 /
// 6.3e13 = 1.270) = 3.016 mm down; 1000 x 1.508e-3 + 30000 x 1000^3 / 6.3e13 (0.476) = 1.984 mm
// down. Halfway along the LH one: 1000 x 8.730e-4 + P(2a^3 - 3a^2 x + x^3)/6EI at x = 1000 from
// the tip (10000 x 5e9 / 1.26e14 = 0.397) = 1.270 mm; along the RH one 500 x 1.508e-3 + 30000 x
// (2e9 - 1.5e9 + 0.125e9) / 1.26e14 (0.149) = 0.903 mm.
TEST_F(CaseResultsTest, EachCantileverListsItsOwnShearsMomentsAndDeflections) {
    Commit(BeamBuilder()
               .LHCantilever(2000)
               .Spans({4000, 4000})
               .RHCantilever(1000)
               .Point(1, 0, 10000)
               .Point(1, 11000, 30000));
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    auto block = [](const char* title) {
        int at = 1;
        while (at < 1000 && Txt.CaseListing[1][at] != title)
            ++at;
        return at;
    };
    const int lhc = block("LHC"), rhc = block(" RHC");
    const std::tuple<int, const char*> rows[] = {
        {lhc + 3, "  1          0.000       -10.000         0.000        -3.016"},
        {lhc + 13, " 11          1.000       -10.000       -10.000        -1.270"},
        {lhc + 23, " 21          2.000       -10.000       -20.000         0.000"},
        {rhc + 3, "  1          0.000        30.000       -30.000         0.000"},
        {rhc + 13, " 11          0.500        30.000       -15.000        -0.903"},
        {rhc + 23, " 21          1.000        30.000         0.000        -1.984"}};
    for (const auto& [line, text] : rows)
        EXPECT_EQ(Txt.CaseListing[1][line].str(), text) << (line < rhc ? "LHC" : "RHC") << " line " << line;
}

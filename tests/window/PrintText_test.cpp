// The printed text pages: rows, titles and page breaks, on the analysed beam B and on tables of
// chosen lengths.
#include "window/PrintText.h"

#include "DrawingTestSupport.h"
#include "engine/ResultText.h"

using namespace kx;
using namespace kx::test;

namespace {

// Rows at 600 dpi: FloatToInt(3.7 mm x 23.622047 px/mm x row), at the 15 mm margin.
int Row(int r) { return static_cast<int>(3.7 * (600 / 25.4) * r + 0.5); }

struct At {
    int page, row;
    std::string text;
};

class PrintTextTest : public DrawingTest {
protected:
    // Each line stands on its row of its page.
    void Expect(std::vector<At> lines) {
        for (const At& a : lines)
            ExpectTexts(Page(a.page), {{a.text, 354, Row(a.row)}});
    }
    std::string Title(int page) {
        for (const auto& i : Page(page).texts())
            if (i.fontSize == 12 && i.y1 == Row(10)) return i.text;
        return "";
    }
    // Runs a routine on a fresh document; nothing may stand below row 80.
    template <class Routine> void Print(Routine routine) {
        p = RecordingPrinter(600);
        p.BeginDoc();
        routine(p);
        for (const auto& page : p.pages)
            for (const auto& t : page->texts())
                EXPECT_LE(t.y1, Row(80)) << t.text;
    }
};

// Fills a table with count lines named prefix + i; line 0 holds the count.
template <class Table> void Fill(Table& t, int count, const std::string& prefix) {
    t[0] = std::to_string(count);
    for (int i = 1; i <= count; ++i)
        t[i] = prefix + std::to_string(i);
}

void PrintCase1(Printer& p) { PrintCaseResults(p, 1); }
void PrintAllCases(Printer& p) { PrintCaseResults(p, 0); }

} // namespace

TEST_F(PrintTextTest, BeamBDataEnvelopeAndLoadcasePagesStandOnTheirRows) {
    PrintBeamB();
    const auto env = [](int i) { return Txt.EnvelopeLines[i].str(); };
    auto& supports = Txt.CaseSupportLines[1];
    auto& listing = Txt.CaseListing[1];
    const int counts[] = {LineCount(Txt.SummaryLines),
                          LineCount(Txt.MaximaLines),
                          LineCount(Txt.LoadListLines),
                          LineCount(Txt.PointLoadListLines),
                          LineCount(Txt.EnvelopeLines),
                          LineCount(supports),
                          LineCount(listing)};
    EXPECT_EQ(std::vector<int>(std::begin(counts), std::end(counts)),
              std::vector<int>({13, 7, 6, 10, 102, 15, 103}));
    ASSERT_EQ(PrintedPointNumber(env(51)), 21);
    Print(PrintBeamLoadingData);
    ASSERT_EQ(p.pages.size(), 1u);
    const Item title = TextItem(Page(1), "Beam & Loading Data + Results Summary");
    const Item beamData = TextItem(Page(1), "BEAM DATA");
    EXPECT_EQ(std::make_tuple(title.x1, title.y1, title.fontSize), std::make_tuple(354, 874, 12));
    EXPECT_EQ(std::make_tuple(beamData.x1, beamData.y1, beamData.fontSize, beamData.font),
              std::make_tuple(354, 1224, 10, std::string("Courier")));
    EXPECT_TRUE(Page(1).hasText("Page 1")) << "under the page header";
    EXPECT_FALSE(Page(1).hasText("RESULTS")) << "the summary's own heading is left out";
    // MAXIMA 2098, the distributed loads 2797, the point loads 3321.
    Expect({{1, 24, "MAXIMA"},
            {1, 32, " UNIFORMLY DISTRIBUTED LOADS"},
            {1, 38, " Point Loads"},
            {1, 46, Txt.PointLoadListLines[10].str()}});

    // The envelope at 1/20th without its own heading: point 21 of a member on row 55 or below ends
    // the page; rows 63 and 65 at 5506 and 5681.
    Model.EnvelopeDivisions = 20;
    Print(PrintEnvelopeText);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_EQ(Title(2), "Results Envelope at 1/20th Span Intervals");
    EXPECT_FALSE(Page(1).hasText(env(1)));
    // clang-format off
    Expect({{1, 15, " LH Cantilever "}, {1, 63, env(51)}, {2, 15, env(52)}, {2, 16, " Span 2"},
            {2, 65, env(102)}});
    // clang-format on
    EXPECT_EQ(std::make_pair(Row(63), Row(65)), std::make_pair(5506, 5681));
    // At 1/10th points 1, 3, .. 21 of a member are renumbered 1 .. 11, the even ones left out; point
    // 21 of span 1 on row 43 (3758), span 2 ends on row 58: a break.
    Model.EnvelopeDivisions = 10;
    Print(PrintEnvelopeText);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_EQ(Title(1), "Results Envelope at 1/10th Span Intervals");
    EXPECT_FALSE(Page(1).hasText(env(7)));
    const auto renumbered = [&](const char* n, int i) { return n + env(i).substr(3); };
    // clang-format off
    Expect({{1, 18, renumbered("  1", 6)}, {1, 19, renumbered("  2", 8)}, {1, 43, renumbered(" 11", 51)},
            {1, 58, renumbered(" 11", 76)}, {2, 16, " RH Cantilever "}});
    // clang-format on
    EXPECT_EQ(Row(43), 3758);

    // Loadcase results: supports, then the listing over two pages, a loadcase at a time; the same
    // when all loadcases are shown.
    for (void (*routine)(Printer&) : {PrintCase1, PrintAllCases}) {
        Print(routine);
        ASSERT_EQ(p.pages.size(), 6u);
    }
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(Title(n), std::string(n % 3 == 1 ? "LOADCASE " : "LoadCase ") + (n <= 3 ? "1" : "2")) << n;
    // clang-format off
    Expect({{1, 14, "SUPPORTS"}, {1, 28, supports[15].str()}, {2, 12, "SPAN DATA at 1/20th SPAN INTERVALS"},
            {2, 61, listing[51].str()}, {3, 12, listing[52].str()}, {3, 63, listing[103].str()}, {4, 14, "SUPPORTS"}});
    // clang-format on
}

TEST_F(PrintTextTest, LongListingsGoOnOverNewPagesWithTheirHeadings) {
    // Summary lines 2..40 on rows 12..50, loads 1..20 on 51..70, then a page of "Beam & Loading Data"
    // with the loads' headings on rows 12..14; the point loads follow.
    Fill(Txt.SummaryLines, 40, "S");
    Fill(Txt.LoadListLines, 30, "U");
    Fill(Txt.PointLoadListLines, 4, "P");
    Print(PrintBeamLoadingData);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_EQ(Title(2), "Beam & Loading Data");
    Expect({{1, 70, "U20"}, {2, 12, "U1"}, {2, 13, "U2"}, {2, 14, "U3"}, {2, 15, "U21"}, {2, 25, "P1"}});
    // Point loads repeat theirs (lines 2..4); a listing ending on row 70 adds no page.
    Fill(Txt.LoadListLines, 10, "U");
    Fill(Txt.PointLoadListLines, 20, "P");
    Print(PrintBeamLoadingData);
    Expect({{1, 70, "P10"}, {2, 12, "P2"}, {2, 13, "P3"}, {2, 14, "P4"}, {2, 15, "P11"}});
    EXPECT_EQ(Page(2).texts().back().text, "P20");
    Fill(Txt.PointLoadListLines, 10, "P");
    Print(PrintBeamLoadingData);
    EXPECT_EQ(p.pages.size(), 1u);
    // Summary and maxima take every row to 80 and only then go on from row 12: summary line i on
    // row 10 + i, maxima after it; the loads never stand past row 70, so a loads table that would
    // start there starts on the next page.
    struct Long {
        int summary, maxima, loads;
        std::vector<At> rows;
        std::size_t pages;
    };
    const Long longOnes[] = {
        {100,
         50,
         0,
         {{1, 80, "S70"},
          {2, 12, "S71"},
          {2, 41, "S100"},
          {2, 42, "M1"},
          {2, 80, "M39"},
          {3, 12, "M40"},
          {3, 22, "M50"}},
         3},
        {60, 8, 5, {{1, 70, "S60"}, {1, 71, "M1"}, {1, 78, "M8"}, {2, 12, "U1"}, {2, 16, "U5"}}, 2},
        {60, 10, 0, {{1, 80, "M10"}}, 1},
    };
    for (const Long& l : longOnes) {
        Fill(Txt.SummaryLines, l.summary, "S");
        Fill(Txt.MaximaLines, l.maxima, "M");
        Fill(Txt.LoadListLines, l.loads, "U");
        Fill(Txt.PointLoadListLines, 0, "P");
        Print(PrintBeamLoadingData);
        EXPECT_EQ(p.pages.size(), l.pages) << l.summary << " " << l.maxima;
        ASSERT_GE(p.pages.size(), l.rows.back().page);
        Expect(l.rows);
    }

    // Envelope line i on row 12 + i (lines 2 and 3 share row 15): point 21 on row 54 stays, on 55
    // breaks, unless five lines or fewer follow; without member ends, 80 rows a page.
    Model.EnvelopeDivisions = 20;
    const auto envelope = [&](int end) {
        Fill(Txt.EnvelopeLines, 60, " 5 line ");
        Txt.EnvelopeLines[2] = "";
        Txt.EnvelopeLines[end] = "21 end";
        Print(PrintEnvelopeText);
    };
    envelope(42);
    EXPECT_EQ(p.pages.size(), 1u);
    Expect({{1, 54, "21 end"}, {1, 72, " 5 line 60"}});
    envelope(43);
    Expect({{1, 55, "21 end"}, {2, 15, " 5 line 44"}});
    envelope(55);
    EXPECT_EQ(p.pages.size(), 1u);
    Fill(Txt.EnvelopeLines, 200, " line ");
    Print(PrintEnvelopeText);
    EXPECT_EQ(p.pages.size(), 3u);
    Expect({{1, 80, " line 68"}, {2, 15, " line 69"}});
}

TEST_F(PrintTextTest, SupportAndCheckTextsBreakBeforeAMemberAndNeverPassRow80) {
    Model.LoadcaseCount = 1;
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
    Fill(Txt.CaseSupportLines[1], 70, "R"); // rows 14..80, then a new page
    Txt.CaseMaxStressLines[1] = "Max stress";
    Fill(Txt.SteelCheckLines[1], 150, "c"); // member blocks of 30 lines, each under its heading
    for (int m = 0; m < 5; ++m)
        Txt.SteelCheckLines[1][1 + 30 * m] = " SPAN " + std::to_string(m + 1);
    Fill(Txt.CaseListing[1], 1, "");
    Print(PrintCase1);
    EXPECT_EQ(Title(2), "LoadCase 1");
    EXPECT_EQ(Title(5), "LoadCase 1") << "the listing on its own page";
    // "Max stress" after one empty row; r = 18: SPAN 1 on 18..47, SPAN 2 on 48..77 (48 is not past
    // 66), SPAN 3 after r 78 > 66.
    // clang-format off
    Expect({{1, 80, "R67"}, {2, 12, "R68"}, {2, 16, "Max stress"}, {2, 18, " SPAN 1"}, {2, 48, " SPAN 2"},
            {2, 77, "c60"}, {3, 12, " SPAN 3"}, {3, 42, " SPAN 4"}, {4, 12, " SPAN 5"}});
    // clang-format on
    Fill(Txt.SteelCheckLines[1], 150, "c"); // no member headings: at most 80 rows a page
    Print(PrintCase1);
    Expect({{2, 80, "c63"}, {3, 12, "c64"}});
}

TEST(PrintedPointNumber, TheNumberOfTheFirstThreeCharactersOrZero) {
    // clang-format off
    const std::pair<const char*, int> lines[] = {
        {"", 0}, {"   ", 0}, {"  1   0.000", 1}, {" 21 end", 21}, {"100", 100}, {"  7", 7}, {"+5 ", 5},
        {"-3 ", -3}, {" - ", 0}, {"1a ", 0}, {" LH Cantilever", 0}, {"12", 12}, {" 2 1", 2}};
    // clang-format on
    for (auto [line, number] : lines)
        EXPECT_EQ(PrintedPointNumber(line), number) << "\"" << line << "\"";
}

TEST_F(PrintTextTest, EachMemberTypePrintsItsOwnCheckTextAfterTheSupports) {
    // Supports on rows 14..16, a blank row; a rolled section's maximum stress line and a blank row;
    // then the member type's check text and a blank row, then a steel check; the listing on its own
    // page, its first line as the title row 10, the rest from row 12.
    struct Kind {
        const char* type;
        int32 steel;
        std::vector<At> rows;
        std::vector<std::string> absent;
    };
    // clang-format off
    const Kind kinds[] = {
        {"Timber", 1, {{1, 18, "t1"}, {1, 21, "t4"}, {1, 23, "s1"}, {1, 24, "s2"}}, {"k1", "Max stress"}},
        {"Scaffold", 0, {{1, 18, "k1"}, {1, 21, "k4"}}, {"t1", "s1", "Max stress"}},
        {"KXF", 1, {{1, 18, "k1"}, {1, 21, "k4"}, {1, 23, "s1"}}, {"t1", "Max stress"}},
        {"HRS", 1, {{1, 18, "Max stress"}, {1, 20, "s1"}, {1, 21, "s2"}}, {"t1", "k1"}}};
    // clang-format on
    for (const Kind& k : kinds) {
        ResetProgramState();
        Model.LoadcaseCount = 1;
        Model.MemberType = k.type;
        Model.SteelSectionFlag = k.steel;
        Fill(Txt.CaseSupportLines[1], 3, "R");
        Txt.CaseMaxStressLines[1] = "Max stress";
        Fill(Txt.TimberCheckLines[1], 4, "t");
        Fill(Txt.KxCheckLines[1], 4, "k");
        Fill(Txt.SteelCheckLines[1], 2, "s");
        Fill(Txt.CaseListing[1], 3, "L");
        Print(PrintCase1);
        ASSERT_EQ(p.pages.size(), 2u) << k.type;
        Expect(k.rows);
        Expect({{1, 14, "R1"}, {1, 16, "R3"}, {2, 10, "L1"}, {2, 12, "L2"}, {2, 13, "L3"}});
        for (const std::string& text : k.absent)
            EXPECT_FALSE(Page(1).hasText(text)) << k.type << ": " << text;
    }
}

TEST_F(PrintTextTest, AListingWithoutPointNumbersGoesOnOverAPageAfterRow80) {
    // Line 1 on the title row 10, lines 2..70 on rows 12..80, lines 71..100 from row 12 overleaf.
    Model.LoadcaseCount = 1;
    Fill(Txt.CaseSupportLines[1], 1, "R");
    Fill(Txt.CaseListing[1], 100, "L");
    Print(PrintCase1);
    ASSERT_EQ(p.pages.size(), 3u);
    EXPECT_EQ(Title(3), "LoadCase 1");
    Expect({{2, 10, "L1"}, {2, 12, "L2"}, {2, 80, "L70"}, {3, 12, "L71"}, {3, 41, "L100"}});
}

// The printed text pages: rows, titles and page breaks, on the analysed beam B and on tables of
// chosen lengths.
#include <gtest/gtest.h>

#include <string>

#include "PrintTestSupport.h"
#include "app/ProgramState.h"
#include "engine/ResultText.h"
#include "window/PrintText.h"
#include "window/Pro_PrintHeader.h"

using namespace kx;
using namespace kx::test;

namespace {

// Rows at 600 dpi: FloatToInt(3.7 mm x 23.622047 px/mm x row).
int Row(int r) { return static_cast<int>(3.7 * (600 / 25.4) * r + 0.5); }
constexpr int kMargin = 354;

class PrintTextTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }

    RecordingPrinter p{600};
    void Begin() { p.BeginDoc(); }
    const RecordingCanvas& Page(int n) { return *p.pages.at(static_cast<std::size_t>(n - 1)); }
    // Where line i of a table stands: the page and the row, found by its text among the body lines.
    bool At(int page, int row, const std::string& text) {
        return HasTextAt(Page(page), text, kMargin, Row(row));
    }
    void ExpectNothingBelowRow80() {
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

} // namespace

TEST_F(PrintTextTest, BeamDataOfBeamBRunsOnFromRow12InOneFont) {
    AnalyseBeamB();
    ASSERT_EQ(LineCount(Txt.SummaryLines), 13);
    ASSERT_EQ(LineCount(Txt.MaximaLines), 7);
    ASSERT_EQ(LineCount(Txt.LoadListLines), 6);
    ASSERT_EQ(LineCount(Txt.PointLoadListLines), 10);
    Begin();
    PrintBeamLoadingData(p);
    ASSERT_EQ(p.pages.size(), 1u);
    const auto& page = Page(1);
    const Item title = TextItem(page, "Beam & Loading Data + Results Summary");
    EXPECT_EQ(std::vector<int>({title.x1, title.y1, title.fontSize}), std::vector<int>({354, 874, 12}));
    EXPECT_EQ(title.font, "Arial");
    EXPECT_TRUE(TextItem(page, "Page 1").y1 > 0) << "under the page header";
    EXPECT_FALSE(page.hasText("RESULTS")) << "the summary's own heading is left out";

    const Item beamData = TextItem(page, "BEAM DATA");
    EXPECT_EQ(std::vector<int>({beamData.x1, beamData.y1, beamData.fontSize}),
              std::vector<int>({354, 1224, 10}));
    EXPECT_EQ(beamData.font, "Courier");
    EXPECT_EQ(TextItem(page, "MAXIMA").y1, 2098);
    EXPECT_EQ(TextItem(page, " UNIFORMLY DISTRIBUTED LOADS").y1, 2797);
    EXPECT_EQ(TextItem(page, " Point Loads").y1, 3321);
    EXPECT_TRUE(At(1, 46, Txt.PointLoadListLines[10].str())) << "the last point-load line on row 46";
}

TEST_F(PrintTextTest, EnvelopeOfBeamBBreaksAfterAMemberEndingLowOnThePage) {
    AnalyseBeamB();
    ASSERT_EQ(LineCount(Txt.EnvelopeLines), 102);
    const auto line = [](int i) { return Txt.EnvelopeLines[i].str(); };
    ASSERT_EQ(line(3), " LH Cantilever ");
    ASSERT_EQ(PrintedPointNumber(line(51)), 21);

    Model.EnvelopeDivisions = 20;
    Begin();
    PrintEnvelopeText(p);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_EQ(TitleOf(Page(1)), "Results Envelope at 1/20th Span Intervals");
    EXPECT_EQ(TitleOf(Page(2)), "Results Envelope at 1/20th Span Intervals");
    EXPECT_FALSE(Page(1).hasText(line(1))) << "the table's own heading is not printed";
    EXPECT_TRUE(At(1, 15, " LH Cantilever "));
    EXPECT_TRUE(At(1, 63, line(51)));
    EXPECT_EQ(Row(63), 5506);
    EXPECT_TRUE(At(2, 15, line(52)));
    EXPECT_TRUE(At(2, 16, " Span 2"));
    EXPECT_TRUE(At(2, 65, line(102)));
    EXPECT_EQ(Row(65), 5681);

    p = RecordingPrinter(600);
    Model.EnvelopeDivisions = 10;
    Begin();
    PrintEnvelopeText(p);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_EQ(TitleOf(Page(1)), "Results Envelope at 1/10th Span Intervals");
    // Points 1, 3, .. 21 of a member renumbered 1 .. 11, the even ones taking no row.
    EXPECT_TRUE(At(1, 43, " 11" + line(51).substr(3)));
    EXPECT_EQ(Row(43), 3758);
    EXPECT_TRUE(At(1, 18, "  1" + line(6).substr(3)));
    EXPECT_TRUE(At(1, 19, "  2" + line(8).substr(3)));
    EXPECT_FALSE(Page(1).hasText(line(7))) << "point 2";
    EXPECT_TRUE(At(1, 58, " 11" + line(76).substr(3))) << "span 2 ends on row 58: break";
    EXPECT_TRUE(At(2, 16, " RH Cantilever "));
    ExpectNothingBelowRow80();
}

TEST_F(PrintTextTest, CaseResultsOfBeamBHaveThreePagesALoadcaseAndNoneForAll) {
    AnalyseBeamB();
    ASSERT_EQ(LineCount(Txt.CaseSupportLines[1]), 15);
    ASSERT_EQ(LineCount(Txt.CaseListing[1]), 103);
    Begin();
    PrintCaseResults(p, 0);
    EXPECT_TRUE(Page(1).items.empty()) << "all loadcases shown: nothing";

    PrintCaseResults(p, 1);
    ASSERT_EQ(p.pages.size(), 6u);
    const std::vector<std::string> titles{"LOADCASE 1", "LoadCase 1", "LoadCase 1",
                                          "LOADCASE 2", "LoadCase 2", "LoadCase 2"};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(TitleOf(Page(n)), titles[static_cast<std::size_t>(n - 1)]) << "page " << n;
    EXPECT_TRUE(At(1, 14, "SUPPORTS"));
    EXPECT_TRUE(At(1, 28, Txt.CaseSupportLines[1][15].str()));
    const auto& listing = Txt.CaseListing[1];
    EXPECT_TRUE(At(2, 12, "SPAN DATA at 1/20th SPAN INTERVALS"));
    EXPECT_TRUE(At(2, 61, listing[51].str()));
    EXPECT_EQ(PrintedPointNumber(listing[51].str()), 21);
    EXPECT_TRUE(At(3, 12, listing[52].str()));
    EXPECT_TRUE(At(3, 63, listing[103].str()));
    EXPECT_TRUE(At(4, 14, "SUPPORTS"));
    ExpectNothingBelowRow80();
}

TEST_F(PrintTextTest, ListingsThatReachRow70GoOnUnderBeamAndLoadingDataWithTheirHeadings) {
    Fill(Txt.SummaryLines, 40, "S"); // lines 2..40 on rows 12..50
    Fill(Txt.MaximaLines, 0, "M");
    Fill(Txt.LoadListLines, 30, "U"); // lines 1..20 on rows 51..70
    Fill(Txt.PointLoadListLines, 4, "P");
    Begin();
    PrintBeamLoadingData(p);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(At(1, 50, "S40"));
    EXPECT_TRUE(At(1, 70, "U20"));
    EXPECT_EQ(TitleOf(Page(2)), "Beam & Loading Data");
    EXPECT_TRUE(At(2, 12, "U1"));
    EXPECT_TRUE(At(2, 13, "U2"));
    EXPECT_TRUE(At(2, 14, "U3"));
    EXPECT_TRUE(At(2, 15, "U21"));
    EXPECT_TRUE(At(2, 24, "U30"));
    EXPECT_TRUE(At(2, 25, "P1")) << "the point loads follow on";

    // The point loads repeat their title, headings and units.
    p = RecordingPrinter(600);
    Fill(Txt.LoadListLines, 10, "U"); // rows 51..60
    Fill(Txt.PointLoadListLines, 20, "P");
    Begin();
    PrintBeamLoadingData(p);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(At(1, 70, "P10"));
    EXPECT_TRUE(At(2, 12, "P2"));
    EXPECT_TRUE(At(2, 13, "P3"));
    EXPECT_TRUE(At(2, 14, "P4"));
    EXPECT_TRUE(At(2, 15, "P11"));
    EXPECT_EQ(Page(2).texts().back().text, "P20");

    // A listing that ends on row 70 leaves no page of headings alone.
    p = RecordingPrinter(600);
    Fill(Txt.PointLoadListLines, 10, "P");
    Begin();
    PrintBeamLoadingData(p);
    EXPECT_EQ(p.pages.size(), 1u);
}

TEST_F(PrintTextTest, SummaryAndMaximaPastRow70GoOnOverANewPage) {
    Fill(Txt.SummaryLines, 100, "S"); // lines 2..60 on rows 12..70
    Fill(Txt.MaximaLines, 50, "M");
    Begin();
    PrintBeamLoadingData(p);
    ASSERT_EQ(p.pages.size(), 3u);
    EXPECT_TRUE(At(1, 70, "S60"));
    EXPECT_EQ(TitleOf(Page(2)), "Beam & Loading Data");
    EXPECT_TRUE(At(2, 12, "S61"));
    EXPECT_TRUE(At(2, 51, "S100"));
    EXPECT_TRUE(At(2, 52, "M1"));
    EXPECT_TRUE(At(2, 70, "M19"));
    EXPECT_TRUE(At(3, 12, "M20"));
    ExpectNothingBelowRow80();
}

TEST_F(PrintTextTest, AnEnvelopeMemberEndingOnRow55BreaksButNotOnRow54OrNearTheEnd) {
    // Line 2 and line 3 share row 15; line i then stands on row 12 + i.
    auto envelope = [](int endLine, int count) {
        Fill(Txt.EnvelopeLines, count, "x");
        Txt.EnvelopeLines[2] = "";
        for (int i = 3; i <= count; ++i)
            Txt.EnvelopeLines[i] = " 5 line " + std::to_string(i);
        Txt.EnvelopeLines[endLine] = "21 end";
    };
    Model.EnvelopeDivisions = 20;
    envelope(42, 60); // row 54
    Begin();
    PrintEnvelopeText(p);
    EXPECT_EQ(p.pages.size(), 1u);
    EXPECT_TRUE(At(1, 54, "21 end"));
    EXPECT_TRUE(At(1, 72, " 5 line 60"));

    p = RecordingPrinter(600);
    envelope(43, 60); // row 55
    Begin();
    PrintEnvelopeText(p);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(At(1, 55, "21 end"));
    EXPECT_TRUE(At(2, 15, " 5 line 44"));

    p = RecordingPrinter(600);
    envelope(55, 60); // five lines follow: they stay on the page
    Begin();
    PrintEnvelopeText(p);
    EXPECT_EQ(p.pages.size(), 1u);

    // A table with no member ends still keeps to 80 rows a page.
    p = RecordingPrinter(600);
    Fill(Txt.EnvelopeLines, 200, " line ");
    Begin();
    PrintEnvelopeText(p);
    EXPECT_EQ(p.pages.size(), 3u);
    EXPECT_TRUE(At(1, 80, " line 68"));
    EXPECT_TRUE(At(2, 15, " line 69"));
    ExpectNothingBelowRow80();
}

TEST_F(PrintTextTest, LongSupportAndCheckTextsBreakBeforeAMemberAndNeverPassRow80) {
    Model.LoadcaseCount = 1;
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
    Fill(Txt.CaseSupportLines[1], 60, "R"); // rows 14..70, then the rest on a new page
    Txt.CaseMaxStressLines[1] = "Max stress";
    // Member blocks of 30 lines, each opening with its heading.
    Fill(Txt.SteelCheckLines[1], 150, "c");
    for (int m = 0; m < 5; ++m)
        Txt.SteelCheckLines[1][1 + 30 * m] = " SPAN " + std::to_string(m + 1);
    Fill(Txt.CaseListing[1], 1, "");
    Begin();
    PrintCaseResults(p, 1);

    EXPECT_TRUE(At(1, 70, "R57"));
    EXPECT_EQ(TitleOf(Page(2)), "LoadCase 1");
    EXPECT_TRUE(At(2, 12, "R58"));
    EXPECT_TRUE(At(2, 14, "R60"));
    EXPECT_TRUE(At(2, 16, "Max stress")) << "after one empty row";
    // r = 18: SPAN 1 on 18..47, SPAN 2 on 48..77 (r 48 is not past 66), SPAN 3 after r 78 > 66.
    EXPECT_TRUE(At(2, 18, " SPAN 1"));
    EXPECT_TRUE(At(2, 48, " SPAN 2"));
    EXPECT_TRUE(At(2, 77, "c60"));
    EXPECT_TRUE(At(3, 12, " SPAN 3"));
    EXPECT_TRUE(At(3, 42, " SPAN 4"));
    EXPECT_TRUE(At(4, 12, " SPAN 5"));
    EXPECT_EQ(TitleOf(Page(5)), "LoadCase 1") << "the listing on its own page";

    // A check text without member headings: at most 80 rows a page.
    p = RecordingPrinter(600);
    Fill(Txt.SteelCheckLines[1], 150, "c");
    Begin();
    PrintCaseResults(p, 1);
    EXPECT_TRUE(At(2, 80, "c63"));
    EXPECT_TRUE(At(3, 12, "c64"));
    ExpectNothingBelowRow80();
}

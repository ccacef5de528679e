// The printed text pages: rows, titles and page breaks, on the analysed beam B and on tables of
// chosen lengths.
#include "window/PrintText.h"

#include <gtest/gtest.h>

#include <string>

#include "DrawingTestSupport.h"
#include "engine/ResultText.h"

using namespace kx;
using namespace kx::test;

namespace {

// Rows at 600 dpi: FloatToInt(3.7 mm x 23.622047 px/mm x row), at the 15 mm margin.
int Row(int r) { return static_cast<int>(3.7 * (600 / 25.4) * r + 0.5); }

class PrintTextTest : public DrawingTest {
protected:
    // Line `text` stands on this row of this page.
    ::testing::AssertionResult At(int page, int row, const std::string& text) {
        return HasText(Page(page), text, {354, Row(row)});
    }
    std::string Title(int page) {
        for (const auto& i : Page(page).texts())
            if (i.fontSize == 12 && i.y1 == Row(10)) return i.text;
        return "";
    }
    // Runs a routine on a fresh document and checks that nothing stands below row 80.
    template <class Routine> void Print(Routine routine) {
        p = RecordingPrinter(600);
        p.BeginDoc();
        routine();
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

TEST_F(PrintTextTest, BeamBDataEnvelopeAndLoadcasePagesStandOnTheirRows) {
    PrintBeamB();
    ASSERT_EQ(LineCount(Txt.SummaryLines), 13);
    ASSERT_EQ(LineCount(Txt.MaximaLines), 7);
    ASSERT_EQ(LineCount(Txt.LoadListLines), 6);
    ASSERT_EQ(LineCount(Txt.PointLoadListLines), 10);
    Print([&] { PrintBeamLoadingData(p); });
    ASSERT_EQ(p.pages.size(), 1u);
    const Item title = TextItem(Page(1), "Beam & Loading Data + Results Summary");
    EXPECT_EQ(std::vector<int>({title.x1, title.y1, title.fontSize}), std::vector<int>({354, 874, 12}));
    const Item beamData = TextItem(Page(1), "BEAM DATA");
    EXPECT_EQ(std::vector<int>({beamData.x1, beamData.y1, beamData.fontSize}),
              std::vector<int>({354, 1224, 10}));
    EXPECT_EQ(beamData.font, "Courier");
    EXPECT_TRUE(Page(1).hasText("Page 1")) << "under the page header";
    EXPECT_FALSE(Page(1).hasText("RESULTS")) << "the summary's own heading is left out";
    EXPECT_TRUE(At(1, 24, "MAXIMA"));                       // 2098
    EXPECT_TRUE(At(1, 32, " UNIFORMLY DISTRIBUTED LOADS")); // 2797
    EXPECT_TRUE(At(1, 38, " Point Loads"));                 // 3321

    // The envelope at 1/20th: point 21 of a member on row 55 or below ends the page.
    const auto env = [](int i) { return Txt.EnvelopeLines[i].str(); };
    ASSERT_EQ(LineCount(Txt.EnvelopeLines), 102);
    ASSERT_EQ(PrintedPointNumber(env(51)), 21);
    Model.EnvelopeDivisions = 20;
    Print([&] { PrintEnvelopeText(p); });
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_EQ(Title(2), "Results Envelope at 1/20th Span Intervals");
    EXPECT_FALSE(Page(1).hasText(env(1))) << "the table's own heading is not printed";
    EXPECT_TRUE(At(1, 15, " LH Cantilever "));
    EXPECT_TRUE(At(1, 63, env(51)));
    EXPECT_EQ(Row(63), 5506);
    EXPECT_TRUE(At(2, 15, env(52)));
    EXPECT_TRUE(At(2, 16, " Span 2"));
    EXPECT_TRUE(At(2, 65, env(102)));
    EXPECT_EQ(Row(65), 5681);
    // At 1/10th points 1, 3, .. 21 of a member are renumbered 1 .. 11; the even ones take no row.
    Model.EnvelopeDivisions = 10;
    Print([&] { PrintEnvelopeText(p); });
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_EQ(Title(1), "Results Envelope at 1/10th Span Intervals");
    EXPECT_TRUE(At(1, 18, "  1" + env(6).substr(3)));
    EXPECT_TRUE(At(1, 19, "  2" + env(8).substr(3)));
    EXPECT_FALSE(Page(1).hasText(env(7)));
    EXPECT_TRUE(At(1, 43, " 11" + env(51).substr(3)));
    EXPECT_EQ(Row(43), 3758);
    EXPECT_TRUE(At(1, 58, " 11" + env(76).substr(3))) << "span 2 ends on row 58: break";
    EXPECT_TRUE(At(2, 16, " RH Cantilever "));

    // Loadcase results: supports, then the listing over two pages, a loadcase at a time.
    Print([&] { PrintCaseResults(p, 0); });
    EXPECT_TRUE(Page(1).items.empty()) << "all loadcases shown: nothing";
    const auto& supports = Txt.CaseSupportLines[1];
    const auto& listing = Txt.CaseListing[1];
    ASSERT_EQ(LineCount(supports), 15);
    ASSERT_EQ(LineCount(listing), 103);
    Print([&] { PrintCaseResults(p, 1); });
    ASSERT_EQ(p.pages.size(), 6u);
    const char* titles[] = {"LOADCASE 1", "LoadCase 1", "LoadCase 1",
                            "LOADCASE 2", "LoadCase 2", "LoadCase 2"};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(Title(n), titles[n - 1]) << n;
    EXPECT_TRUE(At(1, 14, "SUPPORTS"));
    EXPECT_TRUE(At(1, 28, supports[15].str()));
    EXPECT_TRUE(At(2, 12, "SPAN DATA at 1/20th SPAN INTERVALS"));
    EXPECT_TRUE(At(2, 61, listing[51].str()));
    EXPECT_TRUE(At(3, 12, listing[52].str()));
    EXPECT_TRUE(At(3, 63, listing[103].str()));
    EXPECT_TRUE(At(4, 14, "SUPPORTS"));
}

TEST_F(PrintTextTest, LongListingsGoOnOverNewPagesWithTheirHeadings) {
    // Summary lines 2..40 on rows 12..50, loads 1..20 on 51..70, then a page of "Beam & Loading Data"
    // with the loads' headings on rows 12..14.
    Fill(Txt.SummaryLines, 40, "S");
    Fill(Txt.LoadListLines, 30, "U");
    Fill(Txt.PointLoadListLines, 4, "P");
    Print([&] { PrintBeamLoadingData(p); });
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(At(1, 70, "U20"));
    EXPECT_EQ(Title(2), "Beam & Loading Data");
    for (auto [row, text] : {std::pair{12, "U1"}, {13, "U2"}, {14, "U3"}, {15, "U21"}, {25, "P1"}})
        EXPECT_TRUE(At(2, row, text)) << text;
    // Point loads repeat theirs (lines 2..4); a listing ending on row 70 adds no page.
    Fill(Txt.LoadListLines, 10, "U");
    Fill(Txt.PointLoadListLines, 20, "P");
    Print([&] { PrintBeamLoadingData(p); });
    EXPECT_TRUE(At(1, 70, "P10"));
    for (auto [row, text] : {std::pair{12, "P2"}, {13, "P3"}, {14, "P4"}, {15, "P11"}})
        EXPECT_TRUE(At(2, row, text)) << text;
    Fill(Txt.PointLoadListLines, 10, "P");
    Print([&] { PrintBeamLoadingData(p); });
    EXPECT_EQ(p.pages.size(), 1u);
    // Summary and maxima past row 70 go on from row 12.
    Fill(Txt.SummaryLines, 100, "S");
    Fill(Txt.MaximaLines, 50, "M");
    Fill(Txt.LoadListLines, 0, "U");
    Fill(Txt.PointLoadListLines, 0, "P");
    Print([&] { PrintBeamLoadingData(p); });
    ASSERT_EQ(p.pages.size(), 3u);
    for (auto [page, row, text] : {std::tuple{1, 70, "S60"}, {2, 12, "S61"}, {2, 52, "M1"}, {3, 12, "M20"}})
        EXPECT_TRUE(At(page, row, text)) << text;

    // Envelope: line i on row 12 + i (lines 2 and 3 share row 15); point 21 on row 54 stays, on 55
    // breaks, unless five lines or fewer follow.
    Model.EnvelopeDivisions = 20;
    auto envelope = [&](int endLine) {
        Fill(Txt.EnvelopeLines, 60, " 5 line ");
        Txt.EnvelopeLines[2] = "";
        Txt.EnvelopeLines[endLine] = "21 end";
        Print([&] { PrintEnvelopeText(p); });
    };
    envelope(42);
    EXPECT_TRUE(At(1, 54, "21 end"));
    EXPECT_TRUE(At(1, 72, " 5 line 60"));
    envelope(43);
    EXPECT_TRUE(At(1, 55, "21 end"));
    EXPECT_TRUE(At(2, 15, " 5 line 44"));
    envelope(55);
    EXPECT_EQ(p.pages.size(), 1u);
    Fill(Txt.EnvelopeLines, 200, " line "); // no member ends: still 80 rows a page
    Print([&] { PrintEnvelopeText(p); });
    EXPECT_EQ(p.pages.size(), 3u);
    EXPECT_TRUE(At(1, 80, " line 68"));
    EXPECT_TRUE(At(2, 15, " line 69"));
}

TEST_F(PrintTextTest, SupportAndCheckTextsBreakBeforeAMemberAndNeverPassRow80) {
    Model.LoadcaseCount = 1;
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
    Fill(Txt.CaseSupportLines[1], 60, "R"); // rows 14..70, then a new page
    Txt.CaseMaxStressLines[1] = "Max stress";
    Fill(Txt.SteelCheckLines[1], 150, "c"); // member blocks of 30 lines, each under its heading
    for (int m = 0; m < 5; ++m)
        Txt.SteelCheckLines[1][1 + 30 * m] = " SPAN " + std::to_string(m + 1);
    Fill(Txt.CaseListing[1], 1, "");
    Print([&] { PrintCaseResults(p, 1); });
    EXPECT_TRUE(At(1, 70, "R57"));
    EXPECT_EQ(Title(2), "LoadCase 1");
    EXPECT_TRUE(At(2, 12, "R58"));
    EXPECT_TRUE(At(2, 16, "Max stress")) << "after one empty row";
    // r = 18: SPAN 1 on 18..47, SPAN 2 on 48..77 (48 is not past 66), SPAN 3 after r 78 > 66.
    for (auto [page, row, text] : {std::tuple{2, 18, " SPAN 1"},
                                   {2, 48, " SPAN 2"},
                                   {2, 77, "c60"},
                                   {3, 12, " SPAN 3"},
                                   {3, 42, " SPAN 4"},
                                   {4, 12, " SPAN 5"}})
        EXPECT_TRUE(At(page, row, text)) << text;
    EXPECT_EQ(Title(5), "LoadCase 1") << "the listing on its own page";
    Fill(Txt.SteelCheckLines[1], 150, "c"); // no member headings: at most 80 rows a page
    Print([&] { PrintCaseResults(p, 1); });
    EXPECT_TRUE(At(2, 80, "c63"));
    EXPECT_TRUE(At(3, 12, "c64"));
}

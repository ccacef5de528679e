// The page header and page grid at figures worked out by hand from the printer's resolution, and
// the print command: which sections print, in which order, with which page breaks.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "DrawingTestSupport.h"
#include "engine/ResultText.h"
#include "platform/BusyCursor.h"
#include "window/Print.h"
#include "window/Pro_PrintHeader.h"
#include "window/SetHeader.h"

using namespace kx;
using namespace kx::test;

namespace {

void SetHeaderTexts() {
    StoreHeaderTexts(
        {"Acme Temporary Works", "J Bloggs", "Bridge Street", "Phase 2", "Needle beams", "JR-7"});
    Model.BeamFileName = "/home/eng/jobs/needle.kxf";
}

const RecordingCanvas& Header(RecordingPrinter& p) {
    p.BeginDoc();
    PrintHeader(p);
    return *p.pages.back();
}

struct Sized {
    std::string text;
    int x, y, size;
};

} // namespace

TEST_F(DrawingTest, PageHeaderItemsStandInTheirPlacesInTheirOrder) {
    SetHeaderTexts();
    const RecordingCanvas& c = Header(p); // 600 dpi: hx = hy = 24
    const std::vector<Sized> items{
        {"KX-Flexor", 360, 0, 9},        {"Acme Temporary Works", 360, 168, 15},
        {"Bridge Street", 360, 360, 12}, {"Phase 2", 360, 480, 11},
        {"Needle beams", 360, 600, 11},  {"JR-7", 360, 720, 10},
        {"by  J Bloggs", 3840, 360, 9},  {"01/02/2024  09:30:00", 3840, 480, 9},
        {"Page 1", 3840, 720, 9},        {"/home/eng/jobs/needle.kxf", 1200, 720, 9}};
    std::vector<std::string> order;
    for (const auto& i : c.items)
        order.push_back(i.op == RecordingCanvas::Op::Line ? "rule" : i.text);
    std::vector<std::string> expected{"KX-Flexor", "rule"};
    for (std::size_t k = 1; k < items.size(); ++k)
        expected.push_back(items[k].text);
    expected.push_back("rule");
    EXPECT_EQ(order, expected);
    for (const auto& t : items) {
        const Item i = TextItem(c, t.text);
        EXPECT_EQ(std::vector<int>({i.x1, i.y1, i.fontSize}), std::vector<int>({t.x, t.y, t.size})) << t.text;
        EXPECT_EQ(i.font, "Arial");
    }
    EXPECT_TRUE(HasLine(c, {360, 120}, {4800, 120}, 3));
    EXPECT_TRUE(HasLine(c, {360, 840}, {4800, 840}, 3));
    EXPECT_EQ(std::make_tuple(c.fontName(), c.fontSize(), c.penWidth()), std::make_tuple("Arial", 9, 3));

    // Across and down apart (hy 12); pages count from 1.
    RecordingPrinter tall(600, 300);
    const RecordingCanvas& h = Header(tall);
    ExpectTexts(h, {{"Acme Temporary Works", 360, 84}, {"Page 1", 3840, 360}});
    EXPECT_TRUE(HasLine(h, {360, 60}, {4800, 60}, 3));
    EXPECT_TRUE(HasLine(h, {360, 420}, {4800, 420}, 3));
    tall.NewPage();
    PrintHeader(tall);
    EXPECT_TRUE(tall.pages[1]->hasText("Page 2"));

    // Texts are stored cut to 100 characters; empty ones draw nothing; "by  " and a whole user print.
    const std::string user(100, 'u');
    StoreHeaderTexts({"", user, std::string(100, 'p') + "X", "", "Job", "R-1"});
    Model.BeamFileName = "";
    EXPECT_EQ(Model.HeaderProject1.str(), std::string(100, 'p'));
    EXPECT_EQ(CurrentHeaderTexts().Edit_Ref, "R-1");
    RecordingPrinter again(600);
    const RecordingCanvas& e = Header(again);
    EXPECT_EQ(e.texts().size(), 7u) << "title, project 1, job, reference, user, date, page";
    ExpectTexts(e, {{"by  " + user, 3840, 360}, {"Job", 360, 600}});
}

TEST(PageGrid, RowsAndMarginFollowTheResolutionDown) {
    RecordingPrinter p600(600), p300(600, 300);
    const PrintPageGrid g = PageGrid(p600), h = PageGrid(p300);
    EXPECT_FLOAT_EQ(g.PrintDotsPerMmY, 23.622047f);
    // y = FloatToInt(3.7 mm x 23.622047 x row)
    const std::pair<int, int> rows[] = {{1, 87},    {10, 874},  {12, 1049}, {14, 1224},
                                        {15, 1311}, {70, 6118}, {80, 6992}};
    for (auto [row, y] : rows)
        EXPECT_EQ(g.PrintLineY[row], y) << row;
    EXPECT_THROW((void)g.PrintLineY[81], RangeError) << "no row below 80";
    EXPECT_EQ(g.PrintMarginX, 354);
    EXPECT_EQ(h.PrintLineY[12], 524);
    EXPECT_EQ(h.PrintMarginX, 354);
}

namespace {

class CancellingPrinter : public RecordingPrinter {
public:
    void BeginDoc() override { throw PrintCancelled(); }
};

PrintChoices Ticked(bool beam, bool envDiagrams, bool envText, bool caseDiagrams, bool caseText,
                    bool at20 = true) {
    PrintChoices c;
    c.Check_Beam = beam, c.Check_Envelope = envDiagrams, c.Check_Env20 = envText;
    c.Check_Case = caseDiagrams, c.Check_Case20 = caseText;
    c.Option_10 = !at20, c.Option_20 = at20;
    return c;
}

// The page's title (Arial 12 pt below the header), or "" when it has none.
std::vector<std::string> Titles(const RecordingPrinter& p) {
    std::vector<std::string> out;
    for (const auto& page : p.pages) {
        out.emplace_back();
        for (const auto& i : page->texts())
            if (i.fontSize == 12 && i.font == "Arial" && i.y1 > 840) out.back() = i.text;
    }
    return out;
}

} // namespace

TEST_F(DrawingTest, PrintCommandPrintsTheTickedSectionsInOrderWithBreaksOnlyBetween) {
    EXPECT_EQ(PrintReport(Ticked(1, 1, 1, 1, 1), 1, p), PrintOutcome::NoBeam);
    EXPECT_TRUE(p.pages.empty()) << "no job begun";
    PrintBeamB();
    EXPECT_EQ(PrintReport(Ticked(0, 0, 0, 0, 0), 1, p), PrintOutcome::NothingTicked);
    EXPECT_TRUE(p.pages.empty());

    EXPECT_EQ(PrintReport(Ticked(1, 1, 1, 1, 1), 1, p), PrintOutcome::Printed);
    EXPECT_TRUE(p.ended);
    EXPECT_EQ(Model.EnvelopeDivisions, 20);
    ASSERT_EQ(p.pages.size(), 12u);
    for (std::size_t n = 0; n < 12; ++n)
        EXPECT_TRUE(p.pages[n]->hasText("Page " + std::to_string(n + 1))) << n + 1;
    const std::string env = "Results Envelope at 1/20th Span Intervals";
    EXPECT_EQ(Titles(p),
              (std::vector<std::string>{"Beam & Loading Data + Results Summary", "  Envelope Diagrams ", env,
                                        env, " LOADCASE 1", " LOADCASE 2", "LOADCASE 1", "LoadCase 1",
                                        "LoadCase 1", "LOADCASE 2", "LoadCase 2", "LoadCase 2"}));
    // Only the last section: no page before or after it. An empty section still has its page.
    p = RecordingPrinter(600);
    EXPECT_EQ(PrintReport(Ticked(0, 0, 0, 0, 1), 1, p), PrintOutcome::Printed);
    EXPECT_EQ(Titles(p).front(), "LOADCASE 1");
    EXPECT_EQ(p.pages.size(), 6u);
    p = RecordingPrinter(600);
    EXPECT_EQ(PrintReport(Ticked(1, 0, 0, 0, 1), 0, p), PrintOutcome::Printed);
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(p.pages[1]->items.empty());
    // The envelope data's interval is set only when that section prints.
    p = RecordingPrinter(600);
    Model.EnvelopeDivisions = 7;
    EXPECT_EQ(PrintReport(Ticked(0, 0, 0, 1, 0), 1, p), PrintOutcome::Printed);
    EXPECT_EQ(Model.EnvelopeDivisions, 7);
    p = RecordingPrinter(600);
    EXPECT_EQ(PrintReport(Ticked(0, 0, 1, 0, 0, false), 1, p), PrintOutcome::Printed);
    EXPECT_EQ(Titles(p), std::vector<std::string>(2, "Results Envelope at 1/10th Span Intervals"));

    // A cancel prints nothing; a failure in section 3 abandons the whole job.
    CancellingPrinter cancelling;
    EXPECT_EQ(PrintReport(Ticked(1, 1, 1, 1, 1), 1, cancelling), PrintOutcome::Cancelled);
    EXPECT_TRUE(cancelling.pages.empty());
    p = RecordingPrinter(600);
    Txt.EnvelopeLines[0] = "many";
    EXPECT_THROW(PrintReport(Ticked(1, 1, 1, 1, 1), 1, p), ConvertError);
    EXPECT_TRUE(p.aborted);
    EXPECT_FALSE(p.ended);
    EXPECT_EQ(BusyCursor::depth(), 0);
}

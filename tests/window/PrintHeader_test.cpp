// The page header and the page grid, at figures worked out by hand from the printer's resolution.
#include <gtest/gtest.h>

#include <string>

#include "app/ProgramState.h"
#include "foundation/SharedModel.h"
#include "platform/Printer.h"
#include "window/Pro_PrintHeader.h"
#include "window/SetHeader.h"

using namespace kx;

namespace {

using Item = RecordingCanvas::Item;

class PrintHeaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Model.HeaderCompany = "Acme Temporary Works";
        Model.HeaderUser = "J Bloggs";
        Model.HeaderProject1 = "Bridge Street";
        Model.HeaderProject2 = "Phase 2";
        Model.HeaderJobDesc = "Needle beams";
        Model.HeaderJobRef = "JR-7";
        Model.BeamFileName = "/home/eng/jobs/needle.kxf";
    }
    void TearDown() override { ResetProgramState(); }

    // The header on the first page of a fresh document.
    static RecordingCanvas& Header(RecordingPrinter& p) {
        p.BeginDoc();
        PrintHeader(p);
        return *p.pages.back();
    }
};

const Item* FindText(const RecordingCanvas& c, const std::string& text) {
    for (const auto& i : c.items)
        if (i.op == RecordingCanvas::Op::Text && i.text == text) return &i;
    return nullptr;
}

void ExpectText(const RecordingCanvas& c, const std::string& text, int x, int y, int size) {
    const Item* i = FindText(c, text);
    ASSERT_NE(i, nullptr) << text;
    EXPECT_EQ(i->x1, x) << text;
    EXPECT_EQ(i->y1, y) << text;
    EXPECT_EQ(i->fontSize, size) << text;
    EXPECT_EQ(i->font, "Arial") << text;
}

} // namespace

TEST_F(PrintHeaderTest, At600DpiEveryItemStandsInItsPlaceInItsOrder) {
    RecordingPrinter p(600);
    RecordingCanvas& c = Header(p);
    // hx = hy = 600 div 25 = 24 pixels.
    ExpectText(c, "KX-Flexor", 360, 0, 9);
    ExpectText(c, "Acme Temporary Works", 360, 168, 15);
    ExpectText(c, "Bridge Street", 360, 360, 12);
    ExpectText(c, "Phase 2", 360, 480, 11);
    ExpectText(c, "Needle beams", 360, 600, 11);
    ExpectText(c, "JR-7", 360, 720, 10);
    ExpectText(c, "by  J Bloggs", 3840, 360, 9);
    ExpectText(c, "01/02/2024  09:30:00", 3840, 480, 9);
    ExpectText(c, "Page 1", 3840, 720, 9);
    ExpectText(c, "/home/eng/jobs/needle.kxf", 1200, 720, 9);

    std::vector<std::string> order;
    for (const auto& i : c.items)
        order.push_back(i.op == RecordingCanvas::Op::Line ? "rule " + std::to_string(i.y1) : i.text);
    EXPECT_EQ(order, (std::vector<std::string>{"KX-Flexor", "rule 120", "Acme Temporary Works",
                                               "Bridge Street", "Phase 2", "Needle beams", "JR-7",
                                               "by  J Bloggs", "01/02/2024  09:30:00", "Page 1",
                                               "/home/eng/jobs/needle.kxf", "rule 840"}));
    const auto rules = c.lines();
    ASSERT_EQ(rules.size(), 2u);
    for (const auto& r : rules) {
        EXPECT_EQ(r.x1, 360);
        EXPECT_EQ(r.x2, 4800);
        EXPECT_EQ(r.y1, r.y2);
        EXPECT_EQ(r.width, 3);
    }
    // What callers of the header start from.
    EXPECT_EQ(c.fontName(), "Arial");
    EXPECT_EQ(c.fontSize(), 9);
    EXPECT_EQ(c.penWidth(), 3);
}

TEST_F(PrintHeaderTest, AcrossAndDownUseTheirOwnResolutionAndPagesCountFromOne) {
    RecordingPrinter p(600, 300); // hx 24, hy 12
    RecordingCanvas& first = Header(p);
    ExpectText(first, "Acme Temporary Works", 360, 84, 15);
    ExpectText(first, "Page 1", 3840, 360, 9);
    ExpectText(first, "/home/eng/jobs/needle.kxf", 1200, 360, 9);
    const auto rules = first.lines();
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].y1, 60);
    EXPECT_EQ(rules[1].y1, 420);
    EXPECT_EQ(rules[1].x2, 4800);

    p.NewPage();
    PrintHeader(p);
    p.NewPage();
    PrintHeader(p);
    EXPECT_NE(FindText(*p.pages[2], "Page 3"), nullptr);
    EXPECT_EQ(FindText(*p.pages[2], "Page 1"), nullptr);
}

TEST_F(PrintHeaderTest, EmptyTextsDrawNothingAndLongTextsPrintWhole) {
    Model.HeaderCompany = "";
    Model.HeaderProject2 = "";
    Model.BeamFileName = "";
    const std::string user(100, 'u');
    Model.HeaderUser = user;
    RecordingPrinter p(600);
    RecordingCanvas& c = Header(p);
    EXPECT_EQ(c.texts().size(), 7u) << "title, project 1, job, reference, user, date, page";
    for (const auto& t : c.texts())
        EXPECT_FALSE(t.text.empty());
    ExpectText(c, "by  " + user, 3840, 360, 9); // 104 characters, not cut
    ExpectText(c, "Needle beams", 360, 600, 11);
    ExpectText(c, "Page 1", 3840, 720, 9);
}

TEST(PageGrid, RowsAndMarginFollowTheResolutionDown) {
    RecordingPrinter p600(600);
    const PrintPageGrid g = PageGrid(p600);
    EXPECT_FLOAT_EQ(g.PrintDotsPerMmX, 23.622047f);
    EXPECT_FLOAT_EQ(g.PrintDotsPerMmY, 23.622047f);
    // y = FloatToInt(3.7 mm x 23.622047 x row)
    EXPECT_EQ(g.PrintLineY[1], 87);
    EXPECT_EQ(g.PrintLineY[10], 874);
    EXPECT_EQ(g.PrintLineY[12], 1049);
    EXPECT_EQ(g.PrintLineY[14], 1224);
    EXPECT_EQ(g.PrintLineY[15], 1311);
    EXPECT_EQ(g.PrintLineY[70], 6118);
    EXPECT_EQ(g.PrintLineY[80], 6992);
    EXPECT_EQ(g.PrintMarginX, 354);
    EXPECT_THROW((void)g.PrintLineY[81], RangeError) << "no row below 80";
    EXPECT_THROW((void)g.PrintLineY[0], RangeError);

    RecordingPrinter p300(600, 300);
    const PrintPageGrid h = PageGrid(p300);
    EXPECT_FLOAT_EQ(h.PrintDotsPerMmY, 11.811024f);
    EXPECT_EQ(h.PrintLineY[12], 524);
    EXPECT_EQ(h.PrintMarginX, 354);
}

TEST_F(PrintHeaderTest, HeaderTextsAreStoredCutTo100CharactersEach) {
    const std::string long101 = std::string(100, 'p') + "X";
    StoreHeaderTexts({"Other Company", "A User", long101, "", "Job", "R-1"});
    EXPECT_EQ(Model.HeaderCompany, "Other Company");
    EXPECT_EQ(Model.HeaderUser, "A User");
    EXPECT_EQ(Model.HeaderProject1.str(), std::string(100, 'p'));
    EXPECT_EQ(Model.HeaderProject2, "");
    EXPECT_EQ(Model.HeaderJobDesc, "Job");
    EXPECT_EQ(Model.HeaderJobRef, "R-1");
    const HeaderChoices shown = CurrentHeaderTexts();
    EXPECT_EQ(shown.Edit_Project_1, std::string(100, 'p'));
    EXPECT_EQ(shown.Edit_Ref, "R-1");
}

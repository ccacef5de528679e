// The page header and page grid at figures worked out by hand from the printer's resolution, and
// the print command: which sections print, in which order, with which page breaks.
#include "window/Pro_PrintHeader.h"

#include "DrawingTestSupport.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "window/Print.h"
#include "window/SetHeader.h"

using namespace kx;
using namespace kx::test;

namespace {

using Texts = std::vector<std::string>;

const RecordingCanvas& Header(RecordingPrinter& p) {
    p.BeginDoc();
    p.canvas().SetFontName("Courier New"); // as a page of listings leaves it
    PrintHeader(p);
    return *p.pages.back();
}

PrintChoices Ticked(std::string ticks, bool at20 = true) { // "BEeCc": which of the five
    PrintChoices c;
    c.Check_Beam = ticks[0] == 'B', c.Check_Envelope = ticks[1] == 'E', c.Check_Env20 = ticks[2] == 'e';
    c.Check_Case = ticks[3] == 'C', c.Check_Case20 = ticks[4] == 'c';
    c.Option_10 = !at20, c.Option_20 = at20;
    return c;
}

// Each page's title (Arial 12 pt below the header), "" for none.
Texts Titles(const RecordingPrinter& p) {
    Texts out;
    for (const auto& page : p.pages) {
        out.emplace_back();
        for (const auto& i : page->texts())
            if (i.fontSize == 12 && i.font == "Arial" && i.y1 > 840) out.back() = i.text;
    }
    return out;
}

} // namespace

TEST_F(DrawingTest, PageHeaderItemsStandInTheirPlacesInTheirOrder) {
    StoreHeaderTexts(
        {"Acme Temporary Works", "J Bloggs", "Bridge Street", "Phase 2", "Needle beams", "JR-7"});
    Model.BeamFileName = "/home/Zo\xC3\xAB/jobs/needle.kxf"; // as the file dialogs give it
    const RecordingCanvas& c = Header(p);                    // 600 dpi: hx = hy = 24
    // clang-format off
    const std::tuple<std::string, int, int, int> items[] = {
        {"KX-Flexor", 360, 0, 9}, {"Acme Temporary Works", 360, 168, 15}, {"Bridge Street", 360, 360, 12},
        {"Phase 2", 360, 480, 11}, {"Needle beams", 360, 600, 11}, {"JR-7", 360, 720, 10},
        {"by  J Bloggs", 3840, 360, 9}, {"01/02/2024  09:30:00", 3840, 480, 9}, {"Page 1", 3840, 720, 9},
        {"/home/Zo\xC3\xAB/jobs/needle.kxf", 1200, 720, 9}};
    // clang-format on
    Texts order, expected;
    for (const auto& i : c.items)
        order.push_back(i.op == RecordingCanvas::Op::Line ? "rule" : i.text);
    for (const auto& [text, x, y, size] : items) {
        expected.push_back(text);
        const Item i = TextItem(c, text);
        EXPECT_EQ(std::make_tuple(i.x1, i.y1, i.fontSize, i.font),
                  std::make_tuple(x, y, size, std::string("Arial")))
            << text;
    }
    EXPECT_TRUE(TextItem(c, Model.BeamFileName).path) << "drawn in the system's encoding";
    expected.insert(expected.begin() + 1, "rule");
    expected.push_back("rule");
    EXPECT_EQ(order, expected);
    ExpectLines(c, {{360, 120, 4800, 120, 3}, {360, 840, 4800, 840, 3}});
    EXPECT_EQ(std::make_tuple(c.fontName(), c.fontSize(), c.penWidth()), std::make_tuple("Arial", 9, 3));

    // Across and down apart (hy 12); pages count from 1.
    RecordingPrinter tall(600, 300);
    const RecordingCanvas& h = Header(tall);
    ExpectTexts(h, {{"Acme Temporary Works", 360, 84}, {"Page 1", 3840, 360}});
    ExpectLines(h, {{360, 60, 4800, 60, 3}, {360, 420, 4800, 420, 3}});
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

    // The page grid: y = FloatToInt(3.7 mm x 23.622047 x row), margin 15 mm; no row below 80.
    const PrintPageGrid g = PageGrid(p), down300 = PageGrid(tall);
    for (auto [row, y] :
         {std::pair{1, 87}, {10, 874}, {12, 1049}, {14, 1224}, {15, 1311}, {70, 6118}, {80, 6992}})
        EXPECT_EQ(g.PrintLineY[row], y) << row;
    EXPECT_THROW((void)g.PrintLineY[81], RangeError);
    EXPECT_EQ(std::make_tuple(g.PrintMarginX, down300.PrintLineY[12], down300.PrintMarginX),
              std::make_tuple(354, 524, 354));
}

TEST_F(DrawingTest, PrintCommandPrintsTheTickedSectionsInOrderWithBreaksOnlyBetween) {
    EXPECT_EQ(PrintReport(Ticked("BEeCc"), 1, p), PrintOutcome::NoBeam);
    PrintBeamB();
    EXPECT_EQ(PrintReport(Ticked("....."), 1, p), PrintOutcome::NothingTicked);
    EXPECT_TRUE(p.pages.empty()) << "no job begun";
    EXPECT_EQ(PrintReport(Ticked("BEeCc"), 1, p), PrintOutcome::Printed);
    EXPECT_TRUE(p.ended);
    EXPECT_EQ(Model.EnvelopeDivisions, 20);
    ASSERT_EQ(p.pages.size(), 12u);
    for (std::size_t n = 0; n < 12; ++n)
        EXPECT_TRUE(p.pages[n]->hasText("Page " + std::to_string(n + 1))) << n + 1;
    const std::string env = "Results Envelope at 1/20th Span Intervals";
    // clang-format off
    EXPECT_EQ(Titles(p), (Texts{"Beam & Loading Data + Results Summary", "  Envelope Diagrams ", env, env, " LOADCASE 1",
                                " LOADCASE 2", "LOADCASE 1", "LoadCase 1", "LoadCase 1", "LOADCASE 2", "LoadCase 2",
                                "LoadCase 2"}));
    // clang-format on
    // One section: no page before or after it. With all loadcases shown the loadcase data prints
    // each analysed loadcase as it prints for one; every page carries the header.
    const Texts cases{"LOADCASE 1", "LoadCase 1", "LoadCase 1", "LOADCASE 2", "LoadCase 2", "LoadCase 2"};
    Texts beamAndCases{"Beam & Loading Data + Results Summary"};
    beamAndCases.insert(beamAndCases.end(), cases.begin(), cases.end());
    const std::tuple<const char*, int, bool, Texts> runs[] = {
        {"....c", 1, true, cases},
        {"....c", 0, true, cases},
        {"B...c", 0, true, beamAndCases},
        {"..e..",
         1,
         false,
         {"Results Envelope at 1/10th Span Intervals", "Results Envelope at 1/10th Span Intervals"}}};
    for (const auto& [ticks, shown, at20, titles] : runs) {
        p = RecordingPrinter(600);
        EXPECT_EQ(PrintReport(Ticked(ticks, at20), shown, p), PrintOutcome::Printed);
        EXPECT_EQ(Titles(p), titles) << ticks << " " << shown;
        for (std::size_t n = 0; n < p.pages.size(); ++n)
            EXPECT_TRUE(p.pages[n]->hasText("Page " + std::to_string(n + 1))) << ticks << " " << n + 1;
    }
    // The envelope data's interval is set only when that section prints.
    Model.EnvelopeDivisions = 7;
    EXPECT_EQ(PrintReport(Ticked("...C."), 1, p), PrintOutcome::Printed);
    EXPECT_EQ(Model.EnvelopeDivisions, 7);

    // A cancel prints nothing; a failure in section 3 abandons the whole job.
    struct CancellingPrinter : RecordingPrinter {
        void BeginDoc() override { throw PrintCancelled(); }
    } cancelling;
    EXPECT_EQ(PrintReport(Ticked("BEeCc"), 1, cancelling), PrintOutcome::Cancelled);
    EXPECT_TRUE(cancelling.pages.empty());
    p = RecordingPrinter(600);
    Txt.EnvelopeLines[0] = "many";
    EXPECT_THROW(PrintReport(Ticked("BEeCc"), 1, p), ConvertError);
    EXPECT_TRUE(p.aborted && !p.ended);
    EXPECT_EQ(BusyCursor::depth(), 0);

    // A section that prints nothing takes no page break: loadcase data with all loadcases shown
    // and nothing analysed, diagrams of a beam that does not deflect; with nothing to print no job.
    Txt.EnvelopeLines[0] = "0";
    Model.AnalysedFlag = 0;
    Eng.DeflectionExtremes[0][kBeamRow][xMagnitude] = 0;
    const std::tuple<const char*, Texts> empty[] = {{"B...c", {"Beam & Loading Data + Results Summary"}},
                                                    {"BE...", {"Beam & Loading Data + Results Summary"}},
                                                    {".EeCc", {"Results Envelope at 1/20th Span Intervals"}}};
    for (const auto& [ticks, titles] : empty) {
        p = RecordingPrinter(600);
        EXPECT_EQ(PrintReport(Ticked(ticks), 0, p), PrintOutcome::Printed);
        EXPECT_EQ(Titles(p), titles) << ticks;
    }
    p = RecordingPrinter(600);
    EXPECT_EQ(PrintReport(Ticked(".E.Cc"), 0, p), PrintOutcome::NothingTicked);
    EXPECT_TRUE(p.pages.empty()) << "no job begun";
}

TEST_F(DrawingTest, FiveLoadcasesPrintToTheLastAndOKPrintsOnlyResultsThatStand) {
    ScopedScriptedDialogs dialogs;
    // Loads in loadcases 1, 3 and 5: the diagrams and the data of every loadcase to the fifth,
    // those without loads too.
    kxtest::AnalyseJob(
        BeamBuilder().Spans({3000, 3000}).Udl(1, 0, 5, 6000).Udl(3, 0, 5, 3000).Point(5, 4500, 1000));
    ASSERT_EQ(Model.LoadcaseCount, 5);
    Texts titles;
    for (int lc = 1; lc <= 5; ++lc)
        titles.push_back(" LOADCASE " + std::to_string(lc));
    for (int lc = 1; lc <= 5; ++lc) {
        titles.push_back("LOADCASE " + std::to_string(lc));
        titles.push_back("LoadCase " + std::to_string(lc));
    }
    EXPECT_EQ(PrintOptionsOK(Ticked("...Cc"), 0, p), PrintOutcome::Printed);
    EXPECT_EQ(Titles(p), titles);
    EXPECT_TRUE(p.pages.back()->hasText("Page 15"));
    EXPECT_TRUE(dialogs->messages().empty());

    // Results that no longer stand print nothing and say so; no beam prints nothing and says nothing.
    Model.AnalysedFlag = 0;
    p = RecordingPrinter(600);
    EXPECT_EQ(PrintOptionsOK(Ticked("BEeCc"), 0, p), PrintOutcome::NotAnalysed);
    EXPECT_EQ(dialogs->messages(), Texts{"Analyse the beam first"});
    Model.BeamLength = 0;
    EXPECT_EQ(PrintOptionsOK(Ticked("BEeCc"), 0, p), PrintOutcome::NoBeam);
    EXPECT_EQ(dialogs->messages().size(), 1u);
    EXPECT_TRUE(p.pages.empty());
}

TEST(SetHeader, EachOfTheSixTextsIsStoredOverAnotherCutTo100Characters) {
    ResetProgramState();
    StoreHeaderTexts({"a", "b", "c", "d", "e", "f"});
    const std::string t[] = {std::string(101, 'C'), std::string(101, 'U'), std::string(101, '1'),
                             std::string(101, '2'), std::string(101, 'J'), std::string(101, 'R')};
    StoreHeaderTexts({t[0], t[1], t[2], t[3], t[4], t[5]});
    const HeaderChoices c = CurrentHeaderTexts();
    const std::string shown[] = {c.Edit_Company,   c.Edit_User,    c.Edit_Project_1,
                                 c.Edit_Project_2, c.Edit_JobDesc, c.Edit_Ref};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(shown[i], t[i].substr(0, 100)) << i;
    EXPECT_EQ(Model.HeaderJobDesc.str(), std::string(100, 'J'));
}

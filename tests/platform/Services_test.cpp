#include "platform/Arr.h"
#include "platform/BusyCursor.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Guard.h"
#include "platform/Printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "TempDir.h"

using namespace kx;

TEST(Guard, AnErrorEndsOnlyTheActionAndShowsItsTextUnderTheProgramTitle) {
    ScopedScriptedDialogs d;
    int stepsDone = 0;
    bool ok = Guard([&] {
        ++stepsDone;
        Arr<int, 1, 5> a;
        a[6] = 1;
        ++stepsDone;
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(stepsDone, 1) << "what the handler did before the error stays";
    ASSERT_EQ(d->shown.size(), 1u);
    EXPECT_EQ(d->shown[0].text, "Range check error");
    EXPECT_EQ(d->shown[0].caption, "KX-Flexor");
    EXPECT_TRUE(Guard([] {}));
    EXPECT_EQ(d->shown.size(), 1u);
}

TEST(BusyCursor, NestsAndRestoresOnEveryPathOut) {
    struct Counting : CursorService {
        int busy = 0, restored = 0;
        void ShowBusy() override { ++busy; }
        void Restore() override { ++restored; }
    } svc;
    InstallCursorService(&svc);
    try {
        BusyCursor outer;
        {
            BusyCursor inner;
            EXPECT_EQ(BusyCursor::depth(), 2);
        }
        throw std::runtime_error("x");
    } catch (const std::runtime_error&) {
    }
    InstallCursorService(nullptr);
    EXPECT_EQ(svc.busy, 1);
    EXPECT_EQ(svc.restored, 1);
    EXPECT_EQ(BusyCursor::depth(), 0);
}

TEST(Files, FindsFilesInTheStartDirectoryWithoutRegardToCase) {
    TempDir dir;
    std::ofstream(dir.path("UB.sct")) << "x";
    EXPECT_EQ(FindFileNoCase(dir.dir(), "ub.sct"), std::optional<std::string>(dir.path("UB.sct")));
    EXPECT_EQ(FindFileNoCase(dir.dir(), "UB.SCT"), std::optional<std::string>(dir.path("UB.sct")));
    EXPECT_EQ(FindFileNoCase(dir.dir(), "UC.sct"), std::nullopt);
    EXPECT_EQ(FindFileNoCase(dir.path("missing"), "UB.sct"), std::nullopt);

    std::string saved = StartDir;
    StartDir = dir.dir();
    EXPECT_EQ(StartDirPath("ub.SCT"), dir.path("UB.sct"));
    EXPECT_EQ(StartDirPath("Kxf_Unit.dim"), dir.path("Kxf_Unit.dim")) << "a new file keeps the name given";
    StartDir = saved;
    EXPECT_EQ(FileNameOf("/a/b/c.kxf"), "c.kxf");
    EXPECT_EQ(FolderOf("/a/b/c.kxf"), "/a/b");
    EXPECT_EQ(FolderOf("c.kxf"), ".");
}

// Of several spellings of one name the exact one is taken, else the first in name order; a folder or
// a name one character longer or shorter is no match.
TEST(Files, OfSeveralSpellingsTheExactOneOrTheFirstInNameOrderIsTaken) {
    TempDir dir;
    std::filesystem::create_directory(dir.path("ub.sct"));
    EXPECT_EQ(FindFileNoCase(dir.dir(), "ub.sct"), std::nullopt) << "a folder is no file";
    for (const char* name : {"uB.sct", "Ub.sct", "UB.sc", "UB.sctx"})
        std::ofstream(dir.path(name)) << name;
    // "Ub.sct" sorts before "uB.sct": capitals come first.
    EXPECT_EQ(FindFileNoCase(dir.dir(), "UB.SCT"), std::optional<std::string>(dir.path("Ub.sct")));
    EXPECT_EQ(FindFileNoCase(dir.dir(), "ub.sct"), std::optional<std::string>(dir.path("Ub.sct")));
    std::ofstream(dir.path("UB.SCT")) << "upper";
    EXPECT_EQ(FindFileNoCase(dir.dir(), "ub.sct"), std::optional<std::string>(dir.path("UB.SCT")));
    EXPECT_EQ(FindFileNoCase(dir.dir(), "uB.sct"), std::optional<std::string>(dir.path("uB.sct"))) << "exact";
    EXPECT_EQ(FindFileNoCase(dir.dir(), "UB.s"), std::nullopt);

    const std::string saved = StartDir;
    StartDir = "elsewhere";
    InitStartDir();
    EXPECT_EQ(StartDir, std::filesystem::current_path().string());
    StartDir = saved;
}

// A service used before start-up installed it ends the program and names the service.
TEST(MissingService, EndsTheProgramNamingTheService) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            InstallDialogs(nullptr);
            dlg().Message("lost", "KX-Flexor");
        },
        "KX-Flexor: the dialog service is used before it is installed");
    EXPECT_DEATH(
        {
            InstallClock(nullptr);
            clockService();
        },
        "KX-Flexor: the clock service is used before it is installed");
    EXPECT_DEATH(
        {
            InstallPrinter(nullptr);
            printer();
        },
        "KX-Flexor: the printer service is used before it is installed");
}

TEST(RecordingPrinter, KeepsEachPageOfAnA4DocumentAndNoPageOutsideIt) {
    RecordingPrinter p(600);
    p.BeginDoc();
    p.canvas().TextOut(10, 20, "Page one");
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.EndDoc();
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(p.pages[0]->hasText("Page one") && p.pages[1]->texts().empty());
    EXPECT_EQ(std::pair(p.PageWidth(), p.PageHeight()), std::pair(4961, 7016)); // A4 at 600 dpi
    EXPECT_THROW(p.NewPage(), std::runtime_error);

    // The next document starts afresh; a page starts with the pen and font the last one left.
    p.BeginDoc();
    EXPECT_EQ(p.PageNumber(), 1);
    EXPECT_TRUE(p.Printing() && !p.ended && !p.aborted && p.pages[0]->items.empty());
    p.canvas().SetFontName("Courier");
    p.canvas().SetFontSize(11);
    p.canvas().SetPenWidth(3);
    p.canvas().TextOut(1, 1, "x");
    p.NewPage();
    EXPECT_TRUE(p.pages[1]->items.empty());
    EXPECT_EQ(std::tuple(p.pages[1]->fontName(), p.pages[1]->fontSize(), p.pages[1]->penWidth()),
              std::tuple(std::string("Courier"), 11, 3));
    p.Abort();
    EXPECT_TRUE(!p.Printing() && p.aborted && !p.ended);
    EXPECT_THROW(p.EndDoc(), std::runtime_error);

    // Each way its own resolution: 210 / 25.4 * 300 = 2480.3 -> 2480, 297 / 25.4 * 200 = 2338.6 -> 2339.
    const RecordingPrinter q(300, 200);
    EXPECT_EQ(std::tuple(q.DpiX(), q.DpiY(), q.PageWidth(), q.PageHeight()),
              std::tuple(300, 200, 2480, 2339));
}

// The recording canvas measures text by a fixed advance, three quarters of the font's size per
// character, and a line as four thirds of it; the layout tests work their positions out from these.
TEST(RecordingCanvas, MeasuresTextByAFixedAdvanceOfTheFontInUse) {
    struct Row {
        int points, pixels; // the font set: in points when pixels is 0
        const char* text;
        int width, height;
    };
    // clang-format off
    const Row rows[] = {
        {-1, 0, "abcd", 24, 10}, // the canvas's own 8 points: 4*8*3/4 = 24, 8*4/3 = 10
        {12, 0, "ab",   18, 16}, // 2*12*3/4 = 18, 12*4/3 = 16
        {0,  0, "abc",  18, 10}, // no size: 8 taken, 3*8*3/4 = 18
        {0,  1, "abcd",  3,  1}, // 1 pixel: 4*1*3/4 = 3, 1*4/3 = 1
        {0, 40, "x",    30, 53}, // 1*40*3/4 = 30, 40*4/3 = 53
        {0, 40, "",      0, 53},
    };
    // clang-format on
    for (const Row& r : rows) {
        RecordingCanvas c;
        if (r.pixels > 0)
            c.SetFontPixelHeight(r.pixels);
        else if (r.points >= 0)
            c.SetFontSize(r.points);
        EXPECT_EQ(c.TextWidth(r.text), r.width) << r.points << "pt " << r.pixels << "px " << r.text;
        EXPECT_EQ(c.TextHeight(r.text), r.height) << r.points << "pt " << r.pixels << "px " << r.text;
    }
}

// Each drawing operation is recorded with the pen, brush or font it was drawn in, from the canvas's
// own (black pen 1 wide, white brush, black 8-point Arial) to those set since.
TEST(RecordingCanvas, RecordsEachOperationWithTheStateItWasDrawnIn) {
    using Op = RecordingCanvas::Op;
    RecordingCanvas c;
    c.MoveTo(1, 2);
    c.LineTo(3, 4);
    c.TextOut(7, 8, "Span");
    c.FillRect({1, 2, 30, 40});
    c.SetPenColor(colors::Red);
    c.SetPenWidth(3);
    c.LineTo(5, 6);
    c.SetFontName("Courier");
    c.SetFontPixelHeight(20);
    c.SetFontBold(true);
    c.SetFontColor(colors::Blue);
    c.TextOutPath(9, 10, "/tmp/b\xc3\xa9");
    c.SetFontSize(11);
    c.TextOut(11, 12, "x");
    c.SetBrushColor(colors::Yellow);
    c.FillRect({5, 6, 7, 8});
    struct Want {
        Op op;
        int x1, y1, x2, y2;
        const char* text;
        Color color;
        int width;
        const char* font;
        int points, pixels;
        bool bold, path;
    };
    // clang-format off
    const Want want[] = {
        {Op::Line, 1, 2, 3, 4,     "",         colors::Black,  1, "",        0,  0,  false, false},
        {Op::Text, 7, 8, 7, 8,     "Span",     colors::Black,  1, "Arial",   8,  0,  false, false},
        {Op::Fill, 1, 2, 30, 40,   "",         colors::White,  1, "",        0,  0,  false, false},
        {Op::Line, 3, 4, 5, 6,     "",         colors::Red,    3, "",        0,  0,  false, false},
        {Op::Text, 9, 10, 9, 10,   "/tmp/b\xc3\xa9", colors::Blue, 1, "Courier", 0, 20, true, true},
        {Op::Text, 11, 12, 11, 12, "x",        colors::Blue,   1, "Courier", 11, 0,  true,  false},
        {Op::Fill, 5, 6, 7, 8,     "",         colors::Yellow, 1, "",        0,  0,  false, false},
    };
    // clang-format on
    ASSERT_EQ(c.items.size(), std::size(want));
    for (std::size_t i = 0; i < std::size(want); ++i) {
        const auto& it = c.items[i];
        const Want& w = want[i];
        EXPECT_EQ(std::tuple(it.op, it.x1, it.y1, it.x2, it.y2, it.text, it.width, it.font, it.fontSize,
                             it.fontPixels, it.bold, it.path),
                  std::tuple(w.op, w.x1, w.y1, w.x2, w.y2, std::string(w.text), w.width, std::string(w.font),
                             w.points, w.pixels, w.bold, w.path))
            << i;
        EXPECT_TRUE(it.color == w.color) << i;
    }
    EXPECT_EQ(c.lines().size(), 2u);
    EXPECT_EQ(c.texts().size(), 3u);
    EXPECT_EQ(c.texts()[2].text, "x");
    EXPECT_TRUE(c.hasText("Span") && !c.hasText("Spa"));
    EXPECT_EQ(std::tuple(c.penWidth(), c.fontSize(), c.fontName()),
              std::tuple(3, 11, std::string("Courier")));
}

#include "platform/Arr.h"
#include "platform/BusyCursor.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Guard.h"
#include "platform/Printer.h"

#include <gtest/gtest.h>

#include <fstream>

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

TEST(ScriptedDialogs, AnswersFromItsQueuesAndNeverBlocks) {
    ScopedScriptedDialogs d;
    d->confirmAnswers = {true};
    EXPECT_TRUE(dlg().Confirm("Save?"));
    EXPECT_FALSE(dlg().Confirm("Again?")) << "an empty queue answers No";
    d->inputAnswers = {std::string("2.5"), std::nullopt};
    EXPECT_EQ(dlg().InputBox("c", "p", "1"), "2.5");
    EXPECT_EQ(dlg().InputBox("c", "p", "1"), "1") << "cancel gives the default text";
    EXPECT_EQ(dlg().InputBox("c", "p", "3"), "3");
    d->fileAnswers = {std::string("/tmp/a.kxf")};
    EXPECT_EQ(dlg().OpenFile("Open", "Beam files|*.kxf", "/tmp"), std::optional<std::string>("/tmp/a.kxf"));
    EXPECT_EQ(dlg().SaveFile("Save", "Beam files|*.kxf", "/tmp", "x.kxf"), std::nullopt);
    dlg().Message("Done");
    EXPECT_EQ(d->messages(), std::vector<std::string>{"Done"});
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

TEST(RecordingPrinter, KeepsEachPageAndItsDrawing) {
    RecordingPrinter p(600);
    p.BeginDoc();
    EXPECT_EQ(p.PageNumber(), 1);
    p.canvas().SetFontColor(colors::Red);
    p.canvas().TextOut(10, 20, "Page one");
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.canvas().SetPenWidth(3);
    p.canvas().MoveTo(0, 0);
    p.canvas().LineTo(100, 0);
    p.EndDoc();
    EXPECT_FALSE(p.Printing());
    ASSERT_EQ(p.pages.size(), 2u);
    EXPECT_TRUE(p.pages[0]->hasText("Page one"));
    EXPECT_EQ(p.pages[0]->texts()[0].color, colors::Red);
    ASSERT_EQ(p.pages[1]->lines().size(), 1u);
    EXPECT_EQ(p.pages[1]->lines()[0].width, 3);
    EXPECT_EQ(p.pages[1]->lines()[0].x2, 100);
    EXPECT_EQ(p.PageWidth(), 4961); // A4 width at 600 dpi
    EXPECT_THROW(p.NewPage(), std::runtime_error) << "no page outside a document";
}

// The main analysis window in a real window system, reached from the start screen: its place on
// the screen, File > Open through the menu bar, the picture and lists the screen shows, the
// selector and the Tile layouts.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <functional>

#include "RealWindow.h"
#include "TopBox.h"
#include "calculators/ui/Timber.h"
#include "foundation/ui/Preferences.h"
#include "platform/QtDialogs.h"
#include "window/IndexJobs.h"

using namespace kx;

TEST_F(RealWindowTest, BeamAnalysisOpensTheMainWindowAndFileOpenShowsAJob) {
    TempDir jobs;
    kxtest::WriteJob(kxtest::JobC(), jobs.path("c.kxf"));
    TIndexFrm* w = mainWindow();
    EXPECT_EQ(w->frameGeometry(), QRect(1, 1, 1278, 1022));
    const int client = w->Image1->height();
    EXPECT_EQ(w->List_Results->geometry(), QRect(0, client - 422, 475, 422));
    EXPECT_EQ(w->List_CaseResults->geometry(), QRect(475, client - 422, 803, 422));

    dialogs_->fileAnswers.push_back(jobs.path("c.kxf"));
    pick(w, "File", w->Open1);
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_EQ(w->windowTitle().toStdString(), jobs.path("c.kxf"));
    EXPECT_EQ(w->List_Results->count(), 17);
    EXPECT_EQ(w->List_CaseResults->count(), 29);
    EXPECT_EQ(w->lbl_Case->text(), "All");
    EXPECT_TRUE(w->UpDown1->isVisible());

    // The screen as the user sees it: the picture black, the lists white below their texts; the
    // beam's middle at 150 + R(1053 / 2) = 676, PL/8 of loadcase 2 (red) and wL^2/24 of loadcase 1
    // (yellow) 36 and 15 px over the moment baseline at 336.
    settle(200);
    const QImage screen = w->screen()->grabWindow(0).toImage();
    const QPoint origin = w->Image1->mapToGlobal(QPoint(0, 0));
    auto at = [&](int x, int y) { return screen.pixelColor(origin + QPoint(x, y)); };
    EXPECT_EQ(at(1200, 20), QColor(Qt::black)); // the top right corner left of the selector
    EXPECT_EQ(at(1100, client - 450), QColor(Qt::black));
    EXPECT_EQ(at(400, client - 20), QColor(Qt::white)); // below the 17 lines of List_Results
    EXPECT_EQ(at(10, client - 5), QColor(Qt::white));
    EXPECT_EQ(at(676, 300), QColor(255, 0, 0));
    EXPECT_EQ(at(676, 321), QColor(255, 255, 0));
    EXPECT_EQ(at(676, 96), QColor(255, 255, 255)) << "beam line";

    QTest::mouseClick(w->UpDown1->Up, Qt::LeftButton);
    settle();
    EXPECT_EQ(w->lbl_Case->text(), "1");
    EXPECT_EQ(w->List_CaseResults->item(0)->text(), "LOADCASE 1");
    pick(w, "Tile", w->Results1);
    EXPECT_EQ(w->List_CaseResults->geometry(), QRect(475, 180, 803, client - 180));
    pick(w, "Tile", w->Default1);
    EXPECT_EQ(w->List_CaseResults->geometry(), QRect(475, client - 422, 803, 422));
}

// Run under a window manager (the real_window_wm case), which frames the window with a title bar
// and borders once it is shown: the frame, not only the client area, then stands 1 pixel inside
// the screen's available area, and the lists' last rows with it.
class WindowManagerTest : public RealWindowTest {};

TEST_F(WindowManagerTest, TheMainWindowsFrameStandsInsideTheScreen) {
    TIndexFrm* w = mainWindow();
    const QRect wanted = w->screen()->availableGeometry().adjusted(1, 1, -1, -1);
    auto framed = [w] { return w->frameGeometry().top() < w->geometry().top(); };
    auto listBottom = [](const QListWidget* l) { return l->mapToGlobal(QPoint(0, l->height() - 1)).y(); };
    auto placed = [&] {
        return framed() && w->frameGeometry() == wanted && listBottom(w->List_Results) <= wanted.bottom() &&
               listBottom(w->List_CaseResults) <= wanted.bottom();
    };
    static_cast<void>(QTest::qWaitFor(placed, 5000)); // the frame comes a moment after the showing
    settle(200);
    ASSERT_TRUE(framed()) << "no window manager framed the window";
    EXPECT_EQ(w->frameGeometry(), wanted);
    for (const QListWidget* l : {w->List_Results, w->List_CaseResults})
        EXPECT_LE(listBottom(l), wanted.bottom()) << l->objectName().toStdString();
}

// The program's own boxes, not the recording stand-ins, for as long as it lives.
struct UseQtDialogs {
    explicit UseQtDialogs(kx::Dialogs& previous) : previous(previous) { kx::InstallDialogs(&qt); }
    ~UseQtDialogs() { kx::InstallDialogs(&previous); }
    kx::QtDialogs qt;
    kx::Dialogs& previous;
};

// A box comes up above every window kept on top, whichever window is active, and a real click on
// its button reaches it and closes it; afterwards the window kept on top is above the main window
// again. Each route opens the window kept on top first, then the box.
TEST_F(WindowManagerTest, BoxesOpenAboveTheWindowsKeptOnTopAndTakeTheMouse) {
    UseQtDialogs boxes(*dialogs_);
    TIndexFrm* w = mainWindow();
    QWidget* preferences = Widget(Forms.PreferencesFrm);
    QWidget* timber = Widget(Forms.TimberFrm);
    auto shownOnTop = [&](QWidget* onTop) {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(onTop));
        static_cast<void>(QTest::qWaitFor([&] { return kxtest::StackedAbove(onTop, w); }, 3000));
        ASSERT_TRUE(kxtest::StackedAbove(onTop, w)) << "the window kept on top is not above the main window";
        // The user clicks the main window, beside the windows kept on top, and it is the active one.
        ASSERT_TRUE(
            kxtest::RealClick(w->List_Results->mapToGlobal(QPoint(10, w->List_Results->height() - 10))));
        static_cast<void>(QTest::qWaitFor([&] { return QApplication::activeWindow() == w; }, 3000));
        ASSERT_EQ(QApplication::activeWindow(), w);
        settle(200);
    };
    struct Route {
        const char* name;
        QWidget* onTop;
        std::function<void()> open;
        QWidget* window = nullptr; // the box when it is a window that is not modal
    };
    const Route routes[] = {
        {"Preferences, then Input > Loads with no beam", preferences, [&] { pick(w, "Input", w->Loads1); }},
        {"the timber calculator, then Info > About", timber, [&] { pick(w, "Info", w->About1); }},
        {"the timber calculator, then File > Open", timber, [&] { pick(w, "File", w->Open1); }},
        // "Bending Capacity" clicked with nothing entered: its window kept on top is the active one.
        {"the timber calculator's own message", timber,
         [&] {
             QWidget* b = Forms.TimberFrm->cmd_BendCap;
             ASSERT_TRUE(kxtest::RealClick(b->mapToGlobal(b->rect().center())));
         }},
        {"Preferences, then Info > General", preferences, [&] { pick(w, "Info", w->Disclaimer1); },
         Widget(Forms.InfoFrm)},
    };
    for (const Route& r : routes) {
        SCOPED_TRACE(r.name);
        if (r.onTop == preferences)
            QTest::mouseClick(Forms.Form1->cmdSet, Qt::LeftButton);
        else
            pick(w, "Timber", w->MemberCapacities2);
        shownOnTop(r.onTop);
        kxtest::TopBoxWatch watch(r.window);
        r.open();
        static_cast<void>(QTest::qWaitFor([&] { return watch.done; }, 20000));
        ASSERT_TRUE(watch.opened) << "no box opened";
        EXPECT_TRUE(watch.boxOnTop) << watch.stacking;
        EXPECT_TRUE(watch.clicked);
        EXPECT_TRUE(watch.closedByClick) << "the click did not reach the box";
        static_cast<void>(QTest::qWaitFor([&] { return kxtest::StackedAbove(r.onTop, w); }, 3000));
        EXPECT_TRUE(kxtest::StackedAbove(r.onTop, w)) << "the window kept on top fell below the main window";
        r.onTop->hide();
        settle(200);
    }
}

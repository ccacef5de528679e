// The main window's drawings on a real screen: a job opened from the menu shows its sketch and the
// diagrams of every loadcase.
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "RealWindow.h"
#include "window/IndexJobs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class DrawingReal : public RealWindowTest {
protected:
    void SetUp() override {
        kxtest::WriteJob(kxtest::JobC(), jobs_.path("c.kxf"));
        RealWindowTest::SetUp();
    }
    TempDir jobs_;
};

// Beam C on the 1278 x 1022 window of a 1280 x 1024 screen: the beam's middle at
// 150 + R(1053 / 2) = 676; the moment baseline at 336, 36 px per 24 kN-m.
TEST_F(DrawingReal, OpenedJobShowsTheDiagramsOfEveryLoadcase) {
    QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
    TIndexFrm* w = Forms.IndexFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(200);
    ASSERT_EQ(w->Frame().W, 1278);

    dialogs_->fileAnswers.push_back(jobs_.path("c.kxf"));
    QMenuBar* bar = w->menuBar();
    QAction* file = bar->actions().front();
    ASSERT_EQ(file->text(), "File");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
    settle();
    QMenu* menu = file->menu();
    ASSERT_TRUE(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(w->Open1).center());
    settle(200);
    ASSERT_TRUE(dialogs_->messages().empty());

    const QImage screen = w->screen()->grabWindow(0).toImage();
    const QPoint origin = w->Image1->mapToGlobal(QPoint(0, 0));
    auto at = [&](int x, int y) { return screen.pixelColor(origin + QPoint(x, y)); };
    EXPECT_EQ(at(676, 300), QColor(255, 0, 0)) << "loadcase 2: PL/8 at mid-span";
    EXPECT_EQ(at(676, 321), QColor(255, 255, 0)) << "loadcase 1: wL^2/24 at mid-span";
    EXPECT_EQ(at(676, 96), QColor(255, 255, 255)) << "beam line";
}

} // namespace

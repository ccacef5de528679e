// The main window redrawing its picture after an analysis, on the selector, the Tile layouts and a
// change of size (the drawing itself has its core tests, the Qt canvas its own).
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QListWidget>
#include <QToolButton>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "window/DrawingTestSupport.h"
#include "window/ui/Index.h"

using namespace kx;
using namespace kx::test;

namespace {

const QColor kWhite(255, 255, 255), kRed(255, 0, 0), kYellow(255, 255, 0), kBlack(0, 0, 0);

// Beam C analysed from the menu in a window of 1025 x 800 with a case list 200 high: loadcase 1
// (yellow) has 10 kN-m at mid-span (15 px up), loadcase 2 (red) 24 kN-m (36 px); at a quarter of
// the span their shears are 15 and 24 kN (18 and 29 px).
TEST_F(FormsTest, IndexPictureIsRedrawnOnAnalysisSelectorTilesAndSize) {
    TIndexFrm* w = Forms.IndexFrm;
    w->PlaceOnScreen(QRect(0, 0, 1027, 802));
    auto at = [w](int x, int y) { return w->Image1->Picture.pixelColor(x, y); };
    const DrawingFrame f = w->Frame();
    ASSERT_EQ(std::tie(f.W, f.H, f.h), std::tie(kFrameF.W, kFrameF.H, kFrameF.h));
    kxtest::JobC().Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = -1;
    w->Analyse2->trigger();
    ASSERT_TRUE(dialogs_->messages().empty());
    EXPECT_EQ(at(550, 300), kRed);
    EXPECT_EQ(at(550, 321), kYellow);
    EXPECT_FALSE(
        w->List_Results->findItems(" Max positive support reaction = 30.00 kN", Qt::MatchExactly).empty());

    w->UpDown1->Up->click(); // loadcase 1 alone
    EXPECT_EQ(at(350, 187), kBlack);
    EXPECT_EQ(at(350, 198), kYellow);
    w->UpDown1->Up->click();
    EXPECT_EQ(at(350, 187), kRed);
    EXPECT_EQ(at(350, 198), kBlack);
    w->UpDown1->Down->click();
    w->UpDown1->Down->click(); // "All"
    EXPECT_EQ(at(550, 300), kRed);
    EXPECT_EQ(at(550, 321), kYellow);
    w->Results1->trigger();
    EXPECT_EQ(at(550, 300), kBlack) << "no diagrams in the Results layout";
    EXPECT_EQ(at(550, 321), kBlack);
    w->Default1->trigger();
    EXPECT_EQ(at(550, 300), kRed);

    // 200 px narrower from outside while shown: the beam ends at 748 and its middle moves to 450.
    w->show();
    QApplication::processEvents();
    const QSize border = w->frameGeometry().size() - w->size();
    w->setFixedSize(QSize(825, 800) - border);
    QApplication::processEvents();
    EXPECT_EQ(w->Frame().W, 825);
    EXPECT_EQ(w->Frame().H, 800);
    const int cw = w->Image1->width(), ch = w->Image1->height(); // the lists laid out again, 625 wide
    EXPECT_EQ(w->ImageRect, (Rect{0, 0, cw, ch}));
    EXPECT_EQ(w->List_CaseResults->geometry(), QRect(cw - 625, ch - 200, 625, 200));
    EXPECT_EQ(at(450, 300), kRed);
    EXPECT_EQ(at(550, 300), kBlack);
    EXPECT_EQ(at(740, 96), kWhite);
    EXPECT_EQ(at(800, 96), kBlack);
}

} // namespace

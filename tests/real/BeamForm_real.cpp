// The beam form in a real window system, reached from the start screen through the main window's
// menus: spans typed with the keyboard, "Next >" to the load form, "Cancel" after a change.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "RealWindow.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class BeamFormReal : public RealWindowTest {
protected:
    // Keys typed where the keyboard's focus is, then Enter.
    void typeAndEnter(const QString& text) {
        for (QChar ch : text)
            QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
    }
    // A click on a length cell of the spans grid, then the length typed.
    void typeLength(TKX_BeamFrm* b, int col, const QString& text) {
        QTableWidgetItem* it = b->Grid_Spans->item(1, col);
        ASSERT_NE(it, nullptr);
        QTest::mouseClick(b->Grid_Spans->viewport(), Qt::LeftButton, {},
                          b->Grid_Spans->visualItemRect(it).center());
        settle();
        typeAndEnter(text);
    }
    static std::string cell(const TKX_BeamFrm* b, int col) {
        const QTableWidgetItem* it = b->Grid_Spans->item(1, col);
        return it ? FromQt(it->text()) : std::string();
    }
};

} // namespace

TEST_F(BeamFormReal, NewBeamTypedCommittedThenChangedAndCancelled) {
    QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
    TIndexFrm* index = Forms.IndexFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(index));
    settle(200);

    pick(index, "File", index->New1);
    TKX_BeamFrm* b = Forms.KX_BeamFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);
    EXPECT_FALSE(index->Save1->isEnabled() || index->SaveAs1->isEnabled());

    // Two spans by the keyboard in the spin box, then the lengths in the grid.
    QLineEdit* count = b->Edit_Spans->findChild<QLineEdit*>();
    QTest::mouseClick(count, Qt::LeftButton);
    count->selectAll();
    typeAndEnter("2");
    EXPECT_EQ(b->Grid_Spans->columnCount(), 3);
    typeLength(b, 1, "3");
    typeLength(b, 2, "4");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 7000.0f);
    // The sketch: the interior support at 3000 x 703 / 7000 + 25 = 326.
    EXPECT_EQ(b->Image_Beam->Picture.pixelColor(326, 41), QColor(Qt::white));

    // The section as its pick leaves it; "Next >" commits and leads to the load form.
    for (TMemberRow& r : Work.WorkSpanData) {
        r[mfE] = 205000;
        r[mfIxx] = 4734400;
    }
    b->lbl_S01_Ixx->setText("473.4");
    b->lbl_S01_E->setText("205000");
    QTest::mouseClick(b->cmdNext, Qt::LeftButton);
    settle();
    EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(Widget(Forms.LoadDataFrm)->isVisible());
    EXPECT_EQ(Model.BeamLength, 7000.0);
    EXPECT_EQ(Model.SpanData[2][mfL], 4000.0f);

    // Input > Beam, a length changed, then Cancel: the committed lengths come back.
    pick(index, "Input", index->Beam1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);
    EXPECT_EQ(cell(b, 2), "4");
    typeLength(b, 2, "9");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 12000.0f);
    QTest::mouseClick(b->cmdCancel, Qt::LeftButton);
    settle();
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(cell(b, 2), "4.000");
    EXPECT_EQ(Model.SpanData[2][mfL], 4000.0f);
}

// The beam form in a real window system, reached from the start screen through the main window's
// menus: spans typed with the keyboard, "Next >" refused and then taken, "Cancel" after a change.
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
    EXPECT_FALSE(index->Save1->isEnabled());
    EXPECT_FALSE(index->SaveAs1->isEnabled());
    EXPECT_EQ(b->Grid_Spans->columnCount(), 2);

    // Two spans by the keyboard in the spin box, then the lengths in the grid.
    QLineEdit* count = b->Edit_Spans->findChild<QLineEdit*>();
    QTest::mouseClick(count, Qt::LeftButton);
    count->selectAll();
    typeAndEnter("2");
    EXPECT_EQ(b->Grid_Spans->columnCount(), 3);
    typeLength(b, 1, "3");
    typeLength(b, 2, "4");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 7000.0f);
    // The sketch: the beam line white, the interior support at 3000 x 703 / 7000 + 25 = 326.
    EXPECT_EQ(b->Image_Beam->Picture.pixelColor(500, 26), QColor(Qt::white));
    EXPECT_EQ(b->Image_Beam->Picture.pixelColor(326, 41), QColor(Qt::white));

    // No section yet: "Next >" is refused and the form stays.
    QTest::mouseClick(b->cmdNext, Qt::LeftButton);
    settle();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{beammsg::kSection});
    EXPECT_TRUE(b->isVisible());
    EXPECT_EQ(Model.BeamLength, 0.0);

    // The section as its pick leaves it; "Next >" commits and leads to the load form.
    for (int row = 0; row <= kRHCantRow; ++row) {
        Work.WorkSpanData[row][mfE] = 205000;
        Work.WorkSpanData[row][mfIxx] = 4734400;
        Work.WorkSpanData[row][mfArea] = 1652;
    }
    Work.WorkSectionShape = "Beam";
    Work.WorkMemberType = "HRS";
    Work.SectionFamily = "UB";
    b->lbl_S01_Ixx->setText("473.4");
    b->lbl_S01_E->setText("205000");
    b->lbl_S01_Desc->setText(" 127 x 76 UB 13");
    QTest::mouseClick(b->cmdNext, Qt::LeftButton);
    settle();
    EXPECT_FALSE(b->isVisible());
    EXPECT_TRUE(Widget(Forms.LoadDataFrm)->isVisible());
    EXPECT_EQ(Model.BeamLength, 7000.0);
    EXPECT_EQ(Model.SpanData[2][mfL], 4000.0f);
    EXPECT_EQ(Model.SteelSectionFlag, -1);

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

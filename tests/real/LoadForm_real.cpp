// The load form in a real window system, reached from the start screen through File > New and the
// beam form: loads typed and ticked per loadcase with the mouse and keyboard, drawn, committed and
// analysed; then File > Save As, New and Open empty and bring back the form.
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include "RealWindow.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class LoadFormReal : public RealWindowTest {
protected:
    static void typeInto(QWidget* w, const QString& text) {
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::keyClicks(w, text);
    }
    // The two-span beam of 3 m and 4 m typed on the beam form, with a 127 x 76 UB as its pick
    // leaves it, and committed with "Next >".
    void commitBeam(TKX_BeamFrm* b) {
        QLineEdit* count = b->Edit_Spans->findChild<QLineEdit*>();
        QTest::mouseClick(count, Qt::LeftButton);
        count->selectAll();
        QTest::keyClicks(count, "2");
        QTest::keyClick(count, Qt::Key_Return);
        settle();
        for (auto [col, length] : {std::pair{1, "3"}, {2, "4"}}) {
            QTableWidgetItem* it = b->Grid_Spans->item(1, col);
            ASSERT_NE(it, nullptr);
            QTest::mouseClick(b->Grid_Spans->viewport(), Qt::LeftButton, {},
                              b->Grid_Spans->visualItemRect(it).center());
            settle();
            QTest::keyClicks(QApplication::focusWidget(), length);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            settle();
        }
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
    }
    // A row typed as a user does: its type clicked, then each value clicked into and typed.
    void typeRow(TLoadDataFrm* w, int n, bool point,
                 std::initializer_list<std::pair<QLineEdit*, const char*>> values) {
        QTest::mouseClick(point ? w->Row(n).OptionP : w->Row(n).OptionUDL, Qt::LeftButton);
        settle();
        for (auto [edit, text] : values) {
            ASSERT_TRUE(edit->isVisible()) << FromQt(edit->objectName());
            typeInto(edit, QString::fromLatin1(text));
        }
    }
};

} // namespace

TEST_F(LoadFormReal, LoadsTypedTickedDrawnCommittedAnalysedSavedAndReopened) {
    QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
    TIndexFrm* index = Forms.IndexFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(index));
    settle(200);
    pick(index, "File", index->New1);
    TKX_BeamFrm* b = Forms.KX_BeamFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);
    commitBeam(b);
    ASSERT_EQ(Model.BeamLength, 7000.0);

    TLoadDataFrm* w = Forms.LoadDataFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(100);
    EXPECT_EQ(w->lbl_Length->text(), "Length = 7.00 m");
    EXPECT_TRUE(w->Frame_SWt->isVisible());
    EXPECT_TRUE(w->cmd_Next->isVisible());

    typeRow(w, 1, true, {{w->Row(1).Edit_PL, "12"}, {w->Row(1).Edit_Dist, "1.5"}});
    typeRow(w, 2, false,
            {{w->Row(2).Edit_Dist, "0"},
             {w->Row(2).Edit_UDLS, "3"},
             {w->Row(2).Edit_UDLF, "3"},
             {w->Row(2).Edit_Cover, "4"}});
    typeRow(w, 3, false,
            {{w->Row(3).Edit_Dist, "2"},
             {w->Row(3).Edit_UDLS, "1"},
             {w->Row(3).Edit_UDLF, "4"},
             {w->Row(3).Edit_Cover, "3"}});
    typeRow(w, 4, false,
            {{w->Row(4).Edit_Dist, "4"},
             {w->Row(4).Edit_UDLS, "2"},
             {w->Row(4).Edit_UDLF, "2"},
             {w->Row(4).Edit_Cover, "3"}});
    for (int n = 1; n <= 4; ++n)
        QTest::mouseClick(w->Row(n).Check, Qt::LeftButton);
    settle();
    EXPECT_EQ(Work.UDLStack[1][2][usW2Sum], 6.0f);
    // The arrow of 12 kN at x 173 in yellow, the summed outline's peak at y 63 in red, on the
    // picture and on the screen.
    const QImage& pic = w->Image_Beam->Picture;
    EXPECT_EQ(pic.pixelColor(173, 70), QColor(Qt::yellow));
    EXPECT_EQ(pic.pixelColor(419, 63), QColor(Qt::red));
    const QImage screen = w->screen()->grabWindow(0).toImage();
    const QPoint origin = w->Image_Beam->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(screen.pixelColor(origin + QPoint(173, 70)), QColor(Qt::yellow));

    // Loadcase 2 by the spinner's arrow key applies the point load only.
    QTest::mouseClick(w->Edit_Case, Qt::LeftButton);
    QTest::keyClick(w->Edit_Case, Qt::Key_Up);
    settle();
    EXPECT_EQ(w->Edit_Case->value(), 2);
    EXPECT_FALSE(w->Row(2).Check->isChecked());
    QTest::mouseClick(w->Row(1).Check, Qt::LeftButton);
    settle();
    EXPECT_EQ(pic.pixelColor(419, 63), QColor(0x80, 0x80, 0x80));

    QTest::mouseClick(w->cmd_Next, Qt::LeftButton);
    settle(200);
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(index->isVisible());
    EXPECT_EQ(Model.AnalysedFlag, 1);
    // 12 + 3 x 4 + 2.5 x 3 + 2 x 3 kN in loadcase 1; the 12 kN alone in loadcase 2.
    EXPECT_NEAR(Model.CaseAppliedLoad[1], 37500.0, 0.01);
    EXPECT_NEAR(Model.CaseAppliedLoad[2], 12000.0, 0.01);

    const std::string job = dir_.path("loads.kxf");
    dialogs_->fileAnswers.push_back(job);
    pick(index, "File", index->SaveAs1);
    settle();
    pick(index, "File", index->New1);
    settle(100);
    Widget(Forms.KX_BeamFrm)->hide();
    EXPECT_EQ(w->FormHeight(), 580);
    EXPECT_TRUE(w->Row(1).Edit_PL->text().isEmpty());
    EXPECT_FALSE(w->Row(1).OptionP->isChecked());

    dialogs_->fileAnswers.push_back(job);
    pick(index, "File", index->Open1);
    settle(100);
    EXPECT_TRUE(dialogs_->messages().empty());
    pick(index, "Input", index->Loads1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(100);
    EXPECT_TRUE(w->Row(1).OptionP->isChecked());
    EXPECT_EQ(w->Row(1).Edit_PL->text(), "12.00");
    EXPECT_EQ(w->Row(3).Edit_UDLF->text(), "4.000");
    EXPECT_EQ(w->Edit_Case->value(), 1);
    EXPECT_TRUE(w->Row(4).Check->isChecked());
    EXPECT_EQ(pic.pixelColor(419, 63), QColor(Qt::red));
    QTest::mouseClick(w->cmd_Cancel, Qt::LeftButton);
    settle();
    EXPECT_FALSE(w->isVisible());
}

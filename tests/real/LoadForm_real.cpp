// The load form in a real window system, reached from the start screen through File > New and the
// beam form: loads typed and ticked per loadcase with the mouse and keyboard, drawn, committed and
// analysed; then File > Save As, New and Open empty and bring back the form.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
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
    // A row typed as a user does: its type clicked, then each value clicked into and typed (a point
    // load and its distance; or distance, start rate, finish rate and cover).
    void typeRow(TLoadDataFrm* w, int n, const std::vector<const char*>& values) {
        const TLoadRow& r = w->Row(n);
        const bool point = values.size() == 2;
        QTest::mouseClick(point ? r.OptionP : r.OptionUDL, Qt::LeftButton);
        settle();
        const std::vector<QLineEdit*> edits =
            point ? std::vector{r.Edit_PL, r.Edit_Dist}
                  : std::vector{r.Edit_Dist, r.Edit_UDLS, r.Edit_UDLF, r.Edit_Cover};
        for (std::size_t i = 0; i < edits.size(); ++i) {
            ASSERT_TRUE(edits[i]->isVisible()) << FromQt(edits[i]->objectName());
            QTest::mouseClick(edits[i], Qt::LeftButton);
            QTest::keyClicks(edits[i], QString::fromLatin1(values[i]));
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
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Forms.KX_BeamFrm));
    settle(100);
    commitBeam(Forms.KX_BeamFrm);
    ASSERT_EQ(Model.BeamLength, 7000.0);
    TLoadDataFrm* w = Forms.LoadDataFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(100);
    EXPECT_TRUE(w->Frame_SWt->isVisible() && w->cmd_Next->isVisible());

    // The loads of loadcase 1 (LoadFormTestSupport.h).
    typeRow(w, 1, {"12", "1.5"});
    typeRow(w, 2, {"0", "3", "3", "4"});
    typeRow(w, 3, {"2", "1", "4", "3"});
    typeRow(w, 4, {"4", "2", "2", "3"});
    for (int n = 1; n <= 4; ++n)
        QTest::mouseClick(w->Row(n).Check, Qt::LeftButton);
    settle();
    // The arrow of 12 kN at x 173 in yellow, the summed outline's peak at y 63 in red, on the
    // picture and on the screen.
    const QImage& pic = w->Image_Beam->Picture;
    EXPECT_EQ(pic.pixelColor(173, 70), QColor(Qt::yellow));
    EXPECT_EQ(pic.pixelColor(419, 63), QColor(Qt::red));
    const QImage screen = w->screen()->grabWindow(0).toImage();
    EXPECT_EQ(screen.pixelColor(w->Image_Beam->mapToGlobal(QPoint(173, 70))), QColor(Qt::yellow));

    // Loadcase 2 by the spinner's arrow key applies the point load only.
    QTest::mouseClick(w->Edit_Case, Qt::LeftButton);
    QTest::keyClick(w->Edit_Case, Qt::Key_Up);
    settle();
    EXPECT_FALSE(w->Row(2).Check->isChecked());
    QTest::mouseClick(w->Row(1).Check, Qt::LeftButton);
    QTest::mouseClick(w->cmd_Next, Qt::LeftButton);
    settle(200);
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_TRUE(!w->isVisible() && index->isVisible());
    // 12 + 3 x 4 + 2.5 x 3 + 2 x 3 kN in loadcase 1; the 12 kN alone in loadcase 2.
    EXPECT_NEAR(Model.CaseAppliedLoad[1], 37500.0, 0.01);
    EXPECT_NEAR(Model.CaseAppliedLoad[2], 12000.0, 0.01);

    // Saved; File New leaves loadcase 1 and six blank rows, 580 high; Open brings the loads back.
    const std::string job = dir_.path("loads.kxf");
    dialogs_->fileAnswers.push_back(job);
    pick(index, "File", index->SaveAs1);
    pick(index, "File", index->New1);
    settle(100);
    Widget(Forms.KX_BeamFrm)->hide();
    EXPECT_EQ(w->FormHeight(), 580);
    EXPECT_EQ(w->Edit_Case->value(), 1);
    for (int n = 1; n <= 50; ++n) {
        const TLoadRow& r = w->Row(n);
        EXPECT_EQ(r.Panel->isHidden(), n > 6) << n;
        EXPECT_FALSE(r.OptionP->isChecked() || r.Check->isChecked() || !r.Edit_PL->text().isEmpty()) << n;
        EXPECT_TRUE(r.Edit_LF->isHidden()) << n; // factored loads off: no factor column
    }
    dialogs_->fileAnswers.push_back(job);
    pick(index, "File", index->Open1);
    settle(100);
    pick(index, "Input", index->Loads1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(100);
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_TRUE(w->Row(1).OptionP->isChecked() && w->Row(4).Check->isChecked());
    EXPECT_EQ(w->Row(1).Edit_PL->text(), "12.00");
    EXPECT_EQ(w->Row(3).Edit_UDLF->text(), "4.000");
    EXPECT_EQ(pic.pixelColor(419, 63), QColor(Qt::red));
    QTest::mouseClick(w->cmd_Cancel, Qt::LeftButton);
    settle();
    EXPECT_FALSE(w->isVisible());
}

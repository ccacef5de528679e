// The beam and load forms in a real window system, reached from the start screen through File >
// New: spans typed with the keyboard, loads typed and ticked per loadcase with the mouse, drawn,
// committed and analysed; then the beam form changed and cancelled.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "RealWindow.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"

using namespace kx;

TEST_F(RealWindowTest, BeamAndLoadsTypedDrawnCommittedAnalysedAndTheBeamCancelled) {
    TIndexFrm* index = mainWindow();
    pick(index, "File", index->New1);
    TKX_BeamFrm* b = Forms.KX_BeamFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);
    EXPECT_FALSE(index->Save1->isEnabled() || index->SaveAs1->isEnabled());

    // Two spans of 3 m and 4 m, a 127 x 76 UB as its pick leaves it, "Next >".
    typeText(b->Edit_Spans->findChild<QLineEdit*>(), "2", true);
    ASSERT_EQ(b->Grid_Spans->columnCount(), 3);
    typeCell(b->Grid_Spans, 1, 1, "3");
    typeCell(b->Grid_Spans, 1, 2, "4");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 7000.0f);
    // The sketch: the interior support at 3000 x 703 / 7000 + 25 = 326.
    EXPECT_EQ(b->Image_Beam->Picture.pixelColor(326, 41), QColor(Qt::white));
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
    click(b->cmdNext);
    ASSERT_EQ(Model.BeamLength, 7000.0);
    EXPECT_EQ(Model.SpanData[2][mfL], 4000.0f);
    TLoadDataFrm* w = Forms.LoadDataFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    settle(100);
    EXPECT_TRUE(w->Frame_SWt->isVisible() && w->cmd_Next->isVisible());

    // Loadcase 1: each row's type clicked, then a point load and its distance, or distance, start
    // rate, finish rate and cover.
    const std::vector<std::vector<const char*>> rows = {
        {"12", "1.5"}, {"0", "3", "3", "4"}, {"2", "1", "4", "3"}, {"4", "2", "2", "3"}};
    for (int n = 1; n <= 4; ++n) {
        const TLoadRow& r = w->Row(n);
        const bool point = rows[n - 1].size() == 2;
        click(point ? r.OptionP : r.OptionUDL);
        const std::vector<QLineEdit*> edits =
            point ? std::vector{r.Edit_PL, r.Edit_Dist}
                  : std::vector{r.Edit_Dist, r.Edit_UDLS, r.Edit_UDLF, r.Edit_Cover};
        for (std::size_t i = 0; i < edits.size(); ++i)
            typeText(edits[i], rows[n - 1][i]);
        click(r.Check);
    }
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
    click(w->Row(1).Check);
    click(w->cmd_Next, 200);
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_TRUE(!w->isVisible() && index->isVisible());
    // 12 + 3 x 4 + 2.5 x 3 + 2 x 3 kN in loadcase 1; the 12 kN alone in loadcase 2.
    EXPECT_NEAR(Model.CaseAppliedLoad[1], 37500.0, 0.01);
    EXPECT_NEAR(Model.CaseAppliedLoad[2], 12000.0, 0.01);

    // Input > Beam, a length changed, then Cancel: the committed lengths come back.
    pick(index, "Input", index->Beam1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);
    typeCell(b->Grid_Spans, 1, 2, "9");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 12000.0f);
    click(b->cmdCancel);
    EXPECT_FALSE(b->isVisible());
    EXPECT_EQ(b->Grid_Spans->item(1, 2)->text(), "4.000");
    EXPECT_EQ(Model.SpanData[2][mfL], 4000.0f);
}

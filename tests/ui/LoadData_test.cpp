// The load window: its controls and rows as laid out, handlers reached by clicks and by ticks set
// from code, the picture painted for real, File New through the main window, and where "Next >"
// leads.
#include "input/ui/LoadData.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "foundation/Units.h"
#include "input/LoadFormTestSupport.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class LoadDataFrmTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        SetDefaultUnits(Model);
        Model.FactoredLoadsFlag = 1;
        kxtest::CommitTwoSpanBeam();
        w = Forms.LoadDataFrm;
    }
    void Type(int n, bool point, const char* dist, const char* a, const char* cover = "",
              const char* b = "") {
        const TLoadRow& r = w->Row(n);
        (point ? r.OptionP : r.OptionUDL)->setChecked(true);
        r.Edit_Dist->setText(QString::fromLatin1(dist));
        (point ? r.Edit_PL : r.Edit_UDLS)->setText(QString::fromLatin1(a));
        r.Edit_Cover->setText(QString::fromLatin1(cover));
        r.Edit_UDLF->setText(QString::fromLatin1(b));
    }
    // The loads of the loadcase 1, typed and ticked through the window.
    void TypeLoadcaseOne() {
        Type(1, true, "1.5", "12");
        Type(2, false, "0", "3", "4", "3");
        Type(3, false, "2", "1", "3", "4");
        Type(4, false, "4", "2", "3", "2");
        for (int n = 1; n <= 4; ++n)
            w->Row(n).Check->click();
    }
    QColor Pixel(int x, int y) const { return w->Image_Beam->Picture.pixelColor(x, y); }

    TLoadDataFrm* w = nullptr;
};

TEST_F(LoadDataFrmTest, RowsAndCommandsAreLaidOutAsDesigned) {
    EXPECT_EQ(w->windowTitle(), "Load Data");
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->width(), 780);
    EXPECT_EQ(w->Image_Beam->size(), QSize(743, 145));
    EXPECT_EQ(w->Frame_SWt->title(), "Steel Beam Self-weight");
    EXPECT_TRUE(w->Frame_SWt->isHidden());
    std::vector<QString> captions;
    for (QPushButton* b : {w->cmdBack, w->Button4, w->cmd_Clear, w->cmd_Cancel, w->cmd_Next})
        captions.push_back(b->text());
    EXPECT_EQ(captions, (std::vector<QString>{"< Back", "Expand", "Clear", "Cancel", "Next >"}));
    EXPECT_EQ(w->Edit_Case->maximum(), 5);

    for (auto [n, top, height] :
         {std::tuple{1, 240, 35}, {16, 765, 35}, {17, 800, 40}, {18, 840, 35}, {50, 1960, 35}})
        EXPECT_EQ(w->Row(n).Panel->geometry(), QRect(10, top, 745, height)) << n;
    for (int n = 1; n <= 50; ++n)
        EXPECT_EQ(w->Row(n).Panel->isHidden(), n > 6) << n;
    const TLoadRow& r = w->Row(7);
    EXPECT_EQ(r.Edit_No->objectName(), "Edit_07");
    EXPECT_EQ(r.Edit_No->text(), "07");
    EXPECT_TRUE(r.Edit_No->isReadOnly());
    EXPECT_EQ(r.Edit_No->toolTip(), "Load No - DoubleClick to reset row");
    EXPECT_EQ(r.Edit_Cover->objectName(), "Edit_Cover7");
    // The type buttons of one row exclude each other, not those of another row.
    w->Row(1).OptionP->setChecked(true);
    w->Row(2).OptionUDL->setChecked(true);
    w->Row(1).OptionUDL->setChecked(true);
    EXPECT_FALSE(w->Row(1).OptionP->isChecked());
    EXPECT_TRUE(w->Row(2).OptionUDL->isChecked());
}

TEST_F(LoadDataFrmTest, TypesTicksLoadcasesAndTheRowsShownThroughTheControls) {
    ShowForm(w);
    EXPECT_EQ(w->FormHeight(), 560);
    EXPECT_EQ(w->lbl_PL->text(), "(kN)");
    EXPECT_FALSE(w->Frame_SWt->isHidden()); // a "Beam" section carries its self-weight
    EXPECT_TRUE(w->lbl_Length->isVisible());
    EXPECT_EQ(w->lbl_Length->text(), "Length = 7.00 m");
    EXPECT_EQ(w->lbl_Length->y() - w->Image_Beam->y(), 119);

    // A type chosen from code lays its row out as a click does.
    w->Row(7).OptionP->setChecked(true);
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 7);
    EXPECT_FALSE(w->Row(8).Panel->isHidden());
    EXPECT_TRUE(w->Row(9).Panel->isHidden());
    EXPECT_EQ(w->FormHeight(), 625);
    EXPECT_FALSE(w->Row(7).Edit_PL->isHidden());
    EXPECT_FALSE(w->Row(7).Edit_LF->isHidden());
    EXPECT_TRUE(w->Row(7).Edit_Cover->isHidden());

    // Apply on a row without a type does not stay ticked.
    w->Row(2).Check->click();
    EXPECT_FALSE(w->Row(2).Check->isChecked());

    TypeLoadcaseOne();
    w->Edit_Case->setValue(2);
    EXPECT_FALSE(w->Row(1).Check->isChecked());
    w->Check_Swt->click();
    w->Edit_Case->setValue(1);
    EXPECT_TRUE(w->Row(3).Check->isChecked() && w->Check_Swt->isChecked());

    // A double click on a row's number resets the row.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(w->Row(3).Edit_No, &dbl);
    EXPECT_FALSE(w->Row(3).OptionUDL->isChecked() || w->Row(3).Check->isChecked());
    EXPECT_TRUE(w->Row(3).Edit_Dist->text().isEmpty());
    EXPECT_EQ(Work.WorkLoads[3][lfKind], 0.0f);

    w->Button4->click();
    EXPECT_EQ(w->FormHeight(), 2130);
    EXPECT_EQ(w->Content->height(), 2130 - 65);
    EXPECT_LE(w->height(), 2130);
    for (int n = 1; n <= 50; ++n)
        EXPECT_FALSE(w->Row(n).Panel->isHidden()) << n;
    w->hide();
}

TEST_F(LoadDataFrmTest, PictureIsPaintedInItsColours) {
    ShowForm(w);
    TypeLoadcaseOne();
    // The arrow of 12 kN at x 173 from y 94 up to 46; the outline's peak at y 63 over station 571.
    EXPECT_EQ(Pixel(173, 70), QColor(Qt::yellow));
    EXPECT_EQ(Pixel(419, 63), QColor(Qt::red));
    EXPECT_EQ(Pixel(100, 79), QColor(Qt::red));
    EXPECT_EQ(Pixel(100, 70), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(Pixel(300, 97), QColor(Qt::white)); // the beam line over the loads
    w->hide();
}

TEST_F(LoadDataFrmTest, FileNewThroughTheMainWindowLeavesFiveBlankRows) {
    ShowForm(w);
    TypeLoadcaseOne();
    w->Button4->click();
    w->Edit_Case->setValue(3);
    w->hide();
    Forms.IndexFrm->ResetInputForms();
    EXPECT_EQ(w->Edit_Case->value(), 1);
    EXPECT_EQ(LoadDataVars.WorkLoadcase, 1);
    EXPECT_EQ(w->FormHeight(), 580);
    for (int n = 1; n <= 50; ++n) {
        const TLoadRow& r = w->Row(n);
        EXPECT_EQ(r.Panel->isHidden(), n > 6) << n;
        EXPECT_FALSE(r.OptionP->isChecked() || r.OptionUDL->isChecked() || r.Check->isChecked()) << n;
        EXPECT_TRUE(r.Edit_Dist->text().isEmpty() && r.Edit_Dist->isHidden()) << n;
        EXPECT_FALSE(r.Edit_LF->isHidden()) << n; // factored loads on: the factor column shows
    }
    EXPECT_EQ(Work.WorkLoads[2][lfKind], 0.0f);
    EXPECT_EQ(Work.ApplyFlags[1][2], 0.0f);

    Model.FactoredLoadsFlag = 0;
    Forms.IndexFrm->ResetInputForms();
    for (int n = 1; n <= 50; ++n)
        EXPECT_TRUE(w->Row(n).Edit_LF->isHidden()) << n;
}

TEST_F(LoadDataFrmTest, NextAnalysesOrLeadsToTheEffectiveLengths) {
    ShowForm(w);
    TypeLoadcaseOne();
    w->cmd_Next->click();
    EXPECT_TRUE(w->isHidden());
    EXPECT_TRUE(Widget(Forms.IndexFrm)->isVisible());
    EXPECT_EQ(Model.AnalysedFlag, 1);
    // 12 + 3 x 4 + 2.5 x 3 + 2 x 3 kN applied.
    EXPECT_NEAR(Model.CaseAppliedLoad[1], 37500.0, 0.01);
    EXPECT_TRUE(dialogs_->messages().empty());
    Widget(Forms.IndexFrm)->hide();

    Model.SteelSectionFlag = 1;
    ShowForm(w);
    w->cmd_Next->click();
    EXPECT_TRUE(Widget(Forms.SpanFrm)->isVisible());
    Widget(Forms.SpanFrm)->hide();
    Model.SpanData[kLHCantRow][mfExists] = 1.0f;
    Model.SpanData[kLHCantRow][mfL] = 1000;
    ShowForm(w);
    w->cmd_Next->click();
    EXPECT_TRUE(Widget(Forms.CantLHFrm)->isVisible());
    EXPECT_FALSE(Widget(Forms.SpanFrm)->isVisible());
    Widget(Forms.CantLHFrm)->hide();

    // A refusal keeps the form open.
    ShowForm(w);
    Type(5, false, "6.5", "1", "0.6", "1");
    w->Row(5).Check->click();
    dialogs_->clear();
    w->cmd_Next->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(dialogs_->messages().front(), "Load 5 extends past end of beam");
    w->cmd_Cancel->click();
    EXPECT_TRUE(w->isHidden());
    EXPECT_EQ(Work.ApplyFlags[1][5], 0.0f); // back to the committed ticks
}

TEST_F(LoadDataFrmTest, TheBeamCommitSetsTheSelfWeightFrame) {
    ShowForm(w);
    TypeLoadcaseOne();
    w->Check_Swt->click();
    ASSERT_EQ(Work.ApplyFlags[4][kSelfWeightRecord], 1.0f);
    // Hiding the frame unticks the self-weight through its handler, in every loadcase.
    w->ShowSelfWeightFrame(false);
    EXPECT_TRUE(w->Frame_SWt->isHidden());
    EXPECT_FALSE(w->Check_Swt->isChecked());
    for (int lc = 1; lc <= 5; ++lc)
        EXPECT_EQ(Work.ApplyFlags[lc][kSelfWeightRecord], -1.0f) << lc;
    w->ShowSelfWeightFrame(true);
    EXPECT_FALSE(w->Frame_SWt->isHidden());
    w->SetSelfWeightFactorText("1.0");
    EXPECT_EQ(w->Edit_LF->text(), "1.0");

    w->hide();
    Model.SpanData[2][mfL] = 5000;
    Model.BeamLength = 8000;
    w->DrawLoadFormBeam();
    EXPECT_EQ(w->lbl_Length->text(), "Length = 8.00 m");
    EXPECT_FALSE(w->lbl_Length->isHidden());
}

} // namespace

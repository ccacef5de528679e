// The load window's wiring beyond the user's flow (tests/real/LoadForm_real.cpp): each binding both
// ways with fifty rows, the names a screen reader reads, the rows' layout, handlers run by buttons
// set from code and by a double click, the scrolling form, the routes of "Next >" to the
// effective-length forms, a refusal, and the beam commit's calls.
#include "input/ui/LoadData.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "foundation/Units.h"
#include "input/FormTestSupport.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class LoadDataFrmTest : public FormsTest {
protected:
    // The committed two-span beam, the form shown and 12 kN typed at 1.5 m in row 1 and applied.
    void SetUp() override {
        FormsTest::SetUp();
        SetDefaultUnits(Model);
        Model.FactoredLoadsFlag = 1;
        kxtest::CommitTwoSpanBeam();
        w = Forms.LoadDataFrm;
        ShowForm(w);
        w->Row(1).OptionP->setChecked(true);
        w->Row(1).Edit_PL->setText("12");
        w->Row(1).Edit_Dist->setText("1.5");
        w->Row(1).Check->click();
    }
    TLoadDataFrm* w = nullptr;
};

TEST_F(LoadDataFrmTest, EveryControlReadAndShownThroughItsBindingAndNamed) {
    w->Button4->click(); // all fifty rows
    w->Row(50).Edit_UDLF->setText("4");
    kxtest::ExpectRoundTrip(w->Bindings);
    std::set<std::string> numbers; // read-only, each showing its row's fixed number
    for (int n = 1; n <= kLoadRows; ++n)
        numbers.insert(FromQt(w->Row(n).Edit_No->objectName()));
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), numbers);

    // The type buttons and the Apply box of each row reach their own row's fields.
    using F = LoadFormControls;
    std::vector<std::pair<QAbstractButton*, std::function<bool(const F&)>>> flags = {
        {w->Check_Swt, [](const F& f) { return f.Check_Swt; }}};
    for (int n = 1; n <= kLoadRows; ++n) {
        flags.push_back({w->Row(n).OptionP, [n](const F& f) { return f.Rows[n].OptionP; }});
        flags.push_back({w->Row(n).OptionUDL, [n](const F& f) { return f.Rows[n].OptionUDL; }});
        flags.push_back({w->Row(n).Check, [n](const F& f) { return f.Rows[n].Check; }});
    }
    kxtest::ExpectOwnFlags(w->Bindings, F{}, flags);

    for (auto [input, name] : {std::pair<QWidget*, const char*>{w->Row(3).Edit_Dist, "Load 3 Distance"},
                               {w->Row(50).Edit_UDLF, "Load 50 UDL finish rate"},
                               {w->Check_Swt, "Steel Beam Self-weight: Apply"},
                               {w->Edit_LF, "LF"},
                               {w->Edit_Case, "Loadcase"}})
        EXPECT_EQ(input->accessibleName(), name);
}

TEST_F(LoadDataFrmTest, RowsLaidOutAndReachedFromCode) {
    // Row 17 is 40 high, the others 35, from 240 down; the length caption 119 below the picture.
    for (auto [n, top, height] : {std::tuple{16, 765, 35}, {17, 800, 40}, {18, 840, 35}, {50, 1960, 35}})
        EXPECT_EQ(w->Row(n).Panel->geometry(), QRect(10, top, 745, height)) << n;
    EXPECT_EQ(w->lbl_Length->y() - w->Image_Beam->y(), 119);

    // A type chosen from code lays its row out as a click does; the type buttons of one row exclude
    // each other, not those of another row.
    w->Row(7).OptionP->setChecked(true);
    EXPECT_FALSE(w->Row(8).Panel->isHidden());
    w->Row(6).OptionUDL->setChecked(true);
    w->Row(7).OptionUDL->setChecked(true);
    EXPECT_TRUE(!w->Row(7).OptionP->isChecked() && w->Row(6).OptionUDL->isChecked());

    // A double click on a row's number resets the row.
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(w->Row(1).Edit_No, &dbl);
    EXPECT_FALSE(w->Row(1).OptionP->isChecked() || w->Row(1).Check->isChecked());
    EXPECT_TRUE(w->Row(1).Edit_PL->text().isEmpty());

    // "Expand": all fifty rows scroll above the commands, the window no taller than the form.
    w->Button4->click();
    EXPECT_EQ(w->Content->height(), 2130 - 65);
    EXPECT_LE(w->height(), w->screen()->availableGeometry().height());
    EXPECT_FALSE(w->Row(50).Panel->isHidden());
    w->Edit_Case->setValue(6);
    EXPECT_EQ(w->Edit_Case->value(), 5);
}

TEST_F(LoadDataFrmTest, NextLeadsToTheEffectiveLengthsOrStaysOnARefusal) {
    Model.SteelSectionFlag = 1;
    for (QWidget* next : {Widget(Forms.SpanFrm), Widget(Forms.CantLHFrm)}) {
        Model.SpanData[kLHCantRow][mfExists] = next == Widget(Forms.CantLHFrm) ? 1.0f : 0.0f;
        Model.SpanData[kLHCantRow][mfL] = 1000;
        ShowForm(w);
        w->cmd_Next->click();
        EXPECT_TRUE(next->isVisible() && w->isHidden());
        next->hide();
    }
    // A refusal keeps the form open; Cancel goes back to the committed ticks.
    ShowForm(w);
    w->Row(5).OptionUDL->setChecked(true);
    w->Row(5).Edit_Dist->setText("6.5");
    w->Row(5).Edit_Cover->setText("0.6");
    w->Row(5).Check->click();
    dialogs_->clear();
    w->cmd_Next->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(dialogs_->messages().front(), "Load 5 extends past end of beam");
    w->cmd_Cancel->click();
    EXPECT_TRUE(w->isHidden());
    EXPECT_NE(Work.ApplyFlags[1][5], 1.0f);
}

TEST_F(LoadDataFrmTest, TheBeamCommitsCallsReachTheForm) {
    // Hiding the frame unticks the self-weight without reading the rows, which after Open show
    // the working list only from the next showing on (the commit takes the self-weight off).
    w->Check_Swt->click();
    Work.WorkLoads[1][lfP] = 5000;
    w->ShowSelfWeightFrame(false);
    EXPECT_TRUE(w->Frame_SWt->isHidden() && !w->Check_Swt->isChecked());
    EXPECT_EQ(Work.WorkLoads[1][lfP], 5000.0f);
    // The new beam and its length drawn.
    Model.SpanData[2][mfL] = 5000;
    Model.BeamLength = 8000;
    w->hide();
    w->DrawLoadFormBeam();
    EXPECT_EQ(w->lbl_Length->text(), "Length = 8.00 m");
    EXPECT_FALSE(w->lbl_Length->isHidden());
    // File New empties the rows.
    w->Row(1).OptionP->setChecked(true);
    w->Row(1).Edit_PL->setText(QStringLiteral("12"));
    Forms.IndexFrm->New1->trigger();
    EXPECT_FALSE(w->Row(1).OptionP->isChecked());
    EXPECT_TRUE(w->Row(1).Edit_PL->text().isEmpty());
}

} // namespace

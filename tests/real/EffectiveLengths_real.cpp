// The effective-length forms in a real window system, reached from the start screen: a beam with
// both cantilevers checked to BS 5975 goes through the load form, the left cantilever, the spans
// (one at intervals) and the right cantilever into the analysis; a change of units in the
// preferences rewrites the open form on the way.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "RealWindow.h"
#include "foundation/ui/Preferences.h"
#include "input/FormTestSupport.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "platform/QtDialogs.h"

using namespace kx;

TEST_F(RealWindowTest, CheckedBeamThroughEveryEffectiveLengthFormIntoTheListing) {
    TIndexFrm* index = mainWindow();
    auto spinUp = [](QSpinBox* s) {
        QTest::mouseClick(s, Qt::LeftButton);
        QTest::keyClick(s, Qt::Key_Up);
        settle();
    };
    pick(index, "File", index->New1);

    // Cantilevers of 1.5 m and 1.234 m, spans of 5 m and 4 m, a 127 x 76 UB as its pick leaves
    // it, checked to BS 5975, committed with "Next >".
    TKX_BeamFrm* b = Forms.KX_BeamFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b));
    settle(100);
    click(b->Check_LHC);
    click(b->Check_RHC);
    typeText(b->Edit_Spans->findChild<QLineEdit*>(), "2", true);
    ASSERT_EQ(b->Grid_Spans->columnCount(), 5);
    for (auto [col, length] : {std::pair{1, "1.5"}, {2, "5"}, {3, "4"}, {4, "1.234"}})
        typeCell(b->Grid_Spans, 1, col, length);
    test::PutUB127(Work.WorkSpanData);
    Work.WorkSectionShape = "Beam";
    Work.WorkMemberType = "HRS";
    Work.SectionFamily = "UB";
    b->lbl_S01_Ixx->setText("473.4");
    b->lbl_S01_E->setText("205000");
    b->lbl_S01_Desc->setText(" 127 x 76 UB 13");
    click(b->Option_Check);
    click(b->cmdNext, 100);
    ASSERT_EQ(Model.SteelSectionFlag, 1);
    ASSERT_FLOAT_EQ(Model.BeamLength, 11734);

    // 5 kN/m over the whole beam.
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(loads));
    click(loads->Row(1).OptionUDL);
    for (auto [edit, text] : {std::pair{loads->Row(1).Edit_Dist, "0"},
                              {loads->Row(1).Edit_UDLS, "5"},
                              {loads->Row(1).Edit_UDLF, "5"},
                              {loads->Row(1).Edit_Cover, "11.734"}})
        typeText(edit, text);
    click(loads->Row(1).Check);
    click(loads->cmd_Next, 100);

    // Left cantilever: continuous with lateral and torsional restraint, free end, normal loading.
    TCantLHFrm* left = Forms.CantLHFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(left));
    for (QWidget* o : {left->Option_Support_Both, left->Option_End_Free, left->Option_Normal})
        click(o);
    EXPECT_EQ(left->lbl_Lf->text(), "1.00 L");
    EXPECT_EQ(left->lbl_Le->text(), "1.50");
    click(left->cmd_Next, 100);

    // Spans: span 1 fully restrained at its supports, span 2 at two equal intervals.
    TSpanFrm* span = Forms.SpanFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(span));
    EXPECT_EQ(span->lbl_Length->text(), "Length = 11.7 m");
    click(span->Option_Full);
    EXPECT_EQ(span->lbl_Le->text(), "4.25");
    spinUp(span->Edit_Span);
    EXPECT_EQ(span->lbl_L->text(), "4.00");
    click(span->Option_Int);
    ASSERT_TRUE(span->Frame_Int->isVisible());
    EXPECT_EQ(span->Grid_Int->item(1, 1)->text(), "2.00"); // one restraint, ends half a space
    click(span->Option_Equal);
    spinUp(span->Edit_No);
    EXPECT_EQ(span->Grid_Int->item(1, 2)->text(), "1.33");
    click(span->cmd_OK);
    click(span->cmd_Next, 100);
    EXPECT_TRUE(dialogs_->messages().empty());

    // Right cantilever: lateral restraint only, torsional end restraint, normal loading.
    TCantRHFrm* right = Forms.CantRHFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(right));
    for (QWidget* o : {right->Option_Support_Lateral, right->Option_End_Torsion, right->Option_Normal})
        click(o);
    EXPECT_EQ(right->lbl_Le->text(), "2.96");

    // Preferences from the main window: lengths in mm rewrite the open form and the others.
    pick(index, "Settings", index->Units1);
    TPreferencesFrm* prefs = Forms.PreferencesFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prefs));
    click(prefs->optionButton("Option_L_mm"));
    click(prefs->Button2, 100);
    EXPECT_EQ(right->lbl_Le->text(), "2960");
    EXPECT_EQ(right->Label_Units->text(), "mm");
    EXPECT_EQ(left->lbl_Le->text(), "1500");
    EXPECT_EQ(b->Grid_Spans->item(1, 2)->text(), "5000");
    EXPECT_EQ(b->Grid_Spans->item(1, 4)->text(), "1230");
    // The working beam follows the rewritten cells at the exact lengths behind them.
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 11734);
    EXPECT_FLOAT_EQ(Model.BeamLength, 11734);

    click(right->cmd_Next, 200);
    EXPECT_TRUE(dialogs_->messages().empty());
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_EQ(Model.AnySpanIntervals, 1);
    EXPECT_FLOAT_EQ(Model.EffLength[26][0], 2.4f * 1234.0f);
    // The listing in the new unit: span 1 by its factor, span 2 interval by interval (1330, 1330
    // and the remainder 1340 mm over ry 18.369).
    for (const char* line : {"  Le \"factor\" = 0.85L", "  Le = 4250mm", "  Span 2  Int 3",
                             "    Le/ry = 72.4", "    Le/ry = 72.9"})
        EXPECT_GT(test::SteelCheckLine(line), 0) << line;
}

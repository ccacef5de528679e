// The span form headless: controls as made, options clicked, the interval panel typed into with
// its sketch painted for real, Next into the analysis, New; and a change of units rewriting the
// open input windows.
#include "input/ui/Span.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "engine/BeamBuilder.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/Preferences.h"
#include "foundation/Units.h"
#include "input/Rescale.h"
#include "input/ui/CantLH.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/InputForms.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

const QColor kGrey(0x80, 0x80, 0x80);

class SpanFrmTest : public FormsTest {
protected:
    // Spans 5000 + 4000 mm of a 127 x 76 UB checked to BS 5975, units m, 5 N/mm in loadcase 1.
    void SetUp() override {
        FormsTest::SetUp();
        test::BeamBuilder().Spans({5000, 4000}).Section(205000, 4734400).Udl(1, 0, 5, 9000).Commit();
        SetDefaultUnits(Model);
        for (int row = 0; row <= kRHCantRow; ++row)
            for (auto [field, v] : {std::pair{mfSteelDepth, 127.0f},
                                    {mfRy, 18.369f},
                                    {mfY, 63.5f},
                                    {mfShearArea, 508.0f},
                                    {mfDT, 127 / 7.6f}})
                Model.SpanData[row][field] = v;
        Model.SectionShape = "Beam";
        Model.MemberType = "HRS";
        Model.SteelSectionFlag = 1;
        w = Forms.SpanFrm;
        w->show();
    }
    // A space typed into the interval grid through its editor, key by key.
    void typeSpace(int col, const QString& text) {
        QTableWidgetItem* it = w->Grid_Int->item(1, col);
        ASSERT_NE(it, nullptr);
        w->Grid_Int->setCurrentItem(it);
        w->Grid_Int->editItem(it);
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : w->Grid_Int->findChildren<QLineEdit*>())
            if (e->isVisible()) editor = e;
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, ch.unicode(), Qt::NoModifier, QString(ch));
            QApplication::sendEvent(editor, &press);
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(editor, &enter);
    }
    std::string cell(int col, int row) const {
        const QTableWidgetItem* it = w->Grid_Int->item(row, col);
        return it ? FromQt(it->text()) : "";
    }
    QColor spans(int x, int y) const { return w->Image_Spans->Picture.pixelColor(x, y); }
    QColor intervals(int x, int y) const { return w->Image_IntSpan->Picture.pixelColor(x, y); }

    TSpanFrm* w = nullptr;
};

TEST_F(SpanFrmTest, ControlsAsMadeAndShown) {
    EXPECT_EQ(w->windowTitle(), "Span");
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->size(), QSize(790, 570));
    EXPECT_EQ(w->Image_Spans->Picture.size(), QSize(769, 65));
    EXPECT_EQ(w->Image_IntSpan->Picture.size(), QSize(737, 89));
    EXPECT_TRUE(w->Frame_Int->isHidden());
    EXPECT_FALSE(w->cmd_All->isEnabled());
    EXPECT_FALSE(w->cmdEdit->isEnabled());
    EXPECT_TRUE(w->Option_UnEqual->isChecked());
    EXPECT_EQ((std::array{w->Edit_No->minimum(), w->Edit_No->maximum()}), (std::array{1, 5}));
    EXPECT_EQ(w->Edit_Span->maximum(), 2);
    EXPECT_EQ(w->Option_Full->text(),
              "Compression flange fully restrained againt rotation in plan at supports.");
    EXPECT_EQ(w->Label_1_Unit->text(), "m");
    EXPECT_EQ(w->lbl_L->text(), "5.00");
    // The show cleared the picture; the load form's Next draws it.
    EXPECT_EQ(spans(100, 30), kGrey);
    EXPECT_TRUE(w->lbl_Length->isHidden());
}

TEST_F(SpanFrmTest, OptionsIntervalsAndNextIntoTheAnalysis) {
    w->Option_Full->click();
    EXPECT_EQ(w->lbl_Lf->text(), "0.85L");
    EXPECT_EQ(w->lbl_Le->text(), "4.25");
    EXPECT_TRUE(w->cmd_All->isEnabled());
    // The beam drawn again with span 1 marked: white beam line at Y 30, yellow lines at 27, 33.
    EXPECT_EQ(spans(300, 30), QColor(Qt::white));
    EXPECT_EQ(spans(100, 27), QColor(Qt::yellow));
    EXPECT_EQ(spans(600, 27), kGrey);
    EXPECT_EQ(w->lbl_Length->text(), "Length = 9.00 m");

    w->Check_12->click();
    EXPECT_EQ(w->lbl_Lf->text(), "0.85L / 1.2");
    EXPECT_EQ(Work.EffLengthWork[1][0], 3541.6665f);

    // Span 2 at two equal intervals.
    w->Edit_Span->setValue(2);
    EXPECT_EQ(w->lbl_L->text(), "4.00");
    EXPECT_FALSE(w->Option_Full->isChecked());
    EXPECT_EQ(spans(600, 27), QColor(Qt::yellow));
    w->Option_Equal->click();
    w->Edit_No->setValue(2);
    w->Option_Int->click();
    EXPECT_FALSE(w->Frame_Int->isHidden());
    EXPECT_TRUE(w->Frame_Span->isHidden());
    EXPECT_TRUE(w->cmd_Cancel->isHidden());
    EXPECT_EQ(w->lbl_Span->text(), "Span 2");
    EXPECT_EQ((std::array{cell(0, 0), cell(1, 0), cell(1, 1), cell(2, 1), cell(3, 1)}),
              (std::array<std::string, 5>{" Distance to :-", " Sup. 1", "1.33", "1.33", "1.33"}));
    EXPECT_FALSE(w->Grid_Int->isColumnHidden(2));
    EXPECT_TRUE(w->Grid_Int->isColumnHidden(3)); // the last space lies beyond the columns shown
    EXPECT_FALSE(w->Grid_Int->item(0, 1)->flags() & Qt::ItemIsEditable);
    // Painted: grey ground, white beam at y 52, the first red mark at 50 + 1330 x 637 / 4000.
    const int mark = 50 + FloatToInt(1330.0 * 637 / 4000);
    EXPECT_EQ(intervals(5, 5), kGrey);
    EXPECT_EQ(intervals(300, 52), QColor(Qt::white));
    EXPECT_EQ(intervals(mark, 60), QColor(Qt::red));
    EXPECT_EQ(w->lbl_SpanL->text(), "Span Length = 4.00 m");

    // Typed spaces longer than the span are refused by OK; shorter ones are taken.
    typeSpace(1, "3");
    EXPECT_EQ(Work.EffLengthWork[2][1], 3000.0f);
    typeSpace(2, "2");
    w->cmd_OK->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Sum of spaces exceeds span length"});
    EXPECT_FALSE(w->Frame_Int->isHidden());
    typeSpace(2, "0.5");
    w->cmd_OK->click();
    EXPECT_TRUE(w->Frame_Int->isHidden());
    EXPECT_FALSE(w->cmd_Cancel->isHidden());
    EXPECT_EQ(Work.RestraintPosWork[2][1], 150);
    EXPECT_EQ(Work.RestraintPosWork[2][2], 25);
    // The restraint marks in red on the beam sketch.
    const int at = 25 + FloatToInt(5000 * 719.0f / 9000 + 3000 * 719.0f / 9000);
    EXPECT_EQ(spans(at, 30), QColor(Qt::red));

    w->cmd_Next->click();
    EXPECT_TRUE(dialogs_->messages().size() == 1); // nothing more
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(Forms.IndexFrm->isVisible());
    EXPECT_EQ(Model.AnalysedFlag, 1);
    EXPECT_EQ(Model.AnySpanIntervals, 1);
    EXPECT_EQ(Model.EffLengthText[1], "0.85L / 1.2");
}

TEST_F(SpanFrmTest, UserValueBackAndNew) {
    dialogs_->inputAnswers = {std::string("3.2")};
    w->Option_Edit->click();
    EXPECT_EQ(w->lbl_Le->text(), "3.20");
    EXPECT_TRUE(w->cmdEdit->isEnabled());
    dialogs_->inputAnswers = {std::string("4")};
    w->cmdEdit->click();
    EXPECT_EQ(w->lbl_Le->text(), "4.00");

    w->cmd_Next->click(); // span 2 has no choice
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{" Effective length not selected for span 2"});
    EXPECT_TRUE(w->isVisible());
    w->cmd_Back->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(Forms.LoadDataFrm->isVisible());

    ResetAllInputForms();
    EXPECT_FALSE(w->Option_Edit->isChecked());
    EXPECT_EQ(w->lbl_Le->text(), "");
    EXPECT_TRUE(w->Option_UnEqual->isChecked());
    EXPECT_EQ(Work.EffLengthWork[1][0], 0.0f);
}

TEST_F(SpanFrmTest, ChangeOfUnitsRewritesTheOpenInputWindows) {
    w->Option_Full->click();
    // The beam form holding the committed spans, the load form a distance and an empty load.
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    beam->ResetBeamForm();
    beam->Edit_Spans->setValue(2);
    BeamFormControls f = beam->Controls();
    f.Grid_Spans.SetCell(1, 1, "5");
    f.Grid_Spans.SetCell(2, 1, "4");
    f.lbl_S01_Ixx = "473";
    beam->ShowControls(f);
    beam->Grid_SpansKeyUp();
    EXPECT_EQ(Work.WorkBeamLength, 9000.0f);
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    LoadFormControls l = loads->Controls();
    l.Rows[1].Edit_Dist.Text = "1.5";
    l.Rows[1].Edit_LF.Text = "1.4";
    loads->ShowControls(l);
    dialogs_->inputAnswers = {std::string("2")};
    Forms.CantLHFrm->Option_Edit->click();
    TKX_GridFrm* grid = Forms.KX_GridFrm;
    grid->SetCell(5, 1, "12.5"); // a permissible moment in kN-m

    Model.BeamFormShown = 1;
    PreferencesShow();
    PreferenceChoices c = ChoicesForUnits(Model, DesignTimeChoices());
    c.option[0] = 0; // length in mm
    for (std::size_t g = 0; g < UnitOptionGroups().size(); ++g)
        if (UnitOptionGroups()[g].kind == TUnitKind::Moment) c.option[g] = 0; // N-mm
    PreferencesOK(c);

    EXPECT_EQ(w->lbl_Le->text(), "4250");
    EXPECT_EQ(w->Label_2_Unit->text(), "mm");
    EXPECT_EQ(w->lbl_Lf->text(), "0.85L");
    EXPECT_EQ(Forms.CantLHFrm->lbl_Le->text(), "2000");
    EXPECT_EQ(Forms.CantLHFrm->Label_Units->text(), "mm");
    const BeamFormControls after = beam->Controls();
    EXPECT_EQ(after.Grid_Spans.Cell(1, 1), "5000");
    EXPECT_EQ(after.Grid_Spans.Cell(0, 1), " Length (mm)");
    EXPECT_EQ(after.lbl_S01_Ixx, "473");     // I did not change
    EXPECT_EQ(Work.WorkBeamLength, 9000.0f); // the key-up steps ran on the rewritten cells
    const LoadFormControls la = loads->Controls();
    EXPECT_EQ(la.Rows[1].Edit_Dist.Text, "1500");
    EXPECT_EQ(la.Rows[1].Edit_PL.Text, "");    // force did not change
    EXPECT_EQ(la.Rows[1].Edit_LF.Text, "1.4"); // no unit
    EXPECT_EQ(la.Rows[2].Edit_Cover.Text, "0.0");
    EXPECT_EQ(la.lbl_PLdist, "(mm)");
    EXPECT_EQ(grid->Cell(5, 1), "12500000");
    EXPECT_EQ(grid->Cell(5, 0), "   Permissible Moment (N-mm)");
    EXPECT_EQ(grid->Cell(2, 1), ""); // SectI did not change

    // Back to m and the same texts come back, not re-rounded ones.
    PreferencesShow();
    c.option[0] = 2;
    PreferencesOK(c);
    EXPECT_EQ(w->lbl_Le->text(), "4.25");
    EXPECT_EQ(beam->Controls().Grid_Spans.Cell(2, 1), "4.00");
    EXPECT_EQ(loads->Controls().Rows[1].Edit_Dist.Text, "1.50");
}

} // namespace

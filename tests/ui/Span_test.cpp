// The effective-length windows headless: each binding both ways, the names a screen reader reads,
// toggles driving the handlers, the sketches painted for real, the routes of the wizard, and a
// change of units rewriting the open input windows.
#include "input/ui/Span.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "app/Forms.h"
#include "engine/BeamBuilder.h"
#include "foundation/Func_FloatToInt.h"
#include "foundation/Preferences.h"
#include "foundation/Units.h"
#include "input/EffLengthTestSupport.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class SpanFrmTest : public FormsTest {
protected:
    // Spans 5000 + 4000 mm of a 127 x 76 UB checked to BS 5975, units m, 5 N/mm in loadcase 1.
    void SetUp() override {
        FormsTest::SetUp();
        test::BeamBuilder().Spans({5000, 4000}).Section(205000, 4734400).Udl(1, 0, 5, 9000).Commit();
        SetDefaultUnits(Model);
        test::UseUB127OnEveryMember();
        w = Forms.SpanFrm;
        w->show();
    }
    // A space typed into the interval grid.
    void typeSpace(int col, const char* text) {
        w->Grid_Int->item(1, col)->setText(QString::fromLatin1(text));
    }
    QColor spans(int x, int y) const { return w->Image_Spans->Picture.pixelColor(x, y); }

    TSpanFrm* w = nullptr;
};

TEST_F(SpanFrmTest, EveryControlReadAndShownThroughItsBindingAndNamed) {
    w->Option_Int->click(); // the interval panel, its grid filled
    ASSERT_FALSE(w->Frame_Int->isHidden());
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());

    // Each option, and the 1.2 box, reaches its own field and no other.
    using C = SpanControls;
    std::vector<std::pair<QAbstractButton*, std::function<bool(const C&)>>> options;
    for (auto [b, f] : {std::pair{w->Option_Full, &C::Option_Full},
                        {w->Option_Partial, &C::Option_Partial},
                        {w->Option_Not, &C::Option_Not},
                        {w->Option_Pos, &C::Option_Pos},
                        {w->Option_Dead, &C::Option_Dead},
                        {w->Option_Restrained, &C::Option_Restrained},
                        {w->Option_Edit, &C::Option_Edit},
                        {w->Option_Int, &C::Option_Int},
                        {w->Option_Blank, &C::Option_Blank},
                        {w->Option_Equal, &C::Option_Equal},
                        {w->Option_UnEqual, &C::Option_UnEqual}})
        options.push_back({b, [f = f](const C& c) { return c.*f; }});
    options.push_back({w->Check_12, [](const C& c) { return c.Check_12; }});
    C none;
    none.Option_UnEqual = false;
    kxtest::ExpectOwnFlags(w->Bindings, none, options);

    EXPECT_EQ(w->Edit_Span->accessibleName(), "Span");
    EXPECT_EQ(w->Edit_No->accessibleName(), "Number of supports");
    EXPECT_EQ(w->Grid_Int->accessibleName(), "Span intervals");
    // The two reset buttons stand one above the other without overlapping.
    EXPECT_FALSE(w->cmdEdit->geometry().intersects(w->cmd_Part->geometry()));
}

TEST_F(SpanFrmTest, SketchesPaintedIntervalsTypedAndNextIntoTheAnalysis) {
    w->Option_Full->setChecked(true);
    // The beam drawn again with span 1 marked: white beam line at y 30, yellow lines at 27, 33.
    EXPECT_EQ(spans(300, 30), QColor(Qt::white));
    EXPECT_EQ(spans(100, 27), QColor(Qt::yellow));
    EXPECT_EQ(w->lbl_Length->text(), "Length = 9.00 m");
    // "5.00 m" under span 1, its box from (2500 x 719 / 9000 + 3, 35): light text on the grey.
    int light = 0, grey = 0;
    for (int y = 36; y < 46; ++y)
        for (int x = 203; x < 233; ++x) {
            light += spans(x, y).lightness() > 200;
            grey += spans(x, y) == QColor(128, 128, 128);
        }
    EXPECT_GT(light, 10);
    EXPECT_GT(grey, 10);

    // Span 2 at two equal intervals.
    w->Edit_Span->setValue(2);
    EXPECT_EQ(spans(600, 27), QColor(Qt::yellow));
    w->Option_Equal->setChecked(true);
    w->Edit_No->setValue(2);
    w->Option_Int->setChecked(true);
    // Painted: the first red mark at 50 + 1330 x 637 / 4000.
    EXPECT_EQ(w->Image_IntSpan->Picture.pixelColor(50 + FloatToInt(1330.0 * 637 / 4000), 60),
              QColor(Qt::red));

    // Spaces typed into the grid, taken by OK.
    typeSpace(1, "3");
    typeSpace(2, "0.5");
    w->cmd_OK->click();
    EXPECT_TRUE(w->Frame_Int->isHidden());
    // The first restraint in red on the beam sketch, 3 m into span 2.
    EXPECT_EQ(spans(25 + FloatToInt(8000 * 719.0f / 9000), 30), QColor(Qt::red));

    w->cmd_Next->click();
    EXPECT_TRUE(dialogs_->messages().empty());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(Forms.IndexFrm->isVisible());
    EXPECT_EQ(Model.AnalysedFlag, 1);
}

TEST_F(SpanFrmTest, UserValueResetBackAndNew) {
    dialogs_->inputAnswers = {std::string("3.2"), std::string("4")};
    w->Option_Edit->setChecked(true);
    EXPECT_EQ(w->lbl_Le->text(), "3.20");
    w->cmdEdit->click();
    EXPECT_EQ(w->lbl_Le->text(), "4.00");
    w->cmd_Back->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(Forms.LoadDataFrm->isVisible());

    ResetAllInputForms();
    EXPECT_FALSE(w->Option_Edit->isChecked());
    EXPECT_EQ(w->lbl_Le->text(), "");
}

TEST_F(SpanFrmTest, ChangeOfUnitsRewritesTheOpenInputWindows) {
    w->Option_Full->click();
    // The beam form holding the spans, the load form a distance, the section editor a moment.
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    beam->ResetBeamForm();
    beam->Edit_Spans->setValue(2);
    BeamFormControls f = beam->Bindings.Read();
    f.Grid_Spans.SetCell(1, 1, "5");
    f.Grid_Spans.SetCell(2, 1, "4");
    beam->Bindings.Show(f);
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    loads->Row(1).Edit_Dist->setText(QStringLiteral("1.5"));
    TKX_GridFrm* grid = Forms.KX_GridFrm;
    grid->SetCell(5, 1, "12.5"); // kN-m
    Work.WorkBeamLength = 0;     // stale unless the key-up steps run on the rewritten cells

    Model.BeamFormShown = 1;
    PreferencesShow();
    PreferenceChoices c = ChoicesForUnits(Model, DesignTimeChoices());
    c.option[0] = 0; // length in mm
    for (std::size_t g = 0; g < UnitOptionGroups().size(); ++g)
        if (UnitOptionGroups()[g].kind == TUnitKind::Moment) c.option[g] = 0; // N-mm
    PreferencesOK(c);
    EXPECT_EQ(w->lbl_Le->text(), "4250");
    EXPECT_EQ(w->Label_2_Unit->text(), "mm");
    EXPECT_EQ(beam->Bindings.Read().Grid_Spans.Cell(1, 1), "5000");
    EXPECT_EQ(Work.WorkBeamLength, 9000.0f);
    EXPECT_EQ(loads->Row(1).Edit_Dist->text(), "1500");
    EXPECT_EQ(grid->Cell(5, 1), "12500000");
    EXPECT_EQ(grid->Cell(5, 0), "   Permissible Moment (N-mm)");
}

class CantFrmTest : public FormsTest {
protected:
    // Cantilevers of 1500 and 1234 mm either side of a 5000 mm span, units m, 5 N/mm.
    void SetUp() override {
        FormsTest::SetUp();
        test::BeamBuilder().LHCantilever(1500).Spans({5000}).RHCantilever(1234).Udl(1, 0, 5, 7734).Commit();
        SetDefaultUnits(Model);
        test::UseUB127OnEveryMember();
    }
    static void clickOn(QWidget* w) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }
};

TEST_F(CantFrmTest, EveryControlReadAndShownThroughItsBindingAndNamed) {
    for (TCantileverFrm* w : std::initializer_list<TCantileverFrm*>{Forms.CantLHFrm, Forms.CantRHFrm}) {
        SCOPED_TRACE(w->objectName().toStdString());
        CantControls chosen;
        for (int f : {coRestrained, coDestabilizing, coSupportPartial, coEndTop})
            chosen.Option[f] = true;
        w->Bindings.Show(chosen);
        kxtest::ExpectRoundTrip(w->Bindings);
        EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());
        // Each option reaches its own flag and no other.
        std::vector<std::pair<QAbstractButton*, std::function<bool(const CantControls&)>>> options;
        for (int f = 0; f <= coEdit; ++f)
            options.push_back({w->Options[f], [f](const CantControls& c) { return c.Option[f]; }});
        kxtest::ExpectOwnFlags(w->Bindings, CantControls{}, options);
        // The three support options, which show no text, are named by their labels.
        EXPECT_EQ(w->Option_Support_Lateral->accessibleName(), "Continuous with lateral restraint only");
        EXPECT_EQ(w->Option_Support_Partial->accessibleName(), "Continuous with partial torsional restraint");
        EXPECT_EQ(w->Option_Support_Both->accessibleName(),
                  "Continuous with lateral and torsional restraint");
    }
}

TEST_F(CantFrmTest, PicturesAndLabelsChooseBackCancelNewAndOpen) {
    TCantLHFrm* left = Forms.CantLHFrm;
    left->show();
    clickOn(left->Image[7]);
    EXPECT_TRUE(left->Option_Support_Partial->isChecked());
    left->Option_Restrained->setChecked(true);
    left->cmd_Next->click();
    EXPECT_TRUE(Forms.SpanFrm->isVisible() && !left->isVisible());
    Forms.SpanFrm->cmd_Back->click();
    EXPECT_TRUE(left->isVisible());
    left->cmd_Back->click();
    EXPECT_TRUE(Forms.LoadDataFrm->isVisible() && !left->isVisible());

    // New clears; Open restores a user value and the show asks for it again (Cancel keeps it).
    ResetAllInputForms();
    EXPECT_FALSE(left->Option_Restrained->isChecked());
    Model.CantLHOpts = TCantOpt{};
    Model.CantLHOpts[coEdit] = 1;
    Model.EffLength[0][0] = 2500;
    left->CantLHRestoreFromCommitted();
    left->show();
    EXPECT_EQ(dialogs_->shown.size(), 1u);
    EXPECT_TRUE(left->Option_Edit->isChecked());
    EXPECT_EQ(left->lbl_Le->text(), "2.500");

    TCantRHFrm* right = Forms.CantRHFrm;
    right->show();
    clickOn(right->Image[7]); // chooses nothing on the right
    for (QRadioButton* b : right->Options)
        EXPECT_FALSE(b->isChecked());
    clickOn(right->Label_Support_Both);
    EXPECT_TRUE(right->Option_Support_Both->isChecked());
    clickOn(right->Image[1]);
    EXPECT_TRUE(right->Option_Support_Lateral->isChecked() && !right->Option_Support_Both->isChecked());
    right->cmd_Back->click();
    EXPECT_TRUE(Forms.SpanFrm->isVisible() && !right->isVisible());
    right->show();
    right->cmd_Cancel->click();
    EXPECT_FALSE(right->isVisible());
}

} // namespace

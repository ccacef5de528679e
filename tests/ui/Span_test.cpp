// The effective-length windows headless: each binding both ways and the names a screen reader
// reads (the wizard's routes and figures have their core tests and a real-window flow).
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
#include "foundation/Units.h"
#include "input/FormTestSupport.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/LoadData.h"
#include "platform/QtDialogs.h"

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

// The buttons, the spinners and the interval grid each reach their handler.
TEST_F(SpanFrmTest, ButtonsSpinnersAndTheIntervalGridReachTheirHandlers) {
    dialogs_->inputAnswers = {std::string("3.2"), std::string("4")};
    w->Option_Edit->setChecked(true);
    EXPECT_EQ(w->lbl_Le->text(), "3.20");
    w->cmdEdit->click(); // asks again
    EXPECT_EQ(w->lbl_Le->text(), "4.00");

    // Span 2 at two equal intervals, a space of 3 m typed: the first restraint in red on the beam
    // sketch 5 + 3 m along, at 25 + 8000 x 719 / 9000 px.
    w->Option_Full->setChecked(true);
    w->Edit_Span->setValue(2);
    w->Option_Equal->setChecked(true);
    w->Edit_No->setValue(2);
    w->Option_Int->setChecked(true);
    w->Grid_Int->item(1, 1)->setText(QStringLiteral("3"));
    w->Grid_Int->item(1, 2)->setText(QStringLiteral("0.5"));
    w->cmd_OK->click();
    EXPECT_TRUE(w->Frame_Int->isHidden());
    EXPECT_EQ(w->Image_Spans->Picture.pixelColor(25 + FloatToInt(8000 * 719.0f / 9000), 30), QColor(Qt::red));
    w->cmd_Back->click();
    EXPECT_TRUE(Forms.LoadDataFrm->isVisible() && !w->isVisible());
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

// The pictures and the support labels choose their options; Back goes where the beam leads.
TEST_F(CantFrmTest, PicturesAndLabelsChooseAndBackLeadsBack) {
    auto clickOn = [](QWidget* w) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    };
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
}

} // namespace

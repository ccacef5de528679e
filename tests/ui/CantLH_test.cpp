// The two cantilever forms headless: pictures and labels clicked, options and the user value, Next
// and Back along the wizard, Open's restore and New.
#include "input/ui/CantLH.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "engine/BeamBuilder.h"
#include "foundation/Units.h"
#include "input/EffLengthTestSupport.h"
#include "input/ui/CantRH.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/InputForms.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

class CantFrmTest : public FormsTest {
protected:
    // Cantilevers of 1500 and 1234 mm either side of a 5000 mm span, units m, 5 N/mm.
    void SetUp() override {
        FormsTest::SetUp();
        test::BeamBuilder().LHCantilever(1500).Spans({5000}).RHCantilever(1234).Udl(1, 0, 5, 7734).Commit();
        SetDefaultUnits(Model);
        test::UseUB127OnEveryMember();
        left = Forms.CantLHFrm;
        right = Forms.CantRHFrm;
    }
    static void clickOn(QWidget* w) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
    }

    TCantLHFrm* left = nullptr;
    TCantRHFrm* right = nullptr;
};

TEST_F(CantFrmTest, PicturesAndLabelsChooseTheirOptionPerSide) {
    left->show();
    clickOn(left->Image[7]);
    EXPECT_TRUE(left->Option_Support_Partial->isChecked());
    right->show();
    clickOn(right->Image[7]); // nothing on the right
    for (QRadioButton* b : right->Options)
        EXPECT_FALSE(b->isChecked());
    clickOn(right->Image[1]);
    EXPECT_TRUE(right->Option_Support_Lateral->isChecked());
    clickOn(right->Label_Support_Both);
    EXPECT_TRUE(right->Option_Support_Both->isChecked());
    EXPECT_FALSE(right->Option_Support_Lateral->isChecked());
}

TEST_F(CantFrmTest, LeftChoicesUserValueAndNextToTheSpans) {
    left->show();
    left->Option_Support_Partial->click();
    left->Option_End_Torsion->click();
    left->Option_Destabilizing->click();
    EXPECT_EQ(left->lbl_Lf->text(), "3.00 L");
    EXPECT_EQ(left->lbl_Le->text(), "4.50");

    dialogs_->inputAnswers = {std::string("2.5")};
    left->Option_Edit->click();
    EXPECT_EQ(left->lbl_Le->text(), "2.50");
    EXPECT_FALSE(left->Option_Destabilizing->isChecked());
    EXPECT_TRUE(left->cmdEdit->isEnabled());

    left->Option_Restrained->click();
    EXPECT_FALSE(left->Option_Edit->isChecked());
    left->cmd_Next->click();
    EXPECT_FALSE(left->isVisible());
    EXPECT_EQ(Model.EffLengthText[0], "Fully Restrained");
    // The span form shown with its sketch drawn, the LH cantilever's length included.
    EXPECT_TRUE(Forms.SpanFrm->isVisible());
    EXPECT_EQ(Forms.SpanFrm->lbl_Length->text(), "Length = 7.73 m");

    Forms.SpanFrm->cmd_Back->click();
    EXPECT_TRUE(left->isVisible());
    left->cmd_Back->click();
    EXPECT_TRUE(Forms.LoadDataFrm->isVisible());
    EXPECT_FALSE(left->isVisible());
}

TEST_F(CantFrmTest, RightNextRunsTheAnalysisWithTheWorkedOutLength) {
    right->show();
    right->Option_Support_Lateral->click();
    right->Option_End_Torsion->click();
    right->cmd_Next->click(); // no loading chosen
    EXPECT_EQ(dialogs_->messages().size(), 1u);
    EXPECT_TRUE(right->isVisible());
    right->Option_Normal->click();
    EXPECT_EQ(right->lbl_Le->text(), "2.96");
    right->cmd_Next->click();
    EXPECT_FALSE(right->isVisible());
    EXPECT_TRUE(Forms.IndexFrm->isVisible());
    EXPECT_EQ(Model.EffLength[26][0], 2.4f * 1234.0f);
    EXPECT_EQ(Model.AnalysedFlag, 1);

    right->show();
    right->cmd_Back->click();
    EXPECT_TRUE(Forms.SpanFrm->isVisible());
    EXPECT_FALSE(right->isVisible());
    right->show();
    right->cmd_Cancel->click();
    EXPECT_FALSE(right->isVisible());
}

TEST_F(CantFrmTest, OpenAsksAgainWithTheStoredUserValueAndNewClears) {
    Model.CantLHOpts[coEdit] = 1;
    Model.EffLength[0][0] = 2500;
    left->CantLHRestoreFromCommitted();
    left->show(); // the box is answered by Cancel: its default
    EXPECT_EQ(dialogs_->shown.size(), 1u);
    EXPECT_TRUE(left->Option_Edit->isChecked());
    EXPECT_EQ(left->lbl_Le->text(), "2.500");

    ResetAllInputForms();
    EXPECT_FALSE(left->Option_Edit->isChecked());
    EXPECT_EQ(left->lbl_Le->text(), "");
    EXPECT_EQ(Work.CantLHOptsWork, TCantOpt{});
}

} // namespace

// The two cantilever forms headless: what differs per end, options and pictures clicked, the
// user value, Next and Back along the wizard, Open's restore and New.
#include "input/ui/CantLH.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "engine/BeamBuilder.h"
#include "foundation/Units.h"
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
        for (int row = 0; row <= kRHCantRow; ++row)
            for (auto [field, v] : {std::pair{mfRy, 18.369f},
                                    {mfY, 63.5f},
                                    {mfShearArea, 508.0f},
                                    {mfDT, 127 / 7.6f},
                                    {mfSteelDepth, 127.0f}})
                Model.SpanData[row][field] = v;
        Model.SectionShape = "Beam";
        Model.MemberType = "HRS";
        Model.SteelSectionFlag = 1;
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

TEST_F(CantFrmTest, WhatDiffersBetweenTheTwoForms) {
    EXPECT_EQ(left->windowTitle(), "LH Cantilever");
    EXPECT_EQ(right->windowTitle(), "RH Cantilever");
    EXPECT_TRUE(left->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(left->size(), QSize(790, 570));
    EXPECT_EQ(left->Option_End_Torsion->text(), "Torsionional restraint");
    EXPECT_EQ(right->Option_End_Both->text(), "Lateral and torsional retraint");
    EXPECT_EQ(qobject_cast<QGroupBox*>(right->Option_End_Free->parentWidget())->title(), " End Restraint ");
    EXPECT_NE(left->findChild<QLabel*>("Label4"), nullptr);
    EXPECT_EQ(right->findChild<QLabel*>("Label4"), nullptr);
    EXPECT_EQ(left->cmd_Cancel->objectName(), "Button1");
    EXPECT_FALSE(left->cmdEdit->isEnabled());
    // Each picture drawn: the white beam over the grey ground.
    for (int i = 1; i <= 7; ++i) {
        const QImage& pic = left->Image[i]->Picture;
        EXPECT_EQ(pic.pixelColor(2, 2), QColor(0x80, 0x80, 0x80)) << i;
        EXPECT_EQ(pic.pixelColor(50, 30), QColor(Qt::white)) << i;
    }

    // Image7 chooses the partial support on the left, nothing on the right.
    left->show();
    clickOn(left->Image[7]);
    EXPECT_TRUE(left->Option_Support_Partial->isChecked());
    right->show();
    clickOn(right->Image[7]);
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
    EXPECT_EQ(left->lbl_Lf->text(), "");
    left->Option_Destabilizing->click();
    EXPECT_EQ(left->lbl_Lf->text(), "3.00 L");
    EXPECT_EQ(left->lbl_Le->text(), "4.50");
    EXPECT_EQ(left->Label_Units->text(), "m");

    dialogs_->inputAnswers = {std::string("2.5")};
    left->Option_Edit->click();
    EXPECT_EQ(dialogs_->shown.at(0).caption, "LHC Effective Length");
    EXPECT_EQ(left->lbl_Le->text(), "2.50");
    EXPECT_FALSE(left->Option_Destabilizing->isChecked());
    EXPECT_TRUE(left->cmdEdit->isEnabled());

    left->Option_Restrained->click();
    EXPECT_EQ(left->lbl_Lf->text(), "Restrained");
    EXPECT_FALSE(left->Option_Edit->isChecked());
    left->cmd_Next->click();
    EXPECT_FALSE(left->isVisible());
    EXPECT_TRUE(Forms.SpanFrm->isVisible());
    EXPECT_EQ(Model.EffLengthText[0], "Fully Restrained");
    EXPECT_EQ(Model.CantLHOpts[coRestrained], 1);
    // The span form's sketch drawn by the left form's Next: the LH cantilever's label is there.
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
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"Click all appropriate option boxes or\renter "
                                                             "desired effective length in box"});
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
    Model.EffLengthText[0] = "User value";
    left->CantLHRestoreFromCommitted();
    left->show(); // the box is answered by Cancel: its default
    ASSERT_EQ(dialogs_->shown.size(), 1u);
    EXPECT_EQ(dialogs_->shown[0].text, "Specify effective length m");
    EXPECT_TRUE(left->Option_Edit->isChecked());
    EXPECT_EQ(left->lbl_Le->text(), "2.500");
    EXPECT_EQ(Work.EffLengthWork[0][0], 2500.0f);

    ResetAllInputForms();
    EXPECT_FALSE(left->Option_Edit->isChecked());
    EXPECT_EQ(left->lbl_Le->text(), "");
    EXPECT_EQ(Work.CantLHOptsWork, TCantOpt{});
}

} // namespace

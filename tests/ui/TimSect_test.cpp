// The timber section window headless: a C16 member worked out by clicks, Next writing into the
// beam form, the stored choice shown again, and New.
#include "input/ui/TimSect.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "foundation/Units.h"
#include "input/ui/InputForms.h"
#include "input/ui/KX_Beam.h"
#include "platform/QtDialogs.h"

using namespace kx;

namespace {

class TimSectFrmTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        SetDefaultUnits(Model); // mm, cm^4, kN
        w = Forms.TimSectFrm;
    }
    std::string result(int i) const { return FromQt(w->List_Results->item(i)->text()); }

    TTimSectFrm* w = nullptr;
};

TEST_F(TimSectFrmTest, C16ClickedThroughAndNextIntoTheBeamForm) {
    // Long Term to V. Short Term lie below what their group shows.
    for (const char* code : {"LT", "MT", "ST", "VST"}) {
        QRadioButton* b = w->Duration[TimberDurationIndex(code)];
        EXPECT_GE(b->y(), b->parentWidget()->height()) << code;
    }
    // The beam form's Timber frame hands 47 x 150 over and shows the window.
    w->SetTimberSizeLabels("47.00", "150.0");
    w->show();
    w->TimSectShowCurrentOptions();
    w->Duration[TimberDurationIndex("1 Week")]->click();
    w->Combo_Grade->setCurrentIndex(1); // the user's choice of C16
    EXPECT_EQ(w->lbl_Bend->text(), "5.30");
    EXPECT_EQ(w->lbl_K3->text(), "1.40");
    ASSERT_EQ(w->List_Results->count(), 33);
    EXPECT_EQ(result(0), " 47.0 x 150  C16 Timber");
    EXPECT_EQ(result(32), "  Permissible Shear Load = 6.192 kN");
    w->Option_Dry->click(); // K1 and K2 of 1.0
    EXPECT_EQ(w->lbl_K1->text(), "1.00");
    EXPECT_EQ(result(7), "  E = 5800 N/mm^2");
    w->Option_Wet->click();

    w->cmd_OK->click();
    EXPECT_FALSE(w->isVisible());
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    EXPECT_EQ(beam->lbl_S01_Desc->text(), "47.0 x 150 C16 Timber");
    EXPECT_EQ(beam->lbl_S01_Ixx->text(), "1431");
    EXPECT_EQ(beam->lbl_GA->text(), "1773");
    const BeamFormControls f = beam->Bindings.Read();
    EXPECT_EQ(f.Grid_SpanData.Cell(27, 17), "47.00");
    EXPECT_EQ(f.List_Props.size(), 14u);
    EXPECT_EQ(Work.TimberDurationCode, "1 Week");
}

TEST_F(TimSectFrmTest, StoredChoiceShownAgainAndNew) {
    Model.TimberGradeSaved = "D40";
    Model.TimberSharingSaved = "Share";
    Model.TimberWidthSaved = 75;
    Model.TimberDepthSaved = 225;
    w->TimSectRestoreFromCommitted();
    EXPECT_EQ(w->Combo_Grade->currentIndex(), 12);
    EXPECT_TRUE(w->Option_Share->isChecked());
    EXPECT_EQ(w->lbl_E->text(), "10800"); // D40 shared
    EXPECT_EQ(w->List_Results->count(), 33);

    // New chooses the first class without working anything out.
    const QString bend = w->lbl_Bend->text();
    ResetAllInputForms();
    EXPECT_EQ(w->Combo_Grade->currentIndex(), 0);
    EXPECT_EQ(w->lbl_Bend->text(), bend);
}

} // namespace

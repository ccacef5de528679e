// The timber section window headless: each binding both ways, a C16 member worked out by toggles,
// Next writing into the beam form, the stored choice shown again, and New.
#include "input/ui/TimSect.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "app/Forms.h"
#include "foundation/Units.h"
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

    TTimSectFrm* w = nullptr;
};

TEST_F(TimSectFrmTest, EveryControlReadAndShownThroughItsBinding) {
    w->SetTimberSizeLabels("47.00", "150.0");
    w->Combo_Grade->setCurrentIndex(1); // values shown and the result list filled
    ASSERT_EQ(w->List_Results->count(), 33);
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());
    EXPECT_EQ(w->Combo_Grade->accessibleName(), "Strength Class");

    // Each option reaches its own field and no other.
    using C = TimSectControls;
    std::vector<std::pair<QAbstractButton*, std::function<bool(const C&)>>> options = {
        {w->Option_Single, [](const C& c) { return c.Option_Single; }},
        {w->Option_Share, [](const C& c) { return c.Option_Share; }},
        {w->Option_Wet, [](const C& c) { return c.Option_Wet; }},
        {w->Option_Dry, [](const C& c) { return c.Option_Dry; }}};
    for (int i = 0; i < kTimberDurations; ++i)
        options.push_back({w->Duration[i], [i](const C& c) { return c.Duration[i]; }});
    C none;
    none.Option_Single = none.Option_Wet = false;
    none.Duration = {};
    kxtest::ExpectOwnFlags(w->Bindings, none, options);
}

TEST_F(TimSectFrmTest, C16WorkedOutByTogglesAndNextIntoTheBeamForm) {
    // Long Term to V. Short Term lie below what their group shows.
    for (const char* code : {"LT", "MT", "ST", "VST"}) {
        QRadioButton* b = w->Duration[TimberDurationIndex(code)];
        EXPECT_GE(b->y(), b->parentWidget()->height()) << code;
    }
    // The beam form's Timber frame hands 47 x 150 over and shows the window.
    w->SetTimberSizeLabels("47.00", "150.0");
    w->show();
    w->TimSectShowCurrentOptions();
    w->Duration[TimberDurationIndex("1 Week")]->setChecked(true);
    w->Combo_Grade->setCurrentIndex(1); // the user's choice of C16
    EXPECT_EQ(w->lbl_Bend->text(), "5.30");
    EXPECT_EQ(w->lbl_K3->text(), "1.40"); // the duration's radio reached its handler
    ASSERT_EQ(w->List_Results->count(), 33);
    w->Option_Dry->setChecked(true); // K1 and K2 of 1.0
    EXPECT_EQ(w->lbl_K1->text(), "1.00");
    w->Option_Wet->setChecked(true);

    w->cmd_OK->click();
    EXPECT_FALSE(w->isVisible());
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    EXPECT_EQ(beam->lbl_S01_Desc->text(), "47.0 x 150 C16 Timber");
    const BeamFormControls f = beam->Bindings.Read();
    EXPECT_EQ(f.Grid_SpanData.Cell(27, 17), "47.00");
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

    // New chooses the first class without working anything out.
    const QString bend = w->lbl_Bend->text();
    ResetAllInputForms();
    EXPECT_EQ(w->Combo_Grade->currentIndex(), 0);
    EXPECT_EQ(w->lbl_Bend->text(), bend);
}

} // namespace

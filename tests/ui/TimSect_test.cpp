// The timber section window headless: each binding both ways, a C16 member worked out by toggles,
// Next writing into the beam form, the stored choice shown again, and New.
#include "input/ui/TimSect.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"
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
        // The window is opened from the beam form's timber choice, and writes only into it.
        Forms.KX_BeamFrm->Timber1->trigger();
    }

    TTimSectFrm* w = nullptr;
};

TEST_F(TimSectFrmTest, EveryControlReadAndShownThroughItsBinding) {
    w->SetTimberSizeLabels("47.00", "150.0");
    w->Combo_Grade->setCurrentIndex(1); // values shown and the result list filled
    ASSERT_EQ(w->List_Results->count(), 33);
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());
    // Every value label shows its own field: none is left out of the table.
    std::set<const QWidget*> bound;
    for (const auto& b : w->Bindings.All())
        bound.insert(b.controls.begin(), b.controls.end());
    std::set<std::string> unshown;
    for (const QLabel* l : w->findChildren<QLabel*>())
        if (l->objectName().startsWith("lbl_") && !bound.count(l)) unshown.insert(FromQt(l->objectName()));
    EXPECT_EQ(unshown, std::set<std::string>{});
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
    EXPECT_EQ(w->lbl_Width->text() + " x " + w->lbl_Depth->text(), "47.00 x 150.0");
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
    EXPECT_EQ(w->lbl_Width->text() + " x " + w->lbl_Depth->text(), "75.00 x 225.0");

    // New chooses the first class without working anything out.
    const QString bend = w->lbl_Bend->text();
    ResetAllInputForms();
    EXPECT_EQ(w->Combo_Grade->currentIndex(), 0);
    EXPECT_EQ(w->lbl_Bend->text(), bend);
}

// What a user can reach before, while and after the beam form shows the window: every control is
// usable throughout, the four classic durations lie beyond their group's edge, and Next hides it.
TEST_F(TimSectFrmTest, ControlsUsableAndInViewInEachState) {
    const std::vector<std::string> usable = {"Combo_Grade",  "Option_Single",  "Option_Share", "Option_Wet",
                                             "Option_Dry",   "Option_General", "Option_Wall",  "Option_Week",
                                             "Option_Month", "Option_Year",    "Option_LT",    "Option_MT",
                                             "Option_ST",    "Option_VST",     "Cmd_Calc",     "cmd_OK"};
    kxtest::ExpectStates(w, {{"made", nullptr, usable, {}, {}, {"TimSectFrm"}},
                             {"shown by the beam form",
                              [this] {
                                  w->SetTimberSizeLabels("75.00", "225.0");
                                  w->show();
                                  w->TimSectShowCurrentOptions();
                              },
                              usable,
                              {},
                              {"TimSectFrm"}}});
    kxtest::ExpectInView(w, {"Option_General", "Option_Wall", "Option_Week", "Option_Month", "Option_Year"},
                         true);
    kxtest::ExpectInView(w, {"Option_LT", "Option_MT", "Option_ST", "Option_VST"}, false);
    kxtest::ExpectStates(
        w, {{"after Next >", [this] { kxtest::Click(w, "cmd_OK"); }, {}, {}, {}, {"TimSectFrm"}}});
}

// Each control acted on with the handlers live. Without sizes nothing is worked out, so each
// option shows only its own values: C24 E 7200 single, 10800 sharing; K1 1.02 and K2 0.8 (0.9 for
// shear) wet, 1.0 dry. A dry, shared C24 75 x 225 by hand: K7 = (300 / 225)^0.11 = 1.03215, and for
// each duration's K3 the bending stress 7.5 x K3 x 1.1 x K7 = 8.5153 K3 (line 19 of the list); with
// General (1.4) the moment 11.921 x 75 x 225^2 / 6 = 7.544 kN m and the shear load
// 0.71 x 1.4 x 1.1 x 75 x 225 / 1000 = 18.45 kN.
TEST_F(TimSectFrmTest, EachControlHasItsOwnEffect) {
    auto text = [this](QLabel* l) { return l->text().toStdString(); };
    auto line = [this](int i) {
        return i <= w->List_Results->count() ? w->List_Results->item(i - 1)->text().toStdString() : "";
    };
    // C24 with the sizes given or not, single and wet unless the row says otherwise.
    auto c24 = [this](bool sized) {
        w->show();
        w->SetTimberSizeLabels(sized ? "75.00" : "", sized ? "225.0" : "");
        w->Combo_Grade->setCurrentIndex(1);
        w->Combo_Grade->setCurrentIndex(4);
    };
    auto unsized = [&](const char* first) {
        return [&, first] {
            c24(false);
            kxtest::Click(w, first);
        };
    };
    auto shows = [&](std::vector<std::pair<QLabel*, const char*>> values, int lines) {
        return [&, values, lines] {
            for (auto [l, v] : values)
                EXPECT_EQ(text(l), v) << l->objectName().toStdString();
            EXPECT_EQ(w->List_Results->count(), lines);
        };
    };
    std::vector<kxtest::ControlEffect> rows = {
        {"Combo_Grade",
         [&] {
             unsized("Option_Single")();
             w->Combo_Grade->setCurrentIndex(1);
         },
         shows({{w->lbl_Bend, "7.50"}, {w->lbl_Shear, "0.71"}, {w->lbl_E, "7200"}}, 0),
         [this] { w->Combo_Grade->setCurrentIndex(4); }},
        {"Option_Share", unsized("Option_Single"), shows({{w->lbl_E, "10800"}, {w->lbl_K8, "1.10"}}, 0)},
        {"Option_Single", unsized("Option_Share"), shows({{w->lbl_E, "7200"}, {w->lbl_K8, "1.00"}}, 0)},
        {"Option_Dry", unsized("Option_Wet"),
         shows({{w->lbl_K1, "1.00"}, {w->lbl_K2E, "1.0"}, {w->lbl_K2B, "1.0"}, {w->lbl_K2S, "1.0"}}, 0)},
        {"Option_Wet", unsized("Option_Dry"),
         shows({{w->lbl_K1, "1.02"}, {w->lbl_K2E, "0.8"}, {w->lbl_K2B, "0.8"}, {w->lbl_K2S, "0.9"}}, 0)},
    };
    const auto sized = [&](const char* other) {
        c24(true);
        for (const char* n : {"Option_Share", "Option_Dry", other})
            kxtest::Click(w, n);
    };
    struct Duration {
        const char* option;
        const char* k3;
        const char* text;
        const char* bending;
    };
    for (const Duration& d :
         std::initializer_list<Duration>{{"Option_LT", "1.00", "1.00  (Long Term)", "8.52"},
                                         {"Option_MT", "1.25", "1.25  (Medium Term)", "10.6"},
                                         {"Option_ST", "1.50", "1.50  (Short Term)", "12.8"},
                                         {"Option_VST", "1.75", "1.75  (Very Short Term)", "14.9"},
                                         {"Option_General", "1.40", "1.40  (General Formwork)", "11.9"},
                                         {"Option_Wall", "1.50", "1.50  (Formwork Wall Shutters)", "12.8"},
                                         {"Option_Week", "1.40", "1.40  (1 Week)", "11.9"},
                                         {"Option_Month", "1.30", "1.30  (1 Month)", "11.1"},
                                         {"Option_Year", "1.20", "1.20  (1 Year)", "10.2"}})
        rows.push_back(
            {d.option,
             [&, d] { sized(d.option == std::string("Option_Wall") ? "Option_General" : "Option_Wall"); },
             [&, d] {
                 EXPECT_EQ(text(w->lbl_K3), d.k3);
                 EXPECT_EQ(line(14), std::string("  K3 = ") + d.text);
                 EXPECT_EQ(line(19), std::string("    = ") + d.bending + " N/mm^2");
             }});
    rows.push_back({"Cmd_Calc",
                    [&] {
                        sized("Option_General");
                        w->List_Results->clear();
                    },
                    [&] {
                        EXPECT_TRUE(w->isVisible()); // worked out, not left
                        ASSERT_EQ(w->List_Results->count(), 33);
                        EXPECT_EQ(line(1), " 75.0 x 225  C24 Timber");
                        EXPECT_EQ(line(30), "  Permissible  Bending Moment = 7.544 kN-m");
                        EXPECT_EQ(line(33), "  Permissible Shear Load = 18.45 kN");
                    }});
    rows.push_back({"cmd_OK", [&] { sized("Option_General"); },
                    [&] {
                        EXPECT_FALSE(w->isVisible());
                        EXPECT_EQ(Forms.KX_BeamFrm->lbl_S01_Desc->text(), "75.0 x 225 C24 Timber");
                    }});
    kxtest::ExpectEffects(w, rows);
}

} // namespace

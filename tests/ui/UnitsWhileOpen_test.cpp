// Preferences changed while the input windows stand open: every text each window shows in a unit
// is converted to the new unit, every caption names it, and changed back again, or committed in the
// new unit, each window commits the job as it was typed; factored loads turned off and on again
// commit the factors chosen after.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "app/Forms.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Windows.h"
#include "input/BeamMessages.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "platform/QtDialogs.h"
#include "sections/SectionFile.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

// The program's own units: what each test starts from and goes back to.
const std::vector<const char*> kDefaultButtons = {"Option_L_m",        "Option_PL_kN",
                                                  "Option_R_kNm",      "Option_Sect_I_cm",
                                                  "Option_Sect_E_Nmm", "Option_Sect_L_mm"};

class UnitsWhileOpen : public FormSteps {
public:
    void SetUp() override {
        FormSteps::SetUp();
        ShowForm(main); // from now on an OK of the preferences converts the input windows
    }
    // The units the next File New reads: the defaults, factored loads as given.
    void Defaults(int32 factored) {
        TUnitSettings s = Model;
        SetDefaultUnits(s);
        s.FactoredLoadsFlag = factored;
        WriteUnitFile(s);
    }
    // The preferences shown over the open windows, the buttons named ticked, then OK.
    void Prefs(const std::vector<const char*>& buttons) {
        main->Units1->trigger();
        for (const char* b : buttons) {
            QRadioButton* o = Forms.PreferencesFrm->optionButton(b);
            ASSERT_NE(o, nullptr) << b;
            o->setChecked(true);
        }
        Forms.PreferencesFrm->Button2->click();
    }
    void Factored(bool on) {
        main->Units1->trigger();
        Forms.PreferencesFrm->Check_Factor->setChecked(on);
        Forms.PreferencesFrm->Button2->click();
    }
    // A section of the user's own file, of figures no table holds: E 9876.5 N/mm^2,
    // Ixx 1.23456e8 mm^4, GA 1.2345e7 N.
    void OwnSection() {
        TSectionRec own;
        own.Designation = "Ply box 300";
        own.Group = 1;
        own.E = 9876.5f;
        own.Ixx = 1.23456e8f;
        own.GA = 1.2345e7f;
        own.PermShear = 34567;
        own.PermMoment = 2.3456e7f;
        WriteSectionFile("KX.sct", std::vector<TSectionRec>{own});
        beam->Miscellaneous1->trigger();
        QListWidgetItem* it = beam->List_Sect->item(0);
        ASSERT_NE(it, nullptr);
        beam->List_Sect->setCurrentItem(it);
        emit beam->List_Sect->itemClicked(it);
    }
    static std::string Cell(const QTableWidget* g, int col, int row) {
        const QTableWidgetItem* it = g->item(row, col);
        return it ? FromQt(it->text()) : "<none>";
    }
    static std::string T(const QLabel* l) { return FromQt(l->text()); }
    static std::string T(const QLineEdit* e) { return FromQt(e->text()); }
};

// The beam form's texts in a unit: the five member lengths (LH cantilever, three spans, RH
// cantilever), the lift height, the timber width and depth, GA, Ixx and E.
struct BeamTexts {
    std::array<const char*, 5> lengths;
    const char *L, *W, *H, *GA, *Ixx, *E;
};
struct BeamCaptions {
    const char *grid, *L, *W, *GA, *Ixx, *E;
};
struct BeamWalk {
    const char* name;
    BeamTexts typed;               // in m, m, mm, mm, kN, cm^4, N/mm^2
    std::vector<const char*> away; // the units changed to
    BeamTexts shownAway;           // worked by hand below
    BeamCaptions captionsAway;
    bool backBeforeNext;            // Next after the units were changed back, or in the new ones
    BeamTexts shownBack;            // the exact values again in the first units, three figures
    std::array<float, 5> lengthsMm; // committed
    float liftMm;
};

// Two sets of texts that differ in every field, each converted by a change of every unit the form
// shows. Factors: ft 304.8 mm, lbf 4.4482217 N, in^4 416231.44 mm^4, lbf/in^2 0.00689476 N/mm^2,
// cm 10 mm, in 25.4 mm; three significant figures.
const std::vector<BeamWalk>& BeamWalks() {
    static const std::vector<BeamWalk> walks = {
        {"m kN cm^4 N/mm^2 mm to ft lbf in^4 lbf/in^2 cm and back",
         {{"1.2345", "6.789", "10.125", "4.3217", "0.9876"},
          "1.875",
          "47.5",
          "147.5",
          "12.5",
          "29400",
          "205000"},
         {"Option_L_ft", "Option_PL_lbf", "Option_Sect_I_in", "Option_Sect_E_lbfin", "Option_Sect_L_cm"},
         // 1234.5/304.8 = 4.0502, 6789/304.8 = 22.274, 10125/304.8 = 33.219, 4321.7/304.8 = 14.179,
         // 987.6/304.8 = 3.2402; 1875/304.8 = 6.1516; 47.5/10 = 4.75; 147.5/10 = 14.75 -> 14.8;
         // 12500/4.4482217 = 2810.1; 2.94e8/416231.44 = 706.34; 205000/0.00689476 = 2.9733e7.
         {{"4.05", "22.3", "33.2", "14.2", "3.24"}, "6.15", "4.75", "14.8", "2810", "706", "29700000"},
         {" Length (ft)", "ft", "cm", "lbf", "in^4", "E (lbf/in^2)"},
         true,
         // From the exact values: 1.2345 -> 1.23, 6.789 -> 6.79, 10.125 -> 10.1, 4.3217 -> 4.32,
         // 0.9876 -> 0.988, 1.875 -> 1.88, 147.5 -> 148.
         {{"1.23", "6.79", "10.1", "4.32", "0.988"}, "1.88", "47.5", "148", "12.5", "29400", "205000"},
         {1234.5f, 6789, 10125, 4321.7f, 987.6f},
         1875},
        {"m kN cm^4 N/mm^2 mm to mm N mm^4 lbf/in^2 in, committed there",
         {{"2.5", "0.75", "12", "3.125", "1.6"}, "2.25", "63", "225", "7.5", "1234", "10800"},
         {"Option_L_mm", "Option_PL_N", "Option_Sect_I_mm", "Option_Sect_E_lbfin", "Option_Sect_L_in"},
         // 3125 -> 3130; 63/25.4 = 2.4803; 225/25.4 = 8.8583; 7.5 kN = 7500 N;
         // 1234 cm^4 = 1.234e7 mm^4 -> 1.23e7; 10800/0.00689476 = 1.5664e6 -> 1.57e6.
         {{"2500", "750", "12000", "3130", "1600"}, "2250", "2.48", "8.86", "7500", "12300000", "1570000"},
         {" Length (mm)", "mm", "in", "N", "mm^4", "E (lbf/in^2)"},
         false,
         {},
         {2500, 750, 12000, 3125, 1600},
         2250},
    };
    return walks;
}

// Every unit text of the beam form, typed, converted to new units and (for the first set) back
// again; the member lengths and the lift height commit as typed, in either unit.
TEST_F(UnitsWhileOpen, EveryUnitTextOfTheBeamFormFollowsAndCommitsTheLengthTyped) {
    for (const BeamWalk& w : BeamWalks()) {
        SCOPED_TRACE(w.name);
        Prefs(kDefaultButtons);
        Defaults(-1);
        NewBeam(3, true, true);
        ASSERT_NO_FATAL_FAILURE(OwnSection());
        Lengths({w.typed.lengths.begin(), w.typed.lengths.end()});
        beam->Edit_L->setText(w.typed.L);
        beam->Edit_Timber_W->setText(w.typed.W);
        beam->Edit_Timber_H->setText(w.typed.H);
        beam->lbl_GA->setText(w.typed.GA);
        beam->lbl_S01_Ixx->setText(w.typed.Ixx);
        beam->lbl_S01_E->setText(w.typed.E);

        const auto expectTexts = [this](const BeamTexts& t, const char* when) {
            SCOPED_TRACE(when);
            for (int i = 0; i < 5; ++i)
                EXPECT_EQ(Cell(beam->Grid_Spans, i + 1, 1), t.lengths[static_cast<std::size_t>(i)]) << i;
            EXPECT_EQ(T(beam->Edit_L), t.L);
            EXPECT_EQ(T(beam->Edit_Timber_W), t.W);
            EXPECT_EQ(T(beam->Edit_Timber_H), t.H);
            EXPECT_EQ(T(beam->lbl_GA), t.GA);
            EXPECT_EQ(T(beam->lbl_S01_Ixx), t.Ixx);
            EXPECT_EQ(T(beam->lbl_S01_E), t.E);
        };
        const auto expectCaptions = [this](const BeamCaptions& c) {
            EXPECT_EQ(Cell(beam->Grid_Spans, 0, 1), c.grid);
            EXPECT_EQ(T(beam->Label_L_Std_Unit), c.L);
            EXPECT_EQ(T(beam->lbl_Wunit), c.W);
            EXPECT_EQ(T(beam->lbl_Hunit), c.W);
            EXPECT_EQ(T(beam->Label_GA_Unit), c.GA);
            EXPECT_EQ(T(beam->lbl_Ixx), c.Ixx);
            EXPECT_EQ(T(beam->lbl_E), c.E);
        };
        Prefs(w.away);
        ASSERT_TRUE(beam->isVisible());
        expectTexts(w.shownAway, "away");
        expectCaptions(w.captionsAway);
        if (w.backBeforeNext) {
            Prefs(kDefaultButtons);
            expectTexts(w.shownBack, "back");
            expectCaptions({" Length (m)", "m", "mm", "kN", "cm^4", "E (N/mm^2)"});
        }
        dialogs_->clear();
        beam->cmdNext->click();
        ASSERT_TRUE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
        const int rows[] = {kLHCantRow, 1, 2, 3, kRHCantRow};
        for (int i = 0; i < 5; ++i)
            EXPECT_FLOAT_EQ(Model.SpanData[rows[i]][mfL], w.lengthsMm[static_cast<std::size_t>(i)]) << i;
        EXPECT_FLOAT_EQ(Model.LiftHeight, w.liftMm);
        // The section's own figures, whatever its labels were made to show.
        EXPECT_FLOAT_EQ(Model.SpanData[1][mfE], 9876.5f);
        EXPECT_FLOAT_EQ(Model.SpanData[1][mfIxx], 1.23456e8f);
        loads->hide();
    }
}

} // namespace

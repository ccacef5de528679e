// Preferences changed while the input windows stand open: every text each window shows in a unit
// is converted to the new unit, every caption names it, and changed back again, or committed in the
// new unit, each window commits the job as it was typed; factored loads turned off and on again
// commit the factors chosen after.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "FormsFixture.h"
#include "app/Forms.h"
#include "engine/TimberFactors.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Windows.h"
#include "input/BeamMessages.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "platform/QtDialogs.h"
#include "sections/SectionFile.h"
#include "window/ui/Index.h"

using namespace kx;

namespace {

// The program's own units: what each test starts from and goes back to.
const std::vector<const char*> kDefaultButtons = {"Option_L_m",       "Option_PL_kN",      "Option_R_kNm",
                                                  "Option_Sect_I_cm", "Option_Sect_E_Nmm", "Option_Sect_L_mm",
                                                  "Option_Sh_kN",     "Option_Mom_kNm"};

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
    // A checked 127 x 76 UB 13 beam of two spans carrying 2 N/mm over the cover given, through the
    // load form to the first effective-length window.
    void ToTheEffectiveLengths(bool lhc, bool rhc, const std::vector<const char*>& lengths,
                               const char* cover) {
        Prefs(kDefaultButtons);
        Defaults(-1);
        NewBeam(2, lhc, rhc);
        Lengths(lengths);
        ASSERT_NO_FATAL_FAILURE(Section("127 x 76 UB 13"));
        beam->Option_Check->click();
        beam->cmdNext->click();
        Udl(1, "0", "2", "2", cover);
        Apply(1, {1});
        loads->cmd_Next->click();
    }
    void Factored(bool on) {
        main->Units1->trigger();
        Forms.PreferencesFrm->Check_Factor->setChecked(on);
        Forms.PreferencesFrm->Button2->click();
    }
    // A section of the user's own file, of figures no table holds: E 9876.5 N/mm^2,
    // Ixx 1.23456e8 mm^4, GA 1.2345e7 N.
    void OwnSection() {
        WriteOwnSectionFile();
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

// A load row's texts in a unit: a point load (P at Dist) or a distributed one (W1 to W2 over
// Cover from Dist).
struct LoadRowTexts {
    bool point;
    const char *P, *Dist, *W1, *W2, *Cover;
};
struct LoadWalk {
    const char* name;
    LoadRowTexts typed1, typed50;            // in m, kN and kN/m
    std::vector<const char*> away;           // the units changed to
    LoadRowTexts away1, away50;              // worked by hand below
    std::array<const char*, 5> captionsAway; // point load, distance, start rate, finish rate, cover
    bool backBeforeNext;
    LoadRowTexts back1, back50;
    std::array<float, 8> committed1,
        committed50; // kind, Dist mm, P or W1 N/mm, W2 N/mm, Cover mm, LF, applied
};

// Rows 1 and 50 (the last) of loadcase 5, one a point load and the other distributed, the other
// way round in the second set, so that every text of both rows differs. Factors: ft 304.8 mm,
// lbf 4.4482217 N, lbf/ft 0.0145939 N/mm, Kips/ft 14.593903 N/mm; three significant figures.
const std::vector<LoadWalk>& LoadWalks() {
    static const std::vector<LoadWalk> walks = {
        {"m kN kN/m to ft lbf lbf/ft and back",
         {true, "12.5", "1.2345", "", "", ""},
         {false, "", "0.5", "2.25", "3.75", "4.125"},
         {"Option_L_ft", "Option_PL_lbf", "Option_R_lbfft"},
         // 12500/4.4482217 = 2810.1; 1234.5/304.8 = 4.0502; 500/304.8 = 1.6404;
         // 2.25/0.0145939 = 154.17; 3.75/0.0145939 = 256.96; 4125/304.8 = 13.533.
         {true, "2810", "4.05", "", "", ""},
         {false, "", "1.64", "154", "257", "13.5"},
         {"(lbf)", "(ft)", "(lbf/ft)", "(lbf/ft)", "(ft)"},
         true,
         // From the exact values: 1.2345 -> 1.23, 0.5 -> 0.500, 4.125 -> 4.13.
         {true, "12.5", "1.23", "", "", ""},
         {false, "", "0.500", "2.25", "3.75", "4.13"},
         {1, 1234.5f, 12500, 0, 0, 1, 1, 0},
         {-1, 500, 2.25f, 3.75f, 4125, 1, 1, 0}},
        {"m kN kN/m to mm N Kips/ft, committed there",
         {false, "", "0.25", "1.5", "6", "7.5"},
         {true, "0.8", "9.75", "", "", ""},
         {"Option_L_mm", "Option_PL_N", "Option_R_kipft"},
         // 1.5/14.593903 = 0.10278; 6/14.593903 = 0.41113; 0.8 kN = 800 N.
         {false, "", "250", "0.103", "0.411", "7500"},
         {true, "800", "9750", "", "", ""},
         {"(N)", "(mm)", "(Kips/ft)", "(Kips/ft)", "(mm)"},
         false,
         {},
         {},
         {-1, 250, 1.5f, 6, 7500, 1, 1, 0},
         {1, 9750, 800, 0, 0, 1, 1, 0}},
    };
    return walks;
}

class LoadsWhileOpen : public UnitsWhileOpen {
public:
    // Spans of 6 and 4 m of 457 x 191 UB 67 not checked, up to the load form with every row shown.
    void ToTheLoadForm(int32 factored) {
        Prefs(kDefaultButtons);
        Defaults(factored);
        NewBeam(2, false, false);
        Lengths({"6", "4"});
        ASSERT_NO_FATAL_FAILURE(Section("457 x 191 UB 67"));
        beam->Option_None->click();
        beam->cmdNext->click();
        ASSERT_TRUE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
        loads->Button4->click();
    }
    void Type(int n, const LoadRowTexts& t) {
        const TLoadRow& r = loads->Row(n);
        (t.point ? r.OptionP : r.OptionUDL)->click();
        r.Edit_Dist->setText(t.Dist);
        if (t.point) {
            r.Edit_PL->setText(t.P);
        } else {
            r.Edit_UDLS->setText(t.W1);
            r.Edit_UDLF->setText(t.W2);
            r.Edit_Cover->setText(t.Cover);
        }
    }
    void ExpectShown(int n, const LoadRowTexts& t) {
        SCOPED_TRACE("row " + std::to_string(n));
        const TLoadRow& r = loads->Row(n);
        EXPECT_EQ(T(r.Edit_Dist), t.Dist);
        if (t.point) {
            EXPECT_EQ(T(r.Edit_PL), t.P);
        } else {
            EXPECT_EQ(T(r.Edit_UDLS), t.W1);
            EXPECT_EQ(T(r.Edit_UDLF), t.W2);
            EXPECT_EQ(T(r.Edit_Cover), t.Cover);
        }
    }
};

// Every unit text of rows 1 and 50 and every caption of the load form, typed, converted to new
// units and back, or committed in the new ones: the loads of loadcase 5 are those typed.
TEST_F(LoadsWhileOpen, EveryUnitTextOfTheLastRowAndTheFirstFollowsAndCommitsTheLoadTyped) {
    for (const LoadWalk& w : LoadWalks()) {
        SCOPED_TRACE(w.name);
        ASSERT_NO_FATAL_FAILURE(ToTheLoadForm(-1));
        Type(1, w.typed1);
        Type(50, w.typed50);
        Apply(5, {1, 50});
        Prefs(w.away);
        ASSERT_TRUE(loads->isVisible());
        ExpectShown(1, w.away1);
        ExpectShown(50, w.away50);
        const std::array<QLabel*, 5> captions = {loads->lbl_PL, loads->lbl_PLdist, loads->lbl_UDLS,
                                                 loads->lbl_UDLF, loads->lbl_Cover};
        for (std::size_t i = 0; i < captions.size(); ++i)
            EXPECT_EQ(T(captions[i]), w.captionsAway[i]) << i;
        if (w.backBeforeNext) {
            Prefs(kDefaultButtons);
            ExpectShown(1, w.back1);
            ExpectShown(50, w.back50);
            const std::array<const char*, 5> metric = {"(kN)", "(m)", "(kN/m)", "(kN/m)", "(m)"};
            for (std::size_t i = 0; i < captions.size(); ++i)
                EXPECT_EQ(T(captions[i]), metric[i]) << i;
        }
        dialogs_->clear();
        loads->cmd_Next->click();
        ASSERT_FALSE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
        for (int f = lfKind; f <= lfApplied; ++f) {
            EXPECT_FLOAT_EQ(Model.LoadTable[5][1][f], w.committed1[static_cast<std::size_t>(f)])
                << "row 1 field " << f;
            EXPECT_FLOAT_EQ(Model.LoadTable[5][50][f], w.committed50[static_cast<std::size_t>(f)])
                << "row 50 field " << f;
        }
        for (int lc = 1; lc <= 4; ++lc)
            EXPECT_NE(Model.LoadTable[lc][50][lfApplied], 1.0f) << lc;
        main->hide();
    }
}

// Factored loads on, factors typed in rows 1 and 50 of loadcase 5 and for the self-weight; then,
// with the load form open, a preference other than the factors changed and back, or the factors
// turned off and on again (every factor 1.0, said once), or factors typed again after that: Next
// commits the factors standing when it is pressed.
TEST_F(LoadsWhileOpen, FactoredLoadsOffAndOnCommitTheFactorsChosenAfter) {
    struct Case {
        const char* name;
        std::vector<std::function<void(LoadsWhileOpen&)>> steps;
        std::vector<std::string> messages;
        float lf1, lf50, lfSelf;
    };
    const auto off = [](LoadsWhileOpen& t) { t.Factored(false); };
    const auto on = [](LoadsWhileOpen& t) { t.Factored(true); };
    const auto retype = [](LoadsWhileOpen& t) {
        // The edits show again, each with the 1.0 it was reset to.
        EXPECT_FALSE(t.loads->Row(1).Edit_LF->isHidden());
        EXPECT_FALSE(t.loads->Row(50).Edit_LF->isHidden());
        EXPECT_TRUE(t.loads->Edit_LF->isEnabled());
        EXPECT_EQ(T(t.loads->Row(1).Edit_LF), "1.000");
        EXPECT_EQ(T(t.loads->Row(50).Edit_LF), "1.000");
        EXPECT_EQ(T(t.loads->Edit_LF), "1.000");
        t.loads->Row(1).Edit_LF->setText("1.45");
        t.loads->Row(50).Edit_LF->setText("1.55");
        t.loads->Edit_LF->setText("1.3");
    };
    const std::vector<Case> cases = {
        {"the length unit to mm and back",
         {[](LoadsWhileOpen& t) { t.Prefs({"Option_L_mm"}); },
          [](LoadsWhileOpen& t) { t.Prefs({"Option_L_m"}); }},
         {},
         1.35f,
         1.6f,
         1.25f},
        {"OK with factored loads left on", {on}, {}, 1.35f, 1.6f, 1.25f},
        {"off and on again", {off, on}, {jobmsg::kFactorsReset}, 1, 1, 1},
        {"off, on again and typed anew", {off, on, retype}, {jobmsg::kFactorsReset}, 1.45f, 1.55f, 1.3f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(ToTheLoadForm(1));
        Type(1, {true, "12", "1.5", "", "", ""});
        Type(50, {false, "", "2", "3", "4", "5"});
        loads->Row(1).Edit_LF->setText("1.35");
        loads->Row(50).Edit_LF->setText("1.6");
        ASSERT_TRUE(loads->Frame_SWt->isVisibleTo(loads));
        // The self-weight's Apply box keeps its tick through File New: ticked, whatever it was.
        loads->Check_Swt->setChecked(true);
        loads->Edit_LF->setText("1.25");
        Apply(5, {1, 50});
        dialogs_->clear();
        for (const auto& step : c.steps)
            step(*this);
        EXPECT_EQ(dialogs_->messages(), c.messages);
        ASSERT_TRUE(loads->isVisible());
        dialogs_->clear();
        loads->cmd_Next->click();
        ASSERT_FALSE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
        EXPECT_EQ(Model.FactoredLoadsFlag, 1);
        EXPECT_FLOAT_EQ(Model.LoadTable[5][1][lfLF], c.lf1);
        EXPECT_FLOAT_EQ(Model.LoadTable[5][50][lfLF], c.lf50);
        for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
            EXPECT_FLOAT_EQ(Model.LoadTable[lc][kSelfWeightRecord][lfLF], c.lfSelf) << lc;
            EXPECT_EQ(Model.LoadTable[lc][kSelfWeightRecord][lfApplied], 1.0f) << lc;
        }
        // The loads themselves as typed: 12 kN at 1.5 m; 3 to 4 kN/m over 5 m from 2 m.
        EXPECT_FLOAT_EQ(Model.LoadTable[5][1][lfP], 12000);
        EXPECT_FLOAT_EQ(Model.LoadTable[5][1][lfDist], 1500);
        EXPECT_FLOAT_EQ(Model.LoadTable[5][50][lfW2], 4);
        EXPECT_FLOAT_EQ(Model.LoadTable[5][50][lfCover], 5000);
        main->hide();
    }
}

// A 6 + 4 m beam of 457 x 191 UB 67 checked to BS 5975 with factored loads on (kept by Yes), 12 kN
// at 1.5 m with a factor of 1.35 in loadcase 1, committed; the beam form shown again. Then, with
// the beam form open, the code check or the factored loads switched away and back: the beam's Next
// asks the check's question where factored loads stand, and commits the factors and the flags that
// the answer and the switches leave.
TEST_F(LoadsWhileOpen, TheCodeCheckAndFactoredLoadsSwitchedWhileTheBeamFormIsOpen) {
    struct Case {
        const char* name;
        std::vector<std::function<void(LoadsWhileOpen&)>> steps;
        bool answer;
        int questions;
        int32 steel, factored;
        float lf;
        std::vector<std::string> messages;
    };
    const auto noneAndCheck = [](LoadsWhileOpen& t) {
        t.beam->Option_None->click();
        t.beam->Option_Check->click();
    };
    const auto offAndOn = [](LoadsWhileOpen& t) {
        t.Factored(false);
        t.Factored(true);
    };
    const auto lengthAwayAndBack = [](LoadsWhileOpen& t) {
        t.Prefs({"Option_L_ft"});
        t.Prefs({"Option_L_m"});
    };
    const std::vector<Case> cases = {
        {"check, none and check again, Yes", {noneAndCheck}, true, 1, 1, 1, 1.35f, {}},
        {"check, none and check again, No", {noneAndCheck}, false, 1, 1, -1, 1, {jobmsg::kFactorsReset}},
        {"no check", {[](LoadsWhileOpen& t) { t.beam->Option_None->click(); }}, true, 0, -1, 1, 1.35f, {}},
        // Off resets every factor to 1.0 at once, said once; on again is asked at Next.
        {"factored loads off and on, Yes", {offAndOn}, true, 1, 1, 1, 1, {jobmsg::kFactorsReset}},
        {"factored loads off and on, No",
         {offAndOn},
         false,
         1,
         1,
         -1,
         1,
         {jobmsg::kFactorsReset, jobmsg::kFactorsReset}},
        {"the length unit to ft and back, Yes", {lengthAwayAndBack}, true, 1, 1, 1, 1.35f, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Script().confirmAnswers.clear();
        Prefs(kDefaultButtons);
        Defaults(1);
        NewBeam(2, false, false);
        Lengths({"6", "4"});
        ASSERT_NO_FATAL_FAILURE(Section("457 x 191 UB 67"));
        beam->Option_Check->click();
        Script().confirmAnswers.push_back(true);
        beam->cmdNext->click();
        ASSERT_TRUE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
        Type(1, {true, "12", "1.5", "", "", ""});
        loads->Row(1).Edit_LF->setText("1.35");
        Apply(1, {1});
        loads->cmd_Next->click();
        ASSERT_FLOAT_EQ(Model.LoadTable[1][1][lfLF], 1.35f);
        for (QWidget* f : {Widget(Forms.SpanFrm), Widget(main)})
            f->hide();
        main->Beam1->trigger();
        ASSERT_TRUE(beam->isVisible());

        dialogs_->clear();
        for (const auto& step : c.steps)
            step(*this);
        Script().confirmAnswers.push_back(c.answer);
        beam->cmdNext->click();
        ASSERT_TRUE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
        int questions = 0;
        for (const auto& shown : dialogs_->shown)
            if (shown.kind == "confirm") {
                ++questions;
                EXPECT_EQ(shown.text, beammsg::kFactoredLoads);
            }
        EXPECT_EQ(questions, c.questions);
        EXPECT_EQ(dialogs_->messages(), c.messages);
        EXPECT_EQ(Model.SteelSectionFlag, c.steel);
        EXPECT_EQ(Model.FactoredLoadsFlag, c.factored);
        for (int lc = 1; lc <= kMaxLoadcases; ++lc)
            EXPECT_FLOAT_EQ(Model.LoadTable[lc][1][lfLF], c.lf) << lc; // one list of loads for all five
        EXPECT_FLOAT_EQ(Model.SpanData[1][mfL], 6000);
        EXPECT_FLOAT_EQ(Model.SpanData[2][mfL], 4000);
        // The load form shows the factor the job holds, its edit only with factored loads on.
        EXPECT_EQ(loads->Row(1).Edit_LF->isHidden(), c.factored != 1);
        if (c.lf == 1) {
            EXPECT_EQ(T(loads->Row(1).Edit_LF), "1.000");
        }
        loads->hide();
    }
}

// The effective-length windows, each open in turn on a beam of a 1.5 m LH cantilever, spans of 4
// and 4 m and a 2 m RH cantilever: a length typed in one unit and shown in another follows, with
// its caption, and each window's Next commits the length typed.
TEST_F(UnitsWhileOpen, TheEffectiveLengthWindowsFollowTheLengthUnitAndCommitTheLengthTyped) {
    ASSERT_NO_FATAL_FAILURE(ToTheEffectiveLengths(true, true, {"1.5", "4", "4", "2"}, "11.5"));
    TCantLHFrm* left = Forms.CantLHFrm;
    ASSERT_TRUE(Widget(left)->isVisible()) << ::testing::PrintToString(dialogs_->messages());

    // LH cantilever: 4.5 ft typed while feet are shown = 4.5 x 304.8 = 1371.6 mm, shown in m as 1.37.
    Prefs({"Option_L_ft"});
    EXPECT_EQ(T(left->Label_Units), "ft");
    Script().inputAnswers.push_back("4.5");
    left->Option_Edit->click();
    Prefs({"Option_L_m"});
    EXPECT_EQ(T(left->lbl_Le), "1.37");
    EXPECT_EQ(T(left->Label_Units), "m");
    left->cmd_Next->click();

    // The last span: 3.4567 m typed, shown in mm as 3460 beside its span of 4000 mm, and back.
    TSpanFrm* span = Forms.SpanFrm;
    ASSERT_TRUE(Widget(span)->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    span->Option_Full->click();
    span->Edit_Span->setValue(2);
    Script().inputAnswers.push_back("3.4567");
    span->Option_Edit->click();
    Prefs({"Option_L_mm"});
    EXPECT_EQ(T(span->lbl_Le), "3460");
    EXPECT_EQ(T(span->Label_2_Unit), "mm");
    EXPECT_EQ(T(span->lbl_L), "4000");
    EXPECT_EQ(T(span->Label_1_Unit), "mm");
    Prefs({"Option_L_m"});
    EXPECT_EQ(T(span->lbl_Le), "3.46");
    EXPECT_EQ(T(span->Label_2_Unit), "m");
    EXPECT_EQ(T(span->lbl_L), "4.00");
    EXPECT_EQ(T(span->Label_1_Unit), "m");
    // In feet the length behind the figures: 3456.7/304.8 = 11.341, not 3.46 m = 11.352 ft;
    // 4000/304.8 = 13.123.
    Prefs({"Option_L_ft"});
    EXPECT_EQ(T(span->lbl_Le), "11.3");
    EXPECT_EQ(T(span->lbl_L), "13.1");
    Prefs({"Option_L_m"});
    span->cmd_Next->click();

    // RH cantilever: 1.2345 m typed, 1234.5/304.8 = 4.05 ft, back 1.23 m; committed in feet.
    TCantRHFrm* right = Forms.CantRHFrm;
    ASSERT_TRUE(Widget(right)->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    Script().inputAnswers.push_back("1.2345");
    right->Option_Edit->click();
    Prefs({"Option_L_ft"});
    // The label shows three figures of 1.2345 m, and converts the length behind them: 4.05 ft,
    // not 1.23 m = 4.04 ft.
    EXPECT_EQ(T(right->lbl_Le), "4.05");
    EXPECT_EQ(T(right->Label_Units), "ft");
    Prefs({"Option_L_m"});
    EXPECT_EQ(T(right->lbl_Le), "1.23");
    Prefs({"Option_L_ft"});
    right->cmd_Next->click();
    ASSERT_EQ(Model.AnalysedFlag, 1) << ::testing::PrintToString(dialogs_->messages());

    EXPECT_FLOAT_EQ(Model.EffLength[kLHCantRow][0], 1371.6f);
    EXPECT_FLOAT_EQ(Model.EffLength[2][0], 3456.7f);
    EXPECT_FLOAT_EQ(Model.EffLength[kRHCantRow][0], 1234.5f);
    // The members themselves as typed.
    EXPECT_FLOAT_EQ(Model.SpanData[kLHCantRow][mfL], 1500);
    EXPECT_FLOAT_EQ(Model.SpanData[kRHCantRow][mfL], 2000);
}

// Every restraint space of the span form's interval panel, the sixth as the first, follows a
// change of length unit made while the panel is open: five supports at equal spaces on a 6 m
// span are six spaces of 6 / 6 = 1.00 m, shown as 1000 in mm, the five up to the last support
// committed as 1000 mm each.
TEST_F(UnitsWhileOpen, EveryRestraintSpaceOfTheOpenIntervalPanelFollowsTheLengthUnit) {
    ASSERT_NO_FATAL_FAILURE(ToTheEffectiveLengths(false, false, {"6", "4"}, "10"));
    TSpanFrm* span = Forms.SpanFrm;
    ASSERT_TRUE(Widget(span)->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    span->Option_Full->click();
    span->Option_Equal->setChecked(true);
    span->Edit_No->setValue(5);
    span->Option_Int->click();
    ASSERT_FALSE(span->Frame_Int->isHidden());
    for (int i = 1; i <= 6; ++i)
        ASSERT_EQ(Cell(span->Grid_Int, i, 1), "1.00") << i;
    Prefs({"Option_L_mm"});
    EXPECT_EQ(Cell(span->Grid_Int, 0, 1), " (mm)");
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(Cell(span->Grid_Int, i, 1), "1000") << i;
    span->cmd_OK->click();
    // Kept are the five spaces up to the last support; the sixth is what remains of the span.
    for (int i = 1; i <= 5; ++i)
        EXPECT_NEAR(Work.EffLengthWork[1][i], 1000, 0.5) << i;
}

// The user section editor's rows 1 and 250 (the last), columns Ixx, E, permissible shear and moment
// and GA/Kform: typed in cm^4, N/mm^2, kN, kN-m and kN, converted to other units (and back for the
// first set), then saved: the file holds the values typed, in N and mm. Five significant figures;
// shear and moment are shown as internal x factor (kN 0.001, lbf 0.224809, kN-m 1e-6,
// lbf-ft 0.000737562, N-m 0.001), the others as internal / factor.
TEST_F(UnitsWhileOpen, TheUserSectionEditorsFirstAndLastRowsFollowAndSaveTheValuesTyped) {
    struct Row {
        const char *Ixx, *E, *shear, *moment, *GA;
    };
    struct Saved {
        float Ixx, E, shear, moment, GA;
    };
    struct Set {
        const char* name;
        Row typed1, typed250;
        std::vector<const char*> away;
        Row away1, away250;
        std::array<const char*, 5> headings;
        bool back;
        Row back1, back250;
        Saved saved1, saved250;
    };
    const Set sets[] = {
        {"to in^4, lbf/in^2, lbf, lbf-ft and lbf, and back",
         {"1234.5", "9876.5", "12.5", "45.6", "12345"},
         {"8.75", "205000", "0.5", "1.25", "3.5"},
         {"Option_Sect_I_in", "Option_Sect_E_lbfin", "Option_Sh_lbf", "Option_Mom_lbfft", "Option_PL_lbf"},
         // 1.2345e7/416231.44 = 29.659; 9876.5/0.00689476 = 1432464.6; 12500 x 0.224809 = 2810.11;
         // 4.56e7 x 0.000737562 = 33632.8; 1.2345e7/4.4482217 = 2775266.
         {"29.659", "1432500", "2810.1", "33633", "2775300"},
         // 87500/416231.44 = 0.210220; 205000/0.00689476 = 29732725; 500 x 0.224809 = 112.4045;
         // 1.25e6 x 0.000737562 = 921.95; 3500/4.4482217 = 786.831.
         {"0.21022", "29733000", "112.40", "921.95", "786.83"},
         {"     Ixx (in^4)", "     E (lbf/in^2)", "   Permissible Shear (lbf)",
          "   Permissible Moment (lbf-ft)", "     GA/Kform  (lbf)"},
         true,
         {"1234.5", "9876.5", "12.500", "45.600", "12345"},
         {"8.7500", "205000", "0.50000", "1.2500", "3.5000"},
         {1.2345e7f, 9876.5f, 12500, 4.56e7f, 1.2345e7f},
         {87500, 205000, 500, 1.25e6f, 3500}},
        {"to mm^4, lbf/in^2, N, N-m and N, saved there",
         {"2.5", "10800", "7.25", "3.125", "60.5"},
         {"98765", "9500", "150", "0.75", "0.125"},
         {"Option_Sect_I_mm", "Option_Sect_E_lbfin", "Option_Sh_N", "Option_Mom_Nm", "Option_PL_N"},
         // 10800/0.00689476 = 1566407; 3.125e6 x 0.001 = 3125; 9500/0.00689476 = 1377858.
         {"25000", "1566400", "7250.0", "3125.0", "60500"},
         {"987650000", "1377900", "150000", "750.00", "125.00"},
         {"     Ixx (mm^4)", "     E (lbf/in^2)", "   Permissible Shear (N)", "   Permissible Moment (N-m)",
          "     GA/Kform  (N)"},
         false,
         {},
         {},
         {25000, 10800, 7250, 3.125e6f, 60500},
         {9.8765e8f, 9500, 150000, 750000, 125}},
    };
    TKX_GridFrm* g = Forms.KX_GridFrm;
    for (const Set& set : sets) {
        SCOPED_TRACE(set.name);
        Prefs(kDefaultButtons);
        beam->EditMiscellaneousSections1->trigger();
        ASSERT_TRUE(g->isVisible());
        const auto type = [g](int row, const char* name, const Row& r) {
            g->SetCell(1, row, name);
            const char* const cells[] = {r.Ixx, r.E, r.shear, r.moment, r.GA};
            for (int col = 2; col <= 6; ++col)
                g->SetCell(col, row, cells[col - 2]);
        };
        const auto expect = [g](int row, const Row& r) {
            SCOPED_TRACE("row " + std::to_string(row));
            const char* const cells[] = {r.Ixx, r.E, r.shear, r.moment, r.GA};
            for (int col = 2; col <= 6; ++col)
                EXPECT_EQ(g->Cell(col, row), cells[col - 2]) << "column " << col;
        };
        type(1, "First", set.typed1);
        type(250, "Last", set.typed250);
        Prefs(set.away);
        expect(1, set.away1);
        expect(250, set.away250);
        for (int col = 2; col <= 6; ++col)
            EXPECT_EQ(g->Cell(col, 0), set.headings[static_cast<std::size_t>(col - 2)]) << col;
        if (set.back) {
            Prefs(kDefaultButtons);
            expect(1, set.back1);
            expect(250, set.back250);
        }
        dialogs_->clear();
        g->cmd_Save->click();
        ASSERT_TRUE(dialogs_->messages().empty()) << dialogs_->messages().front();
        const std::vector<TSectionRec> saved = ReadSectionFile("KX.sct");
        ASSERT_EQ(saved.size(), 250u);
        const struct {
            std::size_t at;
            const Saved& s;
        } rows[] = {{0, set.saved1}, {249, set.saved250}};
        for (const auto& r : rows) {
            SCOPED_TRACE("record " + std::to_string(r.at + 1));
            EXPECT_FLOAT_EQ(saved[r.at].Ixx, r.s.Ixx);
            EXPECT_FLOAT_EQ(saved[r.at].E, r.s.E);
            EXPECT_FLOAT_EQ(saved[r.at].PermShear, r.s.shear);
            EXPECT_FLOAT_EQ(saved[r.at].PermMoment, r.s.moment);
            EXPECT_FLOAT_EQ(saved[r.at].GA, r.s.GA);
        }
        EXPECT_EQ(saved[249].Designation.str(), "Last");
        g->cmd_ok->click();
    }
}

// A timber size typed in mm, shown in inches while the beam form is open, handed to the timber
// section form there, and shown in mm again: the size committed is the size typed, and so is the
// second moment of area worked from it, b d^3 / 12 = 47.5 x 147.5^3 / 12 = 12702477 mm^4.
TEST_F(UnitsWhileOpen, ATimberSizeShownInAnotherUnitIsTheSizeTyped) {
    Prefs(kDefaultButtons);
    Defaults(-1);
    NewBeam(1, false, false);
    Lengths({"3"});
    beam->Timber1->trigger();
    beam->Edit_Timber_W->setText("47.5");
    beam->Edit_Timber_H->setText("147.5");
    Prefs({"Option_Sect_L_in"});
    // 47.5 / 25.4 = 1.8701; 147.5 / 25.4 = 5.8071.
    EXPECT_EQ(T(beam->Edit_Timber_W), "1.87");
    EXPECT_EQ(T(beam->Edit_Timber_H), "5.81");
    EXPECT_EQ(T(beam->lbl_Wunit), "in");
    beam->cmd_OK->click();
    TTimSectFrm* ts = Forms.TimSectFrm;
    ASSERT_TRUE(Widget(ts)->isVisible());
    ts->Combo_Grade->setCurrentIndex(4);
    ts->Option_Dry->setChecked(true);
    ts->Option_Share->setChecked(true);
    ts->Duration[TimberDurationIndex("General")]->setChecked(true);
    ts->cmd_OK->click();
    Prefs({"Option_Sect_L_mm"});
    EXPECT_EQ(T(beam->Edit_Timber_W), "47.5");
    EXPECT_EQ(T(beam->Edit_Timber_H), "148");
    EXPECT_EQ(T(beam->lbl_Hunit), "mm");
    beam->cmdNext->click();
    ASSERT_TRUE(loads->isVisible()) << ::testing::PrintToString(dialogs_->messages());
    EXPECT_FLOAT_EQ(Model.TimberWidthSaved, 47.5f);
    EXPECT_FLOAT_EQ(Model.TimberDepthSaved, 147.5f);
    EXPECT_NEAR(Model.SpanData[1][mfIxx] / 12702477.0, 1, 1e-4);
}

// The beam form's sketch labels each span and the whole length in the length unit: a change of it
// draws the sketch again, "3.00 m" becoming "9.84 ft" (3000 / 304.8 = 9.8425).
TEST_F(UnitsWhileOpen, TheBeamFormsSketchIsDrawnAgainInTheNewLengthUnit) {
    Prefs(kDefaultButtons);
    Defaults(-1);
    NewBeam(2, false, false);
    Lengths({"3", "4"});
    const QImage inMetres = beam->Image_Beam->Picture.copy();
    Prefs({"Option_L_ft"});
    const QImage inFeet = beam->Image_Beam->Picture.copy();
    EXPECT_NE(inFeet, inMetres);
    beam->Grid_SpansKeyUp(); // the sketch of the grid as it now stands
    EXPECT_EQ(beam->Image_Beam->Picture, inFeet);
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 7000.0f); // 3 + 4 m, whatever unit shows it
}

} // namespace

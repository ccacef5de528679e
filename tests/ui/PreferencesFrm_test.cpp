// The preferences window: its texts, the units it shows, and its OK, Cancel and Reset buttons.
#include "app/ProgramState.h"
#include "foundation/ui/Preferences.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"

using namespace kx;

namespace {

// The input windows stand in as one span length held in the length unit, converted as the
// rescale converts it.
class PreferencesWindow : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        w = Forms.PreferencesFrm;
        InstallRescaleBeamForms([this] {
            span = span * OldUnitFactors.Length / Model.UnitFactorLength;
            ++conversions;
        });
    }
    void TearDown() override {
        InstallRescaleBeamForms(nullptr);
        FormsTest::TearDown();
    }
    // Shows the window (or brings it forward), ticks a length unit and presses OK.
    void ok(const char* lengthButton, bool save = false) {
        ShowForm(w);
        w->optionButton(lengthButton)->setChecked(true);
        w->Check_SetDefault->setChecked(save);
        w->Button2->click();
    }
    bool shows(const char* button) const { return w->optionButton(button)->isChecked(); }
    // Saves the settings in use with another length unit and factored loads enabled.
    static TUnitSettings saveUnits(const char* length, float factor) {
        TUnitSettings file = Model;
        file.UnitTextLength = length;
        file.UnitFactorLength = factor;
        file.FactoredLoadsFlag = 1;
        WriteUnitFile(file);
        return file;
    }
    const TUnitSettings& units() const { return Model; }

    TPreferencesFrm* w = nullptr;
    double span = 6; // m
    int conversions = 0;
};

} // namespace

TEST_F(PreferencesWindow, HasItsTabsGroupsAndNotesAsTheyStand) {
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Preferences"));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed size";
    EXPECT_EQ(w->width(), w->PageControl1->width() + 25);

    const std::vector<std::pair<QString, QStringList>> tabs = {
        {"Input Units", {"Length", "Point Load", "UDL Load Rate"}},
        {"Output Units", {"Shear", "Moment", "Deflection", "Stress"}},
        {"Section  Units", {"S/ Z", "E", "I", "Area", "Length", "S / Z Unit Terminology", "Weight"}},
        {"Moment Diagram", {"Bending Moment Diagam"}},
        {"Factored Loading", {"Factored Loads"}},
        {"Notes", {}}};
    ASSERT_EQ(w->PageControl1->count(), static_cast<int>(tabs.size()));
    for (int i = 0; i < w->PageControl1->count(); ++i) {
        EXPECT_EQ(w->PageControl1->tabText(i), tabs[i].first);
        QStringList groups;
        for (QGroupBox* g : w->PageControl1->widget(i)->findChildren<QGroupBox*>())
            groups << g->title();
        EXPECT_EQ(groups, tabs[i].second) << i;
    }
    int notes = 0;
    for (QLabel* l : w->findChildren<QLabel*>())
        notes += l->text() == QStringLiteral("(2240 lbf)");
    EXPECT_EQ(notes, 2) << "beside the Imperial ton of Point Load and Shear";
    EXPECT_EQ(w->optionButton("Option_St_Nmm")->text(), QString::fromUtf8("N/mm\u00b2"));
    const QStringList buttons = {w->Check_Factor->text(), w->Check_SetDefault->text(), w->Button2->text(),
                                 w->Button1->text(), w->cmd_Reset->text()};
    EXPECT_EQ(buttons, QStringList({"Enable Factored Loads", "Save as default", "OK", "Cancel",
                                    "Reset to default values"}));
    ASSERT_EQ(w->ListBox1->count(), 22);
    EXPECT_EQ(w->ListBox1->item(0)->text(), QStringLiteral("UNITS"));
    EXPECT_EQ(w->ListBox1->item(21)->text(),
              QStringLiteral(" A deflection of 1.25mm would be shown as 0.001m."));
}

TEST_F(PreferencesWindow, EachRadioAndBoxFeedsAndShowsItsOwnChoice) {
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), std::set<std::string>{});
    auto option = [this](TUnitKind k) {
        for (std::size_t g = 0; g < kUnitGroupCount; ++g)
            if (UnitOptionGroups()[g].kind == k) return w->Bindings.Read().option[g];
        return -2;
    };
    const std::tuple<const char*, TUnitKind, int> units[] = {{"Option_L_ft", TUnitKind::Length, 4},
                                                             {"Option_Sh_kN", TUnitKind::Shear, 1},
                                                             {"Option_Sect_L_in", TUnitKind::SectLength, 2},
                                                             {"Option_Wt_Imp", TUnitKind::Weight, 1}};
    for (auto [name, kind, index] : units) {
        w->optionButton(name)->click();
        EXPECT_EQ(option(kind), index) << name;
    }
    w->Option_ZPlastic->click();
    w->Option_BMUK->click();
    EXPECT_FALSE(w->Bindings.Read().sxxIsPlastic || w->Bindings.Read().bmNumericallyCorrect);
}

TEST_F(PreferencesWindow, TheButtonsShowTheUnitsReadFromTheStartDirectoryOrTheDefaults) {
    // No file: the built-in units, where they differ from the buttons as built.
    EXPECT_TRUE(shows("Option_Wt_m"));
    EXPECT_TRUE(w->Option_BMNC->isChecked());
    EXPECT_FALSE(w->Check_Factor->isChecked());
    EXPECT_EQ(Model.FactoredLoadsFlag, 0) << "neither enabled nor disabled until the first OK";

    DestroyForms();
    const TUnitSettings saved = saveUnits("ft", 304.8f);
    ResetProgramState();
    CreateForms();
    EXPECT_EQ(StartDir, dir_.dir());
    EXPECT_EQ(units(), saved);
    EXPECT_TRUE(Forms.PreferencesFrm->optionButton("Option_L_ft")->isChecked());
    EXPECT_TRUE(Forms.PreferencesFrm->Check_Factor->isChecked());
}

TEST_F(PreferencesWindow, OkConvertsTheInputWindowsOnceTheMainWindowHasBeenShownAndSavesWhenAsked) {
    ok("Option_L_cm");
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Model.UnitTextLength, "cm");
    EXPECT_EQ(conversions, 0) << "the main window has not been shown yet";
    EXPECT_FALSE(std::filesystem::exists(dir_.path("Kxf_Unit.dim"))) << "saved only when asked";

    Model.BeamFormShown = 1;
    span = 600; // cm
    ok("Option_L_mm");
    EXPECT_DOUBLE_EQ(span, 6000);
    ok("Option_L_ft", true);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(dialogs_->shown.empty());
    EXPECT_EQ(conversions, 2);
    EXPECT_TRUE(std::filesystem::exists(dir_.path("Kxf_Unit.dim"))) << "saved when asked";
}

// The conversion itself is the core's: here the message, the window kept, and Cancel.
TEST_F(PreferencesWindow, AFailedSaveShowsTheErrorKeepsTheWindowAndCancelGoesBack) {
    Model.BeamFormShown = 1;
    StartDir = dir_.path("removed");
    ok("Option_L_mm", true);
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"File not found"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_DOUBLE_EQ(span, 6000) << "values keep their meaning";

    w->Button1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Model.UnitTextLength, "m");
    EXPECT_EQ(Model.FactoredLoadsFlag, 0);
    EXPECT_DOUBLE_EQ(span, 6);
    const int done = conversions;
    ShowForm(w);
    w->Button1->click();
    EXPECT_EQ(conversions, done) << "a plain Cancel converts nothing";
}

TEST_F(PreferencesWindow, ResetShowsTheSavedUnitsOrTheDefaultsButChangesNothingBeforeOk) {
    Model.BeamFormShown = 1;
    ShowForm(w);
    w->optionButton("Option_L_cm")->setChecked(true);
    w->cmd_Reset->click(); // no file: the defaults
    EXPECT_TRUE(shows("Option_L_m"));
    w->Button1->click();

    saveUnits("in", 25.4f);
    const TUnitSettings before = Model;
    ShowForm(w);
    ASSERT_FALSE(w->Check_Factor->isChecked());
    w->cmd_Reset->click();
    EXPECT_TRUE(shows("Option_L_in"));
    EXPECT_TRUE(w->Check_Factor->isChecked());
    EXPECT_EQ(units(), before);
    w->Button1->click();
    EXPECT_EQ(units(), before);
    EXPECT_EQ(conversions, 0);

    ShowForm(w);
    EXPECT_TRUE(shows("Option_L_m")) << "shown again: the settings in use";
    w->cmd_Reset->click();
    w->Button2->click();
    EXPECT_EQ(Model.UnitTextLength, "in");
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_NEAR(span, 6000 / 25.4, 1e-6 * 236);
}

TEST_F(PreferencesWindow, EachChoiceTakesEffectOnOkAndEachButtonDoesItsOwnStep) {
    const auto thenOk = [this](const char* control) {
        return [this, control] {
            kxtest::Click(w, control);
            w->Button2->click();
        };
    };
    const auto shownWith = [this](std::vector<QAbstractButton*> ticked) {
        return [this, ticked] {
            ShowForm(w);
            for (QAbstractButton* b : ticked)
                b->setChecked(true);
        };
    };
    // One button of each kind away from the defaults: the unit text and factor of the table.
    using U = TUnitSettings;
    const std::tuple<const char*, Str10 U::*, float U::*, const char*, float> kinds[] = {
        {"Option_L_ft", &U::UnitTextLength, &U::UnitFactorLength, "ft", 304.8f},
        {"Option_PL_Iton", &U::UnitTextForce, &U::UnitFactorForce, "ton", 9964.0f},
        {"Option_R_kipft", &U::UnitTextUDL, &U::UnitFactorUDL, "Kips/ft", 14.593903f},
        {"Option_Sh_lbf", &U::UnitTextShear, &U::UnitFactorShear, "lbf", 0.224809f},
        {"Option_Mom_lbfft", &U::UnitTextMoment, &U::UnitFactorMoment, "lbf-ft", 0.000737562f},
        {"Option_Def_in", &U::UnitTextDeflection, &U::UnitFactorDeflection, "in", 0.03937008f},
        {"Option_St_lbfin", &U::UnitTextStress, &U::UnitFactorStress, "lbf/in^2", 145.03767f},
        {"Option_Sect_E_lbfin", &U::UnitTextSectE, &U::UnitFactorSectE, "lbf/in^2", 0.00689476f},
        {"Option_Sect_I_in", &U::UnitTextSectI, &U::UnitFactorSectI, "in^4", 416231.44f},
        {"Option_Sect_SZ_in", &U::UnitTextSectZ, &U::UnitFactorSectZ, "in^3", 16387.064f},
        {"Option_Sect_A_in", &U::UnitTextSectArea, &U::UnitFactorSectArea, "in^2", 645.16f},
        {"Option_Sect_L_in", &U::UnitTextSectLength, &U::UnitFactorSectLength, "in", 25.4f},
        {"Option_Wt_Imp", &U::UnitTextWeight, &U::UnitFactorWeight, "lb/ft", 0.005275f}};
    std::vector<kxtest::ControlEffect> effects;
    for (const auto& [button, text, factor, unit, value] : kinds)
        effects.push_back({button, shownWith({}),
                           [this, button, text, factor, unit, value] {
                               EXPECT_EQ(units().*text, unit);
                               EXPECT_FLOAT_EQ(units().*factor, value);
                               // Its group's other buttons let go of their choice.
                               ShowForm(w);
                               QAbstractButton* b = w->optionButton(button);
                               EXPECT_EQ(b->group()->checkedButton(), b);
                               w->Button1->click();
                           },
                           thenOk(button)});
    const auto labels = [this](const char* plasticXX, const char* elasticXX) {
        return [this, plasticXX, elasticXX] {
            EXPECT_EQ(units().ModulusLabelPlasticXX, plasticXX);
            EXPECT_EQ(units().ModulusLabelElasticXX, elasticXX);
        };
    };
    const auto sign = [this](int s) { return [this, s] { EXPECT_EQ(units().MomentDiagramSign, s); }; };
    const auto factored = [this](int flag) {
        return [this, flag] { EXPECT_EQ(units().FactoredLoadsFlag, flag); };
    };
    const std::vector<kxtest::ControlEffect> others = {
        {"Option_ZPlastic", shownWith({}), labels("Zxx", "Sxx"), thenOk("Option_ZPlastic")},
        {"Option_SPlastic", shownWith({w->Option_ZPlastic}), labels("Sxx", "Zxx"), thenOk("Option_SPlastic")},
        {"Option_BMUK", shownWith({}), sign(-1), thenOk("Option_BMUK")},
        {"Option_BMNC", shownWith({w->Option_BMUK}), sign(1), thenOk("Option_BMNC")},
        {"Check_Factor", shownWith({}), factored(1), thenOk("Check_Factor")},
        {"Check_Factor", shownWith({w->Check_Factor}), factored(-1), thenOk("Check_Factor")},
        // OK takes the choices and hides; Cancel hides and takes nothing; Reset shows the defaults
        // and keeps the window.
        {"Button2", shownWith({w->optionButton("Option_L_cm")}),
         [this] {
             EXPECT_FALSE(w->isVisible());
             EXPECT_EQ(units().UnitTextLength, "cm");
         }},
        {"Button1", shownWith({w->optionButton("Option_L_mm")}),
         [this] {
             EXPECT_FALSE(w->isVisible());
             EXPECT_EQ(units().UnitTextLength, "cm");
         }},
        {"cmd_Reset", shownWith({w->optionButton("Option_L_mm")}),
         [this] {
             EXPECT_TRUE(w->isVisible());
             EXPECT_TRUE(shows("Option_L_m"));
             EXPECT_EQ(units().UnitTextLength, "cm");
         }},
        {"Check_SetDefault", shownWith({}),
         [this] {
             EXPECT_FALSE(w->isVisible());
             EXPECT_EQ(std::filesystem::file_size(dir_.path("Kxf_Unit.dim")), 972u);
         },
         thenOk("Check_SetDefault")}};
    effects.insert(effects.end(), others.begin(), others.end());
    EXPECT_FALSE(std::filesystem::exists(dir_.path("Kxf_Unit.dim")));
    kxtest::ExpectEffects(w, effects);
}

namespace {

// Per kind: the last button of its group with its unit, and the first with its, typed from the
// options' table; the two differ in every kind, and from the built-in units.
struct KindButtons {
    const char* last;
    const char* lastText;
    float lastFactor;
    const char* first;
    const char* firstText;
    float firstFactor;
    Str10 TUnitSettings::*text;
    float TUnitSettings::*factor;
};
using U = TUnitSettings;
// clang-format off
const KindButtons kKinds[] = {
    {"Option_L_ft", "ft", 304.8f, "Option_L_mm", "mm", 1.0f, &U::UnitTextLength, &U::UnitFactorLength},
    {"Option_PL_Kip", "Kips", 4448.22f, "Option_PL_N", "N", 1.0f, &U::UnitTextForce, &U::UnitFactorForce},
    {"Option_R_kipft", "Kips/ft", 14.593903f, "Option_R_Nmm", "N/mm", 1.0f, &U::UnitTextUDL, &U::UnitFactorUDL},
    {"Option_Sh_Kip", "Kips", 0.000224809f, "Option_Sh_N", "N", 1.0f, &U::UnitTextShear, &U::UnitFactorShear},
    {"Option_Mom_lbfft", "lbf-ft", 0.000737562f, "Option_Mom_Nmm", "N-mm", 1.0f, &U::UnitTextMoment, &U::UnitFactorMoment},
    {"Option_Def_in", "in", 0.03937008f, "Option_Def_mm", "mm", 1.0f, &U::UnitTextDeflection, &U::UnitFactorDeflection},
    {"Option_St_lbfin", "lbf/in^2", 145.03767f, "Option_St_Nmm", "N/mm^2", 1.0f, &U::UnitTextStress, &U::UnitFactorStress},
    {"Option_Sect_E_lbfin", "lbf/in^2", 0.00689476f, "Option_Sect_E_Nmm", "N/mm^2", 1.0f, &U::UnitTextSectE, &U::UnitFactorSectE},
    {"Option_Sect_I_in", "in^4", 416231.44f, "Option_Sect_I_mm", "mm^4", 1.0f, &U::UnitTextSectI, &U::UnitFactorSectI},
    {"Option_Sect_SZ_in", "in^3", 16387.064f, "Option_Sect_SZ_mm", "mm^3", 1.0f, &U::UnitTextSectZ, &U::UnitFactorSectZ},
    {"Option_Sect_A_in", "in^2", 645.16f, "Option_Sect_A_mm", "mm^2", 1.0f, &U::UnitTextSectArea, &U::UnitFactorSectArea},
    {"Option_Sect_L_in", "in", 25.4f, "Option_Sect_L_mm", "mm", 1.0f, &U::UnitTextSectLength, &U::UnitFactorSectLength},
    {"Option_Wt_Imp", "lb/ft", 0.005275f, "Option_Wt_m", "kg/m", 0.00785f, &U::UnitTextWeight, &U::UnitFactorWeight}};
// clang-format on

// Every field of u: the last buttons' units with Zxx plastic, an inverted diagram and factored
// loads, or the first buttons' with Sxx plastic, a diagram as computed and no factored loads.
void expectEveryField(const TUnitSettings& u, bool last) {
    for (const KindButtons& k : kKinds) {
        EXPECT_EQ(u.*k.text, last ? k.lastText : k.firstText) << (last ? k.last : k.first);
        EXPECT_EQ(u.*k.factor, last ? k.lastFactor : k.firstFactor) << (last ? k.last : k.first);
    }
    EXPECT_EQ(u.UnitTextWarping, "dm^6");
    EXPECT_EQ(u.UnitFactorWarping, 1e-12f);
    const std::vector<std::string> labels = {u.ModulusLabelPlasticXX.str(), u.ModulusLabelElasticXX.str(),
                                             u.ModulusLabelPlasticYY.str(), u.ModulusLabelElasticYY.str()};
    const std::vector<std::string> zxx = {"Zxx", "Sxx", "Zyy", "Syy"}, sxx = {"Sxx", "Zxx", "Syy", "Zyy"};
    EXPECT_EQ(labels, last ? zxx : sxx);
    EXPECT_EQ(u.MomentDiagramSign, last ? -1 : 1);
    EXPECT_EQ(u.FactoredLoadsFlag, last ? 1 : -1);
}

} // namespace

TEST_F(PreferencesWindow, EveryFieldIsCommittedShownAgainSavedAndResetFromTheFile) {
    Model.BeamFormShown = 1;
    // Every control away from what the window shows: the last button of each group.
    ShowForm(w);
    for (const KindButtons& k : kKinds)
        w->optionButton(k.last)->click();
    w->Option_ZPlastic->click();
    w->Option_BMUK->click();
    w->Check_Factor->click();
    w->Check_SetDefault->click();
    w->Button2->click();
    expectEveryField(units(), true);
    EXPECT_NEAR(span, 6000 / 304.8, 1e-6 * 20) << "6 m = 19.685 ft";
    EXPECT_TRUE(Model.FactoredLoadsUnasked) << "turned on: the question is owed";
    TUnitSettings saved;
    ASSERT_TRUE(ReadUnitFile(saved));
    expectEveryField(saved, true);

    // Shown again, each control shows its field; then the first button of each group.
    ShowForm(w);
    for (const KindButtons& k : kKinds)
        EXPECT_TRUE(shows(k.last)) << k.last;
    EXPECT_TRUE(w->Option_ZPlastic->isChecked() && w->Option_BMUK->isChecked() &&
                w->Check_Factor->isChecked());
    for (const KindButtons& k : kKinds)
        w->optionButton(k.first)->click();
    w->Option_SPlastic->click();
    w->Option_BMNC->click();
    w->Check_Factor->click();
    w->Check_SetDefault->setChecked(false);
    w->Button2->click();
    expectEveryField(units(), false);
    EXPECT_NEAR(span, 6000, 1e-6 * 6000) << "in mm";
    EXPECT_FALSE(Model.FactoredLoadsUnasked);
    ASSERT_TRUE(ReadUnitFile(saved));
    expectEveryField(saved, true); // not saved without the box

    // Reset shows the file's value of every control, and OK takes them all.
    ShowForm(w);
    for (const KindButtons& k : kKinds)
        EXPECT_TRUE(shows(k.first)) << k.first;
    w->cmd_Reset->click();
    for (const KindButtons& k : kKinds)
        EXPECT_TRUE(shows(k.last)) << k.last;
    EXPECT_TRUE(w->Option_ZPlastic->isChecked() && w->Option_BMUK->isChecked() &&
                w->Check_Factor->isChecked());
    expectEveryField(units(), false);
    w->Button2->click();
    expectEveryField(units(), true);
}

TEST_F(PreferencesWindow, ASettingChangedAndChangedBackWhileTheWindowIsOpenChangesNothing) {
    Model.BeamFormShown = 1;
    Model.FactoredLoadsFlag = 1; // on, and the question answered
    Model.FactoredLoadsUnasked = false;
    ShowForm(w);
    const TUnitSettings before = Model;
    for (const KindButtons& k : kKinds) {
        w->optionButton(k.last)->click();
        w->optionButton(k.first)->click();
        w->optionButton(k.last == std::string("Option_L_ft") ? "Option_L_m" : k.first)->click();
    }
    // Every unit group back to the built-in button it showed.
    for (const char* b : {"Option_PL_kN", "Option_R_kNm", "Option_Sh_kN", "Option_Mom_kNm",
                          "Option_Sect_I_cm", "Option_Sect_SZ_cm", "Option_Sect_A_cm"})
        w->optionButton(b)->click();
    w->Option_ZPlastic->click();
    w->Option_SPlastic->click();
    w->Option_BMUK->click();
    w->Option_BMNC->click();
    w->Check_Factor->click();
    w->Check_Factor->click();
    w->Check_SetDefault->click();
    w->Check_SetDefault->click();
    w->Button2->click();
    EXPECT_EQ(units(), before);
    EXPECT_FALSE(Model.FactoredLoadsUnasked) << "still on: not asked again";
    EXPECT_DOUBLE_EQ(span, 6);
    EXPECT_FALSE(std::filesystem::exists(dir_.path("Kxf_Unit.dim")));

    // To another value and on to a third: the third is taken.
    ShowForm(w);
    w->optionButton("Option_L_ft")->click();
    w->optionButton("Option_L_cm")->click();
    w->Check_Factor->click();
    w->Check_Factor->click();
    w->Check_Factor->click();
    w->Button2->click();
    EXPECT_EQ(Model.UnitTextLength, "cm");
    EXPECT_EQ(Model.UnitFactorLength, 10.0f);
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    EXPECT_DOUBLE_EQ(span, 600) << "6 m = 600 cm";
}

TEST_F(PreferencesWindow, EveryButtonCaptionInItsGroupAndEveryLineOfTheNotes) {
    const QString sq = QString::fromUtf8("\u00b2");
    const std::vector<std::pair<QString, QStringList>> groups = {
        {"Length", {"mm", "cm", "m", "Inches", "feet"}},
        {"Point Load", {"N", "kN", "lbf", "Imperial ton (tonf)", "Kips"}},
        {"UDL Load Rate", {"N/mm", "kN/m", "lbf/in", "lbf/ft", "Imp ton/ft", "Kips/ft"}},
        {"Shear", {"N", "kN", "lbf", "Imperial ton (tonf)", "Kips"}},
        {"Moment", {"N-mm", "N-m", "kN-m", "lbf-in", "lbf-ft"}},
        {"Deflection", {"mm", "cm", "m", "inches"}},
        {"Stress", {"N/mm" + sq, "lbf/in" + sq}},
        {"S/ Z", {"mm^3", "cm^3", "in^3"}},
        {"E", {"N/mm^2", "lbf/in^2"}},
        {"I", {"mm^4", "cm^4", "inches^4"}},
        {"Area", {"mm^2", "cm^2", "in^2"}},
        {"Length", {"mm", "cm", "inches"}},
        {"S / Z Unit Terminology", {"Sxx / Syy = Plastic Modulus", "Zxx / Zyy = Plastic Modulus"}},
        {"Weight", {"kg / m", "lb / ft"}},
        {"Bending Moment Diagam", {"Inverted", "Numerically Correct"}},
        {"Factored Loads", {}}};
    // In any order of the boxes: "title: caption | caption".
    const auto line = [](const QString& title, const QStringList& captions) {
        return (title + ": " + captions.join(" | ")).toStdString();
    };
    std::vector<std::string> shown, expected;
    // Each button stands in its box's layout (the Imperial ton in a row of its own with its note).
    const std::function<bool(const QLayout*, const QWidget*)> laidOut = [&laidOut](const QLayout* l,
                                                                                   const QWidget* b) {
        for (int i = 0; i < l->count(); ++i)
            if (l->itemAt(i)->widget() == b || (l->itemAt(i)->layout() && laidOut(l->itemAt(i)->layout(), b)))
                return true;
        return false;
    };
    for (QGroupBox* g : w->findChildren<QGroupBox*>()) {
        QStringList captions;
        for (QRadioButton* b : g->findChildren<QRadioButton*>()) {
            captions << b->text();
            EXPECT_TRUE(laidOut(g->layout(), b)) << b->objectName().toStdString();
        }
        shown.push_back(line(g->title(), captions));
    }
    for (const auto& [title, captions] : groups)
        expected.push_back(line(title, captions));
    std::sort(shown.begin(), shown.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(shown, expected);

    const QStringList notes = {
        "UNITS",
        " This program has been designed to be used by practicing engineers who  need results",
        " to the order of accuracy appropriate to the geometrical tolerances and loading ",
        " assumptions inherent in engineering design.",
        "",
        " The basic analysis of this program is performed using units of newtons and mm.",
        " The input and output values are converted to and from these values.",
        " This means all the values have to be rounded.",
        " Generally :- ",
        "    Three signicant figures are used for lengths and graphical displays,",
        "    Four significant figures are used for maximum values,",
        "    Tabulated output for values, within a 'normal' range, is to the number of decimal  places",
        "    given by the maximum value rounded to four or five signifcant figures.",
        "  ",
        " It follows that input data may be rounded up or down.",
        "",
        " NB ",
        " Sometimes results are rounded to a a number of significant figures and  restricted to ",
        " a set   number of decimal places. In normal use this should not  be noticeable but if ",
        " it is then the units  should be changed to more appropriate  ones for the calculation.  ",
        " An example of this would  be a short strong beam  with the deflection units set at metres.",
        " A deflection of 1.25mm would be shown as 0.001m."};
    QStringList lines;
    for (int i = 0; i < w->ListBox1->count(); ++i)
        lines << w->ListBox1->item(i)->text();
    EXPECT_EQ(lines, notes);
}

TEST_F(PreferencesWindow, TheGroupsOfEachTabStandInRowsOfThree) {
    // Tab by tab, each group's row and column in its tab's grid.
    const std::vector<std::pair<int, std::vector<std::tuple<QString, int, int>>>> tabs = {
        {0, {{"Length", 0, 0}, {"Point Load", 0, 1}, {"UDL Load Rate", 0, 2}}},
        {1, {{"Shear", 0, 0}, {"Moment", 0, 1}, {"Deflection", 0, 2}, {"Stress", 1, 0}}},
        {2,
         {{"S/ Z", 0, 0},
          {"E", 0, 1},
          {"I", 0, 2},
          {"Area", 1, 0},
          {"Length", 1, 1},
          {"S / Z Unit Terminology", 1, 2},
          {"Weight", 2, 0}}}};
    for (const auto& [tab, expected] : tabs) {
        auto* grid = qobject_cast<QGridLayout*>(w->PageControl1->widget(tab)->layout());
        ASSERT_NE(grid, nullptr) << tab;
        std::vector<std::tuple<QString, int, int>> placed;
        for (int i = 0; i < grid->count(); ++i) {
            int row, col, rows, cols;
            grid->getItemPosition(i, &row, &col, &rows, &cols);
            placed.emplace_back(qobject_cast<QGroupBox*>(grid->itemAt(i)->widget())->title(), row, col);
        }
        EXPECT_EQ(placed, expected) << "tab " << tab;
    }
}

TEST_F(PreferencesWindow, TheButtonsStandInOneRowUnderTheTabsOkAndCancelAtTheRight) {
    const QRect pages = w->PageControl1->geometry();
    EXPECT_EQ(pages.topLeft(), QPoint(12, 8));
    const int row = pages.y() + pages.height() + 12; // 12 below the tabs
    EXPECT_EQ(w->Check_SetDefault->geometry(), QRect(12, row, 160, 24));
    EXPECT_EQ(w->cmd_Reset->geometry(), QRect(182, row, 180, 26));
    // Cancel 12 from the right edge, OK 8 to its left, both 90 wide.
    EXPECT_EQ(w->Button1->geometry(), QRect(w->width() - 12 - 90, row, 90, 26));
    EXPECT_EQ(w->Button2->geometry(), QRect(w->width() - 12 - 90 - 8 - 90, row, 90, 26));
    EXPECT_EQ(w->height(), row + 26 + 12);
}

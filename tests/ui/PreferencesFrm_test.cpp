#include "foundation/ui/Preferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "platform/BinaryIO.h"

using namespace kx;

namespace {

TPreferencesFrm* prefs() { return Forms.PreferencesFrm; }

bool ticked(const char* button) {
    QRadioButton* b = prefs()->optionButton(button);
    EXPECT_NE(b, nullptr) << button;
    return b && b->isChecked();
}

void tick(const char* button) { prefs()->optionButton(button)->setChecked(true); }

} // namespace

TEST_F(FormsTest, PreferencesWindowHasItsTabsGroupsAndNotesAsTheyStand) {
    TPreferencesFrm* w = prefs();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Preferences"));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w->minimumSize(), w->maximumSize()) << "fixed size";
    EXPECT_EQ(w->width(), w->PageControl1->width() + 25);

    const QStringList tabs = {"Input Units", "Output Units", "Section  Units", "Moment Diagram", "Factored Loading", "Notes"};
    ASSERT_EQ(w->PageControl1->count(), tabs.size());
    for (int i = 0; i < tabs.size(); ++i) EXPECT_EQ(w->PageControl1->tabText(i), tabs[i]);

    auto groupsOn = [w](int tab) {
        QStringList titles;
        for (QGroupBox* g : w->PageControl1->widget(tab)->findChildren<QGroupBox*>()) titles << g->title();
        return titles;
    };
    EXPECT_EQ(groupsOn(0), QStringList({"Length", "Point Load", "UDL Load Rate"}));
    EXPECT_EQ(groupsOn(1), QStringList({"Shear", "Moment", "Deflection", "Stress"}));
    EXPECT_EQ(groupsOn(2), QStringList({"S/ Z", "E", "I", "Area", "Length", "S / Z Unit Terminology", "Weight"}));
    EXPECT_EQ(groupsOn(3), QStringList({"Bending Moment Diagam"}));
    EXPECT_EQ(groupsOn(4), QStringList({"Factored Loads"}));

    int notes = 0;
    for (QLabel* l : w->findChildren<QLabel*>()) notes += l->text() == QStringLiteral("(2240 lbf)");
    EXPECT_EQ(notes, 2) << "beside the Imperial ton of Point Load and Shear";
    EXPECT_EQ(w->optionButton("Option_PL_Iton")->text(), QStringLiteral("Imperial ton (tonf)"));
    EXPECT_EQ(w->optionButton("Option_St_Nmm")->text(), QString::fromUtf8("N/mm\u00b2"));
    EXPECT_EQ(w->optionButton("Option_Wt_Imp")->text(), QStringLiteral("lb / ft"));
    EXPECT_EQ(w->Option_SPlastic->text(), QStringLiteral("Sxx / Syy = Plastic Modulus"));
    EXPECT_EQ(w->Option_BMUK->text(), QStringLiteral("Inverted"));
    EXPECT_EQ(w->Option_BMNC->text(), QStringLiteral("Numerically Correct"));
    EXPECT_EQ(w->Check_Factor->text(), QStringLiteral("Enable Factored Loads"));
    EXPECT_EQ(w->Check_SetDefault->text(), QStringLiteral("Save as default"));
    EXPECT_EQ(w->Button2->text(), QStringLiteral("OK"));
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(w->cmd_Reset->text(), QStringLiteral("Reset to default values"));

    ASSERT_EQ(w->ListBox1->count(), 22);
    EXPECT_EQ(w->ListBox1->item(0)->text(), QStringLiteral("UNITS"));
    EXPECT_EQ(w->ListBox1->item(1)->text(),
              QStringLiteral(" This program has been designed to be used by practicing engineers who  need results"));
    EXPECT_EQ(w->ListBox1->item(13)->text(), QStringLiteral("  "));
    EXPECT_EQ(w->ListBox1->item(19)->text(),
              QStringLiteral(" it is then the units  should be changed to more appropriate  ones for the calculation.  "));
    EXPECT_EQ(w->ListBox1->item(21)->text(), QStringLiteral(" A deflection of 1.25mm would be shown as 0.001m."));
}

TEST_F(FormsTest, WithoutASettingsFileTheButtonsShowTheBuiltInDefaults) {
    for (const char* b : {"Option_L_m", "Option_PL_kN", "Option_R_kNm", "Option_Sh_kN", "Option_Mom_kNm",
                          "Option_Def_mm", "Option_St_Nmm", "Option_Sect_E_Nmm", "Option_Sect_I_cm",
                          "Option_Sect_SZ_cm", "Option_Sect_A_cm", "Option_Sect_L_mm", "Option_Wt_m"})
        EXPECT_TRUE(ticked(b)) << b;
    EXPECT_TRUE(prefs()->Option_SPlastic->isChecked());
    EXPECT_TRUE(prefs()->Option_BMNC->isChecked());
    EXPECT_FALSE(prefs()->Check_Factor->isChecked());
    EXPECT_EQ(Model.FactoredLoadsFlag, 0);
}

TEST_F(FormsTest, OkWithSaveAsDefaultAppliesTheUnitsWritesTheFileAndHides) {
    TPreferencesFrm* w = prefs();
    ShowForm(w);
    tick("Option_L_ft");
    tick("Option_Mom_lbfft");
    w->Option_ZPlastic->setChecked(true);
    w->Check_Factor->setChecked(true);
    w->Check_SetDefault->setChecked(true);
    w->Button2->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(dialogs_->shown.empty());
    EXPECT_EQ(Model.UnitTextLength, "ft");
    EXPECT_EQ(Model.UnitFactorLength, 304.8f);
    EXPECT_EQ(Model.UnitTextMoment, "lbf-ft");
    EXPECT_EQ(Model.ModulusLabelPlasticXX, "Zxx");
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_EQ(Model.UnitTextWarping, "dm^6");
    const auto bytes = ReadWholeFile(dir_.path("Kxf_Unit.dim"));
    ASSERT_EQ(bytes.size(), 972u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[1]), bytes[0]), "ft");
}

TEST_F(FormsTest, AFailedSaveShowsTheErrorKeepsTheWindowOpenAndCancelGoesBack) {
    TPreferencesFrm* w = prefs();
    Model.BeamFormShown = 1;
    int rescales = 0;
    InstallRescaleBeamForms([&rescales] { ++rescales; });
    StartDir = dir_.path("removed");
    ShowForm(w);
    tick("Option_L_mm");
    w->Check_SetDefault->setChecked(true);
    w->Button2->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"File not found"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Model.UnitTextLength, "mm");
    EXPECT_EQ(rescales, 1);

    w->Button1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Model.UnitTextLength, "m");
    EXPECT_EQ(rescales, 2) << "the input windows go back to the units restored";
    InstallRescaleBeamForms(nullptr);
}

TEST_F(FormsTest, ResetShowsTheSavedUnitsAndCancelLeavesTheSettingsAlone) {
    TUnitSettings file = Model;
    file.UnitTextLength = "in";
    file.UnitFactorLength = 25.4f;
    file.FactoredLoadsFlag = 1;
    WriteUnitFile(file);

    TPreferencesFrm* w = prefs();
    ShowForm(w);
    const TUnitSettings before = Model;
    w->cmd_Reset->click();
    EXPECT_TRUE(ticked("Option_L_in"));
    EXPECT_TRUE(w->Check_Factor->isChecked());
    EXPECT_EQ(static_cast<const TUnitSettings&>(Model), before);
    w->Button1->click();
    EXPECT_EQ(static_cast<const TUnitSettings&>(Model), before);

    ShowForm(w);
    EXPECT_TRUE(ticked("Option_L_m")) << "shown again, the buttons show the settings in use";
    w->cmd_Reset->click();
    w->Button2->click();
    EXPECT_EQ(Model.UnitTextLength, "in");
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
}

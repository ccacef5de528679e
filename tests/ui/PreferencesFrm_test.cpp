// The preferences window: its texts, the units it shows, and its OK, Cancel and Reset buttons.
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

TEST_F(FormsTest, PreferencesWindowHasItsTabsGroupsAndNotesAsTheyStand) {
    TPreferencesFrm* w = Forms.PreferencesFrm;
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
    EXPECT_EQ(w->Check_Factor->text(), QStringLiteral("Enable Factored Loads"));
    EXPECT_EQ(w->Check_SetDefault->text(), QStringLiteral("Save as default"));
    EXPECT_EQ(w->Button2->text(), QStringLiteral("OK"));
    EXPECT_EQ(w->Button1->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(w->cmd_Reset->text(), QStringLiteral("Reset to default values"));
    ASSERT_EQ(w->ListBox1->count(), 22);
    EXPECT_EQ(w->ListBox1->item(0)->text(), QStringLiteral("UNITS"));
    EXPECT_EQ(w->ListBox1->item(13)->text(), QStringLiteral("  "));
    EXPECT_EQ(
        w->ListBox1->item(19)->text(),
        QStringLiteral(
            " it is then the units  should be changed to more appropriate  ones for the calculation.  "));
    EXPECT_EQ(w->ListBox1->item(21)->text(),
              QStringLiteral(" A deflection of 1.25mm would be shown as 0.001m."));
}

TEST_F(FormsTest, TheButtonsShowTheUnitsReadFromTheStartDirectoryOrTheDefaults) {
    EXPECT_EQ(StartDir, dir_.dir());
    TPreferencesFrm* w = Forms.PreferencesFrm;
    for (const char* b : {"Option_L_m", "Option_PL_kN", "Option_R_kNm", "Option_Sh_kN", "Option_Mom_kNm",
                          "Option_Def_mm", "Option_St_Nmm", "Option_Sect_E_Nmm", "Option_Sect_I_cm",
                          "Option_Sect_SZ_cm", "Option_Sect_A_cm", "Option_Sect_L_mm", "Option_Wt_m"})
        EXPECT_TRUE(w->optionButton(b)->isChecked()) << b;
    EXPECT_TRUE(w->Option_SPlastic->isChecked());
    EXPECT_TRUE(w->Option_BMNC->isChecked());
    EXPECT_FALSE(w->Check_Factor->isChecked());
    EXPECT_EQ(Model.FactoredLoadsFlag, 0) << "neither enabled nor disabled until the first OK";
    DestroyForms();

    TUnitSettings saved = Model;
    saved.UnitTextLength = "ft";
    saved.UnitFactorLength = 304.8f;
    saved.FactoredLoadsFlag = 1;
    WriteUnitFile(saved);
    ResetSharedModelToStart();
    CreateForms();
    EXPECT_EQ(Model.UnitTextLength, "ft");
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_TRUE(Forms.PreferencesFrm->optionButton("Option_L_ft")->isChecked());
    EXPECT_TRUE(Forms.PreferencesFrm->Check_Factor->isChecked());
}

TEST_F(FormsTest, OkSavesAndHidesResetShowsTheFileCancelGoesBackAndAFailedSaveKeepsTheWindowOpen) {
    TPreferencesFrm* w = Forms.PreferencesFrm;
    Model.BeamFormShown = 1;
    int rescales = 0;
    InstallRescaleBeamForms([&rescales] { ++rescales; });
    auto showAndTick = [w](const char* button, bool save) {
        ShowForm(w);
        w->optionButton(button)->setChecked(true);
        w->Check_SetDefault->setChecked(save);
    };

    showAndTick("Option_L_ft", true);
    w->Option_ZPlastic->setChecked(true);
    w->Check_Factor->setChecked(true);
    w->Button2->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(dialogs_->shown.empty());
    EXPECT_EQ(Model.UnitFactorLength, 304.8f);
    EXPECT_EQ(Model.ModulusLabelPlasticXX, "Zxx");
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_EQ(ReadWholeFile(dir_.path("Kxf_Unit.dim")), UnitFileImage(Model, "Junk"));

    showAndTick("Option_L_mm", false);
    w->Button2->click();
    ShowForm(w);
    EXPECT_TRUE(w->optionButton("Option_L_mm")->isChecked()) << "shown again: the settings in use";
    w->cmd_Reset->click();
    EXPECT_TRUE(w->optionButton("Option_L_ft")->isChecked()) << "Reset shows the saved units";
    EXPECT_EQ(Model.UnitTextLength, "mm");
    w->Button1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Model.UnitTextLength, "mm") << "Cancel after Reset leaves the settings alone";
    EXPECT_EQ(rescales, 2);

    StartDir = dir_.path("removed");
    showAndTick("Option_L_cm", true);
    w->Button2->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"File not found"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Model.UnitTextLength, "cm");
    EXPECT_EQ(rescales, 3) << "the input windows follow the units in use";
    w->Button1->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(Model.UnitTextLength, "mm");
    EXPECT_EQ(rescales, 4) << "the input windows go back to the units restored";
    InstallRescaleBeamForms(nullptr);
}

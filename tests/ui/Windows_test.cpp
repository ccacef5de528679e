#include "foundation/ui/Windows.h"

#include <QWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "calculators/ui/KX_Cap.h"
#include "foundation/Units.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Unit1.h"
#include "window/ui/Index.h"

#include <QRadioButton>

using namespace kx;

TEST_F(FormsTest, TheTwentyOneWindowsAreCreatedOnceHiddenInTheirOrderWithTheirCaptions) {
    struct Expected {
        const char* className;
        const char* name;
        const char* caption;
    };
    const Expected expected[] = {
        {"kx::TForm1", "Form1", "KX-Flexor"},
        {"kx::TKX_BeamFrm", "KX_BeamFrm", "Beam Data"},
        {"kx::TPreferencesFrm", "PreferencesFrm", "Preferences"},
        {"kx::TKX_GridFrm", "KX_GridFrm", "Section Data"},
        {"kx::TIndexFrm", "IndexFrm", "KX-Flexor"},
        {"kx::TInfoFrm", "InfoFrm", "Info"},
        {"kx::TLoadDataFrm", "LoadDataFrm", "Load Data"},
        {"kx::TAboutBox", "AboutBox", "About"},
        {"kx::TScaffoldFrm", "ScaffoldFrm", "Scaffold Tube Axial Capacity"},
        {"kx::TWindFrm", "WindFrm", "Wind Loading"},
        {"kx::TCouplersFrm", "CouplersFrm", "Explanation"},
        {"kx::TDurationFrm", "DurationFrm", "DurationFrm"},
        {"kx::TTimberFrm", "TimberFrm", "Timber"},
        {"kx::TKX_CapFrm", "KX_CapFrm", "Steel Member Capacities to BS 5975"},
        {"kx::TCantLHFrm", "CantLHFrm", "LH Cantilever"},
        {"kx::TCantRHFrm", "CantRHFrm", "RH Cantilever"},
        {"kx::TSpanFrm", "SpanFrm", "Span"},
        {"kx::TPrintFrm", "PrintFrm", "Print Options"},
        {"kx::TPointFrm", "PointFrm", "Results at point."},
        {"kx::TTimSectFrm", "TimSectFrm", "Timber Section Properties"},
        {"kx::TSetHeaderFrm", "SetHeaderFrm", "Set Header"},
    };
    const std::vector<QWidget*> order = FormsInCreationOrder();
    ASSERT_EQ(order.size(), std::size(expected));
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_STREQ(order[i]->metaObject()->className(), expected[i].className) << "window " << i + 1;
        EXPECT_EQ(order[i]->objectName().toStdString(), expected[i].name);
        EXPECT_EQ(order[i]->windowTitle().toStdString(), expected[i].caption);
        EXPECT_TRUE(order[i]->isWindow());
        EXPECT_FALSE(order[i]->isVisible()) << expected[i].name;
    }
    EXPECT_EQ(static_cast<QWidget*>(Forms.Form1), order[0]);
    EXPECT_EQ(static_cast<QWidget*>(Forms.IndexFrm), order[4]);
    EXPECT_EQ(static_cast<QWidget*>(Forms.KX_CapFrm), order[13]);

    CreateForms(); // a second call makes nothing new
    EXPECT_EQ(FormsInCreationOrder(), order);
    DestroyForms();
    EXPECT_TRUE(FormsInCreationOrder().empty());
    EXPECT_EQ(Forms.IndexFrm, nullptr);
}

TEST_F(FormsTest, ThePreferencesAreReadFromTheDirectoryTheProgramStartedIn) {
    EXPECT_EQ(StartDir, dir_.dir());
    EXPECT_EQ(Model.UnitTextLength, "m") << "no file: the defaults";
    DestroyForms();

    TUnitSettings saved;
    SetDefaultUnits(saved);
    saved.UnitTextLength = "ft";
    saved.UnitFactorLength = 304.8f;
    saved.FactoredLoadsFlag = 1;
    StartDir = dir_.dir();
    WriteUnitFile(saved);
    ResetSharedModelToStart();
    CreateForms();
    EXPECT_EQ(Model.UnitTextLength, "ft");
    EXPECT_EQ(Model.UnitFactorLength, 304.8f);
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_TRUE(Forms.PreferencesFrm->optionButton("Option_L_ft")->isChecked());
}

// The window registry: every window created once, hidden, a top-level window named after its class.
#include "app/Forms.h"
#include "foundation/ui/Windows.h"

#include <QWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"
#include "calculators/ui/Duration.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Timber.h"
#include "calculators/ui/Wind.h"
#include "foundation/ui/About.h"
#include "foundation/ui/Info.h"
#include "foundation/ui/Preferences.h"
#include "foundation/ui/Unit1.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/Couplers.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "platform/StateRegistry.h"
#include "window/ui/Index.h"
#include "window/ui/Point.h"
#include "window/ui/Print.h"
#include "window/ui/SetHeader.h"

using namespace kx;

TEST_F(FormsTest, EveryWindowIsCreatedOnceHiddenAndGoesWithTheRegistry) {
    const std::vector<QWidget*> order = FormsInCreationOrder();
    ASSERT_EQ(order.size(), 21u);
    EXPECT_EQ(order.front(), Widget(Forms.Form1)) << "the start screen comes first";
    for (QWidget* w : order) {
        const std::string name = w->objectName().toStdString();
        EXPECT_EQ(w->metaObject()->className(), "kx::T" + name);
        EXPECT_TRUE(w->isWindow()) << name;
        EXPECT_FALSE(w->isVisible()) << name;
        EXPECT_FALSE(w->windowTitle().isEmpty()) << name;
    }
    CreateForms(); // a second call makes nothing new
    EXPECT_EQ(FormsInCreationOrder(), order);
    DestroyForms();
    EXPECT_TRUE(FormsInCreationOrder().empty());
    EXPECT_EQ(Forms.IndexFrm, nullptr);
}

// Start-up sets program state in its own steps; making a window, any window, changes none.
TEST_F(FormsTest, MakingAWindowChangesNoProgramState) {
    DestroyForms();
    ResetProgramState();
    for (const RegisteredState& r : StateRegistry())
        EXPECT_TRUE(r.isBlank()) << r.name << " after the reset";
    std::vector<std::unique_ptr<QWidget>> windows;
    auto make = [&windows]<class... T>() {
        (
            [&windows] {
                windows.push_back(std::make_unique<T>());
                for (const RegisteredState& r : StateRegistry())
                    EXPECT_TRUE(r.isBlank())
                        << r.name << " after making " << windows.back()->objectName().toStdString();
            }(),
            ...);
    };
    make.operator()<TForm1, TKX_BeamFrm, TPreferencesFrm, TKX_GridFrm, TIndexFrm, TInfoFrm, TLoadDataFrm,
                    TAboutBox, TScaffoldFrm, TWindFrm, TCouplersFrm, TDurationFrm, TTimberFrm, TKX_CapFrm,
                    TCantLHFrm, TCantRHFrm, TSpanFrm, TPrintFrm, TPointFrm, TTimSectFrm, TSetHeaderFrm>();
}

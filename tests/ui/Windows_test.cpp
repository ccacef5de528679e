// The window registry: the 21 windows, created once and hidden, in their order with their captions.
#include "app/Forms.h"
#include "foundation/ui/Windows.h"

#include <QWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"

using namespace kx;

TEST_F(FormsTest, TheTwentyOneWindowsAreCreatedOnceHiddenInTheirOrderWithTheirCaptions) {
    // clang-format off
    const std::pair<const char*, const char*> expected[] = { // name (the class is T + name), caption
        {"Form1", "KX-Flexor"}, {"KX_BeamFrm", "Beam Data"}, {"PreferencesFrm", "Preferences"},
        {"KX_GridFrm", "Section Data"}, {"IndexFrm", "KX-Flexor"}, {"InfoFrm", "Info"},
        {"LoadDataFrm", "Load Data"}, {"AboutBox", "About"}, {"ScaffoldFrm", "Scaffold Tube Axial Capacity"},
        {"WindFrm", "Wind Loading"}, {"CouplersFrm", "Explanation"}, {"DurationFrm", "DurationFrm"},
        {"TimberFrm", "Timber"}, {"KX_CapFrm", "Steel Member Capacities to BS 5975"},
        {"CantLHFrm", "LH Cantilever"}, {"CantRHFrm", "RH Cantilever"}, {"SpanFrm", "Span"},
        {"PrintFrm", "Print Options"}, {"PointFrm", "Results at point."},
        {"TimSectFrm", "Timber Section Properties"}, {"SetHeaderFrm", "Set Header"}};
    // clang-format on
    const std::vector<QWidget*> order = FormsInCreationOrder();
    ASSERT_EQ(order.size(), std::size(expected));
    for (std::size_t i = 0; i < order.size(); ++i) {
        const auto& [name, caption] = expected[i];
        EXPECT_EQ(order[i]->metaObject()->className(), "kx::T" + std::string(name)) << "window " << i + 1;
        EXPECT_EQ(order[i]->objectName().toStdString(), name);
        EXPECT_EQ(order[i]->windowTitle().toStdString(), caption);
        EXPECT_TRUE(order[i]->isWindow());
        EXPECT_FALSE(order[i]->isVisible()) << name;
    }
    CreateForms(); // a second call makes nothing new
    EXPECT_EQ(FormsInCreationOrder(), order);
    DestroyForms();
    EXPECT_TRUE(FormsInCreationOrder().empty());
    EXPECT_EQ(Forms.IndexFrm, nullptr);
}

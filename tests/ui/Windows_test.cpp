// The window registry: every window created once, hidden, a top-level window named after its class.
#include "app/Forms.h"
#include "foundation/ui/Windows.h"

#include <QWidget>
#include <gtest/gtest.h>

#include "FormsFixture.h"

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

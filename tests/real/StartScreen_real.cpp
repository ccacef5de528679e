// The start screen in a real window: its buttons open the program's windows.
#include <QPushButton>

#include "RealWindow.h"
#include "window/ui/Index.h"

using namespace kx;

TEST_F(RealWindowTest, StartScreenBeamAnalysisOpensTheMainWindow) {
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    QTest::mouseClick(Forms.Form1->cmdOK, Qt::LeftButton);
    settle();
    EXPECT_TRUE(Widget(Forms.IndexFrm)->isVisible());
}

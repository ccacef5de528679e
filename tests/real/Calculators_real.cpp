// The strut and wind calculators in real windows, as one table of flows: the start screen's menu,
// the inputs clicked and typed, the calculate button, and the lines the user reads.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <vector>

#include "RealWindow.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Wind.h"

using namespace kx;

TEST_F(RealWindowTest, CalculatorsFromTheStartScreenShowTheirWorkedFigures) {
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    TScaffoldFrm* strut = Forms.ScaffoldFrm;
    TWindFrm* wind = Forms.WindFrm;
    auto lines = [](const QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i)
            out << l->item(i)->text();
        return out;
    };
    struct Flow {
        const char* menu;
        QAction* item;
        QWidget* window;
        std::vector<std::pair<QWidget*, const char*>> inputs; // text typed, or a click when null
        QWidget* calculate;
        std::function<QStringList()> shown;
        QStringList expected; // from the line the result starts on
    };
    const Flow flows[] = {
        // A used tube of 2 m effective length (the capacity of a used tube is the lower).
        {"Member Capacities",
         Forms.Form1->StrutCapacityofScaffoldTube1,
         strut,
         {{strut->Option_Used, nullptr}, {strut->Edit_Le, "2"}},
         strut->Button1,
         [strut] { return strut->Memo_Tube->toPlainText().split(QLatin1Char('\n')).mid(1); },
         {" \"Used\" Steel Tube 48.3 o/d x 4.0 wt", " to BS 1139  Part 1  Section 1.1  1990", " ",
          " Effective Length = 2.00 m", " Permissible Axial Load = 24.9 kN"}},
        // The worked example: 46 m/s basic, 20 m high, factor 1.3, 10 m of tube and of board.
        {"Wind ",
         Forms.Form1->WindLoadingtoBS59731,
         wind,
         {{wind->Edit_Desc, "North elevation"},
          {wind->Edit_Basic, "46"},
          {wind->Edit_Height, "20"},
          {wind->Edit_Factor, "1.3"},
          {wind->Edit_TubeLength, "10"},
          {wind->Edit_BoardLength, "10"}},
         wind->cmd_Calc,
         [&] { return lines(wind->List_Results).mid(24); },
         {" Total wind load area 1     = 3.070 kN"}},
    };
    for (const Flow& f : flows) {
        SCOPED_TRACE(f.window->objectName().toStdString());
        pick(Forms.Form1, f.menu, f.item);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.window));
        for (auto [input, text] : f.inputs)
            text ? typeText(input, text) : click(input);
        QTest::mouseClick(f.calculate, Qt::LeftButton);
        settle();
        EXPECT_EQ(f.shown(), f.expected);
        EXPECT_TRUE(dialogs_->shown.empty());
        f.window->hide();
    }
}

// The steel, strut and wind calculators in real windows, as one table of flows: the start screen's
// menu, the inputs clicked and typed, the calculate button, and the lines the user reads.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <vector>

#include "RealWindow.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Wind.h"

using namespace kx;

TEST_F(RealWindowTest, CalculatorsFromTheStartScreenShowTheirWorkedFigures) {
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    TKX_CapFrm* steel = Forms.KX_CapFrm;
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
        std::function<void()> before;                         // what the inputs cannot say
        std::vector<std::pair<QWidget*, const char*>> inputs; // text typed, or a click when null
        QWidget* calculate;
        std::function<QStringList()> shown;
        QStringList expected; // from the line the result starts on, or lines among the others
        bool whole = true;
    };
    const Flow flows[] = {
        // A 127 x 76 UB 13 of 3 m effective length under 50 kN and 3 kN-m.
        {"Member Capacities",
         Forms.Form1->SteelMemberCapacitiestoBS59501,
         steel,
         [steel] {
             steel->familyItems[0]->trigger(); // Section Properties > Beams > Universal Beams
             const auto found =
                 steel->List_Section->findItems(QStringLiteral("127 x 76 UB 13"), Qt::MatchStartsWith);
             ASSERT_FALSE(found.isEmpty());
             steel->List_Section->scrollToItem(found.front());
             QTest::mouseClick(steel->List_Section->viewport(), Qt::LeftButton, {},
                               steel->List_Section->visualItemRect(found.front()).center());
         },
         {{steel->Edit_Le, "3"},
          {steel->Edit_Axial, "50"},
          {steel->Edit_Mom, "3"},
          {steel->cmd_AxialXX, nullptr},
          {steel->cmd_AxialYY, nullptr},
          {steel->cmd_MomXX, nullptr}},
         steel->cmd_Calc,
         [&] { return lines(steel->List_Results); },
         {"   Permissible Axial Load = 229 kN", "   pc = 35.3 N/mm^2", "   Permissible Moment = 7.78 kN-m",
          "   Unity check Fc/Pc + Fbc/Pbc = 1.24"},
         false},
        // A used tube of 2 m effective length (the capacity of a used tube is the lower).
        {"Member Capacities",
         Forms.Form1->StrutCapacityofScaffoldTube1,
         strut,
         {},
         {{strut->Option_Used, nullptr}, {strut->Edit_Le, "2"}},
         strut->Button1,
         [strut] { return strut->Memo_Tube->toPlainText().split(QLatin1Char('\n')).mid(1); },
         {" \"Used\" Steel Tube 48.3 o/d x 4.0 wt", " to BS 1139  Part 1  Section 1.1  1990", " ",
          " Effective Length = 2.00 m", " Permissible Axial Load = 24.9 kN"}},
        // The worked example: 46 m/s basic, 20 m high, factor 1.3, 10 m of tube and of board.
        {"Wind ",
         Forms.Form1->WindLoadingtoBS59731,
         wind,
         {},
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
        if (f.before) f.before();
        for (auto [input, text] : f.inputs)
            text ? typeText(input, text) : click(input);
        QTest::mouseClick(f.calculate, Qt::LeftButton);
        settle();
        const QStringList shown = f.shown();
        if (f.whole) {
            EXPECT_EQ(shown, f.expected);
        }
        for (const QString& line : f.expected)
            EXPECT_TRUE(shown.contains(line)) << line.toStdString();
        EXPECT_TRUE(dialogs_->shown.empty());
        f.window->hide();
    }
}

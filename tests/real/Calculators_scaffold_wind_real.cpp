// The strut and wind calculators in a real window, reached from the start screen's menu.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "RealWindow.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Wind.h"

using namespace kx;

namespace {

// Opens the start screen's menu title and picks an item, as a user does, with the keyboard once the
// menu is open.
void pickFromMenu(const QString& title, QAction* item) {
    QMenuBar* bar = Forms.Form1->menuBar();
    QAction* menuAction = nullptr;
    for (QAction* a : bar->actions())
        if (a->text() == title) menuAction = a;
    ASSERT_NE(menuAction, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menuAction).center());
    QMenu* menu = menuAction->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(item);
    QTest::keyClick(menu, Qt::Key_Return);
}

void typeInto(QLineEdit* e, const char* text) {
    e->selectAll();
    QTest::keyClicks(e, QString::fromLatin1(text));
}

} // namespace

TEST_F(RealWindowTest, StrutCalculatorFromTheStartScreenGivesTheTubesLoad) {
    pickFromMenu(QStringLiteral("Member Capacities"), Forms.Form1->StrutCapacityofScaffoldTube1);
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    // On the button's mark: a radio reacts to clicks on its mark and text only.
    QTest::mouseClick(w->Option_Used, Qt::LeftButton, {}, QPoint(8, w->Option_Used->height() / 2));
    EXPECT_TRUE(w->Option_Used->isChecked());
    typeInto(w->Edit_Le, "2");
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    settle();
    const QStringList lines = w->Memo_Tube->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[1], QStringLiteral(" \"Used\" Steel Tube 48.3 o/d x 4.0 wt"));
    EXPECT_EQ(lines[4], QStringLiteral(" Effective Length = 2.00 m"));
    EXPECT_EQ(lines[5], QStringLiteral(" Permissible Axial Load = 24.9 kN"));
    w->close();
    settle();
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(RealWindowTest, WindCalculatorFromTheStartScreenGivesTheWorkedExample) {
    pickFromMenu(QStringLiteral("Wind "), Forms.Form1->WindLoadingtoBS59731);
    TWindFrm* w = Forms.WindFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    typeInto(w->Edit_Desc, "North elevation");
    typeInto(w->Edit_Basic, "46");
    typeInto(w->Edit_Height, "20");
    typeInto(w->Edit_Factor, "1.3");
    typeInto(w->Edit_TubeLength, "10");
    typeInto(w->Edit_BoardLength, "10");
    QTest::mouseClick(w->cmd_Calc, Qt::LeftButton);
    settle();
    ASSERT_EQ(w->List_Results->count(), 25);
    EXPECT_EQ(w->List_Results->item(7)->text(), QStringLiteral(" Design Wind Speed          = 37.5 m/s"));
    EXPECT_EQ(w->List_Results->item(16)->text(), QStringLiteral("                            = 0.543 kN"));
    EXPECT_EQ(w->List_Results->item(24)->text(), QStringLiteral(" Total wind load area 1     = 3.070 kN"));

    // The spinner's up arrow takes the window to area 2.
    w->Edit_AreaNo->setFocus();
    QTest::keyClick(w->Edit_AreaNo, Qt::Key_Up);
    settle();
    EXPECT_EQ(w->Edit_AreaNo->value(), 2);
    EXPECT_EQ(w->Edit_Basic->text(), QStringLiteral("46.0"));
    EXPECT_EQ(w->Edit_Height->text(), QStringLiteral("0.0"));
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_TRUE(dialogs_->shown.empty());
}

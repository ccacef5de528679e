// The strut and wind calculators in a real window, reached from the start screen's menu.
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "RealWindow.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Wind.h"

using namespace kx;

namespace {

void typeInto(QLineEdit* e, const char* text) {
    e->selectAll();
    QTest::keyClicks(e, QString::fromLatin1(text));
}

} // namespace

TEST_F(RealWindowTest, StrutCalculatorFromTheStartScreenGivesTheTubesLoad) {
    pick(Forms.Form1, "Member Capacities", Forms.Form1->StrutCapacityofScaffoldTube1);
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    // On the button's mark: a radio reacts to clicks on its mark and text only.
    QTest::mouseClick(w->Option_Used, Qt::LeftButton, {}, QPoint(8, w->Option_Used->height() / 2));
    typeInto(w->Edit_Le, "2");
    QTest::mouseClick(w->Button1, Qt::LeftButton);
    settle();
    EXPECT_EQ(w->Memo_Tube->toPlainText().split(QLatin1Char('\n')).mid(1),
              QStringList({" \"Used\" Steel Tube 48.3 o/d x 4.0 wt", " to BS 1139  Part 1  Section 1.1  1990",
                           " ", " Effective Length = 2.00 m", " Permissible Axial Load = 24.9 kN"}));
    EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(RealWindowTest, WindCalculatorFromTheStartScreenGivesTheWorkedExample) {
    pick(Forms.Form1, "Wind ", Forms.Form1->WindLoadingtoBS59731);
    TWindFrm* w = Forms.WindFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    const std::pair<QLineEdit*, const char*> typed[] = {
        {w->Edit_Desc, "North elevation"}, {w->Edit_Basic, "46"},      {w->Edit_Height, "20"},
        {w->Edit_Factor, "1.3"},           {w->Edit_TubeLength, "10"}, {w->Edit_BoardLength, "10"}};
    for (auto [e, t] : typed)
        typeInto(e, t);
    QTest::mouseClick(w->cmd_Calc, Qt::LeftButton);
    settle();
    ASSERT_EQ(w->List_Results->count(), 25);
    EXPECT_EQ(w->List_Results->item(24)->text(), QStringLiteral(" Total wind load area 1     = 3.070 kN"));

    // The spinner's up arrow takes the window to area 2.
    w->Edit_AreaNo->setFocus();
    QTest::keyClick(w->Edit_AreaNo, Qt::Key_Up);
    settle();
    EXPECT_EQ(w->Edit_AreaNo->value(), 2);
    EXPECT_EQ(w->Edit_Height->text() + w->Edit_Basic->text(), QStringLiteral("0.046.0"));
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_TRUE(dialogs_->shown.empty());
}

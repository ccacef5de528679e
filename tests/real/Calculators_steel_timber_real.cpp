// The steel and timber calculators in real windows, reached from the start screen's menu.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "RealWindow.h"
#include "calculators/ui/Duration.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Timber.h"

using namespace kx;

namespace {

// Opens the start screen's "Member Capacities" menu with the mouse and clicks an item of it.
void chooseFromStartScreen(QAction* item) {
    QMenuBar* bar = Forms.Form1->menuBar();
    QAction* top = nullptr;
    for (QAction* a : bar->actions())
        if (a->menu() && a->menu()->actions().contains(item)) top = a;
    ASSERT_NE(top, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(top).center());
    QMenu* menu = top->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

void clickLine(QListWidget* list, const QString& startsWith) {
    const auto found = list->findItems(startsWith, Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << startsWith.toStdString();
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

QStringList lines(const QListWidget* l) {
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}

void type(QLineEdit* e, const char* text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClicks(e, QString::fromLatin1(text));
}

} // namespace

TEST_F(RealWindowTest, SteelCalculatorFromTheStartScreenGivesTheUniversalBeamFigures) {
    chooseFromStartScreen(Forms.Form1->SteelMemberCapacitiestoBS59501);
    TKX_CapFrm* w = Forms.KX_CapFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(w->size(), QSize(790, 540));

    w->familyItems[0]->trigger(); // Section Properties > Beams > Universal Beams
    clickLine(w->List_Section, "127 x 76 UB 13");
    settle();
    EXPECT_TRUE(lines(w->List_Props).contains("  Ixx = 473.4 cm^4"));
    type(w->Edit_Le, "3");
    type(w->Edit_Axial, "50");
    type(w->Edit_Mom, "3");
    for (QPushButton* b : {w->cmd_AxialXX, w->cmd_AxialYY, w->cmd_MomXX, w->cmd_Calc})
        QTest::mouseClick(b, Qt::LeftButton);
    settle();
    const QStringList r = lines(w->List_Results);
    for (const char* line :
         {"   pc = 139 N/mm^2", "   Permissible Axial Load = 229 kN", "   pc = 35.3 N/mm^2",
          "   Permissible Moment = 7.78 kN-m", "   Unity check Fc/Pc + Fbc/Pbc = 1.24",
          "Combined Axial Load and Bending too high"})
        EXPECT_TRUE(r.contains(QString::fromLatin1(line))) << line;
    EXPECT_EQ(w->List_Results->palette().color(QPalette::Text), QColor(Qt::red));
    // Typing clears the results.
    QTest::keyClicks(w->Edit_Mom, "0");
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(RealWindowTest, TimberCalculatorFromTheStartScreenChecksTheC16Member) {
    chooseFromStartScreen(Forms.Form1->TimberMemberCapacitiestoBS596359751);
    TTimberFrm* w = Forms.TimberFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));

    w->Combo_Grade->setCurrentIndex(1); // "   C16"
    QTest::mouseClick(w->Option_Dry, Qt::LeftButton, {}, QPoint(8, w->Option_Dry->height() / 2));
    type(w->Edit_Width, "50");
    type(w->Edit_Depth, "150");
    type(w->Edit_Le, "2");
    type(w->Edit_Title, "Soldier");
    ASSERT_TRUE(w->Option_Dry->isChecked());

    TDurationFrm* d = Forms.DurationFrm;
    bool answered = false;
    QTimer::singleShot(0, d, [&] {
        if (!QTest::qWaitForWindowExposed(d)) return;
        type(d->Edit_Axial, "10");
        type(d->Edit_Mom, "0.5");
        QTest::mouseClick(d->cmd_OK, Qt::LeftButton);
        answered = true;
    });
    QTimer::singleShot(10000, d, [d] { d->reject(); });
    QTest::mouseClick(w->cmd_Comb, Qt::LeftButton);
    settle();
    ASSERT_TRUE(answered);
    EXPECT_FALSE(d->isVisible());

    const QStringList r = lines(w->List_Results);
    EXPECT_EQ(r.size(), 78);
    for (const char* line :
         {" Soldier", " 50.0 x 150 C16", "  K7 = 1.079", "  Permissible Bending Moment = 1.50 kN-m",
          "  K12 = 0.7265", "  Permissible Axial Load = 51.87 kN", "  Combined Loading Equation = 0.545"})
        EXPECT_TRUE(r.contains(QString::fromLatin1(line))) << line;
    EXPECT_TRUE(lines(w->List_Sum).contains("  Combined Loading OK"));
    EXPECT_TRUE(dialogs_->shown.empty());
}

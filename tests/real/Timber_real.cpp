// The timber calculator in a real window, reached from the start screen's menu, with the
// load-duration window it opens answered while it is modal.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "RealWindow.h"
#include "calculators/ui/Duration.h"
#include "calculators/ui/Timber.h"

using namespace kx;

namespace {

void type(QLineEdit* e, const char* text) {
    e->setFocus();
    QTest::keyClicks(e, QString::fromLatin1(text));
}

bool listed(const QListWidget* l, const char* line) {
    return !l->findItems(line, Qt::MatchExactly).isEmpty();
}

} // namespace

TEST_F(RealWindowTest, TimberCalculatorFromTheStartScreenChecksTheC16Member) {
    pick(Forms.Form1, "Member Capacities", Forms.Form1->TimberMemberCapacitiestoBS596359751);
    TTimberFrm* w = Forms.TimberFrm;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->Combo_Grade->setCurrentIndex(1); // "   C16"
    QTest::mouseClick(w->Option_Dry, Qt::LeftButton, {}, QPoint(8, w->Option_Dry->height() / 2));
    type(w->Edit_Width, "50");
    type(w->Edit_Depth, "150");
    type(w->Edit_Le, "2");

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
    EXPECT_EQ(w->List_Results->count(), 78);
    for (const char* line : {" 50.0 x 150 C16", "  Permissible Bending Moment = 1.50 kN-m",
                             "  Permissible Axial Load = 51.87 kN", "  Combined Loading Equation = 0.545"})
        EXPECT_TRUE(listed(w->List_Results, line)) << line;
    EXPECT_TRUE(listed(w->List_Sum, "  Combined Loading OK"));
}

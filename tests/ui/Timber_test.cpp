// The timber window and its load-duration dialog, headless: the dialog is answered from a timer
// while it runs modally; their bindings.
#include "calculators/ui/Timber.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "calculators/ui/Duration.h"
#include "platform/Printer.h"
#include "platform/QtDialogs.h"
#include "window/ui/SetHeader.h"

using namespace kx;

namespace {

// C16 50 x 150, dry, Le 2 m; then presses a button and runs `answer` once the dialog is up. False
// when no dialog came.
bool press(QPushButton* button, const std::function<void(TDurationFrm*)>& answer) {
    TTimberFrm* w = Forms.TimberFrm;
    w->Combo_Grade->setCurrentIndex(1);
    w->Option_Dry->setChecked(true);
    const std::pair<QLineEdit*, const char*> sizes[] = {
        {w->Edit_Width, "50"}, {w->Edit_Depth, "150"}, {w->Edit_Le, "2"}};
    for (auto [e, t] : sizes)
        if (e->text() != QLatin1String(t)) e->setText(QString::fromLatin1(t));
    TDurationFrm* d = Forms.DurationFrm;
    bool shown = false;
    QTimer::singleShot(0, d, [&] {
        shown = d->isVisible();
        if (shown) answer(d);
    });
    QTimer::singleShot(3000, d, [d] { d->reject(); }); // nothing is left waiting
    button->click();
    return shown;
}

void answerOK(TDurationFrm* d, const char* mom = "", const char* axial = "") {
    d->Edit_Mom->setText(mom);
    d->Edit_Axial->setText(axial);
    d->cmd_OK->click();
}

bool listed(const QListWidget* l, const char* line) {
    return !l->findItems(line, Qt::MatchExactly).isEmpty();
}

} // namespace

TEST_F(FormsTest, TimberWindowRunsTheDurationDialogByModeAndItsMenu) {
    TTimberFrm* w = Forms.TimberFrm;
    bool bendingOnly = false;
    ASSERT_TRUE(press(w->cmd_BendCap, [&](TDurationFrm* d) {
        bendingOnly =
            d->GroupBending->isEnabled() && !d->GroupAxial->isEnabled() && d->Edit_Axial->isHidden();
        answerOK(d);
    }));
    EXPECT_TRUE(bendingOnly);
    EXPECT_TRUE(listed(w->List_Results, "  Permissible Bending Moment = 1.50 kN-m"));
    EXPECT_EQ(w->lbl_K3b->text(), QStringLiteral("1.40"));

    // Combined: a load that is no number is refused and the dialog stays for a second answer.
    std::vector<std::string> refused;
    bool stayed = false;
    ASSERT_TRUE(press(w->cmd_Comb, [&](TDurationFrm* d) {
        d->axialOptions[5]->setChecked(true);
        EXPECT_EQ(d->lbl_AxK3->text(), QStringLiteral("1.50"));
        answerOK(d, "0.5", "10kN");
        refused = dialogs_->messages();
        stayed = d->isVisible();
        d->axialOptions[4]->setChecked(true);
        answerOK(d, "0.5", "10");
    }));
    EXPECT_EQ(refused, std::vector<std::string>{"'10kN' is not a valid floating point value"});
    EXPECT_TRUE(stayed);
    EXPECT_EQ(w->List_Results->count(), 78);
    EXPECT_TRUE(listed(w->List_Sum, "  Combined Loading OK"));

    ASSERT_TRUE(press(w->cmd_Comb, [](TDurationFrm* d) { answerOK(d, "0.4", "200"); }));
    EXPECT_EQ(w->List_Sum->palette().color(QPalette::Text), QColor(Qt::red));
    // Each control of the window and of the dialog feeds and shows its own field (their handlers
    // quiet), and each duration radio gives its duration.
    TDurationFrm* dlg = Forms.DurationFrm;
    w->Bindings.SetFilling(true);
    dlg->Bindings.SetFilling(true);
    kxtest::ExpectRoundTrip(w->Bindings);
    kxtest::ExpectRoundTrip(w->Shown);
    kxtest::ExpectRoundTrip(dlg->Bindings);
    kxtest::ExpectRoundTrip(dlg->Shown);
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), std::set<std::string>{});
    EXPECT_EQ(kxtest::UnboundInputs(dlg, dlg->Bindings), std::set<std::string>{});
    const Duration::DurationInputs chosen = dlg->Bindings.Read();
    for (int i = 0; i < kTimberDurations; ++i) {
        const std::string name = TimberDurations()[static_cast<std::size_t>(i)].Option; // "Option_LT"
        dlg->findChild<QRadioButton*>(ToQt(name))->setChecked(true);
        dlg->findChild<QRadioButton*>(ToQt("Option_Ax" + name.substr(7)))->setChecked(true);
        EXPECT_EQ(dlg->Bindings.Read().BendingOption, i);
        EXPECT_EQ(dlg->Bindings.Read().AxialOption, i);
    }
    dlg->Bindings.Show(chosen);
    using C = Timber::TimberInputs;
    const std::tuple<QRadioButton*, bool C::*, bool C::*> pairs[] = {
        {w->Option_Share, &C::Option_Share, &C::Option_Single},
        {w->Option_Single, &C::Option_Single, &C::Option_Share},
        {w->Option_Wet, &C::Option_Wet, &C::Option_Dry},
        {w->Option_Dry, &C::Option_Dry, &C::Option_Wet},
        {w->Option_Minor, &C::Option_Minor, &C::Option_Major},
        {w->Option_Major, &C::Option_Major, &C::Option_Minor}};
    for (auto [radio, on, off] : pairs) {
        radio->setChecked(true);
        EXPECT_TRUE(w->Bindings.Read().*on && !(w->Bindings.Read().*off)) << FromQt(radio->objectName());
    }
    w->Bindings.SetFilling(false);
    dlg->Bindings.SetFilling(false);
    ASSERT_TRUE(press(w->cmd_AxialCap, [](TDurationFrm* d) {
        d->axialOptions[5]->setChecked(true);
        d->reject(); // the close box calculates nothing
    }));
    EXPECT_EQ(w->lbl_K3ax->text(), QStringLiteral("1.40"));

    // Clicking into a size clears every report.
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w->Edit_Depth, &click);
    EXPECT_EQ(w->List_Results->count() + w->List_Sum->count(), 0);

    bool modal = false;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget() == Widget(Forms.SetHeaderFrm);
        Forms.SetHeaderFrm->reject();
    });
    w->SetHeader1->trigger();
    EXPECT_TRUE(modal);

    RecordingPrinter recording;
    Printer* previous = &printer();
    InstallPrinter(&recording);
    w->Print1->trigger(); // nothing calculated: nothing printed
    EXPECT_TRUE(recording.pages.empty());
    w->Edit_Title->setText(QStringLiteral("Soldier"));
    ASSERT_TRUE(press(w->cmd_Comb, [](TDurationFrm* d) {
        d->axialOptions[4]->setChecked(true); // General again
        answerOK(d, "0.5", "10");
    }));
    w->Print1->trigger();
    InstallPrinter(previous);
    ASSERT_EQ(recording.pages.size(), 1u);
    EXPECT_TRUE(recording.pages[0]->hasText(" Soldier") &&
                recording.pages[0]->hasText("  K8 = 1.0  (Single)"));

    ShowForm(w);
    w->Close1->trigger();
    EXPECT_FALSE(w->isVisible());
}

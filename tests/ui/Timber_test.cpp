// The timber window and its load-duration dialog, headless: the dialog is answered from a timer
// while it runs modally.
#include "calculators/ui/Timber.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "FormsFixture.h"
#include "calculators/ui/Duration.h"
#include "platform/QtPrinter.h"
#include "window/ui/SetHeader.h"

using namespace kx;

namespace {

QStringList lines(const QListWidget* l) {
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}

// Presses a button; `answer` runs once the dialog is up. False when no dialog came.
bool pressAnswering(QPushButton* button, const std::function<void(TDurationFrm*)>& answer) {
    TDurationFrm* d = Forms.DurationFrm;
    bool shown = false;
    QTimer::singleShot(0, d, [&] {
        shown = d->isVisible();
        if (shown) answer(d);
    });
    // Nothing may be left waiting: a dialog still up after the answer is closed.
    QTimer::singleShot(3000, d, [d] { d->reject(); });
    button->click();
    return shown;
}

void answerOK(TDurationFrm* d, const char* mom = "", const char* axial = "") {
    d->Edit_Mom->setText(mom);
    d->Edit_Axial->setText(axial);
    d->cmd_OK->click();
}

void setMember(TTimberFrm* w) {
    w->Combo_Grade->setCurrentIndex(1);
    w->Option_Dry->setChecked(true);
    w->Edit_Width->setText("50");
    w->Edit_Depth->setText("150");
    w->Edit_Le->setText("2");
}

} // namespace

TEST_F(FormsTest, TimberWindowStartsReadyAndRunsTheDurationDialogByMode) {
    TTimberFrm* w = Forms.TimberFrm;
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Timber"));
    EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(w->Combo_Grade->count(), 26);
    EXPECT_EQ(w->Combo_Grade->currentText(), QStringLiteral("   C14"));
    EXPECT_TRUE(w->Option_Single->isChecked() && w->Option_Wet->isChecked() && w->Option_Major->isChecked());
    EXPECT_EQ(w->lbl_BendStress->text(), QStringLiteral("4.10"));
    EXPECT_EQ(w->lbl_K1->text(), QStringLiteral("1.02"));
    EXPECT_EQ(w->cmd_AxialCap->text(), QStringLiteral("Axial Capacity about x-x"));

    setMember(w);
    EXPECT_EQ(w->lbl_Eb->text(), QStringLiteral("5800"));
    EXPECT_EQ(w->lbl_K2E->text(), QStringLiteral("1.0"));
    w->Option_Minor->setChecked(true);
    EXPECT_EQ(w->cmd_BendCap->text(), QStringLiteral("Bending Capacity about y-y"));
    w->Option_Major->setChecked(true);

    // Bending: only the bending group, no loads, OK at the narrow place.
    bool bendingOnly = false, loadsHidden = false;
    int okLeft = 0;
    ASSERT_TRUE(pressAnswering(w->cmd_BendCap, [&](TDurationFrm* d) {
        bendingOnly = d->GroupBending->isEnabled() && !d->GroupAxial->isEnabled();
        loadsHidden = d->Edit_Axial->isHidden() && d->Label_Comb1->isHidden();
        okLeft = d->cmd_OK->x();
        answerOK(d);
    }));
    EXPECT_TRUE(bendingOnly);
    EXPECT_TRUE(loadsHidden);
    EXPECT_EQ(okLeft, Forms.DurationFrm->Panel3->width());
    EXPECT_TRUE(lines(w->List_Results).contains("  Permissible Bending Moment = 1.50 kN-m"));
    EXPECT_EQ(w->lbl_K3b->text(), QStringLiteral("1.40"));

    // Combined: both groups and the loads. The strut's Wall option; a load that is no number is
    // refused and the dialog stays for a second answer.
    std::vector<std::string> refused;
    bool stayed = false;
    ASSERT_TRUE(pressAnswering(w->cmd_Comb, [&](TDurationFrm* d) {
        EXPECT_TRUE(d->GroupAxial->isEnabled() && d->GroupBending->isEnabled() && d->Edit_Axial->isVisible());
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
    EXPECT_TRUE(lines(w->List_Sum).contains("  Combined Loading OK"));
    EXPECT_EQ(w->List_Sum->palette().color(QPalette::Text), QColor(Qt::black));

    // Past the Euler load: red. The close box calculates nothing.
    ASSERT_TRUE(pressAnswering(w->cmd_Comb, [](TDurationFrm* d) { answerOK(d, "0.4", "200"); }));
    EXPECT_TRUE(lines(w->List_Sum).contains("  Combined Loading Too High"));
    EXPECT_EQ(w->List_Sum->palette().color(QPalette::Text), QColor(Qt::red));
    const QStringList before = lines(w->List_Results);
    ASSERT_TRUE(pressAnswering(w->cmd_AxialCap, [](TDurationFrm* d) { d->reject(); }));
    EXPECT_EQ(lines(w->List_Results), before);

    // Clicking into a size clears every report.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w->Edit_Depth, &press);
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_EQ(w->List_Sum->count(), 0);
}

TEST_F(FormsTest, TimberWindowStopsBeforeTheDialogOnInputsItCannotUse) {
    TTimberFrm* w = Forms.TimberFrm;
    setMember(w);
    for (auto [edit, text, message] : {std::tuple{w->Edit_Width, "", "Enter value for width"},
                                       std::tuple{w->Edit_Depth, "-150", "Enter value for depth"},
                                       std::tuple{w->Edit_Le, "0", "Enter value for effective length"}}) {
        const QString kept = edit->text();
        edit->setText(text);
        dialogs_->clear();
        EXPECT_FALSE(pressAnswering(w->cmd_Comb, [](TDurationFrm* d) { d->reject(); })) << message;
        EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{message});
        EXPECT_EQ(Model.CheckAbortFlag, 1);
        edit->setText(kept);
    }
}

TEST_F(FormsTest, TimberWindowMenuShowsTheHeaderDialogModallyAndCloses) {
    TTimberFrm* w = Forms.TimberFrm;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        modal = Widget(Forms.SetHeaderFrm)->isVisible() && Widget(Forms.SetHeaderFrm)->isModal();
        Forms.SetHeaderFrm->reject();
    });
    w->SetHeader1->trigger();
    EXPECT_TRUE(modal);
    ShowForm(w);
    w->Close1->trigger();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FormsTest, TimberWindowPrintsItsPageToAPdf) {
    TTimberFrm* w = Forms.TimberFrm;
    const std::string pdf = dir_.path("timber.pdf");
    QtPrinter pdfPrinter(pdf);
    Printer* previous = &printer();
    InstallPrinter(&pdfPrinter);
    w->Print1->trigger(); // nothing calculated: nothing printed
    EXPECT_FALSE(std::filesystem::exists(pdf));
    setMember(w);
    ASSERT_TRUE(pressAnswering(w->cmd_Comb, [](TDurationFrm* d) { answerOK(d, "0.5", "10"); }));
    w->Print1->trigger();
    InstallPrinter(previous);
    EXPECT_TRUE(dialogs_->shown.empty());
    ASSERT_TRUE(std::filesystem::exists(pdf));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString out = QString::fromLatin1(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("K8 = 1.0 (Single)")) ||
                out.contains(QStringLiteral("K8 = 1.0  (Single)")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Permissible Axial Load = 51.87 kN"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Combined Loading Equation = 0.545"))) << out.toStdString();
}

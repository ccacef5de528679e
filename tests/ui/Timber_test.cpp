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
    QTimer::singleShot(3000, d, [d] { d->reject(); }); // nothing is left waiting
    button->click();
    return shown;
}

void answerOK(TDurationFrm* d, const char* mom = "", const char* axial = "") {
    d->Edit_Mom->setText(mom);
    d->Edit_Axial->setText(axial);
    d->cmd_OK->click();
}

void setC16(TTimberFrm* w) {
    w->Combo_Grade->setCurrentIndex(1);
    w->Option_Dry->setChecked(true);
    w->Edit_Width->setText("50");
    w->Edit_Depth->setText("150");
    w->Edit_Le->setText("2");
}

} // namespace

TEST_F(FormsTest, TimberWindowRunsTheDurationDialogByMode) {
    TTimberFrm* w = Forms.TimberFrm;
    setC16(w);
    EXPECT_EQ(w->lbl_Eb->text() + w->lbl_K2E->text(), QStringLiteral("58001.0"));

    bool bendingOnly = false;
    int okLeft = 0;
    ASSERT_TRUE(pressAnswering(w->cmd_BendCap, [&](TDurationFrm* d) {
        bendingOnly =
            d->GroupBending->isEnabled() && !d->GroupAxial->isEnabled() && d->Edit_Axial->isHidden();
        okLeft = d->cmd_OK->x();
        answerOK(d);
    }));
    EXPECT_TRUE(bendingOnly);
    EXPECT_EQ(okLeft, Forms.DurationFrm->Panel3->width());
    EXPECT_TRUE(lines(w->List_Results).contains("  Permissible Bending Moment = 1.50 kN-m"));
    EXPECT_EQ(w->lbl_K3b->text(), QStringLiteral("1.40"));

    // Combined: a load that is no number is refused and the dialog stays for a second answer.
    std::vector<std::string> refused;
    bool stayed = false;
    ASSERT_TRUE(pressAnswering(w->cmd_Comb, [&](TDurationFrm* d) {
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

    ASSERT_TRUE(pressAnswering(w->cmd_Comb, [](TDurationFrm* d) { answerOK(d, "0.4", "200"); }));
    EXPECT_EQ(w->List_Sum->palette().color(QPalette::Text), QColor(Qt::red));
    const QStringList before = lines(w->List_Results);
    ASSERT_TRUE(pressAnswering(w->cmd_AxialCap, [](TDurationFrm* d) { d->reject(); })); // the close box
    EXPECT_EQ(lines(w->List_Results), before);

    // Clicking into a size clears every report.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w->Edit_Depth, &press);
    EXPECT_EQ(w->List_Results->count() + w->List_Sum->count(), 0);
}

TEST_F(FormsTest, TimberWindowMenuSetsTheHeaderAndPrintsToAPdf) {
    TTimberFrm* w = Forms.TimberFrm;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        modal = Widget(Forms.SetHeaderFrm)->isVisible() && Widget(Forms.SetHeaderFrm)->isModal();
        Forms.SetHeaderFrm->reject();
    });
    w->SetHeader1->trigger();
    EXPECT_TRUE(modal);

    const std::string pdf = dir_.path("timber.pdf");
    QtPrinter pdfPrinter(pdf);
    Printer* previous = &printer();
    InstallPrinter(&pdfPrinter);
    w->Print1->trigger(); // nothing calculated: nothing printed
    EXPECT_FALSE(std::filesystem::exists(pdf));
    setC16(w);
    ASSERT_TRUE(pressAnswering(w->cmd_Comb, [](TDurationFrm* d) { answerOK(d, "0.5", "10"); }));
    w->Print1->trigger();
    InstallPrinter(previous);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString out = QString::fromLatin1(text.readAllStandardOutput()).simplified();
    for (const char* t : {"KX-Flexor", "K8 = 1.0 (Single)", "Permissible Axial Load = 51.87 kN"})
        EXPECT_TRUE(out.contains(QString::fromLatin1(t))) << t << "\n" << out.toStdString();

    ShowForm(w);
    w->Close1->trigger();
    EXPECT_FALSE(w->isVisible());
}

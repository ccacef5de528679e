// The timber window and its load-duration dialog, headless: the dialog is answered from a timer
// while it runs modally; their bindings.
#include "calculators/ui/Timber.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"
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
    // The dialog as each button shows it, each state reached from one whose groups differ: the
    // groups the check uses usable, the applied load and moment shown for the combined check only,
    // the four long-to-very-short durations never shown.
    const std::vector<std::string> combined{"Label_Comb1", "Label_Comb2", "Label_Comb3", "Label_Comb4",
                                            "Label_Comb5", "Edit_Axial",  "Edit_Mom"};
    std::vector<std::string> unseen{"Panel1", "Panel2", "Panel3", "Panel4"}, seen;
    for (std::string group : {"Option_", "Option_Ax"}) {
        for (const char* d : {"LT", "MT", "ST", "VST"})
            unseen.push_back(group + d);
        for (const char* d : {"General", "Wall", "Week", "Month", "Year"})
            seen.push_back(group + d);
    }
    auto shownBy = [](QPushButton* b) {
        return [b] { EXPECT_TRUE(press(b, [](TDurationFrm* d) { d->reject(); })); };
    };
    auto plus = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    kxtest::ExpectStates(Forms.DurationFrm, {{"strut check",
                                              shownBy(w->cmd_AxialCap),
                                              {"GroupAxial"},
                                              {"GroupBending"},
                                              seen,
                                              plus(unseen, combined)},
                                             {"bending check",
                                              shownBy(w->cmd_BendCap),
                                              {"GroupBending"},
                                              {"GroupAxial"},
                                              seen,
                                              plus(unseen, combined)},
                                             {"combined check",
                                              shownBy(w->cmd_Comb),
                                              {"GroupBending", "GroupAxial"},
                                              {},
                                              plus(seen, combined),
                                              unseen}});
    kxtest::ExpectStates(w, {{"as made", nullptr, {}, {}, {}, {"Panel1", "Panel2"}}});
    ASSERT_TRUE(press(w->cmd_BendCap, [](TDurationFrm* d) { answerOK(d); }));
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

// Each radio of the window and of the dialog, chosen from its partner, shows its own values; each
// button runs its own check through the dialog in its own mode.
TEST_F(FormsTest, TimberRadiosAndButtonsEachHaveTheirOwnEffect) {
    TTimberFrm* w = Forms.TimberFrm;
    w->Combo_Grade->setCurrentIndex(1); // C16: E 5800 single, 8800 sharing
    using Shows = std::vector<std::pair<std::string, std::string>>;
    auto shows = [](const QWidget* form, Shows expected) {
        return [form, expected] {
            for (const auto& [name, text] : expected)
                EXPECT_EQ(kxtest::Text(form, name), text) << name;
        };
    };
    auto from = [w](std::string partner) { return [w, partner] { kxtest::Click(w, partner); }; };
    kxtest::ExpectEffects(
        w, {{"Option_Share", from("Option_Single"), shows(w, {{"lbl_K8", "1.1"}, {"lbl_Eb", "8800"}})},
            {"Option_Single", from("Option_Share"), shows(w, {{"lbl_K8", "1.0"}, {"lbl_Eb", "5800"}})},
            {"Option_Dry", from("Option_Wet"), shows(w, {{"lbl_K1", "1.00"}, {"lbl_K2Ax", "1.0"}})},
            {"Option_Wet", from("Option_Dry"), shows(w, {{"lbl_K1", "1.02"}, {"lbl_K2Ax", "0.60"}})},
            {"Option_Minor", from("Option_Major"),
             shows(w, {{"cmd_BendCap", "Bending Capacity about y-y"},
                       {"cmd_AxialCap", "Axial Capacity about y-y"},
                       {"cmd_Comb", "Check Combined Loading about y-y"}})},
            {"Option_Major", from("Option_Minor"),
             shows(w, {{"cmd_BendCap", "Bending Capacity about x-x"},
                       {"cmd_AxialCap", "Axial Capacity about x-x"},
                       {"cmd_Comb", "Check Combined Loading about x-x"}})}});

    // The durations with their K3, each chosen from one of another K3 in its own group.
    const std::pair<const char*, const char*> k3[] = {
        {"General", "1.40"}, {"Wall", "1.50"}, {"Week", "1.40"}, {"Month", "1.30"}, {"Year", "1.20"}};
    ASSERT_TRUE(press(w->cmd_Comb, [&](TDurationFrm* d) {
        std::vector<kxtest::ControlEffect> rows;
        for (auto [group, label] :
             {std::pair<std::string, std::string>{"Option_", "lbl_MomK3"}, {"Option_Ax", "lbl_AxK3"}})
            for (auto [duration, value] : k3) {
                const std::string other = group + (duration == std::string("Year") ? "Wall" : "Year");
                rows.push_back(
                    {group + duration, [d, other] { kxtest::Click(d, other); }, shows(d, {{label, value}})});
            }
        kxtest::ExpectEffects(d, rows);
        d->reject();
    }));

    // Each button with every report emptied first: its own reports, K3 values and OK's place.
    const char* const titles[] = {"  MAJOR AXIS BENDING", "  MAJOR AXIS AXIAL LOADING",
                                  "  MAJOR AXIS COMBINED LOADING CHECK"};
    struct Row {
        const char* button;
        std::array<bool, 3> reports;
        const char *k3b, *k3ax, *okAt;
    };
    const Row rows[] = {{"cmd_BendCap", {true, false, false}, "1.40", "", "Panel3"},
                        {"cmd_AxialCap", {false, true, false}, "", "1.40", "Panel4"},
                        {"cmd_Comb", {true, true, true}, "1.40", "1.40", "Panel4"}};
    std::vector<kxtest::ControlEffect> effects;
    int okAt = -1;
    for (const Row& r : rows)
        effects.push_back(
            {r.button,
             [w] {
                 kxtest::Click(w, "Option_Major");
                 w->Edit_Width->clear();
             },
             [&, r] {
                 for (int i = 0; i < 3; ++i)
                     EXPECT_EQ(listed(w->List_Results, titles[i]), r.reports[static_cast<std::size_t>(i)])
                         << titles[i];
                 shows(w, {{"lbl_K3b", r.k3b}, {"lbl_K3ax", r.k3ax}})();
                 EXPECT_EQ(okAt, kxtest::Control(Forms.DurationFrm, r.okAt)->width());
             },
             [&, r] {
                 auto* button = qobject_cast<QPushButton*>(kxtest::Control(w, r.button));
                 ASSERT_NE(button, nullptr);
                 EXPECT_TRUE(press(button, [&](TDurationFrm* d) {
                     okAt = d->cmd_OK->x();
                     for (const char* general : {"Option_General", "Option_AxGeneral"})
                         kxtest::Click(d, general); // a greyed group's radio takes no click
                     answerOK(d, "0.5", "10");
                 }));
             }});
    kxtest::ExpectEffects(w, effects);
}

TEST_F(FormsTest, ADurationDialogClosedWithoutOkLeavesTheListsSummaryAndPrintoutOfTheLastCalculation) {
    TTimberFrm* w = Forms.TimberFrm;
    auto lines = [](const QListWidget* l) {
        std::vector<std::string> out;
        for (int i = 0; i < l->count(); ++i)
            out.push_back(FromQt(l->item(i)->text()));
        return out;
    };
    auto printed = [w](const char* line) {
        RecordingPrinter p;
        Printer& installed = printer();
        InstallPrinter(&p);
        w->Print1->trigger();
        InstallPrinter(&installed);
        return p.pages.size() == 1 && p.pages[0]->hasText(line);
    };
    ASSERT_TRUE(press(w->cmd_BendCap, [](TDurationFrm* d) { answerOK(d); }));
    const std::vector<std::string> results = lines(w->List_Results), summary = lines(w->List_Sum);
    const std::string moment = Timber::Calc.BendingReport[19];
    ASSERT_EQ(moment.rfind("  Permissible Bending Moment = ", 0), 0u) << moment;
    ASSERT_TRUE(listed(w->List_Sum, moment.c_str()) && listed(w->List_Results, moment.c_str()));

    // Bending again, the dialog closed by its close box: the screen, the summary and the printout
    // all keep the bending report.
    ASSERT_TRUE(press(w->cmd_BendCap, [](TDurationFrm* d) { d->reject(); }));
    EXPECT_EQ(lines(w->List_Results), results);
    EXPECT_EQ(lines(w->List_Sum), summary);
    EXPECT_TRUE(printed("  MAJOR AXIS BENDING"));
    EXPECT_EQ(w->lbl_K3b->text(), QStringLiteral("1.40"));

    // A strut check then lists the bending report beside its own, with the summary's moment.
    ASSERT_TRUE(press(w->cmd_AxialCap, [](TDurationFrm* d) { answerOK(d); }));
    EXPECT_TRUE(listed(w->List_Results, "  MAJOR AXIS BENDING"));
    EXPECT_TRUE(listed(w->List_Results, "  MAJOR AXIS AXIAL LOADING"));
    EXPECT_TRUE(listed(w->List_Sum, moment.c_str()) && listed(w->List_Results, moment.c_str()));
    EXPECT_TRUE(printed(moment.c_str()));
}

// Every value label of the window beside its caption: D40 sharing and wet (E 10800 bending, 7500
// axial; 12.5, 2, 12.6 N/mm^2; K8 1.1; K1 1.02, K2 0.8 for E and bending, 0.9 shear, 0.6 axial),
// then C16 dry and single after a combined check with General (K3 1.4 both).
TEST_F(FormsTest, TimberShowsEveryGradeValueAndFactorBesideItsCaption) {
    TTimberFrm* w = Forms.TimberFrm;
    // The window is 900 wide and 620 high below its menu bar.
    EXPECT_EQ(w->size(), QSize(900, 620 + w->menuBar()->sizeHint().height()));
    const char* captions[] = {"Grade Bending Stress",
                              "Grade Shear Stress",
                              "Grade Axial Stress",
                              "E (bending)",
                              "E (axial)",
                              "K8",
                              "K1",
                              "K2 (E)",
                              "K2 (bending)",
                              "K2 (shear)",
                              "K2 (axial)",
                              "K3 (bending)",
                              "K3 (axial)"};
    const char* names[] = {"lbl_BendStress", "lbl_ShearStress", "lbl_AxStress", "lbl_Eb",  "lbl_Eax",
                           "lbl_K8",         "lbl_K1",          "lbl_K2E",      "lbl_K2B", "lbl_K2S",
                           "lbl_K2Ax",       "lbl_K3b",         "lbl_K3ax"};
    for (const char* caption : captions) {
        bool found = false;
        for (const QLabel* l : w->findChildren<QLabel*>())
            found = found || l->text() == QLatin1String(caption);
        EXPECT_TRUE(found) << caption;
    }
    // Each value stands in a white, framed box.
    for (const char* name : names) {
        const auto* box = qobject_cast<const QLabel*>(kxtest::Control(w, name));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_TRUE(box->autoFillBackground() && box->frameShape() == QFrame::Box) << name;
        EXPECT_EQ(box->palette().color(QPalette::Window), QColor(Qt::white)) << name;
    }
    const auto shown = [w, &names] {
        std::vector<std::string> out;
        for (const char* name : names)
            out.push_back(kxtest::Text(w, name));
        return out;
    };
    w->Combo_Grade->setCurrentIndex(12);
    w->Option_Share->setChecked(true);
    w->Option_Wet->setChecked(true);
    EXPECT_EQ(shown(), (std::vector<std::string>{"12.5", "2.00", "12.6", "10800", "7500", "1.1", "1.02",
                                                 "0.80", "0.80", "0.90", "0.60", "", ""}));
    w->Option_Single->setChecked(true);
    ASSERT_TRUE(press(w->cmd_Comb, [](TDurationFrm* d) { answerOK(d, "0.5", "10"); }));
    EXPECT_EQ(shown(), (std::vector<std::string>{"5.30", "0.670", "6.80", "5800", "5800", "1.0", "1.00",
                                                 "1.0", "1.0", "1.0", "1.0", "1.40", "1.40"}));
}

// The dialog's own texts: the two notes in their colours, the captions of the combined inputs, the
// durations in the colour of their source (1 Week, 1 Month, 1 Year red: falsework; General and
// Wall blue: the formwork guide). Enter in the moment box is OK: the combined check of 0.5 kN-m
// and 10 kN is worked out (index 0.545, OK).
TEST_F(FormsTest, DurationDialogTextsColoursAndEnterForOk) {
    TTimberFrm* w = Forms.TimberFrm;
    const auto colour = [](const QWidget* c) { return c->palette().color(QPalette::WindowText); };
    ASSERT_TRUE(press(w->cmd_Comb, [&](TDurationFrm* d) {
        const std::pair<const char*, const char*> texts[] = {
            {"Label1", "Red text is to BS 5975 (falsework)"},
            {"Label2",
             "Blue text is to the recommendations of \"Formwork a guide to good practice\" 1986 by the "
             "Concrete Society."},
            {"Label_Comb1", "Enter axial load and bending moment"},
            {"Label_Comb2", "Applied Axial Load"},
            {"Label_Comb3", "kN"},
            {"Label_Comb4", "Applied Moment"},
            {"Label_Comb5", "kN-m"}};
        for (auto [name, text] : texts)
            EXPECT_EQ(kxtest::Text(d, name), text) << name;
        EXPECT_EQ(colour(kxtest::Control(d, "Label1")), QColor(Qt::red));
        EXPECT_EQ(colour(kxtest::Control(d, "Label2")), QColor(Qt::blue));
        const std::tuple<const char*, const char*, Qt::GlobalColor> radios[] = {
            {"Option_General", "General", Qt::blue}, {"Option_AxWall", "Wall", Qt::blue},
            {"Option_Week", "1 Week", Qt::red},      {"Option_AxMonth", "1 Month", Qt::red},
            {"Option_Year", "1 Year", Qt::red},      {"Option_AxGeneral", "General", Qt::blue}};
        for (auto [name, text, c] : radios) {
            EXPECT_EQ(kxtest::Text(d, name), text) << name;
            EXPECT_EQ(colour(kxtest::Control(d, name)), QColor(c)) << name;
        }
        d->Edit_Axial->setText("10");
        d->Edit_Mom->setText("0.5");
        d->Edit_Mom->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(d->Edit_Mom, &enter);
    }));
    EXPECT_TRUE(listed(w->List_Sum, "  Combined Loading Equation = 0.545"));
    EXPECT_TRUE(listed(w->List_Sum, "  Combined Loading OK"));
}

// A click into the width, the depth or the length empties both lists, as typing there does; a
// click into the description leaves them.
TEST_F(FormsTest, AClickIntoASizeOrTheLengthEmptiesTheListsAndIntoTheDescriptionDoesNot) {
    TTimberFrm* w = Forms.TimberFrm;
    for (QLineEdit* e : {w->Edit_Width, w->Edit_Depth, w->Edit_Le, w->Edit_Title}) {
        const std::string name = FromQt(e->objectName());
        ASSERT_TRUE(press(w->cmd_BendCap, [](TDurationFrm* d) { answerOK(d); })) << name;
        const int results = w->List_Results->count(), summary = w->List_Sum->count();
        ASSERT_TRUE(results > 0 && summary > 0) << name;
        QMouseEvent click(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e, &click);
        const bool kept = e == w->Edit_Title;
        EXPECT_EQ(w->List_Results->count(), kept ? results : 0) << name;
        EXPECT_EQ(w->List_Sum->count(), kept ? summary : 0) << name;
    }
}

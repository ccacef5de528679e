// The strut window: its place on the screen, its controls, and Calculate into the memo.
#include "calculators/ui/Scaffold.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"

using namespace kx;

TEST_F(FormsTest, StrutWindowStandsTopRightReadsItsControlsAndCalculatesIntoItsMemo) {
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w->pos(), QPoint(screen.right() + 1 - w->width() - 100, screen.y() + 100));

    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_TRUE(kxtest::UnboundInputs(w, w->Bindings).empty());
    const std::pair<QRadioButton*, TubeKind> radios[] = {{w->Option_Used, TubeKind::Used},
                                                         {w->Option_Aluminium, TubeKind::Aluminium},
                                                         {w->Option_New, TubeKind::New}};
    for (auto [radio, kind] : radios) {
        radio->click();
        EXPECT_TRUE(w->Bindings.Read().Tube == kind) << radio->objectName().toStdString();
    }
    EXPECT_EQ(w->Edit_Le->accessibleName(), QStringLiteral("Effective Length"));

    ShowForm(w);
    w->Option_Used->click();
    w->Edit_Le->setText(QStringLiteral("2"));
    w->Button1->click();
    EXPECT_TRUE(w->Memo_Tube->toPlainText().contains(QStringLiteral("\"Used\" Steel Tube")));
    w->Memo_Tube->setPlainText(QStringLiteral("kept"));
    w->Edit_Le->setText(QStringLiteral("-1"));
    w->Button1->click();
    EXPECT_EQ(w->Memo_Tube->toPlainText(), QStringLiteral("kept"));
    EXPECT_TRUE(dialogs_->shown.empty());
}

// Every control stays usable and shown. Choosing a tube calculates nothing; the next Calculate
// takes it: 2 m gives 29.3 kN new, 0.85 of that used and 12.9 kN aluminium (Perry-Robertson by hand).
TEST_F(FormsTest, StrutControlsStayUsableAndEachRadioAndCalculateHasItsOwnEffect) {
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    const std::vector<std::string> all{"GroupBox1", "Option_New", "Option_Used", "Option_Aluminium",
                                       "Edit_Le",   "Button1",    "Memo_Tube"};
    auto calculate = [w](const char* le) {
        return [w, le] {
            w->Edit_Le->setText(QString::fromLatin1(le));
            kxtest::Click(w, "Button1");
        };
    };
    kxtest::ExpectStates(w, {{"as opened", nullptr, all, {}, all, {}},
                             {"calculated", calculate("2"), all, {}, all, {}},
                             {"a length refused", calculate("-1"), all, {}, all, {}}});

    auto memo = [w] { return w->Memo_Tube->toPlainText().toStdString(); };
    struct Row {
        const char *radio, *from, *tube, *load;
    };
    const Row rows[] = {{"Option_Used", "Option_New", "\"Used\" Steel Tube", "24.9"},
                        {"Option_Aluminium", "Option_Used", "Aluminium Tube", "12.9"},
                        {"Option_New", "Option_Aluminium", "\"New\" Steel Tube", "29.3"}};
    std::vector<kxtest::ControlEffect> effects;
    for (const Row& r : rows)
        effects.push_back({r.radio,
                           [w, r] {
                               kxtest::Click(w, r.from);
                               w->Edit_Le->setText(QStringLiteral("2"));
                               w->Memo_Tube->setPlainText(QStringLiteral("kept"));
                           },
                           [w, r, memo, calculate] {
                               EXPECT_EQ(memo(), "kept");
                               calculate("2")();
                               EXPECT_NE(memo().find(r.tube), std::string::npos) << memo();
                               EXPECT_NE(
                                   memo().find(std::string(" Permissible Axial Load = ") + r.load + " kN"),
                                   std::string::npos)
                                   << memo();
                           }});
    effects.push_back(
        {"Button1",
         [w] {
             w->Memo_Tube->setPlainText(QStringLiteral("kept"));
             w->Edit_Le->setText(QStringLiteral("2"));
         },
         [memo] {
             EXPECT_EQ(
                 memo(),
                 std::string(" \n \"New\" Steel Tube 48.3 o/d x 4.0 wt\n to BS 1139  Part 1  Section 1.1  "
                             "1990\n \n Effective Length = 2.00 m\n Permissible Axial Load = 29.3 kN"));
         }});
    kxtest::ExpectEffects(w, effects);
}

// The three tubes stand one below the other in their group, none over another; a tube switched to
// aluminium and back to new while the window is open calculates as new, every memo line:
// 2 m new gives 29.3 kN (Perry-Robertson by hand, 235 N/mm^2, 557 mm^2, r 15.7 mm, over 1.7).
TEST_F(FormsTest, StrutTubesStandInOrderAndASwitchedBackTubeCalculatesAsChosen) {
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    ShowForm(w);
    const QRect n = w->Option_New->geometry(), u = w->Option_Used->geometry(),
                a = w->Option_Aluminium->geometry();
    EXPECT_TRUE(n.bottom() < u.top() && u.bottom() < a.top()) << n.top() << " " << u.top() << " " << a.top();
    EXPECT_TRUE(w->GroupBox1->contentsRect().contains(n) && w->GroupBox1->contentsRect().contains(a));
    w->Option_Aluminium->click();
    w->Option_New->click();
    w->Edit_Le->setText(QStringLiteral("2"));
    w->Button1->click();
    EXPECT_EQ(w->Memo_Tube->toPlainText().toStdString(),
              " \n \"New\" Steel Tube 48.3 o/d x 4.0 wt\n to BS 1139  Part 1  Section 1.1  1990\n \n"
              " Effective Length = 2.00 m\n Permissible Axial Load = 29.3 kN");
}

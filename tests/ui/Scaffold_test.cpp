// The strut window: its place on the screen, its controls, and Calculate into the memo.
#include "calculators/ui/Scaffold.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>

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

// The window as laid out: the effective length row reads caption, box, "m", Calculate from left to
// right, Calculate ending where the memo below ends; the memo, at least 340 x 130 pixels, shows
// all six lines of the longest result (the used tube) whole, without scrolling.
TEST_F(FormsTest, StrutRowReadsLeftToRightAndTheMemoShowsAWholeResult) {
    TScaffoldFrm* w = Forms.ScaffoldFrm;
    ShowForm(w);
    QApplication::processEvents();
    const QPlainTextEdit* memo = w->Memo_Tube;
    QWidget* row[] = {nullptr, w->Edit_Le, nullptr, w->Button1};
    for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l->text() == QStringLiteral("Effective Length")) row[0] = l;
        if (l->text() == QStringLiteral("m")) row[2] = l;
    }
    ASSERT_TRUE(row[0] && row[2]);
    for (int i = 1; i < 4; ++i) {
        const QRect a = row[i - 1]->geometry(), b = row[i]->geometry();
        EXPECT_LT(a.right(), b.left()) << i;
        EXPECT_TRUE(a.top() <= b.center().y() && b.center().y() <= a.bottom()) << i;
        EXPECT_LT(b.bottom(), memo->geometry().top()) << i;
    }
    EXPECT_EQ(w->Button1->geometry().right(), memo->geometry().right());
    EXPECT_EQ(w->GroupBox1->geometry().right(), memo->geometry().right());

    EXPECT_GE(memo->width(), 340);
    EXPECT_GE(memo->height(), 130);
    w->Option_Used->click();
    w->Edit_Le->setText(QStringLiteral("2"));
    w->Button1->click();
    QApplication::processEvents();
    const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6);
    int widest = 0;
    for (const QString& l : lines)
        widest = std::max(widest, memo->fontMetrics().horizontalAdvance(l));
    // The text area inside the frame, less the document's own margin on each side.
    const int margin = 2 * static_cast<int>(memo->document()->documentMargin());
    EXPECT_GE(memo->viewport()->width() - margin, widest);
    EXPECT_GE(memo->viewport()->height() - margin, 6 * memo->fontMetrics().lineSpacing());
    EXPECT_FALSE(memo->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(memo->verticalScrollBar()->isVisible());
}

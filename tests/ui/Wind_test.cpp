// The wind window: its bindings, Calculate, the spinner, a refused input, and File's commands.
#include "calculators/ui/Wind.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

#include "BindingRoundTrip.h"
#include "FormsFixture.h"
#include "WiringTables.h"
#include "foundation/ui/Unit1.h"
#include "platform/Printer.h"
#include "platform/QtDialogs.h"
#include "window/ui/SetHeader.h"

using namespace kx;

namespace {

// Types the worked example into the window, and with the next function presses Calculate.
void typeWorkedExample(TWindFrm* w, int area, const char* desc) {
    w->Edit_AreaNo->setValue(area);
    const std::pair<QLineEdit*, const char*> texts[] = {
        {w->Edit_Desc, desc},       {w->Edit_Basic, "46"},   {w->Edit_S1, "1"},
        {w->Edit_Height, "20"},     {w->Edit_Factor, "1.3"}, {w->Edit_TubeLength, "10"},
        {w->Edit_BoardLength, "10"}};
    for (const auto& [e, t] : texts)
        e->setText(QString::fromLatin1(t));
}
void calculateWorkedExample(TWindFrm* w, int area, const char* desc) {
    typeWorkedExample(w, area, desc);
    w->cmd_Calc->click();
}

} // namespace

TEST_F(FormsTest, WindWindowCalculatesMovesBetweenAreasPrintsAndCloses) {
    TWindFrm* w = Forms.WindFrm;
    // Each control feeds and shows its own field, and each radio gives its choice.
    kxtest::ExpectRoundTrip(w->Bindings);
    EXPECT_EQ(kxtest::UnboundInputs(w, w->Bindings), std::set<std::string>{});
    const std::tuple<QRadioButton*, int WindChoices::*, int> radios[] = {
        {w->Option_2_5, &WindChoices::Probability, 2},       {w->Option_5_10, &WindChoices::Probability, 3},
        {w->OPtion_10, &WindChoices::Probability, 4},        {w->Option_2, &WindChoices::Probability, 1},
        {w->Option_OpenScattered, &WindChoices::Terrain, 2}, {w->Option_Many, &WindChoices::Terrain, 3},
        {w->Option_City, &WindChoices::Terrain, 4},          {w->Option_Open, &WindChoices::Terrain, 1}};
    for (auto [radio, field, value] : radios) {
        radio->click();
        EXPECT_EQ(w->Bindings.Read().*field, value) << FromQt(radio->objectName());
    }

    calculateWorkedExample(w, 1, "North elevation");
    ASSERT_EQ(w->List_Results->count(), 25); // its lines: the core's tests

    // The spinner's arrow refills the inputs from area 2's store, keeping description and radios;
    // typing a number refills nothing; back on area 1 its own radios and lines.
    w->Option_City->setChecked(true);
    w->Edit_AreaNo->stepBy(1);
    EXPECT_EQ(QStringList({w->Edit_Desc->text(), w->Edit_Basic->text(), w->Edit_Height->text()}),
              QStringList({"North elevation", "46.0", "0.0"}));
    EXPECT_EQ(w->List_Results->count(), 0);
    EXPECT_TRUE(w->Option_City->isChecked());
    w->Edit_AreaNo->setValue(1);
    EXPECT_EQ(w->Edit_Height->text(), QStringLiteral("0.0"));
    w->Edit_AreaNo->stepBy(1);
    w->Edit_AreaNo->stepBy(-1);
    EXPECT_TRUE(w->Option_Open->isChecked());
    EXPECT_EQ(w->List_Results->count(), 25);

    // A refused wind force factor: its message and an empty list.
    w->Edit_Factor->setText(QStringLiteral("1,3"));
    w->cmd_Calc->click();
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{"'1,3' is not a valid floating point value"});
    EXPECT_EQ(w->List_Results->count(), 0);

    // File > Print: three areas on two pages.
    calculateWorkedExample(w, 2, "Area 2");
    calculateWorkedExample(w, 3, "Area 3");
    RecordingPrinter recording;
    Printer& previous = printer();
    InstallPrinter(&recording);
    w->Print1->trigger();
    InstallPrinter(&previous);
    ASSERT_EQ(recording.pages.size(), 2u);
    EXPECT_TRUE(recording.pages[0]->hasText(" Total wind load area 1     = 3.070 kN"));

    // Set Header shows the header window modally; Close hides and keeps; Exit closes the start screen.
    bool modal = false;
    QTimer::singleShot(0, [&modal] {
        modal = QApplication::activeModalWidget() == Forms.SetHeaderFrm;
        Forms.SetHeaderFrm->reject();
    });
    w->SetHeader1->trigger();
    EXPECT_TRUE(modal);
    ShowForm(w);
    w->Close1->trigger();
    EXPECT_FALSE(w->isVisible());
    ShowForm(w);
    EXPECT_EQ(w->Edit_Desc->text(), QStringLiteral("Area 3"));
    EXPECT_EQ(w->List_Results->count(), 25);
    Forms.Form1->show();
    EXPECT_TRUE(LoopEndsAfter([w] { w->ExitKXFlexor1->trigger(); })); // Exit ends the program's event loop
}

// Every control stays usable and shown whatever the calculation did. Choosing a radio calculates
// nothing; the next Calculate takes its factor (S2 at 20 m and S3 from the tables).
TEST_F(FormsTest, WindControlsStayUsableAndEachRadioButtonAndSpinnerHasItsOwnEffect) {
    TWindFrm* w = Forms.WindFrm;
    const std::vector<std::string> all{
        "Edit_AreaNo", "Edit_Desc",       "Edit_Basic",           "Edit_S1",      "GroupBox1",
        "Edit_Height", "Option_Open",     "Option_OpenScattered", "Option_Many",  "Option_City",
        "GroupBox2",   "Option_2",        "Option_2_5",           "Option_5_10",  "OPtion_10",
        "Edit_Factor", "Edit_TubeLength", "Edit_BoardLength",     "List_Results", "cmd_Calc"};
    auto state = [&](std::string name, std::function<void()> enter) {
        return kxtest::FormState{std::move(name), std::move(enter), all, {}, all, {"Panel1", "Panel2"}};
    };
    kxtest::ExpectStates(w, {state("as opened", nullptr),
                             state("calculated", [w] { calculateWorkedExample(w, 1, "North"); }),
                             state("a speed refused",
                                   [w] {
                                       w->Edit_Basic->setText(QStringLiteral("101"));
                                       kxtest::Click(w, "cmd_Calc");
                                   }),
                             state("another area", [w] { w->Edit_AreaNo->stepBy(1); })});

    auto lines = [w] { return kx::ListLines(w->List_Results); };
    struct Row {
        const char *radio, *from, *line;
    };
    const Row rows[] = {{"Option_OpenScattered", "Option_Open", " Wind Speed Factor S2       = 1.03"},
                        {"Option_Many", "Option_OpenScattered", " Wind Speed Factor S2       = 0.950"},
                        {"Option_City", "Option_Many", " Wind Speed Factor S2       = 0.790"},
                        {"Option_Open", "Option_City", " Wind Speed Factor S2       = 1.06"},
                        {"Option_2_5", "Option_2", " Probability Factor S3      = 0.830"},
                        {"Option_5_10", "Option_2_5", " Probability Factor S3      = 0.880"},
                        {"OPtion_10", "Option_5_10", " Probability Factor S3      = 1.00"},
                        {"Option_2", "OPtion_10", " Probability Factor S3      = 0.770"}};
    std::vector<kxtest::ControlEffect> effects;
    auto before = std::make_shared<std::vector<std::string>>();
    for (const Row& r : rows)
        effects.push_back({r.radio,
                           [w, r, before, lines] {
                               kxtest::Click(w, r.from);
                               calculateWorkedExample(w, 1, "North");
                               *before = lines();
                           },
                           [w, r, before, lines] {
                               EXPECT_EQ(lines(), *before);
                               kxtest::Click(w, "cmd_Calc");
                               const auto now = lines();
                               EXPECT_NE(std::find(now.begin(), now.end(), r.line), now.end()) << r.line;
                           }});
    effects.push_back({"cmd_Calc",
                       [w] { // area 2, never calculated, shows no lines
                           w->Edit_AreaNo->setValue(1);
                           w->Edit_AreaNo->stepBy(1);
                           typeWorkedExample(w, 2, "West");
                       },
                       [lines] {
                           ASSERT_EQ(lines().size(), 25u);
                           EXPECT_EQ(lines()[24], " Total wind load area 2     = 3.070 kN");
                       }});
    effects.push_back({"Edit_AreaNo", [w] { w->Edit_Height->setText(QStringLiteral("35")); },
                       [w, lines] {
                           EXPECT_EQ(kxtest::Text(w, "Edit_Height"), "20.0");
                           ASSERT_FALSE(lines().empty());
                           EXPECT_EQ(lines()[0], " Area No 1       North");
                       },
                       [w] { w->Edit_AreaNo->stepBy(-1); }});
    kxtest::ExpectEffects(w, effects);
}

// The window as laid out: the inputs stand in one column, captions left and boxes in one line
// below each other; the description, its caption and the S3 group span the column, so their edges
// line up; the results list takes the rest of the width one layout spacing past the column, down
// to the S2 group, which spans the window below; the list shows all 25 lines of an area and its
// widest line without scrolling. The designed spacing: 9 pixels at the sides and 4 at the top and
// bottom of the window, input rows 4 apart; in the S2 group 9 at the sides, 2 above the height and
// 4 below the radios, which touch; the S3 radios 2 apart.
TEST_F(FormsTest, WindInputsStandInOneColumnBesideAListThatShowsAWholeArea) {
    TWindFrm* w = Forms.WindFrm;
    ShowForm(w);
    calculateWorkedExample(w, 1, "North elevation");
    QApplication::processEvents();
    const QRect desc = w->Edit_Desc->geometry(), s3 = w->GroupBox2->geometry(), s2 = w->GroupBox1->geometry(),
                list = w->List_Results->geometry();
    QWidget* descCaption = nullptr;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Area Description")) descCaption = l;
    ASSERT_TRUE(descCaption);
    for (const QRect& spanning : {descCaption->geometry(), s3}) {
        EXPECT_EQ(spanning.left(), desc.left());
        EXPECT_EQ(spanning.right(), desc.right());
    }
    QWidget* const boxes[] = {w->Edit_AreaNo,     w->Edit_Basic,       w->Edit_S1, w->Edit_Factor,
                              w->Edit_TubeLength, w->Edit_BoardLength, w->cmd_Calc};
    for (std::size_t i = 1; i < std::size(boxes); ++i) {
        const QRect above = boxes[i - 1]->geometry(), box = boxes[i]->geometry();
        EXPECT_LT(above.bottom(), box.top()) << i;
        EXPECT_EQ(box.left(), above.left()) << i;
        EXPECT_LT(desc.left(), box.left()) << i; // right of its caption
        EXPECT_LE(box.right(), desc.right()) << i;
    }
    EXPECT_LT(w->Edit_S1->geometry().bottom(), s3.top());
    EXPECT_LT(s3.bottom(), w->Edit_Factor->geometry().top());
    const auto* top = qobject_cast<QBoxLayout*>(w->centralWidget()->layout()->itemAt(0)->layout());
    ASSERT_TRUE(top);
    EXPECT_EQ(list.left(), desc.right() + 1 + top->spacing());
    EXPECT_EQ(list.top(), w->Edit_AreaNo->geometry().top());
    EXPECT_EQ(list.right(), s2.right());
    EXPECT_EQ(s2.left(), desc.left());
    EXPECT_LT(std::max(list.bottom(), w->cmd_Calc->geometry().bottom()), s2.top());
    const QWidget* client = w->centralWidget();
    EXPECT_EQ(w->Edit_AreaNo->y(), 4);
    EXPECT_EQ(desc.left(), 9);
    EXPECT_EQ(s2.bottom(), client->height() - 1 - 4);
    EXPECT_EQ(list.right(), client->width() - 1 - 9);
    QWidget* const rows[] = {w->Edit_AreaNo,      descCaption,  w->Edit_Desc,   w->Edit_Basic,
                             w->Edit_S1,          w->GroupBox2, w->Edit_Factor, w->Edit_TubeLength,
                             w->Edit_BoardLength, w->cmd_Calc};
    for (std::size_t i = 1; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i]->y(), rows[i - 1]->geometry().bottom() + 1 + 4) << i;
    // Each row is as tall as its own control: the height the window has to spare lies below
    // Calculate, not in a caption that pushes the boxes under it down.
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(rows[i]->height(), rows[i]->sizeHint().height()) << i;
    EXPECT_LT(w->cmd_Calc->geometry().bottom(), list.bottom());
    const QRect inS2 = w->GroupBox1->contentsRect();
    EXPECT_EQ(w->Edit_Height->y(), inS2.top() + 2);
    // The height's caption, box and "m" stand together at the group's left, one spacing apart,
    // each caption as wide as its text; the radios below take the rest of the width.
    const auto* s2Grid = qobject_cast<QGridLayout*>(w->GroupBox1->layout());
    ASSERT_TRUE(s2Grid);
    const int gap = s2Grid->horizontalSpacing();
    EXPECT_GT(gap, 0);
    QLabel *heightCaption = nullptr, *metres = nullptr;
    for (QLabel* l : w->GroupBox1->findChildren<QLabel*>()) {
        if (l->text() == QStringLiteral("Height")) heightCaption = l;
        if (l->text() == QStringLiteral("m")) metres = l;
    }
    ASSERT_TRUE(heightCaption && metres);
    EXPECT_EQ(heightCaption->x(), inS2.left() + 9);
    EXPECT_EQ(w->Edit_Height->x(), heightCaption->geometry().right() + 1 + gap);
    EXPECT_EQ(metres->x(), w->Edit_Height->geometry().right() + 1 + gap);
    for (QLabel* l : {heightCaption, metres})
        EXPECT_EQ(l->width(), l->sizeHint().width()) << FromQt(l->text());
    QRadioButton* const terrains[] = {w->Option_Open, w->Option_OpenScattered, w->Option_Many,
                                      w->Option_City};
    for (std::size_t i = 0; i < std::size(terrains); ++i) {
        EXPECT_EQ(terrains[i]->x(), inS2.left() + 9) << i;
        EXPECT_EQ(terrains[i]->geometry().right(), inS2.right() - 9) << i;
        if (i > 0) {
            EXPECT_EQ(terrains[i]->y(), terrains[i - 1]->geometry().bottom() + 1) << i;
        }
    }
    EXPECT_EQ(w->Option_City->geometry().bottom(), inS2.bottom() - 4);
    EXPECT_EQ(w->Option_5_10->y(), w->Option_2->geometry().bottom() + 1 + 2);
    EXPECT_EQ(w->OPtion_10->y(), w->Option_2_5->geometry().bottom() + 1 + 2);

    const QListWidget* l = w->List_Results;
    ASSERT_EQ(l->count(), 25);
    int widest = 0;
    for (int i = 0; i < l->count(); ++i)
        widest = std::max(widest, l->fontMetrics().horizontalAdvance(l->item(i)->text()));
    EXPECT_GE(l->viewport()->width(), widest);
    EXPECT_GE(l->viewport()->height(), 25 * l->fontMetrics().height());
    EXPECT_FALSE(l->verticalScrollBar()->isVisible());
    EXPECT_FALSE(l->horizontalScrollBar()->isVisible());
}

// The area spinner runs from 1 to 100: the down key and arrow at area 1 and the up key and arrow
// at area 100 do nothing, and area 100, the last the printout holds, is reached and calculated
// like any other.
TEST_F(FormsTest, WindAreaSpinnerRunsFromOneToAHundred) {
    TWindFrm* w = Forms.WindFrm;
    AreaSpinBox* s = w->Edit_AreaNo;
    EXPECT_EQ(std::make_pair(s->minimum(), s->maximum()), std::make_pair(1, 100));
    auto key = [s](Qt::Key k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(s, &press);
    };
    calculateWorkedExample(w, 1, "First");
    struct Row {
        int from;
        Qt::Key key;
        int to;
    };
    const Row rows[] = {
        {1, Qt::Key_Down, 1}, {99, Qt::Key_Up, 100}, {100, Qt::Key_Up, 100}, {2, Qt::Key_Down, 1}};
    for (const Row& r : rows) {
        s->setValue(r.from);
        key(r.key);
        EXPECT_EQ(s->value(), r.to) << r.from;
        EXPECT_EQ(FromQt(s->text()), std::to_string(r.to)) << r.from;
    }
    EXPECT_EQ(dialogs_->messages(), std::vector<std::string>{});
    EXPECT_EQ(kx::ListLines(w->List_Results).size(), 25u); // area 1's lines, refilled

    // Area 100 calculated: its number heads its lines and its total. Vs = 46 x 1 x 1.06 x 0.77 =
    // 37.55 m/s, q = 0.613 x 37.55^2 / 1000 = 0.8641 kN/m2, 10 x (0.0483 + 0.225) x 0.8641 x 1.3 = 3.070 kN.
    calculateWorkedExample(w, 100, "Last");
    ASSERT_EQ(w->List_Results->count(), 25);
    EXPECT_EQ(w->List_Results->item(0)->text(), QStringLiteral(" Area No 100       Last"));
    EXPECT_EQ(w->List_Results->item(24)->text(), QStringLiteral(" Total wind load area 100     = 3.070 kN"));
}

// The results list is named "Results" to a screen reader and keeps Courier New 9 points whatever
// size the desktop's own font has: the lines of an area are laid out in a fixed pitch that fits
// the list at that size.
TEST_F(FormsTest, WindResultsListIsNamedAndKeepsItsFontOnAnyDesktop) {
    TWindFrm* w = Forms.WindFrm;
    EXPECT_EQ(FromQt(w->List_Results->accessibleName()), "Results");
    const QFont desktop = QApplication::font();
    for (int points : {8, 12}) {
        QFont f = desktop;
        f.setPointSize(points);
        QApplication::setFont(f);
        QApplication::processEvents(); // the change reaches the widgets as posted events
        const QFont got = w->List_Results->font();
        EXPECT_EQ(got.pointSize(), 9) << points;
        EXPECT_EQ(got.family(), QStringLiteral("Courier New")) << points;
        EXPECT_EQ(w->Edit_Desc->font().pointSize(), points); // the boxes follow the desktop
    }
    QApplication::setFont(desktop);
    QApplication::processEvents();
}

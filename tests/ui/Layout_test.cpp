// Every window as a user sees it, in each state the flows reach: no control's text wider than the
// control, no two shown sibling controls overlapping, and every input named for a screen reader,
// uniquely within its window.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>

#include "FormsFixture.h"
#include "engine/BeamBuilder.h"
#include "foundation/Units.h"
#include "foundation/ui/Unit1.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/Couplers.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "input/ui/TimSect.h"
#include "platform/QtDialogs.h"

using namespace kx;

namespace {

bool shown(const QWidget* w, const QWidget* window) { return w->isVisibleTo(window) && w->width() > 0; }

// Lying wholly outside its parent, a control is never seen (the timber form keeps four such radios).
bool seen(const QWidget* w) { return w->parentWidget()->rect().intersects(w->geometry()); }

// The main window's own layout on a screen narrower than both lists lays the loadcase list over the
// results list; the lists keep the widths the program gives them.
bool layeredByDesign(const QWidget* a, const QWidget* b) {
    const std::set<QString> lists{QStringLiteral("List_Results"), QStringLiteral("List_CaseResults")};
    return lists.count(a->objectName()) && lists.count(b->objectName()) &&
           a->window()->width() < a->width() + b->width();
}

// A control of a window's own making, not a part inside a composite control.
bool ownControl(const QWidget* w) {
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (p->inherits("QAbstractSpinBox") || p->inherits("QComboBox") ||
            p->inherits("QAbstractScrollArea") || p->inherits("QTabBar"))
            return false;
    return w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
           w->inherits("QAbstractSpinBox") || w->inherits("QComboBox") || w->inherits("QGroupBox") ||
           w->inherits("QAbstractScrollArea");
}

// Text boxes count whether the user types into them or only reads them.
bool input(const QWidget* w) {
    return w->inherits("QLineEdit") || w->inherits("QAbstractSpinBox") || w->inherits("QComboBox") ||
           w->inherits("QCheckBox") || w->inherits("QRadioButton") || w->inherits("QTableWidget") ||
           w->inherits("QPlainTextEdit") || w->inherits("QTextEdit");
}

int textWidth(const QWidget* w, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

// How wide the control must be to show its text whole, or 0 when it has none to show.
int needed(const QWidget* w) {
    const QStyle* s = w->style();
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->wordWrap() || l->text().isEmpty() || Qt::mightBeRichText(l->text())) return 0;
        return textWidth(w, l->text()) + 2 * l->margin() + (l->indent() > 0 ? l->indent() : 0) +
               2 * l->frameWidth();
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        const auto* b = static_cast<const QAbstractButton*>(w);
        return b->text().isEmpty() ? 0 : b->sizeHint().width();
    }
    if (auto* b = qobject_cast<const QPushButton*>(w))
        return b->text().isEmpty() ? 0
                                   : textWidth(w, b->text()) + 2 * s->pixelMetric(QStyle::PM_ButtonMargin);
    if (auto* g = qobject_cast<const QGroupBox*>(w))
        return g->title().isEmpty() ? 0 : textWidth(w, g->title()) + 12;
    return 0;
}

std::string name(const QWidget* w) {
    return w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName().toStdString();
}

// What a user or a screen reader meets in a window as it stands.
std::vector<std::string> Problems(QWidget* window) {
    std::vector<std::string> found;
    std::map<std::string, std::string> names;
    const QString title = window->objectName();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!shown(w, window) || !ownControl(w)) continue;
        if (const int need = needed(w); need > w->width() && seen(w))
            found.push_back(name(w) + ": text needs " + std::to_string(need) + " px, has " +
                            std::to_string(w->width()));
        if (input(w)) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            const std::string n = a ? a->text(QAccessible::Name).toStdString() : "";
            if (n.empty())
                found.push_back(name(w) + ": no accessible name");
            else if (auto [it, fresh] = names.emplace(n, name(w)); !fresh)
                found.push_back(name(w) + ": accessible name \"" + n + "\" also names " + it->second);
        }
        // Overlaps with the later siblings: pictures and the panels that hold them are backgrounds.
        const QWidget* p = w->parentWidget();
        for (QWidget* o : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (o <= w || !shown(o, window) || !ownControl(o) || !seen(w) || !seen(o) ||
                layeredByDesign(w, o))
                continue;
            if (w->geometry().intersects(o->geometry()))
                found.push_back(name(w) + " and " + name(o) + " overlap");
        }
    }
    for (std::string& f : found)
        f = title.toStdString() + ": " + f;
    return found;
}

std::string Lines(const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& l : v)
        s += l + "\n";
    return s;
}

} // namespace

TEST_F(FormsTest, EveryWindowShowsItsTextsWholeApartAndNamesEveryInput) {
    test::BeamBuilder().Spans({5000, 4000}).Section(205000, 4734400).Udl(1, 0, 5, 9000).Commit();
    std::vector<std::string> problems;
    auto check = [&problems](QWidget* w) {
        w->show();
        QApplication::processEvents();
        const auto p = Problems(w);
        problems.insert(problems.end(), p.begin(), p.end());
        w->hide();
    };
    for (QWidget* w : FormsInCreationOrder())
        if (w != Forms.Form1) check(w);
    check(Forms.Form1);

    // The states the flows reach: the beam form with its member grid, couplers and timber; the span
    // form's interval panel; all fifty load rows.
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    beam->show();
    emit beam->Label_Demo->clicked();
    beam->findChild<QAction*>("Tube1")->trigger();
    beam->Check_LH_End_Sup->click();
    check(beam);
    beam->show();
    beam->findChild<QAction*>("Timber1")->trigger();
    check(beam);
    TSpanFrm* span = Forms.SpanFrm;
    span->show();
    span->Option_Int->click();
    check(span);
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    loads->show();
    loads->Button4->click();
    check(loads);
    EXPECT_TRUE(problems.empty()) << Lines(problems);
}

// The beam form, its couplers note and the user section editor open in the middle of the screen:
// each window's top left is half the room the screen leaves around it. The spans grid keeps its
// column widths for every member; the beam form moves to the top only when it grows for its
// member grid.
TEST_F(FormsTest, TheInputWindowsOpenInTheMiddleOfTheScreenAndTheSpansGridKeepsItsColumnWidths) {
    const QWidget* windows[] = {Forms.KX_BeamFrm, Forms.CouplersFrm, Forms.KX_GridFrm};
    for (const QWidget* w : windows) {
        SCOPED_TRACE(w->objectName().toStdString());
        const QRect s = w->screen()->geometry();
        EXPECT_EQ(w->pos(),
                  QPoint(s.x() + (s.width() - w->width()) / 2, s.y() + (s.height() - w->height()) / 2));
    }
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    // The spans grid: its caption column 90 wide, every member's column 65, the first and the
    // last of five members (both cantilevers and three spans) alike.
    beam->show();
    beam->Check_LHC->click();
    beam->Check_RHC->click();
    beam->Edit_Spans->setValue(3);
    ASSERT_EQ(beam->Grid_Spans->columnCount(), 6);
    EXPECT_EQ(beam->Grid_Spans->columnWidth(0), 90);
    for (int c = 1; c <= 5; ++c)
        EXPECT_EQ(beam->Grid_Spans->columnWidth(c), 65) << c;
    // The member grid: its caption column 150 wide, the 27 member columns 75, the last too.
    const QTableWidget* members = beam->Grid_SpanData;
    ASSERT_EQ(members->columnCount(), 28);
    EXPECT_EQ(members->columnWidth(0), 150);
    for (int c : {1, 2, 27})
        EXPECT_EQ(members->columnWidth(c), 75) << c;
    // Grids whose first row and column hold their own captions show no numbered headers.
    for (const QTableWidget* g :
         std::initializer_list<const QTableWidget*>{beam->Grid_Spans, members, Forms.SpanFrm->Grid_Int}) {
        EXPECT_TRUE(g->horizontalHeader()->isHidden()) << g->objectName().toStdString();
        EXPECT_TRUE(g->verticalHeader()->isHidden()) << g->objectName().toStdString();
    }
    // Each option and its caption of the two cantilever forms' groups stands wholly inside its
    // group, the third of the support restraints as the first.
    for (QWidget* cant : {Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm)})
        for (const char* group : {"GroupSupport", "GroupEnd"}) {
            const QWidget* g = cant->findChild<QWidget*>(group);
            ASSERT_NE(g, nullptr) << group;
            int inside = 0;
            for (const QWidget* c : g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(QRect(QPoint(0, 0), g->size()).contains(c->geometry()))
                    << cant->objectName().toStdString() << " " << c->objectName().toStdString();
                ++inside;
            }
            EXPECT_GE(inside, 6) << group;
        }
    // The load form: its rows scroll from the top of the form down to the commands' panel, with
    // no gap, and the panel ends at the foot of the form; both run the form's whole width.
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    loads->show();
    QApplication::processEvents();
    EXPECT_EQ(loads->ScrollBox->y(), 0);
    EXPECT_EQ(loads->Panel_Cmds->y(), loads->ScrollBox->y() + loads->ScrollBox->height());
    EXPECT_EQ(loads->Panel_Cmds->y() + loads->Panel_Cmds->height(), loads->height());
    for (const QWidget* part : {static_cast<QWidget*>(loads->ScrollBox), loads->Panel_Cmds})
        EXPECT_EQ(part->geometry(), QRect(0, part->y(), loads->width(), part->height()));
    loads->hide();
    const int x = beam->x();
    emit beam->Label_Demo->clicked();
    EXPECT_EQ(beam->pos(), QPoint(x, 10));
}

// The headings of the load form's columns, line by line from the top, each column's lines one
// above the other, in the units of the job (m, kN, kN/m), and each row's Apply box; the cantilever
// forms' caption of the length; the section editor's notes; the beam
// form's white value boxes; and the texts the effective-length and timber section forms set in
// bold: the span form's three headings and the timber form's "Next >".
TEST_F(FormsTest, TheHeadingsNotesAndValueBoxesOfTheInputWindowsStandAsDesigned) {
    SetDefaultUnits(Model);
    test::BeamBuilder().Spans({5000, 4000}).Section(205000, 4734400).Udl(1, 0, 5, 9000).Commit();
    TLoadDataFrm* loads = Forms.LoadDataFrm;
    ShowForm(loads);
    std::map<int, std::map<int, std::string>> columns; // x, then y
    for (const QLabel* l : loads->Content->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->y() >= 180 && l->y() < 240) columns[l->x()][l->y()] = FromQt(l->text());
    std::vector<std::string> headings;
    for (const auto& [x, lines] : columns) {
        std::string h;
        for (const auto& [y, text] : lines)
            h += (h.empty() ? "" : "/") + text;
        headings.push_back(h);
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Point/Load/(kN)", "Distance/from LH end/of beam/(m)",
                                                  "UDL/start rate/(kN/m)", "UDL/finish rate/(kN/m)",
                                                  "Cover/(m)", "Load/factor/(optional)"}));
    loads->hide();

    // The section editor's five notes stand 8 below its grid, 21 apart, in blue; its buttons 40
    // below the first note.
    const TKX_GridFrm* editor = Forms.KX_GridFrm;
    const int gridBottom = editor->Grid->y() + editor->Grid->height();
    for (int i = 0; i < 5; ++i) {
        const QLabel* note = editor->findChild<QLabel*>(QStringLiteral("Label_Note%1").arg(i + 1));
        ASSERT_NE(note, nullptr) << i;
        EXPECT_EQ(note->y(), gridBottom + 8 + i * 21) << i;
        EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(Qt::blue)) << i;
    }
    EXPECT_EQ(editor->cmd_ok->y(), gridBottom + 8 + 40);
    // Its references column 35 wide, not as wide as its numbers would make it, the numbers centred;
    // its headings at the left of their columns.
    EXPECT_EQ(editor->Grid->verticalHeader()->width(), 35);
    EXPECT_EQ(editor->Grid->verticalHeader()->defaultAlignment(), Qt::AlignCenter);
    EXPECT_EQ(editor->Grid->horizontalHeader()->defaultAlignment(), Qt::AlignLeft | Qt::AlignVCenter);
    // Its hidden marker panel holds the width the editor takes on a screen under 800 pixels wide.
    EXPECT_EQ(editor->Panel1->geometry(), QRect(0, 0, 790, 4));
    EXPECT_TRUE(editor->Panel1->isHidden());

    // The beam form's value boxes stand white on their grey groups, shown empty or not.
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    for (QLabel* v : {beam->lbl_S01_Ixx, beam->lbl_S01_E, beam->lbl_S01_Desc, beam->lbl_GA}) {
        QWidget* group = v->parentWidget();
        const QImage painted = group->grab().toImage();
        const QPoint inside(v->x() + v->width() - 3, v->y() + v->height() / 2);
        EXPECT_EQ(painted.pixelColor(inside), QColor(Qt::white)) << v->objectName().toStdString();
        EXPECT_NE(painted.pixelColor(v->x() + v->width() + 2, v->y() + v->height() / 2), QColor(Qt::white))
            << v->objectName().toStdString();
    }

    // Each load row's Apply box stands on its row's line right of the load-factor edit, the last
    // row's as the first.
    for (int n : {1, 50}) {
        const TLoadRow& r = loads->Row(n);
        EXPECT_GE(r.Check->x(), r.Edit_LF->x() + r.Edit_LF->width()) << n;
        EXPECT_TRUE(r.Check->y() < r.Edit_LF->y() + r.Edit_LF->height() &&
                    r.Edit_LF->y() < r.Check->y() + r.Check->height())
            << n;
        EXPECT_LE(r.Check->x() + r.Check->width(), r.Panel->width()) << n;
    }
    // Each cantilever form captions its length "Effective length", on the line of the length.
    for (QWidget* cant : {Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm)}) {
        const QLabel* caption = cant->findChild<QLabel*>("Label_Le");
        const QLabel* length = cant->findChild<QLabel*>("lbl_Le");
        ASSERT_TRUE(caption && length) << cant->objectName().toStdString();
        EXPECT_EQ(FromQt(caption->text()), "Effective length");
        EXPECT_LT(caption->x() + caption->width(), length->x() + 1);
        EXPECT_LT(std::abs(caption->y() - length->y()), caption->height());
    }

    std::vector<std::string> bold;
    for (QWidget* form : {Widget(Forms.SpanFrm), Widget(Forms.TimSectFrm)})
        for (const QWidget* c : form->findChildren<QWidget*>())
            if (c->font().bold()) bold.push_back(c->objectName().toStdString());
    std::sort(bold.begin(), bold.end());
    EXPECT_EQ(bold, (std::vector<std::string>{"Label1", "Label2", "Label3", "cmd_OK"}));
}

// The span, cantilever and timber section forms open two thirds of the way across the room the
// screen leaves beside them; the span and cantilever forms a fifth of the way down, the timber
// form two thirds. A window as wide or as tall as the screen, or wider or taller, stands at its
// left or top edge, never off it: on a 1000 x 700 screen a 999 x 699 window leaves 1 px, whose
// two thirds round down to 0; a 998 wide one leaves 2, two thirds of which is 1.
TEST_F(FormsTest, TheSpanCantileverAndTimberFormsOpenTwoThirdsAcrossAndAWindowWiderThanTheScreenAtItsEdge) {
    struct Placed {
        QWidget* form;
        int divisor; // of the room below, 0 for two thirds of it
    };
    for (const Placed& p : {Placed{Widget(Forms.SpanFrm), 5}, Placed{Widget(Forms.CantLHFrm), 5},
                            Placed{Widget(Forms.CantRHFrm), 5}, Placed{Widget(Forms.TimSectFrm), 0}}) {
        SCOPED_TRACE(p.form->objectName().toStdString());
        const QRect s = p.form->screen()->geometry();
        const int roomW = s.width() - p.form->width(), roomH = s.height() - p.form->height();
        ASSERT_GT(roomW, 2);
        ASSERT_GT(roomH, 4);
        EXPECT_EQ(p.form->pos(),
                  QPoint(s.x() + roomW * 2 / 3, s.y() + (p.divisor ? roomH / 5 : roomH * 2 / 3)));
    }
    QWidget probe;
    const QRect s = probe.screen()->geometry();
    struct Row {
        int w, h, divisor;
        QPoint at; // from the screen's top left
    };
    const Row rows[] = {
        {s.width() + 40, s.height() + 40, 5, {0, 0}},       // larger than the screen
        {s.width() + 40, s.height() + 40, 0, {0, 0}},       // the same, two thirds down
        {s.width() - 1, s.height() - 1, 0, {0, 0}},         // 1 px room: 2/3 of 1 is 0
        {s.width() - 1, s.height() - 4, 5, {0, 0}},         // 4 px room: a fifth is 0
        {s.width() - 2, s.height() - 2, 0, {1, 1}},         // 2 px room: 2/3 of 2 is 1
        {s.width() - 2, s.height() - 10, 5, {1, 2}},        // 10 px room: a fifth is 2
        {s.width() - 300, s.height() - 300, 0, {200, 200}}, // 300 * 2 / 3
        {s.width() - 301, s.height() - 301, 5, {200, 60}},  // 602 / 3 = 200.7; 301 / 5
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.w) + " x " + std::to_string(r.h) + " /" + std::to_string(r.divisor));
        probe.resize(r.w, r.h);
        PlaceForm(&probe, r.divisor);
        EXPECT_EQ(probe.pos(), s.topLeft() + r.at);
    }
}

// The texts of the input windows in colour, and no others: the notes and help in blue, the
// warnings in red; of the timber form's load durations those of the falsework code in red, those
// of the formwork guide in blue, and the four a stored code alone can choose in the common colour.
TEST_F(FormsTest, TheInputWindowsShowTheirNotesWarningsAndLoadDurationsInTheirColours) {
    const QColor plain = QApplication::palette().color(QPalette::Active, QPalette::WindowText);
    const std::string blue = "#0000ff", red = "#ff0000";
    std::map<std::string, std::string> coloured;
    for (QWidget* form : {Widget(Forms.KX_BeamFrm), Widget(Forms.LoadDataFrm), Widget(Forms.SpanFrm),
                          Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm), Widget(Forms.TimSectFrm),
                          Widget(Forms.KX_GridFrm), Widget(Forms.CouplersFrm)})
        for (const QWidget* c : form->findChildren<QWidget*>()) {
            if (!c->inherits("QLabel") && !c->inherits("QAbstractButton")) continue;
            const QColor text = c->palette().color(QPalette::Active, QPalette::WindowText);
            if (text != plain)
                coloured[FromQt(form->objectName() + "/" + c->objectName())] = FromQt(text.name());
            if (c->inherits("QAbstractButton")) {
                EXPECT_EQ(c->palette().color(QPalette::Active, QPalette::ButtonText),
                          text == plain
                              ? QApplication::palette().color(QPalette::Active, QPalette::ButtonText)
                              : text)
                    << c->objectName().toStdString();
            }
        }
    EXPECT_EQ(coloured, (std::map<std::string, std::string>{
                            {"CantLHFrm/Label_Note", red},
                            {"CantRHFrm/Label_Note", red},
                            {"KX_GridFrm/Label_Note1", blue},
                            {"KX_GridFrm/Label_Note2", blue},
                            {"KX_GridFrm/Label_Note3", blue},
                            {"KX_GridFrm/Label_Note4", blue},
                            {"KX_GridFrm/Label_Note5", blue},
                            {"LoadDataFrm/Label_Help_01", blue},
                            {"LoadDataFrm/Label_Help_02", blue},
                            {"SpanFrm/Label4", blue},
                            {"SpanFrm/Label6", red},
                            {"SpanFrm/Label7", blue},
                            {"TimSectFrm/Label_Blue", blue},
                            {"TimSectFrm/Label_Red", red},
                            {"TimSectFrm/Option_General", blue},
                            {"TimSectFrm/Option_Month", red},
                            {"TimSectFrm/Option_Wall", blue},
                            {"TimSectFrm/Option_Week", red},
                            {"TimSectFrm/Option_Year", red},
                        }));
}

// On a desktop of light text on dark windows, every white value box of the input windows keeps
// its black text: taken from the desktop it would be light on white, unreadable. (The offscreen
// desktop's own text is black already, so the windows are made anew on a dark one here.)
TEST_F(FormsTest, TheInputWindowsValueBoxesKeepBlackTextOnADarkDesktop) {
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(230, 230, 230));
    DestroyForms();
    QApplication::setPalette(dark);
    CreateForms();
    ASSERT_EQ(Forms.KX_BeamFrm->palette().color(QPalette::WindowText), QColor(230, 230, 230));
    std::set<std::string> boxes;
    for (QWidget* form : {Widget(Forms.KX_BeamFrm), Widget(Forms.LoadDataFrm), Widget(Forms.SpanFrm),
                          Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm), Widget(Forms.TimSectFrm),
                          Widget(Forms.KX_GridFrm), Widget(Forms.CouplersFrm)})
        for (const QLabel* l : form->findChildren<QLabel*>()) {
            if (!l->autoFillBackground() || l->palette().color(QPalette::Window) != QColor(Qt::white))
                continue;
            const std::string at = FromQt(form->objectName() + "/" + l->objectName());
            boxes.insert(at);
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                EXPECT_EQ(l->palette().color(group, QPalette::WindowText), QColor(Qt::black)) << at;
        }
    DestroyForms();
    QApplication::setPalette(desktop);
    CreateForms();
    EXPECT_EQ(boxes, (std::set<std::string>{
                         "CantLHFrm/lbl_Le",     "CantLHFrm/lbl_Lf",       "CantRHFrm/lbl_Le",
                         "CantRHFrm/lbl_Lf",     "KX_BeamFrm/lbl_GA",      "KX_BeamFrm/lbl_S01_Desc",
                         "KX_BeamFrm/lbl_S01_E", "KX_BeamFrm/lbl_S01_Ixx", "SpanFrm/lbl_L",
                         "SpanFrm/lbl_Le",       "SpanFrm/lbl_Lf",         "TimSectFrm/lbl_Bend",
                         "TimSectFrm/lbl_Depth", "TimSectFrm/lbl_E",       "TimSectFrm/lbl_K1",
                         "TimSectFrm/lbl_K2B",   "TimSectFrm/lbl_K2E",     "TimSectFrm/lbl_K2S",
                         "TimSectFrm/lbl_K3",    "TimSectFrm/lbl_K8",      "TimSectFrm/lbl_Shear",
                         "TimSectFrm/lbl_Width"}));
}

// A control of a window's own making placed by hand, inside a scroll area's content too: not a
// part of a composite control, nor one a layout or its scroll area places.
bool placedByHand(const QWidget* w) {
    if (w->parentWidget()->layout() || w->objectName().startsWith(QStringLiteral("qt_"))) return false;
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget())
        if (p->inherits("QAbstractSpinBox") || p->inherits("QComboBox") || p->inherits("QTabBar") ||
            p->inherits("QAbstractItemView") || p->objectName().endsWith(QStringLiteral("container")))
            return false;
    return w->inherits("QLabel") || w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
           w->inherits("QAbstractSpinBox") || w->inherits("QComboBox") || w->inherits("QGroupBox") ||
           w->inherits("QAbstractScrollArea");
}

// Every control of the input windows placed by hand stands where the design puts it, none left at
// its parent's top left corner where a control whose placing is forgotten would stand, hidden or
// shown; only the load form's rows, laid out by their scroll box, start there.
TEST_F(FormsTest, EveryControlOfTheInputWindowsIsPlacedAwayFromItsParentsCorner) {
    for (QWidget* form : {Widget(Forms.KX_BeamFrm), Widget(Forms.LoadDataFrm), Widget(Forms.SpanFrm),
                          Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm), Widget(Forms.TimSectFrm),
                          Widget(Forms.KX_GridFrm), Widget(Forms.CouplersFrm)}) {
        form->show();
        QApplication::processEvents();
        int placed = 0;
        for (const QWidget* c : form->findChildren<QWidget*>()) {
            if (!placedByHand(c)) continue;
            EXPECT_NE(c->pos(), QPoint(0, 0)) << form->objectName().toStdString() << " " << name(c);
            ++placed;
        }
        EXPECT_GT(placed, 3) << form->objectName().toStdString();
        form->hide();
    }
}

// The input windows at their design sizes (the client areas of their marker panels), the beam form
// growing to the height of its member grid; and the pictures they draw on, each of its design size
// at its place: the beam sketches, the span forms' two, and the cantilever forms' seven restraint
// pictures, each beside one of its group's rows of options, 74 apart from 20 down.
TEST_F(FormsTest, TheInputWindowsAndTheirPicturesStandAtTheirDesignSizesAndPlaces) {
    TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    const int menu = beam->menuBar()->sizeHint().height();
    struct Size {
        QWidget* form;
        QSize size;
    };
    for (const Size& s :
         {Size{beam, {777, menu + 540}}, Size{Widget(Forms.SpanFrm), {790, 570}},
          Size{Widget(Forms.CantLHFrm), {790, 570}}, Size{Widget(Forms.CantRHFrm), {790, 570}},
          Size{Widget(Forms.TimSectFrm), {760, 560}}})
        EXPECT_EQ(s.form->size(), s.size) << s.form->objectName().toStdString();
    EXPECT_EQ(Forms.LoadDataFrm->width(), 780);

    struct Picture {
        const QWidget* picture;
        QRect at;
    };
    for (const Picture& p : {Picture{beam->Image_Beam, {12, 8, 753, 73}},
                             Picture{Forms.LoadDataFrm->Image_Beam, {11, 8, 743, 145}},
                             Picture{Forms.SpanFrm->Image_Spans, {10, 6, 769, 65}},
                             Picture{Forms.SpanFrm->Image_IntSpan, {16, 16, 737, 89}}})
        EXPECT_EQ(p.picture->geometry(), p.at) << p.picture->window()->objectName().toStdString() << " "
                                               << p.picture->objectName().toStdString();
    for (QWidget* cant : {Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm)})
        for (int i = 1; i <= 7; ++i) {
            const QWidget* p = cant->findChild<QWidget*>(QStringLiteral("Image%1").arg(i));
            ASSERT_NE(p, nullptr) << cant->objectName().toStdString() << " Image" << i;
            EXPECT_EQ(p->size(), QSize(110, 60)) << i;
            EXPECT_EQ(p->x(), 255) << i;
            EXPECT_TRUE(p->y() >= 20 && (p->y() - 20) % 74 == 0 && p->y() + 60 <= p->parentWidget()->height())
                << cant->objectName().toStdString() << " Image" << i << " at " << p->y();
        }

    beam->show();
    emit beam->Label_Demo->clicked();
    EXPECT_EQ(beam->size(), QSize(777, menu + 881));
}

// Every caption of the span, cantilever and timber section forms, as the design words it, slips
// and all ("againt", "conection", the right form's "restaint" and "retraint"): labels, options,
// buttons and group titles, each with its control's name (the timber form's value captions have
// none), in the order of their names; controls without a caption are left out.
TEST_F(FormsTest, TheSpanCantileverAndTimberFormsCaptionEveryControlAsDesigned) {
    auto captions = [](const QWidget* form) {
        std::vector<std::string> found;
        for (const QWidget* c : form->findChildren<QWidget*>()) {
            QString t;
            if (auto* l = qobject_cast<const QLabel*>(c))
                t = l->text();
            else if (auto* b = qobject_cast<const QAbstractButton*>(c))
                t = b->text();
            else if (auto* g = qobject_cast<const QGroupBox*>(c))
                t = g->title();
            if (!t.isEmpty()) found.push_back(FromQt(c->objectName() + "|" + t));
        }
        std::sort(found.begin(), found.end());
        return found;
    };
    auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const std::vector<std::string> span{
        "Check_12|Apply 1.2 factor for effective top flange/ load lateral restraint.",
        "GroupBox1|Select number of supports",
        "Label1|Beam effectively restrained at supports to clause L.5 of BS 5975",
        "Label2|Restrained",
        "Label3|Torsional restraint at support sections is given only by positive connection to the bottom "
        "of "
        "the flange.",
        "Label4|Span intervals can be edited in the grid above.",
        "Label5|Span",
        "Label6|Users must ensure that support restraints are compatible span to span.",
        "Label7|Values will be rounded to nearest  1/100 span.",
        "Label_L|Span Length = ",
        "Label_Le|Effective length =",
        "Label_Lf|Effective length factor =",
        "Option_Blank|Select number of support positions and clear grid.",
        "Option_Dead|Torsional restraint at support sections is given only by dead bearing of the bottom "
        "flange "
        "on the support.",
        "Option_Edit|Enter value for effective length",
        "Option_Equal|Select number of equal support positions.",
        "Option_Full|Compression flange fully restrained againt rotation in plan at supports.",
        "Option_Int|Span restrained at intervals",
        "Option_Not|Compression flange not restrained against rotation in plan at the supports.",
        "Option_Partial|Compression flange partially restrained against rotation in plan at supports.",
        "Option_Pos|Torsional restraint at support sections given only by positive conection of the bottom "
        "flange to the support",
        "Option_Restrained|Span Fully Restrained",
        "Option_UnEqual|Select number of equal support positions with ends 1/2 mid span.",
        "cmdEdit|Reset effective length",
        "cmd_All|Apply to all spans",
        "cmd_Back|< Back",
        "cmd_Cancel|Cancel",
        "cmd_Next|Next >",
        "cmd_OK|OK",
        "cmd_Part|Reset restraint intervals",
    };
    EXPECT_EQ(captions(Forms.SpanFrm), sorted(span));
    // The two cantilever forms share all but the end group's wording, their buttons' names and the
    // left form's bracing note.
    const std::vector<std::string> cantilever{
        "GroupLoading|Loading",
        "GroupSupport|Support Restraint",
        "Label3|Effective length factor",
        "Label_Le|Effective length",
        "Label_Note|Users must ensure that cantilever support restraints are compatible with span restraints",
        "Label_Support_Both|Continuous with lateral and torsional restraint",
        "Label_Support_Lateral|Continuous with lateral restraint only",
        "Label_Support_Partial|Continuous with partial torsional restraint",
        "Option_Destabilizing|Destabilizing",
        "Option_Edit|Enter value for effective length",
        "Option_End_Free|Free",
        "Option_End_Top|Top flange restraint",
        "Option_Normal|Normal",
        "Option_Restrained|Cantilever fully restrained",
        "cmdEdit|Reset effective length",
        "cmd_Next|Next >",
    };
    auto with = [&cantilever](std::vector<std::string> own) {
        own.insert(own.end(), cantilever.begin(), cantilever.end());
        std::sort(own.begin(), own.end());
        return own;
    };
    EXPECT_EQ(
        captions(Widget(Forms.CantLHFrm)),
        with({"Button1|Cancel", "Cmd_Back|< Back", "GroupEnd|End Restraint",
              "Label4|Braced laterally in at least one bay", "Option_End_Both|Lateral and torional restraint",
              "Option_End_Torsion|Torsionional restraint"}));
    EXPECT_EQ(
        captions(Widget(Forms.CantRHFrm)),
        with({"cmdCancel|Cancel", "cmd_Back|< Back", "GroupEnd| End Restraint ",
              "Option_End_Both|Lateral and torsional retraint", "Option_End_Torsion|Torsional restaint"}));
    EXPECT_EQ(captions(Widget(Forms.TimSectFrm)),
              sorted({
                  "Cmd_Calc|Calc",
                  "GroupDuration|Load Duration  K3",
                  "GroupMoisture|Wet / Dry   K1 and K2",
                  "GroupSharing|Single / Sharing K8",
                  "Label_Blue|Blue Text is to the recommendations of 'Formwork a guide to good practice' "
                  "1986 by the "
                  "Concrete Society.",
                  "Label_Depth|Depth (mm)",
                  "Label_Grade|Strength Class",
                  "Label_Metric|Section sizes and properties on this form are always in UK metric format.",
                  "Label_Red|Red Text is to BS 5975 (Falsework)",
                  "Label_Width|Width (mm)",
                  "Option_Dry|Dry",
                  "Option_General|General",
                  "Option_LT|Long Term",
                  "Option_MT|Medium Term",
                  "Option_Month|1 Month",
                  "Option_ST|Short Term",
                  "Option_Share|Sharing",
                  "Option_Single|Single",
                  "Option_VST|V. Short Term",
                  "Option_Wall|Wall",
                  "Option_Week|1 Week",
                  "Option_Wet|Wet",
                  "Option_Year|1 Year",
                  "cmd_OK|Next >",
                  "|E (N/mm^2)",
                  "|Grade Bending Stress (N/mm^2)",
                  "|Grade Shear Stress (N/mm^2)",
                  "|K1",
                  "|K2 (Bending)",
                  "|K2 (E)",
                  "|K2 (Shear)",
                  "|K3",
                  "|K8",
              }));
}

// The controls the design sets close to an edge of their group, row or form, at their design
// places: the load rows' controls (row 1 as row 50), the self-weight group, the cantilever
// forms' two restraint groups, the beam form's family caption and member grid (6 below the
// 540 high form, reaching 50 short of the grown 881), and the timber form's results list and
// value boxes (2 above their captions, 26 apart); the couplers note 489 x 393, the sizes of its
// marker panels.
TEST_F(FormsTest, TheControlsNearTheEdgesOfTheInputWindowsStandAtTheirDesignPlaces) {
    struct Place {
        const QWidget* control;
        QRect at;
    };
    std::vector<Place> places;
    for (int n : {1, 50}) {
        const TLoadRow& r = Forms.LoadDataFrm->Row(n);
        places.insert(places.end(), {{r.Edit_No, {4, 6, 26, 23}},
                                     {r.OptionP, {36, 8, 52, 20}},
                                     {r.OptionUDL, {90, 8, 50, 20}},
                                     {r.Edit_PL, {146, 6, 78, 23}},
                                     {r.Edit_Dist, {230, 6, 78, 23}},
                                     {r.Edit_UDLS, {314, 6, 78, 23}},
                                     {r.Edit_UDLF, {398, 6, 78, 23}},
                                     {r.Edit_Cover, {482, 6, 78, 23}},
                                     {r.Edit_LF, {566, 6, 60, 23}},
                                     {r.Check, {636, 8, 70, 20}}});
    }
    places.push_back({Forms.LoadDataFrm->Frame_SWt, {5, 3, 335, 58}});
    for (QWidget* cant : {Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm)}) {
        places.push_back({cant->findChild<QWidget*>("GroupSupport"), {10, 8, 380, 250}});
        places.push_back({cant->findChild<QWidget*>("GroupEnd"), {400, 8, 380, 340}});
    }
    const TKX_BeamFrm* beam = Forms.KX_BeamFrm;
    places.push_back({beam->findChild<QWidget*>("lbl_Group"), {10, 8, 300, 20}});
    places.push_back({beam->Grid_SpanData, {12, 546, 753, 291}});
    const TTimSectFrm* timber = Forms.TimSectFrm;
    places.push_back({timber->List_Results, {470, 8, 280, 500}});
    int y = 272;
    for (const QLabel* v :
         {timber->lbl_Bend, timber->lbl_Shear, timber->lbl_E, timber->lbl_K8, timber->lbl_K1, timber->lbl_K2E,
          timber->lbl_K2B, timber->lbl_K2S, timber->lbl_K3}) {
        places.push_back({v, {220, y, 80, 22}});
        y += 26;
    }
    for (const Place& p : places) {
        ASSERT_NE(p.control, nullptr);
        EXPECT_EQ(p.control->geometry(), p.at)
            << p.control->window()->objectName().toStdString() << " " << name(p.control);
    }
    EXPECT_EQ(Widget(Forms.CouplersFrm)->size(), QSize(489, 393));
}

// What the input windows keep of their design beyond places: the span form's value boxes, the
// cantilever forms' and the timber form's painted white on the grey form; the beam form's two
// shear notes in 7 point; the couplers note's text read only; the span form's support-count
// spinner from 1 to 5; its interval grid's caption column 110 wide, its interval columns 55; the section
// editor's headings fixed.
TEST_F(FormsTest, TheInputWindowsValueBoxesNotesSpinnersAndGridsKeepTheirDesign) {
    for (QWidget* form : {Widget(Forms.SpanFrm), Widget(Forms.CantLHFrm), Widget(Forms.CantRHFrm),
                          Widget(Forms.TimSectFrm)}) {
        const QImage painted = form->grab().toImage();
        for (const char* box : {"lbl_Lf", "lbl_Le", "lbl_K3", "lbl_L"}) {
            const QLabel* v = form->findChild<QLabel*>(box);
            if (!v) continue;
            const QPoint inside = v->mapTo(form, QPoint(v->width() - 3, v->height() / 2));
            const QPoint beside = v->mapTo(form, QPoint(v->width() + 2, v->height() / 2));
            EXPECT_EQ(painted.pixelColor(inside), QColor(Qt::white))
                << form->objectName().toStdString() << " " << box;
            EXPECT_NE(painted.pixelColor(beside), QColor(Qt::white))
                << form->objectName().toStdString() << " " << box;
        }
    }
    for (const char* note : {"Label_Kform", "Label_GANote"}) {
        const QLabel* l = Forms.KX_BeamFrm->findChild<QLabel*>(note);
        ASSERT_NE(l, nullptr) << note;
        EXPECT_EQ(l->font().pointSize(), 7) << note;
    }
    const QPlainTextEdit* memo = Widget(Forms.CouplersFrm)->findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    const TSpanFrm* span = Forms.SpanFrm;
    EXPECT_EQ(std::make_pair(span->Edit_No->minimum(), span->Edit_No->maximum()), std::make_pair(1, 5));
    EXPECT_EQ(span->Edit_Span->minimum(), 1);
    ASSERT_EQ(span->Grid_Int->columnCount(), 7);
    EXPECT_EQ(span->Grid_Int->columnWidth(0), 110);
    for (int c : {1, 2}) // the two interval columns shown; the others open as intervals are added
        EXPECT_EQ(span->Grid_Int->columnWidth(c), 55) << c;
    // The section editor's rows are dragged by their references; its column headings stay put and
    // select nothing, and its corner selects nothing either.
    const QTableWidget* sections = Forms.KX_GridFrm->Grid;
    EXPECT_TRUE(sections->verticalHeader()->sectionsMovable());
    EXPECT_FALSE(sections->horizontalHeader()->sectionsMovable());
    EXPECT_FALSE(sections->horizontalHeader()->sectionsClickable());
    EXPECT_FALSE(sections->isCornerButtonEnabled());
}

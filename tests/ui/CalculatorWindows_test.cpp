// The calculator windows placed by hand (steel, timber, load duration) stand as designed: every
// caption, box, value, list and button at its place and size, each window at its size. The windows
// laid out by Qt (wind, scaffold tube) keep their fixed box widths and their size; the menus hold
// their items and separators in order; the result lists show their fonts. Each calculator
// opens with its first choices made and its boxes and lists empty.
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FormsFixture.h"
#include "calculators/ui/Duration.h"
#include "calculators/ui/KX_Cap.h"
#include "calculators/ui/Scaffold.h"
#include "calculators/ui/Timber.h"
#include "calculators/ui/Wind.h"
#include "foundation/ui/Windows.h"

using namespace kx;

namespace {

using Placed = std::vector<std::pair<std::string, QRect>>;

// A widget by its name, or by its text in brackets when it has none (captions, groups).
std::string key(const QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName().toStdString();
    if (const auto* l = qobject_cast<const QLabel*>(w)) return "[" + l->text().toStdString() + "]";
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) return "[" + g->title().toStdString() + "]";
    return "?";
}

// Every widget the window places on `client` and in its groups, with its place in its parent.
Placed placed(const QWidget* client) {
    Placed out;
    for (const QObject* o : client->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w->isWindow() || qobject_cast<const QMenuBar*>(w)) continue;
        out.emplace_back(key(w), w->geometry());
        if (qobject_cast<const QGroupBox*>(w))
            for (auto& inner : placed(w))
                out.emplace_back(key(w) + "/" + inner.first, inner.second);
    }
    return out;
}

// In order of name, then from the top and from the left: names repeat only among captions.
Placed sorted(Placed p) {
    std::sort(p.begin(), p.end(), [](const auto& a, const auto& b) {
        return std::make_tuple(a.first, a.second.top(), a.second.left()) <
               std::make_tuple(b.first, b.second.top(), b.second.left());
    });
    return p;
}

void expectPlaced(const QWidget* client, const Placed& designed) {
    const Placed got = sorted(placed(client)), want = sorted(designed);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].first, want[i].first) << i;
        EXPECT_EQ(got[i].second, want[i].second) << want[i].first;
    }
}

} // namespace

// Timber: description and class rows 32 apart, edits from x 100; three choice groups of 210 x 52
// (two side by side, 5 apart), their radios 12 and 120 in; size rows 28 apart (caption 120, box 70
// at 140, unit at 215); grade values and factors in two columns at x 10 and 225, rows 26 apart
// from y 284, each value 135 right of its caption; three buttons 425 wide, 36 apart from y 480;
// results and summary lists 440 wide at x 450, 8 apart. The client is 900 x 620 below the menu.
TEST_F(FormsTest, TimberWindowPlacesEveryControlAsDesigned) {
    TTimberFrm* w = Forms.TimberFrm;
    ShowForm(w);
    Placed d = {{"Panel1", {0, 0, 900, 1}},
                {"Panel2", {0, 0, 1, 620}},
                {"[Description]", {10, 8, 90, 22}},
                {"Edit_Title", {100, 8, 330, 22}},
                {"[Strength Class]", {10, 40, 90, 22}},
                {"Combo_Grade", {100, 40, 100, 24}},
                {"cmd_BendCap", {10, 480, 425, 30}},
                {"cmd_AxialCap", {10, 516, 425, 30}},
                {"cmd_Comb", {10, 552, 425, 30}},
                {"List_Results", {450, 8, 440, 400}},
                {"List_Sum", {450, 416, 440, 190}}};
    const std::pair<const char*, QPoint> groups[] = {
        {"[Single / Sharing K8]", {10, 72}}, {"[Wet / Dry   K1 and K2]", {225, 72}}, {"[Axis]", {10, 128}}};
    const char* radios[][2] = {
        {"Option_Single", "Option_Share"}, {"Option_Wet", "Option_Dry"}, {"Option_Major", "Option_Minor"}};
    for (int g = 0; g < 3; ++g) {
        const std::string group = groups[g].first;
        d.push_back({group, QRect(groups[g].second, QSize(210, 52))});
        d.push_back({group + "/" + radios[g][0], {12, 22, 100, 22}});
        d.push_back({group + "/" + radios[g][1], {120, 22, 100, 22}});
    }
    const std::pair<const char*, const char*> sizes[] = {
        {"Width", "mm"}, {"Depth", "mm"}, {"Effective Length", "m"}};
    const char* sizeEdits[] = {"Edit_Width", "Edit_Depth", "Edit_Le"};
    for (int i = 0; i < 3; ++i) {
        const int y = 190 + 28 * i;
        d.push_back({std::string("[") + sizes[i].first + "]", {10, y, 120, 22}});
        d.push_back({sizeEdits[i], {140, y, 70, 22}});
        d.push_back({std::string("[") + sizes[i].second + "]", {215, y, 40, 22}});
    }
    const std::pair<const char*, const char*> values[] = {{"Grade Bending Stress", "lbl_BendStress"},
                                                          {"Grade Shear Stress", "lbl_ShearStress"},
                                                          {"Grade Axial Stress", "lbl_AxStress"},
                                                          {"E (bending)", "lbl_Eb"},
                                                          {"E (axial)", "lbl_Eax"},
                                                          {"K8", "lbl_K8"},
                                                          {"K1", "lbl_K1"},
                                                          {"K2 (E)", "lbl_K2E"},
                                                          {"K2 (bending)", "lbl_K2B"},
                                                          {"K2 (shear)", "lbl_K2S"},
                                                          {"K2 (axial)", "lbl_K2Ax"},
                                                          {"K3 (bending)", "lbl_K3b"},
                                                          {"K3 (axial)", "lbl_K3ax"}};
    for (int i = 0; i < 13; ++i) {
        const int x = i < 7 ? 10 : 225, y = 284 + 26 * (i < 7 ? i : i - 7);
        d.push_back({std::string("[") + values[i].first + "]", {x, y, 130, 22}});
        d.push_back({values[i].second, {x + 135, y, 70, 22}});
    }
    expectPlaced(w->centralWidget(), d);
    EXPECT_EQ(w->size(), QSize(900, 620 + w->menuBar()->sizeHint().height()));
}

// Steel: the family's name over three lists 290 high from y 30 (section 210, properties 250,
// results 290 wide, 10 apart); three input rows 30 apart from y 334 and the two values 30 apart
// from y 434 (caption 190, box 80 at 200, unit at 282; the bending-stress caption is 205 wide and
// its box fills the rest to 280); four buttons under the results list, as wide, 38 apart. The
// window is 790 x 540.
TEST_F(FormsTest, SteelWindowPlacesEveryControlAsDesigned) {
    TKX_CapFrm* w = Forms.KX_CapFrm;
    ShowForm(w);
    Placed d = {{"Panel1", {0, 0, 790, 1}},
                {"Panel2", {0, 0, 1, 540}},
                {"lbl_Group", {10, 6, 220, 22}},
                {"List_Section", {10, 30, 210, 290}},
                {"List_Props", {230, 30, 250, 290}},
                {"List_Results", {490, 30, 290, 290}},
                {"[Youngs Modulus]", {10, 434, 190, 22}},
                {"lbl_E", {200, 434, 80, 22}},
                {"[ N/mm^2]", {282, 434, 70, 22}},
                {"[Max permissable bending stress ]", {10, 464, 205, 22}},
                {"lbl_Py", {216, 464, 64, 22}},
                {"[ N/mm^2]", {282, 464, 70, 22}}};
    const char* rows[][4] = {{"Common Effective Length ", "Edit_Le", " m", "40"},
                             {"Axial Load ", "Edit_Axial", " kN", "40"},
                             {"Moment about x-x axis ", "Edit_Mom", " kN-m", "50"}};
    for (int i = 0; i < 3; ++i) {
        const int y = 334 + 30 * i;
        d.push_back({std::string("[") + rows[i][0] + "]", {10, y, 190, 22}});
        d.push_back({rows[i][1], {200, y, 80, 22}});
        d.push_back({std::string("[") + rows[i][2] + "]", {282, y, std::stoi(rows[i][3]), 22}});
    }
    const char* buttons[] = {"cmd_AxialXX", "cmd_AxialYY", "cmd_MomXX", "cmd_Calc"};
    for (int i = 0; i < 4; ++i)
        d.push_back({buttons[i], {490, 334 + 38 * i, 290, 30}});
    expectPlaced(w->centralWidget(), d);
    EXPECT_EQ(w->size(), QSize(790, 540));
}

// Load duration: two groups 250 x 170, 30 apart, their radios 28 apart from y 24 in the order
// shown (the four beyond the group's height hidden) and the K3 taken at 180; the two notes across
// the dialog; the combined inputs (caption 140, box 80 at 160, unit at 245) 28 apart from y 290;
// OK at the wider marker (400) as made. The dialog is 560 x 400.
TEST_F(FormsTest, DurationDialogPlacesEveryControlAsDesigned) {
    TDurationFrm* w = Forms.DurationFrm;
    Placed d = {{"Panel1", {0, 0, 560, 1}},
                {"Panel2", {0, 0, 1, 400}},
                {"Panel3", {0, 0, 120, 1}},
                {"Panel4", {0, 0, 400, 1}},
                {"GroupBending", {15, 10, 250, 170}},
                {"GroupAxial", {295, 10, 250, 170}},
                {"Label1", {15, 190, 530, 22}},
                {"Label2", {15, 214, 530, 40}},
                {"Label_Comb1", {15, 262, 300, 22}},
                {"Label_Comb2", {15, 290, 140, 22}},
                {"Edit_Axial", {160, 290, 80, 22}},
                {"Label_Comb3", {245, 290, 40, 22}},
                {"Label_Comb4", {15, 318, 140, 22}},
                {"Edit_Mom", {160, 318, 80, 22}},
                {"Label_Comb5", {245, 318, 40, 22}},
                {"cmd_OK", {400, 352, 120, 30}},
                {"GroupBending/lbl_MomK3", {180, 24, 50, 22}},
                {"GroupAxial/lbl_AxK3", {180, 24, 50, 22}}};
    const char* shown[][2] = {{"Option_Month", "Option_AxMonth"}, {"Option_Year", "Option_AxYear"},
                              {"Option_Week", "Option_AxWeek"},   {"Option_General", "Option_AxGeneral"},
                              {"Option_Wall", "Option_AxWall"},   {"Option_LT", "Option_AxLT"},
                              {"Option_MT", "Option_AxMT"},       {"Option_ST", "Option_AxST"},
                              {"Option_VST", "Option_AxVST"}};
    for (int row = 0; row < 9; ++row) {
        d.push_back({std::string("GroupBending/") + shown[row][0], {12, 24 + 28 * row, 150, 22}});
        d.push_back({std::string("GroupAxial/") + shown[row][1], {12, 24 + 28 * row, 150, 22}});
    }
    expectPlaced(w, d);
    EXPECT_EQ(w->size(), QSize(560, 400));
}

// The windows Qt lays out: the wind window's number boxes and the tube's length box keep the
// widths that hold their numbers (90 and 80), the tube's memo its least width, 340; the wind window
// is 713 x 540, the size of its hidden markers (713 x 8 and 8 x 540 at the top left).
TEST_F(FormsTest, WindAndTubeWindowsKeepTheirBoxWidthsAndSize) {
    TWindFrm* wind = Forms.WindFrm;
    ShowForm(wind);
    for (QWidget* box : std::initializer_list<QWidget*>{wind->Edit_AreaNo, wind->Edit_Basic, wind->Edit_S1,
                                                        wind->Edit_Height, wind->Edit_Factor,
                                                        wind->Edit_TubeLength, wind->Edit_BoardLength})
        EXPECT_EQ(box->width(), 90) << key(box);
    EXPECT_EQ(wind->size(), QSize(713, 540));
    EXPECT_EQ(wind->Panel1->geometry(), QRect(0, 0, 713, 8));
    EXPECT_EQ(wind->Panel2->geometry(), QRect(0, 0, 8, 540));
    EXPECT_TRUE(wind->Panel1->isHidden() && wind->Panel2->isHidden());
    TScaffoldFrm* tube = Forms.ScaffoldFrm;
    ShowForm(tube);
    EXPECT_EQ(tube->Edit_Le->width(), 80);
    EXPECT_EQ(tube->Memo_Tube->width(), 340); // the window is as wide as the memo's least width
}

// As made: timber C14 (the list's item "   C14"), single, wet, major axis, with C14's single-member values (E
// 4600, bending 4.1, shear 0.6, compression 5.2 N/mm^2), K8 1.0 and the wet factors (K1 1.02, K2 0.8 for E
// and bending, 0.9 shear, 0.6 axial); wind area 1, S1 1, open country, under 2 years; the new steel tube;
// General for both durations; every other box, list and value empty. The timber, wind and steel windows
// and the duration dialog (as it shows) open in the middle of the screen: the top left is half the room left
// around them.
TEST_F(FormsTest, CalculatorsOpenWithTheirFirstChoicesAndEmptyBoxes) {
    const auto checked = [](const QWidget* w, const char* name) {
        const auto* r = w->findChild<QRadioButton*>(QString::fromLatin1(name));
        return r && r->isChecked();
    };
    const auto text = [](const QWidget* w, const char* name) -> std::string {
        const QObject* o = w->findChild<QObject*>(QString::fromLatin1(name));
        if (const auto* e = qobject_cast<const QLineEdit*>(o)) return e->text().toStdString();
        if (const auto* l = qobject_cast<const QLabel*>(o)) return l->text().toStdString();
        if (const auto* l = qobject_cast<const QListWidget*>(o)) return std::to_string(l->count()) + " lines";
        if (const auto* m = qobject_cast<const QPlainTextEdit*>(o)) return m->toPlainText().toStdString();
        if (const auto* c = qobject_cast<const QComboBox*>(o)) return c->currentText().toStdString();
        if (const auto* b = qobject_cast<const QSpinBox*>(o)) return b->text().toStdString();
        return "?";
    };
    struct Row {
        QWidget* window;
        std::vector<const char*> on, off;
        std::vector<std::pair<const char*, const char*>> texts;
    };
    const Row rows[] = {
        {Forms.TimberFrm,
         {"Option_Single", "Option_Wet", "Option_Major"},
         {"Option_Share", "Option_Dry", "Option_Minor"},
         {{"Combo_Grade", "   C14"},
          {"Edit_Title", ""},
          {"Edit_Width", ""},
          {"Edit_Depth", ""},
          {"Edit_Le", ""},
          {"lbl_Eb", "4600"},
          {"lbl_Eax", "4600"},
          {"lbl_BendStress", "4.10"},
          {"lbl_ShearStress", "0.600"},
          {"lbl_AxStress", "5.20"},
          {"lbl_K8", "1.0"},
          {"lbl_K1", "1.02"},
          {"lbl_K2E", "0.80"},
          {"lbl_K2B", "0.80"},
          {"lbl_K2S", "0.90"},
          {"lbl_K2Ax", "0.60"},
          {"lbl_K3b", ""},
          {"lbl_K3ax", ""},
          {"List_Results", "0 lines"},
          {"List_Sum", "0 lines"}}},
        {Forms.WindFrm,
         {"Option_Open", "Option_2"},
         {"Option_OpenScattered", "Option_Many", "Option_City", "Option_2_5", "Option_5_10", "OPtion_10"},
         {{"Edit_AreaNo", "1"},
          {"Edit_Desc", ""},
          {"Edit_Basic", ""},
          {"Edit_S1", "1"},
          {"Edit_Height", ""},
          {"Edit_Factor", ""},
          {"Edit_TubeLength", ""},
          {"Edit_BoardLength", ""},
          {"List_Results", "0 lines"}}},
        {Forms.ScaffoldFrm,
         {"Option_New"},
         {"Option_Used", "Option_Aluminium"},
         {{"Edit_Le", ""}, {"Memo_Tube", ""}}},
        {Forms.DurationFrm,
         {"Option_General", "Option_AxGeneral"},
         {"Option_Wall", "Option_Week", "Option_Month", "Option_Year", "Option_AxWall", "Option_AxWeek",
          "Option_AxMonth", "Option_AxYear"},
         {{"Edit_Axial", ""}, {"Edit_Mom", ""}}},
        {Forms.KX_CapFrm,
         {},
         {},
         {{"lbl_Group", ""},
          {"lbl_E", ""},
          {"lbl_Py", ""},
          {"Edit_Le", ""},
          {"Edit_Axial", ""},
          {"Edit_Mom", ""},
          {"List_Section", "0 lines"},
          {"List_Props", "0 lines"},
          {"List_Results", "0 lines"}}},
    };
    for (const Row& r : rows) {
        const std::string window = r.window->objectName().toStdString();
        for (const char* name : r.on)
            EXPECT_TRUE(checked(r.window, name)) << window << " " << name;
        for (const char* name : r.off)
            EXPECT_FALSE(checked(r.window, name)) << window << " " << name;
        for (const auto& [name, want] : r.texts)
            EXPECT_EQ(text(r.window, name), want) << window << " " << name;
    }
    ShowForm(Forms.DurationFrm); // the dialog centres itself as it shows
    for (const QWidget* w :
         {static_cast<const QWidget*>(Forms.TimberFrm), static_cast<const QWidget*>(Forms.WindFrm),
          static_cast<const QWidget*>(Forms.KX_CapFrm), static_cast<const QWidget*>(Forms.DurationFrm)}) {
        const QRect s = w->screen()->geometry();
        EXPECT_EQ(w->pos(),
                  QPoint(s.x() + (s.width() - w->width()) / 2, s.y() + (s.height() - w->height()) / 2))
            << w->objectName().toStdString();
    }
}

namespace {

// A menu's items in order, "-" for a separator and "Name: ..." for a submenu.
std::string items(const QMenu* menu) {
    std::string out;
    for (const QAction* a : menu->actions()) {
        if (!out.empty()) out += " | ";
        if (a->isSeparator())
            out += "-";
        else if (a->menu())
            out += a->text().toStdString() + ": [" + items(a->menu()) + "]";
        else
            out += a->text().toStdString();
    }
    return out;
}

std::string menus(const QMainWindow* w) {
    std::string out;
    for (const QAction* a : w->menuBar()->actions())
        out += a->text().toStdString() + ": [" + items(a->menu()) + "]\n";
    return out;
}

} // namespace

// The menu bars of the calculators, every item and separator in order: steel's File opens with a
// separator, its beams and channels set the European families apart (IPE and HE, UPN) by a
// separator; the timber and wind File menus hold a separator between each two items.
TEST_F(FormsTest, CalculatorMenusHoldTheirItemsAndSeparatorsInOrder) {
    EXPECT_EQ(menus(Forms.KX_CapFrm),
              "File: [- | Close | - | Exit KX-Flexor]\n"
              "Section Properties: [Beams: [Universal Beams | Universal Columns | RSJ | - | IPE | HE] | "
              "Channels: [RSC | PFC | - | UPN] | Closed Sections: [RHS | CHS]]\n");
    const std::string file = "File: [Set Header | - | Print | - | Close | - | Exit KX-Flexor]\n";
    EXPECT_EQ(menus(Forms.TimberFrm), file);
    EXPECT_EQ(menus(Forms.WindFrm), file);
}

// The result lists whose lines line up in columns show a fixed-pitch font: the steel window's three
// lists Courier 9 point, the wind results Courier New 9 point (asked as a typewriter face, so that
// a system without Courier New still gives a fixed pitch). The timber lists and the tube's memo
// keep their window's font.
TEST_F(FormsTest, CalculatorListsShowTheirFonts) {
    struct Row {
        const char* name;
        const QWidget* list;
        QFont want;
    };
    QFont wind(QStringLiteral("Courier New"), 9);
    wind.setStyleHint(QFont::TypeWriter);
    const TKX_CapFrm* steel = Forms.KX_CapFrm;
    const TTimberFrm* timber = Forms.TimberFrm;
    const Row rows[] = {
        {"steel List_Section", steel->List_Section, QFont(QStringLiteral("Courier"), 9)},
        {"steel List_Props", steel->List_Props, QFont(QStringLiteral("Courier"), 9)},
        {"steel List_Results", steel->List_Results, QFont(QStringLiteral("Courier"), 9)},
        {"wind List_Results", Forms.WindFrm->List_Results, wind},
        {"timber List_Results", timber->List_Results, timber->font()},
        {"timber List_Sum", timber->List_Sum, timber->font()},
        {"tube Memo_Tube", Forms.ScaffoldFrm->Memo_Tube, Forms.ScaffoldFrm->font()},
    };
    for (const Row& r : rows) {
        const QFont got = r.list->font();
        EXPECT_EQ(got.family(), r.want.family()) << r.name;
        EXPECT_EQ(got.pointSize(), r.want.pointSize()) << r.name;
        EXPECT_EQ(got.styleHint(), r.want.styleHint()) << r.name;
        EXPECT_EQ(got.bold(), r.want.bold()) << r.name;
    }
}

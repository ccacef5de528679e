// The beam and section input window.
#include "input/ui/KX_Beam.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTableWidget>
#include <stdexcept>
#include <string>

#include "foundation/ui/GridCells.h"
#include "foundation/ui/Windows.h"
#include "input/FormSketch.h"
#include "input/SectionChoice.h"
#include "input/ui/Couplers.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/TimSect.h"
#include "platform/BusyCursor.h"
#include "platform/Guard.h"
#include "platform/NumberInput.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"
#include "window/FileCommands.h"
#include "window/ui/Index.h"

namespace kx {

namespace {

// The window's design: client width and height, the height it grows to for the member grid.
constexpr int kClientWidth = 777;  // Panel2
constexpr int kClientHeight = 540; // Panel1
constexpr int kTallHeight = 881;   // Panel4

QCheckBox* check(QWidget* parent, const char* name, const char* caption, int x, int y, int w = 90) {
    auto* b = Named(new QCheckBox(ToQt(caption), parent), name);
    b->setGeometry(x, y, w, 22);
    return b;
}

QRadioButton* radio(QWidget* parent, const char* name, const char* caption, int x, int y, int w = 60) {
    auto* b = Named(new QRadioButton(ToQt(caption), parent), name);
    b->setGeometry(x, y, w, 22);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h = 20) {
    auto* l = Named(new QLabel(ToQt(caption), parent), name);
    l->setGeometry(x, y, w, h);
    return l;
}

// A white label that shows a value.
QLabel* valueLabel(QWidget* parent, const char* name, int x, int y, int w) {
    QLabel* l = label(parent, name, "", x, y, w);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(p);
    return l;
}

QGroupBox* group(QWidget* parent, const char* name, const char* title, int x, int y, int w, int h) {
    auto* g = Named(new QGroupBox(ToQt(title), parent), name);
    g->setGeometry(x, y, w, h);
    return g;
}

QButtonGroup* pair(QWidget* owner, QRadioButton* a, QRadioButton* b) {
    auto* g = new QButtonGroup(owner);
    g->addButton(a);
    g->addButton(b);
    return g;
}

// A string grid whose row 0 and column 0 hold captions that cannot be edited.
QTableWidget* stringGrid(QWidget* parent, const char* name, int cols, int rows) {
    auto* t = Named(new QTableWidget(rows, cols, parent), name);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(22);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    return t;
}

// The next position of the span spinner, round to the first after the last.
int nextSpanCount(int n) { return n < kMaxFormSpans ? n + 1 : 1; }

// A string grid and its texts; the spans grid also takes its column count from them.
template <int Cols, int Rows>
Binding<BeamFormControls> gridBinding(QTableWidget* t, GridTexts<Cols, Rows> BeamFormControls::*m,
                                      const char* field, bool columns) {
    return {{t},
            field,
            [t, m, columns](BeamFormControls& f) {
                GridTexts<Cols, Rows>& g = f.*m;
                if (columns) g.SetColCount(std::clamp(t->columnCount(), 1, Cols));
                for (int c = 0; c < g.ColCount(); ++c)
                    for (int r = 0; r < Rows; ++r)
                        g.Show(c, r, CellShown(t, c, r));
            },
            [t, m, columns](const BeamFormControls& f) {
                const GridTexts<Cols, Rows>& g = f.*m;
                if (columns) {
                    const int oldCols = t->columnCount();
                    t->setColumnCount(g.ColCount());
                    for (int c = oldCols; c < g.ColCount(); ++c)
                        t->setColumnWidth(c, 65);
                }
                for (int c = 0; c < g.ColCount(); ++c)
                    for (int r = 0; r < Rows; ++r)
                        ShowCell(t, c, r, g.Shown(c, r));
            },
            [t] {
                for (int c = 0; c < t->columnCount(); ++c)
                    for (int r = 0; r < Rows; ++r)
                        SetCellText(t, c, r, CellText(t, c, r) + "#");
            },
            [m](const BeamFormControls& a, const BeamFormControls& b) { return a.*m == b.*m; },
            [m](BeamFormControls& f) {
                GridTexts<Cols, Rows>& g = f.*m;
                for (int c = 0; c < g.ColCount(); ++c)
                    for (int r = 0; r < Rows; ++r)
                        g.SetCell(c, r, g.Cell(c, r) + "@");
            }};
}

} // namespace

void TSectionList::keyPressEvent(QKeyEvent* e) {
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != before && currentRow() >= 0) emit picked();
}

QValidator::State TSpanCountBox::validate(QString& input, int& pos) const {
    const QValidator::State s = QSpinBox::validate(input, pos);
    if (s != QValidator::Invalid) return s;
    // held to the range on Enter
    return TryReadWholeNumber(FromQt(input)) ? QValidator::Intermediate : QValidator::Invalid;
}

void TSpanCountBox::fixup(QString& input) const {
    if (const std::optional<int> v = TryReadWholeNumber(FromQt(input)))
        input = QString::number(std::clamp(*v, minimum(), maximum()));
}

TKX_BeamFrm::TKX_BeamFrm(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "KX_BeamFrm", "Beam Data");
    // On top of the other windows, with the system menu only.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // The families in the order of the menu, each item named and captioned from the family table.
    SectionProperties1 =
        Named(menuBar()->addMenu(QStringLiteral("Section Properties Database")), "SectionProperties1");
    // Each item is connected to its own row, so its code is named here only.
    auto family = [this](QMenu* menu, const char* code) {
        const SectionFamilyRow* row = SectionFamilyByCode(code);
        if (!row) throw std::logic_error(std::string("no section family ") + code);
        QAction* a = Named(menu->addAction(ToQt(row->Caption)), row->Item);
        connect(a, &QAction::triggered, this, [this, row] { SectionFamilyClick(*row); });
        return a;
    };
    auto submenu = [](QMenu* menu, const char* caption, const char* name) {
        return Named(menu->addMenu(QString::fromLatin1(caption)), name);
    };
    Tube1 = family(SectionProperties1, "Scaffold");
    SectionProperties1->addSeparator();
    HotRolledSections1 = submenu(SectionProperties1, "Hot Rolled Sections", "HotRolledSections1");
    Beams1 = submenu(HotRolledSections1, "Beams", "Beams1");
    UniversalBeams1 = family(Beams1, "UB");
    UniveralColumns1 = family(Beams1, "UC");
    RSJ1 = family(Beams1, "RSJ");
    IPE1 = family(Beams1, "IPE");
    HE1 = family(Beams1, "HE");
    WShapeBeams1 = family(Beams1, "WFB");
    WShapeColumns1 = family(Beams1, "WFC");
    Channels1 = submenu(HotRolledSections1, "Channels", "Channels1");
    RSC1 = family(Channels1, "RSC");
    PFC1 = family(Channels1, "PFC");
    UPN1 = family(Channels1, "UPN");
    CShape1 = family(Channels1, "C");
    Angles1 = submenu(HotRolledSections1, "Angles", "Angles1");
    EqualRSA1 = family(Angles1, "EqRSA");
    UnequalRSA1 = family(Angles1, "UnEqRSA");
    EqualL1 = family(Angles1, "EqL");
    UnequalL1 = family(Angles1, "UnEqL");
    ClosedSections1 = submenu(HotRolledSections1, "Closed Sections", "ClosedSections1");
    RHS1 = family(ClosedSections1, "RHS");
    CHS1 = family(ClosedSections1, "CHS");
    SectionProperties1->addSeparator();
    Timber1 = family(SectionProperties1, "Timber");
    SectionProperties1->addSeparator();
    Miscellaneous1 = family(SectionProperties1, "KXSect");

    auto* editMenu =
        Named(menuBar()->addMenu(QStringLiteral("  Edit Section Database")), "EditKXSectionDatabase1");
    EditMiscellaneousSections1 =
        Named(editMenu->addAction(QStringLiteral("KX Sections")), "EditMiscellaneousSections1");

    auto* client = new QWidget(this);
    setCentralWidget(client);

    Image_Beam = Named(new TPicture(753, 73, client), "Image_Beam");
    Image_Beam->move(12, 8);

    Grid_Spans = stringGrid(client, "Grid_Spans", 2, 2);
    Grid_Spans->setGeometry(12, 88, 753, 50);
    Grid_Spans->setItemDelegate(new LiveCellDelegate(Grid_Spans));
    // Typing into a cell starts editing it, as in the grid the form was designed with.
    Grid_Spans->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);

    GroupSpans = group(client, "GroupSpans", " Spans ", 12, 146, 150, 92);
    Check_LHC = check(GroupSpans, "Check_LHC", "LHC", 10, 22, 60);
    Check_RHC = check(GroupSpans, "Check_RHC", "RHC", 80, 22, 60);
    Edit_Spans = Named(new TSpanCountBox(GroupSpans), "Edit_Spans");
    Edit_Spans->setRange(1, kMaxFormSpans);
    Edit_Spans->setWrapping(false);
    // A typed count is taken when it is finished (Enter, or the focus moving on): "12" typed over
    // "3" passes through "1", which would untick the interior couplers of a one-span beam.
    Edit_Spans->setKeyboardTracking(false);
    Edit_Spans->setGeometry(10, 54, 70, 26);

    GroupSupportType = group(client, "GroupSupportType", " Support Type ", 170, 146, 150, 92);
    Option_Vert_Fixed = radio(GroupSupportType, "Option_Vert_Fixed", "Vertically fixed", 10, 24, 130);
    Option_Forkhead = radio(GroupSupportType, "Option_Forkhead", "Forkhead", 10, 54, 130);
    kindGroup_ = pair(this, Option_Vert_Fixed, Option_Forkhead);

    GroupEndSupport = group(client, "GroupEndSupport", " End Support ", 328, 146, 170, 92);
    Check_LHF = check(GroupEndSupport, "Check_LHF", "LH Support Fixed", 10, 24, 150);
    Check_RHF = check(GroupEndSupport, "Check_RHF", "RH Support Fixed", 10, 54, 150);

    Frame_Couplers = group(client, "Frame_Couplers", "Double Couplers at Supports", 506, 146, 259, 192);
    Check_LH_End_Sup = check(Frame_Couplers, "Check_LH_End_Sup", "LH End", 10, 24, 80);
    Option_LH_Top = radio(Frame_Couplers, "Option_LH_Top", "Top", 110, 24);
    Option_LH_Mid = radio(Frame_Couplers, "Option_LH_Mid", "Mid", 180, 24);
    Check_Span_Sup = check(Frame_Couplers, "Check_Span_Sup", "Spans", 10, 50, 80);
    Option_Span_Top = radio(Frame_Couplers, "Option_Span_Top", "Top", 110, 50);
    Option_Span_Mid = radio(Frame_Couplers, "Option_Span_Mid", "Mid", 180, 50);
    Check_RH_End_Sup = check(Frame_Couplers, "Check_RH_End_Sup", "RH End", 10, 76, 80);
    Option_RH_Top = radio(Frame_Couplers, "Option_RH_Top", "Top", 110, 76);
    Option_RH_Mid = radio(Frame_Couplers, "Option_RH_Mid", "Mid", 180, 76);
    lhGroup_ = pair(this, Option_LH_Top, Option_LH_Mid);
    spanGroup_ = pair(this, Option_Span_Top, Option_Span_Mid);
    rhGroup_ = pair(this, Option_RH_Top, Option_RH_Mid);
    const EditRow rowL = MakeEditRow(Frame_Couplers, {"L", "Edit_L", "", "Label_L", "Label_L_Std_Unit"},
                                     {.captionX = 12,
                                      .captionWidth = 14,
                                      .editX = 30,
                                      .editWidth = 80,
                                      .unitX = 116,
                                      .unitWidth = 80,
                                      .labelTop = 110,
                                      .labelHeight = 20,
                                      .editTop = 107,
                                      .editHeight = 24});
    Edit_L = rowL.edit;
    Label_L_Std_Unit = rowL.unit;
    Button1 =
        Named(new QPushButton(QStringLiteral("View notes on coupler stiffness"), Frame_Couplers), "Button1");
    Button1->setGeometry(10, 146, 239, 30);

    GroupSection = group(client, "GroupSection", " Section Properties ", 12, 244, 486, 104);
    label(GroupSection, "Label_Ixx", "Ixx", 10, 20, 80);
    lbl_S01_Ixx = valueLabel(GroupSection, "lbl_S01_Ixx", 10, 40, 90);
    lbl_Ixx = label(GroupSection, "lbl_Ixx", "", 106, 40, 90);
    label(GroupSection, "Label_E", "E", 220, 20, 80);
    lbl_S01_E = valueLabel(GroupSection, "lbl_S01_E", 220, 40, 90);
    lbl_E = label(GroupSection, "lbl_E", "", 316, 40, 110);
    label(GroupSection, "Label_Desc", "Database Description", 10, 62, 200, 18);
    lbl_S01_Desc = valueLabel(GroupSection, "lbl_S01_Desc", 10, 80, 466);

    Frame_Steel = group(client, "Frame_Steel", "", 12, 354, 486, 140);
    lbl_Group = label(Frame_Steel, "lbl_Group", "", 10, 8, 300);
    auto* sectionList = Named(new TSectionList(Frame_Steel), "List_Sect");
    List_Sect = sectionList;
    List_Sect->setGeometry(10, 30, 200, 102);
    List_Props = Named(new QListWidget(Frame_Steel), "List_Props");
    List_Props->setGeometry(220, 30, 256, 102);

    Frame_Timber = group(client, "Frame_Timber", "", 12, 354, 486, 140);
    const EditRowColumns timberColumns{
        .captionX = 10, .captionWidth = 50, .editX = 64, .editWidth = 70, .unitX = 140, .unitWidth = 60};
    const auto timberRow = [this, &timberColumns](const EditRowText& text, int labelTop) {
        return MakeEditRow(Frame_Timber, text, EditRowAt(timberColumns, labelTop, 20, 24));
    };
    const EditRow rowW = timberRow({"Width", "Edit_Timber_W", "", "Label_Width", "lbl_Wunit"}, 12);
    Edit_Timber_W = rowW.edit;
    lbl_Wunit = rowW.unit;
    const EditRow rowH = timberRow({"Depth", "Edit_Timber_H", "", "Label_Depth", "lbl_Hunit"}, 44);
    Edit_Timber_H = rowH.edit;
    lbl_Hunit = rowH.unit;
    cmd_OK = Named(new QPushButton(QStringLiteral("Calculate E and Ixx"), Frame_Timber), "cmd_OK");
    cmd_OK->setGeometry(10, 80, 190, 30);
    List_TimProps = Named(new QListWidget(Frame_Timber), "List_TimProps");
    List_TimProps->setGeometry(220, 10, 256, 122);

    // The note stands under the option's text: the two side by side are wider than the group.
    Frame_SteelCheck = group(client, "Frame_SteelCheck", " Code Check ", 506, 344, 259, 96);
    Option_None = radio(Frame_SteelCheck, "Option_None", "None", 10, 22, 100);
    Option_Check = radio(Frame_SteelCheck, "Option_Check", "Check  to BS 5975", 10, 46, 160);
    const int noteX = 10 + style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                      style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    label(Frame_SteelCheck, "Label_S275", "for S275 (43A) steel", noteX, 68, 160);
    checkGroup_ = pair(this, Option_None, Option_Check);

    Frame_Shear = group(client, "Frame_Shear", " Shear Deflection ", 506, 344, 259, 154);
    Check_GA = check(Frame_Shear, "Check_GA", "Calculate", 10, 20, 90);
    label(Frame_Shear, "Label_GA", "GA / Kform", 110, 20, 80);
    lbl_GA = valueLabel(Frame_Shear, "lbl_GA", 110, 40, 80);
    Label_GA_Unit = label(Frame_Shear, "Label_GA_Unit", "", 196, 40, 55);
    QLabel* note1 = label(Frame_Shear, "Label_Kform", "Kform (form factor for timber) = 1.2 ", 10, 64, 240);
    QLabel* note2 =
        label(Frame_Shear, "Label_GANote",
              "For other sections, enter section properties into the database and enter GA based "
              "on the cross sectional area multiplied by the appropriate form factor for that section.",
              10, 84, 240, 64);
    note2->setWordWrap(true);
    for (QLabel* n : {note1, note2}) {
        QFont f = n->font();
        f.setPointSize(7);
        n->setFont(f);
    }

    Label_Demo = Named(new TLabelClick(client), "Label_Demo");
    Label_Demo->setGeometry(12, 504, 486, 22);

    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), client), "cmdCancel");
    cmdCancel->setGeometry(600, 502, 76, 30);
    cmdNext = Named(new QPushButton(QStringLiteral("Next >"), client), "cmdNext");
    cmdNext->setGeometry(689, 502, 76, 30);

    Grid_SpanData = stringGrid(client, "Grid_SpanData", 28, 21);
    Grid_SpanData->setGeometry(12, kClientHeight + 6, 753, kTallHeight - kClientHeight - 50);
    Grid_SpanData->horizontalHeader()->setDefaultSectionSize(75);
    Grid_SpanData->setColumnWidth(0, 150);
    Grid_SpanData->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // Size markers of the window, out of sight.
    Panel1 = Named(new QFrame(client), "Panel1");
    Panel1->setGeometry(0, 0, 4, kClientHeight);
    Panel1->hide();
    Panel4 = Named(new QFrame(client), "Panel4");
    Panel4->setGeometry(0, 0, 4, kTallHeight);
    Panel4->hide();
    Panel2 = Named(new QFrame(client), "Panel2");
    Panel2->setGeometry(0, kTallHeight - 40, kClientWidth, 4);

    // FormCreate: the client cut off above the member grid.
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    Grid_Spans->setColumnWidth(0, 90);
    Grid_Spans->setColumnWidth(1, 65);
    CentreOnScreen(this);

    // Each control named once: its field of BeamFormControls bears its name.
    Bindings.custom(gridBinding(Grid_Spans, &BeamFormControls::Grid_Spans, "Grid_Spans", true));
    Bindings.custom(gridBinding(Grid_SpanData, &BeamFormControls::Grid_SpanData, "Grid_SpanData", false));
    KX_BIND(Bindings, checked, Check_LHC);
    KX_BIND(Bindings, checked, Check_RHC);
    // The box shows its spinner's position; the core keeps the typed text and the position equal.
    Bindings.custom({{Edit_Spans},
                     "Edit_Spans",
                     [this](BeamFormControls& f) {
                         f.Edit_Spans = FromQt(Edit_Spans->cleanText());
                         f.UpDown_Spans = Edit_Spans->value();
                     },
                     [this](const BeamFormControls& f) { Edit_Spans->setValue(f.UpDown_Spans); },
                     [this] { Edit_Spans->setValue(nextSpanCount(Edit_Spans->value())); },
                     [](const BeamFormControls& a, const BeamFormControls& b) {
                         return a.Edit_Spans == b.Edit_Spans && a.UpDown_Spans == b.UpDown_Spans;
                     },
                     [](BeamFormControls& f) {
                         f.UpDown_Spans = nextSpanCount(f.UpDown_Spans);
                         f.Edit_Spans = std::to_string(f.UpDown_Spans);
                     }});
    KX_BIND_RADIO_PAIR(Bindings, Option_Vert_Fixed, Option_Forkhead);
    KX_BIND(Bindings, checked, Check_LHF);
    KX_BIND(Bindings, checked, Check_RHF);
    KX_BIND_AS(Bindings, enabled, Check_LHF, _Enabled);
    KX_BIND_AS(Bindings, enabled, Check_RHF, _Enabled);
    KX_BIND(Bindings, visible, Frame_Couplers);
    KX_BIND(Bindings, checked, Check_LH_End_Sup);
    KX_BIND_RADIO_PAIR(Bindings, Option_LH_Top, Option_LH_Mid);
    KX_BIND(Bindings, checked, Check_Span_Sup);
    KX_BIND_AS(Bindings, enabled, Check_Span_Sup, _Enabled);
    KX_BIND_RADIO_PAIR(Bindings, Option_Span_Top, Option_Span_Mid);
    KX_BIND(Bindings, checked, Check_RH_End_Sup);
    KX_BIND_RADIO_PAIR(Bindings, Option_RH_Top, Option_RH_Mid);
    KX_BIND(Bindings, shown, Edit_L);
    KX_BIND(Bindings, text, Label_L_Std_Unit);
    KX_BIND(Bindings, shown, lbl_S01_Ixx);
    KX_BIND(Bindings, shown, lbl_S01_E);
    KX_BIND(Bindings, text, lbl_S01_Desc);
    KX_BIND(Bindings, text, lbl_Ixx);
    KX_BIND(Bindings, text, lbl_E);
    KX_BIND(Bindings, visible, Frame_SteelCheck);
    KX_BIND_RADIO_PAIR(Bindings, Option_None, Option_Check);
    KX_BIND_AS(Bindings, enabled, Option_Check, _Enabled);
    KX_BIND(Bindings, visible, Frame_Shear);
    KX_BIND(Bindings, checked, Check_GA);
    KX_BIND(Bindings, shown, lbl_GA);
    KX_BIND(Bindings, text, Label_GA_Unit);
    KX_BIND(Bindings, text, Label_Demo);
    KX_BIND(Bindings, visible, Frame_Steel);
    KX_BIND_LINES(Bindings, List_Sect);
    KX_BIND_LINES(Bindings, List_Props);
    KX_BIND(Bindings, text, lbl_Group);
    KX_BIND(Bindings, visible, Frame_Timber);
    KX_BIND(Bindings, shown, Edit_Timber_W);
    KX_BIND(Bindings, shown, Edit_Timber_H);
    KX_BIND(Bindings, text, lbl_Wunit);
    KX_BIND(Bindings, text, lbl_Hunit);
    KX_BIND_LINES(Bindings, List_TimProps);
    Bindings.Show(FirstBeamForm());

    // Names a screen reader tells apart: the three pairs of coupler options share their texts.
    const std::pair<QWidget*, const char*> names[] = {{Grid_Spans, "Span lengths"},
                                                      {Edit_Spans, "Number of spans"},
                                                      {Option_LH_Top, "LH End: Top"},
                                                      {Option_LH_Mid, "LH End: Mid"},
                                                      {Option_Span_Top, "Spans: Top"},
                                                      {Option_Span_Mid, "Spans: Mid"},
                                                      {Option_RH_Top, "RH End: Top"},
                                                      {Option_RH_Mid, "RH End: Mid"},
                                                      {List_Sect, "Sections"},
                                                      {List_Props, "Section properties"},
                                                      {List_TimProps, "Timber properties"},
                                                      {Grid_SpanData, "Member data"}};
    for (auto [control, name] : names)
        control->setAccessibleName(QString::fromLatin1(name));

    // Boxes and options act on a change of state, from a click or from an accessibility client; what
    // the form shows from its snapshot passes without effect.
    connect(cmdNext, &QPushButton::clicked, this, &TKX_BeamFrm::cmdNextClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TKX_BeamFrm::cmdCancelClick);
    const std::pair<QAbstractButton*, void (TKX_BeamFrm::*)()> toggles[] = {
        {Check_LHC, &TKX_BeamFrm::Check_LHCClick},
        {Check_RHC, &TKX_BeamFrm::Check_RHCClick},
        {Check_LHF, &TKX_BeamFrm::Check_LHFClick},
        {Check_RHF, &TKX_BeamFrm::Check_RHFClick},
        {Option_Vert_Fixed, &TKX_BeamFrm::Option_Vert_FixedClick},
        {Option_Forkhead, &TKX_BeamFrm::Option_ForkheadClick},
        {Check_LH_End_Sup, &TKX_BeamFrm::CouplerClick},
        {Option_LH_Top, &TKX_BeamFrm::CouplerClick},
        {Option_LH_Mid, &TKX_BeamFrm::CouplerClick},
        {Check_Span_Sup, &TKX_BeamFrm::CouplerClick},
        {Option_Span_Top, &TKX_BeamFrm::CouplerClick},
        {Option_Span_Mid, &TKX_BeamFrm::CouplerClick},
        {Check_RH_End_Sup, &TKX_BeamFrm::CouplerClick},
        {Option_RH_Top, &TKX_BeamFrm::CouplerClick},
        {Option_RH_Mid, &TKX_BeamFrm::CouplerClick},
        {Option_Check, &TKX_BeamFrm::Option_CheckClick}};
    for (auto [button, handler] : toggles) {
        Bindings.OnToggle(button, this, [this, h = handler] { (this->*h)(); });
        // A click on the option already chosen changes nothing, and still hands the focus on.
        connect(button, &QAbstractButton::clicked, this, [this] { focusNext(); });
    }
    connect(Edit_Spans, &QSpinBox::valueChanged, this, [this] {
        if (!Bindings.Filling()) UpDown_SpansClick();
    });
    connect(Grid_Spans, &QTableWidget::cellChanged, this, [this] {
        if (!Bindings.Filling()) Grid_SpansKeyUp();
    });
    connect(Button1, &QPushButton::clicked, this, &TKX_BeamFrm::Button1Click);
    connect(EditMiscellaneousSections1, &QAction::triggered, this,
            &TKX_BeamFrm::EditMiscellaneousSections1Click);
    connect(Label_Demo, &TLabelClick::clicked, this, &TKX_BeamFrm::Label_DemoClick);
    connect(sectionList, &QListWidget::itemClicked, this, &TKX_BeamFrm::List_SectClick);
    connect(sectionList, &TSectionList::picked, this, &TKX_BeamFrm::List_SectClick);
    connect(cmd_OK, &QPushButton::clicked, this, &TKX_BeamFrm::cmd_OKClick);
}

void TKX_BeamFrm::act(const std::function<void(BeamFormControls&, SketchPicture&)>& action) {
    BeamFormControls f;
    Bindings.Step(f, [&] {
        QtCanvas canvas(&Image_Beam->Picture);
        SketchPicture pic{canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height()};
        action(f, pic);
    });
    Image_Beam->update();
}

void TKX_BeamFrm::closeTimberSection() {
    if (Link.TimberSection) Link.TimberSection->CloseForBeamForm();
}

void TKX_BeamFrm::focusNext() {
    if (isVisible()) cmdNext->setFocus();
}

void TKX_BeamFrm::drawSketch() {
    QtCanvas canvas(&Image_Beam->Picture);
    SketchPicture pic{canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height()};
    DrawBeamSketch(pic, Bindings.Read());
    canvas.End();
    Image_Beam->update();
}

void TKX_BeamFrm::ResetBeamForm() {
    BeamFormControls f = Bindings.Read();
    kx::ResetBeamForm(f);
    Bindings.Show(f);
    QtCanvas canvas(&Image_Beam->Picture);
    FillBeamSketchBackground(canvas);
    canvas.End();
    Image_Beam->update();
}

void TKX_BeamFrm::ClearBeamSketch() {
    QtCanvas canvas(&Image_Beam->Picture);
    kx::ClearBeamSketch(canvas, Image_Beam->width(), Image_Beam->height());
    canvas.End();
    Image_Beam->update();
}

void TKX_BeamFrm::RestoreBeamForm() {
    BeamFormControls f = Bindings.Read();
    kx::RestoreBeamForm(f);
    Bindings.Show(f);
    if (Model.SectionFamilyCode == "Timber" && Link.TimberSection)
        Link.TimberSection->TimSectRestoreFromCommitted();
}

void TKX_BeamFrm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TKX_BeamFrm::FormShow() {
    Guard([this] {
        BusyCursor busy;
        BeamFormControls f = Bindings.Read();
        BeamFormShow(f);
        Bindings.Show(f);
        ClearBeamSketch();
        if (Link.Main) Link.Main->DisableSaveItems();
        drawSketch();
    });
    cmdCancel->setFocus();
}

void TKX_BeamFrm::cmdNextClick() {
    Guard([this] {
        BeamFormControls f = Bindings.Read();
        if (!Link.Main || !Link.Loads) return;
        bool committed = false;
        try {
            committed = CommitBeamData(f, *Link.Loads);
        } catch (...) {
            Bindings.Show(f); // what the steps did to the form stays
            closeTimberSection();
            throw;
        }
        Bindings.Show(f);
        closeTimberSection();
        if (!committed) return;
        hide();
        ShowForm(Link.Loads);
    });
}

void TKX_BeamFrm::cmdCancelClick() {
    Guard([this] {
        closeTimberSection();
        RestoreBeamForm();
        if (Link.TimberSection) Link.TimberSection->TimSectShowStoredOptions();
        hide();
    });
}

void TKX_BeamFrm::Check_LHCClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { CantileverClicked(f, true, pic); });
    focusNext();
}

void TKX_BeamFrm::Check_RHCClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { CantileverClicked(f, false, pic); });
    focusNext();
}

void TKX_BeamFrm::Check_LHFClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { FixedEndClicked(f, true, pic); });
    focusNext();
}

void TKX_BeamFrm::Check_RHFClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { FixedEndClicked(f, false, pic); });
    focusNext();
}

void TKX_BeamFrm::Option_Vert_FixedClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { SupportKindClicked(f, pic); });
    focusNext();
}

void TKX_BeamFrm::Option_ForkheadClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { SupportKindClicked(f, pic); });
    focusNext();
}

void TKX_BeamFrm::CouplerClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { CouplerClicked(f, pic); });
    focusNext();
}

void TKX_BeamFrm::Option_CheckClick() {
    act([](BeamFormControls& f, SketchPicture&) { CodeCheckClicked(f); });
    focusNext();
}

void TKX_BeamFrm::UpDown_SpansClick() {
    act([](BeamFormControls& f, SketchPicture& pic) { SpanCountChanged(f, pic); });
}

void TKX_BeamFrm::Grid_SpansKeyUp() {
    act([](BeamFormControls& f, SketchPicture& pic) { SpanGridEdited(f, pic); });
}

void TKX_BeamFrm::Button1Click() {
    Guard([this] {
        if (Link.Couplers) Link.Couplers->exec();
    });
}

void TKX_BeamFrm::EditMiscellaneousSections1Click() {
    Guard([this] { ShowForm(Link.UserSections); });
}

void TKX_BeamFrm::Label_DemoClick() {
    // The window grows down to show the member grid under the controls.
    move(x(), 10);
    setFixedSize(width(), menuBar()->sizeHint().height() + kTallHeight);
}

void TKX_BeamFrm::SectionFamilyClick(const SectionFamilyRow& family) {
    act([&family](BeamFormControls& f, SketchPicture&) { ChooseSectionFamily(f, family); });
}

void TKX_BeamFrm::List_SectClick() {
    const int position = List_Sect->currentRow();
    act([position](BeamFormControls& f, SketchPicture&) { PickSection(f, position); });
}

void TKX_BeamFrm::cmd_OKClick() {
    Guard([this] {
        const std::optional<TimberSizeTexts> size = TimberSizeChosen(Bindings.Read());
        if (!size) return;
        TTimSectFrm* timSect = Link.TimberSection;
        if (!timSect) return;
        timSect->SetTimberSizeLabels(size->lbl_Width, size->lbl_Depth);
        ShowForm(timSect);
        timSect->TimSectShowCurrentOptions();
    });
}

void TKX_BeamFrm::UserSectionsSaved() {
    act([](BeamFormControls& f, SketchPicture&) { UserSectionFileSaved(f); });
}

} // namespace kx

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
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "app/Forms.h"
#include "foundation/ui/Windows.h"
#include "input/BeamSketch.h"
#include "input/SectionChoice.h"
#include "input/ui/Couplers.h"
#include "input/ui/KX_Grid.h"
#include "input/ui/LoadData.h"
#include "input/ui/TimSect.h"
#include "platform/BusyCursor.h"
#include "platform/Guard.h"
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

// Sets a radio pair; a pair may be left with nothing chosen.
void setPair(QButtonGroup* g, QRadioButton* a, bool aChosen, QRadioButton* b, bool bChosen) {
    if (a->isChecked() == aChosen && b->isChecked() == bChosen) return;
    g->setExclusive(false);
    a->setChecked(aChosen);
    b->setChecked(bChosen && !aChosen);
    g->setExclusive(true);
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

void setCell(QTableWidget* t, int col, int row, const std::string& text) {
    QTableWidgetItem* it = t->item(row, col);
    const QString q = ToQt(text);
    if (!it) {
        it = new QTableWidgetItem(q);
        if (row == 0 || col == 0) {
            it->setFlags(Qt::ItemIsEnabled);
            it->setBackground(QColor(0xC0, 0xC0, 0xC0));
        }
        t->setItem(row, col, it);
    } else if (it->text() != q) {
        it->setText(q);
    }
}

std::string cellText(const QTableWidget* t, int col, int row) {
    const QTableWidgetItem* it = t->item(row, col);
    return it ? FromQt(it->text()) : std::string();
}

std::vector<std::string> listItems(const QListWidget* l) {
    std::vector<std::string> out;
    for (int i = 0; i < l->count(); ++i)
        out.push_back(FromQt(l->item(i)->text()));
    return out;
}

void setList(QListWidget* l, const std::vector<std::string>& items) {
    if (listItems(l) != items) FillList(l, items);
}

// The length cells are committed as they are typed, so the sketch follows every key.
class LiveCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            auto* self = const_cast<LiveCellDelegate*>(this);
            QObject::connect(line, &QLineEdit::textEdited, self,
                             [self, line] { emit self->commitData(line); });
        }
        return editor;
    }
};

// Where the main window takes part in the form's show and commit.
void disableMainSaveItems() { Forms.IndexFrm->DisableSaveItems(); }
FileCommandsHost& mainWindowHost() { return *Forms.IndexFrm; }

} // namespace

TBeamImage::TBeamImage(int width, int height, QWidget* parent)
    : QWidget(parent), Picture(MakeScreenImage(width, height)) {
    Picture.fill(QColor(0x80, 0x80, 0x80));
    setFixedSize(width, height);
}

void TBeamImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Picture);
}

void TSectionList::keyPressEvent(QKeyEvent* e) {
    const int before = currentRow();
    QListWidget::keyPressEvent(e);
    if (currentRow() != before && currentRow() >= 0) emit picked();
}

void TClickLabel::mousePressEvent(QMouseEvent* e) {
    QLabel::mousePressEvent(e);
    if (e->button() == Qt::LeftButton) emit clicked();
}

QValidator::State TSpanCountBox::validate(QString& input, int& pos) const {
    const QValidator::State s = QSpinBox::validate(input, pos);
    if (s != QValidator::Invalid) return s;
    bool ok = false;
    input.trimmed().toLongLong(&ok);
    return ok ? QValidator::Intermediate : QValidator::Invalid; // held to the range on Enter
}

void TSpanCountBox::fixup(QString& input) const {
    bool ok = false;
    const long long v = input.trimmed().toLongLong(&ok);
    if (ok) input = QString::number(std::clamp<long long>(v, minimum(), maximum()));
}

TKX_BeamFrm::TKX_BeamFrm(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "KX_BeamFrm", "Beam Data");
    // On top of the other windows, with the system menu only.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // The families in the order of the menu, each item named and captioned from the family table.
    SectionProperties1 =
        Named(menuBar()->addMenu(QStringLiteral("Section Properties Database")), "SectionProperties1");
    auto family = [this](QMenu* menu, const char* code, void (TKX_BeamFrm::*handler)()) {
        const SectionFamilyRow* row = SectionFamilyByCode(code);
        QAction* a = Named(menu->addAction(ToQt(row->Caption)), row->Item);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto submenu = [](QMenu* menu, const char* caption, const char* name) {
        return Named(menu->addMenu(QString::fromLatin1(caption)), name);
    };
    Tube1 = family(SectionProperties1, "Scaffold", &TKX_BeamFrm::Tube1Click);
    SectionProperties1->addSeparator();
    HotRolledSections1 = submenu(SectionProperties1, "Hot Rolled Sections", "HotRolledSections1");
    Beams1 = submenu(HotRolledSections1, "Beams", "Beams1");
    UniversalBeams1 = family(Beams1, "UB", &TKX_BeamFrm::UniversalBeams1Click);
    UniveralColumns1 = family(Beams1, "UC", &TKX_BeamFrm::UniveralColumns1Click);
    RSJ1 = family(Beams1, "RSJ", &TKX_BeamFrm::RSJ1Click);
    IPE1 = family(Beams1, "IPE", &TKX_BeamFrm::IPE1Click);
    HE1 = family(Beams1, "HE", &TKX_BeamFrm::HE1Click);
    WShapeBeams1 = family(Beams1, "WFB", &TKX_BeamFrm::WShapeBeams1Click);
    WShapeColumns1 = family(Beams1, "WFC", &TKX_BeamFrm::WShapeColumns1Click);
    Channels1 = submenu(HotRolledSections1, "Channels", "Channels1");
    RSC1 = family(Channels1, "RSC", &TKX_BeamFrm::RSC1Click);
    PFC1 = family(Channels1, "PFC", &TKX_BeamFrm::PFC1Click);
    UPN1 = family(Channels1, "UPN", &TKX_BeamFrm::UPN1Click);
    CShape1 = family(Channels1, "C", &TKX_BeamFrm::CShape1Click);
    Angles1 = submenu(HotRolledSections1, "Angles", "Angles1");
    EqualRSA1 = family(Angles1, "EqRSA", &TKX_BeamFrm::EqualRSA1Click);
    UnequalRSA1 = family(Angles1, "UnEqRSA", &TKX_BeamFrm::UnequalRSA1Click);
    EqualL1 = family(Angles1, "EqL", &TKX_BeamFrm::EqualL1Click);
    UnequalL1 = family(Angles1, "UnEqL", &TKX_BeamFrm::UnequalL1Click);
    ClosedSections1 = submenu(HotRolledSections1, "Closed Sections", "ClosedSections1");
    RHS1 = family(ClosedSections1, "RHS", &TKX_BeamFrm::RHS1Click);
    CHS1 = family(ClosedSections1, "CHS", &TKX_BeamFrm::CHS1Click);
    SectionProperties1->addSeparator();
    Timber1 = family(SectionProperties1, "Timber", &TKX_BeamFrm::Timber1Click);
    SectionProperties1->addSeparator();
    Miscellaneous1 = family(SectionProperties1, "KXSect", &TKX_BeamFrm::Miscellaneous1Click);

    auto* editMenu =
        Named(menuBar()->addMenu(QStringLiteral("  Edit Section Database")), "EditKXSectionDatabase1");
    EditMiscellaneousSections1 =
        Named(editMenu->addAction(QStringLiteral("KX Sections")), "EditMiscellaneousSections1");

    auto* client = new QWidget(this);
    setCentralWidget(client);

    Image_Beam = Named(new TBeamImage(753, 73, client), "Image_Beam");
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
    label(Frame_Couplers, "Label_L", "L", 12, 110, 14);
    Edit_L = Named(new QLineEdit(Frame_Couplers), "Edit_L");
    Edit_L->setGeometry(30, 107, 80, 24);
    Label_L_Std_Unit = label(Frame_Couplers, "Label_L_Std_Unit", "", 116, 110, 80);
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
    label(GroupSection, "Label_Desc", "Database Description", 10, 62, 200);
    lbl_S01_Desc = valueLabel(GroupSection, "lbl_S01_Desc", 10, 80, 466);

    Frame_Steel = group(client, "Frame_Steel", "", 12, 354, 486, 140);
    lbl_Group = label(Frame_Steel, "lbl_Group", "", 10, 8, 300);
    auto* sectionList = Named(new TSectionList(Frame_Steel), "List_Sect");
    List_Sect = sectionList;
    List_Sect->setGeometry(10, 30, 200, 102);
    List_Props = Named(new QListWidget(Frame_Steel), "List_Props");
    List_Props->setGeometry(220, 30, 256, 102);

    Frame_Timber = group(client, "Frame_Timber", "", 12, 354, 486, 140);
    label(Frame_Timber, "Label_Width", "Width", 10, 12, 50);
    Edit_Timber_W = Named(new QLineEdit(Frame_Timber), "Edit_Timber_W");
    Edit_Timber_W->setGeometry(64, 10, 70, 24);
    lbl_Wunit = label(Frame_Timber, "lbl_Wunit", "", 140, 12, 60);
    label(Frame_Timber, "Label_Depth", "Depth", 10, 44, 50);
    Edit_Timber_H = Named(new QLineEdit(Frame_Timber), "Edit_Timber_H");
    Edit_Timber_H->setGeometry(64, 42, 70, 24);
    lbl_Hunit = label(Frame_Timber, "lbl_Hunit", "", 140, 44, 60);
    cmd_OK = Named(new QPushButton(QStringLiteral("Calculate E and Ixx"), Frame_Timber), "cmd_OK");
    cmd_OK->setGeometry(10, 80, 190, 30);
    List_TimProps = Named(new QListWidget(Frame_Timber), "List_TimProps");
    List_TimProps->setGeometry(220, 10, 256, 122);
    Frame_Timber->hide();

    Frame_SteelCheck = group(client, "Frame_SteelCheck", " Code Check ", 506, 344, 259, 84);
    Option_None = radio(Frame_SteelCheck, "Option_None", "None", 10, 22, 100);
    Option_Check = radio(Frame_SteelCheck, "Option_Check", "Check  to BS 5975", 10, 48, 128);
    label(Frame_SteelCheck, "Label_S275", "for S275 (43A) steel", 138, 48, 118);
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
    Frame_Shear->hide();
    Frame_Couplers->hide();

    Label_Demo = Named(new TClickLabel(client), "Label_Demo");
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
    setCell(Grid_Spans, 0, 0, " Spans");
    setCell(Grid_Spans, 1, 0, " Span 1 ");
    Grid_Spans->setColumnWidth(0, 90);
    Grid_Spans->setColumnWidth(1, 65);
    Edit_Spans->setValue(1);
    Option_Vert_Fixed->setChecked(true);
    Option_None->setChecked(true);
    Option_LH_Mid->setChecked(true);
    Option_Span_Top->setChecked(true);
    Option_RH_Mid->setChecked(true);
    Check_Span_Sup->setEnabled(false);
    Work.WorkSpanCount = 1;
    CentreOnScreen(this);

    // Handlers run on the user's clicks only, so a state set by code passes without effect.
    connect(cmdNext, &QPushButton::clicked, this, &TKX_BeamFrm::cmdNextClick);
    connect(cmdCancel, &QPushButton::clicked, this, &TKX_BeamFrm::cmdCancelClick);
    connect(Check_LHC, &QCheckBox::clicked, this, &TKX_BeamFrm::Check_LHCClick);
    connect(Check_RHC, &QCheckBox::clicked, this, &TKX_BeamFrm::Check_RHCClick);
    connect(Check_LHF, &QCheckBox::clicked, this, &TKX_BeamFrm::Check_LHFClick);
    connect(Check_RHF, &QCheckBox::clicked, this, &TKX_BeamFrm::Check_RHFClick);
    connect(Option_Vert_Fixed, &QRadioButton::clicked, this, &TKX_BeamFrm::Option_Vert_FixedClick);
    connect(Option_Forkhead, &QRadioButton::clicked, this, &TKX_BeamFrm::Option_ForkheadClick);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             Check_LH_End_Sup, Option_LH_Top, Option_LH_Mid, Check_Span_Sup, Option_Span_Top, Option_Span_Mid,
             Check_RH_End_Sup, Option_RH_Top, Option_RH_Mid})
        connect(b, &QAbstractButton::clicked, this, &TKX_BeamFrm::CouplerClick);
    connect(Option_Check, &QRadioButton::clicked, this, &TKX_BeamFrm::Option_CheckClick);
    connect(Edit_Spans, &QSpinBox::valueChanged, this, [this] {
        if (!filling_) UpDown_SpansClick();
    });
    connect(Grid_Spans, &QTableWidget::cellChanged, this, [this] {
        if (!filling_) Grid_SpansKeyUp();
    });
    connect(Button1, &QPushButton::clicked, this, &TKX_BeamFrm::Button1Click);
    connect(EditMiscellaneousSections1, &QAction::triggered, this,
            &TKX_BeamFrm::EditMiscellaneousSections1Click);
    connect(Label_Demo, &TClickLabel::clicked, this, &TKX_BeamFrm::Label_DemoClick);
    connect(sectionList, &QListWidget::itemClicked, this, &TKX_BeamFrm::List_SectClick);
    connect(sectionList, &TSectionList::picked, this, &TKX_BeamFrm::List_SectClick);
    connect(cmd_OK, &QPushButton::clicked, this, &TKX_BeamFrm::cmd_OKClick);
}

BeamFormControls TKX_BeamFrm::Controls() const {
    BeamFormControls f;
    f.Grid_Spans.SetColCount(std::clamp(Grid_Spans->columnCount(), 1, 28));
    for (int c = 0; c < f.Grid_Spans.ColCount(); ++c)
        for (int r = 0; r < 2; ++r)
            f.Grid_Spans.SetCell(c, r, cellText(Grid_Spans, c, r));
    for (int c = 0; c < 28; ++c)
        for (int r = 0; r < 21; ++r)
            f.Grid_SpanData.SetCell(c, r, cellText(Grid_SpanData, c, r));
    f.Check_LHC = Check_LHC->isChecked();
    f.Check_RHC = Check_RHC->isChecked();
    f.Edit_Spans = FromQt(Edit_Spans->cleanText());
    f.UpDown_Spans = Edit_Spans->value();
    f.Option_Vert_Fixed = Option_Vert_Fixed->isChecked();
    f.Option_Forkhead = Option_Forkhead->isChecked();
    f.Check_LHF = Check_LHF->isChecked();
    f.Check_RHF = Check_RHF->isChecked();
    f.Check_LHF_Enabled = Check_LHF->isEnabled();
    f.Check_RHF_Enabled = Check_RHF->isEnabled();
    f.Frame_Couplers = !Frame_Couplers->isHidden();
    f.Check_LH_End_Sup = Check_LH_End_Sup->isChecked();
    f.Option_LH_Top = Option_LH_Top->isChecked();
    f.Option_LH_Mid = Option_LH_Mid->isChecked();
    f.Check_Span_Sup = Check_Span_Sup->isChecked();
    f.Check_Span_Sup_Enabled = Check_Span_Sup->isEnabled();
    f.Option_Span_Top = Option_Span_Top->isChecked();
    f.Option_Span_Mid = Option_Span_Mid->isChecked();
    f.Check_RH_End_Sup = Check_RH_End_Sup->isChecked();
    f.Option_RH_Top = Option_RH_Top->isChecked();
    f.Option_RH_Mid = Option_RH_Mid->isChecked();
    f.Edit_L = FromQt(Edit_L->text());
    f.Label_L_Std_Unit = FromQt(Label_L_Std_Unit->text());
    f.lbl_S01_Ixx = FromQt(lbl_S01_Ixx->text());
    f.lbl_S01_E = FromQt(lbl_S01_E->text());
    f.lbl_S01_Desc = FromQt(lbl_S01_Desc->text());
    f.lbl_Ixx = FromQt(lbl_Ixx->text());
    f.lbl_E = FromQt(lbl_E->text());
    f.Frame_SteelCheck = !Frame_SteelCheck->isHidden();
    f.Option_None = Option_None->isChecked();
    f.Option_Check = Option_Check->isChecked();
    f.Option_Check_Enabled = Option_Check->isEnabled();
    f.Frame_Shear = !Frame_Shear->isHidden();
    f.Check_GA = Check_GA->isChecked();
    f.lbl_GA = FromQt(lbl_GA->text());
    f.Label_GA_Unit = FromQt(Label_GA_Unit->text());
    f.Label_Demo = FromQt(Label_Demo->text());
    f.Frame_Steel = !Frame_Steel->isHidden();
    f.List_Sect = listItems(List_Sect);
    f.List_Props = listItems(List_Props);
    f.lbl_Group = FromQt(lbl_Group->text());
    f.Frame_Timber = !Frame_Timber->isHidden();
    f.Edit_Timber_W = FromQt(Edit_Timber_W->text());
    f.Edit_Timber_H = FromQt(Edit_Timber_H->text());
    f.lbl_Wunit = FromQt(lbl_Wunit->text());
    f.lbl_Hunit = FromQt(lbl_Hunit->text());
    f.List_TimProps = listItems(List_TimProps);
    return f;
}

void TKX_BeamFrm::ShowControls(const BeamFormControls& f) {
    filling_ = true;
    const int oldCols = Grid_Spans->columnCount();
    Grid_Spans->setColumnCount(f.Grid_Spans.ColCount());
    for (int c = oldCols; c < f.Grid_Spans.ColCount(); ++c)
        Grid_Spans->setColumnWidth(c, 65);
    for (int c = 0; c < f.Grid_Spans.ColCount(); ++c)
        for (int r = 0; r < 2; ++r)
            setCell(Grid_Spans, c, r, f.Grid_Spans.Cell(c, r));
    for (int c = 0; c < 28; ++c)
        for (int r = 0; r < 21; ++r)
            setCell(Grid_SpanData, c, r, f.Grid_SpanData.Cell(c, r));
    Check_LHC->setChecked(f.Check_LHC);
    Check_RHC->setChecked(f.Check_RHC);
    Edit_Spans->setValue(f.UpDown_Spans);
    setPair(kindGroup_, Option_Vert_Fixed, f.Option_Vert_Fixed, Option_Forkhead, f.Option_Forkhead);
    Check_LHF->setChecked(f.Check_LHF);
    Check_RHF->setChecked(f.Check_RHF);
    Check_LHF->setEnabled(f.Check_LHF_Enabled);
    Check_RHF->setEnabled(f.Check_RHF_Enabled);
    Frame_Couplers->setVisible(f.Frame_Couplers);
    Check_LH_End_Sup->setChecked(f.Check_LH_End_Sup);
    setPair(lhGroup_, Option_LH_Top, f.Option_LH_Top, Option_LH_Mid, f.Option_LH_Mid);
    Check_Span_Sup->setChecked(f.Check_Span_Sup);
    Check_Span_Sup->setEnabled(f.Check_Span_Sup_Enabled);
    setPair(spanGroup_, Option_Span_Top, f.Option_Span_Top, Option_Span_Mid, f.Option_Span_Mid);
    Check_RH_End_Sup->setChecked(f.Check_RH_End_Sup);
    setPair(rhGroup_, Option_RH_Top, f.Option_RH_Top, Option_RH_Mid, f.Option_RH_Mid);
    Edit_L->setText(ToQt(f.Edit_L));
    Label_L_Std_Unit->setText(ToQt(f.Label_L_Std_Unit));
    lbl_S01_Ixx->setText(ToQt(f.lbl_S01_Ixx));
    lbl_S01_E->setText(ToQt(f.lbl_S01_E));
    lbl_S01_Desc->setText(ToQt(f.lbl_S01_Desc));
    lbl_Ixx->setText(ToQt(f.lbl_Ixx));
    lbl_E->setText(ToQt(f.lbl_E));
    Frame_SteelCheck->setVisible(f.Frame_SteelCheck);
    setPair(checkGroup_, Option_None, f.Option_None, Option_Check, f.Option_Check);
    Option_Check->setEnabled(f.Option_Check_Enabled);
    Frame_Shear->setVisible(f.Frame_Shear);
    Check_GA->setChecked(f.Check_GA);
    lbl_GA->setText(ToQt(f.lbl_GA));
    Label_GA_Unit->setText(ToQt(f.Label_GA_Unit));
    Label_Demo->setText(ToQt(f.Label_Demo));
    Frame_Steel->setVisible(f.Frame_Steel);
    setList(List_Sect, f.List_Sect);
    setList(List_Props, f.List_Props);
    lbl_Group->setText(ToQt(f.lbl_Group));
    Frame_Timber->setVisible(f.Frame_Timber);
    Edit_Timber_W->setText(ToQt(f.Edit_Timber_W));
    Edit_Timber_H->setText(ToQt(f.Edit_Timber_H));
    lbl_Wunit->setText(ToQt(f.lbl_Wunit));
    lbl_Hunit->setText(ToQt(f.lbl_Hunit));
    setList(List_TimProps, f.List_TimProps);
    filling_ = false;
}

void TKX_BeamFrm::act(const std::function<void(BeamFormControls&, SketchPicture&)>& action) {
    Guard([&] {
        BeamFormControls f = Controls();
        QtCanvas canvas(&Image_Beam->Picture);
        SketchPicture pic{canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height()};
        // What the action did before an error stays, as it stays on the form.
        struct Shown {
            TKX_BeamFrm* w;
            QtCanvas& c;
            BeamFormControls& f;
            ~Shown() {
                c.End();
                w->Image_Beam->update();
                w->ShowControls(f);
            }
        } shown{this, canvas, f};
        action(f, pic);
    });
}

void TKX_BeamFrm::focusNext() {
    if (isVisible()) cmdNext->setFocus();
}

void TKX_BeamFrm::drawSketch() {
    QtCanvas canvas(&Image_Beam->Picture);
    SketchPicture pic{canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height()};
    DrawBeamSketch(pic, Controls());
    canvas.End();
    Image_Beam->update();
}

void TKX_BeamFrm::ResetBeamForm() {
    BeamFormControls f = Controls();
    kx::ResetBeamForm(f);
    ShowControls(f);
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
    BeamFormControls f = Controls();
    kx::RestoreBeamForm(f);
    ShowControls(f);
    if (Model.SectionFamilyCode == "Timber") Forms.TimSectFrm->TimSectRestoreFromCommitted();
}

void TKX_BeamFrm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TKX_BeamFrm::FormShow() {
    Guard([this] {
        BusyCursor busy;
        BeamFormControls f = Controls();
        BeamFormShow(f);
        ShowControls(f);
        ClearBeamSketch();
        disableMainSaveItems();
        drawSketch();
    });
    cmdCancel->setFocus();
}

void TKX_BeamFrm::cmdNextClick() {
    Guard([this] {
        BeamFormControls f = Controls();
        bool committed = false;
        try {
            committed = CommitBeamData(f, mainWindowHost(), *Forms.LoadDataFrm);
        } catch (...) {
            ShowControls(f); // what the steps did to the form stays
            throw;
        }
        ShowControls(f);
        if (!committed) return;
        hide();
        ShowForm(Widget(Forms.LoadDataFrm));
    });
}

void TKX_BeamFrm::cmdCancelClick() {
    Guard([this] {
        RestoreBeamForm();
        Forms.TimSectFrm->TimSectShowStoredOptions();
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
    Guard([] { Forms.CouplersFrm->exec(); });
}

void TKX_BeamFrm::EditMiscellaneousSections1Click() {
    Guard([] { ShowForm(Widget(Forms.KX_GridFrm)); });
}

void TKX_BeamFrm::Label_DemoClick() {
    // The window grows down to show the member grid under the controls.
    move(x(), 10);
    setFixedSize(width(), menuBar()->sizeHint().height() + kTallHeight);
}

void TKX_BeamFrm::familyClick(const char* code) {
    act([code](BeamFormControls& f, SketchPicture&) { ChooseSectionFamily(f, *SectionFamilyByCode(code)); });
}

void TKX_BeamFrm::UniversalBeams1Click() { familyClick("UB"); }
void TKX_BeamFrm::UniveralColumns1Click() { familyClick("UC"); }
void TKX_BeamFrm::RSJ1Click() { familyClick("RSJ"); }
void TKX_BeamFrm::IPE1Click() { familyClick("IPE"); }
void TKX_BeamFrm::HE1Click() { familyClick("HE"); }
void TKX_BeamFrm::WShapeBeams1Click() { familyClick("WFB"); }
void TKX_BeamFrm::WShapeColumns1Click() { familyClick("WFC"); }
void TKX_BeamFrm::RSC1Click() { familyClick("RSC"); }
void TKX_BeamFrm::PFC1Click() { familyClick("PFC"); }
void TKX_BeamFrm::UPN1Click() { familyClick("UPN"); }
void TKX_BeamFrm::CShape1Click() { familyClick("C"); }
void TKX_BeamFrm::EqualRSA1Click() { familyClick("EqRSA"); }
void TKX_BeamFrm::UnequalRSA1Click() { familyClick("UnEqRSA"); }
void TKX_BeamFrm::EqualL1Click() { familyClick("EqL"); }
void TKX_BeamFrm::UnequalL1Click() { familyClick("UnEqL"); }
void TKX_BeamFrm::RHS1Click() { familyClick("RHS"); }
void TKX_BeamFrm::CHS1Click() { familyClick("CHS"); }
void TKX_BeamFrm::Tube1Click() { familyClick("Scaffold"); }
void TKX_BeamFrm::Miscellaneous1Click() { familyClick("KXSect"); }
void TKX_BeamFrm::Timber1Click() { familyClick("Timber"); }

void TKX_BeamFrm::List_SectClick() {
    const int position = List_Sect->currentRow();
    act([position](BeamFormControls& f, SketchPicture&) { PickSection(f, position); });
}

void TKX_BeamFrm::cmd_OKClick() {
    Guard([this] {
        const std::optional<TimberSizeTexts> size = TimberSizeChosen(Controls());
        if (!size) return;
        TTimSectFrm* timSect = Forms.TimSectFrm;
        timSect->SetTimberSizeLabels(size->lbl_Width, size->lbl_Depth);
        ShowForm(Widget(timSect));
        timSect->TimSectShowCurrentOptions();
    });
}

void TKX_BeamFrm::UserSectionsSaved() {
    act([](BeamFormControls& f, SketchPicture&) { UserSectionFileSaved(f); });
}

} // namespace kx

// The effective lengths of the spans.
#include "input/ui/Span.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableWidget>

#include "foundation/ui/GridCells.h"
#include "foundation/ui/Windows.h"
#include "input/LoadSketch.h"
#include "input/ui/CantLH.h"
#include "input/ui/CantRH.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/LoadData.h"
#include "platform/Guard.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

namespace kx {

namespace {

constexpr int kClientWidth = 790;  // Panel1
constexpr int kClientHeight = 570; // Panel2
constexpr int kGridCols = 7;

IntervalGridTexts readGrid(const QTableWidget* t) {
    IntervalGridTexts g;
    g.ColCount = 1;
    while (g.ColCount < kGridCols && !t->isColumnHidden(g.ColCount))
        ++g.ColCount;
    for (int col = 0; col < kGridCols; ++col)
        for (int row = 0; row < 2; ++row)
            g.Show(col, row, CellShown(t, col, row));
    return g;
}

void showGrid(QTableWidget* t, const IntervalGridTexts& g) {
    for (int col = 0; col < kGridCols; ++col) {
        t->setColumnHidden(col, col >= g.ColCount);
        for (int row = 0; row < 2; ++row)
            ShowCell(t, col, row, g.Shown(col, row));
    }
}

} // namespace

TSpanFrm::TSpanFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "SpanFrm", "Span");
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);

    Image_Spans = Named(new TPicture(kSpansPictureW, kSpansPictureH, this), "Image_Spans");
    Image_Spans->move(10, 6);
    lbl_Length = MakeLabel(this, "lbl_Length", "", 330, 74, 200);
    lbl_Length->hide();
    BindLengthCaption<LengthCaption>(lengthCaption_, lbl_Length, Image_Spans,
                                     [](LengthCaption& c) -> LengthCaption& { return c; });

    Frame_Span = MakeGroup(this, "Frame_Span", "", 10, 94, 770, 330);
    SetBold(MakeLabel(Frame_Span, "Label1",
                      "Beam effectively restrained at supports to clause L.5 of BS 5975", 10, 14, 600));
    Option_Full =
        MakeRadio(Frame_Span, "Option_Full",
                  "Compression flange fully restrained againt rotation in plan at supports.", 20, 36, 600);
    Option_Partial = MakeRadio(
        Frame_Span, "Option_Partial",
        "Compression flange partially restrained against rotation in plan at supports.", 20, 60, 600);
    Option_Not =
        MakeRadio(Frame_Span, "Option_Not",
                  "Compression flange not restrained against rotation in plan at the supports.", 20, 84, 600);
    Check_12 = Named(
        new QCheckBox(ToQt("Apply 1.2 factor for effective top flange/ load lateral restraint."), Frame_Span),
        "Check_12");
    Check_12->setGeometry(40, 108, 600, 22);
    SetBold(MakeLabel(
        Frame_Span, "Label3",
        "Torsional restraint at support sections is given only by positive connection to the bottom "
        "of the flange.",
        10, 136, 750));
    Option_Pos = MakeRadio(Frame_Span, "Option_Pos",
                           "Torsional restraint at support sections given only by positive conection of the "
                           "bottom flange to the support",
                           20, 158, 740);
    Option_Dead =
        MakeRadio(Frame_Span, "Option_Dead",
                  "Torsional restraint at support sections is given only by dead bearing of the bottom "
                  "flange on the support.",
                  20, 182, 740);
    SetBold(MakeLabel(Frame_Span, "Label2", "Restrained", 10, 210, 200));
    Option_Restrained = MakeRadio(Frame_Span, "Option_Restrained", "Span Fully Restrained", 20, 232, 300);
    Option_Edit = MakeRadio(Frame_Span, "Option_Edit", "Enter value for effective length", 20, 256, 300);
    Option_Edit->setToolTip(QStringLiteral("Click to edit effective length"));
    Option_Int = MakeRadio(Frame_Span, "Option_Int", "Span restrained at intervals", 20, 280, 300);
    // One above the other beside the options they reset, without overlapping.
    cmdEdit = MakeButton(Frame_Span, "cmdEdit", "Reset effective length", 340, 252, 180, 26);
    cmd_Part = MakeButton(Frame_Span, "cmd_Part", "Reset restraint intervals", 340, 278, 180, 26);
    cmd_All = MakeButton(Frame_Span, "cmd_All", "Apply to all spans", 540, 230, 160);
    QLabel* spanCaption = MakeLabel(Frame_Span, "Label5", "Span", 560, 284, 40);
    Edit_Span = Named(new QSpinBox(Frame_Span), "Edit_Span");
    Caption(spanCaption, Edit_Span);
    Edit_Span->setGeometry(600, 280, 70, 26);
    Edit_Span->setRange(1, 1);

    spanGroup_ = new QButtonGroup(this);
    for (QRadioButton* b : {Option_Full, Option_Partial, Option_Not, Option_Pos, Option_Dead,
                            Option_Restrained, Option_Edit, Option_Int})
        spanGroup_->addButton(b);

    Frame_Int = MakeGroup(this, "Frame_Int", "", 10, 94, 770, 330);
    Image_IntSpan = Named(new TPicture(kIntSpanPictureW, kIntSpanPictureH, Frame_Int), "Image_IntSpan");
    Image_IntSpan->move(16, 16);
    lbl_Span = MakeLabel(Frame_Int, "lbl_Span", "", 16, 110, 120);
    lbl_SpanL = MakeLabel(Frame_Int, "lbl_SpanL", "", 300, 110, 250);
    Grid_Int = Named(new QTableWidget(2, kGridCols, Frame_Int), "Grid_Int");
    Grid_Int->horizontalHeader()->hide();
    Grid_Int->verticalHeader()->hide();
    Grid_Int->verticalHeader()->setDefaultSectionSize(22);
    Grid_Int->horizontalHeader()->setDefaultSectionSize(55);
    Grid_Int->setColumnWidth(0, 110);
    Grid_Int->setGeometry(16, 134, 460, 50);
    Grid_Int->setItemDelegate(new LiveCellDelegate(Grid_Int));
    Grid_Int->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
    SetFontColor(
        MakeLabel(Frame_Int, "Label4", "Span intervals can be edited in the grid above.", 16, 190, 400),
        Qt::blue);
    SetFontColor(
        MakeLabel(Frame_Int, "Label7", "Values will be rounded to nearest  1/100 span.", 16, 210, 400),
        Qt::blue);
    GroupBox1 = MakeGroup(Frame_Int, "GroupBox1", "Select number of supports", 16, 234, 600, 88);
    Option_Blank = MakeRadio(GroupBox1, "Option_Blank", "Select number of support positions and clear grid.",
                             10, 18, 440);
    Option_Equal =
        MakeRadio(GroupBox1, "Option_Equal", "Select number of equal support positions.", 10, 40, 440);
    Option_UnEqual =
        MakeRadio(GroupBox1, "Option_UnEqual",
                  "Select number of equal support positions with ends 1/2 mid span.", 10, 62, 440);
    spacingGroup_ = new QButtonGroup(this);
    for (QRadioButton* b : {Option_Blank, Option_Equal, Option_UnEqual})
        spacingGroup_->addButton(b);
    Edit_No = Named(new QSpinBox(GroupBox1), "Edit_No");
    Edit_No->setGeometry(480, 38, 60, 26);
    Edit_No->setRange(1, 5);
    cmd_OK = MakeButton(Frame_Int, "cmd_OK", "OK", 660, 290, 90);

    MakeLabel(this, "Label_L", "Span Length = ", 20, 436, 160);
    lbl_L = MakeValueLabel(this, "lbl_L", 190, 434, 80);
    Label_1_Unit = MakeLabel(this, "Label_1_Unit", "", 276, 436, 60);
    MakeLabel(this, "Label_Lf", "Effective length factor =", 20, 464, 160);
    lbl_Lf = MakeValueLabel(this, "lbl_Lf", 190, 462, 150);
    MakeLabel(this, "Label_Le", "Effective length =", 20, 492, 160);
    lbl_Le = MakeValueLabel(this, "lbl_Le", 190, 490, 80);
    Label_2_Unit = MakeLabel(this, "Label_2_Unit", "", 276, 492, 60);
    SetFontColor(MakeLabel(this, "Label6",
                           "Users must ensure that support restraints are compatible span to span.", 20, 526,
                           520),
                 Qt::red);
    cmd_Back = MakeButton(this, "cmd_Back", "< Back", 460, 432, 96);
    cmd_Cancel = MakeButton(this, "cmd_Cancel", "Cancel", 570, 432, 96);
    cmd_Next = MakeButton(this, "cmd_Next", "Next >", 680, 432, 96);

    Edit_No->setAccessibleName(QStringLiteral("Number of supports"));
    Grid_Int->setAccessibleName(QStringLiteral("Span intervals"));

    auto& b = Bindings;
    using C = SpanControls;
    b.radios("Frame_Span options", {{Option_Full, &C::Option_Full},
                                    {Option_Partial, &C::Option_Partial},
                                    {Option_Not, &C::Option_Not},
                                    {Option_Pos, &C::Option_Pos},
                                    {Option_Dead, &C::Option_Dead},
                                    {Option_Restrained, &C::Option_Restrained},
                                    {Option_Edit, &C::Option_Edit},
                                    {Option_Int, &C::Option_Int}});
    KX_BIND(b, checked, Check_12);
    KX_BIND_AS(b, enabled, cmdEdit, _Enabled);
    KX_BIND_AS(b, enabled, cmd_Part, _Enabled);
    KX_BIND_AS(b, enabled, cmd_All, _Enabled);
    KX_BIND_AS(b, maximum, Edit_Span, _Max); // before the value, which it holds
    KX_BIND(b, value, Edit_Span);
    KX_BIND(b, shown, lbl_L);
    KX_BIND(b, text, lbl_Lf);
    KX_BIND(b, shown, lbl_Le);
    KX_BIND(b, text, Label_1_Unit);
    KX_BIND(b, text, Label_2_Unit);
    KX_BIND_AS(b, visible, cmd_Cancel, _Visible);
    KX_BIND_AS(b, visible, Frame_Span, _Visible);
    KX_BIND_AS(b, visible, Frame_Int, _Visible);
    KX_BIND(b, text, lbl_Span);
    KX_BIND(b, text, lbl_SpanL);
    KX_BIND_AS(b, visible, lbl_SpanL, _Visible);
    b.custom({{Grid_Int},
              "Grid_Int",
              [this](SpanControls& c) { c.Grid_Int = readGrid(Grid_Int); },
              [this](const SpanControls& c) { showGrid(Grid_Int, c.Grid_Int); },
              [this] { SetCellText(Grid_Int, 1, 1, CellText(Grid_Int, 1, 1) + "#"); },
              [](const SpanControls& x, const SpanControls& y) { return x.Grid_Int == y.Grid_Int; },
              [](SpanControls& c) {
                  c.Grid_Int.SetCell(1, 1, c.Grid_Int.Cell(1, 1) + "@");
                  c.Grid_Int.ColCount = c.Grid_Int.ColCount % kGridCols + 1;
              }});
    b.radios("GroupBox1 options", {{Option_Blank, &C::Option_Blank},
                                   {Option_Equal, &C::Option_Equal},
                                   {Option_UnEqual, &C::Option_UnEqual}});
    KX_BIND(b, value, Edit_No);

    for (QRadioButton* r :
         {Option_Full, Option_Partial, Option_Not, Option_Pos, Option_Dead, Option_Restrained})
        b.OnToggle(r, this, [this] { Option_Click(); });
    b.OnToggle(Check_12, this, [this] { Option_Click(); });
    for (QRadioButton* r : {Option_Edit, Option_Int})
        b.OnToggle(r, this, [this] { Option_IntOrEditClick(); });
    for (QRadioButton* r : {Option_Blank, Option_Equal, Option_UnEqual})
        b.OnToggle(r, this, [this] { SpacingClick(); });
    connect(cmdEdit, &QPushButton::clicked, this, &TSpanFrm::cmdEditClick);
    connect(cmd_Part, &QPushButton::clicked, this, &TSpanFrm::cmdEditClick);
    connect(cmd_All, &QPushButton::clicked, this, &TSpanFrm::cmd_AllClick);
    connect(Edit_Span, &QSpinBox::valueChanged, this, [this] {
        if (!Bindings.Filling()) UpDown_SpanClick();
    });
    connect(Edit_No, &QSpinBox::valueChanged, this, [this] {
        if (!Bindings.Filling()) UpDown_NoClick();
    });
    connect(Grid_Int, &QTableWidget::itemChanged, this, [this] {
        if (!Bindings.Filling()) Grid_IntKeyUp();
    });
    connect(cmd_OK, &QPushButton::clicked, this, &TSpanFrm::cmd_OKClick);
    connect(cmd_Next, &QPushButton::clicked, this, &TSpanFrm::cmd_NextClick);
    connect(cmd_Back, &QPushButton::clicked, this, &TSpanFrm::cmd_BackClick);
    connect(cmd_Cancel, &QPushButton::clicked, this, &TSpanFrm::cmd_CancelClick);

    Bindings.Show(SpanControls{});
    setFixedSize(kClientWidth, kClientHeight);
    PlaceForm(this, 5);
}

TSpanFrm::~TSpanFrm() = default;

void TSpanFrm::act(const std::function<void(SpanControls&)>& action) {
    SpanControls c;
    Bindings.Step(c, [&] { action(c); });
    if (intervalCanvas_) {
        static_cast<QtCanvas&>(*intervalCanvas_).End();
        intervalCanvas_.reset();
    }
    Image_IntSpan->update();
    Image_Spans->update();
}

void TSpanFrm::sketch(const std::function<void(Canvas&, LengthCaption&)>& draw) {
    LengthCaption caption = lengthCaption_.Read();
    {
        QtCanvas canvas(&Image_Spans->Picture);
        draw(canvas, caption);
    }
    lengthCaption_.Show(caption);
    Image_Spans->update();
}

void TSpanFrm::ClearSpanSketch() {
    sketch([](Canvas& c, LengthCaption& l) { kx::ClearSpanSketch(c, l); });
}

void TSpanFrm::DrawSpanSketch() {
    sketch([this](Canvas& c, LengthCaption& l) {
        kx::DrawSpanSketch(c, Image_Spans->Picture.width(), Image_Spans->Picture.height(), l);
    });
}

void TSpanFrm::HighlightCurrentSpan() {
    sketch([this](Canvas& c, LengthCaption&) {
        kx::HighlightCurrentSpan(c, Image_Spans->Picture.width(), Image_Spans->Picture.height(),
                                 SpanVars.CurrentSpan);
    });
}

Canvas& TSpanFrm::IntervalCanvas() {
    if (!intervalCanvas_) intervalCanvas_ = std::make_unique<QtCanvas>(&Image_IntSpan->Picture);
    return *intervalCanvas_;
}

int TSpanFrm::IntervalWidth() const { return Image_IntSpan->Picture.width(); }
int TSpanFrm::IntervalHeight() const { return Image_IntSpan->Picture.height(); }

void TSpanFrm::SpanClear() {
    act([this](SpanControls& c) { kx::SpanClear(c, *this); });
}

void TSpanFrm::SpanRestoreFromCommitted() {
    Guard([] { kx::SpanRestoreFromCommitted(); });
}

void TSpanFrm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TSpanFrm::FormShow() {
    act([this](SpanControls& c) { SpanFormShow(c, *this); });
}

void TSpanFrm::Option_Click() {
    act([this](SpanControls& c) { SpanOptionClick(c, *this); });
}

void TSpanFrm::Option_IntOrEditClick() {
    act([this](SpanControls& c) { SpanIntOrEditClick(c, *this); });
}

void TSpanFrm::cmdEditClick() {
    act([this](SpanControls& c) { SpanResetClick(c, *this); });
}

void TSpanFrm::UpDown_SpanClick() {
    act([this](SpanControls& c) { SpanSpinnerClick(c, *this); });
}

void TSpanFrm::cmd_AllClick() {
    act([](SpanControls& c) { ApplyToAllSpans(c); });
}

void TSpanFrm::SpacingClick() {
    act([this](SpanControls& c) { SpacingOptionClick(c, *this); });
}

void TSpanFrm::UpDown_NoClick() {
    act([this](SpanControls& c) { IntervalCountClick(c, *this); });
}

void TSpanFrm::Grid_IntKeyUp() {
    act([this](SpanControls& c) { IntervalGridKeyUp(c, *this); });
}

void TSpanFrm::cmd_OKClick() {
    act([this](SpanControls& c) { CloseIntervalPanel(c, *this); });
}

void TSpanFrm::cmd_NextClick() {
    SpanRoute route = SpanRoute::Stay;
    act([this, &route](SpanControls& c) { route = SpanNext(c, *this); });
    Guard([this, route] {
        if (route == SpanRoute::CantRHFrm) {
            ShowForm(Link.CantRH);
            hide();
        } else if (route == SpanRoute::Analysis) {
            ShowMainWindowAndAnalyse(Link.Main);
            hide();
        }
    });
}

void TSpanFrm::cmd_BackClick() {
    SpanRoute route = SpanRoute::Stay;
    act([this, &route](SpanControls& c) { route = SpanBack(c, *this); });
    Guard([this, route] {
        if (route == SpanRoute::Stay) return;
        hide();
        if (route == SpanRoute::CantLHFrm)
            ShowForm(Link.CantLH);
        else
            ShowForm(Link.Loads);
    });
}

void TSpanFrm::cmd_CancelClick() { hide(); }

} // namespace kx

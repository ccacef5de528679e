// The load input window.
#include "input/ui/LoadData.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/AnalyseBeam.h"
#include "foundation/ui/Windows.h"
#include "input/ui/CantLH.h"
#include "input/ui/KX_Beam.h"
#include "input/ui/Span.h"
#include "platform/Guard.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

namespace kx {

namespace {

constexpr int kFormWidth = 780; // Panel_Width
constexpr int kCmdsHeight = 65; // Panel_Cmds
constexpr int kRowsLeft = 10;
constexpr int kImageLeft = 11, kImageTop = 8;

// Columns of a load row, from its left edge.
constexpr int kColNo = 4, kColP = 36, kColUDL = 90, kColPL = 146, kColDist = 230, kColUDLS = 314,
              kColUDLF = 398, kColCover = 482, kColLF = 566, kColCheck = 636;

QLabel* label(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h = 14) {
    auto* l = Named(new QLabel(ToQt(caption), parent), name);
    l->setGeometry(x, y, w, h);
    return l;
}

QLabel* helpLabel(QWidget* parent, const char* name, const char* caption, int x, int y, int w, int h) {
    QLabel* l = label(parent, name, caption, x, y, w, h);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(p);
    return l;
}

QLineEdit* edit(QWidget* parent, const std::string& name, int x, int w) {
    auto* e = Named(new QLineEdit(parent), name);
    e->setGeometry(x, 6, w, 23);
    e->hide();
    return e;
}

std::string numbered(const char* stem, int n) { return stem + std::to_string(n); }

int rowTop(int n) { return n <= 17 ? 240 + 35 * (n - 1) : 245 + 35 * (n - 1); }

} // namespace

TLoadDataFrm::TLoadDataFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "LoadDataFrm", "Load Data");
    // On top of the other windows, with the system menu only.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    ScrollBox = Named(new QScrollArea(this), "ScrollBox");
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->setFrameShape(QFrame::NoFrame);
    Content = Named(new QWidget, "Content");
    ScrollBox->setWidget(Content);

    Image_Beam = Named(new TPicture(743, 145, Content), "Image_Beam");
    Image_Beam->move(kImageLeft, kImageTop);
    lbl_Length = label(Content, "lbl_Length", "", kImageLeft + 743 / 2 - 50, kImageTop + 119, 120, 16);
    lbl_Length->hide();

    Label_Help_01 = helpLabel(Content, "Label_Help_01", "Max No of loads = 50", 11, 160, 150, 16);
    Label_Help_02 = helpLabel(Content, "Label_Help_02", "If load factor left blank then load factor = 1", 170,
                              156, 300, 30);
    Label_Help_02->setWordWrap(true);
    Label2 = label(Content, "Label2", "Loadcase", 560, 161, 60, 16);
    Edit_Case = Named(new QSpinBox(Content), "Edit_Case");
    Edit_Case->setRange(1, kMaxLoadcases);
    Edit_Case->setValue(1);
    Edit_Case->setGeometry(625, 157, 50, 24);

    const int h = kRowsLeft;
    Label_Point = label(Content, "Label_Point", "Point", h + kColPL, 196, 80);
    Label_Load = label(Content, "Label_Load", "Load", h + kColPL, 210, 80);
    lbl_PL = label(Content, "lbl_PL", "", h + kColPL, 224, 80);
    Label_Distance = label(Content, "Label_Distance", "Distance", h + kColDist, 182, 80);
    LabelLHEnd = label(Content, "LabelLHEnd", "from LH end", h + kColDist, 196, 80);
    Label_ofBeam = label(Content, "Label_ofBeam", "of beam", h + kColDist, 210, 80);
    lbl_PLdist = label(Content, "lbl_PLdist", "", h + kColDist, 224, 80);
    Label_UDLS = label(Content, "Label_UDLS", "UDL", h + kColUDLS, 196, 80);
    Label_StartRate = label(Content, "Label_StartRate", "start rate", h + kColUDLS, 210, 80);
    lbl_UDLS = label(Content, "lbl_UDLS", "", h + kColUDLS, 224, 80);
    Label_UDLF = label(Content, "Label_UDLF", "UDL", h + kColUDLF, 196, 80);
    Label_FinishRate = label(Content, "Label_FinishRate", "finish rate", h + kColUDLF, 210, 80);
    lbl_UDLF = label(Content, "lbl_UDLF", "", h + kColUDLF, 224, 80);
    lbl_Covr = label(Content, "lbl_Covr", "Cover", h + kColCover, 210, 80);
    lbl_Cover = label(Content, "lbl_Cover", "", h + kColCover, 224, 80);
    lbl_Load = label(Content, "lbl_Load", "Load", h + kColLF, 196, 70);
    lbl_factor = label(Content, "lbl_factor", "factor", h + kColLF, 210, 70);
    lbl_optional = label(Content, "lbl_optional", "(optional)", h + kColLF, 224, 70);

    for (int n = 1; n <= kLoadRows; ++n) {
        TLoadRow& r = rows_[n];
        r.Panel = Named(new QWidget(Content), numbered("Panel_", n));
        r.Panel->setGeometry(kRowsLeft, rowTop(n), 745, n == 17 ? 40 : 35);
        r.Panel->setFocusPolicy(Qt::ClickFocus);
        if (n > 6) r.Panel->hide();
        const std::string no = (n < 10 ? "0" : "") + std::to_string(n);
        r.Edit_No = Named(new QLineEdit(QString::fromLatin1(no.c_str()), r.Panel), "Edit_" + no);
        r.Edit_No->setGeometry(kColNo, 6, 26, 23);
        r.Edit_No->setReadOnly(true);
        r.Edit_No->setToolTip(QStringLiteral("Load No - DoubleClick to reset row"));
        r.Edit_No->setProperty("loadRow", n);
        r.Edit_No->installEventFilter(this);
        r.OptionP = Named(new QRadioButton(QStringLiteral("Point"), r.Panel), numbered("OptionP", n));
        r.OptionP->setGeometry(kColP, 8, 52, 20);
        r.OptionUDL = Named(new QRadioButton(QStringLiteral("UDL"), r.Panel), numbered("OptionUDL", n));
        r.OptionUDL->setGeometry(kColUDL, 8, 50, 20);
        r.Type = new QButtonGroup(r.Panel);
        r.Type->addButton(r.OptionP);
        r.Type->addButton(r.OptionUDL);
        r.Edit_PL = edit(r.Panel, numbered("Edit_PL", n), kColPL, 78);
        r.Edit_Dist = edit(r.Panel, numbered("Edit_Dist", n), kColDist, 78);
        r.Edit_UDLS = edit(r.Panel, numbered("Edit_UDLS", n), kColUDLS, 78);
        r.Edit_UDLF = edit(r.Panel, numbered("Edit_UDLF", n), kColUDLF, 78);
        r.Edit_Cover = edit(r.Panel, numbered("Edit_Cover", n), kColCover, 78);
        r.Edit_LF = edit(r.Panel, numbered("Edit_LF", n), kColLF, 60);
        r.Check = Named(new QCheckBox(QStringLiteral("Apply"), r.Panel), numbered("Check", n));
        r.Check->setGeometry(kColCheck, 8, 70, 20);
        // Each named by its column's heading and the load's number.
        const std::string load = "Load " + std::to_string(n) + " ";
        const std::pair<QWidget*, const char*> headings[] = {{r.Edit_No, "number"},
                                                             {r.OptionP, "Point"},
                                                             {r.OptionUDL, "UDL"},
                                                             {r.Edit_PL, "Point load"},
                                                             {r.Edit_Dist, "Distance"},
                                                             {r.Edit_UDLS, "UDL start rate"},
                                                             {r.Edit_UDLF, "UDL finish rate"},
                                                             {r.Edit_Cover, "Cover"},
                                                             {r.Edit_LF, "Load factor"},
                                                             {r.Check, "Apply"}};
        for (auto [c, heading] : headings)
            c->setAccessibleName(ToQt(load + heading));

        Bindings.radios("Load " + std::to_string(n) + " type",
                        {{r.OptionP, [n](LoadFormControls& f) -> bool& { return f.Rows[n].OptionP; }},
                         {r.OptionUDL, [n](LoadFormControls& f) -> bool& { return f.Rows[n].OptionUDL; }}});
        // An edit of the row: its text and whether it shows, named after the field it feeds.
        const auto box = [this, n](QLineEdit* e, EditBox LoadRowControls::*m, const char* field) {
            const std::string name = numbered(field, n);
            Bindings.shown(
                e, [n, m](LoadFormControls& f) -> ShownText& { return (f.Rows[n].*m).Text; }, name + ".Text");
            Bindings.visible(
                e, [n, m](LoadFormControls& f) -> bool& { return (f.Rows[n].*m).Visible; },
                name + ".Visible");
        };
#define KX_ROW_BOX(name) box(r.name, &LoadRowControls::name, #name)
        KX_ROW_BOX(Edit_PL);
        KX_ROW_BOX(Edit_Dist);
        KX_ROW_BOX(Edit_UDLS);
        KX_ROW_BOX(Edit_UDLF);
        KX_ROW_BOX(Edit_Cover);
        KX_ROW_BOX(Edit_LF);
#undef KX_ROW_BOX
        Bindings.checked(
            r.Check, [n](LoadFormControls& f) -> bool& { return f.Rows[n].Check; }, numbered("Check", n));
        Bindings.visible(
            r.Panel, [n](LoadFormControls& f) -> bool& { return f.Rows[n].Panel; }, numbered("Panel_", n));

        // A button set from code runs its handler as a click does; a radio only on being chosen.
        Bindings.OnToggle(r.OptionP, this, [this, n] { OptionClick(n); });
        Bindings.OnToggle(r.OptionUDL, this, [this, n] { OptionClick(n); });
        Bindings.OnToggle(r.Check, this, [this, n] { CheckClick(n); });
    }

    Panel_Cmds = Named(new QWidget(this), "Panel_Cmds");
    Panel_Cmds->setFixedHeight(kCmdsHeight);
    Frame_SWt = Named(new QGroupBox(QStringLiteral("Steel Beam Self-weight"), Panel_Cmds), "Frame_SWt");
    Frame_SWt->setGeometry(5, 3, 335, 58);
    Frame_SWt->hide();
    Check_Swt = Named(new QCheckBox(QStringLiteral("Apply"), Frame_SWt), "Check_Swt");
    Check_Swt->setGeometry(10, 26, 62, 20);
    lbl_Swt = label(Frame_SWt, "lbl_Swt", "", 75, 28, 110, 16);
    Label1 = label(Frame_SWt, "Label1", "LF", 195, 28, 20, 16);
    Edit_LF = Named(new QLineEdit(Frame_SWt), "Edit_LF");
    Edit_LF->setGeometry(220, 25, 60, 23);
    auto button = [this](const char* name, const char* caption, int x) {
        auto* b = Named(new QPushButton(ToQt(caption), Panel_Cmds), name);
        b->setGeometry(x, 20, 76, 26);
        return b;
    };
    cmdBack = button("cmdBack", "< Back", 350);
    Button4 = button("Button4", "Expand", 432);
    cmd_Clear = button("cmd_Clear", "Clear", 514);
    cmd_Cancel = button("cmd_Cancel", "Cancel", 596);
    cmd_Next = button("cmd_Next", "Next >", 678);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ScrollBox, 1);
    layout->addWidget(Panel_Cmds);

    Check_Swt->setAccessibleName(QStringLiteral("Steel Beam Self-weight: Apply"));
    Caption(Label1, Edit_LF);
    Caption(Label2, Edit_Case);

    using F = LoadFormControls;
    KX_BIND(Bindings, visible, Frame_SWt);
    KX_BIND(Bindings, checked, Check_Swt);
    KX_BIND(Bindings, text, lbl_Swt);
    KX_BIND(Bindings, shown, Edit_LF);
    KX_BIND_AS(Bindings, enabled, Edit_LF, _Enabled);
    KX_BIND(Bindings, value, Edit_Case);
    KX_BIND(Bindings, text, lbl_PL);
    KX_BIND(Bindings, text, lbl_PLdist);
    KX_BIND(Bindings, text, lbl_UDLS);
    KX_BIND(Bindings, text, lbl_UDLF);
    KX_BIND(Bindings, text, lbl_Cover);
    BindLengthCaption<F>(Bindings, lbl_Length, Image_Beam,
                         [](F& f) -> LengthCaption& { return f.lbl_Length; });
    // Last: the form laid out for the rows shown.
    Bindings.custom({{this},
                     "LoadDataFrm.Height",
                     [this](F& f) { f.Height = formHeight_; },
                     [this](const F& f) {
                         formHeight_ = f.Height;
                         layOut();
                     },
                     [this] {
                         formHeight_ += 35;
                         layOut();
                     },
                     [](const F& a, const F& b) { return a.Height == b.Height; },
                     [](F& f) { f.Height += 35; }});

    Bindings.OnToggle(Check_Swt, this, [this] { Check_SwtClick(); });
    connect(Edit_Case, &QSpinBox::valueChanged, this, [this] {
        if (!Bindings.Filling()) UpDown_CaseClick();
    });
    connect(cmdBack, &QPushButton::clicked, this, &TLoadDataFrm::cmdBackClick);
    connect(Button4, &QPushButton::clicked, this, &TLoadDataFrm::Button4Click);
    connect(cmd_Clear, &QPushButton::clicked, this, &TLoadDataFrm::cmd_ClearClick);
    connect(cmd_Cancel, &QPushButton::clicked, this, &TLoadDataFrm::cmd_CancelClick);
    connect(cmd_Next, &QPushButton::clicked, this, &TLoadDataFrm::cmd_NextClick);

    // FormCreate: the design width, centred across the screen, at its top.
    setFixedWidth(kFormWidth);
    layOut();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect g = s->availableGeometry();
        move(g.x() + (g.width() - kFormWidth) / 2, g.y());
    }
    LoadDataVars.WorkRowsShown = 0;
}

TLoadDataFrm::~TLoadDataFrm() = default;

const TLoadRow& TLoadDataFrm::Row(int n) const { return rows_[std::clamp(n, 1, kLoadRows)]; }

void TLoadDataFrm::layOut() {
    Content->setFixedSize(kFormWidth - 15, std::max(0, formHeight_ - kCmdsHeight));
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const int room = s ? s->availableGeometry().height() - 40 : formHeight_;
    const int h = std::max(kCmdsHeight + 100, std::min(formHeight_, room));
    if (height() != h) resize(kFormWidth, h);
}

void TLoadDataFrm::act(const std::function<void(LoadFormControls&, LoadFormPicture&)>& step) {
    LoadFormControls f;
    Bindings.Step(f, [&] {
        QtCanvas canvas(&Image_Beam->Picture);
        LoadFormPicture pic{canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height()};
        step(f, pic);
    });
    Image_Beam->update();
}

void TLoadDataFrm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

bool TLoadDataFrm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonDblClick) {
        const QVariant row = watched->property("loadRow");
        if (row.isValid()) {
            Edit_DblClick(row.toInt());
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void TLoadDataFrm::FormShow() {
    act([](LoadFormControls& f, LoadFormPicture& pic) { LoadFormShow(f, pic); });
}

void TLoadDataFrm::OptionClick(int n) {
    act([n](LoadFormControls& f, LoadFormPicture&) { SetLoadRowMode(f, n); });
}

void TLoadDataFrm::CheckClick(int n) {
    act([n](LoadFormControls& f, LoadFormPicture& pic) { ApplyClicked(f, n, pic); });
}

void TLoadDataFrm::Check_SwtClick() {
    act([](LoadFormControls& f, LoadFormPicture& pic) { SelfWeightApplyClicked(f, pic); });
}

void TLoadDataFrm::Edit_DblClick(int n) {
    act([n](LoadFormControls& f, LoadFormPicture& pic) { ResetLoadRow(f, n, pic); });
    Row(n).Panel->setFocus();
}

void TLoadDataFrm::UpDown_CaseClick() {
    act([](LoadFormControls& f, LoadFormPicture& pic) { LoadcaseClicked(f, pic); });
}

void TLoadDataFrm::Button4Click() {
    act([](LoadFormControls& f, LoadFormPicture&) { ExpandClicked(f); });
}

void TLoadDataFrm::cmd_ClearClick() {
    act([](LoadFormControls& f, LoadFormPicture& pic) { ClearClicked(f, pic); });
}

void TLoadDataFrm::cmd_CancelClick() {
    Guard([this] {
        kx::RestoreCommittedLoads();
        hide();
    });
}

void TLoadDataFrm::cmdBackClick() {
    act([](LoadFormControls& f, LoadFormPicture&) { LoadFormBack(f); });
    Guard([this] {
        ShowForm(Link.Beam);
        hide();
    });
}

void TLoadDataFrm::cmd_NextClick() {
    LoadRoute route = LoadRoute::Stay;
    act([this, &route](LoadFormControls& f, LoadFormPicture& pic) { route = CommitLoads(f, pic); });
    if (route == LoadRoute::Stay) return;
    hide();
    Guard([this, route] { GoOnFromLoads(route, Link); });
}

void TLoadDataFrm::ResetForNewBeam() {
    act([](LoadFormControls& f, LoadFormPicture&) { NewBeamLoadForm(f); });
}

void TLoadDataFrm::RestoreCommittedLoads() { kx::RestoreCommittedLoads(); }

void TLoadDataFrm::FactoredLoadsChanged() {
    act([this](LoadFormControls& f, LoadFormPicture&) { kx::FactoredLoadsChanged(f); });
}

void TLoadDataFrm::ShowFactorsReset() {
    LoadFormControls f = Bindings.Read();
    kx::ShowFactorsReset(f);
    Bindings.Show(f);
}

void TLoadDataFrm::ShowSelfWeightFrame(bool shown) {
    LoadFormControls f = Bindings.Read();
    f.Frame_SWt = shown;
    // Shown, not acted on: the Apply step must not run over rows this showing never filled.
    if (!shown) f.Check_Swt = false;
    Bindings.Show(f);
}

void TLoadDataFrm::DrawLoadFormBeam() {
    LoadFormControls f = Bindings.Read();
    {
        QtCanvas canvas(&Image_Beam->Picture);
        kx::DrawLoadFormBeam(canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height(), f.lbl_Length);
    }
    Image_Beam->update();
    Bindings.Show(f);
}

void GoOnFromLoads(LoadRoute route, const LoadFormLinks& links) {
    switch (route) {
    case LoadRoute::Stay: break;
    case LoadRoute::Analysis: {
        TIndexFrm* main = links.Main;
        if (!main) break;
        ShowForm(main);
        main->repaint();
        main->DrawLoads();
        main->DrawBeam();
        RunAnalysis(*main);
        break;
    }
    case LoadRoute::CantLH: ShowForm(links.CantLH); break;
    case LoadRoute::Span:
        if (!links.Span) break;
        // The span form's show handler clears its picture; the sketch and the current span follow.
        ShowForm(links.Span);
        links.Span->DrawSpanSketch();
        links.Span->HighlightCurrentSpan();
        break;
    }
}

} // namespace kx

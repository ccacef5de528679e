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
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Forms.h"
#include "engine/AnalyseBeam.h"
#include "foundation/ui/Windows.h"
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

EditBox box(const QLineEdit* e) { return {FromQt(e->text()), !e->isHidden()}; }

void setText(QLineEdit* e, const std::string& text) {
    const QString q = ToQt(text);
    if (e->text() == q) return;
    const QSignalBlocker quiet(e);
    e->setText(q);
}

void setText(QLabel* l, const std::string& text) {
    const QString q = ToQt(text);
    if (l->text() != q) l->setText(q);
}

void setShown(QWidget* w, bool shown) {
    if (w->isHidden() == !shown) return;
    w->setVisible(shown);
}

void setBox(QLineEdit* e, const EditBox& b) {
    setText(e, b.Text);
    setShown(e, b.Visible);
}

void setTick(QAbstractButton* b, bool on) {
    if (b->isChecked() == on) return;
    const QSignalBlocker quiet(b);
    b->setChecked(on);
}

// A row's type buttons; both may be left unchosen.
void setType(const TLoadRow& r, bool point, bool udl) {
    if (r.OptionP->isChecked() == point && r.OptionUDL->isChecked() == udl) return;
    const QSignalBlocker quietP(r.OptionP), quietUDL(r.OptionUDL);
    r.Type->setExclusive(false);
    r.OptionP->setChecked(point);
    r.OptionUDL->setChecked(udl && !point);
    r.Type->setExclusive(true);
}

} // namespace

TLoadImage::TLoadImage(int width, int height, QWidget* parent)
    : QWidget(parent), Picture(MakeScreenImage(width, height)) {
    Picture.fill(QColor(0x80, 0x80, 0x80));
    setFixedSize(width, height);
}

void TLoadImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Picture);
}

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

    Image_Beam = Named(new TLoadImage(743, 145, Content), "Image_Beam");
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

        // A button set from code runs its handler as a click does; a radio only on being chosen.
        connect(r.OptionP, &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) OptionClick(n);
        });
        connect(r.OptionUDL, &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) OptionClick(n);
        });
        connect(r.Check, &QCheckBox::toggled, this, [this, n] { CheckClick(n); });
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

    connect(Check_Swt, &QCheckBox::toggled, this, [this] { Check_SwtClick(); });
    connect(Edit_Case, &QSpinBox::valueChanged, this, [this] { UpDown_CaseClick(); });
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

LoadFormControls TLoadDataFrm::Controls() const {
    LoadFormControls f;
    for (int n = 1; n <= kLoadRows; ++n) {
        const TLoadRow& r = rows_[n];
        LoadRowControls& c = f.Rows[n];
        c.Panel = !r.Panel->isHidden();
        c.OptionP = r.OptionP->isChecked();
        c.OptionUDL = r.OptionUDL->isChecked();
        c.Edit_PL = box(r.Edit_PL);
        c.Edit_Dist = box(r.Edit_Dist);
        c.Edit_UDLS = box(r.Edit_UDLS);
        c.Edit_UDLF = box(r.Edit_UDLF);
        c.Edit_Cover = box(r.Edit_Cover);
        c.Edit_LF = box(r.Edit_LF);
        c.Check = r.Check->isChecked();
    }
    f.Frame_SWt = !Frame_SWt->isHidden();
    f.Check_Swt = Check_Swt->isChecked();
    f.lbl_Swt = FromQt(lbl_Swt->text());
    f.Edit_LF = FromQt(Edit_LF->text());
    f.Edit_LF_Enabled = Edit_LF->isEnabled();
    f.Edit_Case = Edit_Case->value();
    f.Height = formHeight_;
    f.lbl_PL = FromQt(lbl_PL->text());
    f.lbl_PLdist = FromQt(lbl_PLdist->text());
    f.lbl_UDLS = FromQt(lbl_UDLS->text());
    f.lbl_UDLF = FromQt(lbl_UDLF->text());
    f.lbl_Cover = FromQt(lbl_Cover->text());
    f.lbl_Length = {FromQt(lbl_Length->text()), !lbl_Length->isHidden(), lbl_Length->y() - Image_Beam->y()};
    return f;
}

void TLoadDataFrm::ShowControls(const LoadFormControls& f) {
    for (int n = 1; n <= kLoadRows; ++n) {
        const TLoadRow& r = rows_[n];
        const LoadRowControls& c = f.Rows[n];
        setType(r, c.OptionP, c.OptionUDL);
        setBox(r.Edit_PL, c.Edit_PL);
        setBox(r.Edit_Dist, c.Edit_Dist);
        setBox(r.Edit_UDLS, c.Edit_UDLS);
        setBox(r.Edit_UDLF, c.Edit_UDLF);
        setBox(r.Edit_Cover, c.Edit_Cover);
        setBox(r.Edit_LF, c.Edit_LF);
        setTick(r.Check, c.Check);
        setShown(r.Panel, c.Panel);
    }
    setShown(Frame_SWt, f.Frame_SWt);
    setTick(Check_Swt, f.Check_Swt);
    setText(lbl_Swt, f.lbl_Swt);
    setText(Edit_LF, f.Edit_LF);
    Edit_LF->setEnabled(f.Edit_LF_Enabled);
    if (Edit_Case->value() != f.Edit_Case) {
        const QSignalBlocker quiet(Edit_Case);
        Edit_Case->setValue(f.Edit_Case);
    }
    for (auto [l, t] : {std::pair{lbl_PL, &f.lbl_PL},
                        {lbl_PLdist, &f.lbl_PLdist},
                        {lbl_UDLS, &f.lbl_UDLS},
                        {lbl_UDLF, &f.lbl_UDLF},
                        {lbl_Cover, &f.lbl_Cover}})
        setText(l, *t);
    setText(lbl_Length, f.lbl_Length.Caption);
    lbl_Length->move(lbl_Length->x(), Image_Beam->y() + f.lbl_Length.Top);
    setShown(lbl_Length, f.lbl_Length.Visible);
    formHeight_ = f.Height;
    layOut();
}

void TLoadDataFrm::act(const std::function<void(LoadFormControls&, LoadFormPicture&)>& step) {
    Guard([&] {
        LoadFormControls f = Controls();
        QtCanvas canvas(&Image_Beam->Picture);
        LoadFormPicture pic{canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height()};
        // What the step did before an error stays, as it stays on the form.
        struct Shown {
            TLoadDataFrm* w;
            QtCanvas& c;
            LoadFormControls& f;
            ~Shown() {
                c.End();
                w->Image_Beam->update();
                w->ShowControls(f);
            }
        } shown{this, canvas, f};
        step(f, pic);
    });
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
    Guard([this] {
        ShowForm(Widget(Forms.KX_BeamFrm));
        hide();
    });
}

void TLoadDataFrm::cmd_NextClick() {
    LoadRoute route = LoadRoute::Stay;
    act([&route](LoadFormControls& f, LoadFormPicture& pic) { route = CommitLoads(f, pic); });
    if (route == LoadRoute::Stay) return;
    hide();
    Guard([route] { GoOnFromLoads(route); });
}

void TLoadDataFrm::ResetForNewBeam() {
    act([](LoadFormControls& f, LoadFormPicture&) { NewBeamLoadForm(f); });
}

void TLoadDataFrm::RestoreCommittedLoads() { kx::RestoreCommittedLoads(); }

void TLoadDataFrm::SetSelfWeightFactorText(const std::string& text) { Edit_LF->setText(ToQt(text)); }

void TLoadDataFrm::ShowSelfWeightFrame(bool shown) {
    Frame_SWt->setVisible(shown);
    if (!shown) Check_Swt->setChecked(false);
}

void TLoadDataFrm::DrawLoadFormBeam() {
    LengthCaption caption = Controls().lbl_Length;
    {
        QtCanvas canvas(&Image_Beam->Picture);
        kx::DrawLoadFormBeam(canvas, Image_Beam->Picture.width(), Image_Beam->Picture.height(), caption);
    }
    Image_Beam->update();
    setText(lbl_Length, caption.Caption);
    lbl_Length->move(lbl_Length->x(), Image_Beam->y() + caption.Top);
    setShown(lbl_Length, caption.Visible);
}

void GoOnFromLoads(LoadRoute route) {
    switch (route) {
    case LoadRoute::Stay: break;
    case LoadRoute::Analysis: {
        TIndexFrm* main = Forms.IndexFrm;
        ShowForm(main);
        main->repaint();
        main->DrawLoads();
        main->DrawBeam();
        RunAnalysis(*main);
        break;
    }
    case LoadRoute::CantLH: ShowForm(Widget(Forms.CantLHFrm)); break;
    case LoadRoute::Span:
        // The span form's show handler clears its picture; the sketch and the current span follow.
        ShowForm(Widget(Forms.SpanFrm));
        Forms.SpanFrm->DrawSpanSketch();
        Forms.SpanFrm->HighlightCurrentSpan();
        break;
    }
}

} // namespace kx

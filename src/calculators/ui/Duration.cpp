// The timber load-duration dialog.
#include "calculators/ui/Duration.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <optional>

#include "calculators/Duration.h"
#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

// The options as they stand in each group, from the top; the last four lie outside the group's
// visible area and are never shown.
constexpr int kShownOrder[kTimberDurations] = {7, 8, 6, 4, 5, 0, 1, 2, 3};
constexpr int kFirstHidden = 5;

const char* const kAxialNames[kTimberDurations] = {"Option_AxLT",   "Option_AxMT",      "Option_AxST",
                                                   "Option_AxVST",  "Option_AxGeneral", "Option_AxWall",
                                                   "Option_AxWeek", "Option_AxMonth",   "Option_AxYear"};

QColor captionColour(int option) {
    if (option >= 6) return Qt::red;  // 1 Week, 1 Month, 1 Year: BS 5975
    if (option >= 4) return Qt::blue; // General, Wall: the formwork guide
    return Qt::black;
}

} // namespace

TDurationFrm::TDurationFrm(QWidget* parent) : QDialog(parent) {
    InitForm(this, "DurationFrm", "DurationFrm");
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    KeepAboveWindowsOnTop(this);

    Panel1 = Named(new QFrame(this), "Panel1");
    Panel1->setGeometry(0, 0, 560, 1);
    Panel2 = Named(new QFrame(this), "Panel2");
    Panel2->setGeometry(0, 0, 1, 400);
    Panel3 = Named(new QFrame(this), "Panel3");
    Panel3->setGeometry(0, 0, 120, 1);
    Panel4 = Named(new QFrame(this), "Panel4");
    Panel4->setGeometry(0, 0, 400, 1);
    for (QFrame* p : {Panel1, Panel2, Panel3, Panel4})
        p->hide();

    GroupBending = Named(new QGroupBox(QStringLiteral("Load Duration  K3 - Bending"), this), "GroupBending");
    GroupBending->setGeometry(15, 10, 250, 170);
    GroupAxial = Named(new QGroupBox(QStringLiteral("Load Duration  K3 - Strut"), this), "GroupAxial");
    GroupAxial->setGeometry(295, 10, 250, 170);
    const auto& durations = TimberDurations();
    std::vector<std::pair<QAbstractButton*, int>> bendingRadios, axialRadios;
    for (int row = 0; row < kTimberDurations; ++row) {
        const int option = kShownOrder[row];
        const TimberDuration& d = durations[static_cast<std::size_t>(option)];
        for (bool axial : {false, true}) {
            auto* b = new QRadioButton(ToQt(d.Caption), axial ? GroupAxial : GroupBending);
            Named(b, axial ? kAxialNames[option] : d.Option);
            b->setGeometry(12, 24 + 28 * row, 150, 22);
            QPalette p = b->palette();
            p.setColor(QPalette::WindowText, captionColour(option));
            p.setColor(QPalette::ButtonText, captionColour(option));
            b->setPalette(p);
            if (row >= kFirstHidden) b->hide();
            (axial ? axialOptions : bendingOptions)[static_cast<std::size_t>(option)] = b;
            // The two groups offer the same durations.
            b->setAccessibleName((axial ? QStringLiteral("Strut: ") : QStringLiteral("Bending: ")) +
                                 b->text());
            (axial ? axialRadios : bendingRadios).emplace_back(b, option);
            Bindings.OnToggle(b, this, [this, axial] { axial ? AxialOptionClick() : BendingOptionClick(); });
        }
    }
    lbl_MomK3 = label(GroupBending, "lbl_MomK3", "", 180, 24, 50);
    lbl_AxK3 = label(GroupAxial, "lbl_AxK3", "", 180, 24, 50);
    for (QLabel* l : {lbl_MomK3, lbl_AxK3}) {
        l->setFrameShape(QFrame::Box);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Qt::white);
        l->setPalette(p);
    }

    QLabel* red = label(this, "Label1", "Red text is to BS 5975 (falsework)", 15, 190, 530);
    QPalette rp = red->palette();
    rp.setColor(QPalette::WindowText, Qt::red);
    red->setPalette(rp);
    QLabel* blue =
        label(this, "Label2",
              "Blue text is to the recommendations of \"Formwork a guide to good practice\" 1986 by the "
              "Concrete Society.",
              15, 214, 530, 40);
    blue->setWordWrap(true);
    QPalette bp = blue->palette();
    bp.setColor(QPalette::WindowText, Qt::blue);
    blue->setPalette(bp);

    Label_Comb1 = label(this, "Label_Comb1", "Enter axial load and bending moment", 15, 262, 300);
    Label_Comb2 = label(this, "Label_Comb2", "Applied Axial Load", 15, 290, 140);
    Edit_Axial = Named(new QLineEdit(this), "Edit_Axial");
    Caption(Label_Comb2, Edit_Axial);
    Edit_Axial->setGeometry(160, 290, 80, 22);
    Label_Comb3 = label(this, "Label_Comb3", "kN", 245, 290, 40);
    Label_Comb4 = label(this, "Label_Comb4", "Applied Moment", 15, 318, 140);
    Edit_Mom = Named(new QLineEdit(this), "Edit_Mom");
    Caption(Label_Comb4, Edit_Mom);
    Edit_Mom->setGeometry(160, 318, 80, 22);
    Label_Comb5 = label(this, "Label_Comb5", "kN-m", 245, 318, 40);

    cmd_OK = Named(new QPushButton(QStringLiteral("OK"), this), "cmd_OK");
    cmd_OK->setGeometry(Panel4->width(), 352, 120, 30);
    cmd_OK->setDefault(true);
    connect(cmd_OK, &QPushButton::clicked, this, &TDurationFrm::cmd_OKClick);

    using I = Duration::DurationInputs;
    using D = Duration::DurationView;
    Bindings.choice(&I::BendingOption, "BendingOption", bendingRadios, -1);
    Bindings.choice(&I::AxialOption, "AxialOption", axialRadios, -1);
    KX_BIND_AS(Shown, enabled, GroupBending, _Enabled);
    KX_BIND_AS(Shown, enabled, GroupAxial, _Enabled);
    // The applied load and moment with their captions, for the combined check only.
    const std::vector<QWidget*> combined{Label_Comb1, Label_Comb2, Label_Comb3, Label_Comb4,
                                         Label_Comb5, Edit_Axial,  Edit_Mom};
    Shown.custom({combined, "CombinedShown", [this](D& d) { d.CombinedShown = !Edit_Axial->isHidden(); },
                  [combined](const D& d) {
                      for (QWidget* w : combined)
                          w->setVisible(d.CombinedShown);
                  },
                  [combined] {
                      for (QWidget* w : combined)
                          w->setVisible(w->isHidden());
                  },
                  [](const D& a, const D& b) { return a.CombinedShown == b.CombinedShown; },
                  [](D& d) { d.CombinedShown = !d.CombinedShown; }});
    Shown.custom({{cmd_OK},
                  "cmd_OK_AtPanel3",
                  [this](D& d) { d.cmd_OK_AtPanel3 = cmd_OK->x() == Panel3->width(); },
                  [this](const D& d) {
                      cmd_OK->move(d.cmd_OK_AtPanel3 ? Panel3->width() : Panel4->width(), cmd_OK->y());
                  },
                  [this] {
                      cmd_OK->move(cmd_OK->x() == Panel3->width() ? Panel4->width() : Panel3->width(),
                                   cmd_OK->y());
                  },
                  [](const D& a, const D& b) { return a.cmd_OK_AtPanel3 == b.cmd_OK_AtPanel3; },
                  [](D& d) { d.cmd_OK_AtPanel3 = !d.cmd_OK_AtPanel3; }});
    KX_BIND(Shown, text, lbl_MomK3);
    KX_BIND(Shown, text, lbl_AxK3);
    KX_BIND(Bindings, text, Edit_Axial);
    KX_BIND(Bindings, text, Edit_Mom);

    FormCreate();
}

void TDurationFrm::FormCreate() {
    setFixedSize(Panel1->width(), Panel2->height());
    Bindings.Show(Duration::DurationInputs{});
    Shown.Show(Duration::DurationShown());
}

void TDurationFrm::act(Duration::DurationView (*action)(const Duration::DurationInputs&)) {
    Bindings.Step(Shown, action, Duration::DurationShown);
}

void TDurationFrm::FormShow() {
    act(Duration::FormShow);
    CentreOnScreen(this);
}

void TDurationFrm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) FormShow();
    QDialog::showEvent(e);
}

void TDurationFrm::BendingOptionClick() { act(Duration::SetTimberK3Bending); }

void TDurationFrm::AxialOptionClick() { act(Duration::SetTimberK3Axial); }

void TDurationFrm::cmd_OKClick() {
    const Duration::DurationInputs in = Bindings.Read();
    if (Guard([&in] { Duration::cmd_OKClick(in); })) accept();
}

} // namespace kx

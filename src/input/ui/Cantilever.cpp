// The window both cantilever forms are made from.
#include "input/ui/Cantilever.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "foundation/ui/Windows.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/LoadData.h"
#include "input/ui/Span.h"
#include "platform/Guard.h"
#include "platform/QtCanvas.h"
#include "platform/QtDialogs.h"
#include "window/ui/Index.h"

namespace kx {

namespace {

constexpr int kClientWidth = 790;  // Panel1
constexpr int kClientHeight = 570; // Panel2
constexpr int kPictureW = 110, kPictureH = 60;

const char* optionName(int field) {
    static const char* const names[] = {
        "Option_Restrained",      "Option_Normal",       "Option_Destabilizing", "Option_Support_Lateral",
        "Option_Support_Partial", "Option_Support_Both", "Option_End_Both",      "Option_End_Torsion",
        "Option_End_Top",         "Option_End_Free",     "Option_Edit"};
    return names[field];
}

} // namespace

TCantileverFrm::TCantileverFrm(const CantSide& side, const char* objectName, QWidget* parent)
    : QWidget(parent), Side(side) {
    InitForm(this, objectName, side.Caption);
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);
    const bool left = side.Row == kLHCantRow;

    // Support restraint and end restraint: an option beside each picture.
    QGroupBox* support = MakeGroup(this, "GroupSupport", "Support Restraint", 10, 8, 380, 250);
    const int supports[] = {coSupportLateral, coSupportPartial, coSupportBoth};
    const char* supportLabels[] = {"Continuous with lateral restraint only",
                                   "Continuous with partial torsional restraint",
                                   "Continuous with lateral and torsional restraint"};
    const char* labelNames[] = {"Label_Support_Lateral", "Label_Support_Partial", "Label_Support_Both"};
    TLabelClick* labels[3];
    for (int k = 0; k < 3; ++k) {
        const int y = 24 + k * 74;
        Options[supports[k]] = MakeRadio(support, optionName(supports[k]), "", 10, y + 20, 20);
        labels[k] = Named(new TLabelClick(ToQt(supportLabels[k]), support), labelNames[k]);
        labels[k]->setGeometry(34, y + 12, 210, 38);
        labels[k]->setWordWrap(true);
    }
    QGroupBox* end = MakeGroup(this, "GroupEnd", side.EndGroupCaption, 400, 8, 380, 340);
    const int ends[] = {coEndFree, coEndTop, coEndTorsion, coEndBoth};
    for (int k = 0; k < 4; ++k) {
        const int y = 24 + k * 74;
        Options[ends[k]] =
            MakeRadio(end, optionName(ends[k]), CantOptionCaption(side, ends[k]), 10, y + 20, 230);
    }
    if (side.BracedNote) MakeLabel(end, "Label4", "Braced laterally in at least one bay", 10, 318, 300);

    QGroupBox* loading = MakeGroup(this, "GroupLoading", "Loading", 10, 264, 380, 56);
    Options[coNormal] = MakeRadio(loading, optionName(coNormal), "Normal", 10, 24, 120);
    Options[coDestabilizing] = MakeRadio(loading, optionName(coDestabilizing), "Destabilizing", 150, 24, 150);

    QGroupBox* restrained = MakeGroup(this, "GroupRestrained", "", 10, 326, 380, 80);
    Options[coRestrained] =
        MakeRadio(restrained, optionName(coRestrained), CantOptionCaption(side, coRestrained), 10, 16, 300);
    Options[coEdit] = MakeRadio(restrained, optionName(coEdit), CantOptionCaption(side, coEdit), 10, 44, 300);
    cmdEdit = MakeButton(this, "cmdEdit", "Reset effective length", 400, 360, 180);

    for (QGroupBox* g : {support, end, loading, restrained}) {
        auto* bg = new QButtonGroup(g);
        for (int f = 0; f <= coEdit; ++f)
            if (Options[f]->parentWidget() == g) bg->addButton(Options[f]);
    }
    Option_Restrained = Options[coRestrained];
    Option_Edit = Options[coEdit];
    Option_Normal = Options[coNormal];
    Option_Destabilizing = Options[coDestabilizing];
    Option_Support_Lateral = Options[coSupportLateral];
    Option_Support_Partial = Options[coSupportPartial];
    Option_Support_Both = Options[coSupportBoth];
    Option_End_Free = Options[coEndFree];
    Option_End_Top = Options[coEndTop];
    Option_End_Torsion = Options[coEndTorsion];
    Option_End_Both = Options[coEndBoth];
    Label_Support_Lateral = labels[0];
    Label_Support_Partial = labels[1];
    Label_Support_Both = labels[2];

    // Each picture beside the option it shows.
    for (int i = 1; i <= 7; ++i) {
        const int chosen = side.PictureChoice[static_cast<std::size_t>(i - 1)];
        const int shown = chosen >= 0 ? chosen : coSupportPartial;
        const bool atSupport = CantOptionGroup(shown) == 2;
        QGroupBox* g = atSupport ? support : end;
        int row = 0;
        for (int k = 0; k < (atSupport ? 3 : 4); ++k)
            if ((atSupport ? supports[k] : ends[k]) == shown) row = k;
        const std::string name = "Image" + std::to_string(i);
        Image[i] = Named(new TPicture(kPictureW, kPictureH, g), name.c_str());
        Image[i]->move(255, 20 + row * 74);
        QtCanvas canvas(&Image[i]->Picture);
        DrawRestraintPicture(canvas, kPictureW, kPictureH, shown);
        canvas.End();
        connect(Image[i], &TPicture::clicked, this, [this, i] { PictureClick(i); });
    }

    MakeLabel(this, "Label3", "Effective length factor", 20, 428, 170);
    lbl_Lf = MakeValueLabel(this, "lbl_Lf", 200, 426, 150);
    MakeLabel(this, "Label_Le", "Effective length", 20, 458, 170);
    lbl_Le = MakeValueLabel(this, "lbl_Le", 200, 456, 80);
    Label_Units = MakeLabel(this, "Label_Units", "", 286, 458, 60);
    SetFontColor(
        MakeLabel(this, "Label_Note",
                  "Users must ensure that cantilever support restraints are compatible with span restraints",
                  20, 494, 650),
        Qt::red);
    cmd_Back = MakeButton(this, left ? "Cmd_Back" : "cmd_Back", "< Back", 460, 528, 96);
    cmd_Cancel = MakeButton(this, left ? "Button1" : "cmdCancel", "Cancel", 570, 528, 96);
    cmd_Next = MakeButton(this, "cmd_Next", "Next >", 680, 528, 96);

    // The support options have no caption of their own: each is named by the label beside it.
    for (int k = 0; k < 3; ++k)
        Caption(labels[k], Options[supports[k]]);

    const char* groupNames[] = {"GroupRestrained options", "GroupLoading options", "GroupSupport options",
                                "GroupEnd options"};
    for (int g = 0; g < 4; ++g) {
        std::vector<std::pair<QAbstractButton*, FormBindings<CantControls>::Field<bool>>> group;
        for (int f = 0; f <= coEdit; ++f)
            if (CantOptionGroup(f) == g)
                group.push_back({Options[f], [f](CantControls& c) -> bool& { return c.Option[f]; }});
        Bindings.radios(groupNames[g], group);
    }
    KX_BIND_AS(Bindings, enabled, cmdEdit, _Enabled);
    KX_BIND(Bindings, text, lbl_Lf);
    KX_BIND(Bindings, shown, lbl_Le);
    KX_BIND(Bindings, text, Label_Units);
    Bindings.Show(CantControls{}); // nothing chosen yet, so no length to reset

    for (int f = 0; f <= coEdit; ++f)
        Bindings.OnToggle(Options[f], this, [this, f] { OptionClick(f); });
    const std::pair<TLabelClick*, int> labelFields[] = {
        {Label_Support_Lateral, coSupportLateral},
        {Label_Support_Partial, coSupportPartial},
        {Label_Support_Both, coSupportBoth},
    };
    for (auto [l, f] : labelFields)
        connect(l, &TLabelClick::clicked, this, [this, f = f] { LabelClick(f); });
    connect(cmdEdit, &QPushButton::clicked, this, &TCantileverFrm::cmdEditClick);
    connect(cmd_Next, &QPushButton::clicked, this, &TCantileverFrm::cmd_NextClick);
    connect(cmd_Back, &QPushButton::clicked, this, &TCantileverFrm::cmd_BackClick);
    connect(cmd_Cancel, &QPushButton::clicked, this, &TCantileverFrm::cmd_CancelClick);

    setFixedSize(kClientWidth, kClientHeight);
    PlaceForm(this, 5);
}

void TCantileverFrm::act(const std::function<void(CantControls&)>& action) {
    CantControls c;
    Bindings.Step(c, [&] { action(c); });
}

void TCantileverFrm::Clear() {
    act([this](CantControls& c) { CantClear(Side, c); });
}

void TCantileverFrm::RestoreFromCommitted() {
    act([this](CantControls& c) { CantRestoreFromCommitted(Side, c); });
}

void TCantileverFrm::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TCantileverFrm::FormShow() {
    act([this](CantControls& c) { CantFormShow(Side, c); });
}

void TCantileverFrm::OptionClick(int field) {
    act([this, field](CantControls& c) { CantOptionClick(Side, c, field); });
}

void TCantileverFrm::PictureClick(int image) {
    act([this, image](CantControls& c) { CantPictureClick(Side, c, image); });
}

void TCantileverFrm::LabelClick(int field) {
    act([this, field](CantControls& c) { CheckCantOption(Side, c, field); });
}

void TCantileverFrm::cmdEditClick() {
    act([this](CantControls& c) { CalcCantileverEffectiveLength(Side, c); });
}

void TCantileverFrm::cmd_NextClick() {
    CantRoute route = CantRoute::Stay;
    act([this, &route](CantControls& c) { route = CantNext(Side, c); });
    Guard([this, route] {
        if (route == CantRoute::SpanFrm) {
            hide();
            ShowForm(Link.Span);
            if (Link.Span) Link.Span->DrawSpanSketch();
        } else if (route == CantRoute::Analysis) {
            hide();
            ShowMainWindowAndAnalyse(Link.Main);
        }
    });
}

void TCantileverFrm::cmd_BackClick() {
    Guard([this] {
        if (CantBack(Side) == CantRoute::SpanFrm) {
            ShowForm(Link.Span);
            hide();
        } else {
            hide();
            ShowForm(Link.Loads);
        }
    });
}

void TCantileverFrm::cmd_CancelClick() { hide(); }

} // namespace kx

// The timber section window.
#include "input/ui/TimSect.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "foundation/ui/Windows.h"
#include "input/KX_Beam.h"
#include "input/ui/EffLengthUi.h"
#include "input/ui/KX_Beam.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

constexpr int kClientWidth = 760;  // Panel1
constexpr int kClientHeight = 560; // Panel2

QButtonGroup* groupOf(QObject* owner, std::initializer_list<QRadioButton*> buttons) {
    auto* g = new QButtonGroup(owner);
    for (QRadioButton* b : buttons)
        g->addButton(b);
    return g;
}

} // namespace

TTimSectFrm::TTimSectFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "TimSectFrm", "Timber Section Properties");
    // On top, a single border and the system menu only.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    MakeLabel(this, "Label_Metric",
              "Section sizes and properties on this form are always in UK metric format.", 10, 8, 460);
    QLabel* gradeCaption = MakeLabel(this, "Label_Grade", "Strength Class", 10, 36, 100);
    Combo_Grade = Named(new QComboBox(this), "Combo_Grade");
    Caption(gradeCaption, Combo_Grade);
    Combo_Grade->setGeometry(110, 34, 100, 24);
    for (int i = 0; i < kTimberGradeItems; ++i)
        Combo_Grade->addItem(ToQt(TimberGradeItem(i)));
    Combo_Grade->setMaxVisibleItems(10);
    Combo_Grade->setCurrentIndex(-1);

    QGroupBox* sharing = MakeGroup(this, "GroupSharing", "Single / Sharing K8", 10, 66, 220, 52);
    Option_Single = MakeRadio(sharing, "Option_Single", "Single", 10, 22, 90);
    Option_Share = MakeRadio(sharing, "Option_Share", "Sharing", 110, 22, 90);
    groupOf(this, {Option_Single, Option_Share});
    QGroupBox* moisture = MakeGroup(this, "GroupMoisture", "Wet / Dry   K1 and K2", 240, 66, 220, 52);
    Option_Wet = MakeRadio(moisture, "Option_Wet", "Wet", 10, 22, 90);
    Option_Dry = MakeRadio(moisture, "Option_Dry", "Dry", 110, 22, 90);
    groupOf(this, {Option_Wet, Option_Dry});

    // The four classic durations lie below the group's visible part: only a stored code
    // chooses them.
    QGroupBox* duration = MakeGroup(this, "GroupDuration", "Load Duration  K3", 10, 126, 450, 100);
    const int visibleAt[kTimberDurations][2] = {{10, 140}, {120, 140}, {230, 140}, {340, 140}, {10, 22},
                                                {120, 22}, {10, 48},   {120, 48},  {230, 48}};
    auto* durations = new QButtonGroup(this);
    for (int i = 0; i < kTimberDurations; ++i) {
        const TimberDuration& d = TimberDurations()[static_cast<std::size_t>(i)];
        Duration[i] = MakeRadio(duration, d.Option, d.Caption, visibleAt[i][0], visibleAt[i][1], 105);
        durations->addButton(Duration[i]);
    }
    for (int i : {4, 5})
        SetFontColor(Duration[i], Qt::blue);
    for (int i : {6, 7, 8})
        SetFontColor(Duration[i], Qt::red);
    SetFontColor(MakeLabel(duration, "Label_Red", "Red Text is to BS 5975 (Falsework)", 230, 22, 215),
                 Qt::red);
    SetFontColor(
        MakeLabel(this, "Label_Blue",
                  "Blue Text is to the recommendations of 'Formwork a guide to good practice' 1986 by the "
                  "Concrete Society.",
                  10, 230, 450, 36),
        Qt::blue);
    findChild<QLabel*>(QStringLiteral("Label_Blue"))->setWordWrap(true);

    struct Value {
        QLabel*& label;
        const char* name;
        const char* caption;
    };
    const Value values[] = {
        {lbl_Bend, "lbl_Bend", "Grade Bending Stress (N/mm^2)"},
        {lbl_Shear, "lbl_Shear", "Grade Shear Stress (N/mm^2)"},
        {lbl_E, "lbl_E", "E (N/mm^2)"},
        {lbl_K8, "lbl_K8", "K8"},
        {lbl_K1, "lbl_K1", "K1"},
        {lbl_K2E, "lbl_K2E", "K2 (E)"},
        {lbl_K2B, "lbl_K2B", "K2 (Bending)"},
        {lbl_K2S, "lbl_K2S", "K2 (Shear)"},
        {lbl_K3, "lbl_K3", "K3"},
    };
    int y = 274;
    for (const Value& v : values) {
        MakeLabel(this, "", v.caption, 10, y, 200);
        v.label = MakeValueLabel(this, v.name, 220, y - 2, 80);
        y += 26;
    }
    MakeLabel(this, "Label_Width", "Width (mm)", 314, 274, 80);
    lbl_Width = MakeValueLabel(this, "lbl_Width", 396, 272, 64);
    MakeLabel(this, "Label_Depth", "Depth (mm)", 314, 300, 80);
    lbl_Depth = MakeValueLabel(this, "lbl_Depth", 396, 298, 64);

    List_Results = Named(new QListWidget(this), "List_Results");
    List_Results->setGeometry(470, 8, 280, 500);
    Cmd_Calc = MakeButton(this, "Cmd_Calc", "Calc", 320, 480, 130, 30);
    cmd_OK = MakeButton(this, "cmd_OK", "Next >", 620, 520, 130, 30);
    SetBold(cmd_OK);

    using C = TimSectControls;
    auto& k = Bindings;
    KX_BIND(k, index, Combo_Grade);
    k.radios("GroupSharing options", {{Option_Single, &C::Option_Single}, {Option_Share, &C::Option_Share}});
    k.radios("GroupMoisture options", {{Option_Wet, &C::Option_Wet}, {Option_Dry, &C::Option_Dry}});
    std::vector<std::pair<QAbstractButton*, FormBindings<C>::Field<bool>>> chosen;
    for (int i = 0; i < kTimberDurations; ++i)
        chosen.push_back({Duration[i], [i](C& c) -> bool& { return c.Duration[i]; }});
    k.radios("GroupDuration options", chosen);
    KX_BIND(k, text, lbl_Bend);
    KX_BIND(k, text, lbl_Shear);
    KX_BIND(k, text, lbl_E);
    KX_BIND(k, text, lbl_K8);
    KX_BIND(k, text, lbl_K1);
    KX_BIND(k, text, lbl_K2E);
    KX_BIND(k, text, lbl_K2B);
    KX_BIND(k, text, lbl_K2S);
    KX_BIND(k, text, lbl_K3);
    KX_BIND(k, text, lbl_Width);
    KX_BIND(k, text, lbl_Depth);
    k.custom({{List_Results},
              "List_Results",
              [this](C& c) {
                  c.List_Results.clear();
                  for (int i = 0; i < List_Results->count(); ++i)
                      c.List_Results.push_back(FromQt(List_Results->item(i)->text()));
              },
              [this](const C& c) {
                  List_Results->clear();
                  for (const std::string& line : c.List_Results)
                      List_Results->addItem(ToQt(line));
              },
              [this] { List_Results->addItem(QStringLiteral("#")); },
              [](const C& a, const C& b) { return a.List_Results == b.List_Results; },
              [](C& c) { c.List_Results.push_back("@"); }});

    connect(Combo_Grade, &QComboBox::currentIndexChanged, this, [this] {
        if (!Bindings.Filling()) Combo_GradeChange();
    });
    k.OnToggle(Option_Single, this, [this] { Combo_GradeChange(); });
    k.OnToggle(Option_Share, this, [this] { Combo_GradeChange(); });
    k.OnToggle(Option_Wet, this, [this] { Option_WetClick(); });
    k.OnToggle(Option_Dry, this, [this] { Option_WetClick(); });
    for (int i = 0; i < kTimberDurations; ++i)
        k.OnToggle(Duration[i], this, [this] { Option_DurationClick(); });
    connect(Cmd_Calc, &QPushButton::clicked, this, &TTimSectFrm::Cmd_CalcClick);
    connect(cmd_OK, &QPushButton::clicked, this, &TTimSectFrm::cmd_OKClick);

    Bindings.Show(TimSectVars.Ctl);
    setFixedSize(kClientWidth, kClientHeight);
    PlaceForm(this, 0);
}

void TTimSectFrm::act(const std::function<void()>& action) { Bindings.Step(TimSectVars.Ctl, action); }

void TTimSectFrm::SetTimberSizeLabels(const std::string& width, const std::string& depth) {
    act([&width, &depth] {
        TimSectVars.Ctl.lbl_Width = width;
        TimSectVars.Ctl.lbl_Depth = depth;
    });
}

void TTimSectFrm::TimSectShowCurrentOptions() {
    act([] { kx::TimSectShowCurrentOptions(); });
}

void TTimSectFrm::TimSectRestoreFromCommitted() {
    act([] { kx::TimSectRestoreFromCommitted(); });
}

void TTimSectFrm::TimSectShowStoredOptions() {
    act([] { kx::TimSectShowStoredOptions(); });
}

void TTimSectFrm::TimSectRecalc() {
    act([] { kx::TimSectRecalc(); });
}

void TTimSectFrm::SelectFirstGrade() {
    act([] { TimSectNewBeam(); });
}

void TTimSectFrm::Combo_GradeChange() {
    act([] { TimSectGradeClick(); });
}

void TTimSectFrm::Option_WetClick() {
    act([] { TimSectWetDryClick(); });
}

void TTimSectFrm::Option_DurationClick() {
    act([] { TimSectDurationClick(); });
}

void TTimSectFrm::Cmd_CalcClick() {
    act([] { kx::TimSectRecalc(); });
}

void TTimSectFrm::cmd_OKClick() {
    act([this] {
        TKX_BeamFrm* beam = Link.Beam;
        if (!beam) return;
        if (const std::optional<TimberBeamFormTexts> t = TimSectNext()) {
            BeamFormControls f = beam->Bindings.Read();
            ApplyTimberToBeamForm(*t, f);
            beam->Bindings.Show(f);
        }
        hide();
    });
}

void TTimSectFrm::CloseForBeamForm() {
    // The beam form's Next may have worked the choice out again behind the window.
    Bindings.Show(TimSectVars.Ctl);
    hide();
}

} // namespace kx

// The timber member capacity calculator window.
#include "calculators/ui/Timber.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "calculators/Timber.h"
#include "calculators/ui/Duration.h"
#include "engine/TimberFactors.h"
#include "foundation/ui/Binding.h"
#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"
#include "window/ui/SetHeader.h"

namespace kx {

namespace {

// A value box: white, framed.
QLabel* value(QWidget* parent, const char* name, int x, int y) {
    auto* l = Named(new QLabel(parent), name);
    l->setGeometry(x, y, 70, 22);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::white);
    l->setPalette(p);
    return l;
}

QGroupBox* pair(QWidget* parent, const char* title, QRect where, QRadioButton*& first, const char* firstName,
                const char* firstCaption, QRadioButton*& second, const char* secondName,
                const char* secondCaption) {
    auto* g = new QGroupBox(ToQt(title), parent);
    g->setGeometry(where);
    first = Named(new QRadioButton(ToQt(firstCaption), g), firstName);
    first->setGeometry(12, 22, 100, 22);
    second = Named(new QRadioButton(ToQt(secondCaption), g), secondName);
    second->setGeometry(120, 22, 100, 22);
    return g;
}

} // namespace

TTimberFrm::TTimberFrm(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "TimberFrm", "Timber");
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    SetHeader1 = Named(file->addAction(QStringLiteral("Set Header")), "SetHeader1");
    file->addSeparator();
    Print1 = Named(file->addAction(QStringLiteral("Print")), "Print1");
    file->addSeparator();
    Close1 = Named(file->addAction(QStringLiteral("Close")), "Close1");
    file->addSeparator();
    ExitTrussolve1 = Named(file->addAction(QStringLiteral("Exit KX-Flexor")), "ExitTrussolve1");

    auto* client = new QWidget(this);
    setCentralWidget(client);
    Panel1 = Named(new QFrame(client), "Panel1");
    Panel1->setGeometry(0, 0, 900, 1);
    Panel2 = Named(new QFrame(client), "Panel2");
    Panel2->setGeometry(0, 0, 1, 620);
    Panel1->hide();
    Panel2->hide();

    Edit_Title = Named(new QLineEdit(client), "Edit_Title");
    Caption(text(client, "Description", 10, 8, 90), Edit_Title);
    Edit_Title->setGeometry(100, 8, 330, 22);
    Combo_Grade = Named(new QComboBox(client), "Combo_Grade");
    Caption(text(client, "Strength Class", 10, 40, 90), Combo_Grade);
    Combo_Grade->setGeometry(100, 40, 100, 24);
    for (int i = 0; i < kTimberGradeItems; ++i)
        Combo_Grade->addItem(ToQt(TimberGradeItem(i)));
    Combo_Grade->setMaxVisibleItems(27);

    pair(client, "Single / Sharing K8", QRect(10, 72, 210, 52), Option_Single, "Option_Single", "Single",
         Option_Share, "Option_Share", "Sharing");
    pair(client, "Wet / Dry   K1 and K2", QRect(225, 72, 210, 52), Option_Wet, "Option_Wet", "Wet",
         Option_Dry, "Option_Dry", "Dry");
    pair(client, "Axis", QRect(10, 128, 210, 52), Option_Major, "Option_Major", "Major Axis", Option_Minor,
         "Option_Minor", "Minor Axis");

    const EditRowColumns columns{
        .captionX = 10, .captionWidth = 120, .editX = 140, .editWidth = 70, .unitX = 215, .unitWidth = 40};
    const auto row = [client, &columns](const char* caption, const char* name, const char* unit, int y) {
        return MakeEditRow(client, {caption, name, unit}, EditRowAt(columns, y, 22, 22)).edit;
    };
    Edit_Width = row("Width", "Edit_Width", "mm", 190);
    Edit_Depth = row("Depth", "Edit_Depth", "mm", 218);
    Edit_Le = row("Effective Length", "Edit_Le", "m", 246);

    // Each value label shows the field of its name.
    using C = Timber::TimberView;
    struct Row {
        QLabel*& label;
        std::string C::*field;
        const char* name;
        const char* caption;
    };
    const Row rows[] = {
        {lbl_BendStress, &C::lbl_BendStress, "lbl_BendStress", "Grade Bending Stress"},
        {lbl_ShearStress, &C::lbl_ShearStress, "lbl_ShearStress", "Grade Shear Stress"},
        {lbl_AxStress, &C::lbl_AxStress, "lbl_AxStress", "Grade Axial Stress"},
        {lbl_Eb, &C::lbl_Eb, "lbl_Eb", "E (bending)"},
        {lbl_Eax, &C::lbl_Eax, "lbl_Eax", "E (axial)"},
        {lbl_K8, &C::lbl_K8, "lbl_K8", "K8"},
        {lbl_K1, &C::lbl_K1, "lbl_K1", "K1"},
        {lbl_K2E, &C::lbl_K2E, "lbl_K2E", "K2 (E)"},
        {lbl_K2B, &C::lbl_K2B, "lbl_K2B", "K2 (bending)"},
        {lbl_K2S, &C::lbl_K2S, "lbl_K2S", "K2 (shear)"},
        {lbl_K2Ax, &C::lbl_K2Ax, "lbl_K2Ax", "K2 (axial)"},
        {lbl_K3b, &C::lbl_K3b, "lbl_K3b", "K3 (bending)"},
        {lbl_K3ax, &C::lbl_K3ax, "lbl_K3ax", "K3 (axial)"},
    };
    int y = 284;
    int x = 10;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (i == 7) x = 225, y = 284;
        text(client, rows[i].caption, x, y, 130);
        rows[i].label = value(client, rows[i].name, x + 135, y);
        Shown.text(rows[i].label, rows[i].field, rows[i].name);
        y += 26;
    }

    cmd_BendCap = Named(new QPushButton(QStringLiteral("Bending Capacity"), client), "cmd_BendCap");
    cmd_AxialCap = Named(new QPushButton(QStringLiteral("Axial Capacity"), client), "cmd_AxialCap");
    cmd_Comb = Named(new QPushButton(QStringLiteral("Check Combined Loading"), client), "cmd_Comb");
    y = 480;
    for (QPushButton* b : {cmd_BendCap, cmd_AxialCap, cmd_Comb}) {
        b->setGeometry(10, y, 425, 30);
        y += 36;
    }

    List_Results = Named(new QListWidget(client), "List_Results");
    List_Results->setGeometry(450, 8, 440, 400);
    List_Sum = Named(new QListWidget(client), "List_Sum");
    List_Sum->setGeometry(450, 416, 440, 190);

    connect(SetHeader1, &QAction::triggered, this, &TTimberFrm::SetHeader1Click);
    connect(Print1, &QAction::triggered, this, &TTimberFrm::Print1Click);
    connect(Close1, &QAction::triggered, this, &TTimberFrm::Close1Click);
    connect(ExitTrussolve1, &QAction::triggered, this, &TTimberFrm::ExitTrussolve1Click);
    connect(cmd_BendCap, &QPushButton::clicked, this, &TTimberFrm::cmd_BendCapClick);
    connect(cmd_AxialCap, &QPushButton::clicked, this, &TTimberFrm::cmd_AxialCapClick);
    connect(cmd_Comb, &QPushButton::clicked, this, &TTimberFrm::cmd_CombClick);
    connect(Combo_Grade, &QComboBox::currentIndexChanged, this, &TTimberFrm::Combo_GradeChange);
    // A radio acts as it is chosen, by a click, from code or by an accessibility client.
    for (QRadioButton* b : {Option_Single, Option_Share})
        Bindings.OnToggle(b, this, [this] { Option_SingleClick(); });
    for (QRadioButton* b : {Option_Major, Option_Minor})
        Bindings.OnToggle(b, this, [this] { Option_MajorClick(); });
    for (QRadioButton* b : {Option_Wet, Option_Dry})
        Bindings.OnToggle(b, this, [this] { Option_WetClick(); });
    for (QLineEdit* e : {Edit_Width, Edit_Depth, Edit_Le}) {
        connect(e, &QLineEdit::textChanged, this, &TTimberFrm::Edit_Change);
        e->installEventFilter(this);
    }

    KX_BIND(Bindings, index, Combo_Grade);
    KX_BIND_RADIO_PAIR(Bindings, Option_Single, Option_Share);
    KX_BIND_RADIO_PAIR(Bindings, Option_Wet, Option_Dry);
    KX_BIND_RADIO_PAIR(Bindings, Option_Major, Option_Minor);
    KX_BIND(Bindings, text, Edit_Width);
    KX_BIND(Bindings, text, Edit_Depth);
    KX_BIND(Bindings, text, Edit_Le);
    KX_BIND(Bindings, text, Edit_Title);
    KX_BIND(Shown, text, cmd_BendCap);
    KX_BIND(Shown, text, cmd_AxialCap);
    KX_BIND(Shown, text, cmd_Comb);
    KX_BIND_LINES(Shown, List_Results);
    KX_BIND_LINES(Shown, List_Sum);
    KX_BIND_RED(Shown, List_Sum);
    List_Results->setAccessibleName(QStringLiteral("Results"));
    List_Sum->setAccessibleName(QStringLiteral("Summary"));
}

void TTimberFrm::FormCreate() {
    Bindings.Show(Timber::TimberInputs{});
    act(Timber::FormCreate);
    setFixedSize(Panel1->width(), Panel2->height() + menuBar()->sizeHint().height());
    CentreOnScreen(this);
}

bool TTimberFrm::eventFilter(QObject* watched, QEvent* event) {
    // A click into a size or the length clears the reports, as typing does.
    if (event->type() == QEvent::MouseButtonPress) Edit_Change();
    return QMainWindow::eventFilter(watched, event);
}

template <class F> void TTimberFrm::act(F action) { Bindings.Step(Shown, action, Timber::TimberShown); }

void TTimberFrm::runButton(Timber::TimberButton (*button)(const Timber::TimberInputs&)) {
    const Timber::TimberUndo before = Timber::TimberBeforeButton();
    bool dialog = false;
    act([&](const Timber::TimberInputs& in) {
        const Timber::TimberButton b = button(in);
        dialog = b.Dialog;
        return b.View;
    });
    bool calculated = false;
    if (dialog && Link.Duration)
        Guard([this, &calculated] { calculated = Link.Duration->exec() == QDialog::Accepted; });
    // The duration window's OK sets the calculator's factors and reports; anything else leaves the
    // last calculation listed, summed up and printed as it was.
    Shown.Show(calculated ? Timber::TimberShown() : Timber::TimberButtonWithdrawn(before));
}

void TTimberFrm::cmd_BendCapClick() { runButton(&Timber::cmd_BendCapClick); }

void TTimberFrm::cmd_AxialCapClick() { runButton(&Timber::cmd_AxialCapClick); }

void TTimberFrm::cmd_CombClick() { runButton(&Timber::cmd_CombClick); }

void TTimberFrm::Combo_GradeChange() { act(Timber::GradeChange); }

void TTimberFrm::Option_SingleClick() { Combo_GradeChange(); }

void TTimberFrm::Option_MajorClick() { act(Timber::AxisChange); }

void TTimberFrm::Option_WetClick() { act(Timber::WetDryChange); }

void TTimberFrm::Edit_Change() {
    act([](const Timber::TimberInputs&) { return Timber::EditChange(); });
}

void TTimberFrm::SetHeader1Click() {
    Guard([this] {
        if (Link.SetHeader) Link.SetHeader->exec();
    });
}

void TTimberFrm::Print1Click() { Guard(Timber::Print1Click); }

void TTimberFrm::Close1Click() { hide(); }

void TTimberFrm::ExitTrussolve1Click() {
    if (Link.StartScreen) Link.StartScreen->close();
}

} // namespace kx

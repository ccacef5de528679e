// The steel member capacity calculator window.
#include "calculators/ui/KX_Cap.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <optional>

#include "foundation/ui/Binding.h"
#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"

namespace kx {

TKX_CapFrm::TKX_CapFrm(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "KX_CapFrm", "Steel Member Capacities to BS 5975");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->addSeparator();
    Close2 = Named(file->addAction(QStringLiteral("Close")), "Close2");
    file->addSeparator();
    ExitKXFlexor1 = Named(file->addAction(QStringLiteral("Exit KX-Flexor")), "ExitKXFlexor1");
    QMenu* sections = menuBar()->addMenu(QStringLiteral("Section Properties"));
    QMenu* beams = sections->addMenu(QStringLiteral("Beams"));
    QMenu* channels = sections->addMenu(QStringLiteral("Channels"));
    QMenu* closed = sections->addMenu(QStringLiteral("Closed Sections"));
    const auto& families = KX_Cap::CapFamilies();
    for (int i = 0; i < KX_Cap::kCapFamilies; ++i) {
        const KX_Cap::CapFamily& f = families[static_cast<std::size_t>(i)];
        const std::string item = f.MenuItem;
        QMenu* menu = i < 5 ? beams : i < 8 ? channels : closed;
        if (item == "IPE1" || item == "UPN1") menu->addSeparator();
        familyItems[static_cast<std::size_t>(i)] = Named(menu->addAction(ToQt(f.Caption)), f.MenuItem);
        connect(familyItems[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { FamilyClick(i); });
    }

    auto* client = new QWidget(this);
    setCentralWidget(client);
    Panel1 = Named(new QFrame(client), "Panel1");
    Panel1->setGeometry(0, 0, 790, 1);
    Panel1->hide();
    Panel2 = Named(new QFrame(client), "Panel2");
    Panel2->setGeometry(0, 0, 1, 540);
    Panel2->hide();

    lbl_Group = Named(new QLabel(client), "lbl_Group");
    lbl_Group->setGeometry(10, 6, 220, 22);
    QFont bold = lbl_Group->font();
    bold.setBold(true);
    lbl_Group->setFont(bold);
    List_Section = Named(new QListWidget(client), "List_Section");
    List_Section->setGeometry(10, 30, 210, 290);
    List_Props = Named(new QListWidget(client), "List_Props");
    List_Props->setGeometry(230, 30, 250, 290);
    List_Results = Named(new QListWidget(client), "List_Results");
    List_Results->setGeometry(490, 30, 290, 290);
    for (QListWidget* l : {List_Section, List_Props, List_Results})
        l->setFont(QFont(QStringLiteral("Courier"), 9));

    const auto row = [client](const char* caption, const char* name, const char* unit, int y, int unitWidth) {
        return MakeEditRow(client, {caption, name, unit},
                           {.captionX = 10,
                            .captionWidth = 190,
                            .editX = 200,
                            .editWidth = 80,
                            .unitX = 282,
                            .unitWidth = unitWidth,
                            .labelTop = y,
                            .labelHeight = 22,
                            .editTop = y,
                            .editHeight = 22})
            .edit;
    };
    Edit_Le = row("Common Effective Length ", "Edit_Le", " m", 334, 40);
    Edit_Axial = row("Axial Load ", "Edit_Axial", " kN", 364, 40);
    Edit_Mom = row("Moment about x-x axis ", "Edit_Mom", " kN-m", 394, 50);
    text(client, "Youngs Modulus", 10, 434, 190);
    lbl_E = Named(new QLabel(client), "lbl_E");
    lbl_E->setGeometry(200, 434, 80, 22);
    text(client, " N/mm^2", 282, 434, 70);
    text(client, "Max permissable bending stress ", 10, 464, 205);
    lbl_Py = Named(new QLabel(client), "lbl_Py");
    lbl_Py->setGeometry(216, 464, 64, 22);
    text(client, " N/mm^2", 282, 464, 70);

    cmd_AxialXX = Named(new QPushButton(QStringLiteral("Axial Capacity about x-x"), client), "cmd_AxialXX");
    cmd_AxialYY = Named(new QPushButton(QStringLiteral("Axial Capacity about y-y"), client), "cmd_AxialYY");
    cmd_MomXX = Named(new QPushButton(QStringLiteral("Mom. Capacity about x-x"), client), "cmd_MomXX");
    cmd_Calc = Named(new QPushButton(QStringLiteral("Combined Compression and Bending"), client), "cmd_Calc");
    int y = 334;
    for (QPushButton* b : {cmd_AxialXX, cmd_AxialYY, cmd_MomXX, cmd_Calc}) {
        b->setGeometry(490, y, 290, 30);
        y += 38;
    }

    connect(Close2, &QAction::triggered, this, &TKX_CapFrm::Close2Click);
    connect(ExitKXFlexor1, &QAction::triggered, this, &TKX_CapFrm::ExitKXFlexor1Click);
    connect(List_Section, &QListWidget::itemClicked, this, &TKX_CapFrm::List_SectionClick);
    connect(List_Section, &QListWidget::itemActivated, this, &TKX_CapFrm::List_SectionClick);
    connect(cmd_AxialXX, &QPushButton::clicked, this, &TKX_CapFrm::cmd_AxialXXClick);
    connect(cmd_AxialYY, &QPushButton::clicked, this, &TKX_CapFrm::cmd_AxialYYClick);
    connect(cmd_MomXX, &QPushButton::clicked, this, &TKX_CapFrm::cmd_MomXXClick);
    connect(cmd_Calc, &QPushButton::clicked, this, &TKX_CapFrm::cmd_CalcClick);
    for (QLineEdit* e : {Edit_Le, Edit_Axial, Edit_Mom})
        connect(e, &QLineEdit::textChanged, this, &TKX_CapFrm::EditChange);

    KX_BIND(Bindings, text, Edit_Le);
    KX_BIND(Bindings, text, Edit_Axial);
    KX_BIND(Bindings, text, Edit_Mom);
    KX_BIND(Shown, text, lbl_Group);
    KX_BIND(Shown, text, lbl_E);
    KX_BIND(Shown, text, lbl_Py);
    KX_BIND_LINES(Shown, List_Section);
    KX_BIND_LINES(Shown, List_Props);
    KX_BIND_LINES(Shown, List_Results);
    KX_BIND_RED(Shown, List_Results);
    List_Section->setAccessibleName(QStringLiteral("Sections"));
    List_Props->setAccessibleName(QStringLiteral("Section Properties"));
    List_Results->setAccessibleName(QStringLiteral("Results"));

    FormCreate();
}

void TKX_CapFrm::FormCreate() {
    setFixedSize(Panel1->width(), Panel2->height());
    CentreOnScreen(this);
}

template <class F> void TKX_CapFrm::act(F action) { Bindings.Step(Shown, action, KX_Cap::CapShown); }

void TKX_CapFrm::FamilyClick(int family) {
    const KX_Cap::CapFamily& f = KX_Cap::CapFamilies()[static_cast<std::size_t>(family)];
    List_Section->clear(); // a family opened again shows no line picked
    act([f](const KX_Cap::CapInputs&) { return KX_Cap::CapOpenSectionFamily(f.FileName, f.Group); });
}

void TKX_CapFrm::List_SectionClick() {
    const int row = List_Section->currentRow();
    act([row](const KX_Cap::CapInputs&) { return KX_Cap::List_SectionClick(row); });
}

void TKX_CapFrm::cmd_AxialXXClick() { act(KX_Cap::cmd_AxialXXClick); }

void TKX_CapFrm::cmd_AxialYYClick() { act(KX_Cap::cmd_AxialYYClick); }

void TKX_CapFrm::cmd_MomXXClick() { act(KX_Cap::cmd_MomXXClick); }

void TKX_CapFrm::cmd_CalcClick() { act(KX_Cap::cmd_CalcClick); }

void TKX_CapFrm::EditChange() {
    if (!Bindings.Filling()) act([](const KX_Cap::CapInputs&) { return KX_Cap::CapClearResults(); });
}

void TKX_CapFrm::Close2Click() { hide(); }

void TKX_CapFrm::ExitKXFlexor1Click() {
    if (Link.StartScreen) Link.StartScreen->close();
}

} // namespace kx

// The start screen window.
#include "foundation/ui/Unit1.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "foundation/Unit1.h"
#include "foundation/ui/Windows.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"

namespace kx {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const char* text) {
    auto* l = new QLabel(ToQt(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* text) {
    auto* b = new QPushButton(ToQt(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

void setColours(QWidget* w, const QColor& background, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    InitForm(this, "Form1", kAppTitle);
    // A single fixed border with the system menu only.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    setColours(client, QColor(0, 128, 0), Qt::black);
    setCentralWidget(client);

    Panel3 = new QFrame(client);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(0, 0, 473, 440);
    Panel4 = new QFrame(client);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(0, 0, 8, 521);
    Panel4->setVisible(false);

    Label1 = makeLabel(Panel3, "Label1", kAppTitle);
    QFont big = Label1->font();
    big.setPixelSize(30);
    big.setBold(true);
    Label1->setFont(big);
    setColours(Label1, QColor(255, 0, 0), QColor(255, 255, 0));
    Label2 = makeLabel(Panel3, "Label2", "Multispan Beam Analysis Program");
    Label4 = makeLabel(Panel3, "Label4", "for Temporary Works and Scaffold Design");
    Label_Version = makeLabel(Panel3, "Label_Version", "");
    for (QLabel* l : {Label2, Label4, Label_Version}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(p);
    }
    cmdOK = makeButton(Panel3, "cmdOK", "Beam Analysis");
    cmdSet = makeButton(Panel3, "cmdSet", "Settings");
    Button1 = makeButton(Panel3, "Button1", "Exit");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSet);
    buttons->addWidget(Button1);
    auto* column = new QVBoxLayout(Panel3);
    column->setContentsMargins(40, 40, 40, 30);
    column->addWidget(Label1);
    column->addSpacing(30);
    column->addWidget(Label2);
    column->addWidget(Label4);
    column->addStretch(1);
    column->addWidget(Label_Version);
    column->addSpacing(20);
    column->addLayout(buttons);

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    Exit1 = file->addAction(QStringLiteral("Exit"));
    QMenu* beam = menuBar()->addMenu(QStringLiteral("Beam Analysis"));
    BeamAnalysis2 = beam->addAction(QStringLiteral("Beam Analysis"));
    QMenu* capacities = menuBar()->addMenu(QStringLiteral("Member Capacities"));
    SteelMemberCapacitiestoBS59501 =
        capacities->addAction(QStringLiteral("Steel Member Capacities to BS 5975"));
    TimberMemberCapacitiestoBS596359751 =
        capacities->addAction(QStringLiteral("Timber Member Capacities to BS 5975"));
    StrutCapacityofScaffoldTube1 =
        capacities->addAction(QStringLiteral("Strut Capacity of Scaffold Tube to BS 1139"));
    QMenu* wind = menuBar()->addMenu(QStringLiteral("Wind "));
    WindLoadingtoBS59731 = wind->addAction(QStringLiteral("Wind Loading to BS 5973"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    BeamAnalysis2->setObjectName(QStringLiteral("BeamAnalysis2"));
    SteelMemberCapacitiestoBS59501->setObjectName(QStringLiteral("SteelMemberCapacitiestoBS59501"));
    TimberMemberCapacitiestoBS596359751->setObjectName(QStringLiteral("TimberMemberCapacitiestoBS596359751"));
    StrutCapacityofScaffoldTube1->setObjectName(QStringLiteral("StrutCapacityofScaffoldTube1"));
    WindLoadingtoBS59731->setObjectName(QStringLiteral("WindLoadingtoBS59731"));

    connect(cmdOK, &QPushButton::clicked, this, &TForm1::cmdOKClick);
    connect(cmdSet, &QPushButton::clicked, this, &TForm1::cmdSetClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
    connect(BeamAnalysis2, &QAction::triggered, this, &TForm1::BeamAnalysis2Click);
    connect(SteelMemberCapacitiestoBS59501, &QAction::triggered, this,
            &TForm1::SteelMemberCapacitiestoBS59501Click);
    connect(TimberMemberCapacitiestoBS596359751, &QAction::triggered, this,
            &TForm1::TimberMemberCapacitiestoBS596359751Click);
    connect(StrutCapacityofScaffoldTube1, &QAction::triggered, this,
            &TForm1::StrutCapacityofScaffoldTube1Click);
    connect(WindLoadingtoBS59731, &QAction::triggered, this, &TForm1::WindLoadingtoBS59731Click);
}

void TForm1::FormCreate() {
    setFixedSize(Panel3->width(), Panel4->height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        const ScreenPoint p = StartScreenPosition(s.width(), s.height(), width(), height());
        move(s.x() + p.left, s.y() + p.top);
    }
    StartScreenCreate();
    Label_Version->setText(ToQt(VersionText()));
}

void TForm1::cmdOKClick() {
    Guard([this] {
        BusyCursor busy;
        ShowForm(Link.Main);
    });
}

void TForm1::BeamAnalysis2Click() {
    Guard([this] { ShowForm(Link.Main); });
}

void TForm1::cmdSetClick() {
    Guard([this] { ShowForm(Link.Preferences); });
}

void TForm1::SteelMemberCapacitiestoBS59501Click() {
    Guard([this] { ShowForm(Link.SteelCalculator); });
}

void TForm1::TimberMemberCapacitiestoBS596359751Click() {
    Guard([this] { ShowForm(Link.TimberCalculator); });
}

void TForm1::StrutCapacityofScaffoldTube1Click() {
    Guard([this] { ShowForm(Link.ScaffoldCalculator); });
}

void TForm1::WindLoadingtoBS59731Click() {
    Guard([this] { ShowForm(Link.WindCalculator); });
}

void TForm1::Button1Click() { close(); }

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* e) {
    // The start screen is the main window: the program ends at once, whatever else is open.
    e->accept();
    QCoreApplication::exit(0);
}

} // namespace kx

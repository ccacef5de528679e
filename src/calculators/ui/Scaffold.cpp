// The axial capacity of a scaffold tube strut.
#include "calculators/ui/Scaffold.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "calculators/Scaffold.h"
#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"

namespace kx {

TScaffoldFrm::TScaffoldFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "ScaffoldFrm", "Scaffold Tube Axial Capacity");
    // A single fixed border with the system menu only, above the other windows.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    GroupBox1 = Named(new QGroupBox(QStringLiteral("Material"), this), "GroupBox1");
    Option_New = Named(new QRadioButton(QStringLiteral("New Steel Tube"), GroupBox1), "Option_New");
    Option_Used = Named(new QRadioButton(QStringLiteral("Used Steel Tube"), GroupBox1), "Option_Used");
    Option_Aluminium =
        Named(new QRadioButton(QStringLiteral("Aluminium Tube"), GroupBox1), "Option_Aluminium");
    auto* radios = new QVBoxLayout(GroupBox1);
    radios->addWidget(Option_New);
    radios->addWidget(Option_Used);
    radios->addWidget(Option_Aluminium);

    Edit_Le = Named(new QLineEdit(this), "Edit_Le");
    Edit_Le->setFixedWidth(80);
    Button1 = Named(new QPushButton(QStringLiteral("Calculate"), this), "Button1");
    Memo_Tube = Named(new QPlainTextEdit(this), "Memo_Tube");
    Memo_Tube->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_Tube->setMinimumSize(340, 130);
    Memo_Tube->setAccessibleName(QStringLiteral("Results"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(GroupBox1, 0, 0, 1, 4);
    auto* caption = new QLabel(QStringLiteral("Effective Length"), this);
    Caption(caption, Edit_Le);
    grid->addWidget(caption, 1, 0);
    grid->addWidget(Edit_Le, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("m"), this), 1, 2);
    grid->addWidget(Button1, 1, 3);
    grid->addWidget(Memo_Tube, 2, 0, 1, 4);

    Bindings.choice(
        &ScaffoldChoices::Tube, "Tube",
        {{Option_New, TubeKind::New}, {Option_Used, TubeKind::Used}, {Option_Aluminium, TubeKind::Aluminium}},
        TubeKind::New);
    KX_BIND(Bindings, text, Edit_Le);
    KX_BIND(Bindings, text, Memo_Tube);
    Bindings.Show(ScaffoldFormControls{});

    connect(Button1, &QPushButton::clicked, this, &TScaffoldFrm::Button1Click);
    FormCreate();
}

void TScaffoldFrm::FormCreate() {
    setFixedSize(sizeHint());
    // 100 pixels below the top of the screen and 100 from its right edge.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + s.width() - width() - 100, s.y() + 100);
    }
}

void TScaffoldFrm::Button1Click() {
    Guard([this] {
        ScaffoldFormControls c = Bindings.Read();
        const auto lines = ScaffoldCalculate(c);
        if (!lines) return;
        c.Memo_Tube.clear();
        for (std::size_t i = 0; i < lines->size(); ++i)
            c.Memo_Tube += (i ? "\n" : "") + (*lines)[i];
        Bindings.Show(c);
    });
}

} // namespace kx

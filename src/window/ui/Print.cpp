// The print options window.
#include "window/ui/Print.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "foundation/SharedModel.h"
#include "foundation/ui/Binding.h"
#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"
#include "window/DrawingState.h"

namespace kx {

namespace {

template <class T> T* control(QWidget* parent, const char* name, const char* caption) {
    auto* w = new T(ToQt(caption), parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TPrintFrm::TPrintFrm(QWidget* parent) : QWidget(parent) {
    InitForm(this, "PrintFrm", "Print Options");
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 657, 1);
    Panel1->hide();
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(0, 0, 1, 425);
    Panel2->hide();

    Check_Beam = control<QCheckBox>(this, "Check_Beam", "Beam and Loading Data + Results Maxima");
    Check_Beam->setGeometry(24, 16, 400, 24);

    Frame_Envelope = control<QGroupBox>(this, "Frame_Envelope", " Envelope Data (more than one loadcase)");
    Frame_Envelope->setGeometry(16, 52, 420, 128);
    Check_Envelope = control<QCheckBox>(Frame_Envelope, "Check_Envelope", "Envelope Diagrams");
    Check_Envelope->setGeometry(16, 28, 200, 24);
    Check_Env20 = control<QCheckBox>(Frame_Envelope, "Check_Env20", "Envelope Data at:");
    Check_Env20->setGeometry(16, 62, 160, 24);
    Option_10 = control<QRadioButton>(Frame_Envelope, "Option_10", "1/10th Span");
    Option_10->setGeometry(200, 62, 160, 24);
    Option_20 = control<QRadioButton>(Frame_Envelope, "Option_20", "1/20th Span");
    Option_20->setGeometry(200, 92, 160, 24);

    Check_Case = control<QCheckBox>(this, "Check_Case", "Loadcase Diagrams");
    Check_Case->setGeometry(24, 196, 300, 24);
    Check_Case20 = control<QCheckBox>(this, "Check_Case20", "Loadcase Data at 1/20th Span");
    Check_Case20->setGeometry(24, 228, 300, 24);

    Frame_Description = control<QGroupBox>(this, "Frame_Description", "Description");
    Frame_Description->setGeometry(16, 268, 500, 140);
    lbl_Project_1 = control<QLabel>(Frame_Description, "lbl_Project_1", "");
    lbl_Project_2 = control<QLabel>(Frame_Description, "lbl_Project_2", "");
    lbl_JobDesc = control<QLabel>(Frame_Description, "lbl_JobDesc", "");
    lbl_Ref = control<QLabel>(Frame_Description, "lbl_Ref", "");
    int y = 28;
    for (QLabel* l : {lbl_Project_1, lbl_Project_2, lbl_JobDesc, lbl_Ref}) {
        // The user's texts as typed, as the page header prints them: "<A>" is no markup.
        l->setTextFormat(Qt::PlainText);
        l->setGeometry(16, y, 470, 22);
        y += 26;
    }

    Cmd_OK = control<QPushButton>(this, "Cmd_OK", "OK");
    Cmd_OK->setGeometry(544, 372, 97, 33);
    connect(Cmd_OK, &QPushButton::clicked, this, &TPrintFrm::Cmd_OKClick);

    KX_BIND(Bindings, checked, Check_Beam);
    KX_BIND(Bindings, checked, Check_Envelope);
    KX_BIND(Bindings, checked, Check_Env20);
    KX_BIND_RADIO_PAIR(Bindings, Option_10, Option_20);
    KX_BIND(Bindings, checked, Check_Case);
    KX_BIND(Bindings, checked, Check_Case20);
    KX_BIND(Bindings, text, lbl_Project_1);
    KX_BIND(Bindings, text, lbl_Project_2);
    KX_BIND(Bindings, text, lbl_JobDesc);
    KX_BIND(Bindings, text, lbl_Ref);
    Bindings.Show(PrintFormControls{});

    setFixedSize(Panel1->width(), Panel2->height());
    CentreOnScreen(this);
}

void TPrintFrm::ShowHeaderTexts() {
    PrintFormControls c = Bindings.Read();
    c.lbl_Project_1 = Model.HeaderProject1;
    c.lbl_Project_2 = Model.HeaderProject2;
    c.lbl_JobDesc = Model.HeaderJobDesc;
    c.lbl_Ref = Model.HeaderJobRef;
    Bindings.Show(c);
}

void TPrintFrm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) ShowHeaderTexts();
    QWidget::showEvent(e);
}

void TPrintFrm::Cmd_OKClick() {
    Guard([this] {
        const PrintOutcome outcome = PrintOptionsOK(Bindings.Read(), Drawing.ShownCase, printer());
        if (outcome == PrintOutcome::Printed || outcome == PrintOutcome::NothingTicked) hide();
    });
}

} // namespace kx

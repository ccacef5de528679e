// The page header texts.
#include "window/ui/SetHeader.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "foundation/ui/Windows.h"
#include "platform/Guard.h"
#include "platform/QtDialogs.h"
#include "window/ui/Print.h"

namespace kx {

namespace {

QLineEdit* edit(QWidget* parent, const char* name, int y, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setGeometry(140, y, width, 24);
    return e;
}

// The caption of a header line, left of its box.
QLabel* label(QWidget* parent, const char* name, const char* caption, int y) {
    return kx::label(parent, name, caption, 16, y, 116, 24);
}

} // namespace

TSetHeaderFrm::TSetHeaderFrm(QWidget* parent) : QDialog(parent) {
    InitForm(this, "SetHeaderFrm", "Set Header");
    setModal(true);
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    Label1 = label(this, "Label1", "Company", 16);
    Edit_Company = edit(this, "Edit_Company", 16, 324);
    Edit_Company->setEnabled(false);
    Label2 = label(this, "Label2", "User", 48);
    Edit_User = edit(this, "Edit_User", 48, 324);
    Label3 = label(this, "Label3", "Project", 80);
    Edit_Project_1 = edit(this, "Edit_Project_1", 80, 324);
    Edit_Project_2 = edit(this, "Edit_Project_2", 108, 324);
    Label4 = label(this, "Label4", "Job Description", 140);
    Edit_JobDesc = edit(this, "Edit_JobDesc", 140, 324);
    Label5 = label(this, "Label5", "Job Ref", 172);
    Edit_Ref = edit(this, "Edit_Ref", 172, 121);

    Caption(Label1, Edit_Company);
    Caption(Label2, Edit_User);
    Caption(Label3, Edit_Project_1);
    Edit_Project_2->setAccessibleName(QStringLiteral("Project, second line"));
    Caption(Label4, Edit_JobDesc);
    Caption(Label5, Edit_Ref);
    KX_BIND(Bindings, text, Edit_Company);
    KX_BIND(Bindings, text, Edit_User);
    KX_BIND(Bindings, text, Edit_Project_1);
    KX_BIND(Bindings, text, Edit_Project_2);
    KX_BIND(Bindings, text, Edit_JobDesc);
    KX_BIND(Bindings, text, Edit_Ref);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(368, 212, 96, 30);
    connect(Button1, &QPushButton::clicked, this, &TSetHeaderFrm::Button1Click);

    setFixedSize(480, 256);
    CentreOnScreen(this);
}

void TSetHeaderFrm::FormShow() { Bindings.Show(CurrentHeaderTexts()); }

void TSetHeaderFrm::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) FormShow();
    QDialog::showEvent(e);
}

void TSetHeaderFrm::Button1Click() {
    Guard([this] {
        StoreHeaderTexts(Bindings.Read());
        if (Link.Print) Link.Print->ShowHeaderTexts();
        accept();
    });
}

void TSetHeaderFrm::ClearJobTexts() {
    HeaderChoices h = Bindings.Read();
    h.Edit_Project_1 = h.Edit_Project_2 = h.Edit_JobDesc = h.Edit_Ref = "";
    Bindings.Show(h);
}

} // namespace kx

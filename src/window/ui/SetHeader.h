// The Set Header window: the texts every printed page carries in its header.
#pragma once

#include <QDialog>

#include "foundation/ui/Binding.h"
#include "window/SetHeader.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kx {

class TPrintFrm;

class TSetHeaderFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSetHeaderFrm(QWidget* parent = nullptr);

    // The print window that shows the header texts, handed over by whoever makes the windows.
    struct Links {
        TPrintFrm* Print = nullptr;
    };
    Links Link;

    QLabel* Label1; // "Company"
    QLabel* Label2; // "User"
    QLabel* Label3; // "Project"
    QLabel* Label4; // "Job Description"
    QLabel* Label5; // "Job Ref"
    QLineEdit* Edit_Company;
    QLineEdit* Edit_User;
    QLineEdit* Edit_Project_1;
    QLineEdit* Edit_Project_2;
    QLineEdit* Edit_JobDesc;
    QLineEdit* Edit_Ref;
    QPushButton* Button1;

    // The six texts.
    FormBindings<HeaderChoices> Bindings;

    // Stores the texts, shows the job texts on the print options window and closes with OK.
    void Button1Click();
    // File New: the four job texts emptied.
    void ClearJobTexts();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormShow();
};

} // namespace kx

// The print options window: which sections of the report to print, and the job's description.
#pragma once

#include <QWidget>
#include <string>

#include "foundation/ui/Binding.h"
#include "window/Print.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kx {

// The window's controls: the choices the print reads, and the job texts it shows.
struct PrintFormControls : PrintChoices {
    std::string lbl_Project_1, lbl_Project_2, lbl_JobDesc, lbl_Ref;
};

class TPrintFrm : public QWidget {
    Q_OBJECT
public:
    explicit TPrintFrm(QWidget* parent = nullptr);

    QWidget* Panel1; // hidden size markers: the window's width and height
    QWidget* Panel2;
    QCheckBox* Check_Beam;
    QGroupBox* Frame_Envelope;
    QCheckBox* Check_Envelope;
    QCheckBox* Check_Env20;
    QRadioButton* Option_10;
    QRadioButton* Option_20;
    QCheckBox* Check_Case;
    QCheckBox* Check_Case20;
    QGroupBox* Frame_Description;
    QLabel* lbl_Project_1;
    QLabel* lbl_Project_2;
    QLabel* lbl_JobDesc;
    QLabel* lbl_Ref;
    QPushButton* Cmd_OK;

    // The ticks, the interval and the job texts.
    FormBindings<PrintFormControls> Bindings;

    // The four job texts of the page header in the Description group.
    void ShowHeaderTexts();
    void Cmd_OKClick();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace kx

// The print options window: which sections of the report to print, and the job's description.
#pragma once

#include <QWidget>

#include "foundation/ui/Binding.h"
#include "window/Print.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kx {

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

    // The ticks and the interval.
    FormBindings<PrintChoices> Bindings;

    // The four job texts of the page header in the Description group.
    void ShowHeaderTexts();
    void Cmd_OKClick();

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace kx

// Wind loading on scaffolds.
#pragma once

#include <QMainWindow>
#include <QSpinBox>
#include <string>
#include <vector>

#include "calculators/Wind.h"
#include "foundation/ui/Binding.h"

class QAction;
class QFrame;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kx {

class TSetHeaderFrm;

// The area number with its spinner in one control: stepped() is raised by the arrows (buttons,
// keys, wheel) only, not by typing, as the spinner's click is.
class AreaSpinBox : public QSpinBox {
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;
    void stepBy(int steps) override;
signals:
    void stepped();
};

class TWindFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TWindFrm(QWidget* parent = nullptr);

    // The windows its menu reaches, handed over by whoever makes the windows; one not handed
    // over is not opened.
    struct Links {
        QWidget* StartScreen = nullptr;
        TSetHeaderFrm* SetHeader = nullptr;
    };
    Links Link;

    AreaSpinBox* Edit_AreaNo; // the edit and its spinner UpDown1 in one control
    AreaSpinBox* UpDown1;     // the same control
    QLineEdit* Edit_Desc;
    QLineEdit* Edit_Basic;
    QLineEdit* Edit_S1;
    QGroupBox* GroupBox1;
    QLineEdit* Edit_Height;
    QRadioButton* Option_Open;
    QRadioButton* Option_OpenScattered;
    QRadioButton* Option_Many;
    QRadioButton* Option_City;
    QGroupBox* GroupBox2;
    QRadioButton* Option_2;
    QRadioButton* Option_2_5;
    QRadioButton* Option_5_10;
    QRadioButton* OPtion_10;
    QLineEdit* Edit_Factor;
    QLineEdit* Edit_TubeLength;
    QLineEdit* Edit_BoardLength;
    QListWidget* List_Results;
    QPushButton* cmd_Calc;
    QAction* SetHeader1;
    QAction* Print1;
    QAction* Close1;
    QAction* ExitKXFlexor1;
    QFrame* Panel1; // size markers
    QFrame* Panel2;

    // The edits and radios the calculation reads and the spinner refills.
    FormBindings<WindChoices> Bindings;

    void cmd_CalcClick();
    void UpDown1Click();
    void Print1Click();
    void SetHeader1Click();
    void Close1Click();
    void ExitKXFlexor1Click();

private:
    void FormCreate();
};

} // namespace kx

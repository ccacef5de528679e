// The timber member capacity calculator window.
#pragma once

#include <QMainWindow>

#include "calculators/Timber.h"
#include "foundation/ui/Binding.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kx {

class TDurationFrm;
class TSetHeaderFrm;

class TTimberFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TTimberFrm(QWidget* parent = nullptr);

    // The windows its menu reaches, handed over by whoever makes the windows; one not handed
    // over is not opened.
    struct Links {
        QWidget* StartScreen = nullptr;
        TSetHeaderFrm* SetHeader = nullptr;
        TDurationFrm* Duration = nullptr;
    };
    Links Link;

    QFrame* Panel1; // its width is the window's client width
    QFrame* Panel2; // its height is the client height
    QComboBox* Combo_Grade;
    QRadioButton* Option_Single;
    QRadioButton* Option_Share;
    QRadioButton* Option_Wet;
    QRadioButton* Option_Dry;
    QRadioButton* Option_Major;
    QRadioButton* Option_Minor;
    QLineEdit* Edit_Width;
    QLineEdit* Edit_Depth;
    QLineEdit* Edit_Le;
    QLineEdit* Edit_Title;
    QLabel* lbl_BendStress;
    QLabel* lbl_ShearStress;
    QLabel* lbl_AxStress;
    QLabel* lbl_Eb;
    QLabel* lbl_Eax;
    QLabel* lbl_K8;
    QLabel* lbl_K1;
    QLabel* lbl_K2E;
    QLabel* lbl_K2B;
    QLabel* lbl_K2S;
    QLabel* lbl_K2Ax;
    QLabel* lbl_K3b;
    QLabel* lbl_K3ax;
    QPushButton* cmd_BendCap;
    QPushButton* cmd_AxialCap;
    QPushButton* cmd_Comb;
    QListWidget* List_Results;
    QListWidget* List_Sum;
    QAction* SetHeader1;
    QAction* Print1;
    QAction* Close1;
    QAction* ExitTrussolve1;

    // The choices and edits the calculator reads, and the labels, captions and lists that show
    // what it gives back.
    FormBindings<Timber::TimberInputs> Bindings;
    FormBindings<Timber::TimberView> Shown;

    void cmd_BendCapClick();
    void cmd_AxialCapClick();
    void cmd_CombClick();
    void Combo_GradeChange();
    void Option_SingleClick();
    void Option_MajorClick();
    void Option_WetClick();
    void Edit_Change();
    void SetHeader1Click();
    void Print1Click();
    void Close1Click();
    void ExitTrussolve1Click();

    // What start-up does with the window once it exists.
    void FormCreate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Reads the choices and edits, runs one of the calculator's actions on them and shows what it
    // gives back (after a failure, the calculator as it stands).
    template <class F> void act(F action);
    // Runs a button: its checks, then the load-duration dialog when they passed.
    void runButton(Timber::TimberButton (*button)(const Timber::TimberInputs&));
};

} // namespace kx

// The steel member capacity calculator window.
#pragma once

#include <QMainWindow>

#include "calculators/KX_Cap.h"
#include "foundation/ui/Binding.h"

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kx {

class TKX_CapFrm : public QMainWindow {
    Q_OBJECT
public:
    explicit TKX_CapFrm(QWidget* parent = nullptr);

    // The start screen its Exit closes, handed over by whoever makes the windows.
    struct Links {
        QWidget* StartScreen = nullptr;
    };
    Links Link;

    QFrame* Panel1; // its width is the window's
    QFrame* Panel2; // its height is the window's
    QListWidget* List_Section;
    QListWidget* List_Props;
    QListWidget* List_Results;
    QLabel* lbl_Group;
    QLabel* lbl_E;
    QLabel* lbl_Py;
    QLineEdit* Edit_Le;
    QLineEdit* Edit_Axial;
    QLineEdit* Edit_Mom;
    QPushButton* cmd_AxialXX;
    QPushButton* cmd_AxialYY;
    QPushButton* cmd_MomXX;
    QPushButton* cmd_Calc;
    QAction* Close2;
    QAction* ExitKXFlexor1;
    // The family items in the order of KX_Cap::CapFamilies(): UniversalBeams1 ... CHS1.
    std::array<QAction*, KX_Cap::kCapFamilies> familyItems{};

    // The edits the calculator reads, and the labels and lists that show what it gives back.
    FormBindings<KX_Cap::CapInputs> Bindings;
    FormBindings<KX_Cap::CapView> Shown;

    void FamilyClick(int family);
    void List_SectionClick();
    void cmd_AxialXXClick();
    void cmd_AxialYYClick();
    void cmd_MomXXClick();
    void cmd_CalcClick();
    void EditChange();
    void Close2Click();
    void ExitKXFlexor1Click();

private:
    void FormCreate();
    // Reads the edits, runs one of the calculator's actions on them and shows what it gives back
    // (after a failure, the calculator as it stands).
    template <class F> void act(F action);
};

} // namespace kx

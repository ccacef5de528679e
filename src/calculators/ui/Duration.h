// The timber load-duration dialog.
#pragma once

#include <QDialog>
#include <array>

#include "input/TimSect.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kx {

class TDurationFrm : public QDialog {
    Q_OBJECT
public:
    explicit TDurationFrm(QWidget* parent = nullptr);

    QFrame* Panel1; // its width is the dialog's
    QFrame* Panel2; // its height is the dialog's
    QFrame* Panel3; // OK's left edge for bending alone
    QFrame* Panel4; // OK's left edge otherwise
    QGroupBox* GroupBending;
    QGroupBox* GroupAxial;
    // Indexed as TimberDurations(): LT, MT, ST, VST, General, Wall, 1 Week, 1 Month, 1 Year.
    std::array<QRadioButton*, kTimberDurations> bendingOptions{};
    std::array<QRadioButton*, kTimberDurations> axialOptions{};
    QLabel* lbl_MomK3;
    QLabel* lbl_AxK3;
    QLabel* Label_Comb1;
    QLabel* Label_Comb2;
    QLabel* Label_Comb3;
    QLabel* Label_Comb4;
    QLabel* Label_Comb5;
    QLineEdit* Edit_Axial;
    QLineEdit* Edit_Mom;
    QPushButton* cmd_OK;

    void BendingOptionClick(int option);
    void AxialOptionClick(int option);
    void cmd_OKClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    void showState();
};

} // namespace kx

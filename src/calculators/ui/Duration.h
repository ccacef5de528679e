// The timber load-duration dialog.
#pragma once

#include <QDialog>
#include <array>

#include "calculators/Duration.h"
#include "engine/TimberFactors.h"
#include "foundation/ui/Binding.h"

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

    // The options and edits the dialog reads, and the groups, labels and OK button that show what
    // it gives back.
    FormBindings<Duration::DurationInputs> Bindings;
    FormBindings<Duration::DurationView> Shown;

    void BendingOptionClick();
    void AxialOptionClick();
    void cmd_OKClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void FormCreate();
    void FormShow();
    // Reads the options and edits, runs one of the dialog's actions on them and shows what it gives
    // back (after a failure, the dialog as it stands).
    void act(Duration::DurationView (*action)(const Duration::DurationInputs&));
};

} // namespace kx

// The window both cantilever forms are made from, each with the data of its own end.
#pragma once

#include <QWidget>
#include <functional>

#include "foundation/ui/Binding.h"
#include "input/Cantilever.h"
#include "input/ui/EffLengthUi.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kx {

class TLabelClick;
class TPicture;

class TCantileverFrm : public QWidget {
    Q_OBJECT
public:
    TCantileverFrm(const CantSide& side, const char* objectName, QWidget* parent);

    const CantSide& Side;
    EffLengthLinks Link;
    // The eleven options, indexed by their flags; the named members point at the same buttons.
    Arr<QRadioButton*, 0, 10> Options;
    QRadioButton* Option_Restrained;
    QRadioButton* Option_Edit;
    QRadioButton* Option_Normal;
    QRadioButton* Option_Destabilizing;
    QRadioButton* Option_Support_Lateral;
    QRadioButton* Option_Support_Partial;
    QRadioButton* Option_Support_Both;
    QRadioButton* Option_End_Free;
    QRadioButton* Option_End_Top;
    QRadioButton* Option_End_Torsion;
    QRadioButton* Option_End_Both;
    TLabelClick* Label_Support_Lateral;
    TLabelClick* Label_Support_Partial;
    TLabelClick* Label_Support_Both;
    Arr<TPicture*, 1, 7> Image; // Image1..Image7
    QPushButton* cmdEdit;
    QLabel* lbl_Lf;
    QLabel* lbl_Le;
    QLabel* Label_Units;
    QPushButton* cmd_Back;
    QPushButton* cmd_Cancel;
    QPushButton* cmd_Next;

    // Which control feeds which field of the form's snapshot.
    FormBindings<CantControls> Bindings;

    // File New and File Open.
    void Clear();
    void RestoreFromCommitted();

    void FormShow();
    void OptionClick(int field);
    void PictureClick(int image);
    void LabelClick(int field);
    void cmdEditClick();
    void cmd_NextClick();
    void cmd_BackClick();
    void cmd_CancelClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void act(const std::function<void(CantControls&)>& action);
};

} // namespace kx

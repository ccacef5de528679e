// The timber section window.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "foundation/ui/Binding.h"
#include "input/TimSect.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kx {

class TKX_BeamFrm;

class TTimSectFrm : public QWidget {
    Q_OBJECT
public:
    explicit TTimSectFrm(QWidget* parent = nullptr);

    // The beam form it reports to, handed over by whoever makes the windows.
    struct Links {
        TKX_BeamFrm* Beam = nullptr;
    };
    Links Link;

    QComboBox* Combo_Grade;
    QRadioButton* Option_Single;
    QRadioButton* Option_Share;
    QRadioButton* Option_Wet;
    QRadioButton* Option_Dry;
    // The durations in the order of the duration table: LT, MT, ST, VST, General, Wall, Week,
    // Month, Year; the first four lie below the visible part of their group.
    Arr<QRadioButton*, 0, kTimberDurations - 1> Duration;
    QLabel* lbl_Bend;
    QLabel* lbl_Shear;
    QLabel* lbl_E;
    QLabel* lbl_K8;
    QLabel* lbl_K1;
    QLabel* lbl_K2E;
    QLabel* lbl_K2B;
    QLabel* lbl_K2S;
    QLabel* lbl_K3;
    QLabel* lbl_Width;
    QLabel* lbl_Depth;
    QListWidget* List_Results;
    QPushButton* Cmd_Calc;
    QPushButton* cmd_OK;

    // Which control feeds which field of the window's state (TimSectVars.Ctl).
    FormBindings<TimSectControls> Bindings;

    // What the beam form calls: its Timber frame (the dry sizes in mm, then the working choice),
    // its restore of a timber beam and its Cancel.
    void SetTimberSizeLabels(const std::string& width, const std::string& depth);
    void TimSectShowCurrentOptions();
    void TimSectRestoreFromCommitted();
    void TimSectShowStoredOptions();
    void TimSectRecalc();
    // File New: the first class of the list.
    void SelectFirstGrade();
    // The beam form's Cancel and Next: the window belongs to the choice they end.
    void CloseForBeamForm();

    void Combo_GradeChange(); // and Option_SingleClick, Option_ShareClick
    void Option_WetClick();   // and Option_DryClick
    void Option_DurationClick();
    void Cmd_CalcClick();
    void cmd_OKClick();

private:
    void act(const std::function<void()>& action);
};

} // namespace kx

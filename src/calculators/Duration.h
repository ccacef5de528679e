// The load-duration dialog of the timber calculator: K3 for bending and for the strut, and the
// applied load and moment of the combined check.
#pragma once

#include <string>

namespace kx::Duration {

// The dialog's controls. Options are indices into TimberDurations() (LT, MT, ST, VST, General,
// Wall, 1 Week, 1 Month, 1 Year); the first four are never shown.
struct DurationControls {
    int BendingOption = 4, AxialOption = 4; // General
    bool GroupBending_Enabled = true, GroupAxial_Enabled = true, CombinedShown = true;
    bool cmd_OK_AtPanel3 = false; // the OK button stands at the narrow position ("Beam")
    float MomK3 = 0, AxK3 = 0;    // the chosen K3 values, shown in the labels below
    std::string lbl_MomK3, lbl_AxK3;
    std::string Edit_Axial, Edit_Mom;
    bool operator==(const DurationControls&) const = default;
};
extern DurationControls Dlg;

// The strut group's texts differ from the bending group's only for Wall.
std::string AxialK3Text(int option);

// The dialog is shown: groups by TimberCheckMode, then both K3 values.
void FormShow();
void SetTimberK3Bending();
void SetTimberK3Axial();
// OK: the calculation of the mode. A load or moment that is not a number throws ConvertError
// before anything is calculated, and the dialog stays open.
void cmd_OKClick();

} // namespace kx::Duration

// The load-duration dialog of the timber calculator: K3 for bending and for the strut, and the
// applied load and moment of the combined check.
#pragma once

#include <string>

namespace kx::Duration {

// The dialog's choices and edits. Options are indices into TimberDurations() (LT, MT, ST, VST,
// General, Wall, 1 Week, 1 Month, 1 Year); the first four are never shown. General is chosen as
// the dialog is made.
struct DurationInputs {
    int BendingOption = 4, AxialOption = 4;
    std::string Edit_Axial, Edit_Mom;
};

// What the dialog shows: its groups and combined inputs by the calculator's mode, and the K3 values
// it has set.
struct DurationView {
    bool GroupBending_Enabled = true, GroupAxial_Enabled = true, CombinedShown = true;
    bool cmd_OK_AtPanel3 = false; // the OK button stands at the narrow position ("Beam")
    std::string lbl_MomK3, lbl_AxK3;
};

// The strut group's texts differ from the bending group's only for Wall.
std::string AxialK3Text(int option);

// What the dialog shows of the calculator's mode and K3 values.
DurationView DurationShown();
// The dialog is shown: both K3 values from the chosen options.
DurationView FormShow(const DurationInputs& in);
DurationView SetTimberK3Bending(const DurationInputs& in);
DurationView SetTimberK3Axial(const DurationInputs& in);
// OK: the calculation of the mode. A load or moment that is not a number throws ConvertError
// before anything is calculated, and the dialog stays open.
void cmd_OKClick(const DurationInputs& in);

} // namespace kx::Duration

// The timber member capacity calculator: permissible moment and shear load, strut capacity and
// the combined bending and compression check of one rectangular member of a strength class.
#pragma once

#include <string>
#include <vector>

#include "platform/Arr.h"
#include "platform/ShortString.h"

namespace kx::Timber {

// The window's choices and edits, read before each action; the window as it is made chooses C14,
// a single member, wet exposure and the major axis.
struct TimberInputs {
    int Combo_Grade = 0;
    bool Option_Single = true, Option_Share = false;
    bool Option_Wet = true, Option_Dry = false;
    bool Option_Major = true, Option_Minor = false;
    std::string Edit_Width, Edit_Depth, Edit_Le, Edit_Title;
};

// What the window shows: the grade values and factors, the buttons' captions and the lists.
struct TimberView {
    std::string lbl_BendStress, lbl_ShearStress, lbl_AxStress, lbl_Eb, lbl_Eax, lbl_K8;
    std::string lbl_K1, lbl_K2E, lbl_K2B, lbl_K2S, lbl_K2Ax, lbl_K3b, lbl_K3ax;
    std::string cmd_BendCap, cmd_AxialCap, cmd_Comb;
    std::vector<std::string> List_Results, List_Sum;
    bool List_SumRed = false;
};

using TimberReport = Arr<std::string, 0, 100>; // line 0 = count as text

struct TimberState {
    // The member under calculation, as the last action read it.
    bool MinorAxis = false;
    std::string Title;
    float b = 0, h = 0; // width and depth, mm
    float Le = 0;       // effective length, mm
    // The grade values of the last look-up, N/mm^2; axial E is always the single member's.
    float EBending = 0, EAxial = 0, GradeBending = 0, GradeShear = 0, GradeCompression = 0;
    int LastGrade = -1; // list position of the last look-up
    float K1 = 0, K2E = 0, K2Bending = 0, K2Shear = 0, K2Axial = 0, K3Bending = 0, K3Axial = 0, K7 = 0,
          K8 = 0;
    // The K3 values of the last calculation, 0 where it used none.
    float K3BendingUsed = 0, K3AxialUsed = 0;
    float I = 0;    // cm^4 about the chosen axis, K1^4 included
    float Area = 0; // cm^2, K1^2 included
    float r = 0;    // mm
    float PermBendingStress = 0, PermShearStress = 0, PermE = 0, PermCompressionStress = 0,
          PermAxialStress = 0;
    float EI = 0;            // kN m^2
    float PermMoment = 0;    // kN m
    float PermShearLoad = 0; // kN
    float Lambda = 0, Eta = 0, K12 = 0;
    float PermAxialLoad = 0;  // kN
    float CombinedIndex = 0;  // of the last combined check; infinite when the member would buckle
    bool ShearFactor = false; // the bending duration takes the shear stress x 1.5
    std::string ClassName, K8Text, K3BendingText, K3AxialText, MoistureText, AxisText, SecondMomentLabel,
        TorsionNote;

    TimberReport BendingReport, AxialReport, CombinedReport;
    int BendingCounter = 1, AxialCounter = 1, CombinedCounter = 1;
    Arr<std::string, 1, 20> SummaryLines;
    Arr<std::string, 0, 9> SummaryBlock; // shown in List_Sum: title, empty, moment, shear, empty, axial,
                                         // empty, equation, result
    std::string CombinedResultText;
    // The lists as the last report left them: a button that stops, or a dialog closed by its close
    // box, leaves them as they were.
    std::vector<std::string> ResultsListed, SummaryListed;
    bool SummaryRed = false;
    bool operator==(const TimberState&) const = default;
};
extern TimberState Calc;

// What the window shows of the state.
TimberView TimberShown();

// The window is made, with the choices `in`: the grade values and factors looked up.
TimberView FormCreate(const TimberInputs& in);

void SetTimberGradeValues(const TimberInputs& in);
void SetTimberWetDry(const TimberInputs& in);
void CalcTimberSection();
void SetTimberAxisCaptions(const TimberInputs& in);
// False, after the message and with CheckAbortFlag 1, when an input cannot be used.
bool CheckTimberInputs(const TimberInputs& in);
void CalcTimberBending();
void ReportTimberBending();
void CalcTimberAxial();
void ReportTimberAxial();
void CheckTimberCombined();
void ReportTimberSummary();
void ClearTimberReports();

// A button: its checks, and whether the load-duration dialog is to be shown (the mode set).
struct TimberButton {
    bool Dialog = false;
    TimberView View;
};
TimberButton cmd_BendCapClick(const TimberInputs& in);
TimberButton cmd_AxialCapClick(const TimberInputs& in);
TimberButton cmd_CombClick(const TimberInputs& in);

// A button with its load-duration dialog is one step: what the button changed is put back when the
// dialog closes without OK or the button refuses the inputs, so that the lists, the summary and the
// printout stay those of the last calculation.
struct TimberUndo {
    TimberState State;
    ShortString<25> TimberCheckMode;
};
TimberUndo TimberBeforeButton();
TimberView TimberButtonWithdrawn(const TimberUndo& before);

// A new grade or Single/Sharing choice; a new axis; Wet/Dry; any change of the sizes or the length.
TimberView GradeChange(const TimberInputs& in);
TimberView AxisChange(const TimberInputs& in);
TimberView WetDryChange(const TimberInputs& in);
TimberView EditChange();

// File > Print: one page with the page header; nothing while no calculation is listed.
void Print1Click();

} // namespace kx::Timber

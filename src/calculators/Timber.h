// The timber member capacity calculator: permissible moment and shear load, strut capacity and
// the combined bending and compression check of one rectangular member of a strength class.
#pragma once

#include <string>
#include <vector>

#include "platform/Arr.h"

namespace kx::Timber {

// The calculator's controls. The window copies what the user set into the first group before each
// action and shows all of it afterwards. The value labels only show the numbers of TimberState.
struct TimberControls {
    int Combo_Grade = -1;
    bool Option_Single = false, Option_Share = false;
    bool Option_Wet = false, Option_Dry = false;
    bool Option_Major = false, Option_Minor = false;
    std::string Edit_Width, Edit_Depth, Edit_Le, Edit_Title;

    std::string lbl_BendStress, lbl_ShearStress, lbl_AxStress, lbl_Eb, lbl_Eax, lbl_K8;
    std::string lbl_K1, lbl_K2E, lbl_K2B, lbl_K2S, lbl_K2Ax, lbl_K3b, lbl_K3ax;
    std::string cmd_BendCap = "Bending Capacity", cmd_AxialCap = "Axial Capacity",
                cmd_Comb = "Check Combined Loading";
    std::vector<std::string> List_Results, List_Sum;
    bool List_SumRed = false;
    bool operator==(const TimberControls&) const = default;
};

using TimberReport = Arr<std::string, 0, 100>; // line 0 = count as text

struct TimberState {
    TimberControls Ctl;

    float b = 0, h = 0; // width and depth, mm
    float Le = 0;       // effective length, mm
    // The grade values of the last look-up, N/mm^2; axial E is always the single member's.
    float EBending = 0, EAxial = 0, GradeBending = 0, GradeShear = 0, GradeCompression = 0;
    int LastGrade = -1; // list position of the last look-up
    float K1 = 0, K2E = 0, K2Bending = 0, K2Shear = 0, K2Axial = 0, K3Bending = 0, K3Axial = 0, K7 = 0,
          K8 = 0;
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
    bool operator==(const TimberState&) const = default;
};
extern TimberState Calc;

// The window is made: C14, single, wet and the major axis chosen and the labels filled, so that a
// first calculation never meets empty factors.
void FormCreate();

void SetTimberGradeValues();
void SetTimberWetDry();
void CalcTimberSection();
void SetTimberAxisCaptions();
// False, after the message and with CheckAbortFlag 1, when an input cannot be used.
bool CheckTimberInputs();
void CalcTimberBending();
void ReportTimberBending();
void CalcTimberAxial();
void ReportTimberAxial();
void CheckTimberCombined();
void ReportTimberSummary();
void ClearTimberReports();

// The buttons: true when the load-duration dialog is to be shown (the mode set).
bool cmd_BendCapClick();
bool cmd_AxialCapClick();
bool cmd_CombClick();

// A new grade or Single/Sharing choice; a new axis. (Wet/Dry runs SetTimberAxisCaptions, any change of
// the sizes or the length ClearTimberReports.)
void GradeChange();
void AxisChange();

// File > Print: one page with the page header; nothing while no calculation is listed.
void Print1Click();

} // namespace kx::Timber

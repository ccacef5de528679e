// Strength classes of structural timber and the modification factors K1, K2, K3, K7 and K8, shared
// by the timber section window and the timber member calculator; and the timber section window
// without its window: the grade values, factors, section, permissible values and result list, and
// what "Next >" writes into the beam form.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/SharedModel.h"

namespace kx {

// One strength class: grade values in N/mm^2.
struct TimberGrade {
    const char* ClassName; // "C14" ... "SC9"; empty for a separator of the list
    float ESingle;         // E of a single member
    float ESharing;        // E of a load-sharing member
    float Bending;
    float Shear;
    float Compression; // parallel to the grain; only the calculator uses it
};

// The grade list Combo_Grade: 26 positions, 9 and 16 separators.
inline constexpr int kTimberGradeItems = 26;
const std::array<TimberGrade, kTimberGradeItems>& TimberGradeTable();

// The list's item text at a position: the class name after three blanks ("   C14"), "   " at
// position 9 and "" at position 16.
std::string TimberGradeItem(int position);

// The grade at a list position; nullptr for a separator or a position outside the list, which
// leaves the previous grade in force.
const TimberGrade* TimberGradeAt(int position);

// The list position of a class name, or -1.
int TimberGradePosition(std::string_view className);

// K8: load sharing ("Single" / "Sharing").
struct TimberSharing {
    float K8;
    const char* Text; // "  (Single)", "  (Sharing)"
};
TimberSharing TimberK8(bool sharing);

// K1 and K2: wet or dry exposure.
struct TimberMoisture {
    float K1;         // section scale
    float K2;         // bending stress and E
    float K2Shear;    // shear stress
    float K2Axial;    // compression stress (calculator only)
    const char* Text; // "Wet", "Dry"
};
TimberMoisture TimberK1K2(bool wet);

// K3: load duration, one radio button each, in the order of the duration table.
struct TimberDuration {
    const char* Option;  // "Option_LT"
    const char* Caption; // "Long Term"
    const char* Code;    // stored in the timber data: "LT"
    float K3;
    const char* Text; // "  (Long Term)"
};
inline constexpr int kTimberDurations = 9;
const std::array<TimberDuration, kTimberDurations>& TimberDurations();
// Index in TimberDurations() of a duration code (exact comparison), or -1.
int TimberDurationIndex(std::string_view code);

// K7, the depth factor, from the depth in the plane of bending (mm).
float TimberK7(double depth);

// The permissible bending and shear values of a rectangular timber member, for the section window
// and the member calculator alike. Stresses and E in N/mm^2, sizes in mm (dry), I in cm^4 with K1^4.
struct TimberBendingShearInputs {
    long double GradeBending = 0, GradeShear = 0, GradeE = 0;
    long double K1 = 0, K2Bending = 0, K2Shear = 0, K2E = 0, K3 = 0, K7 = 0, K8 = 0;
    long double ShearFactor = 1; // 1.5 where the permissible shear stress is given with it
    long double Width = 0, Depth = 0, BendingDepth = 0;
    float I = 0;
};
struct TimberBendingShear {
    float PermBendingStress = 0, PermE = 0, PermShearStress = 0;
    float EI = 0;                  // kN m^2
    long double PermMoment = 0;    // kN m; 0 without a depth
    long double PermShearLoad = 0; // kN
};
TimberBendingShear TimberBendingShearValues(const TimberBendingShearInputs& in);

// ---- The timber section window.

// A plain snapshot of the window's controls; the initial values are the window's as it is made.
// The value labels only show the state's numbers; the sizes come in as the beam form's texts.
struct TimSectControls {
    int Combo_Grade = -1; // list position; -1 nothing chosen
    bool Option_Single = true, Option_Share = false;
    bool Option_Wet = true, Option_Dry = false;
    Arr<bool, 0, kTimberDurations - 1> Duration{}; // by TimberDurations() position
    std::string lbl_Bend, lbl_Shear, lbl_E, lbl_K8, lbl_K1, lbl_K2E, lbl_K2B, lbl_K2S, lbl_K3;
    std::string lbl_Width, lbl_Depth; // dry sizes in mm, handed over by the beam form
    std::vector<std::string> List_Results;
    TimSectControls();
    bool operator==(const TimSectControls&) const = default;
};

// The window's values, kept between uses (N/mm^2, mm, cm, kN unless stated).
struct TimSectState {
    TimSectControls Ctl;
    double Width = 0, Depth = 0;
    float GradeE = 0, GradeBending = 0, GradeShear = 0;
    float K1 = 0, K2 = 0, K2Shear = 0, K3 = 0, K7 = 0, K8 = 0;
    float Ixx = 0;   // cm^4, K1^4 included
    double Area = 0; // cm^2, K1^2 included
    double r = 0;    // mm
    float PermBendingStress = 0, PermShearStress = 0, PermE = 0;
    float EI = 0;            // kN m^2
    double PermMoment = 0;   // kN m
    float PermShearLoad = 0; // kN
    float GAKform = 0;       // N
    std::string Title, ClassName, MoistureText, K3Text, K8Text;
    bool operator==(const TimSectState&) const = default;
};
extern TimSectState TimSectVars;

void SetTimberGradeValues();
void SetTimSectWetDry();
void SetTimSectK3();
void CalcTimSectSection();
void CalcTimSectResults();
void TimSectRecalc();

// The handlers (a radio button's handler runs when it becomes chosen).
void TimSectGradeClick(); // Combo_Grade, Option_Single, Option_Share
void TimSectWetDryClick();
void TimSectDurationClick(); // the nine durations and "Calc"

// A timber choice to show: the working values or the committed ones.
struct TimberChoice {
    std::string grade, sharing, moisture, duration;
    Arr<float, 0, 2> values; // bending, shear, E
    const Arr<Str50, 0, 50>* lines;
};
TimberChoice WorkingTimberChoice();
TimberChoice CommittedTimberChoice();
// Lines 1 to the count in line 0 (held to 0..50; a count that is no number gives none).
std::vector<std::string> StoredTimberLines(const Arr<Str50, 0, 50>& lines);
// The window set from a choice, as TimSectShowCurrentOptions and TimSectShowStoredOptions do.
void TimSectShowOptions(const TimberChoice& choice);
void TimSectShowCurrentOptions();
void TimSectShowStoredOptions();
// The beam form's restore of a timber beam: the committed sizes into the size labels (mm), then
// the committed choice shown.
void TimSectRestoreFromCommitted();
// File New: the first class of the list chosen (no handler runs).
void TimSectNewBeam();

// What "Next >" writes into the beam form's controls.
struct TimberBeamFormTexts {
    std::string lbl_S01_Desc, lbl_S01_Ixx, lbl_S01_E, lbl_GA;
    Arr<std::string, 3, 20> MemberColumn; // grid rows 3 to 20 of every member column 1 to 27
    std::vector<std::string> List_Props, List_TimProps;
};
// "Next >": the calculation again, then the section into the working beam and its texts for the
// beam form (the window hides itself and shows them).
TimberBeamFormTexts TimSectNext();
// The texts put into the beam form's controls: labels, every member column of the member grid,
// the property lists and GA.
struct BeamFormControls;
void ApplyTimberToBeamForm(const TimberBeamFormTexts& t, BeamFormControls& f);

} // namespace kx

// The timber section window without its window: the grade values, factors, section, permissible
// values and result list, and what "Next >" writes into the beam form.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/TimberFactors.h"
#include "foundation/SharedModel.h"

namespace kx {

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
    // What "Next >" hands the beam form besides the section: the permissible moment (N mm) and
    // shear load (N), and the result list (line 0 the count).
    float PermMomentNmm = 0, PermShearN = 0;
    Arr<Str50, 0, 50> ResultLines;
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
// Whether the beam form's working section is still a timber choice, the one the window was
// opened for: the window's choice belongs to nothing else.
bool BeamFormHoldsTimber();
// "Next >": the calculation again, then the section into the working beam and its texts for the
// beam form (the window hides itself and shows them). Nothing, and nothing written, once the beam
// form holds another section.
std::optional<TimberBeamFormTexts> TimSectNext();
// The texts put into the beam form's controls: labels, every member column of the member grid,
// the property lists and GA.
struct BeamFormControls;
void ApplyTimberToBeamForm(const TimberBeamFormTexts& t, BeamFormControls& f);

// The beam form's "Next >" with the timber frame shown: a size typed and not taken by "Calculate E
// and Ixx" and this window's "Next >" is taken as they would take it, with the working timber
// choice, so that the size the form shows is the size committed. False, after "Input beam size",
// for a size that is no size.
bool TakeTypedTimberSize(BeamFormControls& f);

} // namespace kx

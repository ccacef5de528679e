// Strength classes of structural timber and the modification factors K1, K2, K3, K7 and K8, and
// the permissible bending and shear values they give: shared by the timber section window and
// the timber member calculator.
#pragma once

#include <array>
#include <string>
#include <string_view>

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

} // namespace kx

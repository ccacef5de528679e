// The steel member capacity calculator: strut capacities about both axes, the permissible moment
// about x-x and the combined compression and bending check of one standard section.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/Arr.h"
#include "platform/ShortString.h"
#include "sections/SectionRec.h"

namespace kx::KX_Cap {

// A family of the "Section Properties" menu.
struct CapFamily {
    const char* MenuItem; // "UniversalBeams1"
    const char* Caption;  // "Universal Beams"
    const char* FileName; // "ub.sct": found in StartDir without regard to case
    const char* Group;    // lbl_Group
};
inline constexpr int kCapFamilies = 10;
const std::array<CapFamily, kCapFamilies>& CapFamilies();

// The picked section: the values of its record that the calculator lists or uses, and the elastic
// moduli and D/T worked from them (mm, mm^2, mm^4). All zero when none is loaded, except D/T, which
// a clearing keeps.
struct CapSection {
    std::string Designation, Shape;
    float B = 0, D = 0, t = 0, T = 0, r1 = 0, b = 0, d = 0, Taper = 0, A = 0, Ixx = 0, Iyy = 0, rx = 0,
          ry = 0, J = 0, TorsionT = 0, cy = 0, Cs = 0;
    float Zxx = 0, Zyy = 0, DT = 0;
    bool operator==(const CapSection&) const = default;
};

using CapBlock = Arr<std::string, 0, 10>; // line 0 = count as text

// The three edits of the window.
struct CapInputs {
    std::string Edit_Le, Edit_Axial, Edit_Mom;
};

// What the window shows: its labels and lists.
struct CapView {
    std::string lbl_Group, lbl_E, lbl_Py;
    std::vector<std::string> List_Section, List_Props, List_Results;
    bool List_ResultsRed = false;
};

// The calculator's state for the whole run.
struct CapState {
    std::string CapFileName, CapGroup;
    std::vector<std::string> CapDesignations; // of the open family's file
    // The records listed, as read with their designations: a click takes the record it names,
    // whatever has been written to the file since.
    std::vector<TSectionRec> CapRecords;
    CapSection Sect;
    float CapE = 0; // Young's modulus (N/mm^2), shown from the first section picked on
    Arr<ShortString<50>, 0, 101> CapPropLines;
    CapBlock CapAxialXXLines, CapAxialYYLines, CapMomentLines, CapCombinedLines;
    // Held to 60 characters so that the lateral-torsion notes show whole.
    Arr<ShortString<60>, 0, 50> CapResultLines;
    float CapUnity = 0;
    std::string CapLeXXText, CapLeYYText, CapLeBendText;
    bool operator==(const CapState&) const = default;
};
extern CapState Cap;

// What the window shows of the state.
CapView CapShown();

// A family from the menu: clears the calculator and lists the family's designations. A family whose
// file is not in StartDir yet has every section file written first.
CapView CapOpenSectionFamily(const std::string& fileName, const std::string& group);
// A click on line `position` (from 0) of the section list: the section listed there.
CapView List_SectionClick(int position);
// Any change of the three edits: the results go, the section stays.
CapView CapClearResults();

// The four buttons. A typed number or input-box answer that is not a number throws ConvertError and
// changes nothing.
CapView cmd_AxialXXClick(const CapInputs& in);
CapView cmd_AxialYYClick(const CapInputs& in);
CapView cmd_MomXXClick(const CapInputs& in);
CapView cmd_CalcClick(const CapInputs& in);

// The permissible axial stress pc (N/mm^2) by the Perry-Robertson formula for an effective length Le
// and a radius of gyration r (mm): 170 at Le 0, raised below Le/r 25; false when there is no
// result (a negative length, no radius of gyration).
bool CapStrutStress(float Le, float r, bool aboutXX, float& pc);

} // namespace kx::KX_Cap

// The choice of section on the beam form: the section families and their loaders, the listing of a
// section file, the pick of one record into the working beam, and the timber size.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/SharedModel.h"
#include "input/BeamFormControls.h"
#include "sections/SectionRec.h"

namespace kx {

// Whether a family's sections may be checked to BS 5975.
enum class CodeCheck { Allowed, Refused, NotOffered };
enum class FamilyKind { Standard, Scaffold, User, Timber };

// One family of sections as the beam form's menus offer it.
struct SectionFamilyRow {
    const char* Item;     // the menu item's name, "UniversalBeams1"
    const char* Caption;  // "Universal Beams"
    const char* Handler;  // "UniversalBeams1Click"
    const char* Code;     // SectionFamily, "UB"
    const char* FileName; // "UB.sct"; "" for timber, which has no file
    const char* Group;    // the caption of lbl_Group; "" for timber, which leaves it
    FamilyKind Kind;
    CodeCheck Check;
};
inline constexpr int kSectionFamilies = 20;
const std::array<SectionFamilyRow, kSectionFamilies>& SectionFamilies();
// The family of a code (exact comparison), or nullptr.
const SectionFamilyRow* SectionFamilyByCode(std::string_view code);

// The state of the form that the loaders set. A field left empty (nullopt, nullptr) is unchanged.
struct SectionLoader {
    bool TimberMemberType = false; // WorkMemberType := "Timber"
    bool Frame_Couplers = false;
    bool UntickCouplers = true; // the three coupler boxes
    std::optional<bool> Check_GA;
    bool Frame_Shear = false, Frame_Steel = true, Frame_SteelCheck = false, Frame_Timber = false;
    CodeCheck Check = CodeCheck::NotOffered;
    bool FixedEndsOff = false;      // Check_LHF and Check_RHF unticked and disabled; else enabled
    const char* Group = nullptr;    // lbl_Group
    const char* FileName = nullptr; // SectionFileName
    bool FillList = false;
};
SectionLoader SectionLoaderFor(const SectionFamilyRow& family);

// The beam form's own section state.
struct SectionChoiceState {
    std::string SectionFileName; // the file of the family chosen last
    bool operator==(const SectionChoiceState&) const = default;
};
extern SectionChoiceState SectionChoiceVars;

// Sets the form as the loader says. A list file that cannot be read leaves the list empty, with
// the rest of the loader's settings in place, and gives its message when report is set (a family
// the user chose; the restore of a committed beam goes on quietly).
void ApplySectionLoader(BeamFormControls& f, const SectionLoader& loader, bool report = true);

// A family menu: SectionFamily, the shape that the user and timber menus set, then the loader.
// A family opened without a pick leaves the section held, and the code check refused if it was.
void ChooseSectionFamily(BeamFormControls& f, const SectionFamilyRow& family);

// A section of this shape and member type cannot be checked to BS 5975: an angle, a hollow section
// or a scaffold member, whatever family's menu was opened last.
bool SectionRefusesCodeCheck(const std::string& shape, const std::string& memberType);
// With the code check shown: "None" chosen and "Check" greyed when the section held refuses it.
void RefuseCodeCheckForSectionHeld(BeamFormControls& f, const std::string& shape,
                                   const std::string& memberType);
// The loader of a section family, as the beam form's restore calls it for every family code but
// "Timber": frames, options and list of the family code, the code check as the committed section
// allows it.
void OpenSectionFamily(BeamFormControls& f, const std::string& code);

// List_Sect: the designation of every whole record of the current file, as stored. A file that
// cannot be read throws its I/O error with the list left empty.
void FillSectionList(BeamFormControls& f);

// What a section record gives every member of the beam, from the record alone: the user and
// scaffold kinds, the shape ("" for a record without dimensions), the ratio D/T (0 without a
// flange thickness), the member values from E on, and the flange and web thickness. The steel
// calculator takes its D/T from here too.
struct SectionValues {
    bool User = false, Scaffold = false;
    std::string Shape;
    float DOverT = 0;
    TMemberRow Member{};
    float FlangeThickness = 0, WebThickness = 0;
};
SectionValues SectionValuesOf(const TSectionRec& rec);

// The record at a position of the list (counted from 0) into the working section, its property
// lines, captions, list and member rows. A record that cannot be read gives the error's message,
// one that gives a member value the program cannot use the message of an unusable section; either
// changes nothing, and false then.
bool PickSection(BeamFormControls& f, int position);

// "Calculate E and Ixx" of the timber frame: the typed size into TimberWidth and TimberDepth (mm)
// and the texts of the timber section form's size labels. A width or depth of 0 or less (a text
// that is not a number reads as 0) gives "Input beam size" and changes nothing.
struct TimberSizeTexts {
    std::string lbl_Width, lbl_Depth;
};
std::optional<TimberSizeTexts> TimberSizeChosen(const BeamFormControls& f);

// The user section file was saved: a list that shows it is read again, so that each line is the
// record a pick loads. The working section stays as it was.
void UserSectionFileSaved(BeamFormControls& f);

namespace sectionmsg {
inline constexpr const char* kTimberSize = "Input beam size";
} // namespace sectionmsg

} // namespace kx

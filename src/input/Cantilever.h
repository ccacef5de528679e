// The two cantilever forms without their windows: one core for both ends, the differences between
// the left and the right form held as data.
#pragma once

#include <array>
#include <string>

#include "foundation/JobChecks.h"
#include "foundation/SharedModel.h"
#include "foundation/ShownText.h"

namespace kx {

class Canvas;

// Where "Next >" and "< Back" of a cantilever form lead.
enum class CantRoute { Stay, SpanFrm, LoadDataFrm, Analysis };

// What makes the left form and the right form differ.
struct CantSide {
    int Row;                  // member row: 0 left, 26 right
    const char* Caption;      // window caption
    const char* InputCaption; // caption of the effective-length input box
    const char* ChangedLine;  // first line of the changed-length message
    // The flags in the order the show handler checks their options.
    std::array<int, 11> ShowOrder;
    // The option each picture Image1..Image7 chooses; -1 for none.
    std::array<int, 7> PictureChoice;
    // The committed text is the factor box's ("Restrained" for a fully restrained cantilever),
    // else the working text ("Fully Restrained").
    bool CommitTextFromLabel;
    CantRoute Next, Back;
    const char* EndGroupCaption;
    const char* EndTorsionCaption;
    const char* EndBothCaption;
    bool BracedNote; // Label4 "Braced laterally in at least one bay"
    TCantOpt SharedModel::*Committed;
    TCantOpt WorkingCopies::*Working;
};
const CantSide& LHCantSide();
const CantSide& RHCantSide();

// Captions of the options, by flag (the end options' captions differ per side: see CantSide).
const char* CantOptionCaption(const CantSide& side, int field);
// The option's radio group: 0 Restrained and Edit, 1 loading, 2 support restraint, 3 end restraint.
int CantOptionGroup(int field);

// Whether a side's next show is the first since its restore from the committed beam.
struct CantFormState {
    bool LHRestorePending = false, RHRestorePending = false;
    bool operator==(const CantFormState&) const = default;
};
extern CantFormState CantVars;

// A plain snapshot of a cantilever form's controls; indexes of Option are the flag fields.
struct CantControls {
    Arr<bool, 0, 10> Option;
    bool cmdEdit_Enabled = false;
    std::string lbl_Lf;
    ShownText lbl_Le; // with the exact length behind it
    std::string Label_Units;
    bool operator==(const CantControls&) const = default;
};

// The factor on the cantilever length for a support restraint (coSupportLateral, coSupportPartial,
// coSupportBoth), an end restraint (coEndFree, coEndTop, coEndTorsion, coEndBoth) and the loading.
float CantileverFactor(int support, int end, bool destabilizing);

void CalcCantileverEffectiveLength(const CantSide& side, CantControls& c);
// The click handler of an option that has just been chosen.
void CantOptionClick(const CantSide& side, CantControls& c, int field);
// An option chosen from code: when it was not chosen yet, the others of its group are cleared and
// its click handler runs.
void CheckCantOption(const CantSide& side, CantControls& c, int field);
// Image1..Image7 and the three support labels choose their option.
void CantPictureClick(const CantSide& side, CantControls& c, int image);
void CantFormShow(const CantSide& side, CantControls& c);
// "Next >": a complete choice committed, then its length tested.
CantRoute CantNext(const CantSide& side, CantControls& c);
CantRoute CantBack(const CantSide& side);
void CantRestoreFromCommitted(const CantSide& side, CantControls& c);
void CantClear(const CantSide& side, CantControls& c);

// The picture of a restraint condition (a support or an end flag) at the size given.
void DrawRestraintPicture(Canvas& k, int W, int H, int field);

namespace cantmsg {
inline constexpr const char* kIncomplete = kCantIncompleteMessage;
inline constexpr const char* kNegative = "Negative lengths not allowed";
} // namespace cantmsg

} // namespace kx

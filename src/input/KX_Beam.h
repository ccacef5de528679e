// The beam form without its window: spans, cantilevers, supports, couplers, the member grid, and
// the commit of the working beam and its restore from the committed one.
#pragma once

#include <string>

#include "foundation/SharedModel.h"
#include "input/BeamFormControls.h"
#include "input/BeamMessages.h"

namespace kx {

// The spinner offers 1 to 20 spans; the member rows have room for 25.
inline constexpr int kMaxFormSpans = 20;
// The longest member the form takes: 10,000 m, in mm. Singles hold positions along it to the
// millimetre (they do so up to 2^24 mm, 16.8 km), and its length to the fourth power, which the
// deflections work with, stays far inside a single's range (1e28 of 3.4e38) whatever the loads.
inline constexpr double kMaxMemberLength = 1e7;

// The beam form's own state beside the working copies.
struct BeamFormState {
    int32 BeamInputError = 0; // 1 after ReadSpanLengths met a missing length
    std::string BeamMessage;  // the message being shown
    bool operator==(const BeamFormState&) const = default;
};
extern BeamFormState BeamFormVars;

// What the commit does to the load form; the load form implements it.
class BeamCommitLoadForm {
public:
    virtual ~BeamCommitLoadForm() = default;
    // Factored loads have been turned off: every load-factor edit shows 1.0.
    virtual void ShowFactorsReset() = 0;
    // Frame_SWt shown; or hidden with Check_Swt unticked. The commit has taken the self-weight
    // off itself, so the untick reads nothing: the rows need not show the working list yet.
    virtual void ShowSelfWeightFrame(bool shown) = 0;
    virtual void DrawLoadFormBeam() = 0;
};

// The number of spans from Edit_Spans (the spinner's position when the text is no whole number),
// held to 1..20 and shown in both; the columns and captions of the spans grid follow.
void BuildSpanGridColumns(BeamFormControls& f);
// The typed lengths into field L of the working rows (Exists untouched).
void ReadSpanGridToWork(const BeamFormControls& f);
// Field L of the working rows back into the grid; a length of "0.000" shows as an empty cell, a
// cantilever's too unless its cell is to show the length whatever it is (as the restore does).
enum class CantileverCells { EmptyAtZero, Shown };
void FillSpanGridFromWork(BeamFormControls& f, CantileverCells cantilevers = CantileverCells::EmptyAtZero);
// Exists and L of the members into m's rows 0..26 and the description into SectionDescription;
// at a length of 0 or less, or one longer than kMaxMemberLength, its message and BeamInputError 1.
void ReadSpanLengths(const BeamFormControls& f, SharedModel& m);
// The exclusions of forkheads, couplers and the code check, then WorkSupportType rebuilt.
void ApplySupportRules(BeamFormControls& f);
// WorkLiftHeight from Edit_L and the coupler springs and codes in WorkSupportStiffness.
void CalcCouplerStiffness(const BeamFormControls& f);
// Rows 1 and 2 of the member grid from the spans grid; WorkSectionText from lbl_S01_Desc.
void UpdateMemberGrid(BeamFormControls& f);

// The form as it is made: one span, its column captioned.
BeamFormControls FirstBeamForm();
// The form and its working copy cleared for a new beam (the window greys its picture).
void ResetBeamForm(BeamFormControls& f);
// What showing the form does to its controls and the model: unit defaults and captions, the
// member grid, the instruction text. The window adds the picture, the menus and the focus.
void BeamFormShow(BeamFormControls& f);

// The handlers' work, each ending with the sketch redrawn where the form redraws it.
void CantileverClicked(BeamFormControls& f, bool leftEnd, SketchPicture& pic);
void FixedEndClicked(BeamFormControls& f, bool leftEnd, SketchPicture& pic);
void SupportKindClicked(BeamFormControls& f, SketchPicture& pic);
void CouplerClicked(BeamFormControls& f, SketchPicture& pic);
void CodeCheckClicked(BeamFormControls& f);
void SpanCountChanged(BeamFormControls& f, SketchPicture& pic);
void SpanGridEdited(BeamFormControls& f, SketchPicture& pic);

// "Next >": a timber size typed and not taken taken first; then every test of the working beam in
// order, with its message; only when all pass is
// the beam committed, the working self-weight record written and the load form set. The answer to
// the factored loads question takes effect when it is given. True when the beam was committed.
bool CommitBeamData(BeamFormControls& f, BeamCommitLoadForm& loadForm);

// The form and its working copy rebuilt from the committed beam (after Cancel and Open), the
// working timber choice included. The timber section form's controls are the window's part.
void RestoreBeamForm(BeamFormControls& f);
// The working timber choice (sizes, codes, grade values, permissible values, result lines) and the
// working section text lines from the committed ones.
void RestoreWorkingTimber();

} // namespace kx

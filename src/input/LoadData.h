// The load form without its window: the load rows read into the working list, their checks, the
// stack of distributed loads, the apply ticks of each loadcase, the filling of the rows, and the
// commit of the list with the hand-on to the analysis or the effective-length forms.
#pragma once

#include <string>

#include "foundation/JobChecks.h"
#include "foundation/JobRules.h"
#include "foundation/SharedModel.h"
#include "foundation/ShownText.h"
#include "input/LoadSketch.h"
#include "platform/Arr.h"

namespace kx {

// The load form's own state beside the working copies.
struct LoadDataState {
    int32 WorkRowsShown = 0;     // load rows in use; rows 1..WorkRowsShown + 1 are shown
    int32 WorkLoadcase = 0;      // the loadcase shown, 1..5
    float ValidateOnRead = 0;    // 1.0: every read of the rows ends with their checks
    int32 RestoredRowsShown = 0; // LoadRowsShown as the last restore found it
    int32 RestoredLoadcase = 0;  // CurrentLoadcase as the last restore found it
    int32 LoadError = 0;         // -1 after a refused check
    int32 FormUpdating = 0;      // 1 while the program sets the form's controls itself
    std::string MsgText;         // the message being shown
    // "< Back" read the rows into KeptLoads: while the list is still that, the next showing
    // leaves the rows as they were typed.
    bool RowsKept = false;
    Arr<TLoadRec, 1, 51> KeptLoads{};
    bool operator==(const LoadDataState&) const = default;
};
extern LoadDataState LoadDataVars;

inline constexpr int kLoadRows = 50;

// An edit field: its text, with the exact value behind it, and whether it is shown.
struct EditBox {
    ShownText Text;
    bool Visible = false;
    bool operator==(const EditBox&) const = default;
};

// One load row: its panel, its two type buttons, its six edits and its Apply box.
struct LoadRowControls {
    bool Panel = false; // the row is shown
    bool OptionP = false, OptionUDL = false;
    EditBox Edit_PL, Edit_Dist, Edit_UDLS, Edit_UDLF, Edit_Cover, Edit_LF;
    bool Check = false;
    bool operator==(const LoadRowControls&) const = default;
};

// A plain snapshot of the load form's controls. Member names are the controls' names; the
// initial values are the form's as it is made. Edit_Case stands for the loadcase edit with its
// spinner, which always show the same loadcase.
struct LoadFormControls {
    LoadFormControls();
    Arr<LoadRowControls, 1, kLoadRows> Rows;
    bool Frame_SWt = false;
    bool Check_Swt = false;
    std::string lbl_Swt;
    ShownText Edit_LF;
    bool Edit_LF_Enabled = true;
    int Edit_Case = 1;
    int Height = 560; // the form's height; rows below it are reached by scrolling
    std::string lbl_PL, lbl_PLdist, lbl_UDLS, lbl_UDLF, lbl_Cover;
    LengthCaption lbl_Length;
    bool operator==(const LoadFormControls&) const = default;
};

// The rows and the self-weight frame into WorkLoads, the ticks into ApplyFlags of WorkLoadcase;
// the checks follow when ValidateOnRead is 1.0.
void ReadLoadRows(const LoadFormControls& f);
// Extent and sign of loads 1..50, one message per offence; LoadError 0 or -1.
void ValidateLoads();
// CaseHasLoads[1..5] from the applied loads with a value of a load table.
void MarkActiveCases(const Arr<Arr<TLoadRec, 1, 51>, 1, 5>& table, Arr<int32, 0, 5>& caseHasLoads);
// The same for the committed table.
void MarkActiveCases();
// UDLStack of WorkLoadcase from the working list and the loadcase's ticks.
void BuildUDLStack();
// A loadcase's stack from its loads, the distributed ones applied in it (Applied 1.0) stacked.
void BuildUDLStack(const Arr<TLoadRec, 1, 51>& loads, Arr<TUDLStackRec, 1, 50>& stack);
// Unticks Apply on every row without a load type; each untick runs the Apply step unless the
// form is being filled.
void UncheckUntypedRows(LoadFormControls& f, LoadFormPicture& pic);
// ApplyFlags of loads 1..50 cleared in every loadcase; back to loadcase 1.
void ResetApplyFlags(LoadFormControls& f);
// The 50 load-factor edits shown (factored loads on) or hidden (off).
void ShowLoadFactorColumn(LoadFormControls& f);
// The working list and ticks from the committed table, and the rows and loadcase to show next.
void RestoreCommittedLoads();
// The working list, the stacks and the 50 rows emptied; 5 rows in use, loadcase 1.
void ClearAllLoads(LoadFormControls& f);

// The ticks into ApplyFlags of the loadcase shown; the self-weight's into all five.
void StoreApplyFlags(LoadFormControls& f, LoadFormPicture& pic);
// The ticks from ApplyFlags of the loadcase shown.
void ShowApplyFlags(LoadFormControls& f);
// Row n laid out for its type; typing a row from 5 on beyond those in use adds rows.
void SetLoadRowMode(LoadFormControls& f, int n);
// Rows up to one past those in use shown; the form grows to rows x 35 + 380, never lower.
void ShowLoadRows(LoadFormControls& f);
// Rows 6..50 hidden.
void HideLoadRows(LoadFormControls& f);
// WorkLoads into the rows and the self-weight frame (nothing without a committed beam).
void FillLoadRows(LoadFormControls& f);

// The picture redrawn: cleared, the loads of the loadcase shown, the beam over them.
void RedrawLoadForm(LoadFormControls& f, LoadFormPicture& pic);

// The window's handlers, each on the snapshot and the picture.
void LoadFormShow(LoadFormControls& f, LoadFormPicture& pic);
// The Apply box of row n (1..50) clicked.
void ApplyClicked(LoadFormControls& f, int n, LoadFormPicture& pic);
// The self-weight's Apply box clicked.
void SelfWeightApplyClicked(LoadFormControls& f, LoadFormPicture& pic);
// A double click on the number of row n: the row emptied.
void ResetLoadRow(LoadFormControls& f, int n, LoadFormPicture& pic);
// The loadcase spinner moved to Edit_Case.
void LoadcaseClicked(LoadFormControls& f, LoadFormPicture& pic);
// "Clear": every load deleted from the form; the committed loads stay.
void ClearClicked(LoadFormControls& f, LoadFormPicture& pic);
// "Expand": all 50 rows.
void ExpandClicked(LoadFormControls& f);
// File New's steps on the load form, in their order.
void NewBeamLoadForm(LoadFormControls& f);
// "< Back": the values typed into the working list, unchecked and with the ticks as stored, so
// that the next showing shows the rows as they were left.
void LoadFormBack(const LoadFormControls& f);
// The factored-loads setting changed: the load-factor edits follow it, and turned off, every load
// factor other than 1.0 (typed, working or committed) becomes 1.0 with the beam form's message.
void FactoredLoadsChanged(LoadFormControls& f);
// Factored loads have been turned off: every load-factor edit of a row with a load, and the
// self-weight's, shows 1.0, and the load-factor edits follow the setting.
void ShowFactorsReset(LoadFormControls& f);

// Where "Next >" hands on to.
enum class LoadRoute {
    Stay,     // refused: the form stays shown
    Analysis, // the main window, its drawings and the analysis
    CantLH,   // the left-hand cantilever's effective length
    Span,     // the spans' effective lengths, with the sketch and the first span marked
};

// "Next >": the factored-loads question when it is owed; the rows read and checked, and only when
// every check passes the loads, the stacks of all five loadcases and the loadcase markers
// committed; a typed load text that is not a number is refused first, naming its row. Returns where
// the wizard goes on.
LoadRoute CommitLoads(LoadFormControls& f, LoadFormPicture& pic);

// The messages of the load form.
namespace loadmsg {
inline constexpr const char* kNegativeLengths = "Negative lengths not allowed";
inline constexpr const char* kNoLoadsApplied = "No loads applied to beam";
inline constexpr const char* kNoLoads = "No loads on beam";
inline constexpr const char* kForkheadFactors = kForkheadFactorsMessage;
std::string ExtendsPastEnd(int n);
std::string ValueTooLarge(int n);
// "Load n <what> is not a number": what is "value", "distance", "cover" or "load factor".
std::string NotANumber(int n, const char* what);
inline constexpr const char* kSelfWeightFactorNotANumber = "Self-weight load factor is not a number";
} // namespace loadmsg

} // namespace kx

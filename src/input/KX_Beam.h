// The beam form without its window: spans, cantilevers, supports, couplers, the member grid, and
// the commit of the working beam and its restore from the committed one.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "foundation/SharedModel.h"
#include "platform/Errors.h"

namespace kx {

class Canvas;
class FileCommandsHost;

// The spinner offers 1 to 20 spans; the member rows have room for 25.
inline constexpr int kMaxFormSpans = 20;
// The longest member the form takes: 10,000 m, in mm. Singles hold positions along it to the
// millimetre (they do so up to 2^24 mm, 16.8 km), and its length to the fourth power, which the
// deflections work with, stays far inside a single's range (1e28 of 3.4e38) whatever the loads.
inline constexpr double kMaxMemberLength = 1e7;

// The texts of a string grid as cells (column, row), with its column count. Cells beyond the
// stored ones read as empty; a shorter grid forgets the cells it drops, as the window's grid does.
template <int Cols, int Rows> class GridTexts {
public:
    int ColCount() const { return colCount_; }
    void SetColCount(int n) {
        if (n < 1 || n > Cols) throw RangeError();
        for (int c = n; c < colCount_; ++c)
            for (auto& t : cells_[static_cast<std::size_t>(c)])
                t.clear();
        colCount_ = n;
    }
    const std::string& Cell(int col, int row) const {
        static const std::string empty;
        if (col < 0 || col >= Cols || row < 0 || row >= Rows) return empty;
        return cells_[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }
    void SetCell(int col, int row, std::string text) {
        if (col < 0 || col >= Cols || row < 0 || row >= Rows) throw RangeError();
        cells_[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)] = std::move(text);
    }
    bool operator==(const GridTexts&) const = default;

private:
    int colCount_ = Cols;
    std::array<std::array<std::string, Rows>, Cols> cells_{};
};

// A plain snapshot of the beam form's controls: texts, ticks, choices, enabling and visibility.
// Member names are the controls' names; the initial values are the form's as it is made.
struct BeamFormControls {
    GridTexts<28, 2> Grid_Spans;     // row 0 the member captions, row 1 the typed lengths
    GridTexts<28, 21> Grid_SpanData; // the member grid: column j + 1 is member row j
    bool Check_LHC = false, Check_RHC = false;
    std::string Edit_Spans = "1";
    int UpDown_Spans = 1;
    bool Option_Vert_Fixed = true, Option_Forkhead = false;
    bool Check_LHF = false, Check_RHF = false;
    bool Check_LHF_Enabled = true, Check_RHF_Enabled = true;
    bool Frame_Couplers = false;
    bool Check_LH_End_Sup = false, Option_LH_Top = false, Option_LH_Mid = true;
    bool Check_Span_Sup = false, Check_Span_Sup_Enabled = false, Option_Span_Top = true,
         Option_Span_Mid = false;
    bool Check_RH_End_Sup = false, Option_RH_Top = false, Option_RH_Mid = true;
    std::string Edit_L, Label_L_Std_Unit;
    std::string lbl_S01_Ixx, lbl_S01_E, lbl_S01_Desc, lbl_Ixx, lbl_E;
    bool Frame_SteelCheck = true;
    bool Option_None = true, Option_Check = false, Option_Check_Enabled = true;
    bool Frame_Shear = false;
    bool Check_GA = false;
    std::string lbl_GA, Label_GA_Unit;
    std::string Label_Demo;
    bool Frame_Steel = true;
    std::vector<std::string> List_Sect, List_Props;
    std::string lbl_Group;
    bool Frame_Timber = false;
    std::string Edit_Timber_W, Edit_Timber_H, lbl_Wunit, lbl_Hunit;
    std::vector<std::string> List_TimProps;

    bool operator==(const BeamFormControls&) const = default;
};

// The beam form's own state beside the working copies.
struct BeamFormState {
    int32 BeamInputError = 0; // 1 after ReadSpanLengths met a missing length
    std::string BeamMessage;  // the message being shown
    bool operator==(const BeamFormState&) const = default;
};
extern BeamFormState BeamFormVars;

// The picture a sketch is drawn on, at its own size.
struct SketchPicture {
    Canvas& canvas;
    int W = 0, H = 0;
};

// What the commit does to the load form; the load form implements it.
class BeamCommitLoadForm {
public:
    virtual ~BeamCommitLoadForm() = default;
    // Edit_LF, the self-weight load factor, shows text.
    virtual void SetSelfWeightFactorText(const std::string& text) = 0;
    // Frame_SWt shown; or hidden with Check_Swt unticked. The commit has taken the self-weight
    // off itself, so the untick reads nothing: the rows need not show the working list yet.
    virtual void ShowSelfWeightFrame(bool shown) = 0;
    virtual void DrawLoadFormBeam() = 0;
};

// The length of the member in grid column col, in mm (a single): the typed text as a number
// (text that is not a number reads as 0) times the length factor.
float SpanGridLength(const BeamFormControls& f, int col);

// The number of spans from Edit_Spans (the spinner's position when the text is no whole number),
// held to 1..20 and shown in both; the columns and captions of the spans grid follow.
void BuildSpanGridColumns(BeamFormControls& f);
// The typed lengths into field L of the working rows (Exists untouched).
void ReadSpanGridToWork(const BeamFormControls& f);
// Field L of the working rows back into the grid; a length of "0.000" shows as an empty cell.
void FillSpanGridFromWork(BeamFormControls& f);
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

// "Next >": every test of the working beam in order, with its message; only when all pass is
// the beam committed, the working self-weight record written, the load form set and the last
// analysis's results cleared from the model and the main window. The answer to the factored
// loads question takes effect when it is given. True when the beam was committed.
bool CommitBeamData(BeamFormControls& f, FileCommandsHost& host, BeamCommitLoadForm& loadForm);

// The form and its working copy rebuilt from the committed beam (after Cancel and Open), the
// working timber choice included. The timber section form's controls are the window's part.
void RestoreBeamForm(BeamFormControls& f);
// The working timber choice (sizes, codes, grade values, permissible values, result lines) and the
// working section text lines from the committed ones.
void RestoreWorkingTimber();

// The loader of a section family: frames, options and list of the family code. The section
// choice fills it; the restore calls it for every family code but "Timber".
void OpenSectionFamily(BeamFormControls& f, const std::string& code);

// The messages of the form and its commit.
namespace beammsg {
inline constexpr const char* kCouplerWithForkheads = "Coupler restraint cannot be used with forkheads";
inline constexpr const char* kNoCheckWithForkheads =
    "Program does not code check to BS 5950 with forkhead supports";
inline constexpr const char* kLHCantileverLength = "Enter length for LH Cantilever";
inline constexpr const char* kSpanLength = " Enter Length for Span ";
inline constexpr const char* kRHCantileverLength = "Enter length for RH Cantilever";
inline constexpr const char* kSupportType = "Specify support type";
inline constexpr const char* kBoards = "Coupler restraint not possible with boards";
inline constexpr const char* kLiftHeight = "Enter \"L\" (lift height)\rfor double coupler fixing";
inline constexpr const char* kSection =
    " Specify section\r\r"
    " Click \"Section Properties Database\" on the top menu\r"
    " then click required section in \"Steel Section Database\" to load.\r\r"
    " Create new section in \"KX Sections\" for non standard section";
inline constexpr const char* kTimberE = "You appear to have a timber section \r"
                                        "with a value of \"E\" for steel.\r"
                                        "Is this correct?\r";
inline constexpr const char* kFactoredLoads =
    "Do you wish to show factored loads for permissible stress design!";
inline constexpr const char* kFactorsReset = "All load factors have been reset to 1.0";
inline constexpr const char* kThickness =
    " Section thickness exceeds 40mm\rand is beyond the scope of this program";
inline constexpr const char* kConfirmCaption = "Confirm";
} // namespace beammsg

} // namespace kx

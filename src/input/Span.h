// The span form without its window: the effective length of each span from its restraint, the
// restraint intervals, and the commit, restore and clear of the working effective lengths.
#pragma once

#include <array>
#include <string>

#include "foundation/SharedModel.h"
#include "foundation/ShownText.h"

namespace kx {

class Canvas;

// The factor of the last calculation of a member and its added length (mm; 2D or 0).
struct TSpanFactor {
    float k = 0, a = 0;
    bool operator==(const TSpanFactor&) const = default;
};

// The span form's own state beside the working copies.
struct SpanState {
    int32 CurrentSpan = 0;
    Arr<TSpanFactor, 0, 26> SpanFactorWork;
    float IntervalRemainder = 0; // mm
    int32 SpanOptionsReady = 1;  // 0 while the form sets its own controls
    int32 IntervalGridBusy = 0;  // 1 while the remainder is worked out
    int32 SpanLengthChanged = 0; // 1 after a changed span was reported
    bool operator==(const SpanState&) const = default;
};
extern SpanState SpanVars;

// Grid_Int: cells (column, row), columns 0..6 stored, the first ColCount shown.
struct IntervalGridTexts {
    int ColCount = 3;
    std::array<std::array<ShownText, 2>, 7> cells{};
    const std::string& Cell(int col, int row) const { return Shown(col, row).Text(); }
    const ShownText& Shown(int col, int row) const;
    // A text typed or written: a new one forgets the value of the old.
    void SetCell(int col, int row, std::string text);
    // A text with the value behind it.
    void Show(int col, int row, ShownText text);
    bool operator==(const IntervalGridTexts&) const = default;
};

// A plain snapshot of the span form's controls. Initial values are the form's as it is made.
struct SpanControls {
    // The eight restraint choices are one radio group; Check_12 stands alone.
    bool Option_Full = false, Option_Partial = false, Option_Not = false, Option_Pos = false,
         Option_Dead = false, Option_Restrained = false, Option_Edit = false, Option_Int = false;
    bool Check_12 = false;
    bool cmdEdit_Enabled = false, cmd_Part_Enabled = false, cmd_All_Enabled = false;
    int Edit_Span = 1;     // with its spinner UpDown_Span
    int Edit_Span_Max = 1; // the spinner's maximum
    ShownText lbl_L;
    std::string lbl_Lf;
    ShownText lbl_Le;
    std::string Label_1_Unit, Label_2_Unit;
    bool cmd_Cancel_Visible = true;
    bool Frame_Span_Visible = true, Frame_Int_Visible = false;
    // The interval panel.
    std::string lbl_Span, lbl_SpanL;
    bool lbl_SpanL_Visible = false;
    IntervalGridTexts Grid_Int;
    bool Option_Blank = false, Option_Equal = false, Option_UnEqual = true;
    int Edit_No = 1; // with its spinner UpDown_No, 1..5
    bool operator==(const SpanControls&) const = default;
};

// Sizes of the two pictures as designed.
inline constexpr int kSpansPictureW = 769, kSpansPictureH = 65;
inline constexpr int kIntSpanPictureW = 737, kIntSpanPictureH = 89;

// What the form's handlers do to its pictures: the beam sketch (drawn by the load form's sketch
// routines on Image_Spans) and the interval sketch on Image_IntSpan.
class SpanFormPictures {
public:
    virtual ~SpanFormPictures() = default;
    virtual void ClearSpanSketch() = 0;
    virtual void DrawSpanSketch() = 0;
    virtual void HighlightCurrentSpan() = 0;
    // Image_IntSpan's canvas and size.
    virtual Canvas& IntervalCanvas() = 0;
    virtual int IntervalWidth() const = 0;
    virtual int IntervalHeight() const = 0;
};

// Where "Next >" and "< Back" lead.
enum class SpanRoute { Stay, CantLHFrm, LoadDataFrm, CantRHFrm, Analysis };

// The factor-box text, k and a of a restraint choice, for a section depth D (mm); an empty text
// and 0, 0 when none of Full, Partial, Not, Pos and Dead is chosen.
struct SpanFactorChoice {
    std::string text;
    float k = 0, a = 0;
};
SpanFactorChoice SpanFactorFor(bool full, bool partial, bool notRestrained, bool by12, bool pos, bool dead,
                               float D);
// Le = (a / L + k) x L, each step in single precision; 0 when L is not a usable length.
float SpanEffectiveLength(float k, float a, float L);

// The current span: Edit_Span held to 1..SpanCount[0] (1 when there are no spans).
int HeldSpan(int typed);

void CalcSpanEffectiveLength(SpanControls& c, SpanFormPictures& p);
void ShowSpanOptions(SpanControls& c);
void ApplyToAllSpans(SpanControls& c);

void FillIntervalGrid(SpanControls& c);
void ShowIntervalHeadings(SpanControls& c);
void CalcIntervalRemainder(const SpanControls& c);
void StoreSpanIntervals(const SpanControls& c);
void ClearIntervalSketch(SpanControls& c, Canvas& canvas);
void DrawIntervalSketch(SpanControls& c, SpanFormPictures& p);
// OK of the interval panel: false, with the message, when the spaces cannot be taken.
bool CloseIntervalPanel(SpanControls& c, SpanFormPictures& p);

// The handlers.
void SpanOptionClick(SpanControls& c, SpanFormPictures& p); // Full, Partial, Not, Pos, Dead, Restrained, 12
void SpanIntOrEditClick(SpanControls& c, SpanFormPictures& p);
void SpanResetClick(SpanControls& c, SpanFormPictures& p); // cmd_Part, cmdEdit
void SpanSpinnerClick(SpanControls& c, SpanFormPictures& p);
void SpacingOptionClick(SpanControls& c, SpanFormPictures& p); // Blank, Equal, UnEqual
void IntervalCountClick(SpanControls& c, SpanFormPictures& p);
void IntervalGridKeyUp(SpanControls& c, SpanFormPictures& p);

// True when every span's length is the one its effective length was worked out for; otherwise
// the message for the first changed span.
bool CheckSpanLengthsChanged(const SharedModel& m);
// "Next >": an open interval panel closed as its OK does (staying when OK would), then the working
// choices checked and, when they pass, committed.
SpanRoute SpanNext(SpanControls& c, SpanFormPictures& p);
// "< Back": an open interval panel closed as its OK does, staying when OK would.
SpanRoute SpanBack(SpanControls& c, SpanFormPictures& p);
void SpanFormShow(SpanControls& c, SpanFormPictures& p);
void SpanRestoreFromCommitted();
void SpanClear(SpanControls& c, SpanFormPictures& p);

namespace spanmsg {
inline constexpr const char* kSumExceeds = "Sum of spaces exceeds span length";
inline constexpr const char* kNegative = "Negative lengths not allowed";
inline constexpr const char* kNotSelected = " Effective length not selected for span ";
inline constexpr const char* kNothingChosen =
    "Click all appropriate option boxes or\renter desired effective length in box";
} // namespace spanmsg

} // namespace kx

// The beam form's controls as plain data, with the picture its sketch is drawn on and the member
// lengths its spans grid holds: what the sketch and the section choice read and set of the form.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "foundation/ShownText.h"
#include "platform/Errors.h"

namespace kx {

class Canvas;

// The texts of a string grid as cells (column, row), with its column count, each with the value
// it was shown for. Cells beyond the stored ones read as empty; a shorter grid forgets the cells it
// drops, as the window's grid does.
template <int Cols, int Rows> class GridTexts {
public:
    int ColCount() const { return colCount_; }
    void SetColCount(int n) {
        if (n < 1 || n > Cols) throw RangeError();
        for (int c = n; c < colCount_; ++c)
            for (ShownText& t : cells_[static_cast<std::size_t>(c)])
                t.clear();
        colCount_ = n;
    }
    const std::string& Cell(int col, int row) const { return Shown(col, row).Text(); }
    const ShownText& Shown(int col, int row) const {
        static const ShownText empty;
        if (col < 0 || col >= Cols || row < 0 || row >= Rows) return empty;
        return cells_[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }
    // A text typed or written: a new one forgets the value of the old.
    void SetCell(int col, int row, std::string text) { at(col, row) = std::move(text); }
    // A text shown with the value behind it.
    void Show(int col, int row, ShownText text) { at(col, row) = std::move(text); }
    bool operator==(const GridTexts&) const = default;

private:
    ShownText& at(int col, int row) {
        if (col < 0 || col >= Cols || row < 0 || row >= Rows) throw RangeError();
        return cells_[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
    }
    int colCount_ = Cols;
    std::array<std::array<ShownText, Rows>, Cols> cells_{};
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
    // The texts that show a value in a unit keep the exact value behind them.
    ShownText Edit_L;
    std::string Label_L_Std_Unit;
    ShownText lbl_S01_Ixx, lbl_S01_E;
    std::string lbl_S01_Desc, lbl_Ixx, lbl_E;
    bool Frame_SteelCheck = true;
    bool Option_None = true, Option_Check = false, Option_Check_Enabled = true;
    bool Frame_Shear = false;
    bool Check_GA = false;
    ShownText lbl_GA;
    std::string Label_GA_Unit;
    std::string Label_Demo;
    bool Frame_Steel = true;
    std::vector<std::string> List_Sect, List_Props;
    std::string lbl_Group;
    bool Frame_Timber = false;
    ShownText Edit_Timber_W, Edit_Timber_H;
    std::string lbl_Wunit, lbl_Hunit;
    std::vector<std::string> List_TimProps;

    bool operator==(const BeamFormControls&) const = default;
};

// The picture a sketch is drawn on, at its own size.
struct SketchPicture {
    Canvas& canvas;
    int W = 0, H = 0;
};

// The length of the member in grid column col, in mm (a single): the typed text as a number
// (text that is not a number reads as 0) times the length factor.
float SpanGridLength(const BeamFormControls& f, int col);

// The same length as read, before it is held as a single: the commit tests it at full precision.
double SpanCellLength(const BeamFormControls& f, int col);

// No lift height given, whether Edit_L is left empty or reads as 0: a lift this many length units
// high, so that the coupler springs come out close to 0. Beam files have always held it for an
// empty box.
inline constexpr double kNoLiftHeightInLengthUnits = 1e18;
// Lift heights from this many mm on, as 0, stand for none given: the value above in any unit, and
// the 10^11 mm that files hold where "0" was once typed. No lift is that high, and below it every
// lift height has a text of three figures.
inline constexpr float kNoLiftHeightFromMm = 1e9f;
// Whether a lift height (mm) is one the user gave.
bool LiftHeightGiven(float mm);
// The lift height (mm) that stands for none given, in the length unit now in use.
float NoLiftHeight();

} // namespace kx

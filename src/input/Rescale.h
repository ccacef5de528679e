// The conversion of the input windows' texts to new units after a change in the preferences,
// over plain texts: each window hands its unit texts over, gets them back converted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/Preferences.h"
#include "foundation/Units.h"
#include "platform/NumberInput.h"

namespace kx {

enum class RescaleRoutine { SigFig3, SigFig5 };
// Input kinds are typed in the user's unit (internal = shown x factor); output kinds are shown
// in it (shown = internal x factor).
enum class RescaleDirection { Input, Output };

// The windows and fields whose texts keep the exact values behind them (ShownValues).
enum class RescaleForm : std::uint16_t {
    KX_BeamFrm = 1,
    LoadDataFrm,
    KX_GridFrm,
    CantLHFrm,
    SpanFrm,
    CantRHFrm
};
std::uint64_t RescaleKey(RescaleForm form, int field, int index = 0);

// Fields of the beam form.
enum BeamTextField { bfTimberW = 1, bfTimberH, bfGA, bfLiftHeight, bfSpanLength, bfIxx, bfE };
// Fields of a load row (index: the row), and the self-weight's factor (index 0).
enum LoadTextField { lrPL = 1, lrDist, lrUDLS, lrUDLF, lrCover, lrLF };
// Fields of the effective-length windows: the user's own length, and the spaces between the
// restraints of the span form (index: the grid column).
enum EffLengthTextField { elLength = 1, elUserLength, elInterval };

// The key of the beam form's span length in column col of its grid.
std::uint64_t BeamSpanLengthKey(int col);

// One change of units: from OldUnitFactors to the model's factors.
class UnitRescale {
public:
    UnitRescale(const TOldUnitFactors& old, const TUnitSettings& now);
    // The factor of the kind is another than before (both usable): its values are converted.
    bool Changed(TUnitKind kind) const;
    // Converts the text of one field of the kind, when the kind's factor changed. Only a text
    // that is wholly a number is converted, and a blank one becomes the text of 0; any other text
    // ("2,5", "3 m") stays as typed, for its form to refuse or read as 0 as before, never made
    // into another valid number. `converted` may also keep blank texts.
    void Convert(std::string& text, std::uint64_t key, TUnitKind kind,
                 RescaleDirection dir = RescaleDirection::Input,
                 RescaleRoutine routine = RescaleRoutine::SigFig3,
                 NumberPolicy converted = NumberPolicy::RefusedWhenNotANumber);

    // Rebuilds a unit caption as lead + unit text + tail, when the kind's factor changed or the
    // caption does not name the unit now in use.
    void Caption(std::string& text, TUnitKind kind, const char* lead = "", const char* tail = "") const;

private:
    double oldFactor(TUnitKind kind) const;
    double newFactor(TUnitKind kind) const;
    const TOldUnitFactors& old_;
    const TUnitSettings& now_;
};

// The beam form's texts that carry a unit.
struct BeamFormUnitTexts {
    std::string Edit_Timber_W, lbl_Wunit, Edit_Timber_H, lbl_Hunit, lbl_GA, Label_GA_Unit, Edit_L,
        Label_L_Std_Unit;
    std::vector<std::string> SpanLengths; // row 1 of Grid_Spans, columns 1 to its last
    std::string LengthCaption;            // cell (0, 1) of Grid_Spans
    std::string lbl_Ixx, lbl_S01_Ixx, lbl_E, lbl_S01_E;
    bool operator==(const BeamFormUnitTexts&) const = default;
};

// One load row of the load form.
struct LoadRowUnitTexts {
    std::string Edit_PL, Edit_Dist, Edit_UDLS, Edit_UDLF, Edit_Cover;
    bool operator==(const LoadRowUnitTexts&) const = default;
};
struct LoadFormUnitTexts {
    std::string lbl_PL, lbl_PLdist, lbl_UDLS, lbl_UDLF, lbl_Cover;
    Arr<LoadRowUnitTexts, 1, 50> Rows;
    bool operator==(const LoadFormUnitTexts&) const = default;
};

// The user section editor's grid: headings of columns 2 to 6 and the cells of rows 1 to 250.
inline constexpr int kSectionGridRows = 250;
struct SectionGridUnitTexts {
    Arr<std::string, 2, 6> Heading;
    Arr<Arr<std::string, 2, 6>, 1, kSectionGridRows> Cells;
    bool operator==(const SectionGridUnitTexts&) const = default;
};

// An effective-length window's length and its unit caption.
struct EffLengthUnitTexts {
    std::string lbl_Le, UnitCaption;
    bool operator==(const EffLengthUnitTexts&) const = default;
};

// The span form's other lengths: the span's own length with its unit caption, and the spaces
// between restraints (row 1 of Grid_Int, columns 1 to 6) with the caption of their row.
struct SpanLengthUnitTexts {
    std::string lbl_L, Label_1_Unit, IntervalCaption;
    Arr<std::string, 1, 6> Spaces;
    bool operator==(const SpanLengthUnitTexts&) const = default;
};

void RescaleBeamFormTexts(BeamFormUnitTexts& t, UnitRescale& r);
void RescaleLoadFormTexts(LoadFormUnitTexts& t, UnitRescale& r);
void RescaleSectionGridTexts(SectionGridUnitTexts& t, UnitRescale& r);
void RescaleEffLengthTexts(EffLengthUnitTexts& t, RescaleForm form, UnitRescale& r);
void RescaleSpanLengthTexts(SpanLengthUnitTexts& t, UnitRescale& r);

// The beam form's section labels show another section: their texts stand for what they show.
void ForgetSectionTexts();

// The memos forgotten (the windows are cleared for a new beam).
void ForgetRescaledTexts();

} // namespace kx

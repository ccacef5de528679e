// The conversion of the input windows' texts to new units after a change in the preferences,
// over plain texts: each window hands its unit texts over, gets them back converted.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "foundation/Preferences.h"
#include "foundation/ShownText.h"
#include "foundation/Units.h"
#include "platform/NumberInput.h"

namespace kx {

enum class RescaleRoutine { SigFig3, SigFig5 };
// Input kinds are typed in the user's unit (internal = shown x factor); output kinds are shown
// in it (shown = internal x factor).
enum class RescaleDirection { Input, Output };

// One change of units: from OldUnitFactors to the model's factors.
class UnitRescale {
public:
    UnitRescale(const TOldUnitFactors& old, const TUnitSettings& now);
    // The factor of the kind is another than before (both usable): its values are converted.
    bool Changed(TUnitKind kind) const;
    // Converts the text of one field of the kind, when the kind's factor changed, from the exact
    // value behind it when it has one in the old unit. Only a text that is wholly a number is
    // converted, and a blank one becomes the text of 0; any other text ("2,5", "3 m") stays as
    // typed, for its form to refuse or read as 0 as before, never made into another valid number.
    // `converted` may also keep blank texts. The new text keeps the value it stands for.
    void Convert(ShownText& text, TUnitKind kind, RescaleDirection dir = RescaleDirection::Input,
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

// The beam form's texts that carry a unit, the values with the exact values behind them.
struct BeamFormUnitTexts {
    ShownText Edit_Timber_W;
    std::string lbl_Wunit;
    ShownText Edit_Timber_H;
    std::string lbl_Hunit;
    ShownText lbl_GA;
    std::string Label_GA_Unit;
    ShownText Edit_L;
    std::string Label_L_Std_Unit;
    std::vector<ShownText> SpanLengths; // row 1 of Grid_Spans, columns 1 to its last
    std::string LengthCaption;          // cell (0, 1) of Grid_Spans
    std::string lbl_Ixx;
    ShownText lbl_S01_Ixx;
    std::string lbl_E;
    ShownText lbl_S01_E;
    bool operator==(const BeamFormUnitTexts&) const = default;
};

// One load row of the load form.
struct LoadRowUnitTexts {
    ShownText Edit_PL, Edit_Dist, Edit_UDLS, Edit_UDLF, Edit_Cover;
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
    Arr<Arr<ShownText, 2, 6>, 1, kSectionGridRows> Cells;
    bool operator==(const SectionGridUnitTexts&) const = default;
};

// An effective-length window's length and its unit caption.
struct EffLengthUnitTexts {
    ShownText lbl_Le;
    std::string UnitCaption;
    bool operator==(const EffLengthUnitTexts&) const = default;
};

// The span form's other lengths: the span's own length with its unit caption, and the spaces
// between restraints (row 1 of Grid_Int, columns 1 to 6) with the caption of their row.
struct SpanLengthUnitTexts {
    ShownText lbl_L;
    std::string Label_1_Unit, IntervalCaption;
    Arr<ShownText, 1, 6> Spaces;
    bool operator==(const SpanLengthUnitTexts&) const = default;
};

void RescaleBeamFormTexts(BeamFormUnitTexts& t, UnitRescale& r);
void RescaleLoadFormTexts(LoadFormUnitTexts& t, UnitRescale& r);
void RescaleSectionGridTexts(SectionGridUnitTexts& t, UnitRescale& r);
void RescaleEffLengthTexts(EffLengthUnitTexts& t, UnitRescale& r);
void RescaleSpanLengthTexts(SpanLengthUnitTexts& t, UnitRescale& r);

} // namespace kx

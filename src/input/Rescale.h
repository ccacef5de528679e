// The conversion of the input windows' texts to new units after a change in the preferences,
// over plain texts: each window hands its unit texts over, gets them back converted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/Preferences.h"
#include "foundation/Units.h"
#include "platform/NumberInput.h"

namespace kx {

enum class RescaleRoutine { SigFig3, SigFig5 };
// Input kinds are typed in the user's unit (internal = shown x factor); output kinds are shown
// in it (shown = internal x factor).
enum class RescaleDirection { Input, Output };

// What the conversion last wrote into a field, and the exact value (internal units) behind it:
// a text nobody has changed since is converted from that value, so a round trip of units does
// not drift.
struct RescaleMemo {
    std::string written;
    double internal = 0;
    bool operator==(const RescaleMemo&) const = default;
};
struct RescaleState {
    std::unordered_map<std::uint64_t, RescaleMemo> Written;
    bool operator==(const RescaleState&) const = default;
};
extern RescaleState RescaleVars;

// The windows and fields the conversion names its memos by.
enum class RescaleForm : std::uint16_t {
    KX_BeamFrm = 1,
    LoadDataFrm,
    KX_GridFrm,
    CantLHFrm,
    SpanFrm,
    CantRHFrm
};
std::uint64_t RescaleKey(RescaleForm form, int field, int index = 0);

// The exact value (internal units) behind a text the conversion wrote into the field and nobody
// has changed since; nothing for any other text. Readers of a rescaled field take it, so a change
// of units never changes what the field means.
std::optional<double> RescaledValue(std::uint64_t key, const std::string& text);
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

void RescaleBeamFormTexts(BeamFormUnitTexts& t, UnitRescale& r);
void RescaleLoadFormTexts(LoadFormUnitTexts& t, UnitRescale& r);
void RescaleSectionGridTexts(SectionGridUnitTexts& t, UnitRescale& r);
void RescaleEffLengthTexts(EffLengthUnitTexts& t, RescaleForm form, UnitRescale& r);

// The memos forgotten (the windows are cleared for a new beam).
void ForgetRescaledTexts();

} // namespace kx

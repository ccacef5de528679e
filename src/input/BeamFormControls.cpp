// The member lengths of the beam form's spans grid.
#include "input/BeamFormControls.h"

#include "foundation/SharedModel.h"
#include "platform/NumberInput.h"

namespace kx {

// A length the form or a change of units wrote is read from the exact value behind it, so neither
// rounds the beam's members; a text that is not a number reads as 0, which the commit refuses.
double SpanCellLength(const BeamFormControls& f, int col) {
    const ShownText& cell = f.Grid_Spans.Shown(col, 1);
    return cell.Read(Model.UnitFactorLength, ReadNumber(cell, NumberPolicy::ZeroWhenNotANumber));
}

float SpanGridLength(const BeamFormControls& f, int col) {
    return static_cast<float>(SpanCellLength(f, col));
}

bool LiftHeightGiven(float mm) { return mm != 0 && mm < kNoLiftHeightFromMm; }

float NoLiftHeight() { return static_cast<float>(kNoLiftHeightInLengthUnits * Model.UnitFactorLength); }

} // namespace kx

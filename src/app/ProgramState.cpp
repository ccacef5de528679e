// The program-state reset: each state from a blank instance kept on the heap, since some (the
// engine's work state) are megabytes and would not fit a stack temporary.
#include "app/ProgramState.h"

#include <memory>

#include "calculators/Duration.h"
#include "calculators/KX_Cap.h"
#include "calculators/Timber.h"
#include "calculators/Wind.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/Preferences.h"
#include "foundation/SharedModel.h"
#include "input/KX_Beam.h"
#include "input/LoadData.h"
#include "input/Rescale.h"
#include "input/SectionChoice.h"
#include "input/Span.h"
#include "input/TimSect.h"
#include "window/DrawingState.h"
#include "window/Point.h"

namespace kx {

namespace {

template <class T> void resetFromBlank(T& state) {
    static const std::unique_ptr<const T> blank = std::make_unique<const T>();
    state = *blank;
}

} // namespace

void ResetProgramState() {
    resetFromBlank(Model);
    resetFromBlank(Work);
    resetFromBlank(Eng);
    resetFromBlank(Txt);
    resetFromBlank(Drawing);
    resetFromBlank(OldUnitFactors);
    resetFromBlank(LoadDataVars);
    resetFromBlank(PointResults);
    resetFromBlank(BeamFormVars);
    resetFromBlank(SectionChoiceVars);
    ResetPreferencesState();
    resetFromBlank(WindState);
    resetFromBlank(KX_Cap::Cap);
    resetFromBlank(Timber::Calc);
    resetFromBlank(Duration::Dlg);
    resetFromBlank(SpanVars);
    resetFromBlank(RescaleVars);
    resetFromBlank(TimSectVars);
}

} // namespace kx

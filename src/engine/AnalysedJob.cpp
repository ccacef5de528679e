// What the stored results were found for, and the one check of whether they still stand.
#include "engine/AnalysedJob.h"

#include <memory>

#include "foundation/SharedModel.h"
#include "platform/StateRegistry.h"

namespace kx {

namespace {

// The job the stored results were found for, as AnalysedFields gives it; none when no results
// belong to a job.
struct AnalysedJobState {
    std::shared_ptr<const SharedModel> RanOn;
    bool operator==(const AnalysedJobState&) const = default;
};
AnalysedJobState AnalysedJobNow;
KX_REGISTER_STATE(AnalysedJobNow);

// The fields of a job that its results depend on. Blanked are what the analysis writes itself,
// what other windows keep in the model (header, file name, loadcase shown, the calculators'
// values, print choices), the units that no result is given in (neither are they in a beam file),
// the sign the moment diagrams are drawn with, the load drawing's stack, which follows the loads,
// and a load record
// that its loadcase does not apply, unless the loads listing names it (loadcase 1 defines the
// loads listed). A beam file holds no loadcase beyond those analysed, which a commit fills.
std::unique_ptr<SharedModel> AnalysedFields(const SharedModel& m) {
    auto j = std::make_unique<SharedModel>(m);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        j->SpanCount[lc] = 0;
        j->TotalAppliedLoad[lc] = 0;
        j->CaseAppliedLoad[lc] = 0;
    }
    j->LoadcaseCount = 0;
    j->StoredSpanIntervals = 0;
    j->AnalysedFlag = 0;
    j->CheckAbortFlag = 0;
    j->SlendernessRatio = 0;
    j->DepthThicknessRatio = 0;
    j->Pbc = 0;
    static_cast<THeaderTexts&>(*j) = THeaderTexts{};
    static_cast<TVersionTexts&>(*j) = TVersionTexts{};
    for (Str10* text : {&j->UnitTextSectZ, &j->UnitTextSectArea, &j->UnitTextSectLength, &j->UnitTextWeight,
                        &j->UnitTextWarping})
        *text = "";
    j->UnitFactorSectZ = j->UnitFactorSectArea = j->UnitFactorSectLength = j->UnitFactorWeight =
        j->UnitFactorWarping = 0;
    j->ModulusLabelPlasticXX = j->ModulusLabelPlasticYY = j->ModulusLabelElasticXX =
        j->ModulusLabelElasticYY = "";
    j->MomentDiagramSign = 0;
    j->BeamFileName.clear();
    j->CurrentLoadcase = 0;
    j->LoadRowsShown = 0;
    j->ShownCaseMode = 0;
    j->DecimalPlaces = 0;
    j->EnvelopeDivisions = 0;
    j->BeamFormShown = 0;
    j->PointPosition = 0;
    j->CapCheckSettings.fill(0);
    j->TimberCheckMode = "";
    j->TimberK3Bending = j->TimberK3Axial = j->TimberAppliedMoment = j->TimberAppliedAxialLoad = 0;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (TLoadRec& r : j->LoadTable[lc]) {
            if (r[lfApplied] == 1.0f) continue;
            const bool listed = lc == 1 && (r[lfKind] == 1.0f || r[lfKind] == -1.0f);
            if (!listed) r.fill(0);
            r[lfApplied] = 0; // "not applied" is held as -1 or 0 alike
        }
    for (auto& stack : j->UDLStackTable)
        for (TUDLStackRec& r : stack)
            r.fill(0);
    return j;
}

} // namespace

bool SameAnalysedJob(const SharedModel& a, const SharedModel& b) {
    return *AnalysedFields(a) == *AnalysedFields(b);
}

void RecordAnalysedJob() { AnalysedJobNow.RanOn = AnalysedFields(Model); }

void ForgetAnalysedJob() { AnalysedJobNow.RanOn.reset(); }

bool ResultsOfJobNow() { return AnalysedJobNow.RanOn && *AnalysedJobNow.RanOn == *AnalysedFields(Model); }

bool ResultsStand() { return Model.AnalysedFlag == 1 && ResultsOfJobNow(); }

bool ResultsOfAnotherJob() { return AnalysedJobNow.RanOn && !ResultsOfJobNow(); }

} // namespace kx

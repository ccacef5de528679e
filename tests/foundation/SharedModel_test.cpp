// Support positions: the running sums of member lengths that the file, the sketches, the diagrams
// and results at a point all place the supports by.
#include "foundation/SharedModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/ProgramState.h"
#include "foundation/Units.h"

using namespace kx;

TEST(SupportPositions, RunningSumsBySlotWithTheLastSupportCarriedToTheRHEnd) {
    struct Row {
        const char* beam;
        float lh;                 // LH cantilever length
        std::vector<float> spans; // spans 1..n
        float past;               // a length left in every row past the last span
        std::vector<double> want; // slots 0..n, worked by hand
    };
    const Row rows[] = {
        {"three spans, no cantilever", 0, {4000, 2500.5f, 3000}, 0, {0, 4000, 6500.5, 9500.5}},
        {"LH cantilever", 1200, {4000, 4000}, 0, {1200, 5200, 9200}},
        {"one span", 0, {6000}, 0, {0, 6000}},
        {"no spans", 750, {}, 0, {750}},
        {"lengths left past the last span", 300, {1000, 2000}, 9999, {300, 1300, 3300}},
        {"25 spans", 500, std::vector<float>(25, 1000), 0, {500,   1500,  2500,  3500,  4500,  5500,  6500,
                                                            7500,  8500,  9500,  10500, 11500, 12500, 13500,
                                                            14500, 15500, 16500, 17500, 18500, 19500, 20500,
                                                            21500, 22500, 23500, 24500, 25500}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.beam);
        const int n = static_cast<int>(r.spans.size());
        Arr<TMemberRow, 0, 27> members;
        members[kLHCantRow][mfL] = r.lh;
        for (int k = 1; k <= kMaxSpans; ++k)
            members[k][mfL] = k <= n ? r.spans[static_cast<std::size_t>(k - 1)] : r.past;
        members[kRHCantRow][mfL] = 800; // the RH cantilever places no support
        const auto pos = SupportPositions(members, r.lh, n);
        for (int k = 0; k <= kRHEndSupport; ++k)
            EXPECT_EQ(pos[k], r.want[static_cast<std::size_t>(std::min(k, n))]) << "slot " << k;
    }
}

TEST(SupportPositions, SummedInTheCallersType) {
    // 2^24 + 1 holds in a double but rounds back to 2^24 in a single.
    const float L[] = {0, 16777216.0f, 1.0f};
    auto span = [&L](int k) { return L[k]; };
    EXPECT_EQ(SupportPositions(0.0, 2, span)[2], 16777217.0);
    EXPECT_EQ(SupportPositions(0.0f, 2, span)[2], 16777216.0f);
    EXPECT_EQ(SupportPositions(0.0f, 2, span)[kRHEndSupport], 16777216.0f);
}

namespace {

// The bytes a value would be stored as are all zero: numbers 0, texts empty, tables of such.
template <typename T> bool Blank(const T& x) {
    if constexpr (std::is_arithmetic_v<T>)
        return x == T(0);
    else if constexpr (std::is_same_v<T, std::string>)
        return x.empty();
    else if constexpr (requires { T::byteSize; }) {
        std::uint8_t bytes[T::byteSize];
        x.toBytes(bytes);
        return std::all_of(std::begin(bytes), std::end(bytes), [](std::uint8_t b) { return b == 0; });
    } else
        return std::all_of(x.begin(), x.end(), [](const auto& e) { return Blank(e); });
}

} // namespace

// What the program starts with (and every test after the one reset): a job with nothing in it, so
// that a job saved straight away, or a window that shows a committed value before any commit,
// holds zeros there; only the units the forms are shown in are set.
TEST(SharedModelStart, EveryJobVariableIsZeroOrEmptyButTheEightStartingUnits) {
    ResetProgramState();
    const SharedModel& m = Model;
    // clang-format off
#define KX_BLANK(v) {#v, Blank(m.v)},
    const std::pair<const char*, bool> model[] = {
        KX_BLANK(UnitTextStress) KX_BLANK(UnitTextSectZ) KX_BLANK(UnitTextSectArea) KX_BLANK(UnitTextSectLength)
        KX_BLANK(UnitTextWeight) KX_BLANK(UnitTextWarping) KX_BLANK(UnitFactorStress) KX_BLANK(UnitFactorSectZ)
        KX_BLANK(UnitFactorSectArea) KX_BLANK(UnitFactorSectLength) KX_BLANK(UnitFactorWeight)
        KX_BLANK(UnitFactorWarping) KX_BLANK(ModulusLabelPlasticXX) KX_BLANK(ModulusLabelPlasticYY)
        KX_BLANK(ModulusLabelElasticXX) KX_BLANK(ModulusLabelElasticYY) KX_BLANK(MomentDiagramSign)
        KX_BLANK(FactoredLoadsFlag) KX_BLANK(TimberGradeSaved) KX_BLANK(TimberSharingSaved)
        KX_BLANK(TimberMoistureSaved) KX_BLANK(TimberGradeValuesSaved) KX_BLANK(TimberDurationSaved)
        KX_BLANK(TimberWidthSaved) KX_BLANK(TimberDepthSaved) KX_BLANK(TimberPermMomentSaved)
        KX_BLANK(TimberPermShearSaved) KX_BLANK(TimberResultLinesSaved) KX_BLANK(VersionNumber)
        KX_BLANK(VersionSuffix) KX_BLANK(FileTag) KX_BLANK(HeaderCompany) KX_BLANK(HeaderUser)
        KX_BLANK(HeaderProject1) KX_BLANK(HeaderProject2) KX_BLANK(HeaderJobDesc) KX_BLANK(HeaderJobRef)
        KX_BLANK(BeamLength) KX_BLANK(SpanCount) KX_BLANK(SpanData) KX_BLANK(SupportType)
        KX_BLANK(SupportStiffness) KX_BLANK(LiftHeight) KX_BLANK(LoadTable) KX_BLANK(UDLStackTable)
        KX_BLANK(CaseHasLoads) KX_BLANK(LoadcaseCount) KX_BLANK(CurrentLoadcase) KX_BLANK(LoadRowsShown)
        KX_BLANK(TotalAppliedLoad) KX_BLANK(CaseAppliedLoad) KX_BLANK(SteelSectionFlag)
        KX_BLANK(FactoredLoadsUnasked) KX_BLANK(SectionShape) KX_BLANK(MemberType) KX_BLANK(SectionFamilyCode)
        KX_BLANK(SectionDescription) KX_BLANK(SectionPropLines) KX_BLANK(SectionTextLines)
        KX_BLANK(FlangeThickness) KX_BLANK(WebThickness) KX_BLANK(SectionSpare) KX_BLANK(EffLength)
        KX_BLANK(RestraintPos) KX_BLANK(EffLengthText) KX_BLANK(EffLengthMemberLength)
        KX_BLANK(AnySpanIntervals) KX_BLANK(SpanOptPos) KX_BLANK(SpanOptDead) KX_BLANK(SpanOptFull)
        KX_BLANK(SpanOptPartial) KX_BLANK(SpanOptNot) KX_BLANK(SpanOpt12) KX_BLANK(SpanOptRestrained)
        KX_BLANK(SpanOptEdit) KX_BLANK(SpanOptInt) KX_BLANK(CantLHOpts) KX_BLANK(CantRHOpts)
        KX_BLANK(SlendernessRatio) KX_BLANK(DepthThicknessRatio) KX_BLANK(Pbc) KX_BLANK(CapCheckSettings)
        KX_BLANK(StoredSpanIntervals) KX_BLANK(AnalysedFlag) KX_BLANK(ShownCaseMode) KX_BLANK(CheckAbortFlag)
        KX_BLANK(DecimalPlaces) KX_BLANK(EnvelopeDivisions) KX_BLANK(BeamFileName) KX_BLANK(BeamFormShown)
        KX_BLANK(PointPosition) KX_BLANK(TimberCheckMode) KX_BLANK(TimberK3Bending) KX_BLANK(TimberK3Axial)
        KX_BLANK(TimberAppliedMoment) KX_BLANK(TimberAppliedAxialLoad)};
#undef KX_BLANK
    // clang-format on
    for (const auto& [field, blank] : model)
        EXPECT_TRUE(blank) << field;

    // The shown value of a kind is its stored one (mm, N, N mm) times the factor.
    const std::tuple<TUnitKind, const char*, float> units[] = {
        {TUnitKind::Length, "m", 1000},         // 1 m = 1000 mm
        {TUnitKind::Force, "kN", 1000},         // 1 kN = 1000 N
        {TUnitKind::UDL, "kN/m", 1},            // 1 kN/m = 1000 N / 1000 mm = 1 N/mm
        {TUnitKind::SectE, "N/mm^2", 1},        // stored in N/mm^2
        {TUnitKind::SectI, "cm^4", 10000},      // 1 cm^4 = 10^4 mm^4
        {TUnitKind::Shear, "kN", 0.001f},       // N x 0.001 = kN
        {TUnitKind::Moment, "kN-m", 0.000001f}, // N mm x 10^-6 = kN m
        {TUnitKind::Deflection, "mm", 1},       // stored in mm
    };
    for (const auto& [kind, text, factor] : units) {
        EXPECT_EQ(UnitText(Model, kind).str(), text) << text;
        EXPECT_EQ(UnitFactor(Model, kind), factor) << text;
    }

    // The beam form's working copies start with one span and nothing else.
    const WorkingCopies& w = Work;
    EXPECT_EQ(w.WorkSpanCount, 1);
    // clang-format off
#define KX_BLANK(v) {#v, Blank(w.v)},
    const std::pair<const char*, bool> work[] = {
        KX_BLANK(WorkSpanData) KX_BLANK(WorkSupportType) KX_BLANK(WorkSupportStiffness) KX_BLANK(WorkLiftHeight)
        KX_BLANK(WorkBeamLength) KX_BLANK(WorkLoads) KX_BLANK(ApplyFlags) KX_BLANK(UDLStack)
        KX_BLANK(EffLengthWork) KX_BLANK(RestraintPosWork) KX_BLANK(EffLengthTextWork)
        KX_BLANK(EffLengthMemberLengthWork) KX_BLANK(SpanOptPosWork) KX_BLANK(SpanOptDeadWork)
        KX_BLANK(SpanOptFullWork) KX_BLANK(SpanOptPartialWork) KX_BLANK(SpanOptNotWork) KX_BLANK(SpanOpt12Work)
        KX_BLANK(SpanOptRestrainedWork) KX_BLANK(SpanOptEditWork) KX_BLANK(SpanOptIntWork)
        KX_BLANK(CantLHOptsWork) KX_BLANK(CantRHOptsWork) KX_BLANK(WorkFlangeThickness)
        KX_BLANK(WorkWebThickness) KX_BLANK(WorkSectionShape) KX_BLANK(WorkSectionText) KX_BLANK(WorkMemberType)
        KX_BLANK(SectionFamily) KX_BLANK(WorkSectionPropLines) KX_BLANK(WorkSectionTextLines)
        KX_BLANK(SectionRecordNo) KX_BLANK(TimberGradeName) KX_BLANK(TimberSharingCode)
        KX_BLANK(TimberMoistureCode) KX_BLANK(TimberDurationCode) KX_BLANK(TimberGradeValues)
        KX_BLANK(TimberWidth) KX_BLANK(TimberDepth) KX_BLANK(TimberPermMoment) KX_BLANK(TimberPermShear)
        KX_BLANK(TimberResultLines)};
#undef KX_BLANK
    // clang-format on
    for (const auto& [field, blank] : work)
        EXPECT_TRUE(blank) << field;
}

// Beam-file tests and fuzz seeds: the file layout added up from the size of each field, apart from
// the writer so that a field it moves shows, access to file images, and jobs to write.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "window/DrawingState.h"
#include "window/IndexJobs.h"

namespace kxtest {

using namespace kx;
using Bytes = std::vector<std::uint8_t>;
static_assert(std::endian::native == std::endian::little, "file images are read in place");

// Start of every field 1..56, and at 57 the file size, for NLC loadcases, NS spans, NI intervals
// and `lines` text lines stored in fields 49 to 52 together.
inline std::array<std::size_t, 58> KxfLayout(int NLC, int NS, int NI, int lines) {
    const std::size_t n = NLC, s = NS, p = NI + 1, t = lines;
    // clang-format off
    const std::size_t sizes[] = {
        26, 26, 26, 606, 24, 4, 4, 4, 4, 2508, 20, 101, 63, 99, 36, 208, 4, 20, 4, 1344, 96, 48, 8, 2240, 108, // 1..25
        1632 * n, 60, s * p * 8 * n, s * 84 * n, 2 * p * 8 * n, 176 * n, 80, 200 * (n + 1),                   // 26..33
        16, 32, 88, 936, 1296, 1080, 702, 4, 6717, 106, 1600 * n, 4, 3111, 108, 431,                          // 34..48
        76 * t, 0, 0, 0, 24038, 3876, 8, 2600};                                                               // 49..56
    // clang-format on
    std::array<std::size_t, 58> start{};
    for (int f = 1; f <= 56; ++f)
        start[f + 1] = start[f] + sizes[f - 1];
    return start;
}

template <class T> T At(const Bytes& b, std::size_t off) {
    T v;
    std::memcpy(&v, &b.at(off + sizeof(T) - 1) + 1 - sizeof(T), sizeof(T));
    return v;
}
inline std::string StrAt(const Bytes& b, std::size_t off) {
    return std::string(reinterpret_cast<const char*>(&b.at(off + 1)), b.at(off));
}

// A value in a file image: a 4-byte integer, a single, a double, a string (length byte and
// characters) or one raw byte.
using FileValue = std::variant<std::int32_t, float, double, std::string, std::uint8_t>;

// The image with one value put at off.
inline Bytes With(Bytes b, std::size_t off, const FileValue& value) {
    std::visit(
        [&](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::string>) {
                b.at(off) = static_cast<std::uint8_t>(v.size());
                std::memcpy(&b.at(off + v.size()) + 1 - v.size(), v.data(), v.size());
            } else {
                std::memcpy(&b.at(off + sizeof(T) - 1) + 1 - sizeof(T), &v, sizeof(T));
            }
        },
        value);
    return b;
}

// Line 0 of a table says `count`, and that many lines follow, named after the table.
template <class Table> void SetLines(Table& t, int count, const std::string& name) {
    t[0] = std::to_string(count);
    for (int i = 1; i <= count; ++i)
        t[i] = name + " " + std::to_string(i);
}

// LH and RH cantilevers on forkheads; loadcase 2 lifts support 3 off its forkhead; loadcase 3
// has a load standing on support 2 and loads with factors.
inline BeamBuilder ForkheadTestBeam() {
    return BeamBuilder()
        .LHCantilever(1000)
        .Spans({4000, 4000, 4000})
        .RHCantilever(1500)
        .AllSupports(supForkhead)
        .Udl(1, 0, 10, 14500, 1.4f)
        .Udl(2, 1000, 20, 4000)
        .Point(2, 500, 2000)
        .Point(3, 5000, 30000, 1.6f)
        .Distributed(3, 9000, 5, 15, 6500, 1.2f)
        .Point(3, 14500, 4000);
}

// Two 3 m spans of the section of SetSteelSection (Ixx 473 cm^4, Zxx = 473 / 6.35 = 74.5 cm^3):
// loadcase 1 fails in bending (wL^2/8 = 28 kN m at the middle support), loadcase 2 in bending and
// shear (150 kN beside a support, Vp = 110 N/mm^2 x 508 mm^2 = 55.9 kN), loadcase 3 passes.
inline BeamBuilder FailingSteelCheckBeam() {
    return BeamBuilder()
        .Spans({3000, 3000})
        .AllSupports(supFixed)
        .Section(205000, 4.73e6f)
        .Udl(1, 0, 25, 6000)
        .Point(2, 100, 150000)
        .Udl(3, 0, 2, 6000);
}

// "127 x 76 UB 13" checked to BS 5975, effective length = member length, span 2 restrained
// at 1000 and 2500 mm.
inline void SetSteelSection() {
    SharedModel& m = Model;
    m.SteelSectionFlag = 1;
    m.MemberType = "HRS";
    m.SectionShape = "Beam";
    m.SectionFamilyCode = "UB";
    m.SectionDescription = "127 x 76 UB 13";
    m.SectionPropLines[0] = "1";
    m.SectionPropLines[1] = " 127 x 76 UB 13";
    m.FlangeThickness = 7.6f;
    m.WebThickness = 4;
    for (int r = 0; r <= kRHCantRow; ++r) {
        m.SpanData[r][mfY] = 63.5f;
        m.SpanData[r][mfShearArea] = 508;
        m.SpanData[r][mfRy] = 18.369f;
        m.SpanData[r][mfDT] = 16.711f;
        m.SpanData[r][mfSteelDepth] = 127;
        m.EffLength[r][0] = m.EffLengthMemberLength[r] = m.SpanData[r][mfL];
        m.EffLengthText[r] = "1.0L";
    }
    m.SpanOptNot[1] = m.SpanOptInt[2] = m.AnySpanIntervals = 1;
    m.EffLength[2][kIntervalCountField] = 2;
    m.EffLength[2][1] = 1000;
    m.EffLength[2][2] = 1500;
    m.RestraintPos[2][1] = 50;
    m.RestraintPos[2][2] = 75;
    m.EffLengthText[2] = "2 support(s)";
}

// Commits the beam (setUp, when given, completes it: a section, effective lengths) with what
// start-up and the input windows leave in every job, and analyses it.
inline void AnalyseAsSaved(const BeamBuilder& beam, const std::function<void()>& setUp, AnalysisHost& host) {
    beam.Commit();
    if (setUp) setUp();
    Model.HeaderCompany = "Acme Temporary Works";
    AnalyseCommitted(1, &host);
}

// Text lines the job stores in fields 49 to 52: the support lines of its loadcases, then the
// capacity, steel and timber check lines of slots 0..LoadcaseCount.
inline int StoredLineCount() {
    int n = 0;
    for (int c = 0; c <= Model.LoadcaseCount; ++c)
        n += (c > 0 ? LineCount(Txt.CaseSupportLines[c]) : 0) + LineCount(Txt.KxCheckLines[c]) +
             LineCount(Txt.SteelCheckLines[c]) + LineCount(Txt.TimberCheckLines[c]);
    return n;
}

// The forkhead beam analysed with the steel check, and a value in fields of each kind that the
// analysis leaves alone: a header, the steel calculator, the timber section, sketch lengths.
inline void SetUpJob() {
    ResetProgramState();
    NullAnalysisHost host;
    AnalyseAsSaved(ForkheadTestBeam(), SetSteelSection, host);
    Model.HeaderJobRef = "JR-7";
    Model.SectionSpare = 0x5A5A;
    Model.DepthThicknessRatio = 17.1f;
    Model.TimberGradeSaved = "C24";
    Model.TimberPermShearSaved = 7000;
    SetLines(Model.TimberResultLinesSaved, 50, "R"); // the count line is not stored
    Model.SectionTextLines[41] = "T41";
    Model.CantRHOpts[10] = Model.SpanOptEdit[3] = 1;
    Drawing.DrawnMemberLength[26] = 1026;
    Model.UDLStackTable[3][50][7] = 3;
    Model.LiftHeight = 2000;
    SetLines(Txt.CaseSupportLines[4], 4, "not stored"); // beyond the loadcases
}

// Makes x differ from what it holds, element by element: numbers, texts (their first character),
// and every element of an array or text table.
template <class T> void Perturb(T& x) {
    if constexpr (std::is_floating_point_v<T>)
        x = x == 0 ? T(7) : -2 * x;
    else if constexpr (std::is_integral_v<T>)
        x ^= 1;
    else if constexpr (requires { T::capacity; }) {
        std::string s = x.str();
        if (s.empty())
            s = "~";
        else
            s[0] = s[0] == '~' ? '!' : '~';
        x = s;
    } else
        for (auto& element : x)
            Perturb(element);
}

// Every variable the file holds, whole, and the two a read works out from it (NumSpanIntervals,
// ReleasedSupport).
// clang-format off
#define KXF_MODEL_VARS(X) X(VersionNumber) X(VersionSuffix) X(FileTag) X(HeaderCompany) X(HeaderUser)            \
    X(HeaderProject1) X(HeaderProject2) X(HeaderJobDesc) X(HeaderJobRef) X(SpanCount) X(LoadcaseCount)          \
    X(CurrentLoadcase) X(StoredSpanIntervals) X(SectionDescription) X(SectionShape) X(MemberType)               \
    X(SectionFamilyCode) X(UnitTextLength) X(UnitTextForce) X(UnitTextUDL) X(UnitTextSectE) X(UnitTextSectI)    \
    X(UnitTextShear) X(UnitTextMoment) X(UnitTextDeflection) X(UnitTextStress) X(UnitFactorLength)              \
    X(UnitFactorForce) X(UnitFactorUDL) X(UnitFactorSectE) X(UnitFactorSectI) X(UnitFactorShear)                \
    X(UnitFactorMoment) X(UnitFactorDeflection) X(UnitFactorStress) X(SupportType) X(SupportStiffness)          \
    X(LoadRowsShown) X(TotalAppliedLoad) X(SteelSectionFlag) X(BeamLength) X(SpanData) X(EffLengthMemberLength) \
    X(LoadTable) X(CaseHasLoads) X(CaseAppliedLoad) X(AnalysedFlag) X(FlangeThickness) X(SectionSpare)          \
    X(WebThickness) X(CapCheckSettings) X(DepthThicknessRatio) X(SlendernessRatio) X(Pbc) X(CantLHOpts)         \
    X(CantRHOpts) X(SpanOptPos) X(SpanOptDead) X(SpanOptFull) X(SpanOptPartial) X(SpanOptNot) X(SpanOpt12)      \
    X(SpanOptRestrained) X(SpanOptInt) X(SpanOptEdit) X(EffLength) X(RestraintPos) X(EffLengthText)             \
    X(AnySpanIntervals) X(TimberGradeSaved) X(SectionTextLines) X(TimberResultLinesSaved) X(TimberSharingSaved) \
    X(TimberMoistureSaved) X(TimberGradeValuesSaved) X(TimberDurationSaved) X(TimberWidthSaved)                 \
    X(TimberDepthSaved) X(TimberPermMomentSaved) X(TimberPermShearSaved) X(UDLStackTable) X(ShownCaseMode)      \
    X(SectionPropLines) X(LiftHeight) X(FactoredLoadsFlag)
#define KXF_ENGINE_VARS(X) X(ResultIntervalStep) X(CaseCheckFailures) X(LoadcaseSpanLength) X(CantileverLength)    \
    X(LHCantileverActive) X(RHCantileverActive) X(StoredShear) X(StoredMoment) X(StoredDeflection)              \
    X(StoredCantShear) X(StoredCantMoment) X(StoredCantDeflection) X(StoredCantEndA) X(StoredCantEndB)          \
    X(SpanMaxMoment) X(SpanMinMoment) X(NumSpanIntervals) X(ReleasedSupport)
#define KXF_TEXT_VARS(X) X(CaseListing) X(CaseLoadLines) X(CaseSupportLines) X(KxCheckLines) X(SteelCheckLines) \
    X(TimberCheckLines) X(CaseMaxStressLines) X(MaxStressLine) X(SummaryLines) X(LoadListLines)                 \
    X(PointLoadListLines) X(MaximaLines)
// clang-format on

// Every variable the beam file holds, in the program, made to differ from what it holds.
inline void PerturbFileVariables() {
#define PERTURB_MODEL(v) Perturb(Model.v);
#define PERTURB_ENGINE(v) Perturb(Eng.v);
#define PERTURB_TEXT(v) Perturb(Txt.v);
    KXF_MODEL_VARS(PERTURB_MODEL)
    KXF_ENGINE_VARS(PERTURB_ENGINE)
    KXF_TEXT_VARS(PERTURB_TEXT)
    Perturb(Drawing.DrawnMemberLength);
#undef PERTURB_MODEL
#undef PERTURB_ENGINE
#undef PERTURB_TEXT
}

} // namespace kxtest

// The committed beam model that every window, the analysis, the listings, printing and the beam
// file share, and the working copies that the input windows edit before they commit.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Arr.h"
#include "platform/ShortString.h"

namespace kx {

using int32 = std::int32_t;

// Member rows: 0 LH cantilever, 1..25 spans, 26 RH cantilever, 27 beam-wide flags (SpanData only).
inline constexpr int kLHCantRow = 0;
inline constexpr int kRHCantRow = 26;
inline constexpr int kFlagsRow = 27;
inline constexpr int kMaxSpans = 25;
inline constexpr int kMaxLoadcases = 5;
inline constexpr int kSelfWeightRecord = 51;
// The support slot of the RH end, whatever the number of spans: SupportType[0] is the LH end,
// [1..n - 1] the interior supports.
inline constexpr int kRHEndSupport = 25;

// Fields of a member row (20 singles).
enum MemberField : int {
    mfExists = 0,
    mfL = 1,
    mfE = 2,
    mfIxx = 3,
    mfY = 4,
    mfArea = 5,
    mfShearArea = 6,
    mfRy = 7,
    mfDT = 8,
    mfSteelDepth = 9,
    mfGA = 11,
    mfPermShear = 12,
    mfPermMoment = 13,
    mfTimberDepth = 15,
    mfTimberWidth = 16,
};
// Row 27, field 11: 1.0 runs the shear-deflection pass, -1.0 does not.
inline constexpr int kShearDeflectionField = 11;

using TMemberRow = Arr<float, 0, 19>;

// Support codes: 0 none, 1 vertically fixed, 2 fixed end, 3 forkhead, 4 coupler "Top", 5 coupler "Mid".
using TSupportCode = int32;
enum SupportKind : int32 {
    supNone = 0,
    supFixed = 1,
    supFixedEnd = 2,
    supForkhead = 3,
    supCouplerTop = 4,
    supCouplerMid = 5,
};

// One load, 8 singles.
using TLoadRec = Arr<float, 0, 7>;
enum LoadField : int {
    lfKind = 0, // 1.0 point, -1.0 distributed, 0 not in use
    lfDist = 1, // from the LH end of the beam, mm
    lfP = 2,    // point load N, or start rate N/mm
    lfW1 = 2,
    lfW2 = 3,      // finish rate N/mm
    lfCover = 4,   // loaded length, mm
    lfLF = 5,      // load factor
    lfApplied = 6, // exactly 1.0 = applied
    lfSpare = 7,
};

// One distributed load of the stacked-load drawing: X1, W1, LF, W1Sum, then X2, W2, LF, W2Sum.
using TUDLStackRec = Arr<float, 0, 7>;
enum UDLStackField : int {
    usX1 = 0,
    usW1 = 1,
    usLF1 = 2,
    usW1Sum = 3,
    usX2 = 4,
    usW2 = 5,
    usLF2 = 6,
    usW2Sum = 7
};

// Effective length of a member row: [0] Le, [1..n] interval lengths, [11] n.
using TEffLengthRec = Arr<float, 0, 11>;
inline constexpr int kIntervalCountField = 11;

// Eleven cantilever option flags, in this order.
using TCantOpt = Arr<int32, 0, 10>;
enum CantOptField : int {
    coRestrained = 0,
    coNormal,
    coDestabilizing,
    coSupportLateral,
    coSupportPartial,
    coSupportBoth,
    coEndBoth,
    coEndTorsion,
    coEndTop,
    coEndFree,
    coEdit,
};

using SpanFlags = Arr<int32, 0, 25>;

using Str10 = ShortString<10>;
using Str25 = ShortString<25>;
using Str50 = ShortString<50>;
using Str60 = ShortString<60>;
using Str100 = ShortString<100>;

// The user's units: a text and a factor per kind, the modulus labels, the moment sign and
// the factored-loads switch.
struct TUnitSettings {
    Str10 UnitTextLength, UnitTextForce, UnitTextUDL, UnitTextSectE, UnitTextSectI, UnitTextShear,
        UnitTextMoment, UnitTextDeflection, UnitTextStress, UnitTextSectZ, UnitTextSectArea,
        UnitTextSectLength, UnitTextWeight, UnitTextWarping;
    float UnitFactorLength = 0, UnitFactorForce = 0, UnitFactorUDL = 0, UnitFactorSectE = 0,
          UnitFactorSectI = 0, UnitFactorShear = 0, UnitFactorMoment = 0, UnitFactorDeflection = 0,
          UnitFactorStress = 0, UnitFactorSectZ = 0, UnitFactorSectArea = 0, UnitFactorSectLength = 0,
          UnitFactorWeight = 0, UnitFactorWarping = 0;
    Str25 ModulusLabelPlasticXX, ModulusLabelPlasticYY, ModulusLabelElasticXX, ModulusLabelElasticYY;
    int32 MomentDiagramSign = 0;
    int32 FactoredLoadsFlag = 0;
    bool operator==(const TUnitSettings&) const = default;
};

struct TTimberSection {
    Str25 TimberGradeSaved, TimberSharingSaved, TimberMoistureSaved;
    Arr<float, 0, 2> TimberGradeValuesSaved; // bending stress, shear stress, E (N/mm^2)
    Str25 TimberDurationSaved;
    float TimberWidthSaved = 0, TimberDepthSaved = 0;          // mm
    float TimberPermMomentSaved = 0, TimberPermShearSaved = 0; // N mm, N
    Arr<Str50, 0, 50> TimberResultLinesSaved;                  // line 0 = count as text
    bool operator==(const TTimberSection&) const = default;
};

struct TVersionTexts {
    Str25 VersionNumber, VersionSuffix, FileTag;
    bool operator==(const TVersionTexts&) const = default;
};

struct THeaderTexts {
    Str100 HeaderCompany, HeaderUser, HeaderProject1, HeaderProject2, HeaderJobDesc, HeaderJobRef;
    bool operator==(const THeaderTexts&) const = default;
};

// The committed model. Each member is named as the program's modules name the variable.
struct SharedModel : TUnitSettings, TTimberSection, TVersionTexts, THeaderTexts {
    double BeamLength = 0;      // mm; 0 = no beam
    Arr<int32, 0, 5> SpanCount; // [0] committed spans; [lc] left after released forkheads
    Arr<TMemberRow, 0, 27> SpanData;
    Arr<TSupportCode, 0, 25> SupportType;
    Arr<float, 0, 25> SupportStiffness; // coupler springs, N mm/rad
    float LiftHeight = 0;               // mm
    Arr<Arr<TLoadRec, 1, 51>, 1, 5> LoadTable;
    Arr<Arr<TUDLStackRec, 1, 50>, 1, 5> UDLStackTable;
    Arr<int32, 0, 5> CaseHasLoads;
    int32 LoadcaseCount = 0;
    int32 CurrentLoadcase = 0;
    int32 LoadRowsShown = 0;
    Arr<float, 1, 5> TotalAppliedLoad; // N
    Arr<double, 1, 5> CaseAppliedLoad; // N; stored in the beam file only
    int32 SteelSectionFlag = 0;        // 0 none, -1 steel unchecked, 1 checked to BS 5975
    // Factored loads were turned on in the preferences and the BS 5975 check's question about them
    // has not been asked since; not stored in the beam file.
    bool FactoredLoadsUnasked = false;
    Str25 SectionShape;
    Str10 MemberType;
    Str25 SectionFamilyCode;
    Str100 SectionDescription;
    Arr<Str60, 0, 50> SectionPropLines;          // line 0 = count as text
    Arr<Str100, 1, 41> SectionTextLines;         // always empty; kept for the beam file
    float FlangeThickness = 0, WebThickness = 0; // mm
    int32 SectionSpare = 0;                      // stored and restored unchanged
    Arr<TEffLengthRec, 0, 26> EffLength;
    Arr<Arr<int32, 1, 10>, 0, 26> RestraintPos; // 1/200ths of the member length
    Arr<Str25, 0, 26> EffLengthText;
    Arr<float, 0, 26> EffLengthMemberLength;
    int32 AnySpanIntervals = 0;
    SpanFlags SpanOptPos, SpanOptDead, SpanOptFull, SpanOptPartial, SpanOptNot, SpanOpt12, SpanOptRestrained,
        SpanOptEdit, SpanOptInt;
    TCantOpt CantLHOpts, CantRHOpts;
    float SlendernessRatio = 0;    // l/ry input of the table A1 look-up
    float DepthThicknessRatio = 0; // D/T input of the table A1 look-up
    float Pbc = 0;                 // N/mm^2, its output
    Arr<int32, 0, 4> CapCheckSettings;
    int32 StoredSpanIntervals = 0;
    int32 AnalysedFlag = 0;
    int32 ShownCaseMode = 0;
    int32 CheckAbortFlag = 0;
    int32 DecimalPlaces = 0;
    int32 EnvelopeDivisions = 0;
    std::string BeamFileName; // the whole path: it is not stored in the beam file
    int32 BeamFormShown = 0;
    float PointPosition = 0;
    // Shared with the timber calculator's load-duration dialog.
    Str25 TimberCheckMode;
    float TimberK3Bending = 0, TimberK3Axial = 0, TimberAppliedMoment = 0, TimberAppliedAxialLoad = 0;
    bool operator==(const SharedModel&) const = default;
};

// The working copies of the input windows; only a commit copies them into the model.
struct WorkingCopies {
    Arr<TMemberRow, 0, 27> WorkSpanData;
    int32 WorkSpanCount = 1; // the beam form starts with one span
    Arr<TSupportCode, 0, 25> WorkSupportType;
    Arr<float, 0, 25> WorkSupportStiffness;
    float WorkLiftHeight = 0; // a very large lift when none is given
    float WorkBeamLength = 0;
    Arr<TLoadRec, 1, 51> WorkLoads;
    Arr<Arr<float, 1, 51>, 1, 5> ApplyFlags;
    Arr<Arr<TUDLStackRec, 1, 50>, 1, 5> UDLStack;
    Arr<TEffLengthRec, 0, 26> EffLengthWork;
    Arr<Arr<int32, 1, 10>, 0, 26> RestraintPosWork;
    Arr<Str25, 0, 26> EffLengthTextWork;
    // The member length (mm) each working effective length was worked out for; committed with it.
    Arr<float, 0, 26> EffLengthMemberLengthWork;
    SpanFlags SpanOptPosWork, SpanOptDeadWork, SpanOptFullWork, SpanOptPartialWork, SpanOptNotWork,
        SpanOpt12Work, SpanOptRestrainedWork, SpanOptEditWork, SpanOptIntWork;
    TCantOpt CantLHOptsWork, CantRHOptsWork;
    float WorkFlangeThickness = 0, WorkWebThickness = 0;
    std::string WorkSectionShape, WorkSectionText, WorkMemberType, SectionFamily;
    Arr<std::string, 0, 50> WorkSectionPropLines; // entry 0 = count as text
    Arr<std::string, 1, 41> WorkSectionTextLines; // never filled; committed for the beam file
    int32 SectionRecordNo = 0;                    // the picked record's place in its section file
    // The timber section form's choice, committed with the beam.
    Str25 TimberGradeName, TimberSharingCode, TimberMoistureCode, TimberDurationCode;
    Arr<float, 0, 2> TimberGradeValues;              // bending stress, shear stress, E (N/mm^2)
    float TimberWidth = 0, TimberDepth = 0;          // mm
    float TimberPermMoment = 0, TimberPermShear = 0; // N mm, N
    Arr<Str50, 0, 50> TimberResultLines;             // line 0 = count as text
    bool operator==(const WorkingCopies&) const = default;
};

extern SharedModel Model;
extern WorkingCopies Work;

} // namespace kx

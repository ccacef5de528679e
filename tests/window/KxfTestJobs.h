// Beam jobs with a distinct value in every field of the beam file, for the tests and the fuzz seeds.
#pragma once

#include <functional>
#include <string>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/EngineState.h"
#include "foundation/SharedModel.h"
#include "foundation/Units.h"
#include "window/DrawingState.h"
#include "window/ResultText.h"

namespace kxtest {

using namespace kx;

inline constexpr int kNLC = 2, kNS = 3, kNI = 40;
// Text lines stored in fields 49 to 52 by the job below.
inline constexpr int kStoredLines = 12;

inline void ResetAll() {
    ResetSharedModelToStart();
    Eng = EngineState{};
    Txt = ResultTextTables{};
    Drawing = DrawingState{};
}

inline float StoreValue(int lc, int s, int p) {
    return static_cast<float>(lc * 100000 + s * 1000 + p) + 0.25f;
}

// A job with a distinct value in every field: two loadcases (the second without loads), three
// spans and a LH cantilever on forkheads, support 3 released in loadcase 1, 40 intervals.
inline void SetUpJob() {
    ResetAll();
    SharedModel& m = Model;
    m.VersionNumber = "1.3";
    m.VersionSuffix = ".1";
    m.FileTag = "MBS";
    m.HeaderCompany = "Acme Temporary Works";
    m.HeaderUser = "J. Smith";
    m.HeaderProject1 = "Bridge 4";
    m.HeaderProject2 = "North abutment";
    m.HeaderJobDesc = "Falsework beam";
    m.HeaderJobRef = "JR-7";
    m.SpanCount[0] = kNS;
    m.SpanCount[1] = 2;
    for (int lc = 2; lc <= 5; ++lc)
        m.SpanCount[lc] = kNS;
    m.LoadcaseCount = kNLC;
    m.CurrentLoadcase = 2;
    m.StoredSpanIntervals = kNI;
    Eng.ResultIntervalStep = 2;

    Txt.CaseListing[1][0] = "12";
    Txt.CaseListing[2][0] = "2";
    Txt.CaseLoadLines[1][0] = "14";
    Txt.CaseLoadLines[2][0] = "9";
    const char* support1[] = {"SUPPORTS", " Support   Factored Reaction", " No             (kN)"};
    Txt.CaseSupportLines[1][0] = "3";
    for (int i = 1; i <= 3; ++i)
        Txt.CaseSupportLines[1][i] = support1[i - 1];
    Txt.CaseSupportLines[2][0] = "2";
    Txt.CaseSupportLines[2][1] = "SUPPORTS";
    Txt.CaseSupportLines[2][2] = "case 2 line 2";
    Txt.CaseSupportLines[3][0] = "4"; // loadcase 3 is beyond the count: its lines are not stored
    Txt.CaseSupportLines[3][1] = "not stored";
    Txt.KxCheckLines[0][0] = "1";
    Txt.KxCheckLines[0][1] = "kx envelope";
    Txt.KxCheckLines[1][0] = "2";
    Txt.KxCheckLines[1][1] = "kx 1 a";
    Txt.KxCheckLines[1][2] = "kx 1 b";
    Txt.SteelCheckLines[1][0] = "2";
    Txt.SteelCheckLines[1][1] = "steel 1 a";
    Txt.SteelCheckLines[1][2] = "steel 1 b";
    Txt.SteelCheckLines[2][0] = "1";
    Txt.SteelCheckLines[2][1] = "steel 2 a";
    Txt.SteelCheckLines[5][0] = "7";
    Txt.TimberCheckLines[2][0] = "1";
    Txt.TimberCheckLines[2][1] = "timber 2 a";

    const int failures[] = {-1, -2, 0, 0, -3};
    for (int lc = 1; lc <= 5; ++lc)
        Eng.CaseCheckFailures[lc] = failures[lc - 1];
    m.SectionDescription = "203 x 133 UB 25";
    m.SectionShape = "Beam";
    m.MemberType = "HRS";
    m.SectionFamilyCode = "UB";
    m.UnitTextLength = "m";
    m.UnitTextForce = "kN";
    m.UnitTextUDL = "kN/m";
    m.UnitTextSectE = "N/mm^2";
    m.UnitTextSectI = "cm^4";
    m.UnitTextShear = "kN";
    m.UnitTextMoment = "kN-m";
    m.UnitTextDeflection = "mm";
    m.UnitTextStress = "N/mm^2";
    m.UnitTextSectZ = "cm^3"; // not in the file
    m.UnitFactorLength = 1000;
    m.UnitFactorForce = 1000;
    m.UnitFactorUDL = 1;
    m.UnitFactorSectE = 1;
    m.UnitFactorSectI = 10000;
    m.UnitFactorShear = 0.001f;
    m.UnitFactorMoment = 1e-6f;
    m.UnitFactorDeflection = 1;
    m.UnitFactorStress = 1;
    for (int k : {0, 1, 2, 25})
        m.SupportType[k] = supForkhead;
    for (int k = 0; k <= 25; ++k)
        m.SupportStiffness[k] = 10.5f + static_cast<float>(k);
    m.LoadRowsShown = 7;
    for (int lc = 1; lc <= 5; ++lc)
        m.TotalAppliedLoad[lc] = 1000.0f * static_cast<float>(lc) + 0.5f;
    m.SteelSectionFlag = 1;

    const float spans[] = {3000, 4000, 2000};
    m.BeamLength = 10000;
    m.SpanData[0][mfExists] = 1;
    m.SpanData[0][mfL] = 1000;
    for (int s = 1; s <= kNS; ++s) {
        m.SpanData[s][mfExists] = 1;
        m.SpanData[s][mfL] = spans[s - 1];
    }
    for (int r = 0; r <= 26; ++r) {
        m.SpanData[r][mfE] = 205000;
        m.SpanData[r][mfIxx] = 2.34e7f;
        m.SpanData[r][19] = static_cast<float>(r) + 0.19f;
    }
    m.SpanData[kFlagsRow][kShearDeflectionField] = -1;
    for (int lc = 0; lc <= 5; ++lc) {
        Eng.LHCantileverActive[lc] = 1;
        Eng.CantileverLength[lc][0] = 1000;
        for (int s = 1; s <= kNS; ++s)
            Eng.LoadcaseSpanLength[lc][s] = spans[s - 1];
    }
    Eng.LoadcaseSpanLength[1][2] = 6000; // spans 2 and 3 merged over the released support 3
    Eng.LoadcaseSpanLength[1][3] = 0;
    Eng.LoadcaseSpanLength[5][27] = 5.27;
    Eng.CantileverLength[4][1] = 0.5;
    for (int r = 0; r <= 26; ++r)
        m.EffLengthMemberLength[r] = 100.0f + static_cast<float>(r);

    for (int lc = 1; lc <= 5; ++lc)
        for (int rec = 1; rec <= 51; ++rec)
            for (int f = 0; f < 8; ++f)
                m.LoadTable[lc][rec][f] = static_cast<float>(lc * 10000 + rec * 10 + f);
    m.CaseHasLoads[1] = 1;
    for (int lc = 1; lc <= 5; ++lc)
        m.CaseAppliedLoad[lc] = 15000.125 * lc;

    for (int lc = 1; lc <= 5; ++lc) {
        for (int s = 0; s <= 26; ++s)
            for (int p = 1; p <= kResultPoints; ++p) {
                Eng.StoredShear[lc][s][p] = StoreValue(lc, s, p);
                Eng.StoredMoment[lc][s][p] = -StoreValue(lc, s, p);
            }
        for (int s = 0; s <= 26; ++s)
            for (int p = 1; p <= 21; ++p)
                Eng.StoredDeflection[lc][s][p] = StoreValue(lc, s, p) / 1e6f;
        for (int e = 1; e <= 2; ++e) {
            for (int p = 1; p <= kResultPoints; ++p) {
                Eng.StoredCantShear[lc][e][p] = StoreValue(lc, 50 + e, p);
                Eng.StoredCantMoment[lc][e][p] = -StoreValue(lc, 50 + e, p);
            }
            for (int p = 1; p <= 22; ++p)
                Eng.StoredCantDeflection[lc][e][p] = StoreValue(lc, 60 + e, p) / 1e6f;
            Eng.StoredCantEndA[lc][e - 1] = -StoreValue(lc, 70 + e, 0);
            Eng.StoredCantEndB[lc][e - 1] = StoreValue(lc, 70 + e, 0);
        }
    }
    for (int lc = 0; lc <= 5; ++lc)
        for (int s = 1; s <= 25; ++s) {
            Eng.SpanMaxMoment[lc][s] = StoreValue(lc, s, 7);
            Eng.SpanMinMoment[lc][s] = -StoreValue(lc, s, 7);
        }

    m.AnalysedFlag = 1;
    m.FlangeThickness = 7.8f;
    m.SectionSpare = 0x5A5A;
    m.WebThickness = 5.7f;
    for (int k = 0; k < 5; ++k)
        m.CapCheckSettings[k] = k + 1;
    m.DepthThicknessRatio = 17.1f;
    m.SlendernessRatio = 120.5f;
    m.Pbc = 150.25f;
    for (int k = 0; k < 11; ++k) {
        m.CantLHOpts[k] = k % 2;
        m.CantRHOpts[k] = (k + 1) % 2;
    }
    m.SpanOptPos[1] = 1;
    m.SpanOptInt[2] = 1;
    m.SpanOptEdit[3] = 1;
    m.SpanOptRestrained[25] = 1;
    for (int r = 0; r <= 26; ++r) {
        for (int f = 0; f <= 10; ++f)
            m.EffLength[r][f] = static_cast<float>(r) + static_cast<float>(f) / 100.0f;
        m.EffLength[r][kIntervalCountField] = static_cast<float>(r % 11);
        for (int k = 1; k <= 10; ++k)
            m.RestraintPos[r][k] = (r * 10 + k) % 201;
        m.EffLengthText[r] = "Le " + std::to_string(r);
    }
    m.AnySpanIntervals = 1;
    m.TimberGradeSaved = "C24";
    for (int i = 1; i <= 41; ++i)
        m.SectionTextLines[i] = "T" + std::to_string(i);
    m.TimberResultLinesSaved[0] = "50";
    for (int i = 1; i <= 50; ++i)
        m.TimberResultLinesSaved[i] = "R" + std::to_string(i);
    m.TimberSharingSaved = "Share";
    m.TimberMoistureSaved = "Dry";
    m.TimberGradeValuesSaved[0] = 7.5f;
    m.TimberGradeValuesSaved[1] = 0.71f;
    m.TimberGradeValuesSaved[2] = 10800;
    m.TimberDurationSaved = "Long term";
    m.TimberWidthSaved = 75;
    m.TimberDepthSaved = 225;
    m.TimberPermMomentSaved = 4.5e6f;
    m.TimberPermShearSaved = 7000;
    for (int lc = 1; lc <= 5; ++lc)
        for (int rec = 1; rec <= 50; ++rec)
            for (int f = 0; f < 8; ++f)
                m.UDLStackTable[lc][rec][f] =
                    static_cast<float>(lc * 1000 + rec) + static_cast<float>(f) / 10.0f;
    m.ShownCaseMode = -1;
    m.SectionPropLines[0] = "3";
    for (int i = 1; i <= 50; ++i)
        m.SectionPropLines[i] = "Prop " + std::to_string(i);
    for (int r = 0; r <= 26; ++r)
        Drawing.DrawnMemberLength[r] = 1000.0f + static_cast<float>(r);
    for (int lc = 1; lc <= 5; ++lc)
        Txt.CaseMaxStressLines[lc] = " Max stress for loadcase " + std::to_string(lc);
    Txt.MaxStressLine = " Max stress = 123.4 N/mm^2";
    Txt.SummaryLines[0] = "9";
    Txt.LoadListLines[0] = "5";
    Txt.PointLoadListLines[0] = "4";
    for (int i = 1; i <= 100; ++i) {
        Txt.SummaryLines[i] = "Sum " + std::to_string(i);
        Txt.LoadListLines[i] = "Load " + std::to_string(i) + std::string(90, '.'); // cut at 85
        Txt.PointLoadListLines[i] = "Point " + std::to_string(i);
    }
    Txt.MaximaLines[0] = "7";
    for (int i = 1; i <= 50; ++i)
        Txt.MaximaLines[i] = "Max " + std::to_string(i);
    m.LiftHeight = 2000;
    m.FactoredLoadsFlag = 1;
}

// A job as an analysis of NS equal spans of 2000 mm with NLC loaded loadcases at NI intervals
// leaves it, with made-up results and a few lines in every stored text table.
inline void SetUpGridJob(int NS, int NLC, int NI, unsigned seed) {
    ResetAll();
    SharedModel& m = Model;
    m.VersionNumber = "1.3";
    m.VersionSuffix = ".1";
    m.FileTag = "MBS";
    m.SpanCount[0] = NS;
    for (int lc = 1; lc <= 5; ++lc)
        m.SpanCount[lc] = NS;
    m.LoadcaseCount = NLC;
    m.CurrentLoadcase = 1;
    m.StoredSpanIntervals = NI;
    Eng.ResultIntervalStep = NI / 20;
    m.UnitTextLength = "m";
    m.UnitTextForce = "kN";
    m.UnitFactorLength = m.UnitFactorForce = 1000;
    m.UnitFactorUDL = m.UnitFactorSectE = m.UnitFactorDeflection = m.UnitFactorStress = 1;
    m.UnitFactorSectI = 10000;
    m.UnitFactorShear = 0.001f;
    m.UnitFactorMoment = 1e-6f;
    m.LoadRowsShown = 6;
    m.FactoredLoadsFlag = -1;
    m.MemberType = "HRS";
    m.BeamLength = 2000.0 * NS;
    for (int s = 1; s <= NS; ++s) {
        m.SpanData[s][mfExists] = 1;
        m.SpanData[s][mfL] = 2000;
        m.SupportType[s - 1] = supFixed;
    }
    m.SupportType[25] = supFixed;
    for (int r = 0; r <= 26; ++r) {
        m.SpanData[r][mfE] = 210000;
        m.SpanData[r][mfIxx] = 1e8f;
    }
    for (int lc = 0; lc <= 5; ++lc)
        for (int s = 1; s <= NS; ++s)
            Eng.LoadcaseSpanLength[lc][s] = 2000;
    unsigned x = seed;
    auto next = [&x] { return static_cast<float>((x = x * 1103515245u + 12345u) >> 8) / 65536.0f - 128.0f; };
    for (int lc = 1; lc <= NLC; ++lc) {
        m.CaseHasLoads[lc] = 1;
        m.LoadTable[lc][1] = TLoadRec{};
        m.LoadTable[lc][1][lfKind] = 1;
        m.LoadTable[lc][1][lfDist] = 1000;
        m.LoadTable[lc][1][lfP] = 1000.0f * static_cast<float>(lc);
        m.LoadTable[lc][1][lfLF] = 1;
        m.LoadTable[lc][1][lfApplied] = 1;
        for (int s = 1; s <= NS; ++s) {
            for (int p = 1; p <= NI + 1; ++p) {
                Eng.StoredShear[lc][s][p] = next();
                Eng.StoredMoment[lc][s][p] = next() * 1000;
            }
            for (int p = 1; p <= 21; ++p)
                Eng.StoredDeflection[lc][s][p] = next() / 100;
        }
        Txt.CaseSupportLines[lc][0] = "3";
        for (int i = 1; i <= 3; ++i)
            Txt.CaseSupportLines[lc][i] = "support line " + std::to_string(i);
        Txt.KxCheckLines[lc][0] = "1";
        Txt.KxCheckLines[lc][1] = "check";
        Txt.CaseListing[lc][0] = std::to_string(30 + lc);
        Txt.CaseLoadLines[lc][0] = "14";
    }
    Txt.SteelCheckLines[0][0] = "2";
    Txt.SteelCheckLines[0][1] = "steel a";
    Txt.SteelCheckLines[0][2] = "steel b";
    Txt.SummaryLines[0] = "3";
    Txt.SummaryLines[1] = "RESULTS";
    Txt.MaximaLines[0] = "7";
    m.AnalysedFlag = 1;
}

// LH and RH cantilevers on forkheads; loadcase 2 lifts support 3 off its forkhead; loadcase 3
// has a load standing on support 2 and loads with factors.
inline kx::test::BeamBuilder ForkheadTestBeam() {
    return kx::test::BeamBuilder()
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

// "127 x 76 UB 13" checked to BS 5975, effective length = member length, span 2 restrained
// at 1000 and 2500 mm.
inline void SetSteelSection() {
    SharedModel& m = Model;
    m.SteelSectionFlag = 1;
    m.MemberType = "HRS";
    m.SectionShape = "Beam";
    m.SectionFamilyCode = "UB";
    m.SectionDescription = "127 x 76 UB 13";
    m.SectionPropLines[0] = "2";
    m.SectionPropLines[1] = " 127 x 76 UB 13";
    m.SectionPropLines[2] = " Ixx = 473.4 cm^4";
    m.FlangeThickness = 7.6f;
    m.WebThickness = 4;
    for (int r = 0; r <= kRHCantRow; ++r) {
        m.SpanData[r][mfY] = 63.5f;
        m.SpanData[r][mfShearArea] = 508;
        m.SpanData[r][mfRy] = 18.369f;
        m.SpanData[r][mfDT] = 16.711f;
        m.SpanData[r][mfSteelDepth] = 127;
        if (m.SpanData[r][mfExists] != 1.0f) continue;
        m.EffLength[r][0] = m.SpanData[r][mfL];
        m.EffLengthText[r] = "1.0L";
        m.EffLengthMemberLength[r] = m.SpanData[r][mfL];
    }
    m.SpanOptNot[1] = 1;
    m.SpanOptInt[2] = 1;
    m.EffLength[2][kIntervalCountField] = 2;
    m.EffLength[2][1] = 1000;
    m.EffLength[2][2] = 1500;
    m.RestraintPos[2][1] = 50;
    m.RestraintPos[2][2] = 75;
    m.EffLengthText[2] = "2 support(s)";
    m.AnySpanIntervals = 1;
}

// Commits the beam (setUp, when given, completes it: a section, effective lengths) with what
// start-up and the input windows leave in every job, and analyses it.
inline void AnalyseAsSaved(const kx::test::BeamBuilder& beam, const std::function<void()>& setUp,
                           AnalysisHost& host) {
    beam.Commit();
    if (setUp) setUp();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = 1;
    Model.VersionNumber = "1.3";
    Model.VersionSuffix = ".1";
    Model.FileTag = "MBS";
    Model.CurrentLoadcase = 1;
    Model.LoadRowsShown = 6;
    Model.HeaderCompany = "Acme Temporary Works";
    AnalyseBeam(host);
}

} // namespace kxtest

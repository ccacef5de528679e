// The commits and restores of the input forms, each tried with a second job that differs from the
// first in every field it carries: a field the walk leaves out keeps the first job's value and shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "FormTestSupport.h"
#include "input/Cantilever.h"
#include "input/KX_Beam.h"
#include "input/LoadData.h"
#include "input/Span.h"

using namespace kx;
using namespace kxtest;

namespace {

using Texts = std::vector<std::string>;

// The beam form's job as the user gives it, with the working section and timber choice that the
// section pick and the timber form leave. Every value is built from the job's letter, so that two
// jobs share none.
class BeamWalk : public BeamFormTest {
protected:
    static float memberValue(char job, int row, int field) {
        return static_cast<float>((job == 'A' ? 1000 : 5000) + row * 20 + field);
    }
    static std::string line(char job, const char* what, int i) {
        return std::string(1, job) + " " + what + " " + std::to_string(i);
    }

    // The section and timber choice of job A (a steel beam) or job B (a timber one).
    void PutSection(char job) {
        WorkingCopies& w = Work;
        const bool timber = job == 'B';
        for (int row = 0; row <= kFlagsRow; ++row)
            for (int field = mfE; field <= 19; ++field) {
                const bool timberSize = field == mfTimberDepth || field == mfTimberWidth;
                w.WorkSpanData[row][field] = timberSize && !timber ? 0 : memberValue(job, row, field);
            }
        w.WorkSectionShape = timber ? "Timber" : "Beam";
        w.SectionFamily = timber ? "Timber" : "UB";
        w.WorkMemberType = timber ? "Timber" : "HRS";
        w.WorkSectionText = f.lbl_S01_Desc = timber ? " 47 x 150 C16 Timber" : " 127 x 76 UB 13";
        w.WorkFlangeThickness = timber ? 12.5f : 7.6f;
        w.WorkWebThickness = timber ? 8.25f : 4.0f;
        w.WorkSectionPropLines[0] = timber ? "49" : "50";
        for (int i = 1; i <= 50; ++i)
            w.WorkSectionPropLines[i] = line(job, "property", i);
        for (int i = 1; i <= 41; ++i)
            w.WorkSectionTextLines[i] = line(job, "text", i);
        w.TimberGradeName = timber ? "C24" : "C16";
        w.TimberSharingCode = timber ? "Share" : "Single";
        w.TimberMoistureCode = timber ? "Dry" : "Wet";
        w.TimberDurationCode = timber ? "Long" : "Short";
        for (int i = 0; i <= 2; ++i)
            w.TimberGradeValues[i] = timber ? 7.5f + i : 5.3f + i;
        w.TimberWidth = timber ? 47 : 63;
        w.TimberDepth = timber ? 150 : 200;
        w.TimberPermMoment = timber ? 1198220.8f : 2000000.5f;
        w.TimberPermShear = timber ? 6192.05f : 7000.25f;
        w.TimberResultLines[0] = timber ? "49" : "50";
        for (int i = 1; i <= 50; ++i)
            w.TimberResultLines[i] = line(job, "result", i);
        f.lbl_S01_Ixx = timber ? "1322" : "473.4";
        f.lbl_S01_E = timber ? "8800" : "205000";
        f.lbl_GA = timber ? "1770" : "";
    }

    // Job A: a steel UB checked to BS 5975, 1.5 m cantilever, spans 3, 4, 3 m, vertically fixed
    // and fixed at the right, no lift height, no shear deflection.
    void TypeJobA() {
        PutSection('A');
        f.Check_RHC = f.Check_LH_End_Sup = f.Check_Span_Sup = f.Check_RH_End_Sup = false;
        TypeBeam({"3", "4", "3"}, "1.5");
        f.Check_RHF = true;
        FixedEndClicked(f, false, pic);
        f.Option_None = false;
        f.Option_Check = true;
        f.Check_GA = false;
        f.Edit_L.clear();
        CouplerClicked(f, pic);
    }

    // Job B: timber, spans 2, 5, 6, 7 m and a 0.8 m RH cantilever, couplers at the top at both
    // ends and at mid-depth between the spans with a 2.5 m lift, shear deflection wanted.
    void TypeJobB() {
        PutSection('B');
        f.Check_LHC = false;
        CantileverClicked(f, true, pic);
        f.Check_RHF = false;
        FixedEndClicked(f, false, pic);
        TypeBeam({"2", "5", "6", "7"}, "", "0.8");
        f.Option_Check = false;
        f.Option_None = true;
        f.Check_GA = true;
        f.Edit_L = "2.5";
        f.Check_LH_End_Sup = f.Option_LH_Top = true;
        f.Option_LH_Mid = false;
        f.Check_Span_Sup = f.Option_Span_Mid = true;
        f.Option_Span_Top = false;
        f.Check_RH_End_Sup = f.Option_RH_Top = true;
        f.Option_RH_Mid = false;
        CouplerClicked(f, pic);
    }
};

TEST_F(BeamWalk, EveryFieldOfTheSecondBeamIsCommittedAndRestored) {
    TypeJobA();
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    ASSERT_EQ((std::tuple{Model.SpanCount[0], Model.SteelSectionFlag, Model.SupportType[25]}),
              (std::tuple{3, 1, supFixedEnd}));
    TypeJobB();
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(Messages().empty());
    const SharedModel& m = Model;

    // Members: Exists and L from the grid, every other field from the working rows; 2 + 5 + 6 + 7
    // + 0.8 = 20.8 m.
    const float lengths[27] = {0, 2000, 5000, 6000, 7000};
    for (int row = 0; row <= kRHCantRow; ++row) {
        const bool exists = (row >= 1 && row <= 4) || row == kRHCantRow;
        EXPECT_EQ(m.SpanData[row][mfExists], exists ? 1.0f : 0.0f) << row;
        EXPECT_EQ(m.SpanData[row][mfL], row == kRHCantRow ? 800.0f : lengths[row]) << row;
    }
    for (int row = 0; row <= kFlagsRow; ++row)
        for (int field = mfE; field <= 19; ++field)
            if (row != kFlagsRow || field != kShearDeflectionField) {
                EXPECT_EQ(m.SpanData[row][field], memberValue('B', row, field)) << row << " " << field;
            }
    EXPECT_EQ(m.SpanData[kFlagsRow][kShearDeflectionField], 1.0f); // "Calculate" ticked, GA 1770 kN
    EXPECT_EQ((std::tuple{m.SpanCount[0], m.BeamLength, m.LiftHeight, m.SteelSectionFlag}),
              (std::tuple{4, 20800.0, 2500.0f, 0})); // timber is no steel: no check
    // Supports: couplers at the top at both ends, at mid-depth between. Springs Ixx / lift x E of
    // 210000: 13220000 / 2500 x 210000 = 1110480000 N mm/rad at the top, twice that at mid-depth.
    for (int k = 0; k <= kRHEndSupport; ++k) {
        const bool end = k == 0 || k == kRHEndSupport;
        EXPECT_EQ(m.SupportType[k], end ? supCouplerTop : supCouplerMid) << k;
        EXPECT_EQ(m.SupportStiffness[k], end ? 1110480000.0f : 2220960000.0f) << k;
    }
    // The section's fields.
    EXPECT_EQ((Texts{m.SectionShape, m.SectionFamilyCode, m.MemberType, m.SectionDescription}),
              (Texts{"Timber", "Timber", "Timber", " 47 x 150 C16 Timber"}));
    EXPECT_TRUE(m.FlangeThickness == 12.5f && m.WebThickness == 8.25f);
    EXPECT_EQ(m.SectionPropLines[0], "49");
    for (int i = 1; i <= 50; ++i) {
        EXPECT_EQ(m.SectionPropLines[i].str(), line('B', "property", i)) << i;
        EXPECT_EQ(m.TimberResultLinesSaved[i].str(), line('B', "result", i)) << i;
    }
    for (int i = 1; i <= 41; ++i)
        EXPECT_EQ(m.SectionTextLines[i].str(), line('B', "text", i)) << i;
    // The timber choice.
    EXPECT_EQ((Texts{m.TimberGradeSaved, m.TimberSharingSaved, m.TimberMoistureSaved, m.TimberDurationSaved,
                     m.TimberResultLinesSaved[0]}),
              (Texts{"C24", "Share", "Dry", "Long", "49"}));
    EXPECT_EQ(
        (std::array{m.TimberGradeValuesSaved[0], m.TimberGradeValuesSaved[1], m.TimberGradeValuesSaved[2],
                    m.TimberWidthSaved, m.TimberDepthSaved, m.TimberPermMomentSaved, m.TimberPermShearSaved}),
        (std::array{7.5f, 8.5f, 9.5f, 47.0f, 150.0f, 1198220.8f, 6192.05f}));
    // The self-weight of every loadcase: steel's 7.85 t/m^3 x g over the area of row 1
    // (5000 + 20 + 5 = 5025 mm^2): 7.85 x 5025 / 1e6 x 9.81 = 0.3869677 N/mm over 20.8 m.
    for (int lc = 1; lc <= 5; ++lc) {
        const TLoadRec& sw = m.LoadTable[lc][kSelfWeightRecord];
        EXPECT_TRUE(sw[lfKind] == -1.0f && sw[lfDist] == 0 && sw[lfCover] == 20800.0f) << lc;
        EXPECT_NEAR(sw[lfW1], 0.3869677, 1e-6) << lc;
        EXPECT_NEAR(sw[lfW2], 0.3869677, 1e-6) << lc;
    }

    // Job A typed again and cancelled: the restore brings back job B in every field.
    TypeJobA();
    const WorkingCopies typedA = Work;
    RestoreBeamForm(f);
    const WorkingCopies& w = Work;
    EXPECT_EQ(w.WorkSpanData, m.SpanData);
    EXPECT_TRUE(w.WorkLiftHeight == 2500.0f && w.WorkSpanCount == 4);
    EXPECT_EQ((Texts{w.WorkSectionShape, w.SectionFamily, w.WorkMemberType, w.WorkSectionText}),
              (Texts{"Timber", "Timber", "Timber", " 47 x 150 C16 Timber"}));
    EXPECT_TRUE(w.WorkFlangeThickness == 12.5f && w.WorkWebThickness == 8.25f);
    for (int k = 0; k <= kRHEndSupport; ++k)
        EXPECT_EQ(w.WorkSupportType[k], m.SupportType[k]) << k;
    for (int i = 0; i <= 50; ++i) {
        EXPECT_EQ(w.WorkSectionPropLines[i], m.SectionPropLines[i].str()) << i;
        EXPECT_EQ(w.TimberResultLines[i], m.TimberResultLinesSaved[i]) << i;
    }
    for (int i = 1; i <= 41; ++i)
        EXPECT_EQ(w.WorkSectionTextLines[i], line('B', "text", i)) << i;
    EXPECT_EQ((Texts{w.TimberGradeName, w.TimberSharingCode, w.TimberMoistureCode, w.TimberDurationCode}),
              (Texts{"C24", "Share", "Dry", "Long"}));
    EXPECT_EQ((std::array{w.TimberGradeValues[0], w.TimberGradeValues[1], w.TimberGradeValues[2],
                          w.TimberWidth, w.TimberDepth, w.TimberPermMoment, w.TimberPermShear}),
              (std::array{7.5f, 8.5f, 9.5f, 47.0f, 150.0f, 1198220.8f, 6192.05f}));
    EXPECT_NE(typedA.WorkSpanData, w.WorkSpanData);

    // The form's controls show job B: counts, lengths (m), supports, couplers, lift, timber frame.
    EXPECT_TRUE(!f.Check_LHC && f.Check_RHC && !f.Check_LHF && !f.Check_RHF && f.Option_Vert_Fixed &&
                !f.Option_Forkhead);
    EXPECT_TRUE(f.Check_LH_End_Sup && f.Option_LH_Top && !f.Option_LH_Mid);
    EXPECT_TRUE(f.Check_Span_Sup && f.Check_Span_Sup_Enabled && f.Option_Span_Mid && !f.Option_Span_Top);
    EXPECT_TRUE(f.Check_RH_End_Sup && f.Option_RH_Top && !f.Option_RH_Mid);
    EXPECT_TRUE(f.Frame_Timber && !f.Frame_Steel && f.Check_GA);
    EXPECT_TRUE(f.Edit_Spans == "4" && f.UpDown_Spans == 4 && f.Grid_Spans.ColCount() == 6);
    Texts grid;
    for (int row : {0, 1})
        for (int col = 1; col <= 5; ++col)
            grid.push_back(f.Grid_Spans.Cell(col, row));
    EXPECT_EQ(grid, (Texts{" Span 1", " Span 2", " Span 3", " Span 4", " RHC", "2.000", "5.000", "6.000",
                           "7.000", "0.800"}));
    // Lift 2500 mm = 2.50 m; timber 47 x 150 mm; GA of row 1, 5000 + 20 + 11 = 5031 N = 5.03 kN;
    // E and Ixx of the last span's row (4): 5000 + 80 + 2 = 5082 N/mm^2, 5083 mm^4 = 0.5083 cm^4.
    EXPECT_EQ((Texts{f.Edit_L, f.Edit_Timber_W, f.Edit_Timber_H, f.lbl_GA, f.lbl_S01_E, f.lbl_S01_Ixx,
                     f.lbl_S01_Desc}),
              (Texts{"2.50", "47.0", "150", "5.03", "5082", "0.508", " 47 x 150 C16 Timber"}));
    ASSERT_EQ(f.List_TimProps.size(), 49u);
    EXPECT_EQ(f.List_TimProps.back(), line('B', "property", 49));
}

// Four figures with at most three decimals, by place value: the texts the load rows are filled with.
std::string fourFigures(double x) {
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(x))));
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", std::clamp(3 - exponent, 0, 3), x);
    return buf;
}
std::string millimetresInMetres(int mm) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", mm / 1000.0);
    return buf;
}

// Two load lists on the two-span beam (7 m) with factored loads on. In job A the odd rows are
// point loads and the even rows distributed; in job B the other way round, with other figures,
// so that every field of every row differs. Loadcases 1 to 4 apply alternate rows, B the rows A
// leaves; loadcase 5 applies none in A and all in B.
class LoadWalk : public LoadFormTest {
protected:
    struct Row {
        bool point;
        int distMm, coverMm; // cover 0 for a point load
        int w1, w2;          // kN (point) or kN/m; w2 0 for a point load
        int lfHundredths;
    };
    static Row row(char job, int n) {
        const bool a = job == 'A';
        const bool point = (n % 2 == 1) == a;
        const int dist = a ? n * 100 : n * 100 + 50;
        const int lf = (a ? 100 : 200) + n;
        if (point) return {true, dist, 0, a ? n : n + 100, 0, lf};
        return {false, dist, a ? 1000 : 500, a ? n : n + 200, a ? n + 1 : n + 300, lf};
    }
    static bool applied(char job, int lc, int n) {
        if (lc == 5) return job == 'B';
        return ((n + lc) % 2 == 0) == (job == 'A');
    }
    static std::string factorText(int hundredths) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%d.%02d", hundredths / 100, hundredths % 100);
        return buf;
    }

    void TypeJob(char job) {
        for (int n = 1; n <= kLoadRows; ++n) {
            const Row r = row(job, n);
            const std::string dist = millimetresInMetres(r.distMm), lf = factorText(r.lfHundredths);
            if (r.point)
                Point(n, std::to_string(r.w1), dist, lf);
            else
                Udl(n, dist, millimetresInMetres(r.coverMm), std::to_string(r.w1), std::to_string(r.w2), lf);
        }
        // The self-weight as the beam form's commit left it, its factor and tick the user's.
        TLoadRec& sw = Work.WorkLoads[kSelfWeightRecord];
        sw[lfKind] = -1.0f;
        sw[lfW1] = sw[lfW2] = job == 'A' ? 0.125f : 0.25f;
        sw[lfCover] = job == 'A' ? 7000.0f : 6500.0f;
        f.Frame_SWt = true;
        f.Edit_LF = job == 'A' ? "1.30" : "1.60";
        for (int lc = 1; lc <= 5; ++lc) {
            ShowLoadcase(lc);
            for (int n = 1; n <= kLoadRows; ++n)
                f.Rows[n].Check = applied(job, lc, n);
            f.Check_Swt = job == 'A';
            ApplyClicked(f, 1, pic);
        }
    }
};

TEST_F(LoadWalk, EveryFieldOfEveryRowAndLoadcaseOfTheSecondListIsCommittedAndRestored) {
    TypeJob('A');
    ASSERT_EQ(CommitLoads(f, pic), LoadRoute::Analysis) << ::testing::PrintToString(Messages());
    ASSERT_EQ(Model.LoadTable[1][1][lfKind], 1.0f);
    TypeJob('B');
    ASSERT_EQ(CommitLoads(f, pic), LoadRoute::Analysis) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(Messages().empty());
    const SharedModel& m = Model;

    // Held in N and mm: a point load of P kN is P x 1000 N, a rate of w kN/m is w N/mm.
    for (int lc = 1; lc <= 5; ++lc) {
        for (int n = 1; n <= kLoadRows; ++n) {
            const Row r = row('B', n);
            const TLoadRec& l = m.LoadTable[lc][n];
            const float w1 = r.point ? r.w1 * 1000.0f : static_cast<float>(r.w1);
            EXPECT_EQ(
                (std::array{l[lfKind], l[lfDist], l[lfW1], l[lfW2], l[lfCover], l[lfLF], l[lfApplied]}),
                (std::array{r.point ? 1.0f : -1.0f, static_cast<float>(r.distMm), w1,
                            static_cast<float>(r.w2), static_cast<float>(r.coverMm),
                            static_cast<float>(r.lfHundredths / 100.0), applied('B', lc, n) ? 1.0f : -1.0f}))
                << "loadcase " << lc << " row " << n;
            // The stack of the loadcase: each applied distributed load from dist to dist + cover.
            const TUDLStackRec& s = m.UDLStackTable[lc][n];
            const bool stacked = !r.point && applied('B', lc, n);
            using Six = std::array<float, 6>;
            const Six expected = stacked ? Six{static_cast<float>(r.distMm),
                                               static_cast<float>(r.distMm + r.coverMm),
                                               w1,
                                               static_cast<float>(r.w2),
                                               l[lfLF],
                                               l[lfLF]}
                                         : Six{};
            EXPECT_EQ((Six{s[usX1], s[usX2], s[usW1], s[usW2], s[usLF1], s[usLF2]}), expected)
                << "loadcase " << lc << " row " << n;
        }
        const TLoadRec& sw = m.LoadTable[lc][kSelfWeightRecord];
        EXPECT_EQ((std::array{sw[lfKind], sw[lfW1], sw[lfW2], sw[lfCover], sw[lfLF], sw[lfApplied]}),
                  (std::array{-1.0f, 0.25f, 0.25f, 6500.0f, 1.6f, -1.0f}))
            << lc;
        EXPECT_EQ(m.CaseHasLoads[lc], 1) << lc;
    }

    // Job A typed again and cancelled: the restore brings back list B, and the showing fills every
    // row with it (m, kN, kN/m; factors to three figures), with loadcase 5's ticks where it is shown.
    TypeJob('A');
    RestoreCommittedLoads();
    for (int n = 1; n <= kSelfWeightRecord; ++n)
        for (int field = lfKind; field <= lfLF; ++field)
            EXPECT_EQ(Work.WorkLoads[n][field], m.LoadTable[1][n][field]) << n << " " << field;
    for (int lc = 1; lc <= 5; ++lc)
        for (int n = 1; n <= kSelfWeightRecord; ++n)
            EXPECT_EQ(Work.ApplyFlags[lc][n], m.LoadTable[lc][n][lfApplied]) << lc << " " << n;
    LoadDataVars.RestoredLoadcase = 5;
    LoadFormShow(f, pic);
    EXPECT_EQ(f.Edit_Case, 5);
    for (int n = 1; n <= kLoadRows; ++n) {
        const Row r = row('B', n);
        const LoadRowControls& c = f.Rows[n];
        EXPECT_TRUE(c.OptionP == r.point && c.OptionUDL == !r.point && c.Check) << n;
        EXPECT_EQ(c.Edit_Dist.Text.Text(), fourFigures(r.distMm / 1000.0)) << n;
        EXPECT_EQ(c.Edit_LF.Text.Text(), factorText(r.lfHundredths)) << n;
        if (r.point) {
            EXPECT_EQ(c.Edit_PL.Text.Text(), fourFigures(r.w1)) << n;
        } else {
            EXPECT_EQ((Texts{c.Edit_UDLS.Text, c.Edit_UDLF.Text, c.Edit_Cover.Text}),
                      (Texts{fourFigures(r.w1), fourFigures(r.w2), "0.500"}))
                << n;
        }
    }
    // 0.25 N/mm = 0.250 kN/m.
    EXPECT_TRUE(f.Frame_SWt && !f.Check_Swt && f.Edit_LF == "1.60" && f.lbl_Swt == " 0.250 kN/m");
}

// The span form's commit and restore over all 25 spans. Job A chooses one restraint for each span
// (in turn Pos, Dead, Full, Partial, Not, Restrained, Int, Edit) with "12" on the even spans; job
// B sets exactly the flags A leaves, with other lengths, restraint slots, texts and member lengths.
class SpanWalk : public InputFormTest {
protected:
    void SetUp() override {
        InputFormTest::SetUp();
        Model.SpanCount[0] = kMaxSpans;
        for (int s = 1; s <= kMaxSpans; ++s) {
            Model.SpanData[s][mfExists] = 1.0f;
            Model.SpanData[s][mfL] = static_cast<float>(1000 + 10 * s);
        }
    }
    static std::array<SpanFlags WorkingCopies::*, 9> workingFlags() {
        return {&WorkingCopies::SpanOptPosWork,  &WorkingCopies::SpanOptDeadWork,
                &WorkingCopies::SpanOptFullWork, &WorkingCopies::SpanOptPartialWork,
                &WorkingCopies::SpanOptNotWork,  &WorkingCopies::SpanOptRestrainedWork,
                &WorkingCopies::SpanOptIntWork,  &WorkingCopies::SpanOptEditWork,
                &WorkingCopies::SpanOpt12Work};
    }
    static std::array<SpanFlags SharedModel::*, 9> committedFlags() {
        return {&SharedModel::SpanOptPos,     &SharedModel::SpanOptDead, &SharedModel::SpanOptFull,
                &SharedModel::SpanOptPartial, &SharedModel::SpanOptNot,  &SharedModel::SpanOptRestrained,
                &SharedModel::SpanOptInt,     &SharedModel::SpanOptEdit, &SharedModel::SpanOpt12};
    }
    static int32 flag(char job, int s, int i) {
        const bool a = i == 8 ? s % 2 == 0 : s % 8 == i;
        return (job == 'A') == a ? 1 : 0;
    }
    static float effField(char job, int s, int i) {
        if (i == kIntervalCountField) return job == 'A' ? 2.0f : 3.0f;
        return static_cast<float>(s + i) * (job == 'A' ? 0.5f : 0.75f);
    }
    static int32 slot(char job, int s, int i) { return s * 100 + i + (job == 'A' ? 0 : 50); }
    static std::string text(char job, int s) { return std::string(1, job) + " span " + std::to_string(s); }
    static float memberLength(char job, int s) {
        return static_cast<float>(1000 + 10 * s + (job == 'A' ? 0 : 1));
    }

    static void PutWork(char job) {
        WorkingCopies& w = Work;
        const auto flags = workingFlags();
        for (int s = 1; s <= kMaxSpans; ++s) {
            for (int i = 0; i < 9; ++i)
                (w.*flags[static_cast<std::size_t>(i)])[s] = flag(job, s, i);
            for (int i = 0; i <= kIntervalCountField; ++i)
                w.EffLengthWork[s][i] = effField(job, s, i);
            for (int i = 1; i <= 10; ++i)
                w.RestraintPosWork[s][i] = slot(job, s, i);
            w.EffLengthTextWork[s] = text(job, s);
            w.EffLengthMemberLengthWork[s] = memberLength(job, s);
        }
    }

    SpanControls c;
    SpanPictures pics;
};

TEST_F(SpanWalk, EveryFieldOfEverySpanOfTheSecondChoiceIsCommittedAndRestored) {
    const auto expectCommitted = [](char job) {
        const SharedModel& m = Model;
        const auto committed = committedFlags();
        for (int s = 1; s <= kMaxSpans; ++s) {
            for (int i = 0; i < 9; ++i)
                EXPECT_EQ((m.*committed[static_cast<std::size_t>(i)])[s], flag(job, s, i)) << s << " " << i;
            for (int i = 0; i <= kIntervalCountField; ++i)
                EXPECT_EQ(m.EffLength[s][i], effField(job, s, i)) << s << " " << i;
            for (int i = 1; i <= 10; ++i)
                EXPECT_EQ(m.RestraintPos[s][i], slot(job, s, i)) << s << " " << i;
            EXPECT_EQ(m.EffLengthText[s].str(), text(job, s)) << s;
            EXPECT_EQ(m.EffLengthMemberLength[s], memberLength(job, s)) << s;
        }
        EXPECT_EQ(m.AnySpanIntervals, 1); // spans 6, 14 and 22 in A, every other span in B
    };
    PutWork('A');
    ASSERT_EQ(SpanNext(c, pics), SpanRoute::Analysis) << ::testing::PrintToString(Messages());
    expectCommitted('A');
    // B chooses seven restraints for every span: refused, and the committed job is still A's.
    PutWork('B');
    EXPECT_EQ(SpanNext(c, pics), SpanRoute::Stay);
    EXPECT_EQ(Messages(), Texts{" Effective length not selected for span 1"});
    expectCommitted('A');

    // The restore over B's working copy brings back A everywhere.
    SpanRestoreFromCommitted();
    const auto working = workingFlags();
    for (int s = 1; s <= kMaxSpans; ++s) {
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ((Work.*working[static_cast<std::size_t>(i)])[s], flag('A', s, i)) << s << " " << i;
        for (int i = 0; i <= kIntervalCountField; ++i)
            EXPECT_EQ(Work.EffLengthWork[s][i], effField('A', s, i)) << s << " " << i;
        for (int i = 1; i <= 10; ++i)
            EXPECT_EQ(Work.RestraintPosWork[s][i], slot('A', s, i)) << s << " " << i;
        EXPECT_EQ(Work.EffLengthTextWork[s].str(), text('A', s)) << s;
        EXPECT_EQ(Work.EffLengthMemberLengthWork[s], memberLength('A', s)) << s;
    }
}

// Each cantilever form's commit and restore: job A a complete choice (normal loading, lateral
// support, free end), job B every other option, with another length, texts and member length.
class CantWalk : public InputFormTest {};

TEST_F(CantWalk, EveryFieldOfBothCantileversSecondChoiceIsCommittedAndRestored) {
    for (const CantSide* side : {&LHCantSide(), &RHCantSide()}) {
        const int r = side->Row;
        SCOPED_TRACE(r);
        Model.SpanCount[0] = 1;
        Model.SpanData[1][mfExists] = Model.SpanData[r][mfExists] = 1.0f;
        Model.SpanData[1][mfL] = 4000;
        Model.SpanData[r][mfL] = 1500;
        const auto chosenInA = [](int field) {
            return field == coNormal || field == coSupportLateral || field == coEndFree;
        };
        CantControls c;
        const auto put = [&](char job) {
            const bool a = job == 'A';
            for (int field = 0; field <= coEdit; ++field)
                c.Option[field] = chosenInA(field) == a;
            Work.EffLengthWork[r][0] = a ? 2100.5f : 1725.25f;
            Work.EffLengthTextWork[r] = a ? "A working" : "B working";
            c.lbl_Lf = a ? "A label" : "B label";
            Work.EffLengthMemberLengthWork[r] = a ? 1500.0f : 1499.0f;
        };
        const auto expectCommitted = [&](char job) {
            const bool a = job == 'A';
            const TCantOpt& flags = Model.*side->Committed;
            for (int field = 0; field <= coEdit; ++field)
                EXPECT_EQ(flags[field], chosenInA(field) == a ? 1 : 0) << job << field;
            // The left form commits the working text, the right one the factor box's.
            EXPECT_EQ(Model.EffLengthText[r].str(),
                      std::string(1, job) + (r == kLHCantRow ? " working" : " label"));
            EXPECT_EQ(Model.EffLength[r][0], a ? 2100.5f : 1725.25f) << job;
            EXPECT_EQ(Model.EffLengthMemberLength[r], a ? 1500.0f : 1499.0f) << job;
        };
        put('A');
        ASSERT_EQ(CantNext(*side, c), side->Next) << ::testing::PrintToString(Messages());
        expectCommitted('A');
        // B's choice was worked out for a cantilever of 1499 mm: committed once it is that long.
        Model.SpanData[r][mfL] = 1499;
        put('B');
        ASSERT_EQ(CantNext(*side, c), side->Next) << ::testing::PrintToString(Messages());
        expectCommitted('B');
        // A's choice, for 1500 mm, is refused now and leaves B's committed.
        put('A');
        EXPECT_EQ(CantNext(*side, c), CantRoute::Stay);
        EXPECT_EQ(Messages(), Texts{CantLengthChangedMessage(r)});
        expectCommitted('B');

        (Work.*side->Working).fill(0);
        CantRestoreFromCommitted(*side, c);
        for (int field = 0; field <= coEdit; ++field)
            EXPECT_EQ((Work.*side->Working)[field], chosenInA(field) ? 0 : 1) << field;
        EXPECT_EQ(Work.EffLengthTextWork[r].str(), r == kLHCantRow ? "B working" : "B label");
        EXPECT_TRUE(Work.EffLengthWork[r][0] == 1725.25f && Work.EffLengthMemberLengthWork[r] == 1499.0f);
        EXPECT_EQ(c.Label_Units, "m");
        dialogs->clear();
    }
}

} // namespace

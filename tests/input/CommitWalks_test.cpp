// The commits and restores of the input forms, each tried with a second job that differs from the
// first in every field it carries: a field the walk leaves out keeps the first job's value and shows.
#include <gtest/gtest.h>

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

} // namespace

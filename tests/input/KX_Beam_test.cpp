// The beam form without its window: the spans grid, the support rules, the coupler springs, the
// commit with every refusal in its order, the restore, and beams that come back from their files.
#include "input/KX_Beam.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "BeamFormTestSupport.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "sections/Pro_Load_Scaffold.h"

using namespace kx;
using namespace kxtest;

namespace {

class BeamForm : public BeamFormTest {
protected:
    // The committed model and the working self-weight record, to compare before and after.
    struct Snapshot {
        std::unique_ptr<SharedModel> m = std::make_unique<SharedModel>(Model);
        TLoadRec selfWeight = Work.WorkLoads[kSelfWeightRecord];
        bool operator==(const Snapshot& o) const {
            // SharedModel has no equality of its own: compare the parts a commit writes.
            auto key = [](const SharedModel& x) {
                return std::tie(x.BeamLength, x.SpanCount, x.SpanData, x.SupportType, x.SupportStiffness,
                                x.LiftHeight, x.LoadTable, x.SteelSectionFlag, x.SectionShape, x.MemberType,
                                x.SectionFamilyCode, x.SectionDescription, x.SectionPropLines,
                                x.SectionTextLines, x.FlangeThickness, x.WebThickness, x.FactoredLoadsFlag,
                                x.TimberGradeSaved, x.TimberPermShearSaved, x.TimberPermMomentSaved,
                                x.TimberWidthSaved, x.TimberDepthSaved, x.TimberResultLinesSaved,
                                x.AnalysedFlag);
            };
            return key(*m) == key(*o.m) && selfWeight == o.selfWeight;
        }
    };

    // The UB beam of the figures: 1.5 m cantilever, spans 3, 4, 3 m, fixed at the right.
    void TypeUBBeam() {
        PickUB127();
        TypeBeam({"3", "4", "3"}, "1.5");
        f.Check_RHF = true;
        FixedEndClicked(f, false, pic);
    }

    // A scaffold tube as its pick leaves it, "Ixx" 13.80 cm^4.
    void PickScaffoldTube(int recordNo = 1) {
        for (int row = 0; row <= kRHCantRow; ++row) {
            TMemberRow& r = Work.WorkSpanData[row];
            r.fill(0);
            r[mfE] = 210000;
            r[mfIxx] = 138000;
            r[mfY] = 24.15f;
            r[mfArea] = 556.69f;
            r[mfRy] = 15.726f;
            r[mfPermMoment] = 794300;
        }
        f.lbl_S01_Ixx = "13.80";
        f.lbl_S01_E = "210000";
        f.lbl_S01_Desc = " \"Used\" Steel Tube";
        Work.WorkSectionShape = "Tube";
        Work.WorkMemberType = "Scaffold";
        Work.SectionFamily = "Scaffold";
        Work.WorkFlangeThickness = Work.WorkWebThickness = 4;
        Work.SectionRecordNo = recordNo;
        f.Frame_Couplers = true;
    }

    void TickCoupler(bool& box, bool& top, bool& mid, bool chooseTop) {
        box = true;
        top = chooseTop;
        mid = !chooseTop;
        CouplerClicked(f, pic);
    }

    std::vector<std::string> Messages() { return dialogs->messages(); }
};

TEST_F(BeamForm, CommitOfTheUBBeamWritesMembersSupportsSectionAndSelfWeight) {
    TypeUBBeam();
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(Messages().empty());

    const float lengths[] = {1500, 3000, 4000, 3000};
    for (int row = 0; row <= 26; ++row) {
        const bool exists = row <= 3;
        EXPECT_EQ(Model.SpanData[row][mfExists], exists ? 1.0f : 0.0f) << row;
        EXPECT_EQ(Model.SpanData[row][mfL], exists ? lengths[row] : 0.0f) << row;
        EXPECT_EQ(Model.SpanData[row][mfE], 205000.0f);
        EXPECT_EQ(Model.SpanData[row][mfIxx], 4734400.0f);
        EXPECT_EQ(Model.SpanData[row][mfArea], 1652.0f);
    }
    EXPECT_EQ(Model.SpanData[kFlagsRow][kShearDeflectionField], -1.0f); // "Calculate" not ticked
    EXPECT_EQ(Model.SpanCount[0], 3);
    for (int k = 0; k <= 24; ++k)
        EXPECT_EQ(Model.SupportType[k], supFixed) << k;
    EXPECT_EQ(Model.SupportType[25], supFixedEnd);
    EXPECT_EQ(Model.LiftHeight, 1e21f); // no lift height given: 1e18 m
    EXPECT_EQ(Model.BeamLength, 11500.0);
    EXPECT_EQ(Model.SteelSectionFlag, -1); // steel, "None"
    EXPECT_EQ(Model.SectionShape, "Beam");
    EXPECT_EQ(Model.MemberType, "HRS");
    EXPECT_EQ(Model.SectionFamilyCode, "UB");
    EXPECT_EQ(Model.SectionDescription, " 127 x 76 UB 13");
    EXPECT_EQ(Model.SectionPropLines[3], " Ixx = 473.4 cm^4");
    EXPECT_EQ(Model.FlangeThickness, 7.6f);
    EXPECT_EQ(Model.WebThickness, 4.0f);

    // Self-weight of steel at 7.85 t/m^3: 7.85 x 1652 / 1e6 x 9.81 N/mm over the whole beam.
    const TLoadRec& sw = Work.WorkLoads[kSelfWeightRecord];
    EXPECT_EQ(sw[lfKind], -1.0f);
    EXPECT_EQ(sw[lfDist], 0.0f);
    EXPECT_FLOAT_EQ(sw[lfW1], 0.12721804f);
    EXPECT_FLOAT_EQ(sw[lfW2], 0.12721804f);
    EXPECT_EQ(sw[lfCover], 11500.0f);
    EXPECT_EQ(sw[lfLF], 1.0f); // factored loads off

    EXPECT_EQ(host.calls, "ClearResultLists, FillImageBlack, DisableFileMenus");
    EXPECT_EQ(loadForm.calls, "Frame_SWt shown, DrawLoadFormBeam");

    // With factored loads on and a committed self-weight factor of 0, the working one is 1.4.
    Model.FactoredLoadsFlag = 1;
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.4f);
    EXPECT_TRUE(dialogs->shown.empty()); // "None": no question
    // A committed factor that is not 0 leaves the working one as it is.
    Model.LoadTable[1][kSelfWeightRecord][lfLF] = 1.2f;
    Work.WorkLoads[kSelfWeightRecord][lfLF] = 1.3f;
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.3f);
}

TEST_F(BeamForm, CodeCheckAsksAboutFactoredLoadsAndTheAnswerStandsEvenWhenTheThicknessStops) {
    TypeUBBeam();
    f.Option_None = false;
    f.Option_Check = true;
    CodeCheckClicked(f);
    Model.FactoredLoadsFlag = 1;

    dialogs->confirmAnswers.push_back(true);
    ASSERT_TRUE(Commit());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text, beammsg::kFactoredLoads);
    EXPECT_EQ(dialogs->shown[0].caption, "Confirm");
    EXPECT_EQ(Model.SteelSectionFlag, 1);
    EXPECT_EQ(Model.FactoredLoadsFlag, 1);
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.4f);

    // No: every load factor of the five loadcases and of the working list becomes 1.0.
    for (int lc = 1; lc <= 5; ++lc)
        Model.LoadTable[lc][7][lfLF] = 1.6f;
    Work.WorkLoads[9][lfLF] = 1.5f;
    Model.LoadTable[1][kSelfWeightRecord][lfLF] = 0;
    dialogs->clear();
    loadForm.calls.clear();
    dialogs->confirmAnswers.push_back(false);
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Messages(), std::vector<std::string>{beammsg::kFactorsReset});
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    for (int lc = 1; lc <= 5; ++lc)
        for (int r = 1; r <= 51; ++r)
            ASSERT_EQ(Model.LoadTable[lc][r][lfLF], 1.0f) << lc << " " << r;
    for (int r = 1; r <= 51; ++r)
        ASSERT_EQ(Work.WorkLoads[r][lfLF], 1.0f) << r;
    EXPECT_EQ(loadForm.calls, "Edit_LF 1.0, Frame_SWt shown, DrawLoadFormBeam");
    dialogs->clear();
    ASSERT_TRUE(Commit());
    EXPECT_TRUE(dialogs->shown.empty()); // factored loads are off now: no question

    // Flange 40.0 mm passes; 40.1 stops after the answer, which alone takes effect.
    Work.WorkFlangeThickness = 40.0f;
    ASSERT_TRUE(Commit());
    Model.FactoredLoadsFlag = 1;
    Model.LoadTable[2][3][lfLF] = 1.6f;
    Work.WorkFlangeThickness = 40.1f;
    f.Grid_Spans.SetCell(2, 1, "3.5"); // a change that must not reach the model
    const Snapshot before;
    dialogs->clear();
    loadForm.calls.clear();
    host.calls.clear();
    dialogs->confirmAnswers.push_back(false);
    EXPECT_FALSE(Commit());
    EXPECT_EQ(Messages(), (std::vector<std::string>{beammsg::kFactorsReset, beammsg::kThickness}));
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    EXPECT_EQ(Model.LoadTable[2][3][lfLF], 1.0f);
    EXPECT_EQ(loadForm.calls, "Edit_LF 1.0");
    EXPECT_EQ(host.calls, "");
    Model.FactoredLoadsFlag = 1;
    Model.LoadTable[2][3][lfLF] = 1.6f;
    for (TLoadRec& rec : Work.WorkLoads)
        rec[lfLF] = 1.0f;
    EXPECT_TRUE(Snapshot() == before); // nothing else of the beam changed
    EXPECT_EQ(Model.SpanData[1][mfL], 3000.0f);
}

TEST_F(BeamForm, CouplersOnAScaffoldTubeGetTheirCodesSpringsAndLiftHeight) {
    PickScaffoldTube();
    TypeBeam({"2", "2"});
    EXPECT_TRUE(f.Check_Span_Sup_Enabled);
    TickCoupler(f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, true);
    TickCoupler(f.Check_Span_Sup, f.Option_Span_Top, f.Option_Span_Mid, false);
    TickCoupler(f.Check_RH_End_Sup, f.Option_RH_Top, f.Option_RH_Mid, false);
    f.Edit_L = "2";
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    // k = 210000 x 138000 mm^4 / 2000 mm = 14,490,000 N mm/rad; "Mid" doubles it.
    EXPECT_EQ(Model.SupportType[0], supCouplerTop);
    EXPECT_EQ(Model.SupportStiffness[0], 14490000.0f);
    for (int k = 1; k <= 24; ++k) {
        EXPECT_EQ(Model.SupportType[k], supCouplerMid) << k;
        EXPECT_EQ(Model.SupportStiffness[k], 28980000.0f) << k;
    }
    EXPECT_EQ(Model.SupportType[25], supCouplerMid);
    EXPECT_EQ(Model.SupportStiffness[25], 28980000.0f);
    EXPECT_EQ(Model.LiftHeight, 2000.0f);
    EXPECT_EQ(Model.SteelSectionFlag, 0); // a scaffold member is not checked as steel
    EXPECT_EQ(loadForm.calls, "Frame_SWt hidden, DrawLoadFormBeam");

    // A board with couplers is refused; so are couplers without a lift height.
    const Snapshot committed;
    Work.SectionRecordNo = 5;
    EXPECT_FALSE(Commit());
    Work.SectionRecordNo = 1;
    f.Edit_L = "";
    EXPECT_FALSE(Commit());
    f.Edit_L = "1e39"; // a lift height beyond a single is none
    EXPECT_FALSE(Commit());
    f.Edit_L = "-2";
    EXPECT_FALSE(Commit());
    EXPECT_EQ(Messages(), (std::vector<std::string>{beammsg::kBoards, beammsg::kLiftHeight,
                                                    beammsg::kLiftHeight, beammsg::kLiftHeight}));
    EXPECT_TRUE(Snapshot() == committed);

    // An empty lift height with no coupler is 1e18 m; "0" is 1e11 mm.
    f.Check_LH_End_Sup = f.Check_Span_Sup = f.Check_RH_End_Sup = false;
    f.Edit_L = "";
    CalcCouplerStiffness(f);
    EXPECT_EQ(Work.WorkLiftHeight, 1e21f);
    f.Edit_L = "0";
    CalcCouplerStiffness(f);
    EXPECT_EQ(Work.WorkLiftHeight, 1e11f);
}

TEST_F(BeamForm, ForkheadsExcludeCouplersAndTheCodeCheck) {
    PickScaffoldTube();
    TypeBeam({"2", "2"});
    f.Check_LH_End_Sup = f.Check_RH_End_Sup = true;
    f.Edit_L = "2";
    f.Option_Check = true; // as a family that allows it would leave it
    f.Option_None = false;
    f.Option_Forkhead = true;
    f.Option_Vert_Fixed = false;
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{beammsg::kCouplerWithForkheads, beammsg::kNoCheckWithForkheads}));
    EXPECT_FALSE(f.Check_LH_End_Sup || f.Check_Span_Sup || f.Check_RH_End_Sup);
    EXPECT_TRUE(f.Option_None);
    EXPECT_FALSE(f.Option_Check);
    for (int k = 0; k <= 25; ++k) {
        EXPECT_EQ(Model.SupportType[k], supForkhead) << k;
        EXPECT_EQ(Model.SupportStiffness[k], 0.0f) << k;
    }

    // A fixed end overrides the forkhead at its end.
    f.Check_LHF = true;
    FixedEndClicked(f, true, pic);
    EXPECT_EQ(Work.WorkSupportType[0], supFixedEnd);
    EXPECT_EQ(Work.WorkSupportType[1], supForkhead);
}

TEST_F(BeamForm, EachRefusalShowsItsMessageInOrderAndChangesNothingCommitted) {
    TypeUBBeam();
    ASSERT_TRUE(Commit());
    host.calls.clear();
    loadForm.calls.clear();
    const Snapshot committed;
    auto refused = [&](const std::vector<std::string>& messages) {
        dialogs->clear();
        EXPECT_FALSE(Commit());
        EXPECT_EQ(Messages(), messages);
        EXPECT_TRUE(Snapshot() == committed);
        EXPECT_EQ(host.calls + loadForm.calls, "");
    };
    // Everything wrong at once: the tests come in their order.
    f.Option_Vert_Fixed = false;
    f.lbl_S01_E = "";
    f.lbl_S01_Desc = " 47 x 150 C16 Timber";
    f.Grid_Spans.SetCell(3, 1, "abc");
    refused({beammsg::kSupportType});
    EXPECT_EQ(Model.SteelSectionFlag, -1); // the earlier commit's mode stands
    f.Option_Vert_Fixed = true;
    refused({beammsg::kSection});
    f.lbl_S01_E = "-205000";
    refused({beammsg::kSection});
    f.lbl_S01_E = "200000";
    refused({beammsg::kSpanLength}); // E of exactly 200000 asks nothing
    f.lbl_S01_E = "200000.1";
    refused({}); // No to the timber question stops silently
    EXPECT_EQ(dialogs->shown.back().text, beammsg::kTimberE);
    dialogs->clear();
    dialogs->confirmAnswers.push_back(true);
    EXPECT_FALSE(Commit());
    EXPECT_EQ(Messages(), std::vector<std::string>{beammsg::kSpanLength});
    f.lbl_S01_E = "205000";
    f.lbl_S01_Desc = " 127 x 76 UB 13";
    for (const char* bad : {"0", "-3", "1e39"}) {
        f.Grid_Spans.SetCell(3, 1, bad);
        refused({beammsg::kSpanLength});
    }
    f.Grid_Spans.SetCell(3, 1, "4");
    f.Grid_Spans.SetCell(1, 1, "");
    refused({beammsg::kLHCantileverLength});
    EXPECT_EQ(BeamFormVars.BeamInputError, 1);
    f.Grid_Spans.SetCell(1, 1, "1.5");
    f.Check_RHF = false;
    f.Check_RHC = true;
    CantileverClicked(f, false, pic);
    refused({beammsg::kRHCantileverLength});

    // A section whose values the analysis cannot use: a working Ixx of 0, a timber without sizes.
    f.Check_RHC = false;
    CantileverClicked(f, false, pic);
    Work.WorkSpanData[1][mfIxx] = 0;
    refused({beammsg::kSection});
    Work.WorkSpanData[1][mfIxx] = 4734400;
    Work.WorkMemberType = Work.WorkSectionShape = "Timber";
    Work.TimberPermShear = 6192.05f;
    Work.TimberPermMoment = 1198220.8f;
    refused({beammsg::kSection});
    for (int row = 0; row <= 26; ++row) {
        Work.WorkSpanData[row][mfTimberDepth] = 150;
        Work.WorkSpanData[row][mfTimberWidth] = 47;
    }
    Work.TimberPermShear = 0;
    refused({beammsg::kSection});
    Work.TimberPermShear = 6192.05f;
    dialogs->clear();
    EXPECT_TRUE(Commit());
    EXPECT_EQ(Model.SteelSectionFlag, 0); // timber is not checked as steel
    EXPECT_EQ(Model.TimberPermShearSaved, 6192.05f);
    ResetProgramState();
    EXPECT_EQ(BeamFormVars.BeamInputError, 0);
    EXPECT_TRUE(BeamFormVars.BeamMessage.empty());
}

TEST_F(BeamForm, CommitClearsTheResultsOfTheBeamAnalysedBefore) {
    TypeUBBeam();
    ASSERT_TRUE(Commit());
    Model.LoadTable[1][1] = TLoadRec{};
    Model.LoadTable[1][1][lfKind] = -1.0f;
    Model.LoadTable[1][1][lfW1] = Model.LoadTable[1][1][lfW2] = 10;
    Model.LoadTable[1][1][lfCover] = 11500;
    Model.LoadTable[1][1][lfLF] = 1;
    Model.LoadTable[1][1][lfApplied] = 1.0f;
    Model.CaseHasLoads[1] = 1;
    NullAnalysisHost analysis;
    AnalyseBeam(analysis);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_FALSE(Eng.StoredMoment == std::make_unique<EngineState>()->StoredMoment);
    ASSERT_NE(Txt.SummaryLines[1], "");
    Txt.SteelCheckLines[1][0] = "1";

    host.calls.clear();
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Model.AnalysedFlag, 0);
    EXPECT_TRUE(Eng.StoredMoment == std::make_unique<EngineState>()->StoredMoment);
    EXPECT_EQ(Txt.SummaryLines[1], "");
    EXPECT_EQ(Txt.SteelCheckLines[1][0], "");
    EXPECT_EQ(host.calls, "ClearResultLists, FillImageBlack, DisableFileMenus");
}

TEST_F(BeamForm, SpansGridFollowsTheCountAndTheCantilevers) {
    TypeBeam({"3", "4"});
    EXPECT_EQ(f.Grid_Spans.ColCount(), 3);
    EXPECT_EQ(Work.WorkSpanData[2][mfL], 4000.0f);
    // LHC: the lengths move one column to the right under their captions; the cantilever is empty.
    f.Check_LHC = true;
    CantileverClicked(f, true, pic);
    EXPECT_EQ(f.Grid_Spans.ColCount(), 4);
    const std::vector<std::string> captions = {f.Grid_Spans.Cell(1, 0), f.Grid_Spans.Cell(2, 0),
                                               f.Grid_Spans.Cell(3, 0)};
    EXPECT_EQ(captions, (std::vector<std::string>{" LHC ", " Span 1", " Span 2"}));
    EXPECT_EQ(f.Grid_Spans.Cell(1, 1), "");
    EXPECT_EQ(f.Grid_Spans.Cell(2, 1), "3.000");
    EXPECT_EQ(f.Grid_Spans.Cell(3, 1), "4.000");
    Type(1, "1.25");
    // The cantilever's length comes back when it is ticked again.
    f.Check_LHC = false;
    CantileverClicked(f, true, pic);
    EXPECT_EQ(f.Grid_Spans.Cell(1, 1), "3.000");
    f.Check_LHC = true;
    CantileverClicked(f, true, pic);
    EXPECT_EQ(f.Grid_Spans.Cell(1, 1), "1.250");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 8250);

    // "LH Support Fixed" unticks "LHC" and takes its column away.
    f.Check_LHF = true;
    FixedEndClicked(f, true, pic);
    EXPECT_FALSE(f.Check_LHC);
    EXPECT_EQ(f.Grid_Spans.ColCount(), 3);
    EXPECT_EQ(f.Grid_Spans.Cell(1, 1), "3.000");
    EXPECT_EQ(Work.WorkSupportType[0], supFixedEnd);
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 7000);
    // "LHC" unticks "LH Support Fixed".
    f.Check_LHC = true;
    CantileverClicked(f, true, pic);
    EXPECT_FALSE(f.Check_LHF);
    EXPECT_EQ(Work.WorkSupportType[0], supFixed);

    // RHC gets a last column " RHC"; the member grid marks which members exist.
    f.Check_RHC = true;
    CantileverClicked(f, false, pic);
    EXPECT_EQ(f.Grid_Spans.Cell(4, 0), " RHC");
    Type(4, "2");
    const std::vector<std::string> exists = {f.Grid_SpanData.Cell(1, 1), f.Grid_SpanData.Cell(3, 1),
                                             f.Grid_SpanData.Cell(4, 1), f.Grid_SpanData.Cell(27, 1)};
    EXPECT_EQ(exists, (std::vector<std::string>{" Yes", " Yes", " No", " Yes"}));
    EXPECT_EQ(f.Grid_SpanData.Cell(27, 2), "2000.0");
}

TEST_F(BeamForm, TypedSpanCountIsHeldToTheSpinnersRange) {
    TypeBeam({"3"});
    f.Edit_Spans = "30";
    SpanCountChanged(f, pic);
    EXPECT_EQ(Work.WorkSpanCount, 20);
    EXPECT_EQ(f.Edit_Spans, "20");
    EXPECT_EQ(f.Grid_Spans.ColCount(), 21);
    EXPECT_EQ(f.Grid_Spans.Cell(20, 0), " Span 20");
    f.Edit_Spans = "0";
    SpanCountChanged(f, pic);
    EXPECT_EQ(Work.WorkSpanCount, 1);
    f.UpDown_Spans = 4;
    f.Edit_Spans = "four";
    SpanCountChanged(f, pic);
    EXPECT_EQ(Work.WorkSpanCount, 4);
    EXPECT_EQ(f.Edit_Spans, "4");
    f.Edit_Spans = "99999999999999";
    f.Check_LHC = true; // the cantilever boxes build the columns too
    CantileverClicked(f, true, pic);
    EXPECT_EQ(Work.WorkSpanCount, 20);
    EXPECT_EQ(f.Grid_Spans.ColCount(), 22);
}

TEST_F(BeamForm, SpansCouplerIsOnlyForInteriorSupports) {
    PickScaffoldTube();
    TypeBeam({"2", "2"});
    TickCoupler(f.Check_Span_Sup, f.Option_Span_Top, f.Option_Span_Mid, false);
    EXPECT_EQ(Work.WorkSupportType[1], supCouplerMid);
    // Back to one span: the box is unticked and disabled, and the codes follow.
    f.Edit_Spans = "1";
    SpanCountChanged(f, pic);
    EXPECT_FALSE(f.Check_Span_Sup);
    EXPECT_FALSE(f.Check_Span_Sup_Enabled);
    EXPECT_EQ(Work.WorkSupportType[1], supFixed);
    EXPECT_EQ(Work.WorkSupportStiffness[1], 0.0f);
    ResetBeamForm(f);
    EXPECT_FALSE(f.Check_Span_Sup_Enabled);
}

TEST_F(BeamForm, CancelRestoresTheCommittedBeamOverWhatWasTypedSince) {
    TypeUBBeam();
    ASSERT_TRUE(Commit());
    // Typed and picked since: another count, lengths, supports, couplers, thickness.
    TypeBeam({"5", "6"});
    f.Check_RHC = true;
    CantileverClicked(f, false, pic);
    f.Option_Forkhead = true;
    f.Option_Vert_Fixed = false;
    f.lbl_S01_E = "1";
    f.List_Props.push_back("a line of another section");
    Work.WorkFlangeThickness = 55;
    Work.SectionRecordNo = 9;

    RestoreBeamForm(f);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.Grid_Spans.ColCount(), 5);
    const std::vector<std::string> captions = {f.Grid_Spans.Cell(1, 0), f.Grid_Spans.Cell(2, 0),
                                               f.Grid_Spans.Cell(3, 0), f.Grid_Spans.Cell(4, 0)};
    EXPECT_EQ(captions, (std::vector<std::string>{" LHC ", " Span 1", " Span 2", " Span 3"}));
    const std::vector<std::string> cells = {f.Grid_Spans.Cell(1, 1), f.Grid_Spans.Cell(2, 1),
                                            f.Grid_Spans.Cell(3, 1), f.Grid_Spans.Cell(4, 1)};
    EXPECT_EQ(cells, (std::vector<std::string>{"1.500", "3.000", "4.000", "3.000"}));
    EXPECT_TRUE(f.Check_LHC);
    EXPECT_FALSE(f.Check_RHC);
    EXPECT_TRUE(f.Check_RHF);
    EXPECT_TRUE(f.Option_Vert_Fixed);
    EXPECT_FALSE(f.Option_Forkhead);
    EXPECT_EQ(f.Edit_Spans, "3");
    EXPECT_EQ(f.UpDown_Spans, 3);
    EXPECT_EQ(f.lbl_S01_E, "205000");
    EXPECT_EQ(f.lbl_S01_Ixx, "473.4");
    EXPECT_EQ(f.lbl_S01_Desc, " 127 x 76 UB 13");
    EXPECT_EQ(f.Grid_SpanData.Cell(5, 5), "63.500");
    EXPECT_EQ(f.Grid_SpanData.Cell(6, 6), "1652.0");
    EXPECT_EQ(f.Edit_L, ""); // the "none given" lift height
    EXPECT_TRUE(f.Option_None);
    EXPECT_EQ(f.List_Props.size(), 7u); // the committed lines, once
    EXPECT_EQ(f.List_Props[2], " Ixx = 473.4 cm^4");
    EXPECT_EQ(Work.WorkFlangeThickness, 7.6f);
    EXPECT_EQ(Work.WorkWebThickness, 4.0f);
    EXPECT_EQ(Work.SectionRecordNo, 0); // not a scaffold member
    EXPECT_EQ(Work.WorkSpanCount, 3);

    // The restored form commits the same beam again.
    const Snapshot committed;
    ASSERT_TRUE(Commit());
    EXPECT_TRUE(Snapshot() == committed);
}

TEST_F(BeamForm, RestoreKeepsTheCouplerOptionsWhereThereIsNoCoupler) {
    PickScaffoldTube();
    TypeBeam({"2", "2"});
    ASSERT_TRUE(Commit());
    RestoreBeamForm(f);
    EXPECT_TRUE(f.Option_LH_Mid);
    EXPECT_TRUE(f.Check_Span_Sup_Enabled);
    // "LH End" ticked afterwards has its option and so its code and spring.
    f.Edit_L = "2";
    f.Check_LH_End_Sup = true;
    CouplerClicked(f, pic);
    EXPECT_EQ(Work.WorkSupportType[0], supCouplerMid);
    EXPECT_EQ(Work.WorkSupportStiffness[0], 28980000.0f);

    // A committed coupler comes back with its option.
    TickCoupler(f.Check_RH_End_Sup, f.Option_RH_Top, f.Option_RH_Mid, true);
    ASSERT_TRUE(Commit());
    f.Option_RH_Top = false;
    f.Option_RH_Mid = true;
    f.Check_RH_End_Sup = false;
    f.Edit_L = "7";
    RestoreBeamForm(f);
    EXPECT_TRUE(f.Check_RH_End_Sup);
    EXPECT_TRUE(f.Option_RH_Top);
    EXPECT_FALSE(f.Option_RH_Mid);
    EXPECT_EQ(f.Edit_L, "2.00");
}

TEST_F(BeamForm, RestoreFindsTheScaffoldBoardSoItsCouplersAreStillRefused) {
    Pro_Load_Scaffold(); // "Scaf.sct" in the start-up directory
    PickScaffoldTube(5);
    f.lbl_S01_Desc = " 38 x 225 Board";
    TypeBeam({"2", "2"});
    ASSERT_TRUE(Commit());
    Work.SectionRecordNo = 1; // a tube picked since, then Cancel
    RestoreBeamForm(f);
    EXPECT_EQ(Work.SectionRecordNo, 5);
    f.Edit_L = "2";
    TickCoupler(f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, true);
    EXPECT_FALSE(Commit());
    EXPECT_EQ(Messages(), std::vector<std::string>{beammsg::kBoards});

    // A designation the file does not hold, or no file: 0.
    Model.SectionDescription = " no such member";
    RestoreBeamForm(f);
    EXPECT_EQ(Work.SectionRecordNo, 0);
}

TEST_F(BeamForm, RestoreOfATimberBeamShowsTheTimberControls) {
    Model.SectionFamilyCode = "Timber";
    Model.MemberType = "Timber";
    Model.TimberWidthSaved = 47;
    Model.TimberDepthSaved = 150;
    Model.TimberPermShearSaved = 6192.05f;
    Model.TimberPermMomentSaved = 1198220.8f;
    Model.SpanData[1][mfGA] = 1772581.5f;
    Model.SpanData[kFlagsRow][kShearDeflectionField] = 1.0f;
    Model.SectionPropLines[0] = "2";
    Model.SectionPropLines[1] = "";
    Model.SectionPropLines[2] = " 47.0 x 150 C16 Timber";
    f.List_TimProps = {"old"};
    RestoreBeamForm(f);
    EXPECT_TRUE(f.Frame_Timber);
    EXPECT_FALSE(f.Frame_Steel);
    EXPECT_FALSE(f.Frame_SteelCheck);
    EXPECT_TRUE(f.Frame_Shear);
    EXPECT_TRUE(f.Check_GA);
    EXPECT_EQ(f.Edit_Timber_W, "47.0");
    EXPECT_EQ(f.Edit_Timber_H, "150");
    EXPECT_EQ(f.lbl_GA, "1770"); // 1772.5815 kN at three figures
    EXPECT_EQ(f.List_TimProps, (std::vector<std::string>{"", " 47.0 x 150 C16 Timber"}));
    EXPECT_EQ(Work.TimberPermShear, 6192.05f);
    EXPECT_EQ(Work.TimberPermMoment, 1198220.8f);

    // A count in line 0 beyond the 50 lines is held to them.
    Model.SectionFamilyCode = "UB";
    Model.SectionPropLines[0] = "9999";
    RestoreBeamForm(f);
    EXPECT_EQ(f.List_Props.size(), 50u);
    Model.SectionPropLines[0] = "x";
    RestoreBeamForm(f);
    EXPECT_TRUE(f.List_Props.empty());
}

TEST_F(BeamForm, BeamsComeBackFromTheirFilesAndCommitAsSaved) {
    struct Case {
        const char* name;
        std::function<void()> type;
    };
    const Case cases[] = {
        {"UB beam", [this] { TypeUBBeam(); }},
        {"one span fixed at both ends",
         [this] {
             PickUB127();
             TypeBeam({"6"});
             f.Check_LHF = f.Check_RHF = true;
             FixedEndClicked(f, true, pic);
             for (int row = 0; row <= kRHCantRow; ++row)
                 Work.WorkSpanData[row][mfGA] = 1e6f;
             f.Check_GA = true;
             f.lbl_GA = "1000";
         }},
        {"forkheads with a check box left",
         [this] {
             PickUB127();
             TypeBeam({"2", "3"}, "", "0.5");
             f.Option_Forkhead = true;
             f.Option_Vert_Fixed = false;
             SupportKindClicked(f, pic);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetBeamJob();
        ResetBeamForm(f);
        c.type();
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        const Snapshot saved;
        const std::string path = dir_.path("beam.kxf");
        WriteBeamFile(path);

        NewBeam(host);
        EXPECT_EQ(Model.BeamLength, 0.0);
        EXPECT_EQ(f.Grid_Spans.ColCount(), 2);
        ASSERT_TRUE(OpenBeamFile(host, path)) << ::testing::PrintToString(Messages());
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        Model.AnalysedFlag = saved.m->AnalysedFlag;
        EXPECT_TRUE(Snapshot() == saved);
    }
}

} // namespace

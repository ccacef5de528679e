// The beam form without its window: the commit's figures and its refusals in their order, the
// coupler springs and support rules, the spans grid, and the restore after Cancel and Open.
#include "input/KX_Beam.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>

#include "FormTestSupport.h"
#include "engine/AnalysedJob.h"
#include "input/Rescale.h"
#include "input/SectionChoice.h"
#include "input/TimSect.h"
#include "platform/Errors.h"
#include "sections/Pro_Load_Scaffold.h"
#include "window/KxfFile.h"

using namespace kx;
using namespace kxtest;

namespace {

using Texts = std::vector<std::string>;

class BeamForm : public BeamFormTest {
protected:
    // What a commit writes: the job as its file holds it, and the working self-weight record.
    struct Snapshot {
        std::vector<std::uint8_t> job = WriteKxfFile();
        TLoadRec selfWeight = Work.WorkLoads[kSelfWeightRecord];
        bool operator==(const Snapshot&) const = default;
    };

    // The UB beam of the figures: 1.5 m cantilever, spans 3, 4, 3 m, fixed at the right.
    void TypeUBBeam() {
        PickUB127();
        TypeBeam({"3", "4", "3"}, "1.5");
        f.Check_RHF = true;
        FixedEndClicked(f, false, pic);
    }

    // Spans 2 + 2 of a scaffold tube as its pick leaves it, "Ixx" 13.80 cm^4.
    void TypeScaffoldBeam(int recordNo = 1, const char* desc = " \"Used\" Steel Tube") {
        for (TMemberRow& r : Work.WorkSpanData) {
            r.fill(0);
            r[mfE] = 210000;
            r[mfIxx] = 138000;
            r[mfArea] = 556.69f;
        }
        f.lbl_S01_Ixx = "13.80";
        f.lbl_S01_E = "210000";
        f.lbl_S01_Desc = desc;
        Work.WorkSectionShape = "Tube";
        Work.WorkMemberType = Work.SectionFamily = "Scaffold";
        Work.SectionRecordNo = recordNo;
        TypeBeam({"2", "2"});
    }

    // The coupler boxes of each place, with the support slot a commit writes.
    struct CouplerBox {
        bool &box, &top, &mid;
        int slot;
    };
    CouplerBox LHEndCoupler() { return {f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, 0}; }
    CouplerBox SpanCoupler() { return {f.Check_Span_Sup, f.Option_Span_Top, f.Option_Span_Mid, 1}; }
    CouplerBox RHEndCoupler() { return {f.Check_RH_End_Sup, f.Option_RH_Top, f.Option_RH_Mid, 25}; }

    void TickCoupler(bool& box, bool& top, bool& mid, bool chooseTop) {
        box = true;
        top = chooseTop;
        mid = !chooseTop;
        CouplerClicked(f, pic);
    }

    // "Next >" is refused with these messages; nothing committed changes and the load form is not told.
    void ExpectRefused(const Texts& messages, const Snapshot& committed) {
        dialogs->clear();
        const RecordingLoadForm before = loadForm;
        EXPECT_FALSE(Commit());
        EXPECT_EQ(Messages(), messages);
        EXPECT_TRUE(Snapshot() == committed);
        EXPECT_TRUE(loadForm.drawn == before.drawn && loadForm.factorsReset == before.factorsReset);
    }
};

TEST_F(BeamForm, CommitOfTheUBBeamWritesMembersSupportsSectionAndSelfWeight) {
    TypeUBBeam();
    Model.AnalysedFlag = 1;
    RecordAnalysedJob(); // results of the job before the commit
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(Messages().empty());
    const float lengths[] = {1500, 3000, 4000, 3000};
    for (int row = 0; row <= 26; ++row) {
        const TMemberRow& r = Model.SpanData[row];
        EXPECT_EQ(r[mfExists], row <= 3 ? 1.0f : 0.0f) << row;
        EXPECT_EQ(r[mfL], row <= 3 ? lengths[row] : 0.0f) << row;
        EXPECT_TRUE(r[mfE] == 205000 && r[mfIxx] == 4734400 && r[mfArea] == 1652) << row;
    }
    EXPECT_EQ(Model.SpanData[kFlagsRow][kShearDeflectionField], -1.0f); // "Calculate" not ticked
    for (int k = 0; k <= 25; ++k)
        EXPECT_EQ(Model.SupportType[k], k < 25 ? supFixed : supFixedEnd) << k;
    // No lift height given: 1e18 m. Steel with "None": flag -1. The old results are gone.
    EXPECT_EQ((std::tuple{Model.SpanCount[0], Model.LiftHeight, Model.BeamLength, Model.SteelSectionFlag,
                          ResultsStand()}),
              (std::tuple{3, 1e21f, 11500.0, -1, false}));
    EXPECT_EQ((Texts{Model.SectionShape, Model.MemberType, Model.SectionFamilyCode, Model.SectionDescription,
                     Model.SectionPropLines[3]}),
              (Texts{"Beam", "HRS", "UB", " 127 x 76 UB 13", " Ixx = 473.4 cm^4"}));

    // Self-weight of steel at 7.85 t/m^3: 7.85 x 1652 / 1e6 x 9.81 N/mm over the whole beam;
    // factor 1.0 with factored loads off.
    const TLoadRec& sw = Work.WorkLoads[kSelfWeightRecord];
    EXPECT_TRUE(sw[lfKind] == -1 && sw[lfDist] == 0 && sw[lfCover] == 11500 && sw[lfLF] == 1.0f);
    for (int w : {lfW1, lfW2})
        EXPECT_FLOAT_EQ(sw[w], 0.12721804f);
    EXPECT_TRUE(loadForm.selfWeightFrame && loadForm.drawn == 1);

    // Factored loads on and a committed self-weight factor of 0: 1.4, and "None" asks nothing.
    Model.FactoredLoadsFlag = 1;
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.4f);
    EXPECT_TRUE(dialogs->shown.empty());
    // A committed factor that is not 0 leaves the working one as it is.
    Model.LoadTable[1][kSelfWeightRecord][lfLF] = 1.2f;
    Work.WorkLoads[kSelfWeightRecord][lfLF] = 1.3f;
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.3f);
}

// Showing the form writes nothing committed: a job whose units are not those the form starts with,
// or has none, is saved byte for byte as it was before the showing.
TEST_F(BeamForm, ShowingTheFormWritesNothingCommitted) {
    struct Row {
        const char* what;
        std::function<void()> units;
    };
    const std::vector<Row> rows = {
        {"a job without unit texts or factors",
         [] {
             Model.UnitTextLength = Model.UnitTextForce = Model.UnitTextSectE = "";
             Model.UnitFactorLength = Model.UnitFactorForce = Model.UnitFactorSectE = 0;
         }},
        {"a job in mm and N",
         [] {
             Model.UnitTextLength = "mm";
             Model.UnitFactorLength = 1;
             Model.UnitTextForce = "N";
             Model.UnitFactorForce = 1;
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        r.units();
        const Snapshot before;
        BeamFormShow(f);
        EXPECT_TRUE(Snapshot() == before);
    }
}

TEST_F(BeamForm, ShearDeflectionIsWantedOnlyWhenTickedWithAStiffnessShown) {
    // The stiffness stays on show when "Calculate" is unticked: the flag follows the box.
    const struct {
        bool ticked;
        const char* GA;
        float flag;
    } rows[] = {{true, "500", 1.0f},
                {false, "500", -1.0f},
                {true, "0", -1.0f},
                {true, "", -1.0f},
                {true, "0.001", 1.0f}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.ticked << " " << r.GA);
        TypeUBBeam();
        f.Check_GA = r.ticked;
        f.lbl_GA = r.GA;
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        EXPECT_EQ(Model.SpanData[kFlagsRow][kShearDeflectionField], r.flag);
    }
}

// New unticks every box and takes the first choice of each pair, whatever the used form showed:
// one span, no supports, no shear deflection, no code check, vertically fixed.
TEST_F(BeamForm, NewShowsEveryBoxUntickedAndTheFirstChoices) {
    // The widest grid first: 25 spans and both cantilevers, the RH one in column 27.
    TypeBeam(std::vector<std::string>(25, "2"), "1.5", "2.5");
    ASSERT_EQ(f.Grid_Spans.Cell(27, 1), "2.5");
    for (int col = 1; col <= 27; ++col)
        for (int row = 1; row <= 8; ++row)
            f.Grid_SpanData.SetCell(col, row, "9");
    ResetBeamForm(f);
    for (int col = 1; col <= 27; ++col) {
        EXPECT_EQ(f.Grid_Spans.Shown(col, 1), ShownText()) << col;
        for (int row = 1; row <= 8; ++row)
            EXPECT_EQ(f.Grid_SpanData.Cell(col, row), "") << col << "," << row;
    }
    TypeUBBeam();
    f.Edit_Spans = "3";
    f.UpDown_Spans = 3;
    f.Check_LH_End_Sup = f.Check_Span_Sup = f.Check_RH_End_Sup = f.Check_Span_Sup_Enabled = true;
    f.Check_GA = f.Check_LHF = f.Check_RHF = f.Check_LHC = f.Check_RHC = true;
    f.Option_None = f.Option_Vert_Fixed = false;
    f.Option_Check = f.Option_Forkhead = true;
    f.lbl_GA = "500";
    f.Edit_Timber_W = "75";
    f.Edit_Timber_H = "200";
    ResetBeamForm(f);
    EXPECT_EQ((std::tuple{f.Edit_Spans, f.UpDown_Spans, f.lbl_GA, f.Edit_Timber_W, f.Edit_Timber_H}),
              (std::tuple{std::string("1"), 1, std::string(), std::string(), std::string()}));
    const std::pair<const char*, bool> boxes[] = {
        {"Check_LH_End_Sup", f.Check_LH_End_Sup},
        {"Check_Span_Sup", f.Check_Span_Sup},
        {"Check_Span_Sup_Enabled", f.Check_Span_Sup_Enabled},
        {"Check_RH_End_Sup", f.Check_RH_End_Sup},
        {"Check_GA", f.Check_GA},
        {"Check_LHF", f.Check_LHF},
        {"Check_RHF", f.Check_RHF},
        {"Check_LHC", f.Check_LHC},
        {"Check_RHC", f.Check_RHC},
        {"Option_Check", f.Option_Check},
        {"Option_Forkhead", f.Option_Forkhead},
        {"not Option_None", !f.Option_None},
        {"not Option_Vert_Fixed", !f.Option_Vert_Fixed},
    };
    for (auto [name, ticked] : boxes)
        EXPECT_FALSE(ticked) << name;
}

TEST_F(BeamForm, CodeCheckAsksAboutFactoredLoadsOnlyOnceNothingCanStopTheCommit) {
    TypeUBBeam();
    f.Option_None = false;
    f.Option_Check = true;
    CodeCheckClicked(f);
    Model.FactoredLoadsFlag = 1;
    dialogs->confirmAnswers.push_back(true);
    ASSERT_TRUE(Commit());
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].text + "|" + dialogs->shown[0].caption,
              std::string(beammsg::kFactoredLoads) + "|Confirm");
    EXPECT_TRUE(Model.SteelSectionFlag == 1 && Model.FactoredLoadsFlag == 1);
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.4f);

    // No: every load factor of the five loadcases and of the working list becomes 1.0.
    for (int lc = 1; lc <= 5; ++lc)
        Model.LoadTable[lc][7][lfLF] = 1.6f;
    Work.WorkLoads[9][lfLF] = 1.5f;
    Model.LoadTable[1][kSelfWeightRecord][lfLF] = 0;
    dialogs->clear();
    dialogs->confirmAnswers.push_back(false);
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Messages(), Texts{beammsg::kFactorsReset});
    EXPECT_EQ(Model.FactoredLoadsFlag, -1);
    for (int r = 1; r <= 51; ++r) {
        for (int lc = 1; lc <= 5; ++lc)
            ASSERT_EQ(Model.LoadTable[lc][r][lfLF], 1.0f) << lc << " " << r;
        ASSERT_EQ(Work.WorkLoads[r][lfLF], 1.0f) << r;
    }
    EXPECT_EQ(loadForm.factorsReset, 1);
    dialogs->clear();
    ASSERT_TRUE(Commit());
    EXPECT_TRUE(dialogs->shown.empty()); // factored loads are off now: no question

    // Flange 40.0 mm passes; 40.1 stops the commit before the question is asked: nothing changes.
    Work.WorkFlangeThickness = 40.0f;
    ASSERT_TRUE(Commit());
    Model.FactoredLoadsFlag = 1;
    Model.LoadTable[2][3][lfLF] = 1.6f;
    Work.WorkFlangeThickness = 40.1f;
    f.Grid_Spans.SetCell(2, 1, "3.5"); // a change that must not reach the model
    const Snapshot before;
    dialogs->clear();
    loadForm = {};
    dialogs->confirmAnswers.push_back(false);
    EXPECT_FALSE(Commit());
    EXPECT_EQ(Messages(), Texts{beammsg::kThickness});
    EXPECT_EQ(dialogs->shown.size(), 1u); // no question
    EXPECT_TRUE(Model.FactoredLoadsFlag == 1 && Model.LoadTable[2][3][lfLF] == 1.6f);
    EXPECT_TRUE(loadForm.factorsReset == 0 && loadForm.drawn == 0);
    EXPECT_TRUE(Snapshot() == before);
}

TEST_F(BeamForm, CouplersAreRefusedOnTheTwoBoardsAloneNotOnTheScaffoldRecordsBesideThem) {
    for (int record : {4, 5, 6, 7}) {
        SCOPED_TRACE(record);
        TypeScaffoldBeam(record);
        TickCoupler(f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, true);
        f.Edit_L = "2";
        dialogs->clear();
        const bool board = record == 5 || record == 6;
        EXPECT_EQ(Commit(), !board);
        EXPECT_EQ(Messages(), board ? Texts{beammsg::kBoards} : Texts{});
    }
}

// A commit stopped by a flange over 40 mm asks no question about factored loads: the factors, and
// the results found with them, whatever they are, stay as they were.
TEST_F(BeamForm, ACommitStoppedByTheThicknessKeepsTheFactorsAndTheirResults) {
    for (const float factor : {1.6f, 1.0f}) {
        SCOPED_TRACE(factor);
        TypeUBBeam();
        f.Option_None = false;
        f.Option_Check = true;
        CodeCheckClicked(f);
        Model.FactoredLoadsFlag = 1;
        Model.LoadTable[2][3][lfLF] = factor;
        Model.LoadTable[2][3][lfApplied] = 1.0f;
        Model.AnalysedFlag = 1;
        RecordAnalysedJob(); // results found for the job as it stands
        Work.WorkFlangeThickness = 40.1f;
        dialogs->clear();
        host.calls.clear();
        dialogs->confirmAnswers.push_back(false);
        EXPECT_FALSE(Commit());
        EXPECT_EQ(Messages(), Texts{beammsg::kThickness});
        EXPECT_EQ(Model.LoadTable[2][3][lfLF], factor);
        EXPECT_EQ(Model.FactoredLoadsFlag, 1);
        EXPECT_TRUE(ResultsStand());
        EXPECT_EQ(host.calls, "");
    }
}

TEST_F(BeamForm, CouplersOnAScaffoldTubeGetTheirCodesAndSpringsAndAreRefusedWhereTheyCannotBe) {
    TypeScaffoldBeam();
    TickCoupler(f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, true);
    TickCoupler(f.Check_Span_Sup, f.Option_Span_Top, f.Option_Span_Mid, false);
    TickCoupler(f.Check_RH_End_Sup, f.Option_RH_Top, f.Option_RH_Mid, false);
    f.Edit_L = "2";
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    // k = 210000 x 138000 mm^4 / 2000 mm = 14,490,000 N mm/rad; "Mid" doubles it.
    for (int k = 0; k <= 25; ++k) {
        EXPECT_EQ(Model.SupportType[k], k == 0 ? supCouplerTop : supCouplerMid) << k;
        EXPECT_EQ(Model.SupportStiffness[k], k == 0 ? 14490000.0f : 28980000.0f) << k;
    }
    EXPECT_EQ(Model.LiftHeight, 2000.0f);
    EXPECT_EQ(Model.SteelSectionFlag, 0); // a scaffold member is not checked as steel
    EXPECT_FALSE(loadForm.selfWeightFrame);

    // Either board (records 5 and 6) with couplers is refused; so are couplers without a lift height
    // that is a positive single.
    const Snapshot committed;
    for (int board : {5, 6}) {
        Work.SectionRecordNo = board;
        ExpectRefused({beammsg::kBoards}, committed);
    }
    Work.SectionRecordNo = 1;
    for (const char* height : {"", "1e39", "-2"}) {
        f.Edit_L = height;
        ExpectRefused({beammsg::kLiftHeight}, committed);
    }

    // Forkheads with couplers and the check (as a family that allows it leaves it): both messages
    // in order, the boxes unticked, "None", and every support a forkhead without a spring.
    f.Edit_L = "2";
    f.Option_None = f.Option_Vert_Fixed = false;
    f.Option_Check = f.Option_Forkhead = true;
    dialogs->clear();
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Messages(), (Texts{beammsg::kCouplerWithForkheads, beammsg::kNoCheckWithForkheads}));
    EXPECT_FALSE(f.Check_LH_End_Sup || f.Check_Span_Sup || f.Check_RH_End_Sup || f.Option_Check);
    EXPECT_TRUE(f.Option_None);
    for (int k = 0; k <= 25; ++k)
        EXPECT_TRUE(Model.SupportType[k] == supForkhead && Model.SupportStiffness[k] == 0) << k;
    // A fixed end overrides the forkhead at its end.
    f.Check_LHF = true;
    FixedEndClicked(f, true, pic);
    EXPECT_TRUE(Work.WorkSupportType[0] == supFixedEnd && Work.WorkSupportType[1] == supForkhead);
}

TEST_F(BeamForm, ACouplerAloneAtEitherEndOrBetweenSpansNeedsTheLiftHeight) {
    // Each coupler on its own: no lift height is refused, 2 m gives its spring 2 x 210000 x
    // 138000 / 2000 N mm/rad ("Mid").
    TypeScaffoldBeam();
    CouplerBox boxes[] = {LHEndCoupler(), SpanCoupler(), RHEndCoupler()};
    for (CouplerBox& b : boxes) {
        SCOPED_TRACE(b.slot);
        for (CouplerBox& other : boxes)
            other.box = false;
        TickCoupler(b.box, b.top, b.mid, false);
        f.Edit_L = "";
        const Snapshot committed;
        ExpectRefused({beammsg::kLiftHeight}, committed);
        f.Edit_L = "2";
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        EXPECT_EQ(Model.SupportType[b.slot], supCouplerMid);
        EXPECT_EQ(Model.SupportStiffness[b.slot], 28980000.0f);
        EXPECT_EQ(Model.LiftHeight, 2000.0f);
    }
}

TEST_F(BeamForm, EachRefusalShowsItsMessageInOrderAndChangesNothingCommitted) {
    TypeUBBeam();
    ASSERT_TRUE(Commit());
    Model.AnalysedFlag = 1; // and the results stay
    const Snapshot committed;
    // Everything wrong at once: the tests come in their order, each put right in turn.
    f.Option_Vert_Fixed = false;
    f.lbl_S01_E = "";
    f.lbl_S01_Desc = " 47 x 150 C16 Timber";
    f.Grid_Spans.SetCell(3, 1, "abc");
    ExpectRefused({beammsg::kSupportType}, committed);
    f.Option_Vert_Fixed = true;
    for (const char* e : {"", "-205000"}) {
        f.lbl_S01_E = e;
        ExpectRefused({beammsg::kSection}, committed);
    }
    // E and Ixx shown under 1 (in N/mm^2, cm^4) are still above 0: the section passes.
    const std::string ixx = f.lbl_S01_Ixx;
    f.lbl_S01_E = f.lbl_S01_Ixx = "0.5";
    ExpectRefused({beammsg::kSpanLength}, committed);
    f.lbl_S01_Ixx = ixx;
    f.lbl_S01_E = "200000";
    ExpectRefused({beammsg::kSpanLength}, committed); // E of exactly 200000 asks nothing
    f.lbl_S01_E = "200000.1";
    ExpectRefused({}, committed); // No to the timber question stops silently
    EXPECT_EQ(dialogs->shown.back().text, beammsg::kTimberE);
    dialogs->confirmAnswers.push_back(true);
    ExpectRefused({beammsg::kSpanLength}, committed);
    f.lbl_S01_E = "205000";
    f.lbl_S01_Desc = " 127 x 76 UB 13";
    // Longer than 10,000 m (10,000.001 m, 1e30 m): beyond what is drawn and analysed.
    for (const char* bad : {"0", "-3", "1e39", "10000.001", "1e30"}) {
        f.Grid_Spans.SetCell(3, 1, bad);
        ExpectRefused({beammsg::kSpanLength}, committed);
    }
    f.Grid_Spans.SetCell(3, 1, "4");
    for (const char* bad : {"", "1e30"}) {
        f.Grid_Spans.SetCell(1, 1, bad);
        ExpectRefused({beammsg::kLHCantileverLength}, committed);
        EXPECT_EQ(BeamFormVars.BeamInputError, 1);
    }
    f.Grid_Spans.SetCell(1, 1, "1.5");
    f.Check_RHF = false;
    f.Check_RHC = true;
    CantileverClicked(f, false, pic);
    ExpectRefused({beammsg::kRHCantileverLength}, committed);

    // A section the analysis cannot use: a working Ixx of 0, a timber without sizes or stresses,
    // and one so large that its permissible moment is beyond a single (no beam file could hold it).
    f.Check_RHC = false;
    CantileverClicked(f, false, pic);
    Work.WorkSpanData[1][mfIxx] = 0;
    ExpectRefused({beammsg::kSection}, committed);
    Work.WorkSpanData[1][mfIxx] = 4734400;
    Work.WorkMemberType = Work.WorkSectionShape = "Timber";
    Work.TimberPermShear = 6192.05f;
    Work.TimberPermMoment = 1198220.8f;
    ExpectRefused({beammsg::kSection}, committed);
    for (int row = 0; row <= 26; ++row) {
        Work.WorkSpanData[row][mfTimberDepth] = 150;
        Work.WorkSpanData[row][mfTimberWidth] = 47;
    }
    for (float shear : {0.0f, 6192.05f}) {
        Work.TimberPermShear = shear;
        Work.TimberPermMoment = shear == 0 ? 1198220.8f : std::numeric_limits<float>::infinity();
        ExpectRefused({beammsg::kSection}, committed);
    }
    Work.TimberPermMoment = 1198220.8f;
    f.Grid_Spans.SetCell(3, 1, "10000"); // 10,000 m is taken
    EXPECT_TRUE(Commit());
    EXPECT_EQ(Model.SpanData[2][mfL], 1e7f);
    EXPECT_EQ(Model.SteelSectionFlag, 0); // timber is not checked as steel
    EXPECT_EQ(Model.TimberPermShearSaved, 6192.05f);
    ResetProgramState(); // the form's own state goes with every other
    EXPECT_TRUE(BeamFormVars.BeamInputError == 0 && BeamFormVars.BeamMessage.empty());
}

TEST_F(BeamForm, SpansGridFollowsTheCountTheCantileversAndTheFixedEnds) {
    TypeBeam({"3", "4"});
    // "LHC" unticks "LH Support Fixed".
    f.Check_LHF = true;
    FixedEndClicked(f, true, pic);
    f.Check_LHC = true;
    CantileverClicked(f, true, pic);
    EXPECT_FALSE(f.Check_LHF);
    EXPECT_EQ(Work.WorkSupportType[0], supFixed);
    Type(1, "1.25");
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 8250);

    // RHC gets a last column " RHC"; the member grid marks which members exist.
    f.Check_RHC = true;
    CantileverClicked(f, false, pic);
    EXPECT_EQ(f.Grid_Spans.Cell(4, 0), " RHC");
    Type(4, "2");
    const Texts exists = {f.Grid_SpanData.Cell(1, 1), f.Grid_SpanData.Cell(3, 1), f.Grid_SpanData.Cell(4, 1),
                          f.Grid_SpanData.Cell(27, 1), f.Grid_SpanData.Cell(27, 2)};
    EXPECT_EQ(exists, (Texts{" Yes", " Yes", " No", " Yes", "2000.0"}));

    // Back to one span: the "Spans" coupler is unticked and disabled, and its code and spring go.
    f.lbl_S01_Ixx = "473.4";
    f.Edit_L = "2";
    TickCoupler(f.Check_Span_Sup, f.Option_Span_Top, f.Option_Span_Mid, false);
    ASSERT_GT(Work.WorkSupportStiffness[1], 0.0f);
    f.Edit_Spans = "1";
    SpanCountChanged(f, pic);
    EXPECT_FALSE(f.Check_Span_Sup || f.Check_Span_Sup_Enabled);
    EXPECT_TRUE(Work.WorkSupportType[1] == supFixed && Work.WorkSupportStiffness[1] == 0.0f);

    // A typed count is held to 1..20; text that is no whole number keeps the spinner's.
    const std::pair<const char*, int> counts[] = {{"30", 20}, {"0", 1}, {"four", 4}, {"99999999999999", 20}};
    for (auto [typed, n] : counts) {
        f.UpDown_Spans = 4;
        f.Edit_Spans = typed;
        SpanCountChanged(f, pic);
        EXPECT_EQ((std::tuple{Work.WorkSpanCount, f.Edit_Spans, f.Grid_Spans.ColCount()}),
                  (std::tuple{n, std::to_string(n), n + 3}))
            << typed;
    }
}

TEST_F(BeamForm, EachCantileverKeepsItsOwnLengthWhenTheSpansChangeAndCommitsIt) {
    for (const bool left : {true, false}) {
        SCOPED_TRACE(left ? "LH" : "RH");
        ResetBeamForm(f);
        PickUB127();
        TypeBeam({"3", "4"}, left ? "1.5" : "", left ? "" : "1.5");
        const int row = left ? kLHCantRow : kRHCantRow;
        EXPECT_EQ(Work.WorkSpanData[row][mfL], 1500.0f);
        // A third span: the cantilever's cell, first or now fifth, shows its own length.
        f.Edit_Spans = "3";
        SpanCountChanged(f, pic);
        EXPECT_EQ(f.Grid_Spans.Cell(left ? 1 : 4, 1), "1.500");
        Type(left ? 4 : 3, "2");
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        EXPECT_EQ((std::tuple{Model.SpanData[row][mfL], Model.SpanData[3][mfL], Model.BeamLength}),
                  (std::tuple{1500.0f, 2000.0f, 10500.0})); // 1.5 + 3 + 4 + 2 m
    }
}

TEST_F(BeamForm, CancelRestoresTheCommittedBeamOverWhatWasTypedSince) {
    TypeUBBeam();
    ASSERT_TRUE(Commit());
    const Snapshot committed;
    // Typed and picked since: another count, lengths, supports, section, thickness.
    TypeBeam({"5", "6"});
    f.Check_RHC = true;
    CantileverClicked(f, false, pic);
    f.Option_Forkhead = true;
    f.Option_Vert_Fixed = false;
    f.Option_None = false;
    f.Option_Check = true;
    f.lbl_S01_E = "1";
    f.List_Props.push_back("a line of another section");
    Work.WorkFlangeThickness = 55;
    Work.WorkWebThickness = 45;
    Work.SectionRecordNo = 9;

    RestoreBeamForm(f);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.Grid_Spans.ColCount(), 5);
    Texts grid;
    for (int row : {0, 1})
        for (int col = 1; col <= 4; ++col)
            grid.push_back(f.Grid_Spans.Cell(col, row));
    EXPECT_EQ(grid, (Texts{" LHC ", " Span 1", " Span 2", " Span 3", "1.500", "3.000", "4.000", "3.000"}));
    EXPECT_TRUE(f.Check_LHC && !f.Check_RHC && f.Check_RHF && f.Option_Vert_Fixed && !f.Option_Forkhead &&
                f.Option_None && !f.Option_Check);
    EXPECT_TRUE(f.Edit_Spans == "3" && f.UpDown_Spans == 3 && Work.WorkSpanCount == 3);
    EXPECT_EQ((Texts{f.lbl_S01_E, f.lbl_S01_Ixx, f.lbl_S01_Desc, f.Grid_SpanData.Cell(5, 5),
                     f.Grid_SpanData.Cell(6, 6), f.Edit_L}),
              (Texts{"205000", "473.4", " 127 x 76 UB 13", "63.500", "1652.0", ""})); // "none given": empty
    EXPECT_EQ(f.List_Props.size(), 7u); // the committed lines, once
    EXPECT_EQ(f.List_Props[2], " Ixx = 473.4 cm^4");
    EXPECT_TRUE(Work.WorkFlangeThickness == 7.6f && Work.WorkWebThickness == 4.0f);
    EXPECT_EQ(Work.SectionRecordNo, 0); // not a scaffold member

    // The restored form commits the same beam again.
    ASSERT_TRUE(Commit());
    EXPECT_TRUE(Snapshot() == committed);
}

TEST_F(BeamForm, RestoreOfAScaffoldBeamFindsItsBoardAndSetsCouplerOptionsOnlyWhereThereAreCouplers) {
    Pro_Load_Scaffold(); // "Scaf.sct" in the start-up directory
    TypeScaffoldBeam(5, " 38 x 225 Board");
    ASSERT_TRUE(Commit());
    Work.SectionRecordNo = 1; // a tube picked since, then Cancel
    RestoreBeamForm(f);
    EXPECT_EQ(Work.SectionRecordNo, 5);
    // No coupler committed: a box ticked afterwards has its option, so its code and spring.
    EXPECT_TRUE(f.Option_LH_Mid && f.Check_Span_Sup_Enabled);
    f.Edit_L = "2";
    f.Check_LH_End_Sup = true;
    CouplerClicked(f, pic);
    EXPECT_TRUE(Work.WorkSupportType[0] == supCouplerMid && Work.WorkSupportStiffness[0] == 28980000.0f);
    EXPECT_FALSE(Commit()); // the board still refuses couplers
    EXPECT_EQ(Messages(), Texts{beammsg::kBoards});

    // A designation the file does not hold: 0. A committed coupler comes back with its option.
    Model.SectionDescription = " no such member";
    RestoreBeamForm(f);
    EXPECT_EQ(Work.SectionRecordNo, 0);
    f.Edit_L = "2";
    TickCoupler(f.Check_RH_End_Sup, f.Option_RH_Top, f.Option_RH_Mid, true);
    ASSERT_TRUE(Commit());
    f.Option_RH_Top = f.Check_RH_End_Sup = false;
    f.Option_RH_Mid = true;
    f.Edit_L = "7";
    RestoreBeamForm(f);
    EXPECT_TRUE(f.Check_RH_End_Sup && f.Option_RH_Top && !f.Option_RH_Mid);
    EXPECT_EQ(f.Edit_L, "2.00");
}

TEST_F(BeamForm, RestoreOfATimberBeamShowsTheTimberControls) {
    Model.SectionFamilyCode = Model.MemberType = "Timber";
    Model.TimberWidthSaved = 47;
    Model.TimberDepthSaved = 150;
    Model.TimberPermShearSaved = 6192.05f;
    Model.TimberPermMomentSaved = 1198220.8f;
    Model.SpanData[1][mfGA] = 1772581.5f;
    Model.SpanData[2][mfGA] = 5e6f; // a file's other rows may hold another: span 1's is shown
    Model.SpanData[kFlagsRow][kShearDeflectionField] = 1.0f;
    Model.SectionPropLines[0] = "2";
    Model.SectionPropLines[2] = " 47.0 x 150 C16 Timber";
    f.List_TimProps = {"old"};
    RestoreBeamForm(f);
    EXPECT_TRUE(f.Frame_Timber && !f.Frame_Steel && !f.Frame_SteelCheck && f.Frame_Shear && f.Check_GA);
    // 1772.5815 kN at three figures.
    EXPECT_EQ((Texts{f.Edit_Timber_W, f.Edit_Timber_H, f.lbl_GA}), (Texts{"47.0", "150", "1770"}));
    EXPECT_EQ(f.List_TimProps, (Texts{"", " 47.0 x 150 C16 Timber"}));
    EXPECT_TRUE(Work.TimberPermShear == 6192.05f && Work.TimberPermMoment == 1198220.8f);

    // A count in line 0 beyond the 50 lines is held to them; one that is no number is a damaged
    // list, refused before anything is restored.
    Model.SectionFamilyCode = "UB";
    Model.SectionPropLines[0] = "9999";
    RestoreBeamForm(f);
    EXPECT_EQ(f.List_Props.size(), 50u);
    Model.SectionPropLines[0] = "x";
    EXPECT_THROW(RestoreBeamForm(f), ConvertError);
    EXPECT_EQ(f.List_Props.size(), 50u);
}

TEST_F(BeamForm, BeamsComeBackFromTheirFilesAndCommitAsSaved) {
    // Next, saved, New, Open, Next: the committed beam is the one saved.
    auto roundTrip = [this](const char* name, const std::function<void()>& type) {
        SCOPED_TRACE(name);
        NewBeam(host);
        PickUB127();
        type();
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        const Snapshot saved;
        WriteBeamFile(dir_.path("beam.kxf"));
        NewBeam(host);
        EXPECT_TRUE(Model.BeamLength == 0 && f.Grid_Spans.ColCount() == 2);
        ASSERT_TRUE(OpenBeamFile(host, dir_.path("beam.kxf"))) << ::testing::PrintToString(Messages());
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        EXPECT_TRUE(Snapshot() == saved);
    };
    roundTrip("UB beam", [this] { TypeUBBeam(); });
    roundTrip("one span fixed at both ends, with shear deflection", [this] {
        TypeBeam({"6"});
        f.Check_LHF = f.Check_RHF = f.Check_GA = true;
        FixedEndClicked(f, true, pic);
        for (TMemberRow& r : Work.WorkSpanData)
            r[mfGA] = 1e6f;
        f.lbl_GA = "1000";
    });
    roundTrip("forkheads and a RH cantilever", [this] {
        TypeBeam({"2", "3"}, "", "0.5");
        f.Option_Vert_Fixed = false;
        f.Option_Forkhead = true;
        SupportKindClicked(f, pic);
    });
}

TEST_F(BeamForm, AChangeOfUnitsDoesNotRoundTheMembersItRewrites) {
    TypeBeam({"1.234", "5"});
    PickUB127();
    SnapshotUnitFactors();
    kx::BeamFormUnitTexts texts;
    texts.SpanLengths = {f.Grid_Spans.Shown(1, 1), f.Grid_Spans.Shown(2, 1)};
    UnitText(Model, TUnitKind::Length) = "ft";
    UnitFactor(Model, TUnitKind::Length) = 304.8f;
    kx::UnitRescale r(OldUnitFactors, Model);
    kx::RescaleBeamFormTexts(texts, r);
    ASSERT_EQ((std::vector<std::string>{texts.SpanLengths[0], texts.SpanLengths[1]}),
              (std::vector<std::string>{"4.05", "16.4"}));
    // The rescale's own texts, as the window shows them.
    f.Grid_Spans.Show(1, 1, texts.SpanLengths[0]);
    f.Grid_Spans.Show(2, 1, texts.SpanLengths[1]);
    kx::SpanGridEdited(f, pic);
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 6234.0f);
    ASSERT_TRUE(Commit());
    EXPECT_FLOAT_EQ(Model.SpanData[1][mfL], 1234.0f); // not 4.05 ft = 1234.4 mm
    EXPECT_FLOAT_EQ(Model.SpanData[2][mfL], 5000.0f); // not 16.4 ft = 4998.7 mm
    Type(1, "4.06");                                  // typed since: read as it stands
    EXPECT_FLOAT_EQ(Work.WorkSpanData[1][mfL], static_cast<float>(4.06 * 304.8f));
}

// No lift height is one value however it is given: an empty box, "0" and "0.0" commit 10^18 m
// (in mm) alike, come back empty after Cancel and after Save and Open, and a coupler ticked then
// asks for L as on an empty box. The 10^11 mm that files hold where "0" was once typed reads as
// none too, and an unchanged commit keeps it.
TEST_F(BeamForm, NoLiftHeightIsOneValueShownEmptyAndAskedForAgain) {
    TypeScaffoldBeam();
    const std::string file = dir_.path("lift.kxf");
    const struct {
        const char* name;
        std::function<void()> back;
    } ways[] = {
        {"Cancel",
         [this] {
             f.Edit_L = "5";
             RestoreBeamForm(f);
         }},
        {"Save and Open",
         [&] {
             WriteBeamFile(file);
             NewBeam(host);
             ASSERT_TRUE(OpenBeamFile(host, file)) << ::testing::PrintToString(Messages());
         }},
    };
    auto couplerAsksForL = [this] {
        const Snapshot committed;
        TickCoupler(f.Check_LH_End_Sup, f.Option_LH_Top, f.Option_LH_Mid, true);
        ExpectRefused({beammsg::kLiftHeight}, committed);
        f.Check_LH_End_Sup = false;
        CouplerClicked(f, pic);
    };
    for (const char* typed : {"", "0", "0.0"})
        for (const auto& way : ways) {
            SCOPED_TRACE(std::string("\"") + typed + "\" then " + way.name);
            f.Edit_L = typed;
            ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
            EXPECT_EQ(Model.LiftHeight, 1e21f);
            way.back();
            EXPECT_EQ(f.Edit_L, "");
            couplerAsksForL();
        }

    Model.LiftHeight = 1e11f;
    RestoreBeamForm(f);
    EXPECT_EQ(f.Edit_L, "");
    ASSERT_TRUE(Commit());
    EXPECT_EQ(Model.LiftHeight, 1e11f);
    couplerAsksForL();
}

// The size the timber frame shows is the size committed. A C24 75 x 225 job, dry, shared,
// "General", with a depth of 300 typed and not taken: Next takes it as "Calculate E and Ixx" and the
// timber form's Next would. By hand: Ixx = 75 x 300^3 / 12 = 168.75e6 mm^4, y = 150 mm, so
// Z = 1.125e6 mm^3; K7 = 1 at 300 mm, bending 7.5 x 1.4 x 1.1 = 11.55 N/mm^2, M = 12.99375e6 N mm;
// E = 10800. A size that is no size is refused with the frame's own message.
TEST_F(BeamForm, ATimberSizeTypedAndNotTakenIsTakenByNext) {
    ChooseSectionFamily(f, *SectionFamilyByCode("Timber"));
    f.Edit_Timber_W = "75";
    f.Edit_Timber_H = "225";
    const std::optional<TimberSizeTexts> size = TimberSizeChosen(f);
    ASSERT_TRUE(size);
    TimSectControls& c = TimSectVars.Ctl;
    c.lbl_Width = size->lbl_Width;
    c.lbl_Depth = size->lbl_Depth;
    TimSectShowCurrentOptions();
    c.Option_Wet = false;
    c.Option_Dry = true;
    TimSectWetDryClick();
    c.Option_Single = false;
    c.Option_Share = true;
    c.Combo_Grade = 4;
    TimSectGradeClick();
    const std::optional<TimberBeamFormTexts> t = TimSectNext();
    ASSERT_TRUE(t);
    ApplyTimberToBeamForm(*t, f);
    TypeBeam({"3"});
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_NEAR(Model.SpanData[1][mfIxx], 75 * std::pow(225.0, 3) / 12, 10); // 71.19e6 mm^4

    struct Row {
        const char* width;
        const char* depth;
        Texts messages;
    };
    const Row rows[] = {
        {"75", "0", {sectionmsg::kTimberSize}},
        {"", "300", {sectionmsg::kTimberSize}},
        {"75", "abc", {sectionmsg::kTimberSize}},
        {"75", "300", {}},
        {"75", "300", {}}, // taken now: the same again
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.width) + " x " + row.depth);
        f.Edit_Timber_W = row.width;
        f.Edit_Timber_H = row.depth;
        if (!row.messages.empty()) {
            ExpectRefused(row.messages, Snapshot());
            continue;
        }
        dialogs->clear();
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        EXPECT_TRUE(Messages().empty());
        const TMemberRow& r = Model.SpanData[1];
        EXPECT_NEAR(r[mfIxx], 168.75e6, 20);
        EXPECT_EQ(r[mfY], 150.0f);
        EXPECT_NEAR(r[mfIxx] / r[mfY], 1.125e6, 0.2);
        EXPECT_EQ(r[mfE], 10800.0f);
        EXPECT_EQ((std::pair{r[mfTimberWidth], r[mfTimberDepth]}), (std::pair{75.0f, 300.0f}));
        EXPECT_EQ((std::pair{Model.TimberWidthSaved, Model.TimberDepthSaved}), (std::pair{75.0f, 300.0f}));
        EXPECT_NEAR(Model.TimberPermMomentSaved, 11.55 * 1.125e6, 2);
        EXPECT_EQ((Texts{Model.SectionDescription, Model.MemberType, Model.TimberGradeSaved}),
                  (Texts{"75.0 x 300 C24 Timber", "Timber", "C24"}));
        EXPECT_EQ(f.lbl_S01_Desc, "75.0 x 300 C24 Timber");
    }

    // Any size above 0 whose Ixx shows above 0 is a beam size, however small its permissible shear.
    // 0.1 x 6 mm: Ixx = 0.1 x 6^3 / 12 = 1.8 mm^4 (0.00018 cm^4 shown); shear 0.71 x 1.4 x 1.1 x 0.1 x 6
    // = 0.65604 N; K7 1.17 (72 mm or less), bending 7.5 x 1.4 x 1.1 x 1.17 = 13.5135 N/mm^2 on
    // Z = 0.1 x 6^2 / 6 = 0.6 mm^3, M = 8.1081 N mm.
    f.Edit_Timber_W = "0.1";
    f.Edit_Timber_H = "6";
    dialogs->clear();
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(Messages().empty());
    EXPECT_NEAR(Model.TimberPermShearSaved, 0.65604, 5e-6);
    EXPECT_NEAR(Model.TimberPermMomentSaved, 8.1081, 5e-4);
    EXPECT_NEAR(Model.SpanData[1][mfIxx], 1.8, 5e-6);
    EXPECT_EQ((std::pair{Model.TimberWidthSaved, Model.TimberDepthSaved}), (std::pair{0.1f, 6.0f}));
}

} // namespace

namespace {

// Lengths in every band of the spans grid (four figures, at most three decimals, a threshold
// belonging to the band below): under a millimetre, on 10 m and 100 m, over 1000 m. Each is
// committed in mm as typed, and the restore shows it in m, then in mm.
TEST_F(BeamForm, LengthsFromUnderAMillimetreToOverAKilometreAreCommittedAndShownInTheirBands) {
    PickUB127();
    TypeBeam({"0.0008", "10", "100", "1234.5", "12.3456"});
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    const float mm[] = {0.8f, 10000, 100000, 1234500, 12345.6f};
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(Model.SpanData[s][mfL], mm[s - 1]) << s;
    const auto cells = [this] {
        Texts t;
        for (int col = 1; col <= 5; ++col)
            t.push_back(f.Grid_Spans.Cell(col, 1));
        return t;
    };
    RestoreBeamForm(f);
    // 0.0008 m: "%0.3f"; 10 and 100 m stay in the bands below them ("%1.3f", "%2.2f"); 1234.5 m
    // rounds up with the offset 0.5001; 12.3456 m: "%2.2f".
    EXPECT_EQ(cells(), (Texts{"0.001", "10.000", "100.00", "1235", "12.35"}));
    // In mm: 0.8 "%0.3f"; 10000 "%5.f"; 100000 "%6.f" (step 100); 1234500 to four figures (step
    // 1000, up at the half); 12345.6 "%5.f" (step 10).
    UnitText(Model, TUnitKind::Length) = "mm";
    UnitFactor(Model, TUnitKind::Length) = 1;
    RestoreBeamForm(f);
    EXPECT_EQ(cells(), (Texts{"0.800", "10000", "100000", "1235000", "12350"}));
    // Shown and not typed over, each reads back as the length it was made from.
    ASSERT_TRUE(Commit());
    for (int s = 1; s <= 5; ++s)
        EXPECT_EQ(Model.SpanData[s][mfL], mm[s - 1]) << s;
}

// A one-span beam restored after one of several spans has no interior support to couple: the box
// is cleared and greyed.
TEST_F(BeamForm, RestoreOfOneSpanGreysTheCouplerBetweenSpans) {
    PickUB127();
    TypeBeam({"6"});
    ASSERT_TRUE(Commit());
    TypeBeam({"2", "3"});
    f.Check_Span_Sup = true;
    ASSERT_TRUE(f.Check_Span_Sup_Enabled);
    RestoreBeamForm(f);
    EXPECT_FALSE(f.Check_Span_Sup || f.Check_Span_Sup_Enabled);
}

} // namespace

namespace {

// What showing the form writes on it: the unit captions, the member grid's captions at both ends
// and every field caption, and its Yes / No and figures (five figures) from the first member to
// the last, with the instruction under the grid.
TEST_F(BeamForm, ShowingTheFormCaptionsTheUnitsAndEveryMemberAndField) {
    TypeUBBeam();
    ASSERT_TRUE(Commit());
    RestoreBeamForm(f); // as Open leaves it: Yes / No follow the working rows
    BeamFormShow(f);
    EXPECT_EQ((Texts{f.lbl_E, f.lbl_Ixx, f.Grid_Spans.Cell(0, 1), f.lbl_Hunit, f.lbl_Wunit,
                     f.Label_L_Std_Unit, f.Label_GA_Unit, f.Label_Demo}),
              (Texts{"( N/mm^2 )", "( cm^4 )", "  Length (m)", "mm", "mm", "m", "( kN )",
                     "Enter lengths for spans and cantilevers in the grid above."}));
    Texts captions;
    for (int col = 0; col <= 27; ++col)
        captions.push_back(f.Grid_SpanData.Cell(col, 0));
    Texts expected{"", " LHC"};
    for (int k = 1; k <= 25; ++k)
        expected.push_back("Span " + std::to_string(k));
    expected.push_back(" RHC");
    EXPECT_EQ(captions, expected);
    Texts fields;
    for (int row = 1; row <= 20; ++row)
        fields.push_back(f.Grid_SpanData.Cell(0, row));
    EXPECT_EQ(fields, (Texts{" 1) Exists",
                             " 2) L",
                             " 3) E",
                             " 4) Ixx",
                             " 5) y",
                             " 6) Area",
                             " 7) Shear Area",
                             " 8) Ry",
                             " 9) D/T",
                             "10) Depth (steel)",
                             "11) ",
                             "12) GA",
                             "13) Permissible shear",
                             "14) Permissible Mom",
                             "15) ",
                             "16) Depth (timber)",
                             "17) Width (timber)",
                             "18) ",
                             "19) ",
                             "20) "}));
    // The LH cantilever (1.5 m) and span 3 (3 m) exist; span 4 and the RH cantilever do not.
    // 205000 N/mm^2 and 63.5 mm at five figures; a field of 0 reads "0.0".
    const auto member = [this](int col) {
        Texts t;
        for (int row : {1, 2, 3, 5, 20})
            t.push_back(f.Grid_SpanData.Cell(col, row));
        return t;
    };
    EXPECT_EQ(member(1), (Texts{" Yes", "1500.0", "205000", "63.500", "0.0"}));
    EXPECT_EQ(member(4), (Texts{" Yes", "3000.0", "205000", "63.500", "0.0"}));
    EXPECT_EQ(member(5), (Texts{" No", "0.0", "205000", "63.500", "0.0"}));
    EXPECT_EQ(member(27), (Texts{" No", "0.0", "205000", "63.500", "0.0"}));
}

} // namespace

namespace {

// An effective length worked out for the last span or the RH cantilever is asked for again once
// that member's length changes: the length it was worked out for becomes 0 in the job and in the
// forms' working copy; an unchanged member keeps its own.
TEST_F(BeamForm, ChangedLastSpanAndRightCantileverAskForTheirEffectiveLengthsAgain) {
    PickUB127();
    TypeBeam(std::vector<std::string>(20, "1"), "", "0.5");
    ASSERT_TRUE(Commit());
    for (int r : {19, 20, kRHCantRow})
        Model.EffLengthMemberLength[r] = Work.EffLengthMemberLengthWork[r] = Model.SpanData[r][mfL];
    Type(20, "1.25");
    Type(21, "0.75");
    ASSERT_TRUE(Commit());
    EXPECT_EQ((std::array{Model.SpanData[20][mfL], Model.SpanData[kRHCantRow][mfL]}),
              (std::array{1250.0f, 750.0f}));
    for (int r : {20, kRHCantRow})
        EXPECT_TRUE(Model.EffLengthMemberLength[r] == 0 && Work.EffLengthMemberLengthWork[r] == 0) << r;
    EXPECT_TRUE(Model.EffLengthMemberLength[19] == 1000.0f && Work.EffLengthMemberLengthWork[19] == 1000.0f);
}

} // namespace

namespace {

// Timber chosen and nothing typed or worked out: "Next >" asks for a section, not for a size.
TEST_F(BeamForm, TimberWithoutASizeAsksForTheSection) {
    ChooseSectionFamily(f, *SectionFamilyByCode("Timber"));
    TypeBeam({"3"});
    EXPECT_FALSE(Commit());
    EXPECT_EQ(Messages(), Texts{beammsg::kSection});
    EXPECT_EQ(Model.SpanCount[0], 1); // nothing committed: the new job's one empty span
    EXPECT_EQ(Model.SpanData[1][mfL], 0.0f);
}

} // namespace

namespace kx {
namespace {

// A grid's column count stays within the columns it has: 1 and 28 are taken, 0 and 29 refused
// (and the count is kept).
TEST(GridTexts, TheColumnCountStaysWithinTheGrid) {
    GridTexts<28, 2> g;
    for (auto [n, taken] : {std::pair{1, true}, {28, true}, {0, false}, {29, false}, {-1, false}}) {
        g.SetColCount(5);
        if (taken) {
            g.SetColCount(n);
            EXPECT_EQ(g.ColCount(), n);
        } else {
            EXPECT_THROW(g.SetColCount(n), RangeError) << n;
            EXPECT_EQ(g.ColCount(), 5) << n;
        }
    }
}

} // namespace
} // namespace kx

namespace {

// Cancel after another section was picked: the member grid's y and Area go back to the committed
// section's for every member, the LH cantilever's column and the RH cantilever's too. The UB
// 127 x 76 x 13 is 127 mm deep, y = 127 / 2 = 63.5 mm, and has an area of 16.52 cm^2 = 1652 mm^2.
TEST_F(BeamForm, CancelGivesEveryMemberColumnTheCommittedSectionsYAndArea) {
    TypeUBBeam();
    ASSERT_TRUE(Commit());
    // What a pick of a tube leaves in the grid: its own y and area in every column.
    for (int col = 1; col <= 27; ++col) {
        f.Grid_SpanData.SetCell(col, 5, "24.150");
        f.Grid_SpanData.SetCell(col, 6, "556.69");
    }
    RestoreBeamForm(f);
    for (int col = 1; col <= 27; ++col)
        EXPECT_EQ(f.Grid_SpanData.Cell(col, 5) + "|" + f.Grid_SpanData.Cell(col, 6), "63.500|1652.0") << col;
}

// A one-span job whose file holds a code at its two ends only, a fixed end on the left and the other
// kind on the right: Cancel shows the kind the RH end has, over the other kind chosen since.
TEST_F(BeamForm, RestoreOfOneSpanWithAFixedLHEndTakesTheSupportKindFromTheRHEnd) {
    PickUB127();
    TypeBeam({"6"});
    ASSERT_TRUE(Commit());
    struct Row {
        TSupportCode lh, rh;
        bool fixed, lhf, rhf;
    };
    for (const Row& row :
         {Row{supFixedEnd, supFixed, true, true, false}, Row{supFixedEnd, supForkhead, false, true, false}}) {
        SCOPED_TRACE(::testing::Message() << row.lh << " " << row.rh);
        Model.SupportType.fill(supNone);
        Model.SupportType[0] = row.lh;
        Model.SupportType[kRHEndSupport] = row.rh;
        // The other kind chosen since.
        f.Option_Vert_Fixed = !row.fixed;
        f.Option_Forkhead = row.fixed;
        f.Check_LHF = f.Check_RHF = false;
        RestoreBeamForm(f);
        EXPECT_EQ((std::array{f.Option_Vert_Fixed, f.Option_Forkhead, f.Check_LHF, f.Check_RHF}),
                  (std::array{row.fixed, !row.fixed, row.lhf, row.rhf}));
    }
}

// Next of a timber choice writes the timber's property lines into the steel frame's list too, so
// that a steel family chosen afterwards shows them, not the steel section picked before, until a
// section is picked. D40, load sharing, dry, long term, 75 x 225: Ixx = 75 x 225^3 / 12 = 7119 cm^4;
// shear 2.0 x 1.1 x 1.5 = 3.30 and bending 12.5 x 1.1 x (300 / 225)^0.11 = 14.2 N/mm^2; loads
// 3.30 x 75 x 225 / 1.5 = 37.13 kN and 14.19 x 75 x 225^2 / 6 = 8.981 kN-m.
TEST_F(BeamForm, TimberNextFillsThePropertyListASteelFamilyShowsNext) {
    PickUB127();
    ChooseSectionFamily(f, *SectionFamilyByCode("Timber"));
    test::ChooseD40SharedDryLongTerm75x225();
    const std::optional<TimberBeamFormTexts> t = TimSectNext();
    ASSERT_TRUE(t);
    ApplyTimberToBeamForm(*t, f);
    ChooseSectionFamily(f, *SectionFamilyByCode("UB"));
    EXPECT_TRUE(f.Frame_Steel);
    EXPECT_EQ(f.List_Props, (std::vector<std::string>{
                                "", " 75.0 x 225 D40 Timber", " Properties", "  Width = 75.0 mm",
                                "  Depth = 225 mm", "  Ixx = 7119 cm^4", " Permissible Stresses",
                                "  E = 10800 N/mm^2", "  Shear = 3.30 N/mm^2", "  Bending = 14.2 N/mm^2",
                                " Permissible Loads", "  Shear = 37.13 kN", "  Bending = 8.981 kN-m", ""}));
}

// New after a steel section forgets its thicknesses: a timber job committed next holds none, in
// the job and in its file (127 x 76 UB 13: flange 7.6 mm, web 4.0 mm before New).
TEST_F(BeamForm, NewForgetsTheSteelThicknessesATimberJobCommittedNextHoldsNone) {
    PickUB127();
    ResetBeamForm(f);
    ChooseSectionFamily(f, *SectionFamilyByCode("Timber"));
    f.Edit_Timber_W = "75";
    f.Edit_Timber_H = "225";
    test::ChooseD40SharedDryLongTerm75x225();
    const std::optional<TimberBeamFormTexts> t = TimSectNext();
    ASSERT_TRUE(t);
    ApplyTimberToBeamForm(*t, f);
    TypeBeam({"3"});
    ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    EXPECT_EQ((std::pair{Model.FlangeThickness, Model.WebThickness}), (std::pair{0.0f, 0.0f}));
    EXPECT_EQ(Model.SectionFamilyCode, "Timber");
}

// The lift height is asked for by what Edit_L shows: a lift height of 5e-5 mm, as a beam file may
// hold it, comes back as "0.0" (under 9.951e-5 of SigFig3), reads as 0, and a coupler alone at
// either end or between the spans asks for L; typing 2 (m) commits 2000 mm.
TEST_F(BeamForm, ACouplerAloneAsksForTheLiftHeightWhileEditLShowsZero) {
    TypeScaffoldBeam();
    CouplerBox boxes[] = {LHEndCoupler(), SpanCoupler(), RHEndCoupler()};
    for (CouplerBox& b : boxes) {
        SCOPED_TRACE(b.slot);
        for (CouplerBox& other : boxes)
            other.box = false;
        TickCoupler(b.box, b.top, b.mid, true);
        f.Edit_L = "2";
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        Model.LiftHeight = 5e-5f;
        RestoreBeamForm(f);
        ASSERT_EQ(f.Edit_L, "0.0");
        ASSERT_TRUE(b.box && b.top);
        ASSERT_EQ(f.Check_LH_End_Sup + f.Check_Span_Sup + f.Check_RH_End_Sup, 1);
        const Snapshot committed;
        ExpectRefused({beammsg::kLiftHeight}, committed);
        EXPECT_EQ(Model.LiftHeight, 5e-5f);
        f.Edit_L = "2";
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
        EXPECT_EQ(Model.SupportType[b.slot], supCouplerTop);
        EXPECT_EQ(Model.LiftHeight, 2000.0f);
    }
}

} // namespace

namespace kx {
namespace {

// The beam form's two grids (spans 28 x 2, members 28 x 21), full of texts: a cell one past a last
// column or row, or before the first, reads as empty with no value and is refused for writing, and
// the grid stays as it was; the cells at the edges read their own texts.
TEST(GridTexts, CellsOutsideTheColumnsAndRowsReadEmptyAndAreRefused) {
    const auto check = [](auto grid, int cols, int rows) {
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r)
                grid.Show(c, r, ShownText(std::to_string(c) + "," + std::to_string(r), c + 0.5, 1));
        const auto full = grid;
        for (auto [col, row] : {std::pair{0, rows},
                                {5, rows},
                                {cols - 2, rows},
                                {0, -1},
                                {-1, 0},
                                {cols, 0},
                                {cols, rows - 1},
                                {-1, rows}}) {
            SCOPED_TRACE(std::to_string(cols) + "x" + std::to_string(rows) + " at " + std::to_string(col) +
                         "," + std::to_string(row));
            EXPECT_EQ(grid.Cell(col, row), "");
            EXPECT_FALSE(grid.Shown(col, row).HasValue());
            EXPECT_THROW(grid.SetCell(col, row, "1"), RangeError);
            EXPECT_THROW(grid.Show(col, row, ShownText("1")), RangeError);
        }
        EXPECT_TRUE(grid == full);
        EXPECT_EQ(grid.Cell(0, 0) + "|" + grid.Cell(cols - 1, rows - 1) + "|" + grid.Cell(5, rows - 1),
                  "0,0|" + std::to_string(cols - 1) + "," + std::to_string(rows - 1) + "|5," +
                      std::to_string(rows - 1));
    };
    check(GridTexts<28, 2>{}, 28, 2);
    check(GridTexts<28, 21>{}, 28, 21);
}

} // namespace
} // namespace kx

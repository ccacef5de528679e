// The load form's core: rows read in N and mm, stacked rates worked out by hand, every refusal of
// "Next >" with the committed model untouched, the filling of the rows, the rows shown and the ticks.
#include "input/LoadData.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

#include "FormTestSupport.h"
#include "engine/AnalyseBeam.h"
#include "foundation/JobRules.h"

using namespace kx;
using namespace kxtest;

namespace {

using Floats = std::vector<float>;
using Texts = std::vector<std::string>;

// Kind, distance, W1, W2, cover and load factor of a load, or the first of them.
Floats Rec(const TLoadRec& r, int upTo = lfLF) { return Floats(&r[lfKind], &r[upTo] + 1); }
void SetRec(TLoadRec& r, const Floats& v) { std::copy(v.begin(), v.end(), &r[lfKind]); }
// The stacked rates (W1Sum, W2Sum) of loads in a loadcase, one pair after another.
Floats Sums(int lc, std::initializer_list<int> loads) {
    Floats v;
    for (int n : loads)
        v.insert(v.end(), {Work.UDLStack[lc][n][usW1Sum], Work.UDLStack[lc][n][usW2Sum]});
    return v;
}

const Floats kLoadB{-1, 2000, 1, 4, 3000, 1.0f};
const Floats kSelfWeight{-1, 0, 0.12721804f, 0.12721804f, 7000}; // no factor yet

// Everything "Next >" may commit.
auto Committed() {
    const SharedModel& m = Model;
    return std::tuple{m.LoadTable, m.UDLStackTable, m.CaseHasLoads, m.LoadRowsShown, m.CurrentLoadcase};
}

class LoadData : public LoadFormTest {
protected:
    // "Next >" on the form as it stands: accepted when no message is expected; otherwise refused
    // with exactly those messages, nothing committed, and Cancel brings back the last accepted
    // list and ticks (the test then goes on with the form as it stood).
    void Next(const Texts& refusal = {}) {
        SCOPED_TRACE(refusal.empty() ? "accepted" : refusal.front());
        dialogs->clear();
        const auto before = Committed();
        EXPECT_EQ(CommitLoads(f, pic), refusal.empty() ? LoadRoute::Analysis : LoadRoute::Stay);
        EXPECT_EQ(Messages(), refusal);
        const WorkingCopies now = Work;
        if (refusal.empty()) {
            accepted = now;
            return;
        }
        EXPECT_EQ(LoadDataVars.LoadError, -1);
        EXPECT_TRUE(Committed() == before);
        RestoreCommittedLoads();
        for (int i = 1; i <= kSelfWeightRecord; ++i)
            EXPECT_EQ(Rec(Work.WorkLoads[i]), Rec(accepted.WorkLoads[i])) << i;
        EXPECT_TRUE(Work.ApplyFlags == accepted.ApplyFlags);
        Work = now;
    }
    WorkingCopies accepted;
};

TEST_F(LoadData, RowsAreReadInNewtonsAndMillimetresAndStackedAtEachEnd) {
    TypeLoadcaseOne();
    // At A's end (4 m) B runs at 1 + 3 x 2/3 = 3: 6; at B's start A's 3: 4, at its end C's 2: 6;
    // at C's start B's 3: 5. Touching ends count only the load that covers the point onwards.
    EXPECT_EQ(Sums(1, {2, 3, 4}), (Floats{3, 6, 4, 6, 5, 2}));

    // A point row keeps stale rate and cover texts from an earlier type; they must not count. A
    // text that is no number reads as 0 without a message.
    f.Rows[1].Edit_UDLS.Text = f.Rows[1].Edit_UDLF.Text = f.Rows[1].Edit_Cover.Text = "9";
    f.Rows[6].Edit_Dist.Text = "2 m";
    f.Rows[6].Edit_UDLS.Text = "5";
    f.Rows[4].Edit_LF.Text = "1.5";
    f.Check_Swt = true;
    ReadLoadRows(f);
    EXPECT_EQ(Rec(Work.WorkLoads[1]), (Floats{1, 1500, 12000, 0, 0, 1.0f}));
    EXPECT_EQ(Rec(Work.WorkLoads[3]), kLoadB);
    EXPECT_EQ(Rec(Work.WorkLoads[6]), (Floats{0, 0, 5, 0, 0, 1.0f}));
    // Typed factors count; a blank self-weight factor is the 1.4 it shows.
    const TLoadRec& sw = Work.WorkLoads[kSelfWeightRecord];
    EXPECT_EQ((Floats{Work.WorkLoads[4][lfLF], sw[lfLF], sw[lfApplied]}), (Floats{1.5f, 1.4f, 1}));
    EXPECT_EQ((Floats{Work.ApplyFlags[1][1], Work.ApplyFlags[1][6]}), (Floats{1, 0}));
    EXPECT_TRUE(dialogs->shown.empty());
    // Factored loads off (0 as well as -1): every factor is 1.0, typed or left in a hidden edit.
    f.Edit_LF = "1.6";
    for (int32 flag : {-1, 0}) {
        Model.FactoredLoadsFlag = flag;
        ReadLoadRows(f);
        EXPECT_EQ((Floats{Work.WorkLoads[4][lfLF], sw[lfLF]}), (Floats{1, 1})) << flag;
    }
    // A loadcase outside 1..5 is held inside rather than indexing past the flags.
    LoadDataVars.WorkLoadcase = 9;
    ReadLoadRows(f);
    EXPECT_EQ(Work.ApplyFlags[5][1], 1.0f);

    // Loadcase 2: A over 0..2 m at 1, B and B' over 1..3 m from 2 to 4, and a load with no cover
    // at 1.5 m that gives and takes nothing: A (1, 1 + 3 + 3), B (2 + 1 + 2, 4 + 4).
    Model.FactoredLoadsFlag = 1;
    ShowLoadcase(2);
    Udl(5, "0", "2", "1", "1");
    Udl(6, "1", "2", "2", "4");
    Udl(7, "1", "2", "2", "4");
    Udl(8, "1.5", "0", "7", "7");
    Tick({5, 6, 7, 8});
    EXPECT_EQ(Sums(2, {5, 6, 8}), (Floats{1, 7, 5, 8, 7, 7}));

    // Resetting an applied row empties it and takes it off the stack: A's end loses B's 3.
    ShowLoadcase(1);
    ResetLoadRow(f, 3, pic);
    EXPECT_FALSE(f.Rows[3].OptionUDL || f.Rows[3].Check || f.Rows[3].Edit_Dist.Visible);
    EXPECT_EQ(Sums(1, {2, 3}), (Floats{3, 3, 0, 0}));
}

TEST_F(LoadData, NextCommitsOnlyWhenEveryCheckPassesAndCancelBringsBackTheAcceptedList) {
    TypeLoadcaseOne();
    ShowLoadcase(2);
    Tick({1});
    LoadDataVars.RestoredLoadcase = 3;
    Next();
    // One list in all five loadcases, ticks and stacks per loadcase, the loadcase and rows to show.
    EXPECT_EQ(Rec(Model.LoadTable[5][3]), kLoadB);
    EXPECT_EQ(Model.UDLStackTable[1][3][usW2Sum], 6.0f);
    const SharedModel& m = Model;
    EXPECT_EQ((std::vector<int32>{m.CaseHasLoads[1], m.CaseHasLoads[2], m.CaseHasLoads[3], m.CurrentLoadcase,
                                  m.LoadRowsShown}),
              (std::vector<int32>{1, 1, 0, 3, 5}));

    // Past the end: reported on reading and again before the commit; with a negative distance
    // too, two boxes each time, the extent first. Ending at the end, or applied nowhere, passes.
    const std::string past = "Load 6 extends past end of beam", negative = "Negative lengths not allowed";
    // Distance and cover typed into row 6, and the messages of "Next >".
    const std::tuple<const char*, const char*, Texts> rows[] = {
        {"6.5", "0.6", {past, past}},
        {"-1", "9", {past, negative, past, negative}},
        {"6.5", "0.5", {}},
        // 0.529379 + 6.470621 m ends at the end, though its singles sum to 7000.00012 mm.
        {"0.529379", "6.470621", {}},
        {"6", "-0.5", {negative, negative}}, // a negative cover is refused like a negative distance
    };
    Udl(6, "6.5", "0.6", "1", "1");
    Tick({6});
    for (const auto& [dist, cover, messages] : rows) {
        f.Rows[6].Edit_Dist.Text = dist;
        f.Rows[6].Edit_Cover.Text = cover;
        Next(messages);
    }
    f.Rows[6].Edit_Cover.Text = "0.6";
    Tick({6}, false);
    Next();
    // Past the end and applied in the last loadcase alone, it is checked all the same.
    f.Rows[6].Edit_Dist.Text = "6.5";
    ShowLoadcase(5);
    Tick({6});
    Next({past, past});
    Tick({6}, false);
    ShowLoadcase(2);
    f.Rows[2].Edit_UDLS.Text = "1e39"; // no single holds it in newtons
    Next({"Load 2 value too large"});
    f.Rows[2].Edit_UDLS.Text = "3";
    // A typed text that is not wholly a number is refused before anything is read, naming its row:
    // as 0 it would under-load the beam. The hidden edits of a point row are not read.
    using Edit = EditBox LoadRowControls::*;
    const std::tuple<int, Edit, const char*, const char*> unread[] = {
        {1, &LoadRowControls::Edit_PL, "1O", "Load 1 value is not a number"}, // the letter O
        {1, &LoadRowControls::Edit_Dist, "1.5 m", "Load 1 distance is not a number"},
        {1, &LoadRowControls::Edit_LF, "1,2", "Load 1 load factor is not a number"},
        {3, &LoadRowControls::Edit_UDLF, "+-5", "Load 3 value is not a number"},
        {6, &LoadRowControls::Edit_Cover, "abc", "Load 6 cover is not a number"}, // applied nowhere
        {1, &LoadRowControls::Edit_UDLS, "abc", ""},
    };
    for (const auto& [n, edit, text, message] : unread) {
        EditBox& e = f.Rows[n].*edit;
        const std::string typed = std::exchange(e.Text, text);
        Next(*message ? Texts{message} : Texts{});
        e.Text = typed;
    }
    f.Frame_SWt = true;
    f.Edit_LF = "1.4x";
    Next({loadmsg::kSelfWeightFactorNotANumber});
    f.Edit_LF.clear();

    // Only the self-weight applied.
    ShowLoadcase(1);
    Tick({1, 2, 3, 4}, false);
    ShowLoadcase(2);
    Tick({1}, false);
    Tick({0});
    Next({"No loads applied to beam"});
    Tick({0}, false);
    // An applied point load of 0 and an applied distributed load without cover, in different
    // loadcases: refused together, each alone passes.
    Point(7, "0", "1");
    Udl(8, "1", "0", "2", "2");
    Point(9, "5", "2");
    Tick({7, 9});
    ShowLoadcase(3);
    Tick({8});
    Next({"No loads on beam"});
    Tick({8}, false);
    Next();
    Tick({8});
    ShowLoadcase(2);
    Tick({7}, false);
    Next();

    // Forkheads: factors 1.0 and 1.5 in different loadcases refused; all 1.4 pass, and the
    // self-weight's factor counts too.
    const std::string forkheads =
        " For the routine to remove negative\r forkhead support loads to be used, \r"
        " load factors must all be the same.\r";
    Model.SupportType[0] = Model.SupportType[1] = Model.SupportType[25] = supForkhead;
    f.Rows[8].Edit_LF.Text = "1.5";
    Next({forkheads});
    f.Rows[8].Edit_LF.Text = f.Rows[9].Edit_LF.Text = "1.4";
    Next();
    f.Edit_LF = "1.5";
    Tick({0});
    Next({forkheads});
}

TEST_F(LoadData, CancelTakesTheListFromLoadcaseOneWhicheverLoadcaseIsShown) {
    // A file whose loads use loadcases 1 and 2; loadcases 3 to 5 hold nothing.
    for (int lc : {1, 2}) {
        SetRec(Model.LoadTable[lc][1], {1, 1500, 12000, 0, 0, 1.2f});
        Model.LoadTable[lc][1][lfApplied] = lc == 1 ? 1.0f : -1.0f;
    }
    Model.LoadRowsShown = 12;
    Model.CurrentLoadcase = 2;
    LoadDataVars.WorkLoadcase = 4;
    RestoreCommittedLoads();
    EXPECT_EQ(Rec(Work.WorkLoads[1]), (Floats{1, 1500, 12000, 0, 0, 1.2f}));
    const auto& flags = Work.ApplyFlags;
    EXPECT_EQ((Floats{flags[1][1], flags[2][1], flags[4][kSelfWeightRecord]}), (Floats{1, -1, -1}));
    EXPECT_EQ((std::pair{LoadDataVars.RestoredRowsShown, LoadDataVars.RestoredLoadcase}), (std::pair{12, 2}));
}

TEST_F(LoadData, RowsAreFilledWithTheirNumberTextsAndTheSelfWeightFrame) {
    SetRec(Work.WorkLoads[1], {1, 1500, 12000, 0, 0, 1});
    SetRec(Work.WorkLoads[2], {-1, 0, 3, 3, 4000, 0});
    SetRec(Work.WorkLoads[kSelfWeightRecord], kSelfWeight);
    f.Rows[3].OptionP = true; // a row the list leaves untyped is emptied
    f.Rows[3].Edit_PL = {"7", true};
    FillLoadRows(f);
    const LoadRowControls &r1 = f.Rows[1], &r2 = f.Rows[2];
    EXPECT_TRUE(r1.OptionP && r2.OptionUDL && r1.Edit_PL.Visible && r1.Edit_LF.Visible &&
                r2.Edit_Cover.Visible && f.Frame_SWt && f.Edit_LF_Enabled);
    // A zero not applied is blank, and so is a factor of 0.
    EXPECT_EQ((Texts{r1.Edit_PL.Text, r1.Edit_Dist.Text, r1.Edit_LF.Text, r2.Edit_Dist.Text,
                     r2.Edit_Cover.Text, r2.Edit_UDLS.Text, r2.Edit_LF.Text, f.lbl_Swt, f.Edit_LF}),
              (Texts{"12.00", "1.500", "1.000", "", "4.000", "3.000", "", " 0.127 kN/m", "1.40"}));
    EXPECT_FALSE(f.Rows[3].OptionP || f.Rows[3].Edit_PL.Visible || !f.Rows[3].Edit_PL.Text.empty());
    // Factored loads off: the box shows the 1.0 that is used, also over a stored factor.
    Work.WorkLoads[kSelfWeightRecord][lfLF] = 1.5f;
    for (int32 flag : {-1, 0}) {
        Model.FactoredLoadsFlag = flag;
        FillLoadRows(f);
        EXPECT_EQ((std::pair{f.Edit_LF.Text(), f.Edit_LF_Enabled}), (std::pair{std::string("1.000"), false}))
            << flag;
    }
    // On again: the box is open for the stored factor.
    Model.FactoredLoadsFlag = 1;
    FillLoadRows(f);
    EXPECT_EQ((std::pair{f.Edit_LF.Text(), f.Edit_LF_Enabled}), (std::pair{std::string("1.50"), true}));
    Work.WorkLoads[2][lfApplied] = 1.0f; // applied: a zero shows as a number
    FillLoadRows(f);
    EXPECT_EQ(f.Rows[2].Edit_Dist.Text, "0.000");

    // A scaffold tube carries no self-weight frame; without a beam nothing is filled.
    LoadFormControls g, h;
    Model.SectionShape = "Tube";
    Model.SectionFamilyCode = "Scaffold";
    FillLoadRows(g);
    EXPECT_FALSE(g.Frame_SWt);
    Model.BeamLength = 0;
    FillLoadRows(h);
    EXPECT_TRUE(h == LoadFormControls());
}

TEST_F(LoadData, TypingGrowsTheRowsShownExpandShowsAllFiftyAndNewGoesBackToSix) {
    f.Height = 580;
    Point(7, "1", "1");
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 7);
    EXPECT_TRUE(f.Rows[7].Panel && f.Rows[8].Panel && !f.Rows[9].Panel);
    Point(6, "1", "1"); // below those in use: nothing grows
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 7);
    Model.FactoredLoadsFlag = -1; // no load-factor edit comes with a type
    Point(20, "1", "1");
    EXPECT_FALSE(f.Rows[20].Edit_LF.Visible);
    // The last but one row typed shows the last: the form grows to 49 x 35 + 380 = 2095 px.
    EXPECT_FALSE(f.Rows[50].Panel);
    Point(49, "1", "1");
    EXPECT_EQ((std::tuple{LoadDataVars.WorkRowsShown, f.Rows[50].Panel, f.Height}),
              (std::tuple{49, true, 2095}));
    ExpandClicked(f);
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 50);
    EXPECT_TRUE(f.Rows[50].Panel && f.Rows[50].Edit_Cover.Visible);

    // File New empties the ticks of every loadcase, shows the factor column with factored loads on
    // and leaves it as it is with a flag of 0.
    ShowLoadcase(3);
    Tick({7});
    Model.FactoredLoadsFlag = 1;
    NewBeamLoadForm(f);
    EXPECT_EQ((std::tuple{f.Edit_Case, f.Height, Work.ApplyFlags[3][7]}), (std::tuple{1, 580, 0.0f}));
    for (int n = 1; n <= 50; ++n)
        EXPECT_TRUE(f.Rows[n].Edit_LF.Visible && !f.Rows[n].Edit_Dist.Visible && !f.Rows[n].OptionP) << n;
    f.Rows[4].Edit_LF.Visible = false;
    Model.FactoredLoadsFlag = 0;
    ShowLoadFactorColumn(f);
    EXPECT_TRUE(f.Rows[5].Edit_LF.Visible && !f.Rows[4].Edit_LF.Visible);
}

// A job whose factored-loads setting was never asked (0, as a file may hold it): showing the form
// leaves each row's load-factor box shown or hidden as it stood, on rows with a load too.
TEST_F(LoadData, ShowingWithTheFactoredLoadsSettingNeverAskedLeavesTheFactorBoxesAsTheyStood) {
    Point(1, "1", "1");
    Udl(2, "0", "2", "1", "1");
    ASSERT_TRUE(f.Rows[1].Edit_LF.Visible && f.Rows[2].Edit_LF.Visible);
    f.Rows[2].Edit_LF.Visible = false;
    LoadFormBack(f);
    Model.FactoredLoadsFlag = 0;
    LoadFormShow(f, pic);
    EXPECT_TRUE(f.Rows[1].OptionP && f.Rows[2].OptionUDL);
    EXPECT_EQ((std::pair{f.Rows[1].Edit_LF.Visible, f.Rows[2].Edit_LF.Visible}), (std::pair{true, false}));
}

TEST_F(LoadData, ApplyTicksAreKeptPerLoadcaseTheSelfWeightInAllFive) {
    Tick({2}); // a row without a type: the tick goes again and -1.0 is stored
    EXPECT_FALSE(f.Rows[2].Check);
    EXPECT_EQ(Work.ApplyFlags[1][2], -1.0f);

    TypeLoadcaseOne();
    ShowLoadcase(2);
    EXPECT_FALSE(f.Rows[1].Check);
    Tick({0});
    for (int lc = 1; lc <= 5; ++lc)
        EXPECT_EQ(Work.ApplyFlags[lc][kSelfWeightRecord], 1.0f) << lc;
    EXPECT_EQ(Model.CurrentLoadcase, 1); // only the commit writes the committed loadcase
    ShowLoadcase(1);
    EXPECT_TRUE(f.Rows[4].Check && f.Check_Swt);
    // The spinner's loadcase is held to 1..5.
    ShowLoadcase(0);
    EXPECT_EQ(f.Edit_Case, 1);
    ShowLoadcase(6);
    EXPECT_EQ((std::pair{f.Edit_Case, LoadDataVars.WorkLoadcase}), (std::pair{5, 5}));
}

// A load changed while another loadcase is shown is stacked anew when its own loadcase is shown:
// C retyped at 5 kN/m gives 3 + 5 = 8 at its start (A still runs there) and 5 at its end.
TEST_F(LoadData, ALoadChangedInAnotherLoadcaseIsStackedAnewWhenItsLoadcaseIsShown) {
    TypeLoadcaseOne();
    ShowLoadcase(2);
    Udl(4, "4", "3", "5", "5");
    Udl(5, "0", "1", "1", "1");
    Tick({5}); // reads every row
    ASSERT_EQ(Work.WorkLoads[4][lfW1], 5.0f);
    canvas.items.clear();
    ShowLoadcase(1);
    EXPECT_EQ(Sums(1, {2, 4}), (Floats{3, 6, 8, 5}));
    EXPECT_TRUE(canvas.hasText("(8.00)"));
}

TEST_F(LoadData, ClearEmptiesTheFormButKeepsTheSelfWeightLoadUnapplied) {
    SetRec(Work.WorkLoads[kSelfWeightRecord], kSelfWeight);
    TypeLoadcaseOne();
    Tick({0});
    Next();
    Point(9, "1", "1");
    ShowLoadcase(3);
    const auto committed = Committed();

    ClearClicked(f, pic);
    EXPECT_TRUE(Committed() == committed);
    EXPECT_FALSE(f.Check_Swt);
    EXPECT_EQ(Rec(Work.WorkLoads[kSelfWeightRecord], lfCover), kSelfWeight);
    EXPECT_EQ((std::tuple{f.Edit_Case, f.Height, LoadDataVars.WorkRowsShown}), (std::tuple{1, 580, 5}));
    for (int n = 1; n <= 50; ++n)
        EXPECT_TRUE(f.Rows[n] == (LoadFormControls().Rows[n])) << n;

    // A later Next with a new load commits the self-weight as it is, unapplied.
    Point(1, "5", "1");
    Tick({1});
    Next();
    EXPECT_EQ(Rec(Model.LoadTable[2][kSelfWeightRecord], lfCover), kSelfWeight);
    EXPECT_NE(Model.LoadTable[2][kSelfWeightRecord][lfApplied], 1.0f);
    EXPECT_EQ(Model.CaseHasLoads[2], 0);
}

TEST_F(LoadData, ShowingStartsFromTheRestoredLoadcaseAndRows) {
    Model.SectionShape = "Timber";
    f.Check_Swt = f.Frame_SWt = true;
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        Work.ApplyFlags[lc][kSelfWeightRecord] = Model.LoadTable[lc][kSelfWeightRecord][lfApplied] = 1.0f;
    LoadDataVars.RestoredLoadcase = 6;
    LoadDataVars.ValidateOnRead = 1.0f;
    LoadFormShow(f, pic);
    EXPECT_EQ((std::tuple{f.Edit_Case, LoadDataVars.WorkRowsShown, LoadDataVars.ValidateOnRead}),
              (std::tuple{1, 5, 0.0f}));
    EXPECT_FALSE(f.Frame_SWt || f.Check_Swt); // no steel self-weight on timber, in any loadcase
    // The working ticks go; the committed flags are the beam commit's and Open's to take off, as
    // showing a form commits nothing.
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        EXPECT_TRUE(Work.ApplyFlags[lc][kSelfWeightRecord] != 1.0f &&
                    Model.LoadTable[lc][kSelfWeightRecord][lfApplied] == 1.0f)
            << lc;
    RestoreCommittedLoads();
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        EXPECT_NE(Model.LoadTable[lc][kSelfWeightRecord][lfApplied], 1.0f) << lc;

    LoadDataVars.RestoredLoadcase = 3;
    LoadDataVars.RestoredRowsShown = 12;
    Work.ApplyFlags[3][2] = 1.0f;
    Work.WorkLoads[2][lfKind] = 1.0f;
    LoadFormShow(f, pic);
    EXPECT_EQ((std::pair{f.Edit_Case, f.Height}), (std::pair{3, 12 * 35 + 380}));
    EXPECT_TRUE(f.Rows[13].Panel && !f.Rows[14].Panel && f.Rows[2].OptionP && f.Rows[2].Check);
}

// "< Back" and the form shown again keep the rows as typed; a list changed in between, even in its
// last row alone, is shown as it now stands. Here factored loads turned off by a No to the beam
// form's question take row 50's factor of 1.5 back to 1.0.
TEST_F(LoadData, RowsTypedBeforeBackAreShownAgainUnlessTheListChangedSince) {
    Udl(50, "1", "2", "2", "4", "1.5");
    Tick({50});
    const auto row50 = [this] {
        const LoadRowControls& r = f.Rows[50];
        return Texts{r.Edit_Dist.Text, r.Edit_Cover.Text, r.Edit_UDLS.Text, r.Edit_UDLF.Text, r.Edit_LF.Text};
    };
    LoadFormBack(f);
    LoadFormShow(f, pic);
    EXPECT_EQ(row50(), (Texts{"1", "2", "2", "4", "1.5"}));

    LoadFormBack(f);
    TurnFactoredLoadsOff(Model, Work);
    LoadFormShow(f, pic);
    // 1000 mm, 2000 mm, 2 and 4 N/mm in m and kN/m; the factor 1.0.
    EXPECT_EQ(row50(), (Texts{"1.000", "2.000", "2.000", "4.000", "1.000"}));
    EXPECT_TRUE(f.Rows[50].OptionUDL && f.Rows[50].Check && !f.Rows[50].Edit_LF.Visible);
}

// A beam typed in a unit through the beam form and a distributed load typed over it on the load
// form, every length read as the forms read it (a single in mm).
class LoadToBeamEnd : public BeamFormTest {
protected:
    // The members in the unit, cantilevers (empty: none) first when there are any. Past the
    // form's 20 spans the job is one restored from its file and typed over.
    void CommitBeam(const Texts& spans, const std::string& lhc, const std::string& rhc) {
        PickUB127();
        const int n = static_cast<int>(spans.size());
        TypeBeam(Texts(spans.begin(), spans.begin() + std::min(n, kMaxFormSpans)), lhc, rhc);
        if (n > kMaxFormSpans) {
            const int c = lhc.empty() ? 0 : 1;
            Work.WorkSpanCount = n;
            f.Grid_Spans.SetColCount(n + c + (rhc.empty() ? 0 : 1) + 1);
            for (int i = 1; i <= n; ++i)
                Type(c + i, spans[static_cast<std::size_t>(i - 1)]);
            if (!rhc.empty()) Type(n + c + 1, rhc);
        }
        ASSERT_TRUE(Commit()) << ::testing::PrintToString(Messages());
    }
    // Row 1 from dist over cover, applied in loadcase 1: whether the load form's "Next >" and the
    // Analyse command take it; both must agree.
    bool LoadTaken(const std::string& dist, const std::string& cover) {
        LoadDataVars.WorkLoadcase = 1;
        LoadDataVars.WorkRowsShown = 5;
        LoadRowControls& r = load.Rows[1];
        r.OptionP = false;
        r.OptionUDL = true;
        SetLoadRowMode(load, 1);
        r.Edit_Dist.Text = dist;
        r.Edit_Cover.Text = cover;
        r.Edit_UDLS.Text = r.Edit_UDLF.Text = "1";
        r.Check = true;
        ApplyClicked(load, 1, loadPic);
        dialogs->clear(); // a refusal before has the form check as it reads
        const bool next = CommitLoads(load, loadPic) != LoadRoute::Stay;
        const Texts refusal{"Load 1 extends past end of beam", "Load 1 extends past end of beam"};
        EXPECT_EQ(Messages(), next ? Texts{} : refusal);
        // Analyse on the job as a beam file may hold it, the load applied whatever the form said.
        Model.LoadTable[1][1] = Work.WorkLoads[1];
        Model.LoadTable[1][1][lfApplied] = 1.0f;
        dialogs->clear();
        const bool analyse = UnconfirmedJob().form == AnalysisRefusal::Form::None;
        EXPECT_EQ(analyse, next) << "Analyse and the load form differ";
        return next;
    }

    LoadFormControls load;
    LoadFormPicture loadPic{canvas, 743, 145};
};

// A length of so many ten-thousandths of the unit, written with d decimals (2 to 4).
std::string Decimals(long long tenThousandths, int d) {
    long long scale = 1, unit = 1;
    for (int i = 0; i < d; ++i)
        scale *= 10;
    for (int i = d; i < 4; ++i)
        unit *= 10;
    const long long v = tenThousandths / unit;
    std::string frac = std::to_string(v % scale);
    frac.insert(0, static_cast<std::size_t>(d) - frac.size(), '0');
    return std::to_string(v / scale) + "." + frac;
}

TEST_F(LoadToBeamEnd, ALoadEndingAtTheEndIsTakenInEveryUnitAndOneAMillimetrePastIsNot) {
    struct Unit {
        const char* text;
        float factor;
        long long shortest, longest; // member lengths, in ten-thousandths of the unit
        const char* oneMm;           // 1 mm in the unit, to the figures typed
    };
    const Unit units[] = {{"ft", 304.8f, 1'6000, 40'0000, "0.00328"},
                          {"in", 25.4f, 20'0000, 480'0000, "0.03937"},
                          {"m", 1000.0f, 5000, 12'0000, "0.001"},
                          {"mm", 1.0f, 500'0000, 12000'0000, "1"}};
    std::mt19937 random(44);
    int refusedBefore = 0; // jobs the allowance of 1e-7 of the beam alone refuses
    for (const Unit& u : units) {
        Model.UnitFactorLength = u.factor;
        Model.UnitTextLength = u.text;
        for (int n = 1; n <= kMaxSpans; ++n)
            for (int ends = 0; ends < 4; ++ends) {
                const int d = 2 + (n + ends) % 3;
                long long step = 1;
                for (int i = d; i < 4; ++i)
                    step *= 10;
                std::uniform_int_distribution<long long> pick(u.shortest / step, u.longest / step);
                auto member = [&] { return pick(random) * step; };
                Texts spans;
                long long sum = 0, first = 0;
                std::string lhc, rhc;
                if (ends & 1) {
                    first = member();
                    lhc = Decimals(first, d);
                }
                for (int i = 0; i < n; ++i) {
                    const long long l = member();
                    spans.push_back(Decimals(l, d));
                    sum += l;
                    if (i == 0 && first == 0) first = l;
                }
                if (ends & 2) {
                    const long long l = member();
                    rhc = Decimals(l, d);
                    sum += l;
                }
                if (ends & 1) sum += first;
                SCOPED_TRACE(std::string(u.text) + " " + std::to_string(n) + " spans, cantilevers " +
                             std::to_string(ends) + ", beam " + Decimals(sum, d));
                ResetBeamForm(f);
                Work.WorkSpanCount = 1;
                CommitBeam(spans, lhc, rhc);
                if (HasFatalFailure()) return;
                // From the left end over the whole beam, and from the end of the first member.
                const std::string whole = Decimals(sum, d);
                EXPECT_TRUE(LoadTaken("0", whole));
                refusedBefore += Work.WorkLoads[1][lfCover] > 1.0000001 * Model.BeamLength;
                if (sum > first) {
                    EXPECT_TRUE(LoadTaken(Decimals(first, d), Decimals(sum - first, d)));
                }
                EXPECT_FALSE(LoadTaken(u.oneMm, whole));
            }
    }
    // The jobs of the report, in ft and in.
    const std::tuple<const char*, float, Texts, const char*> reported[] = {
        {"ft", 304.8f, {"21.51", "32.69"}, "54.20"},
        {"ft", 304.8f, {"36.29", "22.37", "4.95"}, "63.61"},
        {"in", 25.4f, {"45.37", "336.38"}, "381.75"},
    };
    for (const auto& [unit, factor, spans, cover] : reported) {
        SCOPED_TRACE(std::string(unit) + " over " + cover);
        Model.UnitFactorLength = factor;
        Model.UnitTextLength = unit;
        ResetBeamForm(f);
        Work.WorkSpanCount = 1;
        CommitBeam(spans, "", "");
        EXPECT_TRUE(LoadTaken("0", cover));
        EXPECT_GT(static_cast<double>(Work.WorkLoads[1][lfCover]), 1.0000001 * Model.BeamLength);
        EXPECT_FALSE(LoadTaken(factor == 25.4f ? "0.03937" : "0.00328", cover));
    }
    // The table holds jobs that the old allowance refused.
    EXPECT_GT(refusedBefore, 0);
}

} // namespace

namespace {

// Factored loads turned off and on again while the form is open: every factor typed, working or
// committed becomes 1.0 once, with its message; turned on again, the factor edits come back on
// the rows with a load showing 1.000 (1 is the threshold of a band it does not belong to), and
// "Next >" commits 1.0 throughout.
TEST_F(LoadData, FactoredLoadsOffAndOnAgainWhileTheFormIsOpenLeaveEveryFactorAtOne) {
    Point(1, "12", "1.5", "1.5");
    Udl(2, "0", "4", "3", "3", "1.2");
    Udl(50, "1", "2", "2", "2", "1.6");
    f.Frame_SWt = true;
    f.Edit_LF = "1.4";
    Tick({1, 2, 50, 0});
    Model.LoadTable[5][50][lfLF] = 1.6f; // a committed factor of loadcase 5
    Model.LoadTable[5][50][lfApplied] = 1.0f;

    Model.FactoredLoadsFlag = -1;
    FactoredLoadsChanged(f);
    EXPECT_EQ(Messages(), Texts{"All load factors have been reset to 1.0"});
    EXPECT_EQ(Model.LoadTable[5][50][lfLF], 1.0f);
    for (int n : {1, 2, 50})
        EXPECT_TRUE(f.Rows[n].Edit_LF.Text == "1.000" && !f.Rows[n].Edit_LF.Visible) << n;
    EXPECT_TRUE(f.Edit_LF == "1.000" && !f.Edit_LF_Enabled);

    Model.FactoredLoadsFlag = 1;
    FactoredLoadsChanged(f);
    EXPECT_EQ(Messages().size(), 1u); // turning on asks nothing here
    for (int n : {1, 2, 50})
        EXPECT_TRUE(f.Rows[n].Edit_LF.Text == "1.000" && f.Rows[n].Edit_LF.Visible) << n;
    EXPECT_FALSE(f.Rows[3].Edit_LF.Visible); // a row without a load shows no factor
    EXPECT_TRUE(f.Edit_LF_Enabled);

    ASSERT_EQ(CommitLoads(f, pic), LoadRoute::Analysis) << ::testing::PrintToString(Messages());
    for (int lc = 1; lc <= 5; ++lc)
        for (int n : {1, 2, 50, kSelfWeightRecord})
            EXPECT_EQ(Model.LoadTable[lc][n][lfLF], 1.0f) << lc << " " << n;
}

} // namespace

namespace {

// The last row in the last loadcase: a reset of row 50 on loadcase 1 takes it out of loadcases 2
// to 5 and their stacks; File New clears every tick of every loadcase, loadcase 5's row 50 too.
// The first row is stacked in every loadcase as well, and stays when row 50 goes.
TEST_F(LoadData, TheLastRowInTheLastLoadcaseIsResetAndClearedEverywhere) {
    Udl(50, "1", "2", "2", "4");
    // Row 1 over 0..1 m at 5 kN/m only touches row 50's start: neither adds to the other.
    Udl(1, "0", "1", "5", "5");
    for (int lc = 2; lc <= 5; ++lc) {
        ShowLoadcase(lc);
        Tick({50, 1});
        EXPECT_EQ(Sums(lc, {50, 1}), (Floats{2, 4, 5, 5})) << lc;
    }
    ShowLoadcase(1);
    ResetLoadRow(f, 50, pic);
    for (int lc = 1; lc <= 5; ++lc) {
        EXPECT_NE(Work.ApplyFlags[lc][50], 1.0f) << lc;
        EXPECT_EQ(Sums(lc, {50, 1}), (lc == 1 ? Floats{0, 0, 0, 0} : Floats{0, 0, 5, 5})) << lc;
    }

    Udl(50, "1", "2", "2", "4");
    ShowLoadcase(5);
    Tick({50});
    NewBeamLoadForm(f);
    for (int lc = 1; lc <= 5; ++lc)
        EXPECT_EQ(Work.ApplyFlags[lc][50], 0.0f) << lc;
    EXPECT_TRUE(f.Edit_Case == 1 && LoadDataVars.WorkLoadcase == 1);
    // Rows 1 to 6 stay shown, rows 7 to 50 are hidden again.
    for (int n = 1; n <= kLoadRows; ++n)
        EXPECT_EQ(f.Rows[n].Panel, n <= 6) << n;
}

} // namespace

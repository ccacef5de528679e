// The load form's core: rows read in N and mm, stacked rates worked out by hand, every refusal of
// "Next >" with the committed model untouched, the filling of the rows, the rows shown and the ticks.
#include "input/LoadData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "LoadFormTestSupport.h"

using namespace kx;
using namespace kxtest;

namespace {

std::vector<float> Rec(const TLoadRec& r, int upTo = lfLF) {
    std::vector<float> v;
    for (int i = lfKind; i <= upTo; ++i)
        v.push_back(r[i]);
    return v;
}

std::vector<float> Sums(int lc, int n) {
    return {Work.UDLStack[lc][n][usW1Sum], Work.UDLStack[lc][n][usW2Sum]};
}

// Everything "Next >" may commit.
struct Committed {
    Arr<Arr<TLoadRec, 1, 51>, 1, 5> LoadTable;
    Arr<Arr<TUDLStackRec, 1, 50>, 1, 5> UDLStackTable;
    Arr<int32, 0, 5> CaseHasLoads;
    int32 LoadRowsShown, CurrentLoadcase;
    bool operator==(const Committed&) const = default;
};
Committed Snapshot() {
    const SharedModel& m = Model;
    return {m.LoadTable, m.UDLStackTable, m.CaseHasLoads, m.LoadRowsShown, m.CurrentLoadcase};
}

class LoadData : public LoadFormTest {};

TEST_F(LoadData, RowsAreReadInNewtonsAndMillimetresWhateverTheHiddenEditsHold) {
    TypeLoadcaseOne();
    // A point row keeps stale rate and cover texts from an earlier type; they must not count.
    f.Rows[1].Edit_UDLS.Text = "9";
    f.Rows[1].Edit_UDLF.Text = "8";
    f.Rows[1].Edit_Cover.Text = "7";
    f.Rows[6].Edit_Dist.Text = "2 m"; // no type, a text that is no number
    f.Rows[6].Edit_UDLS.Text = "5";
    ReadLoadRows(f);
    EXPECT_EQ(Rec(Work.WorkLoads[1], lfApplied), (std::vector<float>{1, 1500, 12000, 0, 0, 1.0f, 0}));
    EXPECT_EQ(Rec(Work.WorkLoads[3]), (std::vector<float>{-1, 2000, 1, 4, 3000, 1.0f}));
    EXPECT_EQ(Rec(Work.WorkLoads[6]), (std::vector<float>{0, 0, 5, 0, 0, 1.0f}));
    EXPECT_EQ(Work.ApplyFlags[1][1], 1.0f);
    EXPECT_EQ(Work.ApplyFlags[1][6], 0.0f);
    EXPECT_TRUE(dialogs->shown.empty());

    // Load factors: typed with factored loads on; 1.0 when blank, and always 1.0 with them off.
    f.Rows[3].Edit_LF.Text = "1.5";
    f.Check_Swt = true;
    Work.ApplyFlags[2][kSelfWeightRecord] = -1.0f;
    ReadLoadRows(f);
    EXPECT_EQ(Work.WorkLoads[3][lfLF], 1.5f);
    EXPECT_EQ(Rec(Work.WorkLoads[kSelfWeightRecord], lfApplied)[lfLF], 1.4f); // blank: the default shown
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfApplied], 1.0f);
    EXPECT_EQ(Work.ApplyFlags[2][kSelfWeightRecord], -1.0f); // the read leaves the self-weight's flags
    f.Edit_LF = "1.6";
    ReadLoadRows(f);
    EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.6f);
    for (int32 flag : {-1, 0}) {
        Model.FactoredLoadsFlag = flag;
        f.Edit_LF = flag == 0 ? "" : "1.6";
        ReadLoadRows(f);
        EXPECT_EQ(Work.WorkLoads[3][lfLF], 1.0f) << flag;
        EXPECT_EQ(Work.WorkLoads[kSelfWeightRecord][lfLF], 1.0f) << flag;
    }

    // A loadcase outside 1..5 is held inside rather than indexing past the flags.
    LoadDataVars.WorkLoadcase = 9;
    ReadLoadRows(f);
    EXPECT_EQ(Work.ApplyFlags[5][1], 1.0f);
}

TEST_F(LoadData, StackedRatesAddTheOtherLoadsCoveringEachEnd) {
    TypeLoadcaseOne();
    // At A's end (4 m) B runs at 1 + 3 x 2/3 = 3: 6; at B's start A's 3: 4, at its end C's 2: 6;
    // at C's start B's 3: 5. Touching ends count only the load that covers the point onwards.
    EXPECT_EQ(Sums(1, 2), (std::vector<float>{3, 6}));
    EXPECT_EQ(Sums(1, 3), (std::vector<float>{4, 6}));
    EXPECT_EQ(Sums(1, 4), (std::vector<float>{5, 2}));
    EXPECT_EQ(Work.UDLStack[1][1][usW1], 0.0f); // the point load is not stacked

    // Loadcase 2: A over 0..2 m at 1 and B over 1..3 m from 2 to 4: A (1, 4), B (3, 4); a load the
    // same as B adds B's rate at both ends; a load with no cover gives and takes nothing.
    ShowLoadcase(2);
    Udl(5, "0", "2", "1", "1");
    Udl(6, "1", "2", "2", "4");
    Udl(7, "1", "2", "2", "4");
    Udl(8, "1.5", "0", "7", "7");
    for (int n : {5, 6, 7, 8})
        Tick(n);
    EXPECT_EQ(Sums(2, 5), (std::vector<float>{1, 7}));
    EXPECT_EQ(Sums(2, 6), (std::vector<float>{5, 8}));
    EXPECT_EQ(Sums(2, 8), (std::vector<float>{7, 7}));
    Tick(7, false);
    EXPECT_EQ(Sums(2, 5), (std::vector<float>{1, 4}));
    EXPECT_EQ(Sums(2, 6), (std::vector<float>{3, 4}));
    EXPECT_EQ(Work.UDLStack[2][7][usW1], 0.0f);
    // The stack of the loadcase not shown stays as it was built.
    EXPECT_EQ(Sums(1, 2), (std::vector<float>{3, 6}));
}

TEST_F(LoadData, RefusedNextCommitsNothingAndCancelBringsBackTheAcceptedList) {
    TypeLoadcaseOne();
    ShowLoadcase(2);
    Tick(1);
    ASSERT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    ASSERT_TRUE(dialogs->shown.empty());
    const Committed accepted = Snapshot();
    EXPECT_EQ(accepted.CaseHasLoads[1], 1);
    EXPECT_EQ(accepted.CaseHasLoads[2], 1);
    EXPECT_EQ(accepted.CaseHasLoads[3], 0);
    EXPECT_EQ(Rec(accepted.LoadTable[5][3]), (std::vector<float>{-1, 2000, 1, 4, 3000, 1.0f}));
    EXPECT_EQ(accepted.LoadTable[2][2][lfApplied], 0.0f);
    EXPECT_EQ(accepted.UDLStackTable[1][3][usW2Sum], 6.0f);
    const Arr<TLoadRec, 1, 51> acceptedList = Work.WorkLoads;

    const auto refused = [&](const std::vector<std::string>& expected, const char* what) {
        dialogs->clear();
        EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Stay) << what;
        EXPECT_EQ(dialogs->messages(), expected) << what;
        EXPECT_EQ(LoadDataVars.LoadError, -1) << what;
        EXPECT_TRUE(Snapshot() == accepted) << what;
        RestoreCommittedLoads();
        for (int i = 1; i <= 51; ++i)
            EXPECT_EQ(Rec(Work.WorkLoads[i]), Rec(acceptedList[i])) << what << " load " << i;
        EXPECT_EQ(Work.ApplyFlags[2][1], 1.0f) << what;
        EXPECT_EQ(Work.ApplyFlags[2][2], 0.0f) << what;
    };

    // A load past the end is reported on reading and again before the commit.
    const std::string past = "Load 6 extends past end of beam";
    Udl(6, "6.5", "0.6", "1", "1");
    Tick(6);
    refused({past, past}, "past the end");
    // Both rules broken: two boxes each time, the extent first.
    f.Rows[6].Edit_Dist.Text = "-1";
    f.Rows[6].Edit_Cover.Text = "9";
    refused({past, "Negative lengths not allowed", past, "Negative lengths not allowed"}, "both rules");
    // Ending exactly at the end passes; so does a load past the end applied nowhere.
    f.Rows[6].Edit_Dist.Text = "6.5";
    f.Rows[6].Edit_Cover.Text = "0.5";
    dialogs->clear();
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    f.Rows[6].Edit_Cover.Text = "0.6";
    Tick(6, false);
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    EXPECT_TRUE(dialogs->shown.empty());
    const Committed accepted2 = Snapshot();

    // A value that no single can hold once in newtons.
    f.Rows[2].Edit_UDLS.Text = "1e39";
    dialogs->clear();
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Stay);
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{"Load 2 value too large"}));
    EXPECT_TRUE(Snapshot() == accepted2);
    f.Rows[2].Edit_UDLS.Text = "3";

    // Only the self-weight applied.
    Model.SectionShape = "Beam";
    ShowLoadcase(1);
    for (int n = 1; n <= 4; ++n)
        Tick(n, false);
    ShowLoadcase(2);
    Tick(1, false);
    TickSelfWeight();
    dialogs->clear();
    const Committed accepted3 = Snapshot(); // the spinner sets CurrentLoadcase as it turns
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Stay);
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{"No loads applied to beam"}));
    EXPECT_TRUE(Snapshot() == accepted3);
}

TEST_F(LoadData, EmptyLoadsAndUnequalFactorsOnForkheadsAreRefused) {
    // An applied point load of 0 and an applied distributed load without cover, in different
    // loadcases: refused together, each alone passes.
    Point(1, "0", "1");
    Udl(2, "1", "0", "2", "2");
    Point(3, "5", "2");
    Tick(1);
    Tick(3);
    ShowLoadcase(3);
    Tick(2);
    const Committed before = Snapshot();
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Stay);
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{"No loads on beam"}));
    EXPECT_TRUE(Snapshot() == before);
    Tick(2, false);
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    EXPECT_EQ(Model.CaseHasLoads[1], 1);
    EXPECT_EQ(Model.CaseHasLoads[3], 0);

    // Forkheads: factors 1.0 and 1.5 in different loadcases refused; all 1.4 pass.
    Model.SupportType[0] = Model.SupportType[1] = Model.SupportType[25] = supForkhead;
    f.Rows[1].Edit_PL.Text = "3";
    f.Rows[1].Edit_LF.Text = "1.0";
    f.Rows[2].Edit_LF.Text = "1.5";
    Tick(2);
    dialogs->clear();
    const Committed accepted = Snapshot();
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Stay);
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{" For the routine to remove negative\r"
                                                             " forkhead support loads to be used, \r"
                                                             " load factors must all be the same.\r"}));
    EXPECT_TRUE(Snapshot() == accepted);
    f.Rows[1].Edit_LF.Text = f.Rows[2].Edit_LF.Text = f.Rows[3].Edit_LF.Text = "1.4";
    Udl(2, "1", "1", "2", "2", "1.4");
    dialogs->clear();
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_EQ(Model.CaseHasLoads[3], 1);
    // The self-weight's factor counts too.
    Model.SectionShape = "Beam";
    f.Edit_LF = "1.5";
    TickSelfWeight();
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Stay);
}

TEST_F(LoadData, NextCommitsEveryLoadcaseAndRoutesByTheCheckAndTheCantilever) {
    TypeLoadcaseOne();
    LoadDataVars.RestoredLoadcase = 3;
    ShowLoadcase(4);
    Point(9, "2", "6");
    Tick(9);
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 9);
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    EXPECT_EQ(Model.LoadRowsShown, 9);
    EXPECT_EQ(Model.CurrentLoadcase, 3);
    EXPECT_EQ(Model.CaseHasLoads[4], 1);
    EXPECT_EQ(Model.LoadTable[1][9][lfApplied], -1.0f); // unticked when loadcase 1 was stored
    EXPECT_EQ(Model.LoadTable[2][9][lfApplied], 0.0f);  // loadcase 2 was never shown
    EXPECT_EQ(Model.LoadTable[4][9][lfApplied], 1.0f);
    EXPECT_EQ(Rec(Model.LoadTable[2][9]), (std::vector<float>{1, 6000, 2000, 0, 0, 1.0f}));

    Model.SteelSectionFlag = 1;
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Span);
    Model.SpanData[kLHCantRow][mfExists] = 1.0f;
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::CantLH);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(LoadData, CancelTakesTheListFromLoadcaseOneWhicheverLoadcaseIsShown) {
    // A file whose loads use loadcases 1 and 2; loadcases 3 to 5 hold nothing.
    for (int lc : {1, 2}) {
        Model.LoadTable[lc][1][lfKind] = 1.0f;
        Model.LoadTable[lc][1][lfDist] = 1500;
        Model.LoadTable[lc][1][lfP] = 12000;
        Model.LoadTable[lc][1][lfLF] = 1.2f;
        Model.LoadTable[lc][1][lfApplied] = lc == 1 ? 1.0f : -1.0f;
    }
    Model.LoadRowsShown = 12;
    Model.CurrentLoadcase = 2;
    LoadDataVars.WorkLoadcase = 4;
    Work.WorkLoads[1][lfApplied] = 0.5f;
    RestoreCommittedLoads();
    EXPECT_EQ(Rec(Work.WorkLoads[1], lfApplied), (std::vector<float>{1, 1500, 12000, 0, 0, 1.2f, 0.5f}));
    EXPECT_EQ(Work.ApplyFlags[1][1], 1.0f);
    EXPECT_EQ(Work.ApplyFlags[2][1], -1.0f);
    EXPECT_EQ(Work.ApplyFlags[4][kSelfWeightRecord], -1.0f);
    EXPECT_EQ(LoadDataVars.RestoredRowsShown, 12);
    EXPECT_EQ(LoadDataVars.RestoredLoadcase, 2);
}

TEST_F(LoadData, RowsAreFilledWithTheirNumberTextsAndTheSelfWeightFrame) {
    Work.WorkLoads[1] = TLoadRec{};
    for (auto [i, v] : {std::pair{lfKind, 1.0f}, {lfDist, 1500.0f}, {lfP, 12000.0f}, {lfLF, 1.0f}})
        Work.WorkLoads[1][i] = v;
    for (auto [i, v] : {std::pair{lfKind, -1.0f}, {lfW1, 3.0f}, {lfW2, 3.0f}, {lfCover, 4000.0f}})
        Work.WorkLoads[2][i] = v;
    Work.WorkLoads[3][lfDist] = 2000; // no type: its edits hidden and empty, the distance shown
    f.Rows[3].OptionP = true;
    f.Rows[3].Edit_PL = {"7", true};
    TLoadRec& sw = Work.WorkLoads[kSelfWeightRecord];
    sw[lfKind] = -1.0f;
    sw[lfW1] = sw[lfW2] = 0.12721804f;
    sw[lfCover] = 7000;
    FillLoadRows(f);

    const LoadRowControls &r1 = f.Rows[1], &r2 = f.Rows[2], &r3 = f.Rows[3];
    EXPECT_TRUE(r1.OptionP);
    EXPECT_EQ(r1.Edit_PL, (EditBox{"12.00", true}));
    EXPECT_EQ(r1.Edit_Dist, (EditBox{"1.500", true}));
    EXPECT_EQ(r1.Edit_LF, (EditBox{"1.000", true}));
    EXPECT_FALSE(r1.Edit_Cover.Visible);
    EXPECT_TRUE(r2.OptionUDL);
    EXPECT_EQ(r2.Edit_Dist, (EditBox{"", true})); // zero and not applied: blank
    EXPECT_EQ(r2.Edit_Cover, (EditBox{"4.000", true}));
    EXPECT_EQ(r2.Edit_UDLS.Text, "3.000");
    EXPECT_EQ(r2.Edit_LF.Text, ""); // a factor of 0
    EXPECT_FALSE(r3.OptionP || r3.OptionUDL);
    EXPECT_EQ(r3.Edit_PL, (EditBox{}));
    EXPECT_EQ(r3.Edit_Dist, (EditBox{"2.000", false}));
    EXPECT_EQ(LoadDataVars.FormUpdating, 0);

    EXPECT_TRUE(f.Frame_SWt);
    EXPECT_EQ(f.lbl_Swt, " 0.127 kN/m");
    EXPECT_EQ(f.Edit_LF, "1.40");
    EXPECT_TRUE(f.Edit_LF_Enabled);
    // Factored loads off: the box shows the 1.0 that is used, also over a stored factor.
    sw[lfLF] = 1.5f;
    for (int32 flag : {-1, 0}) {
        Model.FactoredLoadsFlag = flag;
        FillLoadRows(f);
        EXPECT_EQ(f.Edit_LF, "1.000") << flag;
        EXPECT_FALSE(f.Edit_LF_Enabled) << flag;
    }
    // Applied: a zero shows as a number.
    Work.WorkLoads[2][lfApplied] = 1.0f;
    FillLoadRows(f);
    EXPECT_EQ(f.Rows[2].Edit_Dist.Text, "0.000");

    // A scaffold tube carries no self-weight frame; without a beam nothing is filled.
    LoadFormControls g;
    Model.SectionShape = "Tube";
    Model.SectionFamilyCode = "Scaffold";
    FillLoadRows(g);
    EXPECT_FALSE(g.Frame_SWt);
    EXPECT_TRUE(g.Rows[1].OptionP);
    LoadFormControls h;
    Model.BeamLength = 0;
    FillLoadRows(h);
    EXPECT_TRUE(h == LoadFormControls());
}

TEST_F(LoadData, TypingGrowsTheRowsShownAndExpandShowsAllFifty) {
    f.Height = 580;
    Udl(3, "1", "1", "1", "1");
    EXPECT_EQ(f.Rows[3].Edit_Dist.Visible && f.Rows[3].Edit_UDLS.Visible && f.Rows[3].Edit_UDLF.Visible &&
                  f.Rows[3].Edit_Cover.Visible && f.Rows[3].Edit_LF.Visible && !f.Rows[3].Edit_PL.Visible,
              true);
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 5);
    EXPECT_FALSE(f.Rows[7].Panel);
    Point(7, "1", "1");
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 7);
    EXPECT_TRUE(f.Rows[7].Panel && f.Rows[8].Panel);
    EXPECT_FALSE(f.Rows[9].Panel);
    EXPECT_EQ(f.Height, 625);
    Point(6, "1", "1"); // below those in use: nothing grows
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 7);

    // Factored loads off: no load-factor edit comes with a type.
    Model.FactoredLoadsFlag = -1;
    Point(20, "1", "1");
    EXPECT_FALSE(f.Rows[20].Edit_LF.Visible);
    EXPECT_EQ(f.Height, 20 * 35 + 380);

    ExpandClicked(f);
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 50);
    for (int n = 1; n <= 50; ++n)
        EXPECT_TRUE(f.Rows[n].Panel) << n;
    EXPECT_EQ(f.Height, 2130);
    EXPECT_TRUE(f.Rows[50].Edit_Dist.Visible && f.Rows[50].Edit_Cover.Visible);

    // File New: loadcase 1, rows 1-6, every row blank, 580 high; the factor column follows the flag.
    ShowLoadcase(3);
    Tick(7);
    Model.FactoredLoadsFlag = 1;
    NewBeamLoadForm(f);
    EXPECT_EQ(f.Edit_Case, 1);
    EXPECT_EQ(LoadDataVars.WorkLoadcase, 1);
    EXPECT_EQ(f.Height, 580);
    for (int n = 1; n <= 50; ++n) {
        const LoadRowControls& r = f.Rows[n];
        EXPECT_EQ(r.Panel, n <= 6) << n;
        EXPECT_FALSE(r.OptionP || r.OptionUDL || r.Check) << n;
        EXPECT_EQ(r.Edit_Dist, (EditBox{})) << n;
        EXPECT_EQ(r.Edit_LF, (EditBox{"", true})) << n;
        EXPECT_EQ(Work.ApplyFlags[3][n], 0.0f);
        EXPECT_EQ(Rec(Work.WorkLoads[n], lfApplied), (std::vector<float>{0, 0, 0, 0, 0, 0, -1}));
    }
    f.Rows[4].Edit_LF.Visible = false;
    Model.FactoredLoadsFlag = 0;
    ShowLoadFactorColumn(f);
    EXPECT_FALSE(f.Rows[4].Edit_LF.Visible);
    EXPECT_TRUE(f.Rows[5].Edit_LF.Visible);
    Model.FactoredLoadsFlag = -1;
    ShowLoadFactorColumn(f);
    EXPECT_FALSE(f.Rows[5].Edit_LF.Visible);
}

TEST_F(LoadData, ApplyTicksAreKeptPerLoadcaseTheSelfWeightInAllFive) {
    // Apply on a row without a type: the tick goes again and -1.0 is stored.
    Tick(2);
    EXPECT_FALSE(f.Rows[2].Check);
    EXPECT_EQ(Work.ApplyFlags[1][2], -1.0f);

    TypeLoadcaseOne();
    ShowLoadcase(2);
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(f.Rows[n].Check);
    EXPECT_EQ(f.Rows[1].Edit_PL.Text, "12"); // values are common to all loadcases
    Model.SectionShape = "Beam";
    TickSelfWeight();
    for (int lc = 1; lc <= 5; ++lc)
        EXPECT_EQ(Work.ApplyFlags[lc][kSelfWeightRecord], 1.0f) << lc;
    EXPECT_EQ(Model.CurrentLoadcase, 2);
    ShowLoadcase(1);
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(f.Rows[n].Check);
    EXPECT_TRUE(f.Check_Swt);

    // The spinner's loadcase is held to 1..5.
    ShowLoadcase(0);
    EXPECT_EQ(f.Edit_Case, 1);
    ShowLoadcase(6);
    EXPECT_EQ(f.Edit_Case, 5);
    EXPECT_EQ(LoadDataVars.WorkLoadcase, 5);

    // Resetting an applied row empties it and redraws; an unapplied row is only emptied.
    ShowLoadcase(1);
    canvas.items.clear();
    ResetLoadRow(f, 3, pic);
    EXPECT_FALSE(f.Rows[3].OptionUDL || f.Rows[3].Check || f.Rows[3].Edit_Dist.Visible);
    EXPECT_EQ(f.Rows[3].Edit_UDLF.Text, "");
    EXPECT_EQ(Work.WorkLoads[3][lfKind], 0.0f);
    EXPECT_EQ(Work.UDLStack[1][3][usW1], 0.0f);
    EXPECT_FALSE(canvas.items.empty());
    Udl(6, "1", "1", "1", "1");
    ReadLoadRows(f);
    canvas.items.clear();
    ResetLoadRow(f, 6, pic);
    EXPECT_TRUE(canvas.items.empty());
    EXPECT_EQ(Work.WorkLoads[6][lfKind], -1.0f); // kept until the rows are next read
}

TEST_F(LoadData, ClearEmptiesTheFormButKeepsTheSelfWeightLoadUnapplied) {
    TLoadRec& sw = Work.WorkLoads[kSelfWeightRecord];
    sw[lfKind] = -1.0f;
    sw[lfW1] = sw[lfW2] = 0.12721804f;
    sw[lfCover] = 7000;
    TypeLoadcaseOne();
    TickSelfWeight();
    ASSERT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    Point(9, "1", "1");
    ShowLoadcase(3);
    const Committed committed = Snapshot();

    ClearClicked(f, pic);
    EXPECT_TRUE(Snapshot() == committed);
    EXPECT_FALSE(f.Check_Swt);
    EXPECT_EQ(Rec(sw, lfCover), (std::vector<float>{-1, 0, 0.12721804f, 0.12721804f, 7000}));
    for (int lc = 1; lc <= 5; ++lc)
        EXPECT_EQ(Work.ApplyFlags[lc][kSelfWeightRecord], 0.0f);
    EXPECT_EQ(f.Edit_Case, 1);
    EXPECT_EQ(f.Height, 580);
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 5);
    for (int n = 1; n <= 50; ++n)
        EXPECT_TRUE(f.Rows[n] == (LoadFormControls().Rows[n])) << n;
    EXPECT_EQ(LoadDataVars.FormUpdating, 0);

    // A later Next with a new load commits the self-weight as it is, unapplied.
    Point(1, "5", "1");
    Tick(1);
    EXPECT_EQ(CommitLoads(f, pic), LoadRoute::Analysis);
    EXPECT_EQ(Rec(Model.LoadTable[2][kSelfWeightRecord], lfCover),
              (std::vector<float>{-1, 0, 0.12721804f, 0.12721804f, 7000}));
    EXPECT_EQ(Model.LoadTable[2][kSelfWeightRecord][lfApplied], -1.0f);
    EXPECT_EQ(Model.CaseHasLoads[2], 0);
}

TEST_F(LoadData, ShowingStartsFromTheRestoredLoadcaseAndRows) {
    Model.SectionShape = "Timber";
    f.Check_Swt = true;
    f.Frame_SWt = true;
    LoadDataVars.RestoredLoadcase = 6;
    LoadDataVars.RestoredRowsShown = 0;
    LoadDataVars.ValidateOnRead = 1.0f;
    LoadFormShow(f, pic);
    EXPECT_EQ(LoadDataVars.RestoredLoadcase, 1);
    EXPECT_EQ(f.Edit_Case, 1);
    EXPECT_EQ(LoadDataVars.WorkRowsShown, 5);
    EXPECT_FALSE(f.Rows[7].Panel);
    EXPECT_FALSE(f.Frame_SWt || f.Check_Swt);
    EXPECT_EQ(LoadDataVars.ValidateOnRead, 0.0f);
    EXPECT_EQ(LoadDataVars.FormUpdating, 0);
    EXPECT_EQ(f.lbl_Cover, "(m)");
    EXPECT_EQ(f.lbl_UDLF, "(kN/m)");

    LoadDataVars.RestoredLoadcase = 3;
    LoadDataVars.RestoredRowsShown = 12;
    Work.ApplyFlags[3][2] = 1.0f;
    Work.WorkLoads[2][lfKind] = 1.0f;
    LoadFormShow(f, pic);
    EXPECT_EQ(f.Edit_Case, 3);
    EXPECT_TRUE(f.Rows[13].Panel);
    EXPECT_FALSE(f.Rows[14].Panel);
    EXPECT_EQ(f.Height, 12 * 35 + 380);
    EXPECT_TRUE(f.Rows[2].OptionP && f.Rows[2].Check);
}

} // namespace

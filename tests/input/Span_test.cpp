// Span effective lengths: factors, user values, restraint intervals and their sketch, Apply to
// all, Next with its checks, restore and clear, and the listing of an analysed beam.
#include "input/Span.h"

#include <gtest/gtest.h>

#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "engine/ResultText.h"
#include "foundation/Units.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"

namespace kx::test {
namespace {

// The sketches a handler asked for, and the interval picture.
struct Pictures : SpanFormPictures {
    std::vector<std::string> calls;
    RecordingCanvas canvas;
    void ClearSpanSketch() override { calls.push_back("clear"); }
    void DrawSpanSketch() override { calls.push_back("draw"); }
    void HighlightCurrentSpan() override { calls.push_back("highlight"); }
    Canvas& IntervalCanvas() override { return canvas; }
    int IntervalWidth() const override { return kIntSpanPictureW; }
    int IntervalHeight() const override { return kIntSpanPictureH; }
};

class SpanCoreTest : public ::testing::Test {
protected:
    // Spans 5000 + 4000 mm of "127 x 76 UB 13" (depth 127, ry 18.369), units m, under 5 N/mm.
    void SetUp() override {
        BeamBuilder().Spans({5000, 4000}).Section(205000, 4734400).Udl(1, 0, 5, 9000).Commit();
        SetDefaultUnits(Model);
        for (int row = 0; row <= kRHCantRow; ++row)
            for (auto [field, v] : {std::pair{mfSteelDepth, 127.0f},
                                    {mfRy, 18.369f},
                                    {mfY, 63.5f},
                                    {mfShearArea, 508.0f},
                                    {mfDT, 127 / 7.6f}})
                Model.SpanData[row][field] = v;
        Model.SectionShape = "Beam";
        Model.MemberType = "HRS";
        Model.SteelSectionFlag = 1;
    }

    // The user picks one of the eight choices of span s (the group clears the others).
    void choose(bool SpanControls::*option, int s, bool by12 = false) {
        c.Edit_Span = s;
        SpanSpinnerClick(c, p);
        for (bool SpanControls::*o :
             {&SpanControls::Option_Full, &SpanControls::Option_Partial, &SpanControls::Option_Not,
              &SpanControls::Option_Pos, &SpanControls::Option_Dead, &SpanControls::Option_Restrained,
              &SpanControls::Option_Edit, &SpanControls::Option_Int})
            c.*o = false;
        c.Check_12 = by12;
        c.*option = true;
        if (option == &SpanControls::Option_Int || option == &SpanControls::Option_Edit)
            SpanIntOrEditClick(c, p);
        else
            SpanOptionClick(c, p);
    }
    // Intervals of span s: spacing option, count, then OK.
    bool intervals(int s, bool SpanControls::*spacing, int n) {
        c.Option_Blank = c.Option_Equal = c.Option_UnEqual = false;
        c.*spacing = true;
        c.Edit_No = n;
        choose(&SpanControls::Option_Int, s);
        return CloseIntervalPanel(c, p);
    }
    static float Le(int s) { return Work.EffLengthWork[s][0]; }

    ScopedScriptedDialogs dialogs;
    SpanControls c;
    Pictures p;
};

TEST_F(SpanCoreTest, FactorsOfTheRestraintChoices) {
    choose(&SpanControls::Option_Full, 1);
    EXPECT_EQ(c.lbl_Lf, "0.85L");
    EXPECT_EQ(c.lbl_Le, "4.25");
    EXPECT_EQ(Le(1), 4250.0f);
    EXPECT_EQ(p.calls,
              (std::vector<std::string>{"clear", "draw", "highlight", "clear", "draw", "highlight"}));
    EXPECT_TRUE(c.cmd_All_Enabled);

    choose(&SpanControls::Option_Full, 1, true);
    EXPECT_EQ(c.lbl_Lf, "0.85L / 1.2");
    EXPECT_EQ(Le(1), 3541.6665f); // 0.85 / 1.2 x 5000 in singles
    EXPECT_EQ(c.lbl_Le, "3.54");
    EXPECT_EQ(Work.EffLengthTextWork[1], "0.85L / 1.2");

    choose(&SpanControls::Option_Pos, 1, true); // the 1.2 box plays no part here
    EXPECT_EQ(c.lbl_Lf, "1.2L + 2D");
    EXPECT_NEAR(Le(1), 1.2 * 5000 + 2 * 127, 0.001);
    EXPECT_EQ(SpanVars.SpanFactorWork[1].a, 254.0f);

    choose(&SpanControls::Option_Dead, 1);
    EXPECT_EQ(Le(1), 7253.9995f); // (254 / 5000 + 1.4) x 5000, each step a single
    EXPECT_EQ(c.lbl_Le, "7.25");

    choose(&SpanControls::Option_Restrained, 1);
    EXPECT_EQ(c.lbl_Lf, "Restrained");
    EXPECT_EQ(c.lbl_Le, " ");
    EXPECT_EQ(Le(1), 0.0f);
    EXPECT_EQ(Work.EffLengthTextWork[1], "");
    EXPECT_EQ(Work.SpanOptRestrainedWork[1], 1);
    EXPECT_EQ(Work.SpanOptDeadWork[1], 0);
    EXPECT_EQ(Model.EffLengthMemberLength[1], 5000.0f);

    // Partial and Not with and without the 1.2 box, on span 2.
    const std::tuple<bool SpanControls::*, bool, const char*, float> more[] = {
        {&SpanControls::Option_Partial, false, "1.05L", 4200},
        {&SpanControls::Option_Partial, true, "1.05L / 1.2", 3500},
        {&SpanControls::Option_Not, false, "1.2L", 4800},
        {&SpanControls::Option_Not, true, "1.2L / 1.2", 4000},
    };
    for (auto [option, by12, text, expected] : more) {
        choose(option, 2, by12);
        EXPECT_EQ(c.lbl_Lf, text);
        EXPECT_NEAR(Le(2), expected, 0.001) << text;
    }
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(SpanCoreTest, UserValueAskedWithThePreviousLengthKeptOnCancelOrNegative) {
    choose(&SpanControls::Option_Full, 1);
    dialogs->inputAnswers = {std::string("3.2")};
    choose(&SpanControls::Option_Edit, 1);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].caption, "Span Effective Length");
    EXPECT_EQ(dialogs->shown[0].text, "Specify effective length m");
    EXPECT_EQ(Le(1), 3200.0f);
    EXPECT_EQ(c.lbl_Lf, "User value");
    EXPECT_EQ(c.lbl_Le, "3.20");
    EXPECT_TRUE(c.cmdEdit_Enabled);
    EXPECT_FALSE(c.cmd_All_Enabled);

    dialogs->inputAnswers = {std::nullopt}; // Cancel: the default text "3.20"
    SpanResetClick(c, p);
    EXPECT_EQ(Le(1), 3200.0f);
    dialogs->inputAnswers = {std::string("-2")};
    SpanResetClick(c, p);
    EXPECT_EQ(Le(1), 3200.0f);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{spanmsg::kNegative});
    dialogs->inputAnswers = {std::string("1e39")}; // no single
    SpanResetClick(c, p);
    EXPECT_EQ(Le(1), 3200.0f);
    dialogs->inputAnswers = {std::string("none")};
    SpanResetClick(c, p);
    EXPECT_EQ(Le(1), 0.0f);
    EXPECT_EQ(Work.EffLengthTextWork[1], "User value");
}

TEST_F(SpanCoreTest, EqualAndHalfEndIntervalsStoredInTwoHundredths) {
    c.Option_Blank = c.Option_UnEqual = false;
    c.Option_Equal = true;
    c.Edit_No = 2;
    choose(&SpanControls::Option_Int, 1);
    EXPECT_FALSE(c.Frame_Span_Visible);
    EXPECT_TRUE(c.Frame_Int_Visible);
    EXPECT_FALSE(c.cmd_Cancel_Visible);
    EXPECT_TRUE(c.cmd_Part_Enabled);
    EXPECT_EQ(c.Grid_Int.ColCount, 3);
    EXPECT_EQ(c.Grid_Int.Cell(0, 0), " Distance to :-");
    EXPECT_EQ(c.Grid_Int.Cell(0, 1), " (m)");
    EXPECT_EQ(c.Grid_Int.Cell(2, 0), " Sup. 2");
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(c.Grid_Int.Cell(i, 1), "1.67") << i; // the third lies beyond the columns shown
    EXPECT_EQ(c.lbl_Lf, "2 support(s)");
    EXPECT_EQ(c.lbl_Le, "varies");
    EXPECT_EQ(c.lbl_Span, "Span 1");

    p.calls.clear();
    ASSERT_TRUE(CloseIntervalPanel(c, p));
    EXPECT_EQ(p.calls, (std::vector<std::string>{"clear", "draw", "highlight"}));
    EXPECT_TRUE(c.Frame_Span_Visible);
    EXPECT_FALSE(c.Frame_Int_Visible);
    const TEffLengthRec& e = Work.EffLengthWork[1];
    EXPECT_EQ((std::array{e[1], e[2], e[kIntervalCountField]}), (std::array{1670.0f, 1670.0f, 2.0f}));
    EXPECT_EQ(Work.RestraintPosWork[1][1], 67); // 200 x 1670 / 5000 = 66.8
    EXPECT_EQ(Work.RestraintPosWork[1][2], 67);
    EXPECT_EQ(SpanVars.IntervalRemainder, 1660.0f);

    // Ends half a space, three restraints: w = 5000 / 6.
    c.Option_Equal = false;
    c.Option_UnEqual = true;
    c.Edit_No = 3;
    SpanResetClick(c, p);
    EXPECT_EQ(c.Grid_Int.ColCount, 4);
    EXPECT_EQ((std::array{c.Grid_Int.Cell(1, 1), c.Grid_Int.Cell(2, 1), c.Grid_Int.Cell(3, 1),
                          c.Grid_Int.Cell(4, 1)}),
              (std::array<std::string, 4>{"0.833", "1.67", "1.67", "0.833"}));
    ASSERT_TRUE(CloseIntervalPanel(c, p));
    EXPECT_EQ(
        (std::array{Work.RestraintPosWork[1][1], Work.RestraintPosWork[1][2], Work.RestraintPosWork[1][3]}),
        (std::array{33, 67, 67}));
    EXPECT_NEAR(SpanVars.IntervalRemainder, 827, 0.001);

    // A space of exactly 12.5 two-hundredths goes to the even slot.
    c.Grid_Int.SetCell(1, 1, "0.3125");
    IntervalGridKeyUp(c, p);
    EXPECT_EQ(Work.RestraintPosWork[1][1], 12);

    // Blank: empty spaces, the whole span left.
    c.Option_UnEqual = false;
    c.Option_Blank = true;
    SpacingOptionClick(c, p);
    EXPECT_EQ(c.Grid_Int.Cell(2, 1), " ");
    EXPECT_EQ(SpanVars.IntervalRemainder, 5000.0f);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(SpanCoreTest, IntervalSketchOfTwoEqualSpaces) {
    c.Option_UnEqual = false;
    c.Option_Equal = true;
    c.Edit_No = 2;
    choose(&SpanControls::Option_Int, 1);
    const RecordingCanvas& k = p.canvas;
    ASSERT_FALSE(k.items.empty());
    EXPECT_EQ(k.items[0].op, RecordingCanvas::Op::Fill);
    EXPECT_EQ(k.items[0].color, colors::Gray);
    EXPECT_EQ((std::array{k.items[0].x2, k.items[0].y2}), (std::array{800, 200}));
    // Baseline y = 89 div 2 + 8 = 52; scale 637 / 5000 px per mm; a space of 1670 mm is 213 px.
    std::vector<std::array<int, 5>> lines;
    for (const auto& l : k.lines())
        lines.push_back({l.x1, l.y1, l.x2, l.y2, l.width});
    const std::vector<std::array<int, 5>> expected = {
        {25, 52, 712, 52, 4},  {50, 92, 50, 45, 3},   {687, 92, 687, 45, 3},
        {263, 72, 263, 32, 2}, {476, 72, 476, 32, 2},
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(k.lines()[3].color, colors::Red);
    std::vector<std::tuple<int, int, std::string>> texts;
    for (const auto& t : k.texts()) {
        texts.emplace_back(t.x1, t.y1, t.text);
        EXPECT_EQ(t.color, colors::Yellow);
    }
    EXPECT_EQ(texts, (std::vector<std::tuple<int, int, std::string>>{
                         {144, 32, "1.67"}, {357, 32, "1.67"}, {570, 32, "1.66"}}));
    EXPECT_TRUE(c.lbl_SpanL_Visible);
    EXPECT_EQ(c.lbl_SpanL, "Span Length = 5.00 m");

    // Huge spaces are drawn at the edge of the range, never as an error.
    c.Grid_Int.SetCell(1, 1, "1e300");
    IntervalGridKeyUp(c, p);
    EXPECT_EQ(Work.RestraintPosWork[1][1], 1000000000);
    EXPECT_FALSE(CloseIntervalPanel(c, p));
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{spanmsg::kSumExceeds});
    EXPECT_TRUE(c.Frame_Int_Visible);
}

TEST_F(SpanCoreTest, CountsOutsideTheirSpinnersAreHeld) {
    c.Option_UnEqual = false;
    c.Option_Equal = true;
    c.Edit_No = 0;
    choose(&SpanControls::Option_Int, 1);
    EXPECT_EQ(c.Edit_No, 1);
    EXPECT_EQ(c.Grid_Int.Cell(1, 1), "2.50");
    c.Edit_No = 11;
    IntervalCountClick(c, p);
    EXPECT_EQ(c.Edit_No, 5);
    EXPECT_EQ(c.Grid_Int.ColCount, 6);
    EXPECT_EQ(c.Grid_Int.Cell(6, 1), "0.833");

    c.Edit_Span = 0;
    SpanSpinnerClick(c, p);
    EXPECT_EQ(SpanVars.CurrentSpan, 1);
    c.Edit_Span = 7;
    SpanSpinnerClick(c, p);
    EXPECT_EQ(SpanVars.CurrentSpan, 2);
    EXPECT_EQ(c.Edit_Span, 2);
    EXPECT_EQ(c.lbl_L, "4.00");
}

TEST_F(SpanCoreTest, NegativeSpacesRefusedByOkAndNext) {
    c.Option_UnEqual = false;
    c.Option_Equal = true;
    c.Edit_No = 2;
    choose(&SpanControls::Option_Int, 1);
    c.Grid_Int.SetCell(2, 1, "-1");
    IntervalGridKeyUp(c, p);
    EXPECT_FALSE(CloseIntervalPanel(c, p));
    EXPECT_TRUE(c.Frame_Int_Visible);
    choose(&SpanControls::Option_Full, 2);
    EXPECT_EQ(SpanNext(c), SpanRoute::Stay);
    EXPECT_EQ(dialogs->messages(), (std::vector<std::string>{spanmsg::kNegative, spanmsg::kNegative}));
    EXPECT_EQ(Model.SpanOptInt[1], 0); // nothing committed

    // Spaces longer together than the span, stored by typing, refused by Next.
    c.Edit_Span = 1;
    c.Grid_Int.SetCell(1, 1, "3");
    c.Grid_Int.SetCell(2, 1, "2.5");
    IntervalGridKeyUp(c, p);
    dialogs->clear();
    EXPECT_EQ(SpanNext(c), SpanRoute::Stay);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{spanmsg::kSumExceeds});
    EXPECT_EQ(Model.EffLength[1][1], 0.0f);
}

TEST_F(SpanCoreTest, ApplyToAllTakesTheFactorFromTheChoiceAndTheSection) {
    choose(&SpanControls::Option_Pos, 1);
    choose(&SpanControls::Option_Full, 2);
    Work.SpanOptIntWork[2] = 1; // span 2 was set at intervals before
    c.Edit_Span = 1;
    SpanSpinnerClick(c, p);
    ApplyToAllSpans(c);
    EXPECT_EQ(Le(2), 5054.0005f); // (254 / 4000 + 1.2) x 4000 in singles
    EXPECT_EQ(Work.EffLengthTextWork[2], "1.2L + 2D");
    EXPECT_EQ(Work.SpanOptPosWork[2], 1);
    EXPECT_EQ(Work.SpanOptFullWork[2], 0);
    EXPECT_EQ(Model.EffLengthMemberLength[2], 4000.0f);
    // Span 2 keeps its Int flag as well: two choices, which Next reports.
    EXPECT_EQ(SpanNext(c), SpanRoute::Stay);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{std::string(spanmsg::kNotSelected) + "2"});

    // Just after Open: nothing calculated since start-up, the committed choice restored.
    const SharedModel committed = Model;
    BeamBuilder().Spans({5000, 4000}).Commit();
    SetDefaultUnits(Model);
    Model = committed;
    Work = WorkingCopies{};
    SpanVars = SpanState{};
    Model.SpanOptInt[2] = 0;
    SpanRestoreFromCommitted();
    SpanControls fresh;
    SpanFormShow(fresh, p);
    ApplyToAllSpans(fresh);
    EXPECT_EQ(Le(2), 5054.0005f);
    EXPECT_EQ(Le(1), Model.EffLength[1][0]);

    // A span with none of the seven choices has nothing to apply.
    Work.SpanOptPosWork[1] = 0;
    Work.EffLengthWork[2][0] = 1;
    ApplyToAllSpans(fresh);
    EXPECT_EQ(Le(2), 1.0f);
}

TEST_F(SpanCoreTest, NextCommitsThenChecksChoicesAndLengths) {
    choose(&SpanControls::Option_Full, 1);
    EXPECT_EQ(SpanNext(c), SpanRoute::Stay);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{" Effective length not selected for span 2"});
    EXPECT_EQ(Model.SpanOptFull[1], 1); // committed before the check
    EXPECT_EQ(Model.EffLength[1][0], 4250.0f);
    EXPECT_EQ(Model.EffLengthText[1], "0.85L");

    choose(&SpanControls::Option_Not, 2);
    Model.SpanData[1][mfL] = 5500; // span 1 lengthened in the beam form since
    dialogs->clear();
    EXPECT_EQ(SpanNext(c), SpanRoute::Stay);
    EXPECT_EQ(dialogs->messages(),
              std::vector<std::string>{" Span 1 length has been changed\r goto span 1 and "
                                       "re-select option.\r (it may be necessary to de-select "
                                       "it first)"});
    EXPECT_EQ(SpanVars.SpanLengthChanged, 1);
    EXPECT_EQ(Model.SpanOptNot[2], 1);

    Model.SpanData[1][mfL] = 5000;
    dialogs->clear();
    EXPECT_EQ(SpanNext(c), SpanRoute::Analysis);
    EXPECT_TRUE(dialogs->shown.empty());
    Model.SpanData[kRHCantRow][mfExists] = 1.0f;
    EXPECT_EQ(SpanNext(c), SpanRoute::CantRHFrm);
    EXPECT_EQ(SpanBack(), SpanRoute::LoadDataFrm);
    Model.SpanData[kLHCantRow][mfExists] = 1.0f;
    EXPECT_EQ(SpanBack(), SpanRoute::CantLHFrm);

    Model.SpanCount[0] = 0;
    dialogs->clear();
    EXPECT_EQ(SpanNext(c), SpanRoute::Stay);
    EXPECT_EQ(dialogs->messages(), std::vector<std::string>{spanmsg::kNothingChosen});
}

TEST_F(SpanCoreTest, IntervalResolutionFollowsTheCommittedChoiceNotTheShowing) {
    ASSERT_TRUE(intervals(1, &SpanControls::Option_Equal, 2));
    choose(&SpanControls::Option_Full, 2);
    EXPECT_EQ(SpanNext(c), SpanRoute::Analysis);
    EXPECT_EQ(Model.AnySpanIntervals, 1);
    // Shown again and left by Back or Cancel: the committed intervals still need 200 points.
    SpanFormShow(c, p);
    EXPECT_EQ(Model.AnySpanIntervals, 1);
    // A commit without intervals, even one refused later, clears it.
    choose(&SpanControls::Option_Full, 1);
    Model.SpanData[2][mfL] = 4100;
    EXPECT_EQ(SpanNext(c), SpanRoute::Stay);
    EXPECT_EQ(Model.AnySpanIntervals, 0);
}

TEST_F(SpanCoreTest, ShowRestoreAndClear) {
    Model.SpanOptDead[2] = 1;
    Model.EffLength[2][0] = 5854;
    Model.EffLengthText[2] = "1.4L + 2D";
    Model.RestraintPos[2][3] = 9;
    SpanRestoreFromCommitted();
    SpanVars.CurrentSpan = 9;
    SpanFormShow(c, p);
    EXPECT_EQ(p.calls, std::vector<std::string>{"clear"});
    EXPECT_EQ(SpanVars.CurrentSpan, 2);
    EXPECT_EQ(c.Edit_Span, 2);
    EXPECT_EQ(c.UpDown_Span_Max, 2);
    EXPECT_TRUE(c.Option_Dead);
    EXPECT_FALSE(c.Option_Full);
    EXPECT_TRUE(c.cmd_All_Enabled);
    EXPECT_EQ((std::array{c.lbl_L, c.lbl_Lf, c.lbl_Le, c.Label_1_Unit, c.Label_2_Unit}),
              (std::array<std::string, 5>{"4.00", "1.4L + 2D", "5.85", "m", "m"}));
    EXPECT_EQ(Work.RestraintPosWork[2][3], 9);

    c.Grid_Int.SetCell(5, 1, "3");
    Model.EffLengthMemberLength[2] = 4000;
    SpanClear(c, p);
    EXPECT_FALSE(c.Option_Dead);
    EXPECT_TRUE(c.Option_UnEqual);
    EXPECT_FALSE(c.Option_Blank);
    EXPECT_EQ(c.Edit_No, 1);
    EXPECT_EQ(c.Grid_Int.Cell(5, 1), "");
    EXPECT_EQ(c.Grid_Int.Cell(1, 1), "");
    EXPECT_EQ(c.lbl_Le, "");
    EXPECT_EQ(Work.EffLengthWork[2][0], 0.0f);
    EXPECT_EQ(Work.RestraintPosWork[2][3], 0);
    EXPECT_EQ(Work.EffLengthTextWork[2], "");
    EXPECT_EQ(Model.EffLengthMemberLength[2], 0.0f);
    EXPECT_EQ(Work.SpanOptDeadWork[2], 1); // the working flags stay
}

// The committed lengths as the steel check lists them.
TEST_F(SpanCoreTest, AnalysedBeamListsTheEffectiveLengths) {
    choose(&SpanControls::Option_Full, 1);
    choose(&SpanControls::Option_Full, 2);
    ASSERT_EQ(SpanNext(c), SpanRoute::Analysis);
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    auto listed = [](const std::string& line) {
        const auto& t = Txt.SteelCheckLines[1];
        for (int i = 1; i <= 500; ++i)
            if (t[i].str() == line) return true;
        return false;
    };
    EXPECT_TRUE(listed("  Le \"factor\" = 0.85L"));
    EXPECT_TRUE(listed("  Le = 4.25m"));
    EXPECT_TRUE(listed("  Le = 3.40m"));

    // Span 1 at two equal intervals: 1670, 1670 and the remainder 1660 over ry 18.369.
    ASSERT_TRUE(intervals(1, &SpanControls::Option_Equal, 2));
    ASSERT_EQ(SpanNext(c), SpanRoute::Analysis);
    AnalyseBeam(host);
    for (auto [k, ratio] : {std::pair{1, "90.9"}, {2, "90.9"}, {3, "90.4"}}) {
        const std::string head = "  Span 1  Int " + std::to_string(k);
        const auto& t = Txt.SteelCheckLines[1];
        int at = 0;
        for (int i = 1; i < 500 && at == 0; ++i)
            if (t[i].str() == head) at = i;
        ASSERT_GT(at, 0) << head;
        EXPECT_EQ(t[at + 1].str(), std::string("    Le/ry = ") + ratio);
    }
    EXPECT_EQ(Model.StoredSpanIntervals, 200);
}

} // namespace
} // namespace kx::test

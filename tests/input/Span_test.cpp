// Span effective lengths: factors, user values, restraint intervals and their sketch, Apply to
// all, Next with its checks, restore and clear, and the listing of an analysed beam.
#include "input/Span.h"

#include <gtest/gtest.h>

#include "FormTestSupport.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "platform/Errors.h"

namespace kx::test {
namespace {

using Texts = std::vector<std::string>;

// The recording canvas that also keeps the brush each text was drawn with: a solid brush fills
// the text's background.
struct BrushRecordingCanvas : RecordingCanvas {
    BrushStyle brush = BrushStyle::Solid;
    std::vector<BrushStyle> textBrushes;
    void SetBrushStyle(BrushStyle s) override {
        brush = s;
        RecordingCanvas::SetBrushStyle(s);
    }
    void TextOut(int x, int y, const std::string& text) override {
        textBrushes.push_back(brush);
        RecordingCanvas::TextOut(x, y, text);
    }
};

// The span form's interval picture, recorded; the beam sketch is the window's.
struct Pictures : SpanFormPictures {
    BrushRecordingCanvas canvas;
    void ClearSpanSketch() override {}
    void DrawSpanSketch() override {}
    void HighlightCurrentSpan() override {}
    Canvas& IntervalCanvas() override { return canvas; }
    int IntervalWidth() const override { return kIntSpanPictureW; }
    int IntervalHeight() const override { return kIntSpanPictureH; }
};

using Option = bool SpanControls::*;

class SpanCoreTest : public kxtest::InputFormTest {
protected:
    // Spans 5000 + 4000 mm of "127 x 76 UB 13", units m, under 5 N/mm.
    void SetUp() override {
        InputFormTest::SetUp();
        BeamBuilder().Spans({5000, 4000}).Section(205000, 4734400).Udl(1, 0, 5, 9000).Commit();
        SetDefaultUnits(Model);
        UseUB127OnEveryMember();
    }
    // The user picks one of the eight choices of span s (the group clears the others).
    void choose(Option option, int s, bool by12 = false) {
        c.Edit_Span = s;
        SpanSpinnerClick(c, p);
        for (Option o :
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
    // The interval panel of span s opened with a spacing and a count.
    void openIntervals(int s, Option spacing, int n) {
        c.Option_Blank = c.Option_Equal = c.Option_UnEqual = false;
        c.*spacing = true;
        c.Edit_No = n;
        choose(&SpanControls::Option_Int, s);
    }
    void typeSpace(int i, const char* text) {
        c.Grid_Int.SetCell(i, 1, text);
        IntervalGridKeyUp(c, p);
    }
    // The spaces 1..n in the grid, and the restraint slots of span s, each followed by a blank.
    std::string spaces(int n) const {
        std::string out;
        for (int i = 1; i <= n; ++i)
            out += c.Grid_Int.Cell(i, 1) + " ";
        return out;
    }
    static std::string slots(int s, int n) {
        std::string out;
        for (int i = 1; i <= n; ++i)
            out += std::to_string(Work.RestraintPosWork[s][i]) + " ";
        return out;
    }
    static float Le(int s) { return Work.EffLengthWork[s][0]; }

    SpanControls c;
    Pictures p;
};

TEST_F(SpanCoreTest, FactorsOfTheRestraintChoices) {
    // Le = (a / L + k) x L in singles, a = 2D = 254 mm for the + 2D choices.
    const std::tuple<Option, int, bool, const char*, float, const char*> cases[] = {
        {&SpanControls::Option_Full, 1, false, "0.85L", 4250, "4.25"},
        {&SpanControls::Option_Full, 1, true, "0.85L / 1.2", 3541.6665f, "3.54"},
        {&SpanControls::Option_Pos, 1, true, "1.2L + 2D", 6254, "6.25"}, // the 1.2 box plays no part
        {&SpanControls::Option_Dead, 1, false, "1.4L + 2D", 7253.9995f, "7.25"},
        {&SpanControls::Option_Restrained, 1, false, "Restrained", 0, " "},
        {&SpanControls::Option_Partial, 2, false, "1.05L", 4200, "4.20"},
        {&SpanControls::Option_Partial, 2, true, "1.05L / 1.2", 3500, "3.50"},
        {&SpanControls::Option_Not, 2, false, "1.2L", 4800, "4.80"},
        {&SpanControls::Option_Not, 2, true, "1.2L / 1.2", 4000, "4.00"},
    };
    for (auto [option, s, by12, text, expected, shown] : cases) {
        choose(option, s, by12);
        EXPECT_EQ((std::tuple{c.lbl_Lf, c.lbl_Le, Le(s)}), (std::tuple{text, shown, expected}));
    }
    EXPECT_EQ(Work.EffLengthTextWork[1], ""); // restrained: no text
}

TEST_F(SpanCoreTest, UserValueAskedWithThePreviousLengthKeptOnCancelOrNegative) {
    dialogs->inputAnswers = {std::string("3.2")};
    choose(&SpanControls::Option_Edit, 1);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].caption + "|" + dialogs->shown[0].text,
              "Span Effective Length|Specify effective length m");
    EXPECT_EQ((Texts{c.lbl_Lf, c.lbl_Le}), (Texts{"User value", "3.20"}));
    EXPECT_TRUE(Le(1) == 3200.0f && c.cmdEdit_Enabled && !c.cmd_All_Enabled);

    // Cancel (the default "3.20"), a negative, a number no single holds and a non-number (which as
    // 0 would take the span as fully restrained) keep 3200; an empty answer is 0.
    for (auto [answer, expected] : {std::pair<std::optional<std::string>, float>{std::nullopt, 3200},
                                    {"-2", 3200},
                                    {"1e39", 3200},
                                    {"3,5", 3200},
                                    {"", 0}}) {
        dialogs->inputAnswers = {answer};
        SpanResetClick(c, p);
        EXPECT_EQ(Le(1), expected) << answer.value_or("Cancel");
    }
    EXPECT_EQ(Messages(), (Texts{spanmsg::kNegative, "'3,5' is not a valid floating point value"}));
    EXPECT_EQ(Work.EffLengthTextWork[1], "User value");
}

TEST_F(SpanCoreTest, EqualAndHalfEndIntervalsStoredInTwoHundredthsAndSketched) {
    openIntervals(1, &SpanControls::Option_Equal, 2);
    EXPECT_TRUE(c.Frame_Int_Visible && !c.Frame_Span_Visible);
    EXPECT_EQ(c.Grid_Int.ColCount, 3); // the third space lies beyond the columns shown
    EXPECT_EQ(spaces(3), "1.67 1.67 1.67 ");
    EXPECT_EQ(c.lbl_Lf + "|" + c.lbl_Le + "|" + c.lbl_SpanL, "2 support(s)|varies|Span Length = 5.00 m");
    // Baseline y = 89 div 2 + 8 = 52; scale 637 / 5000 px per mm; a space of 1670 mm is 213 px.
    std::vector<std::array<int, 4>> marks;
    for (const auto& l : p.canvas.lines())
        if (l.color == colors::Red) marks.push_back({l.x1, l.y1, l.x2, l.y2});
    EXPECT_EQ(marks, (std::vector<std::array<int, 4>>{{263, 72, 263, 32}, {476, 72, 476, 32}}));
    std::vector<std::tuple<int, int, std::string>> texts;
    for (const auto& t : p.canvas.texts())
        texts.emplace_back(t.x1, t.y1, t.text);
    EXPECT_EQ(texts, (std::vector<std::tuple<int, int, std::string>>{
                         {144, 32, "1.67"}, {357, 32, "1.67"}, {570, 32, "1.66"}}));
    // The lengths are written over the grey picture without a background of their own.
    EXPECT_EQ(p.canvas.textBrushes, std::vector<BrushStyle>(3, BrushStyle::Clear));
    ASSERT_TRUE(CloseIntervalPanel(c, p));
    EXPECT_TRUE(c.Frame_Span_Visible);
    const TEffLengthRec& e = Work.EffLengthWork[1];
    EXPECT_EQ((std::array{e[1], e[2], e[kIntervalCountField]}), (std::array{1670.0f, 1670.0f, 2.0f}));
    EXPECT_EQ(slots(1, 2), "67 67 "); // 200 x 1670 / 5000 = 66.8
    EXPECT_EQ(SpanVars.IntervalRemainder, 1660.0f);

    // Ends half a space, three restraints: w = 5000 / 6.
    openIntervals(1, &SpanControls::Option_UnEqual, 3);
    EXPECT_EQ(spaces(4), "0.833 1.67 1.67 0.833 ");
    ASSERT_TRUE(CloseIntervalPanel(c, p));
    EXPECT_EQ(slots(1, 3), "33 67 67 ");
    EXPECT_NEAR(SpanVars.IntervalRemainder, 827, 0.001);

    // A space of exactly 12.5 two-hundredths goes to the even slot.
    typeSpace(1, "0.3125");
    EXPECT_EQ(Work.RestraintPosWork[1][1], 12);
    EXPECT_TRUE(dialogs->shown.empty());

    // Counts typed outside their spinners are held to 1..5 and 1..SpanCount.
    openIntervals(1, &SpanControls::Option_Equal, 0);
    EXPECT_EQ((std::pair{c.Edit_No, c.Grid_Int.Cell(1, 1)}), (std::pair{1, std::string("2.50")}));
    c.Edit_No = 11;
    IntervalCountClick(c, p);
    EXPECT_EQ((std::pair{c.Edit_No, c.Grid_Int.Cell(6, 1)}), (std::pair{5, std::string("0.833")}));
    for (auto [typed, held] : {std::pair{0, 1}, {7, 2}}) {
        c.Edit_Span = typed;
        SpanSpinnerClick(c, p);
        EXPECT_EQ(SpanVars.CurrentSpan, held);
    }
    EXPECT_EQ(c.lbl_L, "4.00");
}

TEST_F(SpanCoreTest, HugeNegativeOrTooLongSpacesRefusedByOkAndNext) {
    // A huge space is drawn at the edge of the range, never as an error; OK refuses it.
    openIntervals(1, &SpanControls::Option_Equal, 2);
    typeSpace(1, "1e300");
    EXPECT_EQ(Work.RestraintPosWork[1][1], 1000000000);
    EXPECT_FALSE(CloseIntervalPanel(c, p));
    EXPECT_EQ(Messages(), Texts{spanmsg::kSumExceeds});
    EXPECT_TRUE(c.Frame_Int_Visible);

    typeSpace(1, "1");
    typeSpace(2, "-1");
    dialogs->clear();
    EXPECT_FALSE(CloseIntervalPanel(c, p));
    choose(&SpanControls::Option_Full, 2);
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Stay);
    EXPECT_EQ(Messages(), (Texts{spanmsg::kNegative, spanmsg::kNegative}));
    EXPECT_EQ(Model.SpanOptInt[1], 0); // nothing committed

    // Spaces longer together than the span, stored by typing, refused by Next.
    c.Edit_Span = 1;
    typeSpace(1, "3");
    typeSpace(2, "2.5");
    dialogs->clear();
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Stay);
    EXPECT_EQ(Messages(), Texts{spanmsg::kSumExceeds});
    EXPECT_EQ(Model.EffLength[1][1], 0.0f);

    // A millimetre over the 5 m span is refused by OK; spaces summing to exactly the span pass.
    for (auto [second, passes] : {std::pair{"2.001", false}, {"2", true}}) {
        typeSpace(2, second);
        dialogs->clear();
        EXPECT_EQ(CloseIntervalPanel(c, p), passes) << second;
        EXPECT_EQ(Messages(), passes ? Texts{} : Texts{spanmsg::kSumExceeds}) << second;
    }
    EXPECT_EQ(SpanVars.IntervalRemainder, 0.0f);

    // Nothing, or half a millimetre, is no negative space: the rest of the span, 4999.5 mm, follows.
    typeSpace(1, "0");
    typeSpace(2, "0.0005");
    dialogs->clear();
    EXPECT_TRUE(CloseIntervalPanel(c, p));
    EXPECT_EQ(Messages(), Texts{});
    EXPECT_FLOAT_EQ(SpanVars.IntervalRemainder, 4999.5f);
}

TEST_F(SpanCoreTest, ApplyToAllTakesTheFactorFromTheChoiceAndTheSection) {
    choose(&SpanControls::Option_Pos, 1);
    choose(&SpanControls::Option_Full, 2);
    c.Edit_Span = 1;
    ApplyToAllSpans(c);
    EXPECT_EQ(Le(2), 5054.0005f); // (254 / 4000 + 1.2) x 4000 in singles
    EXPECT_EQ(Work.EffLengthTextWork[2], "1.2L + 2D");
    EXPECT_EQ((std::array{Work.SpanOptPosWork[2], Work.SpanOptFullWork[2]}), (std::array{1, 0}));

    // Just after Open: nothing calculated since start-up, the committed choice restored.
    ASSERT_EQ(SpanNext(c, p), SpanRoute::Analysis);
    const SharedModel committed = Model;
    ResetProgramState();
    Model = committed;
    SpanRestoreFromCommitted();
    SpanControls fresh;
    SpanFormShow(fresh, p);
    ApplyToAllSpans(fresh);
    EXPECT_EQ(Le(2), 5054.0005f);

    // A span with none of the seven choices has nothing to apply.
    Work.SpanOptPosWork[1] = 0;
    Work.EffLengthWork[2][0] = 1;
    ApplyToAllSpans(fresh);
    EXPECT_EQ(Le(2), 1.0f);
}

TEST_F(SpanCoreTest, NextChecksChoicesAndLengthsThenCommits) {
    choose(&SpanControls::Option_Full, 1);
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Stay);
    EXPECT_EQ(Messages(), Texts{" Effective length not selected for span 2"});
    // Refused: nothing committed, the working copy keeps 0.85 x 5000.
    EXPECT_EQ((std::tuple{Model.SpanOptFull[1], Model.EffLength[1][0], Model.EffLengthText[1].str()}),
              (std::tuple{0, 0.0f, std::string("")}));
    EXPECT_EQ(
        (std::tuple{Work.SpanOptFullWork[1], Work.EffLengthWork[1][0], Work.EffLengthTextWork[1].str()}),
        (std::tuple{1, 4250.0f, std::string("0.85L")}));

    choose(&SpanControls::Option_Not, 2);
    Model.SpanData[1][mfL] = 5500; // span 1 lengthened in the beam form since
    dialogs->clear();
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Stay);
    EXPECT_EQ(Messages(), Texts{" Span 1 length has been changed\r goto span 1 and re-select option.\r"
                                " (it may be necessary to de-select it first)"});
    EXPECT_EQ(Model.SpanOptNot[2], 0);

    Model.SpanData[1][mfL] = 5000;
    Model.SpanData[kRHCantRow][mfExists] = 1.0f;
    EXPECT_EQ(SpanNext(c, p), SpanRoute::CantRHFrm);
    EXPECT_EQ((std::tuple{Model.SpanOptFull[1], Model.EffLength[1][0], Model.SpanOptNot[2]}),
              (std::tuple{1, 4250.0f, 1}));

    Model.SpanCount[0] = 0;
    dialogs->clear();
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Stay);
    EXPECT_EQ(Messages(), Texts{spanmsg::kNothingChosen});
}

TEST_F(SpanCoreTest, ShowRestoreAndClear) {
    Model.SpanOptDead[2] = 1;
    Model.EffLength[2][0] = 5854;
    Model.EffLengthText[2] = "1.4L + 2D";
    Model.RestraintPos[2][3] = 9;
    SpanRestoreFromCommitted();
    SpanVars.CurrentSpan = 9;
    SpanFormShow(c, p);
    EXPECT_EQ((std::array{c.Edit_Span, c.Edit_Span_Max}), (std::array{2, 2}));
    EXPECT_TRUE(c.Option_Dead && !c.Option_Full && c.cmd_All_Enabled);
    EXPECT_EQ(c.lbl_L + "|" + c.lbl_Lf + "|" + c.lbl_Le + "|" + c.Label_2_Unit, "4.00|1.4L + 2D|5.85|m");
    EXPECT_EQ(Work.RestraintPosWork[2][3], 9);

    c.Grid_Int.SetCell(5, 1, "3");
    c.Option_Blank = true, c.Option_UnEqual = false; // the job that was chose blank spaces
    SpanClear(c, p);
    EXPECT_TRUE(!c.Option_Dead && c.Option_UnEqual && c.Edit_No == 1);
    EXPECT_EQ((std::array{c.Option_Blank, c.Option_Equal, c.Option_UnEqual}),
              (std::array{false, false, true}));
    EXPECT_EQ(c.Grid_Int.Cell(5, 1) + c.lbl_Le + Work.EffLengthTextWork[2].str(), "");
    EXPECT_TRUE(Work.EffLengthWork[2][0] == 0 && Work.EffLengthMemberLengthWork[2] == 0);
    EXPECT_EQ(Work.RestraintPosWork[2][3], 0);
    // Unequal spaces are offered next: two supports on the 4.00 m span 2 give L/4 = 1.00 at the
    // ends and 2 x 1.00 = 2.00 between them.
    c.Edit_No = 2;
    IntervalCountClick(c, p);
    EXPECT_EQ(spaces(3), "1.00 2.00 1.00 ");
}

// Clear (File New) after spans were chosen shows the form, when it shows again, as it shows after
// Clear on a form never used; the closed interval panel keeps its headings until it opens again.
TEST_F(SpanCoreTest, ClearAfterAUsedFormShowsItAsAFormNeverUsed) {
    SpanControls unused;
    SpanClear(unused, p);
    SpanFormShow(unused, p);
    choose(&SpanControls::Option_Dead, 2, true);
    openIntervals(1, &SpanControls::Option_Equal, 3);
    ASSERT_TRUE(CloseIntervalPanel(c, p));
    SpanClear(c, p);
    SpanFormShow(c, p);
    c.lbl_Span = unused.lbl_Span;
    c.Grid_Int.Show(0, 1, unused.Grid_Int.Shown(0, 1));
    for (int col = 0; col < 7; ++col)
        c.Grid_Int.Show(col, 0, unused.Grid_Int.Shown(col, 0));
    c.Grid_Int.ColCount = unused.Grid_Int.ColCount;
    EXPECT_TRUE(c == unused);
}

// The committed lengths as the steel check lists them.
TEST_F(SpanCoreTest, AnalysedBeamListsTheEffectiveLengthsAtTheirResolution) {
    choose(&SpanControls::Option_Full, 1);
    choose(&SpanControls::Option_Full, 2);
    ASSERT_EQ(SpanNext(c, p), SpanRoute::Analysis);
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_GT(SteelCheckLine("  Le \"factor\" = 0.85L"), 0);
    EXPECT_GT(SteelCheckLine("  Le = 4.25m"), 0);

    // Span 1 at two equal intervals: 1670, 1670 and the remainder 1660 over ry 18.369.
    openIntervals(1, &SpanControls::Option_Equal, 2);
    ASSERT_TRUE(CloseIntervalPanel(c, p));
    ASSERT_EQ(SpanNext(c, p), SpanRoute::Analysis);
    AnalyseBeam(host);
    for (auto [k, ratio] : {std::pair{1, "90.9"}, {2, "90.9"}, {3, "90.4"}}) {
        const int at = SteelCheckLine("  Span 1  Int " + std::to_string(k));
        ASSERT_GT(at, 0) << k;
        EXPECT_EQ(Txt.SteelCheckLines[1][at + 1].str(), std::string("    Le/ry = ") + ratio);
    }
    EXPECT_EQ(Model.StoredSpanIntervals, 200);

    // Shown again and left by Back or Cancel: the committed intervals still need 200 points, and
    // so they do after a refused commit without them; a commit without them clears the need.
    SpanFormShow(c, p);
    EXPECT_EQ(Model.AnySpanIntervals, 1);
    choose(&SpanControls::Option_Full, 1);
    Model.SpanData[2][mfL] = 4100;
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Stay);
    EXPECT_EQ(Model.AnySpanIntervals, 1);
    Model.SpanData[2][mfL] = 4000;
    EXPECT_EQ(SpanNext(c, p), SpanRoute::Analysis);
    EXPECT_EQ(Model.AnySpanIntervals, 0);
}

// The form as it is made: restraint at intervals chosen first offers one support with two half
// spaces (the spacing "unequal", the count 1): 5 m in 2.50 + 2.50.
TEST_F(SpanCoreTest, IntervalsChosenFirstOfferOneSupportAtMidSpan) {
    choose(&SpanControls::Option_Int, 1);
    EXPECT_EQ(c.Edit_No, 1);
    EXPECT_EQ(c.Grid_Int.ColCount, 2);
    EXPECT_EQ(spaces(2), "2.50 2.50 ");
    EXPECT_EQ(c.Grid_Int.Cell(1, 0) + "|" + c.lbl_Lf + "|" + c.lbl_Le, " Sup. 1|1 support(s)|varies");
    ASSERT_TRUE(CloseIntervalPanel(c, p));
    EXPECT_EQ((std::array{Work.EffLengthWork[1][1], Work.EffLengthWork[1][kIntervalCountField]}),
              (std::array{2500.0f, 1.0f}));
    EXPECT_EQ(slots(1, 1), "100 "); // 200 x 2500 / 5000
}

// A span of no length has no interval sketch: the picture is left as it was. A span of 1 mm is
// drawn, its one support at half of it: 50 + 0.5 x 637 / 1 = 368.5, to the even 368; its length
// label is not shown (only spans over 1 mm show it).
TEST_F(SpanCoreTest, IntervalSketchOfASpanOfNoLengthDrawsNothingAndOfOneMillimetreIsDrawn) {
    for (auto [L, marks] : {std::pair{0.0f, std::vector<int>{}}, {1.0f, std::vector<int>{368}}}) {
        SCOPED_TRACE(L);
        Model.SpanData[2][mfL] = L;
        c = SpanControls{};
        c.Edit_Span = 2;
        c.Grid_Int.SetCell(1, 1, "0.0005");
        p.canvas.items.clear();
        DrawIntervalSketch(c, p);
        std::vector<int> red;
        for (const auto& l : p.canvas.lines())
            if (l.color == colors::Red) red.push_back(l.x1);
        EXPECT_EQ(red, marks);
        EXPECT_EQ(p.canvas.items.empty(), L == 0);
        EXPECT_FALSE(c.lbl_SpanL_Visible);
    }
}

// The interval panel open on span 2 (4.00 m) shows its length over the picture; a count or a
// space typed once the span has no length greys the picture and hides the length.
TEST_F(SpanCoreTest, IntervalsTypedOnASpanOfNoLengthHideItsLength) {
    for (bool byCount : {true, false}) {
        SCOPED_TRACE(byCount);
        Model.SpanData[2][mfL] = 4000;
        c = SpanControls{};
        openIntervals(2, &SpanControls::Option_Equal, 2);
        ASSERT_TRUE(c.lbl_SpanL_Visible);
        EXPECT_EQ(c.lbl_SpanL, "Span Length = 4.00 m");
        Model.SpanData[2][mfL] = 0;
        p.canvas.items.clear();
        if (byCount) {
            c.Edit_No = 3;
            IntervalCountClick(c, p);
        } else {
            typeSpace(1, "1");
        }
        EXPECT_FALSE(c.lbl_SpanL_Visible);
        EXPECT_FALSE(p.canvas.items.empty()); // the grey fill
    }
}

// Intervals that come with an opened job, the panel never shown, are checked by Next from the
// first space on: a negative first space, or a first space that makes them longer together than
// the 5 m span, is refused; 3 + 2 = 5 m is taken.
TEST_F(SpanCoreTest, NextChecksEveryIntervalOfAJobOpenedWithThem) {
    Model.SpanOptFull[2] = 1;
    Model.EffLength[2][0] = 3400; // 0.85 x 4000
    Model.EffLengthText[2] = "0.85L";
    Model.EffLengthMemberLength[2] = 4000;
    Model.SpanOptInt[1] = 1;
    Model.EffLengthMemberLength[1] = 5000;
    Model.EffLength[1][kIntervalCountField] = 2;
    const std::tuple<float, float, Texts, SpanRoute> cases[] = {
        {-1000, 2000, Texts{spanmsg::kNegative}, SpanRoute::Stay},
        {4000, 1500, Texts{spanmsg::kSumExceeds}, SpanRoute::Stay},
        {3000, 2000, Texts{}, SpanRoute::Analysis},
    };
    for (const auto& [first, second, messages, route] : cases) {
        SCOPED_TRACE(first);
        Model.EffLength[1][1] = first;
        Model.EffLength[1][2] = second;
        SpanRestoreFromCommitted();
        c = SpanControls{};
        SpanFormShow(c, p);
        ASSERT_FALSE(c.Frame_Int_Visible);
        dialogs->clear();
        EXPECT_EQ(SpanNext(c, p), route);
        EXPECT_EQ(Messages(), messages);
    }
}

// Every stroke of the interval sketch with its pen, drawn twice, each time on a canvas whose pen
// the last sketch (the one of the panel's opening) left red and thin. Span 1 of 5000 mm, two equal spaces:
// width 737, baseline y = 89 div 2 + 8 = 52, scale 637 / 5000, a space of 1670 mm is 213 px.
TEST_F(SpanCoreTest, IntervalSketchStrokesHaveTheirOwnPens) {
    openIntervals(1, &SpanControls::Option_Equal, 2);
    const std::vector<std::string> expected = {
        "25,52 712,52 255.255.255 w4", // the beam, 25 px in from each edge
        "50,92 50,45 255.255.255 w3",  // the supports, 50 px in, from y + 40 up to y - 7
        "687,92 687,45 255.255.255 w3",
        "263,72 263,32 255.0.0 w2", // the restraints at 50 + 213 and 50 + 426, y +- 20
        "476,72 476,32 255.0.0 w2",
    };
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        p.canvas.items.clear();
        DrawIntervalSketch(c, p);
        // The last drawing goes first: grey over the whole 737 x 89 picture, from its first column.
        ASSERT_FALSE(p.canvas.items.empty());
        EXPECT_EQ(kxtest::Describe(p.canvas.items.front()), "fill (0,0,800,200) grey");
        std::vector<std::string> strokes;
        for (const auto& l : p.canvas.lines())
            strokes.push_back(std::to_string(l.x1) + "," + std::to_string(l.y1) + " " + std::to_string(l.x2) +
                              "," + std::to_string(l.y2) + " " + std::to_string(l.color.r) + "." +
                              std::to_string(l.color.g) + "." + std::to_string(l.color.b) + " w" +
                              std::to_string(l.width));
        EXPECT_EQ(strokes, expected);
    }
}

// The interval grid holds the caption column and six spaces; a cell outside it is refused, not
// written past the grid, and reads as empty.
TEST(IntervalGrid, CellsOutsideTheSevenColumnsAndTwoRowsAreRefused) {
    IntervalGridTexts g;
    for (auto [col, row] : {std::pair{-1, 1}, {7, 1}, {7, 0}, {0, -1}, {6, 2}}) {
        SCOPED_TRACE(std::to_string(col) + "," + std::to_string(row));
        EXPECT_THROW(g.SetCell(col, row, "1"), RangeError);
        EXPECT_THROW(g.Show(col, row, ShownText("1")), RangeError);
        EXPECT_EQ(g.Cell(col, row), "");
    }
    EXPECT_EQ(g, IntervalGridTexts{});
    g.Show(6, 1, ShownText("2.5"));
    g.SetCell(0, 0, " Distance to :-");
    EXPECT_EQ(g.Cell(6, 1) + "|" + g.Cell(0, 0), "2.5| Distance to :-");
}

TEST_F(SpanCoreTest, SpacesBeyondADoubleBothWaysDrawTheRestAsOverflowNotAnError) {
    // 1e306 m and -1e306 m are beyond a double in mm: +inf and -inf, whose sum, and so the rest of
    // the 5 m span, is not a number. The sketch still draws: the first label at the drawing limit
    // of 1e6 px, the second back to 50 - 12 = 38 px, and the rest there too, shown as overflow.
    openIntervals(1, &SpanControls::Option_Equal, 2);
    typeSpace(1, "1e306");
    p.canvas.items.clear();
    EXPECT_NO_THROW(typeSpace(2, "-1e306"));
    EXPECT_TRUE(std::isnan(SpanVars.IntervalRemainder));
    std::vector<std::tuple<int, int, std::string>> texts;
    for (const auto& t : p.canvas.texts())
        texts.emplace_back(t.x1, t.y1, t.text);
    const std::vector<std::tuple<int, int, std::string>> expected = {
        {1000000, 32, "#####"}, {38, 32, "#####"}, {38, 32, "#####"}};
    ASSERT_GE(texts.size(), expected.size());
    EXPECT_EQ(std::vector(texts.end() - 3, texts.end()), expected);
}

} // namespace
} // namespace kx::test

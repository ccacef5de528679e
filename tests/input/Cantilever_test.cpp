// Cantilever effective lengths of both forms: the factor table, restrained and user values, Next
// with its checks, restore, clear and the pictures' choices.
#include "input/Cantilever.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "FormTestSupport.h"

namespace kx {
namespace {

using Texts = std::vector<std::string>;

// A LH cantilever of 1.5 m and a RH one of 1.234 m.
class CantileverTest : public kxtest::InputFormTest {
protected:
    void SetUp() override {
        InputFormTest::SetUp();
        for (auto [row, length] : {std::pair{kLHCantRow, 1500.0f}, {kRHCantRow, 1234.0f}}) {
            Model.SpanData[row][mfExists] = 1;
            Model.SpanData[row][mfL] = length;
        }
    }
    // The user clicks options: each clears the others of its group, then its handler runs.
    static void click(const CantSide& side, CantControls& c, std::initializer_list<int> fields) {
        for (int field : fields) {
            for (int f = 0; f <= coEdit; ++f)
                if (CantOptionGroup(f) == CantOptionGroup(field)) c.Option[f] = false;
            c.Option[field] = true;
            CantOptionClick(side, c, field);
        }
    }
    static Texts Labels(const CantControls& c) { return {c.lbl_Lf, c.lbl_Le}; }

    CantControls left, right;
    const CantSide& L = LHCantSide();
    const CantSide& R = RHCantSide();
};

TEST_F(CantileverTest, FactorTableGivesTheTwelveFactors) {
    // Support rows Lateral, Partial, Both; end columns Free, Top, Torsion, Both.
    const float normal[3][4] = {{3.0f, 2.7f, 2.4f, 2.1f}, {2.0f, 1.8f, 1.6f, 1.4f}, {1.0f, 0.9f, 0.8f, 0.7f}};
    const float destab[3][4] = {{7.5f, 7.5f, 4.5f, 3.6f}, {5.0f, 5.0f, 3.0f, 2.4f}, {2.5f, 2.5f, 1.5f, 1.2f}};
    const int supports[] = {coSupportLateral, coSupportPartial, coSupportBoth};
    const int ends[] = {coEndFree, coEndTop, coEndTorsion, coEndBoth};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) {
            EXPECT_EQ(CantileverFactor(supports[i], ends[j], false), normal[i][j]) << i << j;
            EXPECT_EQ(CantileverFactor(supports[i], ends[j], true), destab[i][j]) << i << j;
        }
    // An end where the support belongs, or no option at all, has no factor.
    EXPECT_EQ(CantileverFactor(coEndFree, coEndFree, false), 0.0f);
    EXPECT_EQ(CantileverFactor(coSupportBoth, -1, true), 0.0f);
}

TEST_F(CantileverTest, LeftChoicesRestrainedAndUserValue) {
    click(L, left, {coSupportPartial, coEndTorsion});
    EXPECT_EQ(Labels(left), (Texts{"", ""})); // no factor until the loading is chosen too
    click(L, left, {coDestabilizing});
    EXPECT_EQ(Labels(left), (Texts{"3.00 L", "4.50"}));
    EXPECT_EQ(Work.EffLengthWork[0][0], 4500.0f);
    click(L, left, {coSupportBoth, coEndFree, coNormal});
    EXPECT_EQ(Labels(left), (Texts{"1.00 L", "1.50"}));

    // Cancel gives the default offered ("1.50"); a negative and a non-number are refused: 1500 stays.
    dialogs->inputAnswers = {std::nullopt, std::string("-1"), std::string("2 m"), std::string("2.5"),
                             std::nullopt};
    click(L, left, {coEdit});
    CantOptionClick(L, left, coEdit); // "Reset effective length"
    CantOptionClick(L, left, coEdit);
    EXPECT_EQ(Work.EffLengthWork[0][0], 1500.0f);
    EXPECT_EQ(Messages(), (Texts{cantmsg::kNegative, "'2 m' is not a valid floating point value"}));
    CantOptionClick(L, left, coEdit);
    EXPECT_EQ(dialogs->shown[0].caption + "|" + dialogs->shown[0].text,
              "LHC Effective Length|Specify effective length m");
    EXPECT_EQ(Work.EffLengthWork[0][0], 2500.0f);
    EXPECT_TRUE(left.lbl_Lf == "User value" && left.cmdEdit_Enabled);
    for (int f = coRestrained; f < coEdit; ++f)
        EXPECT_FALSE(left.Option[f]) << f;
    // While Edit stays chosen, another option is cleared again and the value asked anew.
    click(L, left, {coNormal});
    EXPECT_FALSE(left.Option[coNormal]);
    EXPECT_EQ(Work.EffLengthWork[0][0], 2500.0f);

    click(L, left, {coRestrained});
    EXPECT_TRUE(left.lbl_Lf == "Restrained" && Work.EffLengthWork[0][0] == 0.0f && !left.Option[coEdit]);
    EXPECT_EQ(CantNext(L, left), CantRoute::SpanFrm);
    EXPECT_EQ(Model.EffLengthText[0], "Fully Restrained");
    TCantOpt only;
    only[coRestrained] = 1;
    EXPECT_EQ(Model.CantLHOpts, only);
}

TEST_F(CantileverTest, NextRefusesAnIncompleteChoiceAndReportsAChangedLength) {
    click(L, left, {coNormal, coSupportLateral});
    EXPECT_EQ(CantNext(L, left), CantRoute::Stay);
    EXPECT_EQ(Messages(), Texts{cantmsg::kIncomplete});
    EXPECT_TRUE(Model.CantLHOpts == TCantOpt{} && Model.EffLengthText[0] == "");

    click(L, left, {coEndTop});
    Model.SpanData[kLHCantRow][mfL] = 1600; // lengthened in the beam form since
    dialogs->clear();
    EXPECT_EQ(CantNext(L, left), CantRoute::Stay);
    EXPECT_EQ(Messages(), Texts{" LHC length has been changed\r re-select option.\r"
                                " (it may be necessary to de-select it first)"});
    // Refused, nothing is committed; the working copy keeps the choice worked out: 2.7 x 1500.
    EXPECT_TRUE(Model.CantLHOpts == TCantOpt{} && Model.EffLength[0][0] == 0.0f &&
                Model.EffLengthText[0] == "");
    EXPECT_TRUE(Work.EffLengthWork[0][0] == 4050.0f && Work.EffLengthTextWork[0] == "2.70 L");
    // Chosen again for the new length: committed, 2.7 x 1600.
    click(L, left, {coEndTop});
    click(L, left, {coEndTop});
    dialogs->clear();
    EXPECT_EQ(CantNext(L, left), L.Next) << ::testing::PrintToString(Messages());
    EXPECT_TRUE(Model.EffLength[0][0] == 4320.0f && Model.EffLengthText[0] == "2.70 L");
    EXPECT_EQ(Model.CantLHOpts[coSupportLateral], 1);
}

TEST_F(CantileverTest, RightFormCommitsTheWorkedOutLength) {
    click(R, right, {coSupportLateral, coEndTorsion, coNormal});
    EXPECT_EQ(right.lbl_Le, "2.96");
    EXPECT_EQ(CantNext(R, right), CantRoute::Analysis);
    EXPECT_EQ(Model.EffLength[26][0], 2.4f * 1234.0f); // 2961.6, not the 2960 shown
    EXPECT_EQ(Model.EffLengthText[26], "2.40 L");

    click(R, right, {coRestrained});
    EXPECT_EQ(CantNext(R, right), CantRoute::Analysis);
    EXPECT_EQ(Model.EffLengthText[26], "Restrained"); // the right form commits its factor box

    dialogs->inputAnswers = {std::string("1e39")};
    click(R, right, {coEdit});
    EXPECT_EQ(dialogs->shown[0].caption, "RHC Effective Length");
    EXPECT_EQ(Work.EffLengthWork[26][0], 0.0f); // no single: the previous value kept

    // The RH cantilever lengthened in the beam form since its choice: the right form says so.
    click(R, right, {coSupportLateral, coEndTorsion, coNormal});
    Model.SpanData[kRHCantRow][mfL] = 1300;
    dialogs->clear();
    EXPECT_EQ(CantNext(R, right), CantRoute::Stay);
    EXPECT_EQ(Messages(), Texts{" RHC length has been changed\r re-select option.\r"
                                " (it may be necessary to de-select it first)"});
}

TEST_F(CantileverTest, OpenRestoresTheUserValueAndTheShowAsksWithIt) {
    Model.CantLHOpts[coEdit] = 1;
    Model.EffLength[0][0] = 2500;
    Model.EffLengthText[0] = "User value";
    for (int f : {coSupportPartial, coEndBoth, coDestabilizing})
        Model.CantRHOpts[f] = 1;
    CantRestoreFromCommitted(L, left);
    CantRestoreFromCommitted(R, right);

    // The input box offers the restored "2.50": Cancel keeps it.
    CantFormShow(L, left);
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_TRUE(Work.EffLengthWork[0][0] == 2500.0f && left.lbl_Le == "2.500" && left.Option[coEdit]);
    // Each restored option chosen, the length worked out again: Partial, Both, Destabilizing 2.4.
    CantFormShow(R, right);
    EXPECT_EQ(Work.EffLengthWork[26][0], 2.4f * 1234.0f);
    EXPECT_EQ(Labels(right), (Texts{"2.40 L", "2.962"}));
    // Shown again: nothing newly chosen, nothing asked.
    CantFormShow(L, left);
    EXPECT_EQ(dialogs->shown.size(), 1u);
    // Chosen from code while it stands chosen, the user value is not asked for again.
    CheckCantOption(L, left, coEdit);
    EXPECT_EQ(dialogs->shown.size(), 1u);

    CantClear(L, left);
    EXPECT_TRUE(left.Option == (Arr<bool, 0, 10>{}) && left.lbl_Le.empty());
    EXPECT_TRUE(Work.EffLengthWork[0][0] == 0 && Work.EffLengthTextWork[0] == "" &&
                Work.CantLHOptsWork == TCantOpt{} && Work.EffLengthMemberLengthWork[0] == 0);

    // A job whose stored choice defines no factor (a loading alone) shows no length, whatever
    // length it stored with it.
    Model.CantLHOpts = TCantOpt{};
    Model.CantLHOpts[coNormal] = 1;
    Model.EffLength[0][0] = 4500;
    Model.EffLengthText[0] = "3.00 L";
    CantRestoreFromCommitted(L, left);
    CantFormShow(L, left);
    EXPECT_EQ(Labels(left), (Texts{"", "0.0"})); // zero in four figures
    EXPECT_EQ(Work.EffLengthWork[0][0], 0.0f);
}

// After Open the first show carries the file's choice (3.0 L: lateral support, free end, normal
// loading) into the form; a choice made then is what every later show keeps and Next commits.
TEST_F(CantileverTest, AChoiceMadeAfterOpenStaysAtEveryLaterShow) {
    struct Choice {
        std::vector<int> fields;
        float k;          // Le = k x L, 0 for a fully restrained cantilever
        const char* lf;   // the factor box after the showings, which both forms commit: left
        const char* rhLf; // and right
    };
    const Choice choices[] = {
        {{coRestrained}, 0.0f, "Fully Restrained", "Restrained"},
        {{coSupportBoth, coEndTop, coDestabilizing}, 2.5f, "2.50 L", "2.50 L"},
    };
    for (const CantSide* side : {&L, &R})
        for (const Choice& choice : choices) {
            const int r = side->Row;
            const float length = side == &R ? 1234.0f : 1500.0f;
            const std::string lf = side == &R ? choice.rhLf : choice.lf;
            SCOPED_TRACE(std::string(side->Caption) + " " + lf);
            CantControls c;
            CantClear(*side, c); // File New, then File Open
            TCantOpt& file = Model.*side->Committed;
            file = TCantOpt{};
            for (int f : {coNormal, coSupportLateral, coEndFree})
                file[f] = 1;
            Model.EffLength[r][0] = 3.0f * length;
            Model.EffLengthText[r] = "3.00 L";
            CantRestoreFromCommitted(*side, c);
            CantFormShow(*side, c);
            ASSERT_EQ(c.lbl_Lf, "3.00 L");

            for (int f : choice.fields) {
                for (int g = 0; g <= coEdit; ++g)
                    if (CantOptionGroup(g) == CantOptionGroup(f)) c.Option[g] = false;
                c.Option[f] = true;
                CantOptionClick(*side, c, f);
            }
            // Back to the neighbouring form and Next again: shown twice more.
            CantFormShow(*side, c);
            CantFormShow(*side, c);
            EXPECT_EQ(c.lbl_Lf, lf);
            EXPECT_EQ(Work.EffLengthWork[r][0], choice.k * length);

            EXPECT_EQ(CantNext(*side, c), side->Next);
            EXPECT_EQ(Model.EffLength[r][0], choice.k * length);
            EXPECT_EQ(Model.EffLengthText[r].str(), lf);
            TCantOpt expected{};
            for (int f : choice.fields)
                expected[f] = 1;
            EXPECT_EQ(Model.*side->Committed, expected);
        }
}

TEST_F(CantileverTest, PicturesChooseTheirOptionAndShowTheRestraint) {
    CantPictureClick(L, left, 3);
    EXPECT_TRUE(left.Option[coEndBoth]);
    CantPictureClick(R, right, 2);
    EXPECT_TRUE(right.Option[coSupportBoth]);
    // The right form's seventh picture chooses nothing.
    const CantControls before = right;
    EXPECT_NO_THROW(CantPictureClick(R, right, 7));
    EXPECT_EQ(right, before);

    // Lateral and torsional restraint: a yellow prop and a red collar on the grey ground.
    DrawRestraintPicture(canvas, 90, 60, coSupportBoth);
    ASSERT_FALSE(canvas.items.empty());
    EXPECT_EQ(canvas.items[0].color, colors::Gray);
    bool red = false, yellow = false;
    for (const auto& l : canvas.lines()) {
        red = red || l.color == colors::Red;
        yellow = yellow || l.color == colors::Yellow;
    }
    EXPECT_TRUE(red && yellow);

    // The collar round the section, 10 wide and 12 high about the beam line y = 60 / 2 = 30: at the
    // support (x = 22) or at the free end (x = 90 - 12 = 78); whole, it closes where it began.
    using Segment = std::array<int, 4>;
    const auto collar = [](int x, bool whole) {
        std::vector<Segment> s = {{x - 5, 36, x - 5, 24}, {x - 5, 24, x + 5, 24}};
        if (whole) s.insert(s.end(), {{x + 5, 24, x + 5, 36}, {x + 5, 36, x - 5, 36}});
        return s;
    };
    for (auto [field, expected] : {std::pair{coSupportBoth, collar(22, true)},
                                   {coSupportPartial, collar(22, false)},
                                   {coEndTorsion, collar(78, true)},
                                   {coEndBoth, collar(78, true)},
                                   {coEndTop, std::vector<Segment>{}}}) {
        canvas.items.clear();
        DrawRestraintPicture(canvas, 90, 60, field);
        std::vector<Segment> collars;
        for (const auto& l : canvas.lines())
            if (l.color == colors::Red) collars.push_back({l.x1, l.y1, l.x2, l.y2});
        EXPECT_EQ(collars, expected) << field;
    }
}

// Every stroke of each restraint picture, 90 x 60, beam line y = 60 / 2 = 30, support at x = 22,
// free end at x = 90 - 12 = 78: the grey ground, the white beam from x = 6 (pen 3), the support's
// triangle from 2 below the beam to its base 14 below, 8 either side; a lateral prop 12 above the
// beam, 12 wide, standing down to 3 above it (yellow, pen 2); a collar 10 x 12 (red); and at a free
// tip a load arrow from 18 above the beam to 3 above it, barbs 4 across and 5 up (yellow).
TEST_F(CantileverTest, RestraintPicturesDrawEveryStroke) {
    // The shared description names no yellow: the props and arrows are named here.
    const auto describe = [](const RecordingCanvas::Item& i) {
        std::string d = kxtest::Describe(i);
        const std::string other = "another colour";
        if (i.color == colors::Yellow && d.find(other) != std::string::npos)
            d.replace(d.find(other), other.size(), "yellow");
        return d;
    };
    const Texts ground = {"fill (0,0,90,60) grey", "line (6,30)-(78,30) white 3",
                          "line (22,32)-(14,44) white 1", "line (14,44)-(30,44) white 1",
                          "line (30,44)-(22,32) white 1"};
    const auto prop = [](int x) {
        const auto s = [](int v) { return std::to_string(v); };
        return Texts{"line (" + s(x - 6) + ",18)-(" + s(x + 6) + ",18) yellow 2",
                     "line (" + s(x) + ",18)-(" + s(x) + ",27) yellow 2"};
    };
    const auto collar = [](int x, bool whole) {
        const auto s = [](int v) { return std::to_string(v); };
        Texts t = {"line (" + s(x - 5) + ",36)-(" + s(x - 5) + ",24) red 1",
                   "line (" + s(x - 5) + ",24)-(" + s(x + 5) + ",24) red 1"};
        if (whole)
            t.insert(t.end(), {"line (" + s(x + 5) + ",24)-(" + s(x + 5) + ",36) red 1",
                               "line (" + s(x + 5) + ",36)-(" + s(x - 5) + ",36) red 1"});
        return t;
    };
    const Texts arrow = {"line (78,12)-(78,27) yellow 1", "line (78,27)-(74,22) yellow 1",
                         "line (78,27)-(82,22) yellow 1"};
    const auto join = [&](std::initializer_list<Texts> parts) {
        Texts all = ground;
        for (const Texts& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    };
    for (auto [field, expected] : {std::pair{coSupportLateral, join({prop(22)})},
                                   {coSupportPartial, join({collar(22, false)})},
                                   {coSupportBoth, join({prop(22), collar(22, true)})},
                                   {coEndFree, join({arrow})},
                                   {coEndTop, join({prop(78)})},
                                   {coEndTorsion, join({collar(78, true)})},
                                   {coEndBoth, join({prop(78), collar(78, true)})}}) {
        canvas.items.clear();
        DrawRestraintPicture(canvas, 90, 60, field);
        Texts drawn;
        for (const auto& i : canvas.items)
            drawn.push_back(describe(i));
        EXPECT_EQ(drawn, expected) << field;
    }
}

} // namespace
} // namespace kx

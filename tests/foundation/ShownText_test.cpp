// The exact value behind a control's text: given back for the text it was shown as, in the unit
// it was shown in, and forgotten by a new text.
#include "foundation/ShownText.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/ProgramState.h"
#include "input/BeamFormControls.h"
#include "input/KX_Beam.h"
#include "input/LoadData.h"

namespace kx {
namespace {

// A span of 10.125 m shown as "10.13" under metres (factor 1000), then each step in turn.
TEST(ShownText, ANewTextForgetsTheValueAndTheSameTextKeepsIt) {
    ShownText t("10.13", 10125, 1000);
    struct Step {
        const char* what;
        std::function<void()> step;
        float unit;
        double typed, expected;
        bool held;
    };
    const Step steps[] = {
        {"as shown", [] {}, 1000, 10.13, 10125, true},
        {"the same figures in feet", [] {}, 304.8f, 10.13, 10.13 * 304.8f, true},
        {"the same text written again", [&t] { t = "10.13"; }, 1000, 10.13, 10125, true},
        {"the same text as a string", [&t] { t = std::string("10.13"); }, 1000, 10.13, 10125, true},
        {"typed over", [&t] { t = "10.2"; }, 1000, 10.2, 10200, false},
        {"typed back as shown", [&t] { t = "10.13"; }, 1000, 10.13, 10130, false},
        {"shown again", [&t] { t = ShownText("10.13", 10125, 1000); }, 1000, 10.13, 10125, true},
        {"forgotten, the text stays", [&t] { t.Forget(); }, 1000, 10.13, 10130, false},
        {"shown again and cleared", [&t] { t = ShownText("10.13", 10125, 1000), t.clear(); }, 1000, 0, 0,
         false},
        {"a text that stands for itself", [&t] { t = ShownText("4.2"); }, 1000, 4.2, 4200, false},
    };
    for (const Step& s : steps) {
        s.step();
        EXPECT_DOUBLE_EQ(t.Read(s.unit, s.typed), s.expected) << s.what;
        EXPECT_EQ(t.HasValue(), s.held) << s.what;
    }
    EXPECT_TRUE(t == "4.2" && t == std::string("4.2") && t.Text() == "4.2" && !t.empty());

    // An output unit is held under the reciprocal of its factor.
    EXPECT_FLOAT_EQ(ShownUnit(true, 1000), 1000);
    EXPECT_FLOAT_EQ(ShownUnit(false, 0.001), 1000);
}

// The cells of a grid alike: a typed text forgets, a shown one keeps, a dropped column forgets.
TEST(ShownText, GridCellsKeepTheirValuesUntilTypedOverOrDropped) {
    GridTexts<4, 2> g;
    g.Show(1, 1, ShownText("1.23", 1234, 1000));
    g.Show(2, 1, ShownText("4.57", 4567, 1000));
    g.Show(3, 1, ShownText("7.89", 7891, 1000));
    g.SetCell(1, 1, "1.23"); // the same text
    g.SetCell(2, 1, "4.6");  // typed over
    g.SetColCount(3);        // column 3 dropped
    g.SetColCount(4);
    g.SetCell(3, 1, "7.89"); // typed as it was
    const struct {
        int col;
        bool held;
        double value;
    } cells[] = {{1, true, 1234}, {2, false, 4600}, {3, false, 7890}};
    for (const auto& c : cells) {
        EXPECT_EQ(g.Shown(c.col, 1).HasValue(), c.held) << c.col;
        EXPECT_DOUBLE_EQ(g.Shown(c.col, 1).Read(1000, std::stod(g.Cell(c.col, 1))), c.value) << c.col;
    }
    EXPECT_THROW(g.Show(4, 1, ShownText()), RangeError);
    EXPECT_FALSE(g.Shown(9, 1).HasValue());
}

// File New clears the forms: no value shown for the job that was stays behind a text, not even
// behind a text that happens to be the same (an empty one).
TEST(ShownText, ClearingTheFormsForANewBeamForgetsEveryValue) {
    ResetProgramState();
    const ShownText shown("", 1e21, 1000);
    BeamFormControls beam;
    LoadFormControls loads;
    const std::vector<std::pair<const char*, ShownText*>> fields = {
        {"lift height", &beam.Edit_L},
        {"Ixx", &beam.lbl_S01_Ixx},
        {"E", &beam.lbl_S01_E},
        {"GA", &beam.lbl_GA},
        {"timber width", &beam.Edit_Timber_W},
        {"timber depth", &beam.Edit_Timber_H},
        {"load 1 P", &loads.Rows[1].Edit_PL.Text},
        {"load 50 cover", &loads.Rows[50].Edit_Cover.Text},
        {"load 7 factor", &loads.Rows[7].Edit_LF.Text}};
    for (const auto& [what, field] : fields)
        *field = shown;
    beam.Grid_Spans.Show(1, 1, shown);
    ResetBeamForm(beam);
    ClearAllLoads(loads);
    for (const auto& [what, field] : fields)
        EXPECT_FALSE(field->HasValue()) << what;
    EXPECT_FALSE(beam.Grid_Spans.Shown(1, 1).HasValue());
    ResetProgramState();
}

// Compared with a string, either way round, it is its text alone: the value behind it does not
// make the same figures unequal, nor does the other text's lack of one.
TEST(ShownText, ComparedWithAStringItIsItsTextWhateverValueStandsBehindIt) {
    const ShownText shown("10.13", 10125, 1000);
    const struct {
        std::string text;
        bool same;
    } cases[] = {{"10.13", true}, {"10.130", false}, {"10.1", false}, {"", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(shown == c.text, c.same) << c.text;
        EXPECT_EQ(shown != c.text, !c.same) << c.text;
        EXPECT_EQ(c.text == shown, c.same) << c.text;
        EXPECT_EQ(c.text != shown, !c.same) << c.text;
    }
}

} // namespace
} // namespace kx

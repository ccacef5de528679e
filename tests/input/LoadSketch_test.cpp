// The load form's and span form's sketches: positions worked out by hand from the picture's size
// and the beam's 7 m, the summed outline station by station, the labels, and inputs that must
// not make a redraw fail.
#include "input/LoadSketch.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "FormTestSupport.h"

using namespace kx;
using namespace kxtest;

namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// What one colour drew, in order: its lines as "(x1,y1)-(x2,y2)", or its texts as "text@x,y".
std::string Drawn(const RecordingCanvas& c, Color colour, bool texts = false) {
    std::string out;
    for (const auto& i : texts ? c.texts() : c.lines())
        if (i.color == colour)
            out += (out.empty() ? "" : " ") + (texts ? i.text + "@" + At(i.x1, i.y1)
                                                     : "(" + At(i.x1, i.y1) + ")-(" + At(i.x2, i.y2) + ")");
    return out;
}

// The height of the outline at each station 0..1001, read from the red drawing: per station an
// optional marker every 20th, then its riser and its tread.
std::map<int, int> OutlineHeights(const RecordingCanvas& c) {
    std::vector<RecordingCanvas::Item> red;
    for (const auto& i : c.lines())
        if (i.color == colors::Red) red.push_back(i);
    std::map<int, int> y;
    for (std::size_t i = 1, k = 0; i <= 1001 && k + 1 < red.size(); ++i, k += 2) {
        if (i % 20 == 1 && i > 1) ++k;
        y[static_cast<int>(i) - 1] = red[k].y1;
        y[static_cast<int>(i)] = red[k + 1].y2;
    }
    return y;
}

class LoadSketch : public LoadFormTest {};

TEST_F(LoadSketch, LoadcaseOneDrawsTheSummedOutlineArrowAndLabels) {
    TypeLoadcaseOne();
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 1);

    // XL 25, XR' 717, Yb 96. Largest sum 5.996 kN/m at station 714 (4998 mm: B's 1 + 3 x 428 x 7 /
    // 3000 plus C's 2), drawn 32 px high; A alone (3) is 16 px, A + B's first 1 is 21 px.
    const auto y = OutlineHeights(canvas);
    for (auto [from, to, height] : {std::tuple{1, 285, 79},
                                    {286, 286, 74},
                                    {571, 571, 63},
                                    {572, 572, 68},
                                    {714, 714, 63},
                                    {715, 1000, 84},
                                    {0, 0, 95},
                                    {1001, 1001, 95}})
        for (int i = from; i <= to; ++i)
            ASSERT_EQ(y.at(i), height) << i;
    // Station 286 from x 222 (285 x 0.692) to 223; the marker before station 301 at x 233 rises to
    // its height (A's 3 + B's 1.105 = 22 px).
    EXPECT_THAT(Drawn(canvas, colors::Red), HasSubstr(" (222,79)-(222,74) (222,74)-(223,74) "));
    EXPECT_THAT(Drawn(canvas, colors::Red), HasSubstr(" (233,95)-(233,73) "));
    // 12 kN at 1.5 m: x = 692 x 1500 / 7000 + 25 = 173.3. Rates at the starts (3 px right), B's
    // finish 32 px left of 5 m; sums 12 px left.
    EXPECT_EQ(Drawn(canvas, colors::Yellow), "(173,94)-(168,81) (173,94)-(178,81) (173,94)-(173,46)");
    EXPECT_EQ(Drawn(canvas, colors::Yellow, true), "12.0@161,19");
    EXPECT_EQ(Drawn(canvas, colors::Red, true), "3.000@28,36 1.000@226,36 2.000@423,36 4.000@487,36");
    EXPECT_EQ(Drawn(canvas, colors::White, true), "(4.00)@211,3 (5.00)@408,3 (6.00)@408,3 (6.00)@507,3");
    EXPECT_EQ(Drawn(canvas, colors::Fuchsia), "");
}

TEST_F(LoadSketch, UpwardPointLoadFactorsAndTheSelfWeightStrip) {
    TypeLoadcaseOne();
    ShowLoadcase(2);
    Point(5, "-5", "6", "1.4");
    Udl(6, "0", "7", "2", "2", "1.4");
    Tick({5});
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 2);
    EXPECT_EQ(Drawn(canvas, colors::Yellow), "(618,101)-(613,111) (618,101)-(623,111) (618,101)-(618,141)");
    EXPECT_EQ(Drawn(canvas, colors::Yellow, true), "-5.00 x 1.40@606,19");
    for (const auto& [station, height] : OutlineHeights(canvas))
        ASSERT_EQ(height, 95) << station; // no distributed load: flat, 1 px over the baseline

    // A factored uniform load labels its start only; the outline carries 2 x 1.4. The self-weight
    // strip: 99 teeth 6.92 px apart, then its frame 10 px high.
    Tick({6, 0});
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 2);
    EXPECT_EQ(Drawn(canvas, colors::Red, true), "2.000 x 1.40@28,36");
    EXPECT_THAT(Drawn(canvas, colors::Fuchsia), StartsWith("(32,95)-(32,85) (39,95)-(39,85) "));
    EXPECT_THAT(Drawn(canvas, colors::Fuchsia),
                EndsWith(" (710,95)-(710,85) (25,95)-(25,85) (25,85)-(717,85) (717,85)-(717,95)"));

    // With A's 3 over 0..4 m the peak is 2.8 + 3 (32 px); beyond 4 m 2.8 is 15 px.
    Tick({2});
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 2);
    EXPECT_EQ(OutlineHeights(canvas).at(500), 95 - 32);
    EXPECT_EQ(OutlineHeights(canvas).at(800), 95 - 15);

    // A loadcase outside 1..5 draws the nearest one.
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 0);
    EXPECT_EQ(Drawn(canvas, colors::Yellow, true), "12.0@161,19");
}

TEST_F(LoadSketch, TheOutlineIsSummedInSingles) {
    // 32 kN/m the largest, so g = 1: 10.5 + 1e-9 held as a single is 10.5, half a pixel that rounds
    // to even (10 px), where a double's 10.500000001 would give 11.
    Udl(1, "0", "1", "32", "32");
    Udl(2, "2", "1", "10.5", "10.5");
    Udl(3, "2", "1", "1e-9", "1e-9");
    Tick({1, 2, 3});
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 1);
    EXPECT_EQ(OutlineHeights(canvas).at(100), 95 - 32);
    EXPECT_EQ(OutlineHeights(canvas).at(350), 95 - 10);
}

TEST_F(LoadSketch, TheCommittedBeamUnderTheLoadsAndItsLengthCaption) {
    // Y = 145 div 2 + 25; s = 693 / 7000: the interior support at 297 + 25.
    LengthCaption lbl;
    DrawLoadFormBeam(canvas, 743, 145, lbl);
    EXPECT_THAT(Drawn(canvas, colors::White), HasSubstr(" (322,98)-(312,112) "));
    EXPECT_EQ(Drawn(canvas, colors::White, true), "3.00 m@151,102 4.00 m@498,102");
    EXPECT_EQ(lbl, (LengthCaption{"Length = 7.00 m", true, 97 + 22}));
    ClearBeamImage(canvas, lbl);
    EXPECT_FALSE(lbl.Visible);

    // Without a beam nothing is drawn and the caption is left alone.
    lbl.Visible = true;
    Model.BeamLength = 0;
    canvas.items.clear();
    DrawLoadFormBeam(canvas, 743, 145, lbl);
    DrawLoadFormLoads(canvas, 743, 145, 1);
    DrawSpanSketch(canvas, 769, 65, lbl);
    HighlightCurrentSpan(canvas, 769, 65, 1);
    EXPECT_TRUE(canvas.items.empty());
    EXPECT_TRUE(lbl.Visible);
}

TEST_F(LoadSketch, LoadsFarBeyondTheBeamStillDraw) {
    Point(1, "1e30", "1e9");
    Udl(2, "-1e12", "1e13", "1e30", "-1e30");
    Udl(3, "1", "1e38", "3e38", "-3e38");
    Tick({1, 2, 3}); // each tick redraws
    canvas.items.clear();
    EXPECT_NO_THROW(DrawLoadFormLoads(canvas, 743, 145, 1));
    EXPECT_NE(Drawn(canvas, colors::Yellow), ""); // the arrow, wherever it lands
}

TEST_F(LoadSketch, SpanSketchMarksTheRestraintsAndTheCurrentSpan) {
    // Spans 1 and 2 restrained at three intervals, 1000 mm and 4000/3 mm; s = 719 / 7000, so 102.7 px
    // (103 each, rounded one by one) and 137 px.
    for (int k : {1, 2}) {
        Work.EffLengthWork[k][kIntervalCountField] = 3;
        for (int j = 1; j <= 3; ++j)
            Work.EffLengthWork[k][j] = k == 1 ? 1000.0f : 4000.0f / 3;
    }
    LengthCaption lbl;
    DrawSpanSketch(canvas, 769, 65, lbl);
    EXPECT_EQ(Drawn(canvas, colors::Red), "(128,37)-(128,23) (231,37)-(231,23) (334,37)-(334,23) "
                                          "(470,37)-(470,23) (607,37)-(607,23) (744,37)-(744,23)");
    EXPECT_EQ(canvas.lines().back().width, 3);
    EXPECT_EQ(lbl.Caption, "Length = 7.00 m");
    canvas.items.clear();
    HighlightCurrentSpan(canvas, 769, 65, 2);
    EXPECT_EQ(Drawn(canvas, colors::Yellow), "(333,27)-(744,27) (333,33)-(744,33)");

    // No span marked for 0 or beyond the member rows; a damaged interval count is held to 10.
    canvas.items.clear();
    HighlightCurrentSpan(canvas, 769, 65, 0);
    HighlightCurrentSpan(canvas, 769, 65, 26);
    EXPECT_TRUE(canvas.items.empty());
    Work.EffLengthWork[1][kIntervalCountField] = 1e20f;
    EXPECT_NO_THROW(DrawSpanSketch(canvas, 769, 65, lbl));
    ClearSpanSketch(canvas, lbl);
    EXPECT_FALSE(lbl.Visible);

    // The last of 25 spans of 1 m: from 25 + 24000 x 719 / 25000 = 715.2 px to the RH end at 744.
    Model.SpanCount[0] = 25;
    for (int k = 1; k <= 25; ++k)
        Model.SpanData[k][mfExists] = 1.0f, Model.SpanData[k][mfL] = 1000.0f;
    Model.BeamLength = 25000.0f;
    canvas.items.clear();
    HighlightCurrentSpan(canvas, 769, 65, 25);
    EXPECT_EQ(Drawn(canvas, colors::Yellow), "(715,27)-(744,27) (715,33)-(744,33)");
}

// Loadcase 5, the last rows of the list and a beam with a cantilever at each end: the loads of
// rows 49 and 50 are drawn in loadcase 5 only, and both cantilevers carry their labels.
TEST_F(LoadSketch, LastRowsInLoadcaseFiveOverABeamWithBothCantilevers) {
    // LHC 1.5 m, spans 3 and 4 m, RHC 1 m: 9.5 m.
    Model.SpanData[kLHCantRow][mfExists] = Model.SpanData[kRHCantRow][mfExists] = 1.0f;
    Model.SpanData[kLHCantRow][mfL] = 1500;
    Model.SpanData[kRHCantRow][mfL] = 1000;
    Model.BeamLength = 9500;
    ShowLoadcase(5);
    Point(49, "5", "0.5");
    Udl(50, "8.5", "1", "2", "3");
    Tick({49, 50});
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 5);
    // x(d) = 692 d / 9500 + 25: the point load at 0.5 m at 61.4 (its value 12 px left), the rates
    // at 8.5 m (644.2, 3 px right) and at 9.5 m (717, 32 px left).
    EXPECT_EQ(Drawn(canvas, colors::Yellow, true), "5.00@49,19");
    EXPECT_EQ(Drawn(canvas, colors::Red, true), "2.000@647,36 3.000@685,36");
    EXPECT_EQ(Drawn(canvas, colors::White, true), "");
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 4);
    EXPECT_EQ(Drawn(canvas, colors::Yellow, true) + Drawn(canvas, colors::Red, true), "");

    // s = 693 / 9500; supports at 1500, 4500, 8500 mm: 134, 353, 645 px. The LH cantilever's
    // label 22 px left of half its support's x (45), the spans' 22 px left of their middles (3000
    // mm: 219 + 3, 6500 mm: 474 + 3), the RH cantilever's 12 px left of its middle (9000 mm: 682);
    // 1 m, on a band's threshold, keeps three decimals.
    LengthCaption lbl;
    canvas.items.clear();
    DrawLoadFormBeam(canvas, 743, 145, lbl);
    EXPECT_EQ(Drawn(canvas, colors::White, true),
              "1.50 m@45,102 3.00 m@222,102 4.00 m@477,102 1.000 m@670,102");
    EXPECT_EQ(lbl, (LengthCaption{"Length = 9.50 m", true, 97 + 22}));
}

// Sums are held in N/mm (kN/m) and labelled when not 0 and not the row's own rate: 0.25 + 0.75 = 1
// exactly over 0..2 m, labelled at both ends of both rows; 1 falling to -1 and -1 rising to 1 sum
// to 0 over 3..5 m, never labelled; a rate of 1 is. x(d) = 692 d / 7000 + 25: 25 at 0, 222.7 at
// 2 m, 321.6 at 3 m, 519.3 at 5 m.
TEST_F(LoadSketch, ASumOfOneIsLabelledAndASumOfZeroIsNot) {
    Udl(1, "0", "2", "0.25", "0.25");
    Udl(2, "0", "2", "0.75", "0.75");
    Udl(3, "3", "2", "1", "-1");
    Udl(4, "3", "2", "-1", "1");
    Tick({1, 2, 3, 4});
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 1);
    EXPECT_EQ(Drawn(canvas, colors::Red, true),
              "0.250@28,36 0.750@28,36 1.000@325,36 -1.000@325,36 -1.000@487,36 1.000@487,36");
    EXPECT_EQ(Drawn(canvas, colors::White, true), "(1.000)@13,3 (1.000)@13,3 (1.000)@211,3 (1.000)@211,3");
}

} // namespace

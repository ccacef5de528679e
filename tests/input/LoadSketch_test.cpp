// The load form's and span form's sketches: positions worked out by hand from the picture's size
// and the beam's 7 m, the summed outline station by station, the labels, and inputs that must
// not make a redraw fail.
#include "input/LoadSketch.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "LoadFormTestSupport.h"

using namespace kx;
using namespace kxtest;

namespace {

std::string Describe(const RecordingCanvas::Item& i) {
    return "(" + std::to_string(i.x1) + "," + std::to_string(i.y1) + ")-(" + std::to_string(i.x2) + "," +
           std::to_string(i.y2) + ")";
}

std::vector<RecordingCanvas::Item> LinesIn(const RecordingCanvas& c, Color colour) {
    std::vector<RecordingCanvas::Item> out;
    for (const auto& i : c.lines())
        if (i.color == colour) out.push_back(i);
    return out;
}

// The texts drawn in one colour, as "text@x,y".
std::vector<std::string> TextsIn(const RecordingCanvas& c, Color colour) {
    std::vector<std::string> out;
    for (const auto& i : c.texts())
        if (i.color == colour)
            out.push_back(i.text + "@" + std::to_string(i.x1) + "," + std::to_string(i.y1));
    return out;
}

// The height of the outline at each station 0..1001, read from the red drawing: per station an
// optional marker every 20th, then its riser and its tread.
std::map<int, int> OutlineHeights(const RecordingCanvas& c) {
    const auto red = LinesIn(c, colors::Red);
    std::map<int, int> y;
    std::size_t k = 0;
    for (int i = 1; i <= 1001 && k + 1 < red.size(); ++i) {
        if (i % 20 == 1 && i > 1) ++k;
        y[i - 1] = red[k].y1;
        y[i] = red[k + 1].y2;
        k += 2;
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
    for (int i = 1; i <= 285; ++i)
        ASSERT_EQ(y.at(i), 79) << i;
    EXPECT_EQ(y.at(0), 95);
    EXPECT_EQ(y.at(286), 74);
    EXPECT_EQ(y.at(571), 63);
    EXPECT_EQ(y.at(572), 68);
    EXPECT_EQ(y.at(714), 63);
    for (int i = 715; i <= 1000; ++i)
        ASSERT_EQ(y.at(i), 84) << i;
    EXPECT_EQ(y.at(1001), 95);
    const auto red = LinesIn(canvas, colors::Red);
    // Station 286 from x 222 (285 x 0.692) to 223; the marker before station 301 at x 233 rises to
    // its height (A's 3 + B's 1.105 = 22 px).
    bool riser = false, marker = false;
    for (std::size_t k = 0; k + 1 < red.size(); ++k) {
        riser =
            riser || (Describe(red[k]) == "(222,79)-(222,74)" && Describe(red[k + 1]) == "(222,74)-(223,74)");
        marker = marker || Describe(red[k]) == "(233,95)-(233,73)";
    }
    EXPECT_TRUE(riser);
    EXPECT_TRUE(marker);

    // 12 kN at 1.5 m: x = 692 x 1500 / 7000 + 25 = 173.3.
    const auto yellow = LinesIn(canvas, colors::Yellow);
    ASSERT_EQ(yellow.size(), 3u);
    EXPECT_EQ(Describe(yellow[0]), "(173,94)-(168,81)");
    EXPECT_EQ(Describe(yellow[1]), "(173,94)-(178,81)");
    EXPECT_EQ(Describe(yellow[2]), "(173,94)-(173,46)");
    EXPECT_EQ(yellow[0].width, 2);
    EXPECT_EQ(TextsIn(canvas, colors::Yellow), (std::vector<std::string>{"12.0@161,19"}));
    // Rates at the starts (3 px right), B's finish 32 px left of 5 m; sums 12 px left.
    EXPECT_EQ(TextsIn(canvas, colors::Red),
              (std::vector<std::string>{"3.000@28,36", "1.000@226,36", "2.000@423,36", "4.000@487,36"}));
    EXPECT_EQ(TextsIn(canvas, colors::White),
              (std::vector<std::string>{"(4.00)@211,3", "(5.00)@408,3", "(6.00)@408,3", "(6.00)@507,3"}));
    EXPECT_TRUE(LinesIn(canvas, colors::Fuchsia).empty());
}

TEST_F(LoadSketch, UpwardPointLoadFactorsAndTheSelfWeightStrip) {
    TypeLoadcaseOne();
    ShowLoadcase(2);
    Point(5, "-5", "6", "1.4");
    Udl(6, "0", "7", "2", "2", "1.4");
    Tick(5);
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 2);
    const auto yellow = LinesIn(canvas, colors::Yellow);
    ASSERT_EQ(yellow.size(), 3u);
    EXPECT_EQ(Describe(yellow[0]), "(618,101)-(613,111)");
    EXPECT_EQ(Describe(yellow[2]), "(618,101)-(618,141)");
    EXPECT_EQ(TextsIn(canvas, colors::Yellow), (std::vector<std::string>{"-5.00 x 1.40@606,19"}));
    for (const auto& [station, height] : OutlineHeights(canvas))
        ASSERT_EQ(height, 95) << station; // no distributed load: flat, 1 px over the baseline

    // A factored uniform load labels its start only; the outline carries 2 x 1.4.
    Tick(6);
    Model.SectionShape = "Beam";
    TickSelfWeight();
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 2);
    EXPECT_EQ(TextsIn(canvas, colors::Red), (std::vector<std::string>{"2.000 x 1.40@28,36"}));
    EXPECT_EQ(OutlineHeights(canvas).at(500), 95 - 32);
    const auto strip = LinesIn(canvas, colors::Fuchsia);
    ASSERT_EQ(strip.size(), 99u + 3u);
    EXPECT_EQ(Describe(strip[0]), "(32,95)-(32,85)"); // 6.92 + 25
    EXPECT_EQ(Describe(strip[98]), "(710,95)-(710,85)");
    EXPECT_EQ(Describe(strip[99]), "(25,95)-(25,85)");
    EXPECT_EQ(Describe(strip[100]), "(25,85)-(717,85)");
    EXPECT_EQ(Describe(strip[101]), "(717,85)-(717,95)");

    // A loadcase outside 1..5 draws the nearest one.
    canvas.items.clear();
    DrawLoadFormLoads(canvas, 743, 145, 0);
    EXPECT_EQ(TextsIn(canvas, colors::Yellow), (std::vector<std::string>{"12.0@161,19"}));
}

TEST_F(LoadSketch, TheCommittedBeamUnderTheLoadsAndItsLengthCaption) {
    LengthCaption lbl;
    ClearBeamImage(canvas, lbl);
    ASSERT_EQ(canvas.items.size(), 1u);
    EXPECT_EQ(canvas.items[0].op, RecordingCanvas::Op::Fill);
    EXPECT_EQ((Rect{canvas.items[0].x1, canvas.items[0].y1, canvas.items[0].x2, canvas.items[0].y2}),
              (Rect{0, 0, 800, 200}));
    EXPECT_EQ(canvas.items[0].color, colors::Gray);

    canvas.items.clear();
    DrawLoadFormBeam(canvas, 743, 145, lbl);
    // Y = 145 div 2 + 25; s = 693 / 7000: the interior support at 297 + 25.
    const auto lines = canvas.lines();
    EXPECT_EQ(Describe(lines[0]), "(27,97)-(716,97)");
    EXPECT_EQ(lines[0].width, 4);
    bool interior = false;
    for (const auto& l : lines)
        interior = interior || Describe(l) == "(322,98)-(312,112)";
    EXPECT_TRUE(interior);
    EXPECT_EQ(TextsIn(canvas, colors::White), (std::vector<std::string>{"3.00 m@151,102", "4.00 m@498,102"}));
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
    for (int n = 1; n <= 3; ++n)
        Tick(n);
    canvas.items.clear();
    EXPECT_NO_THROW(DrawLoadFormLoads(canvas, 743, 145, 1));
    EXPECT_EQ(LinesIn(canvas, colors::Yellow).size(), 3u);
    EXPECT_NO_THROW(RedrawLoadForm(f, pic));
}

TEST_F(LoadSketch, SpanSketchMarksTheRestraintsAndTheCurrentSpan) {
    // Span 2 restrained at three intervals of 4000/3 mm; s = 719 / 7000, so 137 px each.
    Work.EffLengthWork[2][kIntervalCountField] = 3;
    for (int j = 1; j <= 3; ++j)
        Work.EffLengthWork[2][j] = 4000.0f / 3;
    LengthCaption lbl;
    DrawSpanSketch(canvas, 769, 65, lbl);
    const auto marks = LinesIn(canvas, colors::Red);
    ASSERT_EQ(marks.size(), 3u);
    EXPECT_EQ(Describe(marks[0]), "(470,37)-(470,23)");
    EXPECT_EQ(Describe(marks[1]), "(607,37)-(607,23)");
    EXPECT_EQ(Describe(marks[2]), "(744,37)-(744,23)");
    EXPECT_EQ(marks[0].width, 3);
    EXPECT_EQ(Describe(canvas.lines()[0]), "(27,30)-(742,30)");
    EXPECT_TRUE(lbl.Visible);
    EXPECT_EQ(lbl.Caption, "Length = 7.00 m");

    canvas.items.clear();
    HighlightCurrentSpan(canvas, 769, 65, 2);
    const auto lines = canvas.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Describe(lines[0]), "(333,27)-(744,27)");
    EXPECT_EQ(Describe(lines[1]), "(333,33)-(744,33)");
    EXPECT_EQ(lines[0].color, colors::Yellow);

    // No span marked for 0 or beyond the member rows; a damaged interval count is held to 10.
    canvas.items.clear();
    HighlightCurrentSpan(canvas, 769, 65, 0);
    HighlightCurrentSpan(canvas, 769, 65, 26);
    EXPECT_TRUE(canvas.items.empty());
    Work.EffLengthWork[1][kIntervalCountField] = 1e20f;
    EXPECT_NO_THROW(DrawSpanSketch(canvas, 769, 65, lbl));
    ClearSpanSketch(canvas, lbl);
    EXPECT_FALSE(lbl.Visible);
}

} // namespace

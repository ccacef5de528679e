// The drawing vocabulary's self-weight strip and load outlines: each drawing's stepping and
// measures laid out by hand on a made-up row of stations.
#include "window/DrawingVocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kx;

namespace {

// Lines as "(x1,y1)-(x2,y2)", or as "(x1,y1)-(x2,y2)/width" with the colour checked.
std::vector<std::string> Lines(const RecordingCanvas& c, std::size_t from, std::size_t count) {
    std::vector<std::string> out;
    const auto lines = c.lines();
    for (std::size_t i = from; i < from + count && i < lines.size(); ++i) {
        const auto& l = lines[i];
        out.push_back("(" + std::to_string(l.x1) + "," + std::to_string(l.y1) + ")-(" + std::to_string(l.x2) +
                      "," + std::to_string(l.y2) + ")");
    }
    return out;
}

// Stations at x = 100 + i on a foot at y 50; stations 21 and 22 stand 10 px high.
const OutlinePlace kPlace{
    [](int i) { return 100 + i; }, [](int i) { return i == 21 || i == 22 ? 40 : 50; }, {}, 50};

TEST(DrawingVocabulary, OutlinesStepEveryStationOrOnlyWhereTheHeightChanges) {
    const struct {
        OutlineStyle style;
        std::size_t lines;
        Color colour;
        std::size_t at;                   // the first of the lines shown
        std::vector<std::string> showing; // from there on
    } cases[] = {
        // The screen: a riser and a tread per station 1..1001; the block from x 120 to 122.
        {kScreenOutline,
         2002,
         colors::Red,
         40,
         {"(120,50)-(120,40)", "(120,40)-(121,40)", "(121,40)-(121,40)", "(121,40)-(122,40)",
          "(122,40)-(122,50)", "(122,50)-(123,50)"}},
        // The load form: the same, and before station 21 its marker from the foot up to that step.
        {kFormOutline,
         2052,
         colors::Red,
         40,
         {"(120,50)-(120,40)", "(120,50)-(120,40)", "(120,40)-(121,40)"}},
        // The page, in the canvas's colour: 50 markers from a pixel above the foot up to the step that
        // ends at them, then the outline turning only at the block, closed down to the foot.
        {kPrintedOutline, 56, colors::Blue, 0, {"(120,49)-(120,50)", "(140,49)-(140,50)"}},
        {kPrintedOutline,
         56,
         colors::Blue,
         50,
         {"(100,50)-(120,50)", "(120,50)-(120,40)", "(120,40)-(122,40)", "(122,40)-(122,50)",
          "(122,50)-(1100,50)", "(1100,50)-(1100,50)"}},
    };
    for (const auto& t : cases) {
        RecordingCanvas c;
        c.SetPenColor(colors::Blue);
        DrawLoadOutline(c, t.style, kPlace);
        ASSERT_EQ(c.lines().size(), t.lines);
        EXPECT_EQ(Lines(c, t.at, t.showing.size()), t.showing) << t.lines;
        EXPECT_EQ(c.lines()[t.at].color, t.colour);
        EXPECT_EQ(c.lines()[t.at].width, t.style.pen);
    }
}

TEST(DrawingVocabulary, TheSelfWeightStripStandsOnItsFootAtItsHeight) {
    // The page at 600 dpi: the foot at 75 mm is 1771.65 px, the top at 72 mm 1700.79 px; the teeth
    // start a pixel above the foot. The screen: 10 px over the load baseline at 94.
    const double dpmm = 600 / 25.4;
    const struct {
        StripStyle style;
        SymbolPlace at;
        int right;
        Color colour;
        std::vector<std::string> first, frame;
    } cases[] = {
        {kPrintedStrip,
         {591, 75, dpmm, dpmm},
         2539,
         colors::Blue,
         {"(592,1771)-(592,1701)"},
         {"(591,1772)-(591,1701)", "(591,1701)-(2539,1701)", "(2539,1701)-(2539,1772)"}},
        {kScreenStrip,
         {150, 94},
         950,
         colors::Fuchsia,
         {"(151,94)-(151,84)"},
         {"(150,94)-(150,84)", "(150,84)-(950,84)", "(950,84)-(950,94)"}},
    };
    for (const auto& t : cases) {
        RecordingCanvas c;
        c.SetPenColor(colors::Blue);
        DrawSelfWeightStrip(c, t.style, t.at.x, t.right, t.at, [&](int k) { return t.at.x + k; });
        ASSERT_EQ(c.lines().size(), 99u + 3u);
        EXPECT_EQ(Lines(c, 0, 1), t.first);
        EXPECT_EQ(Lines(c, 99, 3), t.frame);
        EXPECT_EQ(c.lines()[0].color, t.colour);
    }
}

} // namespace

TEST(DrawingVocabulary, APolylineJoinsItsPointsInOrderAndStartsAfresh) {
    RecordingCanvas c;
    SetPen(c, colors::Red, 2);
    DrawLine(c, 0, 0, 5, 5);
    DrawPolyline(c, {{10, 20}, {10, 8}, {20, 8}, {20, 20}});
    DrawPolyline(c, {{40, 40}}); // one point strokes nothing
    DrawPolyline(c, {});
    EXPECT_EQ(Lines(c, 1, 9),
              (std::vector<std::string>{"(10,20)-(10,8)", "(10,8)-(20,8)", "(20,8)-(20,20)"}));
    for (const auto& l : c.lines())
        EXPECT_TRUE(l.color == colors::Red && l.width == 2);
}

// The peak a load outline is scaled to: the largest magnitude at any station, the last included,
// upward or downward; never below 1e-6, so that a profile of no load divides by no zero.
TEST(DrawingVocabulary, AProfilesPeakIsItsLargestMagnitudeAndNoLessThanOneMillionth) {
    const struct {
        std::size_t station;
        double value, peak;
    } cases[] = {{500, 0, 1e-6},    {500, 5e-7, 1e-6}, {500, -9.9e-7, 1e-6},
                 {500, 1e-6, 1e-6}, {500, 2e-6, 2e-6}, {500, -3e-6, 3e-6},
                 {0, 7, 7},         {1001, -250, 250}, {1001, 1e9, 1e9}};
    for (const auto& c : cases) {
        LoadProfile<double> d{};
        LoadProfile<float> f{};
        d[c.station] = c.value;
        f[c.station] = static_cast<float>(c.value);
        if (c.value != 0) d[1] = f[1] = c.value > 0 ? 1e-9f : -1e-9f; // a smaller one beside it
        EXPECT_DOUBLE_EQ(ProfilePeak(d), c.peak) << c.value << " at " << c.station;
        EXPECT_FLOAT_EQ(ProfilePeak(f), static_cast<float>(c.peak)) << c.value << " at " << c.station;
    }
}

// A load shorter than a millimetre still reaches the station it covers: on a 1000 mm beam the
// stations stand 1 mm apart, and 5 N/mm from 99.7 mm over 0.5 mm covers station 100 alone; a load
// of no cover reaches none.
TEST(DrawingVocabulary, ALoadUnderAMillimetreLongReachesTheStationItCovers) {
    const LoadProfile<double> p = SumLoadProfile<double>({{99.7, 5, 5, 0.5}}, 1000, 1);
    EXPECT_EQ(std::vector<double>(p.begin() + 99, p.begin() + 102), (std::vector<double>{0, 5, 0}));
    EXPECT_EQ(ProfilePeak(p), 5.0);
    const LoadProfile<double> none = SumLoadProfile<double>({{99.7, 5, 5, 0}}, 1000, 1);
    EXPECT_EQ(ProfilePeak(none), 1e-6);
}

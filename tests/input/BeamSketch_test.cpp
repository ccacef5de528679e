// The input windows' beam sketch: positions worked out by hand from the scale (W - 50) / length,
// the symbols of every support kind, labels, and lengths that must not make it fail.
#include "input/BeamSketch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "BeamFormTestSupport.h"

using namespace kx;
using namespace kxtest;

namespace {

class BeamSketch : public BeamFormTest {};

TEST_F(BeamSketch, CantileverThreeSpansAndFixedEndDrawnAtTheirScaledPositions) {
    TypeBeam({"3", "4", "3"}, "1.5");
    f.Check_RHF = true;
    FixedEndClicked(f, false, pic);

    canvas.items.clear();
    EXPECT_FLOAT_EQ(DrawBeamSketch(pic, f), 11500.0f);
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 11500.0f);
    // s = 703 / 11500; supports at 1500, 4500, 8500 mm: 91.7, 275.1, 519.6 px from x = 25. Y = 73 div 2 - 10.
    std::vector<std::string> expected = {
        "fill (0,0,753,73) grey",
        "line (25,26)-(726,26) white 4",
    };
    for (int x : {117, 300, 545}) {
        const std::string l = "(" + std::to_string(x - 10) + ",41)",
                          r = "(" + std::to_string(x + 10) + ",41)", top = "(" + std::to_string(x) + ",27)";
        for (const std::string& seg : {top + "-" + l, l + "-" + l, l + "-" + r, r + "-" + top})
            expected.push_back("line " + seg + " white 1");
    }
    expected.push_back("line (728,1)-(728,51) white 2");
    for (int k = -15; k <= 25; k += 10)
        expected.push_back("line (728," + std::to_string(26 + k) + ")-(738," + std::to_string(16 + k) +
                           ") white 1");
    // Labels 22 px left of each member's middle (the cantilever at half its support's x), at Y + 12.
    for (const char* t :
         {"text (36,38) white 1.50 m", "text (186,38) white 3.00 m", "text (400,38) white 4.00 m",
          "text (614,38) white 3.00 m", "text (336,53) black Length = 11.5 m"})
        expected.push_back(t);
    EXPECT_EQ(Drawn(canvas), expected);
}

TEST_F(BeamSketch, TwoSpansPlaceTheInteriorSupportByTheScaleAndZeroLengthsDrawNothing) {
    TypeBeam({"3", "4"});
    canvas.items.clear();
    EXPECT_FLOAT_EQ(DrawBeamSketch(pic, f), 7000.0f);
    // 3000 x 703 / 7000 = 301.3: the interior support at 326.
    EXPECT_EQ(Describe(canvas.lines()[5]), "line (326,27)-(316,41) white 1");
    EXPECT_TRUE(canvas.hasText("Length = 7.00 m"));

    for (int col : {1, 2})
        f.Grid_Spans.SetCell(col, 1, "");
    canvas.items.clear();
    EXPECT_EQ(DrawBeamSketch(pic, f), 0.0f);
    EXPECT_EQ(Work.WorkBeamLength, 0.0f);
    EXPECT_TRUE(canvas.items.empty()); // the picture keeps its last drawing
}

TEST_F(BeamSketch, TickedCantileverWithoutLengthAndTotalsAroundOneMillimetre) {
    TypeBeam({"4"});
    f.Check_LHC = true;
    CantileverClicked(f, true, pic);
    canvas.items.clear();
    DrawBeamSketch(pic, f);
    // No cantilever: the LH end support stands at x = 25, and only the span is labelled.
    EXPECT_EQ(Describe(canvas.lines()[1]), "line (25,27)-(15,41) white 1");
    EXPECT_EQ(canvas.texts().size(), 2u);
    EXPECT_TRUE(canvas.hasText("4.00 m"));

    // 1 mm shows no total; 1.01 mm does. 0.004 m reads "0.00" and gets no label of its own.
    f.Check_LHC = false;
    CantileverClicked(f, true, pic);
    canvas.items.clear();
    Type(1, "0.001");
    EXPECT_FALSE(canvas.hasText("Length = 0.00 m"));
    EXPECT_TRUE(canvas.texts().empty());
    canvas.items.clear();
    Type(1, "0.00101");
    EXPECT_EQ(canvas.texts().size(), 1u);
    EXPECT_EQ(Describe(canvas.texts()[0]), "text (336,53) black Length = 0.00 m");
}

TEST_F(BeamSketch, EverySupportKindHasItsSymbol) {
    SketchMembers beam;
    beam.SpanCount = 4;
    for (int i = 1; i <= 4; ++i)
        beam.L[i] = 1000;
    beam.Total = 4000;
    beam.Codes[0] = supForkhead;
    beam.Codes[1] = supCouplerTop;
    beam.Codes[2] = supCouplerMid;
    beam.Codes[3] = supFixedEnd; // not an interior kind: nothing
    beam.Codes[25] = supForkhead;
    RecordingCanvas c;
    // The span form's column: Y = 65 div 2 - 2 = 30, couplers from Y + 40, a "Mid" standard to Y - 40.
    const SketchLayout g = DrawSketchBeam(c, kSpanFormSketch, beam, 769, 65, Model);
    EXPECT_EQ(g.Y, 30);
    EXPECT_EQ(g.TotalText, "Length = 4.00 m");
    // s = 719 / 4000: supports at 25, 204.75, 384.5, 564.25, 744 (the fixed end there draws nothing).
    const std::vector<std::string> expected = {
        "line (27,30)-(742,30) white 4",
        // LH forkhead: the open prong on the right.
        "line (33,22)-(33,25) red 1",
        "line (33,35)-(33,36) red 1",
        "line (33,36)-(17,36) red 1",
        "line (17,36)-(17,22) red 1",
        "line (21,36)-(21,55) red 1",
        "line (29,36)-(29,55) red 1",
        // "Top" coupler: standard from Y + 40 to Y - 7, then the cross.
        "line (205,70)-(205,23) white 4",
        "line (199,36)-(211,24) white 2",
        "line (211,36)-(199,24) white 2",
        // "Mid" coupler: to Y - 40. 2000 mm lies a hair below 359.5 px, s being a single.
        "line (384,70)-(384,-10) white 4",
        "line (378,36)-(390,24) white 2",
        "line (390,36)-(378,24) white 2",
        // RH forkhead: the open prong on the left.
        "line (736,22)-(736,25) red 1",
        "line (736,35)-(736,36) red 1",
        "line (736,36)-(752,36) red 1",
        "line (752,36)-(752,22) red 1",
        "line (740,36)-(740,55) red 1",
        "line (748,36)-(748,55) red 1",
    };
    auto lines = c.lines();
    std::vector<std::string> got;
    for (const auto& i : lines)
        got.push_back(Describe(i));
    EXPECT_EQ(got, expected);
    // Span labels at Y + 5, and no total text on the span form's picture.
    EXPECT_EQ(Describe(c.texts()[0]), "text (93,35) white 1.000 m");
    EXPECT_EQ(c.texts().size(), 4u);

    // A fixed end on the left hatches down to the left from Y - 25.
    SketchMembers fixedEnds = beam;
    fixedEnds.Codes[0] = supFixedEnd;
    fixedEnds.Codes[1] = fixedEnds.Codes[2] = supFixed;
    RecordingCanvas d;
    DrawSketchBeam(d, kLoadFormBeam, fixedEnds, 743, 145, Model); // Y = 72 + 25 = 97
    EXPECT_EQ(Describe(d.lines()[1]), "line (25,72)-(25,122) white 2");
    EXPECT_EQ(Describe(d.lines()[2]), "line (25,72)-(15,82) white 1");
    EXPECT_EQ(Describe(d.lines()[6]), "line (25,112)-(15,122) white 1");
}

TEST_F(BeamSketch, CantileverLabelsOnTheOtherFormsAndHugeOrMixedLengthsStayDrawable) {
    SketchMembers beam;
    beam.SpanCount = 1;
    beam.L[0] = 3; // reads "0.00" m: the span and load forms label it all the same
    beam.L[1] = 4000;
    beam.L[26] = 1000;
    beam.LHC = beam.RHC = true;
    beam.Total = 5003;
    beam.Codes[0] = beam.Codes[25] = supFixed;
    RecordingCanvas c;
    DrawSketchBeam(c, kLoadFormBeam, beam, 743, 145, Model);
    // x(3) = 25; RH cantilever middle 4503 mm: 4503 x 693 / 5003 + 25 = 648.7 -> 649 - 12.
    EXPECT_EQ(Describe(c.texts()[0]), "text (-10,102) white 0.00 m");
    EXPECT_EQ(Describe(c.texts()[2]), "text (637,102) white 1.000 m");
    RecordingCanvas beamForm;
    DrawSketchBeam(beamForm, kBeamFormSketch, beam, 753, 73, Model);
    EXPECT_FALSE(beamForm.hasText("0.00 m"));

    // Lengths far beyond any picture, or of both signs: coordinates are held, never a failure.
    TypeBeam({"1e30", "2"});
    EXPECT_NO_THROW(DrawBeamSketch(pic, f));
    Type(1, "3e8");
    Type(2, "-2.999999e8"); // 90 m in all, the first support 2.3e9 px along
    EXPECT_GT(Work.WorkBeamLength, 0.0f);
    EXPECT_NO_THROW(DrawBeamSketch(pic, f));
    Type(1, "1e39"); // beyond a single: an infinite length
    EXPECT_NO_THROW(DrawBeamSketch(pic, f));
    EXPECT_EQ(SketchPixel(1e300), 1000000000);
    EXPECT_EQ(SketchPixel(-1e300), -1000000000);
    EXPECT_EQ(SketchPixel(std::nan("")), 0);
}

TEST_F(BeamSketch, ClearFillsTheWholePictureGrey) {
    ClearBeamSketch(canvas, 800, 90);
    EXPECT_EQ(Drawn(canvas), std::vector<std::string>{"fill (0,0,800,90) grey"});
}

} // namespace

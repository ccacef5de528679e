// The input forms' sketch: positions worked out by hand from the scale (W - 50) / length,
// the symbol of every support kind, labels, and lengths that must not make it fail.
#include "input/FormSketch.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FormTestSupport.h"

using namespace kx;
using namespace kxtest;

namespace {

using Texts = std::vector<std::string>;

class FormSketch : public BeamFormTest {};

TEST_F(FormSketch, CantileverThreeSpansAndFixedEndDrawnAtTheirScaledPositions) {
    TypeBeam({"3", "4", "3"}, "1.5");
    f.Check_RHF = true;
    FixedEndClicked(f, false, pic);

    canvas.items.clear();
    EXPECT_FLOAT_EQ(DrawBeamSketch(pic, f), 11500.0f);
    EXPECT_FLOAT_EQ(Work.WorkBeamLength, 11500.0f);
    // s = 703 / 11500; supports at 1500, 4500, 8500 mm: 91.7, 275.1, 519.6 px from x = 25. Y = 73 div 2 - 10.
    Texts expected = {"fill (0,0,753,73) grey", "line (25,26)-(726,26) white 4"};
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

    ClearBeamSketch(canvas, 800, 90);
    EXPECT_EQ(Describe(canvas.items.back()), "fill (0,0,800,90) grey");
}

TEST_F(FormSketch, InteriorSupportsByTheScaleTotalsAboveOneMillimetreAndNothingForNoLength) {
    TypeBeam({"3", "4"});
    canvas.items.clear();
    EXPECT_FLOAT_EQ(DrawBeamSketch(pic, f), 7000.0f);
    // 3000 x 703 / 7000 = 301.3: the interior support at 326.
    EXPECT_EQ(Describe(canvas.lines()[5]), "line (326,27)-(316,41) white 1");
    EXPECT_TRUE(canvas.hasText("Length = 7.00 m"));
    // A ticked cantilever without a length: the LH support stays at x = 25 and has no label.
    canvas.items.clear();
    f.Check_LHC = true;
    CantileverClicked(f, true, pic);
    EXPECT_EQ(Describe(canvas.lines()[1]), "line (25,27)-(15,41) white 1");
    EXPECT_EQ(canvas.texts().size(), 3u);

    // 1 mm in all shows no total; 1.01 mm does, and 0.00 m gets no label of its own.
    f.Check_LHC = false;
    CantileverClicked(f, true, pic);
    f.Grid_Spans.SetCell(2, 1, "");
    canvas.items.clear();
    Type(1, "0.001");
    EXPECT_TRUE(canvas.texts().empty());
    Type(1, "0.00101");
    EXPECT_EQ(Drawn(canvas.texts()), Texts{"text (336,53) black Length = 0.00 m"});
    // No length at all: nothing drawn, the picture keeps its last drawing.
    canvas.items.clear();
    Type(1, "");
    EXPECT_EQ(Work.WorkBeamLength, 0.0f);
    EXPECT_TRUE(canvas.items.empty());
}

TEST_F(FormSketch, EverySupportKindHasItsSymbol) {
    SketchMembers beam;
    beam.SpanCount = 4;
    for (int i = 1; i <= 4; ++i)
        beam.L[i] = 1000;
    beam.Total = 4000;
    beam.Codes[0] = beam.Codes[25] = supForkhead;
    beam.Codes[1] = supCouplerTop;
    beam.Codes[2] = supCouplerMid;
    beam.Codes[3] = supFixedEnd; // not an interior kind: nothing
    RecordingCanvas c;
    // The span form's column: Y = 65 div 2 - 2 = 30, couplers from Y + 40, a "Mid" standard to Y - 40.
    const SketchLayout g = DrawSketchBeam(c, kSpanFormSketch, beam, 769, 65, Model);
    EXPECT_EQ(g.Y, 30);
    EXPECT_EQ(g.TotalText, "Length = 4.00 m");
    // s = 719 / 4000: supports at 25, 204.75, 384.5, 564.25, 744. The forkheads open away from the
    // beam's end; the "Top" coupler's standard runs to Y - 7, then its cross; the "Mid" one's to
    // Y - 40 (2000 mm lies a hair below 359.5 px, s being a single).
    const Texts expected = {
        "line (27,30)-(742,30) white 4",  "line (33,22)-(33,25) red 1",      "line (33,35)-(33,36) red 1",
        "line (33,36)-(17,36) red 1",     "line (17,36)-(17,22) red 1",      "line (21,36)-(21,55) red 1",
        "line (29,36)-(29,55) red 1",     "line (205,70)-(205,23) white 4",  "line (199,36)-(211,24) white 2",
        "line (211,36)-(199,24) white 2", "line (384,70)-(384,-10) white 4", "line (378,36)-(390,24) white 2",
        "line (390,36)-(378,24) white 2", "line (736,22)-(736,25) red 1",    "line (736,35)-(736,36) red 1",
        "line (736,36)-(752,36) red 1",   "line (752,36)-(752,22) red 1",    "line (740,36)-(740,55) red 1",
        "line (748,36)-(748,55) red 1"};
    EXPECT_EQ(Drawn(c.lines()), expected);
    // Span labels at Y + 5, and no total text on the span form's picture.
    EXPECT_EQ(Describe(c.texts()[0]), "text (93,35) white 1.000 m");
    EXPECT_EQ(c.texts().size(), 4u);

    // A fixed end on the left hatches down to the left from Y - 25.
    beam.Codes[0] = supFixedEnd;
    beam.Codes[1] = beam.Codes[2] = supFixed;
    RecordingCanvas d;
    DrawSketchBeam(d, kLoadFormBeam, beam, 743, 145, Model); // Y = 72 + 25 = 97
    const auto lines = Drawn(d.lines());
    EXPECT_EQ(Texts(lines.begin() + 1, lines.begin() + 3),
              (Texts{"line (25,72)-(25,122) white 2", "line (25,72)-(15,82) white 1"}));
    EXPECT_EQ(lines[6], "line (25,112)-(15,122) white 1");
}

TEST_F(FormSketch, CantileverLabelsOnTheOtherFormsAndHugeOrMixedLengthsStayDrawable) {
    SketchMembers beam;
    beam.SpanCount = 1;
    beam.L[0] = 3; // reads "0.00" m: the span and load forms label it all the same
    beam.L[1] = 4000;
    beam.L[26] = 1000;
    beam.LHC = beam.RHC = true;
    beam.Total = 5003;
    beam.Codes[0] = beam.Codes[25] = supFixed;
    RecordingCanvas c, beamForm;
    DrawSketchBeam(c, kLoadFormBeam, beam, 743, 145, Model);
    // x(3) = 25; RH cantilever middle 4503 mm: 4503 x 693 / 5003 + 25 = 648.7 -> 649 - 12.
    EXPECT_EQ(Describe(c.texts()[0]), "text (-10,102) white 0.00 m");
    EXPECT_EQ(Describe(c.texts()[2]), "text (637,102) white 1.000 m");
    DrawSketchBeam(beamForm, kBeamFormSketch, beam, 753, 73, Model);
    EXPECT_FALSE(beamForm.hasText("0.00 m"));
    // The span form's: Y = 65 div 2 - 2 = 30, labels 5 below; x = 25 div 2 - 22 = -10.
    RecordingCanvas spanForm;
    DrawSketchBeam(spanForm, kSpanFormSketch, beam, kSpansPictureW, kSpansPictureH, Model);
    EXPECT_EQ(Describe(spanForm.texts()[0]), "text (-10,35) white 0.00 m");

    // Lengths far beyond any picture, of both signs, or beyond a single: coordinates are held.
    TypeBeam({"1e30", "2"});
    EXPECT_NO_THROW(DrawBeamSketch(pic, f));
    Type(1, "3e8");
    Type(2, "-2.999999e8"); // 90 m in all, the first support 2.3e9 px along
    EXPECT_GT(Work.WorkBeamLength, 0.0f);
    EXPECT_NO_THROW(DrawBeamSketch(pic, f));
    Type(1, "1e39");
    EXPECT_NO_THROW(DrawBeamSketch(pic, f));
    EXPECT_EQ(SketchPixel(1e300), 1000000000);
    EXPECT_EQ(SketchPixel(-1e300), -1000000000);
    EXPECT_EQ(SketchPixel(std::nan("")), 0);
}

// The most spans the form takes (20 of 1 m) and a 0.5 m RH cantilever: s = 703 / 20500. The last
// interior support (19 m) at 651.6 + 25, the RH end support (20 m) at 685.9 + 25; the last span's
// label 22 px left of its middle (19.5 m: 668.7 + 25), the cantilever's 12 px left of its middle
// (20.25 m: 694.4 + 25).
TEST_F(FormSketch, LastSpanAndRightCantileverOfTheLongestBeam) {
    TypeBeam(std::vector<std::string>(20, "1"), "", "0.5");
    canvas.items.clear();
    EXPECT_FLOAT_EQ(DrawBeamSketch(pic, f), 20500.0f);
    const Texts lines = Drawn(canvas.lines());
    // The beam, the LH support, 19 interior supports and the RH one, four lines each.
    ASSERT_EQ(lines.size(), 1u + 21 * 4);
    EXPECT_EQ(lines[1 + 19 * 4], "line (677,27)-(667,41) white 1");
    EXPECT_EQ(lines[1 + 20 * 4], "line (711,27)-(701,41) white 1");
    const Texts texts = Drawn(canvas.texts());
    ASSERT_EQ(texts.size(), 22u);
    // 1 m lies on a band's threshold, which only the first band takes: three decimals.
    EXPECT_EQ(texts.front(), "text (20,38) white 1.000 m"); // 500 mm: 17.1 + 25 - 22
    EXPECT_EQ(texts[19], "text (672,38) white 1.000 m");
    EXPECT_EQ(texts[20], "text (707,38) white 0.500 m");
    EXPECT_EQ(texts[21], "text (336,53) black Length = 20.5 m");
}

} // namespace

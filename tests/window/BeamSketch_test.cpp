// The beam and load sketch: supports, member lengths, load outline, comb, arrows and labels.
#include "window/BeamSketch.h"

#include <gtest/gtest.h>

#include "DrawingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

class BeamSketchTest : public DrawingTest {
protected:
    RecordingCanvas Sketch() {
        RecordingCanvas c;
        DrawLoads(c, kFrameF);
        DrawBeam(c, kFrameF);
        return c;
    }
};

// Beam B: cantilevers of 1000 mm either side of two 3000 mm spans (0.1 px/mm), a forkhead at each
// end and a coupler between lifts at the middle support. Loads (kind, at, P or W1, W2, cover, LF):
// two point loads and two distributed ones; loadcase 1 applies all four and the self-weight,
// loadcase 2 only the third.
void BeamB() {
    BeamBuilder()
        .LHCantilever(1000)
        .Spans({3000, 3000})
        .RHCantilever(1000)
        .Support(1, supForkhead)
        .Support(2, supCouplerMid)
        .Support(3, supForkhead)
        .Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = 1;
    const float loads[4][6] = {{1, 2000, 20000, 0, 0, 1.5f},
                               {1, 6000, -5000, 0, 0, 1},
                               {-1, 1000, 4, 4, 3000, 1.5f},
                               {-1, 2000, 2, 6, 4000, 1}};
    for (int lc = 1; lc <= 2; ++lc) {
        for (int rec = 1; rec <= 4; ++rec) {
            for (int f = 0; f < 6; ++f)
                Model.LoadTable[lc][rec][f] = loads[rec - 1][f];
            Model.LoadTable[lc][rec][lfApplied] = lc == 1 || rec == 3 ? 1.0f : -1.0f;
        }
        Model.CaseHasLoads[lc] = 1;
    }
    Model.LoadTable[1][kSelfWeightRecord][lfKind] = -1;
    Model.LoadTable[1][kSelfWeightRecord][lfW1] = Model.LoadTable[1][kSelfWeightRecord][lfW2] = 0.5f;
    Model.LoadTable[1][kSelfWeightRecord][lfApplied] = 1;
    const float stack[2][8] = {{1000, 4, 1.5f, 4, 4000, 4, 1.5f, 8}, {2000, 2, 1, 6, 6000, 6, 1, 6}};
    for (int f = 0; f < 8; ++f) {
        Model.UDLStackTable[1][3][f] = stack[0][f];
        Model.UDLStackTable[1][4][f] = stack[1][f];
    }
}

TEST_F(BeamSketchTest, SimpleSpanWithAUniformLoad) {
    BeamA();
    Show(1);
    RecordingCanvas c;
    c.SetFontSize(11); // the sketch draws in whatever face and size the canvas holds
    DrawLoads(c, kFrameF);
    DrawBeam(c, kFrameF);

    EXPECT_TRUE(HasSegment(c, colors::White, {152, 96}, {948, 96}, 4));
    for (int X : {150, 950}) {
        EXPECT_TRUE(HasSegment(c, colors::White, {X, 97}, {X - 10, 111}, 1));
        EXPECT_TRUE(HasSegment(c, colors::White, {X - 10, 111}, {X + 10, 111}, 1));
        EXPECT_TRUE(HasSegment(c, colors::White, {X + 10, 111}, {X, 97}, 1));
    }
    EXPECT_TRUE(HasText(c, "5.00 m", {528, 101}, colors::White));

    // 10 N/mm is the largest rate: 40 px high, closed down to the beam at both ends.
    const auto red = LinesOf(c, colors::Red);
    ASSERT_EQ(red.size(), 2002u);
    EXPECT_TRUE(HasSegment(c, colors::Red, {150, 94}, {150, 54}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {150, 54}, {151, 54}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {950, 54}, {950, 94}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {950, 94}, {951, 94}));
    for (const auto& l : red)
        EXPECT_TRUE((l.y1 == 54 || l.y1 == 94) && (l.y2 == 54 || l.y2 == 94)) << l.x1 << "," << l.y1;

    // A uniform load: one rate label, at its start, without factor; no point load, no comb.
    const auto redTexts = TextsOf(c, colors::Red);
    ASSERT_EQ(redTexts.size(), 1u);
    EXPECT_TRUE(HasText(c, "10.00", {153, 32}, colors::Red));
    EXPECT_TRUE(LinesOf(c, colors::Yellow).empty());
    EXPECT_TRUE(LinesOf(c, colors::Fuchsia).empty());
    for (const auto& t : c.texts())
        EXPECT_EQ(t.fontSize, 11) << t.text;
    EXPECT_EQ(Drawing.DrawnMemberLength[1], 5000.0f);
    EXPECT_EQ(Drawing.ShownCase, 1);
}

TEST_F(BeamSketchTest, SupportsAndMemberLengthsOfCantileversAndSpans) {
    BeamB();
    RecordingCanvas c;
    DrawBeam(c, kFrameF);
    // LH forkhead at 250 opens outward; the RH one at 850 is its mirror image.
    for (auto [X, o] : {std::pair{250, 8}, std::pair{850, -8}}) {
        EXPECT_TRUE(HasSegment(c, colors::Red, {X + o, 88}, {X + o, 91}, 1)) << X;
        EXPECT_TRUE(HasSegment(c, colors::Red, {X + o, 101}, {X + o, 102}, 1)) << X;
        EXPECT_TRUE(HasSegment(c, colors::Red, {X + o, 102}, {X - o, 102}, 1)) << X;
        EXPECT_TRUE(HasSegment(c, colors::Red, {X - o, 102}, {X - o, 88}, 1)) << X;
        EXPECT_TRUE(HasSegment(c, colors::Red, {X - 4, 102}, {X - 4, 121}, 1)) << X;
        EXPECT_TRUE(HasSegment(c, colors::Red, {X + 4, 102}, {X + 4, 121}, 1)) << X;
    }
    EXPECT_EQ(LinesOf(c, colors::Red).size(), 12u);
    EXPECT_TRUE(HasSegment(c, colors::White, {550, 156}, {550, 36}, 4));
    EXPECT_TRUE(HasSegment(c, colors::White, {544, 102}, {556, 90}, 2));
    EXPECT_TRUE(HasSegment(c, colors::White, {556, 102}, {544, 90}, 2));
    EXPECT_TRUE(HasText(c, "1.000 m", {178, 101}, colors::White));
    EXPECT_TRUE(HasText(c, "3.00 m", {378, 101}, colors::White));
    EXPECT_TRUE(HasText(c, "3.00 m", {678, 101}, colors::White));
    EXPECT_TRUE(HasText(c, "1.000 m", {888, 101}, colors::White));
    EXPECT_EQ(c.texts().size(), 4u);
    std::vector<float> drawn(Drawing.DrawnMemberLength.begin(), Drawing.DrawnMemberLength.end());
    std::vector<float> expected(27, 0.0f);
    expected[0] = expected[26] = 1000;
    expected[1] = expected[2] = 3000;
    EXPECT_EQ(drawn, expected);

    // A coupler at the top of a lift stops at the beam; a fixed end is not drawn inside the beam.
    Model.SupportType[1] = supCouplerTop;
    RecordingCanvas top;
    DrawBeam(top, kFrameF);
    EXPECT_TRUE(HasSegment(top, colors::White, {550, 156}, {550, 89}, 4));
    Model.SupportType[1] = supFixedEnd;
    RecordingCanvas wall;
    DrawBeam(wall, kFrameF);
    for (const auto& l : wall.lines())
        EXPECT_FALSE(l.x1 > 530 && l.x1 < 570 && l.x2 > 530 && l.x2 < 570) << l.x1 << "," << l.y1;
}

TEST_F(BeamSketchTest, FixedEndsDrawWallsHatchedAwayFromTheBeam) {
    BeamBuilder().Spans({4000}).AllSupports(supFixedEnd).Commit();
    SetDefaultUnits(Model);
    RecordingCanvas c;
    DrawBeam(c, kFrameF);
    EXPECT_TRUE(HasSegment(c, colors::White, {150, 71}, {150, 121}, 2));
    EXPECT_TRUE(HasSegment(c, colors::White, {950, 71}, {950, 121}, 2));
    for (int y = 71; y <= 111; y += 10) {
        EXPECT_TRUE(HasSegment(c, colors::White, {150, y}, {140, y + 10}, 1)) << y;
        EXPECT_TRUE(HasSegment(c, colors::White, {950, y + 10}, {960, y}, 1)) << y;
    }
    EXPECT_EQ(c.lines().size(), 1u + 2 * 6);
    EXPECT_TRUE(HasText(c, "4.00 m", {528, 101}, colors::White));
    EXPECT_EQ(c.texts().size(), 1u);
}

TEST_F(BeamSketchTest, LoadsOfOneLoadcaseWithTheirLabels) {
    BeamB();
    Show(1);
    RecordingCanvas c = Sketch();
    // Largest rate 6 + 2 + 4 x 249 x 8 / 4000 = 9.992 N/mm at station 500 stands 40 px high.
    EXPECT_TRUE(HasSegment(c, colors::Red, {250, 94}, {250, 70}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {350, 70}, {350, 62})); // a start on a station adds nothing there
    EXPECT_TRUE(HasSegment(c, colors::Red, {549, 54}, {550, 54}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {550, 54}, {550, 78}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {750, 70}, {750, 94})); // an end on a station adds there
    EXPECT_EQ(LinesOf(c, colors::Red).size(), 2002u + 12u);

    EXPECT_TRUE(HasSegment(c, colors::Yellow, {350, 93}, {345, 80}, 2));
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {350, 93}, {355, 80}, 2));
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {350, 93}, {350, 45}, 2));
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {750, 100}, {745, 110}, 2)); // upward load below the beam
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {750, 100}, {755, 110}, 2));
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {750, 100}, {750, 140}, 2));
    EXPECT_EQ(LinesOf(c, colors::Yellow).size(), 6u);

    const auto comb = LinesOf(c, colors::Fuchsia);
    ASSERT_EQ(comb.size(), 99u + 3u);
    for (int k = 1; k <= 99; ++k)
        EXPECT_TRUE(HasSegment(c, colors::Fuchsia, {150 + 8 * k, 94}, {150 + 8 * k, 84}, 1)) << k;
    EXPECT_TRUE(HasSegment(c, colors::Fuchsia, {150, 94}, {150, 84}));
    EXPECT_TRUE(HasSegment(c, colors::Fuchsia, {150, 84}, {950, 84}));
    EXPECT_TRUE(HasSegment(c, colors::Fuchsia, {950, 84}, {950, 94}));

    EXPECT_TRUE(HasText(c, "20.0 x 1.50", {338, 20}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "-5.00 x 1.000", {738, 20}, colors::Yellow)); // label still above
    EXPECT_TRUE(HasText(c, "4.00 x 1.50", {253, 32}, colors::Red));
    EXPECT_TRUE(HasText(c, "2.00 x 1.000", {353, 32}, colors::Red));
    EXPECT_TRUE(HasText(c, "6.00 x 1.000", {684, 32}, colors::Red));
    EXPECT_TRUE(HasText(c, "(8.00)", {538, 3}, colors::White));
    EXPECT_TRUE(HasText(c, "(6.00)", {338, 3}, colors::White));
    EXPECT_EQ(TextsOf(c, colors::Red).size(), 3u);
    EXPECT_EQ(c.texts().size(), 2u + 3u + 2u + 4u); // and the four member lengths

    Model.FactoredLoadsFlag = -1;
    RecordingCanvas plain = Sketch();
    EXPECT_TRUE(HasText(plain, "6.00", {714, 32}, colors::Red));
    EXPECT_TRUE(HasText(plain, "20.0", {338, 20}, colors::Yellow));
    EXPECT_TRUE(HasText(plain, "4.00", {253, 32}, colors::Red));
}

TEST_F(BeamSketchTest, OneScaleForEveryLoadcaseAndAllWithoutLabels) {
    BeamB();
    Show(2);
    RecordingCanvas two = Sketch();
    // 6 N/mm against the 9.992 of loadcase 1: 24 px.
    EXPECT_TRUE(HasSegment(two, colors::Red, {250, 94}, {250, 70}));
    EXPECT_TRUE(HasSegment(two, colors::Red, {550, 70}, {550, 94}));
    int top = 94;
    for (const auto& l : LinesOf(two, colors::Red))
        top = std::min({top, l.y1, l.y2});
    EXPECT_EQ(top, 70);
    EXPECT_TRUE(LinesOf(two, colors::Yellow).empty());
    EXPECT_TRUE(LinesOf(two, colors::Fuchsia).empty());
    EXPECT_TRUE(TextsOf(two, colors::Yellow).empty());

    Show(0);
    Drawing.ShownCase = 3;
    RecordingCanvas all = Sketch();
    EXPECT_EQ(Drawing.ShownCase, 0);
    EXPECT_EQ(LinesOf(all, colors::Red).size(), 2 * 2002u + 12u);
    EXPECT_TRUE(HasSegment(all, colors::Red, {550, 54}, {550, 78}));
    EXPECT_TRUE(HasSegment(all, colors::Red, {550, 70}, {550, 94}));
    EXPECT_EQ(LinesOf(all, colors::Yellow).size(), 6u);
    EXPECT_EQ(LinesOf(all, colors::Fuchsia).size(), 102u);
    EXPECT_EQ(all.texts().size(), 4u); // member lengths only
}

TEST_F(BeamSketchTest, EveryPointLoadOfAllLoadcasesAndLoadsFarOffTheBeam) {
    BeamBuilder().Spans({5000}).Commit();
    SetDefaultUnits(Model);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        for (int rec = 1; rec <= 50; ++rec) {
            TLoadRec& r = Model.LoadTable[lc][rec];
            r[lfKind] = 1;
            r[lfDist] = 100.0f * rec;
            r[lfP] = 1000;
            r[lfLF] = 1;
            r[lfApplied] = 1;
        }
        Model.CaseHasLoads[lc] = 1;
    }
    // Two distributed loads: one of no cover, one from far off the beam.
    const float zero[] = {-1, 2500, 7, 7, 0, 1, 1};
    for (int f = 0; f < 7; ++f)
        Model.LoadTable[1][50][f] = zero[f];
    const float far[] = {1, 1e12f, 500, 0, 0, 1, 1};
    for (int f = 0; f < 7; ++f)
        Model.LoadTable[2][50][f] = far[f];
    Model.UDLStackTable[2][1][usX1] = -1e12f;
    Model.UDLStackTable[2][1][usW1] = 3;
    Show(0);
    RecordingCanvas all = Sketch();
    EXPECT_EQ(LinesOf(all, colors::Yellow).size(), 3u * (5 * 50 - 1)) << "every applied point load";
    EXPECT_TRUE(HasSegment(all, colors::Yellow, {30000, 93}, {30000, 45}, 2)) << "held at 30000 px";
    for (const auto& l : LinesOf(all, colors::Red))
        EXPECT_TRUE(l.y1 == 94 && l.y2 == 94) << "a load of no cover adds nothing";

    Show(2);
    RecordingCanvas two = Sketch();
    EXPECT_TRUE(HasText(two, "3.00", {150 - 30000 + 3, 32}, colors::Red));

    Model.BeamLength = 0;
    Drawing.DrawnMemberLength[1] = 123;
    RecordingCanvas none = Sketch();
    EXPECT_TRUE(none.items.empty());
    EXPECT_EQ(Drawing.DrawnMemberLength[1], 123.0f);
}

} // namespace

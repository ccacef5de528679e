// The beam and load sketch: supports, member lengths, load outline, comb, arrows and labels.
#include "window/BeamSketch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <tuple>
#include <utility>

#include "DrawingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

constexpr Color W = colors::White, R = colors::Red, Y = colors::Yellow, F = colors::Fuchsia;

RecordingCanvas Sketch(bool loads = true) {
    RecordingCanvas c;
    if (loads) DrawLoads(c, kFrameF);
    DrawBeam(c, kFrameF);
    return c;
}

// Beam B: cantilevers of 1000 mm either side of two 3000 mm spans (0.1 px/mm), a forkhead at each
// end and a coupler between lifts at the middle support. Loads (kind, at, P or W1, W2, cover, LF):
// loadcase 1 applies all four and the self-weight, loadcase 2 only the third.
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
    // clang-format off
    const float loads[4][6] = {{1, 2000, 20000, 0, 0, 1.5f}, {1, 6000, -5000, 0, 0, 1},
                               {-1, 1000, 4, 4, 3000, 1.5f}, {-1, 2000, 2, 6, 4000, 1}};
    const float stack[2][8] = {{1000, 4, 1.5f, 4, 4000, 4, 1.5f, 8}, {2000, 2, 1, 6, 6000, 6, 1, 6}};
    // clang-format on
    for (int lc = 1; lc <= 2; ++lc) {
        for (int rec = 1; rec <= 4; ++rec) {
            for (int f = 0; f < 6; ++f)
                Model.LoadTable[lc][rec][f] = loads[rec - 1][f];
            Model.LoadTable[lc][rec][lfApplied] = lc == 1 || rec == 3 ? 1.0f : -1.0f;
        }
        Model.CaseHasLoads[lc] = 1;
    }
    TLoadRec& self = Model.LoadTable[1][kSelfWeightRecord];
    self[lfKind] = -1;
    self[lfW1] = self[lfW2] = 0.5f;
    self[lfApplied] = 1;
    for (int f = 0; f < 8; ++f) {
        Model.UDLStackTable[1][3][f] = stack[0][f];
        Model.UDLStackTable[1][4][f] = stack[1][f];
    }
}

} // namespace

TEST_F(DrawingTest, SketchOfASimpleSpanWithAUniformLoad) {
    BeamA();
    Show(1);
    RecordingCanvas c;
    c.SetFontSize(11); // the sketch draws in whatever face and size the canvas holds
    DrawLoads(c, kFrameF);
    DrawBeam(c, kFrameF);
    EXPECT_TRUE(HasLine(c, {152, 96}, {948, 96}, 4, W));
    for (int X : {150, 950}) {
        EXPECT_TRUE(HasLine(c, {X, 97}, {X - 10, 111}, 1, W));
        EXPECT_TRUE(HasLine(c, {X - 10, 111}, {X + 10, 111}, 1, W));
        EXPECT_TRUE(HasLine(c, {X + 10, 111}, {X, 97}, 1, W));
    }
    // 10 N/mm is the largest rate: 40 px high, closed down to the beam at both ends.
    EXPECT_EQ(Of(c.lines(), R).size(), 2002u);
    EXPECT_TRUE(HasLine(c, {150, 94}, {150, 54}, 0, R));
    EXPECT_TRUE(HasLine(c, {150, 54}, {151, 54}, 0, R));
    EXPECT_TRUE(HasLine(c, {950, 54}, {950, 94}, 0, R));
    EXPECT_TRUE(HasLine(c, {950, 94}, {951, 94}, 0, R));
    // One rate label, at the load's start, without factor; no point load, no comb.
    ExpectTexts(c, {{"5.00 m", 528, 101, W}, {"10.00", 153, 32, R}});
    EXPECT_EQ(c.texts().size(), 2u);
    EXPECT_TRUE(Of(c.lines(), Y).empty());
    EXPECT_TRUE(Of(c.lines(), F).empty());
    for (const auto& t : c.texts())
        EXPECT_EQ(t.fontSize, 11) << t.text;
    EXPECT_EQ(Drawing.DrawnMemberLength[1], 5000.0f);
}

TEST_F(DrawingTest, SketchSupportsAndMemberLengths) {
    BeamB();
    const RecordingCanvas c = Sketch(false);
    // LH forkhead at 250 opens outward; the RH one at 850 is its mirror image.
    for (auto [X, o] : {std::pair{250, 8}, std::pair{850, -8}}) {
        EXPECT_TRUE(HasLine(c, {X + o, 88}, {X + o, 91}, 1, R));
        EXPECT_TRUE(HasLine(c, {X + o, 101}, {X + o, 102}, 1, R));
        EXPECT_TRUE(HasLine(c, {X + o, 102}, {X - o, 102}, 1, R));
        EXPECT_TRUE(HasLine(c, {X - o, 102}, {X - o, 88}, 1, R));
        EXPECT_TRUE(HasLine(c, {X - 4, 102}, {X - 4, 121}, 1, R));
        EXPECT_TRUE(HasLine(c, {X + 4, 102}, {X + 4, 121}, 1, R));
    }
    EXPECT_TRUE(HasLine(c, {550, 156}, {550, 36}, 4, W));
    EXPECT_TRUE(HasLine(c, {544, 102}, {556, 90}, 2, W));
    EXPECT_TRUE(HasLine(c, {556, 102}, {544, 90}, 2, W));
    ExpectTexts(c, {{"1.000 m", 178, 101, W},
                    {"3.00 m", 378, 101, W},
                    {"3.00 m", 678, 101, W},
                    {"1.000 m", 888, 101, W}});
    std::vector<float> expected(27, 0.0f);
    expected[0] = expected[26] = 1000;
    expected[1] = expected[2] = 3000;
    EXPECT_EQ(std::vector<float>(Drawing.DrawnMemberLength.begin(), Drawing.DrawnMemberLength.end()),
              expected);

    // A coupler at the top of a lift stops at the beam; a fixed end inside the beam is not drawn.
    Model.SupportType[1] = supCouplerTop;
    EXPECT_TRUE(HasLine(Sketch(false), {550, 156}, {550, 89}, 4, W));
    Model.SupportType[1] = supFixedEnd;
    for (const auto& l : Sketch(false).lines())
        EXPECT_FALSE(l.x1 > 530 && l.x1 < 570 && l.x2 > 530 && l.x2 < 570) << l.x1 << "," << l.y1;

    // Beam C's fixed ends: walls hatched away from the beam.
    ResetProgramState();
    kxtest::JobC().Commit();
    SetDefaultUnits(Model);
    const RecordingCanvas walls = Sketch();
    EXPECT_TRUE(HasLine(walls, {150, 71}, {150, 121}, 2, W));
    EXPECT_TRUE(HasLine(walls, {950, 71}, {950, 121}, 2, W));
    for (int y = 71; y <= 111; y += 10) {
        EXPECT_TRUE(HasLine(walls, {150, y}, {140, y + 10}, 1, W));
        EXPECT_TRUE(HasLine(walls, {950, y + 10}, {960, y}, 1, W));
    }
    EXPECT_TRUE(HasText(walls, "4.00 m", {528, 101}, W));
}

TEST_F(DrawingTest, SketchLoadsOfOneLoadcaseAndOfAll) {
    BeamB();
    Show(1);
    const RecordingCanvas c = Sketch();
    // Largest rate 6 + 2 + 4 x 249 x 8 / 4000 = 9.992 N/mm at station 500 stands 40 px high.
    EXPECT_TRUE(HasLine(c, {250, 94}, {250, 70}, 0, R));
    EXPECT_TRUE(HasLine(c, {350, 70}, {350, 62}, 0, R)); // a start on a station adds nothing there
    EXPECT_TRUE(HasLine(c, {550, 54}, {550, 78}, 0, R));
    EXPECT_TRUE(HasLine(c, {750, 70}, {750, 94}, 0, R)); // an end on a station adds there
    for (auto [X, y0, tip] : {std::tuple{350, 93, 80}, std::tuple{750, 100, 110}}) { // the second points up
        EXPECT_TRUE(HasLine(c, {X, y0}, {X - 5, tip}, 2, Y));
        EXPECT_TRUE(HasLine(c, {X, y0}, {X + 5, tip}, 2, Y));
    }
    EXPECT_TRUE(HasLine(c, {350, 93}, {350, 45}, 2, Y));
    EXPECT_TRUE(HasLine(c, {750, 100}, {750, 140}, 2, Y));
    EXPECT_EQ(Of(c.lines(), F).size(), 99u + 3u);
    for (int x = 158; x <= 942; x += 8)
        EXPECT_TRUE(HasLine(c, {x, 94}, {x, 84}, 1, F)) << x;
    EXPECT_TRUE(HasLine(c, {150, 84}, {950, 84}, 0, F));
    ExpectTexts(c, {{"20.0 x 1.50", 338, 20, Y},
                    {"-5.00 x 1.000", 738, 20, Y},
                    {"4.00 x 1.50", 253, 32, R},
                    {"2.00 x 1.000", 353, 32, R},
                    {"6.00 x 1.000", 684, 32, R},
                    {"(8.00)", 538, 3, W},
                    {"(6.00)", 338, 3, W}});
    EXPECT_EQ(c.texts().size(), 7u + 4u); // and the four member lengths
    Model.FactoredLoadsFlag = -1;
    ExpectTexts(Sketch(), {{"6.00", 714, 32, R}, {"20.0", 338, 20, Y}});

    // Loadcase 2 at loadcase 1's scale: 6 N/mm is 24 px; no arrows, comb or labels.
    Show(2);
    const RecordingCanvas two = Sketch();
    EXPECT_TRUE(HasLine(two, {550, 70}, {550, 94}, 0, R));
    int top = 94;
    for (const auto& l : Of(two.lines(), R))
        top = std::min({top, l.y1, l.y2});
    EXPECT_EQ(top, 70);
    EXPECT_EQ(two.texts().size(), 4u);

    // All: both outlines, loadcase 1's arrows and comb, no load text.
    Show(0);
    Drawing.ShownCase = 3;
    const RecordingCanvas all = Sketch();
    EXPECT_EQ(Drawing.ShownCase, 0);
    EXPECT_EQ(Of(all.lines(), R).size(), 2 * 2002u + 12u);
    EXPECT_TRUE(HasLine(all, {550, 54}, {550, 78}, 0, R));
    EXPECT_TRUE(HasLine(all, {550, 70}, {550, 94}, 0, R));
    EXPECT_EQ(Of(all.lines(), Y).size(), 6u);
    EXPECT_EQ(Of(all.lines(), F).size(), 102u);
    EXPECT_EQ(all.texts().size(), 4u);
}

TEST_F(DrawingTest, SketchShowsEveryPointLoadOfAllAndHoldsLoadsFarOffTheBeam) {
    BeamBuilder().Spans({5000}).Commit();
    SetDefaultUnits(Model);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        for (int rec = 1; rec <= 50; ++rec) {
            const float r[] = {1, 100.0f * rec, 1000, 0, 0, 1, 1};
            std::copy(std::begin(r), std::end(r), &Model.LoadTable[lc][rec][0]);
        }
        Model.CaseHasLoads[lc] = 1;
    }
    // A distributed load of no cover, and a point load far off the beam.
    const float zero[] = {-1, 2500, 7, 7, 0, 1, 1}, far[] = {1, 1e12f, 500, 0, 0, 1, 1};
    std::copy(std::begin(zero), std::end(zero), &Model.LoadTable[1][50][0]);
    std::copy(std::begin(far), std::end(far), &Model.LoadTable[2][50][0]);
    Model.UDLStackTable[2][1][usX1] = -1e12f;
    Model.UDLStackTable[2][1][usW1] = 3;
    Show(0);
    const RecordingCanvas all = Sketch();
    EXPECT_EQ(Of(all.lines(), Y).size(), 3u * (5 * 50 - 1)) << "every applied point load";
    EXPECT_TRUE(HasLine(all, {30000, 93}, {30000, 45}, 2, Y)) << "held at 30000 px";
    for (const auto& l : Of(all.lines(), R))
        EXPECT_TRUE(l.y1 == 94 && l.y2 == 94) << "a load of no cover adds nothing";
    Show(2);
    EXPECT_TRUE(HasText(Sketch(), "3.00", {150 - 30000 + 3, 32}, R));

    Model.BeamLength = 0;
    EXPECT_TRUE(Sketch().items.empty());
}

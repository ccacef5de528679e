// The main window's beam and load sketch: supports, member lengths, load outline, comb, arrows and
// labels.
#include "window/BeamAndLoadSketch.h"

#include <algorithm>
#include <string>
#include <vector>

#include "DrawingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

RecordingCanvas Sketch(bool loads = true) {
    RecordingCanvas c;
    c.SetFontSize(11); // the sketch draws in whatever face and size the canvas holds
    if (loads) DrawLoads(c, kFrameF);
    DrawBeam(c, kFrameF);
    return c;
}

// Beam B: cantilevers of 1000 mm either side of two 3000 mm spans (0.1 px/mm), a forkhead at each
// end and a coupler between lifts at the middle support. Loadcase 1 applies 20 kN x 1.5 at 2000 mm,
// -5 kN at 6000 mm, 4 N/mm x 1.5 over 1000..4000 mm, 2 rising to 6 N/mm over 2000..6000 mm and the
// self-weight; loadcase 2 the 4 N/mm load alone.
void BeamB() {
    BeamBuilder b;
    b.LHCantilever(1000).Spans({3000, 3000}).RHCantilever(1000).Support(1, supForkhead);
    b.Support(2, supCouplerMid).Support(3, supForkhead).Point(1, 2000, 20000, 1.5f).Point(1, 6000, -5000);
    b.Udl(1, 1000, 4, 3000, 1.5f).Distributed(1, 2000, 2, 6, 4000).Udl(2, 1000, 4, 3000, 1.5f).Commit();
    SetDefaultUnits(Model);
    Model.FactoredLoadsFlag = 1;
    Model.LoadTable[1][kSelfWeightRecord][lfApplied] = 1;
    const float stack[2][8] = {{1000, 4, 1.5f, 4, 4000, 4, 1.5f, 8}, {2000, 2, 1, 6, 6000, 6, 1, 6}};
    std::copy_n(stack[0], 8, &Model.UDLStackTable[1][3][0]);
    std::copy_n(stack[1], 8, &Model.UDLStackTable[1][4][0]);
}

} // namespace

TEST_F(DrawingTest, SketchOfASimpleSpanWithAUniformLoad) {
    BeamA();
    Show(1);
    const RecordingCanvas c = Sketch();
    // Beam, support triangles; 10 N/mm, the largest rate, 40 px high, closed down to the beam.
    ExpectLines(c, {{152, 96, 948, 96, 4}}, W);
    for (int X : {150, 950})
        ExpectLines(c, {{X, 97, X - 10, 111, 1}, {X - 10, 111, X + 10, 111, 1}, {X + 10, 111, X, 97, 1}}, W);
    ExpectLines(c, {{150, 94, 150, 54}, {150, 54, 151, 54}, {950, 54, 950, 94}, {950, 94, 951, 94}}, R);
    EXPECT_EQ(Of(c.lines(), R).size(), 2002u);
    for (const auto& l : Of(c.lines(), R))
        EXPECT_TRUE((l.y1 == 54 || l.y1 == 94) && (l.y2 == 54 || l.y2 == 94)) << l.x1 << "," << l.y1;
    // One rate label, at the load's start, without factor; no point load, no comb.
    ExpectTexts(c, {{"5.00 m", 528, 101, W}, {"10.00", 153, 32, R}});
    EXPECT_EQ(c.texts().size(), 2u);
    EXPECT_EQ(Of(c.lines(), Y).size() + Of(c.lines(), F).size(), 0u);
    EXPECT_EQ(c.texts()[0].fontSize, 11);
    EXPECT_EQ(Drawing.DrawnMemberLength[1], 5000.0f);
}

TEST_F(DrawingTest, SketchSupportsAndMemberLengths) {
    BeamB();
    const RecordingCanvas c = Sketch(false);
    // LH forkhead at 250 opens outward, the RH one at 850 mirrors it; a coupler between lifts at 550.
    for (auto [X, o] : {std::pair{250, 8}, std::pair{850, -8}})
        // clang-format off
        ExpectLines(c, {{X + o, 88, X + o, 91, 1}, {X + o, 101, X + o, 102, 1}, {X + o, 102, X - o, 102, 1},
                        {X - o, 102, X - o, 88, 1}, {X - 4, 102, X - 4, 121, 1}, {X + 4, 102, X + 4, 121, 1}}, R);
    ExpectLines(c, {{550, 156, 550, 36, 4}, {544, 102, 556, 90, 2}, {556, 102, 544, 90, 2}}, W);
    ExpectTexts(c, {{"1.000 m", 178, 101, W}, {"3.00 m", 378, 101, W}, {"3.00 m", 678, 101, W}, {"1.000 m", 888, 101, W}});
    // clang-format on
    EXPECT_EQ(Of(c.lines(), R).size(), 12u);
    for (int r = 0; r <= kRHCantRow; ++r)
        EXPECT_EQ(Drawing.DrawnMemberLength[r], r == 0 || r == 26 ? 1000 : r <= 2 ? 3000 : 0) << r;
    // A coupler at the top of a lift stops at the beam; a fixed end inside the beam is not drawn.
    Model.SupportType[1] = supCouplerTop;
    ExpectLines(Sketch(false), {{550, 156, 550, 89, 4}}, W);
    Model.SupportType[1] = supFixedEnd;
    for (const auto& l : Sketch(false).lines())
        EXPECT_FALSE(l.x1 > 530 && l.x1 < 570 && l.x2 > 530 && l.x2 < 570) << l.x1 << "," << l.y1;

    // Beam C's fixed ends: walls hatched away from the beam.
    kxtest::JobC().Commit();
    SetDefaultUnits(Model);
    const RecordingCanvas walls = Sketch(false);
    ExpectLines(walls, {{150, 71, 150, 121, 2}, {950, 71, 950, 121, 2}}, W);
    for (int y = 71; y <= 111; y += 10)
        ExpectLines(walls, {{150, y, 140, y + 10, 1}, {950, y + 10, 960, y, 1}}, W);
    ExpectTexts(walls, {{"4.00 m", 528, 101, W}});
    EXPECT_EQ(walls.lines().size(), 1u + 2 * 6);
}

TEST_F(DrawingTest, SketchLoadsOfOneLoadcaseAndOfAll) {
    BeamB();
    Show(1);
    const RecordingCanvas c = Sketch();
    // Largest rate 6 + 2 + 4 x 249 x 8 / 4000 = 9.992 N/mm at station 500 stands 40 px high; a
    // distributed load's start on a station adds nothing there, its end does. Arrows down at 350
    // and, for the upward load, up at 750 from below the beam.
    // clang-format off
    ExpectLines(c, {{250, 94, 250, 70}, {350, 70, 350, 62}, {550, 54, 550, 78}, {750, 70, 750, 94}}, R);
    ExpectLines(c, {{350, 93, 345, 80, 2}, {350, 93, 355, 80, 2}, {350, 93, 350, 45, 2},
                    {750, 100, 745, 110, 2}, {750, 100, 755, 110, 2}, {750, 100, 750, 140, 2}}, Y);
    ExpectTexts(c, {{"20.0 x 1.50", 338, 20, Y}, {"-5.00 x 1.000", 738, 20, Y}, {"4.00 x 1.50", 253, 32, R},
                    {"2.00 x 1.000", 353, 32, R}, {"6.00 x 1.000", 684, 32, R}, {"(8.00)", 538, 3, W},
                    {"(6.00)", 338, 3, W}});
    // clang-format on
    EXPECT_EQ(c.texts().size(), 7u + 4u);         // and the four member lengths
    EXPECT_EQ(Of(c.lines(), F).size(), 99u + 3u); // the self-weight's comb and frame
    for (int x = 158; x <= 942; x += 8)
        ExpectLines(c, {{x, 94, x, 84, 1}}, F);
    ExpectLines(c, {{150, 84, 950, 84}}, F);
    Model.FactoredLoadsFlag = -1;
    ExpectTexts(Sketch(), {{"6.00", 714, 32, R}, {"20.0", 338, 20, Y}});

    // Loadcase 2 at loadcase 1's scale: 6 N/mm is 24 px, not 40; no arrows, comb or labels.
    Show(2);
    const RecordingCanvas two = Sketch();
    ExpectLines(two, {{550, 70, 550, 94}}, R);
    ExpectLines(two, {{550, 54, 550, 78}}, R, false);
    EXPECT_EQ(Of(two.lines(), Y).size() + Of(two.lines(), F).size(), 0u);
    EXPECT_EQ(two.texts().size(), 4u);
    // All: both outlines, loadcase 1's arrows and comb, no load text.
    Show(0);
    Drawing.ShownCase = 3;
    const RecordingCanvas all = Sketch();
    EXPECT_EQ(Drawing.ShownCase, 0);
    ExpectLines(all, {{550, 54, 550, 78}, {550, 70, 550, 94}}, R);
    EXPECT_EQ(Of(all.lines(), R).size(), 2 * 2002u + 12u);
    EXPECT_EQ(Of(all.lines(), Y).size(), 6u);
    EXPECT_EQ(Of(all.lines(), F).size(), 102u);
    EXPECT_EQ(all.texts().size(), 4u);
}

TEST_F(DrawingTest, SketchShowsEveryPointLoadOfAllAndHoldsLoadsFarOffTheBeam) {
    BeamBuilder().Spans({5000}).Commit();
    SetDefaultUnits(Model);
    for (int lc = 1; lc <= kMaxLoadcases; ++lc)
        for (int r = 1; r <= 50; ++r) {
            const float rec[] = {1, 100.0f * r, 1000, 0, 0, 1, 1};
            std::copy_n(rec, 7, &Model.LoadTable[lc][r][0]);
            Model.CaseHasLoads[lc] = 1;
        }
    // A distributed load of no cover, and a point load far off the beam.
    const float zero[] = {-1, 2500, 7, 7, 0, 1, 1}, far[] = {1, 1e12f, 500, 0, 0, 1, 1};
    std::copy_n(zero, 7, &Model.LoadTable[1][50][0]);
    std::copy_n(far, 7, &Model.LoadTable[2][50][0]);
    Model.UDLStackTable[2][1][usX1] = -1e12f;
    Model.UDLStackTable[2][1][usW1] = 3;
    Show(0);
    const RecordingCanvas all = Sketch();
    EXPECT_EQ(Of(all.lines(), Y).size(), 3u * (5 * 50 - 1)) << "every applied point load";
    ExpectLines(all, {{30000, 93, 30000, 45, 2}}, Y); // held at 30000 px
    for (const auto& l : Of(all.lines(), R))
        EXPECT_TRUE(l.y1 == 94 && l.y2 == 94) << "a load of no cover adds nothing";
    Show(2);
    ExpectTexts(Sketch(), {{"3.00", 150 - 30000 + 3, 32, R}});
    // A load from 500 mm before the beam, falling from 10 to 0 N/mm over 1000 mm: its first station
    // inside the beam takes the full 10 (40 px), and the outline still closes down to the beam.
    const float before[] = {-1, -500, 10, 0, 1000, 1, 1};
    std::copy_n(before, 7, &Model.LoadTable[3][50][0]);
    Show(3);
    ExpectLines(Sketch(), {{150, 94, 150, 54}, {150, 54, 151, 54}}, R);
    Model.BeamLength = 0;
    Drawing.DrawnMemberLength[1] = 123;
    EXPECT_TRUE(Sketch().items.empty());
    EXPECT_EQ(Drawing.DrawnMemberLength[1], 123.0f);
}

// One 5000 mm span: loadcase 1 10 N/mm over it, loadcase 5 20 N/mm over it, a 30 kN load at
// 2500 mm and the self-weight. The vertical scale is that of the largest rate of every loadcase,
// loadcase 5's: 20 N/mm 40 px high, loadcase 1's 10 N/mm 20 px.
TEST_F(DrawingTest, SketchLoadsOfTheLastLoadcaseSetTheScaleAndShowInAll) {
    kxtest::AnalyseJob(kxtest::JobA().Udl(5, 0, 20, 5000).Point(5, 2500, 30000));
    Model.LoadTable[5][kSelfWeightRecord][lfApplied] = 1;
    Show(1);
    const RecordingCanvas one = Sketch();
    ExpectLines(one, {{150, 94, 150, 74}, {950, 74, 950, 94}}, R);
    ExpectLines(one, {{150, 94, 150, 54}}, R, false);
    EXPECT_EQ(Of(one.lines(), Y).size() + Of(one.lines(), F).size(), 0u);
    Show(5);
    const RecordingCanvas five = Sketch();
    ExpectLines(five, {{150, 94, 150, 54}, {950, 54, 950, 94}}, R);
    // The arrow at mid-span (x 550) and its label; the comb of 99 teeth and its frame.
    ExpectLines(five, {{550, 93, 545, 80, 2}, {550, 93, 555, 80, 2}, {550, 93, 550, 45, 2}}, Y);
    ExpectTexts(five, {{"30.0", 538, 20, Y}, {"5.00 m", 528, 101, W}});
    EXPECT_EQ(Of(five.lines(), F).size(), 102u);
    Show(0);
    const RecordingCanvas all = Sketch();
    ExpectLines(all, {{150, 94, 150, 54}, {150, 94, 150, 74}}, R);
    EXPECT_EQ(Of(all.lines(), Y).size(), 3u);
    EXPECT_EQ(Of(all.lines(), F).size(), 102u);
}

// Couplers at both ends; a 150 m span and a 0.4 m RH cantilever (800 px over 150400 mm): the span's
// length at 150 + R(75000 x 800 / 150400) - 22 = 527 with no decimals above 100, the cantilever's
// at R(150200 x 800 / 150400) + 150 - 12 = 937 with three below 1; the RH end support at 150 +
// R(150000 x 800 / 150400) = 948.
TEST_F(DrawingTest, SketchCouplersAtBothEndsAndLengthsLargeAndSmall) {
    BeamBuilder()
        .Spans({150000})
        .RHCantilever(400)
        .Support(1, supCouplerTop)
        .Support(2, supCouplerMid)
        .Commit();
    SetDefaultUnits(Model);
    const RecordingCanvas c = Sketch(false);
    ExpectLines(c, {{150, 156, 150, 89, 4}, {144, 102, 156, 90, 2}, {156, 102, 144, 90, 2}}, W);
    ExpectLines(c, {{948, 156, 948, 36, 4}, {942, 102, 954, 90, 2}, {954, 102, 942, 90, 2}}, W);
    ExpectTexts(c, {{"150 m", 527, 101, W}, {"0.400 m", 937, 101, W}});
    EXPECT_EQ(c.texts().size(), 2u);
    // In mm: whole millimetres, the span rounded to three figures.
    Model.UnitTextLength = "mm", Model.UnitFactorLength = 1;
    ExpectTexts(Sketch(false), {{"150000 mm", 527, 101, W}, {"400 mm", 937, 101, W}});
}

// The sketch leaves every member's length for the printed diagrams and the beam file: 25 spans of
// lengths all different (1010, 1020, .. 1250 mm) between cantilevers of 700 and 900 mm.
TEST_F(DrawingTest, SketchLeavesTheLengthOfEveryMember) {
    std::vector<double> spans;
    for (int s = 1; s <= kMaxSpans; ++s)
        spans.push_back(1000 + 10 * s);
    BeamBuilder().LHCantilever(700).Spans(spans).RHCantilever(900).Commit();
    SetDefaultUnits(Model);
    Sketch(false);
    EXPECT_EQ(Drawing.DrawnMemberLength[kLHCantRow], 700.0f);
    for (int s = 1; s <= kMaxSpans; ++s)
        EXPECT_EQ(Drawing.DrawnMemberLength[s], static_cast<float>(1000 + 10 * s)) << "span " << s;
    EXPECT_EQ(Drawing.DrawnMemberLength[kRHCantRow], 900.0f);
}

// Sums are held in N/mm and labelled when not 0 and not the load's own rate. Over 0..2000 mm of a
// 4000 mm span (0.2 px/mm) 0.25 + 0.75 = 1 N/mm exactly, labelled at both ends of both loads; over
// 2000..4000 mm 1 falling to -1 and -1 rising to 1 sum to
// 0, never labelled; a rate of 1 is. In N/m the stored 1 N/mm shows as
// 1000.
TEST_F(DrawingTest, SketchLabelsASumOfOneAndNeverASumOfZero) {
    BeamBuilder()
        .Spans({4000})
        .Udl(1, 0, 0.25f, 2000)
        .Udl(1, 0, 0.75f, 2000)
        .Distributed(1, 2000, 1, -1, 2000)
        .Distributed(1, 2000, -1, 1, 2000)
        .Commit();
    SetDefaultUnits(Model);
    const float stack[4][8] = {{0, 0.25f, 1, 1, 2000, 0.25f, 1, 1},
                               {0, 0.75f, 1, 1, 2000, 0.75f, 1, 1},
                               {2000, 1, 1, 0, 4000, -1, 1, 0},
                               {2000, -1, 1, 0, 4000, 1, 1, 0}};
    for (int r = 0; r < 4; ++r)
        std::copy_n(stack[r], 8, &Model.UDLStackTable[1][r + 1][0]);
    Show(1);
    auto texts = [] {
        RecordingCanvas c;
        DrawLoads(c, kFrameF);
        std::vector<std::string> out;
        for (const auto& t : c.texts())
            out.push_back(t.text + "@" + std::to_string(t.x1) + "," + std::to_string(t.y1));
        return out;
    };
    // Rates 3 px right of the starts x1 = 150 and 550 and 36 px left of the finish 950; sums 12 px
    // left of x1 = 150 and x2 = 550.
    using V = std::vector<std::string>;
    EXPECT_EQ(texts(),
              (V{"0.250@153,32", "(1.000)@138,3", "(1.000)@538,3", "0.750@153,32", "(1.000)@138,3",
                 "(1.000)@538,3", "1.000@553,32", "-1.000@914,32", "-1.000@553,32", "1.000@914,32"}));
    Model.UnitTextUDL = "N/m", Model.UnitFactorUDL = 0.001f;
    EXPECT_EQ(texts(), (V{"250@153,32", "(1000)@138,3", "(1000)@538,3", "750@153,32", "(1000)@138,3",
                          "(1000)@538,3", "1000@553,32", "-1000@914,32", "-1000@553,32", "1000@914,32"}));
}

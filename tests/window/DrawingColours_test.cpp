// The colours drawings are drawn in, read as red, green and blue: the printed pages in black, the
// screen's curves in each loadcase's own colour.
#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "DrawingTestSupport.h"
#include "window/PrintDiagrams.h"
#include "window/ScreenDiagrams.h"

using namespace kx;
using namespace kx::test;

// A printed page is black, its support symbols, load profile, arrows and self-weight strip too:
// a fixed LH end (wall 4 px, hatches 2), a forkhead (3), couplers at the top of a lift and between
// lifts (standards 6, crosses 3), a plain support (triangle 2); a distributed load, a point load
// and the self-weight; the loadcase page and the envelope page.
TEST_F(DrawingTest, PrintedPagesDrawEverySymbolInBlack) {
    SmallJob(4);
    Model.SupportType[0] = supFixedEnd;
    Model.SupportType[1] = supForkhead;
    Model.SupportType[2] = supCouplerTop;
    Model.SupportType[25] = supCouplerMid;
    const float stack[] = {2000, 12, 1, 12, 6000, 20, 1, 20};
    std::copy_n(stack, 8, &Model.UDLStackTable[1][50][0]);
    const float point[] = {1, 4000, 30000, 0, 0, 1, 1};
    std::copy_n(point, 7, &Model.LoadTable[1][1][0]);
    Model.LoadTable[1][kSelfWeightRecord][lfApplied] = 1;
    for (bool envelope : {false, true}) {
        p = RecordingPrinter(600);
        p.BeginDoc();
        envelope ? PrintEnvelopeDiagrams(p) : PrintCaseDiagrams(p);
        ASSERT_FALSE(p.pages.empty());
        std::set<int> widths;
        std::set<std::tuple<int, int, int>> colours; // of the lines and texts
        std::string first;                           // the first item in another colour
        for (const Item& i : Page(1).items) {
            if (i.op == RecordingCanvas::Op::Fill) continue;
            colours.insert({i.color.r, i.color.g, i.color.b});
            if (i.op == RecordingCanvas::Op::Line) widths.insert(i.width);
            if (first.empty() && i.color != Color{0, 0, 0})
                first = (i.op == RecordingCanvas::Op::Text ? i.text
                                                           : "a line of width " + std::to_string(i.width)) +
                        " at (" + std::to_string(i.x1) + "," + std::to_string(i.y1) + ")";
        }
        EXPECT_EQ(colours, (std::set<std::tuple<int, int, int>>{{0, 0, 0}}))
            << (envelope ? "envelope: " : "loadcase: ") << first;
        // Every pen of the symbols was drawn with.
        for (int w : {2, 3, 4, 6})
            EXPECT_TRUE(envelope || widths.count(w)) << "no line of width " << w;
    }
}

// Each loadcase's curves on the screen in its own colour, its red, green and blue exact: yellow,
// red, aqua, lime, blue for loadcases 1 to 5, each shear curve starting at the beam's LH end on
// its baseline (150, 216). Loadcase lc carries lc kN at the middle of the first of two 20 m spans.
TEST_F(DrawingTest, EachLoadcaseCurveHasItsOwnColourOnTheScreen) {
    BeamBuilder beam;
    beam.Spans({20000, 20000});
    for (int lc = 1; lc <= 5; ++lc)
        beam.Point(lc, 10000, 1000 * lc);
    kxtest::AnalyseJob(beam);
    ASSERT_EQ(Model.LoadcaseCount, 5);
    const Color colours[] = {{255, 255, 0}, {255, 0, 0}, {0, 255, 255}, {0, 255, 0}, {0, 0, 255}};
    for (int lc = 1; lc <= 5; ++lc) {
        Show(lc);
        RecordingCanvas c;
        DrawDiagrams(c, kFrameF);
        const Color colour = colours[lc - 1];
        EXPECT_TRUE(Ends(c, colour, 150, 216)) << "loadcase " << lc;
        std::set<std::tuple<int, int, int>> curves; // the colours of the one-pixel lines
        for (const Item& i : c.lines())
            if (i.width == 1 && i.color != colors::White) curves.insert({i.color.r, i.color.g, i.color.b});
        EXPECT_EQ(curves, (std::set<std::tuple<int, int, int>>{{colour.r, colour.g, colour.b}}))
            << "loadcase " << lc;
    }
}

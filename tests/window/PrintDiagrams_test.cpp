// The printed diagram pages: geometry in millimetres of the page, scales from the envelope, loads,
// supports and labels, at figures worked out by hand for beam B and for small made-up jobs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "PrintTestSupport.h"
#include "app/ProgramState.h"
#include "engine/EngineState.h"
#include "foundation/SigFig.h"
#include "window/PrintDiagrams.h"

using namespace kx;
using namespace kx::test;

namespace {

using Op = RecordingCanvas::Op;

bool HasLine(const RecordingCanvas& page, int xa, int ya, int xb, int yb, int width) {
    for (const auto& l : page.lines())
        if (l.width == width && ((l.x1 == xa && l.y1 == ya && l.x2 == xb && l.y2 == yb) ||
                                 (l.x1 == xb && l.y1 == yb && l.x2 == xa && l.y2 == ya)))
            return true;
    return false;
}

// The ends of the pen-3 strokes that draw the curves between two heights.
std::vector<int> CurveYs(const RecordingCanvas& page, int top, int bottom) {
    std::vector<int> ys;
    for (const auto& l : page.lines())
        if (l.width == 3 && l.y2 >= top && l.y2 <= bottom) ys.push_back(l.y2);
    return ys;
}

class PrintDiagramsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    void TearDown() override { ResetProgramState(); }
    RecordingPrinter p{600};
    const RecordingCanvas& Page(int n) { return *p.pages.at(static_cast<std::size_t>(n - 1)); }
};

// A job without an analysis: one span of 10000 mm between supports, one loadcase whose curves are
// given by hand, the envelope's largest values all 1000.
void SmallJob(int spans = 1) {
    SetDefaultUnits(Model);
    Model.BeamLength = 10000;
    Model.SpanCount[0] = Model.SpanCount[1] = spans;
    for (int s = 1; s <= spans; ++s)
        Drawing.DrawnMemberLength[s] = Eng.LoadcaseSpanLength[1][s] = 10000.0f / static_cast<float>(spans);
    Model.LoadcaseCount = 1;
    Model.SupportType.fill(supFixed);
    for (auto* table : {&Eng.ShearExtremes, &Eng.MomentExtremes, &Eng.DeflectionExtremes})
        (*table)[0][27][5] = 1000;
    Eng.ShearPolyline[1][0].x = 1;
    Eng.ShearPolyline[1][1] = {0.5f, 1000};
    Eng.MomentPolyline[1][0].x = 1;
    Eng.MomentPolyline[1][1] = {0.5f, 1000};
}

} // namespace

TEST_F(PrintDiagramsTest, TheLoadcasePageOfBeamBStandsWhereTheMillimetresPutIt) {
    AnalyseBeamB();
    // Two spans, P = 20000 N at mid-span 1: reactions 13/32, 22/32 and -3/32 of P; shear
    // 8125 - 20000 = -11875 N right of the load; moment 8125 x 2000 = 16.25e6 N mm under it.
    ASSERT_NEAR(Eng.ShearExtremes[0][27][5], 11875, 1);
    ASSERT_NEAR(Eng.MomentExtremes[0][27][5], 16.25e6, 1e3);
    ASSERT_NEAR(Eng.DeflectionExtremes[0][27][5], 0.9143, 0.001);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    ASSERT_EQ(p.pages.size(), 2u);
    const auto& page = Page(1);
    EXPECT_TRUE(page.hasText("Page 1")) << "under the page header";
    EXPECT_TRUE(HasTextAt(page, " LOADCASE 1", 354, 945));
    EXPECT_EQ(TextItem(page, " LOADCASE 1").fontSize, 12);
    EXPECT_TRUE(HasTextAt(Page(2), " LOADCASE 2", 354, 945));

    EXPECT_TRUE(HasLine(page, 591, 1772, 4488, 1772, 9)) << "the beam, 25 to 190 mm";
    // Supports at 1000, 5000 and 9000 mm of 10500: 591 + FloatToInt(s x 3897 / 10500).
    for (int x : {962, 2447, 3931}) {
        EXPECT_TRUE(HasLine(page, x, 1778, x - 47, 1843, 2)) << x;
        EXPECT_TRUE(HasLine(page, x - 47, 1843, x + 47, 1843, 2)) << x;
        EXPECT_TRUE(HasLine(page, x + 47, 1843, x, 1778, 2)) << x;
    }
    for (int y : {2953, 4134, 5433})
        EXPECT_TRUE(HasLine(page, 591, y, 4488, y, 2)) << "baseline " << y;

    EXPECT_TRUE(HasLine(page, 1704, 1748, 1704, 1535, 3)) << "the arrow's shaft, 74 to 65 mm";
    EXPECT_TRUE(HasLine(page, 1704, 1748, 1680, 1701, 3)) << "its head";
    EXPECT_TRUE(HasTextAt(page, "20.00 kN", 1586, 1346));
    EXPECT_FALSE(page.hasText("4.000 kN")) << "loadcase 2's loads are not on this page";
    EXPECT_TRUE(HasTextAt(page, "8.13 kN", 844, 1913));
    EXPECT_TRUE(HasTextAt(page, "13.8 kN", 2329, 1913));
    EXPECT_TRUE(HasTextAt(page, "-1.88 kN", 3813, 1913));
    std::vector<std::string> lengths;
    for (const auto& t : TextsAt(page, 1831)) // 77.5 mm down
        lengths.push_back(t.text);
    EXPECT_EQ(lengths, (std::vector<std::string>{"1.000", "4.00", "4.00", "1.50"}));

    const Item loads = TextItem(page, "APPLIED LOADS");
    EXPECT_EQ(std::vector<int>({loads.x1, loads.y1, loads.fontSize}), std::vector<int>({2244, 2126, 10}));
    EXPECT_TRUE(HasTextAt(page, "SHEAR", 2362, 3425));
    EXPECT_TRUE(HasTextAt(page, "MOMENT", 2339, 4665));
    EXPECT_TRUE(HasTextAt(page, "DEFLECTION", 2315, 5988));
    const Item units = TextItem(page, "(Units = kN)");
    EXPECT_EQ(std::vector<int>({units.x1, units.y1, units.fontSize}), std::vector<int>({2315, 3520, 8}));
    EXPECT_TRUE(HasTextAt(page, "(Units = kN-m)", 2362, 4760));
    EXPECT_TRUE(HasTextAt(page, "(Units = mm)", 2362, 6083));

    // f = 1 - 0.05 x 2 spans = 0.9: the governing values stand 14 x 23.622 x 0.9 = 298 px (shear)
    // and 18 x 23.622 x 0.9 = 383 px (moment, deflection) from their baselines.
    const auto shear = CurveYs(page, 2953 - 400, 2953 + 400);
    EXPECT_NEAR(*std::max_element(shear.begin(), shear.end()), 2953 + 298, 1);
    const auto moment = CurveYs(page, 4134 - 500, 4134 + 500);
    EXPECT_NEAR(*std::min_element(moment.begin(), moment.end()), 4134 - 383, 1);
    const auto deflection = CurveYs(page, 5433 - 500, 5433 + 500);
    EXPECT_NEAR(*std::max_element(deflection.begin(), deflection.end()), 5433 + 383, 1);

    // Labels: span 1's start shear 1 mm right of its start, 5 mm above its point.
    const int yStart =
        2953 - static_cast<int>(std::lround(8125 * 14 * (600 / 25.4) * 0.9 / Eng.ShearExtremes[0][27][5]));
    EXPECT_TRUE(HasTextAt(page, SigFig4Dec3(Eng.ShearExtremes[1][1][1] * 0.001), 962 + 24, yStart - 118));
    // The scale bar on x0 from the loadcase's largest to smallest shear, with its zero.
    EXPECT_TRUE(HasTextAt(page, "0.0", 591 - 236, 2953 - 71));
    EXPECT_TRUE(HasLine(page, 591 - 71, 2953, 591, 2953, 1));
}

TEST_F(PrintDiagramsTest, TheEnvelopePageOverlaysEveryLoadcaseWithoutLoadValues) {
    AnalyseBeamB();
    // The largest and smallest reaction of each support, as the main window's diagrams leave them.
    for (int k = 1; k <= 3; ++k)
        for (int lc = 1; lc <= 2; ++lc) {
            const float r = static_cast<float>(Eng.SupportReaction[lc][k]);
            Eng.SupportWorkValues[k] = std::max(Eng.SupportWorkValues[k], r);
            Eng.MinSupportReaction[k] = std::min(Eng.MinSupportReaction[k], r);
        }
    p.BeginDoc();
    PrintEnvelopeDiagrams(p);
    ASSERT_EQ(p.pages.size(), 1u);
    const auto& page = Page(1);
    EXPECT_TRUE(HasTextAt(page, "  Envelope Diagrams ", 354, 945));
    for (const char* title :
         {"ALL APPLIED LOADS", "SHEAR ENVELOPE", "MOMENT ENVELOPE", "DEFLECTION ENVELOPE"})
        EXPECT_TRUE(page.hasText(title)) << title;
    for (int x : {591, 1704, 4488})
        EXPECT_TRUE(HasLine(page, x, 1748, x, 1535, 3)) << "arrow at " << x;
    for (const auto& t : page.texts())
        EXPECT_EQ(t.text.find("kN") != std::string::npos && t.y1 < 1772, false)
            << "no load value: " << t.text;

    // Scales of 15 and 20 mm: 15 x 23.622 x 0.9 = 319 px, 20 x 23.622 x 0.9 = 425 px.
    const auto shear = CurveYs(page, 2953 - 400, 2953 + 400);
    EXPECT_NEAR(*std::max_element(shear.begin(), shear.end()), 2953 + 319, 1);
    const auto moment = CurveYs(page, 4134 - 500, 4134 + 500);
    EXPECT_NEAR(*std::min_element(moment.begin(), moment.end()), 4134 - 425, 1);
    // Both loadcases' curves: the moment of loadcase 2 under its RH cantilever, 5000 x 1500.
    const int rhMoment = 4134 + static_cast<int>(std::lround(7.5e6 * 20 * (600 / 25.4) * 0.9 / 16.25e6));
    EXPECT_NEAR(*std::max_element(moment.begin(), moment.end()), rhMoment, 2);

    // Reactions: largest 6 mm under the beam, 5 mm left; the negative smallest 10 mm under, 6 mm left.
    EXPECT_TRUE(HasTextAt(page, SigFig3Dec3(Eng.SupportWorkValues[2] * 0.001) + " kN", 2447 - 118, 1913));
    EXPECT_TRUE(HasTextAt(page, "-1.88 kN", 3931 - 142, 2008));
}

TEST_F(PrintDiagramsTest, SupportSymbolsUseTheAcrossAndDownResolutionsApart) {
    SmallJob(3);
    Model.SupportType[0] = supFixedEnd;
    Model.SupportType[1] = supForkhead;
    Model.SupportType[2] = supCouplerTop;
    Model.SupportType[25] = supCouplerMid;
    p = RecordingPrinter(600, 300); // 23.622 px/mm across, 11.811 down
    p.BeginDoc();
    PrintCaseDiagrams(p);
    const auto& page = Page(1);
    const int y = 886; // 75 mm down
    // Fixed LH end: bar 6 mm up and down, six strokes 2 mm out to the left.
    EXPECT_TRUE(HasLine(page, 591, 815, 591, 957, 4));
    EXPECT_TRUE(HasLine(page, 591, 815, 544, 839, 2));
    EXPECT_TRUE(HasLine(page, 591, 862, 544, 886, 2));
    // Forkhead at 591 + 1299 = 1890.
    const int f = 1890;
    EXPECT_TRUE(HasLine(page, f + 47, 862, f + 47, 871, 3));
    EXPECT_TRUE(HasLine(page, f - 47, 904, f - 47, 862, 3));
    EXPECT_TRUE(HasLine(page, f - 24, 904, f - 24, 957, 3)) << "a leg, 1 mm in and 6 mm down";
    // Couplers: posts 20 mm down to 2 mm up (top of a lift) and 20 mm up (between lifts).
    EXPECT_TRUE(HasLine(page, 3189, 1122, 3189, 862, 6));
    EXPECT_TRUE(HasLine(page, 3189 - 47, 909, 3189 + 47, 862, 3));
    EXPECT_TRUE(HasLine(page, 4488, 1122, 4488, 650, 6));
    EXPECT_FALSE(HasLine(page, 4488, 890, 4441, 921, 2)) << "no triangle under a coupler";
    EXPECT_TRUE(HasLine(page, 591, y, 4488, y, 9));
}

TEST_F(PrintDiagramsTest, ScalesHoldForManySpansAndZeroMaximaAndMirrorWithTheMomentSign) {
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(1), 0.95);
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(10), 0.5);
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(20), 0.05) << "not 0: the bands would be flat";
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(25), 0.05) << "not negative: they would be mirrored";

    SmallJob(20);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    // 1000 of 1000 at 14 mm x 0.05 = 16.5 px above the shear baseline, 18 mm x 0.05 above the moment's.
    EXPECT_TRUE(HasLine(Page(1), 591, 2953, 2539, 2953 - 17, 3));
    EXPECT_TRUE(HasLine(Page(1), 591, 4134, 2539, 4134 - 21, 3));

    // A zero largest shear or moment gives a zero scale, not a division by zero.
    ResetProgramState();
    SmallJob();
    Eng.ShearExtremes[0][27][5] = 0;
    Eng.MomentExtremes[0][27][5] = 0;
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    EXPECT_TRUE(HasLine(Page(1), 591, 2953, 2539, 2953, 3));
    EXPECT_TRUE(HasLine(Page(1), 591, 4134, 2539, 4134, 3));

    // With the moment sign -1 the moment is drawn the other way up: 18 mm x 0.95 below.
    ResetProgramState();
    SmallJob();
    Model.MomentDiagramSign = -1;
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    EXPECT_TRUE(HasLine(Page(1), 591, 4134, 2539, 4134 + 404, 3));
}

TEST_F(PrintDiagramsTest, NothingPrintsWithoutDeflectionsOrABeamAndTheEnvelopeTakesEveryLoad) {
    SmallJob();
    Eng.DeflectionExtremes[0][27][5] = 0;
    p.BeginDoc();
    PrintCaseDiagrams(p);
    PrintEnvelopeDiagrams(p);
    EXPECT_TRUE(Page(1).items.empty()) << "not even the page header";
    Eng.DeflectionExtremes[0][27][5] = 1000;
    Model.BeamLength = 0;
    PrintEnvelopeDiagrams(p);
    Model.BeamLength = 10000;
    Model.LoadcaseCount = 0;
    PrintCaseDiagrams(p);
    EXPECT_TRUE(Page(1).items.empty());

    // 250 distributed loads over five loadcases: 249 light ones over 0..8000 mm, the last a heavy
    // one over 9000..9200 mm. The envelope's profile sums them all.
    Model.LoadcaseCount = 5;
    for (int lc = 1; lc <= 5; ++lc)
        for (int r = 1; r <= 50; ++r) {
            TLoadRec& rec = Model.LoadTable[lc][r];
            rec[lfKind] = -1;
            rec[lfDist] = 0;
            rec[lfW1] = rec[lfW2] = 0.001f;
            rec[lfCover] = 8000;
            rec[lfLF] = 1;
            rec[lfApplied] = 1;
        }
    TLoadRec& last = Model.LoadTable[5][50];
    last[lfDist] = 9000;
    last[lfCover] = 200;
    last[lfW1] = last[lfW2] = 10;
    PrintEnvelopeDiagrams(p);
    // Hatch strokes at 9200 mm: 10 N/mm, the largest, 8 mm high; at 4000 mm: 249 x 0.001 N/mm.
    EXPECT_TRUE(HasLine(Page(1), 4176, 1771, 4176, 1772 - 189, 2));
    EXPECT_TRUE(HasLine(Page(1), 2150, 1771, 2150, 1772 - 5, 2));
}

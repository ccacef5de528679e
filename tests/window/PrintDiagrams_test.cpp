// The printed diagram pages: geometry in millimetres of the page, scales from the envelope, loads,
// supports and labels, at figures worked out by hand for beam B and for small made-up jobs.
#include "window/PrintDiagrams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "DrawingTestSupport.h"
#include "foundation/SigFig.h"

using namespace kx;
using namespace kx::test;

namespace {

// The farthest end of the pen-3 curve strokes from the baseline y within 500 px: below (+1) or
// above (-1) it.
int CurveEnd(const RecordingCanvas& page, int y, int side) {
    int far = y;
    for (const auto& l : page.lines())
        if (l.width == 3 && std::abs(l.y2 - y) <= 500 && (l.y2 - far) * side > 0) far = l.y2;
    return far;
}

// A job without an analysis: 10000 mm of equal spans between supports, one loadcase whose shear
// and moment are given by hand, the envelope's largest values all 1000.
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
    Eng.ShearPolyline[1][0].x = Eng.MomentPolyline[1][0].x = 1;
    Eng.ShearPolyline[1][1] = {0.5f, 1000};
    Eng.MomentPolyline[1][1] = {0.5f, 1000};
}

} // namespace

TEST_F(DrawingTest, PrintedLoadcasePageOfBeamBStandsWhereTheMillimetresPutIt) {
    PrintBeamB();
    // P = 20000 N at mid-span 1: reactions 13/32, 22/32, -3/32 of P; shear 8125 - 20000 = -11875 N
    // right of the load; moment 8125 x 2000 = 16.25e6 N mm under it.
    ASSERT_NEAR(Eng.ShearExtremes[0][27][5], 11875, 1);
    ASSERT_NEAR(Eng.MomentExtremes[0][27][5], 16.25e6, 1e3);
    ASSERT_NEAR(Eng.DeflectionExtremes[0][27][5], 0.9143, 0.001);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    ASSERT_EQ(p.pages.size(), 2u);
    const RecordingCanvas& page = Page(1);
    EXPECT_TRUE(page.hasText("Page 1")) << "under the page header";
    EXPECT_EQ(TextItem(page, " LOADCASE 1").fontSize, 12);
    EXPECT_TRUE(HasText(Page(2), " LOADCASE 2", {354, 945}));
    EXPECT_TRUE(HasLine(page, {591, 1772}, {4488, 1772}, 9)) << "the beam, 25 to 190 mm";
    // Supports at 1000, 5000 and 9000 mm of 10500: 591 + FloatToInt(s x 3897 / 10500).
    for (int x : {962, 2447, 3931}) {
        EXPECT_TRUE(HasLine(page, {x, 1778}, {x - 47, 1843}, 2)) << x;
        EXPECT_TRUE(HasLine(page, {x - 47, 1843}, {x + 47, 1843}, 2)) << x;
        EXPECT_TRUE(HasLine(page, {x + 47, 1843}, {x, 1778}, 2)) << x;
    }
    for (int y : {2953, 4134, 5433})
        EXPECT_TRUE(HasLine(page, {591, y}, {4488, y}, 2)) << "baseline " << y;
    EXPECT_TRUE(HasLine(page, {1704, 1748}, {1704, 1535}, 3)) << "the arrow's shaft, 74 to 65 mm";
    EXPECT_TRUE(HasLine(page, {1704, 1748}, {1680, 1701}, 3)) << "its head";
    EXPECT_FALSE(page.hasText("4.000 kN")) << "loadcase 2's loads are not on this page";
    ExpectTexts(page, {{" LOADCASE 1", 354, 945},
                       {"20.00 kN", 1586, 1346},
                       {"8.13 kN", 844, 1913},
                       {"13.8 kN", 2329, 1913},
                       {"-1.88 kN", 3813, 1913},
                       {"SHEAR", 2362, 3425},
                       {"MOMENT", 2339, 4665},
                       {"DEFLECTION", 2315, 5988},
                       {"(Units = kN-m)", 2362, 4760},
                       {"(Units = mm)", 2362, 6083}});
    std::vector<std::string> lengths; // 77.5 mm down
    for (const auto& t : page.texts())
        if (t.y1 == 1831) lengths.push_back(t.text);
    EXPECT_EQ(lengths, (std::vector<std::string>{"1.000", "4.00", "4.00", "1.50"}));
    for (auto [text, x, y, size] :
         {std::tuple{"APPLIED LOADS", 2244, 2126, 10}, {"(Units = kN)", 2315, 3520, 8}}) {
        const Item i = TextItem(page, text);
        EXPECT_EQ(std::vector<int>({i.x1, i.y1, i.fontSize}), std::vector<int>({x, y, size})) << text;
    }
    // f = 1 - 0.05 x 2 spans = 0.9: the governing values stand 14 x 23.622 x 0.9 = 298 px (shear)
    // and 18 x 23.622 x 0.9 = 383 px (moment, deflection) from their baselines.
    EXPECT_NEAR(CurveEnd(page, 2953, 1), 2953 + 298, 1);
    EXPECT_NEAR(CurveEnd(page, 4134, -1), 4134 - 383, 1);
    EXPECT_NEAR(CurveEnd(page, 5433, 1), 5433 + 383, 1);
    // Span 1's start shear labelled 1 mm right of its start, 5 mm above its point; the scale bar's
    // zero on x0.
    const int yStart = 2953 - static_cast<int>(std::lround(8125 * 14 * (600 / 25.4) * 0.9 / 11875));
    EXPECT_TRUE(HasText(page, SigFig4Dec3(Eng.ShearExtremes[1][1][1] * 0.001), {962 + 24, yStart - 118}));
    EXPECT_TRUE(HasText(page, "0.0", {591 - 236, 2953 - 71}));
    EXPECT_TRUE(HasLine(page, {591 - 71, 2953}, {591, 2953}, 1));

    // The envelope page: every loadcase's loads without values, both loadcases' curves at scales of
    // 15 and 20 mm (319 and 425 px); loadcase 2's moment under its RH cantilever, 5000 x 1500.
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintEnvelopeDiagrams(p);
    ASSERT_EQ(p.pages.size(), 1u);
    const RecordingCanvas& env = Page(1);
    ExpectTexts(env, {{"  Envelope Diagrams ", 354, 945}, {"-1.88 kN", 3931 - 142, 2008}});
    EXPECT_TRUE(HasText(env, SigFig3Dec3(Eng.SupportWorkValues[2] * 0.001) + " kN", {2447 - 118, 1913}));
    for (const char* title :
         {"ALL APPLIED LOADS", "SHEAR ENVELOPE", "MOMENT ENVELOPE", "DEFLECTION ENVELOPE"})
        EXPECT_TRUE(env.hasText(title)) << title;
    for (int x : {591, 1704, 4488})
        EXPECT_TRUE(HasLine(env, {x, 1748}, {x, 1535}, 3)) << "arrow at " << x;
    for (const auto& t : env.texts())
        EXPECT_FALSE(t.text.find("kN") != std::string::npos && t.y1 < 1772) << "no load value: " << t.text;
    EXPECT_NEAR(CurveEnd(env, 2953, 1), 2953 + 319, 1);
    EXPECT_NEAR(CurveEnd(env, 4134, -1), 4134 - 425, 1);
    EXPECT_NEAR(CurveEnd(env, 4134, 1), 4134 + std::lround(7.5e6 * 20 * (600 / 25.4) * 0.9 / 16.25e6), 2);
}

TEST_F(DrawingTest, PrintedSupportSymbolsUseTheAcrossAndDownResolutionsApart) {
    SmallJob(3);
    Model.SupportType[0] = supFixedEnd;
    Model.SupportType[1] = supForkhead;
    Model.SupportType[2] = supCouplerTop;
    Model.SupportType[25] = supCouplerMid;
    p = RecordingPrinter(600, 300); // 23.622 px/mm across, 11.811 down
    p.BeginDoc();
    PrintCaseDiagrams(p);
    const RecordingCanvas& page = Page(1);
    const int f = 1890; // forkhead at 591 + 1299
    // clang-format off
    const int lines[][5] = {
        {591, 886, 4488, 886, 9},                            // the beam, 75 mm down
        {591, 815, 591, 957, 4}, {591, 815, 544, 839, 2}, {591, 862, 544, 886, 2}, // fixed LH end
        {f + 47, 862, f + 47, 871, 3}, {f - 47, 904, f - 47, 862, 3}, {f - 24, 904, f - 24, 957, 3},
        {3189, 1122, 3189, 862, 6}, {3189 - 47, 909, 3189 + 47, 862, 3}, // coupler at the top of a lift
        {4488, 1122, 4488, 650, 6},                          // coupler between lifts
    };
    // clang-format on
    for (const auto& l : lines)
        EXPECT_TRUE(HasLine(page, {l[0], l[1]}, {l[2], l[3]}, l[4]));
    EXPECT_FALSE(HasLine(page, {4488, 890}, {4441, 921}, 2)) << "no triangle under a coupler";
}

TEST_F(DrawingTest, PrintedScalesHoldForManySpansAndZeroMaximaAndMirrorWithTheMomentSign) {
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(1), 0.95);
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(10), 0.5);
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(20), 0.05) << "not 0: the bands would be flat";
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(25), 0.05) << "not negative: they would be mirrored";
    // 1000 of 1000 at the middle of span 1: shear 14 mm and moment 18 mm, times the shrink factor.
    auto peaks = [this](int spans, float maxShear, float maxMoment, int sign) {
        ResetProgramState();
        SmallJob(spans);
        Eng.ShearExtremes[0][27][5] = maxShear;
        Eng.MomentExtremes[0][27][5] = maxMoment;
        Model.MomentDiagramSign = sign;
        p = RecordingPrinter(600);
        p.BeginDoc();
        PrintCaseDiagrams(p);
        return Page(1);
    };
    EXPECT_TRUE(HasLine(peaks(20, 1000, 1000, 1), {591, 2953}, {2539, 2953 - 17}, 3));
    EXPECT_TRUE(HasLine(Page(1), {591, 4134}, {2539, 4134 - 21}, 3));
    EXPECT_TRUE(HasLine(peaks(1, 0, 0, 1), {591, 2953}, {2539, 2953}, 3)) << "a zero maximum: scale 0";
    EXPECT_TRUE(HasLine(Page(1), {591, 4134}, {2539, 4134}, 3));
    EXPECT_TRUE(HasLine(peaks(1, 1000, 1000, -1), {591, 4134}, {2539, 4134 + 404}, 3))
        << "18 mm x 0.95 below";
}

TEST_F(DrawingTest, PrintedDiagramsNeedDeflectionsAndABeamAndTheEnvelopeTakesEveryLoad) {
    SmallJob();
    Eng.DeflectionExtremes[0][27][5] = 0;
    p.BeginDoc();
    PrintCaseDiagrams(p);
    PrintEnvelopeDiagrams(p);
    Eng.DeflectionExtremes[0][27][5] = 1000;
    Model.BeamLength = 0;
    PrintEnvelopeDiagrams(p);
    Model.BeamLength = 10000;
    Model.LoadcaseCount = 0;
    PrintCaseDiagrams(p);
    EXPECT_TRUE(Page(1).items.empty()) << "not even the page header";

    // 250 distributed loads over five loadcases: 249 light ones over 0..8000 mm, the last a heavy
    // one over 9000..9200 mm. The envelope's profile sums them all.
    Model.LoadcaseCount = 5;
    for (int lc = 1; lc <= 5; ++lc)
        for (int r = 1; r <= 50; ++r) {
            const bool last = lc == 5 && r == 50;
            const float w = last ? 10 : 0.001f;
            const float rec[] = {-1, last ? 9000.0f : 0.0f, w, w, last ? 200.0f : 8000.0f, 1, 1};
            std::copy(std::begin(rec), std::end(rec), &Model.LoadTable[lc][r][0]);
        }
    PrintEnvelopeDiagrams(p);
    // Hatch strokes at 9200 mm: 10 N/mm, the largest, 8 mm high; at 4000 mm: 249 x 0.001 N/mm.
    EXPECT_TRUE(HasLine(Page(1), {4176, 1771}, {4176, 1772 - 189}, 2));
    EXPECT_TRUE(HasLine(Page(1), {2150, 1771}, {2150, 1772 - 5}, 2));
}

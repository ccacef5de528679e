// The printed diagram pages: geometry in millimetres of the page, scales from the envelope, loads,
// supports and labels, at figures worked out by hand for beam B and for small made-up jobs.
#include "window/PrintDiagrams.h"

#include <algorithm>
#include <cmath>
#include <tuple>

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

} // namespace

TEST_F(DrawingTest, PrintedDiagramPagesOfBeamBStandWhereTheMillimetresPutThem) {
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
    EXPECT_FALSE(page.hasText("4.000 kN")) << "loadcase 2's loads are not on this page";
    ExpectTexts(Page(2), {{" LOADCASE 2", 354, 945}});
    // The beam from 25 to 190 mm; supports at 1000, 5000 and 9000 mm of 10500: 591 + FloatToInt(s x
    // 3897 / 10500); baselines; the arrow from 74 to 65 mm down with its head.
    ExpectLines(page, {{591, 1772, 4488, 1772, 9}, {1704, 1748, 1704, 1535, 3}, {1704, 1748, 1680, 1701, 3}});
    for (int x : {962, 2447, 3931})
        ExpectLines(
            page, {{x, 1778, x - 47, 1843, 2}, {x - 47, 1843, x + 47, 1843, 2}, {x + 47, 1843, x, 1778, 2}});
    for (int y : {2953, 4134, 5433})
        ExpectLines(page, {{591, y, 4488, y, 2}});
    // clang-format off
    ExpectTexts(page, {{" LOADCASE 1", 354, 945}, {"20.00 kN", 1586, 1346}, {"8.13 kN", 844, 1913},
                       {"13.8 kN", 2329, 1913}, {"-1.88 kN", 3813, 1913}, {"SHEAR", 2362, 3425}, {"MOMENT", 2339, 4665},
                       {"DEFLECTION", 2315, 5988}, {"(Units = kN-m)", 2362, 4760}, {"(Units = mm)", 2362, 6083}});
    // clang-format on
    std::vector<std::string> lengths; // 77.5 mm down
    for (const auto& t : page.texts())
        if (t.y1 == 1831) lengths.push_back(t.text);
    EXPECT_EQ(lengths, (std::vector<std::string>{"1.000", "4.00", "4.00", "1.50"}));
    // Each length centred on its member less 6 mm (142 px), the RH cantilever's less 4 mm (94 px):
    // middles at 500, 3000, 7000 and 9750 mm, 591 + FloatToInt(s x 3897 / 10500) = 777, 1704,
    // 3189 and 4210.
    ExpectTexts(page, {{"1.000", 777 - 142, 1831},
                       {"4.00", 1704 - 142, 1831},
                       {"4.00", 3189 - 142, 1831},
                       {"1.50", 4210 - 94, 1831}});
    for (auto [text, x, y, size] : {std::tuple{"APPLIED LOADS", 2244, 2126, 10},
                                    {"(Units = kN)", 2315, 3520, 8},
                                    {" LOADCASE 1", 354, 945, 12}}) {
        const Item i = TextItem(page, text);
        EXPECT_EQ(std::make_tuple(i.x1, i.y1, i.fontSize), std::make_tuple(x, y, size)) << text;
    }
    // f = 1 - 0.05 x 2 spans = 0.9: the governing values stand 14 x 23.622 x 0.9 = 298 px (shear)
    // and 18 x 23.622 x 0.9 = 383 px (moment, deflection) from their baselines.
    EXPECT_NEAR(CurveEnd(page, 2953, 1), 2953 + 298, 1);
    EXPECT_NEAR(CurveEnd(page, 4134, -1), 4134 - 383, 1);
    EXPECT_NEAR(CurveEnd(page, 5433, 1), 5433 + 383, 1);
    // Span 1's start shear labelled 1 mm right of its start, 5 mm above its point; the scale bar's
    // zero on x0.
    const int yStart = 2953 - static_cast<int>(std::lround(8125 * 14 * (600 / 25.4) * 0.9 / 11875));
    // Its end shear, 8125 - 20000 = -11875 N, 4 mm left of support 2 (2447) and 3 mm under its
    // point 298 px below the baseline.
    ExpectTexts(page, {{SigFig4Dec3(Eng.ShearExtremes[1][1][1] * 0.001), 962 + 24, yStart - 118},
                       {SigFig4Dec3(-11.875), 2447 - 94, 2953 + 298 + 71},
                       {"0.0", 591 - 236, 2953 - 71}});
    ExpectLines(page, {{591 - 71, 2953, 591, 2953, 1}});
    // Span 1's moments: 16.25e6 N mm under the load, 4 mm left of its middle (1704) and 5 mm over
    // its point 383 px above 4134; at support 2, 8125 x 4000 - 20000 x 2000 = -7.5e6 N mm, 177 px
    // below, 4 mm left of 2447 and 3 mm under. Its sag, 0.9143 mm down, 4 mm left of the middle and
    // 2 mm under its point 383 px below 5433.
    ExpectTexts(page, {{"16.25", 1704 - 94, 4134 - 383 - 118},
                       {"-7.500", 2447 - 94, 4134 + 177 + 71},
                       {"-0.914", 1704 - 94, 5433 + 383 + 47}});

    // The envelope page: every loadcase's loads without values, the largest reaction 6 mm under the
    // beam and 5 mm left, a negative smallest 10 mm under and 6 mm left; both loadcases' curves at
    // 15 and 20 mm (319 and 425 px), loadcase 2's moment under its RH cantilever 5000 x 1500.
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintEnvelopeDiagrams(p);
    ASSERT_EQ(p.pages.size(), 1u);
    const RecordingCanvas& env = Page(1);
    ExpectTexts(env, {{"  Envelope Diagrams ", 354, 945},
                      {"-1.88 kN", 3931 - 142, 2008},
                      {SigFig3Dec3(Eng.SupportWorkValues[2] * 0.001) + " kN", 2447 - 118, 1913}});
    for (const char* title :
         {"ALL APPLIED LOADS", "SHEAR ENVELOPE", "MOMENT ENVELOPE", "DEFLECTION ENVELOPE"})
        EXPECT_TRUE(env.hasText(title)) << title;
    ExpectLines(env, {{591, 1748, 591, 1535, 3}, {1704, 1748, 1704, 1535, 3}, {4488, 1748, 4488, 1535, 3}});
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
    const int f = 1890; // the forkhead at 591 + 1299
    // The beam 75 mm down; the fixed LH end; the forkhead; couplers at the top of a lift (3189) and
    // between lifts (4488), without a triangle.
    // clang-format off
    ExpectLines(Page(1), {{591, 886, 4488, 886, 9}, {591, 815, 591, 957, 4}, {591, 815, 544, 839, 2},
                          {591, 862, 544, 886, 2}, {f + 47, 862, f + 47, 871, 3}, {f - 47, 904, f - 47, 862, 3},
                          {f - 24, 904, f - 24, 957, 3}, {3189, 1122, 3189, 862, 6}, {3142, 909, 3236, 862, 3},
                          {4488, 1122, 4488, 650, 6}});
    // clang-format on
    ExpectLines(Page(1), {{4488, 890, 4441, 921, 2}}, {}, false);
}

TEST_F(DrawingTest, PrintedBandScalesOfLoadcaseAndEnvelopePages) {
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(1), 0.95);
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(10), 0.5);
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(20), 0.05) << "not 0: the bands would be flat";
    EXPECT_DOUBLE_EQ(DiagramShrinkFactor(25), 0.05) << "not negative: they would be mirrored";
    // 1000 of 1000 at the middle of span 1 (x 2539) stands 14, 18 and 18 mm from the baselines at
    // 125, 175 and 230 mm (2953, 4134, 5433 px) on a loadcase page, 15, 20 and 20 mm on the envelope
    // page, times the shrink factor, at 600 / 25.4 px a mm: 18 x 0.95 mm is 403.9 px. A zero largest
    // value gives a zero scale, the moment sign -1 turns the moment over, a sag is drawn downwards.
    const std::tuple<bool, int, float, int, int, int, int> runs[] = {{false, 20, 1000, 1, -17, -21, 21},
                                                                     {false, 1, 0, 1, 0, 0, 404},
                                                                     {false, 1, 1000, -1, -314, 404, 404},
                                                                     {true, 1, 1000, 1, -337, -449, 449}};
    for (auto [envelope, spans, largest, sign, shear, moment, deflection] : runs) {
        ResetProgramState();
        SmallJob(spans);
        Eng.ShearExtremes[0][27][5] = Eng.MomentExtremes[0][27][5] = largest;
        Model.MomentDiagramSign = sign;
        p = RecordingPrinter(600);
        p.BeginDoc();
        envelope ? PrintEnvelopeDiagrams(p) : PrintCaseDiagrams(p);
        ExpectLines(Page(1), {{591, 2953, 2539, 2953 + shear, 3},
                              {591, 4134, 2539, 4134 + moment, 3},
                              {591, 5433, 2539, 5433 + deflection, 3}});
    }
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
    // one over 9000..9200 mm. The envelope's profile sums them all: hatch strokes at 9200 mm 8 mm
    // high for 10 N/mm, the largest; at 4000 mm for 249 x 0.001 N/mm.
    Model.LoadcaseCount = 5;
    for (int lc = 1; lc <= 5; ++lc)
        for (int r = 1; r <= 50; ++r) {
            const bool last = lc == 5 && r == 50;
            const float w = last ? 10 : 0.001f,
                        rec[] = {-1, last ? 9000.0f : 0, w, w, last ? 200.0f : 8000, 1, 1};
            std::copy_n(rec, 7, &Model.LoadTable[lc][r][0]);
        }
    PrintEnvelopeDiagrams(p);
    ExpectLines(Page(1), {{4176, 1771, 4176, 1772 - 189, 2}, {2150, 1771, 2150, 1772 - 5, 2}});

    // The profile counts from the LH end's own sample: a load from -1000 mm over 2000 mm rising from
    // 0 to 10 N/mm is 0.05 N/mm x i at sample i, 5 at 1000 mm the largest; the hatch at sample 20
    // (200 mm, x 669) stands 1/5 of 8 mm (37.8 px) high.
    ResetProgramState();
    SmallJob();
    const float before[] = {-1, -1000, 0, 10, 2000, 1, 1};
    std::copy_n(before, 7, &Model.LoadTable[1][1][0]);
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    ExpectLines(Page(1), {{669, 1771, 669, 1772 - 38, 2}});
}

TEST_F(DrawingTest, PrintedScaleBarsAndEndLabelsOfBeamBLoadcase2) {
    // Loadcase 2: 4000 N at the LH tip (a = 1000), 5000 N at the RH tip (b = 1500). Support
    // moments -4e6 and -7.5e6 N mm; three moments over the 4000 + 4000 spans give +2.875e6 at the
    // middle support. Shear: -4000 on the LH cantilever, 5718.75 - 4000 = 1718.75 on span 1,
    // 1718.75 - 4312.5 = -2593.75 on span 2, +5000 on the RH cantilever. EI = 2.1e13 N mm^2:
    // slope at support 1 -L(2M1 + M2)/6EI = 1.627e-4, LH tip -1.627e-4 x 1000 - Pa^3/3EI = -0.226
    // mm; slope at support 3 L(M2 + 2M3)/6EI = -3.849e-4, RH tip -0.577 - 0.268 = -0.845 mm; span
    // 2 rises to +0.2455 mm at 2567 mm.
    PrintBeamB();
    const auto& V = Eng.ShearExtremes[2][27];
    const auto& M = Eng.MomentExtremes[2][27];
    const auto& D = Eng.DeflectionExtremes[2][27];
    ASSERT_NEAR(V[xLargest], 5000, 0.5);
    ASSERT_NEAR(V[xSmallest], -4000, 0.5);
    ASSERT_NEAR(M[xLargest], 2.875e6, 50);
    ASSERT_NEAR(M[xSmallest], -7.5e6, 50);
    ASSERT_NEAR(D[xLargest], 0.245, 0.003); // the stored deflections are integrated at 20ths
    ASSERT_NEAR(D[xSmallest], -0.845, 0.001);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    ASSERT_EQ(p.pages.size(), 2u);
    const RecordingCanvas& page = Page(2);
    // Scales from the envelope (11875 N, 16.25e6 N mm, 0.9143 mm) at 14, 18 and 18 mm x 0.9:
    // 0.025064 px/N, 2.35494e-5 px/N mm, 418.5 px/mm. Shear bar 5000 -> 125 px above 2953, -4000
    // -> 100 below; moment 2.875e6 -> 68 above 4134, -7.5e6 -> 177 below; deflection +0.245 ->
    // 103 above 5433, -0.845 -> 354 below. Values 10 mm left of x0 = 591 (355) and 3 mm (71 px)
    // above their ticks; the deflections named sag positive.
    ExpectLines(page, {{591, 2828, 591, 3053, 1},
                       {520, 2828, 591, 2828, 1},
                       {520, 3053, 591, 3053, 1},
                       {591, 4066, 591, 4311, 1},
                       {520, 4066, 591, 4066, 1},
                       {520, 4311, 591, 4311, 1},
                       {591, 5330, 591, 5787, 1},
                       {520, 5330, 591, 5330, 1},
                       {520, 5787, 591, 5787, 1},
                       {520, 5433, 591, 5433, 1}});
    ExpectTexts(page, {{"5.00", 355, 2757},
                       {"-4.00", 355, 2982},
                       {SigFig3Dec3(M[xLargest] * 1e-6), 355, 3995},
                       {"-7.50", 355, 4240},
                       {"0.0", 355, 4063},
                       {SigFig3Dec3(-D[xLargest]), 355, 5259},
                       {"0.845", 355, 5716}});
    for (const auto& t : page.texts())
        EXPECT_FALSE(t.text == "0.0" && t.y1 == 5433 - 71) << "no zero on the deflection bar";
    // Both ends: the cantilevers' shears 5 mm left of their supports (962 and 3931), the LH one
    // 3 mm under its point, the RH one 5 mm over it; the support moments 4 mm left, 3 mm under;
    // the tip deflections 1 mm inside the beam's ends (615) and 4 mm inside (4394), 3 mm under.
    ExpectTexts(page, {{"-4.000", 962 - 118, 3053 + 71},
                       {"5.000", 3931 - 118, 2828 - 118},
                       {"-4.000", 962 - 94, 4134 + 94 + 71},
                       {"-7.500", 3931 - 94, 4311 + 71},
                       {"-0.226", 615, 5433 + 95 + 71},
                       {"-0.845", 4394, 5787 + 71}});
    // Span 1 runs straight from -4e6 to +2.875e6 N mm: no peak of its own, so no moment label at its
    // middle (4 mm left of 1704).
    for (const auto& t : page.texts())
        EXPECT_FALSE(t.x1 == 1704 - 94 && std::abs(t.y1 - 4134) < 500) << t.text;
}

TEST_F(DrawingTest, EnvelopeReactionsShowTheLargestWhenNotBelowZeroAndTheSmallestOnlyWhenBelowZero) {
    // One 10000 mm span: supports at x 591 and 4488. The largest reaction 6 mm under the beam (row
    // 1913) and 5 mm left of its support, shown above -0.0001 N; the smallest 10 mm under (2008)
    // and 6 mm left, shown only below 0. Both ends of the support loop: the LH one and the RH one.
    struct Row {
        float largest, smallest;
        std::vector<T> shown;
    };
    // clang-format off
    const Row rows[] = {
        {2000, -1500, {{"2.00 kN", 591 - 118, 1913}, {"-1.50 kN", 591 - 142, 2008}, {"2.00 kN", 4488 - 118, 1913},
                       {"-1.50 kN", 4488 - 142, 2008}}},
        {0, 0, {{SigFig3Dec3(0) + " kN", 591 - 118, 1913}, {SigFig3Dec3(0) + " kN", 4488 - 118, 1913}}},
        {-0.00005f, 0.5f, {{SigFig3Dec3(-0.00005 * 0.001) + " kN", 591 - 118, 1913},
                           {SigFig3Dec3(-0.00005 * 0.001) + " kN", 4488 - 118, 1913}}},
        {-0.5f, 0.99f, {}},
        {-0.0001f, 0.5f, {}}}; // the bound itself is not above it
    // clang-format on
    for (const Row& r : rows) {
        ResetProgramState();
        SmallJob();
        for (int k : {1, 2}) {
            Eng.SupportWorkValues[k] = r.largest;
            Eng.MinSupportReaction[k] = r.smallest;
        }
        p = RecordingPrinter(600);
        p.BeginDoc();
        PrintEnvelopeDiagrams(p);
        ExpectTexts(Page(1), r.shown);
        std::size_t under = 0; // texts of the reaction rows
        for (const auto& t : Page(1).texts())
            under += (t.y1 == 1913 || t.y1 == 2008) ? 1 : 0;
        EXPECT_EQ(under, r.shown.size()) << r.largest << " " << r.smallest;
    }
}

TEST_F(DrawingTest, PrintedLoadLabelsWithAndWithoutFactorsAndTheSelfWeightStrip) {
    // One 10000 mm span from x 591 to 4488 (0.3897 px/mm). The last stack record, 50: 12 N/mm at
    // 2000 mm (x 1370) factored 1.5 summing 15 there, 20 N/mm at 6000 mm (x 2929) factored 1.2
    // summing 25; a point load of 30000 N at 4000 mm (x 2150) factored 1.6; the self-weight applied.
    // Rates 12 mm over the beam (row 1488), sums 22 mm (1252), the load 18 mm (1346), its factor
    // 15 mm (1417).
    struct Run {
        int32 factored;
        std::vector<T> shown;
        std::vector<std::string> absent;
    };
    const Run runs[] = {
        {1,
         {{"12.00 x 1.50", 1370 + 12, 1488},
          {"20.00 x 1.20", 2929 - 378, 1488},
          {"(15.00)", 1370 - 118, 1252},
          {"(25.00)", 2929 - 118, 1252},
          {"30.00 kN", 2150 - 118, 1346},
          {"x 1.60", 2150 - 118, 1417}},
         {}},
        // Unfactored: no factors, the RH rate 8 mm left of its end instead of 16.
        {-1,
         {{"12.00", 1370 + 12, 1488}, {"20.00", 2929 - 189, 1488}, {"30.00 kN", 2150 - 118, 1346}},
         {"x 1.60", "12.00 x 1.50"}}};
    for (const Run& run : runs) {
        ResetProgramState();
        SmallJob();
        Model.FactoredLoadsFlag = run.factored;
        const float stack[] = {2000, 12, 1.5f, 15, 6000, 20, 1.2f, 25};
        std::copy_n(stack, 8, &Model.UDLStackTable[1][50][0]);
        const float point[] = {1, 4000, 30000, 0, 0, 1.6f, 1};
        std::copy_n(point, 7, &Model.LoadTable[1][1][0]);
        Model.LoadTable[1][kSelfWeightRecord][lfApplied] = 1;
        p = RecordingPrinter(600);
        p.BeginDoc();
        PrintCaseDiagrams(p);
        ExpectTexts(Page(1), run.shown);
        for (const std::string& text : run.absent)
            EXPECT_FALSE(Page(1).hasText(text)) << text;
        // The strip 3 mm high on the beam (1772 to 1701): its frame and teeth 1 and 99 at
        // 591 + FloatToInt(k x 38.97), each from a pixel above the beam.
        ExpectLines(Page(1), {{591, 1772, 591, 1701, 1},
                              {591, 1701, 4488, 1701, 1},
                              {4488, 1701, 4488, 1772, 1},
                              {630, 1771, 630, 1701, 1},
                              {4449, 1771, 4449, 1701, 1}});
    }
    // A second rate equal to the first, and sums equal to their rates, are not repeated.
    ResetProgramState();
    SmallJob();
    const float same[] = {2000, 12, 1, 12, 6000, 12, 1, 12};
    std::copy_n(same, 8, &Model.UDLStackTable[1][50][0]);
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    std::size_t rates = 0;
    for (const auto& t : Page(1).texts())
        rates += t.text.find("12.00") != std::string::npos ? 1 : 0;
    EXPECT_EQ(rates, 1u);
    // No self-weight applied: no strip over the beam (its top 1701 from 591 to 4488).
    for (const auto& l : Page(1).lines())
        EXPECT_FALSE(l.y1 == 1701 && l.y2 == 1701) << "strip top from " << l.x1 << " to " << l.x2;

    // Point loads at 4000 mm (x 2150), factored: records 1 and 2 alike (30000 N x 1.6), record 3
    // the same but for its factor 1.5. A loadcase page draws each distinct load once: two arrows
    // (74 to 65 mm down, 1748 to 1535), two load values, one of each factor. The envelope page
    // merges nothing: three arrows, no values.
    const std::tuple<bool, std::size_t, std::size_t, std::size_t, std::size_t> pages[] = {{false, 2, 2, 1, 1},
                                                                                          {true, 3, 0, 0, 0}};
    for (auto [envelope, arrows, values, factor16, factor15] : pages) {
        ResetProgramState();
        SmallJob();
        Model.FactoredLoadsFlag = 1;
        const float loads[3][7] = {{1, 4000, 30000, 0, 0, 1.6f, 1},
                                   {1, 4000, 30000, 0, 0, 1.6f, 1},
                                   {1, 4000, 30000, 0, 0, 1.5f, 1}};
        for (int r = 1; r <= 3; ++r)
            std::copy_n(loads[r - 1], 7, &Model.LoadTable[1][r][0]);
        p = RecordingPrinter(600);
        p.BeginDoc();
        envelope ? PrintEnvelopeDiagrams(p) : PrintCaseDiagrams(p);
        std::size_t shafts = 0;
        for (const auto& l : Page(1).lines())
            shafts += l.width == 3 && l.x1 == 2150 && l.x2 == 2150 && std::min(l.y1, l.y2) == 1535 &&
                              std::max(l.y1, l.y2) == 1748
                          ? 1
                          : 0;
        auto count = [this](const std::string& text) {
            std::size_t n = 0;
            for (const auto& t : Page(1).texts())
                n += t.text == text && t.x1 == 2150 - 118 ? 1 : 0;
            return n;
        };
        EXPECT_EQ(std::make_tuple(shafts, count("30.00 kN"), count("x 1.60"), count("x 1.50")),
                  std::make_tuple(arrows, values, factor16, factor15))
            << (envelope ? "envelope" : "loadcase");
    }
}

TEST_F(DrawingTest, EnvelopeSupportsAreFixedEndsAtTheEndsAndPlainBetween) {
    // Spans 4000 and 6000 mm: supports at x 591, 591 + FloatToInt(1558.8) = 2150 and 4488. A wall
    // 6 mm either side of the beam (rows 1630 to 1913), hatches 2 mm (47 px) outward: down to the
    // left at the LH end, up to the right at the RH end; a plain triangle 0.25 to 3 mm under the
    // beam (1778, 1843), 2 mm either side; a forkhead's post 2 mm right, 2 to 1.25 mm over the beam.
    auto job = [](int lh, int interior, int rh) {
        ResetProgramState();
        SmallJob(2);
        Drawing.DrawnMemberLength[1] = 4000;
        Drawing.DrawnMemberLength[2] = 6000;
        Model.SupportType[0] = lh;
        Model.SupportType[1] = interior;
        Model.SupportType[kRHEndSupport] = rh;
    };
    auto triangle = [](int x) {
        return std::vector<L>{
            {x, 1778, x - 47, 1843, 2}, {x - 47, 1843, x + 47, 1843, 2}, {x + 47, 1843, x, 1778, 2}};
    };
    const std::vector<L> lhWall{
        {591, 1630, 591, 1913, 4}, {591, 1630, 544, 1677, 2}, {591, 1866, 544, 1913, 2}};
    const std::vector<L> rhWall{
        {4488, 1630, 4488, 1913, 4}, {4488, 1677, 4535, 1630, 2}, {4488, 1913, 4535, 1866, 2}};
    const std::vector<L> fork{{2197, 1724, 2197, 1742, 3}};

    job(supFixedEnd, supForkhead, supFixedEnd);
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintEnvelopeDiagrams(p);
    ExpectLines(Page(1), lhWall);
    ExpectLines(Page(1), rhWall);
    ExpectLines(Page(1), triangle(2150));
    ExpectLines(Page(1), fork, {}, false);
    // The loadcase page draws each support as it is.
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    ExpectLines(Page(1), lhWall);
    ExpectLines(Page(1), rhWall);
    ExpectLines(Page(1), fork);
    ExpectLines(Page(1), triangle(2150), {}, false);

    // Forkheads at the ends: none at the LH end, a plain triangle at the RH end.
    job(supForkhead, supFixed, supForkhead);
    p = RecordingPrinter(600);
    p.BeginDoc();
    PrintEnvelopeDiagrams(p);
    ExpectLines(Page(1), triangle(4488));
    ExpectLines(Page(1), triangle(591), {}, false);
    ExpectLines(Page(1), {{591 + 47, 1724, 591 + 47, 1742, 3}, {4488 + 47, 1724, 4488 + 47, 1742, 3}}, {},
                false);
}

TEST_F(DrawingTest, PrintedCantileverAndMomentLabelsAreLeftOutUpToAThousandthInOutputUnits) {
    // Labels of the cantilevers and of the moments show only above 0.001 in magnitude in the
    // units shown (kN = 0.001 x N, kN-m = 1e-6 x N mm, mm): 1.01 N is 0.00101 kN and shown, 0.99 N
    // is 0.00099 kN and left out, either sign. A deflection that small reads "0.00" (below 0.005),
    // as the page's zero values do: each row counts its text against the same page with the value
    // at 0.5 in the units shown, which reads otherwise.
    enum Kind { LHShear, RHShear, MidMoment, EndMoment, LHMoment, LHDeflection, RHDeflection };
    struct Row {
        Kind kind;
        float stored; // N, N mm, mm
        bool shown;
    };
    auto Unit = [](Kind kind) { return kind <= RHShear ? 1000.0f : kind >= LHDeflection ? 1.0f : 1e6f; };
    std::vector<Row> rows;
    for (Kind kind : {LHShear, RHShear, MidMoment, EndMoment, LHMoment, LHDeflection, RHDeflection}) {
        const float unit = Unit(kind);
        for (float sign : {1.0f, -1.0f}) {
            rows.push_back({kind, sign * 0.00101f * unit, true});
            rows.push_back({kind, sign * 0.00099f * unit, false});
        }
    }
    auto count = [this](Kind kind, float stored, const std::string& text) {
        ResetProgramState();
        SmallJob();
        Eng.LHCantileverActive[1] = Eng.RHCantileverActive[1] = 1;
        Eng.CantileverLength[1][0] = Eng.CantileverLength[1][1] = 1000;
        auto& V = Eng.ShearExtremes[1];
        auto& M = Eng.MomentExtremes[1];
        auto& D = Eng.DeflectionExtremes[1];
        float* const at[] = {&V[0][2], &V[26][1], &M[1][1], &M[1][2], &M[0][2], &D[0][1], &D[26][1]};
        *at[kind] = stored;
        p = RecordingPrinter(600);
        p.BeginDoc();
        PrintCaseDiagrams(p);
        std::size_t n = 0;
        for (const auto& t : Page(1).texts())
            n += t.text == text ? 1 : 0;
        return n;
    };
    for (const Row& r : rows) {
        const bool deflection = r.kind >= LHDeflection;
        const double shownValue = r.stored * (deflection ? 1.0 : r.kind <= RHShear ? 0.001 : 1e-6);
        const std::string text = deflection ? SigFig3Dec3(shownValue) : SigFig4Dec3(shownValue);
        EXPECT_EQ(count(r.kind, r.stored, text), count(r.kind, 0.5f * Unit(r.kind), text) + (r.shown ? 1 : 0))
            << "kind " << r.kind << ", " << r.stored << ": \"" << text << "\"";
    }
}

TEST_F(DrawingTest, PrintedSpanLabelsOfASecondSpanAndAHoggingSag) {
    // Spans 4000 and 6000 mm, supports at x 591, 2150 and 4488; f = 1 - 0.05 x 2 = 0.9. Shear 1234 N
    // at the start of span 2: 5 mm (118 px) left of support 2, its point 14 x 23.622 x 0.9 x
    // 1234 / 1000 = 367 px above 2953, the label 5 mm over it. Span 1's deflection at its middle
    // (2000 mm, x 1370), 4 mm (94 px) left: 600 mm up stands 18 x 23.622 x 0.9 x 600 / 1000 = 230 px
    // above 5433 with the label 4 mm (94 px) over it; 600 mm down 230 px below, the label 2 mm
    // (47 px) under it.
    const std::tuple<float, const char*, int, int> rows[] = {{600, "600", 1370 - 94, 5433 - 230 - 94},
                                                             {-600, "-600", 1370 - 94, 5433 + 230 + 47}};
    for (auto [sag, text, x, y] : rows) {
        ResetProgramState();
        SmallJob(2);
        Drawing.DrawnMemberLength[1] = Eng.LoadcaseSpanLength[1][1] = 4000;
        Drawing.DrawnMemberLength[2] = Eng.LoadcaseSpanLength[1][2] = 6000;
        Eng.ShearExtremes[1][2][1] = 1234;
        Eng.DeflectionExtremes[1][1][1] = sag;
        p = RecordingPrinter(600);
        p.BeginDoc();
        PrintCaseDiagrams(p);
        ExpectTexts(Page(1), {{"1.234", 2150 - 118, 2953 - 367 - 118}, {text, x, y}});
    }
}

TEST_F(DrawingTest, PrintedCantileverLabelsStandOverAPointAboveTheBaselineAndUnderOneBelow) {
    // Two 4000 mm spans between 1000 mm cantilevers (10000 mm drawn from x 591 to 4488, 0.3897
    // px/mm): supports 1 and 3 at 591 + 390 = 981 and 591 + 3507 = 4098; f = 0.9. The envelope's
    // largest values 1000 N, 1e6 N mm and 1000 mm: 600 N stands 14 x 23.622 x 0.9 x 0.6 = 179 px
    // from 2953, 6e5 N mm and 600 mm 18 x 23.622 x 0.9 x 0.6 = 230 px from 4134 and 5433. A label
    // over its point has its top 5 mm (118 px) above it, one under it 3 mm (71 px) below. The tip
    // deflections 1 mm inside the LH end (615) and 4 mm inside the RH end (4394); the cantilevers'
    // shears 5 mm (118 px) and the LH support moment 4 mm (94 px) left of their supports.
    enum Kind { LHDeflection, RHDeflection, LHShear, RHShear, LHMoment };
    struct Row {
        Kind kind;
        float stored; // mm, N, N mm
        const char* text;
        int x, y;
    };
    const Row rows[] = {{LHDeflection, 600, "600", 615, 5433 - 230 - 118},
                        {LHDeflection, -600, "-600", 615, 5433 + 230 + 71},
                        {RHDeflection, 600, "600", 4394, 5433 - 230 - 118},
                        {RHDeflection, -600, "-600", 4394, 5433 + 230 + 71},
                        {LHShear, 600, "0.600", 981 - 118, 2953 - 179 - 118},
                        {LHShear, -600, "-0.600", 981 - 118, 2953 + 179 + 71},
                        {RHShear, 600, "0.600", 4098 - 118, 2953 - 179 - 118},
                        {RHShear, -600, "-0.600", 4098 - 118, 2953 + 179 + 71},
                        {LHMoment, 6e5f, "0.600", 981 - 94, 4134 - 230 - 118},
                        {LHMoment, -6e5f, "-0.600", 981 - 94, 4134 + 230 + 71}};
    for (const Row& r : rows) {
        ResetProgramState();
        SmallJob(2);
        Eng.MomentExtremes[0][27][5] = 1e6f;
        Eng.LHCantileverActive[1] = Eng.RHCantileverActive[1] = 1;
        Eng.CantileverLength[1][0] = Eng.CantileverLength[1][1] = 1000;
        Eng.LoadcaseSpanLength[1][1] = Eng.LoadcaseSpanLength[1][2] = 4000;
        float* const at[] = {&Eng.DeflectionExtremes[1][0][1], &Eng.DeflectionExtremes[1][26][1],
                             &Eng.ShearExtremes[1][0][2], &Eng.ShearExtremes[1][26][1],
                             &Eng.MomentExtremes[1][0][2]};
        *at[r.kind] = r.stored;
        p = RecordingPrinter(600);
        p.BeginDoc();
        PrintCaseDiagrams(p);
        SCOPED_TRACE("kind " + std::to_string(r.kind) + ", " + r.text);
        ExpectTexts(Page(1), {{r.text, r.x, r.y}});
    }
}

// Printed rates and sums, held in N/mm: 0.25 + 0.75 = 1 exactly over 2000..6000 mm (x 1370 to
// 2929), labelled 5 mm (118 px) left of both ends of both loads; 1 falling to -1 and -1 rising to
// 1 over 6000..10000 mm (to x 4488) sum to 0 at both ends, never labelled, while their rates of 1
// are, 0.5 mm (12 px) right of the start and 8 mm (189 px) left of the finish.
TEST_F(DrawingTest, PrintedSumsOfOneAreLabelledAndSumsOfZeroAreNot) {
    SmallJob();
    Model.FactoredLoadsFlag = -1;
    const float stack[4][8] = {{2000, 0.25f, 1, 1, 6000, 0.25f, 1, 1},
                               {2000, 0.75f, 1, 1, 6000, 0.75f, 1, 1},
                               {6000, 1, 1, 0, 10000, -1, 1, 0},
                               {6000, -1, 1, 0, 10000, 1, 1, 0}};
    for (int r = 0; r < 4; ++r)
        std::copy_n(stack[r], 8, &Model.UDLStackTable[1][r + 1][0]);
    p.BeginDoc();
    PrintCaseDiagrams(p);
    std::vector<std::string> labels;
    for (const auto& t : Page(1).texts())
        if (t.y1 == 1252 || t.y1 == 1488)
            labels.push_back(t.text + "@" + std::to_string(t.x1) + "," + std::to_string(t.y1));
    EXPECT_EQ(labels, (std::vector<std::string>{"0.250@1382,1488", "(1.000)@1252,1252", "(1.000)@2811,1252",
                                                "0.750@1382,1488", "(1.000)@1252,1252", "(1.000)@2811,1252",
                                                "1.000@2941,1488", "-1.000@4299,1488", "-1.000@2941,1488",
                                                "1.000@4299,1488"}));
}

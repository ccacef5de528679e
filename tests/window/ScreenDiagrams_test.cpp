// The screen diagrams: bands, curves at the envelope's scales, value labels, maxima and reactions.
#include "window/ScreenDiagrams.h"

#include <set>
#include <vector>

#include "DrawingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

RecordingCanvas Diagrams(DrawingFrame f = kFrameF) {
    RecordingCanvas c;
    DrawDiagrams(c, f);
    return c;
}

void ExpectBaselines(const RecordingCanvas& c, int shear, int moment, int deflection) {
    ExpectLines(
        c,
        {{150, shear, 950, shear, 2}, {150, moment, 950, moment, 2}, {150, deflection, 950, deflection, 2}},
        W);
}

} // namespace

TEST_F(DrawingTest, DiagramsOfOneLoadcaseOfASimpleSpan) {
    BeamA();
    Show(1);
    const RecordingCanvas c = Diagrams();
    // Governing values stand 36 px (shear, moment) and 40 px (deflection) from their baselines; at
    // L/4 the moment is 3/4 of its peak, at L/10 the sag 0.3139 of its largest and at L/20, the
    // curve's first point after the support, 3.2 (0.05 - 2 x 0.05^3 + 0.05^4) = 0.1592 (6.4 px).
    ExpectBaselines(c, 216, 336, 446);
    ExpectLines(c, {{150, 216, 150, 180, 1}, {950, 252, 950, 216, 1}}, Y);
    for (auto [x, y] : {std::pair{350, 309}, {550, 300}, {150, 446}, {190, 452}, {230, 459}, {550, 486}})
        EXPECT_TRUE(Ends(c, Y, x, y)) << x << "," << y;
    // clang-format off
    ExpectTexts(c, {{"SHEAR", 8, 211, W}, {"MOMENT", 8, 331, W}, {"DEFLECTION", 8, 441, W}, {"LOADS", 8, 80, W},
                    {"25.0 kN", 130, 155, Y}, {"-25.0 kN", 930, 262, A}, {"Max +ve Shear", 8, 166, Y},
                    {"25.0 kN", 8, 181, Y}, {"Max -ve Shear", 8, 236, A}, {"-25.0 kN", 8, 251, A},
                    {"31.3 kN-m", 530, 275, Y}, {"Max +ve Mom", 8, 286, Y}, {"31.3 kN-m", 8, 301},
                    {"Max -ve Mom", 8, 356, A}, {"0.00 kN-m", 8, 371}, {"-3.88 mm", 530, 496, A},
                    {"Max -ve Deflection", 8, 466, A}, {"-3.88 mm", 8, 481}, {"25.00 kN", 130, 125, Y},
                    {"25.00 kN", 930, 125, Y}, {"Reactions", 5, 115, W}});
    // clang-format on
    EXPECT_FALSE(c.hasText("Max +ve Deflection"));
    // Lifted by the same load upwards, the span rises 3.88 mm and nowhere sags: no -ve caption.
    {
        kxtest::AnalyseJob(BeamBuilder().Spans({5000}).Udl(1, 0, -10, 5000));
        Show(1);
        const RecordingCanvas up = Diagrams();
        ExpectTexts(up, {{"Max +ve Deflection", 8, 396, Y}, {"3.88 mm", 8, 411, Y}});
        EXPECT_FALSE(up.hasText("Max -ve Deflection"));
        BeamA();
        Show(1);
    }
    int kNm = 0; // no moment label at the pinned supports
    const std::set<std::string> titles{"SHEAR", "MOMENT", "DEFLECTION", "LOADS"};
    for (const auto& t : c.texts()) {
        kNm += t.text.ends_with("kN-m") && t.x1 > 8;
        EXPECT_EQ(t.fontSize, titles.contains(t.text) ? 9 : 8) << t.text;
    }
    EXPECT_EQ(kNm, 1);
    EXPECT_EQ(c.fontSize(), 8) << "the sketch draws in the size the diagrams leave";
    for (int calls = 1; calls <= 2; ++calls, Diagrams())
        EXPECT_TRUE(Eng.SupportWorkValues[1] == 25000 && Eng.SupportWorkValues[2] == 25000) << calls;
    EXPECT_EQ(Eng.MinSupportReaction[1], 0.0f);

    // Mirrored moments: only the moment band turns over.
    Model.MomentDiagramSign = -1;
    const RecordingCanvas m = Diagrams();
    EXPECT_TRUE(Ends(m, Y, 550, 372) && !Ends(m, Y, 550, 300) && Ends(m, Y, 550, 486));
    ExpectTexts(m, {{"31.3 kN-m", 530, 382, Y},
                    {"Max +ve Mom", 8, 356, Y},
                    {"Max -ve Mom", 8, 286, A},
                    {"31.3 kN-m", 8, 371},
                    {"0.00 kN-m", 8, 301}});
    Model.MomentDiagramSign = 1;
    // A taller list lowers every scale: S 299, B 449; the Results layout has baselines of its own.
    const RecordingCanvas tall = Diagrams({1025, 800, 301});
    ExpectBaselines(tall, 194, 293, 383);
    EXPECT_TRUE(Ends(tall, Y, 550, 266) && Ends(tall, Y, 550, 413));
    Drawing.DiagramMode = 1;
    ExpectBaselines(Diagrams(), 236, 380, 510);
}

TEST_F(DrawingTest, DiagramsOfEveryLoadcaseInTheirColoursAndEachAlone) {
    kxtest::AnalyseJob(kxtest::JobC());
    Show(0);
    RecordingCanvas c;
    for (int lc = 1; lc <= 2; ++lc) {
        Drawing.ShownCase = lc;
        DrawDiagrams(c, kFrameF);
    }
    EXPECT_EQ(Drawing.ShownCase, 2);
    // Loadcase 1 (wL/2, -wL^2/12 at the walls, wL^2/24 at mid-span) in yellow; loadcase 2 (P/2,
    // -PL/8 at the walls and PL/8 under the load) in red.
    ExpectLines(c, {{150, 216, 150, 180}, {150, 336, 150, 366}, {950, 366, 950, 336}}, Y);
    ExpectLines(c, {{150, 216, 150, 187}, {950, 245, 950, 216}, {150, 336, 150, 372}}, R);
    for (auto [colour, x, y] :
         {std::tuple{Y, 550, 321}, {Y, 230, 449}, {Y, 550, 471}, {R, 550, 300}, {R, 230, 450}, {R, 550, 486}})
        EXPECT_TRUE(Ends(c, colour, x, y)) << x << "," << y;
    // clang-format off
    ExpectTexts(c, {{"30.0 kN", 8, 181, Y}, {"-30.0 kN", 8, 251, A}, {"24.0 kN-m", 8, 301}, {"-24.0 kN-m", 8, 371},
                    {"-0.762 mm", 8, 481}, {"30.00 kN", 130, 115, Y}, {"30.00 kN", 930, 115, Y},
                    {"Maximum", 6, 107, W}, {"Reactions", 6, 123, W}});
    // clang-format on
    for (const auto& t : c.texts())
        EXPECT_TRUE(t.x1 <= 8 || t.y1 == 115) << "member label \"" << t.text << "\"";
    // Alone, each loadcase with its own maxima, not the envelope's.
    Show(1);
    ExpectTexts(Diagrams(), {{"-20.0 kN-m", 130, 376, A},
                             {"-20.0 kN-m", 930, 376, A},
                             {"10.00 kN-m", 530, 296, Y},
                             {"10.00 kN-m", 8, 301}});
    // Drawn the other way up, the wall moments (30 px) stand above the band, 25 px over their
    // points, and the sagging wL^2/24 (15 px) below it, 10 px under its point.
    Model.MomentDiagramSign = -1;
    ExpectTexts(Diagrams(),
                {{"-20.0 kN-m", 130, 281, A}, {"-20.0 kN-m", 930, 281, A}, {"10.00 kN-m", 530, 361, Y}});
    Model.MomentDiagramSign = 1;
    Show(2);
    const RecordingCanvas two = Diagrams();
    EXPECT_TRUE(Of(two.lines(), Y).empty());
    ExpectTexts(two, {{"-24.0 kN-m", 130, 382, A},
                      {"24.0 kN-m", 530, 275, Y},
                      {"24.0 kN", 130, 162, Y},
                      {"24.00 kN", 130, 125, Y},
                      {"24.0 kN", 8, 181}});

    // Envelope reactions skip a support released in a loadcase.
    Show(0);
    Drawing.ShownCase = 1;
    Eng.SupportWorkValues.fill(0);
    Eng.MinSupportReaction.fill(0);
    Eng.SupportReaction[1][2] = -5000;
    Eng.ReleasedSupport[1][2] = -1;
    for (const auto& t : Diagrams().texts())
        EXPECT_NE(t.y1, 130) << t.text;
    EXPECT_EQ(Eng.MinSupportReaction[2], 0.0f);
    EXPECT_EQ(Eng.SupportWorkValues[2], 24000.0f) << "loadcase 2's reaction still counts";
    Eng.ReleasedSupport[1][2] = 0;
    ExpectTexts(Diagrams(), {{"-5.000 kN", 925, 130, R}});
    EXPECT_EQ(Eng.MinSupportReaction[2], -5000.0f);
    Show(1);
    ExpectTexts(Diagrams(), {{"-5.000 kN", 930, 125, R}});
    // A support lifted in every loadcase shows a largest reaction of 0 beside its uplift: 10 and 20
    // kN on the tip of a 1000 mm cantilever beside a 4000 mm span lift the far support by Pa/L =
    // 2.5 and 5 kN, and press the near one with P(L + a)/L = 12.5 and 25 kN.
    kxtest::AnalyseJob(BeamBuilder().LHCantilever(1000).Spans({4000}).Point(1, 0, 10000).Point(2, 0, 20000));
    Show(0);
    ExpectTexts(Diagrams(),
                {{"25.00 kN", 290, 115, Y}, {"0.000 kN", 930, 115, Y}, {"-5.000 kN", 925, 130, R}});
}

// A 10 kN load on the tip of a 1000 mm cantilever beside a pinned 4000 mm span: root shear and
// moment 10 kN and 10 kN-m, reactions 12.5 and -2.5 kN, tip sag Pa^2(L + a)/3EI = 0.794 mm.
TEST_F(DrawingTest, DiagramLabelsOfCantilevers) {
    kxtest::AnalyseJob(BeamBuilder().LHCantilever(1000).Spans({4000}).Point(1, 0, 10000));
    Show(1);
    const RecordingCanvas lh = Diagrams();
    // clang-format off
    ExpectTexts(lh, {{"-10.0 kN", 290, 262, A}, {"2.50 kN", 290, 182, Y}, {"2.50 kN", 930, 182, Y},
                     {"-10.00 kN-m", 290, 382, A}, {"-0.794 mm", 130, 496, A}, {"-0.794 mm", 8, 481},
                     {"12.50 kN", 290, 125, Y}, {"-2.500 kN", 930, 125, R}});
    // clang-format on
    // The span's lift (at most PaL^2/(9 sqrt3 EI) = 0.489 mm) labelled yellow above it at mid-span;
    // its moment is linear and 0 at the far end: no label.
    int lift = 0, kNm = 0;
    for (const auto& t : lh.texts()) {
        lift += t.color == Y && t.x1 == 610 && t.y1 < 421 && t.text.starts_with("0.48");
        kNm += t.text.ends_with("kN-m") && t.x1 > 8;
    }
    EXPECT_EQ(std::make_pair(lift, kNm), std::make_pair(1, 1));
    // The lift is the loadcase's largest upward deflection, captioned in yellow above the band
    // (base 446 - d 20 - 30), the tip's sag below it: PaL^2 / (9 sqrt3 EI) = 1.6e14 / 3.2735e14.
    ExpectTexts(lh, {{"Max +ve Deflection", 8, 396, Y},
                     {"0.489 mm", 8, 411, Y},
                     {"Max -ve Deflection", 8, 466, A},
                     {"-0.794 mm", 8, 481, A}});
    // The root label is the cantilever's end moment, not its largest: 10 kN up at the tip and 15 kN
    // down at its middle give +10 x 0.5 = +5 kN-m at the middle but 10 x 1 - 15 x 0.5 = +2.5 kN-m at
    // the root; at 36 px for 5, the label stands R(18) + 25 px over the band at 150 + 800/5 - 20.
    {
        kxtest::AnalyseJob(
            BeamBuilder().LHCantilever(1000).Spans({4000}).Point(1, 0, -10000).Point(1, 500, 15000));
        Show(1);
        const RecordingCanvas root = Diagrams();
        ExpectTexts(root, {{"2.50 kN-m", 290, 293, Y}});
        for (const auto& t : root.texts())
            EXPECT_FALSE(t.x1 == 290 && t.text == "5.00 kN-m") << t.y1;
    }
    // Labels start at the LH end when the loadcase has no LH cantilever, whatever length is left.
    kxtest::AnalyseJob(BeamBuilder().Spans({4000}).RHCantilever(1000).Point(1, 5000, 10000));
    Show(1);
    Eng.CantileverLength[1][0] = 1000;
    ExpectTexts(Diagrams(), {{"-2.50 kN", 130, 235, A},
                             {"10.0 kN", 770, 155, Y},
                             {"-10.00 kN-m", 770, 382, A},
                             {"-0.794 mm", 930, 496, A},
                             {"12.50 kN", 770, 125, Y},
                             {"-2.500 kN", 130, 125, R}});
    // A tip deflection that shows as less than 0.001 mm gets no label; nor does one left in the RH
    // row of a loadcase that has no RH cantilever.
    auto tipLabels = [](const RecordingCanvas& c) {
        int n = 0;
        for (const auto& t : c.texts())
            n += t.x1 == 930 && t.y1 > 421 && t.text.ends_with(" mm");
        return n;
    };
    Eng.DeflectionExtremes[1][kRHCantRow][1] = 0.0009f;
    EXPECT_EQ(tipLabels(Diagrams()), 0);
    Eng.DeflectionExtremes[1][kRHCantRow][1] = -0.794f;
    Eng.RHCantileverActive[1] = 0;
    EXPECT_EQ(tipLabels(Diagrams()), 0);
    Eng.RHCantileverActive[1] = 1;
    EXPECT_EQ(tipLabels(Diagrams()), 1);
}

// A cantilever's shear and deflection labels stand only when the loadcase has the cantilever and
// the value shows as 0.001 or more. 10 kN on each tip of 1000 mm cantilevers either side of a 4000 mm
// span: shear labels at both roots and both ends of the span, deflections at both tips and mid-span.
TEST_F(DrawingTest, CantileverLabelsNeedTheCantileverAndAValueThatShows) {
    kxtest::AnalyseJob(BeamBuilder()
                           .LHCantilever(1000)
                           .Spans({4000})
                           .RHCantilever(1000)
                           .Point(1, 0, 10000)
                           .Point(1, 6000, 10000));
    Show(1);
    auto labels = [](const std::string& unit) { // the reactions (y 125) are no shear labels
        int n = 0;
        for (const auto& t : Diagrams().texts())
            n += t.x1 > 8 && t.y1 > 140 && t.text.ends_with(unit);
        return n;
    };
    ASSERT_EQ(labels(" kN"), 4);
    ASSERT_EQ(labels(" mm"), 3);
    struct Gate {
        const char* name;
        float& value;
        int32& active;
        const char* unit;
        float under; // shows under 0.001: 0.5 N is 0.0005 kN
    };
    const Gate gates[] = {
        {"LH root shear", Eng.ShearExtremes[1][kLHCantRow][2], Eng.LHCantileverActive[1], " kN", 0.5f},
        {"RH root shear", Eng.ShearExtremes[1][kRHCantRow][1], Eng.RHCantileverActive[1], " kN", 0.5f},
        {"LH tip deflection", Eng.DeflectionExtremes[1][kLHCantRow][1], Eng.LHCantileverActive[1], " mm",
         0.0009f},
        {"RH tip deflection", Eng.DeflectionExtremes[1][kRHCantRow][1], Eng.RHCantileverActive[1], " mm",
         0.0009f},
    };
    for (const Gate& g : gates) {
        const int all = std::string(g.unit) == " kN" ? 4 : 3;
        const float value = g.value;
        g.value = g.under;
        EXPECT_EQ(labels(g.unit), all - 1) << g.name << " shown under 0.001";
        g.value = value;
        g.active = 0;
        EXPECT_EQ(labels(g.unit), all - 1) << g.name << " of a loadcase without the cantilever";
        g.active = 1;
        EXPECT_EQ(labels(g.unit), all) << g.name;
    }
}

TEST_F(DrawingTest, DiagramsLieFlatWithoutAMaximumOrRoomAndNeedDeflections) {
    BeamA();
    Show(1);
    Eng.ShearExtremes[0][27][5] = 0;
    const RecordingCanvas c = Diagrams();
    int shearEnds = 0; // the curve's ends within the shear band, all on its baseline
    for (const auto& l : Of(c.lines(), Y))
        for (int y : {l.y1, l.y2})
            if (y >= 150 && y <= 280) {
                ++shearEnds;
                EXPECT_EQ(y, 216);
            }
    EXPECT_GT(shearEnds, 0);
    EXPECT_TRUE(Ends(c, Y, 550, 300)) << "the other bands keep their scales";
    // S = 800 - 200 - 700 < 0: no height for curves, bands at B = 350 (174, 250, 320).
    for (const auto& l : Of(Diagrams({1025, 800, 700}).lines(), Y))
        EXPECT_TRUE(l.y1 == l.y2 && (l.y1 == 174 || l.y1 == 250 || l.y1 == 320)) << l.y1;
    Eng.DeflectionExtremes[0][27][5] = 0;
    Drawing.ShownCase = 0;
    Eng.SupportWorkValues.fill(0);
    EXPECT_TRUE(Diagrams().items.empty());
    EXPECT_EQ(Drawing.ShownCase, 0);
    EXPECT_EQ(Eng.SupportWorkValues[1], 0.0f);
}

// Two 20 m spans, loadcase 5 alone loaded with 24 N/mm (loadcase 1 a 1 kN load at the first
// mid-span): reactions 3wL/8 = 180 kN, 10wL/8 = 600 kN, 180 kN; shears 3wL/8 = 180 kN and 5wL/8 =
// 300 kN either side of the middle support; support moment -wL^2/8 = -1200 kN-m, span moments
// 9wL^2/128 = 675 kN-m; the sag of each span at most 0.005416 wL^4/EI = 0.005416 x 24 x 1.6e17 /
// 2.1e13 = 990.4 mm. The figures pass 100 and 1000: 3 significant figures, tens above 1000.
TEST_F(DrawingTest, DiagramLabelsOfTheLastLoadcaseAndTheLastSpanWithFiguresOverAThousand) {
    kxtest::AnalyseJob(BeamBuilder().Spans({20000, 20000}).Point(1, 10000, 1000).Udl(5, 0, 24, 40000));
    ASSERT_EQ(Model.LoadcaseCount, 5);
    Show(5);
    const RecordingCanvas c = Diagrams();
    // Loadcase 5 in blue. The largest shear, 300 kN, and moment, 1200 kN-m, stand 36 px from their
    // baselines: 180 kN R(21.6) = 22 px, 675 kN-m R(20.25) = 20 px; labels 25 px above a rise, 10
    // below a fall, each span label at its middle (x 350, 750), each support label at its column
    // (150, 550, 950), 20 px to the left.
    ExpectLines(c, {{150, 216, 150, 194, 1}}, colors::Blue);
    EXPECT_TRUE(Ends(c, colors::Blue, 950, 216));
    // clang-format off
    ExpectTexts(c, {{"180 kN", 130, 169, Y}, {"-300 kN", 530, 262, A}, {"300 kN", 530, 155, Y},
                    {"-180 kN", 930, 248, A}, {"675 kN-m", 330, 291, Y}, {"675 kN-m", 730, 291, Y},
                    {"-1200 kN-m", 530, 382, A}, {"-990 mm", 330, 496, A}, {"-990 mm", 730, 496, A},
                    {"180.0 kN", 130, 125, Y}, {"600.0 kN", 530, 125, Y}, {"180.0 kN", 930, 125, Y},
                    {"300 kN", 8, 181, Y}, {"-300 kN", 8, 251, A}, {"675 kN-m", 8, 301, Y},
                    {"-1200 kN-m", 8, 371, A}, {"-990 mm", 8, 481, A}});
    // clang-format on
    // All: the envelope's maxima are loadcase 5's, and so are the largest reactions.
    Show(0);
    // clang-format off
    ExpectTexts(Diagrams(), {{"300 kN", 8, 181, Y}, {"-1200 kN-m", 8, 371, A}, {"-990 mm", 8, 481, A},
                             {"180.0 kN", 130, 115, Y}, {"600.0 kN", 530, 115, Y}, {"180.0 kN", 930, 115, Y}});
    // clang-format on
}

// The label at an interior support is the support's moment, not the next span's largest. An 8 m
// span beside a 2 m span loaded with 20 N/mm: three moments give M_B = -w L2^3 / (8 (L1 + L2)) =
// -20 x 8e9 / 8e4 = -2e6 N mm, while the short span sags to (wL2/2 + M_B/L2)^2 / 2w = 19000^2 / 40
// = 9.03 kN-m; at 36 px for 9.03 the support's -2.00 stands R(7.98) = 8 px below the band, its
// label 10 px under that, at 150 + 800 x 8 / 10 - 20 = 770.
TEST_F(DrawingTest, TheMomentLabelAtAnInteriorSupportIsTheSupportsMoment) {
    kxtest::AnalyseJob(BeamBuilder().Spans({8000, 2000}).Udl(1, 8000, 20, 2000));
    Show(1);
    const RecordingCanvas c = Diagrams();
    ExpectTexts(c, {{"-2.00 kN-m", 770, 354, A}, {"-2.00 kN-m", 8, 371, A}});
    for (const auto& t : c.texts())
        EXPECT_FALSE(t.x1 == 770 && t.text.starts_with("9.0"))
            << t.text << " at (" << t.x1 << "," << t.y1 << ")";
}

// A label or caption shows only above its bound: none at the bound itself, as none below it, one
// just above it. The support moments of job A's simple span (0 at both ends) and the largest shears
// of the beam, each set by hand; the other labels stay as they were.
TEST_F(DrawingTest, SupportMomentLabelsAndShearCaptionsShowOnlyAboveTheirBounds) {
    BeamA();
    Show(1);
    struct Gate {
        const char* name;
        float& value;
        float under, bound, over;
    };
    const Gate gates[] = {
        {"LH support moment", Eng.MomentExtremes[1][1][0], 0.0005f, 0.001f, 0.002f},
        {"RH support moment", Eng.MomentExtremes[1][1][2], -0.0005f, -0.001f, -0.002f},
        {"largest positive shear", Eng.ShearExtremes[1][kBeamRow][3], 0.5e-5f, 1e-5f, 2e-5f},
        {"largest negative shear", Eng.ShearExtremes[1][kBeamRow][4], -0.5e-5f, -1e-5f, -2e-5f}};
    for (const Gate& g : gates) {
        const float kept = g.value;
        std::vector<std::size_t> texts;
        for (float v : {g.under, g.bound, g.over}) {
            g.value = v;
            texts.push_back(Diagrams().texts().size());
        }
        g.value = kept;
        EXPECT_EQ(texts[1], texts[0]) << g.name << " at its bound";
        EXPECT_EQ(texts[2], texts[1] + 1) << g.name << " just above it";
    }
}

TEST_F(DrawingTest, DiagramsDrawnDuringTheAnalysisCarryNoExtremeFigures) {
    // While the analysis draws each loadcase in turn (mode 0), the shear captions stand without the
    // loadcase's figures under them, and no band carries a figure at its left edge.
    BeamA();
    Drawing.ShownCase = 1;
    Model.ShownCaseMode = 0;
    const RecordingCanvas c = Diagrams();
    EXPECT_TRUE(c.hasText("Max +ve Shear") && c.hasText("Max -ve Shear"));
    for (const auto& t : c.texts())
        EXPECT_FALSE(t.x1 == 8 &&
                     (t.text.ends_with(" kN") || t.text.ends_with(" kN-m") || t.text.ends_with(" mm")))
            << t.text << " at y " << t.y1;
}

// Reaction labels stand at every support of the beam, also where loadcase 1 has released one and
// so counts a span fewer. Forkheads under two 4000 mm spans: loadcase 1 loads span 1 with 10 N/mm,
// the RH support lifts and goes, span 2 hangs on as a cantilever: wL/2 = 20 kN at supports 1 and 2,
// 0 at 3. Loadcase 2 loads both spans: 3wL/8 = 15 kN at the ends, 10wL/8 = 50 kN in the middle.
// Labels 20 px left of the supports' columns 150, 550, 950.
TEST_F(DrawingTest, ReactionLabelsStandAtEverySupportWhenLoadcaseOneReleasesOne) {
    kxtest::AnalyseJob(
        BeamBuilder().Spans({4000, 4000}).AllSupports(supForkhead).Udl(1, 0, 10, 4000).Udl(2, 0, 10, 8000));
    ASSERT_EQ(Model.SpanCount[0], 2);
    ASSERT_EQ(Model.SpanCount[1], 1) << "loadcase 1 releases the RH support";
    ASSERT_EQ(Model.SpanCount[2], 2);
    const struct {
        int lc;
        int y;
        std::vector<std::string> labels; // supports 1, 2, 3
    } cases[] = {{1, 125, {"20.00 kN", "20.00 kN", "0.000 kN"}},
                 {2, 125, {"15.00 kN", "50.00 kN", "15.00 kN"}},
                 {0, 115, {"20.00 kN", "50.00 kN", "15.00 kN"}}}; // All: the largest of each support
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lc);
        Show(c.lc);
        const RecordingCanvas d = Diagrams();
        std::vector<T> expected;
        for (int k = 0; k < 3; ++k)
            expected.push_back({c.labels[static_cast<std::size_t>(k)], 130 + 400 * k, c.y, Y});
        ExpectTexts(d, expected);
        int reactions = 0;
        for (const auto& t : d.texts())
            reactions += t.y1 == c.y && t.text.ends_with(" kN") ? 1 : 0;
        EXPECT_EQ(reactions, 3);
        for (const auto& t : d.texts())
            EXPECT_NE(t.y1, 130) << "no uplift: " << t.text;
    }
}

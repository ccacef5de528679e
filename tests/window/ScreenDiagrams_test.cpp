// The screen diagrams: bands, curves at the envelope's scales, value labels, maxima and reactions.
#include "window/ScreenDiagrams.h"

#include <gtest/gtest.h>

#include "DrawingTestSupport.h"

using namespace kx;
using namespace kx::test;

namespace {

class ScreenDiagramsTest : public DrawingTest {
protected:
    static RecordingCanvas Diagrams(DrawingFrame f = kFrameF) {
        RecordingCanvas c;
        DrawDiagrams(c, f);
        return c;
    }
    // The y of every line end of the colour that lies within the band around baseline y.
    static std::vector<int> BandYs(const RecordingCanvas& c, Color colour, int lo, int hi) {
        std::vector<int> ys;
        for (const auto& l : LinesOf(c, colour))
            for (int y : {l.y1, l.y2})
                if (y >= lo && y <= hi) ys.push_back(y);
        return ys;
    }
};

TEST_F(ScreenDiagramsTest, OneLoadcaseOfASimpleSpan) {
    BeamA();
    Show(1);
    RecordingCanvas c = Diagrams();

    // Governing values stand 36 px (shear, moment) and 40 px (deflection) from their baselines.
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {150, 216}, {150, 180}, 1));
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {950, 252}, {950, 216}, 1));
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {350, 309})); // wx(L - x)/2 at L/4: 3/4 of the peak
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {550, 300}));
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {150, 446}));
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {230, 459})); // 0.3139 of the mid-span sag at L/10
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {550, 486}));
    for (int y : {216, 336, 446})
        EXPECT_TRUE(HasSegment(c, colors::White, {150, y}, {950, y}, 2)) << y;

    EXPECT_TRUE(HasText(c, "SHEAR", {8, 211}, colors::White));
    EXPECT_TRUE(HasText(c, "MOMENT", {8, 331}, colors::White));
    EXPECT_TRUE(HasText(c, "DEFLECTION", {8, 441}, colors::White));
    EXPECT_TRUE(HasText(c, "LOADS", {8, 80}, colors::White));
    for (const auto& t : c.texts()) {
        const bool title =
            t.text == "SHEAR" || t.text == "MOMENT" || t.text == "DEFLECTION" || t.text == "LOADS";
        EXPECT_EQ(t.fontSize, title ? 9 : 8) << t.text;
    }
    EXPECT_EQ(c.fontSize(), 8) << "the sketch draws in the size the diagrams leave";

    EXPECT_TRUE(HasText(c, "25.0 kN", {130, 155}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "-25.0 kN", {930, 262}, colors::Aqua));
    EXPECT_TRUE(HasText(c, "Max +ve Shear", {8, 166}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "25.0 kN", {8, 181}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "Max -ve Shear", {8, 236}, colors::Aqua));
    EXPECT_TRUE(HasText(c, "-25.0 kN", {8, 251}, colors::Aqua));
    EXPECT_TRUE(HasText(c, "31.3 kN-m", {530, 275}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "Max +ve Mom", {8, 286}, colors::Yellow));
    EXPECT_TRUE(HasTextAt(c, "31.3 kN-m", {8, 301}));
    EXPECT_TRUE(HasText(c, "Max -ve Mom", {8, 356}, colors::Aqua));
    EXPECT_TRUE(HasTextAt(c, "0.00 kN-m", {8, 371}));
    EXPECT_TRUE(HasText(c, "-3.88 mm", {530, 496}, colors::Aqua));
    EXPECT_TRUE(HasText(c, "Max -ve Deflection", {8, 466}, colors::Aqua));
    EXPECT_TRUE(HasTextAt(c, "-3.88 mm", {8, 481}));
    EXPECT_FALSE(c.hasText("Max +ve Deflection"));
    EXPECT_TRUE(HasText(c, "25.00 kN", {130, 125}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "25.00 kN", {930, 125}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "Reactions", {5, 115}, colors::White));
    int kNm = 0; // no moment label at the pinned supports
    for (const auto& t : c.texts())
        kNm += t.text.ends_with("kN-m") && t.x1 > 8;
    EXPECT_EQ(kNm, 1);

    EXPECT_EQ(Eng.SupportWorkValues[1], 25000.0f);
    EXPECT_EQ(Eng.SupportWorkValues[2], 25000.0f);
    Diagrams();
    EXPECT_EQ(Eng.SupportWorkValues[1], 25000.0f) << "a second call changes nothing";
    EXPECT_EQ(Eng.SupportWorkValues[2], 25000.0f);
    EXPECT_EQ(Eng.MinSupportReaction[1], 0.0f);
}

TEST_F(ScreenDiagramsTest, MirroredMomentsTallerListsAndTheResultsLayout) {
    BeamA();
    Show(1);
    Model.MomentDiagramSign = -1;
    RecordingCanvas m = Diagrams();
    EXPECT_TRUE(PassesThrough(m, colors::Yellow, {550, 372}));
    EXPECT_FALSE(PassesThrough(m, colors::Yellow, {550, 300}));
    EXPECT_TRUE(HasText(m, "31.3 kN-m", {530, 382}, colors::Yellow));
    EXPECT_TRUE(HasText(m, "Max +ve Mom", {8, 356}, colors::Yellow));
    EXPECT_TRUE(HasTextAt(m, "31.3 kN-m", {8, 371}));
    EXPECT_TRUE(HasText(m, "Max -ve Mom", {8, 286}, colors::Aqua));
    EXPECT_TRUE(HasTextAt(m, "0.00 kN-m", {8, 301}));
    EXPECT_TRUE(PassesThrough(m, colors::Yellow, {550, 486})) << "only the moment band turns over";
    Model.MomentDiagramSign = 1;

    // A taller list lowers every scale: S 299, B 449.
    RecordingCanvas t = Diagrams({1025, 800, 301});
    for (int y : {194, 293, 383})
        EXPECT_TRUE(HasSegment(t, colors::White, {150, y}, {950, y}, 2)) << y;
    EXPECT_TRUE(PassesThrough(t, colors::Yellow, {550, 266}));
    EXPECT_TRUE(PassesThrough(t, colors::Yellow, {550, 413}));

    Drawing.DiagramMode = 1;
    RecordingCanvas r = Diagrams();
    for (int y : {236, 380, 510})
        EXPECT_TRUE(HasSegment(r, colors::White, {150, y}, {950, y}, 2)) << y;
}

TEST_F(ScreenDiagramsTest, AllLoadcasesInTheirColoursWithTheEnvelopeMaxima) {
    BeamC();
    Show(0);
    RecordingCanvas c;
    for (int lc = 1; lc <= 2; ++lc) {
        Drawing.ShownCase = lc;
        DrawDiagrams(c, kFrameF);
    }
    EXPECT_EQ(Drawing.ShownCase, 2);
    // Loadcase 1 (wL/2, -wL^2/12 at the walls, wL^2/24 at mid-span) in yellow.
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {150, 216}, {150, 180}));
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {150, 336}, {150, 366}));
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {550, 321}));
    EXPECT_TRUE(HasSegment(c, colors::Yellow, {950, 366}, {950, 336}));
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {230, 449}));
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {550, 471}));
    // Loadcase 2 (P/2, -PL/8 at the walls and PL/8 under the load) in red.
    EXPECT_TRUE(HasSegment(c, colors::Red, {150, 216}, {150, 187}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {950, 245}, {950, 216}));
    EXPECT_TRUE(HasSegment(c, colors::Red, {150, 336}, {150, 372}));
    EXPECT_TRUE(PassesThrough(c, colors::Red, {550, 300}));
    EXPECT_TRUE(PassesThrough(c, colors::Red, {230, 450}));
    EXPECT_TRUE(PassesThrough(c, colors::Red, {550, 486}));

    EXPECT_TRUE(HasText(c, "30.0 kN", {8, 181}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "-30.0 kN", {8, 251}, colors::Aqua));
    EXPECT_TRUE(HasTextAt(c, "24.0 kN-m", {8, 301}));
    EXPECT_TRUE(HasTextAt(c, "-24.0 kN-m", {8, 371}));
    EXPECT_TRUE(HasTextAt(c, "-0.762 mm", {8, 481}));
    EXPECT_TRUE(HasText(c, "30.00 kN", {130, 115}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "30.00 kN", {930, 115}, colors::Yellow));
    EXPECT_TRUE(HasText(c, "Maximum", {6, 107}, colors::White));
    EXPECT_TRUE(HasText(c, "Reactions", {6, 123}, colors::White));
    for (const auto& t : c.texts())
        EXPECT_TRUE(t.x1 <= 8 || t.y1 == 115)
            << "member label \"" << t.text << "\" at " << t.x1 << "," << t.y1;
}

TEST_F(ScreenDiagramsTest, EachLoadcaseAloneWithItsOwnLabels) {
    BeamC();
    Show(1);
    RecordingCanvas one = Diagrams();
    EXPECT_TRUE(HasText(one, "-20.0 kN-m", {130, 376}, colors::Aqua));
    EXPECT_TRUE(HasText(one, "-20.0 kN-m", {930, 376}, colors::Aqua));
    EXPECT_TRUE(HasText(one, "10.00 kN-m", {530, 296}, colors::Yellow));
    EXPECT_TRUE(HasTextAt(one, "10.00 kN-m", {8, 301})) << "maxima of the loadcase, not of the envelope";
    EXPECT_TRUE(HasTextAt(one, "-20.0 kN-m", {8, 371}));

    Show(2);
    RecordingCanvas two = Diagrams();
    EXPECT_TRUE(LinesOf(two, colors::Yellow).empty());
    EXPECT_TRUE(HasText(two, "-24.0 kN-m", {130, 382}, colors::Aqua));
    EXPECT_TRUE(HasText(two, "24.0 kN-m", {530, 275}, colors::Yellow));
    EXPECT_TRUE(HasText(two, "24.0 kN", {130, 162}, colors::Yellow));
    EXPECT_TRUE(HasText(two, "24.00 kN", {130, 125}, colors::Yellow));
    EXPECT_TRUE(HasTextAt(two, "24.0 kN", {8, 181}));
}

// A 10 kN load on the tip of a 1000 mm cantilever over a pinned 4000 mm span: root shear 10 kN,
// root moment 10 kN-m, reactions 12.5 kN and -2.5 kN, tip sag Pa^2(L + a)/3EI = 0.794 mm, the span
// lifting (by at most PaL^2/(9 sqrt3 EI) = 0.489 mm).
TEST_F(ScreenDiagramsTest, CantileverLabels) {
    CommitAndAnalyse(BeamBuilder().LHCantilever(1000).Spans({4000}).Point(1, 0, 10000));
    Show(1);
    RecordingCanvas lh = Diagrams();
    EXPECT_TRUE(HasText(lh, "-10.0 kN", {290, 262}, colors::Aqua)); // at the root, column 310
    EXPECT_TRUE(HasText(lh, "2.50 kN", {290, 182}, colors::Yellow));
    EXPECT_TRUE(HasText(lh, "2.50 kN", {930, 182}, colors::Yellow));
    EXPECT_TRUE(HasText(lh, "-10.00 kN-m", {290, 382}, colors::Aqua));
    EXPECT_TRUE(HasText(lh, "-0.794 mm", {130, 496}, colors::Aqua));
    EXPECT_TRUE(HasTextAt(lh, "-0.794 mm", {8, 481}));
    int spanLift = 0; // the span's label, yellow above its rising curve, at mid-span (column 630)
    for (const auto& t : TextsOf(lh, colors::Yellow))
        spanLift += t.x1 == 610 && t.y1 < 421 && t.text.starts_with("0.48");
    EXPECT_EQ(spanLift, 1);
    EXPECT_TRUE(HasText(lh, "12.50 kN", {290, 125}, colors::Yellow));
    EXPECT_TRUE(HasText(lh, "-2.500 kN", {930, 125}, colors::Red));
    // The span's moment is linear (no peak of its own) and 0 at the far end: neither is labelled.
    int kNm = 0;
    for (const auto& t : lh.texts())
        kNm += t.text.ends_with("kN-m") && t.x1 > 8;
    EXPECT_EQ(kNm, 1);

    CommitAndAnalyse(BeamBuilder().Spans({4000}).RHCantilever(1000).Point(1, 5000, 10000));
    Show(1);
    Eng.CantileverLength[1][0] = 1000; // a stale length of a cantilever this loadcase does not have
    RecordingCanvas rh = Diagrams();
    EXPECT_TRUE(HasText(rh, "-2.50 kN", {130, 235}, colors::Aqua)) << "labels start at the LH end";
    EXPECT_TRUE(HasText(rh, "10.0 kN", {770, 155}, colors::Yellow));
    EXPECT_TRUE(HasText(rh, "-10.00 kN-m", {770, 382}, colors::Aqua));
    EXPECT_TRUE(HasText(rh, "-0.794 mm", {930, 496}, colors::Aqua));
    EXPECT_TRUE(HasText(rh, "-2.500 kN", {130, 125}, colors::Red));
    EXPECT_TRUE(HasText(rh, "12.50 kN", {770, 125}, colors::Yellow));
}

TEST_F(ScreenDiagramsTest, EnvelopeReactionsSkipReleasedSupports) {
    BeamC();
    Show(0);
    Drawing.ShownCase = 1;
    Eng.SupportWorkValues.fill(0);
    Eng.MinSupportReaction.fill(0);
    Eng.SupportReaction[1][2] = -5000;
    Eng.ReleasedSupport[1][2] = -1;
    RecordingCanvas released = Diagrams();
    EXPECT_EQ(Eng.MinSupportReaction[2], 0.0f);
    EXPECT_EQ(Eng.SupportWorkValues[2], 24000.0f) << "loadcase 2's reaction still counts";
    EXPECT_EQ(TextsAtY(released, 130), 0);

    Eng.ReleasedSupport[1][2] = 0;
    RecordingCanvas held = Diagrams();
    EXPECT_EQ(Eng.MinSupportReaction[2], -5000.0f);
    EXPECT_TRUE(HasText(held, "-5.000 kN", {925, 130}, colors::Red));

    Show(1);
    RecordingCanvas one = Diagrams();
    EXPECT_TRUE(HasText(one, "-5.000 kN", {930, 125}, colors::Red));
}

TEST_F(ScreenDiagramsTest, VanishingMaximaAndAnOverTallListLeaveCurvesFlat) {
    BeamA();
    Show(1);
    Eng.ShearExtremes[0][27][5] = 0;
    RecordingCanvas c = Diagrams();
    const auto shear = BandYs(c, colors::Yellow, 150, 280);
    ASSERT_FALSE(shear.empty());
    for (int y : shear)
        EXPECT_EQ(y, 216);
    EXPECT_TRUE(PassesThrough(c, colors::Yellow, {550, 300})) << "the other bands keep their scales";

    // S = 800 - 200 - 700 < 0: no height for curves, bands at B = 350 (174, 250, 320).
    RecordingCanvas tall = Diagrams({1025, 800, 700});
    for (const auto& l : LinesOf(tall, colors::Yellow)) {
        EXPECT_EQ(l.y1, l.y2);
        EXPECT_TRUE(l.y1 == 174 || l.y1 == 250 || l.y1 == 320) << l.y1;
    }

    Eng.DeflectionExtremes[0][27][5] = 0;
    Drawing.ShownCase = 0;
    Eng.SupportWorkValues.fill(0);
    RecordingCanvas none = Diagrams();
    EXPECT_TRUE(none.items.empty());
    EXPECT_EQ(Drawing.ShownCase, 0);
    EXPECT_EQ(Eng.SupportWorkValues[1], 0.0f);
}

} // namespace

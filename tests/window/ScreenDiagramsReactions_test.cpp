// The reactions over the screen diagrams in each way of showing the loadcases: the loadcase's own
// reactions when one is shown alone, the envelope's largest and uplifts only under "All", and
// none while the analysis draws.
#include <string>
#include <vector>

#include "DrawingTestSupport.h"
#include "window/ScreenDiagrams.h"

using namespace kx;
using namespace kx::test;

namespace {

// Every text drawn between the LOADS title and the shear band (y 100..139: the reactions and their
// headings), in the order drawn, as "text (x,y) rgb".
std::vector<std::string> ReactionTexts(int lc, int mode) {
    Drawing.ShownCase = lc;
    Model.ShownCaseMode = mode;
    RecordingCanvas c;
    DrawDiagrams(c, kFrameF);
    std::vector<std::string> out;
    for (const auto& t : c.texts())
        if (t.y1 >= 100 && t.y1 < 140)
            out.push_back(t.text + " (" + std::to_string(t.x1) + "," + std::to_string(t.y1) + ") " +
                          std::to_string(t.color.r) + "," + std::to_string(t.color.g) + "," +
                          std::to_string(t.color.b));
    return out;
}

} // namespace

// A 1000 mm LH cantilever beside a pinned 4000 mm span. Loadcase 1: 10 kN on the tip, moments
// about the RH support R1 = 10 x 5000 / 4000 = 12.5 kN, R2 = 10 - 12.5 = -2.5 kN (uplift).
// Loadcase 2: 20 kN at the span's middle, R1 = R2 = 10 kN. Envelope: largest 12.5 and 10 kN, the
// uplift -2.5 kN at support 2. Support columns 150 + 800 x 1000 / 5000 = 310 and 950; reactions stand
// 20 px left of them (25 px for an envelope uplift).
TEST_F(DrawingTest, ReactionsOverTheDiagramsFollowHowTheLoadcasesAreShown) {
    kxtest::AnalyseJob(
        BeamBuilder().LHCantilever(1000).Spans({4000}).Point(1, 0, 10000).Point(2, 3000, 20000));
    ASSERT_EQ(Model.LoadcaseCount, 2);
    const std::string Yl = "255,255,0", Rd = "255,0,0", Wh = "255,255,255";
    struct Row {
        const char* name;
        int lc, mode;
        std::vector<std::string> texts;
    };
    const Row rows[] = {
        {"loadcase 1 alone",
         1,
         -1,
         {"12.50 kN (290,125) " + Yl, "-2.500 kN (930,125) " + Rd, "Reactions (5,115) " + Wh}},
        {"loadcase 2 alone",
         2,
         -1,
         {"10.00 kN (290,125) " + Yl, "10.00 kN (930,125) " + Yl, "Reactions (5,115) " + Wh}},
        {"all loadcases",
         1,
         1,
         {"12.50 kN (290,115) " + Yl, "10.00 kN (930,115) " + Yl, "-2.500 kN (925,130) " + Rd,
          "Maximum (6,107) " + Wh, "Reactions (6,123) " + Wh}},
        // While the analysis draws each loadcase in turn: no reactions at all.
        {"loadcase 1 during the analysis", 1, 0, {}},
        {"loadcase 2 during the analysis", 2, 0, {}},
    };
    // Each way twice over, and after one another: the envelope the drawing gathers does not leak
    // into the other ways.
    for (int pass = 1; pass <= 2; ++pass)
        for (const Row& r : rows)
            EXPECT_EQ(ReactionTexts(r.lc, r.mode), r.texts) << r.name << ", pass " << pass;
}

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

// A drawn text as "text (x,y) r,g,b".
std::string Seen(const Item& t) {
    return t.text + " (" + std::to_string(t.x1) + "," + std::to_string(t.y1) + ") " +
           std::to_string(t.color.r) + "," + std::to_string(t.color.g) + "," + std::to_string(t.color.b);
}

// Every text drawn between the LOADS title and the shear band (y 100..139: the reactions and their
// headings), in the order drawn.
std::vector<std::string> ReactionTexts(int lc, int mode) {
    Drawing.ShownCase = lc;
    Model.ShownCaseMode = mode;
    RecordingCanvas c;
    DrawDiagrams(c, kFrameF);
    std::vector<std::string> out;
    for (const auto& t : c.texts())
        if (t.y1 >= 100 && t.y1 < 140) out.push_back(Seen(t));
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

// While the analysis draws (mode 0) only the titles and the captions stand: no value label at a
// support, a span or a cantilever tip, no maxima and no reaction, whichever loadcase is drawn and
// whichever way up the moments are. Cantilevers of 1000 mm either side of a 4000 mm span, each tip
// loaded in its own loadcase, so that every gated label of a cantilever has a value to show.
// Baselines 216, 336, 446 and d = 20: captions at base - d - 30 and base + d, titles at base - 5.
TEST_F(DrawingTest, WhileTheAnalysisDrawsOnlyTitlesAndCaptionsStand) {
    kxtest::AnalyseJob(BeamBuilder()
                           .LHCantilever(1000)
                           .Spans({4000})
                           .RHCantilever(1000)
                           .Point(1, 0, 10000)
                           .Point(2, 6000, 10000));
    ASSERT_EQ(Model.LoadcaseCount, 2);
    const std::string Yl = "255,255,0", Aq = "0,255,255", Wh = "255,255,255";
    auto texts = [&](int sign) {
        const int plus = sign == 1 ? 286 : 356, minus = sign == 1 ? 356 : 286;
        return std::vector<std::string>{"SHEAR (8,211) " + Wh,
                                        "LOADS (8,80) " + Wh,
                                        "Max +ve Shear (8,166) " + Yl,
                                        "Max -ve Shear (8,236) " + Aq,
                                        "MOMENT (8,331) " + Wh,
                                        "Max +ve Mom (8," + std::to_string(plus) + ") " + Yl,
                                        "Max -ve Mom (8," + std::to_string(minus) + ") " + Aq,
                                        "DEFLECTION (8,441) " + Wh};
    };
    for (int sign : {1, -1})
        for (int lc : {1, 2}) {
            Model.MomentDiagramSign = sign;
            Drawing.ShownCase = lc;
            Model.ShownCaseMode = 0;
            RecordingCanvas c;
            DrawDiagrams(c, kFrameF);
            std::vector<std::string> drawn;
            for (const auto& t : c.texts())
                drawn.push_back(Seen(t));
            EXPECT_EQ(drawn, texts(sign)) << "loadcase " << lc << ", moment sign " << sign;
            EXPECT_FALSE(c.lines().empty()) << "the curves and baselines are drawn";
        }
}

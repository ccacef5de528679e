// Analyses that leave nothing of an earlier pass or job behind: the span moment extremes saved for
// a loadcase stopped as unstable after a forkhead release, and the texts of a job analysed again
// after a larger one.
#include "app/ProgramState.h"
#include "window/KxfFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "KxfTestSupport.h"
#include "engine/AnalyseBeam.h"
#include "engine/BeamBuilder.h"
#include "foundation/Unit1.h"
#include "foundation/Units.h"
#include "platform/Dialogs.h"

using namespace kx;
using kx::test::BeamBuilder;

namespace {

class StoppedAnalysis : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    ScopedScriptedDialogs dialogs;
};

// Spans 5 + 5 m on forkheads A, B, C; loadcase 1 4 N/mm down, loadcase 2 4 N/mm up over 10 m.
// Loadcase 2, pass 1 (two spans): reactions 3wL/8 at A and C and 10wL/8 at B, all upward, so B
// (the most negative) is released. Pass 2 (one span A-C of 10 m): wL = 20 kN up at A and at C,
// A (the first of equal ones) is released, one support is left: unstable. The file then holds the
// extremes of pass 2: span 1 min = -w(10 m)^2/8 = -4 x 1e8 / 8 = -5e7 N-mm at its middle, max 0
// (no sagging); span 2, gone in pass 2, 0 and 0 (pass 1 had min -0.07 wL^2 = -7e6 at 2 and 3 m
// from the ends at 20 intervals, and max +wL^2/8 = +1.25e7 over B).
// Loadcase 1, stable: hogging wL^2/8 = 4 x 25e6 / 8 = 1.25e7 N-mm over B in both spans.
TEST_F(StoppedAnalysis, TheSpanMomentsSavedForAnUnstableLoadcaseAreThoseOfItsLastPass) {
    BeamBuilder()
        .Spans({5000, 5000})
        .AllSupports(supForkhead)
        .Udl(1, 0, 4, 10000)
        .Udl(2, 0, -4, 10000)
        .Commit();
    SetDefaultUnits(Model);
    Model.VersionNumber = kVersionNumber; // as the program starts
    Model.CurrentLoadcase = 1;
    NullAnalysisHost host;
    AnalyseBeam(host);
    ASSERT_EQ(dialogs->messages(),
              std::vector<std::string>{"  ERROR         \r\rLoadcase 2   Beam is unstable"});
    ASSERT_EQ(Model.LoadcaseCount, 2);
    const std::vector<std::uint8_t> file = WriteKxfFile();

    ResetProgramState();
    ReadKxfFile(file);
    struct Row {
        int lc, span;
        float min;
        std::optional<float> max; // loadcase 1's sagging maxima are read by the analysis tests
    };
    const Row rows[] = {
        {2, 1, -5.0e7f, 0.0f}, {2, 2, 0.0f, 0.0f}, {1, 1, -1.25e7f, {}}, {1, 2, -1.25e7f, {}}};
    for (const Row& r : rows) {
        const std::string at = "loadcase " + std::to_string(r.lc) + " span " + std::to_string(r.span);
        EXPECT_NEAR(Eng.SpanMinMoment[r.lc][r.span], r.min, 1.0) << at;
        if (r.max) {
            EXPECT_EQ(Eng.SpanMaxMoment[r.lc][r.span], *r.max) << at;
        }
    }
}

// The forkhead job, whose loadcase 2 loses supports (span 3 and on gone), analysed again after a
// job of spans 4 + 4 + 10 m whose loadcase 2 deflects 10 x 10000^4 / (185 x 210000 x 2e7) = 129 mm
// in span 3 (which would give 2 decimals, not 3): its texts, the deflection column's decimals among
// them, are those it had when analysed first.
TEST_F(StoppedAnalysis, AJobAnalysedAgainAfterALargerOneListsAsWhenAnalysedFirst) {
    NullAnalysisHost host;
    kxtest::AnalyseAsSaved(kxtest::ForkheadTestBeam(), {}, host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_LT(Model.SpanCount[2], 3);
    const SharedModel job = Model;
    ResultTextTables first = Txt;

    kxtest::AnalyseAsSaved(BeamBuilder()
                               .Spans({4000, 4000, 10000})
                               .Section(210000, 2e7f)
                               .Udl(1, 0, 1, 18000)
                               .Udl(2, 8000, 10, 10000),
                           {}, host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    ASSERT_GT(std::abs(Eng.SpanMaxDeflection[2][3]), 100.0);
    Model = job; // committed again, as the forms or an Open put it back
    kxtest::AnalyseCommitted(1, &host);
    ASSERT_EQ(Model.AnalysedFlag, 1);
    EXPECT_TRUE(Txt == first);
    auto sameLines = [](auto& now, auto& was, const std::string& what) {
        for (int i = 0; i <= was.high; ++i)
            EXPECT_EQ(now[i].str(), was[i].str()) << what << " line " << i;
    };
    for (int lc = 1; lc <= Model.LoadcaseCount; ++lc) {
        sameLines(Txt.CaseListing[lc], first.CaseListing[lc], "loadcase " + std::to_string(lc));
        sameLines(Txt.CaseSupportLines[lc], first.CaseSupportLines[lc], "supports " + std::to_string(lc));
    }
    sameLines(Txt.SummaryLines, first.SummaryLines, "summary");
}

} // namespace

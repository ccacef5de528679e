// The window steps an analysis asks for, in order, for one loadcase and for several.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/AnalysisFixture.h"
#include "window/RecordingFileHost.h"

using namespace kx;
using namespace kx::test;

namespace {

class AnalysisWindowSteps : public AnalysisTest {};

// The window steps, and the case mode each drawing of the diagrams finds: the figures a picture
// carries depend on it.
struct ModeRecordingHost : kxtest::RecordingFileHost {
    std::vector<int> modes;
    void DrawDiagrams() override {
        modes.push_back(Model.ShownCaseMode);
        RecordingFileHost::DrawDiagrams();
    }
};

TEST_F(AnalysisWindowSteps, EveryPictureIsRedrawnAfterTheAnalysisForOneLoadcaseAndForSeveral) {
    // The lists emptied, the selector shown, the picture black and Save and Print enabled as the
    // earlier results are cleared; after the loadcases the picture is blacked again, then the loads
    // and the beam are drawn under the diagrams: of the only loadcase (shown with its results), or
    // of each loaded one in turn with "All" shown and the envelope listed; the results list filled,
    // the selector up to the count.
    const std::string start = "EmptyResultLists, ShowCaseSelector, FillImageBlack, EnableFileMenus, "
                              "ResetImageRect, FillImageBlack, ";
    const struct {
        BeamBuilder beam;
        std::string calls;
        std::vector<int> modes; // one loadcase with its figures (-1), or all in turn (1)
    } cases[] = {
        {BeamBuilder().Spans({5000}).Udl(1, 0, 10, 5000),
         start + "SetCaseSelection 1 1, SetShownCase 1, DrawLoads, DrawBeam, DrawDiagrams, ShowCaseResults, "
                 "FillResultsList, EnableCaseSelector 1",
         {-1}},
        {BeamBuilder().Spans({5000, 4000}).Udl(1, 0, 10, 5000).Point(3, 7000, 2000),
         start + "SetCaseSelection All 0, DrawLoads, DrawBeam, SetShownCase 1, DrawDiagrams, SetShownCase 3, "
                 "DrawDiagrams, FillResultsList, ShowEnvelopeResults, EnableCaseSelector 3",
         {1, 1}},
    };
    for (const auto& c : cases) {
        Commit(c.beam);
        ModeRecordingHost windows;
        AnalyseBeam(windows);
        ASSERT_EQ(Model.AnalysedFlag, 1);
        EXPECT_EQ(windows.calls, c.calls);
        EXPECT_EQ(windows.modes, c.modes);
    }
}

} // namespace

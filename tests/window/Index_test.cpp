// The main window's list layouts, the texts of one loadcase, and the order of its redraws.
#include "window/Index.h"

#include <gtest/gtest.h>

#include "app/ProgramState.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/SharedModel.h"
#include "window/DrawingState.h"
#include "window/ResultsSummary.h"

using namespace kx;

namespace {

// Stands in for the main window: records the calls, and keeps the loadcase shown as it does.
class RecordingHost : public NullAnalysisHost {
public:
    void SetShownCase(int lc) override {
        Drawing.ShownCase = lc;
        Log("case " + std::to_string(lc));
    }
    void SetCaseSelection(const std::string& label, const std::string& edit) override {
        Log("label " + label + " " + edit);
    }
    void ResetImageRect() override { Log("rect"); }
    void FillImageBlack() override { Log("black"); }
    void DrawLoads() override { Log("loads" + mode()); }
    void DrawBeam() override { Log("beam"); }
    void DrawDiagrams() override { Log("diagrams " + std::to_string(Drawing.ShownCase) + mode()); }
    void ShowCaseResults() override { Log("case results"); }
    void ShowEnvelopeResults() override { Log("envelope"); }
    static std::string mode() {
        return Model.ShownCaseMode == 1 ? " all" : Model.ShownCaseMode == -1 ? " one" : "";
    }
    void Log(const std::string& call) { calls += (calls.empty() ? "" : ", ") + call; }
    std::string calls;
};

class IndexCore : public ::testing::Test {
protected:
    void SetUp() override { ResetProgramState(); }
    RecordingHost host;
};

template <class Table> void Set(Table& table, std::vector<std::string> lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        table[static_cast<int>(i)] = lines[i];
}

} // namespace

TEST(IndexLayout, ListHeightsFollowTheOuterHeightAndEditCaseIsReadLeniently) {
    const std::pair<int, int> heights[] = {{1000, 400}, {751, 151}, {750, 125}, {700, 125},
                                           {551, 125},  {550, 25},  {300, 25}};
    for (const auto& [outer, list] : heights)
        EXPECT_EQ(ListHeight(outer), list) << outer;
    // Default keeps the widths and lefts a list has.
    const IndexWindowSize wide{1278, 1022, 1278, 1000};
    IndexLayout moved = DiagramsLayout(ResultsLayout(CreationLayout(wide), wide));
    moved.Results = {7, 0, 100, 0};
    EXPECT_EQ(DefaultLayout(moved, wide).Results, (ListPlace{7, 578, 100, 422}));
    EXPECT_EQ(CaseFromEditText(" 3x"), 3);
    EXPECT_EQ(CaseFromEditText("1e300"), 1000000);
    EXPECT_EQ(CaseLabel("0"), "All");
}

TEST_F(IndexCore, CaseResultsListTheLoadcasesTextsInTheirOrder) {
    Set(Txt.CaseLoadLines[2], {"2", "L1", "L2"});
    Set(Txt.CaseSupportLines[2], {"1", "S1"});
    Txt.CaseMaxStressLines[2] = "M";
    Set(Txt.SteelCheckLines[2], {"1", "C1"});
    Set(Txt.TimberCheckLines[2], {"1", "T1"});
    Set(Txt.KxCheckLines[2], {"1", "K1"});
    Set(Txt.CaseListing[1], {"1", "other loadcase"});
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
    ResultListContent c = CaseResultsListContent(2);
    EXPECT_EQ(c.lines, (std::vector<std::string>{"L1", "L2", "S1", "M", "C1"}));
    EXPECT_EQ(c.colour, colors::Black);
    // The stress line is kept in the support lines, after the lines the count covers.
    EXPECT_EQ(Txt.CaseSupportLines[2][2], "M");
    EXPECT_EQ(Txt.CaseSupportLines[2][0], "1");
    Model.MemberType = "Timber";
    Model.SteelSectionFlag = 0;
    Set(Txt.CaseListing[2], {"2", "X1", "X2"});
    EXPECT_EQ(CaseResultsListContent(2).lines,
              (std::vector<std::string>{"L1", "L2", "S1", "T1", "X1", "X2"}));
    Model.MemberType = "Scaffold";
    EXPECT_EQ(CaseResultsListContent(2).lines,
              (std::vector<std::string>{"L1", "L2", "S1", "K1", "X1", "X2"}));
    // A full support table has no room for the stress line.
    Model.MemberType = "HRS";
    Txt.CaseSupportLines[2][0] = "100";
    Txt.CaseSupportLines[2][100] = "S100";
    Txt.CaseListing[2][0] = "";
    c = CaseResultsListContent(2);
    ASSERT_EQ(c.lines.size(), 102u);
    EXPECT_EQ(c.lines.back(), "S100");
    // A failed member check shows in red; loadcase 0 shows nothing; no loadcase 6.
    Eng.CaseCheckFailures[2] = -2;
    EXPECT_EQ(CaseResultsListContent(2).colour, colors::Red);
    EXPECT_TRUE(CaseResultsListContent(0).lines.empty());
    EXPECT_EQ(CaseResultsListContent(0).colour, colors::Black);
    Eng.CaseCheckFailures[0] = -1;
    EXPECT_EQ(CaseResultsListContent(0).colour, colors::Red);
    EXPECT_TRUE(CaseResultsListContent(6).lines.empty());
}

TEST_F(IndexCore, RedrawsDrawInTheirOrderAndTheSelectorTellsWhichListComesForward) {
    Model.CaseHasLoads[1] = Model.CaseHasLoads[3] = 1;
    Model.AnalysedFlag = 1;
    RedrawSurface(host);
    DiagramPass(host);
    EXPECT_EQ(host.calls, "rect, black, loads, beam, case 1, diagrams 1 all, case 3, diagrams 3 all, case 0");
    EXPECT_EQ(Model.ShownCaseMode, 1);
    // Before any analysis no diagram is drawn, but the loadcases are still gone through.
    Model.AnalysedFlag = 0;
    host.calls.clear();
    DiagramPass(host);
    EXPECT_EQ(host.calls, "case 1, case 3, case 0");

    Model.AnalysedFlag = 1;
    host.calls.clear();
    EXPECT_EQ(SelectLoadcase(host, "3"), FrontList::CaseResults);
    EXPECT_EQ(host.calls, "case 3, label 3 3, rect, black, loads one, beam, diagrams 3 one, case results");
    // "All": the sketch sees mode 1, the envelope comes after the last loadcase's diagrams and
    // before the loadcase shown returns to 0.
    host.calls.clear();
    EXPECT_EQ(SelectLoadcase(host, "0"), FrontList::Results);
    EXPECT_EQ(host.calls,
              "case 0, label All 0, rect, black, loads all, beam, case 1, diagrams 1 all, case 3, "
              "diagrams 3 all, envelope, case 0");
}

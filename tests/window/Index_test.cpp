// The main window's list layouts, the texts of one loadcase, and its picture redrawn on the selector.
#include "window/Index.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/ProgramState.h"
#include "engine/AnalysedJob.h"
#include "engine/EngineState.h"
#include "engine/ResultText.h"
#include "foundation/SharedModel.h"
#include "window/DrawingState.h"
#include "window/ResultsSummary.h"

using namespace kx;

namespace {

// Stands in for the main window: the picture, blanked by a fill, and the lists brought forward,
// with the loadcase shown and the sketch's mode at the time of each drawing.
class PictureHost : public NullAnalysisHost {
public:
    void SetShownCase(int lc) override { Drawing.ShownCase = lc; }
    void FillImageBlack() override { picture.clear(); }
    void DrawLoads() override { picture += "loads" + mode() + ", "; }
    void DrawBeam() override { picture += "beam, "; }
    void DrawDiagrams() override {
        picture += "diagrams " + std::to_string(Drawing.ShownCase) + mode() + ", ";
    }
    void ShowCaseResults() override { picture += "case results, "; }
    void ShowEnvelopeResults() override { picture += "envelope, "; }
    static std::string mode() {
        return Model.ShownCaseMode == 1 ? " all" : Model.ShownCaseMode == -1 ? " one" : "";
    }
    std::string picture;
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
    // Creation: both lists along the bottom, List_Results 475 wide on the left, List_CaseResults
    // 625 wide on the right, or over the rest of a window wider than 1100: 1278 - 475 = 803.
    const std::tuple<IndexWindowSize, ListPlace, ListPlace> created[] = {
        {wide, {0, 578, 475, 422}, {475, 578, 803, 422}},
        {{1100, 800, 1100, 778}, {0, 578, 475, 200}, {475, 578, 625, 200}},
        {{1101, 800, 1101, 778}, {0, 578, 475, 200}, {475, 578, 626, 200}}};
    for (const auto& [size, results, caseResults] : created) {
        EXPECT_EQ(CreationLayout(size).Results, results) << size.outerWidth;
        EXPECT_EQ(CreationLayout(size).CaseResults, caseResults) << size.outerWidth;
    }
    EXPECT_EQ(CaseFromEditText(" 3x"), 3);
    EXPECT_EQ(CaseFromEditText("1e300"), 1000000);
    EXPECT_EQ(CaseLabel("0"), "All");
}

TEST(IndexCore, CaseResultsListTheLoadcasesTextsInTheirOrder) {
    ResetProgramState();
    Set(Txt.CaseLoadLines[2], {"2", "L1", "L2"});
    Set(Txt.CaseSupportLines[2], {"1", "S1"});
    Txt.CaseMaxStressLines[2] = "M";
    Set(Txt.SteelCheckLines[2], {"1", "C1"});
    Set(Txt.TimberCheckLines[2], {"1", "T1"});
    Set(Txt.KxCheckLines[2], {"1", "K1"});
    Set(Txt.CaseListing[1], {"1", "other loadcase"});
    using V = std::vector<std::string>;
    // The stress line is kept in the support lines, after the lines the count covers.
    Model.MemberType = "HRS";
    Model.SteelSectionFlag = 1;
    ResultListContent c = CaseResultsListContent(2);
    EXPECT_EQ(c.lines, (V{"L1", "L2", "S1", "M", "C1"}));
    EXPECT_EQ(c.colour, colors::Black);
    EXPECT_EQ(Txt.CaseSupportLines[2][0] + Txt.CaseSupportLines[2][2].str(), "1M");
    Model.SteelSectionFlag = 0;
    Set(Txt.CaseListing[2], {"2", "X1", "X2"});
    for (const auto& [group, check] : {std::pair{"Timber", "T1"}, {"Scaffold", "K1"}}) {
        Model.MemberType = group;
        EXPECT_EQ(CaseResultsListContent(2).lines, (V{"L1", "L2", "S1", check, "X1", "X2"})) << group;
    }
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
    // A loadcase whose support table counts no lines shows none of them, whatever its first slot
    // still holds: for HRS only the stress line, which takes that first slot.
    Set(Txt.CaseSupportLines[3], {"0"});
    Txt.CaseSupportLines[3][1] = "left over";
    Txt.CaseMaxStressLines[3] = "M3";
    for (const auto& [group, lines] : {std::pair{"HRS", V{"M3"}}, {"Timber", V{}}}) {
        Model.MemberType = group;
        EXPECT_EQ(CaseResultsListContent(3).lines, lines) << group;
    }
    EXPECT_EQ(Txt.CaseSupportLines[3][1], "M3");
    // A count beyond its table (100 lines) shows the table's lines and no more.
    Model.MemberType = "Scaffold";
    Set(Txt.KxCheckLines[3], {"101"});
    Txt.KxCheckLines[3][100] = "K100";
    c = CaseResultsListContent(3);
    ASSERT_EQ(c.lines.size(), 100u);
    EXPECT_EQ(c.lines.back(), "K100");
}

TEST(IndexCore, TheSelectorRedrawsThePictureOfOneLoadcaseOrOfAllWithTheEnvelope) {
    ResetProgramState();
    Model.CaseHasLoads[1] = Model.CaseHasLoads[3] = Model.CaseHasLoads[5] = 1; // up to the last
    PictureHost host;
    // Before any analysis no diagram is drawn.
    EXPECT_EQ(SelectLoadcase(host, "0"), FrontList::Results);
    EXPECT_EQ(host.picture, "loads all, beam, envelope, ");
    Model.AnalysedFlag = 1;
    RecordAnalysedJob(); // results found for this job
    EXPECT_EQ(SelectLoadcase(host, "3"), FrontList::CaseResults);
    EXPECT_EQ(host.picture, "loads one, beam, diagrams 3 one, case results, ");
    EXPECT_EQ(Drawing.ShownCase, 3);
    EXPECT_EQ(SelectLoadcase(host, "0"), FrontList::Results);
    EXPECT_EQ(host.picture, "loads all, beam, diagrams 1 all, diagrams 3 all, diagrams 5 all, envelope, ");
    EXPECT_EQ(Drawing.ShownCase, 0);
    // Once the job is not the one analysed, its diagrams are drawn no more.
    Model.CaseHasLoads[2] = 1;
    EXPECT_EQ(SelectLoadcase(host, "0"), FrontList::Results);
    EXPECT_EQ(host.picture, "loads all, beam, envelope, ");
}

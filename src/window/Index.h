// The main analysis window without its widgets: where its two result lists go in each layout, the
// loadcase that its selector names, and the order of its redraws.
#pragma once

#include <string>
#include <string_view>

#include "engine/AnalyseBeam.h"

namespace kx {

// A list's place in the client area of the main window (pixels).
struct ListPlace {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ListPlace&) const = default;
};

// Where List_Results and List_CaseResults stand.
struct IndexLayout {
    ListPlace Results, CaseResults;
    bool operator==(const IndexLayout&) const = default;
};

// The window's outer size (its frame) and its client area under the menu bar.
struct IndexWindowSize {
    int outerWidth = 0, outerHeight = 0, clientWidth = 0, clientHeight = 0;
};

// Width of List_Results; also what List_CaseResults leaves to it on a wide window.
inline constexpr int kResultsListWidth = 475;
// Width of List_CaseResults on a window no wider than kWideWindow.
inline constexpr int kCaseResultsListWidth = 625;
inline constexpr int kWideWindow = 1100;
// Top of both lists in the Results layout.
inline constexpr int kResultsLayoutTop = 180;

// Height of each list for a window of this outer height: 25, 125 above 550, and the outer
// height less 600 above 750.
int ListHeight(int outerHeight);

// The lists as the window is made: List_Results 475 wide at the left, List_CaseResults
// right-aligned and 625 wide, or filling the rest of a window wider than 1100; both on the
// bottom edge, as high as the height rule says.
IndexLayout CreationLayout(const IndexWindowSize& size);

// Tile > Default: both lists as high as the height rule says, on the bottom edge; their widths
// and lefts stay.
IndexLayout DefaultLayout(IndexLayout current, const IndexWindowSize& size);

// Tile > Diagrams: both lists 0 high, nothing else changed.
IndexLayout DiagramsLayout(IndexLayout current);

// Tile > Results: both lists from 180 down to the bottom of the client area.
IndexLayout ResultsLayout(IndexLayout current, const IndexWindowSize& size);

// The loadcase that Edit_Case names: its leading number, 0 when it holds none.
int CaseFromEditText(std::string_view text);

// What lbl_Case shows for Edit_Case's text: the text, or "All" for "0".
std::string CaseLabel(const std::string& editText);

// The image filled black over the client area, then the loads and the beam drawn on it.
void RedrawSurface(AnalysisHost& host);

// The diagrams of Drawing.ShownCase, or for 0 those of every loaded loadcase one over another
// (ShownCase back at 0 afterwards); drawn only after an analysis or Open. ShownCaseMode is set
// for the drawings: 1 for all loadcases, -1 for one. With envelopeForAll the case results list
// shows the envelope before ShownCase returns to 0.
void DiagramPass(AnalysisHost& host, bool envelopeForAll = false);

// The loadcase selector's texts: the loadcase its arrows put in Edit_Case, and lbl_Case's name
// for it.
struct CaseSelection {
    std::string Edit_Case, lbl_Case;
};

// Which of the two lists is brought to the front.
enum class FrontList { Results, CaseResults };

// The loadcase selector after the spinner has put its position into Edit_Case: the loadcase
// shown, its label, the picture and diagrams of that loadcase (of all, with the envelope, for
// 0), the loadcase's texts; returns the list to bring to the front.
FrontList SelectLoadcase(AnalysisHost& host, const std::string& editCase);

} // namespace kx

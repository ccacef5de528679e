// Layouts, the selected loadcase and the redraw order of the main analysis window.
#include "window/Index.h"

#include <algorithm>
#include <cmath>

#include "engine/AnalysedJob.h"
#include "foundation/SharedModel.h"
#include "platform/NumberInput.h"
#include "window/DrawingState.h"

namespace kx {

int ListHeight(int outerHeight) {
    if (outerHeight > 750) return outerHeight - 600;
    if (outerHeight > 550) return 125;
    return 25;
}

IndexLayout CreationLayout(const IndexWindowSize& size) {
    IndexLayout l;
    const int h = ListHeight(size.outerHeight);
    l.Results = {0, size.clientHeight - h, kResultsListWidth, h};
    const int w =
        size.outerWidth > kWideWindow ? size.clientWidth - kResultsListWidth : kCaseResultsListWidth;
    l.CaseResults = {size.clientWidth - w, size.clientHeight - h, w, h};
    return l;
}

IndexLayout DefaultLayout(IndexLayout current, const IndexWindowSize& size) {
    const int h = ListHeight(size.outerHeight);
    for (ListPlace* p : {&current.Results, &current.CaseResults}) {
        p->height = h;
        p->top = size.clientHeight - h;
    }
    return current;
}

IndexLayout DiagramsLayout(IndexLayout current) {
    current.Results.height = 0;
    current.CaseResults.height = 0;
    return current;
}

IndexLayout ResultsLayout(IndexLayout current, const IndexWindowSize& size) {
    for (ListPlace* p : {&current.Results, &current.CaseResults}) {
        p->top = kResultsLayoutTop;
        p->height = size.clientHeight - kResultsLayoutTop;
    }
    return current;
}

int CaseFromEditText(std::string_view text) {
    const double v = ReadNumber(text, NumberPolicy::LeadingNumber);
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(v, -1e6, 1e6));
}

std::string CaseLabel(const std::string& editText) { return editText == "0" ? "All" : editText; }

void RedrawSurface(AnalysisHost& host) {
    host.ResetImageRect();
    host.FillImageBlack();
    host.DrawLoads();
    host.DrawBeam();
}

void DiagramPass(AnalysisHost& host, bool envelopeForAll) {
    const bool all = Drawing.ShownCase == 0;
    Model.ShownCaseMode = all ? 1 : -1;
    const bool analysed = ResultsStand();
    if (!all) {
        if (analysed) host.DrawDiagrams();
        return;
    }
    for (int lc = 1; lc <= kMaxLoadcases; ++lc) {
        if (Model.CaseHasLoads[lc] == 0) continue;
        host.SetShownCase(lc);
        if (analysed) host.DrawDiagrams();
    }
    if (envelopeForAll) host.ShowEnvelopeResults();
    host.SetShownCase(0);
}

FrontList SelectLoadcase(AnalysisHost& host, const std::string& editCase) {
    const int c = CaseFromEditText(editCase);
    host.SetShownCase(c);
    host.SetCaseSelection(CaseLabel(editCase), editCase);
    // The sketch reads the mode: one loadcase's labels, or all loadcases' outlines.
    Model.ShownCaseMode = c == 0 ? 1 : -1;
    RedrawSurface(host);
    DiagramPass(host, true);
    if (c == 0) return FrontList::Results;
    host.ShowCaseResults();
    return FrontList::CaseResults;
}

} // namespace kx

// The texts that cover the whole beam after an analysis: the results summary with its maxima,
// the results envelope, and what the two result lists of the main window show of them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace kx {

// Writes Txt.SummaryLines (compliance verdict, beam data, member lengths) and Txt.MaximaLines.
void BuildResultsSummary();

// Writes Txt.EnvelopeLines: per member, at 21 points, the largest shear and the largest positive
// and negative moments over all loadcases with the loadcase that gives each.
void BuildEnvelopeText();

// What a result list shows: its lines, and its font colour (none: the colour stays as it was).
struct ResultListContent {
    std::vector<std::string> lines;
    std::optional<Color> colour;
};

// The results list: the summary, then the maxima; red when any loadcase fails its member check.
ResultListContent ResultsListContent();

// The case results list showing the envelope, in navy; empty on a forkhead beam, which has none.
ResultListContent EnvelopeListContent();

// The case results list showing loadcase c: its loads, its support lines (for "HRS" members with
// the loadcase's largest-stress line stored after them), its member check lines and its listing;
// red when the loadcase failed its check. Empty for 0, which shows no single loadcase.
ResultListContent CaseResultsListContent(int c);

} // namespace kx

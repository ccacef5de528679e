// The printed text pages: beam and loading data with the results summary, the results envelope at
// 1/10th or 1/20th span intervals, and the results of each loadcase.
#pragma once

#include <string>

#include "foundation/SharedModel.h"
#include "platform/Printer.h"

namespace kx {

// Each routine draws from the current page of p's open document on, with the page header on every
// page, and starts further pages itself; none ends the document. No line is printed below the
// page's last row: a table that would run past it goes on over a new page.

// The results summary (from its second line) and maxima, then the distributed and the point loads
// listings; a page carries lines to row 70, and a loads listing continued on a new page repeats
// its headings there.
void PrintBeamLoadingData(Printer& p);

// The results envelope with Model.EnvelopeDivisions 10 or 20 as the interval: at 10 every second
// point is left out and the rest renumbered 1 to 11. A member's block that ends low on a page
// sends what follows to a new page.
void PrintEnvelopeText(Printer& p);

// Per loadcase 1..LoadcaseCount: the support reactions (with the maximum stress line of a rolled
// section), the member-check texts and the listing at 1/20th span intervals, each loadcase from a
// new page; the same whichever loadcase the main window shows (shownCase, 0 for all of them).
// Nothing when all are shown and nothing has been analysed.
void PrintCaseResults(Printer& p, int32 shownCase);
// Whether PrintCaseResults prints anything.
bool PrintsCaseResults(int32 shownCase);

// The point number of an envelope or listing line: the number its first three characters form,
// blanks ignored, or 0 when they form none.
int PrintedPointNumber(const std::string& line);

} // namespace kx

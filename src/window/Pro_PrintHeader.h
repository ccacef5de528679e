// The page header every printed page opens with, and the grid of text rows the printed pages share.
#pragma once

#include "foundation/SharedModel.h"
#include "platform/Arr.h"
#include "platform/Printer.h"

namespace kx {

// Draws the page header on the current page of p's open document: the program title, the six
// header texts, "by  " and the user, the date and time, "Page " and the page number, the beam
// file's path, between two rules. Header units are the printer's dots per inch div 25 across and
// down. Leaves the canvas at "Arial" 9 pt and pen width 3.
void PrintHeader(Printer& p);
// The same on the printer in use.
void PrintHeader();

// Number of text rows of a printed page.
inline constexpr int kPrintRows = 80;

// The grid of a printed page, worked out from the printer's resolution: device pixels per
// millimetre, the y of each text row (3.7 mm apart, row 1 at 3.7 mm), and the 15 mm left margin.
struct PrintPageGrid {
    float PrintDotsPerMmX = 0, PrintDotsPerMmY = 0;
    Arr<int32, 1, kPrintRows> PrintLineY;
    int32 PrintMarginX = 0;
};
PrintPageGrid PageGrid(const Printer& p);

// Device pixels per millimetre across and down: dots per inch / 25.4, in single precision.
float PrintDotsPerMmX(const Printer& p);
float PrintDotsPerMmY(const Printer& p);

} // namespace kx

// The user section file "KX.sct" as the section editor's grid shows it, and the records its Save
// writes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "foundation/SharedModel.h"
#include "foundation/ShownText.h"
#include "sections/SectionRec.h"

namespace kx {

inline constexpr int kUserSectionRows = 250;
inline constexpr const char* kUserSectionFileName = "KX.sct";

// One row of the grid by column: 0 the reference, 1 the description, 2 Ixx, 3 E, 4 permissible
// shear, 5 permissible moment, 6 GA / Kform, each in the current units. A value read from the
// file keeps the exact value behind its text, so that it moves with its row.
inline constexpr int kSectionGridCols = 7;
using SectionGridRow = std::array<ShownText, kSectionGridCols>;

// The units the grid's values are in: the job's units when the grid was last filled or converted.
// Its headings name them and Save reads the values in them, so that a change of the job's units
// under an open editor (File New, File Open) cannot make a value mean another. The job's units
// until the grid is first shown.
const TUnitSettings& SectionGridUnits();
// The grid's values were converted to the job's units now in force.
void SectionGridUnitsTaken();

// The headings of row 0 with the current unit texts.
SectionGridRow SectionGridHeadings();

// The texts of a record: the designation as stored and the values in the current units at five
// figures with the exact values behind them, a value of exactly 0 as an empty cell. The reference
// is left empty.
SectionGridRow SectionGridRowTexts(const TSectionRec& rec);

// What the grid shows, in the job's units now in force: the headings and the 250 rows with their references
// "1" to "250", filled from the records of "KX.sct" that there are (at most 250); the rest stay empty. With
// no file every row is empty; a file that cannot be read gives its message and the rows stay empty.
struct SectionGridContent {
    SectionGridRow Headings;
    std::vector<SectionGridRow> Rows;
};
SectionGridContent SectionGridShow();

// The record Save writes for a row at a position (1 to 250): the description cut to 25
// characters, the values read in the grid's units, converted to N and mm in double precision and stored as
// singles, group 1.0, shape " ", every other field 0. An empty cell or one that is not a number gives 0.
TSectionRec SectionGridRecord(const SectionGridRow& row, int position);

// A cell that Save refuses: its row (1 to 250, the position), column and the message shown.
struct SectionGridRefusal {
    int Row = 0, Col = 0;
    std::string Message;
};
// The first cell of columns 2 to 6, row by row, that holds text that is not a number, a value too
// large for a single, or a value below 0.
std::optional<SectionGridRefusal> CheckSectionGrid(const std::vector<SectionGridRow>& rows);

// Save: the 250 rows in the order they stand become records 1 to 250 of "KX.sct" (found without
// regard to case in StartDir), written through a temporary file, so that a failed write (thrown)
// leaves the old file whole. An old file that cannot be read (a pipe, a device, a file longer than
// 250 records) throws its IoError and is left as it is. A refused cell gives its message and
// nothing is written; it is returned.
std::optional<SectionGridRefusal> SaveSectionGrid(const std::vector<SectionGridRow>& rows);

} // namespace kx

// Column mechanics of the fixed-pitch result listings: centred unit headings, decimals from a
// column's largest value, values aligned on their decimal point, row numbers.
#pragma once

#include <string>
#include <string_view>

namespace kx {

// Appends "(" + unit + ")" centred at 1-based position c of the line.
void AppendUnitHeading(std::string& line, std::string_view unitText, int c);

// Decimals of a column from its largest absolute shown value, by the length d of its integer part.
// Rule 4: d of 4 or more gives 0, 3 gives 1, 2 gives 2, 1 gives 3.
int DecimalsRule4(double largest);
// Rule 5: d of 5 or more gives 0, 4 gives 1, 3 gives 2, 1 or 2 gives 3.
int DecimalsRule5(double largest);

// Appends the value so that its decimal point stands at position c. A value without a point ends
// at c - 1 (Point) or at c (Digit). No blanks are added when the line is already too long.
enum class Align { Point, Digit };
void AppendAligned(std::string& line, const std::string& value, int c, Align align);

// The value with the column's decimals; the decimals are left in DecimalPlaces.
std::string ColumnValue(double value, int decimals);

// "  7", " 12".
std::string RowNumberText(int k);

} // namespace kx

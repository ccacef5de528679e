// The results listing of one loadcase (loads, reactions, span summary, member check, span data),
// its largest-stress lines, and the column rules that the loads listing shares.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace kx {

// Column rules. Positions are 1-based character positions in the line.

// Appends "(" + unit + ")" centred at position c (nothing is removed from a line already too long).
void AppendUnitHeading(std::string& line, std::string_view unitText, int c);

// Decimals of a column from the largest magnitude it shows, by the length of its integer part d.
// Rule 4: d of 4 or more gives 0, 3 gives 1, 2 gives 2, 1 gives 3.
int DecimalsRule4(double largest);
// Rule 5: d of 5 or more gives 0, 4 gives 1, 3 gives 2, 1 or 2 gives 3.
int DecimalsRule5(double largest);

// A value text placed so that its decimal point stands at position c. A text without a point
// ends at c - 1 (Point) or at c (Digit).
enum class Align { Point, Digit };
void AppendAligned(std::string& line, std::string_view value, int c, Align align);

// A column of numbers: its position, how it aligns, and its decimals, which the largest value it
// shows decides (DecimalsRule4 or DecimalsRule5 of LargestOver).
struct Column {
    int pos;
    Align align;
    int decimals = 3;
    // Appends v with the column's decimals; they are left in DecimalPlaces.
    void Put(std::string& line, double v) const;
};

// Largest |f(k)| over k = from..to; values that are no number are passed over.
template <typename F> double LargestOver(int from, int to, F f) {
    double m = 0;
    for (int k = from; k <= to; ++k)
        if (const double a = std::fabs(f(k)); a > m) m = a;
    return m;
}

// Appends the row number: "  7", " 12".
void AppendRowNumber(std::string& line, int k);

// Builds CaseLoadLines, CaseSupportLines, MemberLabel and CaseListing of Eng.CurrentCase and runs
// the member check of the section group between them. The loadcase must have been stored
// (StoreLoadcaseResults) and MaxCouplerMoment run. Stops before the span data when the steel
// check sets CheckAbortFlag.
void BuildCaseResultsText();

// The member labels of Eng.CurrentCase, merged over the supports released in it on a forkhead beam.
void BuildMemberLabels();

// CaseMaxStressLines of Eng.CurrentCase, MaxStressValue, FactoredLoadCount and MaxStressLine.
void BuildMaxStressText();

} // namespace kx

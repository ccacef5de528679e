// Results at a point: shear, moment, stress and deflection of every loadcase at one distance along
// the analysed beam, their maxima, the grid and list texts, and the printout.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Arr.h"

namespace kx {

class Printer;

// The window's own state, kept between showings.
struct TPointResults {
    // [1..5] each loadcase at the point (N, N mm, N/mm^2, mm); [0] the signed value of largest
    // magnitude over the loadcases.
    Arr<float, 0, 5> PointShear, PointMoment, PointStress, PointDeflection;
    // The result list; line 0 holds the number of lines as text.
    Arr<std::string, 0, 50> PointLines;
    bool operator==(const TPointResults&) const = default;
};
extern TPointResults PointResults;

// The values, grid and list of the last calculation dropped: they belong to results that a new
// analysis, New or Open has replaced.
void ForgetPointResults();

// The solve resolution that puts a calculation point nearest the fraction f of a member: p
// intervals out of q (3 <= q <= 2000, 1 <= p <= q), the smallest q and then the smallest p among
// equal errors, all in single precision. q = 0 when f is not a number between 0 and 1.
struct PointFraction {
    int q = 0, p = 0;
    bool operator==(const PointFraction&) const = default;
};
PointFraction NearestFraction(float f);

// The member of loadcase lc that holds x (mm from the LH end), on that loadcase's own geometry:
// row 0 the LH cantilever (f from its free end), 1.. the spans, 26 the RH cantilever (f from its
// support); row -1 when no member holds it.
struct PointMember {
    int row = -1;
    float f = 0;
};
PointMember LocatePoint(int lc, float x);

// Calculate: reads the distance typed (in the length unit), checks it, and finds the values of
// every analysed loadcase there, with their maxima and the result list. Each loadcase is solved
// again at a resolution of its own on a copy of the engine state, so that the analysis' results
// stay as they were. Returns true when the values were calculated; false when the distance was
// refused with a message, or there is no beam (nothing happens) or no results of the beam as it
// stands ("Analyse the beam first"); nothing changed then but PointPosition.
bool CalcPointResults(std::string_view distanceText);

// The grid: 8 rows of 5 cells. Rows 0 and 1 the captions and units, column 0 the row titles; the
// value cells empty, or with values holding each analysed loadcase's values and the maxima.
inline constexpr int kPointGridRows = 8;
inline constexpr int kPointGridCols = 5;
using PointGrid = std::array<std::array<std::string, kPointGridCols>, kPointGridRows>;
PointGrid PointGridContent(bool withValues);
inline constexpr std::array<int, kPointGridCols> kPointGridColWidths{95, 65, 70, 80, 90};

// The lines the result list shows: lines 1 to the count of line 0; none when the results they were
// found on no longer stand.
std::vector<std::string> PointListContent();

// What the window's controls hold.
struct PointControls {
    std::string Edit_Dist, Label_Unit;
    PointGrid Grid_RaP{};
    std::vector<std::string> List_Results;
};

// The window is shown: the grid without values, the length unit and the last distance; the list
// of the last calculation, when the results it came from are still those of the job.
void PointFormShow(PointControls& c);

// Calculate with the distance in Edit_Dist: the grid with values and the list when they were
// calculated; nothing changed when not.
void PointCalculate(PointControls& c);

// Print: the result list on one page under the page header, a line a row from row 14 at the
// 15 mm margin in "Courier" 10 pt. Nothing is printed, and false returned, when there is no list
// or the user cancels the choice of where to print; a failing job is abandoned and its error
// goes on to the caller.
bool PrintPointResults(Printer& p);

// What the distance field shows when the window is shown: the last distance in the length unit,
// or " " when there is none.
std::string PointDistanceText();

} // namespace kx

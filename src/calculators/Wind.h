// Wind loading on the tubes and toeboards of up to 100 scaffold areas: the store of areas, the
// calculation with its checks, the result lines and their printout.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Arr.h"
#include "platform/Printer.h"

namespace kx {

// One numbered area of the scaffold: its inputs, results, radio choices and result lines.
struct TWindArea {
    std::string Description;
    float Basic = 0;                    // basic wind speed V, m/s
    float S1 = 0;                       // topographical factor
    float Height = 0;                   // height above ground H, m
    float S2 = 0;                       // wind speed factor
    float S3 = 0;                       // probability factor
    float Vs = 0;                       // design wind speed, m/s
    float q = 0;                        // dynamic wind pressure, kN/m²
    float Wff = 0;                      // wind force factor
    float TubeLength = 0;               // projected length of tube, m
    float BoardLength = 0;              // projected length of toeboard, m
    float TubeLoad = 0;                 // kN
    float BoardLoad = 0;                // kN
    float At = 0;                       // tube area, m²
    float Ab = 0;                       // toeboard area, m²
    float TotalLoad = 0;                // kN
    std::int32_t TerrainChoice = 0;     // 0 none stored, 1 Option_Open .. 4 Option_City
    std::int32_t ProbabilityChoice = 0; // 0 none stored, 1 Option_2 .. 4 OPtion_10
    // Line 0 holds the count of result lines as decimal text (empty until first built).
    Arr<std::string, 0, 25> Lines;
    bool operator==(const TWindArea&) const = default;
};

// The calculator's state, held until the program ends.
struct TWindState {
    std::int32_t AreaNo = 0;          // the current area, 1..100
    std::int32_t TerrainCategory = 0; // 1..4, from the radios at the last calculation
    Arr<TWindArea, 1, 100> Area;
    bool operator==(const TWindState&) const = default;
};
extern TWindState WindState;

// S2 for a terrain category (1..4) and a height H (0..200 m): the 3 m value up to 3 m, else
// linear within the table band lo < H <= hi.
float WindS2Lookup(int category, float H);

// The state of the window's controls: the edits' texts and the checked radios.
struct WindChoices {
    std::string Edit_AreaNo = "1", Edit_Desc, Edit_Basic, Edit_S1 = "1", Edit_Height, Edit_Factor,
                Edit_TubeLength, Edit_BoardLength;
    int Terrain = 1;     // 1 Option_Open, 2 Option_OpenScattered, 3 Option_Many, 4 Option_City
    int Probability = 1; // 1 Option_2, 2 Option_2_5, 3 Option_5_10, 4 OPtion_10
};

// The area number typed in Edit_AreaNo; anything but a whole number 1..100 throws RangeError.
int WindAreaNumber(const std::string& text);

// Rebuilds the result lines of an area from its stored values and returns them (lines 1 to the
// count). An area whose q is 0 keeps no lines.
std::vector<std::string> WindAreaCalc(int area);

// The six typed inputs of an area, each within its bounds.
struct WindInputs {
    float Basic, S1, Height, Wff, TubeLength, BoardLength;
};
// Reads the inputs in that order; at the first that is no number or out of its bounds, shows its
// message (none for a negative value that has no message of its own) and gives nothing.
std::optional<WindInputs> ReadWindInputs(const WindChoices& c);

// Calculate: reads and checks every input; only when all pass are the area's inputs, choices,
// description and results stored. Returns what the result list shows: the area's lines, or
// nothing after a refused input (messages through dlg()). A bad area number throws RangeError
// before anything is read.
std::vector<std::string> WindCalculate(const WindChoices& c);

// What the window shows after the spinner moved to another area.
struct WindAreaView {
    WindChoices Controls;
    std::vector<std::string> List;
};

// The spinner: the area in c.Edit_AreaNo becomes current; the edits, radios and description are
// refilled from its store (WindRestoreAreaOptions) and its lines are shown.
WindAreaView WindUpDown(const WindChoices& c);

// Prints the result lines of every area that has them, two areas a page, each page under the
// page header. False, with nothing printed, when the user cancels the choice of where to print.
bool WindPrint(Printer& p);

} // namespace kx

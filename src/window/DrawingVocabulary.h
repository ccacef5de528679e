// What every beam picture draws alike (the main window's sketch, the input forms' sketches and the
// printed diagrams): support symbols, point-load arrows, the self-weight strip and the outline of
// the distributed loads to each drawing's measures, the applied loads of a loadcase, and the summed
// profile of its distributed loads.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "foundation/SharedModel.h"
#include "platform/Canvas.h"

namespace kx {

// The pen's colour and width; a straight stroke from one point to another.
void SetPen(Canvas& c, Color colour, int width);
void DrawLine(Canvas& c, int x1, int y1, int x2, int y2);

enum class SupportEnd { Left, Interior, Right };

// Where a symbol stands and how its offsets become pixels. Offsets are in the drawing's own unit
// (pixels on screen, millimetres on the page), across from the symbol's column and down from the
// beam line. A height is rounded whole from the top, as the printed page places everything.
struct SymbolPlace {
    SymbolPlace(int x_, double beamY_, double pxPerUnitX_ = 1, double pxPerUnitY_ = 1,
                std::optional<int> hatchEndX_ = {})
        : x(x_), beamY(beamY_), pxPerUnitX(pxPerUnitX_), pxPerUnitY(pxPerUnitY_), hatchEndX(hatchEndX_) {}

    int x;                         // the symbol's column, px
    double beamY;                  // the beam line, in the drawing's unit from the top
    double pxPerUnitX, pxPerUnitY; // the drawing's resolution across and down
    // The column a fixed end's hatches end at, where the drawing rounds it from the support's
    // unrounded position; otherwise x plus the hatch run.
    std::optional<int> hatchEndX;

    int X(double dx) const;
    int Y(double dy) const;
};

// A support symbol's measures, in the drawing's unit down from the beam line and across from the
// support, and its pen widths in pixels.
struct SupportStyle {
    bool coloured; // white, forkheads red; otherwise in the canvas's pen colour
    int trianglePen, wallPen, hatchPen, forkPen, standardPen, crossPen;
    // Vertically fixed: a triangle from its apex under the beam to its base.
    double triangleTop, triangleBase, triangleHalf;
    bool triangleCornerTwice; // the chain visits the left corner twice, as the input forms draw it
    // Fixed end: a wall, hatched from its top down to its bottom less one run.
    double wallHalf, hatchRun;
    // Forkhead: a U-head with a gap in one prong, on two legs.
    double forkHalf, forkTop, gapTop, gapBottom, cupBottom, legHalf, legBottom;
    bool forkGapAlongBeam; // the gap faces along the beam from either end; otherwise always right
    // Double couplers: a standard from below the beam up to its top, and a cross on the beam.
    double standardBottom, topCouplerTop, midCouplerTop, crossHalf;
};

// The screen's pictures (pixels). The input forms draw the triangle's corner twice and take their
// standards' lengths from their own columns.
inline constexpr SupportStyle kScreenSupports{true, 1,  2,  1, 1, 4, 2,  1,    15, 10, false, 25, 10,
                                              8,    -8, -5, 5, 6, 4, 25, true, 60, -7, -60,   6};
// The printed diagram pages (millimetres).
inline constexpr SupportStyle kPrintedSupports{false, 2,  4,     2,    3,   6, 3, 0.25,  3,  2,  false, 6, 2,
                                               2,     -2, -1.25, 1.25, 1.5, 1, 6, false, 20, -2, -20,   2};

// The symbol of support code `code`; a fixed end only ends the beam, and codes without a symbol
// draw nothing.
void DrawSupportSymbol(Canvas& c, const SupportStyle& style, TSupportCode code, SupportEnd end,
                       const SymbolPlace& at);

// A point-load arrow's tip, barbs and tail down from the beam line, for a load pressing down and
// for an upward (negative) one, and the barbs' half spread.
struct ArrowStyle {
    double tipDown, barbDown, tailDown, tipUp, barbUp, tailUp, barbHalf;
};

// The arrow of a point load P, in the pen the caller set: above the beam for P of 0 or more,
// below it otherwise.
void DrawPointLoadArrow(Canvas& c, const ArrowStyle& style, float P, const SymbolPlace& at);

struct PointLoad {
    float dist, P, LF;
    bool operator==(const PointLoad&) const = default;
};
// A distributed load as drawn: its rates with its load factor in them, each product exact.
struct LoadPiece {
    double start, w1, w2, cover;
};
struct AppliedLoads {
    std::vector<LoadPiece> pieces;
    std::vector<PointLoad> points;
};

// The self-weight strip: a comb of 99 teeth at the hundredths of the beam in a frame, as high
// whatever the self-weight's value.
struct StripStyle {
    bool coloured; // fuchsia; otherwise in the canvas's pen colour
    int pen;       // pixels
    double height; // in the drawing's unit
    int toothLift; // the teeth start this many pixels above the frame's foot
};
inline constexpr StripStyle kScreenStrip{true, 1, 10, 0};
inline constexpr StripStyle kPrintedStrip{false, 1, 3, 1};

// The strip from column `left` to `right` standing on the foot at.Y(0): teeth k = 1..99 at column
// tooth(k), each drawing rounding them its own way, then the frame from the foot at the left end up,
// across and down to the foot at the right end.
void DrawSelfWeightStrip(Canvas& c, const StripStyle& s, int left, int right, const SymbolPlace& at,
                         const std::function<int(int)>& tooth);

// The outline of a load profile over its stations 0..1001 (see SumLoadProfile): the value of
// station i stands as a step from the column of station i - 1 to its own.
enum class OutlineSteps {
    // A riser and a tread for each station 1..1001, from the height of the station before; a marker
    // comes just before the tread that starts at its column and rises to that tread.
    EveryStation,
    // The markers first, each rising to the step that ends at its column; then the outline from the
    // foot at station 0 through stations 1..1000, turning only where the height changes, and down to
    // the foot at station 1000.
    LevelChanges,
};
struct OutlineStyle {
    bool coloured; // red; otherwise in the canvas's pen colour
    int pen;       // pixels
    OutlineSteps steps;
    int markerEvery; // a stroke from the foot up to the outline at every n-th station 20..1000; 0 none
    int markerLift;  // the markers start this many pixels above the foot
};
inline constexpr OutlineStyle kScreenOutline{true, 1, OutlineSteps::EveryStation, 0, 0};
inline constexpr OutlineStyle kFormOutline{true, 1, OutlineSteps::EveryStation, 20, 0};
inline constexpr OutlineStyle kPrintedOutline{false, 2, OutlineSteps::LevelChanges, 20, 1};

// Where a drawing puts the stations, each rounded its own way: a station's column, the outline's
// height there and a marker's column (a station's column when not given); the load baseline.
struct OutlinePlace {
    std::function<int(int)> x, y, markerX;
    int foot = 0;
};
void DrawLoadOutline(Canvas& c, const OutlineStyle& s, const OutlinePlace& at);

// Appends, in record order, the loads of records 1..50 applied (flag exactly 1.0) by their own
// field, or by the flags beside them (the load form's working loads): distributed (kind -1.0)
// and point (kind 1.0) loads. The self-weight, record 51, is never one of them.
void GatherAppliedLoads(const Arr<TLoadRec, 1, 51>& records, AppliedLoads& into);
void GatherAppliedLoads(const Arr<TLoadRec, 1, 51>& records, const Arr<float, 1, 51>& applied,
                        AppliedLoads& into);

// The summed rate of the distributed loads at the stations i x length / 1000: entry i for station
// i, entry 1001 (closing the outline past the end) always 0. A piece adds at every station past its
// start up to and including its end, rising from w1 at the first station past its start. Stations
// run from `first` on: the screen's from 1, so that a load starting before the beam leaves entry 0
// at 0; the printed page's from 0. Rate float holds the rates and each sum as singles, as the
// load form does; double keeps them whole.
inline constexpr int kProfileStations = 1000;
template <class Rate> using LoadProfile = std::array<Rate, kProfileStations + 2>;
template <class Rate>
LoadProfile<Rate> SumLoadProfile(const std::vector<LoadPiece>& pieces, double length, int first);

// The profile's largest magnitude above or below the beam, at least 1e-6 so that it can divide.
template <class Rate> Rate ProfilePeak(const LoadProfile<Rate>& p);

} // namespace kx

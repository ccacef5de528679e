// What every beam picture draws alike (the main window's sketch, the input forms' sketches and the
// printed diagrams): support symbols, point-load arrows, the self-weight strip and the outline of
// the distributed loads to each drawing's measures, the applied loads of a loadcase, and the summed
// profile of its distributed loads.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

#include "foundation/SharedModel.h"
#include "platform/Canvas.h"

namespace kx {

// The pen's colour and width; a straight stroke from one point to another.
void SetPen(Canvas& c, Color colour, int width);
void DrawLine(Canvas& c, int x1, int y1, int x2, int y2);
// Strokes from each point to the next, as one unbroken chain.
struct PixelPoint {
    int x, y;
};
void DrawPolyline(Canvas& c, std::initializer_list<PixelPoint> points);

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
// clang-format off
inline constexpr SupportStyle kScreenSupports{
    .coloured = true, .trianglePen = 1, .wallPen = 2, .hatchPen = 1, .forkPen = 1, .standardPen = 4, .crossPen = 2,
    .triangleTop = 1, .triangleBase = 15, .triangleHalf = 10, .triangleCornerTwice = false,
    .wallHalf = 25, .hatchRun = 10,
    .forkHalf = 8, .forkTop = -8, .gapTop = -5, .gapBottom = 5, .cupBottom = 6, .legHalf = 4, .legBottom = 25,
    .forkGapAlongBeam = true,
    .standardBottom = 60, .topCouplerTop = -7, .midCouplerTop = -60, .crossHalf = 6};
// The printed diagram pages (millimetres).
inline constexpr SupportStyle kPrintedSupports{
    .coloured = false, .trianglePen = 2, .wallPen = 4, .hatchPen = 2, .forkPen = 3, .standardPen = 6, .crossPen = 3,
    .triangleTop = 0.25, .triangleBase = 3, .triangleHalf = 2, .triangleCornerTwice = false,
    .wallHalf = 6, .hatchRun = 2,
    .forkHalf = 2, .forkTop = -2, .gapTop = -1.25, .gapBottom = 1.25, .cupBottom = 1.5, .legHalf = 1, .legBottom = 6,
    .forkGapAlongBeam = false,
    .standardBottom = 20, .topCouplerTop = -2, .midCouplerTop = -20, .crossHalf = 2};
// clang-format on

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
inline constexpr StripStyle kScreenStrip{.coloured = true, .pen = 1, .height = 10, .toothLift = 0};
inline constexpr StripStyle kPrintedStrip{.coloured = false, .pen = 1, .height = 3, .toothLift = 1};

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
inline constexpr OutlineStyle kScreenOutline{
    .coloured = true, .pen = 1, .steps = OutlineSteps::EveryStation, .markerEvery = 0, .markerLift = 0};
inline constexpr OutlineStyle kFormOutline{
    .coloured = true, .pen = 1, .steps = OutlineSteps::EveryStation, .markerEvery = 20, .markerLift = 0};
inline constexpr OutlineStyle kPrintedOutline{
    .coloured = false, .pen = 2, .steps = OutlineSteps::LevelChanges, .markerEvery = 20, .markerLift = 1};

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

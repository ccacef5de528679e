// The analysis engine's work state: the tables that its steps share, one instance for the program.
#pragma once

#include <cstring>
#include <type_traits>

#include "foundation/SharedModel.h"
#include "platform/Arr.h"

namespace kx {

inline constexpr int kMaxSupports = 26;
// 51 load records, each giving at most one piece per member, plus one split-off triangle each.
inline constexpr int kMaxPieces = 102;
// Points per member of the shear and moment tables: results at a point solves at up to 2000 intervals.
inline constexpr int kMaxPoints = 2005;
// Points per member at the analysis' finest result resolution (200 intervals).
inline constexpr int kResultPoints = 201;
// Deflections are always found at the twentieth points of every member.
inline constexpr int kDeflectionIntervals = 20;
inline constexpr int kDeflectionPoints = kDeflectionIntervals + 1;
// Deflection points stored per cantilever, as the beam file holds them: its twentieth points and one more.
inline constexpr int kCantDeflectionPoints = 22;

// One load piece lying wholly on one member. Every kept piece has passed through single precision,
// so its fields are singles: an optimiser may skip a rounding to float and back, never a store.
struct TLoadPiece {
    float PieceType = 0; // ptPoint .. ptFalling; 0 = not yet classified
    float Start = 0;     // mm from the member's left support (cantilevers: from the support outward)
    float W1 = 0;        // point load N, or the rate at the start of the piece N/mm
    float W2 = 0;        // 0 for a point load, or the rate at the finish N/mm
    float Cover = 0;     // loaded length mm; 0 for a point load
    float LF = 0;        // load factor of the load
    float Applied = 0;   // 1.0 when applied in the loadcase
    bool operator==(const TLoadPiece&) const = default;
};

// Piece kinds. A rising triangle is 0 at its start and largest at its finish.
inline constexpr double ptPoint = 1.0;
inline constexpr double ptUniform = 2.0;
inline constexpr double ptRising = 3.0;
inline constexpr double ptFalling = 4.0;

// Distance of a piece's resultant from the start of its member (a, c: start and cover).
inline double PieceCentroid(double type, double a, double c) {
    if (type == ptPoint) return a;
    if (type == ptUniform) return a + c / 2;
    if (type == ptRising) return a + 2 * c / 3;
    return a + c / 3;
}

using TLoadPieceList = Arr<TLoadPiece, 1, kMaxPieces>;
template <typename T> using PointRow = Arr<T, 1, kMaxPoints>;
template <typename T> using TwentiethRow = Arr<T, 1, kDeflectionPoints>;

// Largest number of vertices of the whole-beam diagrams: 25 spans and both cantilevers at 200
// intervals (three shear vertices and one moment vertex per result point, plus the closing ones).
inline constexpr int kMaxShearVertices = 27 * 3 * kResultPoints + 10;
inline constexpr int kMaxMomentVertices = 27 * kResultPoints + 10;
inline constexpr int kMaxDeflectionVertices = 27 * kDeflectionPoints + 10;

struct TPolyPoint {
    float x = 0; // fraction of the beam length from its LH end
    float y = 0;
    bool operator==(const TPolyPoint&) const = default;
};

// Governing values of one member (or of the whole beam, row kBeamRow) for one loadcase (slot 0:
// envelope).
using TExtremesRec = Arr<float, 0, 5>;
using TExtremesTable = Arr<Arr<TExtremesRec, 0, 27>, 0, 5>;
// Fields of an extremes record: the values at the member's ends and the one of larger magnitude
// between them, the largest and smallest value, and the largest magnitude, which the listings
// show and the member checks judge by.
inline constexpr int xStart = 0, xGoverning = 1, xEnd = 2, xLargest = 3, xSmallest = 4, xMagnitude = 5;
// The row after the member rows 0..26 of the extremes and member-check tables: the whole beam.
inline constexpr int kBeamRow = 27;

// Member-check ratios of one member: [0] the whole member, [1..10] its restraint intervals.
using TCheckRow = Arr<float, 0, 10>;

// Each member is named as the analysis modules name the variable. Spans are numbered 1..25,
// supports 1..26 from the LH end in the numbering of the loadcase; cantilevers are 1 (LH) and 2 (RH).
// The committed span count (SpanCount), StoredSpanIntervals, TotalAppliedLoad and CaseAppliedLoad
// live in the shared model.
struct EngineState {
    // Inputs of every step.
    int32 CurrentCase = 0;        // loadcase being analysed, 1..5
    int32 NumSpanIntervals = 0;   // intervals per member; points 1..NumSpanIntervals + 1
    int32 ResultIntervalStep = 0; // NumSpanIntervals / 20
    int32 ApplyLoadFactors = 0;   // 1 while the pieces are filled with their load factors
    int32 ShearDeflectionActive = 0;

    // Geometry of each loadcase after released supports.
    Arr<Arr<double, 0, 27>, 0, 5> LoadcaseSpanLength; // [lc][1..SpanCount[lc]] mm
    Arr<Arr<double, 0, 1>, 0, 5> CantileverLength;    // [lc][0] LH, [lc][1] RH, mm
    Arr<int32, 0, 5> LHCantileverActive, RHCantileverActive;
    Arr<Arr<int32, 1, 26>, 1, 5> ReleasedSupport;          // committed numbering; -1 once released
    double BeamE = 0, BeamIxx = 0;                         // of span 1: one section serves the whole beam
    Arr<double, 1, 25> SpanStiffness;                      // BeamIxx / L x BeamE
    double LHCantileverMoment = 0, RHCantileverMoment = 0; // what the cantilevers apply at the ends
    Arr<int32, 1, 5> NoLoadsReported;
    Arr<float, 1, 5> SupportReactionSum;

    // Load pieces of the current loadcase; slots above a member's count are stale.
    Arr<TLoadPieceList, 1, 5> LHLoadPieces;
    Arr<Arr<TLoadPieceList, 1, 25>, 1, 5> SpanLoadPieces;
    Arr<TLoadPieceList, 1, 5> RHLoadPieces;
    Arr<int32, 1, 25> SpanPieceCount;
    Arr<int32, 1, 2> CantPieceCount;
    Arr<Arr<float, 1, 26>, 1, 5> SupportPointLoad; // factored point loads standing on each support
    // The same without load factors, for the uplift test of forkheads, which runs unfactored.
    Arr<Arr<float, 1, 26>, 1, 5> UnfactoredSupportPointLoad;

    // The solver's piece tables (load W in N, with load factors only in the factored pass).
    Arr<Arr<float, 1, kMaxPieces>, 1, 25> SpanPieceLoad, SpanPieceType, SpanPieceStart, SpanPieceCover;
    Arr<Arr<double, 1, kMaxPieces>, 1, 2> CantPieceLoad, CantPieceType;
    Arr<Arr<float, 1, kMaxPieces>, 1, 2> CantPieceStart, CantPieceCover;

    // Slope-deflection solve of the continuous spans.
    Arr<double, 1, 26> StiffnessDiagonal, StiffnessOffDiagonal, LoadVector, SupportRotation;
    Arr<double, 1, 25> FixedEndMomentLeft, FixedEndMomentRight, EndMomentLeft, EndMomentRight;
    Arr<PointRow<double>, 0, 25> ShearForce, BendingMoment; // N, N mm; sagging positive
    // Shear of each piece at the twentieth points of its span, for the shear deflection.
    Arr<Arr<TwentiethRow<float>, 1, kMaxPieces>, 1, 25> PieceShear;
    Arr<Arr<float, 1, 25>, 0, 5> SpanMaxMoment, SpanMinMoment;

    // Cantilevers, point 1 at the support.
    Arr<PointRow<float>, 1, 2> CantileverShear, CantileverMoment;
    Arr<Arr<TwentiethRow<double>, 1, kDeflectionPoints>, 1, 2> CantUnitMoment; // [e][q][p]
    Arr<TwentiethRow<double>, 1, 2> CantBendingDeflection;
    Arr<Arr<float, 0, 1>, 1, 5> StoredCantEndA, StoredCantEndB; // smallest, largest moment [lc][e - 1]

    // Deflections (mm, negative downward) at the twentieth points.
    // [i][q][p]: moment at point p of span i under a unit load at its point q.
    Arr<Arr<TwentiethRow<double>, 1, kDeflectionPoints>, 1, 25> UnitMomentStore;
    Arr<Arr<double, 1, kResultPoints>, 0, 25> SpanDeflection;
    Arr<Arr<double, 1, 26>, 1, 5> SpanMaxDeflection; // bending only, sign reversed
    Arr<double, 1, kCantDeflectionPoints> CantDeflectionPoints, CantDeflectionStore; // LH, RH
    Arr<TwentiethRow<float>, 1, 26> ShearDeflection;
    Arr<TwentiethRow<float>, 1, 2> CantShearDeflection;

    // Result stores of each finished loadcase, kept for the listings, the drawings and the beam file.
    // Spans in the loadcase's own numbering; cantilevers from the support outward.
    Arr<Arr<Arr<float, 1, kResultPoints>, 0, 26>, 1, 5> StoredShear, StoredMoment;
    Arr<Arr<TwentiethRow<float>, 0, 26>, 1, 5> StoredDeflection;
    Arr<Arr<Arr<float, 1, kResultPoints>, 1, 2>, 1, 5> StoredCantShear, StoredCantMoment;
    Arr<Arr<Arr<float, 1, kCantDeflectionPoints>, 1, 2>, 1, 5> StoredCantDeflection;
    Arr<Arr<double, 1, 26>, 1, 5> SupportReaction; // committed support numbering; 0 when released
    // Largest and smallest reaction of each support over the loadcases, kept up by the diagrams.
    Arr<float, 1, 26> SupportWorkValues, MinSupportReaction;
    // Whole-beam diagrams per loadcase; element 0 holds the vertex count (x of a pair, [0] of a triple)
    // and the elements past it are 0.
    Arr<Arr<TPolyPoint, 0, kMaxShearVertices>, 1, 5> ShearPolyline;
    Arr<Arr<TPolyPoint, 0, kMaxMomentVertices>, 1, 5> MomentPolyline;
    Arr<Arr<Arr<float, 0, 2>, 0, kMaxDeflectionVertices>, 1, 5> DeflectionPolyline;

    // Extremes per loadcase and member row, slot 0 the envelope, row kBeamRow the whole beam.
    TExtremesTable ShearExtremes, MomentExtremes, DeflectionExtremes;
    Arr<float, 1, 5> CouplerMomentMax;
    // Twentieth-point values: [lc][row][j], slot 0 the envelope with the governing loadcase.
    Arr<Arr<Arr<Arr<float, 0, 1>, 1, kDeflectionPoints>, 0, 26>, 0, 5> EnvelopeIntervalValues;
    Arr<Arr<Arr<Arr<float, 0, 3>, 1, kDeflectionPoints>, 0, 26>, 0, 5> EnvelopeTable;

    // Member-check fail state of every member check; row kBeamRow the loadcase's largest ratio.
    Arr<Arr<TCheckRow, 0, 27>, 0, 5> CheckResults;
    Arr<Arr<float, 0, 27>, 0, 5> ShearRatios;
    Arr<int32, 0, 5> CaseCheckFailures; // 0 passes; each failed kind of check subtracts 1

    // The span length each span's rows of UnitMomentStore were worked out for (0: none yet), so
    // that a loadcase whose span keeps its length takes them as they are.
    Arr<double, 1, 25> UnitMomentLength;
    bool operator==(const EngineState&) const = default;
};

extern EngineState Eng;

// Points per member at the current resolution; an interval count that the point tables cannot hold
// is a range error.
inline int MemberPointCount() {
    if (Eng.NumSpanIntervals < 1 || Eng.NumSpanIntervals + 1 > kMaxPoints) throw RangeError();
    return Eng.NumSpanIntervals + 1;
}

// Sets every number of a table of plain values to 0 (and every text in it to empty).
template <typename T> void ZeroFill(T& table) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memset(static_cast<void*>(&table), 0, sizeof table);
}

// Simpson's weight of point p (1..N + 1, N even): 1 at the ends, 4 at even p, 2 at the other odd p.
inline double SimpsonWeight(int p, int N) {
    if (p == 1 || p == N + 1) return 1.0;
    return p % 2 == 0 ? 4.0 : 2.0;
}

} // namespace kx

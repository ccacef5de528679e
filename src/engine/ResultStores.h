// Keeps the results of a finished loadcase: per-loadcase stores, support reactions, whole-beam
// diagram polylines and the extremes of its members.
#pragma once

namespace kx {

// Stores loadcase Eng.CurrentCase from its final work tables (Eng.NumSpanIntervals must equal
// StoredSpanIntervals). Turns the LH cantilever's work rows round so that they read from its free
// end, as the interval values and the listing expect.
void StoreLoadcaseResults();

// Empties the three polylines of loadcase lc. The writers leave every vertex past a polyline's
// count at 0, so only the vertices up to the count are touched.
void ClearPolylines(int lc);

} // namespace kx

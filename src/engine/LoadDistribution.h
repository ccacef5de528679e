// Turns the loads of a loadcase into pieces that each lie on one member, and into the solver's tables.
#pragma once

namespace kx {

// Clears the work tables of loadcase Eng.CurrentCase before its loads are distributed.
void ResetLoadcaseWork();

// Cuts the applied loads of Eng.CurrentCase at the supports into pieces on the LH cantilever, the
// spans and the RH cantilever; point loads within 0.0001 x the beam length of a support go to
// SupportPointLoad (factored) and UnfactoredSupportPointLoad instead. Also recomputes
// TotalAppliedLoad of all five loadcases.
void DistributeLoads();

// How AppliedLoad adds the loads up: as they act, or each by its size.
enum class LoadSum { Signed, Sizes };

// The factored load of loadcase lc's applied records 1..lastRecord, N: a point record adds P x LF,
// a distributed one (W1 + W2) x Cover / 2 x LF.
double AppliedLoad(int lc, int lastRecord, LoadSum sum = LoadSum::Signed);

// The sum of the sizes of loadcase lc's applied loads, factored, N: what the reactions' rounding
// scales with, however much of the loads cancels.
double AppliedLoadMagnitude(int lc);

// Fills the solver's piece tables from the pieces, with the load factors when
// Eng.ApplyLoadFactors is not 0; reports a loadcase without pieces once per analysis.
void FillSpanLoadTables();

} // namespace kx

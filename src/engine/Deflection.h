// Deflections of loadcase Eng.CurrentCase at the twentieth points of every member, from the
// 20-interval solve: unit-load bending deflection and, when the beam asks for it, shear deflection.
#pragma once

namespace kx {

// Moment diagram of a unit load at each twentieth point of each span (UnitMomentStore).
void CalcUnitMomentDiagrams();
// Span and cantilever deflections from the moments and the unit-load diagrams, the largest span
// deflections of the loadcase, and the shear deflection added when it is wanted.
void IntegrateDeflection();
// Shear deflection of the spans and cantilevers (run before IntegrateDeflection).
void ShearDeflectionPass();

} // namespace kx

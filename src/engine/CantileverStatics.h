// Statics of the two cantilevers of loadcase Eng.CurrentCase, each computed from its support outward.
#pragma once

namespace kx {

// Adds the shear and moment of every piece at Eng.NumSpanIntervals + 1 points of each cantilever
// into CantileverShear and CantileverMoment (cleared beforehand), turns the moments hogging and
// keeps the loadcase's smallest and largest cantilever moments.
void CantileverForces();
// Moment diagrams of a unit load at each twentieth point of each cantilever.
void CantileverUnitMoments();
// Each cantilever's own bending deflection, as if held rigidly at its support (20 intervals).
void CantileverDeflection();

} // namespace kx

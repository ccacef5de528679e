// Slope-deflection solve of the continuous spans of loadcase Eng.CurrentCase, in the order below.
#pragma once

namespace kx {

// The tridiagonal stiffness of the support rotations, with fixed ends and coupler springs.
void AssembleStiffness();
// Fixed-end moments of every span from its load pieces.
void CalcFixedEndMoments();
// Right-hand side per support, with the moments the cantilevers apply at the end supports.
void BuildLoadVector();
// Support rotations and the end moments of every span.
void SolveSupportRotations();
// Shear and bending moment at Eng.NumSpanIntervals + 1 points of every span, and each piece's
// shear at the twentieth points.
void CalcSpanShearMoment();
// Largest and smallest moment of each span, kept over the solves of a loadcase pass.
void FindSpanMomentExtremes();

} // namespace kx

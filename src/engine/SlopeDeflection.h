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
// Whether a solve keeps each piece's shear at the twentieth points, which only the shear-deflection
// pass after the 20-interval solve reads.
enum class PieceShears { Keep, Skip };
// Shear and bending moment at Eng.NumSpanIntervals + 1 points of every span, and, when asked at
// 20 intervals, each piece's shear at the twentieth points.
void CalcSpanShearMoment(PieceShears pieces);
// Largest and smallest moment of each span, kept over the solves of a loadcase pass.
void FindSpanMomentExtremes();

} // namespace kx

#pragma once
// A hyperbolic triangle (curvature -1) reduced from its typed data to what places it in the
// Poincare disk: the angle at its second vertex and the disk radii at which its two sides from
// that vertex end when the vertex sits at the disk's centre.
//
// The vertices are 1, 2, 3; side c joins 1 and 2, side a joins 2 and 3, side b joins 1 and 3; the
// angles A, B, C are at vertices 1, 2, 3.

#include "kernel/real.h"

namespace kernel {

struct HyperbolicTriangleShape {
  Real angleB = 0;  // radians, at vertex 2, turning from side c to side a
  Real diskC = 0;   // disk radius of vertex 1 seen from vertex 2 at the centre
  Real diskA = 0;   // disk radius of vertex 3 likewise
};

// Message numbers of the solvers.
inline constexpr int kTriangleInconsistent = 6;

// How far a cosine computed from three sides may stray beyond 1 by rounding and still count.
inline constexpr Real kCosineRoundingSlack = static_cast<Real>(1e-12);

// The disk radius of a point at hyperbolic distance d from the centre: (e^d - 1)/(e^d + 1).
Real DiskRadiusOfDistance(Real d);

// Three angles in degrees, turned into radians in place. 6 when A + B + C + 1e-13 exceeds pi
// (no hyperbolic triangle has them); else 0 and the shape.
int HyperbolicTriangleFromAngles(Real& A, Real& B, Real& C, HyperbolicTriangleShape& shape);

// Two sides and the angle between them (radians).
void HyperbolicTriangleFromSAS(Real c, Real B, Real a, HyperbolicTriangleShape& shape);

// Three sides. 6 when the law of cosines gives |cos B| beyond 1 by more than rounding (the
// sides break the triangle inequality, or overflow); a cosine just beyond 1 counts as 1.
int HyperbolicTriangleFromSides(Real c, Real b, Real a, HyperbolicTriangleShape& shape);

}  // namespace kernel

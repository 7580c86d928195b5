#pragma once
// Where a line through two points meets a sphere, reported by a position code along the segment.

#include <cstdint>

#include "kernel/real.h"

namespace kernel {

// Position code of the line-curve kernels, relative to the segment AB (t = 0 at A, t = 1 at B):
//   30 no point (the line misses, or A and B coincide);
//   1, 2, 33 one touching point before A, on AB, beyond B;
//   3 two points at or before A; 67 two points at or beyond B; 35 one at or before A and one at or
//   beyond B; 4 the smaller strictly inside, the larger at or beyond B; 5 the smaller at or before A,
//   the larger strictly inside; 6 both strictly inside.
// A code modulo 32 that is 8 or below 3 means one point.
using KernelResult = std::uint16_t;

// Foot of the perpendicular from P on the line AB, the distance from P to the line, the distance
// from the foot to A, and the foot's parameter t. False when A and B coincide (distance and along
// are then left unwritten).
bool FootAndDistances3(const Point3& P, const Point3& A, const Point3& B, Point3& foot, Real& distance,
                       Real& along, Real& t);

// The line AB against the sphere of centre C and radius R. For two points, first is the one of
// larger t; a touching line gives the foot in both. Both outputs are (0, 0, 0) when there is none.
KernelResult SegmentSphereIntersect3(const Point3& A, const Point3& B, const Point3& C, Real R, Point3& first,
                                     Point3& second);

}  // namespace kernel

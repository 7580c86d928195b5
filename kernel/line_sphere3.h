#pragma once
// Where a line through two points meets a sphere, reported by a position code along the segment.

#include <cstdint>

#include "kernel/kernel_result.h"
#include "kernel/real.h"

namespace kernel {

// Position codes of the line-curve kernels: see kernel/kernel_result.h.

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

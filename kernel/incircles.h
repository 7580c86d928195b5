#pragma once
// The incircle of a triangle and its excircle opposite the first vertex, in the plane and on the
// unit sphere (where the sides are great circles). Each kernel writes the centre into out[0] and
// the three touch points into out[1..3]; the order of the touch points differs between the plane
// and the sphere, and callers rely on each order:
//
//   entry | TriangleIncircle2 | TriangleIncircleSphere3 | Kind134Plane2 | Kind134Sphere3
//   1     | on V0V1           | on V1V2                 | on line V0V1  | on V1V2
//   2     | on V1V2           | on V2V0                 | on V1V2       | on V2V0
//   3     | on V2V0           | on V0V1                 | on line V0V2  | on V0V1

#include <span>

#include "kernel/real.h"

namespace kernel {

// Where the excentre of a triangle without one (b + c - a at most the null tolerance) is put:
// a point far outside every view.
inline constexpr Real kMissingExcentreCoordinate = static_cast<Real>(1e13);

// Incentre and touch points of the plane triangle v, and its side lengths a = |V1V2|, b = |V2V0|,
// c = |V0V1| in len. Never fails: a side shorter than the null tolerance puts its touch point on a
// vertex (V0, V1, V2 for sides c, a, b), a null perimeter puts the incentre on V0.
void TriangleIncircle2(std::span<const Point2, 3> v, std::span<Point2, 4> out, std::span<Real, 3> len);

// Incentre and touch points of the spherical triangle of unit vectors v. Degenerate sides are not
// checked: a pole that cannot be normalised stays as it is.
void TriangleIncircleSphere3(std::span<const Point3, 3> v, std::span<Point3, 4> out);

// Excentre opposite V0 of the plane triangle v and the touch points of its excircle. Never fails:
// a missing excentre goes to (1e13, 1e13), a null side puts its touch point on a vertex.
void Kind134Plane2(std::span<const Point2, 3> v, std::span<Point2, 4> out);

// Excentre opposite V0 of the spherical triangle v (or its antipode, following the orientation of
// the triangle) and the touch points. False, writing nothing, when two vertices coincide or are
// antipodal.
bool Kind134Sphere3(std::span<const Point3, 3> v, std::span<Point3, 4> out);

}  // namespace kernel

#pragma once
// Measures and completions of simple figures in space: area and perimeter of a closed polygon,
// the circle through three points, the sphere through four and the inscribed sphere of a tetrahedron.

#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace kernel {

// Message numbers the centre routines return for degenerate input (0 means success).
inline constexpr std::uint16_t kCollinearPointsMessage = 129;  // "collinear points"
inline constexpr std::uint16_t kCoplanarPointsMessage = 143;   // "coplanar points"

struct PolygonMeasures3 {
  Real area = 0;
  Real perimeter = 0;
};

// Area (of a planar polygon: the length of its vector area) and perimeter of the closed polygon
// pts[0..last]. pts needs room for last + 2 entries: entry last + 1 is overwritten with pts[0].
// Without that room, or with a negative last, the result is 0 and pts is left alone.
PolygonMeasures3 ClosedPolyline3(std::span<Point3> pts, int last);

// Centre of the circle through a, b, c in their plane. For (nearly) collinear points the
// denominator is clamped, a centre is still written and the result is kCollinearPointsMessage.
std::uint16_t Circumcenter3(const Point3& a, const Point3& b, const Point3& c, Point3& centre);

// Centre of the sphere through a, b, c, d. For (nearly) coplanar points the determinant is clamped,
// a centre is still written and the result is kCoplanarPointsMessage.
std::uint16_t Circumsphere3(const Point3& a, const Point3& b, const Point3& c, const Point3& d, Point3& centre);

// Centre of the inscribed sphere of the tetrahedron abcd and its points of contact with the faces
// opposite a, b, c and d, in whichever orientation the vertices are given. When the total face
// area is below the null tolerance, all five outputs are b.
void Insphere3(const Point3& a, const Point3& b, const Point3& c, const Point3& d, Point3& centre, Point3& ta,
               Point3& tb, Point3& tc, Point3& td);

}  // namespace kernel

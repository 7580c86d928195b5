#include "engine/orthogonal_arc.h"

#include <array>
#include <cmath>
#include <utility>

#include "kernel/plane_intersections.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace engine {

using kernel::Point2;
using kernel::Real;

GeometryResult OrthogonalArc2(const Point2& C, const Point2& Q, const Point2& P1, const Point2& P2,
                              GeodesicEnds& ends, bool& isLine) {
  if (kernel::TaxiDist2(P1, P2) < kernel::SnapTolerance) return kDegenerateInput;
  const Real squaredRadius = kernel::Dot2(Q - C, Q - C);
  // The carrying circle also passes through the inverse of P1 (or, when P1 sits at the centre and
  // has no usable inverse, of P2, unless P2 is nearer still).
  Point2 w = P1 - C;
  const Point2 other = P2 - C;
  if (kernel::Dot2(w, w) < kernel::SnapTolerance && kernel::Dot2(other, other) > kernel::Dot2(w, w))
    w = other;
  const Point2 inverse = C + (squaredRadius / kernel::Dot2(w, w)) * w;

  isLine = !kernel::Circumcenter2(P1, P2, inverse, ends[2]);
  std::array<Point2, 2> crossings;
  if (isLine) {
    // Along the unit direction, so that points very close together still give their line.
    Point2 direction = P2 - P1;
    kernel::Normalize2(direction);
    kernel::IntersectLineCircle2(P1, P1 + direction, C, std::sqrt(squaredRadius), crossings);
  } else {
    kernel::IntersectCircles2(C, Q, ends[2], inverse, crossings);
  }
  ends[0] = crossings[0];
  ends[1] = crossings[1];
  if (kernel::Dist2(P1, ends[1]) < kernel::Dist2(P2, ends[1])) std::swap(ends[0], ends[1]);
  return kGeometryOk;
}

}  // namespace engine

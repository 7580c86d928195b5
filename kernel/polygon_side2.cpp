#include "kernel/polygon_side2.h"

#include <cmath>

#include "kernel/line_intersection2.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

bool HasClosingEntry(std::span<const Point2> vertices, std::int16_t n) {
  return n >= 0 && vertices.size() >= static_cast<std::size_t>(n) + 1;
}

}  // namespace

bool IsStrictlyConvex2(std::span<const Point2> vertices, std::int16_t n, const Point2& p) {
  if (n < 1 || !HasClosingEntry(vertices, n)) return false;
  bool first_positive = false;
  for (int i = 0; i < n; ++i) {
    const Real c = Cross2(vertices[i] - p, vertices[i + 1] - vertices[i]);
    if (std::fabs(c) < SnapTolerance) return false;
    if (i == 0) {
      first_positive = c > 0;
    } else if ((c > 0) != first_positive) {
      return false;
    }
  }
  return true;
}

bool RayPolygonHit2(const Point2& p, const Point2& q, std::int16_t n, std::span<const Point2> vertices,
                    Point2& crossing, std::int16_t& edge, Real& u) {
  if (TaxiDist2(p, q) < SnapTolerance) return false;
  edge = 0;
  if (!HasClosingEntry(vertices, n)) return false;
  for (std::int16_t k = 1; k <= n; ++k) {
    edge = k;
    Real t = 0;
    if (IntersectLines2(p, q, vertices[k - 1], vertices[k], t, u, crossing) != kNoPoint && t > 0 && u >= 0 &&
        u <= 1) {
      return true;
    }
  }
  return false;
}

}  // namespace kernel

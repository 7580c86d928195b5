#include "kernel/point_in_polygon.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace kernel {

namespace {

// The skew direction of the inside test's ray. The ray from a lattice point meets the next
// lattice point only at this offset.
constexpr std::int64_t kRayX = 3001;
constexpr std::int64_t kRayY = 2003;

int Sign(std::int64_t v) { return (v > 0) - (v < 0); }

// Strictly opposite signs, by comparing the signs rather than forming the product.
bool OppositeSigns(std::int64_t a, std::int64_t b) { return Sign(a) * Sign(b) < 0; }

bool InSafeRange(std::int64_t v) { return v > -kLatticeCoordinateLimit && v < kLatticeCoordinateLimit; }

bool InSafeRange(const IntPoint2& p) { return InSafeRange(p.x) && InSafeRange(p.y); }

// Whether the polygon can be tested: at least three vertices, room for the closing entry, every
// coordinate in the safe range. Closes the polygon when it can.
bool CloseTestablePolygon(std::span<IntPoint2> polygon, std::int32_t n) {
  if (n < 3 || polygon.size() < static_cast<std::size_t>(n) + 1) return false;
  for (std::int32_t i = 0; i < n; ++i) {
    if (!InSafeRange(polygon[i])) return false;
  }
  polygon[n] = polygon[0];
  return true;
}

// The even-odd test on a closed polygon whose coordinates are in the safe range.
//
// An edge flips the answer when the ray meets it ahead of the point and its ends lie on opposite
// sides of the ray's line. An end exactly on that line counts as lying on its positive side, as
// if the ray were shifted by an infinitely small amount: so a ray through a vertex crosses the
// boundary once where it passes it and not at all where it only touches it, and an edge along
// the ray never flips. (Within a polygon spanning fewer than 2003 units no vertex lies on the
// ray's line.)
bool StrictlyInside(std::int64_t x, std::int64_t y, std::span<const IntPoint2> closed, std::int32_t n) {
  bool inside = false;
  for (std::int32_t i = 0; i < n; ++i) {
    const IntPoint2& a = closed[i];
    const IntPoint2& b = closed[i + 1];
    const std::int64_t ex = std::int64_t{b.x} - a.x, ey = std::int64_t{b.y} - a.y;
    const std::int64_t px = x - a.x, py = y - a.y;
    const std::int64_t qx = x - b.x, qy = y - b.y;
    const std::int64_t c = ex * py - ey * px;
    // On the closed edge (an edge of no length holds only its own point).
    if (c == 0 && ex * px + ey * py >= 0 && ex * qx + ey * qy <= 0 && (ex != 0 || ey != 0 || (px == 0 && py == 0))) {
      return false;
    }
    const bool a_positive = px * kRayY - py * kRayX >= 0;
    const bool b_positive = qx * kRayY - qy * kRayX >= 0;
    if (a_positive != b_positive && OppositeSigns(c, ex * kRayY - ey * kRayX)) inside = !inside;
  }
  return inside;
}

std::int64_t Gcd(std::int64_t a, std::int64_t b) { return std::gcd(a < 0 ? -a : a, b < 0 ? -b : b); }

}  // namespace

bool PointInPolygonInt(std::int32_t x, std::int32_t y, std::span<IntPoint2> polygon, std::int32_t n) {
  if (!InSafeRange(x) || !InSafeRange(y) || !CloseTestablePolygon(polygon, n)) return false;
  return StrictlyInside(x, y, polygon, n);
}

std::int32_t PointInPolygonIntV(std::int32_t x, std::int32_t y, std::span<IntPoint2> polygon, std::int32_t n) {
  if (!InSafeRange(x) || !InSafeRange(y) || !CloseTestablePolygon(polygon, n)) return 0;
  std::int32_t inside = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    IntPoint2 left = polygon[i];
    IntPoint2 right = polygon[i + 1];
    if (right.x < left.x) std::swap(left, right);
    if (!(left.x < x && x <= right.x)) continue;
    const std::int64_t below = (std::int64_t{y} - left.y) * (std::int64_t{right.x} - left.x);
    const std::int64_t edge = (std::int64_t{right.y} - left.y) * (std::int64_t{x} - left.x);
    if (below < edge) inside = 1 - inside;
  }
  return inside;
}

bool PixelInPolygonNonZero(std::int32_t x, std::int32_t y, std::span<const IntPoint2> polygon, std::int32_t n) {
  if (n < 3 || static_cast<std::size_t>(n) > polygon.size() || !InSafeRange(x) || !InSafeRange(y)) return false;
  // Doubled coordinates put the pixel's centre (2x + 1, 2y + 1) on the odd lattice, off every
  // doubled vertex, so no edge passes through it exactly.
  const std::int64_t cx = 2 * std::int64_t{x} + 1;
  const std::int64_t cy = 2 * std::int64_t{y} + 1;
  std::int32_t winding = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    const IntPoint2& a = polygon[static_cast<std::size_t>(i)];
    const IntPoint2& b = polygon[static_cast<std::size_t>(i + 1 < n ? i + 1 : 0)];
    if (!InSafeRange(a.x) || !InSafeRange(a.y)) return false;
    const std::int64_t ax = 2 * std::int64_t{a.x};
    const std::int64_t ay = 2 * std::int64_t{a.y};
    const std::int64_t bx = 2 * std::int64_t{b.x};
    const std::int64_t by = 2 * std::int64_t{b.y};
    // Which side of the edge the centre lies on: positive to the left of a -> b.
    const std::int64_t side = (bx - ax) * (cy - ay) - (cx - ax) * (by - ay);
    if (ay < cy && by > cy && side > 0) ++winding;
    else if (ay > cy && by < cy && side < 0) --winding;
  }
  return winding != 0;
}

bool LatticePointCounts(std::span<const Point2> vertices, Point2& result) {
  result = {0, 0};
  const std::int32_t n = static_cast<std::int32_t>(vertices.size());
  std::vector<IntPoint2> polygon(vertices.size() + 1);
  for (std::int32_t i = 0; i < n; ++i) {
    const Real vx = std::trunc(vertices[i].x);
    const Real vy = std::trunc(vertices[i].y);
    // Written so that a coordinate that is not a number fails too.
    if (!(std::fabs(vx) < kLatticeCoordinateLimit && std::fabs(vy) < kLatticeCoordinateLimit)) return false;
    polygon[i] = {static_cast<std::int32_t>(vx), static_cast<std::int32_t>(vy)};
  }

  std::int64_t interior = 0;
  if (n >= 3) {
    const auto [min_x, max_x] = std::minmax_element(polygon.begin(), polygon.begin() + n,
                                                    [](const IntPoint2& a, const IntPoint2& b) { return a.x < b.x; });
    const auto [min_y, max_y] = std::minmax_element(polygon.begin(), polygon.begin() + n,
                                                    [](const IntPoint2& a, const IntPoint2& b) { return a.y < b.y; });
    // Points on the bounding box lie on the boundary or outside: only the open box is scanned.
    const std::int64_t x0 = min_x->x + std::int64_t{1}, x1 = max_x->x - std::int64_t{1};
    const std::int64_t y0 = min_y->y + std::int64_t{1}, y1 = max_y->y - std::int64_t{1};
    const std::int64_t columns = std::max<std::int64_t>(0, x1 - x0 + 1);
    const std::int64_t rows = std::max<std::int64_t>(0, y1 - y0 + 1);
    if (rows > 0 && columns > kLatticeScanLimit / rows) return false;
    polygon[n] = polygon[0];
    for (std::int64_t y = y1; y >= y0; --y) {
      for (std::int64_t x = x0; x <= x1; ++x) {
        if (StrictlyInside(x, y, polygon, n)) ++interior;
      }
    }
  }

  std::int64_t boundary = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    const IntPoint2& a = polygon[i];
    const IntPoint2& b = polygon[(i + 1) % n];
    boundary += Gcd(std::int64_t{b.x} - a.x, std::int64_t{b.y} - a.y);
  }
  result = {static_cast<Real>(interior), static_cast<Real>(boundary)};
  return true;
}

}  // namespace kernel

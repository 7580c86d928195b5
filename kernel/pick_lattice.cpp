#include "kernel/pick_lattice.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

#include "kernel/point_in_polygon.h"

namespace kernel {

namespace {

// An integer range, empty when first > last.
struct Range {
  std::int64_t first = 0;
  std::int64_t last = -1;
  bool Empty() const { return first > last; }
  std::int64_t Size() const { return Empty() ? 0 : last - first + 1; }
};

// The whole numbers of [lo, hi], held within the safe lattice range (the view's own limits may be
// far larger or not numbers at all).
Range WholeNumbers(Real lo, Real hi) {
  if (std::isnan(lo) || std::isnan(hi)) return {};
  constexpr Real kLimit = kLatticeCoordinateLimit;
  lo = std::clamp(std::ceil(lo), -kLimit, kLimit);
  hi = std::clamp(std::floor(hi), -kLimit, kLimit);
  return {static_cast<std::int64_t>(lo), static_cast<std::int64_t>(hi)};
}

Range Intersect(Range a, Range b) { return {std::max(a.first, b.first), std::min(a.last, b.last)}; }

// The steps k (0 <= k < count) for which start + k * step lies within [lo, hi] on one axis.
Range StepsWithin(Real start, Real step, Real lo, Real hi, std::int64_t count) {
  const Range all{0, count - 1};
  if (step == 0) return start >= lo && start <= hi ? all : Range{};
  Real a = (lo - start) / step;
  Real b = (hi - start) / step;
  if (a > b) std::swap(a, b);
  return Intersect(all, WholeNumbers(a, b));
}

}  // namespace

PickLatticeDots PickDots(std::span<const Point2> vertices, const Box2& view) {
  PickLatticeDots dots;
  const std::size_t n = vertices.size();
  if (n < 3) return dots;
  std::vector<IntPoint2> polygon(n + 1);
  for (std::size_t i = 0; i < n; ++i) {
    const Point2& v = vertices[i];
    if (!(std::fabs(v.x) < kLatticeCoordinateLimit) || !(std::fabs(v.y) < kLatticeCoordinateLimit)) return dots;
    polygon[i] = {static_cast<std::int32_t>(std::trunc(v.x)), static_cast<std::int32_t>(std::trunc(v.y))};
  }
  polygon[n] = polygon[0];

  // Interior: the polygon's bounding box within the view, top row first.
  const auto [minX, maxX] = std::minmax_element(polygon.begin(), polygon.end() - 1,
                                                [](const IntPoint2& a, const IntPoint2& b) { return a.x < b.x; });
  const auto [minY, maxY] = std::minmax_element(polygon.begin(), polygon.end() - 1,
                                                [](const IntPoint2& a, const IntPoint2& b) { return a.y < b.y; });
  const Range xs = Intersect({minX->x, maxX->x}, WholeNumbers(view.xmin, view.xmax));
  const Range ys = Intersect({minY->y, maxY->y}, WholeNumbers(view.ymin, view.ymax));
  if (xs.Size() > 0 && ys.Size() > 0 && xs.Size() <= kPickDotLimit / ys.Size()) {
    const auto count = static_cast<std::int32_t>(n);
    for (std::int64_t y = ys.last; y >= ys.first; --y) {
      for (std::int64_t x = xs.first; x <= xs.last; ++x) {
        if (PointInPolygonInt(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y), polygon, count)) {
          dots.interior.push_back({static_cast<Real>(x), static_cast<Real>(y)});
        }
      }
    }
  }

  // Boundary: each edge's first vertex and the lattice points between its ends, in g equal steps
  // from the vertex as it lies (g = the gcd of the edge's integer extents, 1 for a null edge).
  std::int64_t total = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::int64_t dx = std::int64_t{polygon[i + 1].x} - polygon[i].x;
    const std::int64_t dy = std::int64_t{polygon[i + 1].y} - polygon[i].y;
    std::int64_t g = std::gcd(std::llabs(dx), std::llabs(dy));
    if (g == 0) g = 1;
    const Point2 step{static_cast<Real>(dx / g), static_cast<Real>(dy / g)};
    const Point2& start = vertices[i];
    const Range ks = Intersect(StepsWithin(start.x, step.x, view.xmin, view.xmax, g),
                               StepsWithin(start.y, step.y, view.ymin, view.ymax, g));
    total += ks.Size();
    if (total > kPickDotLimit) {
      dots.boundary.clear();
      break;
    }
    for (std::int64_t k = ks.first; k <= ks.last; ++k) {
      const Real t = static_cast<Real>(k);
      dots.boundary.push_back({start.x + t * step.x, start.y + t * step.y});
    }
  }
  return dots;
}

}  // namespace kernel

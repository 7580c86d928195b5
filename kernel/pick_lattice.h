#pragma once
// The lattice points shown with a Pick's theorem polygon: the lattice points strictly inside the
// polygon and those on its edges. The polygon is taken on its vertices truncated toward zero, as
// the lattice counts of point_in_polygon.h take it; only points within the view box are listed,
// and the work is bounded by the part of the polygon's bounding box that lies in the view, so a
// zoomed-out view or a far vertex never makes the scan run away.

#include <cstdint>
#include <span>
#include <vector>

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

struct PickLatticeDots {
  // The lattice points strictly inside the polygon.
  std::vector<Point2> interior;
  // Each edge's first vertex and the lattice points strictly between its ends, edge by edge (a
  // vertex shared by two edges is listed once, with the edge it starts).
  std::vector<Point2> boundary;
};

// The most dots of either kind listed; a polygon that would give more (a view zoomed far out over
// a large polygon) lists none of that kind, since they would cover the picture anyway.
inline constexpr std::int64_t kPickDotLimit = 4'000'000;

// The dots of the polygon through `vertices` (at least three; fewer give no dots) that lie in the
// view box. A vertex that is not a number, or lies outside the safe lattice range, gives no dots.
PickLatticeDots PickDots(std::span<const Point2> vertices, const Box2& view);

}  // namespace kernel

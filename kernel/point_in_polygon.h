#pragma once
// Which lattice points or pixels lie inside a polygon with integer vertices, and the lattice-point
// counts of Pick's theorem (area = I + B/2 - 1).
//
// An integer polygon is an array of n vertices plus one spare entry: the tests copy vertex 0 into
// entry n and read edge i from entry i to entry i + 1. Products are formed in 64-bit integers, so
// every coordinate must lie strictly within kLatticeCoordinateLimit; a test given a coordinate
// outside that range, or an array without the spare entry, answers "outside".

#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace kernel {

struct IntPoint2 {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

inline constexpr std::int32_t kLatticeCoordinateLimit = 1'000'000'000;
// The most lattice points LatticePointCounts examines for the interior count.
inline constexpr std::int64_t kLatticeScanLimit = 16'000'000;

// True when (x, y) lies strictly inside the polygon (even-odd rule); a point on the boundary is
// not inside. False for fewer than three vertices. Writes entry n.
bool PointInPolygonInt(std::int32_t x, std::int32_t y, std::span<IntPoint2> polygon, std::int32_t n);

// The pixel test of the ray tracer: 1 when (x, y) is inside by the even-odd rule with a ray toward
// increasing y, 0 otherwise (also for fewer than three vertices). An edge counts for the columns
// above its left end (excluded) up to its right end (included), and only when it passes strictly
// on the larger-y side of the point, so a vertical edge never counts and a point on an edge is
// not inside through it. Writes entry n.
std::int32_t PointInPolygonIntV(std::int32_t x, std::int32_t y, std::span<IntPoint2> polygon, std::int32_t n);

// True when the polygon winds round (x, y) a number of times other than zero (the non-zero rule
// of a filled outline that may cross itself). The point is tested at the centre of its pixel, so
// a pixel on the upper or left border of an integer outline counts as inside and one on its
// lower or right border does not, as a filled polygon covers its pixels. Reads n vertices (the
// last joined to the first) and writes nothing; false for fewer than three vertices or a
// coordinate outside the safe range.
bool PixelInPolygonNonZero(std::int32_t x, std::int32_t y, std::span<const IntPoint2> polygon, std::int32_t n);

// The polygon is taken on its vertices truncated toward zero. result.x receives the number of
// lattice points strictly inside (the polygon's own bounding box is scanned, so the count does
// not depend on the view), result.y the number on the boundary (each edge adds the gcd of its
// extents, the closing edge included). False with result (0, 0) when a coordinate is not a number
// or lies outside the safe range, or the bounding box holds more than kLatticeScanLimit points.
bool LatticePointCounts(std::span<const Point2> vertices, Point2& result);

}  // namespace kernel

#pragma once
// A closed polygon of the plane seen from a point: whether the point lies strictly on the same
// side of every edge, and the first edge a ray crosses. The polygon is an array of n + 1 points,
// the last repeating the first; edge i runs from vertex i to vertex i + 1.

#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace kernel {

// True when p lies strictly on the same side of every edge's line (a cross product of at least
// 1e-13 in magnitude, all of one sign): a point strictly inside a convex polygon, in either
// direction of travel, or the centre of a star polygon. False when p lies on an edge's line or
// an edge is degenerate, and for an array without its closing entry or without edges.
bool IsStrictlyConvex2(std::span<const Point2> vertices, std::int16_t n, const Point2& p);

// The first edge, in index order, that the ray from p through q crosses strictly ahead of p
// (edge ends included). On success edge holds k, the index of the crossed edge's end vertex, and
// u (0 at vertex k - 1, 1 at vertex k) and crossing are those of the crossing. False when no edge
// qualifies (edge is then n) or p and q are closer than 1e-13 in taxicab distance (edge is then
// not written). The first crossing in index order wins, not the nearest.
bool RayPolygonHit2(const Point2& p, const Point2& q, std::int16_t n, std::span<const Point2> vertices,
                    Point2& crossing, std::int16_t& edge, Real& u);

}  // namespace kernel

#pragma once
// How a tiling made of translated copies of one unit keeps the view covered: the unit's turn
// reduced by its rotation period, the vectors from the unit to its neighbouring copies, the region
// those copies are sure to cover, and moving a view back towards the unit by lattice vectors.

#include <array>
#include <span>

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// The most neighbour vectors a unit has.
inline constexpr int kMostNeighbourVectors = 12;
using NeighbourVectorArray = std::array<Point2, kMostNeighbourVectors>;

// The smallest turn that maps the tiling of the unit kind onto itself; 0 when none does.
Real UnitRotationPeriod(int kind);
// The inclination t moved by a whole multiple of the period into [-period/2, period/2); 0 for a
// period of 0.
Real ReducedInclination(Real t, Real period);

// The vectors from the unit of the kind, built turned by `angle` with the points `unit` (the
// built unit's points from its first), to its neighbouring copies; their number (4, 6 or 8), 0
// for a kind without neighbours.
int UnitNeighbourVectors(int kind, Real angle, std::span<const Point2> unit, NeighbourVectorArray& out);
// The vectors of the quadrilateral unit ABCD: C - A, D - B, A - C, B - D.
int QuadNeighbourVectors(const Point2& a, const Point2& b, const Point2& c, const Point2& d, NeighbourVectorArray& out);
// The region that copies of the unit at a + 4 v for every vector v cover.
Box2 CoverBox(const Point2& a, std::span<const Point2> vectors);
// Whether the view box lies strictly inside the box.
bool BoxStrictlyInside(const Box2& view, const Box2& box);
// A view centre moved by those of the vectors (in order) that bring it nearer the origin than it
// was, in the taxicab measure.
Point2 RecentredCentre(const Point2& centre, std::span<const Point2> vectors);

}  // namespace kernel

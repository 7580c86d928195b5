#pragma once
// The tessellation of the hyperbolic plane by the triangle group (p, q, r), in the Poincare disk:
// triangles with the angles pi/p, pi/q and pi/r, reflected in their sides. The vertex of angle
// pi/p sits at the centre (point 0) with its star of 2p triangles (points 1 to 2p); each layer
// turns the figure about every vertex of its outer ring, by the rotations that vertex's angle
// allows, until the vertex fans meet the figure's limits. The sides are the mirror lines cut at
// the figure's border, each listing its vertices in order along it.

#include <array>
#include <cstdint>
#include <vector>

#include "kernel/real.h"

namespace kernel {

struct HyperbolicTiling {
  std::vector<Point2> points;         // in the unit disk
  std::vector<std::uint8_t> types;    // 0: a vertex of angle pi/p, 1: pi/q, 2: pi/r
  std::vector<std::array<std::uint16_t, 3>> triangles;
  std::vector<std::uint8_t> filled;   // the triangles of one orientation (those of the fundamental one)
  std::vector<std::vector<std::uint16_t>> sides;  // each at most maxSidePoints vertices, in order
};

struct TilingLimits {
  int maxPoints = 7878;
  int maxSides = 9001;
  int maxSidePoints = 51;
};

// True when 1/p + 1/q + 1/r < 1 with every order at least 2: the triangle group is hyperbolic.
bool IsHyperbolicTriangleGroup(int p, int q, int r);
// The orders a tessellation is drawn for: each from 2 to 9.
inline constexpr int kMinTriangleGroupOrder = 2;
inline constexpr int kMaxTriangleGroupOrder = 9;
bool TriangleGroupOrdersInBounds(int p, int q, int r);
// True when the tiles of the group (orders in bounds) get too small to draw before the figure
// reaches the rim: p of 8 or 9 with q + r of 13 or more, p = 7 with q + r above 13, p = 6 above
// 14, and smaller p above 15.
bool TriangleGroupTooLargeToDraw(int p, int q, int r);
// The disk radii of the fundamental triangle's two outer vertices, tanh(d/2) of their distances
// from the centre vertex: first the vertex of angle pi/q, then that of angle pi/r.
std::array<Real, 2> FundamentalRadii(int p, int q, int r);
// Builds the tiling grown by `layers` layers (0: the centre's star alone), dropping any layer
// that would pass the limits. False, with out empty, when the group is not hyperbolic.
bool BuildHyperbolicTiling(int p, int q, int r, int layers, const TilingLimits& limits, HyperbolicTiling& out);

}  // namespace kernel

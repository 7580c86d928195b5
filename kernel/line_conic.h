#pragma once
// Where a line meets a conic given by its equation, by five points or by focal data, as a count
// of points (0, 1 or 2) with the points written into the caller's block.

#include <array>
#include <cstdint>

#include "kernel/real.h"

namespace kernel {

// What the line-curve step fills in and reads back: the line through P and Q, the conic's
// defining points, and the two intersection points.
struct LineConicBlock {
  Point2 p;  // first point of the line
  Point2 q;  // second point of the line
  // Five points of a five-point conic; for focal data [0], [1] the foci (ellipse, hyperbola) or
  // two points of the directrix (parabola) and [2] the parabola's focus.
  std::array<Point2, 5> conic_points{};
  Point2 first;   // X1
  Point2 second;  // X2
};

// The line PQ and the conic a x^2 + b xy + c y^2 + d x + e y + f = 0 (coefficients a..f).
// Two points, X1 the one farther along P -> Q; a touching line gives 2 with equal points. One
// point (count 1, in X1 only) where the equation along the line is linear, as for a line
// parallel to a parabola's axis. 0, with X1 and X2 unchanged, when the line misses, lies in the
// conic, or P and Q coincide.
int LineConicIntersection(const std::array<Real, 6>& coef, LineConicBlock& block);

// The conic through the block's five points; 0, with X1 and X2 unchanged, when they do not fix
// one conic.
int IntersectLineWithFivePointConic(LineConicBlock& block);

// The conic of focal data: kind 0 an ellipse (foci, eccentricity e), kind 2 a hyperbola (foci,
// e), any other kind a parabola (directrix, focus; e unused). The points keep the order of the
// focal kernels (X1 the farther along P -> Q; a single point in both).
int IntersectLineWithConicKind(LineConicBlock& block, std::int16_t kind, Real e);

}  // namespace kernel

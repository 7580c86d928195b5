#pragma once
// The tangents from a point to a conic: to an ellipse or hyperbola given by its foci and a vertex,
// and to a parabola given by its focus and directrix.

#include <array>

#include "kernel/real.h"

namespace kernel {

enum class TangentCase {
  kTwo,      // two tangents, touching at touch[0] and touch[1]
  kOnConic,  // the point lies on the conic: one tangent, along `direction` (a unit vector)
  kInside,   // the point lies inside: no tangent
  kFailed,   // degenerate data
};

struct ConicTangents {
  TangentCase result = TangentCase::kFailed;
  std::array<Point2, 2> touch{};
  Point2 direction{};
};

// An ellipse (ellipse set) or a hyperbola with foci F1, F2 and a vertex V on its focal axis. With
// L the axis length ||VF1| +- |VF2|| and S = ||PF1| +- |PF2|| - L, the point lies on the conic when
// |S| is below 1e-5, inside (within the ellipse, within a branch) when S has the wrong sign.
// Otherwise each crossing Q of the circle about F2 of radius L with the circle about P through F1
// gives the tangent through P and the midpoint of F1 Q, touching where it meets the line F2 Q.
ConicTangents TangentsToCentralConic(const Point2& p, const Point2& f1, const Point2& f2, const Point2& v, bool ellipse);

// The parabola of focus F and directrix D1 D2: with D the foot of P on the directrix and
// s = |PF| - |PD|, inside when s + 1e-13 is below 0, on the parabola when s is below 1e-13; else
// each crossing Q of the circle about P through F with the directrix gives the perpendicular
// bisector of F Q, touching where it meets the parallel to the axis through Q.
ConicTangents TangentsToParabola(const Point2& p, const Point2& focus, const Point2& d1, const Point2& d2);

}  // namespace kernel

#pragma once
// The shapes of the random shapes animation: coloured discs and regular polygons ("coasters") in
// the Euclidean plane, and balls with two seam arcs in the hyperbolic plane, each placed at
// random inside a view box. They are drawn one a frame and pile up; the figure is not touched.

#include <array>
#include <vector>

#include "kernel/colour_values.h"
#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

struct Coaster {
  ColorRef fill = 0;
  // The fill colour with only its largest component kept.
  ColorRef pen = 0;
  Point2 centre;
  Real radius = 0;
  // A disc (one time in five), else the regular polygon of `vertices` (3 to 18 of them).
  bool disc = false;
  std::vector<Point2> vertices;
};

// A centre anywhere in the view and a radius of 0.7 to 0.9 times its distance to the nearest
// edge of the view.
void RandomDisc(const Box2& view, Point2& centre, Real& radius);
Coaster RandomCoaster(const Box2& view);

struct Ball {
  Point2 centre;
  Real radius = 0;
  // Each seam is the quarter of a circle about seams[k][0] from seams[k][1] to seams[k][2]; the
  // two face each other across the centre, turned together by the tilt.
  std::array<std::array<Point2, 3>, 2> seams{};
};

// A ball with its seams turned by `tilt` radians (the animation draws it between -1.57 and 1.57).
Ball BallWithTilt(const Point2& centre, Real radius, Real tilt);
Ball RandomBall(const Box2& view);

}  // namespace kernel

#include "kernel/random_shapes.h"

#include <algorithm>
#include <cmath>

#include "kernel/random.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kTwoPi = static_cast<Real>(6.283185307179586476925286766559L);
constexpr Real kSeamDistance = static_cast<Real>(1.414);
constexpr Real kLargestTilt = static_cast<Real>(1.57);

int RandomComponent() { return 100 + static_cast<int>(Rand31() % 150); }

}  // namespace

void RandomDisc(const Box2& view, Point2& centre, Real& radius) {
  const Real cx = (view.xmin + view.xmax) / 2;
  const Real cy = (view.ymin + view.ymax) / 2;
  const Real hx = (view.xmax - view.xmin) / 2;
  const Real hy = (view.ymax - view.ymin) / 2;
  centre = {cx + hx * RandomBetween(-1, 1), cy + hy * RandomBetween(-1, 1)};
  const Real nearest = std::min({centre.x - view.xmin, view.xmax - centre.x, centre.y - view.ymin, view.ymax - centre.y});
  radius = nearest * RandomBetween(static_cast<Real>(0.7), static_cast<Real>(0.9));
}

Coaster RandomCoaster(const Box2& view) {
  Coaster c;
  const int r = RandomComponent();
  const int g = RandomComponent();
  const int b = RandomComponent();
  c.fill = Rgb(r, g, b);
  if (r >= g && r >= b) c.pen = Rgb(r, 0, 0);
  else if (g >= b) c.pen = Rgb(0, g, 0);
  else c.pen = Rgb(0, 0, b);
  RandomDisc(view, c.centre, c.radius);
  c.disc = Rand31() % 10 < 2;
  if (c.disc) return c;
  const int n = 3 + static_cast<int>(Rand31() % 16);
  const Real start = static_cast<Real>(Rand31() % 1000) * static_cast<Real>(0.001);
  for (int k = 0; k < n; ++k) {
    Point2 v;
    FromPolar(c.radius, start + kTwoPi * k / n, v);
    c.vertices.push_back(c.centre + v);
  }
  return c;
}

Ball BallWithTilt(const Point2& centre, Real radius, Real tilt) {
  Ball ball;
  ball.centre = centre;
  ball.radius = radius;
  Point2 v;
  FromPolar(kSeamDistance * radius, tilt, v);
  const Point2 h = v * static_cast<Real>(0.5);
  const Point2 p{-h.y, h.x};
  ball.seams[0] = {centre + v, centre + h + p, centre + h - p};
  ball.seams[1] = {centre - v, centre - h + p, centre - h - p};
  return ball;
}

Ball RandomBall(const Box2& view) {
  Point2 centre;
  Real radius = 0;
  RandomDisc(view, centre, radius);
  return BallWithTilt(centre, radius, RandomBetween(-kLargestTilt, kLargestTilt));
}

}  // namespace kernel

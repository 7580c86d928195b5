#include "kernel/random_figures.h"

#include <algorithm>
#include <cmath>

#include "kernel/random.h"
#include "kernel/segment_clip.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kDegree = Pi / 180;

Point2 Polar(Real r, Real degrees) {
  return {r * std::cos(degrees * kDegree), r * std::sin(degrees * kDegree)};
}

// The angle of vertex i of a triangle: one third of the circle each, 2 degrees from its start.
Real ThirdAngle(int i) { return 120 * i + 2 + 116 * RandomBetween(0, 1); }

}  // namespace

void RandomTriangleVertices(Real r, std::span<Point2, 3> v) {
  for (int i = 1; i <= 3; ++i) v[i - 1] = Polar(r, ThirdAngle(i));
}

void RandomIsoscelesTriangleVertices(Real r, std::span<Point2, 3> v) {
  const Real a1 = ThirdAngle(1);
  const Real a2 = ThirdAngle(2);
  v[0] = Polar(r, a1);
  v[1] = Polar(r, a2);
  v[2] = Polar(r, 2 * a1 - a2);
}

void RandomRectangleVertices(Real r, std::span<Point2, 4> v) {
  for (int i = 1; i <= 2; ++i) v[i - 1] = Polar(r, 70 * i + 2 + 58 * RandomBetween(0, 1));
  v[2] = -v[0];
  v[3] = -v[1];
}

void RandomIsoscelesTrapezoidVertices(const Point2& c, Real hw, Real hh, std::span<Point2, 4> v) {
  const Real x1 = c.x - (static_cast<Real>(0.5) * RandomBetween(0, 1) + static_cast<Real>(0.2)) * hw;
  const Real x2 = x1 + static_cast<Real>(1.3) * hw;
  const Real x4 = c.x + (RandomBetween(0, 1) - static_cast<Real>(0.1)) * hw;
  const Real y1 = c.y - static_cast<Real>(0.4) * RandomBetween(0, 1) * hh;
  const Real y2 = c.y + (static_cast<Real>(0.3) * RandomBetween(0, 1) + static_cast<Real>(0.5)) * hh;
  v[0] = {x1, y1};
  v[1] = {x2, y1};
  v[2] = {x1 + x2 - x4, y2};
  v[3] = {x4, y2};
}

bool RandomTrapezoidVertices(const Point2& c, Real hx, Real hy, std::span<Point2, 4> v) {
  const Real t = TwoPi * RandomBetween(0, 1);
  const Point2 d{std::cos(t), std::sin(t)};
  auto box = [&](Real lo, Real hi, Real (&b)[4]) {
    b[0] = c.x - hx * RandomBetween(lo, hi);
    b[1] = c.x + hx * RandomBetween(lo, hi);
    b[2] = c.y - hy * RandomBetween(lo, hi);
    b[3] = c.y + hy * RandomBetween(lo, hi);
  };
  Real outer[4];
  Real inner[4];
  box(static_cast<Real>(0.8), static_cast<Real>(0.9), outer);
  box(static_cast<Real>(0.6), static_cast<Real>(0.7), inner);
  const Point2 below{c.x, c.y - hy * (static_cast<Real>(0.3) + static_cast<Real>(0.2) * RandomBetween(0, 1))};
  const Point2 above{c.x, c.y + hy * (static_cast<Real>(0.3) + static_cast<Real>(0.2) * RandomBetween(0, 1))};
  Point2 p1 = below;
  Point2 p2 = below + d;
  Point2 p3 = above;
  Point2 p4 = above + d;
  if (!ClipSegment(inner[0], inner[1], inner[2], inner[3], p1, p2, true)) return false;
  if (!ClipSegment(outer[0], outer[1], outer[2], outer[3], p3, p4, true)) return false;
  // The second chord runs back, so that the four go around the quadrilateral.
  v[0] = p1;
  v[1] = p2;
  v[2] = p4;
  v[3] = p3;
  return true;
}

void RandomPolygonVertices(Real R, bool convex, std::span<Point2> v) {
  const int n = static_cast<int>(v.size());
  if (n < 1) return;
  Real sx = 1;
  Real sy = 1;
  if (convex) {
    R *= static_cast<Real>(0.75);
    sx = static_cast<Real>(0.5) * RandomBetween(0, 1) + static_cast<Real>(1.4);
    sy = static_cast<Real>(0.4) * RandomBetween(0, 1) + static_cast<Real>(0.8);
  }
  const int s = 360 / n;
  for (int i = 1; i <= n; ++i) {
    const Point2 p = Polar(static_cast<Real>(0.6) * R, RandomBetween(0, 1) * (s - 4) + s * i + 2);
    v[i - 1] = {sx * p.x, sy * p.y};
  }
}

}  // namespace kernel

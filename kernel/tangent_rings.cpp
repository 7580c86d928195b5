#include "kernel/tangent_rings.h"

#include <cmath>

#include "kernel/vector2.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

bool RingFits(std::size_t size, int n) { return n > 0 && size >= 3 * static_cast<std::size_t>(n) + 1; }

// The sine of half the angle at the centre between two touching ring circles must be a sine.
bool IsSine(Real s) { return std::isfinite(s) && std::fabs(s) <= 1; }

void Turn2(Point2& p, Real c, Real s) { p = {c * p.x - s * p.y, s * p.x + c * p.y}; }

// Turns the horizontal part of p counter-clockwise seen from +z.
void TurnAboutZ(Point3& p, Real c, Real s) {
  const Real x = p.x;
  p.x = c * x - s * p.y;
  p.y = s * x + c * p.y;
}

}  // namespace

void Kind169Plane2(std::span<Point2> v, std::span<const Real, 3> radii, int n, bool closed) {
  if (!RingFits(v.size(), n)) return;
  const Real r1 = radii[0], r2 = radii[1], r3 = radii[2];
  if (!(r1 + r2 >= NullTolerance)) return;
  const Real halfSine = r2 / (r1 + r2);
  if (!IsSine(halfSine)) return;

  const Point2 d = v[1] - v[0];
  Point2 u1 = d, u2 = d, u3 = d;
  ScaleTo2(u1, r1);
  ScaleTo2(u2, r1 + r2);
  ScaleTo2(u3, r3);
  const Real theta = 2 * std::asin(halfSine);
  Rotate2(u3, theta / 2);

  const Real c = std::cos(theta), s = std::sin(theta);
  const Point2 centre = v[0];
  for (int i = 1; i <= n; ++i) {
    v[i] = centre + u1;
    v[n + i] = centre + u2;
    if (closed || i < n) v[2 * n + i] = centre + u3;
    Turn2(u1, c, s);
    Turn2(u2, c, s);
    Turn2(u3, c, s);
  }
}

void Kind169Sphere3(std::span<Point3> v, std::span<const Real, 3> radii, int n, bool closed) {
  if (!RingFits(v.size(), n)) return;
  const Real rho1 = radii[0], rho2 = radii[1], rho3 = radii[2];
  const Real outer = std::sin(rho1 + rho2);
  if (!(std::fabs(outer) >= NullTolerance)) return;
  const Real sigma = std::sin(rho2) / outer;
  if (!IsSine(sigma)) return;

  Point3 normal = Cross3(v[0], v[1]);
  Normalize3(normal);
  const Point3 x = Cross3(normal, v[0]);

  // Each point is (sin rho times a horizontal direction, cos rho) about the pole.
  const auto at = [](Real rho, const Point3& direction) {
    return Point3{std::sin(rho) * direction.x, std::sin(rho) * direction.y, std::cos(rho)};
  };
  Point3 touch = at(rho1, x);
  Point3 ringCentre = at(rho1 + rho2, x);
  const Real alpha = std::asin(sigma);
  const Real ca = std::cos(alpha);
  const Point3 halfStep{x.x * ca - x.y * sigma, x.y * ca + x.x * sigma, x.z};
  Point3 neighbourTouch = at(rho3, halfStep);

  const Real c = std::cos(2 * alpha), s = std::sin(2 * alpha);
  for (int i = 1; i <= n; ++i) {
    v[i] = touch;
    v[n + i] = ringCentre;
    if (closed || i < n) v[2 * n + i] = neighbourTouch;
    TurnAboutZ(touch, c, s);
    TurnAboutZ(ringCentre, c, s);
    TurnAboutZ(neighbourTouch, c, s);
  }
}

}  // namespace kernel

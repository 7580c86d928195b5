#include "kernel/plane_intersections.h"

#include <cmath>

#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

KernelResult TouchingCode(Real t) {
  if (t < 0) return kTouchBeforeA;
  if (t <= 1) return kTouchOnSegment;
  return kTouchBeyondB;
}

KernelResult CrossingCode(Real t, Real k) {
  if (t + k <= 0) return kTwoBeforeA;
  if (t - k >= 1) return kTwoBeyondB;
  if (t - k <= 0 && t + k >= 1) return kTwoAroundSegment;
  if (t + k < 1) return t - k <= 0 ? kFirstBeforeSecondOn : kTwoOnSegment;
  return kFirstOnSecondBeyond;
}

}  // namespace

KernelResult IntersectLineCircle2(const Point2& a, const Point2& b, const Point2& centre, Real radius,
                                  std::array<Point2, 2>& points) {
  points = {};
  Point2 foot;
  Real h = 0;
  Real distance_a_to_foot = 0;
  Real t = 0;
  if (!FootAndDistances2(centre, a, b, foot, h, distance_a_to_foot, t)) return kNoPoint;
  if (!(h <= radius + NullTolerance)) return kNoPoint;
  if (h + NullTolerance > radius) {
    points = {foot, foot};
    return TouchingCode(t);
  }
  const Point2 d = b - a;
  const Real k = std::sqrt((radius - h) * (radius + h) / Dot2(d, d));
  points = {foot + k * d, foot - k * d};
  return CrossingCode(t, k);
}

int IntersectCircles2(const Point2& c1, const Point2& p1, const Point2& c2, const Point2& p2,
                      std::array<Point2, 2>& points) {
  points = {};
  const Real r1 = Dist2(c1, p1);
  const Real r2 = Dist2(c2, p2);
  const Real distance = Dist2(c1, c2);
  // Only clearly separated or clearly nested circles are rejected here: circles that touch within
  // the tolerance go on to the touching case below. (Circle 1 nested in circle 2 is found there.)
  if (distance < NullTolerance || r2 + distance + NullTolerance < r1 || r1 + r2 + NullTolerance < distance) {
    return kCirclesApart;
  }
  const Point2 axis = c2 - c1;
  const Real squared = distance * distance;
  const Real along = (squared + r1 * r1 - r2 * r2) / 2 / squared;
  const Point2 mid = c1 + along * axis;
  const Point2 normal{-axis.y, axis.x};
  const int code = IntersectLineCircle2(mid + normal, mid - normal, c1, r1, points) % 32;
  if (code == kTouchOnSegment) return kCirclesTouch;
  return code > 6 ? kCirclesApart : code;
}

}  // namespace kernel

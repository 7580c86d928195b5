#include "kernel/conic_tangents.h"

#include <cmath>

#include "kernel/line_intersection2.h"
#include "kernel/plane_intersections.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kOnCentralConic = static_cast<Real>(1e-5);
constexpr Real kOnParabola = static_cast<Real>(1e-13);

Point2 QuarterTurned(const Point2& v) { return {-v.y, v.x}; }

bool Unit(Point2& v) {
  const Real n = std::sqrt(Dot2(v, v));
  if (!(n > NullTolerance)) return false;
  v = v * (1 / n);
  return true;
}

// The tangent at P along the quarter turn of the normal n; failed for a null normal.
ConicTangents OnConic(Point2 n) {
  ConicTangents out;
  if (!Unit(n)) return out;
  out.result = TangentCase::kOnConic;
  out.direction = QuarterTurned(n);
  return out;
}

}  // namespace

ConicTangents TangentsToCentralConic(const Point2& p, const Point2& f1, const Point2& f2, const Point2& v, bool ellipse) {
  ConicTangents out;
  const Real sigma = ellipse ? 1 : -1;
  const Real l = std::fabs(Dist2(v, f1) + sigma * Dist2(v, f2));
  const Real s = std::fabs(Dist2(p, f1) + sigma * Dist2(p, f2)) - l;
  if (!(l > NullTolerance) || !std::isfinite(s)) return out;
  if (std::fabs(s) < kOnCentralConic) {
    // The normal at P bisects the angle F1 P F2 (an ellipse) or its supplement (a hyperbola).
    Point2 u1 = f1 - p;
    Point2 u2 = f2 - p;
    if (!Unit(u1) || !Unit(u2)) return out;
    return OnConic(ellipse ? u1 + u2 : u1 - u2);
  }
  if (sigma * s < 0) {
    out.result = TangentCase::kInside;
    return out;
  }
  // Q on the circle about F2 of radius L, as far from P as F1 is.
  Point2 onL = f2 + Point2{l, 0};
  std::array<Point2, 2> q{};
  const int crossing = IntersectCircles2(f2, onL, p, f1, q);
  if (crossing == kCirclesApart) return out;
  for (int i = 0; i < 2; ++i) {
    // The tangent is the perpendicular bisector of F1 Q, which runs through P (P may be its midpoint).
    Point2 touch;
    if (IntersectLines2Point(p, p + QuarterTurned(q[i] - f1), f2, q[i], touch) != kLinesMeet) return out;
    out.touch[i] = touch;
  }
  out.result = TangentCase::kTwo;
  return out;
}

ConicTangents TangentsToParabola(const Point2& p, const Point2& focus, const Point2& d1, const Point2& d2) {
  ConicTangents out;
  Point2 d;
  if (!FootOnLine2(p, d1, d2, d)) return out;
  const Real s = Dist2(p, focus) - Dist2(p, d);
  if (s + kOnParabola < 0) {
    out.result = TangentCase::kInside;
    return out;
  }
  if (s < kOnParabola) {
    // The tangent at P bisects the angle between PF and the perpendicular to the directrix.
    Point2 uf = focus - p;
    Point2 ud = d - p;
    if (!Unit(uf)) return out;
    if (!Unit(ud)) return out;
    return OnConic(uf - ud);
  }
  std::array<Point2, 2> q{};
  if (IntersectLineCircle2(d1, d2, p, Dist2(p, focus), q) == kNoPoint) return out;
  Point2 axis;
  if (!FootOnLine2(focus, d1, d2, axis)) return out;
  const Point2 across = focus - axis;
  for (int i = 0; i < 2; ++i) {
    Point2 touch;
    if (IntersectLines2Point(p, p + QuarterTurned(q[i] - focus), q[i], q[i] + across, touch) != kLinesMeet) return out;
    out.touch[i] = touch;
  }
  out.result = TangentCase::kTwo;
  return out;
}

}  // namespace kernel

#include "kernel/line_intersection2.h"

#include <cmath>

#include "kernel/constants.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

// Stands in for the infinite external division factor of a ratio of 1.
constexpr Real kFarFactor = static_cast<Real>(1e13);

// Complex arithmetic on points: x the real part, y the imaginary part.
Point2 Times(const Point2& a, const Point2& b) { return {a.x * b.x - a.y * b.y, a.x * b.y + a.y * b.x}; }
Point2 Conjugate(const Point2& a) { return {a.x, -a.y}; }

// n / d; a divisor of squared modulus below 1e-16 is taken as that small instead.
Point2 Divide(const Point2& n, const Point2& d) {
  const Real modulus2 = d.x * d.x + d.y * d.y;
  const Real s = 1 / (modulus2 < NullTolerance ? NullTolerance : modulus2);
  return Times(n, Conjugate(d)) * s;
}

}  // namespace

KernelResult IntersectLines2(const Point2& p1, const Point2& p2, const Point2& p3, const Point2& p4, Real& t,
                             Real& u, Point2& x) {
  x = {0, 0};
  const Point2 d1 = p2 - p1;
  const Point2 d2 = p4 - p3;
  const Point2 w = p3 - p1;
  const Real den = Cross2(d1, d2);
  if (std::fabs(den) < NullTolerance) return kNoPoint;
  t = Cross2(w, d2) / den;
  u = Cross2(w, d1) / den;
  if (std::fabs(t) > kLineParameterLimit || std::fabs(u) > kLineParameterLimit) return kNoPoint;
  x = p1 + t * d1;
  return kLinesMeet;
}

KernelResult IntersectLines2Point(const Point2& p1, const Point2& p2, const Point2& p3, const Point2& p4,
                                  Point2& x) {
  Real t = 0;
  Real u = 0;
  return IntersectLines2(p1, p2, p3, p4, t, u, x);
}

bool CrossRatio(const Point2& a, const Point2& b, const Point2& c, const Point2& d, Real& ratio) {
  const Real bd = Dist2(b, d);
  const Real ca = Dist2(c, a);
  if (bd < NullTolerance || ca < NullTolerance) return false;
  ratio = (Dist2(a, b) * Dist2(c, d)) / (bd * ca);
  return true;
}

bool PlacePointAtDistance2(const Point2& a, Point2& b, Real length) {
  Point2 v = b - a;
  if (!ScaleTo2(v, length)) return false;
  b = a + v;
  return true;
}

void ApolloniusCircle(const Point2& a, const Point2& b, Real k, Point2& centre, Point2& inner, Point2& outer,
                      Real& radius) {
  radius = 0;
  if (!(k >= NullTolerance)) {  // also a k that is not a number
    centre = inner = outer = a;
    return;
  }
  if (k > HugeReal) {
    centre = inner = outer = b;
    return;
  }
  const Point2 d = b - a;
  inner = a + d * (k / (k + 1));
  Real m;
  if (std::fabs(1 - k) >= SnapTolerance) {
    m = k / (k - 1);
  } else {
    m = k >= 1 ? 1 + kFarFactor : 1 - kFarFactor;
  }
  outer = a + d * m;
  centre = Midpoint2(inner, outer);
  radius = Dist2(centre, inner);
}

void QuarterTurnDisk2(const Point2& a, Point2& z) {
  const Point2 q = Divide(z - a, UnitX2 - Times(Conjugate(a), z));
  const Point2 w = {-q.y, q.x};
  z = Divide(w + a, UnitX2 + Times(Conjugate(a), w));
}

}  // namespace kernel

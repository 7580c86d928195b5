#include "kernel/vector2.h"

#include <cmath>

namespace kernel {

namespace {

Real LengthOfSquared(Real squared) { return squared >= SquaredLengthFloor ? std::sqrt(squared) : 0; }

// The program's rounding of a real to an integer: saturates at +-2147483647 and rounds an exact
// half towards zero. A NaN gives 0.
int RoundToInt(Real x) {
  if (std::isnan(x)) return 0;
  const int sign = x < 0 ? -1 : 1;
  const Real a = std::fabs(x);
  if (a > static_cast<Real>(2147483646.0)) return 2147483647 * sign;
  Real whole = 0;
  const Real fraction = std::modf(a, &whole);
  if (fraction > static_cast<Real>(0.5)) whole += 1;
  return sign * static_cast<int>(whole);
}

}  // namespace

bool Normalize2(Point2& v) {
  const Real length = LengthOfSquared(v.x * v.x + v.y * v.y);
  if (length < NullTolerance) return false;
  const Real inverse = 1 / length;
  v.x *= inverse;
  v.y *= inverse;
  return true;
}

bool ScaleTo2(Point2& v, Real length) {
  if (!Normalize2(v)) return false;
  v.x *= length;
  v.y *= length;
  return true;
}

void Rotate2(Point2& v, Real angle) {
  const Real c = std::cos(angle);
  const Real s = std::sin(angle);
  v = {c * v.x - s * v.y, s * v.x + c * v.y};
}

Real Dot2(const Point2& a, const Point2& b) { return a.x * b.x + a.y * b.y; }

Real Cross2(const Point2& a, const Point2& b) { return a.x * b.y - a.y * b.x; }

Real Dist2(const Point2& p, const Point2& q) {
  const Real dx = q.x - p.x;
  const Real dy = q.y - p.y;
  return LengthOfSquared(dx * dx + dy * dy);
}

Point2 Midpoint2(const Point2& p, const Point2& q) {
  const Real half = static_cast<Real>(0.5);
  return {(p.x + q.x) * half, (p.y + q.y) * half};
}

Real TaxiDist2(const Point2& p, const Point2& q) { return std::fabs(p.x - q.x) + std::fabs(p.y - q.y); }

bool FromPolar(Real radius, Real angle, Point2& out) {
  if (!(std::fabs(angle) <= PolarAngleLimit)) {
    out = {};
    return false;
  }
  out = {radius * std::cos(angle), radius * std::sin(angle)};
  return true;
}

void PolarToCartesian2(Point2& p) {
  Point2 cartesian;
  FromPolar(p.x, p.y, cartesian);
  p = cartesian;
}

bool NearInteger(Real x, Real y, int& n) {
  n = RoundToInt(x);
  return std::fabs(x) < NearIntegerRange && std::fabs(x - static_cast<Real>(n)) < NearIntegerTolerance &&
         std::fabs(y) < NearIntegerTolerance;
}

Real ArcTan2(Real x, Real y) {
  if (std::fabs(x) < NullTolerance) return y >= 0 ? Pi / 2 : -Pi / 2;
  const Real r = std::atan(y / x);
  if (x < 0) return y >= 0 ? r + Pi : r - Pi;
  return r;
}

Point2 Centroid2(std::span<const Point2> points) {
  if (points.empty()) return {};
  Point2 sum;
  for (const Point2& p : points) sum = sum + p;
  return sum * (1 / static_cast<Real>(points.size()));
}

bool ExtendBox2(Point2& min, const Point2& p, Point2& max) {
  bool changed = false;
  if (min.x > p.x) min.x = p.x, changed = true;
  if (p.x > max.x) max.x = p.x, changed = true;
  if (min.y > p.y) min.y = p.y, changed = true;
  if (p.y > max.y) max.y = p.y, changed = true;
  return changed;
}

}  // namespace kernel

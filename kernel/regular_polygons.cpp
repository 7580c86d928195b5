#include "kernel/regular_polygons.h"

#include <algorithm>
#include <cmath>

#include "kernel/vector2.h"
#include "kernel/vector3.h"

namespace kernel {

void GreatCirclePointAt3(const Point3& a, Point3& p, Real t) {
  if (t < 0 || t + SnapTolerance > Pi) return;
  Point3 w = Cross3(a, p);
  if (!Normalize3(w)) return;
  const Point3 towardsP = Cross3(w, a);
  p = std::cos(t) * a + std::sin(t) * towardsP;
}

void CompleteRegularPolygon2(std::span<Point2> v) {
  if (v.size() < 3) return;
  const Real theta = TwoPi / static_cast<Real>(v.size());
  const Real c = std::cos(theta);
  const Real s = std::sin(theta);
  Point2 e = v[1] - v[0];
  for (std::size_t k = 2; k < v.size(); ++k) {
    e = {c * e.x - s * e.y, s * e.x + c * e.y};
    v[k] = v[k - 1] + e;
  }
}

void CompleteRegularPolygonSphere(std::span<Point3> v, Real phi) {
  const Real c = std::cos(phi);
  const Real s = std::sin(phi);
  for (std::size_t k = 2; k < v.size(); ++k) {
    const Point3& u = v[k - 2];
    const Point3& a = v[k - 1];
    Point3 n = Cross3(u, a);
    Normalize3(n);
    const Real d = Dot3(u, a);
    // Rounding can push |d| just past 1 for (nearly) parallel vertices.
    const Real h = std::sqrt(std::max(static_cast<Real>(0), 1 - d * d));
    const Point3 x = Cross3(n, a);
    v[k] = d * a + (c * h) * x + (s * h) * n;
  }
}

void RegularPolygonFrame3(std::span<Point3> v, Real sideLength, Real cosTurn, Real sinTurn) {
  if (v.size() < 3) return;
  Point3 normal = Cross3(v[1] - v[0], v[2] - v[1]);
  Normalize3(normal);
  Point3 e = v[1] - v[0];
  ScaleTo3(e, sideLength);
  Point3 f = Cross3(normal, e);
  for (std::size_t i = 1; i < v.size(); ++i) {
    v[i] = v[i - 1] + e;
    e = cosTurn * e + sinTurn * f;
    f = Cross3(normal, e);
  }
}

bool RegularStarPolygon2(std::span<Point2> v, int k, Real sideLength, bool fixedDirection) {
  const int n = static_cast<int>(v.size());
  if (n < 3 || k % n == 0 || !(std::fabs(sideLength) >= NullTolerance)) return false;
  const Real alpha = TwoPi / n;
  const Real beta = k * alpha;

  Point2 second = v[1];
  if (fixedDirection) {
    const Real g = Pi / 2 + 3 * beta / 2;
    second = v[0] + sideLength * Point2{std::cos(g), std::sin(g)};
  }
  Point2 e = v[0] - second;
  if (!fixedDirection) {
    if (!ScaleTo2(e, sideLength)) return false;
    second = v[0] - e;
  }
  v[1] = second;

  // e becomes the radius vector from the centre to v[1].
  const Real radius = (sideLength / 2) / std::sin(beta / 2);
  e = (radius / sideLength) * e;
  Rotate2(e, Pi / 2 + beta / 2);
  const Point2 centre = v[1] - e;

  const Real ca = std::cos(alpha), sa = std::sin(alpha);
  const Real cb = std::cos(beta), sb = std::sin(beta);
  int m = k % n;
  for (int i = 2; i < n; ++i) {
    m = (m + k) % n;
    // A compound star has come back to its start: the next component begins one vertex further.
    if (m == 0) e = {ca * e.x - sa * e.y, sa * e.x + ca * e.y};
    e = {cb * e.x - sb * e.y, sb * e.x + cb * e.y};
    v[i] = centre + e;
  }
  return true;
}

}  // namespace kernel

#include "kernel/plane_primitives.h"

#include <cmath>

#include "kernel/vector2.h"

namespace kernel {

namespace {

// A cosine this close to +-1 is taken as the straight or zero angle.
inline constexpr Real kCosineLimit = static_cast<Real>(0.9999999999999);

bool SameSideOrOn(Real side_of_point, Real side_of_vertex) {
  return side_of_vertex > 0 ? side_of_point >= 0 : side_of_vertex < 0 ? side_of_point <= 0 : true;
}

bool StrictlySameSide(Real side_of_point, Real side_of_vertex) {
  return (side_of_vertex > 0 && side_of_point > 0) || (side_of_vertex < 0 && side_of_point < 0);
}

}  // namespace

bool ProjectOnLine2(const Point2& p, const Point2& a, const Point2& b, Point2& foot, Real& t) {
  const Point2 d = b - a;
  const Real squared = Dot2(d, d);
  if (!(squared >= NullTolerance)) return false;
  t = Dot2(p - a, d) / squared;
  foot = a + t * d;
  return true;
}

bool FootOnLine2(const Point2& p, const Point2& a, const Point2& b, Point2& foot) {
  Real t = 0;
  return ProjectOnLine2(p, a, b, foot, t);
}

bool FootAndDistances2(const Point2& p, const Point2& a, const Point2& b, Point2& foot,
                       Real& distance_to_foot, Real& distance_a_to_foot, Real& t) {
  if (!ProjectOnLine2(p, a, b, foot, t)) return false;
  distance_to_foot = Dist2(p, foot);
  distance_a_to_foot = Dist2(a, foot);
  return true;
}

void RotateAbout2(const Point2& centre, Real cos_angle, Real sin_angle, Point2& p) {
  const Point2 d = p - centre;
  p = {centre.x + cos_angle * d.x - sin_angle * d.y, centre.y + sin_angle * d.x + cos_angle * d.y};
}

Real SignedAngle2(const Point2& a, const Point2& v, const Point2& b) {
  const Point2 u = a - v;
  const Point2 w = b - v;
  const Real product = Dot2(u, u) * Dot2(w, w);
  if (!(product >= NullTolerance)) return 0;
  const Real c = Dot2(u, w) / std::sqrt(product);
  if (c < -kCosineLimit) return Pi;
  if (c > kCosineLimit) return 0;
  const Real s = std::sqrt(1 - c * c);
  Real angle = std::fabs(c) > NullTolerance ? std::atan(s / c) : Pi / 2;
  if (angle < 0) angle += Pi;
  return Cross2(u, w) < 0 ? -angle : angle;
}

bool Circumcenter2(const Point2& a, const Point2& b, const Point2& c, Point2& centre) {
  const Point2 ab = b - a;
  const Point2 ac = c - a;
  const Real d = 2 * Cross2(ab, ac);
  if (!(std::fabs(d) >= NullTolerance)) {
    centre = {};
    return false;
  }
  const Real ab2 = Dot2(ab, ab);
  const Real ac2 = Dot2(ac, ac);
  centre = {a.x + (ac.y * ab2 - ab.y * ac2) / d, a.y + (ab.x * ac2 - ac.x * ab2) / d};
  return true;
}

bool PointInTriangle2(const Point2& a, const Point2& b, const Point2& c, const Point2& p) {
  return SameSideOrOn(Cross2(b - a, p - a), Cross2(b - a, c - a)) &&
         SameSideOrOn(Cross2(c - b, p - b), Cross2(c - b, a - b)) &&
         StrictlySameSide(Cross2(a - c, p - c), Cross2(a - c, b - c));
}

Point2 PolygonCentroid2(std::span<Point2> vertices) {
  if (vertices.empty()) return {};
  const Point2 first = vertices[0];
  for (Point2& v : vertices) v = v - first;
  Real twice_area = 0;
  Point2 weighted;
  for (std::size_t i = 2; i < vertices.size(); ++i) {
    const Real c = Cross2(vertices[i - 1], vertices[i]);
    twice_area += c;
    weighted = weighted + (vertices[i - 1] + vertices[i]) * c;
  }
  const Real divisor = 3 * twice_area;
  if (!(std::fabs(divisor) >= NullTolerance)) return first;
  return Point2{weighted.x / divisor, weighted.y / divisor} + first;
}

AreaPerimeter PolygonAreaPerimeter2(std::span<Point2> vertices, int last) {
  if (last < 0 || static_cast<std::size_t>(last) >= vertices.size()) return {};
  const std::size_t count = static_cast<std::size_t>(last) + 1;
  if (vertices.size() > count) vertices[count] = vertices[0];
  Real twice_area = 0;
  Real perimeter = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const Point2& from = vertices[i];
    const Point2& to = i + 1 < count ? vertices[i + 1] : vertices[0];
    twice_area += Cross2(from, to);
    perimeter += Dist2(from, to);
  }
  return {std::fabs(twice_area) / 2, perimeter};
}

}  // namespace kernel

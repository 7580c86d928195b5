#include "kernel/vector3.h"

#include <cmath>
#include <initializer_list>

namespace kernel {

namespace {

// Polar and spherical angles beyond this magnitude are refused: their sines are meaningless.
constexpr Real kAngleLimit = static_cast<Real>(5e18);

}  // namespace

bool Normalize3(Point3& v) {
  const Real length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (length < NullTolerance) return false;
  const Real inverse = 1 / length;
  v = {v.x * inverse, v.y * inverse, v.z * inverse};
  return true;
}

bool ScaleTo3(Point3& v, Real len) {
  if (!Normalize3(v)) return false;
  v = {v.x * len, v.y * len, v.z * len};
  return true;
}

void NormalizeBySmallest3(Point3& v) {
  Real smallest = 0;
  for (Real component : {v.x, v.y, v.z}) {
    const Real size = std::fabs(component);
    if (size > NullTolerance && (smallest == 0 || size < smallest)) smallest = size;
  }
  if (smallest == 0) return;
  v = {v.x / smallest, v.y / smallest, v.z / smallest};
}

Real Dist3(const Point3& p, const Point3& q) {
  const Real dx = q.x - p.x;
  const Real dy = q.y - p.y;
  const Real dz = q.z - p.z;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

Point3 Midpoint3(const Point3& p, const Point3& q) {
  const Real half = static_cast<Real>(0.5);
  return {(p.x + q.x) * half, (p.y + q.y) * half, (p.z + q.z) * half};
}

Point3 Max3(const Point3& a, const Point3& b) {
  Point3 m = a;
  if (b.x > m.x) m.x = b.x;
  if (b.y > m.y) m.y = b.y;
  if (b.z > m.z) m.z = b.z;
  return m;
}

Point3 Min3(const Point3& a, const Point3& b) {
  Point3 m = a;
  if (b.x < m.x) m.x = b.x;
  if (b.y < m.y) m.y = b.y;
  if (b.z < m.z) m.z = b.z;
  return m;
}

void ExtendBox3(Point3& lo, const Point3& p, Point3& hi) {
  if (lo.x > p.x) lo.x = p.x;
  if (p.x > hi.x) hi.x = p.x;
  if (lo.y > p.y) lo.y = p.y;
  if (p.y > hi.y) hi.y = p.y;
  if (lo.z > p.z) lo.z = p.z;
  if (p.z > hi.z) hi.z = p.z;
}

Real Det3(const Point3& a, const Point3& b, const Point3& c) {
  return a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x);
}

Real TaxiDist3(const Point3& p, const Point3& q) {
  return std::fabs(p.x - q.x) + std::fabs(p.y - q.y) + std::fabs(p.z - q.z);
}

Real AngleBetween3(const Point3& a, const Point3& b) {
  const Real lengths = (a.x * a.x + a.y * a.y + a.z * a.z) * (b.x * b.x + b.y * b.y + b.z * b.z);
  if (lengths < NullTolerance) return 0;
  const Real c = Dot3(a, b) / std::sqrt(lengths);
  if (c < -1 + SnapTolerance) return Pi;
  if (c + SnapTolerance > 1) return 0;
  const Real s = std::sqrt(1 - c * c);
  if (std::fabs(c) < SnapTolerance) return Pi / 2;
  const Real t = std::atan(s / c);
  return t < 0 ? t + Pi : t;
}

Real AngleAt3(const Point3& a, const Point3& b, const Point3& c) { return AngleBetween3(a - b, c - b); }

bool FromSpherical3(Point3& v) {
  const Real r = v.x;
  const Real theta = v.y;
  const Real phi = v.z;
  if (std::fabs(theta) > kAngleLimit || std::fabs(phi) > kAngleLimit) return false;
  const Real sinPhi = std::sin(phi);
  v = {r * sinPhi * std::cos(theta), r * sinPhi * std::sin(theta), r * std::cos(phi)};
  return true;
}

bool FromPolarInPlace2(Point2& p) {
  const Real r = p.x;
  const Real theta = p.y;
  if (std::fabs(theta) > kAngleLimit) return false;
  p = {r * std::cos(theta), r * std::sin(theta)};
  return true;
}

void SetRec8(PenRec& rec, std::uint32_t a, std::uint16_t b, std::uint16_t c) { rec = {a, b, c}; }

void SetShort3b(Short3& rec, std::uint16_t a, std::uint16_t b, std::uint16_t c) { rec = {a, b, c}; }

bool PointInBox2b(const Point2& p, Real xmin, Real xmax, Real ymin, Real ymax) {
  return xmin <= p.x && p.x <= xmax && ymin <= p.y && p.y <= ymax;
}

bool InBox2(const Point2& p, const Box2& box) { return PointInBox2b(p, box.xmin, box.xmax, box.ymin, box.ymax); }

}  // namespace kernel

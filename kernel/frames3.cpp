#include "kernel/frames3.h"

#include <cmath>

#include "kernel/random.h"
#include "kernel/vector3.h"

namespace kernel {

Point3 RotateAboutAxis3(const Point3& u, Real cosA, Real sinA, const Point3& v) {
  const Point3 along = Dot3(v, u) * u;
  const Point3 across = v - along;
  const Point3 side = Cross3(u, across);
  return (along + cosA * across) + sinA * side;
}

bool ProjectOnLine3(const Point3& p, const Point3& a, const Point3& b, Point3& foot, Real& t) {
  foot = p;
  const Point3 e = b - a;
  t = Dot3(e, e);
  if (t < NullTolerance) return false;
  t = Dot3(p - a, e) / t;
  foot = a + t * e;
  return true;
}

bool CommonPerpendicularFeet3(const Point3& a, const Point3& b, const Point3& c, const Point3& d, Point3& p, Point3& q) {
  const Point3 u = b - a;
  const Point3 v = d - c;
  const Point3 w = c - a;
  const Real uu = Dot3(u, u);
  const Real vv = Dot3(v, v);
  const Real uv = Dot3(u, v);
  const Real uw = Dot3(u, w);
  const Real vw = Dot3(v, w);
  const Real det = uu * vv - uv * uv;
  if (std::fabs(det) < static_cast<Real>(1e-13)) return false;
  const Real s = (uw * vv - uv * vw) / det;
  const Real t = (uv * uw - uu * vw) / det;
  p = a + s * u;
  q = c + t * v;
  return true;
}

void SplitVector3(const Point3& v, const Point3& d, Point3& along, Point3& across) {
  const Real q = d.x * d.x + d.y * d.y + d.z * d.z;
  if (q < NullTolerance) {
    along = {0, 0, 0};
    across = v;
    return;
  }
  along = (Dot3(v, d) / q) * d;
  across = v - along;
}

bool PlaneNormal3(const Point3& a, const Point3& b, const Point3& c, Point3& n, bool unit) {
  n = Cross3(c - b, a - b);
  Point3 m = n;
  const bool normalised = Normalize3(m);
  if (unit) n = m;
  if (normalised) return true;

  // Collinear or coinciding points: any unit vector perpendicular to a - b will do.
  const Point3 e = a - b;
  if (std::fabs(e.x) > NullTolerance || std::fabs(e.y) > NullTolerance) {
    n = {-e.y, e.x, 0};
    Normalize3(n);
  } else {
    n = {1, 0, 0};
  }
  return false;
}

void OrthoBasis3(const Point3& v, Point3& u, Point3& w, bool scaled) {
  if (std::fabs(v.x) > NullTolerance || std::fabs(v.y) > NullTolerance) {
    u = {-v.y, v.x, 0};
  } else {
    u = {1, 0, 0};
  }
  w = Cross3(v, u);
  if (scaled) {
    const Real length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    ScaleTo3(u, length);
    ScaleTo3(w, length);
  }
}

void RandomUnitVector3(Real sLo, Real sHi, Real phiLo, Real phiHi, const Point3& axis, Point3& out) {
  Point3 n = axis;
  Normalize3(n);
  Point3 u, w;
  OrthoBasis3(n, u, w, true);
  const Real s = RandomBetween(sLo, sHi);
  const Real phi = RandomBetween(phiLo, phiHi);
  // A sine outside [-1, 1] would leave no real height along the axis; keep the height at 0 then.
  const Real height = std::sqrt(std::fmax(static_cast<Real>(0), 1 - s * s));
  out = ((s * std::cos(phi)) * u + (s * std::sin(phi)) * w) + height * n;
}

}  // namespace kernel

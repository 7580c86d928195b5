#include "kernel/polygon_measures3.h"

#include <cmath>
#include <cstddef>

#include "kernel/vector3.h"

namespace kernel {

namespace {

Real TriangleArea3(const Point3& p, const Point3& q, const Point3& r) {
  Point3 triangle[4] = {p, q, r, {}};
  return ClosedPolyline3(triangle, 2).area;
}

// A denominator below the null tolerance is replaced by the tolerance with its sign (0 counts as +).
Real ClampedDenominator(Real value) {
  if (std::fabs(value) >= NullTolerance) return value;
  return value < 0 ? -NullTolerance : NullTolerance;
}

}  // namespace

PolygonMeasures3 ClosedPolyline3(std::span<Point3> pts, int last) {
  PolygonMeasures3 result;
  if (last < 0 || pts.size() < static_cast<std::size_t>(last) + 2) return result;
  const std::size_t n = static_cast<std::size_t>(last);
  pts[n + 1] = pts[0];
  for (std::size_t i = 0; i <= n; ++i) result.perimeter += Dist3(pts[i], pts[i + 1]);

  Point3 sum{0, 0, 0};
  for (std::size_t i = 0; i <= n; ++i) {
    const Point3& p = pts[i];
    const Point3& q = pts[i + 1];
    sum.x += p.y * q.z - p.z * q.y;
    sum.y += p.z * q.x - p.x * q.z;
    sum.z += p.x * q.y - p.y * q.x;
  }
  result.area = static_cast<Real>(0.5) * std::sqrt(sum.x * sum.x + sum.y * sum.y + sum.z * sum.z);
  return result;
}

std::uint16_t Circumcenter3(const Point3& a, const Point3& b, const Point3& c, Point3& centre) {
  const Point3 u = b - a;
  const Point3 v = c - a;
  const Real uu = u.x * u.x + u.y * u.y + u.z * u.z;
  const Real vv = v.x * v.x + v.y * v.y + v.z * v.z;
  const Real uv = Dot3(u, v);
  const Real raw = (uu * vv - uv * uv) * 2;
  const std::uint16_t code = std::fabs(raw) < NullTolerance ? kCollinearPointsMessage : 0;
  const Real k = 1 / ClampedDenominator(raw);
  const Real alpha = ((uu - uv) * vv) * k;
  const Real beta = ((vv - uv) * uu) * k;
  centre = (a + alpha * u) + beta * v;
  return code;
}

std::uint16_t Circumsphere3(const Point3& a, const Point3& b, const Point3& c, const Point3& d, Point3& centre) {
  const Point3 u = b - a;
  const Point3 v = c - a;
  const Point3 w = d - a;
  const Real half = static_cast<Real>(0.5);
  // The centre is a + x with u.x = ru, v.x = rv, w.x = rw, solved by Cramer's rule.
  const Point3 rhs{(u.x * u.x + u.y * u.y + u.z * u.z) * half, (v.x * v.x + v.y * v.y + v.z * v.z) * half,
                   (w.x * w.x + w.y * w.y + w.z * w.z) * half};
  const Point3 xs{u.x, v.x, w.x};
  const Point3 ys{u.y, v.y, w.y};
  const Point3 zs{u.z, v.z, w.z};
  const Real raw = Det3(xs, ys, zs);
  const std::uint16_t code = std::fabs(raw) < NullTolerance ? kCoplanarPointsMessage : 0;
  const Real k = 1 / ClampedDenominator(raw);
  centre = {a.x + k * Det3(rhs, ys, zs), a.y + k * Det3(xs, rhs, zs), a.z + k * Det3(xs, ys, rhs)};
  return code;
}

void Insphere3(const Point3& a, const Point3& b, const Point3& c, const Point3& d, Point3& centre, Point3& ta,
               Point3& tb, Point3& tc, Point3& td) {
  // Each face is named after the vertex opposite it.
  const Real sd = TriangleArea3(a, b, c);
  const Real sa = TriangleArea3(d, b, c);
  const Real sb = TriangleArea3(d, a, c);
  const Real sc = TriangleArea3(d, a, b);
  const Real total = ((sd + sa) + sb) + sc;
  if (total < NullTolerance) {
    centre = ta = tb = tc = td = b;
    return;
  }

  const Real k = 1 / total;
  const Point3 ab = b - a;
  const Point3 ac = c - a;
  const Point3 ad = d - a;
  const Point3 eb = (sb * k) * ab;
  const Point3 ec = (sc * k) * ac;
  const Point3 ed = (sd * k) * ad;
  centre = ((a + eb) + ec) + ed;

  // The inradius 3V/S, signed by the orientation of abcd, so that each face normal below, moved
  // by it, lands on its face in either orientation.
  const Real r = (k * static_cast<Real>(0.5)) * Det3(ab, ac, ad);
  const auto contact = [&](Point3 normal) {
    ScaleTo3(normal, r);
    return centre + normal;
  };
  ta = contact(Cross3(ac - ab, ad - ab));
  tb = contact(Cross3(ed, ec));
  tc = contact(Cross3(eb, ed));
  td = contact(Cross3(ec, eb));
}

}  // namespace kernel

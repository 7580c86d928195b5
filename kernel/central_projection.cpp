#include "kernel/central_projection.h"

#include <cmath>

#include "kernel/vector3.h"

namespace kernel {

namespace {

// e^42, the factor of a point in the observer's parallel plane.
const Real kHuge = std::exp(42.0L);

}  // namespace

bool ComputeViewFrame(const Point3& observer, const Point3& centre, ViewFrame& frame) {
  ViewFrame f;
  f.observer = observer;
  f.centre = centre;
  const Point3 d = observer - centre;
  f.sight = d;
  f.rxy2 = d.x * d.x + d.y * d.y;
  const Real r2 = d.z * d.z + f.rxy2;
  f.rxy = std::sqrt(f.rxy2);
  f.r = std::sqrt(r2);
  if (!(f.rxy >= 1e-16L)) return false;
  f.kx = r2 / f.rxy;
  f.ky = f.r / f.rxy;
  f.kinv = 1 / (f.r * f.rxy);
  f.u = {-d.y / f.rxy, d.x / f.rxy, 0};
  f.v = Cross3(d, f.u);
  if (!Normalize3(f.v)) return false;
  frame = f;
  return true;
}

Point2 ProjectToView(const ViewFrame& f, const Point3& p) {
  const Point3& d = f.sight;
  const Point3 q = f.observer - p;
  const Real t = Dot3(d, q);
  const Real s = std::fabs(t) < 1e-16L ? kHuge : 1 / t;
  return {(d.y * q.x - d.x * q.y) * f.kx * s, ((d.z * q.x - d.x * q.z) * d.x + (d.z * q.y - d.y * q.z) * d.y) * f.ky * s};
}

Point3 ViewPlanePoint(const ViewFrame& f, const Point2& ab) {
  const Point3& d = f.sight;
  const Point3 w{-d.y * ab.x * f.r - d.x * ab.y * d.z, d.x * ab.x * f.r - d.y * ab.y * d.z, ab.y * f.rxy2};
  return f.kinv * w + f.centre;
}

}  // namespace kernel

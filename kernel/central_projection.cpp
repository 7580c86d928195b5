#include "kernel/central_projection.h"

#include <cmath>

#include "kernel/vector3.h"

namespace kernel {

namespace {

// e^42, the factor of a point in the observer's parallel plane.
const Real kHuge = std::exp(42.0L);

}  // namespace

bool ComputeViewFrame(const Point3& observer, const Point3& centre, ViewFrame& frame) {
  frame.observer = observer;
  frame.centre = centre;
  const Point3 d = observer - centre;
  frame.sight = d;
  frame.rxy2 = d.x * d.x + d.y * d.y;
  const Real r2 = d.z * d.z + frame.rxy2;
  frame.rxy = std::sqrt(frame.rxy2);
  frame.r = std::sqrt(r2);
  if (frame.rxy < 1e-16L) return false;
  frame.kx = r2 / frame.rxy;
  frame.ky = frame.r / frame.rxy;
  frame.kinv = 1 / (frame.r * frame.rxy);
  frame.u = {-d.y / frame.rxy, d.x / frame.rxy, 0};
  frame.v = Cross3(d, frame.u);
  return Normalize3(frame.v);
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

#include "kernel/stored_plane.h"

#include <cmath>

#include "kernel/frames3.h"
#include "kernel/vector3.h"

namespace kernel {

Real PlaneValue3(const PlaneRecord& plane, const Point3& p) {
  return plane.a * p.x + plane.b * p.y + plane.c * p.z - plane.d;
}

bool NormalizePlane3(PlaneRecord& plane) {
  const Real length = std::sqrt(plane.a * plane.a + plane.b * plane.b + plane.c * plane.c);
  if (!(length > NullTolerance)) return false;
  plane = {plane.a / length, plane.b / length, plane.c / length, plane.d / length};
  return true;
}

bool PlaneThroughPoints3(const Point3& p1, const Point3& p2, const Point3& p3, PlaneRecord& plane) {
  Point3 normal;
  if (!PlaneNormal3(p1, p2, p3, normal, true)) return false;
  plane = {normal.x, normal.y, normal.z, Dot3(normal, p1)};
  return true;
}

SegmentPlaneCode IntersectSegmentPlane3(const PlaneRecord& plane, const Point3& p, const Point3& q, Real eps,
                                        Point3& point, Real& t) {
  const Real vp = PlaneValue3(plane, p);
  const Real vq = PlaneValue3(plane, q);
  const Real delta = vp - vq;
  if (!(std::fabs(delta) >= eps)) return std::fabs(vp) >= eps ? kParallelOff : kLiesInPlane;
  t = vp / delta;
  point = (1 - t) * p + t * q;
  if (t < -eps) return kMeetsBeforeP;
  if (t < eps) return kMeetsAtP;
  if (t <= 1 - eps) return kMeetsInside;
  if (t <= 1 + eps) return kMeetsAtQ;
  return kMeetsBeyondQ;
}

}  // namespace kernel

#include "kernel/tangents.h"

#include <cmath>

#include "kernel/kernel_result.h"
#include "kernel/line_sphere3.h"
#include "kernel/sphere_kernels.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// The checks common to both geometries on the distance of the centres and the two radii (lengths
// or arcs): false when there is no tangent of the asked kind.
bool CommonTangentsCanExist(Real distance, Real r1, Real r2, bool inner) {
  if (distance < NullTolerance) return false;
  if (inner) return !(distance < r1 + r2 + NullTolerance);
  return !(distance < std::fabs(r1 - r2) + NullTolerance);
}

}  // namespace

std::uint16_t TangentPointsFromPoint2(const Point2& c, const Point2& q, const Point2& p, std::span<Point2, 2> out) {
  const Real r = Dist2(c, q);
  const Real d = Dist2(c, p);
  if (d < r + NullTolerance) return kPointNotOutsideCircle2;
  const Real k = r / d;
  const Real theta = std::acos(k);
  Point2 left = k * (p - c);
  Point2 right = left;
  Rotate2(left, theta);
  Rotate2(right, -theta);
  out[0] = c + left;
  out[1] = c + right;
  return kTangentsFound;
}

std::uint16_t TangentPointsFromPointSphere3(const Point3& c, const Point3& q, const Point3& p,
                                            std::span<Point3, 2> out) {
  const Real cr = Dot3(c, q);  // cosine of the circle's angular radius
  const Real cd = Dot3(c, p);  // cosine of the angular distance from c to p
  if (cr < cd + NullTolerance) return kNoTangentFromPointSphere;
  // A great circle has no tangent great circle through a point off it.
  if (std::fabs(cr) < NullTolerance) return kNoTangentFromPointSphere;
  Point3 n = Cross3(c, p);
  if (!Normalize3(n)) return kNoTangentFromPointSphere;  // p antipodal to c
  const Real sd = std::sqrt(1 - cd * cd);
  if (!(sd >= NullTolerance)) return kNoTangentFromPointSphere;

  // The contact points lie on both planes X.p = k and X.c = cr (k the cosine of the arc from p to a
  // contact point): on the line through w in the direction n.
  const Real k = cd / cr;
  const Point3 towardsC = Cross3(p, n);
  const Point3 w = k * p + (std::fabs(cr - k * cd) / sd) * towardsC;
  Point3 first, second;
  if (SegmentSphereIntersect3(w - n, w + n, Point3{0, 0, 0}, 1, first, second) == kNoPoint) {
    return kNoTangentFromPointSphere;
  }
  out[0] = first;
  out[1] = second;
  return kTangentsFound;
}

std::uint16_t CommonTangents2(const Point2& c1, const Point2& q1, const Point2& c2, const Point2& q2, bool inner,
                              std::span<Point2, 2> out1, std::span<Point2, 2> out2) {
  const Real distance = Dist2(c1, c2);
  const Real r1 = Dist2(c1, q1);
  const Real r2 = Dist2(c2, q2);
  if (!CommonTangentsCanExist(distance, r1, r2, inner)) return kNoCommonTangent;

  if (!inner && std::fabs(r1 - r2) < NullTolerance) {
    // Equal circles: the outer tangents are parallel to the line of centres.
    const Point2 along = c2 - c1;
    Point2 n{-along.y, along.x};
    ScaleTo2(n, r1);
    out1[0] = c1 + n;
    out1[1] = c1 - n;
    ScaleTo2(n, r2);
    out2[0] = c2 + n;
    out2[1] = c2 - n;
    return kTangentsFound;
  }

  // Both tangents pass through the centre of similitude.
  const Real t = inner ? r1 / (r1 + r2) : r1 / (r1 - r2);
  const Point2 h = c1 + t * (c2 - c1);
  Point2 on1[2], on2[2];
  if (TangentPointsFromPoint2(c1, q1, h, on1) != kTangentsFound ||
      TangentPointsFromPoint2(c2, q2, h, on2) != kTangentsFound) {
    return kNoCommonTangent;
  }
  // Beyond the larger circle the centres are seen in the other order.
  const bool swap = !inner && r2 > r1;
  for (int i = 0; i < 2; ++i) {
    out1[i] = on1[swap ? 1 - i : i];
    out2[i] = on2[swap ? 1 - i : i];
  }
  return kTangentsFound;
}

std::uint16_t CommonTangentsSphere3(const Point3& c1, const Point3& q1, const Point3& c2, const Point3& q2,
                                    bool inner, std::span<Point3, 2> out1, std::span<Point3, 2> out2) {
  const Real distance = SphericalDistance3(c1, c2);
  const Real r1 = SphericalDistance3(c1, q1);
  const Real r2 = SphericalDistance3(c2, q2);
  if (!CommonTangentsCanExist(distance, r1, r2, inner)) return kNoCommonTangent;

  // A great circle with unit pole m touches the circle about c of arc radius r when m.c = +-sin r,
  // with the same sign for both circles on an outer tangent and opposite signs on an inner one.
  // So the poles of both tangents are perpendicular to s2 c1 -+ s1 c2, and that vector points to
  // the crossing of the two tangents, between the centres (inner) or beyond the smaller circle
  // (outer). Its squared length is s1^2 + s2^2 -+ 2 s1 s2 cos D.
  const Real s1 = std::sin(r1);
  const Real s2 = std::sin(r2);
  Point3 similitude = inner ? s2 * c1 + s1 * c2 : s2 * c1 - s1 * c2;
  if (Dot3(similitude, similitude) < SnapTolerance) return kNoCommonTangent;
  Normalize3(similitude);

  Point3 on1[2], on2[2];
  if (TangentPointsFromPointSphere3(c1, q1, similitude, on1) != kTangentsFound ||
      TangentPointsFromPointSphere3(c2, q2, similitude, on2) != kTangentsFound) {
    return kNoCommonTangent;
  }
  for (int i = 0; i < 2; ++i) {
    out1[i] = on1[i];
    out2[i] = on2[i];
  }
  return kTangentsFound;
}

}  // namespace kernel

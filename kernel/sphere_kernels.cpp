#include "kernel/sphere_kernels.h"

#include <algorithm>
#include <cmath>

#include "kernel/constants.h"
#include "kernel/line_sphere3.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// arccos of a cosine that rounding may have pushed just outside [-1, 1].
Real ClampedAcos(Real cosine) { return std::acos(std::clamp(cosine, static_cast<Real>(-1), static_cast<Real>(1))); }

}  // namespace

Real SphericalDistance3(const Point3& A, const Point3& B) {
  const Real d = Dot3(A, B);
  if (d < -1 + SnapTolerance) return Pi;
  if (d > 1 - SnapTolerance) return 0;
  return ClampedAcos(d);
}

Real SphericalAngleAt3(const Point3& A, const Point3& B, const Point3& C, bool turning) {
  // The tangent at B pointing away from A, and the tangent at B pointing towards C.
  Point3 away = Cross3(Cross3(A, B), B);
  Point3 towards = Cross3(Cross3(B, C), B);
  if (!Normalize3(away) || !Normalize3(towards)) return 0;
  Real r = std::fabs(ClampedAcos(Dot3(away, towards)));
  if (!turning) r = r - Pi;
  if (Dot3(Cross3(away, towards), B) < 0) r = -r;
  return r;
}

bool AxisFrame3(const Point3& A, const Point3& B, std::span<Point3, 3> frame, Real& latitude) {
  frame[0] = Dot3(A, B) * A;
  frame[1] = B - frame[0];
  frame[2] = Cross3(A, frame[1]);
  latitude = Pi / 2 - AngleAt3(A, Origin3, B);
  return true;
}

bool SphereCirclePoint3(const Point3& C, Real a, Real b, Real k, Point3& Q) {
  Point3 across = Cross3(C, Q);
  if (!Normalize3(across)) return false;
  const Point3 towardsQ = Cross3(across, C);
  const Real r = k * ClampedAcos(Dot3(C, Q));
  if (r + NullTolerance > Pi) return false;
  Q = std::cos(r) * C + std::sin(r) * (a * towardsQ + b * across);
  return true;
}

bool RotatePoleToZ3(const Point3& A, Point3& P, bool forward) {
  Point3 n = Cross3(A, Point3{0, 0, 1});
  const Real s = std::sqrt(Dot3(n, n));
  if (s < NullTolerance) return A.z > 0;
  n = {n.x / s, n.y / s, n.z / s};
  const Real c = A.z;
  const Point3 par = Dot3(n, P) * n;
  const Point3 perp = P - par;
  const Point3 w = Cross3(n, perp);
  P = forward ? (par + c * perp) + s * w : (par + c * perp) - s * w;
  return true;
}

bool GreatCircleKernel(const Point3& A, const Point3& B, const Point3& C, const Point3& D,
                       std::span<Point3, 2> out) {
  Point3 n = Cross3(A, C);
  if (!Normalize3(n)) return false;
  const Point3 t = Cross3(n, A);
  const Real s = Dot3(A, C);
  // Poles that are not unit vectors can leave no room here; refuse them rather than divide by 0.
  const Real sineSquared = 1 - s * s;
  if (!(sineSquared > 0)) return false;
  const Real u = Dot3(A, B);
  const Real w = Dot3(C, D);
  const Real k = (w - u * s) / std::sqrt(sineSquared);
  // The point of both circles' planes nearest the centre; the planes meet along n through it.
  const Point3 nearest = u * A + k * t;
  // Every code other than "no point" has written the crossing points, including the codes of a
  // chord that reaches the ends of the segment (as it does for two great circles).
  return SegmentSphereIntersect3(nearest - n, nearest + n, Origin3, 1, out[0], out[1]) != kNoPoint;
}

Real SphereVolume3(std::span<const Point3, 2> points) {
  const Real r = Dist3(points[0], points[1]);
  return (1 / static_cast<Real>(3)) * (r * r * r) * 4 * Pi;
}

Real ConeVolume3(std::span<const Point3, 3> points) {
  const Real r = Dist3(points[0], points[1]);
  const Real h = Dist3(points[0], points[2]);
  return Pi * r * r * h * (1 / static_cast<Real>(3));
}

}  // namespace kernel

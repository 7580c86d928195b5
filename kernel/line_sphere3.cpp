#include "kernel/line_sphere3.h"

#include <cmath>

#include "kernel/frames3.h"
#include "kernel/vector3.h"

namespace kernel {


bool FootAndDistances3(const Point3& P, const Point3& A, const Point3& B, Point3& foot, Real& distance,
                       Real& along, Real& t) {
  if (!ProjectOnLine3(P, A, B, foot, t)) return false;
  distance = Dist3(P, foot);
  along = Dist3(foot, A);
  return true;
}

KernelResult SegmentSphereIntersect3(const Point3& A, const Point3& B, const Point3& C, Real R, Point3& first,
                                     Point3& second) {
  first = {0, 0, 0};
  second = {0, 0, 0};
  Point3 foot;
  Real d = 0, along = 0, t = 0;
  if (!FootAndDistances3(C, A, B, foot, d, along, t)) return kNoPoint;
  if (d > R + SnapTolerance) return kNoPoint;

  if (R < d + SnapTolerance) {
    first = foot;
    second = foot;
    if (t < 0) return kTouchBeforeA;
    if (t > 1) return kTouchBeyondB;
    return kTouchOnSegment;
  }

  const Point3 e = B - A;
  const Real delta = std::sqrt((R + d) * (R - d) / Dot3(e, e));
  first = foot + delta * e;
  second = foot - delta * e;
  const Real tLo = t - delta;
  const Real tHi = t + delta;
  if (tHi <= 0) return kTwoBeforeA;
  if (tLo >= 1) return kTwoBeyondB;
  if (tLo <= 0 && tHi >= 1) return kTwoAroundSegment;
  if (tHi >= 1) return kFirstOnSecondBeyond;
  if (tLo <= 0) return kFirstBeforeSecondOn;
  return kTwoOnSegment;
}

}  // namespace kernel

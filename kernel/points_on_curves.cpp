#include "kernel/points_on_curves.h"

#include "kernel/plane_primitives.h"
#include "kernel/side_tests.h"
#include "kernel/vector2.h"

namespace kernel {

Point2 PointOnHypercycle(const HypCurveRecord& curve, const Point2& definingPoint, Real t) {
  const Point2& p1 = curve.points[0];
  const Point2& p2 = curve.points[1];
  if (curve.shape != 0) return p1 + t * (p2 - p1);
  const Point2& centre = curve.points[2];
  Real a = SignedAngle2(p1, centre, p2);
  // Of the two arcs from the first end to the second, the one the defining point lies on: the
  // other one when the defining point and the centre lie on the same side of the chord.
  if (SameSide2(p1, p2, definingPoint, centre)) a = a >= 0 ? a - TwoPi : a + TwoPi;
  Point2 v = p1 - centre;
  Rotate2(v, a * t);
  Point2 p = centre + v;
  if (p.x * p.x + p.y * p.y > 1) {
    v = p1 - centre;
    Rotate2(v, -a * t);
    p = centre + v;
  }
  return p;
}

Point2 PointOnHorocycle(const HypCurveRecord& curve, Real t) {
  const Point2& centre = curve.points[1];
  Point2 v = curve.points[0] - centre;
  Rotate2(v, TwoPi * t);
  return centre + v;
}

}  // namespace kernel

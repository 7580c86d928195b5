#include "kernel/line_ellipse_parabola.h"

#include <cmath>

#include "kernel/line_intersection2.h"
#include "kernel/plane_intersections.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

Point2 QuarterTurn(const Point2& v) { return {-v.y, v.x}; }

// Moves p away from (or towards) the line AB by the factor: its foot stays, its offset scales.
Point2 StretchFromLine(const Point2& p, const Point2& a, const Point2& b, Real factor) {
  Point2 foot;
  FootOnLine2(p, a, b, foot);
  return foot + factor * (p - foot);
}

// The line P1P2 with the line through `through` in direction `direction`.
bool MeetLine(const Point2& p1, const Point2& p2, const Point2& through, const Point2& direction, Point2& x) {
  return IntersectLines2Point(p1, p2, through, through + direction, x) == kLinesMeet;
}

// The single point of a line parallel to the parabola's axis: X, where the line meets the
// directrix, is the foot of every point of the line, so the point is where the line crosses the
// perpendicular bisector of the focus and X.
KernelResult SinglePointOnParabola(const Point2& p1, const Point2& p2, const Point2& a, const Point2& b,
                                   const Point2& focus, std::array<Point2, 2>& out) {
  Point2 x;
  if (!MeetLine(p1, p2, a, b - a, x)) return kNoPoint;
  Point2 point;
  if (!MeetLine(p1, p2, Midpoint2(focus, x), QuarterTurn(focus - x), point)) return kNoPoint;
  out = {point, point};
  return kExactlyOnePoint;
}

KernelResult TwoPointCode(Real t_far, Real t_near) {
  if (t_far <= 0) return kTwoBeforeA;
  if (t_near >= 1) return kTwoBeyondB;
  if (t_near <= 0 && t_far >= 1) return kTwoAroundSegment;
  if (t_far >= 1) return kFirstOnSecondBeyond;
  if (t_near <= 0) return kFirstBeforeSecondOn;
  return kTwoOnSegment;
}

}  // namespace

Real LineParameter2(const Point2& a, const Point2& b, const Point2& p) {
  const Point2 d = b - a;
  if (std::fabs(d.x) > NullTolerance) return (p.x - a.x) / d.x;
  if (std::fabs(d.y) > NullTolerance) return (p.y - a.y) / d.y;
  return kFarLineParameter;
}

bool ReflectAcrossDirection2(Point2& v, Point2 d) {
  if (!Normalize2(d)) return false;
  // As complex numbers: the conjugate of v times the square of the unit direction.
  const Real cos2 = d.x * d.x - d.y * d.y;
  const Real sin2 = 2 * d.x * d.y;
  const Point2 w{v.x, -v.y};
  v = {w.x * cos2 - w.y * sin2, w.y * cos2 + w.x * sin2};
  return true;
}

KernelResult IntersectLineEllipse2(const Point2& p1, const Point2& p2, const Point2& f1, const Point2& f2, Real e,
                                   std::array<Point2, 2>& out) {
  if (!(e > 0 && e < 1)) return kNoPoint;
  const Point2 centre = Midpoint2(f1, f2);
  const Real c = Dist2(f1, f2) / 2;
  if (c < NullTolerance) return kNoPoint;
  const Real a = c / e;
  const Real b = std::sqrt(std::fabs(a * a - c * c));
  if (!(b > 0) || !std::isfinite(a / b)) return kNoPoint;

  // Stretching across the focal line by a / b maps the ellipse onto its major circle and keeps
  // the parameters of points along the line.
  const Point2 q1 = StretchFromLine(p1, f1, f2, a / b);
  const Point2 q2 = StretchFromLine(p2, f1, f2, a / b);
  const KernelResult code = IntersectLineCircle2(q1, q2, centre, a, out);
  if (code == kNoPoint) return code;
  for (Point2& p : out) p = StretchFromLine(p, f1, f2, b / a);
  return code;
}

KernelResult IntersectLineParabola2(const Point2& p1, const Point2& p2, const Point2& a, const Point2& b,
                                    const Point2& c, std::array<Point2, 2>& out) {
  const Point2 u = p2 - p1;
  Point2 w = b - a;
  if (Dot2(u, u) < NullTolerance || Dot2(w, w) < NullTolerance) return kNoPoint;
  Point2 focus_foot;
  FootOnLine2(c, a, b, focus_foot);
  if (Dist2(c, focus_foot) < NullTolerance) return kNoPoint;  // no parabola: the focus is on the directrix

  const Point2 line_normal = QuarterTurn(u);
  const Point2 directrix_normal = QuarterTurn(w);
  const Real k = Dot2(u, w);
  if (std::fabs(k) < NullTolerance) return SinglePointOnParabola(p1, p2, a, b, c, out);
  if (k < 0) w = -w;  // w now points the way of the line

  // X: where the perpendicular from the focus to the line meets the directrix; Y: the point of
  // the line whose foot on the directrix is X; R: the point of the parabola whose foot is X.
  Point2 x;
  Point2 y;
  Point2 r;
  if (!MeetLine(c, c + line_normal, a, w, x) || !MeetLine(p1, p2, x, directrix_normal, y) ||
      !MeetLine(x, x + directrix_normal, Midpoint2(c, x), u, r)) {
    return SinglePointOnParabola(p1, p2, a, b, c, out);
  }
  // The squared distance along the directrix from X to the feet of the intersection points.
  const Point2 v = 2 * r - y;
  const Point2 vc = v - c;
  const Point2 vx = v - x;
  const Real d = Dot2(vc, vc) - Dot2(vx, vx);
  if (d + NullTolerance < 0) return kNoPoint;
  if (d < NullTolerance) {
    out = {r, r};
    return kTouchOnSegment;
  }
  ScaleTo2(w, std::sqrt(d));
  Point2 far_point;
  Point2 near_point;
  if (!MeetLine(p1, p2, x + w, directrix_normal, far_point) || !MeetLine(p1, p2, x - w, directrix_normal, near_point)) {
    return SinglePointOnParabola(p1, p2, a, b, c, out);
  }
  out = {far_point, near_point};
  return TwoPointCode(LineParameter2(p1, p2, far_point), LineParameter2(p1, p2, near_point));
}

}  // namespace kernel

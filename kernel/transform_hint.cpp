#include "kernel/transform_hint.h"

#include <cmath>

#include "kernel/guess_example.h"
#include "kernel/line_intersection2.h"
#include "kernel/plane_intersections.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

constexpr Real kCos30 = 0.866L;
constexpr Real kSin30 = 0.5L;
// A rotary dilation's centre is the meeting point of the two circles whose distances to C and F
// stand in the ratio of the similarity within this.
constexpr Real kRatioTolerance = 1e-4L;
// A ratio this close to 1 has no circle of Apollonius (its circle would be a line).
constexpr Real kUnitRatio = 1e-13L;

Point2 Perp(const Point2& v) { return {-v.y, v.x}; }

// The perpendicular bisectors of A D and of B E meet at the centre of a rotation.
bool RotationCentre(const std::array<Point2, 6>& p, Point2& centre) {
  const Point2 m1 = Midpoint2(p[0], p[3]);
  const Point2 m2 = Midpoint2(p[1], p[4]);
  return IntersectLines2Point(m1, m1 + Perp(p[3] - p[0]), m2, m2 + Perp(p[4] - p[1]), centre) == kLinesMeet;
}

// The centre O of the similarity that turns and scales A B onto D E: |OD| = q |OA| and
// |OE| = q |OB| put it on two circles of Apollonius; of their two meeting points it is the one
// that also sees C and F in that ratio. With a ratio of 1 the circles are the perpendicular
// bisectors, and the similarity a rotation.
bool SpiralCentre(const std::array<Point2, 6>& p, Point2& centre) {
  const Real ab = Dist2(p[0], p[1]);
  if (ab <= 0) return false;
  const Real q = Dist2(p[3], p[4]) / ab;
  if (std::fabs(1 - q) < kUnitRatio) return RotationCentre(p, centre);
  Point2 c1, inner1, outer1, c2, inner2, outer2;
  Real r1 = 0, r2 = 0;
  ApolloniusCircle(p[3], p[0], q, c1, inner1, outer1, r1);
  ApolloniusCircle(p[4], p[1], q, c2, inner2, outer2, r2);
  std::array<Point2, 2> meet{};
  if (IntersectCircles2(c1, inner1, c2, inner2, meet) == kCirclesApart) return false;
  const auto fits = [&](const Point2& o) {
    const Real oc = Dist2(o, p[2]);
    return oc > 0 && std::fabs(Dist2(o, p[5]) / oc - q) <= kRatioTolerance;
  };
  centre = fits(meet[0]) ? meet[0] : meet[1];
  return true;
}

}  // namespace

TransformHint ComputeTransformHint(int kind, const std::array<Point2, 6>& p) {
  TransformHint h;
  switch (kind) {
    case kGuessTranslation: {
      h.arrowTail = (p[0] + p[1] + p[2]) * (1.0L / 3);
      h.arrowTip = (p[3] + p[4] + p[5]) * (1.0L / 3);
      h.anchor = h.arrowTail;
      h.hasArrow = h.found = true;
      break;
    }
    case kGuessReflection: {
      const Point2 m1 = Midpoint2(p[0], p[3]);
      const Point2 m2 = Midpoint2(p[1], p[4]);
      const Point2 u = m2 - m1;
      h.anchor = m1;
      if (Dot2(u, u) < NullTolerance) break;
      h.linePoint = m1;
      h.lineDirection = u;
      h.hasLine = h.found = true;
      break;
    }
    case kGuessGlideReflection: {
      const Point2 m = Midpoint2(p[0], p[3]);
      const Point2 u = (p[2] - p[0]) + (p[5] - p[3]);
      h.anchor = m;
      const Real uu = Dot2(u, u);
      if (uu < NullTolerance) break;
      const Point2 t = u * (Dot2(p[3] - p[0], u) / uu);
      h.linePoint = m;
      h.lineDirection = u;
      h.arrowTail = m - t * 0.5L;
      h.arrowTip = m + t * 0.5L;
      h.hasLine = h.hasArrow = h.found = true;
      break;
    }
    case kGuessRotation:
    case kGuessDilation:
    case kGuessRotaryDilation: {
      bool ok = false;
      if (kind == kGuessRotation) ok = RotationCentre(p, h.centre);
      else if (kind == kGuessDilation) ok = IntersectLines2Point(p[0], p[3], p[1], p[4], h.centre) == kLinesMeet;
      else ok = SpiralCentre(p, h.centre);
      if (!ok) {
        h.centre = {};
        break;
      }
      h.anchor = h.centre;
      h.hasCentre = h.found = true;
      break;
    }
    default: break;
  }
  return h;
}

bool ArrowWings(const Point2& tail, const Point2& tip, Real length, Point2& wing1, Point2& wing2) {
  Point2 back = tail - tip;
  if (!ScaleTo2(back, length)) return false;
  const Point2 side = Perp(back);
  wing1 = tip + back * kCos30 + side * kSin30;
  wing2 = tip + back * kCos30 - side * kSin30;
  return true;
}

}  // namespace kernel

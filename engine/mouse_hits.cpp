#include "engine/mouse_hits.h"

#include <cmath>

#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "kernel/line_intersection2.h"
#include "kernel/plane_primitives.h"
#include "kernel/side_tests.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

constexpr Real kDegreesPerRadian = 57.29577951308232L;
constexpr Real kLengthFloor = 1e-16L;
constexpr Real kSquareFloor = 1e-31L;
constexpr Real kSamePointTaxi = 1e-13L;
constexpr Real kNoArcFraction = -1;
constexpr Real kCircleMissParameter = 0.5L;

Real Length(const Point2& v) {
  const Real s = v.x * v.x + v.y * v.y;
  return s < kSquareFloor ? 0 : std::sqrt(s);
}

// The rim test about the origin-free centre c: steps shared by the Euclidean and hyperbolic
// circles. P moves onto the rim on success.
bool NearRim(const Point2& c, const Point2& q, Real tolerance, Point2& p) {
  const Real r = Length(q - c);
  const Real d = Length(p - c);
  if (!(r > kLengthFloor && d > kLengthFloor && std::fabs(d - r) < tolerance)) return false;
  p = c + (p - c) * (r / d);
  return true;
}

// The fraction of the arc w (degrees) at the angle from Q to P about C.
Real ArcFraction(const Point2& c, const Point2& q, const Point2& p, Real w) {
  Real a = kernel::SignedAngle2(q, c, p) * kDegreesPerRadian;
  if (a > 0 && w < 0) a -= 360;
  if (a < 0 && w > 0) a += 360;
  return std::fabs(w) < kLengthFloor ? kNoArcFraction : a / w;
}

bool LineExists(const FigureTables& t, int i) {
  return i >= 0 && i <= t.last_line && t.lines[i].exists && t.lines[i].points.count >= 2;
}

int FirstOf(const kernel::SegmentRecord& r) { return r.points.entries[0]; }
int LastOf(const kernel::SegmentRecord& r) { return r.points.entries[r.points.count - 1]; }

Point2 ToDisk(const GeometryModel& model, Point2 p) {
  if (model.HalfPlane) HalfPlaneToDisk(p);
  return p;
}

// Records a hit in the search's result; true when the search is complete.
bool Record(ObjectsAtClick& found, int i) {
  if (found.first < 0) {
    found.first = i;
    return false;
  }
  found.second = i;
  return true;
}

}  // namespace

bool LineHit(const Point2& a, const Point2& b, Point2& p, Real& t, Real tolerance, bool continuesBefore,
             bool continuesAfter) {
  const Point2 d = b - a;
  const Point2 normal_end{p.x - d.y, p.y + d.x};
  Real u = 0;
  Point2 foot;
  if (kernel::IntersectLines2(a, b, p, normal_end, t, u, foot) != kernel::kLinesMeet) return false;
  if (std::fabs(foot.x - p.x) > tolerance || std::fabs(foot.y - p.y) > tolerance) return false;
  p = foot;
  if (t >= 0 && t <= 1) return true;
  return t > 1 ? continuesAfter : continuesBefore;
}

bool CircleHit(const Point2& c, const Point2& q, Real& arcAngle, Real tolerance, Point2& p) {
  if (!NearRim(c, q, tolerance, p)) return false;
  arcAngle = ArcFraction(c, q, p, arcAngle);
  return arcAngle > 0 && arcAngle < 1;
}

bool HyperbolicCircleHit(const GeometryModel& model, const Point2& c, const Point2& q, Real& arcAngle,
                         Real tolerance, Point2& p) {
  Point2 q0 = q;
  Point2 p0 = p;
  if (!TranslateToOrigin(model, c, q0, false) || !TranslateToOrigin(model, c, p0, false)) return false;
  const Point2 origin{0, 0};
  if (!NearRim(origin, q0, tolerance, p0)) return false;
  Point2 back = p0;
  if (!TranslateFromOrigin(model, c, back, false)) return false;
  p = back;
  arcAngle = ArcFraction(origin, q0, p0, arcAngle);
  return arcAngle >= 0 && arcAngle <= 1;
}

int SegmentSide(const FigureTables& tables, const GeometryModel& model, int line, const Point2& p) {
  if (!LineExists(tables, line)) return 0;
  const kernel::SegmentRecord& r = tables.lines[line];
  const Point2 a = tables.xy[FirstOf(r)];
  Point2 b = tables.xy[LastOf(r)];
  Point2 q = p;
  if (!TranslateToOrigin(model, a, b, false) || !TranslateToOrigin(model, a, q, false)) return 0;
  const Real s = kernel::Dot2(q, b);
  if (s < 0 && !r.extends_second) return -1;
  if (s > kernel::Dot2(b, b) && !r.extends_first) return 1;
  return 0;
}

Real HyperbolicLineParameter(const FigureTables& tables, const GeometryModel& model, int line, const Point2& p,
                             int first, int last) {
  if (!LineExists(tables, line)) return 0;
  const kernel::HypCurveRecord& side = tables.line_sides[line];
  const Point2 e1 = ToDisk(model, side.points[0]);
  const Point2 e2 = ToDisk(model, side.points[1]);
  const Point2 a = ToDisk(model, tables.xy[first]);
  const Point2 b = ToDisk(model, tables.xy[last]);
  const Point2 x = ToDisk(model, p);
  Real to_p = 0;
  Real to_b = 0;
  if (!kernel::CrossRatio(e1, a, x, e2, to_p) || !kernel::CrossRatio(e1, a, b, e2, to_b)) return 0;
  if (to_p <= 0 || to_b <= 0) return 0;
  const Real whole = std::log(to_b);
  return std::fabs(whole) < kLengthFloor ? 0 : std::log(to_p) / whole;
}

bool HyperbolicLineHit(const FigureTables& tables, const GeometryModel& model, int line, Point2& p, Real tolerance,
                       Real& t) {
  if (!LineExists(tables, line)) return false;
  const kernel::SegmentRecord& r = tables.lines[line];
  const int first = FirstOf(r);
  const int last = LastOf(r);
  Point2 foot;
  if (PerpendicularThrough(model, tables.xy[first], tables.xy[last], p, foot, kFootOfPerpendicular) != kGeometryOk) {
    return false;
  }
  if (kernel::TaxiDist2(foot, p) > tolerance || SegmentSide(tables, model, line, foot) != 0) return false;
  p = foot;
  t = HyperbolicLineParameter(tables, model, line, foot, first, last);
  return true;
}

ObjectsAtClick FindLinesAt(const FigureTables& tables, const GeometryModel& model, Point2 p, Real tolerance) {
  ObjectsAtClick found;
  for (int i = 0; i <= tables.last_line; ++i) {
    if (!LineExists(tables, i)) continue;
    const kernel::SegmentRecord& r = tables.lines[i];
    Real t = 0;
    const bool hit = model.Hyperbolic ? HyperbolicLineHit(tables, model, i, p, tolerance, t)
                                      : LineHit(tables.xy[FirstOf(r)], tables.xy[LastOf(r)], p, t, tolerance,
                                                r.extends_second != 0, r.extends_first != 0);
    if (!hit) continue;
    found.parameter = t;
    found.snapped = p;
    if (Record(found, i)) break;
  }
  return found;
}

ObjectsAtClick FindCirclesAt(const FigureTables& tables, const GeometryModel& model, Point2 p, Real tolerance) {
  ObjectsAtClick found;
  found.parameter = kCircleMissParameter;
  for (int i = 0; i <= tables.last_circle; ++i) {
    const kernel::CircleRecord& c = tables.circles[i];
    if (!c.exists || c.count < 1 || c.centre >= kPointCapacity || c.points[0] >= kPointCapacity) continue;
    Real fraction = c.arc_angle;
    const Point2& centre = tables.xy[c.centre];
    const Point2& on = tables.xy[c.points[0]];
    const bool hit = model.Hyperbolic ? HyperbolicCircleHit(model, centre, on, fraction, tolerance, p)
                                      : CircleHit(centre, on, fraction, tolerance, p);
    if (!hit) continue;
    found.parameter = fraction;
    found.snapped = p;
    if (Record(found, i)) break;
  }
  return found;
}

ObjectsAtClick FindHypercyclesAt(const FigureTables& tables, Point2 p, Real tolerance) {
  ObjectsAtClick found;
  for (int i = 0; i <= tables.last_hypercycle; ++i) {
    if (!tables.hypercycle_points[i].exists) continue;
    const kernel::HypCurveRecord& r = tables.hypercycles[i];
    bool hit = false;
    if (r.shape == 0) {
      const Point2& centre = r.points[2];
      Real a = kernel::SignedAngle2(r.points[0], centre, r.points[1]) * kDegreesPerRadian;
      if (r.index1 < kPointCapacity && kernel::SameSide2(r.points[0], r.points[1], tables.xy[r.index1], centre)) {
        a = a < 0 ? a + 360 : a - 360;
      }
      hit = CircleHit(centre, r.points[0], a, tolerance, p);
    } else {
      Real t = 0;
      hit = LineHit(r.points[0], r.points[1], p, t, tolerance, false, false);
    }
    if (!hit) continue;
    found.snapped = p;
    if (Record(found, i)) break;
  }
  return found;
}

ObjectsAtClick FindHorocyclesAt(const FigureTables& tables, Point2 p, Real tolerance) {
  ObjectsAtClick found;
  for (int i = 0; i <= tables.last_horocycle; ++i) {
    if (!tables.horocycle_points[i].exists) continue;
    const kernel::HypCurveRecord& r = tables.horocycles[i];
    Real a = 360;
    if (!CircleHit(r.points[1], r.points[0], a, tolerance, p)) continue;
    found.snapped = p;
    if (Record(found, i)) break;
  }
  return found;
}

int FindObjectOfPoint(const FigureTables& tables, int i) {
  if (i < 0) return 0;
  const auto point = static_cast<std::uint16_t>(i);
  for (int c = 0; c <= tables.last_circle; ++c) {
    const kernel::CircleRecord& r = tables.circles[c];
    if (!r.exists) continue;
    if (r.centre == point || (r.count == 1 && r.points[0] == point)) return kMsgDefinesCircle;
  }
  for (int l = 0; l <= tables.last_line; ++l) {
    const kernel::SegmentRecord& r = tables.lines[l];
    if (r.exists && r.points.count == 2 && (r.points.entries[0] == point || r.points.entries[1] == point)) {
      return kMsgDefinesLine;
    }
  }
  return 0;
}

bool IsDistinctFromList(FigureTables& tables, const std::string& listText, const Point2& p) {
  tables.SelectPoints(listText);
  for (int i = 0; i <= tables.last_point; ++i) {
    if (tables.selected[i] && kernel::TaxiDist2(tables.xy[i], p) < kSamePointTaxi) return false;
  }
  return true;
}

}  // namespace engine

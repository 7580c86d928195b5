// The points where a line or a circle of the hyperbolic plane meets a hypercycle or a horocycle,
// and where two such curves meet (kinds 171 to 177). Every one of these objects is carried in the
// model by a Euclidean circle or straight line, so each pair meets where its carriers do; a point
// counts where it lies in the model and on the drawn part of a line or arc. A failed step leaves
// a placeholder for each of its two points, so later points keep their indices.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/kernel_result.h"
#include "kernel/line_intersection2.h"
#include "kernel/plane_intersections.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kMsgListFull = 14;
constexpr std::int16_t kWordIntersect = 203;
constexpr std::int16_t kWordLine = 216;
constexpr std::int16_t kWordCircle = 201;
constexpr std::int16_t kWordHypercycle = 701;
constexpr std::int16_t kWordHorocycle = 702;
constexpr Real kHalfPlaneFloor = static_cast<Real>(1e-16);
// Closer to the disk's rim a computed point is an ideal point (where a hypercycle meets its base
// line), not a point of the plane.
constexpr Real kDiskRim = 1 - static_cast<Real>(1e-13);

using Curve = TGeomC2Win::IntersectedCurve;

// The Euclidean circle (centre, through) or straight line (through a and b) that carries an
// object in the model. A straight hypercycle ends at its ideal points a and b.
struct Carrier {
  bool straight = false;
  bool bounded = false;
  Point2 a;
  Point2 b;
};

struct CurveOperand {
  Curve curve = Curve::kLine;
  int index = -1;
  bool usable = false;
  Carrier carrier;
  std::vector<int> defining;  // the points the object is built on, for the new points' tag
};

bool InRange(int i, int last) { return i >= 0 && i <= last; }

CurveOperand ReadCurve(const engine::FigureTables& t, const engine::GeometryModel& model, Curve curve, int i) {
  CurveOperand c;
  c.curve = curve;
  c.index = i;
  switch (curve) {
    case Curve::kLine: {
      if (!LineExists(t, i) || t.lines[i].points.count < 1) return c;
      const kernel::IndexList& list = t.lines[i].points;
      const int first = list.entries[0];
      const int last = list.entries[list.count - 1];
      if (!t.PointExists(first) || !t.PointExists(last)) return c;
      const kernel::HypCurveRecord& side = t.line_sides[i];
      c.carrier.straight = side.shape != 0;
      c.carrier.a = c.carrier.straight ? t.xy[first] : side.points[2];
      c.carrier.b = c.carrier.straight ? t.xy[last] : t.xy[first];
      c.defining = {first, last};
      break;
    }
    case Curve::kCircle: {
      if (!CircleExists(t, i) || t.circles[i].count < 1) return c;
      const int centre = t.circles[i].centre;
      const int on = t.circles[i].points[0];
      if (!t.PointExists(centre) || !t.PointExists(on)) return c;
      engine::CircleModelCentre(model, t.xy[centre], t.xy[on], c.carrier.a);
      c.carrier.b = t.xy[on];
      c.defining = {centre, on};
      break;
    }
    case Curve::kHypercycle: {
      if (!InRange(i, t.last_hypercycle) || !t.hypercycle_points[i].exists) return c;
      const kernel::HypCurveRecord& h = t.hypercycles[i];
      const int base = h.owner;
      const int point = h.index1;
      if (!t.PointExists(point) || !LineExists(t, base) || t.lines[base].points.count < 1) return c;
      c.carrier.straight = h.shape != 0;
      c.carrier.bounded = c.carrier.straight;
      c.carrier.a = c.carrier.straight ? h.points[0] : h.points[2];
      c.carrier.b = c.carrier.straight ? h.points[1] : t.xy[point];
      const kernel::IndexList& list = t.lines[base].points;
      c.defining = {point, list.entries[0], list.entries[list.count - 1]};
      break;
    }
    case Curve::kHorocycle: {
      if (!InRange(i, t.last_horocycle) || !t.horocycle_points[i].exists) return c;
      const kernel::HypCurveRecord& h = t.horocycles[i];
      c.carrier.a = h.points[1];
      c.carrier.b = h.points[0];
      c.defining = {h.owner, h.index1, h.index2};
      break;
    }
  }
  c.usable = true;
  return c;
}

// How two carriers meet: two points, one touching point, or none.
enum class Meeting { kCross, kTouch, kNone };

// The line is taken whole: where its points lie along it is for the drawn-part test to judge (a
// straight hypercycle's carrier holds no point of the plane beyond its ideal ends).
Meeting MeetLineCircle(const Carrier& line, const Carrier& circle, std::array<Point2, 2>& found) {
  const kernel::KernelResult code =
      kernel::IntersectLineCircle2(line.a, line.b, circle.a, kernel::Dist2(circle.a, circle.b), found);
  if (code == kernel::kNoPoint) return Meeting::kNone;
  return kernel::IsSinglePoint(code) ? Meeting::kTouch : Meeting::kCross;
}

Meeting Meet(const Carrier& first, const Carrier& second, std::array<Point2, 2>& found) {
  found = {};
  if (!first.straight && !second.straight) {
    const int code = kernel::IntersectCircles2(first.a, first.b, second.a, second.b, found);
    if (code == kernel::kCirclesApart) return Meeting::kNone;
    return code == kernel::kCirclesTouch ? Meeting::kTouch : Meeting::kCross;
  }
  if (first.straight && !second.straight) return MeetLineCircle(first, second, found);
  if (!first.straight && second.straight) return MeetLineCircle(second, first, found);
  // Two straight carriers meet once at most.
  Real s = 0;
  Real u = 0;
  if (kernel::IntersectLines2(second.a, second.b, first.a, first.b, s, u, found[0]) != kernel::kLinesMeet) {
    return Meeting::kNone;
  }
  if ((second.bounded && (s < 0 || s > 1)) || (first.bounded && (u < 0 || u > 1))) return Meeting::kNone;
  found[1] = found[0];
  return Meeting::kTouch;
}

bool InModel(const engine::GeometryModel& model, const Point2& p) {
  if (model.HalfPlane) return p.y >= kHalfPlaneFloor;
  return p.x * p.x + p.y * p.y < kDiskRim * kDiskRim;
}

// The common tag of every defining point, or -1.
int CommonTag(const engine::FigureTables& t, const std::vector<int>& points) {
  if (points.size() < 2) return -1;
  const int tag = t.CommonPointTag(points[0], points[1]);
  for (std::size_t k = 2; k < points.size() && tag >= 0; ++k) {
    if (t.CommonPointTag(points[0], points[k]) != tag) return -1;
  }
  return tag;
}

std::int16_t WordOf(Curve curve) {
  switch (curve) {
    case Curve::kLine: return kWordLine;
    case Curve::kCircle: return kWordCircle;
    case Curve::kHypercycle: return kWordHypercycle;
    case Curve::kHorocycle: return kWordHorocycle;
  }
  return kWordLine;
}

void CurveName(const engine::FigureTables& t, const CurveOperand& c, std::string& text) {
  switch (c.curve) {
    case Curve::kLine: t.LineName(c.index, text); return;
    case Curve::kCircle: t.CircleName(c.index, text); return;
    case Curve::kHypercycle: t.HypercycleName(c.index, text); return;
    case Curve::kHorocycle: t.HorocycleName(c.index, text); return;
  }
}

}  // namespace

int TGeomC2Win::DoCurveIntersection(IntersectedCurve firstCurve, IntersectedCurve secondCurve, std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates two{2};
  if (const int code = engine::CheckRoom(t, two); code != 0) return engine::FailStep(e, two, code);
  const std::array<CurveOperand, 2> objects{
      ReadCurve(t, model(), firstCurve, Op(step, 0)), ReadCurve(t, model(), secondCurve, Op(step, 1))};
  if (!model().Hyperbolic || !objects[0].usable || !objects[1].usable) {
    return engine::FailStep(e, two, engine::kMsgCouldNotFind);
  }
  std::array<Point2, 2> found{};
  const Meeting meeting = Meet(objects[0].carrier, objects[1].carrier, found);
  if (meeting == Meeting::kNone) return engine::FailStep(e, two, engine::kMsgCouldNotFind);

  // A point counts inside the model and on the drawn part of a line or an arc.
  auto onDrawnParts = [&](const Point2& p) {
    for (const CurveOperand& c : objects) {
      if (c.curve == Curve::kLine && !PointOnLinePart(c.index, p)) return false;
      if (c.curve == Curve::kCircle && !PointOnCircleArc(c.index, p)) return false;
    }
    return true;
  };
  std::vector<int> defining = objects[0].defining;
  defining.insert(defining.end(), objects[1].defining.begin(), objects[1].defining.end());
  const int tag = CommonTag(t, defining);
  const bool shared = Op(step, 2) >= 0;
  const Real tolerance = ReuseTolerance();
  const std::array<int, 2> near{t.FindPointNear(found[0].x, found[0].y, tolerance),
                                t.FindPointNear(found[1].x, found[1].y, tolerance)};

  std::array<bool, 2> usable{};
  for (int i = 0; i < 2; ++i) {
    usable[i] = (i == 0 || meeting == Meeting::kCross) && InModel(model(), found[i]) && onDrawnParts(found[i]);
  }
  // Carriers that meet only outside the model (or off the drawn parts) have no point in common.
  if (!usable[0] && !usable[1]) return engine::FailStep(e, two, engine::kMsgCouldNotFind);
  // The objects are named as they were given, before the new points join their lists.
  if (out != nullptr) {
    CurveName(t, objects[0], step.text[1]);
    CurveName(t, objects[1], step.text[2]);
  }

  std::array<int, 2> named{-1, -1};
  int result = 0;
  for (int i = 0; i < 2; ++i) {
    if (!usable[i] || (shared && near[i] >= 0)) {
      e.AdjustTables(1, 0, 0);
      named[i] = near[i];
      continue;
    }
    if (e.AddPoint(found[i], static_cast<std::uint16_t>(tag), -1) < 0) {
      result = engine::kMsgNoMoreRoom;
      continue;
    }
    const int p = t.last_point;
    named[i] = p;
    bool listed = true;
    for (const CurveOperand& c : objects) {
      switch (c.curve) {
        case Curve::kLine: listed = AddPointToLine(p, c.index); break;
        case Curve::kCircle: listed = AddPointToCircle(p, c.index); break;
        case Curve::kHypercycle: listed = AddPointToHypercycle(p, c.index); break;
        case Curve::kHorocycle: listed = AddPointToHorocycle(p, c.index); break;
      }
      if (!listed) break;
    }
    if (!listed) result = kMsgListFull;
  }

  if (out != nullptr) {
    std::vector<std::int16_t> items;
    for (int p : named) {
      if (p >= 0) items.insert(items.end(), {6, static_cast<std::int16_t>(p)});
    }
    items.insert(items.end(), {' ', '=', ' ', 5, WordOf(objects[0].curve), ' ', 2, ' ', 5, kWordIntersect, ' ', 5,
                               WordOf(objects[1].curve), ' ', 3, engine::kTemplateEnd});
    e.ExpandTemplate(out, items);
  }
  return result;
}

int TGeomC2Win::DoLineHypercycleIntersection(std::string* out) {
  return DoCurveIntersection(Curve::kLine, Curve::kHypercycle, out);
}
int TGeomC2Win::DoCircleHypercycleIntersection(std::string* out) {
  return DoCurveIntersection(Curve::kCircle, Curve::kHypercycle, out);
}
int TGeomC2Win::DoHypercycleHypercycleIntersection(std::string* out) {
  return DoCurveIntersection(Curve::kHypercycle, Curve::kHypercycle, out);
}
int TGeomC2Win::DoHorocycleHorocycleIntersection(std::string* out) {
  return DoCurveIntersection(Curve::kHorocycle, Curve::kHorocycle, out);
}
int TGeomC2Win::DoLineHorocycleIntersection(std::string* out) {
  return DoCurveIntersection(Curve::kLine, Curve::kHorocycle, out);
}
int TGeomC2Win::DoCircleHorocycleIntersection(std::string* out) {
  return DoCurveIntersection(Curve::kCircle, Curve::kHorocycle, out);
}
int TGeomC2Win::DoHypercycleHorocycleIntersection(std::string* out) {
  return DoCurveIntersection(Curve::kHorocycle, Curve::kHypercycle, out);
}

}  // namespace plane

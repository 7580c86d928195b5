// Curves built on a circle or a line: the arc through two points perpendicular to a circle
// (kind 118), and the hypercycle (kind 130) and horocycle (kind 138) of the hyperbolic window.
#include <cstdint>
#include <string>

#include "engine/curve_tables.h"
#include "engine/orthogonal_arc.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordThrough = 168;
constexpr std::int16_t kWordCenter = 171;
constexpr std::int16_t kWordArc = 172;
constexpr std::int16_t kWordCircle = 201;
constexpr std::int16_t kWordPerpTo = 210;
constexpr std::int16_t kWordHypercycle = 701;
constexpr std::int16_t kWordHorocycle = 702;
constexpr std::uint16_t kHypercycleStyle = 6;
// Style 5 would hide the curve (it means "no line"): a horocycle is drawn solid like a hypercycle.
constexpr std::uint16_t kHorocycleStyle = 6;
constexpr Real kInsideMargin = static_cast<Real>(1e-16);

// A curve record listing p alone, with the style word.
kernel::SegmentRecord SinglePointCurve(int p, std::uint16_t style) {
  kernel::SegmentRecord record;
  record.points.count = 1;
  record.points.entries.fill(kernel::kNoListedPoint);
  record.points.entries[0] = static_cast<std::uint16_t>(p);
  record.exists = 1;
  record.pen = {0, 1, style};
  return record;
}

}  // namespace

int TGeomC2Win::DoOrthogonalArc(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{3, 0, 1};
  const int k = Op(step, 0);
  const int u = Op(step, 1);
  const int v = Op(step, 2);
  if (!CircleExists(e.tables, k)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  const int c = e.tables.circles[k].centre;
  const int r = e.tables.circles[k].points[0];
  for (int p : {u, v, c, r}) {
    if (!e.tables.PointExists(p)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  const Point2 pc = e.tables.xy[c];
  const Point2 pr = e.tables.xy[r];
  const Point2 pu = e.tables.xy[u];
  const Point2 pv = e.tables.xy[v];
  const Real radius = kernel::Dist2(pc, pr);
  if (kernel::Dist2(pc, pu) + kInsideMargin > radius || kernel::Dist2(pc, pv) + kInsideMargin > radius) {
    return engine::FailStep(e, creates, engine::kMsgOutOfBounds);
  }
  engine::GeodesicEnds ends{};
  bool straight = false;
  if (const engine::GeometryResult code = engine::OrthogonalArc2(pc, pr, pu, pv, ends, straight); code != 0) {
    return engine::FailStep(e, creates, code);
  }
  // Points in line with the circle's centre have a diameter, not an arc, as their geodesic.
  if (straight) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);

  const int tag = e.tables.CommonPointTag(u, v, c, r);
  e.AddPoint(ends[2], static_cast<std::uint16_t>(tag), -1);
  const int centre = e.tables.last_point;
  e.AddPoint(ends[0], static_cast<std::uint16_t>(tag), -1);
  const int first = e.tables.last_point;
  e.AddPoint(ends[1], static_cast<std::uint16_t>(tag), -1);
  const int second = e.tables.last_point;
  const Real degrees = kernel::SignedAngle2(ends[0], ends[2], ends[1]) * kDegreesPerRadian;
  const int circle = AddCircleRecord(e, centre, first, degrees, second, {0, 1, 0});
  e.tables.circle_radius[circle] = kernel::Dist2(ends[2], ends[0]);
  Describe(e, out, {5, kWordArc, ' ', 4, 2, ' ', 5, kWordThrough, ' ', 11, 12, ' ', 5, kWordCenter, ' ', 6,
                    static_cast<std::int16_t>(centre), ',', ' ', 5, kWordPerpTo, ' ', 5, kWordCircle, ' ', 6,
                    static_cast<std::int16_t>(c), 6, static_cast<std::int16_t>(r)});
  return 0;
}

int TGeomC2Win::DoHypercycle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{0, 0, 0, 1};
  const int line = Op(step, 0);
  const int q = Op(step, 1);
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  if (!LineExists(e.tables, line) || !e.tables.PointExists(q)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  const int h = ++e.tables.last_hypercycle;
  e.tables.hypercycle_points[h] = SinglePointCurve(q, kHypercycleStyle);
  e.tables.LineName(line, step.text[0]);
  e.SideIntersection(h, line, q);
  Describe(e, out, {5, kWordHypercycle, ' ', '(', 1, ',', 11, ')'});
  step.text[0].clear();
  return 0;
}

int TGeomC2Win::DoHorocycle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{0, 0, 0, 0, 1};
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  const int line = Op(step, 2);
  const int q = Op(step, 3);
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  if (!LineExists(e.tables, line) || !e.tables.PointExists(q) || !e.tables.PointExists(a) || !e.tables.PointExists(b)) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (kernel::IndexListFind(e.tables.lines[line].points, static_cast<std::uint16_t>(q)) < 0) {
    return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  }
  const int h = ++e.tables.last_horocycle;
  e.tables.horocycle_points[h] = SinglePointCurve(q, kHorocycleStyle);
  e.SideConstruction(h, a, b, q);
  Describe(e, out, {5, kWordHorocycle, ' ', '(', 1, ',', 6, static_cast<std::int16_t>(q), ')'});
  return 0;
}

}  // namespace plane

// Rays at an angle: the bisector of an angle (kind 113) and a ray at a typed angle from a
// reference direction (kind 114). The ray's second point lies on the ray at a fixed fraction of
// the reference distance (Euclidean) or at a fixed disk radius from the vertex (hyperbolic).
#include <array>
#include <cstdint>
#include <string>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_primitives.h"
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

constexpr Real kRayPointFraction = static_cast<Real>(0.69314718056L);
constexpr std::int16_t kWordBisectsAngle = 207;
constexpr std::int16_t kWordAngle = 208;
constexpr std::int16_t kWordRay = 217;

}  // namespace

int AddRayAtAngle(engine::StepEngine& e, int vertex, int reference, Real radians, int tag, const kernel::LinePen& pen) {
  const Point2 v = e.tables.xy[vertex];
  const Point2 r = e.tables.xy[reference];
  Point2 q;
  if (e.model.Hyperbolic) {
    q = engine::PointOnRayAtAngle(e.model, v, r, radians);
  } else {
    Point2 d = r - v;
    kernel::Rotate2(d, radians);
    q = v + kRayPointFraction * d;
  }
  if (e.AddPoint(q, static_cast<std::uint16_t>(tag), -1) < 0) return engine::kMsgNoMoreRoom;
  if (e.AddLine(vertex, e.tables.last_point, pen) != 0) return engine::kMsgNoMoreRoom;
  e.tables.lines[e.tables.last_line].extends_first = 1;
  if (e.model.Hyperbolic) e.FillSideRecord2D(e.tables.last_line, vertex, e.tables.last_point);
  return 0;
}

int TGeomC2Win::DoAngleBisector(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1, 1};
  std::array<int, 3> v{};
  std::string names;
  int tag = -1;
  int code = engine::StepTriangle(e.tables, step, v, names, tag);
  step.text[2] = names;
  if (code == 0) code = engine::CheckRoom(e.tables, creates);
  if (code != 0) return engine::FailStep(e, creates, code);

  const Point2 a = e.tables.xy[v[0]];
  const Point2 b = e.tables.xy[v[1]];
  const Point2 c = e.tables.xy[v[2]];
  const Real angle = e.model.Hyperbolic ? engine::AngleAt(e.model, a, b, c) : kernel::SignedAngle2(a, b, c);
  if (const int failed = AddRayAtAngle(e, v[1], v[0], angle / 2, tag, PenFromOperands(step, 3)); failed != 0) {
    return failed;
  }
  Describe(e, out, {5, kWordRay, ' ', 6, static_cast<std::int16_t>(v[1]), 9, ' ', 5, kWordBisectsAngle, ' ', 3, ' ', 30, 3});
  return 0;
}

int TGeomC2Win::DoAngle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1, 1};
  const int vertex = Op(step, 0);
  const int reference = Op(step, 1);
  if (!e.tables.PointExists(vertex) || !e.tables.PointExists(reference)) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (vertex == reference) return engine::FailStep(e, creates, engine::kMsgDuplicateLabel);
  Real degrees = 0;
  if (e.Evaluate(TypedNumberText(step), degrees) != 0) return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);

  const int tag = e.tables.CommonPointTag(vertex, reference);
  if (const int failed = AddRayAtAngle(e, vertex, reference, degrees * kRadiansPerDegree, tag, PenFromOperands(step, 3));
      failed != 0) {
    return failed;
  }
  Describe(e, out, {5, kWordAngle, ' ', 11, 10, 9, ' ', '=', ' ', 1, ' ', 30, 3});
  return 0;
}

}  // namespace plane

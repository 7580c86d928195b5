// Circles and arcs from a centre and data (kinds 92 to 95) and the sum of a list of vectors
// (kind 208). Each circle made here keeps its radius, in the window's geometry, in the radius
// table; a hyperbolic arc also keeps its angle in radians.
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "plane/geom_c1_win.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordThrough = 168;
constexpr std::int16_t kWordRadius = 169;
constexpr std::int16_t kWordCenter = 171;
constexpr std::int16_t kWordArc = 172;
constexpr std::int16_t kWordCircle = 201;
constexpr std::int16_t kWordVectorSum = 652;
constexpr Real kSmallestLength = static_cast<Real>(1e-16);
constexpr Real kOnCircleTolerance = static_cast<Real>(1e-13);
constexpr Real kFullCircleFrom = static_cast<Real>(359.9);

// The point at distance r from C in the direction t (radians), in the window's geometry.
Point2 PointAtRadius(const engine::GeometryModel& model, const Point2& c, Real r, Real t) {
  if (!model.Hyperbolic) return {c.x + r * std::cos(t), c.y + r * std::sin(t)};
  Point2 q;
  if (model.HalfPlane) {
    // Straight above C: the vertical geodesic measures ln(y2 / y1).
    q = {c.x, c.y * std::exp(r)};
  } else {
    // Beyond C on the ray from the disk's centre (along +x when C is the centre itself).
    const Real s2 = c.x * c.x + c.y * c.y;
    const Real s = s2 < static_cast<Real>(1e-31) ? 0 : std::sqrt(s2);
    const Point2 direction = s == 0 ? Point2{1, 0} : Point2{c.x / s, c.y / s};
    const Real e = std::exp(r) * (1 + s);
    q = direction * ((e + s - 1) / (e + 1 - s));
  }
  return engine::RotatePoint(model, c, q, t);
}

}  // namespace

int TGeomC1Win::DoCircleCenterRadius(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1, 0, 1};
  const int c = Op(step, 0);
  int code = 0;
  Real r = 0;
  if (!e.tables.PointExists(c)) code = engine::kMsgCouldNotFind;
  if (e.Evaluate(TypedNumberText(step), r) != 0) {
    code = engine::kMsgCannotUnderstand;
  } else if (r < kSmallestLength) {
    code = engine::kMsgPositiveValue;
  }
  if (e.tables.last_circle >= engine::kLastCircleLimit) code = engine::kMsgNoMoreRoom;
  if (code == 0) code = engine::CheckRoom(e.tables, creates);
  if (code != 0) return engine::FailStep(e, creates, code);

  const Real t = kFullTurn * static_cast<Real>(0.0001) * step.operands[1];
  const Point2 centre = e.tables.xy[c];
  const Point2 p = PointAtRadius(e.model, centre, r, t);
  if (e.AddPoint(p, static_cast<std::uint16_t>(-1), -1) < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  const int circle = AddCircleRecord(e, c, e.tables.last_point, 360, -1, PenFromOperands(step, 3));
  e.tables.circle_radius[circle] = engine::Distance(e.model, centre, p);
  Describe(e, out, {5, kWordCircle, ' ', 5, kWordThrough, ' ', 9, ' ', 5, kWordCenter, ' ', 10, ' ', 5, kWordRadius, ' ',
                    1, ' ', 30, 3});
  return 0;
}

int TGeomC1Win::DoArcCenter(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{0, 0, 1};
  const int c = Op(step, 0);
  const int a = Op(step, 1);
  const int b = Op(step, 2);
  if (!e.tables.PointExists(c) || !e.tables.PointExists(a) || !e.tables.PointExists(b)) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (e.tables.last_circle >= engine::kLastCircleLimit) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  const Point2 pc = e.tables.xy[c];
  const Point2 pa = e.tables.xy[a];
  const Point2 pb = e.tables.xy[b];
  const Real radius = engine::Distance(e.model, pc, pa);
  if (std::fabs(radius - engine::Distance(e.model, pc, pb)) > kOnCircleTolerance) {
    return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  }
  const bool counterClockwise = step.flag == 1;
  Real degrees = 0;
  Real radians = 0;
  if (e.model.Hyperbolic) {
    radians = engine::AngleAt(e.model, pa, pc, pb);
    degrees = radians * kDegreesPerRadian;
    if (counterClockwise && radians < 0) radians += kFullTurn;
  } else {
    degrees = kernel::SignedAngle2(pa, pc, pb) * kDegreesPerRadian;
    if (counterClockwise && degrees < 0) degrees += 360;
  }
  const int circle = AddCircleRecord(e, c, a, degrees, b, PenFromOperands(step, 3));
  if (e.model.Hyperbolic) e.tables.circle_arc_radians[circle] = radians;
  e.tables.circle_radius[circle] = radius;
  Describe(e, out, {11, 12, ' ', '=', ' ', 5, kWordArc, ';', ' ', 5, kWordCenter, ' ', 10, ' ', 30, 3});
  return 0;
}

int TGeomC1Win::DoArcCenter2(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1, 0, 1};
  const int c = Op(step, 0);
  const int a = Op(step, 1);
  int code = 0;
  if (e.tables.last_circle >= engine::kLastCircleLimit) code = engine::kMsgNoMoreRoom;
  Real degrees = 0;
  if (e.Evaluate(TypedNumberText(step), degrees) != 0) code = engine::kMsgCannotUnderstand;
  if (!e.tables.PointExists(c) || !e.tables.PointExists(a)) code = engine::kMsgCouldNotFind;
  if (code == 0) code = engine::CheckRoom(e.tables, creates);
  if (code != 0) return engine::FailStep(e, creates, code);

  const Real g = degrees * kRadiansPerDegree;
  const Point2 pc = e.tables.xy[c];
  const Point2 pa = e.tables.xy[a];
  Point2 end;
  if (e.model.Hyperbolic) {
    end = engine::RotatePoint(e.model, pc, pa, g);
  } else {
    Point2 d = pa - pc;
    kernel::Rotate2(d, g);
    end = pc + d;
  }
  const int tag = e.tables.CommonPointTag(c, a);
  if (e.AddPoint(end, static_cast<std::uint16_t>(tag), -1) < 0) {
    return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  }
  const int circle = AddCircleRecord(e, c, a, degrees, e.tables.last_point, PenFromOperands(step, 3));
  if (e.model.Hyperbolic) e.tables.circle_arc_radians[circle] = g;
  e.tables.circle_radius[circle] = engine::Distance(e.model, pc, pa);
  Describe(e, out, {11, 9, ' ', '=', ' ', 5, kWordArc, '(', 1, ')', ';', ' ', 5, kWordCenter, ' ', 10, ' ', 30, 3});
  return 0;
}

int TGeomC1Win::DoKind95(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{0, 0, 1};
  const int c = Op(step, 0);
  const int a = Op(step, 1);
  const int third = Op(step, 2);
  if (e.tables.last_circle >= engine::kLastCircleLimit) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  if (!e.tables.PointExists(c) || !e.tables.PointExists(a)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  const Real degrees = step.parameters[0];
  const int circle = AddCircleRecord(e, c, a, degrees, -1, PenFromOperands(step, 3));
  // The radius is kept as for every other circle, so later look-ups by radius find this one too.
  e.tables.circle_radius[circle] = engine::Distance(e.model, e.tables.xy[c], e.tables.xy[a]);
  if (e.model.Hyperbolic) e.tables.circle_arc_radians[circle] = degrees * kRadiansPerDegree;
  const std::int16_t word = degrees >= kFullCircleFrom ? kWordCircle : kWordArc;
  if (third >= 0) {
    Describe(e, out, {10, 11, 12, ' ', '=', ' ', 5, word, ' ', 30, 3});
  } else {
    Describe(e, out, {10, 11, ' ', ' ', '=', ' ', 5, word, ' ', 30, 3});
  }
  return 0;
}

int TGeomC1Win::DoVectorSum(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1, 1};
  const int n = step.operands[0] == kernel::kNoOperand ? 0 : step.operands[0];
  // Operands 1 to 2n hold the vectors and 2n + 1 the start; the record has 40 operands.
  if (2 * n + 1 >= static_cast<int>(step.operands.size())) {
    return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  }
  for (int i = 1; i <= 2 * n + 1; ++i) {
    if (!e.tables.PointExists(Op(step, i))) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  const int s = Op(step, 2 * n + 1);
  Point2 p = e.tables.xy[s];
  for (int i = 1; i <= n; ++i) p = p + (e.tables.xy[Op(step, 2 * i)] - e.tables.xy[Op(step, 2 * i - 1)]);
  if (e.AddPoint(p, static_cast<std::uint16_t>(-1), -1) < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  e.AddLine(s, e.tables.last_point, {0, 1, 0});
  Describe(e, out, {6, static_cast<std::int16_t>(s), 9, ' ', '=', ' ', 5, kWordVectorSum, '(', 1, ')'});
  return 0;
}

}  // namespace plane

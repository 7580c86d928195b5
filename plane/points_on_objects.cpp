// Points that slide on a segment, circle, hypercycle or horocycle, placed from their parameter,
// and the random sliding points of the Point menu.
#include <array>
#include <cstdint>
#include <string>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/points_on_curves.h"
#include "kernel/random.h"
#include "kernel/vector2.h"
#include "plane/geom_c1_win.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

// The codes of a point that its object cannot list.
constexpr int kMsgSegmentFull = 9;
constexpr int kMsgCurveFull = 14;
constexpr std::uint16_t kNoTag = 0xFFFF;

constexpr std::int16_t kWordMovable = 211;
constexpr std::int16_t kWordAt = 179;
constexpr std::int16_t kWordOn = 202;
constexpr std::int16_t kWordSegment = 189;
constexpr std::int16_t kWordCircle = 201;

// A random segment parameter: four decimals of the generator's value.
constexpr int kSegmentSteps = 10000;

}  // namespace

template <class ListFn>
int TGeomC1Win::AddListedPoint(const Point2& p, std::uint16_t tag, int failure, ListFn list) {
  if (stepEngine.AddPoint(p, tag, -1) < 0) return engine::kMsgNoMoreRoom;
  return list(tables().last_point) ? 0 : failure;
}

int TGeomC1Win::PlacePointOnSegment(int a, int b, int line, Real t) {
  const engine::FigureTables& tb = tables();
  const Point2 p = tb.xy[a] + t * (tb.xy[b] - tb.xy[a]);
  return AddListedPoint(p, static_cast<std::uint16_t>(tb.CommonPointTag(a, b)), kMsgSegmentFull,
                        [&](int i) { return AddPointToLine(i, line); });
}

int TGeomC1Win::PlacePointOnSegmentHyperbolic(int a, int b, int line, Real t) {
  const engine::FigureTables& tb = tables();
  const Point2 p = engine::DilatePoint(model(), tb.xy[a], tb.xy[b], t);
  return AddListedPoint(p, static_cast<std::uint16_t>(tb.CommonPointTag(a, b)), kMsgSegmentFull,
                        [&](int i) { return AddPointToLine(i, line); });
}

int TGeomC1Win::PlacePointOnCircle(int centre, int q, int circle, Real t) {
  const engine::FigureTables& tb = tables();
  Point2 v = tb.xy[q] - tb.xy[centre];
  kernel::Rotate2(v, t);
  return AddListedPoint(tb.xy[centre] + v, static_cast<std::uint16_t>(tb.CommonPointTag(centre, q)), kMsgCurveFull,
                        [&](int i) { return AddPointToCircle(i, circle); });
}

int TGeomC1Win::PlacePointOnCircleHyperbolic(int circle, int q, Real t) {
  const engine::FigureTables& tb = tables();
  const int centre = tb.circles[circle].centre;
  const Point2 p = engine::RotatePoint(model(), tb.xy[centre], tb.xy[q], t);
  return AddListedPoint(p, static_cast<std::uint16_t>(tb.CommonPointTag(centre, q)), kMsgCurveFull,
                        [&](int i) { return AddPointToCircle(i, circle); });
}

int TGeomC1Win::PlacePointOnHypercycle(int h, Real t) {
  const engine::FigureTables& tb = tables();
  const kernel::HypCurveRecord& curve = tb.hypercycles[h];
  const int defining = curve.index1 < engine::kPointCapacity ? curve.index1 : 0;
  const Point2 p = kernel::PointOnHypercycle(curve, engine::DiskFromStored(model(), tb.xy[defining]), t);
  return AddListedPoint(engine::StoredFromDisk(model(), p), kNoTag, kMsgCurveFull,
                        [&](int i) { return AddPointToHypercycle(i, h); });
}

int TGeomC1Win::PlacePointOnHorocycle(int h, Real t) {
  const engine::FigureTables& tb = tables();
  const kernel::HypCurveRecord& curve = tb.horocycles[h];
  const int defining = curve.owner < engine::kPointCapacity ? curve.owner : -1;
  const auto tag = static_cast<std::uint16_t>(defining >= 0 ? tb.attrs[defining].tag : -1);
  const Point2 p = kernel::PointOnHorocycle(curve, t);
  return AddListedPoint(engine::StoredFromDisk(model(), p), tag, kMsgCurveFull,
                        [&](int i) { return AddPointToHorocycle(i, h); });
}

int TGeomC1Win::DoRandomPointOnSegment(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const auto a = static_cast<std::int16_t>(step.operands[0]);
  const auto b = static_cast<std::int16_t>(step.operands[1]);
  const auto line = static_cast<std::int16_t>(step.operands[2]);
  const engine::StepCreates creates{1};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  if (!t.PointExists(a) || !t.PointExists(b) || line < 0 || line > t.last_line || !t.lines[line].exists) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  Real& value = t.attrs[t.last_point + 1].value;
  if (e.building) value = static_cast<Real>(kernel::Rand31() % kSegmentSteps) / kSegmentSteps;
  const Real parameter = value;
  e.randomize_allowed = 1;
  const int result = model().Hyperbolic ? PlacePointOnSegmentHyperbolic(a, b, line, parameter)
                                        : PlacePointOnSegment(a, b, line, parameter);
  if (result == engine::kMsgNoMoreRoom) return engine::FailStep(e, creates, result);
  if (result > 0) return result;
  engine::PointAttrRecord& attr = t.attrs[t.last_point];
  attr.tag = -1;
  attr.words = {line, -1, a, b};
  attr.value = parameter;
  static constexpr std::array<std::int16_t, 20> kItems{5, kWordMovable, ' ', 9, ' ', 5, kWordAt, ' ', 24, ' ',
                                                      5, kWordOn,      ' ', 5, kWordSegment, ' ', 10, 11,
                                                      engine::kTemplateEnd, 0};
  e.ExpandTemplate(out, kItems);
  return 0;
}

int TGeomC1Win::DoRandomPointOnCircle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const auto centre = static_cast<std::int16_t>(step.operands[0]);
  const auto q = static_cast<std::int16_t>(step.operands[1]);
  const auto circle = static_cast<std::int16_t>(step.operands[2]);
  const engine::StepCreates creates{1};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  if (!t.PointExists(centre) || !t.PointExists(q) || circle < 0 || circle > t.last_circle ||
      !t.circles[circle].exists) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  Real& value = t.attrs[t.last_point + 1].value;
  if (e.building) value = kernel::RandomBetween(0, 1);
  const Real parameter = value;
  e.randomize_allowed = 1;
  const Real angle = t.circles[circle].arc_angle * (kernel::Pi / 180) * parameter;
  const int result = model().Hyperbolic ? PlacePointOnCircleHyperbolic(circle, q, angle)
                                        : PlacePointOnCircle(centre, q, circle, angle);
  if (result == engine::kMsgNoMoreRoom) return engine::FailStep(e, creates, result);
  if (result != 0) return result;
  engine::PointAttrRecord& attr = t.attrs[t.last_point];
  attr.tag = -1;
  attr.words = {-1, circle, centre, q};
  attr.value = parameter;
  static constexpr std::array<std::int16_t, 20> kItems{5, kWordMovable, ' ', 9, ' ', 5, kWordAt, ' ', 24, ' ',
                                                      5, kWordOn,      ' ', 5, kWordCircle, ' ', 10, 11,
                                                      engine::kTemplateEnd, 0};
  e.ExpandTemplate(out, kItems);
  return 0;
}

}  // namespace plane

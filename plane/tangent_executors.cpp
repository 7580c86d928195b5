// Tangent lines to circles of the figure: the two tangents from a point, the tangent at a point of
// the circle, and the two common tangents of two circles. A circle is named by its centre, a
// point listed on it and its index.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "engine/hyperbolic_constructions.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/tangents.h"
#include "plane/geom_c2_win.h"
#include "plane/step_objects.h"

namespace plane {

namespace {

using kernel::Point2;

constexpr int kMsgOutOfLabels = 116;
constexpr int kMsgTooManyLines = 117;
constexpr std::int16_t kEnd = engine::kTemplateEnd;
constexpr std::int16_t kWordTangentToCircle = 215;

// 117 when the line table cannot take the lines, 116 when the point table cannot take the points
// (the point table wins when both are full), else 0.
int RoomForTangents(const engine::FigureTables& t, int points, int lines) {
  int code = 0;
  if (t.last_line + lines > engine::kLastLineLimit) code = kMsgTooManyLines;
  if (t.last_point + points > engine::kLastPointLimit) code = kMsgOutOfLabels;
  return code;
}

// The placeholders of what the step would have made, as far as the tables take them.
int FailTangents(engine::StepEngine& e, int points, int lines, int code) {
  const int pointRoom = engine::kLastPointLimit - e.tables.last_point;
  const int lineRoom = engine::kLastLineLimit - e.tables.last_line;
  e.AdjustTables(std::min(points, pointRoom), std::min(lines, lineRoom), 0);
  return code;
}

int OperandIndex(const kernel::ConstructionRecord& step, int n) {
  return static_cast<std::int16_t>(step.operands[n]);
}

// A new point on circle k (listed on it while it lists fewer than 50 points).
int AddContact(engine::StepEngine& e, const Point2& p, int tag, int k) {
  const int point = AddTaggedPoint(e, p, tag);
  kernel::CircleAppendPoint(e.tables.circles[k], static_cast<std::uint16_t>(point));
  return point;
}

}  // namespace

int TGeomC2Win::DoTangentToCircle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int c = OperandIndex(step, 0);
  const int q = OperandIndex(step, 1);
  const int p = OperandIndex(step, 2);
  const int k = OperandIndex(step, 3);
  if (!e.tables.AllPointsExist(3, step.operands) || !CircleExists(e.tables, k)) {
    return FailTangents(e, 2, 2, engine::kMsgCouldNotFind);
  }
  if (const int code = RoomForTangents(e.tables, 2, 2); code != 0) return FailTangents(e, 2, 2, code);
  const engine::FigureTables& t = e.tables;
  std::array<Point2, 2> contact{};
  const int result = e.model.Hyperbolic
                         ? engine::TangentPointsFromPoint(e.model, t.xy[c], t.xy[q], t.xy[p], contact)
                         : kernel::TangentPointsFromPoint2(t.xy[c], t.xy[q], t.xy[p], contact);
  if (result != 0) return FailTangents(e, 2, 2, engine::kMsgInconsistentData);

  const int tag = e.tables.CommonPointTag(c, q, p);
  const kernel::LinePen pen = PenFromOperands(step, 4);
  for (const Point2& touch : contact) {
    const int point = AddContact(e, touch, tag, k);
    AddStepLine(e, p, point, pen);
  }
  if (out != nullptr) {
    static constexpr std::array<std::int16_t, 15> kItems{
        12, 9, ',', 12, 8, ' ', 5, kWordTangentToCircle, ' ', 10, 11, ' ', 30, 4, kEnd};
    e.ExpandTemplate(out, kItems);
  }
  return 0;
}

int TGeomC2Win::DoTangentToCircle2(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int c = OperandIndex(step, 0);
  const int q = OperandIndex(step, 1);
  const int k = OperandIndex(step, 2);
  const engine::StepCreates creates{1, 1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0)
    return engine::FailStep(e, creates, code);
  if (!e.tables.AllPointsExist(2, step.operands) || !CircleExists(e.tables, k)) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (kernel::CirclePointFind(e.tables.circles[k], static_cast<std::uint16_t>(q)) < 0) {
    return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  }
  const Point2 centre = e.tables.xy[c];
  const Point2 touch = e.tables.xy[q];
  Point2 r{touch.x - (touch.y - centre.y), touch.y + (touch.x - centre.x)};
  if (e.model.Hyperbolic && engine::PerpendicularThrough(e.model, centre, touch, touch, r,
                                                         engine::kPerpendicularThroughPoint) != 0) {
    return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  }
  const int point = AddTaggedPoint(e, r, e.tables.CommonPointTag(c, q));
  const int line = AddStepLine(e, q, point, PenFromOperands(step, 3));
  e.tables.lines[line].extends_first = 1;
  e.tables.lines[line].extends_second = 1;
  if (out != nullptr) {
    static constexpr std::array<std::int16_t, 12> kItems{11,  9,  ' ', 5,   kWordTangentToCircle, ' ', 10, 11,
                                                         ' ', 30, 3,   kEnd};
    e.ExpandTemplate(out, kItems);
  }
  return 0;
}

int TGeomC2Win::DoCommonTangents(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int c1 = OperandIndex(step, 0);
  const int q1 = OperandIndex(step, 1);
  const int k1 = OperandIndex(step, 2);
  const int c2 = OperandIndex(step, 3);
  const int q2 = OperandIndex(step, 4);
  const int k2 = OperandIndex(step, 5);
  const engine::FigureTables& t = e.tables;
  if (!t.PointExists(c1) || !t.PointExists(q1) || !t.PointExists(c2) || !t.PointExists(q2) ||
      !CircleExists(t, k1) || !CircleExists(t, k2)) {
    return FailTangents(e, 4, 2, engine::kMsgCouldNotFind);
  }
  if (const int code = RoomForTangents(t, 4, 2); code != 0) return FailTangents(e, 4, 2, code);
  const bool inner = step.flag != 0;
  std::array<Point2, 2> on1{};
  std::array<Point2, 2> on2{};
  int result = e.model.Hyperbolic
                   ? engine::CommonTangents(e.model, t.xy[c1], t.xy[q1], t.xy[c2], t.xy[q2], inner, on1, on2)
                   : kernel::CommonTangents2(t.xy[c1], t.xy[q1], t.xy[c2], t.xy[q2], inner, on1, on2);
  // The kernel's own message: 10 "nothing to show" for circles without such tangents (concentric,
  // nested, or overlapping for the inner ones), in both geometries.
  if (result == engine::kNoSolution) result = kernel::kNoCommonTangent;
  if (result != 0) return FailTangents(e, 4, 2, result);

  const int tag = e.tables.CommonPointTag(c1, c2, q1);
  const kernel::LinePen pen = PenFromOperands(step, 6);
  for (int i = 0; i < 2; ++i) {
    const int a = AddContact(e, on1[i], tag, k1);
    const int b = AddContact(e, on2[i], tag, k2);
    AddStepLine(e, a, b, pen);
  }
  if (out != nullptr) {
    static constexpr std::array<std::int16_t, 29> kItems{
        9,  8, ',', 7, 16, ' ', 5, kWordTangentToCircle, ' ', 10, 11, ';', ' ',
        9,  8, ',', 7, 16, ' ', 5, kWordTangentToCircle, ' ', 13, 14, ';', ' ',
        30, 6, kEnd};
    e.ExpandTemplate(out, kItems);
  }
  return 0;
}

}  // namespace plane

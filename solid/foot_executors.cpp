#include "solid/foot_executors.h"

#include <array>
#include <cstdint>

#include "kernel/frames3.h"
#include "kernel/vector3.h"
#include "solid/solid_step.h"

namespace solid {

namespace {

constexpr std::int16_t kWordPerpTo = 210;
constexpr std::int16_t kWordPlane = 749;
constexpr std::int16_t kWordFootOfAltitude = 771;
constexpr int kMsgCoincidentPoints = 127;
constexpr int kMsgCollinearPoints = 129;
constexpr std::uint16_t kSegmentColour = 1;

int Operand(const kernel::ConstructionRecord& record, int k) { return static_cast<std::int16_t>(record.operands[k]); }

// The coordinate axis or plane the code names: 0 for x, 1 for y, 2 for z; -1 for none.
int AxisOf(const kernel::ConstructionRecord& record, int k) {
  const int code = Operand(record, k);
  return code >= 1 && code <= 3 ? code - 1 : -1;
}

Real& Coordinate(Point3& p, int axis) { return axis == 0 ? p.x : (axis == 1 ? p.y : p.z); }
Real CoordinateOf(const Point3& p, int axis) { return axis == 0 ? p.x : (axis == 1 ? p.y : p.z); }

// The foot as a new point (sharing the tag), the segment from p to it, its description.
int AddFoot(SolidStep& step, int p, const Point3& foot, int tag, bool plane, std::string* out) {
  const int f = step.AddPoint(foot, static_cast<std::uint16_t>(tag));
  if (f < 0) return step.Fail(engine::kMsgNoMoreRoom);
  const std::array<std::uint16_t, 2> ends{static_cast<std::uint16_t>(p), static_cast<std::uint16_t>(f)};
  step.AddFace(ends, kSegmentColour);
  // "E = foot of altitude from A perp to (plane) text 3"
  static constexpr std::array<std::int16_t, 14> kToLine{9, ' ', '=', ' ', 5, kWordFootOfAltitude, ' ', 12, ' ',
                                                        5, kWordPerpTo, ' ', 3, engine::kTemplateEnd};
  static constexpr std::array<std::int16_t, 17> kToPlane{9, ' ', '=', ' ', 5, kWordFootOfAltitude, ' ', 13, ' ',
                                                         5, kWordPerpTo, ' ', 5, kWordPlane, ' ', 3,
                                                         engine::kTemplateEnd};
  if (plane) {
    step.Describe(out, kToPlane);
  } else {
    step.Describe(out, kToLine);
  }
  return 0;
}

}  // namespace

int FootToLine(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SolidStep step(engine, model, {1, 1, 0});
  if (const int code = step.Begin(); code != 0) return code;
  const kernel::ConstructionRecord& record = step.record();
  const engine::FigureTables& t = step.tables();
  const int a = Operand(record, 0);
  const int b = Operand(record, 1);
  const int p = Operand(record, 2);
  if (!t.PointExists(a) || !t.PointExists(b) || !t.PointExists(p)) return step.Fail(engine::kMsgCouldNotFind);
  const Point3& at = t.xyz[p];
  Point3 foot{0, 0, 0};
  if (const int axis = AxisOf(record, 3); axis >= 0) {
    Coordinate(foot, axis) = CoordinateOf(at, axis);
  } else {
    Real along = 0;
    if (!kernel::ProjectOnLine3(at, t.xyz[a], t.xyz[b], foot, along)) return step.Fail(kMsgCoincidentPoints);
  }
  return AddFoot(step, p, foot, t.CommonPointTag(a, b, p), false, out);
}

int FootToPlane(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SolidStep step(engine, model, {1, 1, 0});
  if (const int code = step.Begin(); code != 0) return code;
  const kernel::ConstructionRecord& record = step.record();
  const engine::FigureTables& t = step.tables();
  const int a = Operand(record, 0);
  const int b = Operand(record, 1);
  const int c = Operand(record, 2);
  const int p = Operand(record, 3);
  if (!t.PointExists(a) || !t.PointExists(b) || !t.PointExists(c) || !t.PointExists(p)) {
    return step.Fail(engine::kMsgCouldNotFind);
  }
  const Point3& at = t.xyz[p];
  Point3 foot = at;
  if (const int axis = AxisOf(record, 4); axis >= 0) {
    Coordinate(foot, axis) = 0;
  } else {
    Point3 n;
    if (!kernel::PlaneNormal3(t.xyz[a], t.xyz[b], t.xyz[c], n, false)) return step.Fail(kMsgCollinearPoints);
    foot = at - (kernel::Dot3(at - t.xyz[a], n) / kernel::Dot3(n, n)) * n;
  }
  return AddFoot(step, p, foot, t.CommonPointTag(a, b, c, p), true, out);
}

}  // namespace solid

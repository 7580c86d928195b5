// The step makers of the hyperbolic curve intersections (kinds 171 to 177), which the mouse
// construction calls for two objects near the pointer, and the new free point at the place of an
// existing one that the slider dialog asks for.
#include <algorithm>
#include <array>
#include <span>

#include "engine/windows/geom10_win.h"
#include "kernel/construction_record.h"
#include "kernel/line_circle_records.h"

namespace engine {

namespace {

constexpr int kMovablePointKind = 121;

enum class Object { kLine, kCircle, kHypercycle, kHorocycle };

// The listed points of an object of the figure; empty when the index lies outside its table.
std::span<const std::uint16_t> ListedPoints(const FigureTables& t, Object object, int i) {
  auto listOf = [](const kernel::IndexList& list) {
    return std::span<const std::uint16_t>(list.entries.data(),
                                          static_cast<std::size_t>(std::clamp<int>(list.count, 0, kCurvePointLimit)));
  };
  switch (object) {
    case Object::kLine:
      if (i < 0 || i > t.last_line) return {};
      return listOf(t.lines[static_cast<std::size_t>(i)].points);
    case Object::kCircle: {
      if (i < 0 || i > t.last_circle) return {};
      const kernel::CircleRecord& c = t.circles[static_cast<std::size_t>(i)];
      return std::span<const std::uint16_t>(c.points.data(),
                                            static_cast<std::size_t>(std::clamp<int>(c.count, 0, kCurvePointLimit)));
    }
    case Object::kHypercycle:
      if (i < 0 || i > t.last_hypercycle) return {};
      return listOf(t.hypercycle_points[static_cast<std::size_t>(i)].points);
    case Object::kHorocycle:
      if (i < 0 || i > t.last_horocycle) return {};
      return listOf(t.horocycle_points[static_cast<std::size_t>(i)].points);
  }
  return {};
}

}  // namespace

int TGeom10Win::NewCurveIntersection(int kind, int first, int second) {
  static constexpr std::array<std::array<Object, 2>, 7> kObjects{{
      {Object::kLine, Object::kHypercycle},        // 171
      {Object::kCircle, Object::kHypercycle},      // 172
      {Object::kHypercycle, Object::kHypercycle},  // 173
      {Object::kHorocycle, Object::kHorocycle},    // 174
      {Object::kLine, Object::kHorocycle},         // 175
      {Object::kCircle, Object::kHorocycle},       // 176
      {Object::kHorocycle, Object::kHypercycle},   // 177
  }};
  if (kind < kLineHypercycleKind || kind > kHypercycleHorocycleKind) return kMsgCouldNotFind;
  const auto& objects = kObjects[static_cast<std::size_t>(kind - kLineHypercycleKind)];
  const FigureTables& t = tables();
  // A single point the two already share is not made again.
  std::array<std::uint16_t, 2> common{};
  const int shared =
      kernel::IndexListsCommon(ListedPoints(t, objects[0], first), ListedPoints(t, objects[1], second), common);
  kernel::ConstructionRecord& step =
      history().BeginStep(static_cast<kernel::StepKind>(kind), static_cast<std::int16_t>(first),
                          static_cast<std::int16_t>(second));
  if (shared == 1) step.operands[2] = common[0];
  return RunBuiltStep();
}

int TGeom10Win::NewLineHypercycleIntersection(int line, int hypercycle) {
  return NewCurveIntersection(kLineHypercycleKind, line, hypercycle);
}
int TGeom10Win::NewCircleHypercycleIntersection(int circle, int hypercycle) {
  return NewCurveIntersection(kLineHypercycleKind + 1, circle, hypercycle);
}
int TGeom10Win::NewHypercycleHypercycleIntersection(int hypercycle1, int hypercycle2) {
  return NewCurveIntersection(kLineHypercycleKind + 2, hypercycle1, hypercycle2);
}
int TGeom10Win::NewHorocycleHorocycleIntersection(int horocycle1, int horocycle2) {
  return NewCurveIntersection(kLineHypercycleKind + 3, horocycle1, horocycle2);
}
int TGeom10Win::NewLineHorocycleIntersection(int line, int horocycle) {
  return NewCurveIntersection(kLineHypercycleKind + 4, line, horocycle);
}
int TGeom10Win::NewCircleHorocycleIntersection(int circle, int horocycle) {
  return NewCurveIntersection(kLineHypercycleKind + 5, circle, horocycle);
}
int TGeom10Win::NewHypercycleHorocycleIntersection(int horocycle, int hypercycle) {
  return NewCurveIntersection(kHypercycleHorocycleKind, horocycle, hypercycle);
}

int TGeom10Win::NewPointStep(int p) {
  FigureTables& t = tables();
  if (t.last_point >= kLastPointLimit || t.FindFreeLabel() < 0) {
    Msg(kMsgNoMoreRoom);
    return 0;
  }
  if (!t.PointExists(p)) {
    Msg(kMsgCouldNotFind);
    return 0;
  }
  t.xy[static_cast<std::size_t>(t.last_point + 1)] = t.xy[static_cast<std::size_t>(p)];
  history().BeginStep(kMovablePointKind);
  // A free point always stands.
  RunNewStep();
  return 1;
}

}  // namespace engine

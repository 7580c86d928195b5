// Figures attached from a source window: the similarity that carries the source points onto two
// points of the window, the window points that stand for the images, and the step (kind 157) that
// makes the attached points again from the window's attached-point list on every replay.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/step_contract.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

constexpr int kMsgMismatch = 123;
constexpr kernel::Real kSmallestAnchorDistance = static_cast<kernel::Real>(1e-13L);
// Two points closer than this (world units) are one point.
constexpr kernel::Real kPointTolerance = static_cast<kernel::Real>(1e-6L);
constexpr int kWordCopy = 197;
constexpr int kNamesShown = 12;

}  // namespace

int TGeomC2Win::MapPointsBySimilarity(const std::array<kernel::Point2, 2>& a, const std::array<kernel::Point2, 2>& b,
                                      int n, std::span<const kernel::Point2> points) {
  const kernel::Real d = kernel::Dist2(a[0], a[1]);
  if (d < kSmallestAnchorDistance) return kMsgMismatch;
  if (n < 0 || static_cast<std::size_t>(n) >= points.size()) return kMsgMismatch;
  const kernel::Real scale = kernel::Dist2(b[0], b[1]) / d;
  const kernel::Point2 shift = b[0] - a[0];
  const kernel::Real angle = kernel::SignedAngle2(a[1] + shift, b[0], b[1]);
  const kernel::Real c = scale * std::cos(angle);
  const kernel::Real s = scale * std::sin(angle);
  if (imagePoints.size() < static_cast<std::size_t>(engine::kPointCapacity)) imagePoints.resize(engine::kPointCapacity);
  for (int i = 0; i <= n && i < engine::kPointCapacity; ++i) {
    kernel::Point2 p = points[static_cast<std::size_t>(i)] + shift;
    kernel::RotateAbout2(b[0], c, s, p);
    imagePoints[static_cast<std::size_t>(i)] = p;
  }
  return 0;
}

int TGeomC2Win::FindPointAt(int n, std::span<std::uint16_t> index, std::span<std::uint16_t> label) {
  const engine::FigureTables& t = tables();
  int next = t.last_point;
  // The labels the new points will take, lowest free first.
  std::vector<std::uint8_t> taken(engine::kPointCapacity, 0);
  for (int id = 0; id < engine::kPointCapacity; ++id) taken[static_cast<std::size_t>(id)] = t.label_map[static_cast<std::size_t>(id)] >= 0;
  int free = 0;
  const auto nextFree = [&taken](int from) {
    while (from < engine::kPointCapacity && taken[static_cast<std::size_t>(from)]) ++from;
    return from;
  };
  free = nextFree(0);
  for (int i = 0; i <= n && static_cast<std::size_t>(i) < index.size(); ++i) {
    int found = -1;
    if (history().save_labels != 0) {
      const kernel::Point2& p = imagePoints[static_cast<std::size_t>(i)];
      found = t.FindPointNear(p.x, p.y, kPointTolerance);
    }
    label[static_cast<std::size_t>(i)] = kernel::kNoOperand;
    if (found >= 0) {
      index[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(found);
      continue;
    }
    ++next;
    index[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(next);
    if (free < engine::kPointCapacity) {
      label[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(free);
      taken[static_cast<std::size_t>(free)] = 1;
      free = nextFree(free + 1);
    }
  }
  return next - t.last_point;
}

int TGeomC2Win::DoKind157(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int n = Op(step, 4);
  const int list = Op(step, 7);
  std::vector<AttachedPointList>* lists = attachedLists();
  int result = kMsgMismatch;
  if (lists != nullptr && list >= 0 && list < static_cast<int>(lists->size())) {
    const AttachedPointList& points = (*lists)[static_cast<std::size_t>(list)];
    const int a0 = Op(step, 0);
    const int a1 = Op(step, 1);
    const int b0 = Op(step, 2);
    const int b1 = Op(step, 3);
    const int count = static_cast<int>(std::min(points.points.size(), points.names.size()));
    const auto inTable = [](int p) { return p >= 0 && p < engine::kPointCapacity; };
    if (n < count && a0 >= 0 && a0 < count && a1 >= 0 && a1 < count && inTable(b0) && inTable(b1)) {
      result = MapPointsBySimilarity({points.points[static_cast<std::size_t>(a0)], points.points[static_cast<std::size_t>(a1)]},
                                     {e.tables.xy[static_cast<std::size_t>(b0)], e.tables.xy[static_cast<std::size_t>(b1)]},
                                     n, points.points);
    }
    for (int i = 0; result == 0 && i <= n; ++i) {
      const engine::PointNameRecord& name = points.names[static_cast<std::size_t>(i)];
      if (static_cast<std::int16_t>(name.label) < 0) continue;
      // The point takes its stored label when that one is free, else the next free label, so the
      // label map always agrees with the names.
      const int wanted = name.label < engine::kPointCapacity && e.tables.label_map[name.label] < 0 ? name.label : -1;
      if (e.AddPoint(imagePoints[static_cast<std::size_t>(i)], step.operands[5], static_cast<std::int16_t>(wanted)) < 0) {
        result = engine::kMsgNoMoreRoom;
        break;
      }
      const int p = e.tables.last_point;
      engine::PointNameRecord& made = e.tables.names[static_cast<std::size_t>(p)];
      const std::uint16_t given = made.label;
      made = name;
      made.label = given;
    }
  }
  const int missing = static_cast<std::int16_t>(step.extra_words[0]) - e.tables.last_point;
  if (missing > 0) e.AdjustTables(missing, 0, 0);
  if (out != nullptr) {
    std::string text;
    e.tables.AppendNewPointNames(text, std::max<int>(Op(step, 6), 0), kNamesShown);
    *out = text + " = " + e.words(kWordCopy) + " " + step.text[0];
  }
  return result;
}

}  // namespace plane

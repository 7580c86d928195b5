// The tessellation of the hyperbolic plane by a triangle group as one step (kind 30): its points
// and mirror lines, and the filled triangles of the centre's star. Built once when the step is
// new; later executions keep the points where they are and lay the sides over them again.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "engine/windows/geom_win.h"
#include "kernel/construction_record.h"
#include "kernel/fill_trace_records.h"
#include "kernel/hyperbolic_tiling.h"
#include "kernel/triangle_group_checks.h"
#include "plane/fill_dlg.h"
#include "plane/geom_c1_win.h"

namespace plane {

namespace {

// The sides: colour 0, thickness 1, style 0, as the records hold them.
constexpr kernel::LinePen kTilingPen{0, 1, 0};
constexpr std::int16_t kNoTag = -1;

bool SameVertices(const kernel::FillRecord& fill, std::span<const std::uint16_t> v) {
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (fill.vertices[i] != v[i]) return false;
  }
  return fill.vertices[v.size()] == kernel::kFillListEnd;
}

}  // namespace

const kernel::HyperbolicTiling* TGeomC1Win::TilingFor(const std::array<int, 6>& key) {
  if (tilingKey_ != key) {
    const kernel::TilingLimits limits{key[4], key[5], kernel::kLinePointCapacity};
    tilingKey_ = key;
    tilingBuilt_ = kernel::BuildHyperbolicTiling(key[0], key[1], key[2], key[3], limits, tiling_);
  }
  return tilingBuilt_ ? &tiling_ : nullptr;
}

int TGeomC1Win::DoHyperbolicTessellation(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  kernel::ConstructionRecord& step = *e.current();
  const int first = t.last_point + 1;
  const auto recordedLastPoint = static_cast<std::int16_t>(step.operands[4]);
  const auto recordedLastSide = static_cast<std::int16_t>(step.operands[5]);
  const bool recorded = !e.building && recordedLastPoint >= t.last_point && recordedLastSide >= t.last_line &&
                        recordedLastPoint <= engine::kLastPointLimit && recordedLastSide <= engine::kLastLineLimit;
  // A failed execution keeps the places its objects had.
  const engine::StepCreates creates{static_cast<std::int16_t>(recorded ? recordedLastPoint - t.last_point : 0),
                                    static_cast<std::int16_t>(recorded ? recordedLastSide - t.last_line : 0)};
  const std::array<int, 3> pqr{static_cast<std::int16_t>(step.operands[0]), static_cast<std::int16_t>(step.operands[1]),
                               static_cast<std::int16_t>(step.operands[2])};
  const int layers = static_cast<std::int16_t>(step.operands[3]);
  // A step read from a file is checked as the tessellation command checks what is typed, before
  // any work: orders beyond the bounds would take the builder minutes.
  if (!model().Hyperbolic || layers < 0) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  switch (kernel::CheckTriangleGroup(pqr[0], pqr[1], pqr[2])) {
    case kernel::TriangleGroupFault::kNone: break;
    case kernel::TriangleGroupFault::kNotHyperbolic: return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    default: return engine::FailStep(e, creates, engine::kMsgOutOfBounds);
  }
  const kernel::HyperbolicTiling* tiling =
      TilingFor({pqr[0], pqr[1], pqr[2], layers, engine::kPointCapacity - first, engine::kLastLineLimit - t.last_line});
  if (tiling == nullptr) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);

  // A figure read back keeps the points it was saved with, even when they are fewer.
  int n = static_cast<int>(tiling->points.size());
  if (recorded) n = std::min(n, recordedLastPoint - t.last_point);
  if (e.building) {
    for (int i = 0; i < n; ++i) t.xy[static_cast<std::size_t>(first + i)] = engine::StoredFromDisk(model(), tiling->points[static_cast<std::size_t>(i)]);
  }
  if (!t.AddPoints(n, kNoTag, false, 0, 0)) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  if (e.building) {
    // The marker tells the kind of vertex: none at the centre's kind, then one colour for each
    // of the other two.
    for (int i = 0; i < n; ++i) t.names[static_cast<std::size_t>(first + i)].marker = tiling->types[static_cast<std::size_t>(i)];
  }
  for (const auto& side : tiling->sides) {
    if (std::any_of(side.begin(), side.end(), [&](std::uint16_t p) { return p >= n; })) continue;
    const int line = ++t.last_line;
    const int a = first + side.front();
    const int b = first + side.back();
    kernel::SegmentRecord& record = t.lines[static_cast<std::size_t>(line)];
    kernel::InitSegmentRecord(record, static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b), kTilingPen.colour,
                              kTilingPen.width, kTilingPen.style);
    record.points.count = static_cast<std::int16_t>(side.size());
    for (std::size_t k = 0; k < side.size(); ++k) record.points.entries[k] = static_cast<std::uint16_t>(first + side[k]);
    e.FillSideRecord2D(line, a, b);
  }
  // The table ends stay where the first execution left them, so later steps keep their objects.
  if (recorded) e.AdjustTables(std::max(0, recordedLastPoint - t.last_point), recordedLastSide - t.last_line, 0);

  if (e.building) {
    // Every second triangle of the centre's star is filled in the window's fill colour, once
    // however often the figure is built again.
    for (int i = 0; i < pqr[0] && 2 * i + 2 < n; ++i) {
      const std::array<std::uint16_t, 3> v{static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(first + 2 * i + 1),
                                           static_cast<std::uint16_t>(first + 2 * i + 2)};
      if (std::any_of(fills.begin(), fills.end(), [&](const kernel::FillRecord& f) { return SameVertices(f, v); })) continue;
      kernel::FillRecord face;
      kernel::InitFillRecord(face);
      face.mode = kernel::kFillPolygon;
      face.style = preWin.roles[kFillColorRole];
      std::copy(v.begin(), v.end(), face.vertices.begin());
      face.vertices[v.size()] = kernel::kFillListEnd;
      fills.push_back(face);
    }
    step.parameters[0] = n > 1 ? t.xy[static_cast<std::size_t>(first + 1)].x : 0;
    step.operands[4] = static_cast<std::uint16_t>(t.last_point);
    step.operands[5] = static_cast<std::uint16_t>(t.last_line);
  }
  static constexpr std::array<std::int16_t, 13> kItems{'A', 'B', 'C', '.', '.', '.', 4, 3, ' ', '=', ' ', 1,
                                                      engine::kTemplateEnd};
  e.ExpandTemplate(out, kItems);
  return 0;
}

}  // namespace plane

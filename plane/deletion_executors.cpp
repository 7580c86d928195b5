// Deleting points as a step of the history (kind 141) and the regular polygon erected on a given
// side (kind 149).
#include <cmath>
#include <cstdint>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/line_circle_records.h"
#include "kernel/regular_polygons.h"
#include "plane/geom_c2_win.h"
#include "plane/step_operands.h"
#include "plane/transform_images.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordPointDeletion = 218;
constexpr std::int16_t kWordRegularPolygon = 181;
// The most vertices a polygon on a side may have: its new vertices are named in its description.
constexpr int kMostPolygonVertices = 1000;

}  // namespace

int TGeomC2Win::DoDeletePoint(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  engine::FigureTables& t = e.tables;
  for (const std::uint16_t operand : step.operands) {
    const int p = static_cast<std::int16_t>(operand);
    if (p < 0) break;
    if (p > t.last_point) continue;
    t.exists[p] = 0;
    const int label = t.names[p].label;
    if (label < engine::kPointCapacity && t.label_map[label] == p) t.FreeLabel(label);
    const auto point = static_cast<std::uint16_t>(p);
    for (int c = 0; c <= t.last_circle; ++c) kernel::CircleRemovePoint(t.circles[c], point);
    for (int l = 0; l <= t.last_line; ++l) kernel::SegmentRemovePoint(t.lines[l], point);
    // A hypercycle or horocycle keeps the one point it is drawn through.
    for (int h = 0; h <= t.last_hypercycle; ++h) {
      if (t.hypercycle_points[h].points.count > 1) kernel::SegmentRemovePoint(t.hypercycle_points[h], point);
    }
    for (int h = 0; h <= t.last_horocycle; ++h) {
      if (t.horocycle_points[h].points.count > 1) kernel::SegmentRemovePoint(t.horocycle_points[h], point);
    }
  }
  Describe(e, out, {5, kWordPointDeletion, ':', ' ', 1});
  return 0;
}

int TGeomC2Win::DoKind149(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const int n = Op(step, 0);
  const int a = Op(step, 1);
  const int b = Op(step, 2);
  const bool drawSide = Op(step, 3) < 0;
  const bool reusePoints = Op(step, 39) < 0;
  if (n < 3 || n > kMostPolygonVertices) return engine::kMsgCannotUnderstand;
  const engine::StepCreates creates{static_cast<std::int16_t>(n - 2), static_cast<std::int16_t>(drawSide ? n : n - 1)};
  // How many vertices are new depends on the points already there: a step of the history that
  // fails ends the tables where it ended when it was made.
  const bool recorded = step.sequence >= 0 && step.extra_words[0] != kernel::kNoOperand;
  const auto fail = [&](int code) { return recorded ? FailTransform(e, code) : engine::FailStep(e, creates, code); };
  if (!e.tables.PointExists(a) || !e.tables.PointExists(b)) return fail(engine::kMsgCouldNotFind);
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return fail(code);

  std::vector<Point2> v(static_cast<std::size_t>(n) + 2);
  v[0] = e.tables.xy[a];
  v[1] = e.tables.xy[b];
  if (e.model.Hyperbolic) {
    const Real d = engine::HyperbolicDistance(e.model, v[0], v[1]);
    const Real pi = std::acos(static_cast<Real>(-1));
    const Real interior = 2 * std::asin(std::cos(pi / n) / std::cosh(d / 2));
    engine::CompleteRegularPolygon(e.model, std::span<Point2>(v.data(), static_cast<std::size_t>(n)), n, interior);
  } else {
    kernel::CompleteRegularPolygon2(std::span<Point2>(v.data(), static_cast<std::size_t>(n)));
  }

  const kernel::LinePen pen = PenFromOperands(step, 4);
  auto addSide = [&](int from, int to) {
    e.AddLine(from, to, pen);
    if (e.model.Hyperbolic) e.FillSideRecord2D(e.tables.last_line, from, to);
  };
  if (drawSide) addSide(a, b);
  const int tag = e.tables.CommonPointTag(a, b);
  std::vector<int> vertices{a, b};
  for (int i = 2; i < n; ++i) {
    int found = reusePoints ? e.tables.FindPointNear(v[i].x, v[i].y, kCoincidenceTolerance) : -1;
    if (found < 0) {
      e.AddPoint(v[i], static_cast<std::uint16_t>(tag), -1);
      found = e.tables.last_point;
    }
    addSide(vertices.back(), found);
    vertices.push_back(found);
  }
  addSide(vertices.back(), a);
  RecordStepCounts(e);

  if (out != nullptr) {
    std::vector<std::int16_t> items;
    for (const int vertex : vertices) {
      items.push_back(6);
      items.push_back(static_cast<std::int16_t>(vertex));
    }
    const std::int16_t tail[] = {' ', '=', ' ', 5, kWordRegularPolygon, ' ', '(', 23, static_cast<std::int16_t>(n), ')',
                                 ' ', 30, 4, engine::kTemplateEnd};
    items.insert(items.end(), std::begin(tail), std::end(tail));
    e.ExpandTemplate(out, items);
  }
  return 0;
}

}  // namespace plane

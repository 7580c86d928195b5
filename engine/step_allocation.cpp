// Putting points, polygons, lines and placeholders into the figure tables.

#include <algorithm>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace engine {

int StepEngine::ClaimNewPoint(std::uint16_t tag, std::int16_t label) {
  if (tables.last_point >= kLastPointLimit) return -1;
  const int i = tables.last_point + 1;
  const int id = label >= 0 ? label : tables.LabelForNewPoint(i);
  if (id < 0 || id >= kPointCapacity) return -1;
  tables.last_point = static_cast<std::int16_t>(i);
  tables.exists[i] = 1;
  tables.label_map[id] = static_cast<std::int16_t>(i);
  tables.names[i].label = static_cast<std::uint16_t>(id);
  tables.attrs[i].tag = static_cast<std::int16_t>(tag);
  tables.attrs[i].words = {-1, -1, -1, -1};
  return id;
}

int StepEngine::AddPoint(const Point2& p, std::uint16_t tag, std::int16_t label) {
  const int id = ClaimNewPoint(tag, label);
  if (id >= 0) tables.xy[tables.last_point] = p;
  return id;
}

int StepEngine::AddPoint3D(const Point3& p, std::uint16_t tag, std::int16_t label) {
  const int id = ClaimNewPoint(tag, label);
  if (id >= 0) tables.xyz[tables.last_point] = p;
  return id;
}

int StepEngine::AddPolygon(int n, std::uint16_t tag, int step) {
  if (n < 1) return 0;
  if (tables.last_point + n > kLastPointLimit || tables.last_line + n > kLastLineLimit) return kMsgNoMoreRoom;
  if (tables.keep_labels_through < 0) {
    int free_labels = 0;
    for (int label = 0; label < kPointCapacity && free_labels < n; ++label) {
      if (tables.label_map[label] < 0) ++free_labels;
    }
    if (free_labels < n) return kMsgNoMoreRoom;
  }

  int cur = tables.last_point + 1;
  int cycle_start = cur;
  int next = cur + 1;
  int acc = 0;
  int line = tables.last_line;
  for (int k = 0; k < n; ++k) {
    ++line;
    acc = (acc + step) % n;
    if (acc < 0) acc += n;
    if (acc == 0) next = cycle_start;
    tables.exists[cur] = 1;
    kernel::InitSegmentRecord(tables.lines[line], static_cast<std::uint16_t>(cur), static_cast<std::uint16_t>(next),
                              line_style.colour, line_style.width, line_style.style);
    if (model.Hyperbolic) FillSideRecord2D(line, cur, next);
    const int label = tables.LabelForNewPoint(cur);
    tables.label_map[label] = static_cast<std::int16_t>(cur);
    tables.names[cur].label = static_cast<std::uint16_t>(label);
    tables.attrs[cur].tag = static_cast<std::int16_t>(tag);
    tables.attrs[cur].words = {-1, -1, -1, -1};
    if (acc == 0) {
      cur = cur + 1;
      cycle_start = cur;
    } else {
      cur = next;
    }
    next = cur + 1;
  }
  tables.last_point = static_cast<std::int16_t>(tables.last_point + n);
  tables.last_line = static_cast<std::int16_t>(line);
  return 0;
}

void StepEngine::SetLineStyle(std::uint16_t colour, std::uint16_t thickness, std::uint16_t style) {
  line_style.colour = static_cast<std::uint16_t>(colour + 1);
  line_style.width = static_cast<std::uint16_t>(thickness + 1);
  line_style.style = static_cast<std::uint16_t>(style + 1);
}

namespace {

// Raises a last index by d (stopping at the cap, where the entry is left alone) or lowers it
// (never below -1); new entries are cleared by clear(index).
template <class Clear>
void AdjustLast(std::int16_t& last, int d, int cap, Clear clear) {
  if (d < 0) {
    last = static_cast<std::int16_t>(std::max(-1, last + d));
    return;
  }
  for (int k = 0; k < d && last < cap; ++k) {
    ++last;
    clear(last);
  }
}

}  // namespace

void StepEngine::AdjustTables(int d_points, int d_lines, int d_circles, int d_hypercycles, int d_horocycles) {
  if (d_points < 0) {
    for (int k = 0; k < -d_points && tables.last_point >= 0; ++k) {
      const int i = tables.last_point;
      const int label = tables.names[i].label;
      if (label < kPointCapacity && tables.label_map[label] == i) tables.FreeLabel(label);
      tables.exists[i] = 0;
      --tables.last_point;
    }
  } else {
    for (int k = 0; k < d_points && tables.last_point < kLastPointLimit; ++k) {
      const int i = tables.last_point + 1;
      const int label = tables.LabelForNewPoint(i);
      if (label < 0) break;
      tables.last_point = static_cast<std::int16_t>(i);
      tables.exists[i] = 0;
      tables.label_map[label] = static_cast<std::int16_t>(i);
      tables.names[i].label = static_cast<std::uint16_t>(label);
    }
  }
  AdjustLast(tables.last_line, d_lines, kLastLineLimit, [&](int i) { tables.lines[i].exists = 0; });
  AdjustLast(tables.last_circle, d_circles, kLastCircleLimit, [&](int i) { tables.circles[i].exists = 0; });
  AdjustLast(tables.last_hypercycle, d_hypercycles, kLastHypCurveLimit,
             [&](int i) { tables.hypercycle_points[i].exists = 0; });
  AdjustLast(tables.last_horocycle, d_horocycles, kLastHypCurveLimit,
             [&](int i) { tables.horocycle_points[i].exists = 0; });
}

int StepEngine::AddLine(int a, int b, const kernel::LinePen& pen) {
  if (tables.last_line >= kLastLineLimit) return kMsgNoMoreRoom;
  const int i = ++tables.last_line;
  kernel::InitSegmentRecord(tables.lines[i], static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b),
                            pen.colour, pen.width, pen.style);
  return 0;
}

void StepEngine::PolygonPerimeter(int n, std::span<const Point2> vertices, std::span<Real> lengths) const {
  Real perimeter = 0;
  for (int k = 0; k <= n && static_cast<std::size_t>(k + 1) < vertices.size() &&
                  static_cast<std::size_t>(k + 1) < lengths.size();
       ++k) {
    const Real d = Distance(model, vertices[k], vertices[k + 1]);
    lengths[k + 1] = d;
    perimeter += d;
  }
  if (!lengths.empty()) lengths[0] = perimeter;
}

int StepEngine::PlacePolygonPoints(int polygon, std::uint16_t tag, Real t) {
  if (polygon < 0 || polygon > last_polygon) return 0;
  const PolygonRecord& rec = polygons[polygon];
  const int n = std::clamp<int>(rec.n, 0, static_cast<int>(rec.vertices.size()) - 1);
  std::array<Point2, 31> v{};
  for (int k = 0; k <= n; ++k) v[k] = tables.xy[rec.vertices[k] < kPointCapacity ? rec.vertices[k] : 0];
  v[n + 1] = v[0];
  std::array<Real, 32> lengths{};
  PolygonPerimeter(n, std::span<const Point2>(v.data(), n + 2), lengths);
  const Real f = t - std::floor(t);
  Real d = lengths[0] * f;
  // The sides run from vertex k to vertex k + 1, the last one back to the first vertex.
  int k = 0;
  while (k <= n && lengths[k + 1] < d) {
    d -= lengths[k + 1];
    ++k;
  }
  Point2 p = v[0];
  if (k <= n) {
    if (lengths[k + 1] >= kernel::NullTolerance) {
      p = executors().PlacePointOnSegment(v[k], v[k + 1], d / lengths[k + 1]);
    } else {
      p = v[k];
    }
  }
  if (AddPoint(p, tag, -1) < 0) return kMsgNoMoreRoom;
  tables.attrs[tables.last_point].words[2] = static_cast<std::int16_t>(polygon);
  return 0;
}

int StepEngine::CountKind3() const {
  return static_cast<int>(std::count(kind_records.begin(), kind_records.end(), std::uint8_t{3}));
}

int StepEngine::IsTransformStep(const kernel::ConstructionRecord& step) {
  if (static_cast<std::int16_t>(step.operands[39]) >= 1) return 0;
  const int k = step.kind;
  if (k == 90 || (k >= 145 && k <= 150) || k == 155 || k == 387) return 1;
  if (k >= 440 && k <= 450 && k != 442 && k != 449) return 1;
  return 0;
}

void StepEngine::FillSideRecord2D(int side, int p, int q) {
  if (side < 0 || side > kLastLineLimit || p < 0 || q < 0 || p >= kPointCapacity || q >= kPointCapacity) return;
  GeodesicEnds geodesic{};
  bool is_line = false;
  Geodesic(model, tables.xy[p], tables.xy[q], geodesic, is_line);
  kernel::HypCurveRecord& rec = tables.line_sides[side];
  rec.shape = is_line ? 1 : 0;
  rec.points = geodesic;
}

void StepEngine::SideIntersection(int i, int j, int p) {
  if (i < 0 || i > kLastHypCurveLimit || j < 0 || j > kLastLineLimit || p < 0 || p >= kPointCapacity) return;
  kernel::HypCurveRecord& rec = tables.hypercycles[i];
  rec.owner = static_cast<std::uint16_t>(j);
  rec.index1 = static_cast<std::uint16_t>(p);
  rec.points[0] = tables.line_sides[j].points[0];
  rec.points[1] = tables.line_sides[j].points[1];
  Point2 centre;
  if (kernel::Circumcenter2(rec.points[0], tables.xy[p], rec.points[1], centre)) {
    rec.points[2] = centre;
    rec.shape = 0;
  } else {
    rec.points[2] = {};
    rec.shape = 1;
  }
}

void StepEngine::SideConstruction(int i, int a, int b, int c) {
  if (i < 0 || i > kLastHypCurveLimit) return;
  for (int p : {a, b, c}) {
    if (p < 0 || p >= kPointCapacity) return;
  }
  kernel::HypCurveRecord& rec = tables.horocycles[i];
  rec.owner = static_cast<std::uint16_t>(a);
  rec.index1 = static_cast<std::uint16_t>(b);
  rec.index2 = static_cast<std::uint16_t>(c);
  const Point2 pc = tables.xy[c];
  rec.points[0] = pc;
  Point2 A = tables.xy[a];
  Point2 B = tables.xy[b];
  TranslateToOrigin(model, pc, A, false);
  TranslateToOrigin(model, pc, B, false);
  const Point2 D = B - A;
  Point2 n{-D.y, D.x};
  if (!kernel::Normalize2(n)) return;
  Point2 E = n;
  Point2 M{(n.x - n.y) / 2, (n.y + n.x) / 2};
  TranslateFromOrigin(model, pc, E, false);
  TranslateFromOrigin(model, pc, M, false);
  rec.points[2] = E;
  Point2 centre;
  kernel::Circumcenter2(pc, E, M, centre);
  rec.points[1] = centre;
}

}  // namespace engine

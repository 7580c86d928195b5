#include "engine/curve_tables.h"

#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

constexpr Real kEqualCircleTolerance = static_cast<Real>(1e-5);
constexpr Real kArcAngleTolerance = static_cast<Real>(0.5);

bool Lists(const kernel::IndexList& list, int p) {
  return p >= 0 && p < kPointCapacity && kernel::IndexListFind(list, static_cast<std::uint16_t>(p)) >= 0;
}

bool CircleLists(const kernel::CircleRecord& c, int p) {
  for (int k = 0; k < c.count && k < kernel::kCirclePointCapacity; ++k) {
    if (c.points[k] == p) return true;
  }
  return false;
}

int FindCurveThrough(const std::vector<kernel::SegmentRecord>& curves, const std::vector<kernel::HypCurveRecord>& sides,
                     int last, const FigureTables& t, int l, int p) {
  if (p < 0 || p > t.last_point || l < 0 || l > t.last_line) return -1;
  for (int i = 0; i <= last; ++i) {
    if (curves[i].exists && sides[i].owner == l && Lists(curves[i].points, p)) return i;
  }
  return -1;
}

bool AppendToCurve(std::vector<kernel::SegmentRecord>& curves, int last, int p, int i) {
  if (i < 0 || i > last || !curves[i].exists || curves[i].points.count >= kCurvePointLimit) return false;
  kernel::IndexList& list = curves[i].points;
  list.entries[list.count++] = static_cast<std::uint16_t>(p);
  return true;
}

}  // namespace

int FindLineThrough(const FigureTables& t, int p, int q) {
  if (p < 0 || q < 0 || p > t.last_point || q > t.last_point || p == q) return -1;
  for (int i = 0; i <= t.last_line; ++i) {
    const kernel::SegmentRecord& line = t.lines[i];
    if (line.exists && Lists(line.points, p) && Lists(line.points, q)) return i;
  }
  return -1;
}

int FindCircle(const FigureTables& t, int c, int p, Real angle) {
  for (int i = 0; i <= t.last_circle; ++i) {
    const kernel::CircleRecord& circle = t.circles[i];
    if (!circle.exists || circle.centre != c || !CircleLists(circle, p)) continue;
    if (angle >= 0 && !(std::fabs(angle - circle.arc_angle) < kArcAngleTolerance)) continue;
    return i;
  }
  return -1;
}

int FindEqualCircle(const FigureTables& t, const GeometryModel& model, const Point2& centre, const Point2& onCircle) {
  const Real radius = Distance(model, centre, onCircle);
  for (int i = 0; i <= t.last_circle; ++i) {
    const kernel::CircleRecord& circle = t.circles[i];
    if (!circle.exists || circle.centre >= kPointCapacity) continue;
    if (Distance(model, t.xy[circle.centre], centre) < kEqualCircleTolerance &&
        std::fabs(t.circle_radius[i] - radius) < kEqualCircleTolerance) {
      return i;
    }
  }
  return -1;
}

int FindHypercycleThrough(const FigureTables& t, int l, int p) {
  return FindCurveThrough(t.hypercycle_points, t.hypercycles, t.last_hypercycle, t, l, p);
}

int FindHorocycleThrough(const FigureTables& t, int l, int p) {
  return FindCurveThrough(t.horocycle_points, t.horocycles, t.last_horocycle, t, l, p);
}

bool AddPointToLine(FigureTables& t, const GeometryModel& model, int dimension, int p, int i) {
  if (i < 0 || i > kLastLineLimit || p < 0 || p >= kPointCapacity) return false;
  kernel::SegmentRecord& line = t.lines[i];
  kernel::IndexList& list = line.points;
  const int n = list.count;
  if (!line.exists || n >= kCurvePointLimit || n < 1) return false;
  int position = n;
  if (dimension > 2) {
    position = 1;
  } else if (model.Hyperbolic && t.line_sides[i].shape == 0) {
    // Along the arc: the side of each listed point, seen from the arc's centre, against the new one.
    const Point2& o = t.line_sides[i].points[2];
    const Point2 u = t.xy[p] - o;
    const bool s = kernel::Cross2(t.xy[list.entries[0]] - o, t.xy[list.entries[n - 1]] - o) > 0;
    for (int k = 0; k < n; ++k) {
      if ((kernel::Cross2(u, t.xy[list.entries[k]] - o) > 0) == s) {
        position = k;
        break;
      }
    }
  } else {
    const Point2 d = t.xy[list.entries[n - 1]] - t.xy[list.entries[0]];
    const Real key = kernel::Dot2(d, t.xy[p]);
    for (int k = 0; k < n; ++k) {
      if (kernel::Dot2(d, t.xy[list.entries[k]]) > key) {
        position = k;
        break;
      }
    }
  }
  return kernel::IndexListInsert(list, static_cast<std::uint16_t>(p), position) >= 0;
}

bool AddPointToCircle(FigureTables& t, int p, int i) {
  if (i < 0 || i > t.last_circle) return false;
  kernel::CircleRecord& circle = t.circles[i];
  if (!circle.exists || circle.count >= kCurvePointLimit) return false;
  circle.points[circle.count++] = static_cast<std::uint16_t>(p);
  return true;
}

bool AddPointToHypercycle(FigureTables& t, int p, int i) {
  return AppendToCurve(t.hypercycle_points, t.last_hypercycle, p, i);
}

bool AddPointToHorocycle(FigureTables& t, int p, int i) {
  return AppendToCurve(t.horocycle_points, t.last_horocycle, p, i);
}

int StepTriangle(const FigureTables& t, const kernel::ConstructionRecord& step, std::array<int, 3>& vertices,
                 std::string& text, int& tag) {
  text.clear();
  for (int k = 0; k < 3; ++k) {
    const std::uint16_t op = step.operands[k];
    vertices[k] = op == kernel::kNoOperand ? -1 : op;
    if (!t.PointExists(vertices[k])) return kMsgCouldNotFind;
    t.AppendPointName(text, vertices[k]);
  }
  if (vertices[0] == vertices[1] || vertices[1] == vertices[2] || vertices[0] == vertices[2]) return kMsgDuplicateLabel;
  tag = t.CommonPointTag(vertices[0], vertices[1], vertices[2]);
  return 0;
}

}  // namespace engine

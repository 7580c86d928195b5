// Perpendiculars, parallels and feet through a point (kind 115), the common perpendicular of two
// lines (kind 139) and the two limiting parallels through a point of the hyperbolic plane
// (kind 119).
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordParallelTo = 209;
constexpr std::int16_t kWordPerpTo = 210;
constexpr Real kLineDirectionScale = static_cast<Real>(1.2345678910111213L);
constexpr Real kAxisStep = static_cast<Real>(2.718281828459045L);
constexpr Real kLimitingRayFraction = static_cast<Real>(0.693L);
constexpr Real kDiskCentreTolerance = static_cast<Real>(1e-13);

// Direction sources of kind 115 (the tens of the mode).
constexpr int kFromLine = 0;
constexpr int kFromXAxis = 1;
constexpr int kFromYAxis = 2;
constexpr int kFromVector = 4;
// What kind 115 draws (the units of the mode).
constexpr int kParallel = 2;
constexpr int kPerpendicular = 3;
constexpr int kFoot = 4;

// The first and last listed points of line i.
void LineEnds(const engine::FigureTables& t, int i, int& first, int& last) {
  const kernel::SegmentRecord& line = t.lines[i];
  first = line.points.entries[0];
  last = line.points.count >= 1 ? line.points.entries[line.points.count - 1] : first;
}

// The second point of kind 115 in the Euclidean plane; false when it has none.
bool EuclideanSecondPoint(int source, int shape, const Point2& p, const Point2& a, const Point2& b, const Point2& typed,
                          Point2& q) {
  if (source == kFromLine && shape == kFoot) return kernel::FootOnLine2(p, a, b, q);
  if (source == kFromLine || source == kFromVector) {
    Point2 d = source == kFromVector ? typed : kLineDirectionScale * (b - a);
    if (shape == kPerpendicular) d = {-d.y, d.x};
    q = p + d;
    return true;
  }
  const bool horizontal = (source == kFromXAxis) == (shape == kParallel);
  if (shape == kFoot) {
    q = source == kFromXAxis ? Point2{p.x, 0} : Point2{0, p.y};
  } else {
    q = horizontal ? Point2{p.x + kAxisStep, p.y} : Point2{p.x, p.y + kAxisStep};
  }
  return true;
}

}  // namespace

int TGeomC2Win::DoPerpendicularParallel(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1, 1};
  const int p = Op(step, 0);
  const int a = Op(step, 1);
  const int b = Op(step, 2);
  const int line = Op(step, 3);
  const int mode = Op(step, 4);
  const int source = mode / 10;
  const int shape = mode % 10;
  if (!e.tables.PointExists(p)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  Point2 typed;
  if (source == kFromVector) {
    if (const int code = EvaluateVectorText(e, step.text[2], typed); code != 0) return engine::FailStep(e, creates, code);
  }
  const bool alongLine = source == kFromLine;
  if (alongLine && (!e.tables.PointExists(a) || !e.tables.PointExists(b) || !LineExists(e.tables, line))) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (shape < kParallel || shape > kFoot || (source == kFromVector && shape == kFoot) ||
      (source != kFromLine && source != kFromXAxis && source != kFromYAxis && source != kFromVector)) {
    return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  }
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);

  int tag = e.tables.attrs[p].tag;
  if (alongLine && e.tables.attrs[a].tag != e.tables.attrs[b].tag) tag = -1;
  if (tag == 0) tag = -1;

  const Point2 pp = e.tables.xy[p];
  Point2 q;
  if (e.model.Hyperbolic) {
    // Through a point of the hyperbolic plane there is one perpendicular and one foot on a line.
    if (!alongLine || shape == kParallel ||
        engine::PerpendicularThrough(e.model, e.tables.xy[a], e.tables.xy[b], pp, q, static_cast<std::int16_t>(shape)) !=
            engine::kGeometryOk) {
      return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
    }
  } else {
    const Point2 pa = alongLine ? e.tables.xy[a] : Point2{};
    const Point2 pb = alongLine ? e.tables.xy[b] : Point2{};
    if (!EuclideanSecondPoint(source, shape, pp, pa, pb, typed, q)) {
      return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
    }
  }
  if (e.AddPoint(q, static_cast<std::uint16_t>(tag), -1) < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  const int qi = e.tables.last_point;
  e.AddLine(p, qi, PenFromOperands(step, 5));
  kernel::SegmentRecord& made = e.tables.lines[e.tables.last_line];
  if (shape != kFoot) made.extends_first = made.extends_second = 1;
  if (e.model.Hyperbolic) e.FillSideRecord2D(e.tables.last_line, p, qi);
  if (alongLine && shape == kFoot && !engine::AddPointToLine(e.tables, e.model, e.dimension, qi, line)) {
    return engine::kMsgNoMoreRoom;
  }
  const std::int16_t word = shape == kParallel ? kWordParallelTo : kWordPerpTo;
  if (source == kFromVector) {
    Describe(e, out, {10, 9, ' ', 5, word, ' ', '[', 3, ']', ' ', 30, 5});
  } else {
    Describe(e, out, {10, 9, ' ', 5, word, ' ', 3, ' ', 30, 5});
  }
  return 0;
}

int TGeomC2Win::DoPerpendicular(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{2, 1};
  const int l1 = Op(step, 0);
  const int l2 = Op(step, 1);
  if (!LineExists(e.tables, l1) || !LineExists(e.tables, l2)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  int a = 0;
  int b = 0;
  int c = 0;
  int d = 0;
  LineEnds(e.tables, l1, a, b);
  LineEnds(e.tables, l2, c, d);
  if (!e.tables.PointExists(a) || !e.tables.PointExists(b) || !e.tables.PointExists(c) || !e.tables.PointExists(d)) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  const Point2 pa = e.tables.xy[a];
  const Point2 pb = e.tables.xy[b];
  const Point2 pc = e.tables.xy[c];
  const Point2 pd = e.tables.xy[d];
  Point2 foot1;
  Point2 foot2;
  bool found = false;
  if (e.model.Hyperbolic) {
    found = engine::Perpendicular(e.model, pa, pb, pc, pd, foot1, foot2);
  } else {
    // Euclidean lines have a common perpendicular only when they are parallel (and distinct).
    Point2 u = pb - pa;
    Point2 w = pd - pc;
    if (kernel::Normalize2(u) && kernel::Normalize2(w) && std::fabs(kernel::Cross2(u, w)) < 1e-12L) {
      foot1 = pa;
      found = kernel::FootOnLine2(pa, pc, pd, foot2) && kernel::Dist2(foot1, foot2) > 0;
    }
  }
  if (!found) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);

  const int tag = e.tables.CommonPointTag(a, b, c, d);
  e.AddPoint(foot1, static_cast<std::uint16_t>(tag), -1);
  const int f1 = e.tables.last_point;
  e.AddPoint(foot2, static_cast<std::uint16_t>(tag), -1);
  const int f2 = e.tables.last_point;
  const bool listed = engine::AddPointToLine(e.tables, e.model, e.dimension, f1, l1) &&
                      engine::AddPointToLine(e.tables, e.model, e.dimension, f2, l2);
  e.AddLine(f1, f2, PenFromOperands(step, 3));
  kernel::SegmentRecord& made = e.tables.lines[e.tables.last_line];
  made.extends_first = made.extends_second = 1;
  if (e.model.Hyperbolic) e.FillSideRecord2D(e.tables.last_line, f1, f2);
  if (!listed) return engine::kMsgNoMoreRoom;
  if (out != nullptr) {
    e.tables.LineName(l1, step.text[0]);
    e.tables.LineName(l2, step.text[1]);
  }
  Describe(e, out, {4, 2, ' ', 5, kWordPerpTo, ' ', 1, ',', ' ', 2, ' ', 30, 3});
  return 0;
}

int TGeomC2Win::DoParallel(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{2, 2};
  const int p = Op(step, 0);
  const int a = Op(step, 1);
  const int b = Op(step, 2);
  const int line = Op(step, 3);
  if (!e.model.Hyperbolic || !e.tables.PointExists(p) || !e.tables.PointExists(a) || !e.tables.PointExists(b) ||
      !LineExists(e.tables, line)) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  // The line's ideal ends, in the disk.
  const Point2 pa = engine::DiskFromStored(e.model, e.tables.xy[a]);
  const Point2 pb = engine::DiskFromStored(e.model, e.tables.xy[b]);
  const Point2 pp = engine::DiskFromStored(e.model, e.tables.xy[p]);
  engine::GeodesicEnds ends{};
  bool straight = false;
  if (engine::DiskGeodesic(pa, pb, ends, straight) != engine::kGeometryOk) {
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  const int tag = e.tables.CommonPointTag(p, a, b);
  const kernel::LinePen pen = PenFromOperands(step, 4);
  std::array<int, 2> made{};
  for (int k = 0; k < 2; ++k) {
    // Carry P to the disk's centre: the ray toward the end becomes a radius.
    Point2 end = ends[k];
    Point2 q;
    if (kernel::Dist2(pp, {0, 0}) < kDiskCentreTolerance) {
      q = kLimitingRayFraction * end;
    } else {
      engine::TranslateToOrigin(engine::kPoincareDisk, pp, end, true);
      kernel::Normalize2(end);
      q = kLimitingRayFraction * end;
      engine::TranslateFromOrigin(engine::kPoincareDisk, pp, q, true);
    }
    e.AddPoint(engine::StoredFromDisk(e.model, q), static_cast<std::uint16_t>(tag), -1);
    made[k] = e.tables.last_point;
  }
  for (int k = 0; k < 2; ++k) {
    e.AddLine(p, made[k], pen);
    e.tables.lines[e.tables.last_line].extends_first = 1;
    e.FillSideRecord2D(e.tables.last_line, p, made[k]);
  }
  if (out != nullptr && step.text[0].empty()) e.tables.LineName(line, step.text[0]);
  Describe(e, out, {10, 6, static_cast<std::int16_t>(made[0]), ' ', 5, kWordParallelTo, ' ', 1, ';', ' ', 10, 6,
                    static_cast<std::int16_t>(made[1]), ' ', 5, kWordParallelTo, ' ', 1, ' ', 30, 4});
  return 0;
}

}  // namespace plane

// The intersection points of two objects of a plane figure: line and line (kind 103), line and
// circle (104), circle and circle (105). A computed point counts only where it lies on the drawn
// part of each object (a segment, a ray, an arc), unless Other > Autoextend is on; the line-circle
// and circle-circle steps reuse an existing point found at a computed place instead of doubling it.
// A failed step leaves one placeholder for each point it would have made.
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "engine/hyperbolic_constructions.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/conic_construction.h"
#include "kernel/conic_equation_records.h"
#include "kernel/construction_record.h"
#include "kernel/line_circle_records.h"
#include "kernel/line_conic.h"
#include "kernel/line_intersection2.h"
#include "kernel/plane_intersections.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"

namespace plane {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr int kMsgNoSuchSegment = 135;
constexpr int kMsgNoIntersection = 138;
constexpr std::int16_t kWordCircle = 201;
constexpr std::int16_t kWordIntersect = 203;
constexpr std::int16_t kWordAxis = 763;
constexpr std::int16_t kWordConic = 260;
// Degenerate conic data of a line-conic step.
constexpr int kMsgDegenerateConic = 30;
constexpr Real kConicTolerance = static_cast<Real>(1e-13);

// The conic forms of a line-conic step and the number of defining points each reads from
// operand 2 on.
enum ConicForm : int {
  kFociAndPoint = 0,
  kFocusDirectrixEccentricity = 1,
  kHyperbolaFociAndPoint = 2,
  kFocusDirectrix = 3,
  kFociEccentricity = 4,
  kFivePoints = 5,
  kEquation = 6,
};
constexpr std::array<int, 7> kFormPoints{3, 3, 3, 3, 2, 5, 0};
constexpr Real kOnSegmentTolerance = static_cast<Real>(1e-13);

int Operand(const kernel::ConstructionRecord& step, int i) { return static_cast<std::int16_t>(step.operands[i]); }

bool CircleUsable(const engine::FigureTables& t, int c) { return c >= 0 && c <= t.last_circle && t.circles[c].exists; }


// A line a step names by two points and an index: a line record, or an axis (index -10 the x
// axis, any other index below -9 the y axis).
struct StepLine {
  bool usable = false;
  bool axis = false;
  int index = -1;
  int p = -1;
  int q = -1;
  Point2 a;
  Point2 b;
};

StepLine ReadStepLine(const engine::FigureTables& t, int p, int q, int index) {
  StepLine line;
  line.index = index;
  if (index <= -10) {
    line.usable = true;
    line.axis = true;
    line.a = {0, 0};
    line.b = index == -10 ? Point2{1, 0} : Point2{0, 1};
    return line;
  }
  if (index < 0 || index > t.last_line || !t.lines[index].exists) return line;
  if (!t.PointExists(p) || !t.PointExists(q)) return line;
  line.usable = true;
  line.p = p;
  line.q = q;
  line.a = t.xy[p];
  line.b = t.xy[q];
  return line;
}

// The line's name in a description: the axis name, or its two defining points' names.
std::string StepLineName(const engine::StepEngine& e, const StepLine& line) {
  std::string text;
  if (line.axis) {
    text = line.index == -10 ? "x " : "y ";
    text += e.words(kWordAxis);
    return text;
  }
  e.tables.AppendPointName(text, line.p);
  e.tables.AppendPointName(text, line.q);
  return text;
}

}  // namespace

bool TGeomC2Win::PointOnLinePart(int line, const Point2& p) const { return autoExtend || OnDrawnLinePart(line, p); }

bool TGeomC2Win::OnDrawnLinePart(int line, const Point2& p) const {
  const engine::FigureTables& t = stepEngine.tables;
  if (line < 0 || line > t.last_line) return false;
  const kernel::SegmentRecord& r = t.lines[line];
  // The first extension byte continues the line past its last listed point, the second past its
  // first one.
  const bool pastLast = r.extends_first != 0;
  const bool pastFirst = r.extends_second != 0;
  if (pastLast && pastFirst) return true;
  if (r.points.count < 1) return false;
  const Point2& a = t.xy[r.points.entries[0]];
  const Point2& b = t.xy[r.points.entries[r.points.count - 1]];
  const bool straight = !model().Hyperbolic || t.line_sides[line].shape != 0;
  if (straight) {
    if (!pastLast && !pastFirst) return kernel::Dot2(p - a, p - b) < kOnSegmentTolerance;
    if (pastLast) return kernel::Dot2(b - a, p - a) >= 0 || kernel::TaxiDist2(p, a) < kOnSegmentTolerance;
    return kernel::Dot2(b - a, p - b) <= 0 || kernel::TaxiDist2(p, b) < kOnSegmentTolerance;
  }
  // A geodesic drawn as an arc: P must lie in the angle at the arc's centre between its drawn ends.
  const kernel::HypCurveRecord& side = t.line_sides[line];
  const Point2& c = side.points[2];
  const Point2 s = (pastFirst ? side.points[0] : a) - c;
  const Point2 e = (pastLast ? side.points[1] : b) - c;
  return kernel::Cross2(s, p - c) * kernel::Cross2(e, p - c) <= 0;
}

bool TGeomC2Win::PointOnCircleArc(int circle, const Point2& p) const {
  const engine::FigureTables& t = stepEngine.tables;
  if (!CircleUsable(t, circle)) return false;
  const kernel::CircleRecord& r = t.circles[circle];
  if (r.full_circle != 0) return true;
  if (r.count < 1) return false;
  const Point2& centre = t.xy[r.centre];
  const Point2& first = t.xy[r.points[0]];
  Real a = 0;
  if (model().Hyperbolic) {
    a = engine::AngleAt(model(), first, centre, p);
  } else {
    const Point2 u = first - centre;
    const Point2 v = p - centre;
    a = std::atan2(kernel::Cross2(u, v), kernel::Dot2(u, v));
  }
  a *= 180 / std::numbers::pi_v<Real>;
  if (r.arc_angle > 0 && a < 0) a += 360;
  if (r.arc_angle <= 0 && a > 0) a -= 360;
  return std::fabs(a) < std::fabs(r.arc_angle);
}

int TGeomC2Win::DoIntersection103(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  const StepLine l1 = ReadStepLine(t, Operand(step, 0), Operand(step, 1), Operand(step, 4));
  const StepLine l2 = ReadStepLine(t, Operand(step, 2), Operand(step, 3), Operand(step, 5));
  if (!l1.usable || !l2.usable) return engine::FailStep(e, creates, kMsgNoSuchSegment);

  Point2 x;
  int warning = 0;
  if (!model().Hyperbolic) {
    if (kernel::IntersectLines2Point(l1.a, l1.b, l2.a, l2.b, x) != kernel::kLinesMeet) {
      return engine::FailStep(e, creates, kMsgNoIntersection);
    }
    for (const StepLine* l : {&l1, &l2}) {
      if (!l->axis && !PointOnLinePart(l->index, x)) return engine::FailStep(e, creates, kMsgNoIntersection);
    }
  } else {
    if (const int code = engine::LineLineIntersect(model(), l1.a, l1.b, l2.a, l2.b, x); code != 0) {
      return engine::FailStep(e, creates, code);
    }
    for (const StepLine* l : {&l1, &l2}) {
      if (l->axis) continue;
      if (OnDrawnLinePart(l->index, x)) continue;
      if (!autoExtend) return engine::FailStep(e, creates, kMsgNoIntersection);
      warning = -2;
    }
  }

  std::vector<int> defining;
  for (const StepLine* l : {&l1, &l2}) {
    if (l->axis) continue;
    defining.push_back(l->p);
    defining.push_back(l->q);
  }
  defining.resize(4, -1);
  const int tag = t.CommonPointTag(defining[0], defining[1], defining[2], defining[3]);
  if (e.AddPoint(x, static_cast<std::uint16_t>(tag), -1) < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  const int point = t.last_point;
  int result = warning;
  for (const StepLine* l : {&l1, &l2}) {
    if (!l->axis && !AddPointToLine(point, l->index)) result = engine::kMsgNoMoreRoom;
  }
  if (result == 0 && !InView(x)) result = -1;

  if (out != nullptr) {
    step.text[1] = StepLineName(e, l1);
    step.text[2] = StepLineName(e, l2);
    static constexpr std::array<std::int16_t, 11> kTemplate{9, ' ', '=', ' ', 2, ' ', 5, kWordIntersect, ' ', 3,
                                                            engine::kTemplateEnd};
    e.ExpandTemplate(out, kTemplate);
  }
  return result;
}

int TGeomC2Win::DoLineCircleIntersection(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates two{2};
  if (const int code = engine::CheckRoom(t, two); code != 0) return engine::FailStep(e, two, code);
  const StepLine line = ReadStepLine(t, Operand(step, 0), Operand(step, 1), Operand(step, 4));
  const int centre = Operand(step, 2);
  const int onCircle = Operand(step, 3);
  const int circle = Operand(step, 5);
  if (!line.usable || !t.PointExists(centre) || !t.PointExists(onCircle) || !CircleUsable(t, circle)) {
    return engine::FailStep(e, two, engine::kMsgCouldNotFind);
  }

  std::array<Point2, 2> found{};
  bool met = false;
  if (!model().Hyperbolic) {
    const Real radius = kernel::Dist2(t.xy[centre], t.xy[onCircle]);
    met = kernel::IntersectLineCircle2(line.a, line.b, t.xy[centre], radius, found) != kernel::kNoPoint;
  } else {
    met = engine::LineCircleIntersect(model(), line.a, line.b, t.xy[centre], t.xy[onCircle], found) !=
          engine::kNoSolution;
  }
  std::array<bool, 2> valid{};
  for (int i = 0; i < 2; ++i) {
    valid[i] = met && PointOnCircleArc(circle, found[i]) && (line.axis || PointOnLinePart(line.index, found[i]));
  }
  if (!valid[0] && !valid[1]) return engine::FailStep(e, two, engine::kMsgCouldNotFind);

  const int tag = line.axis ? t.CommonPointTag(centre, onCircle) : t.CommonPointTag(line.p, line.q, centre, onCircle);
  const int known = Operand(step, 6);
  const Real tolerance = ReuseTolerance();
  std::array<int, 2> made{-1, -1};
  int result = 0;
  for (int i = 0; i < 2; ++i) {
    if (!valid[i]) {
      e.AdjustTables(1, 0, 0);
      continue;
    }
    if (t.PointExists(known) && kernel::Dist2(t.xy[known], found[i]) < tolerance) {
      made[i] = known;
      e.AdjustTables(1, 0, 0);
      continue;
    }
    if (e.AddPoint(found[i], static_cast<std::uint16_t>(tag), -1) < 0) {
      result = engine::kMsgNoMoreRoom;
      continue;
    }
    made[i] = t.last_point;
    if (!AddPointToCircle(made[i], circle)) result = engine::kMsgNoMoreRoom;
    if (!line.axis && !AddPointToLine(made[i], line.index)) result = engine::kMsgNoMoreRoom;
  }

  if (out != nullptr) {
    step.text[2] = StepLineName(e, line);
    std::vector<std::int16_t> items;
    for (int p : made) {
      if (p >= 0) items.insert(items.end(), {6, static_cast<std::int16_t>(p)});
    }
    items.insert(items.end(), {' ', '=', ' ', 3, ' ', 5, kWordIntersect, ' ', 5, kWordCircle, ' ', 12, 6,
                               static_cast<std::int16_t>(onCircle), engine::kTemplateEnd});
    e.ExpandTemplate(out, items);
  }
  return result;
}

int TGeomC2Win::DoCircleCircleIntersection(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates two{2};
  if (const int code = engine::CheckRoom(t, two); code != 0) return engine::FailStep(e, two, code);
  std::array<int, 4> points{};
  for (int i = 0; i < 4; ++i) points[i] = Operand(step, i);
  const int c1 = Operand(step, 4);
  const int c2 = Operand(step, 5);
  for (int p : points) {
    if (!t.PointExists(p)) return engine::FailStep(e, two, engine::kMsgCouldNotFind);
  }
  if (!CircleUsable(t, c1) || !CircleUsable(t, c2)) return engine::FailStep(e, two, engine::kMsgCouldNotFind);

  // Two circles that already share two listed points have nothing left to meet in.
  std::array<std::uint16_t, 2> common{};
  const kernel::CircleRecord& r1 = t.circles[c1];
  const kernel::CircleRecord& r2 = t.circles[c2];
  const int shared = kernel::IndexListsCommon(std::span(r1.points.data(), static_cast<std::size_t>(r1.count)),
                                              std::span(r2.points.data(), static_cast<std::size_t>(r2.count)), common);
  if (shared >= 2) return engine::FailStep(e, two, engine::kMsgCouldNotFind);

  std::array<Point2, 4> q{};
  for (int i = 0; i < 4; ++i) q[i] = t.xy[points[i]];
  if (model().Hyperbolic) {
    // Each circle as drawn: its Euclidean centre in the model, through the same point.
    engine::CircleModelCentre(model(), t.xy[points[0]], t.xy[points[1]], q[0]);
    engine::CircleModelCentre(model(), t.xy[points[2]], t.xy[points[3]], q[2]);
  }
  std::array<Point2, 2> found{};
  const int code = kernel::IntersectCircles2(q[0], q[1], q[2], q[3], found);
  if (code == kernel::kCirclesApart) return engine::FailStep(e, two, engine::kMsgCouldNotFind);

  const int tag = t.CommonPointTag(points[0], points[1], points[2], points[3]);
  const Real tolerance = ReuseTolerance();
  const std::array<int, 2> near{t.FindPointNear(found[0].x, found[0].y, tolerance),
                                t.FindPointNear(found[1].x, found[1].y, tolerance)};
  std::array<int, 2> made{-1, -1};
  int result = 0;
  for (int i = 0; i < 2; ++i) {
    if (i == 1 && code == kernel::kCirclesTouch) {
      e.AdjustTables(1, 0, 0);
      continue;
    }
    if (near[i] >= 0 && shared >= 1) {
      made[i] = near[i];
      e.AdjustTables(1, 0, 0);
      continue;
    }
    if (e.AddPoint(found[i], static_cast<std::uint16_t>(tag), -1) < 0) {
      result = engine::kMsgNoMoreRoom;
      continue;
    }
    made[i] = t.last_point;
    if (!AddPointToCircle(made[i], c1) || !AddPointToCircle(made[i], c2)) result = engine::kMsgNoMoreRoom;
  }

  if (out != nullptr) {
    std::vector<std::int16_t> items;
    for (int p : made) {
      if (p >= 0) items.insert(items.end(), {6, static_cast<std::int16_t>(p)});
    }
    items.insert(items.end(), {' ', '=', ' ', 5, kWordCircle, ' ', 10, 11, ' ', 5, kWordIntersect, ' ', 5,
                               kWordCircle, ' ', 12, 6, static_cast<std::int16_t>(points[3]), engine::kTemplateEnd});
    e.ExpandTemplate(out, items);
  }
  return result;
}

int TGeomC2Win::DoLineCurveIntersection(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates two{2};
  if (const int code = engine::CheckRoom(t, two); code != 0) return engine::FailStep(e, two, code);
  const StepLine line = ReadStepLine(t, Operand(step, 0), Operand(step, 1), Operand(step, 8));
  const int givenForm = Operand(step, 7);
  if (!line.usable || givenForm < kFociAndPoint || givenForm > kEquation) {
    return engine::FailStep(e, two, engine::kMsgCouldNotFind);
  }
  const int defining = kFormPoints[givenForm];
  std::array<Point2, 5> q{};
  for (int i = 0; i < defining; ++i) {
    const int p = Operand(step, 2 + i);
    if (!t.PointExists(p)) return engine::FailStep(e, two, engine::kMsgCouldNotFind);
    q[i] = t.xy[p];
  }

  int form = givenForm;
  Real ecc = 1;
  if (form == kFocusDirectrixEccentricity || form == kFociEccentricity) {
    if (const int code = e.Evaluate(step.text[0], ecc); code != 0) return engine::FailStep(e, two, code);
  }
  if (form == kFociAndPoint || form == kHyperbolaFociAndPoint) {
    const Real d = kernel::Dist2(q[0], q[1]);
    const Real d1 = kernel::Dist2(q[2], q[0]);
    const Real d2 = kernel::Dist2(q[2], q[1]);
    const Real sum = form == kFociAndPoint ? d1 + d2 : std::fabs(d1 - d2);
    if (sum < kConicTolerance) return engine::FailStep(e, two, kMsgDegenerateConic);
    ecc = d / sum;
  }
  if (form == kFociEccentricity) {
    if (std::fabs(1 - ecc) < kConicTolerance) return engine::FailStep(e, two, kMsgDegenerateConic);
    form = ecc >= 1 ? kHyperbolaFociAndPoint : kFociAndPoint;
  }

  kernel::LineConicBlock block;
  block.p = line.a;
  block.q = line.b;
  if (form == kFocusDirectrixEccentricity || form == kFocusDirectrix) {
    // The focus first, then the directrix: the kernels read the directrix first.
    block.conic_points = {q[1], q[2], q[0], Point2{}, Point2{}};
    if (form == kFocusDirectrixEccentricity && std::fabs(ecc - 1) >= kConicTolerance) {
      kernel::FocalTriple triple{q[1], q[2], q[0]};
      if (!kernel::FocusDirectrixToFoci(triple, ecc)) return engine::FailStep(e, two, kMsgDegenerateConic);
      form = ecc < 1 ? kFociAndPoint : kHyperbolaFociAndPoint;
      block.conic_points = {triple[0], triple[1], triple[2], Point2{}, Point2{}};
    }
  } else {
    block.conic_points = q;
  }

  int count = 0;
  if (form == kFivePoints) {
    count = kernel::IntersectLineWithFivePointConic(block);
  } else if (form == kEquation) {
    std::array<Real, 6> coef{};
    if (const int code = EvaluateConicEquation(kernel::JoinConstructionText(step), coef); code != 0) {
      return engine::FailStep(e, two, code);
    }
    count = kernel::LineConicIntersection(coef, block);
  } else {
    const std::int16_t kind = form == kFociAndPoint         ? kernel::kConicEllipse
                              : form == kHyperbolaFociAndPoint ? kernel::kConicHyperbola
                                                               : kernel::kConicParabola;
    count = kernel::IntersectLineWithConicKind(block, kind, ecc);
  }
  const std::array<Point2, 2> found{block.first, block.second};
  std::array<bool, 2> valid{};
  for (int i = 0; i < 2; ++i) valid[i] = i < count && (line.axis || PointOnLinePart(line.index, found[i]));
  if (!valid[0] && !valid[1]) return engine::FailStep(e, two, engine::kMsgCouldNotFind);

  int tag = -1;
  if (!line.axis) {
    const auto conicPoint = [&](int i) { return i < defining ? Operand(step, 2 + i) : -1; };
    tag = t.CommonPointTag(line.p, line.q, conicPoint(0), conicPoint(1), conicPoint(2));
    if (givenForm == kFivePoints && (t.CommonPointTag(Operand(step, 5), Operand(step, 6)) != tag)) tag = -1;
  }
  std::array<int, 2> made{-1, -1};
  int result = 0;
  for (int i = 0; i < 2; ++i) {
    if (!valid[i]) {
      e.AdjustTables(1, 0, 0);
      continue;
    }
    if (e.AddPoint(found[i], static_cast<std::uint16_t>(tag), -1) < 0) {
      result = engine::kMsgNoMoreRoom;
      continue;
    }
    made[i] = t.last_point;
    if (!line.axis && !AddPointToLine(made[i], line.index)) result = engine::kMsgNoMoreRoom;
  }

  if (out != nullptr) {
    std::string& text = *out;
    text.clear();
    for (int p : made) {
      if (p >= 0) t.AppendPointName(text, p);
    }
    // An equation step keeps its coefficients in its texts: its line name is not stored there.
    const std::string lineName = StepLineName(e, line);
    if (givenForm != kEquation) step.text[2] = lineName;
    text += " = " + lineName + " intersect " + e.words(kWordConic) + " ";
    if (givenForm == kEquation) {
      kernel::CoefficientTexts texts;
      kernel::SplitSixStrings(texts, kernel::JoinConstructionText(step));
      kernel::FormatConicEquation(text, texts);
    } else {
      for (int i = 0; i < defining; ++i) t.AppendPointName(text, Operand(step, 2 + i));
    }
  }
  return result;
}

Real TGeomC2Win::ReuseTolerance() const { return static_cast<Real>(0.001) * mapping.unitsPerPixelX; }

}  // namespace plane

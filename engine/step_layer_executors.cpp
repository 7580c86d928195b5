// The step kinds the step layer executes itself, alike in every geometry window: triangles and
// quadrilaterals from data, circles, segments, lines and rays, points on lines, circles and
// polygons, labels, deletions and attributes.

#include <algorithm>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/label_parsing.h"
#include "kernel/labels.h"
#include "kernel/line_intersection2.h"
#include "kernel/plane_primitives.h"
#include "kernel/points_on_curves.h"
#include "kernel/triangle_solvers.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

using kernel::kNoOperand;
using Items = std::initializer_list<std::int16_t>;

constexpr Real kDegree = static_cast<Real>(0.017453292519943295);

std::int16_t Op(const kernel::ConstructionRecord& step, int n) { return static_cast<std::int16_t>(step.operands[n]); }

kernel::LinePen PenFromOperands(const kernel::ConstructionRecord& step, int first) {
  return {static_cast<std::uint16_t>(step.operands[first] + 1), static_cast<std::uint16_t>(step.operands[first + 1] + 1),
          static_cast<std::uint16_t>(step.operands[first + 2] + 1)};
}

void Expand(StepEngine& engine, std::string* out, Items items) {
  if (out == nullptr) return;
  std::vector<std::int16_t> list(items);
  list.push_back(kTemplateEnd);
  engine.ExpandTemplate(out, list);
}

// The point at parameter t on hypercycle h (kernel/points_on_curves.h), walked in the disk: in the
// half-plane its ends and point are taken to the disk and the point found there comes back.
Point2 PointOnHypercycleAt(const GeometryModel& model, const FigureTables& tables, int h, Real t) {
  kernel::HypCurveRecord curve = tables.hypercycles[h];
  const int defining = curve.index1 < kPointCapacity ? curve.index1 : 0;
  Point2 point = tables.xy[defining];
  if (!model.HalfPlane) return kernel::PointOnHypercycle(curve, point, t);
  for (int k = 0; k < 2; ++k) HalfPlaneToDisk(curve.points[k]);
  HalfPlaneToDisk(point);
  curve.shape = kernel::Circumcenter2(curve.points[0], point, curve.points[1], curve.points[2]) ? 0 : 1;
  Point2 p = kernel::PointOnHypercycle(curve, point, t);
  DiskToHalfPlane(p);
  return p;
}

std::string LabelText(int label) {
  std::string name;
  kernel::FormatLabel(label, name);
  return name;
}

}  // namespace

int StepEngine::DoTriangleFromData(std::string* out) {
  kernel::ConstructionRecord& step = *history.current;
  const int kind = step.kind;
  auto reserve = [&](int result) {
    AdjustTables(3, 3, 0);
    return result;
  };
  std::string texts[3];
  StepTexts(texts[0], texts[1], texts[2]);
  for (int k = 0; k < 3; ++k) {
    if (kind == 67 && k == 1) continue;  // hypotenuse and leg: the second text is not typed
    if (Evaluate(texts[k], step.parameters[k]) != 0) return reserve(kMsgCannotUnderstand);
  }
  Real& a = step.parameters[0];
  Real& b = step.parameters[1];
  Real& c = step.parameters[2];
  if (a < kernel::NullTolerance || c < kernel::NullTolerance || (kind != 52 && kind != 67 && b < kernel::NullTolerance)) {
    return reserve(kMsgPositiveValue);
  }
  std::uint16_t& code = step.operands[20];
  const bool hyperbolic = model.Hyperbolic;
  const bool spherical = model.Spherical;
  int solved = 0;
  if (kind == 67) {
    // Hypotenuse and leg: solved as three sides with b the other leg.
    if (spherical) {
      if (std::cos(c) < kernel::NullTolerance || std::cos(c) < std::cos(a) + kernel::NullTolerance) {
        return reserve(kMsgInconsistentData);
      }
      b = std::acos(std::cos(a) / std::cos(c));
    } else if (hyperbolic) {
      const Real d = std::cosh(a) * std::cosh(a) - std::cosh(c) * std::cosh(c);
      if (d < kernel::NullTolerance) return reserve(kMsgInconsistentData);
      b = std::log(std::cosh(a) + std::sqrt(d)) - std::log(std::cosh(c));
    } else {
      const Real d = a * a - c * c;
      if (d < kernel::NullTolerance) return reserve(kMsgInconsistentData);
      b = std::sqrt(d);
    }
  }
  switch (kind) {
    case 50:  // three angles
      if (hyperbolic) {
        solved = executors().SolveTriangleAAAHyperbolic();
      } else if (spherical) {
        solved = executors().SolveTriangleAAASpherical();
      } else {
        return reserve(kMsgInconsistentData);  // three angles fix no Euclidean triangle
      }
      break;
    case 51:  // angle, side, angle
      a *= kDegree;
      c *= kDegree;
      if (a + c + kernel::NullTolerance > kernel::Pi) return reserve(kMsgOutOfBounds);
      if (hyperbolic) {
        executors().SolveTriangleASAHyperbolic();
      } else if (spherical) {
        executors().SolveTriangleASASpherical();
      } else {
        executors().SolveTriangleASA();
      }
      break;
    case 52: {  // side, angle, side
      b *= kDegree;
      if (hyperbolic) {
        solved = executors().SolveTriangleSASHyperbolic(false);
      } else if (spherical) {
        solved = executors().SolveTriangleSASSpherical(false);
      } else {
        const Real k = std::cos(b);
        if (k + kernel::SnapTolerance <= 1 && k + 1 >= kernel::SnapTolerance) {
          b = std::sqrt(c * c + a * a - 2 * k * c * a);
        } else if (std::fabs(k - 1) <= kernel::SnapTolerance) {
          b = std::fabs(a - c);
          code = a > c ? kernel::kFlatThirdBetween : kernel::kFlatSecondBetween;
        } else {
          b = a + c;
          code = kernel::kFlatFirstBetween;
        }
        solved = executors().SolveTrianglePlane();
      }
      break;
    }
    default: {  // three sides, hypotenuse and leg
      const Real d[3] = {a - b - c, b - c - a, c - a - b};
      const std::uint16_t flat[3] = {kernel::kFlatThirdBetween, kernel::kFlatFirstBetween,
                                     kernel::kFlatSecondBetween};
      for (int k = 0; k < 3; ++k) {
        if (d[k] > kernel::NullTolerance) return reserve(kMsgInconsistentData);
        if (std::fabs(d[k]) <= kernel::NullTolerance) code = flat[k];
      }
      if (hyperbolic) {
        solved = executors().SolveTriangleSSSHyperbolic();
      } else if (spherical) {
        solved = executors().SolveTriangleSSSSpherical();
      } else {
        solved = executors().SolveTrianglePlane();
      }
      break;
    }
  }
  if (solved > 0) return reserve(solved);
  ++figure_counter;
  SetLineStyle(step.operands[3], step.operands[4], step.operands[5]);
  const int added = AddPolygon(3, figure_counter, 1);
  if (added != 0) return reserve(added);
  if (kind == 67) {
    Expand(*this, out, {4, 3, ' ', '=', ' ', 5, 856, '(', 1, ',', 3, ')', ' ', 30, 3});
  } else {
    Expand(*this, out, {4, 3, ' ', '=', ' ', 5, static_cast<std::int16_t>(800 + kind), '(', 1, ',', 2, ',', 3, ')',
                        ' ', 30, 3});
  }
  return 0;
}

int StepEngine::DoSpecialQuadrilateral(std::string* out) {
  kernel::ConstructionRecord& step = *history.current;
  const int kind = step.kind;
  auto reserve = [&](int result) {
    AdjustTables(4, 4, 0);
    return result;
  };
  std::string texts[3];
  StepTexts(texts[0], texts[1], texts[2]);
  for (int k = 0; k < 3; ++k) {
    if (Evaluate(texts[k], step.parameters[k]) != 0) return reserve(kMsgCannotUnderstand);
  }
  if (step.parameters[0] < kernel::NullTolerance || step.parameters[1] < kernel::NullTolerance) {
    return reserve(kMsgPositiveValue);
  }
  step.parameters[1] *= kDegree;
  if (step.parameters[1] + kernel::NullTolerance > kernel::Pi) return reserve(kMsgOutOfBounds);
  step.parameters[3] = 0;
  step.parameters[4] = 0;
  if (model.Hyperbolic) {
    executors().SolveTriangleSASHyperbolic(true);
  } else if (model.Spherical) {
    executors().SolveTriangleSASSpherical(true);
  } else {
    executors().RandomFigureHook(static_cast<std::uint16_t>(kind));
  }
  ++figure_counter;
  SetLineStyle(step.operands[3], step.operands[4], step.operands[5]);
  const int added = AddPolygon(4, figure_counter, 1);
  if (added != 0) return reserve(added);
  const std::int16_t word = kind == 56 ? 194 : kind == 58 ? 195 : 200;
  Expand(*this, out, {4, 4, ' ', '=', ' ', 5, 852, ' ', 5, word, ' ', '(', 1, ',', 2, ',', 3, ')', ' ', 30, 3});
  return 0;
}

int StepEngine::DoCircleCenterPoint(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  if (tables.last_circle >= kLastCircleLimit) return kMsgNoMoreRoom;
  const int centre = Op(step, 0);
  const int point = Op(step, 1);
  if (!tables.PointExists(centre) || !tables.PointExists(point)) {
    AdjustTables(0, 0, 1);
    return kMsgCouldNotFind;
  }
  const int c = ++tables.last_circle;
  kernel::CircleRecord& circle = tables.circles[c];
  kernel::InitCircleRecord(circle, static_cast<std::uint16_t>(centre), static_cast<std::int16_t>(point), 360, -1, -1);
  circle.pen = PenFromOperands(step, 3);
  if (model.Spherical && tables.sphere_frames.allocated()) {
    FillCircleFrame(tables.xyz[centre], tables.xyz[point], tables.sphere_frames.circles[c]);
  }
  if (dimension > 2) {
    const Point3 d{tables.xyz[point].x - tables.xyz[centre].x, tables.xyz[point].y - tables.xyz[centre].y,
                   tables.xyz[point].z - tables.xyz[centre].z};
    tables.circle_radius[c] = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
  } else {
    tables.circle_radius[c] = Distance(model, tables.xy[centre], tables.xy[point]);
  }
  Expand(*this, out, {10, 11, ' ', '=', ' ', 5, 201, ' ', 30, 3});
  return 0;
}

int StepEngine::DoDivisionPoint(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  std::string text = static_cast<std::int16_t>(step.operands[8]) >= 0 ? kernel::JoinConstructionText(step) : step.text[0];
  Real t = 0;
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  if (Evaluate(text, t) != 0) {
    AdjustTables(1, 0, 0);
    return kMsgCannotUnderstand;
  }
  if (!tables.PointExists(a) || !tables.PointExists(b)) {
    AdjustTables(1, 0, 0);
    return kMsgCouldNotFind;
  }
  const Point2 p = executors().PlacePointOnSegment(tables.xy[a], tables.xy[b], t);
  if (AddPoint(p, 0, -1) < 0) return kMsgNoMoreRoom;
  Expand(*this, out, {9, ' ', 5, 202, ' ', 5, 189, ' ', 10, 11, ' ', 5, 179, ' ', 1});
  return 0;
}

int StepEngine::DoPointOnCircleAtAngle(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  Real angle = 0;
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  if (Evaluate(step.text[0], angle) != 0) {
    AdjustTables(1, 0, 0);
    return kMsgCannotUnderstand;
  }
  if (!tables.PointExists(a) || !tables.PointExists(b)) {
    AdjustTables(1, 0, 0);
    return kMsgCouldNotFind;
  }
  const Point2 p = executors().PlacePointOnCircle(tables.xy[a], tables.xy[b], angle * kDegree);
  if (AddPoint(p, 0, -1) < 0) return kMsgNoMoreRoom;
  Expand(*this, out, {9, ' ', 5, 202, ' ', 5, 201, ' ', 10, 11, ' ', 5, 179, ' ', 1, ' ', 5, 199});
  return 0;
}

int StepEngine::DoSegmentLineRay(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  if (!tables.PointExists(a) || !tables.PointExists(b)) {
    AdjustTables(0, 1, 0);
    return kMsgCouldNotFind;
  }
  if (AddLine(a, b, PenFromOperands(step, 3)) != 0) return kMsgNoMoreRoom;
  kernel::SegmentRecord& line = tables.lines[tables.last_line];
  line.extends_first = (step.kind == 116 || step.kind == 117) ? 1 : 0;
  line.extends_second = step.kind == 116 ? 1 : 0;
  if (model.Hyperbolic) FillSideRecord2D(tables.last_line, a, b);
  if (model.Spherical && tables.sphere_frames.allocated()) {
    FillLineFrame(tables.xyz[a], tables.xyz[b], tables.sphere_frames.lines[tables.last_line]);
  }
  const std::int16_t word = step.kind == 111 ? 189 : step.kind == 116 ? 216 : 217;
  Expand(*this, out, {5, word, ' ', 10, 11, ' ', 30, 3});
  return 0;
}

int StepEngine::DoToggleExtension(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int end = Op(step, 0);
  const int i = Op(step, 1);
  if (i < 0 || i > tables.last_line || !tables.lines[i].exists) return kMsgNoSuchLine;
  kernel::SegmentRecord& line = tables.lines[i];
  bool now_set = false;
  if (model.Spherical) {
    line.extends_first = line.extends_second = line.extends_first ? 0 : 1;
    now_set = line.extends_first != 0;
  } else if (end >= 1) {
    line.extends_first = line.extends_first ? 0 : 1;
    now_set = line.extends_first != 0;
  } else {
    line.extends_second = line.extends_second ? 0 : 1;
    now_set = line.extends_second != 0;
  }
  if (out == nullptr) return 0;
  const int count = std::clamp<int>(line.points.count, 1, kernel::kLinePointCapacity);
  std::int16_t p = static_cast<std::int16_t>(line.points.entries[0]);
  std::int16_t q = static_cast<std::int16_t>(line.points.entries[count - 1]);
  if (end < 0) std::swap(p, q);
  Expand(*this, out, {5, static_cast<std::int16_t>(now_set ? 205 : 206), ' ', 6, p, 6, q});
  return 0;
}

int StepEngine::ApplyRelabel(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int old_label = step.operands[0];
  const int point = step.operands[1];
  const int new_label = step.operands[2];
  if (old_label >= kPointCapacity || new_label >= kPointCapacity || point < 0 || point >= kPointCapacity) {
    return kMsgCannotUnderstand;
  }
  if (tables.label_map[old_label] == point) tables.FreeLabel(old_label);
  tables.label_map[new_label] = static_cast<std::int16_t>(point);
  tables.names[point].label = static_cast<std::uint16_t>(new_label);
  if (out != nullptr) {
    const std::string word = words(120);
    *out = word + " " + LabelText(old_label) + " ---> " + word + " " + LabelText(new_label);
  }
  return 0;
}

int StepEngine::SwapLabels(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int i = step.operands[0];
  const int j = step.operands[1];
  if (i >= kPointCapacity || j >= kPointCapacity) return kMsgCannotUnderstand;
  const std::uint16_t li = tables.names[i].label;
  const std::uint16_t lj = tables.names[j].label;
  if (out != nullptr) {
    const std::string word = words(120);
    *out = word + " " + LabelText(li) + " <---> " + word + " " + LabelText(lj);
  }
  tables.names[i].label = lj;
  tables.names[j].label = li;
  if (li < kPointCapacity) tables.label_map[li] = static_cast<std::int16_t>(j);
  if (lj < kPointCapacity) tables.label_map[lj] = static_cast<std::int16_t>(i);
  return 0;
}

int StepEngine::DoApollonianCircle(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  auto reserve = [&](int result) {
    AdjustTables(3, 0, 1);
    return result;
  };
  if (tables.last_circle >= kLastCircleLimit) return kMsgNoMoreRoom;
  Real ratio = 0;
  if (Evaluate(step.text[0], ratio) != 0) return reserve(kMsgCannotUnderstand);
  if (!tables.PointExists(a) || !tables.PointExists(b)) return reserve(kMsgCouldNotFind);
  if (ratio < kernel::NullTolerance || std::fabs(ratio - 1) < kernel::NullTolerance ||
      Dist2(tables.xy[a], tables.xy[b]) < kernel::NullTolerance) {
    return reserve(kMsgCouldNotFind);  // no circle: the points coincide or the ratio is 1
  }
  Point2 centre, inner, outer;
  Real radius = 0;
  kernel::ApolloniusCircle(tables.xy[a], tables.xy[b], ratio, centre, inner, outer, radius);
  const std::uint16_t tag = static_cast<std::uint16_t>(tables.CommonPointTag(a, b));
  if (AddPoint(inner, tag, -1) < 0 || AddPoint(outer, tag, -1) < 0 || AddPoint(centre, tag, -1) < 0) {
    return kMsgNoMoreRoom;
  }
  const int last = tables.last_point;
  const int c = ++tables.last_circle;
  kernel::InitCircleRecord(tables.circles[c], static_cast<std::uint16_t>(last), static_cast<std::int16_t>(last - 2),
                           360, static_cast<std::int16_t>(last - 1), -1);
  tables.circles[c].pen = PenFromOperands(step, 3);
  tables.circle_radius[c] = Distance(model, centre, inner);
  Expand(*this, out, {9, 8, ' ', 5, 786, '(', 8, 10, ':', 8, 11, ' ', '=', ' ', 1, ')', ' ', 30, 3});
  return 0;
}

namespace {

// Deletes the lines or circles of (point, point, object) triples; returns how many existed.
template <class Exists>
int DeleteTriples(StepEngine& engine, kernel::ConstructionRecord& step, Exists exists_of, int last) {
  int existed = 0;
  std::string names;
  for (int i = 0; i + 2 < kernel::kConstructionOperands && Op(step, i) >= 0; i += 3) {
    const int object = Op(step, i + 2);
    if (object >= 0 && object <= last) {
      std::uint8_t& exists = exists_of(object);
      if (exists) ++existed;
      exists = 0;
    }
    engine.tables.AppendPointName(names, Op(step, i));
    engine.tables.AppendPointName(names, Op(step, i + 1));
    names += ' ';
  }
  step.text[0] = names.substr(0, kernel::kConstructionTextFieldChars);
  return existed;
}

}  // namespace

int StepEngine::DoDeleteLines(std::string* out) {
  kernel::ConstructionRecord& step = *history.current;
  const int existed = DeleteTriples(
      *this, step, [&](int i) -> std::uint8_t& { return tables.lines[i].exists; }, tables.last_line);
  Expand(*this, out, {5, 219, ':', ' ', 1});
  return existed;
}

int StepEngine::DoDeleteCircles(std::string* out) {
  kernel::ConstructionRecord& step = *history.current;
  const int existed = DeleteTriples(
      *this, step, [&](int i) -> std::uint8_t& { return tables.circles[i].exists; }, tables.last_circle);
  Expand(*this, out, {5, 220, ':', ' ', 1});
  return existed;
}

int StepEngine::DeleteAllLines(std::string* out) {
  for (int i = 0; i <= tables.last_line; ++i) tables.lines[i].exists = 0;
  Expand(*this, out, {5, 223});
  return 0;
}

int StepEngine::DoObjectAttributes(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int n = Op(step, 0);
  if (n < 0 || 4 + n > kernel::kConstructionOperands) return kMsgCannotUnderstand;
  const kernel::LinePen pen{step.operands[1], step.operands[3], step.operands[2]};
  const bool lines = step.flag != 0;
  for (int k = 0; k < n; ++k) {
    const int i = Op(step, 4 + k);
    if (lines && i >= 0 && i <= tables.last_line) tables.lines[i].pen = pen;
    if (!lines && i >= 0 && i <= tables.last_circle) tables.circles[i].pen = pen;
  }
  Expand(*this, out, {5, static_cast<std::int16_t>(lines ? 216 : 172), ' ', '(', 5, 146, ' ', 21,
                      static_cast<std::int16_t>(step.operands[1]), ',', ' ', 5, 230, ' ', 23,
                      static_cast<std::int16_t>(step.operands[3]), ',', ' ', 5, 231, ' ', 22,
                      static_cast<std::int16_t>(step.operands[2]), ')', ':', ' ', 1});
  return 0;
}

int StepEngine::DoPointOnSegment(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  const int line = Op(step, 2);
  if (!tables.PointExists(a) || !tables.PointExists(b) || line < 0 || line > tables.last_line ||
      !tables.lines[line].exists || tables.last_point >= kLastPointLimit) {
    AdjustTables(1, 0, 0);
    return kMsgCouldNotFind;
  }
  const Real t = tables.attrs[tables.last_point + 1].value;
  const Point2 p = executors().PlacePointOnSegment(tables.xy[a], tables.xy[b], t);
  AddPoint(p, 0xFFFF, -1);
  tables.attrs[tables.last_point].words = {static_cast<std::int16_t>(line), -1, static_cast<std::int16_t>(a),
                                           static_cast<std::int16_t>(b)};
  Expand(*this, out, {5, 211, ' ', 9, ' ', 5, 179, ' ', 24, ' ', 5, 202, ' ', 5, 189, ' ', 10, 11});
  return 0;
}

int StepEngine::DoPointOnCircle(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int a = Op(step, 0);
  const int b = Op(step, 1);
  const int c = Op(step, 2);
  if (!tables.PointExists(a) || !tables.PointExists(b) || c < 0 || c > tables.last_circle ||
      !tables.circles[c].exists || tables.last_point >= kLastPointLimit) {
    AdjustTables(1, 0, 0);
    return kMsgCouldNotFind;
  }
  const Real t = tables.attrs[tables.last_point + 1].value;
  const Real angle = (kernel::Pi / 180) * tables.circles[c].arc_angle * t;
  const Point2 p = executors().PlacePointOnCircle(tables.xy[a], tables.xy[b], angle);
  AddPoint(p, 0xFFFF, -1);
  tables.attrs[tables.last_point].words = {-1, static_cast<std::int16_t>(c), static_cast<std::int16_t>(a),
                                           static_cast<std::int16_t>(b)};
  Expand(*this, out, {5, 211, ' ', 9, ' ', 5, 179, ' ', 24, ' ', 5, 202, ' ', 5, 201, ' ', 10, 11});
  return 0;
}

int StepEngine::DoPointOnPolygonStep(std::string* out) {
  kernel::ConstructionRecord& step = *history.current;
  constexpr int kMaxVertices = 24;
  auto reserve = [&](int result) {
    AdjustTables(1, 0, 0);
    return result;
  };
  int count = 0;
  while (count < kernel::kConstructionOperands && step.operands[count] != kNoOperand) ++count;
  if (count > kMaxVertices) return reserve(kMsgOutOfBounds);
  if (count < 2) return reserve(kMsgCouldNotFind);
  for (int k = 0; k < count; ++k) {
    if (!tables.PointExists(step.operands[k])) return reserve(kMsgCouldNotFind);
  }
  if (count > 2 && step.operands[count - 1] == step.operands[0]) {
    // A closing vertex equal to the first is dropped, and the label text follows.
    step.operands[--count] = kNoOperand;
    std::string names;
    for (int k = 0; k < count; ++k) tables.AppendPointName(names, step.operands[k]);
    step.text[0] = names.substr(0, kernel::kConstructionTextFieldChars);
  }
  Real t = tables.attrs[std::min(tables.last_point + 1, kLastPointLimit)].value;
  const bool typed = step.flag != 0;
  // A point dragged along the polygon needs a polygon the window can follow it on.
  if (!typed) {
    if (const int code = executors().CheckConvexPolygon(step.operands); code != 0) return reserve(code);
  }
  if (typed) {
    const int result = Evaluate(step.text[1], t);
    if (result != 0) return reserve(result);
  }
  if (last_polygon + 1 >= kPolygonCapacity) return reserve(kMsgNoMoreRoom);
  PolygonRecord& polygon = polygons[++last_polygon];
  polygon.n = static_cast<std::int16_t>(count - 1);
  for (int k = 0; k < count; ++k) polygon.vertices[k] = step.operands[k];
  polygon.fixed_parameter = typed ? 0 : 1;
  const int placed = PlacePolygonPoints(last_polygon, 0, t);
  if (placed != 0) return placed;
  tables.attrs[tables.last_point].value = t;
  if (typed) {
    Expand(*this, out, {9, ' ', 5, 202, ' ', 1, ' ', '(', 2, ')'});
  } else {
    Expand(*this, out, {9, ' ', 5, 202, ' ', 1});
  }
  return 0;
}

int StepEngine::DoPointOnHypercycle(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int h = Op(step, 0);
  if (h < 0 || h > tables.last_hypercycle || !tables.hypercycle_points[h].exists || tables.last_point >= kLastPointLimit) {
    AdjustTables(1, 0, 0);
    return kMsgCouldNotFind;
  }
  const int i = tables.last_point + 1;
  AddPoint(PointOnHypercycleAt(model, tables, h, tables.attrs[i].value), 0xFFFF, -1);
  tables.attrs[i].words = {static_cast<std::int16_t>(h + 10000), -1, -1, -1};
  Expand(*this, out, {5, 211, ' ', 9, ' ', 5, 179, ' ', 24, ' ', 5, 202, ' ', 5, 701, ' ', 3});
  return 0;
}

int StepEngine::DoPointOnHorocycle(std::string* out) {
  const kernel::ConstructionRecord& step = *history.current;
  const int h = Op(step, 0);
  if (h < 0 || h > tables.last_horocycle || !tables.horocycle_points[h].exists || tables.last_point >= kLastPointLimit) {
    AdjustTables(1, 0, 0);
    return kMsgCouldNotFind;
  }
  const int i = tables.last_point + 1;
  // A horocycle is a circle of the model in either model: its point turned about its centre.
  AddPoint(kernel::PointOnHorocycle(tables.horocycles[h], tables.attrs[i].value), 0xFFFF, -1);
  tables.attrs[i].words = {static_cast<std::int16_t>(h + 20000), -1, -1, -1};
  Expand(*this, out, {5, 211, ' ', 9, ' ', 5, 179, ' ', 24, ' ', 5, 202, ' ', 5, 702, ' ', 2});
  return 0;
}

}  // namespace engine

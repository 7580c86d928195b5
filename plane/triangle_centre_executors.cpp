// The Brocard point and the orthocentre of a triangle, and its incircle and excircle with the
// points where they touch the sides.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_constructions.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/incircles.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_objects.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kMsgCoincidentPoints = 127;
constexpr int kMsgCollinearPoints = 129;
constexpr std::int16_t kEnd = engine::kTemplateEnd;

constexpr std::int16_t kWordIncenter = 213;
constexpr std::int16_t kWordTangency = 214;
constexpr std::int16_t kWordExcenter = 296;
constexpr std::int16_t kWordOrthocenter = 778;
constexpr std::int16_t kWordBrocardPoint = 779;

// The squared lengths of the sides P0P1, P1P2, P2P0.
std::array<Real, 3> SquaredSides(const std::array<Point2, 3>& p) {
  std::array<Real, 3> s{};
  for (int i = 0; i < 3; ++i) {
    const Point2 side = p[(i + 1) % 3] - p[i];
    s[i] = kernel::Dot2(side, side);
  }
  return s;
}

Point2 Weighted(const std::array<Point2, 3>& p, const std::array<Real, 3>& w) {
  return w[0] * p[0] + w[1] * p[1] + w[2] * p[2];
}

// The first Brocard point, weights c^2 a^2 : a^2 b^2 : b^2 c^2 on the model coordinates; false
// when two vertices lie at one place.
bool BrocardPoint(const std::array<Point2, 3>& p, Point2& out) {
  const std::array<Real, 3> s = SquaredSides(p);
  for (const Real side : s) {
    if (!(side > kernel::NullTolerance)) return false;
  }
  const Real sum = s[0] * s[1] + s[1] * s[2] + s[2] * s[0];
  out = Weighted(p, {s[0] * s[1] / sum, s[1] * s[2] / sum, s[2] * s[0] / sum});
  return true;
}

// The orthocentre of a plane triangle; false for collinear vertices.
bool PlaneOrthocentre(const std::array<Point2, 3>& p, Point2& out) {
  Point2 unused;
  if (!kernel::Circumcenter2(p[0], p[1], p[2], unused)) return false;
  const std::array<Real, 3> s = SquaredSides(p);
  std::array<Real, 3> t{};
  for (int i = 0; i < 3; ++i) t[i] = s[(i + 2) % 3] + s[i] - s[(i + 1) % 3];
  std::array<Real, 3> u{};
  for (int i = 0; i < 3; ++i) u[i] = t[(i + 1) % 3] * t[i];
  const Real sum = u[0] + u[1] + u[2];
  if (!(std::abs(sum) > 0)) return false;
  out = Weighted(p, {u[1] / sum, u[2] / sum, u[0] / sum});
  return true;
}

// The side lines of operands 3 to 5, or 105 when one does not exist.
int SideLines(const engine::FigureTables& t, const kernel::ConstructionRecord& step,
              std::array<int, 3>& lines) {
  for (int i = 0; i < 3; ++i) {
    lines[i] = static_cast<std::int16_t>(step.operands[3 + i]);
    if (!LineExists(t, lines[i])) return engine::kMsgNoSuchLine;
  }
  return 0;
}

// Adds the centre, then the touch points listed on their side lines, then the circle through them.
void AddTouchingCircle(engine::StepEngine& e, const kernel::ConstructionRecord& step,
                       const std::array<Point2, 4>& centreAndTouch, const std::array<int, 3>& lines,
                       int tag) {
  const int centre = AddTaggedPoint(e, centreAndTouch[0], tag);
  std::array<int, 3> touch{};
  for (int i = 0; i < 3; ++i) {
    touch[i] = AddTaggedPoint(e, centreAndTouch[1 + i], tag);
    engine::AddPointToLine(e.tables, e.model, e.dimension, touch[i], lines[i]);
  }
  AddFullCircle(e, centre, {touch[0], touch[1], touch[2]}, PenFromOperands(step, 6));
}

// "<centre> = <word>(<triangle>); tangency <T0>, <T1>, <T2> <attributes>"
void DescribeTouchingCircle(engine::StepEngine& e, std::string* out, std::int16_t word) {
  if (out == nullptr) return;
  const std::int16_t centre = static_cast<std::int16_t>(e.tables.last_point - 3);
  const std::array<std::int16_t, 25> items{6,   centre,        ' ', '=', ' ', 5, word, '(', 1, ')', ';', ' ',
                                           5,   kWordTangency, 7,   ',', ' ', 8, ',',  ' ', 9, ' ', 30,  6,
                                           kEnd};
  e.ExpandTemplate(out, items);
}

}  // namespace

int TGeomC2Win::DoFermatPoint126(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const engine::StepCreates creates{1};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  Point2 brocard;
  if (!BrocardPoint(TrianglePoints(e.tables, v), brocard))
    return engine::FailStep(e, creates, kMsgCoincidentPoints);
  AddTaggedPoint(e, brocard, tag);
  DescribeTriangleCentre(e, out, kWordBrocardPoint);
  return 0;
}

int TGeomC2Win::DoOrthocenter(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const engine::StepCreates creates{1};
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::BeginTriangleStep(e, creates, v, tag); code != 0) return code;
  const std::array<Point2, 3> p = TrianglePoints(e.tables, v);
  Point2 orthocentre;
  if (e.model.Hyperbolic) {
    if (!engine::Orthocentre(e.model, p, orthocentre))
      return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  } else if (!PlaneOrthocentre(p, orthocentre)) {
    return engine::FailStep(e, creates, kMsgCollinearPoints);
  }
  AddTaggedPoint(e, orthocentre, tag);
  DescribeTriangleCentre(e, out, kWordOrthocenter);
  return 0;
}

int TGeomC2Win::DoIncenter132(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{4, 0, 1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0)
    return engine::FailStep(e, creates, code);
  if (!e.tables.AllPointsExist(3, step.operands))
    return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  std::array<int, 3> lines{};
  if (const int code = SideLines(e.tables, step, lines); code != 0) return engine::FailStep(e, creates, code);
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::StepTriangle(e.tables, step, v, step.text[0], tag); code != 0) {
    return engine::FailStep(e, creates, code);
  }
  const std::array<Point2, 3> p = TrianglePoints(e.tables, v);
  std::array<Point2, 4> incircle{};
  if (e.model.Hyperbolic) {
    if (!engine::Incentre(e.model, p, incircle, true))
      return engine::FailStep(e, creates, kMsgCoincidentPoints);
  } else {
    std::array<Real, 3> sides{};
    kernel::TriangleIncircle2(p, incircle, sides);
  }
  AddTouchingCircle(e, step, incircle, lines, tag);
  DescribeTouchingCircle(e, out, kWordIncenter);
  return 0;
}

int TGeomC2Win::DoExcenter(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{4, 0, 1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0)
    return engine::FailStep(e, creates, code);
  std::array<int, 3> lines{};
  if (const int code = SideLines(e.tables, step, lines); code != 0) return engine::FailStep(e, creates, code);
  std::array<int, 3> v{};
  int tag = -1;
  if (const int code = engine::StepTriangle(e.tables, step, v, step.text[0], tag); code != 0) {
    return engine::FailStep(e, creates, code);
  }
  // The two sides through the first vertex go on past their far vertex, to reach the excircle.
  const auto extendPast = [&](int line, int far) {
    kernel::SegmentRecord& record = e.tables.lines[line];
    const int near = kernel::IndexListFind(record.points, static_cast<std::uint16_t>(v[0]));
    const int other = kernel::IndexListFind(record.points, static_cast<std::uint16_t>(far));
    if (near < other) {
      record.extends_first = 1;
    } else {
      record.extends_second = 1;
    }
  };
  extendPast(lines[0], v[1]);
  extendPast(lines[2], v[2]);

  std::array<Point2, 4> excircle{};
  kernel::Kind134Plane2(TrianglePoints(e.tables, v), excircle);
  AddTouchingCircle(e, step, excircle, lines, tag);
  // A triangle without an excentre (its vertices in a line) keeps its circle undrawn.
  if (excircle[0].x == kernel::kMissingExcentreCoordinate) e.tables.circles[e.tables.last_circle].drawn = 0;
  DescribeTouchingCircle(e, out, kWordExcenter);
  return 0;
}

}  // namespace plane

// Lines and circles typed by their equations (kinds 205 and 206). The step keeps the typed
// coefficients as expressions, evaluated again at every execution, and two random numbers drawn
// when the step was made that fix where its two points lie.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/construction_record.h"
#include "kernel/random.h"
#include "kernel/text_utils.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_objects.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordCircle = 201;
constexpr std::int16_t kWordLine = 216;
constexpr Real kNullVector = static_cast<Real>(1e-13);
constexpr int kAnalyticColourRole = 7;

// "(colour c, thickness t, style s)" with the colour as the step stores it.
void AppendAttributes(engine::StepEngine& e, std::string& out, const kernel::ConstructionRecord& step) {
  const auto word = [&](int i, int plus) { return static_cast<std::int16_t>(step.operands[i] + plus); };
  const std::int16_t items[] = {'(', 21, word(1, 0), ',', ' ', 5, 230, ' ', 23, word(2, 1), ',', ' ',
                                5,   231, ' ', 22, word(3, 1), ')', engine::kTemplateEnd};
  std::string text;
  e.ExpandTemplate(&text, items);
  out += text;
}

kernel::LinePen AnalyticPen(const kernel::ConstructionRecord& step) {
  return {step.operands[1], static_cast<std::uint16_t>(step.operands[2] + 1),
          static_cast<std::uint16_t>(step.operands[3] + 1)};
}

// "<word> <the two new points>: "
void BeginDescription(engine::StepEngine& e, std::string& out, std::int16_t word) {
  const int last = e.tables.last_point;
  const std::int16_t items[] = {5, word, ' ', 6, static_cast<std::int16_t>(last - 1), 6,
                                static_cast<std::int16_t>(last), ':', ' ', engine::kTemplateEnd};
  e.ExpandTemplate(&out, items);
}

}  // namespace

int TGeomC2Win::DoAnalyticLine(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{2, 1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  const int form = Op(step, 0);
  const std::vector<std::string> f = kernel::SplitCommaList(kernel::JoinConstructionText(step), 4);
  std::array<Real, 4> x{};
  int code = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    if (const int c = e.Evaluate(f[i], x[i]); c != 0) code = c;
  }
  if (code != 0) return engine::FailStep(e, creates, code);
  const Point2 n = form == 0 ? Point2{x[0], x[1]} : form == 1 ? Point2{1, x[3]} : Point2{x[2], x[3]};
  const Real n2 = kernel::Dot2(n, n);
  if (n2 < kNullVector || form < 0 || form > 2) return engine::FailStep(e, creates, engine::kMsgInconsistentData);

  Point2 p;
  Point2 d;
  if (form == 0) {
    // n = (a, b) is a normal of the line: its foot from the origin, then along the line.
    const Point2 foot = n * (x[2] / n2);
    d = step.parameters[0] * Point2{-n.y, n.x};
    p = foot - d;
  } else {
    p = {x[0], x[1]};
    d = n;
  }
  const Point2 q = p + step.parameters[1] * d;
  const int first = AddTaggedPoint(e, p, -1);
  const int second = first < 0 ? -1 : AddTaggedPoint(e, q, -1);
  if (second < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  const int line = AddStepLine(e, first, second, AnalyticPen(step));
  if (line < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  e.tables.lines[line].extends_first = e.tables.lines[line].extends_second = 1;

  if (out != nullptr) {
    BeginDescription(e, *out, kWordLine);
    if (form == 0) {
      *out += f[0] + "x + " + f[1] + "y = " + f[2];
    } else if (form == 1) {
      *out += " y = " + f[1] + " + (" + f[3] + ")(x - " + f[0] + ")";
    } else {
      *out += "(x,y) = (" + f[0] + " , " + f[1] + ") + t[" + f[2] + " , " + f[3] + "]";
    }
    *out += " ";
    AppendAttributes(e, *out, step);
  }
  return 0;
}

int TGeomC2Win::DoAnalyticCircle(std::string* out) {
  engine::StepEngine& e = stepEngine;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{2, 0, 1};
  if (const int code = engine::CheckRoom(e.tables, creates); code != 0) return engine::FailStep(e, creates, code);
  const int form = Op(step, 0);
  std::array<Real, 3> x{};
  int code = 0;
  for (std::size_t i = 0; i < 3; ++i) {
    if (const int c = e.Evaluate(step.text[i], x[i]); c != 0) code = c;
  }
  if (code != 0) return engine::FailStep(e, creates, code);
  Point2 m{x[0], x[1]};
  Real r = x[2];
  if (form == 1) {
    m = {-x[0] / 2, -x[1] / 2};
    const Real r2 = x[2] + m.x * m.x + m.y * m.y;
    if (r2 < 0) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    r = std::sqrt(r2);
  }
  // A negative radius puts the point on the other side: the circle is the same.
  const Real angle = kFullTurn * step.parameters[0];
  const Point2 onCircle{m.x + r * std::cos(angle), m.y + r * std::sin(angle)};
  const int centre = AddTaggedPoint(e, m, -1);
  const int point = centre < 0 ? -1 : AddTaggedPoint(e, onCircle, -1);
  if (point < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
  if (e.tables.last_circle >= engine::kLastCircleLimit) return engine::FailStep(e, creates, engine::kMsgTooManyCircles);
  const int circle = AddCircleRecord(e, centre, point, 360, -1, AnalyticPen(step));
  e.tables.circle_radius[circle] = std::fabs(r);

  if (out != nullptr) {
    BeginDescription(e, *out, kWordCircle);
    if (form == 0) {
      *out += "(" + step.text[0] + "," + step.text[1] + "); r = " + step.text[2];
    } else {
      *out += "xx + yy + (" + step.text[0] + ")x + (" + step.text[1] + ")y = " + step.text[2];
    }
    *out += " ";
    AppendAttributes(e, *out, step);
  }
  return 0;
}

int TGeomC2Win::NewAnalyticLineStep(std::string_view fields, int form) {
  kernel::ConstructionRecord& step = history().BeginStep(205);
  step.operands[0] = static_cast<std::uint16_t>(form);
  // The colour of analytic lines and circles as it is; the current thickness and style one less.
  SetStepAttributes(1);
  step.operands[1] = static_cast<std::uint16_t>(preWin.roles[kAnalyticColourRole]);
  kernel::SplitConstructionText(step, fields);
  step.parameters[0] = kernel::RandomBetween(0.5L, 1.0L);
  step.parameters[1] = kernel::RandomBetween(1.5L, 2.5L);
  return RunNewStep();
}

int TGeomC2Win::NewAnalyticCircleStep(std::string_view x, std::string_view y, std::string_view r, int form) {
  kernel::ConstructionRecord& step = history().BeginStep(206);
  step.operands[0] = static_cast<std::uint16_t>(form);
  // The colour of analytic lines and circles as it is; the current thickness and style one less.
  SetStepAttributes(1);
  step.operands[1] = static_cast<std::uint16_t>(preWin.roles[kAnalyticColourRole]);
  step.text[0] = std::string(x.substr(0, kernel::kConstructionTextFieldChars));
  step.text[1] = std::string(y.substr(0, kernel::kConstructionTextFieldChars));
  step.text[2] = std::string(r.substr(0, kernel::kConstructionTextFieldChars));
  step.parameters[0] = kernel::RandomBetween(0, 1);
  return RunNewStep();
}

}  // namespace plane

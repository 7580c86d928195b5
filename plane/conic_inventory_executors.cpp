// Steps that take points and lines from the window's conics: a point at a parameter on a conic
// by foci or by focus and directrix (kind 203), the centre, a focus with its vertex, or the
// asymptotes of a conic through five points or of a typed equation (kind 211), and the asymptotes
// of a hyperbola by foci or by focus and directrix (kind 212); and the creators the conic dialogs
// make these steps with.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/conic_classification.h"
#include "kernel/conic_construction.h"
#include "kernel/conic_equation_records.h"
#include "kernel/conic_points.h"
#include "kernel/construction_record.h"
#include "kernel/number_text.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"

namespace plane {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr int kMsgNothingToShow = 10;
constexpr Real kParabolaTolerance = static_cast<Real>(1e-13);
constexpr int kInventoryColourRole = 4;

constexpr std::int16_t kWordConic = 123;
constexpr std::int16_t kWordEllipse = 165;
constexpr std::int16_t kWordParabola = 166;
constexpr std::int16_t kWordHyperbola = 167;
constexpr std::int16_t kWordCenter = 171;
constexpr std::int16_t kWordAt = 179;
constexpr std::int16_t kWordOn = 202;
constexpr std::int16_t kWordEccentricity = 249;
constexpr std::int16_t kWordVertex = 735;
constexpr std::int16_t kWordFocus = 821;
constexpr std::int16_t kWordAsymptotes = 876;

int Operand(const kernel::ConstructionRecord& step, int i) { return static_cast<std::int16_t>(step.operands[i]); }
std::int16_t Item(int i) { return static_cast<std::int16_t>(i); }

// The pen of operands first..first+2 (each stored one less than its value).
kernel::LinePen PenOf(const kernel::ConstructionRecord& step, int first) {
  auto word = [&](int i) { return static_cast<std::uint16_t>(step.operands[first + i] + 1); };
  return {word(0), word(1), word(2)};
}

// The six coefficients as the step keeps them: "a,b,c,d,e,f," over its three texts. Each in the
// fixed form (width 5, 3 decimals) when the whole fits the texts, else in the shortest
// scientific form that fits.
std::string CoefficientText(const std::array<Real, 6>& coef) {
  std::string text;
  for (Real c : coef) {
    std::string fixed = kernel::FormatLD(c, 5, 3);
    // A value that rounds to zero shows no sign.
    if (fixed.find_first_not_of(" -0.") == std::string::npos) fixed = kernel::FormatLD(0, 5, 3);
    text += fixed + ",";
  }
  for (int digits = 17; text.size() > kernel::kConstructionTextChars && digits >= 1; --digits) {
    text.clear();
    for (Real c : coef) {
      std::array<char, 48> buffer{};
      std::snprintf(buffer.data(), buffer.size(), "%.*Lg,", digits, c);
      text += buffer.data();
    }
  }
  return text;
}

// Appends "{equation}" written from the step's six coefficient texts.
void AppendEquation(std::string& out, const kernel::ConstructionRecord& step) {
  kernel::CoefficientTexts texts;
  kernel::SplitSixStrings(texts, kernel::JoinConstructionText(step));
  out += "{";
  kernel::FormatConicEquation(out, texts);
  out += "}";
}

}  // namespace

int TGeomC2Win::EvaluateConicEquation(const std::string& joined, std::array<Real, 6>& coef) {
  kernel::CoefficientTexts texts;
  kernel::SplitSixStrings(texts, joined);
  for (int i = 0; i < 6; ++i) {
    if (const int code = stepEngine.Evaluate(texts[i], coef[i]); code != 0) return code;
  }
  return 0;
}

int TGeomC2Win::DoConic(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{1};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  const int form = Operand(step, 0);
  const std::array<int, 3> op{Operand(step, 1), Operand(step, 2), Operand(step, 3)};
  for (int p : op) {
    if (!t.PointExists(p)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
  }
  if (form < 1 || form > 4) return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
  const std::array<Point2, 3> q{t.xy[op[0]], t.xy[op[1]], t.xy[op[2]]};
  int tag = t.CommonPointTag(op[0], op[1]);
  if (form != 4 && t.attrs[op[2]].tag != tag) tag = -1;

  Real param = 0;
  if (const int code = e.Evaluate(step.text[0], param); code != 0) return engine::FailStep(e, creates, code);
  bool ellipse = form == 2;
  bool parabola = false;
  Real ecc = 1;
  if (form == 1 || form == 4) {
    if (const int code = e.Evaluate(step.text[1], ecc); code != 0) return engine::FailStep(e, creates, code);
    if (ecc < 0) return engine::FailStep(e, creates, engine::kMsgPositiveValue);
    parabola = std::fabs(ecc - 1) < kParabolaTolerance;
    ellipse = ecc < 1;
  }

  Point2 p;
  if (parabola) {
    // Focus operand 1, directrix through operands 2 and 3.
    p = kernel::ParabolaPoint(q[0], q[1], q[2], param);
  } else {
    kernel::ConicAxes shape{};
    bool built = false;
    if (form == 1) {
      kernel::FocalTriple triple{q[1], q[2], q[0]};
      built = kernel::ConicFromFocusDirectrix(triple, ecc, shape);
    } else if (form == 4) {
      built = kernel::ConicFromFociEcc(q[0], q[1], ecc, shape);
    } else {
      Real found = 0;
      built = kernel::ConicFromFociPoint({q[0], q[1], q[2]}, ellipse, shape, found);
    }
    if (!built) return engine::FailStep(e, creates, engine::kMsgCannotUnderstand);
    p = kernel::CentralConicPoint(shape, param, ellipse);
  }
  if (e.AddPoint(p, static_cast<std::uint16_t>(tag), -1) < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);

  if (out != nullptr) {
    std::vector<std::int16_t> items{9, ' ', 5, kWordOn, ' ', 5};
    if (form == 2 || form == 3) {
      items.insert(items.end(), {form == 2 ? kWordEllipse : kWordHyperbola, '{', 11, 12, ';', 6, Item(op[2]), '}'});
    } else {
      items.insert(items.end(), {parabola ? kWordParabola : kWordConic, '{', 11, 12, ';', ' ', 5, kWordEccentricity,
                                 ' ', 2, '}'});
    }
    items.insert(items.end(), {' ', 5, kWordAt, ' ', 1, engine::kTemplateEnd});
    e.ExpandTemplate(out, items);
  }
  return 0;
}

int TGeomC2Win::DoKind211(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  kernel::ConstructionRecord& step = *e.current();
  const int feature = Operand(step, 0);
  const engine::StepCreates creates{static_cast<std::int16_t>(Operand(step, 1)),
                                    static_cast<std::int16_t>(Operand(step, 2))};
  if (creates.points < 0 || creates.lines < 0) return engine::kMsgCannotUnderstand;
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);

  kernel::ConicRecord conic{};
  kernel::InitConicRecord(conic);
  if (step.flag == 0) {
    if (const int code = EvaluateConicEquation(kernel::JoinConstructionText(step), conic.coefficients); code != 0) {
      return engine::FailStep(e, creates, code);
    }
  } else {
    std::array<Point2, 5> five{};
    for (int i = 0; i < 5; ++i) {
      const int p = Operand(step, 3 + i);
      if (!t.PointExists(p)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
      five[i] = t.xy[p];
    }
    if (!kernel::ConicThroughFivePoints(five, conic.coefficients)) {
      return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    }
    // The step always shows the equation of the conic as it is now.
    kernel::SplitConstructionText(step, CoefficientText(conic.coefficients));
  }
  kernel::ClassifyConic(conic);
  kernel::RotateConicShape(conic);
  const std::array<Point2, 4>& s = conic.shape;
  const int k = conic.kind;
  const bool central = k == kernel::kConicEllipse || k == kernel::kConicHyperbola;

  std::vector<Point2> points;
  if (feature == 0 && (central || k == kernel::kConicCrossingLines)) {
    points = {s[0]};
  } else if ((feature == 1 || feature == 2) && central) {
    const Real side = feature == 1 ? 1 : -1;
    points = {s[0] + side * s[3], s[0] + side * s[1]};
  } else if ((feature == 1 && (k == kernel::kConicParabola || k == kernel::kConicCrossingLines)) ||
             (feature == 2 && k == kernel::kConicCrossingLines)) {
    points = {s[0], s[3]};
  } else if (feature == 3 && k == kernel::kConicHyperbola) {
    points = {s[0], s[0] + s[1] + s[2], s[0] - s[1] + s[2]};
  }
  const int lines = feature == 3 ? 2 : 0;
  if (points.empty() || static_cast<int>(points.size()) != creates.points || lines != creates.lines) {
    return engine::FailStep(e, creates, kMsgNothingToShow);
  }

  const int first = t.last_point + 1;
  for (const Point2& p : points) {
    if (e.AddPoint(p, static_cast<std::uint16_t>(-1), -1) < 0) return engine::kMsgNoMoreRoom;
  }
  for (int i = 1; i <= lines; ++i) {
    if (e.AddLine(first, first + i, PenOf(step, 8)) != 0) return engine::kMsgNoMoreRoom;
    kernel::SegmentRecord& line = t.lines[t.last_line];
    line.extends_first = line.extends_second = 1;
  }

  if (out != nullptr) {
    const int last = t.last_point;
    std::vector<std::int16_t> items;
    if (feature == 0) {
      items = {9, ' ', '=', ' ', 5, kWordCenter};
    } else if (feature == 3) {
      items = {6, Item(last - 2), 6, Item(last - 1), ',', 6, Item(last - 2), 9, ' ', '=', ' ', 5, kWordAsymptotes};
    } else {
      items = {6, Item(last - 1), ',', 9, ' ', '=', ' ', 5, kWordFocus, ',', 5, kWordVertex};
    }
    items.push_back(engine::kTemplateEnd);
    e.ExpandTemplate(out, items);
    AppendEquation(*out, step);
  }
  return 0;
}

int TGeomC2Win::DoKind212(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{3, 2};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  const int form = Operand(step, 3);
  const int n = form == 0 ? 2 : 3;
  std::array<Point2, 3> q{};
  for (int i = 0; i < n; ++i) {
    const int p = Operand(step, i);
    if (!t.PointExists(p)) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
    q[i] = t.xy[p];
  }
  Real ecc = 0;
  if (const int code = e.Evaluate(step.text[0], ecc); code != 0) return engine::FailStep(e, creates, code);
  if (ecc < 1 + kParabolaTolerance) return engine::FailStep(e, creates, engine::kMsgInconsistentData);

  kernel::ConicAxes shape{};
  bool built = false;
  if (form == 0) {
    built = kernel::ConicFromFociEcc(q[0], q[1], ecc, shape);
  } else if (form == 1) {
    // Focus operand 0, directrix through operands 1 and 2.
    kernel::FocalTriple triple{q[1], q[2], q[0]};
    built = kernel::ConicFromFocusDirectrix(triple, ecc, shape);
  } else if (form == 2) {
    Real found = 0;
    built = kernel::ConicFromFociPoint(q, false, shape, found);
  }
  if (!built) return engine::FailStep(e, creates, engine::kMsgInconsistentData);

  const int first = t.last_point + 1;
  for (const Point2& p : {shape[0], shape[0] + shape[1] + shape[2], shape[0] - shape[1] + shape[2]}) {
    if (e.AddPoint(p, static_cast<std::uint16_t>(-1), -1) < 0) return engine::kMsgNoMoreRoom;
  }
  for (int i = 1; i <= 2; ++i) {
    if (e.AddLine(first, first + i, PenOf(step, 4)) != 0) return engine::kMsgNoMoreRoom;
    kernel::SegmentRecord& line = t.lines[t.last_line];
    line.extends_first = line.extends_second = 1;
  }

  if (out != nullptr) {
    std::vector<std::int16_t> items{6, Item(first), 6, Item(first + 1), ',', 6, Item(first), 6, Item(first + 2),
                                    ' ', '=', ' ', 5, kWordAsymptotes, '{', 5, kWordHyperbola, ' ', 10, 11, ';'};
    if (form == 2) {
      items.insert(items.end(), {12});
    } else {
      items.insert(items.end(), {' ', 5, kWordEccentricity, ' ', 1});
    }
    items.insert(items.end(), {'}', engine::kTemplateEnd});
    e.ExpandTemplate(out, items);
  }
  return 0;
}

namespace {

// The line colour of the conic steps' lines, stored one less than its index.
std::uint16_t InventoryLineColour(const shell::PreWinData& data) {
  return static_cast<std::uint16_t>(data.roles[kInventoryColourRole] - 1);
}

}  // namespace

int TGeomC2Win::NewConicFeatureStep(int feature, int points, int lines, std::string_view equation) {
  kernel::ConstructionRecord& step = history().BeginStep(211);
  step.operands[0] = static_cast<std::uint16_t>(feature);
  step.operands[1] = static_cast<std::uint16_t>(points);
  step.operands[2] = static_cast<std::uint16_t>(lines);
  step.operands[8] = InventoryLineColour(preWin);
  step.operands[9] = 0;
  step.operands[10] = 0;
  step.flag = 0;
  kernel::SplitConstructionText(step, equation);
  return RunNewStep();
}

int TGeomC2Win::NewConicFeatureStepFromPoints(int feature, int points, int lines, std::span<const int, 5> five) {
  kernel::ConstructionRecord& step = history().BeginStep(211);
  step.operands[0] = static_cast<std::uint16_t>(feature);
  step.operands[1] = static_cast<std::uint16_t>(points);
  step.operands[2] = static_cast<std::uint16_t>(lines);
  for (int i = 0; i < 5; ++i) step.operands[3 + i] = static_cast<std::uint16_t>(five[i]);
  step.operands[8] = InventoryLineColour(preWin);
  step.operands[9] = 0;
  step.operands[10] = 0;
  step.flag = 1;
  return RunNewStep();
}

int TGeomC2Win::NewAsymptotesStep(int p0, int p1, int p2, int form, std::string_view eccentricity) {
  kernel::ConstructionRecord& step = history().BeginStep(212);
  step.operands[0] = static_cast<std::uint16_t>(p0);
  step.operands[1] = static_cast<std::uint16_t>(p1);
  step.operands[2] = static_cast<std::uint16_t>(p2);
  step.operands[3] = static_cast<std::uint16_t>(form);
  step.operands[4] = InventoryLineColour(preWin);
  step.operands[5] = 0;
  step.operands[6] = 0;
  step.text[0] = std::string(eccentricity.substr(0, kernel::kConstructionTextFieldChars));
  return RunNewStep();
}

int TGeomC2Win::NewConicPointStep(int position, std::string_view parameter, int inventory) {
  const std::vector<ConicDefinition>& list = inventory == 3 ? conics.threePoint : conics.twoFoci;
  if (position < 0 || static_cast<std::size_t>(position) >= list.size()) return engine::kMsgInconsistentData;
  const ConicDefinitionFields f = ReadDefinition(list[static_cast<std::size_t>(position)]);
  // Record codes 0 (ellipse by foci and a point) and 2 (hyperbola) are the step's forms 2 and 3.
  const int form = f.code == kDefinitionEllipse ? 2 : f.code == kDefinitionHyperbola ? 3 : f.code;
  kernel::ConstructionRecord& step = history().BeginStep(203);
  step.operands[0] = static_cast<std::uint16_t>(form);
  // The step names the focus first: a record by focus and directrix holds the directrix first.
  const std::array<int, 3> points =
      f.code == kDefinitionEccentricity ? std::array<int, 3>{f.points[2], f.points[0], f.points[1]} : f.points;
  for (int i = 0; i < 3; ++i) step.operands[1 + i] = static_cast<std::uint16_t>(points[i]);
  step.text[0] = std::string(parameter.substr(0, kernel::kConstructionTextFieldChars));
  step.text[1] = f.text.substr(0, kernel::kConstructionTextFieldChars);
  const int code = RunNewStep();
  return code > 0 ? code : 0;
}

}  // namespace plane

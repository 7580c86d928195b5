// The tangents from a point to a conic of the window's conic lists (kind 210): the step keeps the
// conic's defining points (or its equation) and re-derives the conic at every execution.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/conic_classification.h"
#include "kernel/conic_construction.h"
#include "kernel/conic_equation_records.h"
#include "kernel/conic_tangents.h"
#include "kernel/construction_record.h"
#include "kernel/vector2.h"
#include "plane/geom_c2_win.h"
#include "plane/step_objects.h"
#include "plane/step_operands.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr std::int16_t kWordTangentToConic = 240;
constexpr Real kSmallEccentricity = static_cast<Real>(1e-13);
constexpr Real kParabolaTolerance = static_cast<Real>(1e-13);
constexpr int kTangentKind = 210;
constexpr int kMsgMakeSelection = 15;
constexpr int kMsgOutOfLabels = 116;
constexpr int kMsgTooManyLines = 117;

// The forms of a kind-210 step: the number of its defining points.
constexpr int kFormEquation = 0;
constexpr int kFormTwoFoci = 2;
constexpr int kFormThreePoint = 3;
constexpr int kFormFivePoint = 5;

// A conic brought to what the tangent construction reads: a parabola by focus and directrix, or
// an ellipse or hyperbola by its foci and a point of the curve on or off the focal axis.
struct FocalForm {
  bool parabola = false;
  bool ellipse = false;
  Point2 f1, f2, v;      // foci and a point of the curve
  Point2 focus, d1, d2;  // the parabola
};

Point2 Scaled(Point2 v, Real length) {
  const Real n = std::sqrt(kernel::Dot2(v, v));
  return n > kernel::NullTolerance ? v * (length / n) : Point2{0, 0};
}

// The foci form of a classified conic record; false for the kinds without tangents from a point.
bool FromClassified(const kernel::ConicRecord& conic, FocalForm& form) {
  const std::array<Point2, 4>& s = conic.shape;
  if (conic.kind == kernel::kConicParabola) {
    form.parabola = true;
    form.focus = s[0];
    form.d1 = s[1];
    form.d2 = s[2];
    return true;
  }
  if (conic.kind != kernel::kConicEllipse && conic.kind != kernel::kConicHyperbola) return false;
  form.ellipse = conic.kind == kernel::kConicEllipse;
  const Real a2 = kernel::Dot2(s[1], s[1]);
  const Real b2 = kernel::Dot2(s[2], s[2]);
  const Real f = std::sqrt(form.ellipse ? std::fabs(a2 - b2) : a2 + b2);
  const Point2 toFocus = Scaled(s[1], f);
  form.v = s[0] + s[1];
  form.f1 = s[0] + toFocus;
  form.f2 = s[0] - toFocus;
  return true;
}

}  // namespace

int TGeomC2Win::DoTangentToConic(std::string* out) {
  engine::StepEngine& e = stepEngine;
  engine::FigureTables& t = e.tables;
  const kernel::ConstructionRecord& step = *e.current();
  const engine::StepCreates creates{2, 2};
  if (const int code = engine::CheckRoom(t, creates); code != 0) return engine::FailStep(e, creates, code);
  const int form = Op(step, 0);
  int code = Op(step, 1);
  const int p = Op(step, 2);
  if (form != kFormEquation && form != kFormTwoFoci && form != kFormThreePoint && form != kFormFivePoint) {
    return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  }
  std::array<Point2, 5> q{};
  for (int i = 0; i <= form; ++i) {
    if (!t.PointExists(Op(step, 2 + i))) return engine::FailStep(e, creates, engine::kMsgCouldNotFind);
    if (i > 0) q[i - 1] = t.xy[Op(step, 2 + i)];
  }
  int tag = t.attrs[p].tag;
  if (form == kFormTwoFoci) tag = t.CommonPointTag(p, Op(step, 3), Op(step, 4));
  if (form == kFormThreePoint || form == kFormFivePoint) tag = t.CommonPointTag(p, Op(step, 3), Op(step, 4), Op(step, 5));
  if (form == kFormFivePoint && t.CommonPointTag(Op(step, 6), Op(step, 7)) != tag) tag = -1;

  FocalForm conic;
  if (form == kFormTwoFoci) {
    Real ecc = 0;
    if (const int c = e.Evaluate(step.text[0], ecc); c != 0) return engine::FailStep(e, creates, c);
    if (ecc < kSmallEccentricity || std::fabs(ecc - 1) < kParabolaTolerance) {
      return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    }
    conic.ellipse = ecc < 1;
    const Point2 m = kernel::Midpoint2(q[0], q[1]);
    const Real c = kernel::Dist2(q[0], q[1]) / 2;
    if (c < kernel::NullTolerance) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    conic.f1 = q[0];
    conic.f2 = q[1];
    conic.v = m + Scaled(q[1] - m, c / ecc);
  } else if (form == kFormThreePoint && code == 1) {
    Real ecc = 0;
    if (const int c = e.Evaluate(step.text[0], ecc); c != 0) return engine::FailStep(e, creates, c);
    if (ecc < 0) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    if (std::fabs(ecc - 1) < kParabolaTolerance) {
      // The record's directrix (its first two points) and focus.
      conic.parabola = true;
      conic.d1 = q[0];
      conic.d2 = q[1];
      conic.focus = q[2];
    } else {
      kernel::FocalTriple triple{q[0], q[1], q[2]};
      if (!kernel::FocusDirectrixToFoci(triple, ecc)) return engine::FailStep(e, creates, engine::kMsgNothingToDo);
      conic.ellipse = ecc < 1;
      conic.f1 = triple[0];
      conic.f2 = triple[1];
      conic.v = triple[2];
    }
  } else if (form == kFormThreePoint) {
    if (code != 0 && code != 2) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    conic.ellipse = code == 0;
    conic.f1 = q[0];
    conic.f2 = q[1];
    conic.v = q[2];
  } else {
    kernel::ConicRecord record{};
    kernel::InitConicRecord(record);
    if (form == kFormEquation) {
      if (const int c = EvaluateConicEquation(kernel::JoinConstructionText(step), record.coefficients); c != 0) {
        return engine::FailStep(e, creates, c);
      }
    } else if (!kernel::ConicThroughFivePoints(q, record.coefficients)) {
      return engine::FailStep(e, creates, engine::kMsgInconsistentData);
    }
    kernel::ClassifyConic(record);
    kernel::RotateConicShape(record);
    code = record.kind;
    if (!FromClassified(record, conic)) return engine::FailStep(e, creates, engine::kMsgInconsistentData);
  }

  const Point2 at = t.xy[p];
  const kernel::ConicTangents tangents =
      conic.parabola ? kernel::TangentsToParabola(at, conic.focus, conic.d1, conic.d2)
                     : kernel::TangentsToCentralConic(at, conic.f1, conic.f2, conic.v, conic.ellipse);
  if (tangents.result == kernel::TangentCase::kInside) return engine::FailStep(e, creates, engine::kMsgNothingToDo);
  if (tangents.result == kernel::TangentCase::kFailed) return engine::FailStep(e, creates, engine::kMsgInconsistentData);

  std::vector<Point2> ends;
  if (tangents.result == kernel::TangentCase::kTwo) {
    ends = {tangents.touch[0], tangents.touch[1]};
  } else {
    // P on the conic: the tangent at P, drawn to a new point of it a focal distance away.
    const Real reach = conic.parabola ? kernel::Dist2(at, conic.focus) : kernel::Dist2(conic.f1, conic.f2) / 2;
    ends = {at + tangents.direction * (reach > kernel::NullTolerance ? reach : 1)};
  }
  const kernel::LinePen pen = PenFromOperands(step, 8);
  for (const Point2& end : ends) {
    const int touch = AddTaggedPoint(e, end, tag);
    if (touch < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
    const int line = AddStepLine(e, p, touch, pen);
    if (line < 0) return engine::FailStep(e, creates, engine::kMsgNoMoreRoom);
    t.lines[line].extends_first = t.lines[line].extends_second = 1;
  }
  // The step always holds two points and two lines.
  if (ends.size() == 1) e.AdjustTables(1, 1, 0);

  if (out != nullptr) {
    const auto name = [](int i) { return static_cast<std::int16_t>(i); };
    const int last = t.last_point;
    const std::vector<std::int16_t> items{6, name(p), 6, name(last), ',', 6, name(p), 6, name(last - 1),
                                          ' ', '=', ' ', 5, kWordTangentToConic, ' ', engine::kTemplateEnd};
    e.ExpandTemplate(out, items);
    if (form == kFormEquation) {
      kernel::CoefficientTexts texts;
      kernel::SplitSixStrings(texts, kernel::JoinConstructionText(step));
      kernel::FormatConicEquation(*out, texts);
    } else {
      std::vector<std::int16_t> names;
      for (int i = 3; i < 3 + form; ++i) {
        if (step.operands[i] < engine::kPointCapacity) names.insert(names.end(), {6, name(Op(step, i))});
      }
      names.push_back(engine::kTemplateEnd);
      std::string text;
      e.ExpandTemplate(&text, names);
      *out += text;
    }
    *out += " ";
    e.AttributeTripleText(*out, 8);
  }
  return 0;
}

int TGeomC2Win::NewTangentStep(int curve, std::string pointText, int curveClass) {
  if (curveClass == 0) return TGeomC1Win::NewTangentStep(curve, std::move(pointText), curveClass);
  const engine::FigureTables& t = tables();
  int code = 0;
  if (t.last_point > engine::kLastPointLimit - 2) code = kMsgOutOfLabels;
  if (t.last_line > engine::kLastLineLimit - 2) code = kMsgTooManyLines;
  if (curve < 0) code = kMsgMakeSelection;
  const int p = FindPointByName(pointText);
  const ConicInventories::Entry entry = conics.EntryAt(curve);
  if (p < 0 || !t.PointExists(p) || (curve >= 0 && !entry.Found())) code = engine::kMsgCouldNotFind;
  if (code != 0) {
    Msg(code);
    return code;
  }

  kernel::ConstructionRecord& step = history().BeginStep(kTangentKind);
  step.operands[2] = static_cast<std::uint16_t>(p);
  if (entry.definition) {
    const ConicDefinitionFields f = ReadDefinition(*entry.definition);
    const int form = entry.place.list == kCurveListTwoFoci ? kFormTwoFoci : kFormThreePoint;
    step.operands[0] = static_cast<std::uint16_t>(form);
    step.operands[1] = f.code;
    for (int i = 0; i < form; ++i) step.operands[3 + i] = static_cast<std::uint16_t>(f.points[i]);
    step.text[0] = f.text.substr(0, kernel::kConstructionTextFieldChars);
  } else if (entry.conic) {
    step.operands[0] = kFormFivePoint;
    step.operands[1] = 0;
    for (int i = 0; i < 5; ++i) step.operands[3 + i] = entry.conic->point_slots[i];
  } else {
    step.operands[0] = kFormEquation;
    step.operands[1] = 0;
    kernel::CoefficientTexts texts = entry.equation->coefficient_texts;
    for (std::string& text : texts) {
      if (text.empty()) text = "0.0";
    }
    std::string joined;
    kernel::JoinSixStrings(joined, texts);
    kernel::SplitConstructionText(step, joined);
  }
  SetStepAttributes(8);
  code = RunNewStep();
  if (code > 0) Msg(code);
  return code;
}

}  // namespace plane

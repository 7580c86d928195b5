// The conic lists as the candidate dialogs show them, and the intersection of a line with a conic
// chosen there (Point > Intersection > Line-Conic).
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/step_engine.h"
#include "kernel/conic_equation_records.h"
#include "kernel/construction_record.h"
#include "plane/geom_c2_win.h"
#include "resources/resource_library.h"

namespace plane {

namespace {

constexpr int kLineConicKind = 100;
constexpr int kStringConic = 260;
// The conic forms of a line-conic step (operand 7) for the five-point and equation lists; a
// definition record's code is its own form.
constexpr int kFormFivePoints = 5;
constexpr int kFormEquation = 6;
constexpr int kFirstConicOperand = 2;
constexpr int kFormOperand = 7;
constexpr int kLineOperand = 8;

std::uint16_t Op(int value) { return static_cast<std::uint16_t>(static_cast<std::int16_t>(value)); }

}  // namespace

void TGeomC2Win::AppendCurveTexts(std::vector<std::string>& lines) const {
  const engine::FigureTables& t = tables();
  for (const auto* list : {&conics.twoFoci, &conics.threePoint}) {
    for (const ConicDefinition& record : *list) {
      const ConicDefinitionFields f = ReadDefinition(record);
      std::string text;
      stepEngine.ConicDefinitionText(text, f.points[0], f.points[1], f.points[2], f.text, f.code, f.colour);
      lines.push_back(std::move(text));
    }
  }
  const std::string conic = resources::LoadString(kStringConic);
  for (const kernel::ConicRecord& record : conics.fivePoint) {
    std::string text = conic + "(";
    for (const std::uint16_t p : record.point_slots) t.AppendPointName(text, p);
    lines.push_back(text + ")");
  }
  for (const kernel::EquationRecord& record : conics.equations) {
    std::string text = conic + " ";
    kernel::FormatConicEquation(text, record.coefficient_texts);
    lines.push_back(std::move(text));
  }
}

int TGeomC2Win::NewLineCurveIntersection(int line, int curve) {
  const engine::FigureTables& t = tables();
  const ConicInventories::Entry entry = conics.EntryAt(curve);
  if (!entry.Found()) return engine::kMsgCouldNotFind;
  int a = -1;
  int b = -1;
  if (line >= 0) {
    if (line > t.last_line || !t.lines[static_cast<std::size_t>(line)].exists) return engine::kMsgCouldNotFind;
    const kernel::IndexList& points = t.lines[static_cast<std::size_t>(line)].points;
    if (points.count < 2) return engine::kMsgCouldNotFind;
    a = points.entries[0];
    b = points.entries[static_cast<std::size_t>(std::min<int>(points.count, engine::kCurvePointLimit) - 1)];
  }

  kernel::ConstructionRecord& step = history().BeginStep(kLineConicKind, Op(a), Op(b));
  step.operands[kLineOperand] = Op(line);
  if (entry.definition) {
    const ConicDefinitionFields f = ReadDefinition(*entry.definition);
    // The step names the focus first; a record by focus and directrix holds the directrix first.
    const std::array<int, 3> points = f.code == kDefinitionEccentricity
                                          ? std::array<int, 3>{f.points[2], f.points[0], f.points[1]}
                                          : f.points;
    const int count = f.code == kDefinitionTwoFoci ? 2 : 3;
    for (int i = 0; i < count; ++i) step.operands[static_cast<std::size_t>(kFirstConicOperand + i)] = Op(points[i]);
    step.operands[kFormOperand] = f.code;
    step.text[0] = f.text.substr(0, kernel::kConstructionTextFieldChars);
  } else if (entry.conic) {
    for (int i = 0; i < 5; ++i) {
      step.operands[static_cast<std::size_t>(kFirstConicOperand + i)] = entry.conic->point_slots[i];
    }
    step.operands[kFormOperand] = kFormFivePoints;
  } else {
    step.operands[kFormOperand] = kFormEquation;
    kernel::CoefficientTexts texts = entry.equation->coefficient_texts;
    for (std::string& text : texts) {
      if (text.empty()) text = "0.0";
    }
    std::string joined;
    kernel::JoinSixStrings(joined, texts);
    kernel::SplitConstructionText(step, joined);
  }
  const int code = RunNewStep();
  if (code <= 0) RefreshDialogLists();
  return code > 0 ? code : 0;
}

}  // namespace plane

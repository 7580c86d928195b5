// The construction dialogs' operations for the curves of the hyperbolic plane: the parallel to a
// line through a point (kind 119), the equidistant curve of a line through a point (130), the
// horocycle touching a line at one of its points (138) and the common perpendicular of two lines
// (139). Each turns the typed labels into indices, refuses what names nothing, builds the step and
// runs it; a step that fails gives back what it reserved and is not kept.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "engine/curve_tables.h"
#include "kernel/construction_record.h"
#include "plane/geom_c2_win.h"

namespace plane {

namespace {

constexpr int kParallelKind = 119;
constexpr int kHypercycleKind = 130;
constexpr int kHorocycleKind = 138;
constexpr int kCommonPerpendicularKind = 139;
constexpr int kMsgNoSuchSegment = 135;
constexpr std::size_t kTextChars = kernel::kConstructionTextFieldChars;

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

// A line typed as two of its points: the points, and the line through them (-1 when none).
struct TypedLine {
  int count = 0;
  int a = -1;
  int b = -1;
  int line = -1;
};

TypedLine ParseTypedLine(const engine::FigureTables& t, std::string text) {
  std::array<std::uint16_t, 4> points{};
  TypedLine typed;
  typed.count = t.ParsePointList(text, std::span(points), 3) + 1;
  if (typed.count > 0 && points[static_cast<std::size_t>(typed.count - 1)] == engine::kGroupEnd) --typed.count;
  if (typed.count < 2) return typed;
  typed.a = points[0];
  typed.b = points[1];
  typed.line = engine::FindLineThrough(t, typed.a, typed.b);
  return typed;
}

}  // namespace

int TGeomC2Win::NewLinePointCurveStep(int kind, std::string& lineText, std::string& pointText) {
  const int p = FindPointByName(pointText);
  const std::string typedLine = lineText.substr(0, kTextChars);
  const TypedLine typed = ParseTypedLine(tables(), typedLine);
  if (p < 0 || !tables().PointExists(p) || typed.count < 2) return engine::kMsgCouldNotFind;
  if (typed.a == typed.b) return engine::kMsgDuplicateLabel;
  if (typed.line < 0) return kMsgNoSuchSegment;
  kernel::ConstructionRecord* step = nullptr;
  if (kind == kParallelKind) {
    step = &history().BeginStep(kParallelKind, Op(p), Op(typed.a), Op(typed.b), Op(typed.line));
    SetStepAttributes(4);
  } else if (kind == kHypercycleKind) {
    step = &history().BeginStep(kHypercycleKind, Op(typed.line), Op(p));
  } else {
    step = &history().BeginStep(kHorocycleKind, Op(typed.a), Op(typed.b), Op(typed.line), Op(p));
  }
  step->text[0] = typedLine;
  const int code = RunNewStep();
  return code > 0 ? code : 0;
}

int TGeomC2Win::DoParallelNonEuclidean(std::string& lineText, std::string& pointText) {
  return NewLinePointCurveStep(kParallelKind, lineText, pointText);
}

int TGeomC2Win::DoEquidistantCurve(std::string& lineText, std::string& pointText) {
  return NewLinePointCurveStep(kHypercycleKind, lineText, pointText);
}

int TGeomC2Win::DoHorocycleThrough(std::string& lineText, std::string& pointText) {
  return NewLinePointCurveStep(kHorocycleKind, lineText, pointText);
}

int TGeomC2Win::DoCommonPerpendicular(std::string& firstText, std::string& secondText) {
  const std::array<std::string, 2> texts{firstText.substr(0, kTextChars), secondText.substr(0, kTextChars)};
  std::array<TypedLine, 2> lines;
  for (std::size_t k = 0; k < 2; ++k) lines[k] = ParseTypedLine(tables(), texts[k]);
  for (const TypedLine& l : lines) {
    if (l.line < 0) return kMsgNoSuchSegment;
  }
  for (const TypedLine& l : lines) {
    if (l.a == l.b) return engine::kMsgDuplicateLabel;
  }
  kernel::ConstructionRecord& step =
      history().BeginStep(kCommonPerpendicularKind, Op(lines[0].line), Op(lines[1].line));
  SetStepAttributes(3);
  step.text[0] = texts[0];
  step.text[1] = texts[1];
  const int code = RunNewStep();
  return code > 0 ? code : 0;
}

}  // namespace plane

#pragma once
// Small readers shared by the plane executor families: an operand as a signed index, the line
// attribute triple a step keeps one less than its value, a description template given inline, and
// a typed "a,b" vector.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/step_engine.h"
#include "kernel/construction_record.h"
#include "kernel/line_circle_records.h"
#include "kernel/real.h"

namespace plane {

inline constexpr kernel::Real kRadiansPerDegree = static_cast<kernel::Real>(0.017453292519943295L);
inline constexpr kernel::Real kDegreesPerRadian = static_cast<kernel::Real>(57.29577951308232L);
inline constexpr kernel::Real kFullTurn = static_cast<kernel::Real>(6.283185307179586477L);

inline std::int16_t Op(const kernel::ConstructionRecord& step, int n) {
  return static_cast<std::int16_t>(step.operands[n]);
}

// The pen of the attribute triple stored in operands first to first + 2.
inline kernel::LinePen PenFromOperands(const kernel::ConstructionRecord& step, int first) {
  return {static_cast<std::uint16_t>(step.operands[first] + 1), static_cast<std::uint16_t>(step.operands[first + 1] + 1),
          static_cast<std::uint16_t>(step.operands[first + 2] + 1)};
}

// Expands the items (without their end mark) into out when out is not null.
inline void Describe(engine::StepEngine& e, std::string* out, std::initializer_list<std::int16_t> items) {
  if (out == nullptr) return;
  std::vector<std::int16_t> list(items);
  list.push_back(engine::kTemplateEnd);
  e.ExpandTemplate(out, list);
}

// The typed number of a step: text 1 alone, or the three texts joined when operand 8 is 0 or more.
std::string TypedNumberText(const kernel::ConstructionRecord& step);

// Evaluates a typed vector "a,b"; 0, or the evaluator's code (1 when the text has no two parts).
int EvaluateVectorText(engine::StepEngine& e, const std::string& text, kernel::Point2& v);

// The existing line, circle or point at index i.
bool LineExists(const engine::FigureTables& t, int i);
bool CircleExists(const engine::FigureTables& t, int i);

// Raises the circle table's last index and writes a circle of the centre through p1 (and p2 when
// 0 or more) spanning angle degrees, with the pen; the new index.
int AddCircleRecord(engine::StepEngine& e, int centre, int p1, kernel::Real angle, int p2, const kernel::LinePen& pen);

}  // namespace plane

namespace plane {

// Adds the ray from vertex turned from the direction to reference by radians: its second point
// (with the tag) and the line record, continued past that point, with the pen; 0 or message 4.
int AddRayAtAngle(engine::StepEngine& e, int vertex, int reference, kernel::Real radians, int tag,
                  const kernel::LinePen& pen);

}  // namespace plane

namespace plane {

// Two points closer than this in both coordinates are one point when a step may reuse points.
inline constexpr kernel::Real kCoincidenceTolerance = static_cast<kernel::Real>(1e-9);

}  // namespace plane

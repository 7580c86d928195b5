#include "plane/step_operands.h"

#include "kernel/construction_record.h"

namespace plane {

std::string TypedNumberText(const kernel::ConstructionRecord& step) {
  if (step.operands[8] != kernel::kNoOperand && Op(step, 8) >= 0) return kernel::JoinConstructionText(step);
  return step.text[0];
}

int EvaluateVectorText(engine::StepEngine& e, const std::string& text, kernel::Point2& v) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return engine::kMsgCannotUnderstand;
  std::string second = text.substr(comma + 1);
  if (!second.empty() && second.back() == ',') second.pop_back();
  if (comma == 0 || second.empty()) return engine::kMsgCannotUnderstand;
  if (const int code = e.Evaluate(text.substr(0, comma), v.x); code != 0) return code;
  return e.Evaluate(second, v.y);
}

bool LineExists(const engine::FigureTables& t, int i) {
  return i >= 0 && i <= t.last_line && t.lines[i].exists != 0;
}

bool CircleExists(const engine::FigureTables& t, int i) {
  return i >= 0 && i <= t.last_circle && t.circles[i].exists != 0;
}

int AddCircleRecord(engine::StepEngine& e, int centre, int p1, kernel::Real angle, int p2, const kernel::LinePen& pen) {
  const int c = ++e.tables.last_circle;
  kernel::CircleRecord& circle = e.tables.circles[c];
  kernel::InitCircleRecord(circle, static_cast<std::uint16_t>(centre), static_cast<std::int16_t>(p1), angle,
                           static_cast<std::int16_t>(p2), -1);
  circle.pen = pen;
  return c;
}

}  // namespace plane

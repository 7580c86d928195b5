#include "solid/surface_step.h"

#include <span>

#include "kernel/surface_frames.h"

namespace solid {

SurfaceStep::SurfaceStep(engine::StepEngine& engine, ModelTables& model, SolidStepNeeds needs)
    : SolidStep(engine, model, needs), engine_(engine) {}

void SurfaceStep::NumberOldFigure(int records) {
  if (engine_.fileVersion >= kObjectNumberFileVersion || records < 1) return;
  std::uint16_t& counter = engine_.solid.object_counter;
  step().operands[kObjectNumberOperand] = ++counter;
  counter = static_cast<std::uint16_t>(counter + records - 1);
}

int SurfaceStep::PointOperand(int k) {
  const std::uint16_t i = step().operands[static_cast<std::size_t>(k)];
  const engine::FigureTables& t = engine_.tables;
  if (i == kernel::kNoOperand || static_cast<int>(i) > t.last_point || !t.exists[i]) return -1;
  return i;
}

int SurfaceStep::Compile(std::string text, Real& value, TextRule rule) {
  const int result = engine_.executors().EvaluateText(text, value);
  const bool refused = result > 0 || (rule == TextRule::kRefusePositiveOrMinus4 && result == -4) ||
                       (rule == TextRule::kRefuseNonZero && result != 0);
  return refused ? engine::kMsgCannotUnderstand : 0;
}

int SurfaceStep::AddSurface(kernel::SurfaceRecord record, int offset) {
  engine::SolidTables& s = engine_.solid;
  const int k = s.last_surface + 1;
  if (k >= engine::kSurfaceCapacity || k >= static_cast<int>(s.surfaces.size())) return -1;
  kernel::SetCodeHundreds(record, step().operands[kObjectNumberOperand] + offset);
  if (record.active) kernel::UpdateSurfaceFrame(record, std::span<const Point3>(engine_.tables.xyz));
  s.surfaces[static_cast<std::size_t>(k)] = record;
  s.last_surface = static_cast<std::int16_t>(k);
  return k;
}

}  // namespace solid

#include "engine/history_piece.h"

#include "engine/figure_tables.h"
#include "engine/step_kinds.h"

namespace engine {

void WriteHistory(kernel::ByteWriter& writer, const std::deque<kernel::ConstructionRecord>& steps) {
  writer.I16(static_cast<std::int16_t>(steps.size()));
  for (const kernel::ConstructionRecord& step : steps) kernel::WriteConstructionRecord(writer, step);
}

int ReadHistory(kernel::ByteReader& reader, std::deque<kernel::ConstructionRecord>& steps) {
  const std::int16_t count = reader.I16();
  if (!reader.ok()) return kMsgInconsistentData;
  for (int k = 0; k < count; ++k) {
    std::optional<kernel::ConstructionRecord> step = kernel::ReadConstructionRecord(reader);
    if (!step) return kMsgInconsistentData;
    const int fits = CheckStepOperands(*step);
    if (fits != 0) return fits;
    step->next = nullptr;
    steps.push_back(std::move(*step));
  }
  RenumberHistory(steps);
  return 0;
}

void RenumberHistory(std::deque<kernel::ConstructionRecord>& steps) {
  std::int16_t n = 0;
  for (kernel::ConstructionRecord& step : steps) step.sequence = n++;
}

}  // namespace engine

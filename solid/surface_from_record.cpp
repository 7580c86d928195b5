#include "solid/surface_from_record.h"

#include <cstdint>

#include "kernel/vector3.h"
#include "solid/surface_description.h"
#include "solid/surface_step.h"

namespace solid {

namespace {

constexpr int kLastSurfaceKind = kernel::kSurfaceGreatCircleArc2;
constexpr std::size_t kFirstPointOperand = 1;
constexpr std::size_t kColourOperand = 5;
constexpr std::size_t kTracingOperand = 6;
constexpr std::size_t kSectionMarkOperand = 9;
constexpr std::size_t kTransparentOperand = 10;
constexpr std::size_t kActiveOperand = 11;

}  // namespace

int DoSurfaceFromRecord(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  SurfaceStep step(engine, model, {0, 0, 1});
  if (const int code = step.Begin(); code != 0) return code;
  const kernel::ConstructionRecord& r = step.record();
  const int kind = static_cast<std::int16_t>(r.operands[0]);
  if (kind < 0 || kind > kLastSurfaceKind) return step.Fail(engine::kMsgInconsistentData);
  std::array<std::int16_t, 4> points{};
  for (std::size_t k = 0; k < points.size(); ++k) {
    points[k] = static_cast<std::int16_t>(r.operands[kFirstPointOperand + k]);
    if (points[k] < -1 || points[k] > step.tables().last_point)
      return step.Fail(engine::kMsgInconsistentData);
  }
  kernel::SurfaceRecord s;
  kernel::InitSurfaceRecord(s, static_cast<std::int16_t>(kind), points[0], points[1], r.parameters[0],
                            r.parameters[1], r.parameters[2], r.parameters[3], points[2], points[3]);
  s.colour = r.operands[kColourOperand];
  kernel::SetShort3b(s.style, r.operands[kTracingOperand], r.operands[kTracingOperand + 1],
                     r.operands[kTracingOperand + 2]);
  s.sectionMark = r.operands[kSectionMarkOperand];
  s.transparent = r.operands[kTransparentOperand] != 0 ? 1 : 0;
  s.active = r.operands[kActiveOperand] != 0 ? 1 : 0;
  const int k = step.AddSurface(s, 0);
  if (out != nullptr) *out = DescribeSurface(engine, k) + " (" + r.text[0] + ")";
  return 0;
}

}  // namespace solid

#include "solidview/geom_r_win.h"

#include <algorithm>

#include "engine/step_engine.h"

namespace solidview {

namespace {
constexpr int kPrismPyramidFromPlaneKind = 300;
}  // namespace

TGeomRWin::TGeomRWin(platform::FrameWindow* parent, std::string_view title) : TGeomQWin(parent, title, false) {}

int TGeomRWin::BuildSolidFromPolygon(const plane::SolidHandOver& handOver) {
  const std::size_t n =
      std::min({handOver.base.size(), handOver.labels.size(), static_cast<std::size_t>(kernel::kFaceVertexCapacity)});
  engine::FigureTables& t = tables();
  for (std::size_t i = 0; i < n; ++i) t.xyz[i] = {handOver.base[i].x, handOver.base[i].y, 0};
  kernel::ConstructionRecord& step = history().BeginStep(kPrismPyramidFromPlaneKind);
  step.operands[0] = static_cast<std::uint16_t>(n);
  for (std::size_t i = 0; i < n; ++i) step.operands[1 + i] = handOver.labels[i];
  step.flag = handOver.prism ? 1 : 0;
  step.parameters[1] = handOver.dx;
  step.parameters[2] = handOver.dy;
  step.parameters[3] = handOver.altitude;
  const int code = RunNewStep();
  SetModified();
  return code;
}

}  // namespace solidview

#include "engine/windows/geom09_win.h"

namespace engine {

TGeom09Win::TGeom09Win(platform::FrameWindow* parent, std::string_view title) : TGeomWin(parent, title) {
  stepEngine.SetExecutors(this);
}

TGeom09Win::~TGeom09Win() {
  // The step engine outlives this layer's executors.
  stepEngine.SetExecutors(nullptr);
}

int TGeom09Win::RedoStep(std::string* out) { return stepEngine.RedoStep(out); }

int TGeom09Win::ReplayConstruction(bool replaying) {
  PrepareStepEngine();
  // The figure is placed anew: its cached picture is stale.
  wing.pictureValid = 0;
  return stepEngine.ReplayConstruction(replaying);
}

int TGeom09Win::ReplayMovedPoints(std::span<const std::uint16_t> moved) {
  PrepareStepEngine();
  wing.pictureValid = 0;
  return stepEngine.ReplaySteps(downstream_.Find(history(), stepEngine.ends, moved));
}

}  // namespace engine

#pragma once
// What a spherical window keeps in its settings file: stored when the window closes, taken back
// when the next spherical window is set up. A stored value out of range gives the value a new
// window starts with.

#include <cstdint>

#include "kernel/real.h"
#include "view/common_block.h"

namespace sphere {

struct SphereSettings {
  std::int32_t mouseMode = 120;  // Btns > Segments
  std::int32_t opaqueLabels = 0;
  std::int32_t bulletSize = 3;
  std::int32_t displayMode = 0;  // hidden parts hidden
  std::int32_t decimals = 5;
  std::int32_t showUnits = 0;
  std::int32_t toolbarShown = 0;
  std::int32_t labelsInDottedMode = 0;
  std::int32_t highResolution = 0;
  kernel::Point3 observer{6, 8, 5};
  kernel::Real zoomFactor = static_cast<kernel::Real>(1.1);
  kernel::Real rotationStep = 0;

};

void StoreSphereSettings(const SphereSettings& settings, view::SettingsArrays& arrays);
// The stored settings; each value out of range is taken from `fresh`, the settings of a new window.
SphereSettings RestoreSphereSettings(const view::SettingsArrays& arrays, const SphereSettings& fresh);

}  // namespace sphere

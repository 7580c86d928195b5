#pragma once
// How a window in space paints its model: the display mode and the drawing options of the View
// menu.

#include <cstdint>

#include "kernel/real.h"

namespace solidview {

enum DisplayMode : std::uint16_t {
  kPainted = 0,
  kDotHiddenLines = 1,
  kShowHiddenLines = 2,
  kRayTraced = 3,
  kPaintedAndDotted = 4,
};

struct SolidDisplayOptions {
  std::uint16_t displayMode = kPainted;
  std::uint8_t outlinesOn = 1;
  std::uint8_t labelsInDottedMode = 0;
  std::uint8_t axisLabelsOn = 1;
  std::uint8_t axisArrowsOn = 0;
  // The arrowheads of the axes, in pixels and in model units.
  std::int16_t arrowheadPixels = 17;
  kernel::Real arrowheadLength = 0;
};

}  // namespace solidview

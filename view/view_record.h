#pragma once
// One saved view of a graphics window: what View > Last window goes back to.

#include <array>
#include <cstdint>

#include "kernel/real.h"

namespace view {

struct ViewMapping;
struct AxesSettings;

struct ViewRecord {
  // Centre x, centre y, half width, half height with equal scales; xmin, xmax, ymin, ymax of the
  // view box with unequal scales.
  std::array<kernel::Real, 4> extents{};
  kernel::Real aspect = 1;
  std::uint16_t scaleNumbers = 0;
  std::uint16_t gridKind = 0;
  std::uint16_t sectorCount = 0;
  std::uint16_t tickLength = 0;
  std::uint16_t shortTickLength = 0;
  std::uint16_t axesKind = 0;
  std::uint16_t labelSuffix = 0;
  std::uint8_t unequal = 0;
  std::uint8_t latticeDots = 0;
  std::uint8_t ticks = 0;
  std::uint8_t showAxisNames = 0;
  std::uint8_t axesShown = 0;
  std::uint8_t arrows = 0;
  std::uint8_t originLetter = 0;
  std::uint8_t xLabelsInAxisPass = 0;
  std::uint8_t yLabelsInAxisPass = 0;
  kernel::Real gridSpacingX = 0;
  kernel::Real gridSpacingY = 0;
  std::uint16_t xLabelPlaces = 0;
  std::uint16_t yLabelPlaces = 0;
  std::uint16_t xLabelFrequency = 0;
  std::uint16_t yLabelFrequency = 0;
  std::uint8_t xScalePi = 0;
  std::uint8_t yScalePi = 0;
};

// The record of the current view and frame settings.
ViewRecord MakeViewRecord(const ViewMapping& mapping, const AxesSettings& axes);
// Puts a record back: the unequal-scales flag first, which decides whether the extents are the box
// or centre and half extents. The scales are not recomputed.
void ApplyViewRecord(const ViewRecord& record, ViewMapping& mapping, AxesSettings& axes);

}  // namespace view

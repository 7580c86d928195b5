#pragma once
// The display settings a plane window keeps in its settings file: stored into the settings
// arrays when the window closes and taken back, with out-of-range values replaced, when the next
// plane window of its kind is set up.

#include <array>
#include <cstdint>
#include <string>

#include "kernel/real.h"
#include "view/common_block.h"

namespace plane {

inline constexpr int kPlaneMarkerCharacters = 8;
// The marker characters a stored one below 32 falls back to, in order.
inline constexpr std::array<std::uint8_t, kPlaneMarkerCharacters> kDefaultMarkerCharacters{253, 227, 232, 251,
                                                                                          248, 246, 244, 112};
// Where the degree sign's code sits among the marker characters.
inline constexpr std::size_t kDegreeMarker = 4;
// The longest stored text.
inline constexpr std::size_t kPlaneSettingsTextLength = view::kSettingsArrayLength - 1;

struct PlaneDisplaySettings {
  // The view record.
  std::int32_t toolbarMode = 120;
  std::int32_t labelMode = 1;
  std::int32_t penWidth = 1;
  std::int32_t gridSetting = 0;
  std::int32_t decimals = 5;
  std::int32_t axesShown = 0;
  std::int32_t ticks = 1;
  std::int32_t toolbarShown = 0;
  std::int32_t axesKind = 3;
  std::int32_t gridKind = 15;
  std::int32_t scaleNumbers = 0;
  std::int32_t sectorCount = 12;
  std::int32_t tickLength = 10;
  std::int32_t fieldWidth = 7;  // taken back as decimals + 2
  std::int32_t xLabelPlaces = 1;
  std::int32_t yLabelPlaces = 1;
  std::int32_t latticeDots = 0;
  // The marker record.
  std::int32_t axisFont = 0;
  std::int32_t gridScreenWidth = 1;
  std::int32_t gridPrintedWidth = 1;
  std::int32_t markerSize = 3;
  std::array<std::uint8_t, kPlaneMarkerCharacters> markers = kDefaultMarkerCharacters;
  std::int32_t globalMarker = 0;
  // The scale values: the highlight tick length, the zoom factor and the arrow length.
  kernel::Real highlightLength = 0.1L;
  kernel::Real zoomFactor = 1.1L;
  kernel::Real arrowLength = 0.15L;
  // The names of the x and y axes.
  std::string xName = "x";
  std::string yName = "y";

  friend bool operator==(const PlaneDisplaySettings&, const PlaneDisplaySettings&) = default;
};

// Writes the settings into the arrays the settings file carries.
void StorePlaneSettings(const PlaneDisplaySettings& settings, view::SettingsArrays& arrays);
// Reads them back: marker characters below 32 become their defaults, a highlight length below
// 1e-16 becomes 0.1, a zoom factor below 1e-13 becomes 1.01 (values that are no numbers too),
// the decimals stay within 0..18 and the field width follows them.
PlaneDisplaySettings RestorePlaneSettings(const view::SettingsArrays& arrays);

}  // namespace plane

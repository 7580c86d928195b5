#include "plane/plane_settings.h"

#include <algorithm>
#include <cmath>

namespace plane {

namespace {

// Where the plane windows keep their settings in the arrays of the settings file.
constexpr int kViewArray = 1;
constexpr int kMarkerArray = 2;
constexpr int kScaleArray = 1;
constexpr int kFirstTextArray = 1;
constexpr int kSecondTextArray = 2;
// The arrow length is kept less this.
constexpr std::int32_t kMaxDecimals = 18;
constexpr kernel::Real kArrowLengthOffset = 0.05L;

void StoreText(const std::string& text, view::SettingsArrays::Bytes& bytes) {
  bytes.fill(0);
  const std::size_t n = std::min(text.size(), kPlaneSettingsTextLength);
  std::copy_n(text.begin(), n, bytes.begin());
}

std::string RestoreText(const view::SettingsArrays::Bytes& bytes) {
  const auto end = std::find(bytes.begin(), bytes.begin() + kPlaneSettingsTextLength, std::uint8_t{0});
  return std::string(bytes.begin(), end);
}

}  // namespace

void StorePlaneSettings(const PlaneDisplaySettings& s, view::SettingsArrays& arrays) {
  view::SettingsArrays::Ints& v = arrays.ints[kViewArray];
  v = {s.toolbarMode, s.labelMode,    s.penWidth,      s.gridSetting, 0,           0,
       s.decimals,    s.axesShown,    s.ticks,         s.toolbarShown, 0,          0,
       s.axesKind,    s.gridKind,     s.scaleNumbers,  s.sectorCount, s.tickLength, s.fieldWidth,
       s.xLabelPlaces, s.yLabelPlaces, s.latticeDots};
  view::SettingsArrays::Ints& m = arrays.ints[kMarkerArray];
  m.fill(0);
  m[0] = s.axisFont;
  m[1] = s.gridScreenWidth;
  m[2] = s.gridPrintedWidth;
  m[3] = s.markerSize;
  for (int k = 0; k < kPlaneMarkerCharacters; ++k) m[4 + k] = s.markers[k];
  m[12] = s.globalMarker;
  view::SettingsArrays::Reals& r = arrays.reals[kScaleArray];
  r[0] = s.highlightLength;
  r[1] = s.zoomFactor;
  r[2] = s.arrowLength - kArrowLengthOffset;
  StoreText(s.xName, arrays.bytes[kFirstTextArray]);
  StoreText(s.yName, arrays.bytes[kSecondTextArray]);
}

PlaneDisplaySettings RestorePlaneSettings(const view::SettingsArrays& arrays) {
  PlaneDisplaySettings s;
  const view::SettingsArrays::Ints& v = arrays.ints[kViewArray];
  s.toolbarMode = v[0];
  s.labelMode = v[1];
  s.penWidth = v[2];
  s.gridSetting = v[3];
  // A damaged file must not give a number form the formatting cannot take.
  s.decimals = std::clamp(v[6], 0, kMaxDecimals);
  s.axesShown = v[7];
  s.ticks = v[8];
  s.toolbarShown = v[9];
  s.axesKind = v[12];
  s.gridKind = v[13];
  s.scaleNumbers = v[14];
  s.sectorCount = v[15];
  s.tickLength = v[16];
  s.fieldWidth = s.decimals + 2;
  s.xLabelPlaces = v[18];
  s.yLabelPlaces = v[19];
  s.latticeDots = v[20];
  const view::SettingsArrays::Ints& m = arrays.ints[kMarkerArray];
  s.axisFont = m[0];
  s.gridScreenWidth = m[1];
  s.gridPrintedWidth = m[2];
  s.markerSize = m[3];
  for (int k = 0; k < kPlaneMarkerCharacters; ++k) {
    const std::int32_t c = m[4 + k];
    s.markers[k] = c < 32 || c > 255 ? kDefaultMarkerCharacters[k] : static_cast<std::uint8_t>(c);
  }
  s.globalMarker = m[12];
  const view::SettingsArrays::Reals& r = arrays.reals[kScaleArray];
  s.highlightLength = !(r[0] >= static_cast<kernel::Real>(1e-16)) ? 0.1L : r[0];
  s.zoomFactor = !(r[1] >= static_cast<kernel::Real>(1e-13)) ? 1.01L : r[1];
  s.arrowLength = std::isfinite(r[2]) ? r[2] + kArrowLengthOffset : PlaneDisplaySettings{}.arrowLength;
  s.xName = RestoreText(arrays.bytes[kFirstTextArray]);
  s.yName = RestoreText(arrays.bytes[kSecondTextArray]);
  return s;
}

}  // namespace plane

#include "sphere/sphere_settings.h"

#include <cmath>

#include "kernel/vector3.h"

namespace sphere {

namespace {

// Where the window keeps its values: integer array 1 (the window record) and real array 1 (the
// view record: observer, zoom factor, rotation step).
constexpr int kWindowArray = 1;
constexpr int kViewArray = 1;
constexpr int kUnused = -1;
constexpr std::int32_t kFirstMouseMode = 120;
constexpr std::int32_t kLastMouseMode = 129;
constexpr std::int32_t kLastDisplayMode = 2;
constexpr std::int32_t kMaxDecimals = 18;
constexpr std::int32_t kLargestBullet = 50;
constexpr kernel::Real kSmallestZoomFactor = static_cast<kernel::Real>(1e-13);

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }
std::int32_t Flag(std::int32_t value) { return value != 0 ? 1 : 0; }

}  // namespace

void StoreSphereSettings(const SphereSettings& s, view::SettingsArrays& arrays) {
  view::SettingsArrays::Ints& w = arrays.ints[kWindowArray];
  w = {s.mouseMode, s.opaqueLabels, s.bulletSize, s.displayMode, 0, 0, s.decimals, s.showUnits, kUnused,
       s.toolbarShown, 0, 0, 0, 0, kUnused, kUnused, kUnused, s.labelsInDottedMode, 0, s.highResolution, 0};
  view::SettingsArrays::Reals& v = arrays.reals[kViewArray];
  v.fill(0);
  v[0] = s.observer.x;
  v[1] = s.observer.y;
  v[2] = s.observer.z;
  v[3] = s.zoomFactor;
  v[4] = s.rotationStep;
}

SphereSettings RestoreSphereSettings(const view::SettingsArrays& arrays, const SphereSettings& fresh) {
  SphereSettings s = fresh;
  const view::SettingsArrays::Ints& w = arrays.ints[kWindowArray];
  if (InRange(w[0], kFirstMouseMode, kLastMouseMode)) s.mouseMode = w[0];
  s.opaqueLabels = Flag(w[1]);
  if (InRange(w[2], 0, kLargestBullet)) s.bulletSize = w[2];
  if (InRange(w[3], 0, kLastDisplayMode)) s.displayMode = w[3];
  if (InRange(w[6], 0, kMaxDecimals)) s.decimals = w[6];
  s.showUnits = Flag(w[7]);
  s.toolbarShown = Flag(w[9]);
  s.labelsInDottedMode = Flag(w[17]);
  s.highResolution = Flag(w[19]);
  const view::SettingsArrays::Reals& v = arrays.reals[kViewArray];
  const kernel::Point3 observer{v[0], v[1], v[2]};
  // The observer must stand outside the ball.
  const kernel::Real distance = std::sqrt(kernel::Dot3(observer, observer));
  if (std::isfinite(distance) && distance > 1) s.observer = observer;
  if (std::isfinite(v[3]) && v[3] >= kSmallestZoomFactor) s.zoomFactor = v[3];
  if (std::isfinite(v[4]) && v[4] != 0) s.rotationStep = v[4];
  return s;
}

}  // namespace sphere

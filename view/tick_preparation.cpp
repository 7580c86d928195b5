#include "view/tick_preparation.h"

#include <cmath>
#include <cstdint>

namespace view {

using kernel::Real;

namespace {

constexpr Real kIndexLimit = 2147483647;
constexpr int kMostDecimals = 4;

// Tenfold until the extent holds at most `eighth` intervals; false when nothing grew.
bool Widen(Real extent, int eighth, Real& interval) {
  if (eighth < 1) return false;
  bool grew = false;
  while (std::isfinite(interval) && interval > 0 && extent / interval > eighth) {
    interval *= 10;
    grew = true;
  }
  return grew;
}

bool Shorten(bool ticks, Real halfExtent, Real& interval) {
  if (!ticks || !(interval > 3 * halfExtent)) return false;
  interval = static_cast<Real>(0.5) * halfExtent;
  return true;
}

bool RaiseDecimals(Real interval, int frequency, bool scale, std::uint16_t& places) {
  const int suffix = places >= 10 ? 10 : 0;
  int decimals = places % 10;
  Real unit = std::pow(static_cast<Real>(10), -decimals);
  bool raised = false;
  while (interval * frequency < unit && decimals < kMostDecimals && scale) {
    ++decimals;
    unit *= static_cast<Real>(0.1);
    raised = true;
  }
  if (raised) places = static_cast<std::uint16_t>(decimals + suffix);
  return raised;
}

// The index of the tick at or before (toward zero) the coordinate; false when it does not fit.
bool TickIndex(Real coordinate, Real origin, Real interval, std::int32_t& index) {
  const Real v = (coordinate - origin) / interval;
  if (!(std::fabs(v) < kIndexLimit)) return false;
  index = static_cast<std::int32_t>(v);
  return true;
}

}  // namespace

TickPreparation PrepareTicks(const ViewMapping& m, AxesSettings& axes) {
  TickPreparation out;
  const bool widenedX = Widen(2 * m.halfWidth, m.width / 8, axes.gridSpacingX);
  const bool widenedY = Widen(2 * m.halfHeight, m.height / 8, axes.gridSpacingY);
  if (widenedX || widenedY) out.result = kTicksWidened;
  bool changed = widenedX || widenedY;
  changed |= Shorten(axes.ticks != 0, m.halfWidth, axes.gridSpacingX);
  changed |= Shorten(axes.ticks != 0, m.halfHeight, axes.gridSpacingY);
  changed |= RaiseDecimals(axes.gridSpacingX, axes.xLabelFrequency, (axes.scaleNumbers & 1) != 0, axes.xLabelPlaces);
  changed |= RaiseDecimals(axes.gridSpacingY, axes.yLabelFrequency, (axes.scaleNumbers & 2) != 0, axes.yLabelPlaces);
  if (changed) {
    if (axes.noticeState == 3) axes.noticeState = 0;
    else if (axes.noticeState > 0) axes.noticeState = 1;
  }
  out.changed = changed;

  const kernel::Box2& b = m.box;
  const bool fits = TickIndex(b.xmin, axes.gridOriginX, axes.gridSpacingX, axes.tickFirstX) &&
                    TickIndex(b.xmax, axes.gridOriginX, axes.gridSpacingX, axes.tickLastX) &&
                    TickIndex(b.ymin, axes.gridOriginY, axes.gridSpacingY, axes.tickFirstY) &&
                    TickIndex(b.ymax, axes.gridOriginY, axes.gridSpacingY, axes.tickLastY);
  if (!fits) {
    out.result = kTicksOverflow;
    axes.ticks = 0;
    axes.tickFirstX = axes.tickLastX = axes.tickFirstY = axes.tickLastY = 0;
  }
  return out;
}

}  // namespace view

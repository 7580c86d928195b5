#include "special/penrose_bars.h"

#include <algorithm>
#include <cmath>

#include "kernel/vector2.h"

namespace special {

Real LongBarSpacing() { return (std::sqrt(static_cast<Real>(45)) + 5) / 4; }
Real ShortBarSpacing() { return (std::sqrt(static_cast<Real>(5)) + 5) / 4; }

bool BarGapsLegal(std::span<const Real> positions) {
  const Real longGap = LongBarSpacing();
  const Real shortGap = ShortBarSpacing();
  bool previousLong = true;
  for (std::size_t k = 1; k < positions.size(); ++k) {
    const Real gap = positions[k] - positions[k - 1];
    const bool isLong = std::fabs(gap - longGap) < kBarGapTolerance;
    const bool isShort = std::fabs(gap - shortGap) < kBarGapTolerance;
    if (!isLong && !isShort) return false;
    if (isShort && !previousLong) return false;
    previousLong = isLong;
  }
  return true;
}

bool InsertAmmannBar(PenroseTiling& t, int code, const Point2& point) {
  int i = ((code % 10) + 10) % 10;
  if (i % 2 == 0) i = (i + 5) % 10;
  const int family = i / 2;
  const Real p = kernel::Dot2(point, t.unitDirs[static_cast<std::size_t>(i)]);
  auto& list = t.bars[static_cast<std::size_t>(family)];
  // The list is ascending, so a bar within the tolerance is next to where p would go.
  const auto at = std::upper_bound(list.begin(), list.end(), p);
  if (at != list.end() && std::fabs(*at - p) < kSameBarTolerance) return true;
  if (at != list.begin() && std::fabs(*(at - 1) - p) < kSameBarTolerance) return true;
  list.insert(at, p);
  if (t.journal.active) t.journal.bars.push_back({static_cast<std::int16_t>(family), p});
  return !t.compatibility || BarGapsLegal(list);
}

bool RegisterTileBars(PenroseTiling& t, std::int16_t index) {
  const PenroseTile& tile = t.tiles[static_cast<std::size_t>(index)];
  const int type = tile.type & 1;
  const int d = tile.dir;
  auto corner = [&](int k) { return t.vertices[static_cast<std::size_t>(tile.c[static_cast<std::size_t>(k)])]; };
  const Real quarter = static_cast<Real>(0.25);
  const Real threeQuarters = static_cast<Real>(0.75);

  if (!InsertAmmannBar(t, d, corner(0) * threeQuarters + corner(1) * quarter)) return false;
  if (t.mode == 0) {
    if (!InsertAmmannBar(t, d + 4, corner(2 * type) * threeQuarters + corner(3 - 2 * type) * quarter)) return false;
    const Real a = (2 - Phi()) / 2;
    const Real b = 1 - a;
    return InsertAmmannBar(t, d + 7, corner(2) * b + corner(1 + 2 * type) * a);
  }
  return InsertAmmannBar(t, type == 1 ? d + 4 : d + 2, corner(0) * threeQuarters + corner(3) * quarter);
}

void FreeAmmannBars(PenroseTiling& t) {
  for (auto& list : t.bars) list.clear();
}

}  // namespace special

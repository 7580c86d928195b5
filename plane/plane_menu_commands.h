#pragma once
// The commands of the plane menus whose handlers are still to come: their items stay greyed
// until each one is built (and its id leaves this list).

#include <algorithm>
#include <array>

namespace plane {

// Every command of the plane menus has its handler now; an id put here greys its item.
inline constexpr std::array<int, 0> kPlaneCommandsToCome{};

constexpr bool IsPlaneCommandToCome(int id) {
  return std::find(kPlaneCommandsToCome.begin(), kPlaneCommandsToCome.end(), id) != kPlaneCommandsToCome.end();
}

}  // namespace plane

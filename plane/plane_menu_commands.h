#pragma once
// The commands of the plane menus whose handlers are still to come: their items stay greyed
// until each one is built (and its id leaves this list).

#include <algorithm>
#include <array>

namespace plane {

inline constexpr std::array kPlaneCommandsToCome{
    // Btns
    727, 914};

constexpr bool IsPlaneCommandToCome(int id) {
  return std::find(kPlaneCommandsToCome.begin(), kPlaneCommandsToCome.end(), id) != kPlaneCommandsToCome.end();
}

}  // namespace plane

#pragma once
// The commands of the plane menus whose handlers are still to come: their items stay greyed
// until each one is built (and its id leaves this list).

#include <algorithm>
#include <array>

namespace plane {

inline constexpr std::array kPlaneCommandsToCome{
    740, 1116,
    // Edit
    846, 849, 971,
    // Units
    708, 710, 883, 808, 809,
    // Point
    891, 818, 730,
    // Line
    772, 773, 774, 665, 801,
    // Circle
    768, 1134,
    // Transf
    751, 756, 802,
    // Btns
    843,
    // View, Other
    764, 618, 619, 612, 611, 718, 807};

constexpr bool IsPlaneCommandToCome(int id) {
  return std::find(kPlaneCommandsToCome.begin(), kPlaneCommandsToCome.end(), id) != kPlaneCommandsToCome.end();
}

}  // namespace plane

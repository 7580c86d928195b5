#pragma once
// The commands of the plane menus whose handlers are still to come: their items stay greyed
// until each one is built (and its id leaves this list).

#include <algorithm>
#include <array>

namespace plane {

inline constexpr std::array kPlaneCommandsToCome{
    // Edit
    98, 94, 741, 758, 783, 823, 826, 927, 928, 737, 784, 786, 788, 846, 849, 971, 965, 887, 1112,
    1121,
    // Units
    708, 710, 883, 95, 667, 663, 664, 808, 809, 719, 1167, 1168, 844,
    // Point
    778, 891, 781, 782, 818, 717, 723, 767, 725, 732, 730, 731,
    // Line
    772, 773, 774, 775, 776, 736, 670, 665, 797, 801, 803, 831, 835, 836,
    // Circle
    761, 762, 763, 768, 769, 819, 1134, 1135, 1136, 832, 889,
    // Transf
    751, 752, 753, 754, 756, 802, 352, 827, 828, 1158,
    // Btns
    727, 843, 914,
    // View, Other
    764, 748, 811, 735, 618, 619, 806, 612, 611, 52, 718, 807};

constexpr bool IsPlaneCommandToCome(int id) {
  return std::find(kPlaneCommandsToCome.begin(), kPlaneCommandsToCome.end(), id) != kPlaneCommandsToCome.end();
}

}  // namespace plane

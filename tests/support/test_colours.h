#pragma once
// Plain colours the drawing tests paint with and look for.

#include "platform/drawing_types.h"

namespace test_colours {

inline constexpr platform::Color kRed{255, 0, 0};
inline constexpr platform::Color kGreen{0, 255, 0};
inline constexpr platform::Color kDarkGreen{0, 160, 0};
inline constexpr platform::Color kBlue{0, 0, 255};
inline constexpr platform::Color kYellow{255, 255, 0};
inline constexpr platform::Color kGrey{128, 128, 128};
// Not a colour of any table: a pixel in it was written by the code under test.
inline constexpr platform::Color kOdd{1, 2, 3};

}  // namespace test_colours

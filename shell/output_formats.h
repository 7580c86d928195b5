#pragma once
// How a window prints its picture and writes its numbers.

#include <cstdint>

#include "kernel/real.h"

namespace shell {

inline constexpr kernel::Real kCentimetresPerInch = 2.54;

// Where and how large a printed picture is; lengths in inches. Exactly one of width and xUnit is
// negative: the sign marks the measure that is not in force, the magnitude is kept for next time.
struct PrintFormat {
  kernel::Real width = 3.0;
  kernel::Real horizontalOffset = 1.0;  // of the upper left corner, from the left
  kernel::Real verticalOffset = 1.0;    // of the upper left corner, from the top
  kernel::Real xUnit = -1 / kCentimetresPerInch;  // printed length of one unit of x: 1 cm
  std::uint8_t frameImage = 0;
  std::uint8_t colorPrinter = 0;
};

// Which parts of the decimals dialog a window offers.
enum DecimalsMask : std::int32_t {
  kDecimalsOnly = 1,          // the decimals
  kWithFieldWidth = 2,        // the field width
  kWithTabbed = 16,           // the "tabbed" choice
  kDecimalsWidthTabbed = 19,  // all three (the data window)
};

inline constexpr int kMaxDecimals = 15;

// 1.0 multiplied by 0.1 once per decimal place.
constexpr kernel::Real RoundingUnitFor(int decimals) {
  kernel::Real unit = 1.0;
  for (int i = 0; i < decimals; ++i) unit *= static_cast<kernel::Real>(0.1);
  return unit;
}

struct NumberFormat {
  std::int32_t dialogMask = kDecimalsOnly;
  std::int16_t decimals = 5;
  std::int16_t fieldWidth = 7;
  std::int16_t smallestFieldWidth = 3;
  std::uint8_t tabbed = 0;
  kernel::Real roundingUnit = RoundingUnitFor(5);
};

}  // namespace shell

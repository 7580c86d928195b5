#pragma once
// Colour values as the program stores them (0x00BBGGRR: red in the lowest byte), their luminance,
// an ordered dither for painting shades in black and white, and the "#rrggbb" text of SVG files.

#include <cstdint>
#include <string>

#include "kernel/real.h"

namespace kernel {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
  return static_cast<ColorRef>(r & 0xFF) | (static_cast<ColorRef>(g & 0xFF) << 8) |
         (static_cast<ColorRef>(b & 0xFF) << 16);
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr ColorRef kWhiteRef = 0xFFFFFF;
inline constexpr ColorRef kBlackRef = 0;

// 0.3 R + 0.59 G + 0.11 B, from 0 to 255.
Real Luminance(ColorRef color);

// White where the 8 x 8 threshold of the pixel is at least the level, else black: level 0 is all
// white, 64 and above all black, and a level n between leaves 64 - n white pixels of every 64.
// x and y are non-negative pixel coordinates.
ColorRef DitherPixel(int level, int x, int y);

// "#rrggbb" in lower-case hexadecimal digits.
std::string ColorToHex(ColorRef color);

}  // namespace kernel

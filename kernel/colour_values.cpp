#include "kernel/colour_values.h"

#include <cstdio>

namespace kernel {

namespace {

constexpr int kThreshold[8][8] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {16, 48, 24, 56, 18, 50, 26, 58}, {4, 36, 12, 44, 6, 38, 14, 46},
    {20, 52, 28, 60, 22, 54, 30, 62}, {1, 33, 9, 41, 3, 35, 11, 43},   {17, 49, 25, 57, 19, 51, 27, 59},
    {5, 37, 13, 45, 7, 39, 15, 47},  {21, 53, 29, 61, 23, 55, 31, 63},
};

}  // namespace

Real Luminance(ColorRef color) {
  return 0.3L * RedOf(color) + 0.59L * GreenOf(color) + 0.11L * BlueOf(color);
}

ColorRef DitherPixel(int level, int x, int y) {
  return kThreshold[y & 7][x & 7] >= level ? kWhiteRef : kBlackRef;
}

std::string ColorToHex(ColorRef color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(color), GreenOf(color), BlueOf(color));
  return text;
}

}  // namespace kernel

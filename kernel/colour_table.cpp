#include "kernel/colour_table.h"

namespace kernel {

namespace {

constexpr ColorArray kDefaults = {
    Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(255, 0, 255),   Rgb(255, 255, 0),   Rgb(255, 0, 0),
    Rgb(0, 191, 63),    Rgb(0, 0, 255),     Rgb(0, 127, 127),   Rgb(255, 127, 0),   Rgb(255, 0, 127),
    Rgb(160, 47, 0),    Rgb(0, 255, 255),   Rgb(191, 191, 127), Rgb(127, 0, 127),   Rgb(32, 255, 0),
    Rgb(255, 127, 127), Rgb(135, 135, 0),   Rgb(0, 60, 160),    Rgb(224, 224, 224), Rgb(192, 192, 192),
    Rgb(160, 160, 160), Rgb(128, 128, 128), Rgb(96, 96, 96),    Rgb(64, 64, 64),    Rgb(191, 0, 63),
    Rgb(126, 222, 255), Rgb(255, 204, 204), Rgb(255, 126, 222), Rgb(255, 222, 126), Rgb(222, 255, 126),
    Rgb(126, 255, 222), Rgb(255, 255, 191), Rgb(255, 191, 255), Rgb(191, 255, 255), Rgb(255, 255, 222),
    Rgb(255, 222, 255), Rgb(222, 255, 255), Rgb(177, 222, 212), Rgb(177, 212, 222), Rgb(212, 177, 222),
    Rgb(212, 222, 177), Rgb(222, 177, 212), Rgb(222, 212, 177), Rgb(191, 241, 222), Rgb(191, 222, 241),
    Rgb(222, 241, 191), Rgb(222, 191, 241), Rgb(241, 222, 191), Rgb(241, 191, 222), Rgb(255, 150, 234),
    Rgb(150, 234, 255), Rgb(204, 204, 204), Rgb(200, 112, 0),   Rgb(222, 205, 0),   Rgb(222, 104, 32),
    Rgb(20, 130, 40),   Rgb(192, 0, 160),   Rgb(212, 40, 40),   Rgb(80, 132, 176),  Rgb(100, 160, 200),
    Rgb(20, 100, 20),
};

}  // namespace

const ColorArray& DefaultColorTable() { return kDefaults; }

void ComputeGreys(const ColorArray& colors, GreyArray& greys, FillArray& fills) {
  greys[0] = 0;
  fills[0] = 64;
  greys[1] = 255;
  fills[1] = 0;
  for (int i = 2; i < kColorCount; ++i) {
    const Real lightness = Luminance(colors[i]);
    const int grey = static_cast<int>(lightness * 0.29412L + 180);
    greys[i] = static_cast<std::int16_t>(grey);
    fills[i] = static_cast<std::uint16_t>((255 - grey) * 32 / 75);
  }
}

}  // namespace kernel

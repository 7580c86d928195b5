#pragma once
// The 61 colours every picture window starts with, and the grey levels and fill densities that
// stand for them when a picture is printed without colour.

#include <array>
#include <cstdint>

#include "kernel/colour_values.h"

namespace kernel {

inline constexpr int kColorCount = 61;

using ColorArray = std::array<ColorRef, kColorCount>;
using GreyArray = std::array<std::int16_t, kColorCount>;
using FillArray = std::array<std::uint16_t, kColorCount>;

// Entry 0 black, 1 white, then the colours, greys and pastels of the palette.
const ColorArray& DefaultColorTable();

// Index 0: grey 0 and fill 64; index 1: grey 255 and fill 0; every other index a light grey from
// 180 to 255 by its colour's luminance and a fill density from 0 to 32 for it.
void ComputeGreys(const ColorArray& colors, GreyArray& greys, FillArray& fills);

}  // namespace kernel

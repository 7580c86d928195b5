#pragma once
// Pixel masks of bitmaps, for pictures that let what is under them show: which pixels a drawing
// made (comparing the drawing made on white with the same drawing made on black), and those
// pixels laid over another bitmap. Both work on whole rows in memory.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

// One flag per pixel, row by row: 1 where onWhite is not white or onBlack is not black. Empty when
// the two bitmaps differ in size.
std::vector<std::uint8_t> DrawnPixels(const Bitmap& onWhite, const Bitmap& onBlack);

// Copies the pixels of source whose flag is set onto target at the same places. False, nothing
// changed, when the sizes or the flag count do not agree.
bool OverlayPixels(Bitmap& target, const Bitmap& source, std::span<const std::uint8_t> flags);

}  // namespace platform

#pragma once
// Internal to platform/: one-pixel lines written straight into the 32-bit scanlines of a raster
// target. The pixels are those of TraceLinePixels (line_pixels.h), the reference: stepped along
// the longer axis from the first point, each segment stopping short of its last point, a dashed
// pattern counted in pixels and carried from segment to segment. Each segment is cut to every
// clip rectangle before it is walked: the walk starts at its first visible step with the error
// term and the dash phase it would have had there, so a segment costs what it shows, whatever
// its length, and no arithmetic overflows for any int coordinates.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/drawing_types.h"

namespace platform {

// Pixels 0xAARRGGBB (alpha ignored, written as 0xFF), rows `stride` pixels apart.
struct PixelTarget {
  std::uint32_t* pixels = nullptr;
  std::ptrdiff_t stride = 0;
  int width = 0;
  int height = 0;
};

struct ThinPen {
  std::uint32_t color = 0;          // 0x00RRGGBB
  std::span<const int> pattern;     // dash and gap lengths; empty for solid pens
  bool opaqueGaps = false;          // the gaps get gapColor
  std::uint32_t gapColor = 0;
  RasterOp op = RasterOp::Copy;
};

// Draws the line through the points (a closed one back to the first) inside the clip
// rectangles, which must be disjoint and inside the target. Widens `drawn`, when given, by every
// pixel written.
void DrawThinLine(const PixelTarget& target, std::span<const Rect> clips,
                  std::span<const PointI> points, bool closed, const ThinPen& pen, Rect* drawn = nullptr);

// The same pixels combined with a colour by a raster op, one at a time (for sprites and tests).
inline void CombinePixel(std::uint32_t& pixel, std::uint32_t color, RasterOp op) {
  switch (op) {
    case RasterOp::Copy: pixel = color | 0xFF000000u; break;
    case RasterOp::Xor: pixel ^= color & 0x00FFFFFFu; break;
    case RasterOp::NotXor: pixel = ~(pixel ^ color) | 0xFF000000u; break;
  }
}

}  // namespace platform

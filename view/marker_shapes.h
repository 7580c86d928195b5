#pragma once
// The shapes of the point markers, in pixels: written once here and drawn by every painter, on
// the device context or decomposed into the painter's own primitives.

#include <array>
#include <cstdint>

#include "platform/drawing_types.h"

namespace view {

// A line segment from `from` up to (not including) `to`.
struct MarkerStroke {
  platform::PointI from;
  platform::PointI to;
};

struct MarkerShape {
  enum class Kind { None, Square, Disk, Triangle, Strokes };
  Kind kind = Kind::None;
  // Square and disk: the bounding box, right and bottom exclusive.
  platform::Rect box{};
  // Triangle: its corners.
  std::array<platform::PointI, 3> corners{};
  // Strokes: the first strokeCount entries.
  std::array<MarkerStroke, 6> strokes{};
  int strokeCount = 0;
};

// The marker of style 0 to 12 and half size r at a pixel; Kind::None for other styles.
MarkerShape MarkerShapeAt(platform::PointI pixel, std::uint32_t style, int r);

}  // namespace view

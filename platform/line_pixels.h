#pragma once
// The pixels of one-pixel-wide lines on raster targets (the reference that the direct writer of
// raster_lines.h matches pixel for pixel), stepped one pixel at a time along the
// longer axis from the first point, each segment stopping short of its last point. A dashed
// pen's pattern is counted in pixels and carries on from segment to segment.

#include <span>
#include <vector>

#include "platform/drawing_types.h"

namespace platform {

// The dash and gap lengths of a one-pixel pen, starting with a dash; empty for solid pens.
std::span<const int> CosmeticDashPattern(PenStyle style);

struct LinePixels {
  std::vector<PointI> dashes;  // pixels drawn with the pen's colour
  std::vector<PointI> gaps;    // pixels of the pattern's gaps (background colour when opaque)
  void Clear() {
    dashes.clear();
    gaps.clear();
  }
};

// Appends the pixels of the line through points; a closed line returns to the first point.
void TraceLinePixels(std::span<const PointI> points, bool closed, PenStyle style,
                     LinePixels& out);

}  // namespace platform

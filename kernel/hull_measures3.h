#pragma once
// Volume and surface area of the convex hull of 3-D points, and the pyramid and polygon measure
// they are summed from.

#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace kernel {

enum class SolidMeasure : std::uint8_t { kSurfaceArea = 0, kVolume = 1 };

// The area of the planar polygon (mode kSurfaceArea), or the volume of the pyramid over it with
// the given apex (mode kVolume). The polygon's normal and area come from its vector area, so
// vertices lying on its edges do no harm. Fewer than three vertices, or a polygon without area,
// give 0.
Real PyramidVolumeOrArea3(const Point3& apex, std::span<const Point3> polygon, SolidMeasure mode);

// The volume or the surface area of the convex hull of the points, summed over the hull's faces as
// pyramids from the mean of the points. Points on one line or all coinciding give 0; points in one
// plane give volume 0 and twice the polygon's area. False, and result left as it was, when there
// is no point, a point is not finite, or the hull could not keep all its faces.
bool SolidVolumeArea(std::span<const Point3> points, Real& result, SolidMeasure mode);

}  // namespace kernel

#pragma once
// Internal to platform/: a polygon cut to a rectangle, one side at a time. Inside the rectangle
// every point keeps its winding number (what is cut away is replaced by runs along the
// rectangle's sides, which wind round nothing inside it), so a fill of the cut polygon is the
// fill of the whole one wherever the rectangle is; and no point lies outside it.

#include <span>
#include <vector>

#include "platform/drawing_types.h"

namespace platform {

std::vector<PointI> ClipPolygonToRect(std::span<const PointI> points, const Rect& rect);

}  // namespace platform

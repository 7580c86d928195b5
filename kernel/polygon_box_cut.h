#pragma once
// Cutting a polygon to an axis-parallel box (Sutherland and Hodgman): what is left of the region
// inside the box, as one polygon whose edges may run along the box's sides.

#include <span>
#include <vector>

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// Writes the cut polygon into out (emptied first); fewer than three points when nothing is left.
void CutPolygonToBox2(std::span<const Point2> polygon, const Box2& box, std::vector<Point2>& out);

}  // namespace kernel

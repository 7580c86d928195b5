#pragma once
// Cutting a filled polygon to the clip box of a file export, whose formats have no clipping of
// their own. The outline is followed edge by edge: where it leaves the box and comes back, the
// stretch outside is replaced by the way along the border that turns as far about the box's
// centre as the stretch did (counter-clockwise for the usual outline, clockwise or several times
// round for one that winds so), with the corners it passes. So every point of the box is wound
// round as often by the cut as by the polygon, and a fill by either rule covers the same part of
// the box. The result has as many points as the cut needs (a star polygon can give several times
// its own count).

#include <span>
#include <vector>

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// Twice the signed area of the closed polygon (shoelace): positive when it runs counter-clockwise.
Real SignedArea2x(std::span<const Point2> polygon);

// The polygon cut to the box (bounds inside) into out (emptied first). A polygon given clockwise
// (by its signed area) is read in reverse, so the cut runs counter-clockwise. A polygon that
// never crosses the border of the box gives its own points when it lies inside, the whole box
// (counter-clockwise from the bottom left corner) when it encloses the box's centre, and nothing
// otherwise. Nothing either for fewer than three points or a non-finite coordinate.
void ClipPolygonToBox(std::span<const Point2> polygon, const Box2& box, std::vector<Point2>& out);

}  // namespace kernel

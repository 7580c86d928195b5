#pragma once
// Circular arcs as polylines for targets that draw them from points: chords at most half a pixel
// off the arc. An arc far larger than the view is sampled only where it passes the view, so even a
// circle of enormous radius (through three nearly collinear points) needs few points.

#include <cstddef>
#include <vector>

#include "kernel/real.h"
#include "view/view_mapping.h"

namespace view {

// The points of one or more separate pieces of an arc: piece k runs from ends[k - 1] (0 for the
// first) up to ends[k].
struct ArcPieces {
  std::vector<kernel::Point2> points;
  std::vector<std::size_t> ends;
  void clear() {
    points.clear();
    ends.clear();
  }
};

// The arc about centre from start by sweep radians (counter-clockwise when positive; 2 pi or more
// is the whole circle, which then starts wherever suits). A degenerate arc gives one piece of the
// start point alone.
void SampleArc(const ViewMapping& m, const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep,
               ArcPieces& out);

}  // namespace view

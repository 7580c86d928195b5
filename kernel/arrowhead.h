#pragma once
// The two back corners of an arrowhead, so that a head looks the same on the screen whatever the
// scales of the two axes.

#include "kernel/real.h"

namespace kernel {

// The corners of a head of length `length` whose tip points along `direction`, as offsets from
// the tip: `length` behind it (in units of x) and half of widthRatio x length to either side.
// aspect is (world units per pixel in y) / (world units per pixel in x), 1 for equal scales.
// False, c1 and c2 untouched, when the direction is too short to have one.
bool ArrowheadCorners(const Point2& direction, Real length, Real aspect, Real widthRatio, Point2& c1, Point2& c2);

}  // namespace kernel

#pragma once
// Cutting a segment (or the whole line through it) to an axis-parallel box of the plane.

#include "kernel/real.h"

namespace kernel {

// Cuts the segment PQ to the box xmin..xmax, ymin..ymax (bounds inside). The crossings of the
// segment with the four sides, and its ends that lie in the box, are ordered along P -> Q; P
// becomes the first of them and Q the last. With both ends in the box and force off nothing
// changes. With force on, crossings beyond the ends are kept too, so the result is the chord of
// the whole line PQ across the box. False, with P and Q unchanged, when nothing is left.
// A segment that only touches a corner gives two equal points and true. A segment parallel to an
// axis (its extent along it within NullTolerance) is cut only by the sides across it.
bool ClipSegment(Real xmin, Real xmax, Real ymin, Real ymax, Point2& p, Point2& q, bool force);

}  // namespace kernel

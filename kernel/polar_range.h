#pragma once
// The part of a polar grid about a centre that a view box shows: the range of directions and the
// range of distances from the centre that meet the box.

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// The directions from the centre that meet the box, as [from, to] in radians. When the centre lies
// in the box (bounds inside) the range is [0, 2 pi] and the result is true. Otherwise it is the
// range between the two outer corners of the box as seen from the centre, going counter-clockwise,
// with to >= from and never more than a full turn; the result is false.
bool PolarAngleRange(const Box2& box, const Point2& centre, Real& from, Real& to);

// The distances from the centre to the nearest point of the box (0 when the centre lies in it) and
// to its farthest corner; true when the nearest distance is below 1e-16.
bool PolarRadiusRange(const Box2& box, const Point2& centre, Real& rmin, Real& rmax);

}  // namespace kernel

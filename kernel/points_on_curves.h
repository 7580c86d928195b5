#pragma once
// Where a point sliding on a hypercycle or a horocycle of the Poincare disk lies for its
// parameter t. The curves are given by their drawing records: the two ends (or the straight
// carrier's two points) and the Euclidean centre of a hypercycle, a point and the Euclidean centre
// of a horocycle.

#include "kernel/line_circle_records.h"
#include "kernel/real.h"

namespace kernel {

// On a hypercycle: t = 0 at its first end, t = 1 at its second, along the arc that holds the
// defining point (turned the other way when that leaves the disk); a straight carrier is walked
// linearly.
Point2 PointOnHypercycle(const HypCurveRecord& curve, const Point2& definingPoint, Real t);

// On a horocycle: the stored point turned about the Euclidean centre by 2 pi t, so t runs over
// [0, 1) once around.
Point2 PointOnHorocycle(const HypCurveRecord& curve, Real t);

}  // namespace kernel

#pragma once
// Intersections of a line with a circle and of two circles in the plane, with the position codes
// their callers read to decide which points lie on a segment, a ray or the whole line.

#include <array>

#include "kernel/kernel_result.h"
#include "kernel/real.h"

namespace kernel {

// Codes of IntersectCircles2 beside the crossing codes 3..6 of the line through the two points.
inline constexpr int kCirclesTouch = 1;
inline constexpr int kCirclesApart = 2;  // no common point: apart, nested or concentric

// The line AB with the circle of centre C and radius r. Let t be the parameter of the foot of the
// perpendicular from C and k the half chord in parameter units: points[0] lies at t + k and
// points[1] at t - k; a touching point is written to both; with no point both are (0, 0).
// The result is one of the codes of kernel_result.h.
KernelResult IntersectLineCircle2(const Point2& a, const Point2& b, const Point2& centre, Real radius,
                                  std::array<Point2, 2>& points);

// Circle 1 (centre c1, through p1) with circle 2 (centre c2, through p2): kCirclesTouch with the
// touching point in both outputs, 3 to 6 for two crossing points, kCirclesApart for none.
// Circles that touch within the tolerance, outside or inside each other, count as touching.
int IntersectCircles2(const Point2& c1, const Point2& p1, const Point2& c2, const Point2& p2,
                      std::array<Point2, 2>& points);

}  // namespace kernel

#pragma once
// A line meeting a hyperbola given by its foci and eccentricity, solved in the frame of the
// focal axis. The line runs from P (parameter 0) to Q (parameter 1).

#include <array>

#include "kernel/kernel_result.h"
#include "kernel/real.h"

namespace kernel {

// Two points: out[0] lies further along P -> Q than out[1], with the two-point codes of
// kernel_result.h; a touching line gives the same codes with two equal points. A line parallel
// to an asymptote meets the curve once: kExactlyOnePoint with the point in both outputs.
// kNoPoint, with out untouched, when the line misses, P = Q, the foci coincide, or e is not
// above 1.
KernelResult IntersectLineHyperbola2(const Point2& p, const Point2& q, const Point2& f1, const Point2& f2, Real e,
                                     std::array<Point2, 2>& out);

}  // namespace kernel

#pragma once
// Whether a closed polygon turns the same way at every vertex, by a clear margin: the test a
// polygon must pass before a point may slide along it.

#include <span>

#include "kernel/real.h"

namespace kernel {

// True when every cross product of consecutive edge vectors (edge i from vertex i to i + 1, the
// last edge followed by the first) is at least SnapTolerance in magnitude and all have one sign.
// The array holds n + 1 points, the last repeating the first; false for fewer than three
// vertices, a missing closing entry, a repeated vertex or three vertices in a line.
bool TurnsStrictlyOneWay2(std::span<const Point2> closed, int n);

}  // namespace kernel

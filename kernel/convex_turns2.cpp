#include "kernel/convex_turns2.h"

#include <cmath>

#include "kernel/vector2.h"

namespace kernel {

bool TurnsStrictlyOneWay2(std::span<const Point2> closed, int n) {
  if (n < 3 || closed.size() < static_cast<std::size_t>(n) + 1 || !(closed[0] == closed[n])) return false;
  bool positive = false;
  for (int i = 0; i < n; ++i) {
    const Point2 edge = closed[i + 1] - closed[i];
    const Point2 next = i + 2 <= n ? closed[i + 2] - closed[i + 1] : closed[1] - closed[0];
    const Real c = Cross2(edge, next);
    if (std::fabs(c) < SnapTolerance) return false;
    if (i == 0) {
      positive = c > 0;
    } else if ((c > 0) != positive) {
      return false;
    }
  }
  return true;
}

}  // namespace kernel

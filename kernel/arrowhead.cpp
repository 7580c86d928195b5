#include "kernel/arrowhead.h"

#include <cmath>

namespace kernel {

bool ArrowheadCorners(const Point2& direction, Real length, Real aspect, Real widthRatio, Point2& c1, Point2& c2) {
  const Real dx = direction.x;
  const Real dy = direction.y;
  const Real a = aspect;
  Real m = 0;
  Real sideX = dx;  // the x component the side offset is taken from
  if (std::fabs(a - 1) >= SnapTolerance) {
    const Real yInX = dy / a;
    m = std::sqrt(yInX * yInX + dx * dx);
    sideX = dx * a * a;
  } else {
    const Real squared = dx * dx + dy * dy;
    m = squared < SquaredLengthFloor ? 0 : std::sqrt(squared);
  }
  if (!(m >= SnapTolerance)) return false;
  const Real back = length / m;
  const Real half = length * widthRatio * static_cast<Real>(0.5) / (m * a);
  const Point2 b{-dx * back, -dy * back};
  const Point2 p{-dy * half, sideX * half};
  c1 = {b.x + p.x, b.y + p.y};
  c2 = {b.x - p.x, b.y - p.y};
  return true;
}

}  // namespace kernel

#include "kernel/polar_range.h"

#include <algorithm>
#include <cmath>

#include "kernel/vector_angle.h"

namespace kernel {

bool PolarAngleRange(const Box2& box, const Point2& c, Real& from, Real& to) {
  from = 0;
  to = TwoPi;
  const bool right = c.x < box.xmin;
  const bool left = box.xmax < c.x;
  const bool above = c.y < box.ymin;
  const bool below = box.ymax < c.y;
  if (!right && !left && !above && !below) return true;
  const Real tl = VectorAngle(box.xmin - c.x, box.ymax - c.y);
  const Real tr = VectorAngle(box.xmax - c.x, box.ymax - c.y);
  const Real bl = VectorAngle(box.xmin - c.x, box.ymin - c.y);
  const Real br = VectorAngle(box.xmax - c.x, box.ymin - c.y);
  const auto range = [&](Real a, Real b) {
    from = a;
    to = b;
  };
  if (right) {
    if (below) range(bl, tr);
    else if (above) range(br, tl);
    else range(bl, tl);
  } else if (left) {
    if (below) range(tl, br);
    else if (above) range(tr, bl);
    else range(tr, br + TwoPi);
  } else if (above) {
    range(br, bl);
  } else {
    range(tl, tr);
  }
  // A corner straight left of the centre measures pi, so "left only" with the box's bottom edge
  // through the centre would run on to 3 pi and draw every ray twice.
  if (to - from > TwoPi) to -= TwoPi;
  return false;
}

bool PolarRadiusRange(const Box2& box, const Point2& c, Real& rmin, Real& rmax) {
  const Real nx = c.x < box.xmin ? box.xmin - c.x : c.x > box.xmax ? c.x - box.xmax : 0;
  const Real ny = c.y < box.ymin ? box.ymin - c.y : c.y > box.ymax ? c.y - box.ymax : 0;
  const Real fx = std::max(std::fabs(box.xmin - c.x), std::fabs(box.xmax - c.x));
  const Real fy = std::max(std::fabs(box.ymin - c.y), std::fabs(box.ymax - c.y));
  rmin = std::sqrt(nx * nx + ny * ny);
  rmax = std::sqrt(fx * fx + fy * fy);
  return rmin < static_cast<Real>(1e-16);
}

}  // namespace kernel

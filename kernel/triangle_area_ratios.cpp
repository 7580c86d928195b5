#include "kernel/triangle_area_ratios.h"

#include <algorithm>

#include "kernel/plane_primitives.h"

namespace kernel {

bool PolygonAreas2(const Point2& a, const Point2& b, const Point2& c, const Point2& p, std::array<Real, 3>& ratios,
                   Real& largest) {
  auto area = [](const Point2& u, const Point2& v, const Point2& w) {
    std::array<Point2, 4> t{u, v, w, {}};
    return PolygonAreaPerimeter2(t, 2).area;
  };
  const std::array<Real, 3> areas{area(p, b, c), area(p, c, a), area(p, a, b)};
  const Real sum = areas[0] + areas[1] + areas[2];
  if (!(sum >= NullTolerance)) return false;
  for (int k = 0; k < 3; ++k) ratios[k] = areas[k] / sum;
  largest = std::max({areas[0], areas[1], areas[2]}) / sum;
  return true;
}

}  // namespace kernel

#include "kernel/hull_measures3.h"

#include <cmath>
#include <vector>

#include "kernel/convex_hull3.h"
#include "kernel/vector3.h"

namespace kernel {

Real PyramidVolumeOrArea3(const Point3& apex, std::span<const Point3> polygon, SolidMeasure mode) {
  if (polygon.size() < 3) return 0;
  // Twice the vector area, taken about the first vertex.
  const Point3& first = polygon[0];
  Point3 twiceArea{0, 0, 0};
  for (std::size_t j = 1; j + 1 < polygon.size(); ++j) {
    twiceArea = twiceArea + Cross3(polygon[j] - first, polygon[j + 1] - first);
  }
  const Real twiceLength = std::sqrt(Dot3(twiceArea, twiceArea));
  if (twiceLength == 0) return 0;
  const Real area = twiceLength / 2;
  if (mode == SolidMeasure::kSurfaceArea) return area;
  // The apex's distance from the face plane, whichever way the face turns.
  const Point3 normal = (1 / twiceLength) * twiceArea;
  return std::fabs(Dot3(apex - first, normal)) * area / 3;
}

bool SolidVolumeArea(std::span<const Point3> points, Real& result, SolidMeasure mode) {
  const ConvexHull3 hull = ConvexHull3D(points);
  if (hull.status == HullStatus::kRefused || hull.status == HullStatus::kIncomplete) return false;

  Point3 sum{0, 0, 0};
  for (const Point3& p : points) sum = sum + p;
  const Point3 apex = (static_cast<Real>(1) / static_cast<Real>(points.size())) * sum;

  Real total = 0;
  std::vector<Point3> polygon;
  for (const HullFace& face : hull.faces) {
    polygon.clear();
    for (std::uint16_t v : face.vertices) polygon.push_back(points[v]);
    total += PyramidVolumeOrArea3(apex, polygon, mode);
  }
  result = total;
  return true;
}

}  // namespace kernel

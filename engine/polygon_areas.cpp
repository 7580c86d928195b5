#include "engine/polygon_areas.h"

#include <algorithm>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "kernel/sphere_kernels.h"
#include "kernel/vector3.h"

namespace engine {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;

namespace {

// 2 pi in full extended precision.
constexpr Real kFullTwoPi = 6.283185307179586476925286766559005768L;

// Merges the consecutive vertices of vertices[0..last] (the closing side included) whose distance
// is below the snap tolerance, dropping the later one, until no side is that short or one vertex
// remains. Returns the new last index.
template <typename Point, typename DistanceOf>
int MergeCloseVertices(std::span<Point> vertices, int last, DistanceOf distance) {
  for (bool merged = true; merged && last > 0;) {
    merged = false;
    for (int i = 0; i <= last; ++i) {
      const int next = i == last ? 0 : i + 1;
      if (distance(vertices[i], vertices[next]) < kernel::SnapTolerance) {
        const int dropped = i == last ? last : next;
        std::copy(vertices.begin() + dropped + 1, vertices.begin() + last + 1, vertices.begin() + dropped);
        --last;
        merged = true;
        break;
      }
    }
  }
  return last;
}

// Cleans the polygon, handles one and two vertices, closes it with copies of its first two
// vertices and measures the perimeter. Returns the new last index, or -1 when the result is final.
template <typename Point, typename DistanceOf>
int PreparePolygon(std::span<Point> vertices, int last, DistanceOf distance, kernel::AreaPerimeter& result) {
  result = {};
  if (last < 0 || vertices.size() < static_cast<std::size_t>(last) + 3) return -1;
  last = MergeCloseVertices(vertices, last, distance);
  if (last == 0) return -1;
  if (last == 1) {
    result.perimeter = 2 * distance(vertices[0], vertices[1]);  // a segment, there and back
    return -1;
  }
  vertices[last + 1] = vertices[0];
  vertices[last + 2] = vertices[1];
  for (int i = 0; i <= last; ++i) result.perimeter += distance(vertices[i], vertices[i + 1]);
  return last;
}

}  // namespace

kernel::AreaPerimeter HyperbolicPolygonArea(const GeometryModel& model, std::span<Point2> vertices,
                                            int last) {
  kernel::AreaPerimeter result;
  const auto distance = [&model](const Point2& p, const Point2& q) {
    return HyperbolicDistance(model, p, q);
  };
  last = PreparePolygon(vertices, last, distance, result);
  if (last < 0) return result;
  // The signed angle at each vertex, from the previous vertex to the next, gives the interior angle
  // for either way round: counter-clockwise polygons have the clockwise angle inside, clockwise
  // ones the counter-clockwise angle. The two candidate areas add up to -4 pi, so the polygon's own
  // orientation is the one with the larger area.
  Real insideIfCounterClockwise = 0;
  Real insideIfClockwise = 0;
  const int n = last + 1;
  for (int i = 0; i < n; ++i) {
    const Real angle = AngleAt(model, vertices[i], vertices[i + 1], vertices[i + 2]);
    if (angle < 0) {
      insideIfCounterClockwise += -angle;
      insideIfClockwise += kernel::TwoPi + angle;
    } else if (angle > 0) {
      insideIfCounterClockwise += kernel::TwoPi - angle;
      insideIfClockwise += angle;
    }
  }
  result.area = (n - 2) * kernel::Pi - std::min(insideIfCounterClockwise, insideIfClockwise);
  return result;
}

kernel::AreaPerimeter SphericalPolygonArea3(std::span<Point3> vertices, int last) {
  kernel::AreaPerimeter result;
  last = PreparePolygon(vertices, last, kernel::SphericalDistance3, result);
  if (last < 0) return result;
  Real turning = 0;
  for (int i = 0; i <= last; ++i)
    turning += kernel::SphericalAngleAt3(vertices[i], vertices[i + 1], vertices[i + 2], true);
  result.area = kFullTwoPi - std::fabs(turning);
  return result;
}

Real SphericalPolygonAreaOfPoints3(std::span<Point3> points, int n) {
  if (n < 1 || points.size() < static_cast<std::size_t>(n) + 3) return 0;
  for (int i = 1; i <= n; ++i) {
    points[i] = points[i] - points[0];
    if (!kernel::Normalize3(points[i])) return 0;
  }
  return SphericalPolygonArea3(points.subspan(1), n - 1).area;
}

}  // namespace engine

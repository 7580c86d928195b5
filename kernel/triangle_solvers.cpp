#include "kernel/triangle_solvers.h"

#include <cmath>

#include "kernel/random.h"
#include "kernel/vector2.h"

namespace kernel {

namespace {

bool IsFlatCode(std::uint16_t code) {
  return code == kFlatThirdBetween || code == kFlatFirstBetween || code == kFlatSecondBetween;
}

}  // namespace

int SolveTriangleASA(TriangleParameters& p, std::uint16_t& degenerate_code, bool building,
                     std::span<Point2, 3> vertices) {
  const Real c = Pi - p[0] - p[2];
  if (!IsFlatCode(degenerate_code)) {
    if (p[0] < NullTolerance || p[2] < NullTolerance || c < NullTolerance) return 1;
    const Real radius = (p[1] * static_cast<Real>(0.5)) / std::sin(c);
    Point2 v;
    Point2 centre;
    if (building) {
      FromPolar(radius, 1, v);
      vertices[0] = v;
    } else {
      v = vertices[0] - vertices[1];
      Rotate2(v, Pi / 2 - p[0]);
      ScaleTo2(v, radius);
      centre = vertices[0] - v;
    }
    Rotate2(v, 2 * p[0]);
    vertices[1] = centre + v;
    Rotate2(v, 2 * c);
    vertices[2] = centre + v;
    return 0;
  }
  const std::uint16_t mode = degenerate_code;
  Point2 v;
  if (building) {
    v = {p[1] * std::cos(static_cast<Real>(1)), p[1] * std::sin(static_cast<Real>(1))};
    vertices[0] = v;
  } else {
    v = vertices[0] - vertices[1];
  }
  ScaleTo2(v, p[3]);
  vertices[1] = vertices[0] - v;
  ScaleTo2(v, p[5]);
  vertices[2] = mode == kFlatFirstBetween ? vertices[0] + v : vertices[0] - v;
  degenerate_code = kNotFlat;
  return 0;
}

int SolveTrianglePlane(TriangleParameters& p, std::uint16_t& degenerate_code, bool building,
                       std::span<Point2, 3> vertices) {
  p[3] = p[0];
  p[5] = p[2];
  switch (degenerate_code) {
    case kFlatThirdBetween:
      p[0] = Pi;
      p[2] = 0;
      break;
    case kFlatFirstBetween:
      p[0] = 0;
      p[2] = 0;
      break;
    case kFlatSecondBetween:
      p[0] = 0;
      p[2] = Pi;
      break;
    default:
      p[0] = std::acos((p[5] * p[5] + p[1] * p[1] - p[3] * p[3]) / (2 * p[1] * p[5]));
      p[2] = std::acos((p[3] * p[3] + p[1] * p[1] - p[5] * p[5]) / (2 * p[3] * p[1]));
      break;
  }
  return SolveTriangleASA(p, degenerate_code, building, vertices);
}

void PlaceQuadrilateral(std::uint16_t kind, TriangleParameters& p, bool building, std::span<Point2, 4> vertices,
                        const Point2& view_centre, Real half_width, Real half_height) {
  Point2 u;
  if (building) {
    p[3] = RandomBetween(static_cast<Real>(0.4) * half_width, 1);
    p[4] = RandomBetween(static_cast<Real>(0.4) * half_height, 1);
    vertices[0] = {view_centre.x - p[3], view_centre.y - p[4]};
    u = {p[0], 0};
  } else {
    u = vertices[1] - vertices[0];
    ScaleTo2(u, p[0]);
  }
  Point2 w = u;
  Rotate2(w, p[1]);
  ScaleTo2(w, p[2]);
  vertices[1] = vertices[0] + u;
  vertices[3] = vertices[0] + w;
  if (kind == kParallelogramKind) {
    vertices[2] = vertices[1] + w;
  } else if (kind == kKiteKind) {
    // The first vertex mirrored in the line through the second and fourth. When that line is not
    // defined (the second and fourth vertices coincide) the third vertex joins the second.
    const Point2 d = u - w;
    const Real dd = d.x * d.x + d.y * d.y;
    if (dd < SquaredLengthFloor) {
      vertices[2] = vertices[1];
    } else {
      const Real k = 2 * (u.x * w.y - w.x * u.y) / dd;
      vertices[2] = vertices[0] + k * Point2{-d.y, d.x};
    }
  } else {
    // The fourth vertex mirrored in the perpendicular bisector of the first side.
    const Point2 mid = Midpoint2(vertices[0], vertices[1]);
    Point2 e = vertices[1] - vertices[0];
    if (Normalize2(e)) {
      const Point2 q = vertices[3];
      vertices[2] = q - (2 * Dot2(q - mid, e)) * e;
    } else {
      vertices[2] = vertices[3];
    }
  }
}

}  // namespace kernel

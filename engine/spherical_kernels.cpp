#include "engine/spherical_kernels.h"

#include <cmath>

#include "kernel/constants.h"
#include "kernel/side_tests.h"
#include "kernel/vector3.h"

namespace engine {

using kernel::Point3;
using kernel::Real;

namespace {

constexpr Real kTwoThirds = static_cast<Real>(0.6666666666666666);

// The direction of v, or the fallback when v is null.
Point3 DirectionOr(Point3 v, const Point3& fallback) {
  return kernel::Normalize3(v) ? v : fallback;
}

}  // namespace

Point3 GreatCircleFraction3(const Point3& A, const Point3& B, Real t) {
  Point3 normal = kernel::Cross3(A, B);
  const Real s = std::sqrt(kernel::Dot3(normal, normal));
  if (s < kernel::NullTolerance) return A;
  // atan2 of sine and cosine keeps arcs beyond a right angle exact.
  const Real angle = t * std::atan2(s, kernel::Dot3(A, B));
  normal = (1 / s) * normal;
  const Point3 tangent = kernel::Cross3(normal, A);
  return std::cos(angle) * A + std::sin(angle) * tangent;
}

Point3 SphereCentroid3(const Point3& A, const Point3& B, const Point3& C) {
  const Point3 midAB = kernel::Midpoint3(A, B);
  const Point3 midBC = kernel::Midpoint3(B, C);
  // The planes through the centre that hold the medians from C and from A.
  Point3 medianC = kernel::Cross3(C, midAB);
  Point3 medianA = kernel::Cross3(A, midBC);
  if (!kernel::Normalize3(medianC)) return DirectionOr(midAB, C);
  if (!kernel::Normalize3(medianA)) return DirectionOr(midBC, A);
  Point3 out = kernel::Cross3(medianC, medianA);
  if (!kernel::Normalize3(out)) return GreatCircleFraction3(A, midBC, kTwoThirds);
  if (!kernel::SameSide3(A, B, C, out)) out = -out;
  return out;
}

GeometryResult GreatCircleSideFrame3(const Point3& A, const Point3& B, std::span<Point3, 3> record,
                                     Real& angle) {
  record[0] = A;
  angle = kernel::AngleAt3(A, kernel::Origin3, B);
  Point3 normal = kernel::Cross3(A, B);
  if (!kernel::Normalize3(normal)) return kSidePlaneUndefined;
  record[2] = normal;
  record[1] = kernel::Cross3(normal, A);
  return kGeometryOk;
}

}  // namespace engine

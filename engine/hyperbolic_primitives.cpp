#include "engine/hyperbolic_primitives.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/complex_points.h"
#include "engine/orthogonal_arc.h"
#include "kernel/constants.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace engine {

using kernel::Point2;
using kernel::Real;

namespace {

// A disk radius this close to 1 counts as the boundary.
constexpr Real kLargestRadius = 1 - kernel::SnapTolerance;
// A carrying circle whose centre lies farther than 1000 from the origin is drawn as a line.
constexpr Real kStraightDrawingSquaredCentre = static_cast<Real>(1e6);
constexpr Real kDegreesPerRadian = static_cast<Real>(57.29577951308232);

// Disk radius, about the centre, of the points at hyperbolic distance d: (e^d - 1) / (e^d + 1).
Real DiskRadiusAt(Real d) {
  return std::tanh(d / 2);
}

// The disk radius r (about the centre) whose hyperbolic distance is multiplied by k.
Real DilatedRadius(Real r, Real k) {
  return std::tanh(k * std::atanh(std::min(r, kLargestRadius)));
}

// Changes the modulus of the centred point p so that its distance from the centre is multiplied by k.
void DilateCentred(Point2& p, Real k) {
  const Real r = ComplexModulus(p);
  if (r > kernel::NullTolerance) p = p * (DilatedRadius(r, k) / r);
}

}  // namespace

Real Distance(const GeometryModel& model, const Point2& P, const Point2& Q) {
  return model.Hyperbolic ? HyperbolicDistance(model, P, Q) : kernel::Dist2(P, Q);
}

Real HyperbolicDistance(const GeometryModel& model, const Point2& P, const Point2& Q) {
  const Real n = ComplexModulus(P - Q);
  const Point2 w = model.HalfPlane ? P - ComplexConj(Q) : kComplexOne - ComplexTimes(ComplexConj(P), Q);
  const Real m = ComplexModulus(w);
  if (m < kernel::SnapTolerance) return kernel::HugeReal;
  Real r = n / m;
  if (r + kernel::SnapTolerance > 1) r = kLargestRadius;
  return std::log((1 + r) / (1 - r));
}

void DiskToHalfPlane(Point2& z) {
  // (z + i) / (1 + iz)
  z = ComplexQuotient({z.x, z.y + 1}, {1 - z.y, z.x});
}

void HalfPlaneToDisk(Point2& z) {
  // (z - i) / (1 - iz)
  z = ComplexQuotient({z.x, z.y - 1}, {1 + z.y, -z.x});
}

bool TranslateToOrigin(const GeometryModel& model, Point2 A, Point2& Z, bool inDisk) {
  if (model.HalfPlane && !inDisk) {
    HalfPlaneToDisk(A);
    HalfPlaneToDisk(Z);
  }
  const Point2 d = kComplexOne - ComplexTimes(ComplexConj(A), Z);
  if (std::fabs(d.x) + std::fabs(d.y) < kernel::SnapTolerance) return false;
  Z = ComplexQuotient(Z - A, d);
  return true;
}

bool TranslateFromOrigin(const GeometryModel& model, Point2 A, Point2& Z, bool inDisk) {
  const bool halfPlane = model.HalfPlane && !inDisk;
  if (halfPlane) HalfPlaneToDisk(A);
  const Point2 d = kComplexOne + ComplexTimes(ComplexConj(A), Z);
  if (std::fabs(d.x) + std::fabs(d.y) < kernel::SnapTolerance) return false;
  Z = ComplexQuotient(Z + A, d);
  if (halfPlane) DiskToHalfPlane(Z);
  return true;
}

Real AngleAt(const GeometryModel& model, const Point2& P1, const Point2& V, const Point2& P2) {
  Point2 a = P1;
  Point2 b = P2;
  TranslateToOrigin(model, V, a, false);
  TranslateToOrigin(model, V, b, false);
  const bool obtuse = kernel::Dot2(a, b) < 0;
  if (kernel::Dot2(a, a) < kernel::SnapTolerance || kernel::Dot2(b, b) < kernel::SnapTolerance) return 0;
  Real angle = kernel::SignedAngle2(a, kernel::Origin2, b);
  // The plane kernel answers 0 for nearly straight angles; the sign of the dot product tells which.
  if (std::fabs(angle) < static_cast<Real>(0.1) && obtuse) {
    angle = kernel::Pi;
  } else if (std::fabs(angle) > static_cast<Real>(3.0) && !obtuse) {
    angle = 0;
  }
  return angle;
}

GeometryResult DiskGeodesic(const Point2& P, const Point2& Q, GeodesicEnds& ends, bool& isLine) {
  ends[2] = kernel::UnitX2;
  const GeometryResult result = OrthogonalArc2(kernel::Origin2, kernel::UnitX2, P, Q, ends, isLine);
  if (result != kGeometryOk) return result;
  if (!isLine && kernel::Dot2(ends[2], ends[2]) > kStraightDrawingSquaredCentre) isLine = true;
  return kGeometryOk;
}

GeometryResult HalfPlaneGeodesic(const Point2& P, const Point2& Q, GeodesicEnds& ends, bool& isLine) {
  ends[2] = kernel::UnitX2;
  if (kernel::TaxiDist2(P, Q) < kernel::SnapTolerance) return kDegenerateInput;
  isLine = !kernel::Circumcenter2(P, Q, ComplexConj(Q), ends[2]);
  if (isLine) {
    // A vertical ray: one end on the axis, the other at infinity.
    ends[2] = {P.x, 0};
    ends[0] = {P.x, 0};
    ends[1] = {P.x, kernel::HugeReal};
  } else {
    ends[2].y = 0;
    const Real rho = kernel::Dist2(ends[2], P);
    ends[0] = {ends[2].x - rho, 0};
    ends[1] = {ends[2].x + rho, 0};
  }
  if (kernel::Dist2(P, ends[1]) < kernel::Dist2(Q, ends[1])) std::swap(ends[0], ends[1]);
  return kGeometryOk;
}

GeometryResult Geodesic(const GeometryModel& model, const Point2& P, const Point2& Q, GeodesicEnds& ends,
                        bool& isLine) {
  return model.HalfPlane ? HalfPlaneGeodesic(P, Q, ends, isLine) : DiskGeodesic(P, Q, ends, isLine);
}

bool CircleModelCentre(const GeometryModel& model, const Point2& C, const Point2& Q, Point2& out) {
  out = C;
  const Real d = HyperbolicDistance(model, C, Q);
  if (d < kernel::SnapTolerance) return false;
  // The circle's Euclidean centre lies on the geodesic through C that is straight in the model
  // (the vertical through C, or the diameter through C); D is its direction in the disk centred at C.
  Point2 direction;
  if (model.HalfPlane) {
    direction = {C.x, C.y + 1};
    TranslateToOrigin(model, C, direction, false);
  } else {
    if (kernel::Dot2(C, C) < kernel::SnapTolerance) return true;
    direction = C;
  }
  Point2 first = direction;
  kernel::ScaleTo2(first, DiskRadiusAt(d));
  Point2 second = -first;
  TranslateFromOrigin(model, C, first, false);
  TranslateFromOrigin(model, C, second, false);
  out = kernel::Midpoint2(first, second);
  return true;
}

Point2 DilatePoint(const GeometryModel& model, const Point2& C, const Point2& P, Real k) {
  Point2 p = P;
  TranslateToOrigin(model, C, p, false);
  DilateCentred(p, k);
  TranslateFromOrigin(model, C, p, false);
  return p;
}

Point2 RotatePoint(const GeometryModel& model, const Point2& C, const Point2& P, Real angle) {
  if (kernel::Dist2(P, C) < kernel::SnapTolerance) return C;
  Point2 p = P;
  TranslateToOrigin(model, C, p, false);
  kernel::Rotate2(p, angle);
  TranslateFromOrigin(model, C, p, false);
  return p;
}

void RotatePointCosSin(const GeometryModel& model, const Point2& C, const Point2& R, Point2& Z) {
  TranslateToOrigin(model, C, Z, false);
  Z = ComplexTimes(R, Z);
  TranslateFromOrigin(model, C, Z, false);
}

Point2 RotateDilatePoint(const GeometryModel& model, const Point2& C, const Point2& P, Real angle, Real k) {
  Point2 p = P;
  TranslateToOrigin(model, C, p, false);
  kernel::Rotate2(p, angle);
  if (std::fabs(k - 1) > kernel::NullTolerance) DilateCentred(p, k);
  TranslateFromOrigin(model, C, p, false);
  return p;
}

Point2 PointOnRayAtAngle(const GeometryModel& model, const Point2& C, const Point2& P, Real angle) {
  Point2 p = P;
  TranslateToOrigin(model, C, p, false);
  kernel::Rotate2(p, angle);
  kernel::ScaleTo2(p, kRayPointRadius);
  TranslateFromOrigin(model, C, p, false);
  return p;
}

bool PointAtDistance(const GeometryModel& model, const Point2& C, Point2& Z, Real d) {
  TranslateToOrigin(model, C, Z, false);
  if (!kernel::ScaleTo2(Z, DiskRadiusAt(d))) return false;
  TranslateFromOrigin(model, C, Z, false);
  return true;
}

Real AngleOfParallelism(const GeometryModel& model, const Point2& C, const Point2& P) {
  Point2 p = P;
  TranslateToOrigin(model, C, p, false);
  const Real r = ComplexModulus(p);
  return 2 * std::atan((1 - r) / (1 + r)) * kDegreesPerRadian;
}

}  // namespace engine

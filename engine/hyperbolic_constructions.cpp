#include "engine/hyperbolic_constructions.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/complex_points.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/orthogonal_arc.h"
#include "kernel/constants.h"
#include "kernel/plane_intersections.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace engine {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr Real kTwoThirds = static_cast<Real>(0.6666666666666666);
constexpr Real kHalf = static_cast<Real>(0.5);

// The centred points are disk points, whatever model the window shows.
constexpr GeometryModel kCentredDisk = kPoincareDisk;

// A carrying circle whose centre lies farther than this (squared) from the origin is treated as the
// diameter it nearly is: beyond it the circle's own arithmetic loses more than the straight
// approximation. (Drawing uses a much coarser limit, which would move constructed points.)
constexpr Real kStraightSquaredCentre = static_cast<Real>(1e18);

// The geodesic through two points of the centred disk, for constructing: straight exactly when it
// (numerically) passes through the centre.
GeometryResult CentredGeodesic(const Point2& P, const Point2& Q, GeodesicEnds& ends, bool& isLine) {
  const GeometryResult result = OrthogonalArc2(kernel::Origin2, kernel::UnitX2, P, Q, ends, isLine);
  if (result == kGeometryOk && !isLine && kernel::Dot2(ends[2], ends[2]) > kStraightSquaredCentre)
    isLine = true;
  return result;
}

Point2 ToCentred(const GeometryModel& model, const Point2& centre, Point2 p) {
  TranslateToOrigin(model, centre, p, false);
  return p;
}

Point2 FromCentred(const GeometryModel& model, const Point2& centre, Point2 p) {
  TranslateFromOrigin(model, centre, p, false);
  return p;
}

}  // namespace

GeometryResult LineLineIntersect(const GeometryModel& model, const Point2& A, const Point2& B,
                                 const Point2& C, const Point2& D, Point2& out) {
  const Point2 b = ToCentred(model, A, B);
  const Point2 c = ToCentred(model, A, C);
  const Point2 d = ToCentred(model, A, D);
  if (kernel::TaxiDist2(kernel::Origin2, b) < kernel::SnapTolerance) return kDegenerateInput;
  GeodesicEnds ends;
  bool straight = false;
  if (CentredGeodesic(c, d, ends, straight) != kGeometryOk) return kDegenerateInput;
  if (straight) {
    // CD is a diameter too: the lines meet at the centre, A.
    out = A;
    return kGeometryOk;
  }
  std::array<Point2, 2> points;
  const int code =
      kernel::IntersectLineCircle2(kernel::Origin2, b, ends[2], kernel::Dist2(ends[2], c), points);
  if (code % 32 > 6) return kLinesDoNotMeet;
  // The carrying circle meets the diameter in two points inverse to each other: take the inner one.
  const Point2 inner = kernel::Dot2(points[0], points[0]) < 1 ? points[0] : points[1];
  out = FromCentred(model, A, inner);
  return kGeometryOk;
}

GeometryResult LineCircleIntersect(const GeometryModel& model, const Point2& A, const Point2& B,
                                   const Point2& C, const Point2& Q, std::array<Point2, 2>& out) {
  const Point2 b = ToCentred(model, A, B);
  const Point2 c = ToCentred(model, A, C);
  const Point2 q = ToCentred(model, A, Q);
  Point2 centre;
  CircleModelCentre(kCentredDisk, c, q, centre);
  std::array<Point2, 2> points;
  const GeometryResult code =
      kernel::IntersectLineCircle2(kernel::Origin2, b, centre, kernel::Dist2(centre, q), points);
  if (code == kNoSolution) return code;
  if (kernel::Dot2(points[0] - points[1], b) < 0) std::swap(points[0], points[1]);
  out[0] = FromCentred(model, A, points[0]);
  out[1] = FromCentred(model, A, points[1]);
  return code;
}

GeometryResult PerpendicularThrough(const GeometryModel& model, const Point2& A, const Point2& B,
                                    const Point2& P, Point2& out, std::int16_t mode) {
  if (mode == kPerpendicularThroughPoint) {
    const Point2 a = ToCentred(model, P, A);
    const Point2 b = ToCentred(model, P, B);
    GeodesicEnds ends;
    bool straight = false;
    if (CentredGeodesic(a, b, ends, straight) != kGeometryOk) return kDegenerateInput;
    // Through the centre, the perpendicular is the diameter at right angles to AB (P on AB) or the
    // diameter through the centre of the circle carrying AB; its second point lies to the left.
    const Point2 along = b - a;
    Point2 direction{-along.y, along.x};
    if (!straight) {
      direction = ends[2];
      if (kernel::Cross2(along, direction) < 0) direction = -direction;
    }
    kernel::ScaleTo2(direction, kRayPointRadius);
    out = FromCentred(model, P, direction);
    return kGeometryOk;
  }
  if (mode != kFootOfPerpendicular) return kModeOutOfRange;

  Point2 u = ToCentred(model, A, B);
  const Point2 p = ToCentred(model, A, P);
  const Real rho = ComplexModulus(p);
  if (ComplexModulus(u) < kernel::NullTolerance || rho < kernel::NullTolerance) return kDegenerateInput;
  kernel::Normalize2(u);
  const Real cosine = kernel::Dot2(p, u) / rho;
  Point2 foot = kernel::Origin2;
  if (std::fabs(cosine) > kernel::NullTolerance) {
    // The perpendicular from p is the circle orthogonal to the unit circle centred at t u on the
    // diameter; the foot is where it crosses the diameter inside the disk.
    const Real t = (rho * rho + 1) / (2 * rho * cosine);
    const Real s = std::sqrt(std::fmax(t * t - 1, static_cast<Real>(0)));
    foot = (t >= 0 ? t - s : t + s) * u;
  }
  out = FromCentred(model, A, foot);
  return kGeometryOk;
}

bool Perpendicular(const GeometryModel& model, const Point2& A, const Point2& B, const Point2& C,
                   const Point2& D, Point2& footAB, Point2& footCD) {
  const Point2 b = ToCentred(model, A, B);
  const Point2 c = ToCentred(model, A, C);
  const Point2 d = ToCentred(model, A, D);
  GeodesicEnds ends;
  bool straight = false;
  if (CentredGeodesic(c, d, ends, straight) != kGeometryOk || straight) return false;
  const Point2 e = ends[2];
  Point2 projection;
  Real t = 0;
  if (!kernel::ProjectOnLine2(e, kernel::Origin2, b, projection, t)) return false;
  // q: the component of the centre of CD along AB. |q| > 1: the lines cross; |q| = 1: parallel.
  const Real q = ComplexModulus(b) * t;
  if (std::fabs(q) + kernel::NullTolerance > 1) return false;
  Point2 nearAB = kernel::Origin2;
  Point2 nearCD;
  if (std::fabs(q) < kernel::NullTolerance) {
    // The common perpendicular is the diameter through e.
    const Real radius = kernel::Dist2(e, c);
    nearCD = e - (radius / ComplexModulus(e)) * e;
  } else {
    // The circle of centre m on AB, orthogonal to the unit circle and to the circle of CD.
    Point2 u = b;
    kernel::Normalize2(u);
    const Point2 m = (1 / q) * u;
    const Real mm = ComplexModulus(m);
    nearAB = (1 - std::sqrt(mm * mm - 1) / mm) * m;
    std::array<Point2, 2> points;
    if (kernel::IntersectCircles2(m, nearAB, e, c, points) == kernel::kCirclesApart) return false;
    if (kernel::Dot2(points[0], points[0]) <= 1) {
      nearCD = points[0];
    } else if (kernel::Dot2(points[1], points[1]) <= 1) {
      nearCD = points[1];
    } else {
      return false;
    }
  }
  footAB = FromCentred(model, A, nearAB);
  footCD = FromCentred(model, A, nearCD);
  return true;
}

bool AngleBisectorPoint(const GeometryModel& model, const Point2& V, const Point2& P, const Point2& Q,
                        Point2& out) {
  Point2 p = ToCentred(model, V, P);
  Point2 q = ToCentred(model, V, Q);
  if (!kernel::Normalize2(p) || !kernel::Normalize2(q)) return false;
  out = FromCentred(model, V, kernel::Midpoint2(p, q));
  return true;
}

bool Circumcentre(const GeometryModel& model, const Point2& A, const Point2& B, const Point2& C,
                  Point2& out) {
  const Point2 midAB = DilatePoint(model, A, B, kHalf);
  const Point2 midBC = DilatePoint(model, B, C, kHalf);
  Point2 onBisectorAB;
  Point2 onBisectorBC;
  if (PerpendicularThrough(model, A, B, midAB, onBisectorAB, kPerpendicularThroughPoint) != kGeometryOk)
    return false;
  if (PerpendicularThrough(model, B, C, midBC, onBisectorBC, kPerpendicularThroughPoint) != kGeometryOk)
    return false;
  return LineLineIntersect(model, midAB, onBisectorAB, midBC, onBisectorBC, out) == kGeometryOk;
}

bool Incentre(const GeometryModel& model, const std::array<Point2, 3>& vertices, std::array<Point2, 4>& out,
              bool wantFeet) {
  const auto& [v0, v1, v2] = vertices;
  Point2 bisector0;
  Point2 bisector1;
  if (!AngleBisectorPoint(model, v0, v1, v2, bisector0) ||
      !AngleBisectorPoint(model, v1, v2, v0, bisector1)) {
    return false;
  }
  if (LineLineIntersect(model, v0, bisector0, v1, bisector1, out[0]) != kGeometryOk) return false;
  if (!wantFeet) return true;
  return PerpendicularThrough(model, v0, v1, out[0], out[1], kFootOfPerpendicular) == kGeometryOk &&
         PerpendicularThrough(model, v1, v2, out[0], out[2], kFootOfPerpendicular) == kGeometryOk &&
         PerpendicularThrough(model, v2, v0, out[0], out[3], kFootOfPerpendicular) == kGeometryOk;
}

bool Orthocentre(const GeometryModel& model, const std::array<Point2, 3>& vertices, Point2& out) {
  const auto& [v0, v1, v2] = vertices;
  Point2 footFrom2;
  Point2 footFrom1;
  if (PerpendicularThrough(model, v0, v1, v2, footFrom2, kFootOfPerpendicular) != kGeometryOk) return false;
  if (PerpendicularThrough(model, v2, v0, v1, footFrom1, kFootOfPerpendicular) != kGeometryOk) return false;
  return LineLineIntersect(model, v1, footFrom1, v2, footFrom2, out) == kGeometryOk;
}

Point2 Centroid(const GeometryModel& model, const Point2& A, const Point2& B, const Point2& C) {
  const Point2 midAB = DilatePoint(model, A, B, kHalf);
  const Point2 midBC = DilatePoint(model, B, C, kHalf);
  if (kernel::Dist2(C, midAB) < kernel::SnapTolerance) return C;
  if (kernel::Dist2(A, midBC) < kernel::SnapTolerance) return A;
  Point2 out;
  if (LineLineIntersect(model, A, midBC, C, midAB, out) == kGeometryOk) return out;
  return DilatePoint(model, A, midBC, kTwoThirds);
}

GeometryResult TangentPointsFromPoint(const GeometryModel& model, const Point2& C, const Point2& Q,
                                      const Point2& P, std::array<Point2, 2>& out) {
  const Point2 c = ToCentred(model, P, C);
  const Point2 q = ToCentred(model, P, Q);
  Point2 centre;
  if (!CircleModelCentre(kCentredDisk, c, q, centre)) return kDegenerateInput;
  // From the centre of the disk the tangent geodesics are diameters: Euclidean tangents.
  const Real radius = kernel::Dist2(centre, q);
  const Real distance = ComplexModulus(centre);
  if (distance < radius + kernel::SnapTolerance) return kPointInsideCircle;
  const Real theta = std::acos(radius / distance);
  const Point2 towardsP = (-radius / distance) * centre;
  Point2 first = towardsP;
  Point2 second = towardsP;
  kernel::Rotate2(first, theta);
  kernel::Rotate2(second, -theta);
  out[0] = FromCentred(model, P, centre + first);
  out[1] = FromCentred(model, P, centre + second);
  return kGeometryOk;
}

GeometryResult CommonTangents(const GeometryModel& model, const Point2& C1, const Point2& Q1,
                              const Point2& C2, const Point2& Q2, bool internal, std::array<Point2, 2>& outA,
                              std::array<Point2, 2>& outB) {
  // In the disk centred at C1 the first circle is the Euclidean circle of radius r1 about the centre.
  const Real r1 = ComplexModulus(ToCentred(model, C1, Q1));
  if (r1 < kernel::SnapTolerance) {
    outA = {C1, C1};
    return TangentPointsFromPoint(model, C2, Q2, C1, outB);
  }
  const Point2 c2 = ToCentred(model, C1, C2);
  const Point2 q2 = ToCentred(model, C1, Q2);
  Point2 centre2;
  CircleModelCentre(kCentredDisk, c2, q2, centre2);
  const Real r2 = kernel::Dist2(centre2, q2);
  if (r2 < kernel::SnapTolerance) {
    outB = {C2, C2};
    return TangentPointsFromPoint(model, C1, Q1, C2, outA);
  }
  // A geodesic tangent to the first circle is a circle orthogonal to the unit circle, of radius h,
  // whose centre lies at m = r1 + h from the origin. It also touches the second circle from outside
  // (external tangents: both circles on one side) or holds it inside (internal tangents).
  const Real h = (1 / r1 - r1) / 2;
  const Real m = r1 + h;
  const Real reach = internal ? h - r2 : h + r2;
  if (!(reach > 0)) return kNoSolution;
  std::array<Point2, 2> centres;
  if (kernel::IntersectCircles2(kernel::Origin2, {m, 0}, centre2, centre2 + Point2{reach, 0}, centres) ==
      kernel::kCirclesApart) {
    return kNoSolution;
  }
  if (kernel::Cross2(centres[0], centres[1]) < 0) std::swap(centres[0], centres[1]);
  for (int i = 0; i < 2; ++i) {
    Point2 onFirst = centres[i];
    kernel::ScaleTo2(onFirst, r1);
    Point2 towardsCentre = centres[i] - centre2;
    kernel::ScaleTo2(towardsCentre, internal ? -r2 : r2);
    outA[i] = FromCentred(model, C1, onFirst);
    outB[i] = FromCentred(model, C1, centre2 + towardsCentre);
  }
  return kGeometryOk;
}

void CompleteRegularPolygon(const GeometryModel& model, std::span<Point2> vertices, int n,
                            Real interiorAngle) {
  const Real turn = kernel::Pi - interiorAngle;
  const Point2 rotation{std::cos(turn), std::sin(turn)};
  const int count = std::min<int>(n, static_cast<int>(vertices.size()));
  for (int k = 2; k < count; ++k) {
    // The previous vertex reflected through the last one and turned by the exterior angle.
    const Point2 previous = ToCentred(model, vertices[k - 1], vertices[k - 2]);
    vertices[k] = FromCentred(model, vertices[k - 1], -ComplexTimes(rotation, previous));
  }
}

}  // namespace engine

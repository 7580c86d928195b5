#include "kernel/soddy_circles.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "kernel/inversion.h"
#include "kernel/plane_primitives.h"
#include "kernel/side_tests.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// The point of the unit sphere whose stereographic image from the frame's third row is (x, y).
Point3 FromStereographic(std::span<const Point3, 3> rows, Real x, Real y) {
  const Real s = x * x + y * y;
  const Point3 v{2 * x / (1 + s), 2 * y / (1 + s), (s - 1) / (1 + s)};
  return MatVec3(rows, v);
}

}  // namespace

int Kind127Plane2(std::span<const Point2, 3> points, std::span<Point2, 4> a, std::span<Point2, 4> b) {
  const Point2 o = points[0];
  Point2 p = points[1];
  Point2 q = points[2];
  InvertInCircle2(o, 1, p);
  InvertInCircle2(o, 1, q);

  // In the inverted picture: the two circles of radius |d|/2 centred at M +- n that touch the
  // lines through p and q (perpendicular to d) and the circle on the diameter pq.
  const Point2 d = q - p;
  const Point2 n{-d.y, d.x};
  const Point2 m = Midpoint2(p, q);
  a[1] = q + n;
  b[1] = q - n;
  a[2] = p + n;
  b[2] = p - n;
  a[3] = m + static_cast<Real>(0.5) * n;
  b[3] = m - static_cast<Real>(0.5) * n;
  for (int i = 1; i <= 2; ++i) {
    InvertInCircle2(o, 1, a[i]);
    InvertInCircle2(o, 1, b[i]);
  }
  bool aBuilt = InvertInCircle2(o, 1, a[3]);
  bool bBuilt = InvertInCircle2(o, 1, b[3]);

  a[0] = Point2{};
  b[0] = Point2{};
  if (aBuilt) aBuilt = Circumcenter2(a[1], a[2], a[3], a[0]);
  if (bBuilt) bBuilt = Circumcenter2(b[1], b[2], b[3], b[0]);

  if (!aBuilt || (bBuilt && Dist2(b[0], b[1]) < Dist2(a[0], a[1]))) {
    std::swap_ranges(a.begin(), a.end(), b.begin());
  }
  return aBuilt && bBuilt ? kSoddyCirclesBuilt : kSoddyCircleMissing;
}

std::uint16_t Kind127Sphere3(std::span<const Point3, 3> frame, std::span<const Point3, 3> projected,
                             std::span<Point3, 4> a, std::span<Point3, 4> b) {
  Point3 normal = Cross3(frame[1], frame[2]);
  if (!Normalize3(normal)) return kSoddySphereFrameFailed;
  if (Dot3(normal, frame[0]) < 0) normal = -normal;
  const Point3& pole = projected[0];
  const std::array<Point3, 3> rows{Cross3(normal, pole), normal, pole};

  // Stereographic images of the two touching points, from the pole.
  Point2 image[2];
  for (int i = 0; i < 2; ++i) {
    const Point3& u = projected[i + 1];
    const Real c = 1 - Dot3(u, pole);
    if (std::fabs(c) <= NullTolerance) return kSoddySphereFrameFailed;
    image[i] = {Dot3(u, rows[0]) / c, Dot3(u, rows[1]) / c};
  }
  const Point2& q1 = image[0];
  const Point2& q2 = image[1];
  const Real width = std::fabs(q1.x - q2.x);
  const Real middle = (q1.x + q2.x) / 2;

  // Circle a on the side of the second row, circle b on the other.
  const auto layOut = [&](Real l, std::span<Point3, 4> circle) {
    circle[2] = FromStereographic(rows, q1.x, q1.y + l);
    circle[3] = FromStereographic(rows, q2.x, q1.y + l);
    circle[1] = FromStereographic(rows, middle, q2.y + l / 2);
  };
  layOut(width, a);
  layOut(-width, b);

  std::uint16_t result = 0;
  if (!SphereCircumcentre3(b[1], b[2], b[3], b[0])) result += kSoddyCentreBMissing;
  if (!SphereCircumcentre3(a[1], a[2], a[3], a[0])) result += kSoddyCentreAMissing;
  return result;
}

Point3 MatVec3(std::span<const Point3, 3> rows, const Point3& v) {
  Point3 out{0, 0, 0};
  out = out + v.x * rows[0];
  out = out + v.y * rows[1];
  out = out + v.z * rows[2];
  return out;
}

}  // namespace kernel

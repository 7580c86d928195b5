#include "kernel/soddy_circles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "support/extended_expect.h"
#include "kernel/side_tests.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

Point3 Lift(const Point2& p) { return {p.x, p.y, 0}; }

struct Circle2 {
  Point2 centre;
  Real radius;
};

// Two circles touch, from outside or inside.
Real TouchError(const Circle2& a, const Circle2& b) {
  const Real d = Dist2(a.centre, b.centre);
  return std::min(std::fabs(d - (a.radius + b.radius)), std::fabs(d - std::fabs(a.radius - b.radius)));
}

// Descartes' relation of four mutually touching circles, (sum k)^2 = 2 sum k^2, with the curvature
// of a circle that encloses the others taken negative.
Real DescartesDefect(const std::array<Real, 4>& k) {
  Real sum = 0, squares = 0;
  for (Real x : k) {
    sum += x;
    squares += x * x;
  }
  return sum * sum - 2 * squares;
}

TEST(SoddyCircles, ThreeUnitCircles) {
  const Real h = std::sqrt(3.0L) / 2;
  const std::array<Point2, 3> points{{{0, 0}, {-0.5L, h}, {0.5L, h}}};
  std::array<Point2, 4> a, b;
  ASSERT_EQ(Kind127Plane2(points, a, b), kSoddyCirclesBuilt);

  const Real inner = 2 / std::sqrt(3.0L) - 1;
  const Real outer = 2 / std::sqrt(3.0L) + 1;
  EXPECT_POINT3_NEAR(Lift(a[0]), (Point3{0, 1 / std::sqrt(3.0L), 0}), 1e-17L);
  EXPECT_REAL_NEAR(Dist2(a[0], a[1]), inner, 1e-17L);
  EXPECT_POINT3_NEAR(Lift(a[1]), (Point3{1 - h, 0.5L, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(a[2]), (Point3{h - 1, 0.5L, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(a[3]), (Point3{0, 2 * h - 1, 0}), 1e-17L);

  EXPECT_POINT3_NEAR(Lift(b[0]), (Point3{0, 1 / std::sqrt(3.0L), 0}), 1e-17L);
  EXPECT_REAL_NEAR(Dist2(b[0], b[1]), outer, 1e-17L);
  EXPECT_POINT3_NEAR(Lift(b[1]), (Point3{1 + h, -0.5L, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(b[2]), (Point3{-1 - h, -0.5L, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(b[3]), (Point3{0, 2 * h + 1, 0}), 1e-17L);

  EXPECT_REAL_NEAR(DescartesDefect({1, 1, 1, 1 / inner}), 0, 1e-16L);
  EXPECT_REAL_NEAR(DescartesDefect({1, 1, 1, -1 / outer}), 0, 1e-16L);
}

// Circles of radii 1, 2 and 3 centred at (0, 0), (3, 0), (0, 4): the Soddy radii are 6/23 and 6
// (the outer circle encloses the others). Given with P and Q in either order, which puts the
// inner circle on either side of P'Q' in the inverted picture, the smaller comes first.
TEST(SoddyCircles, UnequalCirclesSmallerFirstAndTouchingAllThree) {
  const Circle2 given[3] = {{{0, 0}, 1}, {{3, 0}, 2}, {{0, 4}, 3}};
  const Point2 o{1, 0}, onFirst{0, 1}, onSecond{1.8L, 1.6L};
  const std::array<std::array<Point2, 3>, 2> inputs{{{o, onFirst, onSecond}, {o, onSecond, onFirst}}};
  for (const auto& points : inputs) {
    std::array<Point2, 4> a, b;
    ASSERT_EQ(Kind127Plane2(points, a, b), kSoddyCirclesBuilt);
    const Circle2 inner{a[0], Dist2(a[0], a[1])};
    const Circle2 outer{b[0], Dist2(b[0], b[1])};
    EXPECT_REAL_NEAR(inner.radius, 6.0L / 23, 1e-16L);
    EXPECT_REAL_NEAR(outer.radius, 6, 1e-15L);
    for (const Circle2& c : given) {
      EXPECT_REAL_NEAR(TouchError(inner, c), 0, 1e-15L);
      EXPECT_REAL_NEAR(TouchError(outer, c), 0, 1e-15L);
    }
    // Each result's points lie on it, and point 3 on the third given circle.
    for (const auto* circle : {&a, &b}) {
      const Real r = Dist2((*circle)[0], (*circle)[1]);
      for (int i = 2; i <= 3; ++i) EXPECT_REAL_NEAR(Dist2((*circle)[0], (*circle)[i]), r, 1e-15L);
      EXPECT_REAL_NEAR(Dist2((*circle)[3], given[2].centre), given[2].radius, 1e-15L);
    }
    EXPECT_REAL_NEAR(DescartesDefect({1, 0.5L, 1.0L / 3, 1 / inner.radius}), 0, 1e-14L);
    EXPECT_REAL_NEAR(DescartesDefect({1, 0.5L, 1.0L / 3, -1 / outer.radius}), 0, 1e-14L);
  }
}

TEST(SoddyCircles, CircleThroughTheInversionCentreIsMissing) {
  // Here M + n/2 falls on O: circle A of the construction fails, B is moved to the front.
  const std::array<Point2, 3> points{{{0, 0}, {1, 0}, {0, 1}}};
  std::array<Point2, 4> a, b;
  EXPECT_EQ(Kind127Plane2(points, a, b), kSoddyCircleMissing);
  const Real r = Dist2(a[0], a[1]);
  EXPECT_GT(r, 0);
  EXPECT_REAL_NEAR(Dist2(a[0], a[2]), r, 1e-16L);
  EXPECT_REAL_NEAR(Dist2(a[0], a[3]), r, 1e-16L);
  EXPECT_TRUE(b[0] == (Point2{0, 0}));
}

// ---- Sphere ----

// The point of the unit sphere whose stereographic image from (0, 0, 1) on the equator plane is
// (x, y).
Point3 Unproject(Real x, Real y) {
  const Real s = x * x + y * y;
  return {2 * x / (1 + s), 2 * y / (1 + s), (s - 1) / (1 + s)};
}

struct CircleOnSphere {
  Point3 centre;
  Real radius;  // arc
};

CircleOnSphere ThroughImages(const Point2& p, const Point2& q, const Point2& r) {
  const Point3 a = Unproject(p.x, p.y), b = Unproject(q.x, q.y), c = Unproject(r.x, r.y);
  CircleOnSphere circle;
  EXPECT_TRUE(SphereCircumcentre3(a, b, c, circle.centre));
  circle.radius = std::acos(Dot3(circle.centre, a));
  return circle;
}

Real SphereTouchError(const CircleOnSphere& a, const CircleOnSphere& b) {
  const Real d = std::acos(std::clamp(Dot3(a.centre, b.centre), -1.0L, 1.0L));
  return std::min(std::fabs(d - (a.radius + b.radius)), std::fabs(d - std::fabs(a.radius - b.radius)));
}

// In the projection from the pole (0, 0, 1): circles 1 and 2 are the lines x = -1 and x = 1, the
// third circle is centred at (0, 1) with radius 1. Their Soddy circles are centred at (0, 3) and
// (0, -1) with radius 1.
TEST(SoddyCircles, SphereCirclesTouchTheThreeGivenCircles) {
  const CircleOnSphere given[3] = {ThroughImages({-1, 0}, {-1, 1}, {-1, -2}),
                                   ThroughImages({1, 0}, {1, 1}, {1, -2}),
                                   ThroughImages({0, 0}, {1, 1}, {-1, 1})};
  const std::array<Point3, 3> frame{given[2].centre, given[0].centre, given[1].centre};
  const std::array<Point3, 3> projected{Point3{0, 0, 1}, Unproject(-1, 1), Unproject(1, 1)};
  std::array<Point3, 4> a, b;
  ASSERT_EQ(Kind127Sphere3(frame, projected, a, b), 0);

  const CircleOnSphere expectedA = ThroughImages({-1, 3}, {1, 3}, {0, 2});
  const CircleOnSphere expectedB = ThroughImages({-1, -1}, {1, -1}, {0, 0});
  EXPECT_POINT3_NEAR(a[0], expectedA.centre, 1e-16L);
  EXPECT_POINT3_NEAR(b[0], expectedB.centre, 1e-16L);
  for (const auto* circle : {&a, &b}) {
    const CircleOnSphere result{(*circle)[0], std::acos(Dot3((*circle)[0], (*circle)[1]))};
    for (const CircleOnSphere& c : given) EXPECT_REAL_NEAR(SphereTouchError(result, c), 0, 1e-15L);
    // Entries 2 and 3 lie on the first two circles, entry 1 on the third.
    const int onGiven[3] = {2, 0, 1};
    for (int i = 1; i <= 3; ++i) {
      EXPECT_REAL_NEAR(Dot3((*circle)[i], (*circle)[i]), 1, 1e-17L);
      EXPECT_REAL_NEAR(Dot3((*circle)[i], given[onGiven[i - 1]].centre), std::cos(given[onGiven[i - 1]].radius),
                       1e-16L);
    }
  }
}

TEST(SoddyCircles, SphereFrameFailures) {
  const std::array<Point3, 3> projected{Point3{0, 0, 1}, Unproject(-1, 1), Unproject(1, 1)};
  const Point3 s1{1, 0, 0.2L};
  for (const Point3& s2 : {s1, -s1}) {
    std::array<Point3, 4> a, b;
    EXPECT_EQ(Kind127Sphere3(std::array<Point3, 3>{Point3{0, 1, 0}, s1, s2}, projected, a, b),
              kSoddySphereFrameFailed);
  }
  const std::array<Point3, 3> atPole{Point3{0, 0, 1}, Point3{0, 0, 1}, Unproject(1, 1)};
  std::array<Point3, 4> a, b;
  EXPECT_EQ(Kind127Sphere3(std::array<Point3, 3>{Point3{0, 1, 0}, s1, Point3{-1, 0, 0.2L}}, atPole, a, b),
            kSoddySphereFrameFailed);
}

TEST(SoddyCircles, MatVec) {
  const std::array<Point3, 3> identity{Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}};
  EXPECT_POINT3_NEAR(MatVec3(identity, Point3{2, -3, 0.5L}), (Point3{2, -3, 0.5L}), 0);
  const std::array<Point3, 3> rows{Point3{1, 2, 3}, Point3{0, -1, 4}, Point3{5, 0, 1}};
  EXPECT_POINT3_NEAR(MatVec3(rows, Point3{1, 2, -1}), (Point3{-4, 0, 10}), 0);
}

}  // namespace

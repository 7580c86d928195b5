#include "kernel/line_sphere3.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/extended_expect.h"

using namespace kernel;

namespace {

TEST(LineSphere3, FootAndDistances) {
  Point3 foot;
  Real distance = -1, along = -1, t = -1;
  EXPECT_TRUE(FootAndDistances3(Point3{3, 4, 0}, Point3{-1, 0, 0}, Point3{1, 0, 0}, foot, distance, along, t));
  EXPECT_POINT3_NEAR(foot, (Point3{3, 0, 0}), 1e-18L);
  EXPECT_EQ(distance, 4);
  EXPECT_EQ(along, 4);
  EXPECT_EQ(t, 2);

  distance = along = -1;
  EXPECT_FALSE(FootAndDistances3(Point3{3, 4, 0}, Point3{1, 1, 1}, Point3{1, 1, 1}, foot, distance, along, t));
  EXPECT_EQ(distance, -1);
  EXPECT_EQ(along, -1);
}

// Lines along the x axis against the unit sphere about the origin: every secant code.
TEST(LineSphere3, SecantCodesAndOutputOrder) {
  struct Case {
    Real ax, bx;
    KernelResult code;
  };
  const Case cases[] = {
      {-2, 2, 6},      // t = 0.25 and 0.75
      {0, 2, 5},       // t = -0.5 and 0.5
      {-3, 0, 4},      // t = 2/3 and 4/3
      {-0.5L, 0.5L, 35},  // t = -0.5 and 1.5: the segment lies inside
      {2, 3, 3},       // t = -3 and -1
      {1, 2, 3},       // t = -2 and 0: the larger exactly at A
      {-3, -2, 67},    // t = 2 and 4
  };
  for (const Case& c : cases) {
    Point3 first{9, 9, 9}, second{9, 9, 9};
    EXPECT_EQ(SegmentSphereIntersect3(Point3{c.ax, 0, 0}, Point3{c.bx, 0, 0}, Point3{}, 1, first, second), c.code)
        << c.ax << " to " << c.bx;
    // first is the crossing of larger t, so it follows the direction from A to B.
    EXPECT_POINT3_NEAR(first, (Point3{c.bx > c.ax ? 1.0L : -1.0L, 0, 0}), 1e-18L);
    EXPECT_POINT3_NEAR(second, (Point3{c.bx > c.ax ? -1.0L : 1.0L, 0, 0}), 1e-18L);
  }

  // Off the centre and off the axes: both points lie on the sphere.
  Point3 first, second;
  const Point3 centre{1, 2, 3};
  EXPECT_EQ(SegmentSphereIntersect3(Point3{-4, 2.5L, 3.5L}, Point3{6, 2.5L, 3.5L}, centre, 2, first, second), 6);
  EXPECT_REAL_NEAR(first.x, 1 + std::sqrt(3.5L), 1e-17L);
  EXPECT_REAL_NEAR(second.x, 1 - std::sqrt(3.5L), 1e-17L);
}

TEST(LineSphere3, TangentCodesGiveTheFootTwice) {
  struct Case {
    Real ax, bx;
    KernelResult code;
  };
  const Case cases[] = {{-2, 2, 2}, {0, 2, 2}, {1, 2, 1}, {-3, -2, 33}};
  for (const Case& c : cases) {
    Point3 first, second;
    EXPECT_EQ(SegmentSphereIntersect3(Point3{c.ax, 1, 0}, Point3{c.bx, 1, 0}, Point3{}, 1, first, second), c.code);
    EXPECT_POINT3_NEAR(first, (Point3{0, 1, 0}), 1e-18L);
    EXPECT_POINT3_NEAR(second, (Point3{0, 1, 0}), 1e-18L);
  }

  // Within the tolerance of the radius still touches.
  Point3 first, second;
  const Real nearlyOne = 1 + static_cast<Real>(5e-14);
  EXPECT_EQ(SegmentSphereIntersect3(Point3{-1, nearlyOne, 0}, Point3{1, nearlyOne, 0}, Point3{}, 1, first, second), 2);
}

TEST(LineSphere3, MissesAndDegenerateLines) {
  Point3 first{9, 9, 9}, second{9, 9, 9};
  const Real beyond = 1 + static_cast<Real>(2e-13);
  EXPECT_EQ(SegmentSphereIntersect3(Point3{-1, beyond, 0}, Point3{1, beyond, 0}, Point3{}, 1, first, second), 30);
  EXPECT_POINT3_NEAR(first, Point3{}, 0);
  EXPECT_POINT3_NEAR(second, Point3{}, 0);

  first = second = Point3{9, 9, 9};
  EXPECT_EQ(SegmentSphereIntersect3(Point3{0.5L, 0, 0}, Point3{0.5L, 0, 0}, Point3{}, 1, first, second), 30);
  EXPECT_POINT3_NEAR(first, Point3{}, 0);
  EXPECT_POINT3_NEAR(second, Point3{}, 0);
}

}  // namespace

#include "kernel/frames3.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/random.h"
#include "kernel/vector3.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

TEST(Frames3, RotateAboutAxis) {
  const Point3 z{0, 0, 1};
  EXPECT_POINT3_NEAR(RotateAboutAxis3(z, 0, 1, Point3{1, 0, 0}), (Point3{0, 1, 0}), 0);
  EXPECT_POINT3_NEAR(RotateAboutAxis3(z, 1, 0, Point3{2, -3, 4}), (Point3{2, -3, 4}), 0);
  EXPECT_POINT3_NEAR(RotateAboutAxis3(z, std::cos(0.7L), std::sin(0.7L), Point3{0, 0, 3}), (Point3{0, 0, 3}), 0);

  // A third of a turn about the diagonal cycles the axes.
  const Real k = 1 / std::sqrt(3.0L);
  const Point3 diagonal{k, k, k};
  EXPECT_POINT3_NEAR(RotateAboutAxis3(diagonal, -0.5L, std::sqrt(3.0L) / 2, Point3{1, 0, 0}), (Point3{0, 1, 0}), 1e-18L);
}

TEST(Frames3, ProjectOnLine) {
  Point3 foot;
  Real t = -1;
  EXPECT_TRUE(ProjectOnLine3(Point3{1, 5, 0}, Point3{0, 0, 0}, Point3{2, 0, 0}, foot, t));
  EXPECT_POINT3_NEAR(foot, (Point3{1, 0, 0}), 0);
  EXPECT_EQ(t, 0.5L);

  EXPECT_TRUE(ProjectOnLine3(Point3{7, -1, 3}, Point3{0, 0, 0}, Point3{2, 0, 0}, foot, t));
  EXPECT_POINT3_NEAR(foot, (Point3{7, 0, 0}), 0);
  EXPECT_EQ(t, 3.5L);

  const Point3 p{1, 2, 3};
  EXPECT_FALSE(ProjectOnLine3(p, Point3{4, 4, 4}, Point3{4, 4, 4}, foot, t));
  EXPECT_POINT3_NEAR(foot, (Point3{1, 2, 3}), 0);
  EXPECT_EQ(t, 0);
}

TEST(Frames3, SplitVector) {
  Point3 along, across;
  SplitVector3(Point3{3, 4, 5}, Point3{0, 0, 2}, along, across);
  EXPECT_POINT3_NEAR(along, (Point3{0, 0, 5}), 0);
  EXPECT_POINT3_NEAR(across, (Point3{3, 4, 0}), 0);

  SplitVector3(Point3{3, 4, 5}, Point3{0, 0, 0}, along, across);
  EXPECT_POINT3_NEAR(along, (Point3{0, 0, 0}), 0);
  EXPECT_POINT3_NEAR(across, (Point3{3, 4, 5}), 0);

  SplitVector3(Point3{2, 4, 6}, Point3{1, 2, 3}, along, across);
  EXPECT_POINT3_NEAR(along, (Point3{2, 4, 6}), 1e-18L);
  EXPECT_POINT3_NEAR(across, (Point3{0, 0, 0}), 1e-18L);
}

TEST(Frames3, PlaneNormalOfThreePoints) {
  Point3 n;
  EXPECT_TRUE(PlaneNormal3(Point3{1, 0, 0}, Point3{0, 0, 0}, Point3{0, 1, 0}, n, false));
  EXPECT_POINT3_NEAR(n, (Point3{0, 0, -1}), 0);
  EXPECT_TRUE(PlaneNormal3(Point3{2, 0, 0}, Point3{0, 0, 0}, Point3{0, 2, 0}, n, false));
  EXPECT_POINT3_NEAR(n, (Point3{0, 0, -4}), 0);
  EXPECT_TRUE(PlaneNormal3(Point3{2, 0, 0}, Point3{0, 0, 0}, Point3{0, 2, 0}, n, true));
  EXPECT_POINT3_NEAR(n, (Point3{0, 0, -1}), 0);
}

TEST(Frames3, PlaneNormalFallbacksAreUnitVectors) {
  struct Case {
    Point3 a, b, c;
    Point3 expected;
  };
  const Case cases[] = {
      {{0, 0, 5}, {0, 0, 0}, {0, 0, 1}, {1, 0, 0}},  // along the z axis
      {{3, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 1, 0}},  // b = c
      {{1, 1, 1}, {1, 1, 1}, {1, 1, 1}, {1, 0, 0}},  // all three coincide
      {{0, 4, 0}, {0, 1, 0}, {0, 2, 0}, {-1, 0, 0}}, // collinear along y
  };
  for (bool unit : {false, true}) {
    for (const Case& c : cases) {
      Point3 n{9, 9, 9};
      EXPECT_FALSE(PlaneNormal3(c.a, c.b, c.c, n, unit));
      EXPECT_POINT3_NEAR(n, (Point3{c.expected.x, c.expected.y, c.expected.z}), 0);
    }
  }
}

TEST(Frames3, OrthoBasisScaledAndUnscaled) {
  Point3 u, w;
  OrthoBasis3(Point3{0, 0, 2}, u, w, true);
  EXPECT_POINT3_NEAR(u, (Point3{2, 0, 0}), 0);
  EXPECT_POINT3_NEAR(w, (Point3{0, 2, 0}), 0);
  OrthoBasis3(Point3{0, 0, 2}, u, w, false);
  EXPECT_POINT3_NEAR(u, (Point3{1, 0, 0}), 0);
  EXPECT_POINT3_NEAR(w, (Point3{0, 2, 0}), 0);

  // A general direction: perpendicular, right-handed, and of v's length when scaled.
  const Point3 v{1, 2, 2};
  OrthoBasis3(v, u, w, true);
  EXPECT_REAL_NEAR(Dot3(u, v), 0, 1e-17L);
  EXPECT_REAL_NEAR(Dot3(w, v), 0, 1e-17L);
  EXPECT_REAL_NEAR(Dot3(u, w), 0, 1e-17L);
  EXPECT_REAL_NEAR(Dist3(Point3{}, u), 3, 1e-17L);
  EXPECT_REAL_NEAR(Dist3(Point3{}, w), 3, 1e-17L);
  EXPECT_GT(Det3(u, w, v), 0);

  OrthoBasis3(Point3{}, u, w, true);
  EXPECT_POINT3_NEAR(u, (Point3{0, 0, 0}), 0);
  EXPECT_POINT3_NEAR(w, (Point3{0, 0, 0}), 0);
}

TEST(Frames3, RandomUnitVectorAboutAnAxis) {
  SeedRandom(12345);
  Point3 out;
  RandomUnitVector3(0, 0, 0, TwoPi, Point3{0, 0, 3}, out);
  EXPECT_POINT3_NEAR(out, (Point3{0, 0, 1}), 0);

  RandomUnitVector3(0.2L, 0.3L, 0, TwoPi, Point3{0, 0, 0}, out);
  EXPECT_POINT3_NEAR(out, (Point3{0, 0, 0}), 0);

  const Point3 axis{1, 1, 0};
  for (int i = 0; i < 20; ++i) {
    RandomUnitVector3(0.4L, 0.5L, 0, TwoPi, axis, out);
    EXPECT_REAL_NEAR(Dist3(Point3{}, out), 1, 1e-17L);
    const Real sine = std::sin(AngleBetween3(axis, out));
    EXPECT_GT(sine, 0.4L);
    EXPECT_LT(sine, 0.5L);
  }

  // A sine beyond 1 (caller's mistake) still gives a finite vector.
  RandomUnitVector3(2, 2, 0, 0, Point3{0, 0, 1}, out);
  EXPECT_TRUE(std::isfinite(out.x) && std::isfinite(out.y) && std::isfinite(out.z));
}

}  // namespace

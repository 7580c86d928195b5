#include <gtest/gtest.h>

#include <cmath>

#include "kernel/line_intersection2.h"
#include "kernel/vector2.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

constexpr Real kTight = 1e-15L;

void ExpectPointNear(const Point2& actual, const Point2& expected, Real tolerance) {
  EXPECT_REAL_NEAR(actual.x, expected.x, tolerance);
  EXPECT_REAL_NEAR(actual.y, expected.y, tolerance);
}

TEST(LineIntersection2, CrossingLinesMeetAtTheirParameters) {
  Real t = -7, u = -7;
  Point2 x{9, 9};
  EXPECT_EQ(IntersectLines2({0, 0}, {2, 0}, {1, -1}, {1, 1}, t, u, x), kLinesMeet);
  EXPECT_EQ(t, 0.5L);
  EXPECT_EQ(u, 0.5L);
  EXPECT_EQ(x, (Point2{1, 0}));

  Point2 swapped{9, 9};
  EXPECT_EQ(IntersectLines2Point({1, -1}, {1, 1}, {0, 0}, {2, 0}, swapped), kLinesMeet);
  EXPECT_EQ(swapped, (Point2{1, 0}));

  // Beyond both segments: the lines are infinite.
  EXPECT_EQ(IntersectLines2({0, 0}, {1, 1}, {4, 0}, {3, 1}, t, u, x), kLinesMeet);
  EXPECT_EQ(t, 2);
  EXPECT_EQ(u, 2);
  EXPECT_EQ(x, (Point2{2, 2}));
}

TEST(LineIntersection2, ParallelAndDegenerateLinesGiveNoPoint) {
  const struct {
    Point2 p1, p2, p3, p4;
  } cases[] = {
      {{0, 0}, {2, 0}, {0, 1}, {5, 1}},    // parallel
      {{0, 0}, {2, 0}, {3, 0}, {5, 0}},    // the same line
      {{1, 1}, {1, 1}, {0, 0}, {0, 5}},    // first line given by two equal points
  };
  for (const auto& c : cases) {
    Real t = -7, u = -7;
    Point2 x{9, 9};
    EXPECT_EQ(IntersectLines2(c.p1, c.p2, c.p3, c.p4, t, u, x), kNoPoint);
    EXPECT_EQ(x, (Point2{0, 0}));
    EXPECT_EQ(t, -7);  // not written
    EXPECT_EQ(u, -7);
  }
}

TEST(LineIntersection2, NearlyParallelLinesGiveNoPointWithTheirParameters) {
  Real t = 0, u = 0;
  Point2 x{9, 9};
  const Real slope = std::ldexp(1.0L, -46);  // about 1.4e-14, exact in binary
  EXPECT_EQ(IntersectLines2({0, 0}, {1, 0}, {0, 1}, {1, 1 + slope}, t, u, x), kNoPoint);
  EXPECT_EQ(t, -1 / slope);
  EXPECT_EQ(u, -1 / slope);
  EXPECT_EQ(x, (Point2{0, 0}));
}

TEST(LineIntersection2, CrossRatioAndCoincidentPoints) {
  Real ratio = -1;
  ASSERT_TRUE(CrossRatio({0, 0}, {1, 0}, {2, 0}, {3, 0}, ratio));
  EXPECT_EQ(ratio, 0.25L);
  ASSERT_TRUE(CrossRatio({0, 0}, {3, 4}, {3, 0}, {0, 0}, ratio));  // |AB| |CD| / (|BD| |CA|) = 5 * 3 / (5 * 3)
  EXPECT_REAL_NEAR(ratio, 1, kTight);

  ratio = -1;
  EXPECT_FALSE(CrossRatio({0, 0}, {1, 0}, {2, 0}, {1, 0}, ratio));  // B = D
  EXPECT_FALSE(CrossRatio({2, 0}, {1, 0}, {2, 0}, {3, 0}, ratio));  // C = A
  EXPECT_EQ(ratio, -1);
}

TEST(LineIntersection2, PlacePointAtDistance) {
  Point2 b{4, 5};
  ASSERT_TRUE(PlacePointAtDistance2({1, 1}, b, 10));
  ExpectPointNear(b, {7, 9}, kTight);

  Point2 same{1, 1};
  EXPECT_FALSE(PlacePointAtDistance2({1, 1}, same, 10));
  EXPECT_EQ(same, (Point2{1, 1}));
}

TEST(LineIntersection2, ApolloniusCircle) {
  Point2 centre, inner, outer;
  Real radius = -1;
  ApolloniusCircle({0, 0}, {3, 0}, 2, centre, inner, outer, radius);
  ExpectPointNear(inner, {2, 0}, kTight);
  ExpectPointNear(outer, {6, 0}, kTight);
  ExpectPointNear(centre, {4, 0}, kTight);
  EXPECT_REAL_NEAR(radius, 2, kTight);
  // A point of the circle off the line keeps the ratio: |PA| / |PB| = 2.
  EXPECT_REAL_NEAR(Dist2({4, 2}, {0, 0}) / Dist2({4, 2}, {3, 0}), 2, kTight);

  const struct {
    Real k;
    Point2 all;
  } ends[] = {{0, {1, 2}}, {-3, {1, 2}}, {1e19L, {5, 2}}};
  for (const auto& c : ends) {
    radius = -1;
    ApolloniusCircle({1, 2}, {5, 2}, c.k, centre, inner, outer, radius);
    EXPECT_EQ(centre, c.all);
    EXPECT_EQ(inner, c.all);
    EXPECT_EQ(outer, c.all);
    EXPECT_EQ(radius, 0);
  }

  // A ratio of 1 gives the perpendicular bisector as a very large circle.
  for (Real k : {1.0L, 1 + 1e-14L, 1 - 1e-14L}) {
    ApolloniusCircle({0, 0}, {2, 0}, k, centre, inner, outer, radius);
    ExpectPointNear(inner, {1, 0}, 1e-13L);
    const Real far = k >= 1 ? 2 * (1 + 1e13L) : 2 * (1 - 1e13L);
    EXPECT_REAL_NEAR(outer.x, far, 1e-2L);
    EXPECT_REAL_NEAR(centre.x, (1 + far) / 2, 1e-2L);
    EXPECT_REAL_NEAR(radius, std::fabs(far - 1) / 2, 1e-2L);
  }
}

TEST(LineIntersection2, QuarterTurnInTheDisk) {
  Point2 z{0.5L, 0};
  QuarterTurnDisk2({0, 0}, z);
  ExpectPointNear(z, {0, 0.5L}, kTight);

  // About another centre: the centre stays, and four quarter turns return to the start.
  const Point2 a{0.3L, -0.2L};
  Point2 fixed = a;
  QuarterTurnDisk2(a, fixed);
  ExpectPointNear(fixed, a, kTight);
  const Point2 start{0.1L, 0.5L};
  Point2 moved = start;
  QuarterTurnDisk2(a, moved);
  EXPECT_GT(Dist2(moved, start), 0.1L);
  for (int i = 0; i < 3; ++i) QuarterTurnDisk2(a, moved);
  ExpectPointNear(moved, start, 1e-14L);
}

}  // namespace

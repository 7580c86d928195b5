// The bounce path: legs to the walls of lines, circles and focal conics, and where it ends.
#include "kernel/bounce_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel/vector2.h"

namespace {

using kernel::BounceCircleWall;
using kernel::BounceLineWall;
using kernel::BounceRun;
using kernel::BounceWalls;
using kernel::Point2;
using kernel::Real;

constexpr Real kEps = 1e-9L;

BounceRun Ball(Point2 start, Point2 aim, int m) {
  BounceRun run;
  run.start = start;
  run.aim = aim;
  run.maxBounces = m;
  run.tolerance = 1e-4L;
  run.reach = 40;
  return run;
}

void ExpectNear(const Point2& p, Real x, Real y) {
  EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(x), 1e-9);
  EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(y), 1e-9);
}

TEST(BouncePath, WithoutWallsOneLegRunsFromTheStartThroughTheAimToBeyondTheView) {
  std::vector<Point2> points;
  for (const int m : {0, 3, -2}) {
    EXPECT_EQ(kernel::ComputeBouncePath(BounceWalls{}, Ball({1, 1}, {4, 5}, m), points), 1);
    ASSERT_EQ(points.size(), 2u);
    ExpectNear(points[0], 1, 1);
    ExpectNear(points[1], 1 + 40 * 0.6L, 1 + 40 * 0.8L);
  }
}

TEST(BouncePath, InsideACircleEveryLegEndsOnTheRimAndTheLastHalfway) {
  BounceWalls walls;
  walls.circles.push_back({true, {0, 0}, {5, 0}});
  std::vector<Point2> points;
  const int m = 6;
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({0, 0}, {1, 0.3L}, m), points), m + 1);
  ASSERT_EQ(points.size(), static_cast<std::size_t>(m + 2));
  for (int k = 1; k <= m; ++k) EXPECT_NEAR(static_cast<double>(kernel::Dist2(points[k], {0, 0})), 5, 1e-9) << k;
  // The last leg stops halfway: inside the circle.
  EXPECT_LT(kernel::Dist2(points.back(), {0, 0}), 5 - kEps);
  // Equal chords: the angle of incidence is kept.
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(points[1], points[2])),
              static_cast<double>(kernel::Dist2(points[2], points[3])), 1e-9);
}

TEST(BouncePath, NoBouncesEndsHalfwayToTheFirstWall) {
  BounceWalls walls;
  walls.lines.push_back({true, {4, -10}, {4, 10}, false, false});
  std::vector<Point2> points;
  for (const int m : {0, -5}) {
    ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({0, 0}, {1, 0}, m), points), 1);
    ExpectNear(points[1], 2, 0);
  }
}

TEST(BouncePath, BetweenParallelLinesTheBallAlternates) {
  BounceWalls walls;
  walls.lines.push_back({true, {-100, 0}, {100, 0}, false, false});
  walls.lines.push_back({true, {-100, 2}, {100, 2}, false, false});
  std::vector<Point2> points;
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({0, 1}, {1, 2}, 4), points), 5);
  ExpectNear(points[1], 1, 2);
  ExpectNear(points[2], 3, 0);
  ExpectNear(points[3], 5, 2);
  ExpectNear(points[4], 7, 0);
  ExpectNear(points[5], 8, 1);  // halfway to the next wall point (9, 2)
}

TEST(BouncePath, AStartOnALineDoesNotStopAtIt) {
  BounceWalls walls;
  walls.lines.push_back({true, {-10, 0}, {10, 0}, false, false});
  walls.lines.push_back({true, {-10, 3}, {10, 3}, false, false});
  BounceRun run = Ball({0, 0}, {0, 1}, 1);
  run.startWall = {0, 0};
  std::vector<Point2> points;
  ASSERT_EQ(kernel::ComputeBouncePath(walls, run, points), 2);
  ExpectNear(points[1], 0, 3);
  ExpectNear(points[2], 0, 1.5L);
}

TEST(BouncePath, ALineCarriesOnPastItsPointsOnlyWhereItContinues) {
  std::vector<Point2> points;
  BounceWalls walls;
  walls.lines.push_back({true, {4, 1}, {4, 2}, false, false});
  EXPECT_EQ(kernel::ComputeBouncePath(walls, Ball({0, 0}, {1, 0}, 1), points), 1);  // misses the segment
  walls.lines[0].continuesBefore = true;
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({0, 0}, {1, 0}, 1), points), 2);
  ExpectNear(points[1], 4, 0);
  ExpectNear(points[2], -36, 0);  // back the way it came, with no wall to stop it
}

TEST(BouncePath, ABallOffTheOutsideOfACircleDoesNotHitItAgain) {
  BounceWalls walls;
  walls.circles.push_back({true, {0, 0}, {1, 0}});
  std::vector<Point2> points;
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({-5, 0.5L}, {0, 0.5L}, 3), points), 2);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(points[1], {0, 0})), 1, 1e-9);
  // The second leg meets nothing and runs off.
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(points[1], points[2])), 40, 1e-9);
}

TEST(BouncePath, FocalConicsAreWallsByTheirEffectiveKind) {
  // Foci (-3, 0) and (3, 0), e = 0.6: the ellipse with a = 5, b = 4.
  const kernel::BounceConicWall ellipse = kernel::ConicBounceWall(4, {-3, 0}, {3, 0}, {3, 0}, 0.6L);
  EXPECT_EQ(ellipse.kind, 0);
  EXPECT_EQ(kernel::ConicBounceWall(4, {-3, 0}, {3, 0}, {3, 0}, 1).kind, -1);
  EXPECT_EQ(kernel::ConicBounceWall(4, {-3, 0}, {3, 0}, {3, 0}, 2).kind, 2);
  EXPECT_EQ(kernel::ConicBounceWall(1, {-1, -5}, {-1, 5}, {1, 0}, 1).kind, 1);

  BounceWalls walls;
  walls.twoFociConics.push_back(ellipse);
  std::vector<Point2> points;
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({0, 0}, {1, 0}, 2), points), 3);
  ExpectNear(points[1], 5, 0);
  ExpectNear(points[2], -5, 0);
  // A ray from one focus comes back through the other.
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({-3, 0}, {-3, 1}, 1), points), 2);
  const Point2 back = points[2] - points[1];
  EXPECT_NEAR(static_cast<double>(kernel::Cross2(back, Point2{3, 0} - points[1])), 0, 1e-9);

  // A parabola of directrix x = -1 and focus (1, 0): a ray along the axis comes back along it.
  walls = {};
  walls.threePointConics.push_back(kernel::ConicBounceWall(1, {-1, -5}, {-1, 5}, {1, 0}, 1));
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({3, 0}, {2, 0}, 1), points), 2);
  ExpectNear(points[1], 0, 0);
  ExpectNear(points[2], 40, 0);
  // Off the axis it is sent through the focus.
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({5, 2}, {4, 2}, 1), points), 2);
  ExpectNear(points[1], 1, 2);
  const Point2 out = points[2] - points[1];
  EXPECT_NEAR(static_cast<double>(kernel::Cross2(out, Point2{1, 0} - points[1])), 0, 1e-9);
}

TEST(BouncePath, AHyperbolaMeetsARayParallelToAnAsymptoteOnlyAhead) {
  // Foci (-2, 0), (2, 0), e = sqrt 2: x^2 - y^2 = 2, asymptotes y = +-x.
  BounceWalls walls;
  walls.twoFociConics.push_back(kernel::ConicBounceWall(4, {-2, 0}, {2, 0}, {2, 0}, std::sqrt(2.0L)));
  std::vector<Point2> points;
  // From (0, -1) along (1, 1): meets the right branch once, at x = 1.5.
  ASSERT_EQ(kernel::ComputeBouncePath(walls, Ball({0, -1}, {1, 0}, 1), points), 2);
  ExpectNear(points[1], 1.5L, 0.5L);
  // The same line run the other way meets nothing ahead.
  EXPECT_EQ(kernel::ComputeBouncePath(walls, Ball({0, -1}, {-1, -2}, 1), points), 1);
}

}  // namespace

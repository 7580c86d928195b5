// The shapes of the random shapes animation.
#include "kernel/random_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "kernel/random.h"
#include "kernel/vector2.h"

namespace {

using kernel::Point2;

TEST(RandomShapes, CoastersAreDiscsOneTimeInFiveElsePolygonsOfThreeToEighteenInsideTheView) {
  kernel::SeedRandom(41);
  const kernel::Box2 view{-10, 10, -5, 5};
  int discs = 0;
  int fewest = 100;
  int most = 0;
  constexpr int kDraws = 2000;
  for (int i = 0; i < kDraws; ++i) {
    const kernel::Coaster c = kernel::RandomCoaster(view);
    EXPECT_GE(c.centre.x - c.radius, view.xmin);
    EXPECT_LE(c.centre.y + c.radius, view.ymax);
    if (c.disc) {
      ++discs;
      EXPECT_TRUE(c.vertices.empty());
      continue;
    }
    const int n = static_cast<int>(c.vertices.size());
    fewest = std::min(fewest, n);
    most = std::max(most, n);
    for (const Point2& v : c.vertices) EXPECT_NEAR(static_cast<double>(kernel::Dist2(v, c.centre)), static_cast<double>(c.radius), 1e-9);
    // The pen keeps only the fill's largest component.
    const int r = kernel::RedOf(c.fill);
    const int g = kernel::GreenOf(c.fill);
    const int b = kernel::BlueOf(c.fill);
    EXPECT_EQ(kernel::RedOf(c.pen) + kernel::GreenOf(c.pen) + kernel::BlueOf(c.pen), std::max({r, g, b}));
  }
  EXPECT_EQ(fewest, 3);
  EXPECT_EQ(most, 18);
  EXPECT_NEAR(discs, kDraws / 5, kDraws / 20);
}

TEST(RandomShapes, AnUntiltedBallHasItsSeamsAboutPointsLeftAndRightOfItsCentre) {
  const kernel::Ball ball = kernel::BallWithTilt({1, 2}, 10, 0);
  const auto near = [](const Point2& p, double x, double y) {
    EXPECT_NEAR(static_cast<double>(p.x), x, 1e-9);
    EXPECT_NEAR(static_cast<double>(p.y), y, 1e-9);
  };
  near(ball.seams[0][0], 1 + 14.14, 2);
  near(ball.seams[0][1], 1 + 7.07, 2 + 7.07);
  near(ball.seams[0][2], 1 + 7.07, 2 - 7.07);
  near(ball.seams[1][0], 1 - 14.14, 2);
  near(ball.seams[1][1], 1 - 7.07, 2 + 7.07);
  near(ball.seams[1][2], 1 - 7.07, 2 - 7.07);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "kernel/vector2.h"

using namespace kernel;

namespace {

Real R(double v) { return static_cast<Real>(v); }
constexpr Real kVectorClose = static_cast<Real>(1e-15);

TEST(Vector2, NormalizeAndScaleRefuseVectorsShorterThanTheTolerance) {
  Point2 v{3, 4};
  ASSERT_TRUE(Normalize2(v));
  EXPECT_NEAR(v.x, R(0.6), kVectorClose);
  EXPECT_NEAR(v.y, R(0.8), kVectorClose);

  // Squared length 9e-32 is below the floor: its length counts as 0.
  Point2 tiny{R(3e-16), 0};
  EXPECT_FALSE(Normalize2(tiny));
  EXPECT_EQ(tiny.x, R(3e-16));
  Point2 small{R(1e-15), 0};
  ASSERT_TRUE(Normalize2(small));
  EXPECT_NEAR(small.x, 1, kVectorClose);

  Point2 w{0, 2};
  ASSERT_TRUE(ScaleTo2(w, -3));
  EXPECT_NEAR(w.y, -3, kVectorClose);
  Point2 zero;
  EXPECT_FALSE(ScaleTo2(zero, 5));
  EXPECT_EQ(zero, Point2{});
}

TEST(Vector2, DistancesProductsAndRotation) {
  EXPECT_EQ(Dist2({0, 0}, {3, 4}), 5);
  // Squared distance 1e-32 is below the floor: exactly zero.
  EXPECT_EQ(Dist2({0, 0}, {R(1e-16), 0}), 0);
  EXPECT_EQ(Cross2({1, 0}, {0, 1}), 1);
  EXPECT_EQ(Cross2({0, 1}, {1, 0}), -1);
  EXPECT_EQ(Dot2({1, 2}, {3, 4}), 11);
  EXPECT_EQ(TaxiDist2({1, 2}, {-2, 4}), 5);
  EXPECT_EQ(Midpoint2({1, 2}, {3, -4}), (Point2{2, -1}));

  Point2 v{1, 0};
  Rotate2(v, Pi / 2);
  EXPECT_NEAR(v.x, 0, kVectorClose);
  EXPECT_NEAR(v.y, 1, kVectorClose);
}

TEST(Vector2, PolarConversionRefusesHugeAngles) {
  Point2 out{7, 7};
  EXPECT_FALSE(FromPolar(1, R(6e18), out));
  EXPECT_EQ(out, Point2{});
  EXPECT_FALSE(FromPolar(1, std::numeric_limits<Real>::quiet_NaN(), out));

  ASSERT_TRUE(FromPolar(2, Pi / 2, out));
  EXPECT_NEAR(out.x, 0, kVectorClose);
  EXPECT_NEAR(out.y, 2, kVectorClose);

  Point2 p{2, Pi};
  PolarToCartesian2(p);
  EXPECT_NEAR(p.x, -2, kVectorClose);
  EXPECT_NEAR(p.y, 0, kVectorClose);
}

TEST(Vector2, ArcTan2CoversAllQuadrantsAndTheVerticals) {
  struct Case {
    Real x, y, expected;
  };
  const Case cases[] = {
      {0, 0, Pi / 2}, {0, -1, -Pi / 2}, {-1, 0, Pi}, {1, 1, Pi / 4}, {-1, 1, 3 * Pi / 4}, {R(1e-17), -5, -Pi / 2},
  };
  for (const Case& c : cases) EXPECT_NEAR(ArcTan2(c.x, c.y), c.expected, kVectorClose) << c.x << "," << c.y;
  EXPECT_LT(ArcTan2(-1, R(-0.5)), -Pi / 2);
  EXPECT_GT(ArcTan2(-1, R(-0.5)), -Pi);
}

TEST(Vector2, NearIntegerAcceptsOnlyValuesCloseToAnIntegerOnTheAxis) {
  struct Case {
    Real x, y;
    bool near;
    int n;
  };
  const Case cases[] = {
      {R(2.0000000001), 0, true, 2}, {R(-1.9999999999), 0, true, -2}, {R(2.5), 0, false, 2},
      {2, R(0.001), false, 2},       {R(3e9), 0, false, 2147483647},  {R(0.5), 0, false, 0},
  };
  for (const Case& c : cases) {
    int n = -99;
    EXPECT_EQ(NearInteger(c.x, c.y, n), c.near) << static_cast<double>(c.x);
    EXPECT_EQ(n, c.n) << static_cast<double>(c.x);
  }
  int n = -99;
  EXPECT_FALSE(NearInteger(std::numeric_limits<Real>::quiet_NaN(), 0, n));
}

TEST(Vector2, BoxWidensOnlyForPointsOutsideIt) {
  Point2 min{0, 0};
  Point2 max{2, 2};
  EXPECT_FALSE(ExtendBox2(min, {1, 2}, max));
  EXPECT_EQ(min, (Point2{0, 0}));
  EXPECT_EQ(max, (Point2{2, 2}));
  EXPECT_TRUE(ExtendBox2(min, {-1, 3}, max));
  EXPECT_EQ(min, (Point2{-1, 0}));
  EXPECT_EQ(max, (Point2{2, 3}));
}

TEST(Vector2, CentroidIsTheMeanOfThePoints) {
  const std::vector<Point2> points = {{0, 0}, {3, 0}, {0, 6}};
  const Point2 c = Centroid2(points);
  EXPECT_NEAR(c.x, 1, kVectorClose);
  EXPECT_NEAR(c.y, 2, kVectorClose);
  EXPECT_EQ(Centroid2({}), Point2{});
}

}  // namespace

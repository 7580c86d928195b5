#include "kernel/inversion.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/constants.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

struct InversionCase {
  Point2 centre;
  Real power;
  Point2 point;
  Point2 image;
  bool trueImage;
};

// Each case is checked in the plane and, with z = 0 added, in space.
TEST(Inversion, PlaneAndSpaceAgreeOnTheTable) {
  const InversionCase cases[] = {
      {{0, 0}, 1, {2, 0}, {0.5L, 0}, true},
      {{1, 1}, 4, {1, 3}, {1, 3}, true},          // a point of the circle is fixed
      {{1, 1}, -4, {1, 3}, {1, -1}, true},        // a negative power also reflects through the centre
      {{-2, 3}, 2, {-1, 4}, {-1, 4}, true},       // squared distance 2
      {{0, 0}, 9, {3, 4}, {1.08L, 1.44L}, true},  // 9 / 25 of the offset
      {{5, 5}, 1, {5, 5}, {5, 5}, false},         // at the centre the offset stays 0
  };
  for (const InversionCase& c : cases) {
    Point2 p = c.point;
    EXPECT_EQ(InvertInCircle2(c.centre, c.power, p), c.trueImage);
    EXPECT_POINT3_NEAR((Point3{p.x, p.y, 0}), (Point3{c.image.x, c.image.y, 0}), 1e-17L);

    Point3 q{c.point.x, c.point.y, 0};
    EXPECT_EQ(InvertInSphere3(Point3{c.centre.x, c.centre.y, 0}, c.power, q), c.trueImage);
    EXPECT_POINT3_NEAR(q, (Point3{c.image.x, c.image.y, 0}), 1e-17L);
  }
}

TEST(Inversion, PointBesideTheCentreIsSentFarAwayInItsDirection) {
  // Squared distance 1e-18, below the null tolerance: the offset is multiplied by HugeReal.
  Point2 p{1e-9L, 0};
  EXPECT_FALSE(InvertInCircle2(Point2{0, 0}, 1, p));
  EXPECT_REAL_NEAR(p.x, 1e-9L * HugeReal, 1e-9L * HugeReal * 1e-18L);
  EXPECT_EQ(p.y, 0);

  const Real offset = std::ldexp(1.0L, -30);  // squared about 8.7e-19
  Point3 q{1, 1, 1 + offset};
  EXPECT_FALSE(InvertInSphere3(Point3{1, 1, 1}, 4, q));
  EXPECT_POINT3_NEAR(q, (Point3{1, 1, 1 + offset * HugeReal}), 1e-8L);
}

TEST(Inversion, SpaceInversionIsAnInvolution) {
  const Point3 centre{0.5L, -1, 2};
  const Point3 original{3, 1.25L, -0.75L};
  Point3 p = original;
  ASSERT_TRUE(InvertInSphere3(centre, 2.5L, p));
  const Point3 offset = Point3{p.x - centre.x, p.y - centre.y, p.z - centre.z};
  const Point3 before = Point3{original.x - centre.x, original.y - centre.y, original.z - centre.z};
  const Real product = std::sqrt((offset.x * offset.x + offset.y * offset.y + offset.z * offset.z) *
                                 (before.x * before.x + before.y * before.y + before.z * before.z));
  EXPECT_REAL_NEAR(product, 2.5L, 1e-17L);
  ASSERT_TRUE(InvertInSphere3(centre, 2.5L, p));
  EXPECT_POINT3_NEAR(p, original, 1e-17L);
}

}  // namespace

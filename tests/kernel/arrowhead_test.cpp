#include <gtest/gtest.h>

#include "kernel/arrowhead.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

constexpr Real kClose = static_cast<Real>(1e-15);
constexpr Real kRatio = static_cast<Real>(0.9);

TEST(Arrowhead, AnAxisHeadLiesItsLengthBehindTheTipAndWidensToEitherSide) {
  Point2 c1;
  Point2 c2;
  ASSERT_TRUE(ArrowheadCorners({2, 0}, 2, 1, kRatio, c1, c2));
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c1.x, -2, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c1.y, static_cast<Real>(0.9), kClose);  // 0.45 L
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c2.x, -2, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c2.y, static_cast<Real>(-0.9), kClose);
  // Only the direction of the shaft counts, not its length.
  Point2 d1;
  Point2 d2;
  ASSERT_TRUE(ArrowheadCorners({0.001L, 0}, 2, 1, kRatio, d1, d2));
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, d1.y, c1.y, kClose);
}

TEST(Arrowhead, WithUnequalScalesAYAxisHeadKeepsItsShapeOnTheScreen) {
  // Twice as many world units per pixel in y as in x: the head reaches L a behind the tip in y
  // and 0.45 L to either side in x.
  const Real a = 2;
  const Real length = 3;
  Point2 c1;
  Point2 c2;
  ASSERT_TRUE(ArrowheadCorners({0, length * a}, length, a, kRatio, c1, c2));
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c1.y, -length * a, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c2.y, -length * a, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c1.x, static_cast<Real>(-0.45) * length, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, c2.x, static_cast<Real>(0.45) * length, kClose);
}

TEST(Arrowhead, ANullDirectionGivesNoCorners) {
  Point2 c1{7, 7};
  Point2 c2{8, 8};
  EXPECT_FALSE(ArrowheadCorners({0, 0}, 2, 1, kRatio, c1, c2));
  EXPECT_FALSE(ArrowheadCorners({1e-14L, 0}, 2, 1, kRatio, c1, c2));
  EXPECT_FALSE(ArrowheadCorners({0, 0}, 2, 2, kRatio, c1, c2));
  EXPECT_EQ(c1.x, 7);
  EXPECT_EQ(c2.y, 8);
}

}  // namespace

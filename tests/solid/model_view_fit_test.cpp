// The view fitted around the model box as the observer sees it.
#include "solid/model_view_fit.h"

#include <gtest/gtest.h>

namespace {

using kernel::Point3;

TEST(ModelViewFit, TheViewHoldsTheProjectedBoxWithAMarginAndAWindowWithNoAreaKeepsItsView) {
  kernel::ViewFrame frame;
  ASSERT_TRUE(kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, frame));
  const Point3 lo{0, 0, 0};
  const Point3 hi{2, 2, 2};
  const kernel::Box2 extent = kernel::ProjectedBoxExtent(frame, lo, hi);
  // A wide window: the height decides, the width follows the window's shape.
  view::ViewMapping wide;
  wide.width = 800;
  wide.height = 200;
  ASSERT_TRUE(solid::FitViewToBox(frame, lo, hi, wide));
  EXPECT_NEAR(wide.centre.x, (extent.xmin + extent.xmax) / 2, 1e-15L);
  EXPECT_NEAR(wide.centre.y, (extent.ymin + extent.ymax) / 2, 1e-15L);
  EXPECT_NEAR(wide.halfHeight, 0.55L * (extent.ymax + 0.01L - extent.ymin), 1e-12L);
  EXPECT_NEAR(wide.halfWidth, 4 * wide.halfHeight, 1e-12L);
  EXPECT_EQ(wide.unequal, 0);
  // A tall one: the width decides.
  view::ViewMapping tall;
  tall.width = 200;
  tall.height = 800;
  ASSERT_TRUE(solid::FitViewToBox(frame, lo, hi, tall));
  EXPECT_NEAR(tall.halfWidth, 0.55L * (extent.xmax + 0.01L - extent.xmin), 1e-12L);
  EXPECT_GE(tall.halfHeight, 0.55L * (extent.ymax + 0.01L - extent.ymin));
  // A minimised window: nothing changes, nothing is divided by zero.
  view::ViewMapping minimised;
  minimised.width = 300;
  minimised.height = 0;
  const view::ViewMapping before = minimised;
  EXPECT_FALSE(solid::FitViewToBox(frame, lo, hi, minimised));
  EXPECT_EQ(minimised.halfWidth, before.halfWidth);
  EXPECT_EQ(minimised.centre.x, before.centre.x);
}

}  // namespace

// The outlines of conic fills: ellipse, hyperbola branches and the sampled parabola.
#include "kernel/conic_fill_polygons.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/vector2.h"

namespace {

using kernel::Point2;
using kernel::Real;

TEST(ConicFillPolygons, TheEllipseIsClosedAndEveryPointLiesOnIt) {
  const kernel::ConicAxes axes{Point2{1, 2}, Point2{5, 0}, Point2{0, 4}};
  kernel::ConicFillPolygon out;
  kernel::EllipsePolygon(axes, out);
  EXPECT_NEAR(static_cast<double>(kernel::Dist2(out[0], out[100])), 0, 1e-12);
  for (const Point2& p : out) {
    // The sum of the distances to the foci (1 +- 3, 2) is 2a = 10.
    EXPECT_NEAR(static_cast<double>(kernel::Dist2(p, {-2, 2}) + kernel::Dist2(p, {4, 2})), 10, 1e-9);
  }
  EXPECT_NEAR(static_cast<double>(out[25].y), 6, 1e-9);  // a quarter turn: the top
}

TEST(ConicFillPolygons, EachHyperbolaBranchStartsAtItsVertexAndStaysOnItsBranch) {
  const kernel::ConicAxes axes{Point2{0, 0}, Point2{3, 0}, Point2{0, 4}};
  kernel::ConicFillPolygon first;
  kernel::ConicFillPolygon second;
  kernel::HyperbolaPolygons(axes, first, second);
  EXPECT_NEAR(static_cast<double>(first[0].x), 3, 1e-12);
  EXPECT_NEAR(static_cast<double>(second[0].x), -3, 1e-12);
  for (int k = 0; k < kernel::kConicFillPoints; ++k) {
    const Point2& p = first[static_cast<std::size_t>(k)];
    // |d1 - d2| = 2a = 6 with foci at +-5, on the right branch.
    EXPECT_GT(p.x, 0);
    EXPECT_NEAR(static_cast<double>(kernel::Dist2(p, {-5, 0}) - kernel::Dist2(p, {5, 0})), 6,
                1e-6 * static_cast<double>(std::fabs(p.x) + 1));
  }
}

TEST(ConicFillPolygons, TheParabolaIsSymmetricAboutItsAxisWhenTheViewIsCentredOnIt) {
  kernel::ConicFillPolygon out;
  // Directrix y = -1, focus (0, 1): the parabola y = x^2 / 4; the view centre on the axis.
  ASSERT_TRUE(kernel::ParabolaPolygon({-1, -1}, {1, -1}, {0, 1}, {0, 3}, 4, 3, out));
  EXPECT_NEAR(static_cast<double>(out[50].x), 0, 1e-12);
  EXPECT_NEAR(static_cast<double>(out[50].y), 0, 1e-12);
  for (int k = 0; k <= 50; ++k) {
    const Point2& a = out[static_cast<std::size_t>(k)];
    const Point2& b = out[static_cast<std::size_t>(100 - k)];
    EXPECT_NEAR(static_cast<double>(a.x), static_cast<double>(-b.x), 1e-9);
    EXPECT_NEAR(static_cast<double>(a.y), static_cast<double>(b.y), 1e-9);
    EXPECT_NEAR(static_cast<double>(a.y), static_cast<double>(a.x * a.x / 4), 1e-9);
  }
  // The stretch runs 2 (hx + hy) = 14 either side of the foot of the view centre.
  EXPECT_NEAR(static_cast<double>(std::fabs(out[0].x)), 14, 1e-9);
}

TEST(ConicFillPolygons, ADirectrixOfTwoEqualPointsGivesNoParabola) {
  kernel::ConicFillPolygon out{};
  out[3] = {7, 7};
  EXPECT_FALSE(kernel::ParabolaPolygon({1, 1}, {1, 1}, {0, 3}, {0, 0}, 4, 3, out));
  EXPECT_EQ(out[3].x, 7);
}

}  // namespace

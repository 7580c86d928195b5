// Hyperbolic triangles reduced from their data: the angle at the second vertex and the disk radii
// of its two sides.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "kernel/hyperbolic_triangle_data.h"
#include "support/extended_expect.h"

namespace {

using kernel::HyperbolicTriangleShape;
using kernel::Real;

constexpr Real kPi = std::numbers::pi_v<Real>;

TEST(HyperbolicTriangleData, AnglesSummingToPiOrMoreMakeNoTriangle) {
  struct Case {
    Real a, b, c;
    int code;
  };
  const Case cases[] = {{60, 60, 60.01L, 6}, {60, 60, 60, 6}, {60, 60, 59.99L, 0}, {90, 50, 45, 6}, {50, 60, 60, 0}, {30, 40, 50, 0}};
  for (const Case& k : cases) {
    Real a = k.a, b = k.b, c = k.c;
    HyperbolicTriangleShape shape;
    EXPECT_EQ(kernel::HyperbolicTriangleFromAngles(a, b, c, shape), k.code) << k.a << " " << k.b << " " << k.c;
    // The angles are left in radians either way.
    EXPECT_REAL_NEAR(b, k.b * kPi / 180, 1e-18L);
  }
}

TEST(HyperbolicTriangleData, ThreeSidesFollowTheLawOfCosinesAndRoundingIsClamped) {
  HyperbolicTriangleShape shape;
  ASSERT_EQ(kernel::HyperbolicTriangleFromSides(1, 1, 1, shape), 0);
  const Real ch = std::cosh(Real{1});
  EXPECT_REAL_NEAR(std::cos(shape.angleB), (ch * ch - ch) / (ch * ch - 1), 1e-15L);
  EXPECT_REAL_NEAR(shape.diskA, std::tanh(Real{0.5}), 1e-18L);

  // b = a + c is a flat triangle (cos B = -1); a rounding error beyond -1 is clamped, a real
  // excess refused.
  ASSERT_EQ(kernel::HyperbolicTriangleFromSides(1, 2 + 1e-15L, 1, shape), 0);
  EXPECT_REAL_NEAR(shape.angleB, kPi, 1e-6L);
  EXPECT_EQ(kernel::HyperbolicTriangleFromSides(1, 2 + 1e-9L, 1, shape), 6);
  EXPECT_EQ(kernel::HyperbolicTriangleFromSides(20000, 1, 1, shape), 6);
}

TEST(HyperbolicTriangleData, DiskRadiusOfADistanceStaysBelowOne) {
  EXPECT_REAL_NEAR(kernel::DiskRadiusOfDistance(std::log(Real{3})), 0.5L, 1e-18L);
  EXPECT_EQ(kernel::DiskRadiusOfDistance(0), 0);
  EXPECT_LE(kernel::DiskRadiusOfDistance(1e6L), 1);
}

}  // namespace

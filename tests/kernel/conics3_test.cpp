#include "kernel/conics3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "kernel/constants.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

const Point3 kCentre{0, 0, 0};
const Point3 kU{1, 0, 0};
const Point3 kV{0, 1, 0};
const Point3 kUntouched{7, 7, 7};
const CurveAngles kUntouchedAngles{-1, -2};
// The program's pi is the double-precision value, about 1.2e-16 short of the true one: angles built
// from it and arcsines, and the points at them, carry an error of that size.
constexpr Real kPiSlack = 2e-15L;

TEST(Conics3, PointsInTheFrame) {
  Point3 out;
  PointInFrame3({1, 2, 3}, {1, 0, 0}, {0, 0, 2}, 0.5L, -1, out);
  EXPECT_POINT3_NEAR(out, (Point3{1.5L, 2, 1}), 0);

  PointInFrameRational3({1, 2, 3}, {1, 0, 0}, {0, 1, 0}, 0.5L, 3, out);
  EXPECT_POINT3_NEAR(out, (Point3{3, 8, 3}), 0);

  // The parabola x = 1 - y^2 / 4 at theta = pi / 2: (0, 2).
  ASSERT_TRUE(ParabolaPointInFrame3(kCentre, kU, kV, 0, 1, out));
  EXPECT_POINT3_NEAR(out, (Point3{0, 2, 0}), 0);
}

TEST(Conics3, RationalPointRunsFarOutWhenTheWeightVanishes) {
  Point3 out;
  PointInFrameRational3(kCentre, kU, kV, 0, 0, out);
  EXPECT_EQ(out.x, -HugeReal);
  PointInFrameRational3(kCentre, kU, kV, 1e-17L, 0, out);
  EXPECT_EQ(out.x, HugeReal);
  // The double 1e-16 is already a usable weight.
  PointInFrameRational3(kCentre, kU, kV, static_cast<Real>(1e-16), 0, out);
  EXPECT_EQ(out.x, 1 / static_cast<Real>(1e-16));
}

TEST(Conics3, ParabolaHasNoPointAtPi) {
  Point3 out = kUntouched;
  EXPECT_FALSE(ParabolaPointInFrame3(kCentre, kU, kV, std::cos(Pi), std::sin(Pi), out));
  EXPECT_FALSE(ParabolaPointInFrame3(kCentre, kU, kV, -1, 0, out));
  EXPECT_POINT3_NEAR(out, kUntouched, 0);
}

TEST(Conics3, SolveCosSinEquation) {
  CurveAngles angles = kUntouchedAngles;
  // cos(theta) = 1/2.
  ASSERT_TRUE(SolveCosSinEquation(2, 0, 1, angles));
  EXPECT_REAL_NEAR(angles[0], 5 * Pi / 3, kPiSlack);
  EXPECT_REAL_NEAR(angles[1], Pi / 3, kPiSlack);
  // sin(theta) = -1: a touching solution gives the same angle twice.
  ASSERT_TRUE(SolveCosSinEquation(0, 3, -3, angles));
  EXPECT_REAL_NEAR(angles[0], 3 * Pi / 2, kPiSlack);
  EXPECT_REAL_NEAR(angles[1], 3 * Pi / 2, kPiSlack);
  // Both solutions satisfy the equation, with a negative a and b.
  ASSERT_TRUE(SolveCosSinEquation(-1, -2, 0.5L, angles));
  for (Real theta : angles) {
    EXPECT_GE(theta, 0);
    EXPECT_LT(theta, TwoPi);
    EXPECT_REAL_NEAR(-std::cos(theta) - 2 * std::sin(theta), 0.5L, kPiSlack);
  }

  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real failing[][3] = {{0, 0, 0}, {1e-9L, 0, 0}, {3, 4, 5.0001L}, {nan, 1, 0}, {1, 1, nan}};
  for (const auto& f : failing) {
    angles = kUntouchedAngles;
    EXPECT_FALSE(SolveCosSinEquation(f[0], f[1], f[2], angles)) << f[0] << " " << f[1] << " " << f[2];
    EXPECT_EQ(angles, kUntouchedAngles);
  }
}

TEST(Conics3, EllipseMeetsPlane) {
  CurveAngles angles = kUntouchedAngles;
  ASSERT_TRUE(ArcParameterAngles3(kCentre, kU, kV, {1, 0, 0}, 0.5L, angles, true));
  EXPECT_REAL_NEAR(angles[0], 5 * Pi / 3, kPiSlack);
  EXPECT_REAL_NEAR(angles[1], Pi / 3, kPiSlack);
  Point3 point;
  PointInFrame3(kCentre, kU, kV, std::cos(angles[0]), std::sin(angles[0]), point);
  EXPECT_POINT3_NEAR(point, (Point3{0.5L, -HalfSqrt3, 0}), kPiSlack);
  PointInFrame3(kCentre, kU, kV, std::cos(angles[1]), std::sin(angles[1]), point);
  EXPECT_POINT3_NEAR(point, (Point3{0.5L, HalfSqrt3, 0}), kPiSlack);

  // The plane x = 2 misses the circle; z = 1 is parallel to it.
  angles = kUntouchedAngles;
  EXPECT_FALSE(ArcParameterAngles3(kCentre, kU, kV, {1, 0, 0}, 2, angles, true));
  EXPECT_FALSE(ArcParameterAngles3(kCentre, kU, kV, {0, 0, 1}, 1, angles, true));
  EXPECT_EQ(angles, kUntouchedAngles);
}

TEST(Conics3, HyperbolaMeetsPlane) {
  CurveAngles angles = kUntouchedAngles;
  ASSERT_TRUE(ArcParameterAngles3(kCentre, kU, kV, {1, 0, 0}, 2, angles, false));
  EXPECT_REAL_NEAR(angles[0], 5 * Pi / 3, kPiSlack);
  EXPECT_REAL_NEAR(angles[1], Pi / 3, kPiSlack);
  Point3 point;
  PointInFrameRational3(kCentre, kU, kV, std::cos(angles[0]), std::sin(angles[0]), point);
  EXPECT_POINT3_NEAR(point, (Point3{2, -Sqrt3, 0}), kPiSlack);
  PointInFrameRational3(kCentre, kU, kV, std::cos(angles[1]), std::sin(angles[1]), point);
  EXPECT_POINT3_NEAR(point, (Point3{2, Sqrt3, 0}), kPiSlack);

  // x = 1/2 lies between the branches.
  EXPECT_FALSE(ArcParameterAngles3(kCentre, kU, kV, {1, 0, 0}, 0.5L, angles, false));
}

TEST(Conics3, ParabolaMeetsPlane) {
  // x = 1 - y^2 / 4 and the plane y = 1, parallel to the axis: one real crossing and the angle pi.
  CurveAngles angles = kUntouchedAngles;
  ASSERT_TRUE(CurveParameterAngle3(kCentre, kU, kV, {0, 1, 0}, 1, angles));
  EXPECT_REAL_NEAR(angles[0], Pi, kPiSlack);
  EXPECT_REAL_NEAR(angles[1], 2 * std::atan(0.5L), kPiSlack);
  Point3 point = kUntouched;
  EXPECT_FALSE(ParabolaPointInFrame3(kCentre, kU, kV, std::cos(angles[0]), std::sin(angles[0]), point));
  EXPECT_POINT3_NEAR(point, kUntouched, 0);
  ASSERT_TRUE(ParabolaPointInFrame3(kCentre, kU, kV, std::cos(angles[1]), std::sin(angles[1]), point));
  EXPECT_POINT3_NEAR(point, (Point3{0.75L, 1, 0}), kPiSlack);

  // The plane x = 0 crosses both arms at (0, -2) and (0, 2).
  ASSERT_TRUE(CurveParameterAngle3(kCentre, kU, kV, {1, 0, 0}, 0, angles));
  EXPECT_REAL_NEAR(angles[0], 3 * Pi / 2, kPiSlack);
  EXPECT_REAL_NEAR(angles[1], Pi / 2, kPiSlack);

  // Beyond the vertex (x = 2), and a plane parallel to the parabola's own plane: no point. The
  // latter would only give the angle pi twice.
  angles = kUntouchedAngles;
  EXPECT_FALSE(CurveParameterAngle3(kCentre, kU, kV, {1, 0, 0}, 2, angles));
  EXPECT_FALSE(CurveParameterAngle3(kCentre, kU, kV, {0, 0, 1}, 1, angles));
  EXPECT_EQ(angles, kUntouchedAngles);
}

}  // namespace

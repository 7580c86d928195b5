#include "kernel/sphere_kernels.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "kernel/vector3.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

// The point of the unit sphere at polar angle theta from +z and azimuth phi.
Point3 OnSphere(Real theta, Real phi) {
  return {std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
}

TEST(SphereKernels, SphericalDistanceAgainstGreatCircleValues) {
  const Point3 x{1, 0, 0}, y{0, 1, 0};
  EXPECT_REAL_NEAR(SphericalDistance3(x, y), Pi / 2, 1e-16L);
  EXPECT_EQ(SphericalDistance3(x, x), 0);
  EXPECT_EQ(SphericalDistance3(x, Point3{-1, 0, 0}), Pi);

  // Between two points of latitude 0 the distance is the difference of longitudes; in general
  // cos d = cos t1 cos t2 + sin t1 sin t2 cos(p1 - p2).
  EXPECT_REAL_NEAR(SphericalDistance3(OnSphere(Pi / 2, 0.25L), OnSphere(Pi / 2, 1.5L)), 1.25L, 1e-17L);
  const Real t1 = 0.3L, p1 = 0.2L, t2 = 1.9L, p2 = -2.4L;
  const Real expected = std::acos(std::cos(t1) * std::cos(t2) + std::sin(t1) * std::sin(t2) * std::cos(p1 - p2));
  EXPECT_REAL_NEAR(SphericalDistance3(OnSphere(t1, p1), OnSphere(t2, p2)), expected, 1e-16L);

  // A dot product that rounding pushed beyond 1 still gives a number.
  const Point3 longish{1 + static_cast<Real>(1e-18), 0, 0};
  EXPECT_EQ(SphericalDistance3(longish, x), 0);
}

TEST(SphereKernels, SphericalAngleSignsAtTheNorthPole) {
  const Point3 a{1, 0, 0}, b{0, 0, 1}, c{0, 1, 0};
  EXPECT_REAL_NEAR(SphericalAngleAt3(a, b, c, true), -Pi / 2, 1e-16L);
  EXPECT_REAL_NEAR(SphericalAngleAt3(a, b, c, false), Pi / 2, 1e-16L);

  // Between the meridians of longitudes 0 and 1 the angle at the pole is 1; the path turns right.
  // The angle is taken from pi, the double value widened, hence the tolerance.
  const Point3 onFirst = OnSphere(0.7L, 0), onSecond = OnSphere(1.2L, 1);
  EXPECT_REAL_NEAR(SphericalAngleAt3(onFirst, b, onSecond, false), 1, 2e-16L);
  EXPECT_REAL_NEAR(SphericalAngleAt3(onFirst, b, onSecond, true), -(Pi - 1), 2e-16L);
  EXPECT_REAL_NEAR(SphericalAngleAt3(onSecond, b, onFirst, false), -1, 2e-16L);
}

TEST(SphereKernels, OctantTriangleHasThreeRightAngles) {
  const Point3 v[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  Real turningSum = 0;
  for (int i = 0; i < 3; ++i) {
    const Point3& prev = v[(i + 2) % 3];
    const Point3& next = v[(i + 1) % 3];
    EXPECT_REAL_NEAR(std::fabs(SphericalAngleAt3(prev, v[i], next, false)), Pi / 2, 1e-16L);
    turningSum += SphericalAngleAt3(prev, v[i], next, true);
  }
  // The polygon area from the turning angles: an eighth of the sphere.
  EXPECT_REAL_NEAR(TwoPi - std::fabs(turningSum), Pi / 2, 4e-16L);
}

TEST(SphereKernels, SphericalAngleWithoutADirectionIsZero) {
  const Point3 a{1, 0, 0}, b{0, 0, 1};
  EXPECT_EQ(SphericalAngleAt3(a, b, b, true), 0);
  EXPECT_EQ(SphericalAngleAt3(b, b, a, false), 0);
  EXPECT_EQ(SphericalAngleAt3(a, b, Point3{0, 0, -1}, false), 0);
}

TEST(SphereKernels, AxisFrame) {
  std::array<Point3, 3> frame;
  Real latitude = -1;
  EXPECT_TRUE(AxisFrame3(Point3{0, 0, 1}, Point3{1, 0, 0}, frame, latitude));
  EXPECT_POINT3_NEAR(frame[0], (Point3{0, 0, 0}), 0);
  EXPECT_POINT3_NEAR(frame[1], (Point3{1, 0, 0}), 0);
  EXPECT_POINT3_NEAR(frame[2], (Point3{0, 1, 0}), 0);
  EXPECT_REAL_NEAR(latitude, 0, 1e-18L);

  EXPECT_TRUE(AxisFrame3(Point3{0, 0, 1}, Point3{0, 0, 1}, frame, latitude));
  EXPECT_POINT3_NEAR(frame[1], (Point3{0, 0, 0}), 0);
  EXPECT_POINT3_NEAR(frame[2], (Point3{0, 0, 0}), 0);
  EXPECT_EQ(latitude, Pi / 2);

  // A circle of latitude 30 degrees about the z axis.
  EXPECT_TRUE(AxisFrame3(Point3{0, 0, 1}, OnSphere(Pi / 3, 0), frame, latitude));
  EXPECT_POINT3_NEAR(frame[0], (Point3{0, 0, 0.5L}), 1e-16L);
  EXPECT_POINT3_NEAR(frame[2], (Point3{0, std::sqrt(0.75L), 0}), 1e-16L);
  EXPECT_REAL_NEAR(latitude, Pi / 6, 1e-17L);
}

TEST(SphereKernels, SphereCirclePointTurnsAndDilates) {
  const Point3 pole{0, 0, 1};
  const Point3 start = OnSphere(0.5L, 0);

  Point3 q = start;
  EXPECT_TRUE(SphereCirclePoint3(pole, 1, 0, 1, q));
  EXPECT_POINT3_NEAR(q, start, 1e-17L);

  q = start;
  EXPECT_TRUE(SphereCirclePoint3(pole, 0, 1, 1, q));  // a quarter turn counter-clockwise
  EXPECT_POINT3_NEAR(q, (Point3{0, std::sin(0.5L), std::cos(0.5L)}), 1e-17L);

  q = start;
  EXPECT_TRUE(SphereCirclePoint3(pole, 1, 0, 2, q));  // twice as far from the pole
  EXPECT_POINT3_NEAR(q, (OnSphere(1, 0)), 1e-17L);

  q = start;
  EXPECT_FALSE(SphereCirclePoint3(pole, 1, 0, 7, q));  // would pass the antipode
  EXPECT_POINT3_NEAR(q, start, 0);

  q = pole;
  EXPECT_FALSE(SphereCirclePoint3(pole, 1, 0, 1, q));
  EXPECT_POINT3_NEAR(q, pole, 0);
}

TEST(SphereKernels, RotatePoleToZ) {
  const Point3 p{0.3L, -0.2L, 0.9L};
  Point3 q = p;
  EXPECT_FALSE(RotatePoleToZ3(Point3{0, 0, -1}, q, true));
  EXPECT_POINT3_NEAR(q, p, 0);
  EXPECT_TRUE(RotatePoleToZ3(Point3{0, 0, 1}, q, false));
  EXPECT_POINT3_NEAR(q, p, 0);

  const Point3 a = OnSphere(1.1L, 2.3L);
  Point3 pole = a;
  EXPECT_TRUE(RotatePoleToZ3(a, pole, true));
  EXPECT_POINT3_NEAR(pole, (Point3{0, 0, 1}), 1e-17L);
  Point3 z{0, 0, 1};
  EXPECT_TRUE(RotatePoleToZ3(a, z, false));
  EXPECT_POINT3_NEAR(z, a, 1e-17L);

  q = p;
  RotatePoleToZ3(a, q, true);
  EXPECT_REAL_NEAR(Dist3(q, Point3{}), Dist3(p, Point3{}), 1e-17L);
  RotatePoleToZ3(a, q, false);
  EXPECT_POINT3_NEAR(q, p, 1e-17L);
}

TEST(SphereKernels, IntersectionOfTwoGreatCircles) {
  // The equator and the meridian circle x = 0 meet in the antipodes on the y axis. Their chord
  // reaches both ends of the probing segment exactly, which still counts as two points.
  std::array<Point3, 2> out;
  EXPECT_TRUE(GreatCircleKernel(Point3{0, 0, 1}, Point3{1, 0, 0}, Point3{1, 0, 0}, Point3{0, 1, 0}, out));
  EXPECT_POINT3_NEAR(out[0], (Point3{0, 1, 0}), 1e-18L);
  EXPECT_POINT3_NEAR(out[1], (Point3{0, -1, 0}), 1e-18L);

  // Oblique great circles: the points are plus and minus the unit vector along A x C.
  const Point3 a = OnSphere(0.4L, 0.1L), c = OnSphere(1.3L, 2.0L);
  Point3 n = Cross3(a, c);
  Normalize3(n);
  EXPECT_TRUE(GreatCircleKernel(a, Cross3(a, c), c, Cross3(c, a), out));
  EXPECT_POINT3_NEAR(out[0], n, 1e-17L);
  EXPECT_POINT3_NEAR(out[1], -n, 1e-17L);
}

TEST(SphereKernels, IntersectionOfSmallCircles) {
  const Point3 north{0, 0, 1}, east{1, 0, 0};
  std::array<Point3, 2> out;
  // The circles z = 0.5 and x = 0.5.
  EXPECT_TRUE(GreatCircleKernel(north, OnSphere(Pi / 3, 0), east, Point3{0.5L, std::sqrt(0.75L), 0}, out));
  EXPECT_POINT3_NEAR(out[0], (Point3{0.5L, std::sqrt(0.5L), 0.5L}), 1e-16L);
  EXPECT_POINT3_NEAR(out[1], (Point3{0.5L, -std::sqrt(0.5L), 0.5L}), 1e-16L);

  // The circles z = 0.9 and x = 0.9 do not meet.
  const Real h = 0.9L, r = std::sqrt(1 - h * h);
  EXPECT_FALSE(GreatCircleKernel(north, Point3{r, 0, h}, east, Point3{h, r, 0}, out));

  // Parallel poles: nothing is written.
  out = {Point3{7, 7, 7}, Point3{7, 7, 7}};
  EXPECT_FALSE(GreatCircleKernel(north, east, Point3{0, 0, -1}, east, out));
  EXPECT_POINT3_NEAR(out[0], (Point3{7, 7, 7}), 0);

  // Poles that are not unit vectors leave no real solution: refused, never NaN.
  EXPECT_FALSE(GreatCircleKernel(Point3{0, 0, 2}, east, Point3{0, 1, 1}, east, out));
}

TEST(SphereKernels, SolidVolumes) {
  const std::array<Point3, 2> ball = {Point3{1, 1, 1}, Point3{1, 1, 3}};
  EXPECT_REAL_NEAR(SphereVolume3(ball), 32 * Pi / 3, 1e-16L);
  const std::array<Point3, 3> cone = {Point3{0, 0, 0}, Point3{3, 0, 0}, Point3{0, 0, 2}};
  EXPECT_REAL_NEAR(ConeVolume3(cone), 6 * Pi, 1e-16L);
}

}  // namespace

#include "kernel/soddy_spheres.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "support/extended_expect.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

struct Ball {
  Point3 centre;
  Real radius;
};

Point3 Towards(const Ball& from, const Ball& to) {
  Point3 d = to.centre - from.centre;
  ScaleTo3(d, from.radius);
  return from.centre + d;
}

// The point block for four mutually touching balls: the touching points 1-2, 3-1, 4-1, 3-2, 4-2, 3-4.
std::array<Point3, 8> ContactBlock(const std::array<Ball, 4>& b) {
  return {Towards(b[0], b[1]), Towards(b[0], b[2]), Towards(b[0], b[3]), Towards(b[1], b[2]),
          Towards(b[1], b[3]), Towards(b[2], b[3]), Point3{}, Point3{}};
}

Real TouchError(const Ball& a, const Ball& b) {
  const Real d = Dist3(a.centre, b.centre);
  return std::min(std::fabs(d - (a.radius + b.radius)), std::fabs(d - std::fabs(a.radius - b.radius)));
}

// The curvature of the result, negative when it encloses the given balls.
Real SignedCurvature(const Ball& result, const Ball& given) {
  const Real d = Dist3(result.centre, given.centre);
  return std::fabs(d - (result.radius + given.radius)) < 1e-9L ? 1 / result.radius : -1 / result.radius;
}

// Descartes' relation of five mutually touching spheres: (sum k)^2 = 3 sum k^2.
Real DescartesDefect(const std::array<Real, 5>& k) {
  Real sum = 0, squares = 0;
  for (Real x : k) {
    sum += x;
    squares += x * x;
  }
  return sum * sum - 3 * squares;
}

TEST(SoddySpheres, FourUnitSpheres) {
  const Real h = 1 / std::sqrt(2.0L);
  const std::array<Ball, 4> given{{{{1, 0, -h}, 1}, {{-1, 0, -h}, 1}, {{0, 1, h}, 1}, {{0, -1, h}, 1}}};
  std::array<Point3, 8> points = ContactBlock(given);
  std::array<Point3, 2> centres;
  std::array<Real, 2> radii;
  ASSERT_TRUE(SoddySpheresSolve(centres, points, radii));

  const Real half = std::sqrt(6.0L) / 2;
  EXPECT_POINT3_NEAR(centres[0], (Point3{0, 0, 0}), 1e-16L);
  EXPECT_POINT3_NEAR(centres[1], (Point3{0, 0, 0}), 1e-16L);
  EXPECT_REAL_NEAR(radii[0], half - 1, 1e-16L);
  EXPECT_REAL_NEAR(radii[1], half + 1, 1e-16L);
  // The inner sphere touches each unit sphere on the way to its centre (+-1, 0, -h) or (0, +-1, h).
  const Real a = (half - 1) / std::sqrt(1.5L), b = a * h;
  EXPECT_POINT3_NEAR(points[0], (Point3{a, 0, -b}), 1e-16L);
  EXPECT_POINT3_NEAR(points[1], (Point3{-a, 0, -b}), 1e-16L);
  EXPECT_POINT3_NEAR(points[2], (Point3{0, a, b}), 1e-16L);
  EXPECT_POINT3_NEAR(points[3], (Point3{0, -a, b}), 1e-16L);

  EXPECT_REAL_NEAR(DescartesDefect({1, 1, 1, 1, 1 / radii[0]}), 0, 1e-14L);
  EXPECT_REAL_NEAR(DescartesDefect({1, 1, 1, 1, -1 / radii[1]}), 0, 1e-14L);
}

// Four touching balls of different radii: three in the plane z = 0, the fourth above them.
TEST(SoddySpheres, ResultsTouchAllFourBallsOfDifferentRadii) {
  const Real r1 = 1, r2 = 1.5L, r3 = 2, r4 = 2.5L;
  const Real d12 = r1 + r2, d13 = r1 + r3, d23 = r2 + r3, d14 = r1 + r4, d24 = r2 + r4, d34 = r3 + r4;
  const Point3 c1{0, 0, 0}, c2{d12, 0, 0};
  const Real x3 = (d13 * d13 - d23 * d23 + d12 * d12) / (2 * d12);
  const Point3 c3{x3, std::sqrt(d13 * d13 - x3 * x3), 0};
  const Real x4 = (d14 * d14 - d24 * d24 + d12 * d12) / (2 * d12);
  const Real y4 = (d14 * d14 - d34 * d34 + c3.x * c3.x + c3.y * c3.y - 2 * c3.x * x4) / (2 * c3.y);
  const Point3 c4{x4, y4, std::sqrt(d14 * d14 - x4 * x4 - y4 * y4)};
  const std::array<Ball, 4> given{{{c1, r1}, {c2, r2}, {c3, r3}, {c4, r4}}};

  std::array<Point3, 8> points = ContactBlock(given);
  std::array<Point3, 2> centres;
  std::array<Real, 2> radii;
  ASSERT_TRUE(SoddySpheresSolve(centres, points, radii));
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const Ball result{centres[i], radii[i]};
    std::array<Real, 5> k{1 / r1, 1 / r2, 1 / r3, 1 / r4, 0};
    for (const Ball& g : given) EXPECT_REAL_NEAR(TouchError(result, g), 0, 1e-14L);
    for (int j = 0; j < 4; ++j) EXPECT_REAL_NEAR(Dist3(points[4 * i + j], result.centre), result.radius, 1e-14L);
    k[4] = SignedCurvature(result, given[0]);
    EXPECT_REAL_NEAR(DescartesDefect(k), 0, 1e-13L);
  }
  EXPECT_GT(std::fabs(radii[0] - radii[1]), 0.1L);
}

TEST(SoddySpheres, CoincidingThirdAndFourthSpheresWriteNoResult) {
  // The fourth ball given as the third: the equal balls of the inverted picture coincide.
  const Real h = 1 / std::sqrt(2.0L);
  const std::array<Ball, 4> given{{{{1, 0, -h}, 1}, {{-1, 0, -h}, 1}, {{0, 1, h}, 1}, {{0, 1, h}, 1}}};
  std::array<Point3, 8> points = ContactBlock(given);
  std::array<Point3, 2> centres{Point3{7, 7, 7}, Point3{7, 7, 7}};
  std::array<Real, 2> radii{7, 7};
  EXPECT_FALSE(SoddySpheresSolve(centres, points, radii));
  EXPECT_POINT3_NEAR(centres[0], (Point3{7, 7, 7}), 0);
  EXPECT_POINT3_NEAR(centres[1], (Point3{7, 7, 7}), 0);
  EXPECT_EQ(radii[0], 7);
  EXPECT_EQ(radii[1], 7);
  // The block holds the inverted points and, in 6 and 7, the (equal) centres of the equal balls.
  EXPECT_POINT3_NEAR(points[6], points[7], 1e-16L);
  EXPECT_POINT3_NEAR(points[6], Midpoint3(points[1], points[3]), 0);
}

// The first sphere fit succeeds and the second fails: both centres or neither are written.
TEST(SoddySpheres, FailedSecondFitWritesNoResult) {
  // In the inverted picture (centre of inversion at the origin) the equal spheres have radius 1 and
  // centres m1 = (-2, r3, 0), m2 = (0, r3, 0); the second wanted sphere, of centre (-1, 0, 0) and
  // radius 1, passes through the origin, so its four points invert into one plane.
  const Real r3 = std::sqrt(3.0L);
  const Point3 inverted[4] = {{-2, r3, -1}, {0, r3, -1}, {-2, r3, 1}, {0, r3, 1}};
  std::array<Point3, 8> points{};
  points[0] = {0, 0, 0};
  for (int i = 0; i < 4; ++i) points[i + 1] = (1 / Dot3(inverted[i], inverted[i])) * inverted[i];
  points[5] = {1, 1, 1};
  std::array<Point3, 2> centres{Point3{7, 7, 7}, Point3{7, 7, 7}};
  std::array<Real, 2> radii{7, 7};
  EXPECT_FALSE(SoddySpheresSolve(centres, points, radii));
  EXPECT_POINT3_NEAR(centres[0], (Point3{7, 7, 7}), 0);
  EXPECT_POINT3_NEAR(centres[1], (Point3{7, 7, 7}), 0);
  EXPECT_EQ(radii[0], 7);
  EXPECT_EQ(radii[1], 7);
  // The block still holds the contact points: the first sphere's are on the sphere of centre
  // (-1, 2 r3, 0) and radius 1 inverted back.
  for (int i = 0; i < 4; ++i) {
    const Point3 back = (1 / Dot3(points[i], points[i])) * points[i];
    EXPECT_REAL_NEAR(Dist3(back, Point3{-1, 2 * r3, 0}), 1, 1e-15L) << i;
  }
}

}  // namespace

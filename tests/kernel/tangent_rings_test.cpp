#include "kernel/tangent_rings.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "support/extended_expect.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

Point3 LiftToSpace(const Point2& p) { return {p.x, p.y, 0}; }

Point2 AtAngle(Real radius, Real degrees) {
  const Real a = degrees * Pi / 180;
  return {radius * std::cos(a), radius * std::sin(a)};
}

const Point2 kUntouched2{-7, -7};
const Point3 kUntouched3{-7, -7, -7};

TEST(TangentRings, SixUnitCirclesAroundAUnitCircle) {
  std::vector<Point2> v(19, kUntouched2);
  v[0] = {0, 0};
  v[1] = {1, 0};
  const std::array<Real, 3> radii{1, 1, std::sqrt(3.0L)};
  Kind169Plane2(v, radii, 6, true);
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_POINT3_NEAR(LiftToSpace(v[1 + i]), LiftToSpace(AtAngle(1, 60 * i)), 1e-15L);
    EXPECT_POINT3_NEAR(LiftToSpace(v[7 + i]), LiftToSpace(AtAngle(2, 60 * i)), 1e-15L);
    EXPECT_POINT3_NEAR(LiftToSpace(v[13 + i]), LiftToSpace(AtAngle(std::sqrt(3.0L), 30 + 60 * i)), 1e-15L);
  }

  // An open ring leaves the contact between the last and the first circle alone.
  std::vector<Point2> open(19, kUntouched2);
  open[0] = {0, 0};
  open[1] = {1, 0};
  Kind169Plane2(open, radii, 6, false);
  EXPECT_POINT3_NEAR(LiftToSpace(open[17]), LiftToSpace(v[17]), 0);
  EXPECT_TRUE(open[18] == kUntouched2);
}

TEST(TangentRings, PlaneRingCirclesTouchTheCentreAndEachOther) {
  const int n = 5;
  std::vector<Point2> v(3 * n + 1);
  v[0] = {1, -2};
  v[1] = {1.5L, 3};
  const Real r1 = 1.5L, r2 = 0.7L;
  // The neighbour contacts lie at distance sqrt((r1 + r2)^2 - r2^2) from the centre.
  const std::array<Real, 3> radii{r1, r2, std::sqrt((r1 + r2) * (r1 + r2) - r2 * r2)};
  Kind169Plane2(v, radii, n, true);
  for (int i = 1; i <= n; ++i) {
    SCOPED_TRACE(i);
    const Point2& centre = v[n + i];
    EXPECT_REAL_NEAR(Dist2(v[0], v[i]), r1, 1e-16L);
    EXPECT_REAL_NEAR(Dist2(centre, v[i]), r2, 1e-16L);
    EXPECT_REAL_NEAR(Dist2(v[0], centre), r1 + r2, 1e-16L);
    if (i < n) {
      EXPECT_REAL_NEAR(Dist2(centre, v[n + i + 1]), 2 * r2, 1e-15L);
      EXPECT_REAL_NEAR(Dist2(centre, v[2 * n + i]), r2, 1e-15L);
      EXPECT_REAL_NEAR(Dist2(v[n + i + 1], v[2 * n + i]), r2, 1e-15L);
    }
  }
  // The first ring circle lies in the direction of v[1].
  EXPECT_REAL_NEAR(Cross2(v[1] - v[0], v[n + 1] - v[0]), 0, 1e-15L);
}

TEST(TangentRings, NoRingWritesNothing) {
  const std::array<Real, 3> good{1, 1, 1};
  const struct {
    int n;
    std::size_t size;
    std::array<Real, 3> radii;
    bool onSphereToo;
  } cases[] = {
      {0, 10, good, true},
      {-2, 10, good, true},
      {3, 9, good, true},           // no room for 3n + 1 points
      {3, 10, {0, 0, 1}, true},     // no radii at all
      {3, 10, {-3, 1, 1}, false},   // a negative plane radius: no angle between the ring circles
  };
  for (const auto& c : cases) {
    std::vector<Point2> v(c.size, kUntouched2);
    v[0] = {0, 0};
    v[1] = {1, 0};
    Kind169Plane2(v, c.radii, c.n, true);
    for (std::size_t i = 2; i < c.size; ++i) EXPECT_TRUE(v[i] == kUntouched2);
    EXPECT_TRUE(v[1] == (Point2{1, 0}));
    if (!c.onSphereToo) continue;

    std::vector<Point3> s(c.size, kUntouched3);
    s[0] = {0, 0, 1};
    s[1] = {1, 0, 0};
    Kind169Sphere3(s, c.radii, c.n, true);
    for (std::size_t i = 2; i < c.size; ++i) EXPECT_POINT3_NEAR(s[i], kUntouched3, 0);
  }

  // On the sphere a ring circle too wide to sit beside the central circle has no ring either.
  std::vector<Point3> s(10, kUntouched3);
  s[0] = {0, 0, 1};
  s[1] = {1, 0, 0};
  const std::array<Real, 3> wide{0.1L, 2.5L, 1};
  Kind169Sphere3(s, wide, 3, true);
  for (std::size_t i = 1; i < s.size(); ++i) EXPECT_POINT3_NEAR(s[i], (i == 1 ? Point3{1, 0, 0} : kUntouched3), 0);
}

TEST(TangentRings, SphereRingAroundThePole) {
  const int n = 4;
  const Real rho1 = 0.5L, rho2 = 0.3L;
  // The contact of two touching ring circles: the foot of the right angle between their centres.
  const Real rho3 = std::acos(std::cos(rho1 + rho2) / std::cos(rho2));
  const std::array<Real, 3> radii{rho1, rho2, rho3};
  std::vector<Point3> v(3 * n + 1, kUntouched3);
  const Point3 pole{0, 0, 1};
  v[0] = pole;
  v[1] = {0.6L, 0.8L, 0.3L};
  Kind169Sphere3(v, radii, n, false);
  for (int i = 1; i <= n; ++i) {
    SCOPED_TRACE(i);
    const Point3& centre = v[n + i];
    EXPECT_REAL_NEAR(Dot3(v[i], v[i]), 1, 1e-17L);
    EXPECT_REAL_NEAR(Dot3(v[i], pole), std::cos(rho1), 1e-17L);
    EXPECT_REAL_NEAR(Dot3(centre, pole), std::cos(rho1 + rho2), 1e-17L);
    EXPECT_REAL_NEAR(Dot3(centre, v[i]), std::cos(rho2), 1e-16L);
    if (i < n) {
      EXPECT_REAL_NEAR(Dot3(centre, v[n + i + 1]), std::cos(2 * rho2), 1e-16L);
      EXPECT_REAL_NEAR(Dot3(centre, v[2 * n + i]), std::cos(rho2), 1e-16L);
      EXPECT_REAL_NEAR(Dot3(v[n + i + 1], v[2 * n + i]), std::cos(rho2), 1e-16L);
    }
  }
  // The first ring circle lies in the direction of v[1]; the open ring leaves its last contact.
  EXPECT_REAL_NEAR(v[n + 1].x * 0.8L - v[n + 1].y * 0.6L, 0, 1e-17L);
  EXPECT_GT(v[n + 1].x, 0);
  EXPECT_POINT3_NEAR(v[3 * n], kUntouched3, 0);
}

}  // namespace

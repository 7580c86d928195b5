#include "kernel/triangle_solvers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kernel/random.h"
#include "kernel/vector2.h"
#include "support/extended_expect.h"  // IWYU pragma: keep

namespace {

using kernel::Point2;
using kernel::Real;
using kernel::TriangleParameters;

constexpr Real kDeg = kernel::Pi / 180;

Real Angle(const Point2& at, const Point2& p, const Point2& q) {
  const Point2 u = p - at;
  const Point2 v = q - at;
  return std::acos(kernel::Dot2(u, v) / (std::hypot(u.x, u.y) * std::hypot(v.x, v.y))) / kDeg;
}

TEST(TriangleSolvers, AngleSideAngleOfANewTriangle) {
  TriangleParameters p{45 * kDeg, 5, 60 * kDeg, 0, 0, 0};
  std::uint16_t code = kernel::kNotFlat;
  Point2 v[3];
  ASSERT_EQ(kernel::SolveTriangleASA(p, code, true, v), 0);
  const Real radius = std::hypot(v[0].x, v[0].y);
  EXPECT_NEAR(static_cast<double>(radius), 2.5881904510252074, 2.5881904510252074 * 1e-15);
  EXPECT_REAL_NEAR(v[0].x, 1.3984L, 1e-4L);
  EXPECT_REAL_NEAR(v[0].y, 2.1779L, 1e-4L);
  EXPECT_REAL_NEAR(v[1].x, -2.1779L, 1e-4L);
  EXPECT_REAL_NEAR(v[2].x, 1.1869L, 1e-4L);
  EXPECT_REAL_NEAR(v[2].y, -2.3000L, 1e-4L);
  EXPECT_REAL_NEAR(Angle(v[0], v[1], v[2]), 75, 1e-12L);
  EXPECT_REAL_NEAR(Angle(v[1], v[0], v[2]), 60, 1e-12L);
  EXPECT_REAL_NEAR(kernel::Dist2(v[1], v[2]), 5, 1e-15L);
}

TEST(TriangleSolvers, NoTriangleWritesNothing) {
  TriangleParameters p{90 * kDeg, 5, 90 * kDeg, 0, 0, 0};
  std::uint16_t code = kernel::kNotFlat;
  Point2 v[3] = {{1, 2}, {3, 4}, {5, 6}};
  EXPECT_EQ(kernel::SolveTriangleASA(p, code, true, v), 1);
  EXPECT_EQ(v[1].x, 3);
  p = {-1, 5, 30 * kDeg, 0, 0, 0};
  EXPECT_EQ(kernel::SolveTriangleASA(p, code, false, v), 1);
  EXPECT_EQ(v[2].y, 6);
}

TEST(TriangleSolvers, ThreeSides) {
  TriangleParameters p{4, 5, 6, 0, 0, 0};
  std::uint16_t code = kernel::kNotFlat;
  Point2 v[3];
  ASSERT_EQ(kernel::SolveTrianglePlane(p, code, true, v), 0);
  EXPECT_REAL_NEAR(kernel::Dist2(v[0], v[1]), 4, 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dist2(v[1], v[2]), 5, 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dist2(v[0], v[2]), 6, 1e-15L);
  EXPECT_GT(kernel::Cross2(v[1] - v[0], v[2] - v[0]), 0);  // counter-clockwise
  EXPECT_EQ(p[3], 4);
  EXPECT_EQ(p[5], 6);

  // Moving the second vertex turns the triangle about the first and keeps it.
  const Point2 first = v[0];
  v[1] = first + 3 * (v[1] - first);
  ASSERT_EQ(kernel::SolveTrianglePlane(p = {4, 5, 6, 0, 0, 0}, code, false, v), 0);
  EXPECT_EQ(v[0], first);
  EXPECT_REAL_NEAR(kernel::Dist2(v[0], v[1]), 4, 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dist2(v[1], v[2]), 5, 1e-15L);
}

TEST(TriangleSolvers, FlatTriangles) {
  const Point2 u{std::cos(1.0L), std::sin(1.0L)};
  const struct {
    std::uint16_t code;
    Real sides[3];
    Real at[3];  // multiples of u
  } cases[] = {{kernel::kFlatSecondBetween, {3, 4, 7}, {4, 1, -3}},
               {kernel::kFlatThirdBetween, {7, 4, 3}, {4, -3, 1}},
               {kernel::kFlatFirstBetween, {3, 7, 4}, {7, 4, 11}}};
  for (const auto& c : cases) {
    TriangleParameters p{c.sides[0], c.sides[1], c.sides[2], 0, 0, 0};
    std::uint16_t code = c.code;
    Point2 v[3];
    ASSERT_EQ(kernel::SolveTrianglePlane(p, code, true, v), 0);
    EXPECT_EQ(code, kernel::kNotFlat);
    for (int k = 0; k < 3; ++k) {
      EXPECT_REAL_NEAR(v[k].x, c.at[k] * u.x, 1e-15L) << c.code << " " << k;
      EXPECT_REAL_NEAR(v[k].y, c.at[k] * u.y, 1e-15L) << c.code << " " << k;
    }
  }
}

TEST(TriangleSolvers, Quadrilaterals) {
  const Point2 centre{0, 0};
  const Real h = std::sqrt(3.0L) / 2;
  const struct {
    std::uint16_t kind;
    Real p0, p2;
    Point2 expected[3];
  } cases[] = {{56, 5, 8, {{5, 0}, {9, 8 * h}, {4, 8 * h}}},
               {58, 5, 8, {{5, 0}, {9.7959L, 1.4139L}, {4, 8 * h}}},
               {63, 5, 3, {{5, 0}, {3.5L, 3 * h}, {1.5L, 3 * h}}}};
  kernel::SeedRandom(11);
  for (const auto& c : cases) {
    TriangleParameters p{c.p0, 60 * kDeg, c.p2, 0, 0, 0};
    Point2 v[4];
    kernel::PlaceQuadrilateral(c.kind, p, true, v, centre, 5, 5);
    EXPECT_GT(v[0].x, -2);
    EXPECT_LT(v[0].y, -1);
    EXPECT_EQ(v[0].x, -p[3]);
    for (int k = 0; k < 3; ++k) {
      EXPECT_REAL_NEAR(v[k + 1].x - v[0].x, c.expected[k].x, 1e-4L) << c.kind << " " << k;
      EXPECT_REAL_NEAR(v[k + 1].y - v[0].y, c.expected[k].y, 1e-4L) << c.kind << " " << k;
    }
  }
  // A kite whose first two vertices coincide still has four finite vertices.
  TriangleParameters p{5, 60 * kDeg, 8, 0, 0, 0};
  Point2 v[4] = {{1, 1}, {1, 1}, {0, 0}, {0, 0}};
  kernel::PlaceQuadrilateral(58, p, false, v, centre, 5, 5);
  for (const Point2& q : v) EXPECT_TRUE(std::isfinite(q.x) && std::isfinite(q.y));
}

}  // namespace

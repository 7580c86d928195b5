#include "engine/spherical_kernels.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "support/extended_expect.h"
#include "kernel/vector3.h"

namespace {

using kernel::Point3;
using kernel::Real;

constexpr Point3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

Point3 Unit(Point3 v) {
  kernel::Normalize3(v);
  return v;
}

Real Length(const Point3& v) {
  return std::sqrt(kernel::Dot3(v, v));
}

TEST(GreatCircleFraction, PointsAlongArcsShortAndLong) {
  const Real c = std::cos(2 * kernel::Pi / 3), s = std::sin(2 * kernel::Pi / 3);
  const Point3 wide{c, s, 0};  // 120 degrees from X
  struct Case {
    Point3 a, b;
    Real t;
    Point3 expected;
  };
  const Case cases[] = {
      {kX, kY, 0, kX},
      {kX, kY, 1, kY},
      {kX, kY, 0.5L, Unit({1, 1, 0})},
      {kX, wide, 1, wide},  // beyond a right angle the arc is still measured in full
      {kX, wide, 0.5L, {std::cos(kernel::Pi / 3), std::sin(kernel::Pi / 3), 0}},
      {kX, 5 * kY, 1, kY},  // only the direction of B matters
  };
  for (const Case& k : cases) {
    EXPECT_POINT3_NEAR(engine::GreatCircleFraction3(k.a, k.b, k.t), k.expected, 1e-15L);
  }
  // Parallel and antiparallel ends have no arc: the start point, a unit vector.
  EXPECT_POINT3_NEAR(engine::GreatCircleFraction3(kZ, kZ, 0.5L), kZ, 0);
  EXPECT_POINT3_NEAR(engine::GreatCircleFraction3(kZ, -kZ, 0.5L), kZ, 0);
}

TEST(SphereCentroid, OctantCentroidIsTheDiagonal) {
  const Point3 g = engine::SphereCentroid3(kX, kY, kZ);
  EXPECT_POINT3_NEAR(g, Unit({1, 1, 1}), 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dot3(g, kX), kernel::Dot3(g, kY), 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dot3(g, kY), kernel::Dot3(g, kZ), 1e-15L);
}

TEST(SphereCentroid, LiesOnTheMediansOnTheTrianglesSide) {
  const Point3 a = Unit({0.2L, -0.3L, 0.9L}), b = Unit({0.8L, 0.1L, 0.3L}), c = Unit({-0.4L, 0.7L, 0.2L});
  for (const auto& [p, q, r] : {std::array{a, b, c}, std::array{c, b, a}, std::array{b, c, a}}) {
    const Point3 g = engine::SphereCentroid3(p, q, r);
    EXPECT_REAL_NEAR(Length(g), 1, 1e-18L);
    EXPECT_GT(kernel::Dot3(g, p + q + r), 0);
    // g lies in the plane of each median: the vertex, the centre and the opposite side's midpoint.
    EXPECT_NEAR(static_cast<double>(kernel::Det3(p, kernel::Midpoint3(q, r), g)), 0, 1e-15);
    EXPECT_NEAR(static_cast<double>(kernel::Det3(q, kernel::Midpoint3(r, p), g)), 0, 1e-15);
  }
}

TEST(SphereCentroid, DegenerateTrianglesFallBackToUnitVectors) {
  const Point3 arcMid = Unit({1, 1, 0});
  const std::array<Point3, 3> cases[] = {
      {kX, kY, arcMid},              // on one great circle
      {kX, -kX, kY},                 // two antipodal vertices
      {kX, kX, kX},                  // one point
      {kX, Unit({1, 0.5L, 0}), kY},  // on one great circle, no vertex at a median's foot
  };
  for (const auto& [p, q, r] : cases) {
    EXPECT_REAL_NEAR(Length(engine::SphereCentroid3(p, q, r)), 1, 1e-18L);
  }
}

TEST(GreatCircleSideFrame, FrameOfASide) {
  std::array<Point3, 3> record;
  Real angle = 0;
  ASSERT_EQ(engine::GreatCircleSideFrame3(kX, Unit({1, 1, 0}), record, angle), engine::kGeometryOk);
  EXPECT_POINT3_NEAR(record[0], kX, 0);
  EXPECT_POINT3_NEAR(record[1], kY, 1e-18L);
  EXPECT_POINT3_NEAR(record[2], kZ, 1e-18L);
  EXPECT_REAL_NEAR(angle, kernel::Pi / 4, 1e-15L);
}

TEST(GreatCircleSideFrame, AntipodalOrEqualEndsHaveNoPlane) {
  for (const Point3& b : {-kZ, kZ}) {
    std::array<Point3, 3> record{Point3{7, 7, 7}, Point3{7, 7, 7}, Point3{7, 7, 7}};
    Real angle = 0;
    EXPECT_EQ(engine::GreatCircleSideFrame3(kZ, b, record, angle), engine::kSidePlaneUndefined);
    EXPECT_POINT3_NEAR(record[0], kZ, 0);
    EXPECT_POINT3_NEAR(record[2], (Point3{7, 7, 7}), 0);
  }
}

}  // namespace

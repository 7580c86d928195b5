#include <gtest/gtest.h>

#include "kernel/stored_plane.h"
#include "kernel/vector_angle.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

constexpr Real kStoredClose = static_cast<Real>(1e-15);

TEST(StoredPlane, NormalisingDividesAllFourByTheNormalsLength) {
  PlaneRecord plane{0, 0, 2, 6};
  ASSERT_TRUE(NormalizePlane3(plane));
  EXPECT_EQ(plane.a, 0);
  EXPECT_EQ(plane.b, 0);
  EXPECT_EQ(plane.c, 1);
  EXPECT_EQ(plane.d, 3);
  // The value at a point is then its signed distance.
  EXPECT_EQ(PlaneValue3(plane, {7, -2, 5}), 2);
  PlaneRecord flat{0, 0, static_cast<Real>(1e-17), 4};
  EXPECT_FALSE(NormalizePlane3(flat));
  EXPECT_EQ(flat.d, 4);
}

TEST(StoredPlane, ThroughThreePointsUnlessTheyAreCollinear) {
  PlaneRecord plane{1, 2, 3, 4};
  ASSERT_TRUE(PlaneThroughPoints3({0, 0, 2}, {1, 0, 2}, {0, 1, 2}, plane));
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, std::fabs(plane.c), 1, kStoredClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, plane.d / plane.c, 2, kStoredClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, PlaneValue3(plane, {5, -7, 2}), 0, kStoredClose);
  const PlaneRecord kept = plane;
  EXPECT_FALSE(PlaneThroughPoints3({0, 0, 0}, {1, 1, 1}, {3, 3, 3}, plane));
  EXPECT_EQ(plane.d, kept.d);
  EXPECT_EQ(plane.c, kept.c);
}

TEST(StoredPlane, WhereASegmentMeetsThePlaneZEqualsZero) {
  const PlaneRecord z0{0, 0, 1, 0};
  const Real eps = static_cast<Real>(1e-13);
  struct Case {
    Point3 p, q;
    SegmentPlaneCode code;
    Real t;
  };
  const Case cases[] = {
      {{0, 0, -1}, {0, 0, 1}, kMeetsInside, 0.5L},  {{0, 0, 0}, {0, 0, 1}, kMeetsAtP, 0},
      {{0, 0, -1}, {0, 0, 0}, kMeetsAtQ, 1},         {{0, 0, 1}, {0, 0, 2}, kMeetsBeforeP, -1},
      {{0, 0, -2}, {0, 0, -1}, kMeetsBeyondQ, 2},
  };
  for (const Case& c : cases) {
    Point3 point{9, 9, 9};
    Real t = 9;
    EXPECT_EQ(IntersectSegmentPlane3(z0, c.p, c.q, eps, point, t), c.code);
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, t, c.t, kStoredClose);
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, point.z, 0, kStoredClose);
  }
  // Parallel: in the plane, or off it; point and t are left alone.
  Point3 point{9, 9, 9};
  Real t = 9;
  EXPECT_EQ(IntersectSegmentPlane3(z0, {0, 0, 0}, {1, 1, 0}, eps, point, t), kLiesInPlane);
  EXPECT_EQ(IntersectSegmentPlane3(z0, {0, 0, 1}, {1, 1, 1}, eps, point, t), kParallelOff);
  EXPECT_EQ(t, 9);
  EXPECT_EQ(point.x, 9);
}

TEST(VectorAngle, DirectionsIncludingTheDegenerateOnes) {
  EXPECT_EQ(VectorAngle(0, 0), Pi / 2);
  EXPECT_EQ(VectorAngle(0, -3), -Pi / 2);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, VectorAngle(-1, 0), Pi, kStoredClose);
  // Just below the negative x axis: close to -pi, not +pi.
  const Real below = VectorAngle(-1, static_cast<Real>(-1e-4));
  EXPECT_LT(below, 0);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, below, -Pi + static_cast<Real>(1e-4), static_cast<Real>(1e-12));
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, VectorAngle(1, 1), Pi / 4, kStoredClose);
}

}  // namespace

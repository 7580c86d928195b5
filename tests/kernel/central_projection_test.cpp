// The central projection of the 3-D view.
#include "kernel/central_projection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "kernel/vector3.h"

namespace {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;

constexpr Real kTolerance = 1e-15L;

TEST(CentralProjection, TheDefaultObserverLooksAtTheCentre) {
  kernel::ViewFrame f;
  ASSERT_TRUE(kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, f));
  EXPECT_NEAR(f.rxy, std::sqrt(1537.0L), kTolerance);
  EXPECT_NEAR(f.r, std::sqrt(1826.0L), kTolerance);
  EXPECT_NEAR(f.u.x, -31 / std::sqrt(1537.0L), kTolerance);
  EXPECT_NEAR(f.u.y, 24 / std::sqrt(1537.0L), kTolerance);
  EXPECT_EQ(f.u.z, 0);
  const Point2 c = kernel::ProjectToView(f, {1, 1, 1});
  EXPECT_NEAR(c.x, 0, kTolerance);
  EXPECT_NEAR(c.y, 0, kTolerance);
  // Points of the view plane keep their coordinates along U and V, and come back.
  for (const Point2 ab : {Point2{1, 0}, Point2{0, 1}, Point2{-2.5L, 3}}) {
    const Point3 p = kernel::ViewPlanePoint(f, ab);
    const Point2 back = kernel::ProjectToView(f, p);
    EXPECT_NEAR(back.x, ab.x, 1e-14L);
    EXPECT_NEAR(back.y, ab.y, 1e-14L);
    EXPECT_NEAR(kernel::Dot3(p - f.centre, f.u), ab.x, 1e-14L);
  }
  // Nearer the observer comes out larger; up stays up.
  const Point2 near = kernel::ProjectToView(f, kernel::ViewPlanePoint(f, {1, 1}) + Real(0.5) * f.sight);
  EXPECT_GT(near.x, 1);
  EXPECT_GT(kernel::ProjectToView(f, {1, 1, 2}).y, 0);
}

TEST(CentralProjection, APointOfTheViewPlaneComesBackFromItsViewCoordinates) {
  kernel::ViewFrame f;
  ASSERT_TRUE(kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, f));
  EXPECT_EQ(f.sight.x, 24);
  EXPECT_EQ(f.sight.y, 31);
  EXPECT_EQ(f.sight.z, 17);
  // Points of the view plane, from near the centre to far out: C + a U + b V.
  for (const Point2 ab : {Point2{0.001L, -0.002L}, Point2{7, 3}, Point2{-250, 1000}, Point2{1e6L, -3e5L}}) {
    const Point3 p = f.centre + ab.x * f.u + ab.y * f.v;
    const Point3 back = kernel::ViewPlanePoint(f, kernel::ProjectToView(f, p));
    const Real size = std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    EXPECT_LE(kernel::TaxiDist3(back, p), 1e-15L * size) << ab.x << " " << ab.y;
  }
}

TEST(CentralProjection, NoFrameStraightAboveTheCentreAndNoDivisionInTheObserversPlane) {
  kernel::ViewFrame f;
  EXPECT_FALSE(kernel::ComputeViewFrame({1, 1, 9}, {1, 1, 1}, f));
  // A frame that could not be made leaves the one there was: no not-a-number reaches the view.
  ASSERT_TRUE(kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, f));
  EXPECT_FALSE(kernel::ComputeViewFrame({1, 1, 1 + 1e-20L}, {1, 1, 1}, f));
  EXPECT_FALSE(kernel::ComputeViewFrame({1, 1, 9}, {1, 1, 1}, f));
  EXPECT_EQ(f.observer.x, 25);
  EXPECT_NEAR(f.r, std::sqrt(1826.0L), kTolerance);
  EXPECT_TRUE(std::isfinite(kernel::ProjectToView(f, {3, 4, 5}).x));
  ASSERT_TRUE(kernel::ComputeViewFrame({10, 0, 0}, {0, 0, 0}, f));
  const Point2 p = kernel::ProjectToView(f, {10, 1, 0});
  EXPECT_TRUE(std::isfinite(p.x));
  EXPECT_GT(std::fabs(p.x), 1e15L);
}

}  // namespace

// The box a model in space is seen in.
#include "kernel/model_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "kernel/vector3.h"

namespace {

using kernel::Point3;
using kernel::Real;

void ExpectBox(const Point3& lo, const Point3& hi, const Point3& wantLo, const Point3& wantHi) {
  EXPECT_NEAR(lo.x, wantLo.x, 1e-15L);
  EXPECT_NEAR(lo.y, wantLo.y, 1e-15L);
  EXPECT_NEAR(lo.z, wantLo.z, 1e-15L);
  EXPECT_NEAR(hi.x, wantHi.x, 1e-15L);
  EXPECT_NEAR(hi.y, wantHi.y, 1e-15L);
  EXPECT_NEAR(hi.z, wantHi.z, 1e-15L);
}

TEST(ModelBox, FlatCoordinatesOpenAQuarterEachWayAndTheOriginIsTakenIn) {
  // A single point (2, 3, 4): a quarter on each side, then out to the origin, then 1 % wider.
  Point3 lo{2, 3, 4};
  Point3 hi{2, 3, 4};
  const kernel::ModelBoxView view = kernel::FinishModelBox(lo, hi);
  ExpectBox(lo, hi, {-0.0225L, -0.0325L, -0.0425L}, {2.2725L, 3.2825L, 4.2925L});
  EXPECT_NEAR(view.centre.x, 1.125L, 1e-15L);
  EXPECT_NEAR(view.centre.z, 2.125L, 1e-15L);
  EXPECT_NEAR(view.epsilon, 0.0001L * kernel::Dist3({0, 0, 0}, {2.25L, 3.25L, 4.25L}), 1e-15L);

  // A flat model in z = 0: z runs from -0.25 to 0.25 before the widening.
  lo = {-1, -1, 0};
  hi = {1, 1, 0};
  kernel::FinishModelBox(lo, hi);
  ExpectBox(lo, hi, {-1.02L, -1.02L, -0.255L}, {1.02L, 1.02L, 0.255L});
}

TEST(ModelBox, CurvedElementsWidenTheBoxByTheirOwnBox) {
  std::vector<Point3> points{{0, 0, 0}, {0, 0, 4}, {5, 5, 5}};
  const Real big = kernel::ModelBoxInfinity();
  Point3 lo{big, big, big};
  Point3 hi{-big, -big, -big};
  kernel::SurfaceRecord cylinder;
  cylinder.kind = kernel::kSurfaceCylinder;
  cylinder.points = {0, 1, -1, -1};
  cylinder.param0 = 1;  // radius
  cylinder.param1 = 2;  // the larger radius counts
  cylinder.param2 = 4;  // height
  cylinder.u = {1, 0, 0};
  cylinder.v = {0, 1, 0};
  cylinder.w = {0, 0, 1};
  kernel::ExtendBoxBySurface(cylinder, points, lo, hi);
  ExpectBox(lo, hi, {-2, -2, 0}, {2, 2, 4});

  // A circle of radius 1 around point 2 in its own plane gets a box a thousandth thick.
  kernel::SurfaceRecord circle;
  circle.kind = kernel::kSurfaceEllipse;
  circle.points = {2, -1, -1, -1};
  circle.u = {1, 0, 0};
  circle.v = {0, 1, 0};
  circle.w = {0, 0, 3};
  kernel::ExtendBoxBySurface(circle, points, lo, hi);
  ExpectBox(lo, hi, {-2, -2, 0}, {6, 6, 5.001L});

  // An element whose point lies beyond the table changes nothing.
  circle.points = {7, -1, -1, -1};
  kernel::ExtendBoxBySurface(circle, points, lo, hi);
  ExpectBox(lo, hi, {-2, -2, 0}, {6, 6, 5.001L});
}

TEST(ModelBox, TheProjectedExtentHoldsAllEightCorners) {
  kernel::ViewFrame frame;
  ASSERT_TRUE(kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, frame));
  const Point3 lo{0, 0, 0};
  const Point3 hi{2, 2, 2};
  const kernel::Box2 extent = kernel::ProjectedBoxExtent(frame, lo, hi);
  for (const Real x : {lo.x, hi.x}) {
    for (const Real y : {lo.y, hi.y}) {
      for (const Real z : {lo.z, hi.z}) {
        const kernel::Point2 p = kernel::ProjectToView(frame, {x, y, z});
        EXPECT_LE(extent.xmin, p.x);
        EXPECT_GE(extent.xmax, p.x);
        EXPECT_LE(extent.ymin, p.y);
        EXPECT_GE(extent.ymax, p.y);
      }
    }
  }
  EXPECT_LT(extent.xmin, extent.xmax);
  EXPECT_LT(extent.ymin, extent.ymax);
}

}  // namespace

// The frames of curves and curved surfaces computed from their defining points.
#include "kernel/surface_frames.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

using kernel::Point3;
using kernel::Real;
using kernel::SurfaceRecord;

SurfaceRecord FrameRecord(std::int16_t kind, std::array<std::int16_t, 4> points, Real param0 = 0,
                          Real param1 = 0) {
  SurfaceRecord s;
  kernel::InitSurfaceRecord(s, kind, points[0], points[1], param0, param1, 0, 0, points[2], points[3]);
  return s;
}

void ExpectPoint(const Point3& p, Real x, Real y, Real z, Real tolerance = 1e-15L) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
  EXPECT_NEAR(p.z, z, tolerance);
}

TEST(SurfaceFrames, SolidsAndSpheresTakeAUnitFrameAlongTheirAxis) {
  const std::vector<Point3> xyz{{1, 2, 3}, {1, 2, 7}, {1, 2, -1}, {3, 2, 3}};
  // A vertical axis upwards: the standard frame; downwards: u stays, v and w turn over.
  SurfaceRecord up = FrameRecord(kernel::kSurfaceCylinder, {0, 1, -1, -1});
  kernel::UpdateSurfaceFrame(up, xyz);
  ExpectPoint(up.u, 1, 0, 0);
  ExpectPoint(up.v, 0, 1, 0);
  ExpectPoint(up.w, 0, 0, 1);
  SurfaceRecord down = FrameRecord(kernel::kSurfaceSphere, {0, 2, -1, -1});
  kernel::UpdateSurfaceFrame(down, xyz);
  ExpectPoint(down.u, 1, 0, 0);
  ExpectPoint(down.v, 0, -1, 0);
  ExpectPoint(down.w, 0, 0, -1);
  // A horizontal axis along x: u is horizontal and across it.
  SurfaceRecord across = FrameRecord(kernel::kSurfaceCone, {0, 3, -1, -1});
  kernel::UpdateSurfaceFrame(across, xyz);
  ExpectPoint(across.u, 0, 1, 0);
  ExpectPoint(across.v, 0, 0, 1);
  ExpectPoint(across.w, 1, 0, 0);
  // A null axis: u (1, 0, 0), v and w null.
  SurfaceRecord null = FrameRecord(kernel::kSurfaceSphere, {0, 0, -1, -1});
  kernel::UpdateSurfaceFrame(null, xyz);
  ExpectPoint(null.u, 1, 0, 0);
  ExpectPoint(null.v, 0, 0, 0);
  ExpectPoint(null.w, 0, 0, 0);
}

TEST(SurfaceFrames, GreatCirclesTakeTheirRadiusPlaneAndArc) {
  // Centre at the origin, radius 2.
  const std::vector<Point3> xyz{{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, {-2, 0, 0}};
  struct Case {
    std::int16_t kind;
    std::int16_t second;
    Real param1;
  };
  for (const Case& c : std::vector<Case>{
           {kernel::kSurfaceGreatCircle, 2, 1},           // the whole circle keeps its extent
           {kernel::kSurfaceGreatCircleArc, 2, 0.25L},    // the shorter arc, a quarter turn
           {kernel::kSurfaceGreatCircleArc2, 2, -0.75L},  // the complementary arc
           {kernel::kSurfaceGreatCircleArc, 3, 0.5L},     // opposite points: half a turn
       }) {
    SurfaceRecord s = FrameRecord(c.kind, {0, -1, 1, c.second}, 0, 1);
    kernel::UpdateGreatCircle(s, xyz);
    EXPECT_EQ(s.param0, 2) << c.kind;
    EXPECT_NEAR(s.param1, c.param1, 1e-15L) << c.kind;
    ExpectPoint(s.u, 2, 0, 0);
    if (c.second == 2) {
      ExpectPoint(s.v, 0, 2, 0);  // towards the second point, as long as u
      ExpectPoint(s.w, 0, 0, 1);
    } else {
      // The fallback: the perpendicular pair of u, both as long as u.
      ExpectPoint(s.v, 0, 2, 0);
      ExpectPoint(s.w, 0, 0, 2);
    }
  }
  // The general update leaves the arcs to their steps.
  SurfaceRecord arc = FrameRecord(kernel::kSurfaceGreatCircleArc, {0, -1, 1, 2}, 0, 7);
  kernel::UpdateSurfaceFrame(arc, xyz);
  EXPECT_EQ(arc.param1, 7);
  ExpectPoint(arc.u, 0, 0, 0);
}

TEST(SurfaceFrames, DisksCirclesMeridiansCurvesAndConics) {
  const std::vector<Point3> xyz{{1, 1, 1}, {1, 1, 4}, {3, 1, 1}, {1, 5, 1}, {1, 1, 0}};
  // A disk: the normal and the radius vector as they stand, v across them as long as param0.
  SurfaceRecord disk = FrameRecord(kernel::kSurfaceDisk, {0, 1, 2, -1}, 5);
  kernel::UpdateSurfaceFrame(disk, xyz);
  ExpectPoint(disk.w, 0, 0, 3);
  ExpectPoint(disk.u, 2, 0, 0);
  ExpectPoint(disk.v, 0, 5, 0);
  // A circle of latitude: u and v across the axis from the sphere centre P3, as long as param0.
  SurfaceRecord latitude = FrameRecord(kernel::kSurfaceLatitudeCircle, {0, 1, -1, 4}, 0.5L);
  kernel::UpdateSurfaceFrame(latitude, xyz);
  ExpectPoint(latitude.w, 0, 0, 4);
  ExpectPoint(latitude.u, 0.5L, 0, 0);
  ExpectPoint(latitude.v, 0, 0.5L, 0);
  // A meridian: w is (0, 0, 1) whatever its points.
  SurfaceRecord meridian = FrameRecord(kernel::kSurfaceMeridian, {0, 2, 3, 1});
  kernel::UpdateSurfaceFrame(meridian, xyz);
  ExpectPoint(meridian.u, 2, 0, 0);
  ExpectPoint(meridian.v, 0, 4, 0);
  ExpectPoint(meridian.w, 0, 0, 1);
  // A conic keeps the lengths of the point differences.
  SurfaceRecord ellipse = FrameRecord(kernel::kSurfaceEllipse, {0, 1, 2, 3});
  kernel::UpdateSurfaceFrame(ellipse, xyz);
  ExpectPoint(ellipse.w, 0, 0, 3);
  ExpectPoint(ellipse.u, 2, 0, 0);
  ExpectPoint(ellipse.v, 0, 4, 0);
  // The cylinder-sphere curve: unit vectors; coincident P0 and P1 take the pair across the axis.
  SurfaceRecord curve = FrameRecord(kernel::kSurfaceCylinderSphereCurve, {2, 0, 0, 1});
  kernel::UpdateSurfaceFrame(curve, xyz);
  ExpectPoint(curve.u, 1, 0, 0);
  ExpectPoint(curve.v, 0, 1, 0);
  ExpectPoint(curve.w, 0, 0, 1);
  SurfaceRecord same = FrameRecord(kernel::kSurfaceCylinderSphereCurve, {0, 0, 2, 3});
  kernel::UpdateSurfaceFrame(same, xyz);
  const Real a = 0.4472135954999579L;  // 1 / sqrt(5)
  ExpectPoint(same.u, -2 * a, -a, 0);
  ExpectPoint(same.v, 0, 0, 1);
  ExpectPoint(same.w, -a, 2 * a, 0);
}

TEST(SurfaceFrames, TheTableUpdateSkipsInactiveRecordsAndReadsNoPointOutsideTheTable) {
  const std::vector<Point3> xyz{{0, 0, 0}, {0, 0, 2}};
  std::vector<SurfaceRecord> records{FrameRecord(kernel::kSurfaceSphere, {0, 1, -1, -1}),
                                     FrameRecord(kernel::kSurfaceSphere, {0, 1, -1, -1}),
                                     FrameRecord(kernel::kSurfaceEllipse, {0, 1, 9000, -1})};
  records[1].active = 0;
  records[1].u = {7, 7, 7};
  kernel::UpdateSurfaces(records, xyz);
  ExpectPoint(records[0].w, 0, 0, 1);
  ExpectPoint(records[1].u, 7, 7, 7);
  ExpectPoint(records[2].u, 0, 0, 0);  // point 9000 is not there: read as the origin
  kernel::UpdateSurfaces({}, xyz);
}

}  // namespace

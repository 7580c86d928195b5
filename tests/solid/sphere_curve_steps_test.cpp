// Circles of latitude, meridians, great circles and their arcs, disks, points at a latitude and
// longitude, and curves and surfaces stored whole in a step.
#include <gtest/gtest.h>

#include <cmath>

#include "solid/surface_description.h"
#include "sphere_step_fixture.h"

namespace {

using sphere_test::ExpectNear3;
using sphere_test::Point3;
using sphere_test::Real;
using sphere_test::SphereStepFixture;

constexpr int kLatitudeStep = 357;
constexpr int kMeridianStep = 358;
constexpr int kGreatCircleStep = 359;
constexpr int kDiskStep = 360;
constexpr int kLatLongStep = 370;
constexpr int kStoredSurfaceStep = 354;
constexpr int kNoPoint = 0xFFFF;

// The sphere of centre A (0, 0, 0) and pole B (0, 0, 2); longitudes counted from C (3, 0, 1).
class SphereCurveSteps : public SphereStepFixture {
 protected:
  SphereCurveSteps() { Points({{0, 0, 0}, {0, 0, 2}, {3, 0, 1}}); }

  int LatLong(const std::string& latitude, const std::string& longitude, std::string* out = nullptr) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(kLatLongStep, 0, 2, 1);
    step.text[0] = latitude;
    step.text[1] = longitude;
    return engine.ExecuteNewStep(out);
  }
};

TEST_F(SphereCurveSteps, CirclesOfLatitudeRunFromTheEquatorToThePole) {
  std::string text;
  ASSERT_EQ(Step(kLatitudeStep, {0, 1}, "90", &text), 0);
  EXPECT_EQ(text, "D = circle (latitude 90 , sphere AB)");
  ExpectNear3(At(3), At(1));
  EXPECT_NEAR(Surface(0).param0, 0, 1e-15L);
  ASSERT_EQ(Step(kLatitudeStep, {0, 1}, "0", nullptr, 2), 0);
  ExpectNear3(At(4), At(0));
  const kernel::SurfaceRecord& equator = Surface(1);
  EXPECT_EQ(equator.kind, kernel::kSurfaceLatitudeCircle);
  EXPECT_EQ(equator.points[0], 4);
  EXPECT_EQ(equator.points[3], 0);
  EXPECT_EQ(equator.param0, 2);
  EXPECT_EQ(equator.param2, 0);
  EXPECT_EQ(equator.transparent, 1);
  ExpectNear3(equator.u, {2, 0, 0});
  ASSERT_EQ(Step(kLatitudeStep, {0, 1}, "30", nullptr, 3), 0);
  EXPECT_EQ(solid::DescribeSurface(engine, 2), "F = circle (latitude 30.00, sphere AB)");
  ExpectNear3(At(5), {0, 0, 1});
  EXPECT_NEAR(Surface(2).param0, std::sqrt(3.0L), 1e-15L);
}

TEST_F(SphereCurveSteps, MeridiansTakeLongitudesUpToHalfATurn) {
  std::string text;
  struct Case {
    std::string longitude;
    Point3 m;
  };
  for (const Case& c :
       std::vector<Case>{{"0", {2, 0, 0}}, {"90", {0, 2, 0}}, {"-90", {0, -2, 0}}, {"180", {-2, 0, 0}}}) {
    ASSERT_EQ(Step(kMeridianStep, {0, 2, 1}, c.longitude, &text), 0) << c.longitude;
    ExpectNear3(At(engine.tables.last_point), c.m);
  }
  EXPECT_EQ(text, "AG = meridian (longitude 180 , sphere AB(C))");
  const kernel::SurfaceRecord& m = Surface(3);
  EXPECT_EQ(m.kind, kernel::kSurfaceMeridian);
  EXPECT_EQ(m.param0, 2);
  EXPECT_EQ(m.param1, 0.5L);
  EXPECT_EQ(m.param2, 180);
  EXPECT_EQ(m.points[2], 6);
  EXPECT_EQ(m.points[3], 2);
  ExpectNear3(m.w, {0, 0, 1});
  EXPECT_EQ(solid::DescribeSurface(engine, 3), "AG = meridian (longitude 180.00, sphere AB(C))");

  // 180.5 is out of bounds; a replay leaves the meridian's point as a placeholder.
  EXPECT_EQ(Step(kMeridianStep, {0, 2, 1}, "180.5"), engine::kMsgOutOfBounds);
  engine.history.steps[3].text[0] = "-180.5";
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.tables.exists[3], 0);
  EXPECT_EQ(engine.tables.exists[6], 1);
  EXPECT_EQ(engine.solid.last_surface, 2);

  // A reference point on the axis gives no direction: the meridian's point is the centre.
  Points({{0, 0, 5}});
  ASSERT_EQ(Step(kMeridianStep, {0, 7, 1}, "30"), 0);
  ExpectNear3(At(8), At(0));
}

TEST_F(SphereCurveSteps, GreatCirclesAndTheirArcs) {
  Points({{2, 0, 0}, {0, 2, 0}});
  std::string text;
  struct Case {
    int variant;
    std::int16_t kind;
    Real param1;
  };
  for (const Case& c : std::vector<Case>{{kNoPoint, kernel::kSurfaceGreatCircle, 1},
                                         {0, kernel::kSurfaceGreatCircleArc, 0.25L},
                                         {1, kernel::kSurfaceGreatCircleArc2, -0.75L}}) {
    ASSERT_EQ(Step(kGreatCircleStep, {0, 3, 4, c.variant}, {}, &text), 0);
    const kernel::SurfaceRecord& s = Surface(engine.solid.last_surface);
    EXPECT_EQ(s.kind, c.kind);
    EXPECT_NEAR(s.param1, c.param1, 1e-15L);
    EXPECT_EQ(s.param0, 2);
    EXPECT_EQ(s.transparent, 1);
    ExpectNear3(s.v, {0, 2, 0});
    EXPECT_EQ(text, "great circle (DE, center A)");
  }
  EXPECT_EQ(engine.tables.last_point, 4);  // no points of their own
  EXPECT_EQ(Step(kGreatCircleStep, {0, 3, 4, 2}), engine::kMsgInconsistentData);
  EXPECT_EQ(Step(kGreatCircleStep, {0, 3, 9, kNoPoint}), engine::kMsgCouldNotFind);
}

TEST_F(SphereCurveSteps, DisksAboutAnAxisOrFree) {
  std::string text;
  ASSERT_EQ(Step(kDiskStep, {0, 1, 1}, "1.5", &text), 0);
  EXPECT_EQ(text, "disk (radius AD, perp to AB)");
  EXPECT_NEAR(kernel::Dist3(At(3), At(0)), 1.5L, 1e-15L);
  EXPECT_EQ(At(3).z, 0);
  const kernel::SurfaceRecord& disk = Surface(0);
  EXPECT_EQ(disk.kind, kernel::kSurfaceDisk);
  EXPECT_EQ(disk.param0, 1.5L);
  EXPECT_EQ(disk.transparent, 0);
  EXPECT_NEAR(std::hypot(disk.v.x, disk.v.y), 1.5L, 1e-15L);
  // Radius "0" is taken: the rim point is the centre.
  ASSERT_EQ(Step(kDiskStep, {0, 1, 1}, "0", nullptr, 2), 0);
  ExpectNear3(At(4), At(0));
  // A free disk is placed beside the model, its axis point one above its centre.
  ASSERT_EQ(Step(kDiskStep, {kNoPoint, kNoPoint, 3}, "2", &text, 3), 0);
  EXPECT_EQ(text, "disk (radius FH, perp to FG)");
  ExpectNear3(At(5), sphere_test::kPlacedAt);
  ExpectNear3(At(6), {10, 0, 1});
  ExpectNear3(At(7), {12, 0, 0});
  ExpectNear3(executors.placed.back().second, {2, 2, 0.1L});
  EXPECT_EQ(engine.tables.attrs[7].tag, engine.tables.attrs[5].tag);

  // A missing centre is reported before a text that cannot be read.
  EXPECT_EQ(Step(kDiskStep, {0, 99, 1}, "(("), engine::kMsgCouldNotFind);
  EXPECT_EQ(Step(kDiskStep, {0, 1, 1}, "minus4"), engine::kMsgCannotUnderstand);
  // A failed free disk reserves the points its command counted.
  engine.history.steps[5].text[0] = "((";
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.tables.last_point, 7);
  EXPECT_EQ(engine.tables.exists[5], 0);
}

TEST_F(SphereCurveSteps, PointsAtALatitudeAndLongitude) {
  std::string text;
  struct Case {
    std::string latitude, longitude;
    Point3 at;
  };
  for (const Case& c : std::vector<Case>{{"0", "0", {2, 0, 0}},
                                         {"0", "90", {0, 2, 0}},
                                         {"90", "45", {0, 0, 2}},
                                         {"-30", "180", {-std::sqrt(3.0L), 0, -1}}}) {
    ASSERT_EQ(LatLong(c.latitude, c.longitude, &text), 0) << c.latitude << " " << c.longitude;
    ExpectNear3(At(engine.tables.last_point), c.at);
  }
  EXPECT_EQ(text, "G at latitude -30; longitude 180; sphere AB(C)");
  EXPECT_EQ(engine.solid.last_surface, -1);
  EXPECT_EQ(LatLong("0", "minus4"), engine::kMsgCannotUnderstand);

  // The two angles typed as one list.
  kernel::ConstructionRecord& step = engine.history.BeginStep(kLatLongStep, 0, 2, 1);
  step.operands[8] = 2007;
  step.text[0] = "0,90,";
  ASSERT_EQ(engine.ExecuteNewStep(&text), 0);
  ExpectNear3(At(engine.tables.last_point), {0, 2, 0});
  EXPECT_EQ(text, "H at latitude 0; longitude 90; sphere AB(C)");
}

TEST_F(SphereCurveSteps, AStoredRecordIsAppendedAsItWasStored) {
  // A whole sphere AB stored with its colour, tracing triple and flags.
  auto Stored = [&](int kind, std::vector<int> points, bool active, const std::string& text = "copy") {
    kernel::ConstructionRecord& step = engine.history.BeginStep(kStoredSurfaceStep);
    step.operands[0] = static_cast<std::uint16_t>(kind);
    for (std::size_t k = 0; k < 4; ++k) step.operands[1 + k] = static_cast<std::uint16_t>(points[k]);
    step.operands[5] = 7;
    step.operands[6] = 2;
    step.operands[7] = 3;
    step.operands[8] = 4;
    step.operands[9] = 0;
    step.operands[10] = 5;
    step.operands[11] = active ? 9 : 0;
    step.operands[38] = 12;
    step.parameters = {2, -1, 4, 0, 99, 99};
    step.text[0] = text;
    std::string out;
    const int code = engine.ExecuteNewStep(&out);
    return std::make_pair(code, out);
  };
  const auto [code, text] = Stored(kernel::kSurfaceSphere, {0, 1, kNoPoint, kNoPoint}, true);
  ASSERT_EQ(code, 0);
  EXPECT_EQ(text, "sphere AB (copy)");
  const kernel::SurfaceRecord& s = Surface(0);
  EXPECT_EQ(s.colour, 7);
  EXPECT_EQ(s.style.a, 2);
  EXPECT_EQ(s.style.c, 4);
  EXPECT_EQ(s.transparent, 1);
  EXPECT_EQ(s.active, 1);
  EXPECT_EQ(s.code / 100, 12);
  ExpectNear3(s.w, {0, 0, 1});
  EXPECT_EQ(engine.tables.last_point, 2);

  // Inactive, and the great-circle arcs: the stored parameters and frame stay exactly.
  for (const auto& [kind, active] : std::vector<std::pair<int, bool>>{
           {kernel::kSurfaceGreatCircle, false}, {kernel::kSurfaceGreatCircleArc2, true}}) {
    ASSERT_EQ(Stored(kind, {0, kNoPoint, 1, 2}, active).first, 0);
    const kernel::SurfaceRecord& r = Surface(engine.solid.last_surface);
    EXPECT_EQ(r.param0, 2);
    EXPECT_EQ(r.param1, -1);
    EXPECT_EQ(r.param2, 4);
    ExpectNear3(r.u, {0, 0, 0});
  }
  // A kind or point the figure cannot have is refused and nothing is added.
  for (const auto& [kind, points] :
       std::vector<std::pair<int, std::vector<int>>>{{17, {0, 1, kNoPoint, kNoPoint}},
                                                     {-2, {0, 1, kNoPoint, kNoPoint}},
                                                     {3, {0, 3, kNoPoint, kNoPoint}},
                                                     {3, {0, 1, 0xFFFE, kNoPoint}}}) {
    EXPECT_EQ(Stored(kind, points, true).first, engine::kMsgInconsistentData) << kind;
  }
  EXPECT_EQ(engine.solid.last_surface, 2);
}

}  // namespace

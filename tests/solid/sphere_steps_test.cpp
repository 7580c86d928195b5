// Spheres by point, by radius and free, circumspheres, hemispheres, sphere segments and inspheres:
// their points, records and texts, their refusals with the placeholders that keep later steps'
// points in place, and the object numbers of older figures.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/polygon_measures3.h"
#include "sphere_step_fixture.h"

namespace {

using sphere_test::ExpectNear3;
using sphere_test::Point3;
using sphere_test::Real;
using sphere_test::SphereStepFixture;

constexpr int kSphere = 361;
constexpr int kCircumsphere = 363;
constexpr int kHemisphere = 364;
constexpr int kSegment = 365;
constexpr int kInsphere = 366;
constexpr int kNone = 0xFFFF;

class SphereSteps : public SphereStepFixture {
 protected:
  // Runs history step i again on the figure the steps before it make (a replay up to it).
  int RunAgain(std::size_t i) {
    engine.ReplayThrough(static_cast<int>(i) - 1, true);
    engine.history.current = &engine.history.steps[i];
    const int result = engine.RedoStep(nullptr);
    engine.history.current = nullptr;
    return result;
  }

  void CornerTetrahedron() { Points({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}}); }
};

TEST_F(SphereSteps, ASphereByPointByRadiusOrFreeHasItsPoleAboveTheCentre) {
  Points({{1, 2, 3}, {1, 2, 5}});
  std::string text;
  ASSERT_EQ(Step(kSphere, {0, 1, 0}, {}, &text), 0);
  EXPECT_EQ(text, "AB = sphere");
  ASSERT_EQ(Step(kSphere, {0, kNone, 1}, "3", &text, 2), 0);
  EXPECT_EQ(text, "AC = sphere; radius 3");
  ExpectNear3(At(2), {1, 2, 6});
  ASSERT_EQ(Step(kSphere, {kNone, kNone, 2}, "1.5", &text, 3), 0);
  EXPECT_EQ(text, "DE = sphere; radius 1.5");
  ExpectNear3(At(3), sphere_test::kPlacedAt);
  ExpectNear3(At(4), {10, 0, 1.5L});
  ASSERT_EQ(executors.placed.size(), 1u);
  ExpectNear3(executors.placed[0].first, {-1.5L, -1.5L, -1.5L});
  EXPECT_EQ(engine.tables.attrs[3].tag, engine.tables.attrs[4].tag);

  ASSERT_EQ(engine.solid.last_surface, 2);
  const kernel::SurfaceRecord& s = Surface(1);
  EXPECT_EQ(s.kind, kernel::kSurfaceSphere);
  EXPECT_EQ(s.points[0], 0);
  EXPECT_EQ(s.points[1], 2);
  EXPECT_EQ(s.param0, 3);
  EXPECT_EQ(s.param1, -1);
  EXPECT_EQ(s.param2, 6);
  EXPECT_EQ(s.code / 100, 2);
  ExpectNear3(s.w, {0, 0, 1});  // the frame is computed
  EXPECT_EQ(Surface(0).param0, 2);
}

TEST_F(SphereSteps, ASphereOfCoincidentPointsHasRadiusZeroAndARadiusZeroIsRefused) {
  Points({{1, 1, 1}});
  ASSERT_EQ(Step(kSphere, {0, 0, 0}), 0);
  EXPECT_EQ(Surface(0).param0, 0);
  // Radius "0" by radius and free: message 14, and as many placeholders as points the mode makes.
  ASSERT_EQ(Step(kSphere, {0, kNone, 1}, "1"), 0);
  ASSERT_EQ(Step(kSphere, {kNone, kNone, 2}, "1"), 0);
  ASSERT_EQ(Step(kSphere, {0, kNone, 1}, "1"), 0);
  ASSERT_EQ(engine.tables.last_point, 4);
  for (std::size_t i : {2u, 3u}) {
    engine.history.steps[i].text[0] = "0";
    EXPECT_EQ(RunAgain(i), engine::kMsgPositiveValue) << i;
    EXPECT_EQ(engine.tables.last_point, i == 2 ? 1 : 3) << i;
    EXPECT_EQ(engine.tables.exists[engine.tables.last_point], 0) << i;
  }
  // The last sphere's pole stays where it was when the one before it fails on replay.
  engine.history.steps[3].text[0] = "1";
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.tables.last_point, 4);
  EXPECT_EQ(engine.tables.exists[1], 0);
  EXPECT_EQ(engine.tables.exists[4], 1);
  ExpectNear3(At(4), {1, 1, 2});
}

TEST_F(SphereSteps, MissingPointsTextsAndModesAreRefused) {
  Points({{0, 0, 0}, {0, 0, 1}});
  struct Case {
    int kind;
    std::vector<int> operands;
    std::string text;
    int code;
  };
  for (const Case& c : std::vector<Case>{
           {kSphere, {0, 7, 0}, "", engine::kMsgCouldNotFind},      // beyond the last point
           {kSphere, {0, kNone, 0}, "", engine::kMsgCouldNotFind},  // by point, without one
           {kSphere, {40000, kNone, 2}, "1", engine::kMsgCouldNotFind},
           {kSphere, {0, kNone, 3}, "1", engine::kMsgInconsistentData},
           {kSphere, {0, kNone, 1}, "((", engine::kMsgCannotUnderstand},
           {kHemisphere, {}, "minus4", engine::kMsgCannotUnderstand},
           {kHemisphere, {}, "-1", engine::kMsgPositiveValue},
           {kSegment, {0, 1}, "0", engine::kMsgPositiveValue},
           {kSegment, {0, 1}, "1", engine::kMsgPositiveValue},
           {kSegment, {0, 1}, "minus4", engine::kMsgCannotUnderstand},
           {kSegment, {0, 5}, "0.5", engine::kMsgCouldNotFind},
           {kCircumsphere, {0, 1, 1, kNone}, "", engine::kMsgCouldNotFind},
       }) {
    const engine::StepEnds before = engine.CurrentEnds();
    EXPECT_EQ(Step(c.kind, c.operands, c.text), c.code) << c.kind << " " << c.text;
    EXPECT_TRUE(engine.CurrentEnds() == before) << c.kind;
  }
  // The sphere by radius takes what the hemisphere refuses.
  ASSERT_EQ(Step(kSphere, {0, kNone, 1}, "minus4"), 0);
  EXPECT_EQ(Surface(0).param0, 2);
}

TEST_F(SphereSteps, TheCircumsphereAndInsphereOfACornerTetrahedron) {
  CornerTetrahedron();
  std::string text;
  ASSERT_EQ(Step(kCircumsphere, {0, 1, 2, 3}, {}, &text), 0);
  EXPECT_EQ(text, "E = circumcenter (ABCD)");
  ExpectNear3(At(4), {0.5L, 0.5L, 0.5L});
  EXPECT_NEAR(Surface(0).param0, 0.8660254037844386L, 1e-15L);
  EXPECT_EQ(Surface(0).points[1], 0);

  ASSERT_EQ(Step(kInsphere, {0, 1, 2, 3}, {}, &text, 2), 0);
  EXPECT_EQ(text, "F = incenter (ABCD); tangency at IHGJ");
  const Real r = 0.21132486540518713L;
  EXPECT_NEAR(Surface(1).param0, r, 1e-15L);
  ExpectNear3(At(5), {r, r, r});
  EXPECT_EQ(Surface(1).points[0], 5);
  EXPECT_EQ(Surface(1).points[1], 6);
  // The points of contact with the faces opposite A, B, C and D.
  const Real third = 1.0L / 3;
  ExpectNear3(At(6), {third, third, third});
  ExpectNear3(At(7), {0, r, r});
  ExpectNear3(At(8), {r, 0, r});
  ExpectNear3(At(9), {r, r, 0});
}

TEST_F(SphereSteps, CoplanarVerticesHaveNoCircumsphereAndNoInsphere) {
  Points({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, 1}});
  ASSERT_EQ(Step(kCircumsphere, {0, 1, 2, 4}), 0);
  ASSERT_EQ(Step(kInsphere, {0, 1, 2, 4}), 0);
  ASSERT_EQ(Step(kSphere, {0, 1, 0}), 0);
  const int lastPoint = engine.tables.last_point;
  for (std::size_t i : {5u, 6u}) engine.history.steps[i].operands[3] = 3;
  EXPECT_EQ(RunAgain(5), kernel::kCoplanarPointsMessage);
  EXPECT_EQ(engine.tables.last_point, 5);  // one placeholder for the centre
  EXPECT_EQ(RunAgain(6), kernel::kCoplanarPointsMessage);
  EXPECT_EQ(engine.tables.last_point, 10);  // five for the centre and the contact points
  EXPECT_EQ(engine.tables.exists[10], 0);
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.tables.last_point, lastPoint);
  EXPECT_EQ(engine.solid.last_surface, 0);  // only the last sphere
}

TEST_F(SphereSteps, AHalfSegmentIsAHemisphereWithItsBaseDisk) {
  Points({{0, 0, 0}, {0, 0, 2}});
  std::string text;
  ASSERT_EQ(Step(kSegment, {0, 1}, "0.5", &text, 4), 0);
  EXPECT_EQ(text, "hemisphere AB");  // level 0 is the hemisphere's
  const kernel::SurfaceRecord& sphere = Surface(0);
  EXPECT_EQ(sphere.param0, 2);
  EXPECT_EQ(sphere.param1, 0);
  EXPECT_EQ(sphere.param2, 2);
  const kernel::SurfaceRecord& base = Surface(1);
  EXPECT_EQ(base.kind, kernel::kSurfaceDisk);
  EXPECT_EQ(base.param0, 2);
  EXPECT_EQ(base.param2, -1);
  EXPECT_EQ(base.code / 100, 5);
  ExpectNear3(At(2), {0, 0, 0});  // the base centre
  EXPECT_NEAR(kernel::Dist3(At(2), At(3)), 2, 1e-15L);

  ASSERT_EQ(Step(kSegment, {0, 1}, "0.25", &text, 6), 0);
  EXPECT_EQ(text, "sphere segment (axis = AB, height = 1.00)");
  EXPECT_EQ(Surface(2).param1, 0.5L);
  ExpectNear3(At(4), {0, 0, 1});
  EXPECT_NEAR(Surface(3).param0, std::sqrt(3.0L), 1e-15L);
}

TEST_F(SphereSteps, FreeSpheresAndHemispheresStayWhereTheyWereDragged) {
  std::string text;
  ASSERT_EQ(Step(kHemisphere, {}, "2", &text), 0);
  EXPECT_EQ(text, "AC = hemisphere; radius 2");
  ExpectNear3(executors.placed[0].first, {-2, -2, 0});
  ExpectNear3(executors.placed[0].second, {2, 2, 2});
  EXPECT_EQ(Surface(0).param1, 0);
  EXPECT_EQ(Surface(0).param2, 2);
  EXPECT_EQ(Surface(1).points[2], 2);
  EXPECT_EQ(Surface(1).param1, 1);
  EXPECT_EQ(Surface(1).code / 100, 2);
  ASSERT_EQ(Step(kSphere, {kNone, kNone, 2}, "1", nullptr, 3), 0);

  engine.tables.xyz[0] = {-4, 1, 1};
  engine.tables.xyz[3] = {5, 5, 5};
  engine.ReplayConstruction(true);
  ExpectNear3(At(0), {-4, 1, 1});
  ExpectNear3(At(1), {-4, 1, 3});
  ExpectNear3(At(2), {-2, 1, 1});
  ExpectNear3(At(4), {5, 5, 6});
  ExpectNear3(Surface(2).w, {0, 0, 1});
  EXPECT_EQ(executors.placed.size(), 2u);  // placed only when built
}

TEST_F(SphereSteps, OlderFiguresNumberTheirRecordsEvenWhenAStepFails) {
  engine.fileVersion = 22;
  ASSERT_EQ(Step(kHemisphere, {}, "1", nullptr, kNone), 0);
  EXPECT_EQ(engine.solid.object_counter, 2);
  EXPECT_EQ(Surface(1).code / 100, 2);
  ASSERT_EQ(Step(kSphere, {kNone, kNone, 2}, "1", nullptr, kNone), 0);
  EXPECT_EQ(Surface(2).code / 100, 3);
  EXPECT_EQ(engine.history.steps[1].operands[38], 3);

  engine.history.steps[0].text[0] = "0";
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.solid.last_surface, 0);  // the hemisphere failed, the sphere is made
  EXPECT_EQ(Surface(0).code / 100, 3);      // and takes the same number as before
  EXPECT_EQ(engine.solid.object_counter, 3);
  // A figure of the current version carries its numbers: the counter is left alone.
  engine.fileVersion = engine::kOwnFileVersion;
  engine.ReplayConstruction(true);
  EXPECT_EQ(engine.solid.object_counter, 0);
  EXPECT_EQ(Surface(0).code / 100, 3);
}

TEST_F(SphereSteps, AStepWithoutRoomGivesFourWithThePlaceholdersThatFit) {
  Points({{0, 0, 0}, {0, 0, 1}});
  engine.solid.last_surface = 299;
  EXPECT_EQ(Step(kSegment, {0, 1}, "0.5"), engine::kMsgNoMoreRoom);
  EXPECT_EQ(engine.solid.last_surface, 299);
  ASSERT_EQ(Step(kSphere, {0, 1, 0}), 0);
  EXPECT_EQ(engine.solid.last_surface, 300);
  EXPECT_EQ(Step(kSphere, {0, 1, 0}), engine::kMsgNoMoreRoom);

  // Points: the insphere's five do not fit, the three that do are left as placeholders.
  engine.solid.last_surface = -1;
  engine.AdjustTables(engine::kLastPointLimit - 3 - engine.tables.last_point, 0, 0);
  kernel::ConstructionRecord& step = engine.history.BeginStep(kInsphere, 0, 1, 0, 1);
  engine.history.current = &step;
  EXPECT_EQ(engine.RedoStep(nullptr), engine::kMsgNoMoreRoom);
  EXPECT_EQ(engine.tables.last_point, engine::kLastPointLimit);
  EXPECT_EQ(engine.solid.last_surface, -1);
  engine.history.current = nullptr;
}

}  // namespace

// Deleting points as a step, and regular polygons erected on a side.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/line_circle_records.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/hyperbolic_test_support.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using DeletionSteps = IsolatedFolders;

#define EXPECT_POINT_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::engine_test::Points2Close, actual, expected, tolerance)

constexpr int kNone = 0xFFFF;

TEST_F(DeletionSteps, DeletedPointLeavesEveryListAndFreesItsLabel) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(4, 0);
  const int p = w.FreePoint(1, 2);
  ASSERT_EQ(w.Step(116, {a, b, kNone, 0, 0, 0}), 0);
  const int ab = w.tables().last_line;
  ASSERT_EQ(w.Step(115, {p, a, b, ab, 4, 0, 0, 0}), 0);  // the foot F on AB
  const int foot = w.tables().last_point;
  ASSERT_EQ(w.Step(91, {p, foot, kNone, 0, 0, 0}), 0);    // a circle through F
  const int circle = w.tables().last_circle;
  ASSERT_EQ(w.Step(91, {p, b, kNone, 0, 0, 0}), 0);  // a circle through B
  const int circleB = w.tables().last_circle;
  kernel::CircleAppendPoint(w.tables().circles[circleB], static_cast<std::uint16_t>(foot));
  const int footLabel = w.tables().names[foot].label;

  // F twice in one list, then A, the end of a line of two points.
  ASSERT_EQ(w.Step(141, {foot, foot}, {"DD"}), 0);
  EXPECT_FALSE(w.tables().exists[foot]);
  EXPECT_EQ(w.tables().label_map[footLabel], -1);
  EXPECT_EQ(w.tables().lines[ab].points.count, 2);
  EXPECT_EQ(kernel::IndexListFind(w.tables().lines[ab].points, static_cast<std::uint16_t>(foot)), -1);
  EXPECT_EQ(kernel::CirclePointFind(w.tables().circles[circleB], static_cast<std::uint16_t>(foot)), -1);
  // A circle keeps its only listed point, and a line its last two.
  EXPECT_EQ(w.tables().circles[circle].count, 1);
  ASSERT_EQ(w.Step(141, {a}, {"A"}), 0);
  EXPECT_EQ(w.tables().lines[ab].points.count, 2);
  EXPECT_TRUE(w.tables().lines[ab].exists);

  // The freed label goes to the next new point; a step naming the deleted point cannot find it.
  const int aLabel = 0;
  EXPECT_EQ(w.tables().names[w.FreePoint(9, 9)].label, aLabel);
  EXPECT_EQ(w.tables().names[w.FreePoint(8, 8)].label, footLabel);
  EXPECT_EQ(w.Step(149, {4, a, b, kNone, 0, 0, 0}), engine::kMsgCouldNotFind);
  // The history replays to the same figure.
  w.ReplayConstruction(false);
  EXPECT_FALSE(w.tables().exists[a]);
  EXPECT_FALSE(w.tables().exists[foot]);
  EXPECT_EQ(w.tables().lines[ab].points.count, 2);
}

TEST_F(DeletionSteps, RegularPolygonOnASideReusesPointsAtItsVertices) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  ASSERT_EQ(w.Step(149, {4, a, b, kNone, 0, 0, 0}), 0);
  ASSERT_EQ(w.tables().last_point, 3);
  EXPECT_POINT_NEAR(w.tables().xy[2], (Point2{1, 1}), 1e-15L);
  EXPECT_POINT_NEAR(w.tables().xy[3], (Point2{0, 1}), 1e-15L);
  EXPECT_EQ(w.tables().last_line, 3);  // AB and three more sides
  EXPECT_EQ(w.tables().lines[3].points.entries[1], a);
  EXPECT_EQ(w.stepText, "ABCD = regular polygon (4) (rgb(255,255,255), thickness 1, style dotted)");

  // A hexagon on a side AB that already exists, whose two far vertices are points of the figure.
  PlaneWindow h(0);
  const int p = h.FreePoint(0, 0);
  const int q = h.FreePoint(1, 0);
  const int far1 = h.FreePoint(1, std::sqrt(3.0L));
  const int far2 = h.FreePoint(0, std::sqrt(3.0L));
  ASSERT_EQ(h.Step(149, {6, p, q, 0, 0, 0, 0}), 0);
  EXPECT_EQ(h.tables().last_point, 5);  // two new points only
  EXPECT_EQ(h.tables().last_line, 4);   // five sides: AB is not drawn again
  EXPECT_EQ(h.tables().lines[1].points.entries[1], far1);
  EXPECT_EQ(h.tables().lines[2].points.entries[1], far2);

  // With merging off every vertex is a new point.
  kernel::ConstructionRecord& step = h.history().BeginStep(149);
  const int ops[] = {6, p, q, 0, 0, 0, 0};
  for (int i = 0; i < 7; ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
  step.operands[39] = 0;
  ASSERT_EQ(h.RunNewStep(), 0);
  EXPECT_EQ(h.tables().last_point, 9);

  // When the side is lost in the history, the hexagon that reused two points still leaves room
  // for two points only, so the points after it keep their indices.
  const int after = h.FreePoint(5, 5);
  h.history().steps[4].operands[1] = 99;
  h.ReplayConstruction(false);
  EXPECT_EQ(h.tables().last_point, after);
  EXPECT_EQ(h.tables().xy[after], (Point2{5, 5}));
  EXPECT_FALSE(h.tables().exists[4]);
}

class HyperbolicPolygonSteps : public IsolatedFolders, public ::testing::WithParamInterface<engine::GeometryModel> {};

TEST_P(HyperbolicPolygonSteps, AllSidesOfAPolygonOnASideAreEqual) {
  PlaneWindow w(1);
  w.stepEngine.model = GetParam();
  const engine::GeometryModel& m = w.stepEngine.model;
  const Point2 pa = engine_test::InModel(m, {-0.1L, -0.2L});
  const Point2 pb = engine_test::InModel(m, {0.25L, -0.1L});
  const int a = w.FreePoint(pa.x, pa.y);
  const int b = w.FreePoint(pb.x, pb.y);
  ASSERT_EQ(w.Step(149, {5, a, b, kNone, 0, 0, 0}), 0);
  const Real side = engine::HyperbolicDistance(m, pa, pb);
  const int order[] = {a, b, 2, 3, 4, a};
  for (int k = 0; k + 1 < 6; ++k) {
    EXPECT_REAL_NEAR(engine::HyperbolicDistance(m, w.tables().xy[order[k]], w.tables().xy[order[k + 1]]), side, 1e-10L);
  }
}

INSTANTIATE_TEST_SUITE_P(BothModels, HyperbolicPolygonSteps,
                         ::testing::Values(engine::kPoincareDisk, engine::kUpperHalfPlane), engine_test::ModelName);

}  // namespace

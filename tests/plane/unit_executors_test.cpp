// Units of typed size and points placed on objects: regular polygons in both geometries, the
// segment and the grid with their refusals, and sliding points at their parameter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/points_on_curves.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using UnitSteps = IsolatedFolders;

TEST_F(UnitSteps, HyperbolicRegularPolygonsByAngleOrSide) {
  PlaneWindow w(1);
  // Four right angles make a Euclidean square: no hyperbolic polygon has them.
  EXPECT_EQ(w.Step(55, {4, 2}, {"0.6", "90"}), engine::kMsgInconsistentData);
  EXPECT_EQ(w.tables().last_point, -1);
  ASSERT_EQ(w.Step(55, {4, 2}, {"0.6", "60"}), 0);
  const auto& v = w.tables().xy;
  for (int i = 0; i < 4; ++i) {
    EXPECT_REAL_NEAR(engine::HyperbolicDistance(w.model(), v[i], v[(i + 1) % 4]), 1.7627471740390860L, 1e-12L) << i;
  }
  EXPECT_REAL_NEAR(std::fabs(engine::AngleAt(w.model(), v[3], v[0], v[1])), kernel::Pi / 3, 1e-12L);
  // By side: the same square back.
  ASSERT_EQ(w.Step(55, {4, 1}, {"1.7627471740390860", "0"}), 0);
  EXPECT_REAL_NEAR(std::fabs(engine::AngleAt(w.model(), v[7], v[4], v[5])), kernel::Pi / 3, 1e-12L);
  EXPECT_EQ(w.stepText, "EFGH = regular polygon(4, length 1.7627471740390860) (rgb(0,0,0), thickness 0, style solid)");
}

TEST_F(UnitSteps, EuclideanRegularAndStarPolygons) {
  PlaneWindow w(0);
  ASSERT_EQ(w.Step(55, {6}, {"2"}), 0);
  const auto& v = w.tables().xy;
  for (int i = 0; i < 6; ++i) EXPECT_REAL_NEAR(kernel::Dist2(v[i], v[(i + 1) % 6]), 2, 1e-12L);
  // A star {5/2}: its sides join every second vertex.
  kernel::ConstructionRecord& star = w.history().BeginStep(55);
  star.operands[0] = 5;
  star.operands[1] = 2;
  star.flag = 1;
  star.text[0] = "1";
  ASSERT_EQ(w.RunNewStep(), 0);
  const kernel::SegmentRecord& side = w.tables().lines[6];
  EXPECT_REAL_NEAR(kernel::Dist2(v[side.points.entries[0]], v[side.points.entries[1]]), 1, 1e-12L);
  // Bad sizes refuse and leave nothing.
  EXPECT_EQ(w.Step(55, {6}, {"0"}), engine::kMsgPositiveValue);
  EXPECT_EQ(w.Step(55, {6}, {"("}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.Step(55, {2}, {"1"}), engine::kMsgOutOfBounds);
  EXPECT_EQ(w.tables().last_point, 10);
}

TEST_F(UnitSteps, TheSegmentKeepsItsLengthFromADraggedFirstPoint) {
  PlaneWindow w(0);
  ASSERT_EQ(w.Step(64, {}, {"3", "90"}), 0);
  EXPECT_EQ(w.stepText.rfind("AB = segment(3; 90 degrees)", 0), 0u) << w.stepText;
  w.tables().xy[0] = {1, 1};
  w.ReplayConstruction(false);
  EXPECT_REAL_NEAR(w.tables().xy[1].x, 1, 1e-15L);
  EXPECT_REAL_NEAR(w.tables().xy[1].y, 4, 1e-15L);

  // A length of 0 in a history leaves two placeholder points and one placeholder segment.
  kernel::ConstructionRecord bad;
  bad.kind = 64;
  bad.text[0] = "0";
  bad.text[1] = "0";
  w.history().steps.push_back(bad);
  w.ReplayConstruction(false);
  EXPECT_EQ(w.tables().last_point, 3);
  EXPECT_EQ(w.tables().last_line, 1);
  EXPECT_FALSE(w.tables().exists[2] || w.tables().exists[3] || w.tables().lines[1].exists);
  EXPECT_EQ(w.Step(64, {}, {"0", "0"}), engine::kMsgCannotUnderstand);

  // In the hyperbolic plane the length is hyperbolic.
  PlaneWindow h(1);
  ASSERT_EQ(h.Step(64, {}, {"1.5", "30"}), 0);
  EXPECT_REAL_NEAR(engine::HyperbolicDistance(h.model(), h.tables().xy[0], h.tables().xy[1]), 1.5L, 1e-12L);
}

TEST_F(UnitSteps, GridPointsRowByRowAndItsLines) {
  PlaneWindow w(0);
  kernel::ConstructionRecord& step = w.history().BeginStep(66);
  step.operands[0] = 3;
  step.operands[1] = 2;
  step.flag = 1;
  step.text = {"4", "1", "0"};
  ASSERT_EQ(w.RunNewStep(), 0);
  ASSERT_EQ(w.tables().last_point, 5);
  ASSERT_EQ(w.tables().last_line, 4);
  const auto& v = w.tables().xy;
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 3; ++i) {
      EXPECT_REAL_NEAR(v[j * 3 + i].x - v[0].x, 2 * i, 1e-15L);
      EXPECT_REAL_NEAR(v[j * 3 + i].y - v[0].y, j, 1e-15L);
    }
  }
  const std::vector<std::vector<int>> lists{{0, 1, 2}, {3, 4, 5}, {0, 3}, {1, 4}, {2, 5}};
  for (std::size_t l = 0; l < lists.size(); ++l) {
    const kernel::IndexList& points = w.tables().lines[l].points;
    EXPECT_EQ(std::vector<int>(points.entries.begin(), points.entries.begin() + points.count), lists[l]) << l;
  }
  EXPECT_EQ(w.stepText.rfind("A-F = 3 X 2 grid (4 X 1; 0 degrees)", 0), 0u) << w.stepText;

  // One row, or 51 columns, is out of bounds; a history step of such a grid fails the same way.
  for (int m : {1, 51}) EXPECT_EQ(w.Step(66, {m, 2}, {"4", "1", "0"}), engine::kMsgOutOfBounds) << m;
  EXPECT_EQ(w.Step(66, {3, 2}, {"4", "0", "0"}), engine::kMsgCannotUnderstand);
  EXPECT_EQ(w.tables().last_point, 5);
}

TEST_F(UnitSteps, PointsOnObjectsAtTheirParameter) {
  PlaneWindow h(1);
  const int a = h.FreePoint(-0.5L, 0.1L);
  const int b = h.FreePoint(0.6L, 0.3L);
  ASSERT_EQ(h.Step(111, {a, b}), 0);

  // A random point on the segment keeps its parameter on replay, and slides with the segment.
  ASSERT_EQ(h.Step(81, {a, b, 0}), 0);
  const int p = h.tables().last_point;
  const Real t = h.tables().attrs[p].value;
  EXPECT_EQ(h.tables().attrs[p].words, (std::array<std::int16_t, 4>{0, -1, static_cast<std::int16_t>(a),
                                                                   static_cast<std::int16_t>(b)}));
  h.tables().xy[b] = {0.2L, -0.4L};
  h.ReplayConstruction(false);
  EXPECT_EQ(h.tables().attrs[p].value, t);
  EXPECT_REAL_NEAR(engine::HyperbolicDistance(h.model(), h.tables().xy[a], h.tables().xy[p]),
                   t * engine::HyperbolicDistance(h.model(), h.tables().xy[a], h.tables().xy[b]), 1e-12L);
  // Missing objects: "could not find".
  EXPECT_EQ(h.Step(81, {a, b, 7}), engine::kMsgCouldNotFind);
  EXPECT_EQ(h.Step(82, {a, b, 0}), engine::kMsgCouldNotFind);

  // The hyperbolic midpoint, listed on its segment.
  ASSERT_EQ(h.PlacePointOnSegmentHyperbolic(a, b, 0, 0.5L), 0);
  const Point2 m = h.tables().xy[h.tables().last_point];
  EXPECT_REAL_NEAR(engine::HyperbolicDistance(h.model(), h.tables().xy[a], m),
                   engine::HyperbolicDistance(h.model(), m, h.tables().xy[b]), 1e-12L);
  EXPECT_EQ(h.tables().lines[0].points.count, 4);

  // The curves of the disk.
  kernel::HypCurveRecord horocycle;
  horocycle.points = {Point2{0.5L, 0}, Point2{0.75L, 0}, Point2{1, 0}};
  EXPECT_REAL_NEAR(kernel::Dist2(kernel::PointOnHorocycle(horocycle, 0), {0.5L, 0}), 0, 1e-18L);
  EXPECT_REAL_NEAR(kernel::Dist2(kernel::PointOnHorocycle(horocycle, 0.25L), {0.75L, -0.25L}), 0, 1e-15L);
  kernel::HypCurveRecord straight;
  straight.shape = 1;
  straight.points = {Point2{-1, 0.2L}, Point2{1, 0.2L}, Point2{}};
  EXPECT_EQ(kernel::PointOnHypercycle(straight, {0, 0.2L}, 0), (Point2{-1, 0.2L}));
  EXPECT_EQ(kernel::PointOnHypercycle(straight, {0, 0.2L}, 1), (Point2{1, 0.2L}));
}

}  // namespace

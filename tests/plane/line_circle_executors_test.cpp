// Rays, perpendiculars, parallels, orthogonal arcs, hyperbolic curves, circles by radius, arcs and
// vector sums: where their points go, what fails, and what the steps say of themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "kernel/line_circle_records.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/hyperbolic_test_support.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using LineCircleSteps = IsolatedFolders;

#define EXPECT_POINT_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::engine_test::Points2Close, actual, expected, tolerance)

constexpr Real kTight = static_cast<Real>(1e-12);
constexpr int kNone = 0xFFFF;
// The attribute text of operands 0, 0, 0 (each stored one less than its value).
const std::string kPen = " (rgb(255,255,255), thickness 1, style dotted)";

// The description of the history's last step.
std::string LastDescription(PlaneWindow& w) {
  w.tables().ResetForReplay();
  std::string text;
  for (kernel::ConstructionRecord& step : w.history().steps) {
    w.history().current = &step;
    text.clear();
    w.RedoStep(&text);
  }
  return text;
}

// A line (kind 116) or segment (kind 111) through two points; its index.
int Line(PlaneWindow& w, int a, int b, int kind = 116) {
  EXPECT_EQ(w.Step(kind, {a, b, kNone, 0, 0, 0}), 0);
  return w.tables().last_line;
}

TEST_F(LineCircleSteps, BisectorOfARightAngleIsAtFortyFiveDegrees) {
  PlaneWindow w(0);
  const int a = w.FreePoint(2, 0);
  const int b = w.FreePoint(0, 0);
  const int c = w.FreePoint(0, 3);
  ASSERT_EQ(w.Step(113, {a, b, c, 0, 0, 0}), 0);
  const int q = w.tables().last_point;
  const Real r = static_cast<Real>(0.69314718056L) * 2;
  EXPECT_POINT_NEAR(w.tables().xy[q], (Point2{r * std::sqrt(0.5L), r * std::sqrt(0.5L)}), kTight);
  const kernel::SegmentRecord& ray = w.tables().lines[w.tables().last_line];
  EXPECT_EQ(ray.points.entries[0], b);
  EXPECT_TRUE(ray.extends_first);
  EXPECT_FALSE(ray.extends_second);
  EXPECT_EQ(LastDescription(w), "ray BD bisects angle ABC" + kPen);

  // A ray at a typed angle; a vertex equal to its reference point is refused.
  ASSERT_EQ(w.Step(114, {b, a, 0, 0, 0}, {"90"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[w.tables().last_point], (Point2{0, r}), kTight);
  EXPECT_EQ(w.Step(114, {b, b, 0, 0, 0}, {"90"}), engine::kMsgDuplicateLabel);
  EXPECT_EQ(w.Step(114, {b, a, 0, 0, 0}, {"(("}), engine::kMsgCannotUnderstand);
}

TEST_F(LineCircleSteps, PerpendicularsParallelsAndFeet) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(2, 1);
  const int p = w.FreePoint(1, 2);
  const int ab = Line(w, a, b);
  const Real k = static_cast<Real>(1.2345678910111213L);
  struct Case {
    int mode;
    Point2 second;
    bool full;
  };
  const Case cases[] = {
      {3, {1 - k * 1, 2 + k * 2}, true},                   // perpendicular to AB
      {2, {1 + k * 2, 2 + k * 1}, true},                   // parallel to AB
      {12, {3.718281828459045L, 2}, true},                 // parallel to the x axis
      {13, {1, 2 + 2.718281828459045L}, true},             // perpendicular to the x axis
      {14, {1, 0}, false},                                 // foot on the x axis
      {24, {0, 2}, false},                                 // foot on the y axis
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    ASSERT_EQ(w.Step(115, {p, a, b, ab, c.mode, 0, 0, 0}), 0);
    EXPECT_POINT_NEAR(w.tables().xy[w.tables().last_point], c.second, kTight);
    const kernel::SegmentRecord& line = w.tables().lines[w.tables().last_line];
    EXPECT_EQ(line.points.entries[0], p);
    EXPECT_EQ(line.extends_first != 0 && line.extends_second != 0, c.full);
  }

  // The foot on AB is listed on AB, between A and B.
  ASSERT_EQ(w.Step(115, {p, a, b, ab, 4, 0, 0, 0}), 0);
  const int foot = w.tables().last_point;
  EXPECT_POINT_NEAR(w.tables().xy[foot], (Point2{1.6L, 0.8L}), kTight);
  const kernel::IndexList& listed = w.tables().lines[ab].points;
  ASSERT_EQ(listed.count, 3);
  EXPECT_EQ(listed.entries[1], foot);
  EXPECT_EQ(engine::FindLineThrough(w.tables(), a, foot), ab);

  // A typed direction; a text that is no vector fails.
  ASSERT_EQ(w.Step(115, {p, kNone, kNone, kNone, 43, 0, 0, 0}, {"", "", "1,2"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[w.tables().last_point], (Point2{-1, 3}), kTight);
  EXPECT_EQ(LastDescription(w), "CK perp to [1,2]" + kPen);
  EXPECT_EQ(w.Step(115, {p, kNone, kNone, kNone, 43, 0, 0, 0}, {"", "", "1"}), engine::kMsgCannotUnderstand);
  // Without its line the step has nothing to be perpendicular to.
  EXPECT_EQ(w.Step(115, {p, a, b, 77, 3, 0, 0, 0}), engine::kMsgCouldNotFind);
}

TEST_F(LineCircleSteps, CommonPerpendicularOfParallelLines) {
  PlaneWindow w(0);
  const int l1 = Line(w, w.FreePoint(0, 0), w.FreePoint(4, 0));
  const int l2 = Line(w, w.FreePoint(1, 3), w.FreePoint(5, 3));
  const int crossing = Line(w, w.FreePoint(0, -1), w.FreePoint(1, 5));
  ASSERT_EQ(w.Step(139, {l1, l2, 0, 0, 0}), 0);
  const int f2 = w.tables().last_point;
  EXPECT_POINT_NEAR(w.tables().xy[f2 - 1], (Point2{0, 0}), kTight);
  EXPECT_POINT_NEAR(w.tables().xy[f2], (Point2{0, 3}), kTight);
  EXPECT_GE(kernel::IndexListFind(w.tables().lines[l2].points, static_cast<std::uint16_t>(f2)), 0);
  EXPECT_EQ(w.Step(139, {l1, crossing, 0, 0, 0}), engine::kMsgCouldNotFind);
}

TEST_F(LineCircleSteps, OrthogonalArcThroughTwoPointsInsideTheCircle) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int r = w.FreePoint(1, 0);
  ASSERT_EQ(w.Step(91, {o, r, kNone, 0, 0, 0}), 0);
  const int circle = w.tables().last_circle;
  const int u = w.FreePoint(0.5L, 0);
  const int v = w.FreePoint(0, 0.5L);
  ASSERT_EQ(w.Step(118, {circle, u, v}), 0);
  const int centre = w.tables().last_point - 2;
  EXPECT_POINT_NEAR(w.tables().xy[centre], (Point2{1.25L, 1.25L}), kTight);
  const kernel::CircleRecord& arc = w.tables().circles[w.tables().last_circle];
  EXPECT_EQ(arc.centre, centre);
  // Both ends lie on the unit circle, and the arc is the part inside it.
  for (int k = 0; k < 2; ++k) EXPECT_REAL_NEAR(kernel::Dist2(w.tables().xy[arc.points[k]], {0, 0}), 1, kTight);
  EXPECT_GT(std::fabs(arc.arc_angle), 0);
  EXPECT_LT(std::fabs(arc.arc_angle), 180);

  // A point on the circle itself is out of bounds.
  EXPECT_EQ(w.Step(118, {circle, r, v}), engine::kMsgOutOfBounds);
  w.tables().last_circle = engine::kLastCircleLimit;
  EXPECT_EQ(w.Step(118, {circle, u, v}), engine::kMsgTooManyCircles);
}

class HyperbolicLineSteps : public IsolatedFolders, public ::testing::WithParamInterface<engine::GeometryModel> {
 protected:
  // A disk point placed as a free point of the window's model.
  static int Point(PlaneWindow& w, Point2 disk) {
    const Point2 p = engine_test::InModel(w.stepEngine.model, disk);
    return w.FreePoint(p.x, p.y);
  }
  static void UseModel(PlaneWindow& w) { w.stepEngine.model = GetParam(); }
};

TEST_P(HyperbolicLineSteps, CircleByRadiusHasItsPointAtThatDistance) {
  PlaneWindow w(1);
  UseModel(w);
  for (const Point2 centre : {Point2{0, 0}, Point2{0.3L, -0.2L}}) {
    const int c = Point(w, centre);
    ASSERT_EQ(w.Step(92, {c, 1250, kNone, 0, 0, 0}, {"0.8"}), 0);
    const int p = w.tables().last_point;
    EXPECT_REAL_NEAR(engine::HyperbolicDistance(w.stepEngine.model, w.tables().xy[c], w.tables().xy[p]), 0.8L, 1e-12L);
    EXPECT_REAL_NEAR(w.tables().circle_radius[w.tables().last_circle], 0.8L, 1e-12L);
  }
}

TEST_P(HyperbolicLineSteps, PerpendicularAndCommonPerpendicularMeetAtRightAngles) {
  PlaneWindow w(1);
  UseModel(w);
  const engine::GeometryModel& m = w.stepEngine.model;
  const int a = Point(w, {-0.5L, -0.3L});
  const int b = Point(w, {0.5L, -0.3L});
  const int ab = Line(w, a, b);
  const int p = Point(w, {0.1L, 0.4L});
  ASSERT_EQ(w.Step(115, {p, a, b, ab, 4, 0, 0, 0}), 0);
  const int foot = w.tables().last_point;
  EXPECT_REAL_NEAR(std::fabs(engine::AngleAt(m, w.tables().xy[a], w.tables().xy[foot], w.tables().xy[p])),
                   std::acos(-1.0L) / 2, 1e-9L);
  EXPECT_GE(kernel::IndexListFind(w.tables().lines[ab].points, static_cast<std::uint16_t>(foot)), 0);

  const int cd = Line(w, Point(w, {-0.5L, 0.6L}), Point(w, {0.5L, 0.6L}));
  ASSERT_EQ(w.Step(139, {ab, cd, 0, 0, 0}), 0);
  const int f1 = w.tables().last_point - 1;
  const int f2 = w.tables().last_point;
  EXPECT_REAL_NEAR(std::fabs(engine::AngleAt(m, w.tables().xy[a], w.tables().xy[f1], w.tables().xy[f2])),
                   std::acos(-1.0L) / 2, 1e-9L);
}

TEST_P(HyperbolicLineSteps, LimitingParallelsHeadForTheLinesEnds) {
  PlaneWindow w(1);
  UseModel(w);
  const int a = Point(w, {-0.4L, -0.3L});
  const int b = Point(w, {0.4L, -0.2L});
  const int ab = Line(w, a, b);
  for (const Point2 from : {Point2{0, 0}, Point2{0.2L, 0.5L}}) {
    const int p = Point(w, from);
    ASSERT_EQ(w.Step(119, {p, a, b, ab, 0, 0, 0}), 0);
    engine::GeodesicEnds line{};
    bool straight = false;
    engine::DiskGeodesic(engine::DiskFromStored(w.stepEngine.model, w.tables().xy[a]),
                         engine::DiskFromStored(w.stepEngine.model, w.tables().xy[b]), line, straight);
    for (int k = 0; k < 2; ++k) {
      const int q = w.tables().last_point - 1 + k;
      engine::GeodesicEnds ray{};
      engine::DiskGeodesic(from, engine::DiskFromStored(w.stepEngine.model, w.tables().xy[q]), ray, straight);
      EXPECT_POINT_NEAR(ray[1], line[k], 1e-9L);
      EXPECT_TRUE(w.tables().lines[w.tables().last_line - 1 + k].extends_first);
    }
  }
}

TEST_P(HyperbolicLineSteps, HorocycleNeedsItsPointOnTheLine) {
  PlaneWindow w(1);
  UseModel(w);
  const int a = Point(w, {-0.4L, 0});
  const int b = Point(w, {0.4L, 0});
  const int ab = Line(w, a, b);
  const int off = Point(w, {0, 0.3L});
  ASSERT_EQ(w.Step(130, {ab, off}), 0);
  EXPECT_EQ(w.tables().last_hypercycle, 0);
  EXPECT_EQ(w.tables().hypercycle_points[0].points.entries[0], off);
  EXPECT_EQ(LastDescription(w), "equidistant curve (hypercycle) (AB,C)");
  EXPECT_EQ(w.history().steps.back().text[0], "");

  ASSERT_EQ(w.Step(138, {a, b, ab, a}, {"AB"}), 0);
  EXPECT_EQ(w.tables().last_horocycle, 0);
  EXPECT_EQ(w.Step(138, {a, b, ab, off}, {"AB"}), engine::kMsgInconsistentData);
  EXPECT_EQ(w.tables().last_horocycle, 0);
  // In a history the failed step keeps its place with a placeholder.
  w.history().steps.push_back(w.history().steps.back());
  w.history().steps.back().operands[3] = static_cast<std::uint16_t>(off);
  w.ReplayConstruction(false);
  EXPECT_EQ(w.tables().last_horocycle, 1);
  EXPECT_FALSE(w.tables().horocycle_points[1].exists);

  // A full hypercycle table refuses a new one.
  w.tables().last_hypercycle = engine::kLastHypCurveLimit;
  EXPECT_EQ(w.Step(130, {ab, off}), engine::kMsgNoMoreRoom);
  EXPECT_EQ(w.tables().last_hypercycle, engine::kLastHypCurveLimit);
}

INSTANTIATE_TEST_SUITE_P(BothModels, HyperbolicLineSteps,
                         ::testing::Values(engine::kPoincareDisk, engine::kUpperHalfPlane), engine_test::ModelName);

TEST_F(LineCircleSteps, CircleByRadiusAndArcs) {
  PlaneWindow w(0);
  const int c = w.FreePoint(1, 1);
  ASSERT_EQ(w.Step(92, {c, 2500, kNone, 0, 0, 0}, {"2"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[w.tables().last_point], (Point2{1, 3}), kTight);
  EXPECT_EQ(w.tables().circles[w.tables().last_circle].count, 1);
  EXPECT_EQ(LastDescription(w), "circle through B center A radius 2" + kPen);
  EXPECT_EQ(w.Step(92, {c, 0, kNone, 0, 0, 0}, {"0"}), engine::kMsgPositiveValue);
  EXPECT_EQ(w.Step(92, {c, 0, kNone, 0, 0, 0}, {"(("}), engine::kMsgCannotUnderstand);

  // Arcs from a centre, start and end: the end must lie on the circle of the start.
  const int a = w.FreePoint(3, 1);
  const int b = w.FreePoint(1, -1);  // a quarter turn clockwise from A
  const int off = w.FreePoint(1, -1.5L);
  ASSERT_EQ(w.Step(93, {c, a, b, 0, 0, 0}), 0);
  EXPECT_REAL_NEAR(w.tables().circles[w.tables().last_circle].arc_angle, -90, 1e-12L);
  w.history().current = &w.history().BeginStep(93);
  kernel::ConstructionRecord& ccw = *w.history().current;
  for (int i = 0; i < 6; ++i) ccw.operands[i] = static_cast<std::uint16_t>(std::vector<int>{c, a, b, 0, 0, 0}[i]);
  ccw.flag = 1;
  ASSERT_EQ(w.RunNewStep(), 0);
  EXPECT_REAL_NEAR(w.tables().circles[w.tables().last_circle].arc_angle, 270, 1e-12L);
  const int circles = w.tables().last_circle;
  EXPECT_EQ(w.Step(93, {c, a, off, 0, 0, 0}), engine::kMsgInconsistentData);
  EXPECT_EQ(w.tables().last_circle, circles);

  // An arc by its angle ends at the turned start.
  ASSERT_EQ(w.Step(94, {c, a, kNone, 0, 0, 0}, {"90"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[w.tables().last_point], (Point2{1, 3}), kTight);
  EXPECT_REAL_NEAR(w.tables().circles[w.tables().last_circle].arc_angle, 90, 0);
}

TEST_F(LineCircleSteps, StoredArcIsACircleFromThreeHundredFiftyNinePointNineDegrees) {
  PlaneWindow w(0);
  const int c = w.FreePoint(0, 0);
  const int a = w.FreePoint(1, 0);
  for (const auto& [angle, word] : {std::pair{359.9L, "circle"}, std::pair{359.89L, "arc"}}) {
    kernel::ConstructionRecord& step = w.history().BeginStep(95);
    const int ops[] = {c, a, kNone, 0, 0, 0};
    for (int i = 0; i < 6; ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
    step.parameters[0] = angle;
    ASSERT_EQ(w.RunNewStep(), 0);
    EXPECT_EQ(LastDescription(w), std::string("AB  = ") + word + "" + kPen);
  }
}

TEST_F(LineCircleSteps, VectorSumStartsAtItsStartPoint) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(2, 1);
  const int c = w.FreePoint(1, 1);
  const int d = w.FreePoint(1, 4);
  const int s = w.FreePoint(-1, -1);
  ASSERT_EQ(w.Step(208, {1, a, b, s}, {"AB"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[w.tables().last_point], (Point2{1, 0}), kTight);
  const kernel::SegmentRecord& segment = w.tables().lines[w.tables().last_line];
  EXPECT_EQ(segment.points.entries[0], s);
  EXPECT_EQ(segment.points.entries[1], w.tables().last_point);
  EXPECT_EQ(LastDescription(w), "EF = vector sum(AB)");

  ASSERT_EQ(w.Step(208, {2, a, b, c, d, s}, {"AB,CD"}), 0);
  EXPECT_POINT_NEAR(w.tables().xy[w.tables().last_point], (Point2{1, 3}), kTight);
  EXPECT_EQ(w.Step(208, {2, a, b, c, 99, s}), engine::kMsgCouldNotFind);
}

}  // namespace

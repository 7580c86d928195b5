// Tangent lines and touching circles: where the tangents touch, when there are none, what they
// list on the circles, and the three touching circles of a triangle with their Soddy circles.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/line_circle_records.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using TangentSteps = IsolatedFolders;

void ExpectAt(const Point2& actual, const Point2& expected, double tolerance = 1e-12) {
  EXPECT_NEAR(static_cast<double>(actual.x), static_cast<double>(expected.x), tolerance);
  EXPECT_NEAR(static_cast<double>(actual.y), static_cast<double>(expected.y), tolerance);
}

// A circle about a new point through a new point; its centre, point and index.
struct Circle {
  int centre;
  int point;
  int index;
};
Circle MakeCircle(PlaneWindow& w, const Point2& centre, const Point2& on) {
  Circle c{w.FreePoint(centre.x, centre.y), w.FreePoint(on.x, on.y), 0};
  EXPECT_EQ(w.Step(91, {c.centre, c.point, -1, 0, 0, 0}), 0);
  c.index = w.tables().last_circle;
  return c;
}

TEST_F(TangentSteps, TangentsFromAPointTouchTheCircleAndAreListedOnIt) {
  PlaneWindow w(0);
  const Circle k = MakeCircle(w, {0, 0}, {1, 0});
  const int p = w.FreePoint(2, 0);
  ASSERT_EQ(w.Step(135, {k.centre, k.point, p, k.index, 0, 0, 0}), 0);
  const Real h = std::sqrt(Real{3}) / 2;
  ExpectAt(w.tables().xy[p + 1], {0.5, h});
  ExpectAt(w.tables().xy[p + 2], {0.5, -h});
  const kernel::CircleRecord& circle = w.tables().circles[k.index];
  ASSERT_EQ(circle.count, 3);
  EXPECT_EQ(circle.points[1], p + 1);
  EXPECT_EQ(circle.points[2], p + 2);
  for (int i = 0; i < 2; ++i) {
    const kernel::SegmentRecord& line = w.tables().lines[w.tables().last_line - 1 + i];
    EXPECT_EQ(line.points.entries[0], p);
    EXPECT_EQ(line.points.entries[1], p + 1 + i);
  }
  EXPECT_TRUE(w.stepText.starts_with("CE,CD tangent to circle AB (")) << w.stepText;

  // From a point on or inside the circle there is no tangent.
  for (const Point2& q : {Point2{0, 1}, Point2{0.2, 0.1}}) {
    const int inside = w.FreePoint(q.x, q.y);
    EXPECT_EQ(w.Step(135, {k.centre, k.point, inside, k.index, 0, 0, 0}), 6);
  }
  // A missing circle.
  EXPECT_EQ(w.Step(135, {k.centre, k.point, p, 500, 0, 0, 0}), 2);
}

TEST_F(TangentSteps, AFullCircleListAndAFullPointTable) {
  PlaneWindow w(0);
  const Circle k = MakeCircle(w, {0, 0}, {1, 0});
  const int p = w.FreePoint(2, 0);
  // A circle that lists 50 points keeps its list; the contacts and their lines are still made.
  kernel::CircleRecord& circle = w.tables().circles[k.index];
  while (circle.count < kernel::kCirclePointCapacity)
    circle.points[circle.count++] = static_cast<std::uint16_t>(k.point);
  ASSERT_EQ(w.Step(135, {k.centre, k.point, p, k.index, 0, 0, 0}), 0);
  EXPECT_EQ(circle.count, kernel::kCirclePointCapacity);
  EXPECT_EQ(w.tables().last_point, p + 2);
  EXPECT_EQ(w.tables().last_line, 1);

  // Room for one more point only: "out of labels", and nothing is left behind by the command.
  const int room = engine::kLastPointLimit - w.tables().last_point - 1;
  ASSERT_TRUE(w.tables().AddPoints(room, 0, false, 0, 0));
  const int last = w.tables().last_point;
  EXPECT_EQ(w.Step(135, {k.centre, k.point, p, k.index, 0, 0, 0}), 116);
  EXPECT_EQ(w.tables().last_point, last);
  EXPECT_EQ(w.Step(137, {k.centre, k.point, k.index, k.centre, k.point, k.index, 0, 0, 0}), 116);
  EXPECT_EQ(w.tables().last_point, last);
}

TEST_F(TangentSteps, TheTangentAtAPointIsAWholeLineAtRightAngles) {
  PlaneWindow w(0);
  const Circle k = MakeCircle(w, {0, 0}, {1, 0});
  ASSERT_EQ(w.Step(136, {k.centre, k.point, k.index, 0, 0, 0}), 0);
  ExpectAt(w.tables().xy[w.tables().last_point], {1, 1});
  const kernel::SegmentRecord& line = w.tables().lines[w.tables().last_line];
  EXPECT_EQ(line.points.entries[0], k.point);
  EXPECT_TRUE(line.extends_first && line.extends_second);
  // A point that the circle does not list.
  const int other = w.FreePoint(0, 1);
  EXPECT_EQ(w.Step(136, {k.centre, other, k.index, 0, 0, 0}), 6);
}

TEST_F(TangentSteps, CommonTangentsOfTwoCircles) {
  PlaneWindow w(0);
  const Circle a = MakeCircle(w, {0, 0}, {1, 0});
  const Circle b = MakeCircle(w, {4, 0}, {5, 0});
  // Outer tangents of equal circles run at y = 1 and y = -1.
  ASSERT_EQ(w.Step(137, {a.centre, a.point, a.index, b.centre, b.point, b.index, 0, 0, 0}), 0);
  const int first = w.tables().last_point - 3;
  ExpectAt(w.tables().xy[first], {0, 1});
  ExpectAt(w.tables().xy[first + 1], {4, 1});
  ExpectAt(w.tables().xy[first + 2], {0, -1});
  ExpectAt(w.tables().xy[first + 3], {4, -1});
  EXPECT_EQ(w.tables().circles[a.index].points[1], first);
  EXPECT_EQ(w.tables().circles[b.index].points[1], first + 1);
  // Inner tangents of overlapping circles do not exist.
  const Circle c = MakeCircle(w, {1, 0}, {2.5, 0});
  kernel::ConstructionRecord& step = w.history().BeginStep(137);
  for (int i : {0, 1, 2, 3, 4, 5}) {
    step.operands[i] =
        static_cast<std::uint16_t>(std::array{a.centre, a.point, a.index, c.centre, c.point, c.index}[i]);
  }
  step.flag = 1;
  EXPECT_EQ(w.RunNewStep(), 10);  // "nothing to show", the kernel's own message
  // Concentric circles have no common tangents of either kind; of nested ones neither kind
  // exists either.
  const Circle concentric = MakeCircle(w, {0, 0}, {2, 0});
  const Circle nested = MakeCircle(w, {0.2, 0}, {2.1, 0});
  for (const Circle& other : {concentric, nested}) {
    for (const std::uint8_t inner : {0, 1}) {
      kernel::ConstructionRecord& tangents = w.history().BeginStep(137);
      const std::array operands{a.centre, a.point, a.index, other.centre, other.point, other.index};
      for (std::size_t i = 0; i < operands.size(); ++i) tangents.operands[i] = static_cast<std::uint16_t>(operands[i]);
      tangents.flag = inner;
      EXPECT_EQ(w.RunNewStep(), 10) << "circle " << other.index << ", inner " << int{inner};
    }
  }
}

TEST_F(TangentSteps, InTheDiskTangentsTouchAtTheRadius) {
  PlaneWindow w(1);
  const engine::GeometryModel& model = w.stepEngine.model;
  const Circle k = MakeCircle(w, {0.1, 0.1}, {0.3, 0.1});
  const int p = w.FreePoint(-0.5, 0.2);
  ASSERT_EQ(w.Step(135, {k.centre, k.point, p, k.index, 0, 0, 0}), 0);
  const Real r = engine::Distance(model, w.tables().xy[k.centre], w.tables().xy[k.point]);
  for (int i = 1; i <= 2; ++i) {
    EXPECT_NEAR(static_cast<double>(engine::Distance(model, w.tables().xy[k.centre], w.tables().xy[p + i])),
                static_cast<double>(r), 1e-9);
  }
  EXPECT_NE(w.tables().line_sides[w.tables().last_line].points[2], (Point2{0, 0}));

  // The tangent at a point of the circle stands at right angles to the radius.
  ASSERT_EQ(w.Step(136, {k.centre, k.point, k.index, 0, 0, 0}), 0);
  const Point2 along = w.tables().xy[w.tables().last_point];
  EXPECT_NEAR(std::fabs(static_cast<double>(
                  engine::AngleAt(model, w.tables().xy[k.centre], w.tables().xy[k.point], along))),
              std::acos(0.0), 1e-9);

  // Outer common tangents touch each circle at its radius.
  const Circle other = MakeCircle(w, {-0.4, -0.3}, {-0.3, -0.3});
  ASSERT_EQ(w.Step(137, {k.centre, k.point, k.index, other.centre, other.point, other.index, 0, 0, 0}), 0);
  const Real otherRadius = engine::Distance(model, w.tables().xy[other.centre], w.tables().xy[other.point]);
  const int first = w.tables().last_point - 3;
  for (int i = 0; i < 2; ++i) {
    EXPECT_NEAR(
        static_cast<double>(engine::Distance(model, w.tables().xy[k.centre], w.tables().xy[first + 2 * i])),
        static_cast<double>(r), 1e-9);
    EXPECT_NEAR(static_cast<double>(
                    engine::Distance(model, w.tables().xy[other.centre], w.tables().xy[first + 2 * i + 1])),
                static_cast<double>(otherRadius), 1e-9);
  }
  // A circle inside another has no common tangents with it: "nothing to show", as in the plane.
  const Circle inside = MakeCircle(w, {0.12, 0.1}, {0.2, 0.1});
  EXPECT_EQ(w.Step(137, {k.centre, k.point, k.index, inside.centre, inside.point, inside.index, 0, 0, 0}), 10);
}

TEST_F(TangentSteps, ThreeUnitCirclesHaveConcentricSoddyCircles) {
  PlaneWindow w(0);
  const Real h = std::sqrt(Real{3});
  for (const Point2& q : {Point2{0, 0}, Point2{2, 0}, Point2{1, h}}) w.FreePoint(q.x, q.y);
  // Kind 133 with operand 3 = 1 goes on into the Soddy circles.
  ASSERT_EQ(w.Step(133, {0, 1, 2, 1, 0, 0, 0}), 0);
  EXPECT_EQ(w.tables().last_point, 2 + 3 + 8);
  EXPECT_EQ(w.tables().last_circle, 3 + 2 - 1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[i]), 1, 1e-15);
    EXPECT_EQ(w.history().steps.back().operands[7 + i], i);
  }
  const Point2 centre{1, h / 3};
  const std::array<double, 2> radii{0.1547005383792515, 2.1547005383792515};
  for (int s = 0; s < 2; ++s) {
    const int soddyCentre = 6 + 4 * s;
    ExpectAt(w.tables().xy[soddyCentre], centre);
    EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[3 + s]), radii[s], 1e-13);
    // Each touching point is listed on the unit circle it touches.
    for (int k = 1; k <= 3; ++k) {
      const int touch = soddyCentre + k;
      bool listed = false;
      for (int c = 0; c < 3; ++c) {
        if (kernel::CirclePointFind(w.tables().circles[c], static_cast<std::uint16_t>(touch)) > 0) {
          listed = true;
          EXPECT_NEAR(static_cast<double>(kernel::Dist2(w.tables().xy[c], w.tables().xy[touch])), 1, 1e-12);
        }
      }
      EXPECT_TRUE(listed) << touch;
    }
  }
  EXPECT_TRUE(w.stepText.starts_with("tangent circles AD, BE, CF (")) << w.stepText;

  // The same circles again, given as circles: nothing to do.
  kernel::ConstructionRecord& step = w.history().BeginStep(127);
  for (int i = 0; i < 3; ++i) step.operands[i] = static_cast<std::uint16_t>(i);
  for (int i = 0; i < 3; ++i) step.operands[7 + i] = static_cast<std::uint16_t>(i);
  for (int i = 4; i < 7; ++i) step.operands[i] = 0;
  step.flag = 1;
  EXPECT_EQ(w.RunNewStep(), 9);

  // Dragging a vertex keeps every object's index.
  const std::int16_t points = w.tables().last_point;
  w.tables().xy[2] = {1.2, 1.9};
  w.ReplayConstruction(true);
  EXPECT_EQ(w.tables().last_point, points);
  EXPECT_EQ(w.tables().last_circle, 4);
}

TEST_F(TangentSteps, SoddyCirclesOfGivenCirclesAndOfATriangleWithAMissingVertex) {
  PlaneWindow w(0);
  // Circles of radii 1, 2 and 3 about a 3-4-5 triangle touch each other.
  const std::array<Point2, 3> c{{{0, 0}, {3, 0}, {0, 4}}};
  for (const Point2& q : c) w.FreePoint(q.x, q.y);
  ASSERT_EQ(w.Step(133, {0, 1, 2, -1, 0, 0, 0}), 0);
  EXPECT_EQ(w.tables().last_circle, 2);
  kernel::ConstructionRecord& step = w.history().BeginStep(127);
  for (int i = 0; i < 3; ++i) step.operands[i] = static_cast<std::uint16_t>(i);
  for (int i = 0; i < 3; ++i) step.operands[7 + i] = static_cast<std::uint16_t>(i);
  for (int i = 4; i < 7; ++i) step.operands[i] = 0;
  step.flag = 1;
  ASSERT_EQ(w.RunNewStep(), 0);
  // Descartes: the inner Soddy circle of radii 1, 2, 3 has curvature 1 + 1/2 + 1/3 + 2 sqrt(11/6 ... ) =
  // 23/6.
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[3]), 6.0 / 23.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[4]), 6.0, 1e-12);
  EXPECT_EQ(w.history().steps.back().operands[10], 2);
  EXPECT_EQ(w.history().steps.back().operands[11], 8);
  EXPECT_TRUE(w.stepText.starts_with("Soddy circles")) << w.stepText;

  EXPECT_EQ(w.Step(133, {0, 1, 50, -1, 0, 0, 0}), 2);
}

TEST_F(TangentSteps, AnOuterSoddyCircleThatFlattensIsTheLineThroughItsTouchingPoints) {
  PlaneWindow w(0);
  // Unit circles about (-1, 0) and (1, 0) and a circle of radius 1/4 about (0, 3/4): all three
  // touch the line y = 1, which takes the outer Soddy circle's place.
  for (const Point2& q : {Point2{-1, 0}, Point2{1, 0}, Point2{0, 0.75}}) w.FreePoint(q.x, q.y);
  ASSERT_EQ(w.Step(133, {0, 1, 2, 1, 0, 0, 0}), 0);
  EXPECT_EQ(w.tables().last_point, 13);
  EXPECT_EQ(w.tables().last_circle, 4);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[3]), 1.0 / 12, 1e-12);
  for (int touch = 11; touch <= 13; ++touch)
    EXPECT_NEAR(static_cast<double>(w.tables().xy[touch].y), 1, 1e-12);
  EXPECT_FALSE(w.tables().PointExists(10));
  EXPECT_EQ(w.tables().circles[4].drawn, 0);
}

TEST_F(TangentSteps, TwoCirclesAndALineHaveSoddyCirclesToo) {
  PlaneWindow w(0);
  // Unit circles about (-1, 1) and (1, 1) touch each other and the x axis (operand 9 = -10): the
  // inner Soddy circle has radius 1/4 about (0, 1/4); the outer one, the line y = 2, meets the
  // axis only at infinity and leaves its four points and its circle as empty places.
  w.FreePoint(-1, 1);
  w.FreePoint(1, 1);
  ASSERT_EQ(w.Step(127, {0, 1, -1, -1, 0, 0, 0, -1, -1, -10, -1, -1, -1, 13}), 0);
  EXPECT_EQ(w.tables().last_point, 1 + 8);
  ExpectAt(w.tables().xy[2], {0, 0.25});
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[0]), 0.25, 1e-12);
  EXPECT_EQ(w.tables().last_circle, 1);
  for (int empty = 6; empty <= 9; ++empty) EXPECT_FALSE(w.tables().PointExists(empty)) << empty;
  EXPECT_FALSE(w.tables().circles[1].exists);
  EXPECT_TRUE(w.stepText.starts_with("Soddy circles CD (")) << w.stepText;
  // A missing line.
  EXPECT_EQ(w.Step(127, {0, 1, -1, -1, 0, 0, 0, -1, -1, 40, -1, -1, -1, 13}), 2);
}

}  // namespace

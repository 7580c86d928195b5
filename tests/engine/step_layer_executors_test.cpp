#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/step_engine.h"
#include "kernel/random.h"
#include "kernel/triangle_solvers.h"
#include "kernel/vector2.h"
#include "step_engine_fixture.h"
#include "support/extended_expect.h"  // IWYU pragma: keep

namespace {

using kernel::Point2;
using kernel::Real;

class ExecutorTest : public engine_test::StepFixture {
 protected:
  // Runs a step as a command does, without committing it: the tables keep what it reserved.
  int Run(int kind, std::vector<int> ops, std::vector<std::string> texts = {}, std::string* out = nullptr) {
    kernel::ConstructionRecord& step = engine.history.BeginStep(static_cast<kernel::StepKind>(kind));
    for (std::size_t i = 0; i < ops.size(); ++i) step.operands[i] = static_cast<std::uint16_t>(ops[i]);
    for (std::size_t i = 0; i < texts.size(); ++i) step.text[i] = texts[i];
    engine.building = 1;
    const int result = engine.RedoStep(out);
    engine.building = 0;
    return result;
  }
  Real Side(int p, int q) const { return kernel::Dist2(engine.tables.xy[p], engine.tables.xy[q]); }
};

TEST_F(ExecutorTest, ThreeSidesThatMakeNoTriangleReserveTheUnit) {
  EXPECT_EQ(Run(53, {-1, -1, -1, 0, 0, 0}, {"3", "4", "8"}), engine::kMsgInconsistentData);
  EXPECT_EQ(engine.tables.last_point, 2);
  EXPECT_EQ(engine.tables.last_line, 2);
  EXPECT_FALSE(engine.tables.PointExists(0));
  EXPECT_EQ(engine.figure_counter, 0);
}

TEST_F(ExecutorTest, ThreeSidesOfAFlatTriangle) {
  std::string out;
  ASSERT_EQ(Run(53, {-1, -1, -1, 1, 0, 2}, {"3", "4", "7"}, &out), 0);
  const Point2 u{std::cos(1.0L), std::sin(1.0L)};
  EXPECT_REAL_NEAR(engine.tables.xy[0].x, 4 * u.x, 1e-15L);
  EXPECT_REAL_NEAR(engine.tables.xy[1].y, u.y, 1e-15L);
  EXPECT_REAL_NEAR(engine.tables.xy[2].x, -3 * u.x, 1e-15L);
  EXPECT_EQ(engine.current()->operands[20], kernel::kNotFlat);
  EXPECT_EQ(out, "ABC = SSS(3,4,7) (" + engine.RgbText(2) + ", thickness 1, style dot-dash)");
  EXPECT_EQ(engine.tables.attrs[0].tag, 1);
  EXPECT_EQ(engine.tables.lines[2].pen.style, 3);
}

TEST_F(ExecutorTest, TriangleDataRefusals) {
  const struct {
    int kind;
    std::vector<std::string> texts;
    int result;
  } cases[] = {
      {51, {"100", "5", "80"}, engine::kMsgOutOfBounds},
      {51, {"45", "5", "60"}, 0},
      {53, {"3", "x", "5"}, engine::kMsgCannotUnderstand},
      {53, {"3", "0", "5"}, engine::kMsgPositiveValue},
      {52, {"3", "0", "5"}, 0},  // side, angle 0, side: a flat triangle
      {67, {"5", "", "3"}, 0},   // hypotenuse and leg
      {67, {"3", "", "5"}, engine::kMsgInconsistentData},
      {50, {"60", "60", "60"}, engine::kMsgInconsistentData},
  };
  for (const auto& c : cases) {
    engine.tables.ResetForReplay();
    EXPECT_EQ(Run(c.kind, {-1, -1, -1, 0, 0, 0}, c.texts), c.result) << c.kind << " " << c.texts[0];
    EXPECT_EQ(engine.tables.last_point, 2);
  }
  // The hypotenuse-leg triangle is right-angled at its third vertex.
  engine.tables.ResetForReplay();
  ASSERT_EQ(Run(67, {-1, -1, -1, 0, 0, 0}, {"5", "", "3"}), 0);
  EXPECT_REAL_NEAR(Side(0, 1), 5, 1e-15L);
  EXPECT_REAL_NEAR(Side(1, 2), 4, 1e-15L);
  EXPECT_REAL_NEAR(Side(0, 2), 3, 1e-15L);
}

TEST_F(ExecutorTest, SpecialQuadrilaterals) {
  engine.view_centre = {0, 0};
  engine.half_width = engine.half_height = 5;
  kernel::SeedRandom(7);
  ASSERT_EQ(Run(56, {-1, -1, -1, 0, 0, 0}, {"5", "60", "8"}), 0);
  const Point2 p = engine.tables.xy[0];
  EXPECT_GT(p.x, -2);
  EXPECT_LT(p.x, -1);
  EXPECT_REAL_NEAR(engine.tables.xy[2].x - p.x, 9, 1e-15L);
  EXPECT_REAL_NEAR(engine.tables.xy[2].y - p.y, 4 * std::sqrt(3.0L), 1e-15L);
  EXPECT_EQ(engine.tables.last_line, 3);
  EXPECT_EQ(Run(58, {-1, -1, -1, 0, 0, 0}, {"5", "0", "8"}), engine::kMsgPositiveValue);
  EXPECT_EQ(Run(63, {-1, -1, -1, 0, 0, 0}, {"5", "180", "8"}), engine::kMsgOutOfBounds);
}

TEST_F(ExecutorTest, CirclesNeedRoomAndTheirPoints) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(3, 4);
  std::string out;
  ASSERT_EQ(Run(91, {a, b, -1, 0, 0, -1}, {}, &out), 0);
  EXPECT_EQ(out, "AB = circle (" + engine.RgbText(1) + ", thickness 1, style solid)");
  EXPECT_REAL_NEAR(engine.tables.circle_radius[0], 5, 1e-18L);
  EXPECT_EQ(engine.tables.circles[0].pen.width, 1);
  EXPECT_EQ(Run(91, {a, 7, -1, 0, 0, 0}), engine::kMsgCouldNotFind);
  EXPECT_EQ(engine.tables.last_circle, 1);  // reserved
  EXPECT_EQ(engine.tables.circles[1].exists, 0);
  engine.tables.last_circle = engine::kLastCircleLimit;
  EXPECT_EQ(Run(91, {a, b, -1, 0, 0, 0}), engine::kMsgNoMoreRoom);
  EXPECT_EQ(engine.tables.last_circle, engine::kLastCircleLimit);
}

TEST_F(ExecutorTest, SegmentsLinesRaysAndTheirEnds) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(1, 0);
  const int kinds[] = {111, 116, 117};
  for (int kind : kinds) ASSERT_EQ(Run(kind, {a, b, -1, 0, 0, 0}), 0);
  EXPECT_EQ(engine.tables.lines[0].extends_first + engine.tables.lines[0].extends_second, 0);
  EXPECT_EQ(engine.tables.lines[1].extends_first + engine.tables.lines[1].extends_second, 2);
  EXPECT_EQ(engine.tables.lines[2].extends_first, 1);
  EXPECT_EQ(engine.tables.lines[2].extends_second, 0);
  std::string out;
  ASSERT_EQ(Run(112, {-1, 0}, {}, &out), 0);
  EXPECT_EQ(engine.tables.lines[0].extends_second, 1);
  EXPECT_EQ(out, " BA");  // "extend" is no word of the test table
  EXPECT_EQ(Run(112, {1, 9}), engine::kMsgNoSuchLine);
  EXPECT_EQ(Run(111, {a, 5, -1, 0, 0, 0}), engine::kMsgCouldNotFind);
  EXPECT_EQ(engine.tables.last_line, 3);
}

TEST_F(ExecutorTest, DeletionsCountWhatExisted) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(1, 0);
  Run(111, {a, b, -1, 0, 0, 0});
  Run(111, {b, a, -1, 0, 0, 0});
  std::string out;
  EXPECT_EQ(Run(142, {a, b, 0, b, a, 1}, {}, &out), 2);
  EXPECT_EQ(out, "line deletion: AB BA ");
  EXPECT_EQ(Run(142, {a, b, 0}), 0);
  EXPECT_EQ(engine.tables.lines[1].exists, 0);
  // The names are kept to 40 characters.
  const int p = engine.tables.last_point + 1;
  engine.AddPoint({0, 0}, 0, 52);  // A_1
  engine.AddPoint({0, 0}, 0, 53);  // B_1
  std::vector<int> ops;
  for (int i = 0; i < 13; ++i) ops.insert(ops.end(), {p, p + 1, 0});
  Run(142, ops);
  EXPECT_EQ(engine.current()->text[0], "A_1B_1 A_1B_1 A_1B_1 A_1B_1 A_1B_1 A_1B_");
}

TEST_F(ExecutorTest, AttributesOfLines) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(1, 0);
  Run(111, {a, b, -1, 0, 0, 0});
  kernel::ConstructionRecord& step = engine.history.BeginStep(160, 1, 5, 2, 3, 0);
  step.flag = 1;
  engine.RedoStep(nullptr);
  EXPECT_EQ(engine.tables.lines[0].pen.colour, 5);
  EXPECT_EQ(engine.tables.lines[0].pen.width, 3);
  EXPECT_EQ(engine.tables.lines[0].pen.style, 2);
  EXPECT_EQ(Run(160, {38, 1, 1, 1}), engine::kMsgCannotUnderstand);
}

TEST_F(ExecutorTest, MovablePointsOnSegmentsCirclesAndPolygons) {
  const int a = FreePoint(0, 0);
  const int b = FreePoint(4, 0);
  Run(111, {a, b, -1, 0, 0, 0});
  engine.tables.attrs[2].value = 0.25L;
  ASSERT_EQ(Run(201, {a, b, 0}), 0);
  EXPECT_REAL_NEAR(engine.tables.xy[2].x, 1, 1e-18L);
  EXPECT_EQ(engine.tables.attrs[2].words[0], 0);
  EXPECT_EQ(engine.tables.attrs[2].value, 0.25L);
  EXPECT_EQ(Run(201, {a, b, 3}), engine::kMsgCouldNotFind);
  EXPECT_FALSE(engine.tables.PointExists(3));

  std::vector<int> ops(25, a);
  ops.push_back(-1);
  EXPECT_EQ(Run(204, ops), engine::kMsgOutOfBounds);
  const int c = FreePoint(4, 4);
  engine.tables.attrs[engine.tables.last_point + 1].value = 1.5L;
  ASSERT_EQ(Run(204, {a, b, c, a, -1}, {"ABCA"}), 0);
  EXPECT_EQ(engine.current()->text[0], "ABF");
  EXPECT_EQ(engine.current()->operands[3], kernel::kNoOperand);
  EXPECT_REAL_NEAR(engine.tables.xy[engine.tables.last_point].x, 4, 1e-15L);
  EXPECT_REAL_NEAR(engine.tables.xy[engine.tables.last_point].y, (2 * 4 + std::sqrt(32.0L)) * 0.5L - 4, 1e-15L);
}

TEST_F(ExecutorTest, RingOfSixEuclideanCircles) {
  std::string out;
  kernel::SeedRandom(3);
  ASSERT_EQ(Run(169, {6, 1, 19, 7, 0, 0, 0}, {"1"}, &out), 0);
  EXPECT_EQ(engine.tables.last_point, 18);
  EXPECT_EQ(engine.tables.last_circle, 6);
  const Point2 o = engine.tables.xy[0];
  for (int k = 1; k <= 6; ++k) {
    EXPECT_REAL_NEAR(kernel::Dist2(o, engine.tables.xy[6 + k]), 2, 1e-15L);
    EXPECT_REAL_NEAR(kernel::Dist2(o, engine.tables.xy[12 + k]), std::sqrt(3.0L), 1e-15L);
    EXPECT_REAL_NEAR(engine.tables.circle_radius[k], 1, 1e-15L);
  }
  EXPECT_REAL_NEAR(kernel::Dist2(engine.tables.xy[7], engine.tables.xy[8]), 2, 1e-15L);
  EXPECT_EQ(engine.tables.circles[0].count, 6);
  EXPECT_EQ(engine.tables.circles[1].points[2], 18);  // the first outer circle touches the last
  EXPECT_EQ(out, "AB(HN,...,MS) = ring of circles (6,1)");
  EXPECT_EQ(engine.randomize_allowed, 1);
}

TEST_F(ExecutorTest, ChainOfOneCircleAndUntrustedCounts) {
  ASSERT_EQ(Run(169, {1, 0, 3, 2, 0, 0, 0}, {"1", "0.5"}), 0);
  EXPECT_EQ(engine.tables.last_point, 2);
  EXPECT_EQ(engine.tables.circles[1].count, 1);
  EXPECT_EQ(engine.tables.circles[1].points[0], 1);
  EXPECT_EQ(Run(169, {2, 1, 7, 3, 0, 0, 0}, {"1"}), engine::kMsgInconsistentData);  // a ring needs 3
  EXPECT_EQ(Run(169, {60, 0, 180, 61, 0, 0, 0}, {"1", "1"}), engine::kMsgInconsistentData);
  EXPECT_EQ(Run(169, {3, 0, 8, 4, 0, 0, 0}, {"1", "1"}), engine::kMsgInconsistentData);  // 9 points
  EXPECT_EQ(engine.tables.last_point, 2);
}

TEST_F(ExecutorTest, HyperbolicRings) {
  engine.model = engine::kPoincareDisk;
  EXPECT_EQ(Run(169, {7, 1, 22, 8, 0, 0, 0}, {"1"}), engine::kMsgInconsistentData);
  EXPECT_EQ(engine.tables.last_point, 21);
  EXPECT_EQ(engine.tables.last_circle, 7);
  engine.tables.ResetForReplay();
  ASSERT_EQ(Run(169, {7, 2, 22, 8, 0, 0, 0}, {"9"}), 0);
  EXPECT_EQ(engine.current()->text[0], "0.54527483175354");
  const Real r = 0.54527483175354L;
  for (int k = 0; k <= 7; ++k) {
    EXPECT_REAL_NEAR(engine.tables.circle_radius[k], r, 1e-12L) << k;
  }
}

}  // namespace

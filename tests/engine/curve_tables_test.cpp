// Finding curves by their points and listing new points on them: the order along a line (also
// along a hyperbolic arc and in a 3-D window), the 50-point limit, the early refusals of the
// searches, the arc-angle window of circles and the triangle of a step.
#include "engine/curve_tables.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "kernel/line_circle_records.h"

namespace {

using engine::FigureTables;
using kernel::Point2;

// Points at the given places, all existing, labelled in order (A, B, C, ...).
void PlacePoints(FigureTables& t, const std::vector<Point2>& places) {
  for (const Point2& p : places) {
    const int i = ++t.last_point;
    t.xy[i] = p;
    t.exists[i] = 1;
    t.names[i].label = static_cast<std::uint16_t>(i);
    t.label_map[i] = static_cast<std::int16_t>(i);
  }
}

int AddLine(FigureTables& t, int a, int b) {
  kernel::InitSegmentRecord(t.lines[++t.last_line], static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b), 0,
                            1, 0);
  return t.last_line;
}

std::vector<int> Listed(const kernel::IndexList& list) {
  return std::vector<int>(list.entries.begin(), list.entries.begin() + list.count);
}

TEST(CurveTables, PointsGoInOrderAlongALine) {
  FigureTables t;
  // A, B on the line; C beyond B; D between; E with B's projection, each added to [A, B].
  PlacePoints(t, {{0, 0}, {2, 0}, {3, 1}, {1, -1}, {2, 5}});
  const std::vector<int> expected[] = {{0, 1, 2}, {0, 3, 1}, {0, 1, 4}};
  for (int p = 2; p <= 4; ++p) {
    const int l = AddLine(t, 0, 1);
    ASSERT_TRUE(engine::AddPointToLine(t, engine::kEuclideanPlane, 2, p, l));
    EXPECT_EQ(Listed(t.lines[l].points), expected[p - 2]);
  }
  // The ends order the list: after C the line runs from A to C.
  const int l = AddLine(t, 0, 1);
  engine::AddPointToLine(t, engine::kEuclideanPlane, 2, 2, l);
  engine::AddPointToLine(t, engine::kEuclideanPlane, 2, 3, l);
  EXPECT_EQ(Listed(t.lines[l].points), (std::vector<int>{0, 3, 1, 2}));

  // In a 3-D window a new point goes right after the first.
  const int m = AddLine(t, 0, 1);
  engine::AddPointToLine(t, engine::kEuclideanPlane, 2, 2, m);
  ASSERT_TRUE(engine::AddPointToLine(t, engine::kEuclideanPlane, 3, 4, m));
  EXPECT_EQ(Listed(t.lines[m].points), (std::vector<int>{0, 4, 1, 2}));
}

TEST(CurveTables, PointsGoInOrderAlongAHyperbolicArc) {
  FigureTables t;
  // Three points of the geodesic through (0.6, 0.2) and (0.2, 0.6), whose circle has its centre at
  // (0.875, 0.875): the middle one on the diagonal.
  const Point2 middle{0.875L - 0.5153882032022076L, 0.875L - 0.5153882032022076L};
  PlacePoints(t, {{0.6L, 0.2L}, {0.2L, 0.6L}, middle});
  const int l = AddLine(t, 0, 1);
  engine::GeodesicEnds ends{};
  bool straight = false;
  engine::Geodesic(engine::kPoincareDisk, t.xy[0], t.xy[1], ends, straight);
  t.line_sides[l].shape = 0;
  t.line_sides[l].points = ends;
  ASSERT_TRUE(engine::AddPointToLine(t, engine::kPoincareDisk, 2, 2, l));
  EXPECT_EQ(Listed(t.lines[l].points), (std::vector<int>{0, 2, 1}));
}

TEST(CurveTables, FullOrMissingCurvesTakeNoPoint) {
  FigureTables t;
  PlacePoints(t, {{0, 0}, {1, 0}, {2, 0}});
  const int l = AddLine(t, 0, 1);
  t.lines[l].points.count = engine::kCurvePointLimit;
  EXPECT_FALSE(engine::AddPointToLine(t, engine::kEuclideanPlane, 2, 2, l));
  EXPECT_FALSE(engine::AddPointToLine(t, engine::kEuclideanPlane, 2, 2, l + 1));  // does not exist

  kernel::InitCircleRecord(t.circles[++t.last_circle], 0, 1, 360, -1, -1);
  t.circles[0].count = engine::kCurvePointLimit;
  EXPECT_FALSE(engine::AddPointToCircle(t, 2, 0));
  t.circles[0].count = 1;
  EXPECT_TRUE(engine::AddPointToCircle(t, 2, 0));
  EXPECT_EQ(t.circles[0].points[1], 2);
  EXPECT_FALSE(engine::AddPointToCircle(t, 2, -1));

  t.last_hypercycle = 0;
  t.hypercycle_points[0].exists = 1;
  t.hypercycle_points[0].points.count = engine::kCurvePointLimit;
  EXPECT_FALSE(engine::AddPointToHypercycle(t, 2, 0));
  t.last_horocycle = 0;
  t.horocycle_points[0].exists = 1;
  EXPECT_TRUE(engine::AddPointToHorocycle(t, 2, 0));
  t.horocycle_points[0].points.count = engine::kCurvePointLimit;
  EXPECT_FALSE(engine::AddPointToHorocycle(t, 1, 0));
}

TEST(CurveTables, SearchesFindTheFirstMatch) {
  FigureTables t;
  PlacePoints(t, {{0, 0}, {3, 4}, {6, 8}, {-3, 4}});
  AddLine(t, 0, 1);
  const int l = AddLine(t, 1, 2);
  EXPECT_EQ(engine::FindLineThrough(t, 1, 2), l);
  EXPECT_EQ(engine::FindLineThrough(t, 2, 1), l);
  EXPECT_EQ(engine::FindLineThrough(t, 1, 1), -1);
  EXPECT_EQ(engine::FindLineThrough(t, -1, 1), -1);
  EXPECT_EQ(engine::FindLineThrough(t, 0, 2), -1);

  // Circles about A through B: arcs of 90.5 and 90.4 degrees.
  for (const kernel::Real angle : {90.5L, 90.4L}) {
    kernel::InitCircleRecord(t.circles[++t.last_circle], 0, 1, angle, -1, -1);
    t.circle_radius[t.last_circle] = 5;
  }
  EXPECT_EQ(engine::FindCircle(t, 0, 1, -1), 0);
  EXPECT_EQ(engine::FindCircle(t, 0, 1, 90), 1);
  EXPECT_EQ(engine::FindCircle(t, 0, 3, -1), -1);
  EXPECT_EQ(engine::FindEqualCircle(t, engine::kEuclideanPlane, {0, 0}, {-3, 4}), 0);
  EXPECT_EQ(engine::FindEqualCircle(t, engine::kEuclideanPlane, {0, 0}, {6, 8}), -1);

  // Hypercycles and horocycles by the line their side record names.
  t.last_hypercycle = 1;
  for (int i = 0; i < 2; ++i) {
    t.hypercycle_points[i].exists = 1;
    t.hypercycle_points[i].points.count = 1;
    t.hypercycle_points[i].points.entries[0] = 3;
    t.hypercycles[i].owner = static_cast<std::uint16_t>(i);
  }
  EXPECT_EQ(engine::FindHypercycleThrough(t, 1, 3), 1);
  EXPECT_EQ(engine::FindHypercycleThrough(t, 1, 2), -1);
  EXPECT_EQ(engine::FindHypercycleThrough(t, 2, 3), -1);  // no such line
  EXPECT_EQ(engine::FindHorocycleThrough(t, 0, 3), -1);
}

TEST(CurveTables, TheTriangleOfAStep) {
  FigureTables t;
  PlacePoints(t, {{0, 0}, {1, 0}, {0, 1}});
  t.exists[1] = 0;
  struct Case {
    int a, b, c;
    int code;
    std::string names;
  };
  const Case cases[] = {{0, 2, 2, engine::kMsgDuplicateLabel, "ACC"},
                        {0, 1, 2, engine::kMsgCouldNotFind, "A"},
                        {2, 0, 1, engine::kMsgCouldNotFind, "CA"}};
  for (const Case& c : cases) {
    kernel::ConstructionRecord step;
    step.operands[0] = static_cast<std::uint16_t>(c.a);
    step.operands[1] = static_cast<std::uint16_t>(c.b);
    step.operands[2] = static_cast<std::uint16_t>(c.c);
    std::array<int, 3> vertices{};
    std::string text = "old";
    int tag = 7;
    EXPECT_EQ(engine::StepTriangle(t, step, vertices, text, tag), c.code);
    EXPECT_EQ(text, c.names);
  }
  t.exists[1] = 1;
  for (int i = 0; i < 3; ++i) t.attrs[i].tag = 4;
  kernel::ConstructionRecord step;
  step.operands[0] = 0;
  step.operands[1] = 1;
  step.operands[2] = 2;
  std::array<int, 3> vertices{};
  std::string text;
  int tag = 0;
  EXPECT_EQ(engine::StepTriangle(t, step, vertices, text, tag), 0);
  EXPECT_EQ(vertices, (std::array<int, 3>{0, 1, 2}));
  EXPECT_EQ(tag, 4);
}

}  // namespace

// Which lines and circles a click hits: the square box of the Euclidean line test against the
// taxicab test of hyperbolic lines, the drawn part of segments and rays, the open and closed ends
// of arcs, the two lowest indices near a crossing, and the points that define objects.
#include "engine/mouse_hits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "kernel/line_circle_records.h"

namespace {

using engine::FigureTables;
using kernel::Point2;
using kernel::Real;

constexpr Real kTolerance = 0.05L;  // five pixels of 0.01

void PlaceHitPoints(FigureTables& t, const std::vector<Point2>& places) {
  for (const Point2& p : places) {
    const int i = ++t.last_point;
    t.xy[i] = p;
    t.exists[i] = 1;
    t.names[i].label = static_cast<std::uint16_t>(i);
    t.label_map[i] = static_cast<std::int16_t>(i);
  }
}

int AddHitLine(FigureTables& t, int a, int b, bool beyondLast = false, bool beforeFirst = false) {
  kernel::SegmentRecord& r = t.lines[++t.last_line];
  kernel::InitSegmentRecord(r, static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b), 0, 1, 0);
  r.extends_first = beyondLast ? 1 : 0;
  r.extends_second = beforeFirst ? 1 : 0;
  return t.last_line;
}

int AddCircle(FigureTables& t, int centre, int on, Real degrees) {
  kernel::InitCircleRecord(t.circles[++t.last_circle], static_cast<std::uint16_t>(centre),
                           static_cast<std::int16_t>(on), degrees, -1, -1);
  return t.last_circle;
}

TEST(MouseHits, EuclideanLinesHitInASquareBoxOnTheirDrawnPart) {
  FigureTables t;
  PlaceHitPoints(t, {{0, 0}, {1, 0}, {0, 1}, {1, 1}});
  const int segment = AddHitLine(t, 0, 1);
  struct Case {
    Point2 click;
    bool beyondLast;
    bool hits;
    Real parameter;
  } cases[] = {
      {{0.5L, 0.04L}, false, true, 0.5L},   // four pixels off the middle
      {{1.04L, 0.04L}, false, false, 0},    // beside the segment and beyond its end
      {{1.04L, 0.04L}, true, true, 1.04L},  // ... which a ray reaches
      {{0.5L, 0.06L}, false, false, 0},     // six pixels off
  };
  for (const Case& c : cases) {
    t.lines[segment].extends_first = c.beyondLast ? 1 : 0;
    const engine::ObjectsAtClick at = engine::FindLinesAt(t, engine::kEuclideanPlane, c.click, kTolerance);
    EXPECT_EQ(at.Any(), c.hits) << c.click.x << "," << c.click.y;
    if (c.hits) {
      EXPECT_NEAR(static_cast<double>(at.parameter), static_cast<double>(c.parameter), 1e-12);
      EXPECT_NEAR(static_cast<double>(at.snapped.y), 0.0, 1e-15);  // moved onto the line
    }
  }
  // A diagonal line hit at four pixels in x and y: inside the box, though farther than five pixels.
  PlaceHitPoints(t, {{0, 2}, {1, 3}});
  FigureTables diagonal = t;
  diagonal.last_line = -1;
  AddHitLine(diagonal, 4, 5);
  EXPECT_TRUE(engine::FindLinesAt(diagonal, engine::kEuclideanPlane, {0.5L + 0.04L, 2.5L - 0.04L}, kTolerance).Any());
}

TEST(MouseHits, ACrossingOfThreeLinesGivesTheTwoLowestIndices) {
  FigureTables t;
  PlaceHitPoints(t, {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, 1}});
  AddHitLine(t, 0, 1);
  AddHitLine(t, 2, 3);
  AddHitLine(t, 4, 5);
  const engine::ObjectsAtClick at = engine::FindLinesAt(t, engine::kEuclideanPlane, {0.01L, 0.01L}, kTolerance);
  EXPECT_EQ(at.first, 0);
  EXPECT_EQ(at.second, 1);
  const engine::ObjectsAtClick none = engine::FindLinesAt(t, engine::kEuclideanPlane, {0.5L, -0.5L}, kTolerance);
  EXPECT_EQ(none.first, -1);
  EXPECT_EQ(none.second, -1);
}

TEST(MouseHits, ArcsExcludeTheirEndsInThePlaneAndIncludeThemInTheDisk) {
  FigureTables t;
  PlaceHitPoints(t, {{0, 0}, {1, 0}, {0, 0.000000000000000001L}});
  AddCircle(t, 0, 1, 360);
  // Exactly at the first point the fraction is 0: no hit in the plane.
  EXPECT_FALSE(engine::FindCirclesAt(t, engine::kEuclideanPlane, {1, 0}, kTolerance).Any());
  const engine::ObjectsAtClick quarter = engine::FindCirclesAt(t, engine::kEuclideanPlane, {0, 1.02L}, kTolerance);
  ASSERT_TRUE(quarter.Any());
  EXPECT_NEAR(static_cast<double>(quarter.parameter), 0.25, 1e-15);
  EXPECT_NEAR(static_cast<double>(quarter.snapped.y), 1.0, 1e-15);
  // A half arc going clockwise: the upper half is not on it.
  t.circles[0].arc_angle = -180;
  EXPECT_FALSE(engine::FindCirclesAt(t, engine::kEuclideanPlane, {0, 1}, kTolerance).Any());
  EXPECT_TRUE(engine::FindCirclesAt(t, engine::kEuclideanPlane, {0, -1}, kTolerance).Any());
  // Nothing hit: the parameter is one half.
  EXPECT_EQ(engine::FindCirclesAt(t, engine::kEuclideanPlane, {3, 3}, kTolerance).parameter, 0.5L);

  // In the disk the first point itself is on the circle.
  FigureTables disk;
  PlaceHitPoints(disk, {{0, 0}, {0.5L, 0}});
  AddCircle(disk, 0, 1, 360);
  EXPECT_TRUE(engine::FindCirclesAt(disk, engine::kPoincareDisk, {0.5L, 0}, kTolerance).Any());

  // A degenerate circle is never hit.
  FigureTables dot;
  PlaceHitPoints(dot, {{0, 0}, {0, 1e-17L}});
  AddCircle(dot, 0, 1, 360);
  EXPECT_FALSE(engine::FindCirclesAt(dot, engine::kEuclideanPlane, {0, 0}, kTolerance).Any());
}

TEST(MouseHits, HyperbolicLinesUseTheTaxicabDistanceAndTheirDrawnPart) {
  FigureTables t;
  PlaceHitPoints(t, {{-0.4L, -0.4L}, {0.4L, 0.4L}});
  const int l = AddHitLine(t, 0, 1);
  engine::GeodesicEnds ends{};
  bool straight = false;
  engine::Geodesic(engine::kPoincareDisk, t.xy[0], t.xy[1], ends, straight);
  t.line_sides[l].shape = straight ? 1 : 0;
  t.line_sides[l].points = ends;
  // Three pixels off the diagonal diameter along both axes: inside the box of the plane test,
  // six pixels by the taxicab.
  EXPECT_TRUE(engine::FindLinesAt(t, engine::kEuclideanPlane, {0.23L, 0.17L}, kTolerance).Any());
  EXPECT_FALSE(engine::FindLinesAt(t, engine::kPoincareDisk, {0.23L, 0.17L}, kTolerance).Any());
  const engine::ObjectsAtClick near = engine::FindLinesAt(t, engine::kPoincareDisk, {0.21L, 0.19L}, kTolerance);
  ASSERT_TRUE(near.Any());
  // The parameter is the ratio of hyperbolic distances from A.
  const Real expected = engine::HyperbolicDistance(engine::kPoincareDisk, t.xy[0], near.snapped) /
                        engine::HyperbolicDistance(engine::kPoincareDisk, t.xy[0], t.xy[1]);
  EXPECT_NEAR(static_cast<double>(near.parameter), static_cast<double>(expected), 1e-12);
  // Beyond B only when the line goes on there.
  EXPECT_FALSE(engine::FindLinesAt(t, engine::kPoincareDisk, {0.61L, 0.6L}, kTolerance).Any());
  EXPECT_EQ(engine::SegmentSide(t, engine::kPoincareDisk, l, {0.6L, 0.6L}), 1);
  EXPECT_EQ(engine::SegmentSide(t, engine::kPoincareDisk, l, {-0.6L, -0.6L}), -1);
  t.lines[l].extends_first = 1;
  EXPECT_TRUE(engine::FindLinesAt(t, engine::kPoincareDisk, {0.61L, 0.6L}, kTolerance).Any());
}

TEST(MouseHits, PointsThatDefineObjects) {
  FigureTables t;
  PlaceHitPoints(t, {{0, 0}, {1, 0}, {2, 0}, {3, 3}, {4, 4}, {5, 5}});
  AddHitLine(t, 0, 1);
  const int longer = AddHitLine(t, 3, 4);
  t.lines[longer].points.count = 3;
  t.lines[longer].points.entries[2] = 5;
  AddCircle(t, 2, 1, 360);
  EXPECT_EQ(engine::FindObjectOfPoint(t, 2), engine::kMsgDefinesCircle);  // a centre
  EXPECT_EQ(engine::FindObjectOfPoint(t, 1), engine::kMsgDefinesCircle);  // the only point on it
  EXPECT_EQ(engine::FindObjectOfPoint(t, 0), engine::kMsgDefinesLine);
  EXPECT_EQ(engine::FindObjectOfPoint(t, 3), 0);  // one of three on a line
  EXPECT_FALSE(engine::IsDistinctFromList(t, "AB", {1, 0}));
  EXPECT_TRUE(engine::IsDistinctFromList(t, "AB", {1, 1e-12L}));
}

}  // namespace

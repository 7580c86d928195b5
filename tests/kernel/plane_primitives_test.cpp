#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

using namespace kernel;

namespace {

constexpr Real kPrimitiveClose = static_cast<Real>(1e-15);

void ExpectPrimitiveNear(const Point2& actual, const Point2& expected) {
  EXPECT_NEAR(actual.x, expected.x, kPrimitiveClose);
  EXPECT_NEAR(actual.y, expected.y, kPrimitiveClose);
}

TEST(PlanePrimitives, ProjectionGivesFootParameterAndDistances) {
  Point2 foot;
  Real t = 0;
  ASSERT_TRUE(ProjectOnLine2({1, 1}, {0, 0}, {2, 0}, foot, t));
  EXPECT_EQ(foot, (Point2{1, 0}));
  EXPECT_EQ(t, static_cast<Real>(0.5));

  Point2 untouched{7, 7};
  Real t_untouched = 7;
  EXPECT_FALSE(ProjectOnLine2({1, 1}, {2, 0}, {2, 0}, untouched, t_untouched));
  EXPECT_EQ(untouched, (Point2{7, 7}));
  EXPECT_EQ(t_untouched, 7);

  Real h = 0;
  Real along = 0;
  ASSERT_TRUE(FootAndDistances2({1, 3}, {0, 0}, {4, 0}, foot, h, along, t));
  EXPECT_EQ(foot, (Point2{1, 0}));
  EXPECT_EQ(h, 3);
  EXPECT_EQ(along, 1);
  EXPECT_EQ(t, static_cast<Real>(0.25));
  EXPECT_FALSE(FootOnLine2({1, 3}, {1, 1}, {1, 1}, foot));
}

TEST(PlanePrimitives, RotationAboutACentre) {
  Point2 p{2, 1};
  RotateAbout2({1, 1}, 0, 1, p);
  EXPECT_EQ(p, (Point2{1, 2}));
}

TEST(PlanePrimitives, SignedAngleIsOrientedAndZeroForADegenerateArm) {
  struct Case {
    Point2 a, v, b;
    Real expected;
  };
  const Case cases[] = {
      {{1, 0}, {0, 0}, {0, 1}, Pi / 2},  {{1, 0}, {0, 0}, {0, -1}, -Pi / 2}, {{1, 0}, {0, 0}, {-1, 0}, Pi},
      {{0, 0}, {0, 0}, {0, 1}, 0},       {{1, 0}, {0, 0}, {5, 0}, 0},         {{2, 1}, {1, 1}, {0, 2}, 3 * Pi / 4},
      {{2, 1}, {1, 1}, {0, 0}, -3 * Pi / 4},
  };
  for (const Case& c : cases) EXPECT_NEAR(SignedAngle2(c.a, c.v, c.b), c.expected, kPrimitiveClose);
}

TEST(PlanePrimitives, CircumcentreOfARightTriangleAndOfCollinearPoints) {
  Point2 centre{5, 5};
  ASSERT_TRUE(Circumcenter2({0, 0}, {2, 0}, {0, 2}, centre));
  ExpectPrimitiveNear(centre, {1, 1});
  ASSERT_TRUE(Circumcenter2({3, 1}, {5, 1}, {3, 3}, centre));
  ExpectPrimitiveNear(centre, {4, 2});
  EXPECT_FALSE(Circumcenter2({0, 0}, {1, 1}, {3, 3}, centre));
  EXPECT_EQ(centre, Point2{});
}

TEST(PlanePrimitives, PointInTriangleCountsEdgesAbAndBcButNotCa) {
  // The same rule for a counter-clockwise and a clockwise triangle.
  struct Triangle {
    Point2 a, b, c;
  };
  const Triangle triangles[] = {{{0, 0}, {1, 0}, {0, 1}}, {{0, 0}, {0, 1}, {1, 0}}};
  for (const Triangle& t : triangles) {
    const auto inside = [&](const Point2& p) { return PointInTriangle2(t.a, t.b, t.c, p); };
    EXPECT_TRUE(inside(Midpoint2(t.a, t.b)));
    EXPECT_TRUE(inside(Midpoint2(t.b, t.c)));
    EXPECT_FALSE(inside(Midpoint2(t.c, t.a)));
    EXPECT_TRUE(inside(t.b));
    EXPECT_FALSE(inside(t.a));
    EXPECT_FALSE(inside(t.c));
    EXPECT_TRUE(inside({static_cast<Real>(0.25), static_cast<Real>(0.25)}));
    EXPECT_FALSE(inside({1, 1}));
    EXPECT_FALSE(inside({-static_cast<Real>(0.1), static_cast<Real>(0.5)}));
  }
  // Collinear vertices contain nothing, not even their own points.
  EXPECT_FALSE(PointInTriangle2({0, 0}, {1, 0}, {2, 0}, {1, 0}));
  EXPECT_FALSE(PointInTriangle2({0, 0}, {1, 0}, {2, 0}, {static_cast<Real>(0.5), 0}));
}

TEST(PlanePrimitives, PolygonCentroidLeavesTheVerticesTranslated) {
  std::vector<Point2> square = {{2, 2}, {4, 2}, {4, 4}, {2, 4}};
  ExpectPrimitiveNear(PolygonCentroid2(square), {3, 3});
  EXPECT_EQ(square[0], Point2{});
  EXPECT_EQ(square[2], (Point2{2, 2}));

  std::vector<Point2> triangle = {{0, 0}, {3, 0}, {0, 3}};
  ExpectPrimitiveNear(PolygonCentroid2(triangle), {1, 1});

  // No area: the first vertex.
  std::vector<Point2> flat = {{1, 1}, {2, 2}, {3, 3}};
  EXPECT_EQ(PolygonCentroid2(flat), (Point2{1, 1}));
}

TEST(PlanePrimitives, PolygonAreaAndPerimeterCloseThePolygon) {
  std::vector<Point2> square = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {9, 9}};
  const AreaPerimeter unit = PolygonAreaPerimeter2(square, 3);
  EXPECT_EQ(unit.area, 1);
  EXPECT_EQ(unit.perimeter, 4);
  EXPECT_EQ(square[4], Point2{});

  // Clockwise, and with no spare slot for the closing vertex.
  std::vector<Point2> triangle = {{0, 0}, {0, 4}, {3, 0}};
  const AreaPerimeter t = PolygonAreaPerimeter2(triangle, 2);
  EXPECT_EQ(t.area, 6);
  EXPECT_EQ(t.perimeter, 12);
  EXPECT_EQ(triangle.size(), 3u);

  EXPECT_EQ(PolygonAreaPerimeter2(square, -1).area, 0);
  EXPECT_EQ(PolygonAreaPerimeter2(triangle, 3).perimeter, 0);
}

}  // namespace

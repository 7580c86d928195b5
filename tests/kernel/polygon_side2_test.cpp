#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel/polygon_side2.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

// A closed polygon: the vertices, then the first again.
std::vector<Point2> Closed(std::vector<Point2> vertices) {
  vertices.push_back(vertices.front());
  return vertices;
}

std::int16_t EdgeCount(const std::vector<Point2>& closed) { return static_cast<std::int16_t>(closed.size() - 1); }

TEST(PolygonSide2, StrictSideOfEveryEdge) {
  const std::vector<Point2> square = Closed({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  const std::vector<Point2> reversed = Closed({{0, 1}, {1, 1}, {1, 0}, {0, 0}});
  const struct {
    Point2 p;
    bool strictly_inside;
  } cases[] = {{{0.5L, 0.5L}, true}, {{1, 0.5L}, false}, {{2, 0.5L}, false}, {{0.5L, 1e-14L}, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(IsStrictlyConvex2(square, 4, c.p), c.strictly_inside);
    EXPECT_EQ(IsStrictlyConvex2(reversed, 4, c.p), c.strictly_inside);
  }

  // A five-pointed star seen from its centre: every edge turns the same way.
  std::vector<Point2> star;
  for (int i = 0; i < 5; ++i) {
    const Real angle = Pi / 2 + i * 4 * Pi / 5;
    star.push_back({std::cos(angle), std::sin(angle)});
  }
  star = Closed(star);
  EXPECT_TRUE(IsStrictlyConvex2(star, 5, {0, 0}));
  EXPECT_FALSE(IsStrictlyConvex2(star, 5, {0.5L, 0.5L}));

  EXPECT_FALSE(IsStrictlyConvex2(square, 5, {0.5L, 0.5L}));  // no closing entry for five edges
  EXPECT_FALSE(IsStrictlyConvex2(square, 0, {0.5L, 0.5L}));
}

TEST(PolygonSide2, RayFindsTheFirstCrossedEdge) {
  const std::vector<Point2> square = Closed({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  Point2 crossing{9, 9};
  std::int16_t edge = -1;
  Real u = -1;
  ASSERT_TRUE(RayPolygonHit2({0.5L, 0.5L}, {2, 0.5L}, EdgeCount(square), square, crossing, edge, u));
  EXPECT_EQ(edge, 2);
  EXPECT_REAL_NEAR(u, 0.5L, 1e-18L);
  EXPECT_REAL_NEAR(crossing.x, 1, 1e-18L);
  EXPECT_REAL_NEAR(crossing.y, 0.5L, 1e-18L);

  // Through the vertex (1, 1): edges 2 (at u = 1) and 3 (at u = 0) both qualify; the earlier wins.
  ASSERT_TRUE(RayPolygonHit2({0.5L, 0.5L}, {0.75L, 0.75L}, EdgeCount(square), square, crossing, edge, u));
  EXPECT_EQ(edge, 2);
  EXPECT_REAL_NEAR(u, 1, 1e-18L);

  // Index order, not distance: from outside, the edge x = 1 (number 2) wins over the nearer x = 0 (number 4).
  ASSERT_TRUE(RayPolygonHit2({-1, 0.5L}, {0, 0.5L}, EdgeCount(square), square, crossing, edge, u));
  EXPECT_EQ(edge, 2);
  EXPECT_REAL_NEAR(crossing.x, 1, 1e-18L);
}

TEST(PolygonSide2, RayThatMissesOrHasNoDirection) {
  const std::vector<Point2> square = Closed({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
  Point2 crossing{9, 9};
  std::int16_t edge = -1;
  Real u = -1;
  EXPECT_FALSE(RayPolygonHit2({2, 0.5L}, {3, 0.5L}, EdgeCount(square), square, crossing, edge, u));
  EXPECT_EQ(edge, 4);

  edge = -1;
  EXPECT_FALSE(RayPolygonHit2({0.5L, 0.5L}, {0.5L, 0.5L}, EdgeCount(square), square, crossing, edge, u));
  EXPECT_EQ(edge, -1);  // not written
}

}  // namespace

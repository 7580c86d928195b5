#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel/point_in_polygon.h"

using namespace kernel;

namespace {

// An integer polygon with its spare closing entry.
std::vector<IntPoint2> Polygon(std::vector<IntPoint2> vertices) {
  vertices.push_back({-99, -99});
  return vertices;
}

Real ShoelaceArea(const std::vector<Point2>& v) {
  Real twice = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const Point2& a = v[i];
    const Point2& b = v[(i + 1) % v.size()];
    twice += a.x * b.y - a.y * b.x;
  }
  return std::fabs(twice) / 2;
}

TEST(PointInPolygon, SquareInsideBoundaryAndOutside) {
  std::vector<IntPoint2> square = Polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
  const struct {
    int x, y;
    bool inside;
  } cases[] = {{1, 1, true}, {0, 0, false}, {1, 0, false}, {2, 1, false}, {3, 1, false}, {-1, 1, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(PointInPolygonInt(c.x, c.y, square, 4), c.inside) << c.x << "," << c.y;
  }
  EXPECT_EQ(square[4].x, 0);  // the closing entry is written
  EXPECT_EQ(square[4].y, 0);
}

TEST(PointInPolygon, TwoVerticesOrNoRoomForTheClosingEntryIsOutside) {
  std::vector<IntPoint2> segment = Polygon({{0, 0}, {4, 4}});
  EXPECT_FALSE(PointInPolygonInt(1, 1, segment, 2));
  EXPECT_EQ(PointInPolygonIntV(1, 1, segment, 2), 0);
  EXPECT_EQ(segment[2].x, -99);  // left alone

  std::vector<IntPoint2> no_spare = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  EXPECT_FALSE(PointInPolygonInt(2, 2, no_spare, 4));
  EXPECT_EQ(PointInPolygonIntV(2, 2, no_spare, 4), 0);
}

TEST(PointInPolygon, CoordinatesOutsideTheSafeRangeAreRefused) {
  const int far = kLatticeCoordinateLimit;
  std::vector<IntPoint2> huge = Polygon({{-far, -far}, {far, -far}, {far, far}, {-far, far}});
  EXPECT_FALSE(PointInPolygonInt(0, 0, huge, 4));
  EXPECT_EQ(PointInPolygonIntV(0, 0, huge, 4), 0);

  // Just inside the range the 64-bit products still decide correctly.
  const int edge = kLatticeCoordinateLimit - 1;
  std::vector<IntPoint2> big = Polygon({{-edge, -edge}, {edge, -edge}, {edge, edge}, {-edge, edge}});
  EXPECT_TRUE(PointInPolygonInt(0, 0, big, 4));
  EXPECT_TRUE(PointInPolygonInt(edge - 1, -edge + 1, big, 4));
  EXPECT_FALSE(PointInPolygonInt(edge, 0, big, 4));
  EXPECT_EQ(PointInPolygonIntV(0, 0, big, 4), 1);
  EXPECT_FALSE(PointInPolygonInt(far, 0, big, 4));
}

TEST(PointInPolygon, ARayThroughAVertexCountsOnce) {
  // From (999, 997) the test's ray runs exactly through the corner (4000, 3000).
  std::vector<IntPoint2> box = Polygon({{0, 0}, {4000, 0}, {4000, 3000}, {0, 3000}});
  EXPECT_TRUE(PointInPolygonInt(999, 997, box, 4));
  // ... and here through a vertex where the boundary only touches the ray's line.
  std::vector<IntPoint2> dent = Polygon({{0, 0}, {8000, 0}, {8000, 6000}, {4000, 3000}, {0, 6000}});
  EXPECT_TRUE(PointInPolygonInt(999, 997, dent, 5));
  EXPECT_FALSE(PointInPolygonInt(4000, 3500, dent, 5));
}

TEST(PointInPolygon, PixelTestCountsHalfOpenEdges) {
  std::vector<IntPoint2> square = Polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
  const struct {
    int x, y, inside;
  } cases[] = {
      {2, 2, 1},
      {2, 4, 0},  // on the top edge: the edge does not pass above the point
      {2, 0, 1},  // on the bottom edge: the top edge still does
      {0, 2, 0},  // the left column is excluded
      {4, 2, 1},  // the right column is included
      {5, 2, 0},
      {2, -1, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PointInPolygonIntV(c.x, c.y, square, 4), c.inside) << c.x << "," << c.y;
  }
}

TEST(PointInPolygon, LatticeCountsFollowPick) {
  const struct {
    std::vector<Point2> vertices;
    Real interior, boundary;
  } cases[] = {
      {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 1, 8},
      {{{0, 0}, {4, 0}, {0, 4}}, 3, 12},
      {{{0.9L, 0.5L}, {4.7L, 0.2L}, {0.1L, 4.99L}}, 3, 12},      // counted on the truncated vertices
      {{{-2.7L, -2.7L}, {2.7L, -2.7L}, {2.7L, 2.7L}, {-2.7L, 2.7L}}, 9, 16},  // truncated toward zero
      {{{1e6L, 1e6L}, {1e6L + 300, 1e6L + 7}, {1e6L + 280, 1e6L + 211}, {1e6L + 13, 1e6L + 190}}, -1, -1},
  };
  for (const auto& c : cases) {
    Point2 counts{-1, -1};
    ASSERT_TRUE(LatticePointCounts(c.vertices, counts));
    if (c.interior >= 0) {
      EXPECT_EQ(counts.x, c.interior);
      EXPECT_EQ(counts.y, c.boundary);
    }
    std::vector<Point2> truncated;
    for (const Point2& v : c.vertices) truncated.push_back({std::trunc(v.x), std::trunc(v.y)});
    EXPECT_EQ(ShoelaceArea(truncated), counts.x + counts.y / 2 - 1);
  }
}

TEST(PointInPolygon, LatticeCountsOfDegenerateAndUnsafePolygons) {
  Point2 counts{-1, -1};
  ASSERT_TRUE(LatticePointCounts(std::vector<Point2>{{0, 0}, {3, 6}}, counts));
  EXPECT_EQ(counts.x, 0);
  EXPECT_EQ(counts.y, 6);  // there and back
  ASSERT_TRUE(LatticePointCounts(std::vector<Point2>{}, counts));
  EXPECT_EQ(counts.x, 0);
  EXPECT_EQ(counts.y, 0);

  const std::vector<Point2> refused[] = {
      {{0, 0}, {1e10L, 0}, {0, 5}},
      {{0, 0}, {NAN, 0}, {0, 5}},
      {{0, 0}, {5000, 0}, {5000, 5000}, {0, 5000}},  // more points than a scan may examine
  };
  for (const auto& vertices : refused) {
    counts = {-1, -1};
    EXPECT_FALSE(LatticePointCounts(vertices, counts));
    EXPECT_EQ(counts.x, 0);
    EXPECT_EQ(counts.y, 0);
  }
}

}  // namespace

// A filled outline covers the pixels from its left and upper border up to, not including, its
// right and lower border; a star's middle, wound round twice, is inside by the non-zero rule.
TEST(PixelInPolygonNonZero, CoversThePixelsAFillCovers) {
  const std::vector<IntPoint2> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  const std::vector<IntPoint2> clockwise{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
  const std::vector<IntPoint2> star{{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
  const std::vector<IntPoint2> line{{0, 0}, {10, 10}};
  struct Case {
    const std::vector<IntPoint2>* polygon;
    std::int32_t x, y;
    bool inside;
  } cases[] = {
      {&square, 5, 5, true},     {&square, 0, 0, true},       {&square, 9, 9, true},
      {&square, 10, 5, false},   {&square, 5, 10, false},     {&square, -1, 5, false},
      {&clockwise, 5, 5, true},  {&clockwise, 10, 5, false},  {&star, 50, 50, true},
      {&star, 50, 20, true},     {&star, 5, 80, false},       {&line, 5, 5, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PixelInPolygonNonZero(c.x, c.y, *c.polygon, static_cast<std::int32_t>(c.polygon->size())), c.inside)
        << c.x << "," << c.y;
  }
  // A count beyond the array, and a coordinate out of the safe range, answer "outside".
  EXPECT_FALSE(PixelInPolygonNonZero(5, 5, square, 5));
  EXPECT_FALSE(PixelInPolygonNonZero(kLatticeCoordinateLimit, 5, square, 4));
}

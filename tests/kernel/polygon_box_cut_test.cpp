#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "kernel/plane_primitives.h"
#include "kernel/polygon_box_cut.h"

using namespace kernel;

namespace {

Real AreaOf(std::vector<Point2> polygon) {
  const int last = static_cast<int>(polygon.size()) - 1;
  polygon.push_back({});
  return PolygonAreaPerimeter2(polygon, last).area;
}

TEST(PolygonBoxCut, KeepsThePartInsideTheBox) {
  const Box2 box{0, 10, 0, 10};
  std::vector<Point2> out;
  // A triangle reaching far beyond two sides: what is left is the box's lower-left half.
  const std::array<Point2, 3> big{Point2{0, 0}, Point2{1e18L, 0}, Point2{0, 1e18L}};
  CutPolygonToBox2(big, box, out);
  EXPECT_NEAR(static_cast<double>(AreaOf(out)), 100.0, 1e-9);
  for (const Point2& p : out) {
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x, 10);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.y, 10);
  }
  // A square inside the box stays as it is.
  const std::array<Point2, 4> small{Point2{1, 1}, Point2{3, 1}, Point2{3, 3}, Point2{1, 3}};
  CutPolygonToBox2(small, box, out);
  EXPECT_EQ(out.size(), 4u);
  EXPECT_NEAR(static_cast<double>(AreaOf(out)), 4.0, 1e-12);
  // A polygon wholly outside leaves nothing.
  const std::array<Point2, 3> away{Point2{20, 20}, Point2{30, 20}, Point2{20, 30}};
  CutPolygonToBox2(away, box, out);
  EXPECT_LT(out.size(), 3u);
}

}  // namespace

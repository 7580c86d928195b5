#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "kernel/arc_points.h"
#include "kernel/triangle_area_ratios.h"
#include "kernel/vector3.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

const Box2 kView{-5, 5, -5, 5};
constexpr Real kPixel = static_cast<Real>(0.02);
constexpr Real kClose = static_cast<Real>(1e-12);

TEST(ArcPoints, CountsStayWithinTheirBounds) {
  struct Case {
    Real radius;
    Real sweep;
    int count;
  };
  // Chords within half a pixel: round((|sweep| / 2) / acos(1 - pixel / (2 r))) points, at least 10
  // and at most 98; 2 below a pixel.
  const Case cases[] = {
      {0.01L, Pi, 2},          // smaller than a pixel
      {0.02L, Pi, 2},          // one pixel
      {1, Pi / 2, 10},         // would be 6
      {4, Pi / 2, 11},
      {4, -Pi / 2, 11},
      {4, 2 * Pi, 44},
      {100, 2 * Pi, 98},       // would be 222
      {1e30L, Pi / 2, 98},     // far larger than the view
  };
  for (const Case& c : cases) {
    std::vector<Point2> out;
    const int n = ArcPoints({0, 0}, {c.radius, 0}, c.sweep, kPixel, kView, &out);
    EXPECT_EQ(std::abs(n), c.count) << "radius " << static_cast<double>(c.radius);
    EXPECT_EQ(ArcPoints({0, 0}, {c.radius, 0}, c.sweep, kPixel, kView, nullptr), std::abs(n));
    EXPECT_EQ(static_cast<int>(out.size()), std::abs(n));
  }
  EXPECT_EQ(ArcPoints({0, 0}, {1, 0}, NAN, kPixel, kView, nullptr), 0);
}

TEST(ArcPoints, PointsRunFromStartToEndAndReportLeavingTheView) {
  std::vector<Point2> out;
  const int n = ArcPoints({1, 1}, {0, 2}, Pi / 2, kPixel, kView, &out);
  ASSERT_GT(n, 0);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, out.front().x, 1, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, out.front().y, 3, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, out.back().x, -1, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, out.back().y, 1, kClose);
  for (const Point2& p : out) EXPECT_PRED_FORMAT3(kernel_test::RealsClose, std::hypot(p.x - 1, p.y - 1), 2, kClose);
  // Through the right edge of the view.
  EXPECT_LT(ArcPoints({4, 0}, {2, 0}, Pi, kPixel, kView, &out), 0);
}

std::vector<ArcPiece> Pieces(const Point2& centre, const Point2& start, Real sweep, bool whole) {
  std::vector<ArcPiece> pieces;
  ArcPiecesInBox(centre, start, sweep, whole, kView, pieces);
  return pieces;
}

TEST(ArcPiecesInBox, KeepsThePiecesInsideTheBox) {
  // A circle inside: the whole of it, from its start.
  auto inside = Pieces({0, 0}, {1, 0}, 2 * Pi, true);
  ASSERT_EQ(inside.size(), 1u);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, inside[0].from, 0, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, inside[0].to, 2 * Pi, kClose);
  // A circle round the whole box, and one beside it: nothing.
  EXPECT_TRUE(Pieces({0, 0}, {100, 0}, 2 * Pi, true).empty());
  EXPECT_TRUE(Pieces({20, 0}, {21, 0}, 2 * Pi, true).empty());
  // Centred on the right side, radius 3, started inside: one piece from the top crossing over the
  // left of the circle to the bottom crossing (the start's piece joined across it).
  auto crossing = Pieces({5, 0}, {2, 0}, 2 * Pi, true);
  ASSERT_EQ(crossing.size(), 1u);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, crossing[0].from, -Pi / 2, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, crossing[0].to, Pi / 2, kClose);
  // Centred on a corner and started outside: the quarter inside.
  auto corner = Pieces({5, 5}, {7, 5}, 2 * Pi, true);
  ASSERT_EQ(corner.size(), 1u);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, corner[0].from, Pi, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, corner[0].to, 3 * Pi / 2, kClose);
  // A circle larger than the box crossing all four sides: four pieces.
  EXPECT_EQ(Pieces({0, 0}, {6, 0}, 2 * Pi, true).size(), 4u);
  // An arc that ends inside: from its crossing to its end.
  auto ends = Pieces({5, 0}, {5, 3}, Pi / 2, false);
  ASSERT_EQ(ends.size(), 1u);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, ends[0].from, 0, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, ends[0].to, Pi / 2, kClose);
}

TEST(SphereFillPath3, GreatCircleArcBetweenTwoPoints) {
  std::vector<Point3> out;
  const Point3 o{1, 1, 1};
  const int n = SphereFillPath3(o, {2, 1, 1}, {1, 1, 2}, &out);
  EXPECT_EQ(n, 25);  // a quarter turn: 50 / 2
  ASSERT_EQ(out.size(), 25u);
  EXPECT_PRED_FORMAT3(kernel_test::PointsClose, out.back(), (Point3{1, 1, 2}), kClose);
  for (const Point3& p : out) EXPECT_PRED_FORMAT3(kernel_test::RealsClose, Dist3(p, o), 1, kClose);
  EXPECT_EQ(SphereFillPath3(o, {2, 1, 1}, {2.0001L, 1, 1}, nullptr), 2);
  // Parallel: only the first point.
  EXPECT_EQ(SphereFillPath3(o, {2, 1, 1}, {3, 1, 1}, &out), 1);
  ASSERT_EQ(out.size(), 1u);
}

TEST(PolygonAreas2, RatiosOfThePartTrianglesToTheirSum) {
  std::array<Real, 3> ratios{};
  Real largest = 0;
  ASSERT_TRUE(PolygonAreas2({0, 0}, {3, 0}, {0, 3}, {1, 1}, ratios, largest));
  for (const Real r : ratios) EXPECT_PRED_FORMAT3(kernel_test::RealsClose, r, 1 / 3.0L, kClose);
  ASSERT_TRUE(PolygonAreas2({0, 0}, {3, 0}, {0, 3}, {3, 0}, ratios, largest));
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, ratios[1], 1, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, largest, 1, kClose);
  EXPECT_FALSE(PolygonAreas2({0, 0}, {1, 0}, {2, 0}, {3, 0}, ratios, largest));
}

}  // namespace

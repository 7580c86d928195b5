#include "engine/view_update.h"

#include <gtest/gtest.h>

#include "kernel/line_circle_records.h"
#include "kernel/vector2.h"
#include "support/extended_expect.h"  // IWYU pragma: keep

namespace {

using engine::FigureTables;
using engine::UpdateView;
using kernel::Point2;
using kernel::Real;

void AddPoint(FigureTables& t, Point2 p) {
  const int i = ++t.last_point;
  t.exists[i] = 1;
  t.xy[i] = p;
}

void AddCircle(FigureTables& t, int centre, int on) {
  const int c = ++t.last_circle;
  kernel::InitCircleRecord(t.circles[c], static_cast<std::uint16_t>(centre), static_cast<std::int16_t>(on), 360, -1,
                           -1);
}

const Point2 kLowerLeft{-2.5L, -1.25L};
const Point2 kUpperRight{3.75L, 2.5L};

TEST(ViewUpdate, AnEmptyFigureFitsTheOrigin) {
  FigureTables t;
  const auto u = UpdateView(t, engine::kEuclideanPlane, kLowerLeft, kUpperRight, false);
  EXPECT_FALSE(u.redraw_only);
  EXPECT_EQ(u.view.centre, (Point2{0, 0}));
  EXPECT_REAL_NEAR(u.view.half_width, 0.13L, 1e-15L);
  EXPECT_REAL_NEAR(u.view.half_height, 0.13L, 1e-15L);
}

TEST(ViewUpdate, AViewThatHoldsTheFigureStaysExactly) {
  FigureTables t;
  AddPoint(t, {1, 0.5L});
  AddPoint(t, {3.75L, -1});  // on the edge
  AddPoint(t, {0, 0});
  AddCircle(t, 2, 0);  // radius 1.118 about the origin
  const auto u = UpdateView(t, engine::kEuclideanPlane, kLowerLeft, kUpperRight, true);
  EXPECT_EQ(u.view.centre.x - u.view.half_width, kLowerLeft.x);
  EXPECT_EQ(u.view.centre.x + u.view.half_width, kUpperRight.x);
  EXPECT_EQ(u.view.centre.y - u.view.half_height, kLowerLeft.y);
  EXPECT_EQ(u.view.centre.y + u.view.half_height, kUpperRight.y);
}

TEST(ViewUpdate, SomethingOutsideWidensTheView) {
  FigureTables t;
  AddPoint(t, {10, 0});
  auto u = UpdateView(t, engine::kEuclideanPlane, kLowerLeft, kUpperRight, true);
  EXPECT_EQ(u.view.centre, (Point2{3.75L, 0.625L}));
  EXPECT_REAL_NEAR(u.view.half_width, 0.6L * 12.5L, 1e-15L);
  EXPECT_REAL_NEAR(u.view.half_height, 0.6L * 3.75L, 1e-15L);

  // A circle whose rim crosses the edge, its centre inside.
  FigureTables c;
  AddPoint(c, {3, 0});
  AddPoint(c, {3, 1});
  AddCircle(c, 0, 1);
  u = UpdateView(c, engine::kEuclideanPlane, kLowerLeft, kUpperRight, true);
  EXPECT_REAL_NEAR(u.view.half_width, 0.6L * 6.5L, 1e-15L);
  // A degenerate circle adds only its centre.
  c.xy[1] = c.xy[0];
  EXPECT_EQ(engine::CircleRadius(c, 0), 0);
  EXPECT_EQ(engine::CircleRadius(c, 5), 0);
  u = UpdateView(c, engine::kEuclideanPlane, kLowerLeft, kUpperRight, true);
  EXPECT_REAL_NEAR(u.view.half_width, 0.5L * 6.25L, 1e-17L);
}

TEST(ViewUpdate, FittingTakesTheFigureAndTheOrigin) {
  FigureTables t;
  AddPoint(t, {4, 2});
  t.exists[0] = 0;
  AddPoint(t, {2, 1});
  const auto u = UpdateView(t, engine::kEuclideanPlane, kLowerLeft, kUpperRight, false);
  EXPECT_EQ(u.view.centre, (Point2{1, 0.5L}));
  EXPECT_REAL_NEAR(u.view.half_width, 1.3L, 1e-15L);
  EXPECT_REAL_NEAR(u.view.half_height, 0.65L, 1e-15L);
}

TEST(ViewUpdate, ThePoincareDiskNeverMoves) {
  FigureTables t;
  AddPoint(t, {100, 100});
  const auto u = UpdateView(t, engine::kPoincareDisk, kLowerLeft, kUpperRight, false);
  EXPECT_TRUE(u.redraw_only);
}

}  // namespace

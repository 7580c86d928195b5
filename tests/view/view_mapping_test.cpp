// The world-to-pixel mapping of the graphics layer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/extended_expect.h"
#include "view/view_mapping.h"

using namespace view;
using kernel::Point2;
using kernel::Real;
using platform::PointI;

namespace {

constexpr Real kClose = static_cast<Real>(1e-15);

// The default view (-5, -5)-(5, 5) over a client of that size.
ViewMapping DefaultView(int width, int height) {
  ViewMapping m;
  m.width = width;
  m.height = height;
  FitViewToClient(m);
  return m;
}

TEST(ViewMapping, TheDefaultViewOnA501By501Client) {
  const ViewMapping m = DefaultView(501, 501);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, m.unitsPerPixelX, static_cast<Real>(0.02), kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, m.unitsPerPixelY, static_cast<Real>(0.02), kClose);
  PointI pixel;
  EXPECT_TRUE(WorldToPixel(m, {0, 0}, pixel));
  EXPECT_EQ(pixel, (PointI{250, 250}));
  EXPECT_TRUE(WorldToPixel(m, {5, 5}, pixel));
  EXPECT_EQ(pixel, (PointI{500, 0}));
  EXPECT_TRUE(WorldToPixel(m, {-5, -5}, pixel));
  EXPECT_EQ(pixel, (PointI{0, 500}));
  EXPECT_EQ(XToWorld(m, 250), 0);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, YToWorld(m, 0), 5, kClose);

  // Pixel -> world -> pixel, and world -> pixel -> world within half a pixel.
  for (int px = 0; px <= 500; px += 7) {
    const Point2 w = PixelToWorld(m, {px, 500 - px});
    EXPECT_TRUE(WorldToPixel(m, w, pixel));
    EXPECT_EQ(pixel, (PointI{px, 500 - px}));
  }
  for (Real x = -4.99L; x < 5; x += 0.37L) {
    const Point2 p{x, -x / 2};
    ASSERT_TRUE(WorldToPixel(m, p, pixel));
    const Point2 back = PixelToWorld(m, pixel);
    EXPECT_LE(std::fabs(back.x - p.x), m.unitsPerPixelX / 2 + kClose);
    EXPECT_LE(std::fabs(back.y - p.y), m.unitsPerPixelY / 2 + kClose);
  }
}

TEST(ViewMapping, FarPointsClampOnePixelOutsideBeforeTheyAreRounded) {
  ViewMapping m = DefaultView(501, 401);
  struct Case {
    Point2 p;
    PointI pixel;
  };
  const Real huge = 1e300L;
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  for (const Case& c : {Case{{huge, 0}, {502, 200}}, Case{{0, -huge}, {250, 402}}, Case{{-huge, 0}, {-1, 200}},
                        Case{{0, huge}, {250, -1}}, Case{{nan, 0}, {-1, 200}}}) {
    PointI pixel;
    EXPECT_FALSE(WorldToPixel(m, c.p, pixel));
    EXPECT_EQ(pixel, c.pixel);
  }
  // While printing the offsets move every result, clamped ones too.
  m.offsetX = 30;
  m.offsetY = 20;
  EXPECT_EQ(XToScreen(m, huge), 532);
  EXPECT_EQ(YToScreen(m, huge), 19);
  EXPECT_EQ(XToScreen(m, 0), 280);
  int px = 0;
  EXPECT_TRUE(XToScreenChecked(m, 5, px));  // the right edge is still inside
  EXPECT_EQ(px, 530);
  EXPECT_FALSE(XToScreenChecked(m, 5.02L, px));
  EXPECT_EQ(px, 532);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, XToScreenLD(m, 5.02L), 531, static_cast<Real>(1e-12));
}

TEST(ViewMapping, TinyClientsKeepTheScalesFinite) {
  for (const int size : {0, 1, 2}) {
    const ViewMapping m = DefaultView(size, size);
    EXPECT_TRUE(std::isfinite(m.unitsPerPixelX)) << size;
    EXPECT_TRUE(std::isfinite(m.pixelsPerUnitY)) << size;
    EXPECT_TRUE(std::isfinite(m.halfHeight)) << size;
    EXPECT_EQ(XToScreen(m, -5), 0) << size;
    EXPECT_EQ(XToScreen(m, 5), 1) << size;
  }
}

TEST(ViewMapping, EqualScalesFollowTheClientsShapeUnequalScalesKeepTheBox) {
  ViewMapping m = DefaultView(201, 101);
  // Equal scales: centre and half width stay, the height follows the shape (in the proportion of
  // the client's height to its width).
  EXPECT_EQ(m.halfWidth, 5);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, m.halfHeight, 101.0L * 5 / 201, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, m.box.ymax, 101.0L * 5 / 201, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, m.unitsPerPixelX, static_cast<Real>(0.05), kClose);
  // Unequal scales: the box stays, the aspect follows.
  m.unequal = 1;
  m.box = {0, 10, 0, 2};
  FitViewToClient(m);
  EXPECT_EQ(m.box.xmax, 10);
  EXPECT_EQ(m.centre.x, 5);
  EXPECT_EQ(m.centre.y, 1);
  EXPECT_EQ(m.halfHeight, 1);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, m.aspect, 201.0L * 2 / (10 * 101), kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, m.unitsPerPixelY, static_cast<Real>(0.02), kClose);
}

TEST(ViewMapping, RectanglesClientTestsAndClippingToTheView) {
  ViewMapping m = DefaultView(501, 501);
  EXPECT_EQ(BoxToPixelRect(m, {-1, 1, -2, 2}), (PixelBox{200, 150, 300, 350}));
  EXPECT_EQ(BoxToPixelRect(m, {-100, 100, -100, 100}), (PixelBox{0, 0, 501, 501}));
  const kernel::Box2 box = PixelRectToBox(m, {200, 150, 300, 350});
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, box.xmin, -1, kClose);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, box.ymax, 2, kClose);

  EXPECT_TRUE(PixelInClient(m, 501, 0));
  EXPECT_FALSE(PixelInClient(m, 502, 0));
  m.printing = true;
  m.offsetX = 100;
  EXPECT_FALSE(PixelInClient(m, 0, 0));
  EXPECT_TRUE(PixelInClient(m, 601, 0));
  m.printing = false;
  m.offsetX = 0;

  Point2 p{-1, 1};
  Point2 q{2, 3};
  EXPECT_TRUE(ClipToView(m, p, q));
  EXPECT_EQ(q.x, 2);
  // A segment leaving the view is cut one pixel step inside its edge.
  p = {0, 0};
  q = {10, 0};
  ASSERT_TRUE(ClipToView(m, p, q));
  EXPECT_EQ(p.x, 0);
  EXPECT_PRED_FORMAT3(kernel_test::RealsClose, q.x, static_cast<Real>(4.98), kClose);
  p = {6, 6};
  q = {9, 6};
  EXPECT_FALSE(ClipToView(m, p, q));
  EXPECT_TRUE(InView(m, {5, -5}));
  EXPECT_FALSE(InView(m, {5.0000001L, 0}));
}

}  // namespace

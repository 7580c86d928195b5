// Arrays of touching circles: where a new array stands, what a run again keeps or puts back, the
// radius refusals with their placeholders, and the descriptions.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using CircleArrays = IsolatedFolders;

// Operands of the array steps: rows, columns, points, circles and the attributes (black, 1, solid).
int Rectangular(PlaneWindow& w, int rows, int columns, const std::string& radius) {
  const int n = rows * columns;
  return w.Step(167, {rows, columns, 2 * n, n, -1, 0, -1}, {radius});
}
int Triangular(PlaneWindow& w, int rows, const std::string& radius) {
  const int n = rows * (rows + 1) / 2;
  return w.Step(168, {rows, -1, 2 * n, n, -1, 0, -1}, {radius});
}

TEST_F(CircleArrays, TriangularArrayPacksTouchingCirclesAboutTheViewCentre) {
  PlaneWindow w(0);
  ASSERT_EQ(Triangular(w, 3, "0.5"), 0);
  const auto& t = w.tables();
  EXPECT_EQ(t.last_point, 11);
  EXPECT_EQ(t.last_circle, 5);
  std::vector<Point2> centres;
  for (int c = 0; c <= 5; ++c) {
    EXPECT_EQ(t.circles[c].centre, 2 * c);
    EXPECT_EQ(t.circles[c].points[0], 2 * c + 1);
    EXPECT_REAL_NEAR(kernel::Dist2(t.xy[2 * c], t.xy[2 * c + 1]), 0.5L, 1e-18L);
    centres.push_back(t.xy[2 * c]);
  }
  // Rows of 3, 2 and 1 circles, each row a height r sqrt 3 above the last.
  EXPECT_REAL_NEAR(centres[2].y, centres[0].y, 0);
  EXPECT_REAL_NEAR(centres[3].y - centres[0].y, std::sqrt(3.0L) / 2, 1e-18L);
  EXPECT_REAL_NEAR(centres[5].y - centres[0].y, std::sqrt(3.0L), 1e-18L);
  // Neighbours touch: nine pairs of centres 2r apart, none closer.
  int touching = 0;
  for (int i = 0; i < 6; ++i) {
    for (int j = i + 1; j < 6; ++j) {
      const Real d = kernel::Dist2(centres[i], centres[j]);
      EXPECT_GE(d, 1 - 1e-18L);
      if (std::fabs(d - 1) < 1e-15L) ++touching;
    }
  }
  EXPECT_EQ(touching, 9);
  const Point2 mean = kernel::Centroid2(centres);
  EXPECT_REAL_NEAR(mean.x, w.stepEngine.view_centre.x, 1e-17L);
  EXPECT_REAL_NEAR(mean.y, w.stepEngine.view_centre.y, 1e-17L);
  EXPECT_EQ(w.stepText, "ABCDEFGHIJKL = triangular array of circles (0.5) (rgb(0,0,0), thickness 1, style solid)");

  // A dragged point on a circle stays where it was put, and the circle's radius follows it.
  w.tables().xy[3] = t.xy[2] + Point2{0, 0.75L};
  w.ReplayConstruction(false);
  EXPECT_REAL_NEAR(t.xy[3].y - t.xy[2].y, 0.75L, 1e-18L);
  EXPECT_REAL_NEAR(t.circle_radius[1], 0.75L, 1e-18L);
}

TEST_F(CircleArrays, EveryCircleOfTheArrayIsDrawn) {
  PlaneWindow w(0);
  ASSERT_EQ(Triangular(w, 3, "1"), 0);
  platform::Bitmap picture(w.ClientWidth(), w.ClientHeight());
  std::unique_ptr<platform::DC> dc = picture.CreateDC();
  w.PaintInto(*dc);
  // The top of every circle, clear of the points and their labels.
  for (int c = 0; c <= w.tables().last_circle; ++c) {
    const Point2 top = w.tables().xy[2 * c] + Point2{0, -1};
    platform::PointI pixel;
    w.WorldToPixel(top, pixel);
    bool dark = false;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const auto colour = picture.GetPixel(pixel.x + dx, pixel.y + dy);
        dark = dark || (colour && colour->r + colour->g + colour->b < 3 * 128);
      }
    }
    EXPECT_TRUE(dark) << "circle " << c;
  }
}

TEST_F(CircleArrays, RectangularArrayTurnsWithItsFirstCircle) {
  PlaneWindow w(0);
  ASSERT_EQ(Rectangular(w, 3, 4, "1"), 0);
  const auto& t = w.tables();
  EXPECT_EQ(t.last_point, 23);
  EXPECT_EQ(t.last_circle, 11);
  // Column by column, three circles each; the array centred on the view.
  EXPECT_REAL_NEAR(t.xy[2].y - t.xy[0].y, 2, 1e-18L);
  EXPECT_REAL_NEAR(t.xy[6].x - t.xy[0].x, 2, 1e-18L);
  EXPECT_REAL_NEAR((t.xy[0].x + t.xy[22].x) / 2, w.stepEngine.view_centre.x, 1e-17L);
  EXPECT_EQ(w.stepText.rfind("AB...WX = 3x4 rectangular array of circles (1) (", 0), 0u) << w.stepText;

  // A point on another circle dragged is put back; the first circle's point turns the array.
  w.tables().xy[3] = t.xy[2] + Point2{0, 3};
  w.tables().xy[1] = t.xy[0] + Point2{0, 5};
  w.ReplayConstruction(false);
  EXPECT_REAL_NEAR(t.xy[1].x - t.xy[0].x, 0, 1e-18L);
  EXPECT_REAL_NEAR(t.xy[1].y - t.xy[0].y, 1, 1e-18L);
  EXPECT_REAL_NEAR(kernel::Dist2(t.xy[2], t.xy[3]), 1, 1e-18L);
  // The columns now run up the plane, two radii apart.
  EXPECT_REAL_NEAR(t.xy[6].y - t.xy[0].y, 2, 1e-17L);
}

TEST_F(CircleArrays, OneCircleKeepsItsCentreAndTheDirectionOfItsPoint) {
  PlaneWindow w(0);
  ASSERT_EQ(Rectangular(w, 1, 1, "2"), 0);
  w.tables().xy[0] = {1, 1};
  w.tables().xy[1] = {1, 4};
  w.ReplayConstruction(false);
  EXPECT_REAL_NEAR(w.tables().xy[1].x, 1, 1e-18L);
  EXPECT_REAL_NEAR(w.tables().xy[1].y, 3, 1e-18L);
  EXPECT_EQ(w.stepText, "AB = 1x1 rectangular array of circles (2) (rgb(0,0,0), thickness 1, style solid)");
}

TEST_F(CircleArrays, BadRadiiLeavePlaceholdersForLaterSteps) {
  PlaneWindow w(0);
  // Made by a command, a refused array leaves nothing behind.
  EXPECT_EQ(Triangular(w, 3, "0"), engine::kMsgPositiveValue);
  EXPECT_GT(Rectangular(w, 2, 2, "("), 0);
  EXPECT_EQ(w.tables().last_point, -1);
  EXPECT_EQ(w.tables().last_circle, -1);
  // Run again from the history, it holds the places of its 12 points and 6 circles.
  ASSERT_EQ(Triangular(w, 3, "1"), 0);
  w.FreePoint(7, 7);
  w.history().steps[0].text[0] = "0";
  w.ReplayConstruction(false);
  EXPECT_EQ(w.tables().last_circle, 5);
  EXPECT_EQ(w.tables().last_point, 12);
  EXPECT_FALSE(w.tables().exists[0] || w.tables().circles[5].exists);
  EXPECT_TRUE(w.tables().exists[12]);
  EXPECT_REAL_NEAR(w.tables().xy[12].x, 7, 0);
}

}  // namespace

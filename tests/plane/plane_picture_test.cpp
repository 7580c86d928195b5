// What a plane window paints: the hyperbolic model's frame, the lines and circles of its tables
// and the markers and labels of its points, checked on pictures painted headless (one of them is
// kept as hyperbolic_window.bmp beside the tests), and the rules of markers and labels on a
// painter that records what it is asked to draw.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using plane_test::PlaneWindow;
using platform::Color;

using PlanePicture = IsolatedFolders;

constexpr Color kBackground{192, 192, 192};
constexpr Color kRed{255, 0, 0};

platform::Bitmap PictureOf(PlaneWindow& w) {
  platform::Bitmap bitmap(w.ClientWidth(), w.ClientHeight());
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  w.PaintInto(*dc);
  return bitmap;
}

platform::PointI Pixel(const PlaneWindow& w, const Point2& p) {
  platform::PointI pixel;
  w.WorldToPixel(p, pixel);
  return pixel;
}

bool IsDark(const std::optional<Color>& c) { return c && c->r + c->g + c->b < 3 * 128; }

// Whether a pixel darker than mid grey (lines and text are smoothed) lies within `reach` pixels
// of `at`.
bool DarkNear(const platform::Bitmap& b, platform::PointI at, int reach = 1) {
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (IsDark(b.GetPixel(at.x + dx, at.y + dy))) return true;
    }
  }
  return false;
}

// Whether a pixel of the colour lies within `reach` pixels of `at`.
bool ColourNear(const platform::Bitmap& b, platform::PointI at, Color colour, int reach = 1) {
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (b.GetPixel(at.x + dx, at.y + dy) == colour) return true;
    }
  }
  return false;
}

// The pixels of the box darker than mid grey.
int CountDark(const platform::Bitmap& b, int left, int top, int width, int height) {
  int n = 0;
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) {
      n += IsDark(b.GetPixel(x, y)) ? 1 : 0;
    }
  }
  return n;
}

TEST_F(PlanePicture, TheHyperbolicWindowShowsTheDiskAPointWithItsLabelAndASegment) {
  PlaneWindow w(1);
  w.FreePoint(0, 0);
  w.FreePoint(0.6L, 0.2L);
  w.FreePoint(0.2L, 0.6L);
  ASSERT_EQ(w.Step(111, {0, 1}), 0);
  ASSERT_EQ(w.Step(111, {1, 2}), 0);
  const platform::Bitmap b = PictureOf(w);
  const std::filesystem::path kept = std::filesystem::current_path() / "hyperbolic_window.bmp";
  ASSERT_TRUE(b.WriteBmpFile(kept.string())) << kept;

  // Outside the disk the background, inside it the model's white, on its rim the frame.
  EXPECT_EQ(b.GetPixel(2, 2), kBackground);
  EXPECT_EQ(b.GetPixel(Pixel(w, {-0.5L, -0.6L}).x, Pixel(w, {-0.5L, -0.6L}).y), platform::kWhite);
  for (const Point2& rim : {Point2{0, -1}, Point2{-1, 0}, Point2{0.6L, 0.8L}}) {
    EXPECT_TRUE(DarkNear(b, Pixel(w, rim))) << rim.x << " " << rim.y;
  }
  // The segment (a diameter's piece, since it passes the centre) in black, the points' dots in
  // the second marker colour, and the label A below right of its point.
  EXPECT_TRUE(DarkNear(b, Pixel(w, {0.3L, 0.1L})));
  EXPECT_FALSE(DarkNear(b, Pixel(w, {-0.3L, -0.1L}), 2));
  // B C is an arc of the circle about (0.875, 0.875) of radius sqrt(17/32), bent towards the
  // centre: its middle lies on the diagonal at 0.875 - sqrt(17/64), not on the chord.
  const kernel::Real m = 0.875L - std::sqrt(17.0L / 64);
  EXPECT_TRUE(DarkNear(b, Pixel(w, {m, m})));
  EXPECT_FALSE(DarkNear(b, Pixel(w, {0.4L, 0.4L}), 2));
  EXPECT_TRUE(ColourNear(b, Pixel(w, {0, 0}), kRed));
  EXPECT_TRUE(ColourNear(b, Pixel(w, {0.6L, 0.2L}), kRed));
  const engine::PointNameRecord& a = w.tables().names[0];
  ASSERT_GT(a.width, 0);
  ASSERT_GT(a.height, 0);
  const platform::PointI at = Pixel(w, {0, 0});
  EXPECT_GT(a.left, 0);
  EXPECT_GT(CountDark(b, at.x + a.left, at.y + a.top, a.width, a.height), 3);
}

TEST_F(PlanePicture, HypercyclesAndHorocyclesInsideTheModel) {
  // In the disk, the horocycle at the ideal point (0, -1) through (0, -0.2).
  PlaneWindow w(1);
  w.FreePoint(0, 0.5L);
  engine::FigureTables& t = w.tables();
  t.last_horocycle = 0;
  t.horocycle_points[0].exists = 1;
  t.horocycles[0] = {0, {Point2{0, -0.2L}, Point2{0, -0.6L}, Point2{0, -1}}, 0, 0, 0};
  EXPECT_TRUE(DarkNear(PictureOf(w), Pixel(w, {0.4L, -0.6L})));
  t.horocycle_points[0].pen.style = plane::kInvisibleStyle;
  EXPECT_FALSE(DarkNear(PictureOf(w), Pixel(w, {0.4L, -0.6L}), 2));

  // In the half-plane, the hypercycle through (0, 2) of the geodesic from (-1, 0) to (1, 0): of the
  // circle about (0, 0.75) through them, the long arc above the axis, not the short one below.
  PlaneWindow h(1);
  h.ToggleHalfPlane();
  h.FreePoint(0, 2);
  engine::FigureTables& u = h.tables();
  u.last_hypercycle = 0;
  u.hypercycle_points[0].exists = 1;
  u.hypercycles[0] = {0, {Point2{1, 0}, Point2{-1, 0}, Point2{0, 0.75L}}, 0, 0, 0};
  const platform::Bitmap b = PictureOf(h);
  EXPECT_TRUE(DarkNear(b, Pixel(h, {1.25L, 0.75L})));
  EXPECT_FALSE(DarkNear(b, Pixel(h, {0.9575555538987226L, -0.05348245275725604L})));
}

TEST_F(PlanePicture, TheHalfPlaneFillsAboveItsBoundary) {
  PlaneWindow w(1);
  w.ToggleHalfPlane();
  const platform::Bitmap b = PictureOf(w);
  const platform::PointI above = Pixel(w, {1, 1});
  const platform::PointI below = Pixel(w, {1, -0.1L});
  EXPECT_EQ(b.GetPixel(above.x, above.y), platform::kWhite);
  EXPECT_EQ(b.GetPixel(below.x, below.y), kBackground);
  EXPECT_TRUE(DarkNear(b, Pixel(w, {-1.5L, 0})));
}

TEST_F(PlanePicture, EuclideanLinesAndCirclesAsTheirRecordsSay) {
  PlaneWindow w(0);
  w.SetSquareView({0, 0}, 5);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(0, 2);
  w.FreePoint(-1, -3);
  ASSERT_EQ(w.Step(117, {0, 1}), 0);  // a ray from A through B
  ASSERT_EQ(w.Step(111, {0, 2, -1, -1, -1, 4}), 0);  // style 5: never drawn
  ASSERT_EQ(w.Step(91, {3, 0}), 0);  // the circle about D through A
  ASSERT_EQ(w.tables().lines[1].pen.style, plane::kInvisibleStyle);
  const platform::Bitmap b = PictureOf(w);
  EXPECT_TRUE(DarkNear(b, Pixel(w, {4.8L, 0})));      // the ray reaches the edge
  EXPECT_FALSE(DarkNear(b, Pixel(w, {-2.5L, 0.5L})));  // but not behind A
  EXPECT_FALSE(DarkNear(b, Pixel(w, {0, 1})));        // the invisible line
  EXPECT_TRUE(DarkNear(b, Pixel(w, {-1, 0.1622776601683795L})));  // the circle's top
  ASSERT_TRUE(w.DispatchCommand(engine::kCmdHideLines));
  EXPECT_TRUE(w.menu().IsChecked(engine::kCmdHideLines));
  const platform::Bitmap hidden = PictureOf(w);
  EXPECT_FALSE(DarkNear(hidden, Pixel(w, {3, 0})));
  EXPECT_TRUE(DarkNear(hidden, Pixel(w, {-1, 0.1622776601683795L})));  // circles stay
}

// A painter that notes the markers and texts it is asked for; every character is 7 by 12 pixels.
class NotingPainter : public view::FigurePainter {
 public:
  explicit NotingPainter(const view::ViewMapping& m) : FigurePainter(m) {}
  std::vector<std::uint32_t> markers;
  std::vector<std::string> texts;

 protected:
  bool DoSegment(const Point2&, const Point2&, bool) override { return true; }
  void DoMarker(const view::MarkerPlace&, std::uint32_t style, int) override { markers.push_back(style); }
  void DoText(platform::PointI, std::string_view text, int, int, std::optional<kernel::ColorRef>) override {
    texts.emplace_back(text);
  }
  platform::SizeI DoTextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 12}; }
};

TEST_F(PlanePicture, MarkersAndLabelsFollowTheDisplayRules) {
  PlaneWindow w(0);
  w.SetSquareView({0, 0}, 5);
  w.FreePoint(0, 0);
  w.FreePoint(1, 0);
  w.FreePoint(2, 0);
  engine::FigureTables& t = w.tables();
  t.names[0].marker = 1;
  t.names[1].marker = 3;
  t.names[1].shown = 0;
  t.names[2].label = 26 * 13;  // a label with a two-digit subscript
  t.second_flag[2] = 0;       // not visible: no marker and no label

  struct Case {
    int labelMode, globalMarker;
    std::vector<std::uint32_t> markers;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {1, 0, {1, 8}, {"A", "B"}},
      {0, 0, {1, 8}, {"A"}},
      {2, 4, {9, 9}, {}},
  };
  for (const Case& c : cases) {
    w.labelDisplay.labelMode = c.labelMode;
    w.labelDisplay.globalMarker = c.globalMarker;
    NotingPainter painter(w.mapping);
    w.DrawLabels(painter, -1, false);
    EXPECT_EQ(painter.markers, c.markers) << c.labelMode << " " << c.globalMarker;
    EXPECT_EQ(painter.texts, c.texts) << c.labelMode << " " << c.globalMarker;
  }

  // The subscript is written after the letter; the label is as wide as the letter and its digits.
  t.second_flag[2] = 1;
  w.labelDisplay = {};
  NotingPainter painter(w.mapping);
  w.DrawLabels(painter, 2, false);
  ASSERT_EQ(painter.texts.size(), 2u);
  EXPECT_EQ(painter.texts[1], "12");
  EXPECT_EQ(t.names[2].width, 7 * static_cast<int>(painter.texts[0].size()) + 2 * 7);
}

}  // namespace

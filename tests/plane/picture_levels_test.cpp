// The three cached levels of a plane window's picture: a paint draws again only the stale levels
// and those above them, the changes a user makes clear the right level, and what the window shows
// afterwards is the picture drawn from scratch.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "plane_window.h"
#include "view/qel_wing.h"

namespace {

using Levels = std::array<int, 3>;  // background, figure picture, whole picture

// A plane window that counts how often each level is drawn.
class CountingWindow : public plane_test::PlaneWindow {
 public:
  explicit CountingWindow(std::uint8_t hyperbolicPlane) : PlaneWindow(hyperbolicPlane) {}

  void PaintBackgroundPicture(platform::DC& dc) override {
    ++drawn[0];
    PlaneWindow::PaintBackgroundPicture(dc);
  }
  void PaintFigure(view::FigurePainter& painter) override {
    ++drawn[1];
    PlaneWindow::PaintFigure(painter);
  }
  void PaintAll(view::FigurePainter& painter) override {
    ++drawn[2];
    PlaneWindow::PaintAll(painter);
  }

  // One paint into a bitmap of the client size: the levels it drew.
  Levels PaintOnce() {
    drawn = {};
    std::unique_ptr<platform::DC> dc = picture.CreateDC();
    PaintInto(*dc);
    return drawn;
  }
  // The picture of the last paint.
  platform::Bitmap picture{401, 401};
  Levels drawn{};
};

struct LevelCase {
  std::string change;
  std::function<void(CountingWindow&)> make;
  Levels redrawn;
};

TEST(PictureLevels, EachChangeRedrawsItsLevelAndTheOnesAboveOnly) {
  const std::vector<LevelCase> cases = {
      {"nothing", [](CountingWindow&) {}, {0, 0, 0}},
      {"figure flag cleared", [](CountingWindow& w) { w.wing.pictureValid = 0; }, {0, 1, 1}},
      {"whole picture cleared", [](CountingWindow& w) { w.InvalidateBuffer(shell::kWholeBitmap); }, {0, 0, 1}},
      {"background cleared", [](CountingWindow& w) { w.InvalidateBuffer(shell::kBackgroundBitmap); }, {1, 1, 1}},
      {"a new step", [](CountingWindow& w) { w.FreePoint(0.5, 0.5); }, {0, 1, 1}},
      {"the construction replayed", [](CountingWindow& w) { w.ReplayConstruction(false); }, {0, 1, 1}},
      {"a point moved and what follows it replayed",
       [](CountingWindow& w) {
         w.tables().xy[0].x += 0.25L;
         const std::uint16_t moved[] = {0};
         w.ReplayMovedPoints(moved);
       },
       {0, 1, 1}},
      {"texts hidden", [](CountingWindow& w) { w.CmToggleTexts(); }, {0, 0, 1}},
      {"zoomed in", [](CountingWindow& w) { w.DispatchCommand(view::kCmdZoomIn); }, {1, 1, 1}},
      {"background colour",
       [](CountingWindow& w) {
         w.preWin.roles[0] = 3;
         static_cast<shell::TPreWin&>(w).ColorChanged(0);  // the colour window tells its owner
       },
       {1, 1, 1}},
  };
  CountingWindow w(0);
  w.FreePoint(1, 1);
  EXPECT_EQ(w.PaintOnce(), (Levels{1, 1, 1}));
  for (const LevelCase& c : cases) {
    SCOPED_TRACE(c.change);
    c.make(w);
    EXPECT_EQ(w.PaintOnce(), c.redrawn);
    EXPECT_EQ(w.PaintOnce(), (Levels{0, 0, 0})) << "every level is valid after a paint";
  }
}

TEST(PictureLevels, TheHyperbolicBackgroundIsDrawnAtEveryPaint) {
  CountingWindow w(1);
  w.FreePoint(0.2, 0.1);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(w.PaintOnce(), (Levels{1, 1, 1}));
}

TEST(PictureLevels, AResizedWindowDrawsEveryLevelAtItsNewSize) {
  CountingWindow w(0);
  w.PaintOnce();
  w.SetClientSize(300, 250);
  platform::Application::ProcessPendingEvents();
  w.DeliverSize(w.ClientWidth(), w.ClientHeight());
  EXPECT_EQ(w.PaintOnce(), (Levels{1, 1, 1}));
  ASSERT_TRUE(w.preWin.buffers[shell::kWholeBitmap]);
  EXPECT_EQ(w.preWin.buffers[shell::kWholeBitmap]->width(), w.ClientWidth());
  EXPECT_EQ(w.preWin.buffers[shell::kWholeBitmap]->height(), w.ClientHeight());
}

// After any change the cached picture is the one a window drawing from scratch shows.
TEST(PictureLevels, TheCachedPictureIsThePictureDrawnAnew) {
  CountingWindow w(0);
  const int a = w.FreePoint(-2, -1);
  const int b = w.FreePoint(2, 1);
  w.PaintOnce();
  ASSERT_EQ(w.Step(111, {a, b, -1, 0, 0, -1}), 0);
  w.PaintOnce();
  const platform::Bitmap cached = w.picture;
  for (int level = 0; level < shell::kBitmapLevels; ++level) w.InvalidateBuffer(level);
  EXPECT_EQ(w.PaintOnce(), (Levels{1, 1, 1}));
  for (int y = 0; y < cached.height(); ++y) {
    for (int x = 0; x < cached.width(); ++x) {
      ASSERT_EQ(cached.GetPixel(x, y), w.picture.GetPixel(x, y)) << x << ", " << y;
    }
  }
}

// A window that has no picture of its own for bitmap copies hands over its cached whole picture,
// drawing only the levels that went stale.
TEST(PictureLevels, ABitmapCopyOfTheLayerIsItsCachedPicture) {
  CountingWindow w(0);
  w.FreePoint(1, 1);
  w.PaintOnce();
  platform::Bitmap copy(w.picture.width(), w.picture.height());
  w.drawn = {};
  {
    std::unique_ptr<platform::DC> dc = copy.CreateDC();
    ASSERT_TRUE(w.::engine::TGeom10Win::PaintToBitmap(*dc));
  }
  EXPECT_EQ(w.drawn, (Levels{0, 0, 0}));
  for (int y = 0; y < copy.height(); ++y) {
    for (int x = 0; x < copy.width(); ++x) ASSERT_EQ(copy.GetPixel(x, y), w.picture.GetPixel(x, y)) << x << ", " << y;
  }
  w.FreePoint(-1, 1);
  {
    std::unique_ptr<platform::DC> dc = copy.CreateDC();
    w.::engine::TGeom10Win::PaintToBitmap(*dc);
  }
  EXPECT_EQ(w.drawn, (Levels{0, 1, 1}));
}

}  // namespace

// The Voronoi window as its user drives it: the right button adds open-dot sites without labels
// and deletes the site under the mouse as a history step; every pixel off the bisectors shows
// its nearest site's colour, also in the middle of a drag; the palette and the older files'
// colours.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/scripted_responder.h"
#include "special/voronoi_win.h"
#include "support/isolated_folders.h"

using kernel::Point2;
using special::TGeomVWin;

namespace {

class VoronoiWindow : public IsolatedFolders {
 protected:
  std::unique_ptr<TGeomVWin> Open() {
    auto w = std::make_unique<TGeomVWin>(nullptr, "noname1.vor");
    w->qelWin.writeSettings = 0;
    w->fileMsg.version = 63;
    w->Create();
    w->SetClientSize(400, 300);
    w->UpdateClientArea();
    return w;
  }
  static platform::PointI PixelOf(const TGeomVWin& w, const Point2& p) { return {w.XToScreen(p.x), w.YToScreen(p.y)}; }
  static void RightClick(TGeomVWin& w, platform::PointI pixel) {
    platform::MouseEvent e;
    e.x = pixel.x;
    e.y = pixel.y;
    e.button = platform::MouseButton::Right;
    e.rightDown = true;
    w.DeliverMouseDown(e);
  }
  // The index of the existing site nearest to pixel, counted among the existing sites.
  static int NearestSite(const TGeomVWin& w, platform::PointI pixel, double& margin) {
    const Point2 p{w.XToWorld(pixel.x), w.YToWorld(pixel.y)};
    const engine::FigureTables& t = w.tables();
    double best = 1e300, second = 1e300;
    int n = 0, bestN = -1;
    for (int i = 0; i <= t.last_point; ++i) {
      if (!t.exists[i]) continue;
      const double dx = static_cast<double>(t.xy[i].x - p.x), dy = static_cast<double>(t.xy[i].y - p.y);
      const double d = dx * dx + dy * dy;
      if (d < best) {
        second = best;
        best = d;
        bestN = n;
      } else if (d < second) {
        second = d;
      }
      ++n;
    }
    margin = std::sqrt(second) - std::sqrt(best);
    return bestN;
  }
  // Every tenth pixel away from the bisectors and the site markers shows its site's colour.
  static void ExpectNearestColours(TGeomVWin& w, const platform::Bitmap& picture) {
    const double pixelWidth = static_cast<double>(w.mapping.unitsPerPixelX);
    for (int y = 5; y < 295; y += 10) {
      for (int x = 5; x < 395; x += 10) {
        double margin = 0;
        const int n = NearestSite(w, {x, y}, margin);
        if (margin < 3 * pixelWidth) continue;  // on a bisector
        bool nearMarker = false;
        for (int i = 0; i <= w.tables().last_point; ++i) {
          const platform::PointI s = PixelOf(w, w.tables().xy[i]);
          if (std::abs(s.x - x) < 8 && std::abs(s.y - y) < 8) nearMarker = true;
        }
        if (nearMarker) continue;
        const kernel::ColorRef expected = w.ColorOf(special::VoronoiCellColor(n, 63), true);
        ASSERT_EQ(picture.GetPixel(x, y).value().ToColorRef(), expected) << x << "," << y;
      }
    }
  }
};

TEST_F(VoronoiWindow, TheRightButtonAddsAndDeletesSitesAsSteps) {
  auto w = Open();
  const std::vector<Point2> places{{-2, 0}, {2, 1}, {0, -2}};
  for (const Point2& p : places) RightClick(*w, PixelOf(*w, p));
  const engine::FigureTables& t = w->tables();
  ASSERT_EQ(t.last_point, 2);
  for (int i = 0; i <= 2; ++i) {
    EXPECT_EQ(t.names[i].shown, 0);
    EXPECT_EQ(t.names[i].marker, 1);
  }
  const std::size_t steps = w->history().steps.size();
  RightClick(*w, PixelOf(*w, t.xy[1]));  // on the second site
  EXPECT_FALSE(t.exists[1]);
  EXPECT_EQ(w->history().steps.size(), steps + 1);
  EXPECT_EQ(w->history().steps.back().kind, 141);
}

TEST_F(VoronoiWindow, EveryPixelShowsItsNearestSitesColourAlsoWhileDragging) {
  auto w = Open();
  w->labelDisplay.labelMode = 0;  // markers only, so the colours show all around
  for (const Point2& p : std::vector<Point2>{{-2, 0}, {2, 1}, {0, -2}, {1, 2.5L}, {-3, 2}}) RightClick(*w, PixelOf(*w, p));
  ExpectNearestColours(*w, w->ClientPicture());

  // In the middle of a drag the cells follow the dragged site.
  platform::ScriptedResponder script;
  script.OnLoop([&](platform::ModalLoop& loop) {
    platform::MouseEvent e;
    e.leftDown = true;
    const platform::PointI to = PixelOf(*w, {0.5L, 0.5L});
    e.x = to.x;
    e.y = to.y;
    loop.FeedMouseMove(e);
    ExpectNearestColours(*w, w->ClientPicture());
    e.leftDown = false;
    loop.FeedMouseUp(e);
  });
  platform::MouseEvent down;
  const platform::PointI from = PixelOf(*w, {-2, 0});
  down.x = from.x;
  down.y = from.y;
  down.leftDown = true;
  w->DeliverMouseDown(down);
  EXPECT_NEAR(static_cast<double>(w->tables().xy[0].x), 0.5, 0.05);
  ExpectNearestColours(*w, w->ClientPicture());
}

TEST_F(VoronoiWindow, SitesSaveToAVorFileAndOpenAgain) {
  const std::string path = (folder_ / "sites.vor").string();
  std::vector<Point2> saved;
  {
    auto w = Open();
    for (const Point2& p : std::vector<Point2>{{-2, 0}, {2, 1}, {0, -2}}) RightClick(*w, PixelOf(*w, p));
    for (int i = 0; i <= 2; ++i) saved.push_back(w->tables().xy[i]);
    w->fileMsg.fileName = path;
    w->fileMsg.named = 1;
    platform::ScriptedResponder script;
    ASSERT_TRUE(w->Save());
    w->Destroy();
  }
  auto reader = Open();
  reader->fileMsg.fileName = path;
  ASSERT_EQ(reader->LoadFile(), 0);
  ASSERT_EQ(reader->tables().last_point, 2);
  for (int i = 0; i <= 2; ++i) EXPECT_EQ(reader->tables().xy[i], saved[static_cast<std::size_t>(i)]);
  EXPECT_EQ(reader->fileData.version, 63);
}

TEST(VoronoiPalette, SitesTakeThePaletteInOrderAndOlderFilesCountUp) {
  EXPECT_EQ(special::VoronoiCellColor(0, 63), 7);
  EXPECT_EQ(special::VoronoiCellColor(12, 63), 1);
  EXPECT_EQ(special::VoronoiCellColor(60, 63), 7);  // wraps after 60
  EXPECT_EQ(special::VoronoiCellColor(0, 62), 1);
  EXPECT_EQ(special::VoronoiCellColor(9, 40), 10);
}

}  // namespace

// The Voronoi window as its user drives it: the right button adds open-dot sites without labels
// and deletes the site under the mouse as a history step; every pixel off the bisectors shows
// its nearest site's colour, also in the middle of a drag; over a background bitmap the cells are
// only framed, the bisector thickness wide, and the bitmap shows inside them; the palette and the
// older files' colours.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "kernel/file_bytes.h"
#include "kernel/vector2.h"
#include "platform/bitmap.h"
#include "platform/scripted_responder.h"
#include "shell/pre_win.h"
#include "special/voronoi_win.h"
#include "special_window.h"
#include "support/isolated_folders.h"
#include "view/export_formats.h"
#include "view/export_readers.h"
#include "view/qel_win.h"

using kernel::Point2;
using special::TGeomVWin;

namespace {

class VoronoiWindow : public IsolatedFolders {
 protected:
  std::unique_ptr<TGeomVWin> Open() {
    auto w = OpenAsLauncherWould<TGeomVWin>("noname1.vor");
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
  static bool NearMarker(const TGeomVWin& w, int x, int y) {
    for (int i = 0; i <= w.tables().last_point; ++i) {
      const platform::PointI s = PixelOf(w, w.tables().xy[i]);
      if (std::abs(s.x - x) < 8 && std::abs(s.y - y) < 8) return true;
    }
    return false;
  }
  // Every tenth pixel away from the bisectors and the site markers shows its site's colour.
  static void ExpectNearestColours(TGeomVWin& w, const platform::Bitmap& picture) {
    const double pixelWidth = static_cast<double>(w.mapping.unitsPerPixelX);
    for (int y = 5; y < 295; y += 10) {
      for (int x = 5; x < 395; x += 10) {
        double margin = 0;
        const int n = NearestSite(w, {x, y}, margin);
        if (margin < 3 * pixelWidth || NearMarker(w, x, y)) continue;  // on a bisector or a marker
        const kernel::ColorRef expected = w.ColorOf(special::VoronoiCellColor(n, 63), true);
        ASSERT_EQ(picture.GetPixel(x, y).value().ToColorRef(), expected) << x << "," << y;
      }
    }
  }
  // The distance in pixels from pixel to the edge of the cell of the existing site n.
  static double FromCellEdge(const TGeomVWin& w, platform::PointI pixel, int n) {
    const Point2 p{w.XToWorld(pixel.x), w.YToWorld(pixel.y)};
    std::vector<Point2> sites;
    for (int i = 0; i <= w.tables().last_point; ++i) {
      if (w.tables().exists[i]) sites.push_back(w.tables().xy[i]);
    }
    const Point2 s = sites[static_cast<std::size_t>(n)];
    double nearest = 1e300;
    for (const Point2& q : sites) {
      if (q == s) continue;
      // From p to the bisector of s and q.
      const kernel::Real toQ = kernel::Dist2(p, q), toS = kernel::Dist2(p, s);
      const double d = static_cast<double>((toQ * toQ - toS * toS) / (2 * kernel::Dist2(s, q)));
      nearest = std::min(nearest, d);
    }
    return nearest / static_cast<double>(w.mapping.unitsPerPixelX);
  }
  // Over the bitmap: every fifth pixel well within the bisector thickness of its cell's edge or
  // the client's edge shows its site's colour, every one beyond it the bitmap's own pixel.
  static void ExpectFramedCells(TGeomVWin& w, const platform::Bitmap& picture, int thickness) {
    const int width = picture.width(), height = picture.height();
    ASSERT_LE(width, Background().width());
    ASSERT_LE(height, Background().height());
    int framed = 0, bare = 0, samples = 0;
    for (int y = 2; y < height - 2; y += 5) {
      for (int x = 2; x < width - 2; x += 5) {
        ++samples;
        if (NearMarker(w, x, y)) continue;
        double margin = 0;
        const int n = NearestSite(w, {x, y}, margin);
        const double inside = std::min<double>(FromCellEdge(w, {x, y}, n), std::min({x, y, width - 1 - x, height - 1 - y}));
        const kernel::ColorRef shown = picture.GetPixel(x, y).value().ToColorRef();
        // Half a pixel either way is the rounding of the frame's corners to pixels.
        if (inside > 1.5 && inside < thickness - 1.5) {
          ASSERT_EQ(shown, w.ColorOf(special::VoronoiCellColor(n, 63), true)) << x << "," << y;
          ++framed;
        } else if (inside > thickness + 1.5) {
          ASSERT_EQ(shown, Background().GetPixel(x, y).value().ToColorRef()) << x << "," << y;
          ++bare;
        }
      }
    }
    EXPECT_GT(bare, samples / 2);
    if (thickness > 3) {
      EXPECT_GT(framed, 100);
    }
  }
  // A picture larger than the client area in which no two neighbouring pixels are alike.
  static const platform::Bitmap& Background() {
    static const platform::Bitmap picture = [] {
      platform::Bitmap b(800, 600);
      for (int y = 0; y < b.height(); ++y) {
        for (int x = 0; x < b.width(); ++x) {
          b.SetPixel(x, y, platform::Color{static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 5), 200});
        }
      }
      return b;
    }();
    return picture;
  }
  // Slides the site at `from` to `to` with the left button, checking the picture halfway.
  static void Drag(TGeomVWin& w, const Point2& from, const Point2& to, const std::function<void()>& halfway) {
    platform::ScriptedResponder script;
    script.OnLoop([&](platform::ModalLoop& loop) {
      platform::MouseEvent e;
      e.leftDown = true;
      const platform::PointI pixel = PixelOf(w, to);
      e.x = pixel.x;
      e.y = pixel.y;
      loop.FeedMouseMove(e);
      halfway();
      e.leftDown = false;
      loop.FeedMouseUp(e);
    });
    platform::MouseEvent down;
    const platform::PointI pixel = PixelOf(w, from);
    down.x = pixel.x;
    down.y = pixel.y;
    down.leftDown = true;
    w.DeliverMouseDown(down);
  }
  const std::vector<Point2> kSites{{-2, 0}, {2, 1}, {0, -2}, {1, 2.5L}, {-3, 2}};
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
  // A new window labels only the points flagged for it, so the sites show no letters.
  EXPECT_EQ(w->labelDisplay.labelMode, 0);
  const std::size_t steps = w->history().steps.size();
  RightClick(*w, PixelOf(*w, t.xy[1]));  // on the second site
  EXPECT_FALSE(t.exists[1]);
  EXPECT_EQ(w->history().steps.size(), steps + 1);
  EXPECT_EQ(w->history().steps.back().kind, 141);
}

TEST_F(VoronoiWindow, EveryPixelShowsItsNearestSitesColourAlsoWhileDragging) {
  auto w = Open();
  w->labelDisplay.labelMode = 0;  // markers only, so the colours show all around
  for (const Point2& p : kSites) RightClick(*w, PixelOf(*w, p));
  ExpectNearestColours(*w, w->ClientPicture());

  // In the middle of a drag the cells follow the dragged site.
  Drag(*w, {-2, 0}, {0.5L, 0.5L}, [&] { ExpectNearestColours(*w, w->ClientPicture()); });
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

TEST_F(VoronoiWindow, OverABackgroundBitmapTheCellsAreFramedInTheBisectorThickness) {
  auto w = Open();
  w->labelDisplay.labelMode = 0;
  for (const Point2& p : kSites) RightClick(*w, PixelOf(*w, p));
  EXPECT_FALSE(w->QueryCommand(special::kCmdBisectorThickness).enabled);

  const std::string bitmap = (folder_ / "photo.bmp").string();
  ASSERT_TRUE(Background().WriteBmpFile(bitmap));
  platform::ScriptedResponder script;
  script.ChooseFile(bitmap);
  w->DispatchCommand(shell::kCmdOpenBackBitmap);
  ASSERT_TRUE(w->CellsOutlined());
  EXPECT_TRUE(w->QueryCommand(special::kCmdBisectorThickness).enabled);
  EXPECT_EQ(w->BisectorThickness(), 2);
  const platform::Bitmap picture = w->ClientPicture();
  ExpectFramedCells(*w, picture, 2);
  // Across the bisector of the first two sites, at their midpoint: each side's pixel next to it
  // in its own site's colour, the bitmap a few pixels on.
  const platform::PointI middle = PixelOf(*w, {0, 0.5L});
  const struct {
    int dx, dy;
    kernel::ColorRef colour;
  } across[] = {{-1, 0, w->ColorOf(special::VoronoiCellColor(0, 63), true)},
                {1, 0, w->ColorOf(special::VoronoiCellColor(1, 63), true)},
                {-6, -1, Background().GetPixel(middle.x - 6, middle.y - 1).value().ToColorRef()},
                {6, 1, Background().GetPixel(middle.x + 6, middle.y + 1).value().ToColorRef()}};
  for (const auto& c : across) {
    EXPECT_EQ(picture.GetPixel(middle.x + c.dx, middle.y + c.dy).value().ToColorRef(), c.colour) << c.dx;
  }

  // A wider frame through its command; a bad value changes nothing.
  w->fileMsg.modified = 0;
  script.FillAndPress("ONEINPUT", {{211, "6"}}, platform::IDOK)
      .FillAndPress("ONEINPUT", {{211, "-1"}}, platform::IDOK)
      .AnswerMessage(platform::IDOK);
  w->DispatchCommand(special::kCmdBisectorThickness);
  EXPECT_EQ(w->BisectorThickness(), 6);
  EXPECT_EQ(w->fileMsg.modified, 1);
  w->DispatchCommand(special::kCmdBisectorThickness);
  EXPECT_EQ(w->BisectorThickness(), 6);
  EXPECT_EQ(script.Messages().back(), "out of bounds");
  ExpectFramedCells(*w, w->ClientPicture(), 6);

  // The frames follow a dragged site over the bitmap.
  Drag(*w, {-2, 0}, {0.5L, 0.5L}, [&] { ExpectFramedCells(*w, w->ClientPicture(), 6); });
  EXPECT_NEAR(static_cast<double>(w->tables().xy[0].x), 0.5, 0.05);
  ExpectFramedCells(*w, w->ClientPicture(), 6);

  // Without the bitmap the cells are filled again.
  w->DispatchCommand(shell::kCmdRemoveBackBitmap);
  EXPECT_FALSE(w->QueryCommand(special::kCmdBisectorThickness).enabled);
  ExpectNearestColours(*w, w->ClientPicture());
  EXPECT_TRUE(script.Finished());
}

TEST_F(VoronoiWindow, TheFileKeepsTheBitmapAndTheBisectorThickness) {
  const std::string path = (folder_ / "traced.vor").string();
  const std::string bitmap = (folder_ / "photo.bmp").string();
  ASSERT_TRUE(Background().WriteBmpFile(bitmap));
  {
    auto w = Open();
    for (const Point2& p : kSites) RightClick(*w, PixelOf(*w, p));
    w->preWin.backBitmapName = bitmap;
    ASSERT_EQ(w->LoadBackBitmap(), 0);
    platform::ScriptedResponder script;
    script.FillAndPress("ONEINPUT", {{211, "5"}}, platform::IDOK);
    w->DispatchCommand(special::kCmdBisectorThickness);
    w->fileMsg.fileName = path;
    w->fileMsg.named = 1;
    ASSERT_TRUE(w->Save());
    w->Destroy();
  }
  auto reader = Open();
  reader->fileMsg.fileName = path;
  ASSERT_EQ(reader->LoadFile(), 0);
  reader->labelDisplay.labelMode = 0;
  EXPECT_EQ(reader->BisectorThickness(), 5);
  ASSERT_TRUE(reader->CellsOutlined());
  EXPECT_EQ(reader->preWin.backBitmapName, bitmap);
  ExpectFramedCells(*reader, reader->ClientPicture(), 5);
}

// An exported picture frames the cells over a bitmap as the window does: several filled pieces
// along each cell's edges in place of one filled cell, and the file reads.
TEST_F(VoronoiWindow, ExportsFrameTheCellsOverABitmap) {
  auto w = Open();
  for (const Point2& p : kSites) RightClick(*w, PixelOf(*w, p));
  const auto exportSvg = [&](const std::string& name) {
    platform::ScriptedResponder script;
    script.ChooseFile((folder_ / name).string()).FillAndPress("SVG", {}, platform::IDOK).AnswerMessage(platform::IDOK);
    w->DispatchCommand(view::kCmdExportSVG);
    EXPECT_TRUE(script.Unexpected().empty());
    const kernel::Bytes bytes = kernel::ReadFileBytes((folder_ / name).string()).value_or(kernel::Bytes{});
    const std::string svg(bytes.begin(), bytes.end());
    int polygons = 0;
    for (std::size_t at = svg.find("<polygon"); at != std::string::npos; at = svg.find("<polygon", at + 1)) ++polygons;
    return std::make_pair(svg, polygons);
  };
  const auto [filledSvg, filled] = exportSvg("filled.svg");
  EXPECT_EQ(filled, 5);
  w->preWin.backBitmap = Background();
  const auto [framedSvg, framed] = exportSvg("framed.svg");
  EXPECT_GE(framed, 5 * 3);
  export_test::ExpectSvgReadable(framedSvg);
}

// The printed page scales the picture up from the screen; the bitmap under the frames is scaled
// with it, so it fills the printed picture as it fills the window.
TEST_F(VoronoiWindow, APrintedPageHasTheBitmapUnderTheFramesAtThePicturesScale) {
  auto w = Open();
  w->UpdateClientArea();
  RightClick(*w, PixelOf(*w, {0, 0}));
  w->preWin.backBitmap = platform::Bitmap(w->preWin.width, w->preWin.height, platform::Color{0, 0, 255});
  w->preWin.backWidth = w->preWin.width;
  w->preWin.backHeight = w->preWin.height;
  const int clientWidth = w->preWin.width, clientHeight = w->preWin.height;
  w->printFormat.horizontalOffset = 1.5;
  w->printFormat.verticalOffset = 2;
  w->printFormat.width = 3;
  w->printFormat.colorPrinter = 1;
  const std::string pdf = (folder_ / "cells.pdf").string();
  platform::ScriptedResponder script;
  platform::PrintDialogAnswer answer;
  answer.pdfFile = pdf;
  script.ChoosePrinter(answer);
  w->DispatchCommand(view::kCmdPrint);
  EXPECT_TRUE(script.Unexpected().empty());
  const std::string page = (folder_ / "page").string();
  ASSERT_EQ(export_test::RunTool("pdftoppm -r 50 -singlefile '" + pdf + "' '" + page + "'").status, 0);
  const kernel::Bytes ppm = kernel::ReadFileBytes(page + ".ppm").value();
  int width = 0, height = 0, maxValue = 0, offset = 0;
  const std::string head(ppm.begin(), ppm.begin() + 64);
  ASSERT_EQ(std::sscanf(head.c_str(), "P6 %d %d %d%n", &width, &height, &maxValue, &offset), 3);
  ++offset;
  // The picture: 1.5 and 2 inches in, 3 inches wide, at 50 dots per inch; a few pixels in from
  // its edges, all blue.
  const int left = 75, top = 100, right = 225, bottom = top + 150 * clientHeight / clientWidth;
  int blue = 0, other = 0;
  for (int y = top + 3; y < bottom - 3 && y < height; ++y) {
    for (int x = left + 3; x < right - 3 && x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(offset) + 3 * (static_cast<std::size_t>(y) * width + x);
      const bool isBlue = ppm[at] < 60 && ppm[at + 1] < 60 && ppm[at + 2] > 200;
      (isBlue ? blue : other)++;
    }
  }
  EXPECT_GT(blue, 20 * other) << blue << " blue, " << other << " other";
  w->Destroy();
}

TEST(VoronoiPalette, SitesTakeThePaletteInOrderAndOlderFilesCountUp) {
  EXPECT_EQ(special::VoronoiCellColor(0, 63), 7);
  EXPECT_EQ(special::VoronoiCellColor(12, 63), 1);
  EXPECT_EQ(special::VoronoiCellColor(60, 63), 7);  // wraps after 60
  EXPECT_EQ(special::VoronoiCellColor(0, 62), 1);
  EXPECT_EQ(special::VoronoiCellColor(9, 40), 10);
}

}  // namespace

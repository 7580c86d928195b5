// Drawing a Penrose tiling: the four layers and what each display switch leaves of them, the tile
// colours of the three colour modes, the bars cut to the view, the tile under a point and the
// fitted view.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/colour_table.h"
#include "kernel/vector2.h"
#include "special/penrose_drawing.h"
#include "special/penrose_patches.h"

using kernel::Point2;
using kernel::Real;
using special::PenroseDisplay;
using special::PenroseDrawing;
using special::PenroseTiling;

namespace {

view::ViewMapping View(Real cx, Real cy, Real half) {
  view::ViewMapping m;
  m.width = 501;
  m.height = 501;
  m.centre = {cx, cy};
  m.halfWidth = m.halfHeight = half;
  view::FitViewToClient(m);
  return m;
}

// Records the regions, segments and arcs it is given.
class Recorder : public view::FigurePainter {
 public:
  explicit Recorder(const view::ViewMapping& m, bool clipsItself = true)
      : FigurePainter(m), clipsItself_(clipsItself) {}
  std::vector<std::vector<Point2>> regions;
  std::vector<view::InkColor> fills;
  std::vector<view::LinePen> segmentPens;
  std::vector<std::pair<Point2, Point2>> segments;
  int arcs = 0;

 protected:
  bool DoClipsToView() const override { return clipsItself_; }
  void DoRegion(std::span<const Point2> points, std::string_view, bool) override {
    regions.emplace_back(points.begin(), points.end());
    fills.push_back(state().brush.color);
    EXPECT_EQ(state().pen.style, view::kLineNone);
  }
  void DoArc(const Point2&, const Point2&, Real) override { ++arcs; }
  bool DoSegment(const Point2& p, const Point2& q, bool) override {
    segments.emplace_back(p, q);
    segmentPens.push_back(state().pen);
    return true;
  }
  void DoText(platform::PointI, std::string_view, int, int, std::optional<kernel::ColorRef>) override {}
  platform::SizeI DoTextExtent(std::string_view) override { return {}; }

 private:
  bool clipsItself_;
};

PenroseTiling Patch(int patch, int mode = 0) {
  PenroseTiling t(static_cast<std::uint8_t>(mode));
  EXPECT_TRUE(special::LoadLibraryPatch(t, patch));
  return t;
}

constexpr int kAce = 2;
constexpr int kQueen = 5;

TEST(PenroseDrawing, EachSwitchLeavesItsLayers) {
  PenroseTiling t = Patch(kQueen);
  ASSERT_EQ(t.TileCount(), 27);
  std::size_t bars = 0;
  for (const auto& list : t.bars) bars += list.size();
  ASSERT_GT(bars, 0u);
  const int edges = t.tileLastEdge.back() + 1;
  struct Case {
    const char* name;
    PenroseDisplay display;
    std::size_t regions;
    int arcs;
    bool barsDrawn;
    bool edgesDrawn;
  };
  PenroseDisplay plain;
  PenroseDisplay curves;
  curves.curves = 1;
  PenroseDisplay barsOnly;
  barsOnly.hideTiles = 1;
  barsOnly.ammannFamily = {1, 1, 1, 1, 1};
  PenroseDisplay hiddenWithCurves = barsOnly;
  hiddenWithCurves.curves = 1;
  const Case cases[] = {
      {"plain", plain, 27, 0, false, true},
      {"curves", curves, 27, 54, false, true},
      {"hide tiles, bars on", barsOnly, 0, 0, true, false},
      {"hide tiles, bars and curves", hiddenWithCurves, 0, 54, true, false},
  };
  const view::ViewMapping m = View(0, 0, 6);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Recorder r(m);
    special::DrawTilingLayers(r, {t, c.display, {}, {}}, t.LastTile());
    EXPECT_EQ(r.regions.size(), c.regions);
    EXPECT_EQ(r.arcs, c.arcs);
    int barSegments = 0;
    int edgeSegments = 0;
    for (const view::LinePen& pen : r.segmentPens) (pen.color.index == c.display.barsColor ? barSegments : edgeSegments)++;
    EXPECT_EQ(barSegments > 0, c.barsDrawn);
    EXPECT_EQ(edgeSegments, c.edgesDrawn ? edges : 0);
  }
}

TEST(PenroseDrawing, LowerLastTileDrawsTheTilingAsItWasThen) {
  PenroseTiling t = Patch(kAce);
  ASSERT_EQ(t.TileCount(), 3);
  const view::ViewMapping m = View(0, 0, 3);
  for (int last = -1; last <= 2; ++last) {
    Recorder r(m);
    special::DrawTilingLayers(r, {t, {}, {}, {}}, last);
    EXPECT_EQ(r.regions.size(), static_cast<std::size_t>(last + 1));
    EXPECT_EQ(r.segments.size(), last < 0 ? 0u : static_cast<std::size_t>(t.tileLastEdge[last] + 1));
  }
  Recorder none(m);
  PenroseTiling empty(0);
  special::DrawTilingLayers(none, {empty, {}, {}, {}}, 100);
  EXPECT_TRUE(none.regions.empty() && none.segments.empty());
}

TEST(PenroseDrawing, TileColoursOfTheThreeModes) {
  PenroseTiling t = Patch(kQueen);  // colours 3, 7 and 8
  std::vector<kernel::ColorRef> greys(kernel::kColorCount);
  for (int i = 0; i < kernel::kColorCount; ++i) greys[i] = kernel::Rgb(i, i, i);
  const view::ViewMapping m = View(0, 0, 6);
  for (std::uint16_t mode : {special::kFullColor, special::kGreyTiles, special::kWhiteTiles}) {
    SCOPED_TRACE(mode);
    PenroseDisplay d;
    d.colorMode = mode;
    Recorder r(m);
    special::DrawTilingLayers(r, {t, d, greys, {}}, t.LastTile());
    ASSERT_EQ(r.fills.size(), 27u);
    for (int i = 0; i < 27; ++i) {
      const int c = t.tiles[i].color;
      const view::InkColor expected = mode == special::kFullColor  ? view::InkColor::Index(c)
                                      : mode == special::kGreyTiles ? view::InkColor::Value(kernel::Rgb(c, c, c))
                                                                    : view::InkColor::Value(kernel::kWhiteRef);
      EXPECT_EQ(r.fills[i], expected) << i;
    }
    // Edges are drawn whatever the tiles' colour.
    EXPECT_FALSE(r.segments.empty());
  }
}

TEST(PenroseDrawing, TargetsWithoutClippingGetTilesCutToTheView) {
  PenroseTiling t = Patch(kQueen);
  const view::ViewMapping m = View(0, 0, 1);
  Recorder screen(m, true);
  Recorder page(m, false);
  special::FillAllTiles(screen, {t, {}, {}, {}}, t.LastTile());
  special::FillAllTiles(page, {t, {}, {}, {}}, t.LastTile());
  EXPECT_EQ(screen.regions.size(), 27u);
  ASSERT_LT(page.regions.size(), 27u);
  const Real slack = m.unitsPerPixelX;
  for (const auto& region : page.regions)
    for (const Point2& p : region) {
      EXPECT_LE(std::fabs(p.x), 1 + slack);
      EXPECT_LE(std::fabs(p.y), 1 + slack);
    }
}

TEST(PenroseDrawing, BarsAreChordsOfTheViewShrunkByAPixel) {
  PenroseTiling t = Patch(kQueen);
  const view::ViewMapping m = View(0, 0, 2);
  const Real inner = 2 - m.unitsPerPixelX;
  for (int f = 0; f < 5; ++f) {
    const Point2& d = t.unitDirs[2 * f + 1];
    const auto chord = special::BarChord(t, f, static_cast<Real>(0.3), m);
    ASSERT_TRUE(chord) << f;
    for (const Point2& p : *chord) {
      EXPECT_NEAR(kernel::Dot2(p, d), 0.3, 1e-12);
      EXPECT_LE(std::max(std::fabs(p.x), std::fabs(p.y)), inner + 1e-12);
      EXPECT_NEAR(std::max(std::fabs(p.x), std::fabs(p.y)), inner, 1e-12);
    }
    EXPECT_FALSE(special::BarChord(t, f, 10, m)) << f;
  }
}

TEST(PenroseDrawing, TileUnderAPointTakesTheLowerIndexOnASharedEdge) {
  PenroseTiling t = Patch(kAce);
  // Edge 0 has the dart on one side and the kite on the other.
  const special::PenroseEdge& e = t.edges[0];
  ASSERT_GE(e.tile0, 0);
  ASSERT_GE(e.tile1, 0);
  const Point2 mid = kernel::Midpoint2(t.vertices[e.from], t.vertices[e.to]);
  EXPECT_EQ(special::TileAtPoint(t, mid, static_cast<Real>(0.01)), std::min(e.tile0, e.tile1));
  for (int i = 0; i < 3; ++i) {
    const auto& c = t.tiles[i].c;
    // A point just inside the tile, off its edges: a quarter of the way from a corner to the centre.
    Point2 centre{0, 0};
    for (int k = 0; k < 4; ++k) centre = centre + t.vertices[c[k]] * static_cast<Real>(0.25);
    const Point2 inside = t.vertices[c[1]] * static_cast<Real>(0.3) + centre * static_cast<Real>(0.7);
    EXPECT_EQ(special::TileAtPoint(t, inside, 0), i);
  }
  EXPECT_EQ(special::TileAtPoint(t, {40, 40}, static_cast<Real>(0.01)), -1);
}

TEST(PenroseDrawing, FittedViews) {
  PenroseTiling t = Patch(10);  // one kite
  kernel::Box2 box{-10, 10, -10, 10};
  auto fresh = special::FitTilingView(t, false, box);
  ASSERT_TRUE(fresh);
  Point2 lo{0, 0};
  Point2 hi{0, 0};
  for (const Point2& v : t.vertices) kernel::ExtendBox2(lo, v, hi);
  EXPECT_NEAR(fresh->centre.x, (lo.x + hi.x) / 2, 1e-12);
  EXPECT_NEAR(fresh->halfWidth, 0.65 * (hi.x - lo.x), 1e-12);
  EXPECT_NEAR(fresh->halfHeight, 0.65 * (hi.y - lo.y), 1e-12);
  // Keeping a view that holds every vertex keeps it; one that misses some widens by a fifth.
  auto kept = special::FitTilingView(t, true, box);
  ASSERT_TRUE(kept);
  EXPECT_NEAR(kept->halfWidth, 10, 1e-12);
  EXPECT_NEAR(kept->centre.x, 0, 1e-12);
  auto widened = special::FitTilingView(t, true, {0.1L, 0.2L, 0.1L, 0.2L});
  ASSERT_TRUE(widened);
  EXPECT_NEAR(widened->halfWidth, 0.6 * (std::max<Real>(hi.x, 0.2L) - std::min<Real>(lo.x, 0.1L)), 1e-12);
  PenroseTiling bare(0);
  bare.vertices.clear();
  EXPECT_FALSE(special::FitTilingView(bare, false, box));
}

}  // namespace

namespace {

// Every curve arc runs inside its own tile, in both tilings.
TEST(PenroseDrawing, CurvesRunInsideTheirTiles) {
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    PenroseTiling t = Patch(1, mode);  // the star
    PenroseDisplay d;
    d.curves = 1;
    struct Arc {
      Point2 centre, start;
      Real sweep;
    };
    std::vector<Arc> arcs;
    PenroseDrawing drawing{t, d, {}, [&arcs](const Point2& c, const Point2& s, Real sweep, const view::LinePen&) {
                             arcs.push_back({c, s, sweep});
                           }};
    const view::ViewMapping m = View(0, 0, 6);
    Recorder r(m);
    special::DrawCurves(r, drawing, t.LastTile());
    ASSERT_EQ(arcs.size(), 2u * t.TileCount());
    for (std::size_t i = 0; i < arcs.size(); ++i) {
      const Arc& a = arcs[i];
      for (Real f : {0.25L, 0.5L, 0.75L}) {
        Point2 v = a.start - a.centre;
        kernel::Rotate2(v, a.sweep * f);
        const Point2 p = a.centre + v;
        // Inside the tile that drew it (the first tile covering the point may be a neighbour only
        // on a shared border, which a point strictly inside an arc never is).
        EXPECT_EQ(special::TileAtPoint(t, p, 0), static_cast<int>(i / 2)) << "arc " << i << " at " << f;
      }
    }
    // The curves run on across the tiles: an end of an arc inside the patch is an end of an arc
    // of the same kind in the neighbouring tile.
    std::vector<std::pair<Point2, std::size_t>> ends;
    for (std::size_t i = 0; i < arcs.size(); ++i) {
      Point2 v = arcs[i].start - arcs[i].centre;
      ends.emplace_back(arcs[i].start, i);
      kernel::Rotate2(v, arcs[i].sweep);
      ends.emplace_back(arcs[i].centre + v, i);
    }
    int joined = 0;
    for (const auto& [p, i] : ends)
      for (const auto& [q, j] : ends)
        if (i / 2 != j / 2 && kernel::TaxiDist2(p, q) < 1e-9) {
          EXPECT_EQ(i % 2, j % 2) << "arcs " << i << " and " << j;
          ++joined;
        }
    EXPECT_GT(joined, static_cast<int>(arcs.size()));
  }
}

}  // namespace

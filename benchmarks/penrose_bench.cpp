// Growing a kites-and-darts tiling to 10^4 tiles with forced tiles and the Ammann bar rule on, as
// a user clicking round the rim would (refused clicks included), against the bare arithmetic of
// the new corners of the same placements, and against replaying the finished placement list.
//
// The window's tables hold 6000 entries (about 2800 tiles); the benchmark gives the engine room for
// 32000 to see how it scales.

#include <benchmark/benchmark.h>

#include "bench_application.h"

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "kernel/vector2.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "special/penrose_attach.h"
#include "special/penrose_drawing.h"
#include "special/penrose_tiles.h"
#include "view/dc_figure_painter.h"

namespace {

using special::PenroseTiling;

constexpr int kTargetTiles = 10000;
constexpr int kRoom = 32000;

struct Click {
  std::int16_t edge;
  int which;
};

PenroseTiling StartTiling() {
  PenroseTiling t(0, kRoom);
  t.forcedTiles = true;
  special::PlaceTile(t, 0, 0, 0, 8);
  t.placements.back().continued = 0;
  return t;
}

// The clicks: always on the open edge nearest the origin, a kite first and a dart when the kite
// is refused; an edge where both are refused is left.
struct Growth {
  std::vector<Click> clicks;
  PenroseTiling grown{0, kRoom};
};

const Growth& TheGrowth() {
  static const Growth growth = [] {
    Growth g;
    PenroseTiling t = StartTiling();
    std::vector<char> dead(kRoom, 0);
    while (t.TileCount() < kTargetTiles) {
      std::int16_t best = -1;
      kernel::Real bestDistance = 0;
      for (std::size_t e = 0; e < t.edges.size(); ++e) {
        const special::PenroseEdge& edge = t.edges[e];
        if ((edge.tile0 < 0) == (edge.tile1 < 0) || dead[e] != 0) continue;
        const kernel::Point2 m = t.vertices[static_cast<std::size_t>(edge.from)] + t.vertices[static_cast<std::size_t>(edge.to)];
        const kernel::Real d = kernel::Dot2(m, m);
        if (best < 0 || d < bestDistance) {
          best = static_cast<std::int16_t>(e);
          bestDistance = d;
        }
      }
      if (best < 0) break;
      g.clicks.push_back({best, 0});
      if (special::AttachToEdge(t, 0, best).code < 1) continue;
      g.clicks.push_back({best, 1});
      if (special::AttachToEdge(t, 1, best).code >= 1) dead[static_cast<std::size_t>(best)] = 1;
    }
    g.grown = std::move(t);
    return g;
  }();
  return growth;
}

void BM_PenroseGrowForced(benchmark::State& state) {
  const Growth& g = TheGrowth();
  int tiles = 0;
  for (auto _ : state) {
    PenroseTiling t = StartTiling();
    for (const Click& c : g.clicks) special::AttachToEdge(t, c.which, c.edge);
    tiles = t.TileCount();
    benchmark::DoNotOptimize(t.vertices.data());
  }
  state.SetItemsProcessed(state.iterations() * tiles);
  state.counters["tiles"] = tiles;
  state.counters["clicks"] = static_cast<double>(g.clicks.size());
}
BENCHMARK(BM_PenroseGrowForced)->Unit(benchmark::kMillisecond);

// Floor: for every placement of the grown tiling, the two new corners from the edge's ends and
// the direction tables, and nothing else.
void BM_PenroseCornerArithmetic(benchmark::State& state) {
  const PenroseTiling& t = TheGrowth().grown;
  const int placements = t.lastPlacement + 1;
  for (auto _ : state) {
    kernel::Point2 sum{0, 0};
    for (int i = 0; i < placements; ++i) {
      const special::TilePlacement& r = t.placements[static_cast<std::size_t>(i)];
      const special::PenroseEdge& e = t.edges[static_cast<std::size_t>(r.edge)];
      const auto& head = e.kind == r.type ? t.longDirs : t.unitDirs;
      const auto& tail = e.kind == r.type ? t.unitDirs : t.longDirs;
      sum = sum + (t.vertices[static_cast<std::size_t>(e.to)] + head[static_cast<std::size_t>((e.dir + 3 + r.side) % 10)]);
      sum = sum + (t.vertices[static_cast<std::size_t>(e.from)] + tail[static_cast<std::size_t>((e.dir + 4 + r.side) % 10)]);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * placements);
}
BENCHMARK(BM_PenroseCornerArithmetic)->Unit(benchmark::kMicrosecond);

// Replaying the finished list (what Undo, Redo, Rotate, opening a file and the library do).
void BM_PenroseRebuild(benchmark::State& state) {
  PenroseTiling t = TheGrowth().grown;
  for (auto _ : state) {
    special::ResetTiling(t, t.rotation);
    special::RebuildTiling(t);
    benchmark::DoNotOptimize(t.vertices.data());
  }
  state.SetItemsProcessed(state.iterations() * (t.lastPlacement + 1));
  state.counters["tiles"] = t.TileCount();
}
BENCHMARK(BM_PenroseRebuild)->Unit(benchmark::kMillisecond);

// Repainting the grown tiling (fills and edges) into a 1000 x 800 picture through the figure
// painter, as the window redraws its tiling picture after a pan or a change; the floor is the same
// polygons and edges sent straight to the device context, their pixels computed in the loop.
constexpr int kPictureWidth = 1000;
constexpr int kPictureHeight = 800;

using bench::EnsureApplication;

view::ViewMapping TilingView(const PenroseTiling& t) {
  kernel::Point2 lo{0, 0};
  kernel::Point2 hi{0, 0};
  for (const kernel::Point2& v : t.vertices) kernel::ExtendBox2(lo, v, hi);
  view::ViewMapping m;
  m.width = kPictureWidth;
  m.height = kPictureHeight;
  m.centre = kernel::Midpoint2(lo, hi);
  m.halfWidth = (hi.x - lo.x) / 2;
  m.halfHeight = (hi.y - lo.y) / 2;
  view::FitViewToClient(m);
  return m;
}

void BM_PenroseRepaint(benchmark::State& state) {
  EnsureApplication();
  const PenroseTiling& t = TheGrowth().grown;
  const view::ViewMapping m = TilingView(t);
  platform::Bitmap picture(kPictureWidth, kPictureHeight);
  std::unique_ptr<platform::DC> dc = picture.CreateDC();
  const special::PenroseDisplay display;
  const view::DcPaintRules rules;
  for (auto _ : state) {
    dc->FillRect({0, 0, kPictureWidth, kPictureHeight}, platform::Brush::Solid(platform::kWhite));
    view::DcFigurePainter painter(*dc, m, rules);
    special::DrawTilingLayers(painter, {t, display, {}, {}}, t.LastTile());
  }
  state.counters["tiles"] = t.TileCount();
}
BENCHMARK(BM_PenroseRepaint)->Unit(benchmark::kMillisecond);

void BM_PenroseRepaintFloor(benchmark::State& state) {
  EnsureApplication();
  const PenroseTiling& t = TheGrowth().grown;
  const view::ViewMapping m = TilingView(t);
  platform::Bitmap picture(kPictureWidth, kPictureHeight);
  std::unique_ptr<platform::DC> dc = picture.CreateDC();
  const view::DcPaintRules rules;
  std::vector<platform::PointI> pixels(t.vertices.size());
  for (auto _ : state) {
    dc->FillRect({0, 0, kPictureWidth, kPictureHeight}, platform::Brush::Solid(platform::kWhite));
    for (std::size_t i = 0; i < t.vertices.size(); ++i) view::WorldToPixel(m, t.vertices[i], pixels[i]);
    dc->SelectPen(platform::Pen{platform::PenStyle::Null, 1, platform::kBlack});
    int color = -1;
    for (const special::PenroseTile& tile : t.tiles) {
      if (tile.color != color) {
        color = tile.color;
        dc->SelectBrush(platform::Brush::Solid(platform::Color::FromColorRef(view::TableColor(rules, color))));
      }
      const platform::PointI quad[4] = {pixels[tile.c[0]], pixels[tile.c[1]], pixels[tile.c[2]], pixels[tile.c[3]]};
      dc->Polygon(quad);
    }
    dc->SelectPen(platform::Pen{platform::PenStyle::Solid, 1, platform::kBlack});
    for (const special::PenroseEdge& e : t.edges) {
      dc->MoveTo(pixels[e.from]);
      dc->LineTo(pixels[e.to]);
    }
  }
  state.counters["tiles"] = t.TileCount();
}
BENCHMARK(BM_PenroseRepaintFloor)->Unit(benchmark::kMillisecond);

}  // namespace

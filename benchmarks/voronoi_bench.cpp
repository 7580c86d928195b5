// Dragging a site of the Voronoi window: the site's step runs again, then every cell is computed
// and the whole picture painted into a 1000 x 800 off-screen bitmap, for 200 and 1000 sites, the
// cells filled, or framed over a background bitmap. The
// floors, in the same run: the same cell polygons (computed beforehand) filled straight into the
// bitmap through the DC, and the cells computed alone.

#include <benchmark/benchmark.h>

#include "bench_application.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "kernel/random.h"
#include "kernel/voronoi_cell.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "special/voronoi_win.h"

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kWidth = 1000;
constexpr int kHeight = 800;

using bench::EnsureApplication;

struct Sites {
  explicit Sites(int n) {
    EnsureApplication();
    window = std::make_unique<special::TGeomVWin>(nullptr, "bench.vor");
    special::TGeomVWin& w = *window;
    w.preWin.width = kWidth;
    w.preWin.height = kHeight;
    w.SetView(0, 0, 11, 11 * kHeight / Real{kWidth}, false);
    engine::FigureTables& t = w.tables();
    kernel::SeedRandom(7);
    for (int i = 0; i < n; ++i) {
      t.xy[t.last_point + 1] = {kernel::RandomBetween(-10.5, 10.5), kernel::RandomBetween(-8.5, 8.5)};
      w.history().BeginStep(121, static_cast<std::int16_t>(t.FindFreeLabel()));
      w.RunNewStep();
    }
    for (int i = 0; i < n; ++i) points.push_back(t.xy[i]);
  }
  std::unique_ptr<special::TGeomVWin> window;
  std::vector<Point2> points;
};

Sites& SitesOf(int n) {
  static Sites few(200);
  static Sites many(1000);
  return n == 200 ? few : many;
}

// One move of a drag: the site's step, the cells and the picture.
void DragUpdates(benchmark::State& state, bool overBitmap) {
  Sites& s = SitesOf(static_cast<int>(state.range(0)));
  special::TGeomVWin& w = *s.window;
  if (overBitmap) w.preWin.backBitmap = platform::Bitmap(kWidth, kHeight, platform::Color{90, 140, 60});
  const std::uint16_t moved[] = {static_cast<std::uint16_t>(state.range(0) / 2)};
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  Real step = static_cast<Real>(0.001);
  int n = 0;
  for (auto _ : state) {
    if (++n % 200 == 0) step = -step;
    w.tables().xy[moved[0]].x += step;
    benchmark::DoNotOptimize(w.ReplayMovedPoints(moved));
    w.PaintInto(*dc);
    benchmark::ClobberMemory();
  }
  w.preWin.backBitmap.reset();
}

void BM_VoronoiDragUpdate(benchmark::State& state) { DragUpdates(state, false); }
BENCHMARK(BM_VoronoiDragUpdate)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_VoronoiDragUpdateFramed(benchmark::State& state) { DragUpdates(state, true); }
BENCHMARK(BM_VoronoiDragUpdateFramed)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

// Floor: the cells alone, without painting.
void BM_FloorCells(benchmark::State& state) {
  Sites& s = SitesOf(static_cast<int>(state.range(0)));
  const kernel::Box2 box = s.window->mapping.box;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kernel::VoronoiCells(s.points, box));
  }
}
BENCHMARK(BM_FloorCells)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

// Floor: the same cells, computed beforehand, filled straight into the bitmap.
void BM_FloorFillCells(benchmark::State& state) {
  Sites& s = SitesOf(static_cast<int>(state.range(0)));
  special::TGeomVWin& w = *s.window;
  std::vector<std::vector<platform::PointI>> cells;
  for (const std::vector<Point2>& cell : kernel::VoronoiCells(s.points, w.mapping.box)) {
    std::vector<platform::PointI>& pixels = cells.emplace_back();
    for (const Point2& p : cell) pixels.push_back({w.XToScreen(p.x), w.YToScreen(p.y)});
  }
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  dc->SelectPen({platform::PenStyle::Null, 1, platform::kBlack});
  for (auto _ : state) {
    std::uint32_t c = 0;
    for (const auto& cell : cells) {
      dc->SelectBrush(platform::Brush::Solid(platform::Color::FromColorRef(0x102030 + (c++ & 0xFF))));
      dc->Polygon(cell);
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorFillCells)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

// Dragging a free point of a 2000-step plane figure in a real plane window: the steps downstream
// of the point run again through the window's own executors, then the whole picture (lines,
// circles, markers and labels) is painted into a 1000 x 800 off-screen bitmap. The floors, in the
// same run: the bare arithmetic of the whole history written straight into the tables, the
// background filled into the bitmap (the least a repaint does), and the pixels of the same lines
// and circle rims written straight into a buffer.

#include <benchmark/benchmark.h>

#include "bench_application.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "kernel/random.h"
#include "kernel/vector2.h"
#include "engine/step_dependencies.h"
#include "plane/drag_repaint.h"
#include "plane/geom2_win.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"

namespace {

using kernel::Point2;
using kernel::Real;

constexpr int kSteps = 2000;
constexpr int kWidth = 1000;
constexpr int kHeight = 800;

using bench::EnsureApplication;

// The figure: the first steps are free points; after them each step is, in turn, a free point,
// a segment or a circle on two earlier points, or a point on an earlier segment.
struct Figure {
  Figure() {
    EnsureApplication();
    window = std::make_unique<plane::TGeom2Win>(nullptr, "bench", 0);
    plane::TGeom2Win& w = *window;
    w.preWin.width = kWidth;
    w.preWin.height = kHeight;
    w.SetView(0, 0, 11, 11 * kHeight / Real{kWidth}, false);
    engine::FigureTables& t = w.tables();
    kernel::SeedRandom(2024);
    auto random_point = [&] { return static_cast<int>(kernel::Rand31() % (t.last_point + 1)); };
    std::vector<int> segments;  // a, b, line index of each segment
    for (int s = 0; s < kSteps; ++s) {
      // The last step is a free point nothing depends on.
      const int kind = s < 20 || s == kSteps - 1 ? 0 : s % 4;
      if (kind == 0) {
        t.xy[t.last_point + 1] = {kernel::RandomBetween(-10, 10), kernel::RandomBetween(-8, 8)};
        w.history().BeginStep(121, static_cast<std::int16_t>(t.FindFreeLabel()));
        free_points.push_back(t.last_point + 1);
      } else if (kind == 1 || kind == 2) {
        const int a = random_point();
        int b = random_point();
        if (b == a) b = (a + 1) % (t.last_point + 1);
        w.history().BeginStep(kind == 1 ? 111 : 91, static_cast<std::int16_t>(a), static_cast<std::int16_t>(b), -1,
                              0, 0, -1);
        if (kind == 1) segments.insert(segments.end(), {a, b, t.last_line + 1});
      } else {
        const std::size_t k = 3 * (kernel::Rand31() % (segments.size() / 3));
        t.attrs[t.last_point + 1].value = kernel::RandomBetween(0, 1);
        w.history().BeginStep(201, static_cast<std::int16_t>(segments[k]), static_cast<std::int16_t>(segments[k + 1]),
                              static_cast<std::int16_t>(segments[k + 2]));
      }
      w.RunNewStep();
    }
    w.ReplayConstruction(false);
    moved = static_cast<std::uint16_t>(free_points[free_points.size() / 2]);
    // The free point that about half the figure depends on.
    engine::DownstreamFinder finder;
    std::size_t best = kSteps;
    for (int p : free_points) {
      const std::uint16_t one[] = {static_cast<std::uint16_t>(p)};
      const std::size_t n = finder.Find(w.history(), w.stepEngine.ends, one).size();
      const std::size_t off = n > kSteps / 2 ? n - kSteps / 2 : kSteps / 2 - n;
      if (off < best) {
        best = off;
        half = one[0];
        half_steps = static_cast<int>(n);
      }
    }
    leaf = static_cast<std::uint16_t>(free_points.back());
  }

  std::unique_ptr<plane::TGeom2Win> window;
  std::vector<int> free_points;
  std::uint16_t moved = 0;
  std::uint16_t half = 0;  // about half the steps depend on it
  int half_steps = 0;
  std::uint16_t leaf = 0;  // nothing depends on it
};

Figure& TheFigure() {
  static Figure figure;
  return figure;
}

// One move of the drag: the point moves, the steps downstream of it run again.
void BM_PlaneDragReplay(benchmark::State& state) {
  Figure& f = TheFigure();
  plane::TGeom2Win& w = *f.window;
  const std::uint16_t moved[] = {f.moved};
  int steps = 0;
  for (auto _ : state) {
    w.tables().xy[f.moved].x += static_cast<Real>(0.001);
    steps = w.ReplayMovedPoints(moved);
    benchmark::DoNotOptimize(steps);
  }
  state.counters["steps_replayed"] = steps;
}
BENCHMARK(BM_PlaneDragReplay)->Unit(benchmark::kMicrosecond);

// The whole history run again through the window's executors (Undo, file load, Randomize).
void BM_PlaneReplayWhole(benchmark::State& state) {
  Figure& f = TheFigure();
  for (auto _ : state) benchmark::DoNotOptimize(f.window->ReplayConstruction(false));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSteps);
}
BENCHMARK(BM_PlaneReplayWhole)->Unit(benchmark::kMicrosecond);

// The picture of the whole figure, painted as the window paints it with every cached level stale
// (a new view): background, figure picture and whole picture drawn anew.
void BM_PlanePaint(benchmark::State& state) {
  Figure& f = TheFigure();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  for (auto _ : state) {
    f.window->InvalidateBuffer(shell::kBackgroundBitmap);
    f.window->PaintInto(*dc);
    benchmark::ClobberMemory();
  }
  state.counters["points"] = f.window->tables().last_point + 1;
  state.counters["lines"] = f.window->tables().last_line + 1;
  state.counters["circles"] = f.window->tables().last_circle + 1;
}
BENCHMARK(BM_PlanePaint)->Unit(benchmark::kMicrosecond);

// The paint after a new step: the figure picture and the whole picture over the kept background.
void BM_PlanePaintFigureStale(benchmark::State& state) {
  Figure& f = TheFigure();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  for (auto _ : state) {
    f.window->wing.pictureValid = 0;
    f.window->PaintInto(*dc);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlanePaintFigureStale)->Unit(benchmark::kMicrosecond);

// The paint after a text changed: the whole picture over the kept figure picture.
void BM_PlanePaintWholeStale(benchmark::State& state) {
  Figure& f = TheFigure();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  for (auto _ : state) {
    f.window->InvalidateBuffer(shell::kWholeBitmap);
    f.window->PaintInto(*dc);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlanePaintWholeStale)->Unit(benchmark::kMicrosecond);

// The paint of an unchanged figure: the whole picture copied.
void BM_PlanePaintCached(benchmark::State& state) {
  Figure& f = TheFigure();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  for (auto _ : state) {
    f.window->PaintInto(*dc);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlanePaintCached)->Unit(benchmark::kMicrosecond);

// The whole drag update: replay downstream, repaint (the budget: under 8 ms).
void BM_PlaneDragUpdate(benchmark::State& state) {
  Figure& f = TheFigure();
  plane::TGeom2Win& w = *f.window;
  const std::uint16_t moved[] = {f.moved};
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  for (auto _ : state) {
    w.tables().xy[f.moved].x += static_cast<Real>(0.001);
    benchmark::DoNotOptimize(w.ReplayMovedPoints(moved));
    w.wing.pictureValid = 0;
    w.PaintInto(*dc);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlaneDragUpdate)->Unit(benchmark::kMicrosecond);

// The drag update as the window runs it: the steps downstream of the point run again, the old box
// of what moves is put back from the still picture and the moving objects are drawn again.
void DragUpdateTwoLayers(benchmark::State& state, std::uint16_t point) {
  Figure& f = TheFigure();
  plane::TGeom2Win& w = *f.window;
  const std::uint16_t moved[] = {point};
  engine::DownstreamFinder finder;
  const std::vector<int> positions = finder.Find(w.history(), w.stepEngine.ends, moved);
  w.moving.Mark(w.stepEngine.ends, positions, moved);
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  plane::DragRepaint picture(w, -1);
  picture.Begin(*dc);
  Real step = static_cast<Real>(0.001);
  int n = 0;
  for (auto _ : state) {
    // Back and forth, so the figure stays in the view.
    if (++n % 200 == 0) step = -step;
    w.tables().xy[point].x += step;
    benchmark::DoNotOptimize(w.ReplayMovedPoints(moved));
    benchmark::DoNotOptimize(picture.Frame(*dc));
  }
  w.moving = {};
  state.counters["steps_replayed"] = static_cast<double>(positions.size());
}
void BM_DragUpdateHalfTheFigure(benchmark::State& state) { DragUpdateTwoLayers(state, TheFigure().half); }
BENCHMARK(BM_DragUpdateHalfTheFigure)->Unit(benchmark::kMicrosecond);
void BM_DragUpdateLeafPoint(benchmark::State& state) { DragUpdateTwoLayers(state, TheFigure().leaf); }
BENCHMARK(BM_DragUpdateLeafPoint)->Unit(benchmark::kMicrosecond);

// Floor: the table entries of every step written directly, with the arithmetic each needs and
// no dispatch, checks or label search.
void BM_FloorArithmetic(benchmark::State& state) {
  Figure& f = TheFigure();
  engine::FigureTables& t = f.window->tables();
  const auto& steps = f.window->history().steps;
  for (auto _ : state) {
    int last_point = -1;
    int last_line = -1;
    int last_circle = -1;
    for (const kernel::ConstructionRecord& step : steps) {
      const std::uint16_t* op = step.operands.data();
      switch (step.kind) {
        case 121: {
          const int i = ++last_point;
          t.exists[i] = 1;
          t.names[i].label = op[0];
          break;
        }
        case 111: {
          kernel::SegmentRecord& line = t.lines[++last_line];
          line.points.entries[0] = op[0];
          line.points.entries[1] = op[1];
          line.exists = 1;
          break;
        }
        case 91: {
          const int c = ++last_circle;
          t.circles[c].centre = op[0];
          t.circles[c].exists = 1;
          const Point2 d{t.xy[op[1]].x - t.xy[op[0]].x, t.xy[op[1]].y - t.xy[op[0]].y};
          t.circle_radius[c] = std::sqrt(d.x * d.x + d.y * d.y);
          break;
        }
        default: {
          const int i = ++last_point;
          const Real u = t.attrs[i].value;
          const Point2 a = t.xy[op[0]];
          const Point2 b = t.xy[op[1]];
          t.xy[i] = {a.x + u * (b.x - a.x), a.y + u * (b.y - a.y)};
          t.exists[i] = 1;
          break;
        }
      }
    }
    benchmark::DoNotOptimize(last_point);
    benchmark::ClobberMemory();
  }
  f.window->ReplayConstruction(false);
}
BENCHMARK(BM_FloorArithmetic)->Unit(benchmark::kMicrosecond);

// Floor: every pixel of the picture written once (the background fill).
void BM_FloorBackground(benchmark::State& state) {
  platform::Bitmap bitmap(kWidth, kHeight);
  for (auto _ : state) {
    bitmap.Fill(platform::Color{192, 192, 192});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorBackground)->Unit(benchmark::kMicrosecond);

// Floor of the picture: the background, then every pixel of the same lines (Bresenham, from end
// to end as drawn) and of the same circles' rims (midpoint circles) written straight into a plain
// buffer, each pixel tested against the picture's bounds; no markers, no labels.
void BM_FloorPicturePixels(benchmark::State& state) {
  Figure& f = TheFigure();
  const plane::TGeom2Win& w = *f.window;
  const engine::FigureTables& t = w.tables();
  std::vector<std::uint32_t> buffer(static_cast<std::size_t>(kWidth) * kHeight);
  auto put = [&](int x, int y) {
    if (x >= 0 && y >= 0 && x < kWidth && y < kHeight) buffer[static_cast<std::size_t>(y) * kWidth + x] = 0;
  };
  for (auto _ : state) {
    std::fill(buffer.begin(), buffer.end(), 0xC0C0C0u);
    for (int i = 0; i <= t.last_line; ++i) {
      const kernel::SegmentRecord& line = t.lines[i];
      platform::PointI a, b;
      w.WorldToPixel(t.xy[line.points.entries[0]], a);
      w.WorldToPixel(t.xy[line.points.entries[line.points.count - 1]], b);
      const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
      const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
      int err = dx + dy;
      while (a.x != b.x || a.y != b.y) {
        put(a.x, a.y);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; a.x += sx; }
        if (e2 <= dx) { err += dx; a.y += sy; }
      }
    }
    for (int i = 0; i <= t.last_circle; ++i) {
      const kernel::CircleRecord& circle = t.circles[i];
      platform::PointI c;
      w.WorldToPixel(t.xy[circle.centre], c);
      const int r = static_cast<int>(kernel::Dist2(t.xy[circle.centre], t.xy[circle.points[0]]) * w.mapping.pixelsPerUnitX);
      int x = r, y = 0, err = 1 - r;
      while (x >= y) {
        put(c.x + x, c.y + y); put(c.x + y, c.y + x); put(c.x - y, c.y + x); put(c.x - x, c.y + y);
        put(c.x - x, c.y - y); put(c.x - y, c.y - x); put(c.x + y, c.y - x); put(c.x + x, c.y - y);
        ++y;
        if (err < 0) { err += 2 * y + 1; } else { --x; err += 2 * (y - x) + 1; }
      }
    }
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorPicturePixels)->Unit(benchmark::kMicrosecond);

}  // namespace

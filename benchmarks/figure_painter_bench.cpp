// 2000 thin lines of a 1000 x 800 picture: written pixel by pixel into a plain buffer (the floor),
// through the device context, and as world segments through the figure painter (mapping and
// clipping included).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "kernel/random.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "view/dc_figure_painter.h"
#include "view/view_mapping.h"

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 800;
constexpr int kLines = 2000;

struct Lines {
  view::ViewMapping mapping;
  std::vector<kernel::Point2> world;
  std::vector<platform::PointI> pixels;
};

const Lines& TheLines() {
  static const Lines lines = [] {
    Lines l;
    l.mapping.width = kWidth;
    l.mapping.height = kHeight;
    view::FitViewToClient(l.mapping);
    kernel::SeedRandom(77);
    for (int i = 0; i < 2 * kLines; ++i) {
      const kernel::Point2 p{kernel::RandomBetween(l.mapping.box.xmin, l.mapping.box.xmax),
                             kernel::RandomBetween(l.mapping.box.ymin, l.mapping.box.ymax)};
      l.world.push_back(p);
      platform::PointI pixel;
      view::WorldToPixel(l.mapping, p, pixel);
      l.pixels.push_back(pixel);
    }
    return l;
  }();
  return lines;
}

// The floor: every pixel of every line (its last one excluded) written into a buffer.
void BM_LinesPixelsDirect(benchmark::State& state) {
  const Lines& lines = TheLines();
  std::vector<std::uint32_t> buffer(static_cast<std::size_t>(kWidth) * kHeight, 0xFFFFFF);
  for (auto _ : state) {
    for (int i = 0; i < kLines; ++i) {
      platform::PointI a = lines.pixels[2 * i];
      const platform::PointI b = lines.pixels[2 * i + 1];
      const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
      const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
      int error = dx + dy;
      while (a.x != b.x || a.y != b.y) {
        if (a.x >= 0 && a.x < kWidth && a.y >= 0 && a.y < kHeight)
          buffer[static_cast<std::size_t>(a.y) * kWidth + a.x] = 0;
        const int e2 = 2 * error;
        if (e2 >= dy) {
          error += dy;
          a.x += sx;
        }
        if (e2 <= dx) {
          error += dx;
          a.y += sy;
        }
      }
    }
    benchmark::DoNotOptimize(buffer.data());
  }
}
BENCHMARK(BM_LinesPixelsDirect)->Unit(benchmark::kMillisecond);

void BM_LinesThroughTheDeviceContext(benchmark::State& state) {
  const Lines& lines = TheLines();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  for (auto _ : state) {
    for (int i = 0; i < kLines; ++i) {
      dc->MoveTo(lines.pixels[2 * i]);
      dc->LineTo(lines.pixels[2 * i + 1]);
    }
  }
}
BENCHMARK(BM_LinesThroughTheDeviceContext)->Unit(benchmark::kMillisecond);

void BM_LinesThroughTheFigurePainter(benchmark::State& state) {
  const Lines& lines = TheLines();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  view::DcFigurePainter painter(*dc, lines.mapping, {});
  painter.SetPen({view::InkColor::Index(0), 1, view::kLineSolid});
  for (auto _ : state) {
    for (int i = 0; i < kLines; ++i) painter.Segment(lines.world[2 * i], lines.world[2 * i + 1], true);
  }
}
BENCHMARK(BM_LinesThroughTheFigurePainter)->Unit(benchmark::kMillisecond);

}  // namespace

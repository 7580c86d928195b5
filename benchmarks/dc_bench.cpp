// The device context on the hot path of dragging: a figure's lines, point markers and labels
// drawn into a 1000 x 800 raster, and a stretched picture. Each figure is also given as a ratio to
// its floor measured in the same run: the same pixels written straight into a plain pixel buffer.

#include <benchmark/benchmark.h>

#include "bench_application.h"

#include <algorithm>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/line_pixels.h"

namespace {

using namespace platform;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1000, kHeight = 800;
constexpr int kCount = 2000;

using bench::EnsureApplication;

// A fixed pseudo-random sequence, the same in every run.
struct Sequence {
  std::uint32_t state = 12345;
  int Next(int below) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(below));
  }
};

// Lines of about 360 pixels anywhere in the picture.
std::vector<std::pair<PointI, PointI>> Lines() {
  Sequence s;
  std::vector<std::pair<PointI, PointI>> lines;
  while (lines.size() < kCount) {
    const PointI a{s.Next(kWidth), s.Next(kHeight)};
    const int dx = s.Next(721) - 360;
    const int sign = s.Next(2) ? 1 : -1;
    const int dy = sign * static_cast<int>(std::sqrt(360.0 * 360.0 - double(dx) * dx));
    const PointI b{a.x + dx, a.y + dy};
    if (b.x < 0 || b.x >= kWidth || b.y < 0 || b.y >= kHeight) continue;
    lines.push_back({a, b});
  }
  return lines;
}

std::vector<PointI> Spots() {
  Sequence s;
  s.state = 777;
  std::vector<PointI> spots;
  for (int i = 0; i < kCount; ++i) spots.push_back({5 + s.Next(kWidth - 30), 5 + s.Next(kHeight - 30)});
  return spots;
}

std::string LabelText(int i) { return std::string{char('A' + i % 26), char('1' + (i / 26) % 9)}; }

// The time of one run of `work`, the best of a few.
template <typename Work>
double FloorSeconds(Work work) {
  double best = 1e9;
  for (int i = 0; i < 20; ++i) {
    const auto start = Clock::now();
    work();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

// Runs the benchmark's loop, then reports its time against the floor.
template <typename Work>
void Measure(benchmark::State& state, double floorSeconds, Work work) {
  const auto start = Clock::now();
  std::int64_t runs = 0;
  for (auto _ : state) {
    work();
    ++runs;
  }
  const double each = std::chrono::duration<double>(Clock::now() - start).count() / double(std::max<std::int64_t>(runs, 1));
  state.counters["ms"] = each * 1e3;
  state.counters["x_floor"] = each / floorSeconds;
}

// The floor of lines: their pixels, found beforehand, stored into a plain buffer.
double LineFloor(PenStyle style, bool xorMode) {
  LinePixels pixels;
  for (const auto& [a, b] : Lines()) {
    const PointI ends[2] = {a, b};
    TraceLinePixels(ends, false, style, pixels);
  }
  std::vector<std::uint32_t> buffer(std::size_t{kWidth} * kHeight, 0xFFFFFFFFu);
  std::vector<std::size_t> offsets;
  for (const PointI& p : pixels.dashes) offsets.push_back(std::size_t(p.y) * kWidth + std::size_t(p.x));
  return FloorSeconds([&] {
    std::uint32_t* data = buffer.data();
    if (xorMode) {
      for (const std::size_t o : offsets) data[o] ^= 0x00FF00FFu;
    } else {
      for (const std::size_t o : offsets) data[o] = 0xFF000000u;
    }
    benchmark::DoNotOptimize(data);
  });
}

void DrawLines(DC& dc, const std::vector<std::pair<PointI, PointI>>& lines) {
  for (const auto& [a, b] : lines) {
    dc.MoveTo(a);
    dc.LineTo(b);
  }
}

void BM_ThinLines(benchmark::State& state) {
  EnsureApplication();
  const bool xorMode = state.range(0) == 1;
  const auto lines = Lines();
  const double floor = LineFloor(PenStyle::Solid, xorMode);
  Bitmap picture(kWidth, kHeight);
  std::unique_ptr<DC> dc = picture.CreateDC();
  dc->SelectPen(Pen{PenStyle::Solid, 1, Color{0, 0, 128}});
  if (xorMode) dc->SetRasterOp(RasterOp::Xor);
  Measure(state, floor, [&] { DrawLines(*dc, lines); });
  state.SetLabel(xorMode ? "2000 thin lines, XOR" : "2000 thin lines");
}
BENCHMARK(BM_ThinLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DashedLines(benchmark::State& state) {
  EnsureApplication();
  const auto lines = Lines();
  const double floor = LineFloor(PenStyle::Dash, false);
  Bitmap picture(kWidth, kHeight);
  std::unique_ptr<DC> dc = picture.CreateDC();
  dc->SelectPen(Pen{PenStyle::Dash, 1, Color{0, 0, 128}});
  dc->SetBackgroundMode(BackgroundMode::Transparent);
  Measure(state, floor, [&] { DrawLines(*dc, lines); });
  state.SetLabel("2000 dashed lines");
}
BENCHMARK(BM_DashedLines)->Unit(benchmark::kMillisecond);

// The floor of markers: a 9 x 9 disc's pixels stored at every spot.
double MarkerFloor() {
  std::vector<std::pair<int, int>> disc;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x)
      if ((x - 4) * (x - 4) + (y - 4) * (y - 4) <= 20) disc.push_back({x, y});
  const std::vector<PointI> spots = Spots();
  std::vector<std::uint32_t> buffer(std::size_t{kWidth} * kHeight, 0xFFFFFFFFu);
  return FloorSeconds([&] {
    std::uint32_t* data = buffer.data();
    for (const PointI& p : spots)
      for (const auto& [x, y] : disc) data[std::size_t(p.y + y) * kWidth + std::size_t(p.x + x)] = 0xFFFF0000u;
    benchmark::DoNotOptimize(data);
  });
}

void DrawMarkers(DC& dc, const std::vector<PointI>& spots) {
  for (const PointI& p : spots) dc.Ellipse({p.x, p.y, p.x + 9, p.y + 9});
}

void BM_Markers(benchmark::State& state) {
  EnsureApplication();
  const std::vector<PointI> spots = Spots();
  const double floor = MarkerFloor();
  Bitmap picture(kWidth, kHeight);
  std::unique_ptr<DC> dc = picture.CreateDC();
  dc->SelectPen(Pen{PenStyle::Solid, 1, kBlack});
  dc->SelectBrush(Brush::Solid(Color{255, 0, 0}));
  Measure(state, floor, [&] { DrawMarkers(*dc, spots); });
  state.SetLabel("2000 filled 9-pixel markers");
}
BENCHMARK(BM_Markers)->Unit(benchmark::kMillisecond);

// The floor of labels: the ink of a two-letter label, taken once from a drawn one, stored at
// every spot.
double LabelFloor(const FontSpec& font) {
  Bitmap sample(40, 30);
  {
    std::unique_ptr<DC> dc = sample.CreateDC();
    dc->SelectFont(font);
    dc->SetBackgroundMode(BackgroundMode::Transparent);
    dc->TextOut({2, 2}, "W8");
  }
  std::vector<std::pair<int, int>> ink;
  for (int y = 0; y < sample.height(); ++y)
    for (int x = 0; x < sample.width(); ++x)
      if (sample.GetPixel(x, y) != kWhite) ink.push_back({x, y});
  const std::vector<PointI> spots = Spots();
  std::vector<std::uint32_t> buffer(std::size_t{kWidth} * kHeight, 0xFFFFFFFFu);
  return FloorSeconds([&] {
    std::uint32_t* data = buffer.data();
    for (const PointI& p : spots)
      for (const auto& [x, y] : ink) data[std::size_t(p.y + y) * kWidth + std::size_t(p.x + x)] = 0xFF000000u;
    benchmark::DoNotOptimize(data);
  });
}

FontSpec LabelFont() {
  FontSpec font;
  font.face = "Arial";
  font.height = -13;
  return font;
}

void DrawLabels(DC& dc, const std::vector<PointI>& spots) {
  int i = 0;
  for (const PointI& p : spots) dc.TextOut(p, LabelText(i++));
}

void BM_Labels(benchmark::State& state) {
  EnsureApplication();
  const std::vector<PointI> spots = Spots();
  const double floor = LabelFloor(LabelFont());
  Bitmap picture(kWidth, kHeight);
  std::unique_ptr<DC> dc = picture.CreateDC();
  dc->SelectFont(LabelFont());
  dc->SetBackgroundMode(BackgroundMode::Transparent);
  Measure(state, floor, [&] { DrawLabels(*dc, spots); });
  state.SetLabel("2000 two-letter labels");
}
BENCHMARK(BM_Labels)->Unit(benchmark::kMillisecond);

// Lines, markers and labels of one figure, each frame through a new DC as a drag opens one for
// every mouse move; the floor is the three floors together.
void BM_FigureFrame(benchmark::State& state) {
  EnsureApplication();
  const auto lines = Lines();
  const std::vector<PointI> spots = Spots();
  const double floor = LineFloor(PenStyle::Solid, false) + MarkerFloor() + LabelFloor(LabelFont());
  Bitmap picture(kWidth, kHeight);
  Measure(state, floor, [&] {
    std::unique_ptr<DC> dc = picture.CreateDC();
    dc->SelectFont(LabelFont());
    dc->SetBackgroundMode(BackgroundMode::Transparent);
    dc->SelectBrush(Brush::Solid(Color{255, 0, 0}));
    dc->SelectPen(Pen{PenStyle::Solid, 1, Color{0, 0, 128}});
    DrawLines(*dc, lines);
    dc->SelectPen(Pen{PenStyle::Solid, 1, kBlack});
    DrawMarkers(*dc, spots);
    DrawLabels(*dc, spots);
  });
  state.SetLabel("lines, markers and labels together");
}
BENCHMARK(BM_FigureFrame)->Unit(benchmark::kMillisecond);

// A 250 x 200 picture stretched to 500 x 400; the floor copies 500 x 400 pixels.
void BM_StretchedPicture(benchmark::State& state) {
  EnsureApplication();
  Bitmap source(250, 200);
  {
    std::unique_ptr<DC> dc = source.CreateDC();
    dc->SelectBrush(Brush::Hatched(HatchStyle::Cross, Color{0, 128, 0}));
    dc->Ellipse({0, 0, 250, 200});
  }
  std::vector<std::uint32_t> from(std::size_t{500} * 400, 0xFF00FF00u);
  std::vector<std::uint32_t> buffer(std::size_t{kWidth} * kHeight, 0xFFFFFFFFu);
  const double floor = FloorSeconds([&] {
    for (int y = 0; y < 400; ++y)
      std::copy_n(from.data() + std::size_t(y) * 500, 500, buffer.data() + std::size_t(y + 100) * kWidth + 100);
    benchmark::DoNotOptimize(buffer.data());
  });
  Bitmap picture(kWidth, kHeight);
  std::unique_ptr<DC> dc = picture.CreateDC();
  Measure(state, floor, [&] { dc->StretchBitmap({100, 100, 600, 500}, source, {0, 0, 250, 200}, RasterOp::Copy); });
  state.SetLabel("a 500 x 400 stretched picture");
}
BENCHMARK(BM_StretchedPicture)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {
// Opening and closing a DC on the 1000 x 800 picture, as every frame of a drag does.
void BM_OpenDC(benchmark::State& state) {
  EnsureApplication();
  Bitmap picture(kWidth, kHeight);
  for (auto _ : state) {
    std::unique_ptr<DC> dc = picture.CreateDC();
    dc->SetPixel({1, 1}, kBlack);
  }
  state.SetLabel("a DC opened and closed");
}
BENCHMARK(BM_OpenDC)->Unit(benchmark::kMicrosecond);
}  // namespace

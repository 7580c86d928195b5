// The spherical window repainted whole after the observer turned one rotation step: a figure of
// 500 objects (200 points, 100 segments and 100 great circles, 100 circles) drawn off-screen with
// the ball, every arc flagged visible or hidden point by point; against a floor that copies a
// picture of the same size.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "bench_application.h"
#include "kernel/vector3.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "sphere/geom_sm_win.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPoints = 200;

class BenchBall : public sphere::TGeomSMWin {
 public:
  BenchBall() : TGeomSMWin(nullptr, "bench") {}
  using TGeomSMWin::PaintPicture;
};

BenchBall& Ball() {
  static BenchBall* ball = [] {
    bench::EnsureApplication();
    auto* w = new BenchBall;
    w->Create();
    w->SetClientSize(kWidth, kHeight);
    w->Show();
    engine::FigureTables& t = w->tables();
    for (int i = 0; i < kPoints; ++i) {
      const kernel::Real a = 0.7L * i;
      const kernel::Real z = -1 + 2 * (i + 0.5L) / kPoints;
      kernel::Point3 p{std::cos(a) * std::sqrt(1 - z * z), std::sin(a) * std::sqrt(1 - z * z), z};
      t.xyz[static_cast<std::size_t>(t.last_point + 1)] = p;
      w->history().BeginStep(121);
      w->RunNewStep();
    }
    for (int i = 0; i < kPoints; ++i) {
      w->history().BeginStep(i % 2 == 0 ? 111 : 116, static_cast<std::int16_t>(i),
                             static_cast<std::int16_t>((i + 7) % kPoints));
      w->SetStepAttributes(3);
      w->RunNewStep();
    }
    for (int i = 0; i < kPoints / 2; ++i) {
      w->history().BeginStep(91, static_cast<std::int16_t>(2 * i), static_cast<std::int16_t>((2 * i + 3) % kPoints));
      w->SetStepAttributes(3);
      w->RunNewStep();
    }
    return w;
  }();
  return *ball;
}

void BM_TurnAndRepaintTheBall(benchmark::State& state) {
  BenchBall& w = Ball();
  platform::Bitmap target(kWidth, kHeight);
  for (auto _ : state) {
    w.TurnObserver(1);
    const std::unique_ptr<platform::DC> dc = target.CreateDC();
    w.PaintPicture(*dc);
  }
}
BENCHMARK(BM_TurnAndRepaintTheBall)->Unit(benchmark::kMillisecond);

void BM_BlitFloor(benchmark::State& state) {
  bench::EnsureApplication();
  platform::Bitmap target(kWidth, kHeight);
  platform::Bitmap picture(kWidth, kHeight, platform::Color{0, 0, 255});
  for (auto _ : state) {
    const std::unique_ptr<platform::DC> dc = target.CreateDC();
    dc->DrawBitmap({0, 0, kWidth, kHeight}, picture, {0, 0}, platform::RasterOp::Copy);
  }
}
BENCHMARK(BM_BlitFloor)->Unit(benchmark::kMillisecond);

}  // namespace

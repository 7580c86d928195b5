// Repainting a pasted picture: a metafile of 2000 lines shown at 400 x 300 pixels in a 1000 x 800
// raster. The window's repaint blits the picture's played bitmap (over what lies under it, as a
// transparent picture needs); the floor is a plain blit of a bitmap of that size, and beside it
// the cost the played bitmap saves: playing the metafile again.

#include <benchmark/benchmark.h>

#include "bench_application.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/metafile_dc.h"
#include "platform/metafile_player.h"
#include "view/picture_item.h"
#include "view/qel_winm.h"

namespace {

using namespace platform;

constexpr int kWidth = 1000, kHeight = 800;
constexpr int kPictureWidth = 400, kPictureHeight = 300;

using bench::EnsureApplication;

kernel::Bytes LinesMetafile() {
  MetafileSetup setup;
  setup.reference.widthPixels = setup.reference.heightPixels = 960;
  setup.reference.widthMm = setup.reference.heightMm = 254;
  setup.picture = {0, 0, kPictureWidth, kPictureHeight};
  MetafileDC dc(setup);
  std::uint32_t state = 12345;
  const auto next = [&state](int below) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(below));
  };
  for (int i = 0; i < 2000; ++i) {
    dc.SelectPen(Pen{PenStyle::Solid, 1, Color{static_cast<std::uint8_t>(next(256)), 0, 128}});
    dc.MoveTo({next(kPictureWidth), next(kPictureHeight)});
    dc.LineTo({next(kPictureWidth), next(kPictureHeight)});
  }
  return dc.Finish();
}

class PictureWindow : public view::TQELWinm {
 public:
  PictureWindow() : TQELWinm(nullptr, "bench") {
    Create();
    SetClientSize(kWidth, kHeight);
    Application::ProcessPendingEvents();
    DeliverSize(ClientWidth(), ClientHeight());
    SetView(0, 0, 10, 8, false);
    view::PictureItem item = *view::MakePicture(LinesMetafile());
    item.x1 = XToWorld(100);
    item.x2 = XToWorld(100 + kPictureWidth);
    item.y2 = YToWorld(100);
    item.y1 = YToWorld(100 + kPictureHeight);
    pictures.push_back(std::move(item));
  }
};

void BM_BlitFloor(benchmark::State& state) {
  EnsureApplication();
  Bitmap target(kWidth, kHeight);
  Bitmap picture(kPictureWidth, kPictureHeight, Color{0, 0, 255});
  std::unique_ptr<DC> dc = target.CreateDC();
  for (auto _ : state) {
    dc->DrawBitmap({100, 100, 100 + kPictureWidth, 100 + kPictureHeight}, picture, {0, 0}, RasterOp::Copy);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BlitFloor)->Unit(benchmark::kMicrosecond);

// Argument 1: a transparent picture (over what lies under it); 0: an opaque one.
void BM_RepaintFromPlayedBitmap(benchmark::State& state) {
  EnsureApplication();
  PictureWindow window;
  window.pictures[0].transparent = static_cast<std::uint8_t>(state.range(0));
  Bitmap target(kWidth, kHeight);
  std::unique_ptr<DC> dc = target.CreateDC();
  window.DrawPictures(*dc);  // plays it once
  for (auto _ : state) {
    window.DrawPictures(*dc);
    benchmark::ClobberMemory();
  }
  dc.reset();
  window.Destroy();
}
BENCHMARK(BM_RepaintFromPlayedBitmap)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PlayTheMetafileAgain(benchmark::State& state) {
  EnsureApplication();
  MetafileRead read = MetafilePlayer::Read(LinesMetafile());
  Bitmap target(kWidth, kHeight);
  std::unique_ptr<DC> dc = target.CreateDC();
  for (auto _ : state) {
    read.player->Play(*dc, {100, 100, 100 + kPictureWidth, 100 + kPictureHeight});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlayTheMetafileAgain)->Unit(benchmark::kMicrosecond);

}  // namespace

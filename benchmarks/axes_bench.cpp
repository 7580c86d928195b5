// The coordinate frame of a 1000 x 800 plane window, drawn on every repaint: gridlines, polar
// grid, both axes with ticks, arrowheads and about 40 scale labels, through the window's painter.
// The floor, measured in the same run: the same lines, circles and texts (as the window asks for
// them) sent straight to the device context.

#include <benchmark/benchmark.h>

#include "bench_application.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "view/dc_figure_painter.h"
#include "view/grid_win.h"

namespace {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

constexpr int kWidth = 1000;
constexpr int kHeight = 800;

using bench::EnsureApplication;

// A plane window with axes, labels, a rectangular and a polar grid.
view::TGridWin& Window() {
  static view::TGridWin* window = [] {
    EnsureApplication();
    auto* w = new view::TGridWin(nullptr, "axes");
    w->Create();
    w->SetClientSize(kWidth, kHeight);
    platform::Application::ProcessPendingEvents();
    w->DeliverSize(w->ClientWidth(), w->ClientHeight());
    w->ResetView();
    w->axes.gridKind = 15 | 16 | 32;
    w->axes.xLabelPlaces = 1;
    w->UpdateView();
    return w;
  }();
  return *window;
}

// What the frame asks for, in pixels.
struct Frame {
  std::vector<std::pair<PointI, PointI>> lines;
  std::vector<std::pair<PointI, int>> circles;
  std::vector<std::pair<PointI, std::string>> texts;
};

class Recorder : public view::FigurePainter {
 public:
  Recorder(const view::ViewMapping& m, Frame& frame) : FigurePainter(m), frame_(frame) {}

 protected:
  bool DoSegment(const Point2& p, const Point2& q, bool) override {
    PointI a, b;
    view::WorldToPixel(mapping(), p, a);
    view::WorldToPixel(mapping(), q, b);
    frame_.lines.emplace_back(a, b);
    return true;
  }
  void DoPixelSegment(PointI a, PointI b) override { frame_.lines.emplace_back(a, b); }
  void DoCircle(const Point2& c, Real r) override {
    PointI centre;
    view::WorldToPixel(mapping(), c, centre);
    frame_.circles.emplace_back(centre, static_cast<int>(r * mapping().pixelsPerUnitX));
  }
  void DoText(PointI anchor, std::string_view text, int, int, std::optional<kernel::ColorRef>) override {
    frame_.texts.emplace_back(anchor, std::string(text));
  }
  platform::SizeI DoTextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 12}; }

 private:
  Frame& frame_;
};

const Frame& TheFrame() {
  static const Frame frame = [] {
    Frame f;
    view::TGridWin& w = Window();
    Recorder recorder(w.mapping, f);
    w.DrawAxes(recorder);
    w.DrawScaleLabels(recorder);
    return f;
  }();
  return frame;
}

void BM_AxesFloorStraightToTheDeviceContext(benchmark::State& state) {
  const Frame& frame = TheFrame();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  dc->SelectFont(Window().SlotFont(1));
  dc->SelectBrush(platform::Brush::Hollow());
  for (auto _ : state) {
    for (const auto& [a, b] : frame.lines) {
      dc->MoveTo(a);
      dc->LineTo(b);
    }
    for (const auto& [c, r] : frame.circles) dc->Ellipse({c.x - r, c.y - r, c.x + r + 1, c.y + r + 1});
    for (const auto& [p, text] : frame.texts) dc->TextOut(p, text);
  }
  state.counters["lines"] = static_cast<double>(frame.lines.size());
  state.counters["texts"] = static_cast<double>(frame.texts.size());
}
BENCHMARK(BM_AxesFloorStraightToTheDeviceContext)->Unit(benchmark::kMicrosecond);

void BM_AxesThroughTheWindow(benchmark::State& state) {
  view::TGridWin& w = Window();
  platform::Bitmap bitmap(kWidth, kHeight);
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
  view::DcFigurePainter painter(*dc, w.mapping, w.DcRules());
  for (auto _ : state) {
    w.DrawAxes(painter);
    w.DrawScaleLabels(painter);
  }
}
BENCHMARK(BM_AxesThroughTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

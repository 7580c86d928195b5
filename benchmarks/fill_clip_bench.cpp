// Cutting a filled polygon to the view for the export files: a star of 1000 points whose points
// reach far out of the box, cut by the export clipper, against the floor of one pass over the
// points (each tested against the box and copied) and the plain Sutherland-Hodgman cut of the same
// polygon (four passes, no corner walk).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "kernel/export_polygon_clip.h"
#include "kernel/polygon_box_cut.h"

namespace {

const kernel::Box2 kBox{-5, 5, -5, 5};

const std::vector<kernel::Point2>& Star() {
  static const std::vector<kernel::Point2> star = [] {
    std::vector<kernel::Point2> s;
    for (int k = 0; k < 1000; ++k) {
      const kernel::Real a = 2 * kernel::Pi * k / 1000;
      const kernel::Real r = k % 2 == 0 ? 3 : 40;
      s.push_back({r * std::cos(a), r * std::sin(a)});
    }
    return s;
  }();
  return star;
}

void BM_FloorOnePass(benchmark::State& state) {
  const std::vector<kernel::Point2>& star = Star();
  std::vector<kernel::Point2> out;
  out.reserve(star.size());
  for (auto _ : state) {
    out.clear();
    for (const kernel::Point2& p : star)
      if (p.x >= kBox.xmin && p.x <= kBox.xmax && p.y >= kBox.ymin && p.y <= kBox.ymax) out.push_back(p);
      else out.push_back({std::clamp(p.x, kBox.xmin, kBox.xmax), std::clamp(p.y, kBox.ymin, kBox.ymax)});
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_FloorOnePass);

void BM_SutherlandHodgman(benchmark::State& state) {
  std::vector<kernel::Point2> out;
  for (auto _ : state) {
    kernel::CutPolygonToBox2(Star(), kBox, out);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_SutherlandHodgman);

void BM_ExportClip(benchmark::State& state) {
  std::vector<kernel::Point2> out;
  for (auto _ : state) {
    kernel::ClipPolygonToBox(Star(), kBox, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["points"] = static_cast<double>(out.size());
}
BENCHMARK(BM_ExportClip);

}  // namespace

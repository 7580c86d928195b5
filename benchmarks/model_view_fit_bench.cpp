// What a 3-D window does after every step, Undo and replay of a full model: the model box of 7878
// points and 300 curved elements, the observer kept in range, the view fitted around the box and
// every point and face projected again; against a floor that reads the same points and does one
// multiply-add per coordinate.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "full_solid_model.h"
#include "kernel/central_projection.h"
#include "kernel/observer_placement.h"
#include "solid/model_projection.h"
#include "solid/model_view_fit.h"
#include "view/view_mapping.h"

namespace {

using kernel::Point3;

constexpr int kCurvedElements = 300;

// The full model with 300 circles and cylinders over its points.
struct FullModel : bench::FullSolidModel {
  FullModel() : FullSolidModel(64) {
    for (int k = 0; k < kCurvedElements; ++k) {
      kernel::SurfaceRecord& s = solid.surfaces[static_cast<std::size_t>(k)];
      s.kind = k % 2 == 0 ? kernel::kSurfaceCylinder : kernel::kSurfaceCircle;
      s.points = {static_cast<std::int16_t>(2 * k), static_cast<std::int16_t>(2 * k + 1), -1, -1};
      s.param0 = 1;
      s.param1 = 0.5L;
      s.param2 = 2;
      s.u = {1, 0, 0};
      s.v = {0, 1, 0};
      s.w = {0, 0, 1};
      s.active = 1;
    }
    solid.last_surface = kCurvedElements - 1;
    mapping.width = 1000;
    mapping.height = 800;
  }

  kernel::ViewFrame frame;
  view::ViewMapping mapping;
  Point3 observer{250, 320, 180};
  Point3 lo;
  Point3 hi;
};

FullModel& Model() {
  static FullModel model;
  return model;
}

void BM_UpdateFullModel(benchmark::State& state) {
  FullModel& m = Model();
  for (auto _ : state) {
    const kernel::ModelBoxView box = solid::ComputeModelBox(m.tables, m.solid, {2, 2, 2}, false, m.lo, m.hi);
    kernel::KeepObserverInRange(m.lo, m.hi, box.centre, m.observer);
    kernel::ComputeViewFrame(m.observer, box.centre, m.frame);
    solid::FitViewToBox(m.frame, m.lo, m.hi, m.mapping);
    solid::UpdateProjection(m.frame, m.mapping, m.tables, m.solid, m.model, -1);
    benchmark::DoNotOptimize(m.tables.projected.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_UpdateFullModel)->Unit(benchmark::kMicrosecond);

void BM_UpdateFloorMultiplyAdd(benchmark::State& state) {
  bench::MultiplyAddEveryPoint(state, Model(), 1.5L, 0.25L);
}
BENCHMARK(BM_UpdateFloorMultiplyAdd)->Unit(benchmark::kMicrosecond);

}  // namespace

// Projecting a full model in space from the observer: 7878 points to their view positions and
// pixels, the screen boxes and planes of 1501 faces, as every repaint and every drag of a solid
// does; against a floor that reads the same points and does one multiply-add per coordinate.

#include <benchmark/benchmark.h>

#include "full_solid_model.h"
#include "kernel/central_projection.h"
#include "solid/model_projection.h"
#include "view/view_mapping.h"

namespace {

// The full model seen from (25, 32, 18).
struct FullModel : bench::FullSolidModel {
  FullModel() : FullSolidModel(63) {
    kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, frame);
    mapping.width = 1000;
    mapping.height = 800;
    mapping.halfWidth = 15;
    view::FitViewToClient(mapping);
  }

  kernel::ViewFrame frame;
  view::ViewMapping mapping;
};

FullModel& Model() {
  static FullModel model;
  return model;
}

void BM_UpdateProjection(benchmark::State& state) {
  FullModel& m = Model();
  for (auto _ : state) {
    solid::UpdateProjection(m.frame, m.mapping, m.tables, m.solid, m.model, -1);
    benchmark::DoNotOptimize(m.tables.projected.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_UpdateProjection)->Unit(benchmark::kMicrosecond);

void BM_FloorMultiplyAdd(benchmark::State& state) {
  FullModel& m = Model();
  bench::MultiplyAddEveryPoint(state, m, m.frame.kx, m.frame.ky);
}
BENCHMARK(BM_FloorMultiplyAdd)->Unit(benchmark::kMicrosecond);

}  // namespace

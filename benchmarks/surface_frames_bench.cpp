// Bringing the frames of a full table of curves and curved surfaces up to date, as moving the
// points of a figure without replaying its steps does: 301 records of every kind over a full model,
// against the floor that reads the model's points and does one multiply-add per coordinate.

#include <benchmark/benchmark.h>

#include "full_solid_model.h"
#include "kernel/surface_frames.h"

namespace {

// Every record of the table in use, the kinds 0 to 16 in turn, each on four points of the model.
struct FullSurfaceTable : bench::FullSolidModel {
  FullSurfaceTable() : FullSolidModel(71) {
    constexpr int kKinds = kernel::kSurfaceGreatCircleArc2 + 1;
    for (int k = 0; k < engine::kSurfaceCapacity; ++k) {
      const auto first = static_cast<std::int16_t>((7 * k) % (engine::kPointCapacity - 4));
      kernel::InitSurfaceRecord(solid.surfaces[static_cast<std::size_t>(k)], static_cast<std::int16_t>(k % kKinds),
                                first, static_cast<std::int16_t>(first + 1), 2, 1, 0, 0,
                                static_cast<std::int16_t>(first + 2), static_cast<std::int16_t>(first + 3));
    }
    solid.last_surface = engine::kSurfaceCapacity - 1;
  }
};

FullSurfaceTable& Table() {
  static FullSurfaceTable table;
  return table;
}

void BM_UpdateSurfaces(benchmark::State& state) {
  FullSurfaceTable& m = Table();
  for (auto _ : state) {
    kernel::UpdateSurfaces(m.solid.surfaces, m.tables.xyz);
    benchmark::DoNotOptimize(m.solid.surfaces.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_UpdateSurfaces)->Unit(benchmark::kMicrosecond);

void BM_FloorMultiplyAdd(benchmark::State& state) {
  bench::MultiplyAddEveryPoint(state, Table(), 1.5L, 0.25L);
}
BENCHMARK(BM_FloorMultiplyAdd)->Unit(benchmark::kMicrosecond);

}  // namespace

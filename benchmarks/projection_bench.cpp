// Projecting a full model in space from the observer: 7878 points to their view positions and
// pixels, the screen boxes and planes of 1501 faces, as every repaint and every drag of a solid
// does; against a floor that reads the same points and does one multiply-add per coordinate.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "engine/figure_tables.h"
#include "engine/solid_tables.h"
#include "kernel/central_projection.h"
#include "kernel/random.h"
#include "solid/model_projection.h"
#include "solid/model_tables.h"
#include "view/view_mapping.h"

namespace {

using kernel::Point3;
using kernel::Real;

// Every point of a full table, and 1501 quadrilaterals over them.
struct FullModel {
  FullModel() {
    kernel::SeedRandom(63);
    tables.last_point = engine::kLastPointLimit;
    for (int i = 0; i < engine::kPointCapacity; ++i) {
      tables.exists[i] = 1;
      tables.xyz[i] = {kernel::RandomBetween(-10, 10), kernel::RandomBetween(-10, 10), kernel::RandomBetween(-10, 10)};
    }
    solid.Allocate();
    model.Allocate();
    for (int k = 0; k < engine::kFaceCapacity; ++k) {
      const auto first = static_cast<std::uint16_t>((5 * k) % (engine::kPointCapacity - 4));
      const std::array<std::uint16_t, 4> quad{first, static_cast<std::uint16_t>(first + 1),
                                              static_cast<std::uint16_t>(first + 2),
                                              static_cast<std::uint16_t>(first + 3)};
      kernel::InitFaceListFrom(solid.faces[static_cast<std::size_t>(k)], 4, quad);
    }
    solid.last_face = engine::kFaceCapacity - 1;
    kernel::ComputeViewFrame({25, 32, 18}, {1, 1, 1}, frame);
    mapping.width = 1000;
    mapping.height = 800;
    mapping.halfWidth = 15;
    view::FitViewToClient(mapping);
  }

  engine::FigureTables tables;
  engine::SolidTables solid;
  solid::ModelTables model;
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

// The floor: the same points read, one multiply-add per coordinate, the results written.
void BM_FloorMultiplyAdd(benchmark::State& state) {
  FullModel& m = Model();
  const Real a = m.frame.kx;
  const Real b = m.frame.ky;
  for (auto _ : state) {
    for (int k = 0; k <= m.tables.last_point; ++k) {
      const Point3& p = m.tables.xyz[k];
      m.model.images[k] = {p.x * a + b, p.y * a + b, p.z * a + b};
    }
    benchmark::DoNotOptimize(m.model.images.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorMultiplyAdd)->Unit(benchmark::kMicrosecond);

}  // namespace

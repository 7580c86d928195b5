#pragma once
// A full model in space for the 3-D benchmarks: every point of the table at random in the cube
// [-10, 10]^3 and 1501 quadrilaterals over them; and the floor the benchmarks are measured
// against, which reads the same points and does one multiply-add per coordinate.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "engine/figure_tables.h"
#include "engine/solid_tables.h"
#include "kernel/random.h"
#include "solid/model_tables.h"

namespace bench {

struct FullSolidModel {
  explicit FullSolidModel(std::uint32_t seed) {
    kernel::SeedRandom(seed);
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
  }

  engine::FigureTables tables;
  engine::SolidTables solid;
  solid::ModelTables model;
};

// The floor: every point read, one multiply-add per coordinate, the results written.
inline void MultiplyAddEveryPoint(benchmark::State& state, FullSolidModel& m, kernel::Real a, kernel::Real b) {
  for (auto _ : state) {
    for (int k = 0; k <= m.tables.last_point; ++k) {
      const kernel::Point3& p = m.tables.xyz[k];
      m.model.images[k] = {p.x * a + b, p.y * a + b, p.z * a + b};
    }
    benchmark::DoNotOptimize(m.model.images.data());
    benchmark::ClobberMemory();
  }
}

}  // namespace bench

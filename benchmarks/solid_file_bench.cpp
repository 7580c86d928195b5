// Opening a 3-D figure file of 2000 steps with 1500 faces: the file read whole into plain data,
// taken over by the window and its history replayed, the model fitted into the view. The floor
// reads the same file's bytes and nothing more.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "benchmarks/bench_application.h"
#include "kernel/file_bytes.h"
#include "solid/solid_figure_file.h"
#include "solidview/geom3_win.h"
#include "view/settings_files.h"

namespace {

constexpr int kPrisms = 300;  // five faces each
constexpr int kSteps = 2000;

std::string FigurePath() {
  return (std::filesystem::temp_directory_path() / ("kavrine_solid_bench_" + std::to_string(::getpid()) + ".kv3"))
      .string();
}

// The figure: triangular prisms side by side, then segments between their vertices.
struct SavedFigure {
  SavedFigure() : path(FigurePath()) {
    bench::EnsureApplication();
    solidview::TGeom3Win w(nullptr, "bench.kv3");
    w.readSettings = 0;
    w.qelWin.writeSettings = 0;
    for (int k = 0; k < kPrisms; ++k) {
      plane::SolidHandOver prism;
      prism.prism = true;
      const kernel::Real x = 2 * static_cast<kernel::Real>(k % 20);
      const kernel::Real y = 2 * static_cast<kernel::Real>(k / 20);
      prism.base = {{x, y}, {x + 1, y}, {x, y + 1}};
      const auto first = static_cast<std::uint16_t>(3 * k);
      prism.labels = {first, static_cast<std::uint16_t>(first + 1), static_cast<std::uint16_t>(first + 2)};
      prism.altitude = 1;
      w.BuildSolidFromPolygon(prism);
    }
    const int points = w.tables().last_point + 1;
    for (int s = kPrisms; s < kSteps; ++s) {
      const auto a = static_cast<std::int16_t>((7 * s) % points);
      const auto b = static_cast<std::int16_t>((7 * s + 3) % points);
      w.history().BeginStep(111, a, b, -1, 0, 0, -1);
      w.RunNewStep();
    }
    kernel::ByteWriter out;
    solid::WriteSolidFigureFile(out, view::kSolidFileKind, w.CollectFigureFile());
    kernel::WriteFileAtomically(path, out.bytes());
  }
  ~SavedFigure() { std::filesystem::remove(path); }

  std::string path;
};

SavedFigure& TheFigure() {
  static SavedFigure figure;
  return figure;
}

void BM_OpenSolidFigure(benchmark::State& state) {
  SavedFigure& f = TheFigure();
  solidview::TGeom3Win w(nullptr, "open.kv3");
  w.readSettings = 0;
  w.qelWin.writeSettings = 0;
  for (auto _ : state) {
    w.fileMsg.fileName = f.path;
    if (w.LoadFile() != 0) state.SkipWithError("the figure was not read");
  }
  // What the window holds after the last opening.
  state.counters["steps"] = static_cast<double>(w.history().steps.size());
  state.counters["faces"] = static_cast<double>(w.solid().Faces().size());
  state.counters["points"] = w.tables().last_point + 1;
}
BENCHMARK(BM_OpenSolidFigure)->Unit(benchmark::kMillisecond);

void BM_ReadFileBytesFloor(benchmark::State& state) {
  SavedFigure& f = TheFigure();
  for (auto _ : state) benchmark::DoNotOptimize(kernel::ReadFileBytes(f.path));
}
BENCHMARK(BM_ReadFileBytesFloor)->Unit(benchmark::kMillisecond);

}  // namespace

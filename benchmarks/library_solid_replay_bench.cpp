// Replaying a figure of 16 truncated icosidodecahedra (1920 points, 992 faces), as every drag of a
// figure in space does (its steps are always run again), and projecting it from the observer;
// against a floor that writes the same points and faces into the tables directly and projects them
// the same way.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/expr_compiler.h"
#include "engine/step_engine.h"
#include "kernel/central_projection.h"
#include "kernel/number_text.h"
#include "solid/library_polyhedron.h"
#include "solid/model_projection.h"
#include "solid/model_tables.h"
#include "view/view_mapping.h"

namespace {

using kernel::Point3;

constexpr int kSolids = 16;
constexpr int kTruncatedIcosidodecahedron = 332;

// What a window in space gives the expression compiler for a plain number.
class BenchContext : public engine::ExpressionContext {
 public:
  kernel::Real PixelsPerUnitX() const override { return 40; }
  std::string FormatNumber(kernel::Real x) const override { return kernel::FormatLD(x, 10, 4); }
  int Dimension() const override { return 3; }
};

class LibraryBenchExecutors : public engine::StepExecutors {
 public:
  explicit LibraryBenchExecutors(solid::ModelTables& model) : model_(model) {}
  int DoLibraryPolyhedron(int code, std::string* out) override {
    return solid::LibraryPolyhedronStep(*engine(), model_, code, view_, out);
  }

 private:
  solid::ModelTables& model_;
  solid::NewSolidView view_{{-1, -1, -1}, {1, 1, 1}, {0, 0, 0}, {250, 320, 180}};
};

std::string NoWord(int /*id*/) { return {}; }

// The figure: 16 solids of edge 1, each built beside the last (the first vertices moved apart as a
// user would drag them), then seen from the observer.
struct LibraryFigure {
  LibraryFigure() {
    engine.LoadWords(&NoWord);
    engine.SetExecutors(&executors);
    engine.compiler = &compiler;
    engine.solid.Allocate();
    model.Allocate();
    for (int k = 0; k < kSolids; ++k) {
      kernel::ConstructionRecord& step = engine.history.BeginStep(kTruncatedIcosidodecahedron);
      step.operands[1] = solid::kNewFormatMarker;
      step.text[0] = "1";
      engine.ExecuteNewStep(nullptr);
      engine.tables.xyz[engine.tables.last_point - 119] = {static_cast<kernel::Real>(9 * (k % 4)),
                                                           static_cast<kernel::Real>(9 * (k / 4)), 0};
    }
    engine.ReplayConstruction(true);
    // The floor's data: the points and faces as the replay leaves them.
    points.assign(engine.tables.xyz.begin(), engine.tables.xyz.begin() + engine.tables.last_point + 1);
    faces.assign(engine.solid.faces.begin(), engine.solid.faces.begin() + engine.solid.last_face + 1);
    kernel::ComputeViewFrame({250, 320, 180}, {18, 18, 0}, frame);
    mapping.width = 1000;
    mapping.height = 800;
    mapping.halfWidth = 30;
    view::FitViewToClient(mapping);
  }

  BenchContext context;
  engine::ExpressionCompiler compiler{context};
  engine::StepEngine engine;
  solid::ModelTables model;
  LibraryBenchExecutors executors{model};
  std::vector<Point3> points;
  std::vector<kernel::FaceRecord> faces;
  kernel::ViewFrame frame;
  view::ViewMapping mapping;
};

LibraryFigure& Figure() {
  static LibraryFigure figure;
  return figure;
}

void BM_ReplayAndProjectLibrarySolids(benchmark::State& state) {
  LibraryFigure& f = Figure();
  for (auto _ : state) {
    f.engine.ReplayConstruction(true);
    solid::UpdateProjection(f.frame, f.mapping, f.engine.tables, f.engine.solid, f.model, -1);
    benchmark::DoNotOptimize(f.engine.tables.projected.data());
    benchmark::ClobberMemory();
  }
  state.counters["points"] = f.engine.tables.last_point + 1;
  state.counters["faces"] = f.engine.solid.last_face + 1;
}
BENCHMARK(BM_ReplayAndProjectLibrarySolids)->Unit(benchmark::kMicrosecond);

// The floor: the same points and faces written into the tables, then projected alike.
void BM_FloorWriteAndProject(benchmark::State& state) {
  LibraryFigure& f = Figure();
  engine::FigureTables& t = f.engine.tables;
  for (auto _ : state) {
    for (std::size_t i = 0; i < f.points.size(); ++i) {
      t.xyz[i] = f.points[i];
      t.exists[i] = 1;
    }
    t.last_point = static_cast<std::int16_t>(f.points.size() - 1);
    for (std::size_t k = 0; k < f.faces.size(); ++k) {
      const kernel::FaceRecord& face = f.faces[k];
      kernel::InitFaceListFrom(f.engine.solid.faces[k], face.count, face.vertices);
      kernel::ResetFaceStyle(f.engine.solid.faces[k], face.colour);
    }
    f.engine.solid.last_face = static_cast<std::int16_t>(f.faces.size() - 1);
    solid::UpdateProjection(f.frame, f.mapping, t, f.engine.solid, f.model, -1);
    benchmark::DoNotOptimize(t.projected.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FloorWriteAndProject)->Unit(benchmark::kMicrosecond);

}  // namespace

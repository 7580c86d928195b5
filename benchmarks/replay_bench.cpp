// Replaying a figure of 2000 simple steps (free points, segments, circles and points on segments)
// on data alone, against a floor that writes the same table entries directly; and the replay of
// only the steps downstream of one moved point, as a drag does.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/step_dependencies.h"
#include "engine/step_engine.h"
#include "kernel/random.h"

namespace {

using engine::StepEngine;
using kernel::Point2;
using kernel::Real;

constexpr int kSteps = 2000;

// What a plane window gives the engine for these steps: a free point waits in the slot after
// the last point.
class BenchExecutors : public engine::StepExecutors {
 public:
  int DoMovablePoint(std::string* /*out*/) override {
    StepEngine& e = *engine();
    const std::uint16_t label = e.current()->operands[0];
    if (e.tables.last_point >= engine::kLastPointLimit) return engine::kMsgNoMoreRoom;
    e.AddPoint(e.tables.xy[e.tables.last_point + 1], 0,
               label == kernel::kNoOperand ? std::int16_t{-1} : static_cast<std::int16_t>(label));
    return 0;
  }
};

std::string NoWord(int /*id*/) { return {}; }

// The figure: the first steps are free points; after them each step is, in turn, a free point,
// a segment or a circle on two earlier points, or a point on an earlier segment.
struct Figure {
  Figure() {
    engine.LoadWords(&NoWord);
    engine.SetExecutors(&executors);
    kernel::SeedRandom(2024);
    auto random_point = [&] { return static_cast<int>(kernel::Rand31() % (engine.tables.last_point + 1)); };
    std::vector<int> segments;  // step operands of the segments: a, b, line index
    for (int s = 0; s < kSteps; ++s) {
      const int kind = s < 20 ? 0 : s % 4;
      if (kind == 0) {
        engine.tables.xy[engine.tables.last_point + 1] = {kernel::RandomBetween(-10, 10), kernel::RandomBetween(-10, 10)};
        engine.history.BeginStep(121, static_cast<std::int16_t>(engine.tables.FindFreeLabel()));
        free_points.push_back(engine.tables.last_point + 1);
      } else if (kind == 1 || kind == 2) {
        const int a = random_point();
        int b = random_point();
        if (b == a) b = (a + 1) % (engine.tables.last_point + 1);
        engine.history.BeginStep(kind == 1 ? 111 : 91, static_cast<std::int16_t>(a), static_cast<std::int16_t>(b), -1,
                                 0, 0, -1);
        if (kind == 1) segments.insert(segments.end(), {a, b, engine.tables.last_line + 1});
      } else {
        const std::size_t k = 3 * (kernel::Rand31() % (segments.size() / 3));
        engine.tables.attrs[engine.tables.last_point + 1].value = kernel::RandomBetween(0, 1);
        engine.history.BeginStep(201, static_cast<std::int16_t>(segments[k]), static_cast<std::int16_t>(segments[k + 1]),
                                 static_cast<std::int16_t>(segments[k + 2]));
      }
      engine.ExecuteNewStep(nullptr);
    }
    engine.ReplayConstruction(false);
  }

  StepEngine engine;
  BenchExecutors executors;
  std::vector<int> free_points;
};

Figure& TheFigure() {
  static Figure figure;
  return figure;
}

// The whole history, step by step through the dispatcher.
void BM_ReplayConstruction(benchmark::State& state) {
  Figure& f = TheFigure();
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.engine.ReplayConstruction(false));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSteps);
  state.counters["steps"] = kSteps;
}
BENCHMARK(BM_ReplayConstruction)->Unit(benchmark::kMicrosecond);

// The floor: the same table entries written directly, with the arithmetic each step needs and
// no dispatch, no checks and no label search.
void BM_BareArithmeticFloor(benchmark::State& state) {
  Figure& f = TheFigure();
  engine::FigureTables& t = f.engine.tables;
  const auto& steps = f.engine.history.steps;
  for (auto _ : state) {
    int last_point = -1;
    int last_line = -1;
    int last_circle = -1;
    for (const kernel::ConstructionRecord& step : steps) {
      const std::uint16_t* op = step.operands.data();
      switch (step.kind) {
        case 121: {
          const int i = ++last_point;
          t.exists[i] = 1;
          t.label_map[op[0]] = static_cast<std::int16_t>(i);
          t.names[i].label = op[0];
          t.attrs[i].tag = 0;
          break;
        }
        case 111: {
          kernel::SegmentRecord& line = t.lines[++last_line];
          line.points.count = 2;
          line.points.entries[0] = op[0];
          line.points.entries[1] = op[1];
          line.exists = 1;
          break;
        }
        case 91: {
          const int c = ++last_circle;
          t.circles[c].centre = op[0];
          t.circles[c].points[0] = op[1];
          t.circles[c].exists = 1;
          const Point2 d{t.xy[op[1]].x - t.xy[op[0]].x, t.xy[op[1]].y - t.xy[op[0]].y};
          t.circle_radius[c] = std::sqrt(d.x * d.x + d.y * d.y);
          break;
        }
        default: {
          const int i = ++last_point;
          const Real u = t.attrs[i].value;
          const Point2 a = t.xy[op[0]];
          const Point2 b = t.xy[op[1]];
          t.xy[i] = {a.x + u * (b.x - a.x), a.y + u * (b.y - a.y)};
          t.exists[i] = 1;
          t.names[i].label = static_cast<std::uint16_t>(i);
          t.attrs[i].words[0] = static_cast<std::int16_t>(op[2]);
          break;
        }
      }
    }
    benchmark::DoNotOptimize(last_point);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kSteps);
  f.engine.ReplayConstruction(false);
}
BENCHMARK(BM_BareArithmeticFloor)->Unit(benchmark::kMicrosecond);

// A drag finds the steps downstream of the dragged point once, when it starts: they depend on the
// history only, not on where the point is.
void BM_DragFindDownstream(benchmark::State& state) {
  Figure& f = TheFigure();
  engine::DownstreamFinder finder;
  const std::uint16_t moved[] = {static_cast<std::uint16_t>(f.free_points[f.free_points.size() / 2])};
  std::size_t found = 0;
  for (auto _ : state) {
    found = finder.Find(f.engine.history, f.engine.ends, moved).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["steps_found"] = static_cast<double>(found);
}
BENCHMARK(BM_DragFindDownstream)->Unit(benchmark::kMicrosecond);

// Each move of the drag: the point moves and only the steps downstream of it run again.
void BM_DragReplayDownstream(benchmark::State& state) {
  Figure& f = TheFigure();
  engine::DownstreamFinder finder;
  const std::uint16_t moved[] = {static_cast<std::uint16_t>(f.free_points[f.free_points.size() / 2])};
  const std::vector<int> steps = finder.Find(f.engine.history, f.engine.ends, moved);
  for (auto _ : state) {
    f.engine.tables.xy[moved[0]].x += static_cast<Real>(0.001);
    benchmark::DoNotOptimize(f.engine.ReplaySteps(steps));
  }
  state.counters["steps_replayed"] = static_cast<double>(steps.size());
  f.engine.ReplayConstruction(false);
}
BENCHMARK(BM_DragReplayDownstream)->Unit(benchmark::kMicrosecond);

// The same drag replaying the whole history.
void BM_DragReplayWhole(benchmark::State& state) {
  Figure& f = TheFigure();
  const int moved = f.free_points[f.free_points.size() / 2];
  for (auto _ : state) {
    f.engine.tables.xy[moved].x += static_cast<Real>(0.001);
    benchmark::DoNotOptimize(f.engine.ReplayConstruction(true));
  }
}
BENCHMARK(BM_DragReplayWhole)->Unit(benchmark::kMicrosecond);

}  // namespace

#include "engine/plane_triangle_steps.h"

#include <span>

#include "engine/step_engine.h"
#include "kernel/triangle_solvers.h"

namespace engine {

namespace {

constexpr int kDegenerateCodeOperand = 20;

// The vertices of the figure about to be added: the entries after the last point. Null when the
// table has no room for them.
template <std::size_t N>
Point2* NewVertices(StepEngine& engine) {
  const int first = engine.tables.last_point + 1;
  if (first + static_cast<int>(N) > kPointCapacity) return nullptr;
  return &engine.tables.xy[first];
}

template <class Solver>
int Solve(StepEngine& engine, Solver solver) {
  kernel::ConstructionRecord* step = engine.current();
  Point2* v = NewVertices<3>(engine);
  if (step == nullptr || v == nullptr) return 1;
  std::uint16_t& code = step->operands[kDegenerateCodeOperand];
  return solver(step->parameters, code, engine.building != 0, std::span<Point2, 3>(v, 3));
}

}  // namespace

int SolveTrianglePlaneStep(StepEngine& engine) {
  return Solve(engine, [](auto& p, auto& code, bool building, std::span<Point2, 3> v) {
    return kernel::SolveTrianglePlane(p, code, building, v);
  });
}

int SolveTriangleASAStep(StepEngine& engine) {
  return Solve(engine, [](auto& p, auto& code, bool building, std::span<Point2, 3> v) {
    return kernel::SolveTriangleASA(p, code, building, v);
  });
}

void RandomFigureHookStep(StepEngine& engine, std::uint16_t kind) {
  kernel::ConstructionRecord* step = engine.current();
  Point2* v = NewVertices<4>(engine);
  if (step == nullptr || v == nullptr) return;
  kernel::PlaceQuadrilateral(kind, step->parameters, engine.building != 0, std::span<Point2, 4>(v, 4),
                             engine.view_centre, engine.half_width, engine.half_height);
}

}  // namespace engine

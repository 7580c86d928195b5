#include "engine/step_contract.h"

#include "engine/curve_tables.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"

namespace engine {

StepCreates CreatesOfCurrentStep(const StepEngine& engine) {
  const kernel::ConstructionRecord* step = engine.history.current;
  return step == nullptr ? StepCreates{} : StepKindEntry(step->kind).creates;
}

int CheckRoom(const FigureTables& tables, const StepCreates& creates) {
  const bool pointsFit = tables.last_point + creates.points <= kLastPointLimit;
  const bool linesFit = tables.last_line + creates.lines <= kLastLineLimit;
  const bool hypercyclesFit = tables.last_hypercycle + creates.hypercycles <= kLastHypCurveLimit;
  const bool horocyclesFit = tables.last_horocycle + creates.horocycles <= kLastHypCurveLimit;
  if (!pointsFit || !linesFit || !hypercyclesFit || !horocyclesFit) return kMsgNoMoreRoom;
  if (tables.last_circle + creates.circles > kLastCircleLimit) return kMsgTooManyCircles;
  // Each point index holds one label, so room for the points is room for their labels.
  return 0;
}

int FailStep(StepEngine& engine, const StepCreates& creates, int code) {
  engine.AdjustTables(creates.points, creates.lines, creates.circles, creates.hypercycles, creates.horocycles);
  return code;
}

int BeginTriangleStep(StepEngine& engine, const StepCreates& creates, std::array<int, 3>& vertices, int& tag) {
  if (const int code = CheckRoom(engine.tables, creates); code != 0) return FailStep(engine, creates, code);
  kernel::ConstructionRecord& step = *engine.current();
  tag = -1;
  if (const int code = StepTriangle(engine.tables, step, vertices, step.text[0], tag); code != 0) {
    return FailStep(engine, creates, code);
  }
  return 0;
}

kernel::Point2 StoredFromDisk(const GeometryModel& model, kernel::Point2 p) {
  if (model.Hyperbolic && model.HalfPlane) DiskToHalfPlane(p);
  return p;
}

kernel::Point2 DiskFromStored(const GeometryModel& model, kernel::Point2 p) {
  if (model.Hyperbolic && model.HalfPlane) HalfPlaneToDisk(p);
  return p;
}

}  // namespace engine

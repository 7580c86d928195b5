// Steps of a kind no plane executor runs.
#include <string>

#include "engine/step_contract.h"
#include "engine/step_engine.h"
#include "plane/geom_c2_win.h"

namespace plane {

namespace {

// The kinds the step layer gives a meaning of its own: deleting all lines, the chain of circles.
constexpr int kKindDeleteAllLines = 144;
constexpr int kKindChainOfCircles = 169;

}  // namespace

int TGeomC2Win::Unexecuted(int kind, std::string* out) {
  if (kind == kKindDeleteAllLines || kind == kKindChainOfCircles) return TGeomC1Win::Unexecuted(kind, out);
  engine::StepEngine& e = stepEngine;
  return engine::FailStep(e, engine::CreatesOfCurrentStep(e), engine::kMsgCannotUnderstand);
}

}  // namespace plane

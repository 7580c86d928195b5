#include "engine/step_executors.h"

#include "engine/expr_compiler.h"
#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

// The kinds whose default is the step layer's own executor.
int DefaultOperation(StepEngine* engine, int kind, std::string* out) {
  if (engine == nullptr) return 0;
  switch (kind) {
    case 144: return engine->DeleteAllLines(out);
    case 169: return engine->ChainOfCircles(out);
    default: return 0;
  }
}

}  // namespace

int StepExecutors::Unexecuted(int kind, std::string* out) { return DefaultOperation(engine_, kind, out); }

#define KV_DEFINE_DEFAULT(kind, name) \
  int StepExecutors::name(std::string* out) { return Unexecuted(kind, out); }
KV_WINDOW_STEP_OPERATIONS(KV_DEFINE_DEFAULT)
#undef KV_DEFINE_DEFAULT

kernel::Point2 StepExecutors::PlacePointOnSegment(const kernel::Point2& a, const kernel::Point2& b, kernel::Real t) {
  if (engine_ != nullptr && engine_->model.Hyperbolic) return DilatePoint(engine_->model, a, b, t);
  return a + t * (b - a);
}

kernel::Point2 StepExecutors::PlacePointOnCircle(const kernel::Point2& centre, const kernel::Point2& on_circle,
                                                 kernel::Real radians) {
  // The disk's rotation about a point is a hyperbolic one: the Euclidean plane turns plainly.
  if (engine_ != nullptr && engine_->model.Hyperbolic) return RotatePoint(engine_->model, centre, on_circle, radians);
  kernel::Point2 v = on_circle - centre;
  kernel::Rotate2(v, radians);
  return centre + v;
}

int StepExecutors::EvaluateText(std::string& text, kernel::Real& value) {
  if (engine_ == nullptr || engine_->compiler == nullptr) return kMsgCannotUnderstand;
  ExprValue result;
  const int code = engine_->compiler->CompileExpression(text, result);
  value = result.x;
  return code;
}

}  // namespace engine

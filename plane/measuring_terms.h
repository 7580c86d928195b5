#pragma once
// The measuring terms of expressions in the plane windows: [PIE](AB), <ABC, AB, [X](P) and the
// other keywords measure the current figure, Euclidean or hyperbolic, and each term becomes one
// value token, so that the evaluator sees only numbers.

#include "engine/expr_tokens.h"
#include "engine/figure_tables.h"
#include "engine/geometry_model.h"

namespace plane {

// How a measured angle below 0 is shown.
struct AngleOptions {
  // Set: a negative angle is made non-negative ...
  bool anglesNonNegative = false;
  // ... by adding a full turn when set, else by taking its absolute value.
  bool anglesCounterclockwise = false;
};

// Results besides those of the compiler: a point operand names no existing point.
inline constexpr int kMsgNoSuchPoint = 54;
// The most points one term may name.
inline constexpr int kMaxTermPoints = 100;

// Replaces every measuring term of the token array by one value token measured on the figure in
// the window's model; the 3-D keywords are left alone. Returns 0, or the code of the last term
// that failed: 1 a malformed term (wrong operand count, a misplaced "|", a negative radius, a
// lattice count outside the Euclidean plane), 6 a malformed range "->", 17 a term of more than
// 100 points or a lattice count over too large a polygon, 54 a point that does not exist. After a
// failure later terms lose their operands but are not measured.
int ResolveMeasuringTerms(engine::ExprTokenArray& tokens, const engine::FigureTables& tables,
                          const engine::GeometryModel& model, const AngleOptions& angles);

}  // namespace plane

#pragma once
// Evaluation of a compiled expression tree: every operator and function with its domain rules,
// through the guarded arithmetic that keeps every result finite.

#include "engine/expr_value.h"

namespace engine {

// Evaluates the subtree in place, children first; false when a domain rule, a guard bound or a
// point where a number is needed ends the evaluation. pixels_per_unit is the window's scale along
// x, used by [PIXELS].
bool Evaluate(ExprNode* node, Real pixels_per_unit);

}  // namespace engine

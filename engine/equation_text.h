#pragma once
// The text shown beside an expression: its value after an equals sign, a point in parentheses, a
// vector in brackets, a line as its equation, or "undefined".

#include <string>
#include <string_view>

#include "engine/expr_compiler.h"

namespace engine {

// Compiles a copy of text and writes its result text to out; returns what CompileExpression
// returned (an error number, or minus the kind of the value).
int FormatEquation(ExpressionCompiler& compiler, std::string_view text, std::string& out);

}  // namespace engine

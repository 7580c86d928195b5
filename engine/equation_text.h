#pragma once
// The text shown beside an expression: its value after an equals sign, a point in parentheses, a
// vector in brackets, a line as its equation, or "undefined".

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/expr_compiler.h"

namespace engine {

// Compiles a copy of text and writes its result text to out; returns what CompileExpression
// returned (an error number, or minus the kind of the value).
int FormatEquation(ExpressionCompiler& compiler, std::string_view text, std::string& out);

// What a measurement's value is, by the result of compiling its text: 1 a point, 2 a line, a
// vector or another value of several numbers, 0 a number of any kind (also a text that does not
// evaluate). The text items keep it beside their display digit.
int MeasurementState(int result);
// A measurement item's code: the state plus this when only the value is shown; codes from
// kMeasurementCodeLimit up belong to evaluated texts.
inline constexpr std::uint16_t kValueOnlyCode = 1000;
inline constexpr std::uint16_t kMeasurementCodeLimit = 5000;

}  // namespace engine

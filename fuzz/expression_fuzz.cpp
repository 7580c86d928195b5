// The expression compiler of a plane window holding a small figure (points, lines, a text), on any
// text: compiling and the number reader of the numeric fields end soundly, and compiling the same
// text twice gives the same result.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/expr_value.h"
#include "fuzz/support/fuzz_support.h"
#include "fuzz/support/fuzz_windows.h"
#include "platform/scripted_responder.h"

namespace {

bool SameReal(kernel::Real a, kernel::Real b) { return a == b || (std::isnan(a) && std::isnan(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plane::TGeom2Win& w = kvfuzz::PlaneWindowOf(0);
  static const bool built = (kvfuzz::BuildSampleFigure(w), true);
  (void)built;
  const std::string input(reinterpret_cast<const char*>(data), size);
  platform::ScriptedResponder script;
  std::string text = input;
  engine::ExprValue value;
  const int result = w.CompileExpression(text, value);
  std::string textAgain = input;
  engine::ExprValue valueAgain;
  kvfuzz::Require(w.CompileExpression(textAgain, valueAgain) == result && textAgain == text,
                  "the same text compiles to another result");
  if (result <= 0) kvfuzz::Require(SameReal(value.x, valueAgain.x), "the same text evaluates to another value");
  std::string number = input;
  kernel::Real parsed = 0;
  w.compiler.ParseNumber(number, parsed);
  return 0;
}

#include "engine/equation_text.h"

#include <cmath>

#include "resources/resource_library.h"

namespace engine {

namespace {

constexpr int kUndefinedString = 85;
constexpr int kLengthString = 163;
constexpr int kAreaString = 164;
constexpr int kDihedralString = 769;

int Result(ValueKind kind) { return -static_cast<int>(kind); }

std::string UnitWord(int string_id) { return " [" + resources::LoadString(string_id) + "]"; }

}  // namespace

int FormatEquation(ExpressionCompiler& compiler, std::string_view text, std::string& out) {
  const ExpressionContext& context = compiler.context();
  std::string copy(text);
  ExprValue v;
  const int r = compiler.CompileExpression(copy, v);
  if (r >= 1 || r == Result(ValueKind::kUndefinedSlope)) {
    out = " = " + resources::LoadString(kUndefinedString);
    return r;
  }
  const bool line = r == Result(ValueKind::kLine) || r == Result(ValueKind::kVerticalLine);
  out = line ? " : " : " = ";
  const std::string x = context.FormatNumber(v.x);
  const bool units = compiler.settings.show_units;
  const auto coordinates = [&](std::string_view open, std::string_view close) {
    out += open;
    out += x + "," + context.FormatNumber(v.y);
    if (context.Dimension() == 3) out += "," + context.FormatNumber(v.z);
    out += close;
  };

  switch (static_cast<ValueKind>(-r)) {
    case ValueKind::kVector:
      coordinates("[", "]");
      break;
    case ValueKind::kPoint:
      coordinates("(", ")");
      break;
    case ValueKind::kVerticalLine:
      out += "x = " + x;
      break;
    case ValueKind::kLine: {
      const Real m = v.x;
      const Real q = v.y;
      out += "y = ";
      if (std::fabs(m) >= kernel::NullTolerance) {
        out += x + "x";
        if (std::fabs(q) > kernel::NullTolerance) out += (q >= 0 ? "+ " : "- ") + context.FormatNumber(std::fabs(q));
      } else {
        out += context.FormatNumber(q);
      }
      break;
    }
    case ValueKind::kAngle:
      out += x;
      if (units) out += context.DegreeCharacter();
      break;
    case ValueKind::kDihedralAngle:
      out += x;
      if (units) out += context.DegreeCharacter() + UnitWord(kDihedralString);
      break;
    case ValueKind::kLength:
      out += x;
      if (units) out += UnitWord(kLengthString);
      break;
    case ValueKind::kArea:
      out += x;
      if (units) out += UnitWord(kAreaString);
      break;
    case ValueKind::kSolidAngle:
      out += x;
      if (units) out += " sr";
      break;
    default:
      out += x;
      break;
  }
  return r;
}

int MeasurementState(int result) {
  const int point = -static_cast<int>(ValueKind::kPoint);
  if (result == point) return 1;
  return result < point && result != -static_cast<int>(ValueKind::kGeneral) ? 2 : 0;
}

}  // namespace engine

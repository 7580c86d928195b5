#include "engine/expr_evaluator.h"

#include <cmath>

#include "engine/expr_tokens.h"
#include "kernel/guarded_arithmetic.h"

namespace engine {

namespace {

using kernel::NullTolerance;

// Angle factors as the program has always used them: double-precision values widened.
constexpr Real kDegreesToRadians = static_cast<Real>(0.017453292519943295);
constexpr Real kRadiansToDegrees = static_cast<Real>(57.29577951308232);
constexpr Real kHalfPi = static_cast<Real>(1.5707963267948966);

// Points and vectors scale as a whole and cannot stand where a number is needed.
bool HasCoordinates(ValueKind kind) { return kind == ValueKind::kPoint || kind == ValueKind::kVector; }

bool TooSmall(Real x) { return !(std::fabs(x) >= NullTolerance); }

ExprValue Scaled(const ExprValue& v, Real factor) { return {v.x * factor, v.y * factor, v.z * factor}; }

ValueKind SumKind(ValueKind a, ValueKind b) { return a == b ? a : ValueKind::kGeneral; }

bool Multiply(const ExprNode& l, const ExprNode& r, ExprNode& node) {
  if (HasCoordinates(r.kind)) {
    if (HasCoordinates(l.kind)) return false;
    node.value = Scaled(r.value, l.value.x);
    node.kind = r.kind;
    return true;
  }
  if (HasCoordinates(l.kind)) {
    node.value = Scaled(l.value, r.value.x);
    node.kind = l.kind;
    return true;
  }
  if (!kernel::GuardedMultiply(l.value.x, r.value.x, node.value.x)) return false;
  if (l.kind == ValueKind::kNumber) {
    node.kind = r.kind;
  } else if (r.kind == ValueKind::kNumber) {
    node.kind = l.kind;
  } else {
    node.kind = ValueKind::kGeneral;
  }
  return true;
}

bool Divide(const ExprNode& l, const ExprNode& r, ExprNode& node) {
  if (HasCoordinates(r.kind)) return false;
  Real t;
  if (!kernel::GuardedDivide(1, r.value.x, t)) return false;
  if (HasCoordinates(l.kind)) {
    node.value = Scaled(l.value, t);
    node.kind = l.kind;
    return true;
  }
  if (!kernel::GuardedMultiply(l.value.x, t, node.value.x)) return false;
  if (r.kind == ValueKind::kNumber) {
    node.kind = l.kind;
  } else if (l.kind == r.kind) {
    node.kind = ValueKind::kNumber;
  } else {
    node.kind = ValueKind::kGeneral;
  }
  return true;
}

bool Power(const ExprNode& l, const ExprNode& r, ExprNode& node) {
  if (HasCoordinates(l.kind) || HasCoordinates(r.kind)) return false;
  node.kind = ValueKind::kNumber;
  std::int32_t n;
  if (r.code == code::kValue && kernel::IsNearInteger(r.value.x, n)) {
    return kernel::IntegerPower(l.value.x, n, node.value.x);
  }
  return kernel::RealPower(l.value.x, r.value.x, node.value.x);
}

void LineSeparator(const ExprNode& l, const ExprNode& r, ExprNode& node, ValueKind line, ValueKind vertical) {
  const bool slanted = kernel::LineThroughPoints(l.value.x, l.value.y, r.value.x, r.value.y, node.value.x,
                                                 node.value.y);
  node.kind = slanted ? line : vertical;
  if (TooSmall(node.value.x)) node.value.x = 0;
}

bool EvaluateBinary(const ExprNode& l, const ExprNode& r, ExprNode& node) {
  switch (node.code) {
    case code::kTimes:
      return Multiply(l, r, node);
    case code::kPlus:
      node.value = {l.value.x + r.value.x, l.value.y + r.value.y, l.value.z + r.value.z};
      node.kind = SumKind(l.kind, r.kind);
      return true;
    case code::kMinus:
      node.value = {l.value.x - r.value.x, l.value.y - r.value.y, l.value.z - r.value.z};
      node.kind = SumKind(l.kind, r.kind);
      if (node.kind == ValueKind::kPoint) node.kind = ValueKind::kVector;
      return true;
    case code::kDivide:
    case code::kColonDivide:
      return Divide(l, r, node);
    case code::kPower:
      return Power(l, r, node);
    case code::kMaxSeparator:
      node.value.x = l.value.x > r.value.x ? l.value.x : r.value.x;
      node.kind = r.kind;
      return true;
    case code::kMinSeparator:
      node.value.x = l.value.x < r.value.x ? l.value.x : r.value.x;
      if (l.value.x == r.value.x) node.value.x = l.value.x;
      node.kind = r.kind;
      return true;
    case code::kSlopeSeparator:
      LineSeparator(l, r, node, ValueKind::kNumber, ValueKind::kUndefinedSlope);
      return true;
    case code::kEqnSeparator:
      LineSeparator(l, r, node, ValueKind::kLine, ValueKind::kVerticalLine);
      return true;
    default:
      return true;  // no rule: 0, kind unchanged
  }
}

bool EvaluatePrefix(const ExprNode& r, ExprNode& node, Real pixels_per_unit) {
  const Real x = r.value.x;
  const Real d = x * kDegreesToRadians;
  Real& out = node.value.x;
  // Results set the kind of their function; `same` leaves the operator's own kind.
  const auto angle = [&](Real value) { out = value; node.kind = ValueKind::kAngle; return true; };
  const auto number = [&](Real value) { out = value; node.kind = ValueKind::kNumber; return true; };
  const auto general = [&](Real value) { out = value; node.kind = ValueKind::kGeneral; return true; };
  const auto same = [&](Real value) { out = value; return true; };
  const auto ratio = [&](Real numerator, Real denominator) {
    node.kind = ValueKind::kNumber;
    if (TooSmall(denominator)) return false;
    out = numerator / denominator;
    return true;
  };
  const bool in_unit_range = std::fabs(x) <= 1;
  const bool outside_unit_range = std::fabs(x) >= 1;
  switch (node.code) {
    case code::kArcTan: return angle(kRadiansToDegrees * std::atan(x));
    case code::kTan: return ratio(std::sin(d), std::cos(d));
    case code::kCos: return number(std::cos(d));
    case code::kExp: node.kind = ValueKind::kNumber; return kernel::GuardedExp(x, out);
    case code::kSq: return general(x * x);
    case code::kInt: return number(std::floor(x));
    case code::kArcCos: return in_unit_range && angle(kRadiansToDegrees * std::acos(x));
    case code::kLn: return x >= NullTolerance && number(std::log(x));
    case code::kAbs: return number(std::fabs(x));
    case code::kArcSin: return in_unit_range && angle(kRadiansToDegrees * std::asin(x));
    case code::kSin: return number(std::sin(d));
    case code::kSec: return ratio(1, std::cos(d));
    case code::kCsc: return ratio(1, std::sin(d));
    case code::kCot: return ratio(std::cos(d), std::sin(d));
    case code::kUnaryMinus:
      node.value = {-r.value.x, -r.value.y, -r.value.z};
      node.kind = r.kind;
      return true;
    case code::kSgn: return number(x >= 0 ? 1 : -1);
    case code::kFrac: return number(x - std::floor(x));
    case code::kLog: return x >= NullTolerance && number(std::log10(x));
    case code::kSinR: return number(std::sin(x));
    case code::kCosR: return number(std::cos(x));
    case code::kTanR: return ratio(std::sin(x), std::cos(x));
    case code::kSecR: return ratio(1, std::cos(x));
    case code::kCscR: return ratio(1, std::sin(x));
    case code::kCotR: return ratio(std::cos(x), std::sin(x));
    case code::kArcSinR: return in_unit_range && angle(std::asin(x));
    case code::kArcCosR: return in_unit_range && angle(std::acos(x));
    case code::kArcTanR: return angle(std::atan(x));
    case code::kArcCot: return angle(kRadiansToDegrees * (kHalfPi - std::atan(x)));
    case code::kArcSec: return outside_unit_range && same(kRadiansToDegrees * std::acos(1 / x));
    case code::kArcCsc: return outside_unit_range && same(kRadiansToDegrees * std::asin(1 / x));
    case code::kArcCotR: return angle(kHalfPi - std::atan(x));
    case code::kArcSecR: return outside_unit_range && same(std::acos(1 / x));
    case code::kArcCscR: return outside_unit_range && same(std::asin(1 / x));
    case code::kPixels: return same(x * pixels_per_unit);
    case code::kSqrt: node.kind = ValueKind::kGeneral; return x >= 0 && same(std::sqrt(x));
    default: return true;  // measuring codes no hook replaced, labels: 0, kind unchanged
  }
}

}  // namespace

bool Evaluate(ExprNode* node, Real pixels_per_unit) {
  if (node == nullptr || node->code == code::kValue) return true;
  if (!Evaluate(node->left, pixels_per_unit) || !Evaluate(node->right, pixels_per_unit)) return false;
  static const ExprNode kAbsent;  // an absent child reads as zero
  const ExprNode& l = node->left != nullptr ? *node->left : kAbsent;
  const ExprNode& r = node->right != nullptr ? *node->right : kAbsent;
  node->value = {};
  if (IsBinaryOperator(node->code)) return EvaluateBinary(l, r, *node);
  return EvaluatePrefix(r, *node, pixels_per_unit);
}

}  // namespace engine

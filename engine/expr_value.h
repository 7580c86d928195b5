#pragma once
// Values of the expression language: up to three coordinates with a kind that says what the
// number measures, and the nodes of a compiled expression tree.

#include <cstdint>

#include "kernel/real.h"

namespace engine {

using kernel::Real;

// A number uses x only; a point or vector all three (z is 0 in the plane); a line y = m x + q
// keeps m in x and q in y.
struct ExprValue {
  Real x = 0;
  Real y = 0;
  Real z = 0;
};

enum class ValueKind : std::int16_t {
  kNumber = 0,
  kLength = 1,
  kArea = 2,
  kAngle = 3,
  kPoint = 4,
  kDihedralAngle = 5,
  kLine = 7,             // y = m x + q
  kVerticalLine = 8,     // x = a
  kGeneral = 9,          // mixed kinds, squares and roots, operators no rule gives a kind
  kUndefinedSlope = 10,  // the slope of a vertical line, its x in x
  kSolidAngle = 11,
  kVector = 12,          // difference of two points
};

// One node of an expression tree. A value node (code kValueCode) has no children, a prefix
// operator a right child only, a binary operator both. Nodes live in the compiler's node pool.
struct ExprNode {
  std::uint16_t code = 0;
  ExprValue value;
  ValueKind kind = ValueKind::kGeneral;
  ExprNode* left = nullptr;
  ExprNode* right = nullptr;
};

}  // namespace engine

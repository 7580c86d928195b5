#pragma once
// Arithmetic that keeps every result of the expression language finite: products and quotients
// beyond e^42 fail, tiny results are flushed to zero, and powers and exponentials stay within
// e^5000.

#include <cstdint>

#include "kernel/real.h"

namespace kernel {

inline constexpr Real ExprFlushBound = static_cast<Real>(1e-16);  // results below it become 0
inline constexpr Real ExprExponentBound = 5000;                   // largest exponent of e

// a b; fails unless |a| and |b| are at most e^42 and so is the product; below 1e-16 it is 0.
bool GuardedMultiply(Real a, Real b, Real& out);
// a / b; fails unless |a| <= e^42, |b| >= 1e-16 and the quotient is at most e^42; flushed as above.
bool GuardedDivide(Real a, Real b, Real& out);
// x^n by repeated squaring with guarded products; a negative n takes the guarded reciprocal of x
// first, so 0^0 is 1 and 0^-1 fails.
bool IntegerPower(Real x, std::int32_t n, Real& out);
// x^y as e^(y ln x) for x >= 0; fails for a negative base, for a zero base with a negative
// exponent and when the exponent of e passes 5000; gives 0 when it falls to -5000.
bool RealPower(Real x, Real y, Real& out);
// e^x; fails for x >= 5000 and gives 0 for x <= -5000.
bool GuardedExp(Real x, Real& out);
// The line through (x1, y1) and (x2, y2) as slope and intercept; false for a vertical line, whose
// x (x1) then goes to slope.
bool LineThroughPoints(Real x1, Real y1, Real x2, Real y2, Real& slope, Real& intercept);
// True when x lies within 1e-13 of the integer n (x rounded, halves toward zero); false beyond
// the 32-bit range.
bool IsNearInteger(Real x, std::int32_t& n);

}  // namespace kernel

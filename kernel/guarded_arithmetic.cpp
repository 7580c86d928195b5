#include "kernel/guarded_arithmetic.h"

#include <cmath>

#include "kernel/constants.h"
#include "kernel/number_text.h"

namespace kernel {

namespace {

Real Flushed(Real r) { return std::fabs(r) < ExprFlushBound ? 0 : r; }

}  // namespace

bool GuardedMultiply(Real a, Real b, Real& out) {
  if (!(std::fabs(a) <= HugeReal) || !(std::fabs(b) <= HugeReal)) return false;
  const Real r = a * b;
  if (std::fabs(r) > HugeReal) return false;
  out = Flushed(r);
  return true;
}

bool GuardedDivide(Real a, Real b, Real& out) {
  if (!(std::fabs(a) <= HugeReal) || !(std::fabs(b) >= ExprFlushBound)) return false;
  const Real r = a / b;
  if (std::fabs(r) > HugeReal) return false;
  out = Flushed(r);
  return true;
}

bool IntegerPower(Real x, std::int32_t n, Real& out) {
  std::int64_t e = n;
  if (e < 0) {
    if (!GuardedDivide(1, x, x)) return false;
    e = -e;
  }
  Real result = 1;
  while (e >= 1) {
    if (e % 2 == 1 && !GuardedMultiply(result, x, result)) return false;
    e /= 2;
    if (e >= 1 && !GuardedMultiply(x, x, x)) return false;
  }
  out = result;
  return true;
}

bool RealPower(Real x, Real y, Real& out) {
  if (x < 0) return false;
  Real t;
  if (x >= ExprFlushBound) {
    t = y * std::log(x);
  } else {
    // A zero base with a negative exponent is a division by zero, not a huge number.
    if (y < 0) return false;
    t = -ExprExponentBound * y;
  }
  if (!(t <= ExprExponentBound)) return false;
  out = t > -ExprExponentBound ? std::exp(t) : 0;
  return true;
}

bool GuardedExp(Real x, Real& out) {
  if (std::fabs(x) >= ExprExponentBound) {
    if (x >= 0) return false;
    out = 0;
    return true;
  }
  if (std::isnan(x)) return false;
  out = std::exp(x);
  return true;
}

bool LineThroughPoints(Real x1, Real y1, Real x2, Real y2, Real& slope, Real& intercept) {
  if (std::fabs(x2 - x1) >= NullTolerance) {
    slope = (y2 - y1) / (x2 - x1);
    intercept = y1 - x1 * slope;
    return true;
  }
  slope = x1;
  return false;
}

bool IsNearInteger(Real x, std::int32_t& n) {
  if (!(std::fabs(x) <= 2147483647)) return false;
  const std::int32_t rounded = RoundLD(x);
  if (!(std::fabs(x - rounded) < SnapTolerance)) return false;
  n = rounded;
  return true;
}

}  // namespace kernel
